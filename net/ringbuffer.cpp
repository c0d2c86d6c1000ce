// RINGBUFFER: storage, the waiting write and the read with time-out and
// stop set.
#include "net/ringbuffer.h"

#include <cstring>
#include <new>

#include "foundation/log.h"
#include "osys/file.h"
#include "osys/osys.h"

namespace {

constexpr unsigned RingTrace = 0x103;
constexpr std::uint32_t SpaceRetryMs = 100;
// Attempts of one write (100 ms apart) before a writer that still waits for
// space is reported.
constexpr int QuietAttempts = 21;

// One pause of a writer that waits for space; true when it is to give up.
bool WaitForSpace(EVENTSEM* giveUp) {
  if (giveUp != nullptr) return giveUp->Wait(SpaceRetryMs);
  OSYS::Sleep(SpaceRetryMs);
  return false;
}

bool InStopSet(char byte, const char* stopSet) { return std::strchr(stopSet, byte) != nullptr; }

}  // namespace

RINGBUFFER::RINGBUFFER(int initsize) : Data(nullptr), Head(0), Tail(0), Size(0) {
  if (initsize > 0) Data = new (std::nothrow) char[initsize];
  ASSERTION(this->Data, nullptr);
  if (Data != nullptr) Size = initsize;
  LogPrintf("RINGBUFFER::RINGBUFFER initsize=%d\n", initsize);
}

RINGBUFFER::~RINGBUFFER() {
  Lock.Request(SEM_INDEFINITE_WAIT);
  delete[] Data;
  Data = nullptr;
  Size = 0;
  Lock.Release();
  LogPrintf("RINGBUFFER::~RINGBUFFER\n");
}

int RINGBUFFER::HeldCount() {
  Lock.Request(SEM_INDEFINITE_WAIT);
  int held = Head - Tail;
  Lock.Release();
  return held;
}

// Positions Head ... Head + n - 1 modulo Size; one block move when the range
// does not wrap.
void RINGBUFFER::CopyIn(const char* bytes, int n) {
  if (n == 0) return;
  int at = Head % Size;
  if (at + n < Size) {
    std::memcpy(Data + at, bytes, static_cast<std::size_t>(n));
  } else {
    for (int i = 0; i < n; ++i) Data[(Head + i) % Size] = bytes[i];
  }
  Head += n;
}

void RINGBUFFER::CopyOut(char* destination, int n) {
  if (n == 0) return;
  int at = Tail % Size;
  if (at + n < Size) {
    std::memcpy(destination, Data + at, static_cast<std::size_t>(n));
  } else {
    for (int i = 0; i < n; ++i) destination[i] = Data[(Tail + i) % Size];
  }
  Tail += n;
}

bool RINGBUFFER::Write(const char* bytes, int n, EVENTSEM* giveUp) {
  LogPrintfLevel(RingTrace, "RINGBUFFER::Write %d\n", n);
  if (Data == nullptr) return false;
  // More than the capacity would never fit: the writer would wait forever.
  ASSERTION(n >= 0 && n <= Size, nullptr);
  if (n < 0 || n > Size) return false;
  for (int attempt = 1;; ++attempt) {
    if (attempt > QuietAttempts) {
      ReportAssertion(!OSYS::File::Exists("main.cpp"), "!OSYS::FileExists(\"main.cpp\")", __FILE__, __LINE__,
                      "Ringbuffer Write waits more than 2 Sec", 0);
    }
    Lock.Request(SEM_INDEFINITE_WAIT);
    if (Tail + Size - Head >= n) break;
    LogPrintf("RINGBUFFER::Write Buffer full -- waiting ...\n");
    Lock.Release();
    if (WaitForSpace(giveUp)) {
      Lock.Request(SEM_INDEFINITE_WAIT);
      LogPrintfLevel(RingTrace, "RINGBUFFER::~Write %d (%d, %d)\n", 0, Tail, Head);
      Lock.Release();
      return false;
    }
  }
  CopyIn(bytes, n);
  DataReady.Set();
  LogPrintfLevel(RingTrace, "RINGBUFFER::~Write %d (%d, %d)\n", 1, Tail, Head);
  Lock.Release();
  return true;
}

bool RINGBUFFER::Read(char* destination, int* length, int timeout, const char* stopSet) {
  int wanted = *length;
  int held = HeldCount();
  LogPrintfLevel(RingTrace, "RINGBUFFER::Read %d (avail=%d)\n", wanted, held);
  if (held == 0 && (timeout <= 0 || !DataReady.Wait(static_cast<std::uint32_t>(timeout)))) {
    *length = 0;
    LogPrintfLevel(RingTrace, "RINGBUFFER::~Read %d\n", 0);
    return false;
  }
  Lock.Request(SEM_INDEFINITE_WAIT);
  held = Head - Tail;
  int k = wanted < held ? wanted : held;
  if (k < 0) k = 0;
  if (stopSet != nullptr) {
    // Only the bytes that may be delivered are scanned, so a stop byte
    // further on never makes the delivery longer than the destination.
    for (int i = 0; i < k; ++i) {
      if (InStopSet(Data[(Tail + i) % Size], stopSet)) {
        k = i + 1;
        break;
      }
    }
  }
  CopyOut(destination, k);
  if (Head == Tail) {
    Head = 0;
    Tail = 0;
    DataReady.Reset();
  }
  Lock.Release();
  *length = k;
  LogPrintfLevel(RingTrace, "RINGBUFFER::~Read %d\n", k);
  return k != 0;
}
