// RINGBUFFER: delivery rules, counters, wrapping, and a differential check
// against a plain queue, single-threaded and with a producer thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <random>
#include <string>

#include "net/ringbuffer.h"
#include "osys/osys.h"
#include "tests/foundation/support.h"

namespace {

std::string ReadRing(RINGBUFFER& ring, int length, int timeout, const char* stopSet, bool* result = nullptr) {
  std::string out(static_cast<std::size_t>(length > 0 ? length : 1), '\x7f');
  int n = length;
  bool ok = ring.Read(out.data(), &n, timeout, stopSet);
  if (result != nullptr) *result = ok;
  EXPECT_EQ(ok, n > 0);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

TEST(RingBuffer, StopSetDeliversOneLineAndKeepsTheNext) {
  RINGBUFFER ring(64);
  ASSERT_TRUE(ring.Write("220 first\r\n250 second\r\n", 23));
  EXPECT_EQ(ReadRing(ring, 60, 0, "\n"), "220 first\r\n");
  EXPECT_EQ(ring.Head - ring.Tail, 12);
  EXPECT_EQ(ReadRing(ring, 60, 0, "\n"), "250 second\r\n");
}

TEST(RingBuffer, DeliveryEndsAtTheRequestedLengthEvenBeforeAStopByte) {
  RINGBUFFER ring(64);
  ring.Write("abcdefgh\n", 9);
  // The stop byte lies beyond the destination: only four bytes may come.
  EXPECT_EQ(ReadRing(ring, 4, 0, "\n"), "abcd");
  EXPECT_EQ(ReadRing(ring, 40, 0, "\n"), "efgh\n");
}

TEST(RingBuffer, AZeroByteAlwaysStopsAStopSetRead) {
  RINGBUFFER ring(64);
  ring.Write("ab\0cd", 5);
  EXPECT_EQ(ReadRing(ring, 10, 0, "\n"), std::string("ab\0", 3));
  EXPECT_EQ(ReadRing(ring, 10, 0, nullptr), "cd") << "without a stop set zero is data";
}

TEST(RingBuffer, EmptyingReadResetsCountersAndDataReady) {
  RINGBUFFER ring(16);
  ring.Write("hello", 5);
  EXPECT_TRUE(ring.DataReady.Wait(0));
  EXPECT_EQ(ReadRing(ring, 3, 0, nullptr), "hel");
  EXPECT_EQ(ring.Tail, 3);
  EXPECT_TRUE(ring.DataReady.Wait(0)) << "still holds bytes";
  EXPECT_EQ(ReadRing(ring, 16, 0, nullptr), "lo");
  EXPECT_EQ(ring.Head, 0);
  EXPECT_EQ(ring.Tail, 0);
  EXPECT_FALSE(ring.DataReady.Wait(0));

  bool ok = true;
  EXPECT_EQ(ReadRing(ring, 4, 0, nullptr, &ok), "") << "time-out 0: no wait";
  EXPECT_FALSE(ok);

  // A read with a time-out waits for the next write.
  OSYS::THREADHANDLE writer = OSYS::CreateThread(
      [](void* p) -> unsigned {
        OSYS::Sleep(50);
        static_cast<RINGBUFFER*>(p)->Write("late", 4);
        return 0;
      },
      &ring);
  EXPECT_EQ(ReadRing(ring, 4, 20000, nullptr), "late");
  EXPECT_TRUE(OSYS::WaitThread(writer, 20000));
}

TEST(RingBuffer, WrappingWriteAndReadKeepTheOrder) {
  RINGBUFFER ring(8);
  ring.Write("012345", 6);
  EXPECT_EQ(ReadRing(ring, 4, 0, nullptr), "0123");
  ASSERT_TRUE(ring.Write("6789a", 5)) << "fits: 2 held, 6 free";
  EXPECT_EQ(ring.Head, 11);
  EXPECT_EQ(ring.Tail, 4);
  EXPECT_EQ(std::string(ring.Data, 8), "89a3456" "7") << "bytes 8, 9, 10 wrapped to the front";
  EXPECT_EQ(ReadRing(ring, 7, 0, nullptr), "456789a");
  EXPECT_EQ(ring.Head, 0);
}

TEST(RingBuffer, AWriteLargerThanTheStorageFailsInsteadOfWaitingForever) {
  testsupport::ReportCapture reports;
  RINGBUFFER ring(8);
  EXPECT_FALSE(ring.Write("123456789", 9));
  EXPECT_EQ(reports.Conditions().size(), 1u);
  EXPECT_TRUE(ring.Write("12345678", 8)) << "exactly the capacity fits";
}

TEST(RingBuffer, WithoutStorageEveryWriteFails) {
  testsupport::ReportCapture reports;
  RINGBUFFER ring(0);
  ASSERT_EQ(reports.Conditions(), std::vector<std::string>{"this->Data"});
  EXPECT_FALSE(ring.Write("x", 1));
  EXPECT_EQ(ReadRing(ring, 1, 0, nullptr), "");
}

// Random writes and reads, each checked against a plain queue: the bytes
// delivered, where a stop-set read ends, and the counters.
TEST(RingBuffer, MatchesAPlainQueue) {
  std::mt19937 random(4711);
  const char* stopSets[] = {nullptr, "\n", "xy"};
  for (int size : {1, 7, 64}) {
    RINGBUFFER ring(size);
    std::deque<char> queue;
    for (int step = 0; step < 4000; ++step) {
      if (random() % 2 == 0) {
        int room = size - static_cast<int>(queue.size());
        if (room == 0) continue;
        int n = static_cast<int>(random() % static_cast<unsigned>(room)) + 1;
        std::string bytes;
        for (int i = 0; i < n; ++i) bytes += "abxy\n\0"[random() % 6];
        ASSERT_TRUE(ring.Write(bytes.data(), n));
        queue.insert(queue.end(), bytes.begin(), bytes.end());
      } else {
        const char* stop = stopSets[random() % 3];
        int want = static_cast<int>(random() % static_cast<unsigned>(size + 2));
        std::string expected;
        for (char c : queue) {
          if (static_cast<int>(expected.size()) == want) break;
          expected += c;
          if (stop != nullptr && (c == 0 || std::string(stop).find(c) != std::string::npos)) break;
        }
        ASSERT_EQ(ReadRing(ring, want, 0, stop), expected) << "size " << size << " step " << step;
        queue.erase(queue.begin(), queue.begin() + static_cast<long>(expected.size()));
      }
      ASSERT_EQ(ring.Head - ring.Tail, static_cast<int>(queue.size()));
      if (queue.empty()) {
        ASSERT_EQ(ring.Head, 0);
      }
    }
  }
}

struct PRODUCER {
  RINGBUFFER* Ring;
  std::string Stream;
  std::atomic<bool> Failed{false};
};

// A producer thread pushes a long stream through a small ring (now and then
// it must wait for space) while this thread reads with stop sets and
// time-outs: the delivered bytes are the stream, in order, and no delivery
// runs past a stop byte or the requested length.
TEST(RingBuffer, ProducerAndConsumerThreadsAgreeWithTheStream) {
  RINGBUFFER ring(509);
  PRODUCER producer{&ring, {}};
  std::mt19937 random(815);
  for (int i = 0; i < 10000; ++i) producer.Stream += "abc\ndef"[random() % 7];
  OSYS::THREADHANDLE thread = OSYS::CreateThread(
      [](void* p) -> unsigned {
        auto* self = static_cast<PRODUCER*>(p);
        std::mt19937 chunks(1);
        for (std::size_t at = 0; at < self->Stream.size();) {
          std::size_t n = std::min<std::size_t>(chunks() % 13 + 1, self->Stream.size() - at);
          if (!self->Ring->Write(self->Stream.data() + at, static_cast<int>(n))) self->Failed = true;
          at += n;
        }
        return 0;
      },
      &producer);
  std::string received;
  while (received.size() < producer.Stream.size()) {
    bool lines = random() % 2 == 0;
    int want = static_cast<int>(std::min<std::size_t>(random() % 64 + 1, producer.Stream.size() - received.size()));
    std::string piece = ReadRing(ring, want, 200, lines ? "\n" : nullptr);
    ASSERT_LE(static_cast<int>(piece.size()), want);
    std::size_t stop = piece.find('\n');
    if (lines) {
      ASSERT_TRUE(stop == std::string::npos || stop == piece.size() - 1) << "past a stop byte";
    }
    received += piece;
    ASSERT_EQ(received, producer.Stream.substr(0, received.size()));
  }
  EXPECT_TRUE(OSYS::WaitThread(thread, 60000));
  EXPECT_FALSE(producer.Failed);
  EXPECT_EQ(received, producer.Stream);
}

}  // namespace
