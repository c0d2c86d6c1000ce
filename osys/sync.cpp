// EVENTSEM, MUTEXSEM and CRITSECT over the platform primitives, with their
// trace lines and checks.
#include "osys/sync.h"

#include <cstdint>

#include "foundation/log.h"
#include "osys/platform.h"

namespace {

// Handles appear in trace lines as eight hex digits.
unsigned HandleText(void* handle) { return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(handle)); }

}  // namespace

EVENTSEM::EVENTSEM(bool initiallySet) : hev(OSYS::Platform::NewEvent(true, initiallySet)) {
  LogPrintfLevel(7, "EVENTSEM::EVENTSEM created %08x\n", HandleText(hev));
  ASSERTION(this->hev, nullptr);
}

EVENTSEM::~EVENTSEM() {
  void* closed = hev;
  bool ok = OSYS::Platform::CloseObject(hev);
  hev = nullptr;
  LogPrintfLevel(12, "EVENTSEM::~EVENTSEM deleted %08x\n", HandleText(closed));
  ASSERTION(ok, nullptr);
}

void EVENTSEM::Set() {
  // A waiter may end the event's owner as soon as it is signalled: nothing
  // of the object is read after the signal.
  void* event = hev;
  bool ok = OSYS::Platform::SignalEvent(event);
  LogPrintfLevel(12, "EVENTSEM::Set %08x\n", HandleText(event));
  ASSERTION(ok, nullptr);
}

void EVENTSEM::Reset() {
  bool ok = OSYS::Platform::ClearEvent(hev);
  LogPrintfLevel(12, "EVENTSEM::Reset %08x\n", HandleText(hev));
  ASSERTION(ok, nullptr);
}

bool EVENTSEM::Wait(std::uint32_t milliseconds) {
  int rc = OSYS::Platform::WaitHandle(hev, milliseconds);
  LogPrintfLevel(12, "EVENTSEM::Wait %08x rc=%d\n", HandleText(hev), rc);
  ReportAssertion(rc != OSYS::Platform::WaitFailed, "rc!=WAIT_FAILED", __FILE__, __LINE__, nullptr, 0);
  return rc == OSYS::Platform::WaitSignalled;
}

MUTEXSEM::MUTEXSEM(bool initiallyOwned, const char* name)
    : hmux(OSYS::Platform::NewMutex(initiallyOwned, name)) {
  LogPrintfLevel(11, "MUTEXSEM::MUTEXSEM created %08x, name= %s\n", HandleText(hmux), NullGuard(name, nullptr));
  ASSERTION(this->hmux, nullptr);
}

MUTEXSEM::~MUTEXSEM() {
  LogPrintfLevel(11, "MUTEXSEM::MUTEXSEM delete %08x\n", HandleText(hmux));
  bool ok = OSYS::Platform::CloseObject(hmux);
  hmux = nullptr;
  ASSERTION(ok, nullptr);
}

bool MUTEXSEM::Request(std::uint32_t milliseconds) {
  int rc = OSYS::Platform::WaitHandle(hmux, milliseconds);
  if (rc == OSYS::Platform::WaitFailed) {
    ReportAssertion(0, "rc!=WAIT_FAILED", __FILE__, __LINE__, nullptr, 0);
    LogPrintfLevel(11, "MUTEXSEM::MUTEXSEM obtained %08x rc= %d\n", HandleText(hmux), -1);
    return false;
  }
  LogPrintfLevel(11, "MUTEXSEM::MUTEXSEM obtained %08x rc= %d\n", HandleText(hmux), rc);
  return rc == OSYS::Platform::WaitSignalled;
}

void MUTEXSEM::Release() {
  bool ok = OSYS::Platform::ReleaseMutexObject(hmux);
  LogPrintfLevel(11, "MUTEXSEM::MUTEXSEM released %08x rc= %d\n", HandleText(hmux), ok ? 1 : 0);
  ASSERTION(ok, nullptr);
}

CRITSECT::CRITSECT() : pCritSect(OSYS::Platform::NewCriticalSection()) { ASSERTION(this->pCritSect, nullptr); }

CRITSECT::~CRITSECT() {
  if (pCritSect != nullptr) OSYS::Platform::DeleteCritical(pCritSect);
  pCritSect = nullptr;
}

void CRITSECT::Enter() {
  if (pCritSect != nullptr) OSYS::Platform::EnterCritical(pCritSect);
}

void CRITSECT::Leave() {
  if (pCritSect != nullptr) OSYS::Platform::LeaveCritical(pCritSect);
}
