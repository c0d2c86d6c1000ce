// Synchronisation objects: a manual-reset event, a mutex and a re-entrant
// critical section. Each traces its actions in the levelled trace and checks
// every platform call with an assertion report.
#pragma once

#include <cstdint>

class EVENTSEM {
 public:
  explicit EVENTSEM(bool initiallySet = false);
  ~EVENTSEM();
  EVENTSEM(const EVENTSEM&) = delete;
  EVENTSEM& operator=(const EVENTSEM&) = delete;

  void Set();
  void Reset();
  // True only when the event was signalled within the time.
  bool Wait(std::uint32_t milliseconds);

  void* hev;
};

class MUTEXSEM {
 public:
  explicit MUTEXSEM(bool initiallyOwned = false, const char* name = nullptr);
  ~MUTEXSEM();
  MUTEXSEM(const MUTEXSEM&) = delete;
  MUTEXSEM& operator=(const MUTEXSEM&) = delete;

  // True when the mutex was obtained (an abandoned mutex is not).
  bool Request(std::uint32_t milliseconds);
  void Release();

  void* hmux;
};

class CRITSECT {
 public:
  CRITSECT();
  ~CRITSECT();
  CRITSECT(const CRITSECT&) = delete;
  CRITSECT& operator=(const CRITSECT&) = delete;

  void Enter();
  void Leave();

  void* pCritSect;
};

// Holds a CRITSECT for the lifetime of a scope.
class CRITSECTLOCK {
 public:
  explicit CRITSECTLOCK(CRITSECT* lock) : Lock(lock) { Lock->Enter(); }
  ~CRITSECTLOCK() { Lock->Leave(); }
  CRITSECTLOCK(const CRITSECTLOCK&) = delete;
  CRITSECTLOCK& operator=(const CRITSECTLOCK&) = delete;

 private:
  CRITSECT* Lock;
};

// Infinite wait for EVENTSEM::Wait and MUTEXSEM::Request.
constexpr std::uint32_t SEM_INDEFINITE_WAIT = 0xFFFFFFFFu;
