// The kernel objects of the host build: events, mutexes and threads behind
// one handle type, so that one wait and one close serve all three.
#pragma once

#include <pthread.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace OSYS::Platform {

class WAITABLE {
 public:
  virtual ~WAITABLE() = default;
  // One of the Wait... results of osys/platform.h.
  virtual int Wait(std::uint32_t milliseconds) = 0;
  // Called by CloseObject; returns whether the object may be deleted now.
  virtual bool Closing() { return true; }

 protected:
  // Waits on Changed until ready() holds or the time is out.
  template <class READY>
  bool WaitUntil(std::unique_lock<std::mutex>& lock, std::uint32_t milliseconds, READY ready);

  std::mutex Guard;
  std::condition_variable Changed;
};

template <class READY>
bool WAITABLE::WaitUntil(std::unique_lock<std::mutex>& lock, std::uint32_t milliseconds, READY ready) {
  if (milliseconds == 0xFFFFFFFFu) {
    Changed.wait(lock, ready);
    return true;
  }
  return Changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);
}

}  // namespace OSYS::Platform
