// BASEIO over the test device: the buffered read, write, the reader thread,
// the data handler, the status keys and the trace levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "foundation/log.h"
#include "net/baseio.h"
#include "osys/osys.h"
#include "tests/net/testdevice.h"
#include "tests/net/tracecapture.h"

namespace {

std::string DeviceRead(BASEIO& device, int length, int timeout, const char* stopSet) {
  std::string out(static_cast<std::size_t>(length), '\x7f');
  int n = length;
  bool ok = device.Read(out.data(), &n, timeout, stopSet);
  EXPECT_EQ(ok, n > 0);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

TEST(BaseIo, ReadWithStopSetDeliversOneLineAndLeavesTheNextQueued) {
  TESTDEVICE device;
  device.Supply("220 ready\r\n250 ok\r\n");
  EXPECT_EQ(DeviceRead(device, 255, 10000, "\n"), "220 ready\r\n");
  EXPECT_EQ(DeviceRead(device, 255, 10000, "\n"), "250 ok\r\n");
}

TEST(BaseIo, TimeOutZeroTakesOnlyWhatIsQueued) {
  TESTDEVICE device;
  EXPECT_EQ(DeviceRead(device, 10, 0, nullptr), "");
  device.Feed("abc", 3);
  EXPECT_EQ(DeviceRead(device, 10, 0, nullptr), "abc");
}

TEST(BaseIo, ReadReturnsAsSoonAsTheLengthIsReached) {
  TESTDEVICE device;
  device.Feed("12345678", 8);
  std::uint32_t start = OSYS::Milliseconds(0);
  EXPECT_EQ(DeviceRead(device, 8, 60000, nullptr), "12345678");
  EXPECT_LT(OSYS::Milliseconds(0) - start, 30000u) << "did not wait for the time-out";
}

TEST(BaseIo, ReadGathersPacketsUntilTheLengthOrTheTimeOut) {
  TESTDEVICE device;
  device.Supply("ab");
  device.Supply("cd");
  EXPECT_EQ(DeviceRead(device, 4, 20000, nullptr), "abcd");
  device.Supply("xy");
  EXPECT_EQ(DeviceRead(device, 10, 400, nullptr), "xy") << "time-out with fewer bytes";
}

TEST(BaseIo, WriteOfATextSendsItWithoutTheTerminator) {
  TESTDEVICE device;
  device.MakeCall("peer");
  EXPECT_TRUE(device.Write("EHLO x\r\n", -1));
  EXPECT_TRUE(device.Write("ab\0cd", 5));
  EXPECT_EQ(device.Written(), std::string("EHLO x\r\nab\0cd", 13));
  device.DropCall();
  EXPECT_FALSE(device.Write("late", -1)) << "the result of DevWrite";
}

TEST(BaseIo, StatusKeysOfTheBase) {
  TESTDEVICE device;
  struct CASE {
    const char* key;
    const char* value;
  } cases[] = {
      {"devicename", "BASEIO"}, {"DeviceName", "BASEIO"}, {"LASTERROR", "0"},
      {"lasterrorstring", "<unknown>"}, {"OWNID", "test-id"}, {"CALLERID", "<unknown>"},
      {"SPEED", "BASEIO::BAD-REQUEST"}, {nullptr, "BASEIO::BAD-REQUEST"},
  };
  for (const CASE& c : cases) EXPECT_STREQ(device.BASEIO::GetInfo(c.key).Buffer, c.value) << (c.key ? c.key : "null");
  EXPECT_STREQ(device.BASEIO::GetInfo("ONLINE").Buffer, "0");
  device.SetOurId("other");
  device.SetCallType(nullptr);
  EXPECT_STREQ(device.GetInfo("OWNID").Buffer, "other");
  EXPECT_STREQ(device.CallType.Buffer, "");
}

// More than the queue holds, through the reader thread: it must wait for
// room while the owner reads, and never asks for more than one packet.
TEST(BaseIo, ReaderThreadStreamsInOrderThroughAFullQueue) {
  TESTDEVICE device;
  std::string stream;
  for (int i = 0; stream.size() < 3 * BASEIO_RINGSIZE; ++i) stream += std::to_string(i) + ",";
  device.Supply(stream);
  std::string received;
  while (received.size() < stream.size()) {
    int want = static_cast<int>(std::min<std::size_t>(5000, stream.size() - received.size()));
    std::string piece = DeviceRead(device, want, 10000, nullptr);
    ASSERT_FALSE(piece.empty());
    received += piece;
  }
  EXPECT_EQ(received, stream);
  EXPECT_LE(device.LargestRequest(), BASEIO_PACKETSIZE);
  EXPECT_GT(device.LargestRequest(), 1);
}

TEST(BaseIo, FailedDeviceReadsArePausedAndTheReadingGoesOn) {
  TESTDEVICE device;
  device.FailReads(3);
  device.Supply("after failures");
  EXPECT_EQ(DeviceRead(device, 14, 20000, nullptr), "after failures");
}

struct COLLECTED {
  std::string Bytes;
  EVENTSEM Got;
};

TEST(BaseIo, DataHandlerReceivesInsteadOfTheQueue) {
  // Declared first so that it outlives the device's reader thread, which may
  // still be in the handler when the test wakes.
  COLLECTED collected;
  TESTDEVICE device;
  device.SetDataHandler(
      [](void* user, const char* bytes, int length) {
        auto* c = static_cast<COLLECTED*>(user);
        c->Bytes.append(bytes, static_cast<std::size_t>(length));
        if (c->Bytes.size() >= 5) c->Got.Set();
      },
      &collected);
  device.Supply("hello");
  ASSERT_TRUE(collected.Got.Wait(20000));
  EXPECT_EQ(collected.Bytes, "hello");
  EXPECT_EQ(device.Ring.Head, 0) << "nothing went into the queue";
}

// Nobody reads: the reader thread waits for room in a full queue. Ending the
// device must still end the thread.
TEST(BaseIo, EndingADeviceWhoseQueueStaysFullEndsItsReaderThread) {
  auto device = std::make_unique<TESTDEVICE>();
  device->Supply(std::string(BASEIO_RINGSIZE + 3 * BASEIO_PACKETSIZE, 'x'));
  auto held = [&device] {
    device->Ring.Lock.Request(SEM_INDEFINITE_WAIT);
    int n = device->Ring.Head - device->Ring.Tail;
    device->Ring.Lock.Release();
    return n;
  };
  for (int i = 0; i < 2000 && held() <= BASEIO_RINGSIZE - BASEIO_PACKETSIZE; ++i) OSYS::Sleep(10);
  ASSERT_GT(held(), BASEIO_RINGSIZE - BASEIO_PACKETSIZE) << "the queue did not fill";
  ASSERT_GT(device->Pending(), 0) << "the reader thread still has bytes to deliver";
  device.reset();
  SUCCEED();
}

TEST(BaseIo, TraceLinesFollowTheirLevels) {
  struct CASE {
    std::uint32_t mask;
    const char* line;
    bool written;
  } cases[] = {
      {0x000, "BASEIO::BASEIO done", true},
      {0x000, "RINGBUFFER::RINGBUFFER initsize=65536", true},
      {0x000, "BASEIO::Read 4 0", false},
      {0x100, "BASEIO::Read 4 0", true},
      {0x100, "BASEIO::~Read done l2=4, *plen= 2, dura=", true},
      {0x100, "BASEIO::Read loop fill= 2", false},
      {0x101, "BASEIO::Read loop fill= 2", true},
      {0x101, "BASEIO::Feed len 2", true},
      {0x101, "BASEIO::~Feed ok 1", false},
      {0x102, "BASEIO::~Feed ok 1", true},
      {0x102, "RINGBUFFER::Read 4 (avail=2)", false},
      {0x103, "RINGBUFFER::Read 4 (avail=2)", true},
      {0x103, "RINGBUFFER::~Write 1 (0, 2)", true},
      {0x100, "ISDNIO::SetOurId old=test-id, new=me", true},
      {0x100, "BASEIO::Write len 3", true},
      {0x100, "BASEIO::KillDaemon about posted", true},
      {0x0FF, "BASEIO::KillDaemon about posted", false},
      {0x100, "BASEIO::~BASEIO done", true},
  };
  for (const CASE& c : cases) {
    TRACECAPTURE trace(c.mask);
    {
      TESTDEVICE device;
      device.MakeCall("peer");
      device.Feed("ab", 2);
      DeviceRead(device, 4, 0, nullptr);
      device.SetOurId("me");
      device.Write("abc", 3);
    }
    EXPECT_EQ(trace.Contains(c.line), c.written) << std::hex << c.mask << " " << c.line;
  }
}

}  // namespace
