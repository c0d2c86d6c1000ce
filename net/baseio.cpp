// BASEIO: construction and end of the reader thread, the buffered read with
// time-out and stop set, write, feed and the status keys of the base.
#include "net/baseio.h"

#include <cstring>

#include "foundation/dynarray.h"
#include "foundation/log.h"
#include "net/daemonpriority.h"

namespace {

constexpr unsigned DeviceTrace = 0x100;
constexpr unsigned DeviceTraceDetail = 0x101;
constexpr unsigned DeviceTraceMore = 0x102;
constexpr std::uint32_t ReadFailurePauseMs = 100;
constexpr std::uint32_t BaseReadWaitMs = 250;

unsigned DaemonEntry(void* device) {
  static_cast<BASEIO*>(device)->Daemon();
  return 0;
}

bool InStopSet(char byte, const char* stopSet) { return std::strchr(stopSet, byte) != nullptr; }

const char* TextOrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

BASEIO::BASEIO(const char* ourId, const char* callType, const char* holdOnError, bool startSuspended)
    : Ring(BASEIO_RINGSIZE),
      KillEvent(false),
      DaemonThread(nullptr),
      OurId(TextOrEmpty(ourId)),
      CallType(TextOrEmpty(callType)),
      HoldOnError(TextOrEmpty(holdOnError)),
      LastError(0),
      LastErrorString("<unknown>"),
      StartEvent(!startSuspended),
      NotifyUser(nullptr),
      NotifyHandler(nullptr),
      DataUser(nullptr),
      DataHandler(nullptr) {
  LogPrintf("BASEIO::BASEIO\n");
  DaemonThread = OSYS::CreateThread(DaemonEntry, this);
  LogPrintf("BASEIO::BASEIO done\n");
}

BASEIO::~BASEIO() {
  LogPrintf("BASEIO::~BASEIO\n");
  KillDaemon();
  LogPrintf("BASEIO::~BASEIO done\n");
}

bool BASEIO::DevRead(char* buffer, int* length) {
  KillEvent.Wait(BaseReadWaitMs);
  *length = 0;
  return true;
}

int BASEIO::DevGetNumAvail() { return 0; }

void BASEIO::SetNotifyHandler(NOTIFYHANDLER handler, void* user) {
  NotifyHandler = handler;
  NotifyUser = user;
}

void BASEIO::SetDataHandler(DATAHANDLER handler, void* user) {
  DataHandler = handler;
  DataUser = user;
}

void BASEIO::SetCallType(const char* callType) {
  STRING next(TextOrEmpty(callType));
  LogPrintfLevel(DeviceTrace, "ISDNIO::SetCallType old=%s, new=%s\n", CallType.Buffer, next.Buffer);
  CallType = next;
}

void BASEIO::SetOurId(const char* ourId) {
  STRING next(TextOrEmpty(ourId));
  LogPrintfLevel(DeviceTrace, "ISDNIO::SetOurId old=%s, new=%s\n", OurId.Buffer, next.Buffer);
  OurId = next;
}

STRING BASEIO::GetInfo(const char* key) {
  STRING k(NullGuard(key, "GetInfo"));
  k.ToUpper();
  STRING value;
  if (k == "ONLINE") {
    value = "0";
  } else if (k == "LASTERROR") {
    value.Format("%d", LastError);
  } else if (k == "LASTERRORSTRING") {
    value = LastErrorString;
  } else if (k == "OWNID") {
    value = OurId;
  } else if (k == "CALLERID") {
    value = "<unknown>";
  } else if (k == "DEVICENAME") {
    value = "BASEIO";
  } else {
    value = "BASEIO::BAD-REQUEST";
  }
  return value;
}

bool BASEIO::Read(char* buffer, int* length, int timeout, const char* stopSet) {
  const int wanted = *length;
  LogPrintfLevel(DeviceTrace, "BASEIO::Read %d %d\n", wanted, timeout);
  std::uint32_t start = OSYS::Milliseconds(0);
  const int slice = timeout / 4;
  std::uint32_t elapsed = 0;
  int fill = 0;
  for (;;) {
    int got = wanted - fill;
    Ring.Read(buffer + fill, &got, slice, stopSet);
    if (got > 0) LogPrintfLevel(DeviceTraceDetail, "BASEIO::Read got %d byte packet\n", got);
    fill += got;
    std::uint32_t now = OSYS::Milliseconds(0);
    if (now < start) {
      // The clock stepped back: the time counted so far stays, measured
      // from a start moved by the step.
      LogPrintf("BASEIO::Read *** WARNING!!! *** negative time diff %d ms\n", static_cast<int>(now - start));
      start = now - elapsed;
    } else {
      elapsed = now - start;
    }
    LogPrintfLevel(DeviceTraceDetail, "BASEIO::Read loop fill= %d, dura= %d\n", fill, static_cast<int>(elapsed));
    if (fill > 0 && stopSet != nullptr && InStopSet(buffer[fill - 1], stopSet)) {
      LogPrintfLevel(DeviceTrace, "BASEIO::Read got readuntil byte ... break;\n");
      break;
    }
    if (fill >= wanted || elapsed >= static_cast<std::uint32_t>(timeout)) break;
  }
  *length = fill;
  LogPrintfLevel(DeviceTrace, "BASEIO::~Read done l2=%d, *plen= %d, dura= %d\n", wanted, fill,
                 static_cast<int>(elapsed));
  return fill > 0;
}

bool BASEIO::Write(const char* bytes, int length) {
  if (length == -1) length = static_cast<int>(std::strlen(bytes));
  LogPrintfLevel(DeviceTrace, "BASEIO::Write len %d\n", length);
  bool ok = DevWrite(bytes, length);
  LogPrintfLevel(DeviceTrace, "BASEIO::~Write ok %d\n", ok ? 1 : 0);
  return ok;
}

bool BASEIO::Feed(const char* bytes, int length) {
  LogPrintfLevel(DeviceTraceDetail, "BASEIO::Feed len %d\n", length);
  bool ok = true;
  if (DataHandler != nullptr) {
    DataHandler(DataUser, bytes, length);
  } else {
    // A full queue is waited on until the owner reads, or the device ends.
    ok = Ring.Write(bytes, length, &KillEvent);
  }
  LogPrintfLevel(DeviceTraceMore, "BASEIO::~Feed ok %d\n", ok ? 1 : 0);
  return ok;
}

void BASEIO::Daemon() {
  LogPrintfLevel(DeviceTrace, "BASEIO::Daemon\n");
  StartEvent.Wait(SEM_INDEFINITE_WAIT);
  RaiseDaemonPriority();
  char packet[BASEIO_PACKETSIZE];
  // KillEvent is also tested before the first pass, for a device that ends
  // without ever starting the thread (KillDaemon sets StartEvent as well).
  while (!KillEvent.Wait(0)) {
    int avail = DevGetNumAvail();
    LogPrintfLevel(DeviceTraceMore, "BASEIO::Daemon numavail %d\n", avail);
    unsigned request = avail == 0 ? 1u : static_cast<unsigned>(avail);
    if (request > static_cast<unsigned>(BASEIO_PACKETSIZE)) request = BASEIO_PACKETSIZE;
    int got = static_cast<int>(request);
    bool ok = DevRead(packet, &got);
    LogPrintfLevel(DeviceTraceMore, "BASEIO::Daemon read %d\n", got);
    if (ok && got > 0) {
      Feed(packet, got);
    } else if (!ok) {
      LogPrintfLevel(DeviceTraceMore, "BASEIO::Daemon about to Sleep(100)\n");
      OSYS::Sleep(ReadFailurePauseMs);
    }
  }
  LogPrintfLevel(DeviceTrace, "BASEIO::~Daemon\n");
}

void BASEIO::KillDaemon() {
  LogPrintfLevel(DeviceTrace, "BASEIO::KillDaemon\n");
  if (DaemonThread != nullptr) {
    LogPrintfLevel(DeviceTrace, "BASEIO::KillDaemon about to post\n");
    KillEvent.Set();
    StartEvent.Set();
    LogPrintfLevel(DeviceTrace, "BASEIO::KillDaemon about posted\n");
    OSYS::WaitThread(DaemonThread, SEM_INDEFINITE_WAIT);
    LogPrintfLevel(DeviceTrace, "BASEIO::KillDaemon thread completed\n");
    DaemonThread = nullptr;
  }
  LogPrintfLevel(DeviceTrace, "BASEIO::KillDaemon done\n");
}

int InfoNumber(BASEIO* device, const char* key) { return StrAtoi(device->GetInfo(key).Buffer); }
