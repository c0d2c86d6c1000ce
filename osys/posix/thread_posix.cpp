// Threads and sleeping of the host build. A thread object lives until both
// the thread has ended and its handle is closed, whichever comes last.
#include <sys/syscall.h>
#include <unistd.h>

#include <new>
#include <thread>

#include "osys/platform.h"
#include "osys/posix/objects_posix.h"

namespace OSYS::Platform {

namespace {

class THREAD : public WAITABLE {
 public:
  THREAD(ThreadFunction function, void* parameter) : Function(function), Parameter(parameter) {}

  bool Start() {
    // The host's sanitizers need more stack than the product's 32768 bytes,
    // so threads here keep the default stack size.
    return pthread_create(&Thread, nullptr, Run, this) == 0;
  }

  int Wait(std::uint32_t milliseconds) override {
    std::unique_lock<std::mutex> lock(Guard);
    return WaitUntil(lock, milliseconds, [this] { return Ended; }) ? WaitSignalled : WaitTimedOut;
  }

  bool Closing() override {
    std::lock_guard<std::mutex> lock(Guard);
    if (Ended) {
      pthread_join(Thread, nullptr);
      return true;
    }
    pthread_detach(Thread);
    Closed = true;
    return false;
  }

 private:
  static void* Run(void* self) {
    auto* t = static_cast<THREAD*>(self);
    t->Function(t->Parameter);
    bool closed;
    {
      std::lock_guard<std::mutex> lock(t->Guard);
      t->Ended = true;
      closed = t->Closed;
      t->Changed.notify_all();
    }
    if (closed) delete t;
    return nullptr;
  }

  ThreadFunction Function;
  void* Parameter;
  pthread_t Thread{};
  bool Ended = false;
  bool Closed = false;
};

}  // namespace

void* StartThread(ThreadFunction function, void* parameter, unsigned) {
  auto* t = new (std::nothrow) THREAD(function, parameter);
  if (t == nullptr) return nullptr;
  if (!t->Start()) {
    delete t;
    SetLastErrorCode(ErrorNotEnoughMemory);
    return nullptr;
  }
  return static_cast<WAITABLE*>(t);
}

unsigned CurrentThreadId() { return static_cast<unsigned>(syscall(SYS_gettid)); }

void SleepFor(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace OSYS::Platform
