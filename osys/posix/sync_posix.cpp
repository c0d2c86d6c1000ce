// Events, mutexes, critical sections and waits of the host build, over the
// C++ thread library. Named mutexes are private to the process here.
#include <new>

#include "osys/platform.h"
#include "osys/posix/objects_posix.h"

namespace OSYS::Platform {

namespace {

class EVENT : public WAITABLE {
 public:
  EVENT(bool manualReset, bool initiallySet) : ManualReset(manualReset), Signalled(initiallySet) {}

  void Set(bool state) {
    std::lock_guard<std::mutex> lock(Guard);
    Signalled = state;
    if (state) Changed.notify_all();
  }

  int Wait(std::uint32_t milliseconds) override {
    std::unique_lock<std::mutex> lock(Guard);
    if (!WaitUntil(lock, milliseconds, [this] { return Signalled; })) return WaitTimedOut;
    if (!ManualReset) Signalled = false;
    return WaitSignalled;
  }

 private:
  bool ManualReset;
  bool Signalled;
};

// A mutex that its owner may request again; each request needs a release.
class MUTEX : public WAITABLE {
 public:
  explicit MUTEX(bool initiallyOwned) {
    if (initiallyOwned) {
      Owner = pthread_self();
      Count = 1;
    }
  }

  int Wait(std::uint32_t milliseconds) override {
    std::unique_lock<std::mutex> lock(Guard);
    pthread_t self = pthread_self();
    if (Count > 0 && pthread_equal(Owner, self)) {
      ++Count;
      return WaitSignalled;
    }
    if (!WaitUntil(lock, milliseconds, [this] { return Count == 0; })) return WaitTimedOut;
    Owner = self;
    Count = 1;
    return WaitSignalled;
  }

  bool Release() {
    std::lock_guard<std::mutex> lock(Guard);
    if (Count == 0 || !pthread_equal(Owner, pthread_self())) return false;
    if (--Count == 0) Changed.notify_one();
    return true;
  }

 private:
  pthread_t Owner{};
  int Count = 0;
};

}  // namespace

void* NewEvent(bool manualReset, bool initiallySet) {
  return static_cast<WAITABLE*>(new (std::nothrow) EVENT(manualReset, initiallySet));
}

bool SignalEvent(void* event) {
  auto* e = dynamic_cast<EVENT*>(static_cast<WAITABLE*>(event));
  if (e == nullptr) return false;
  e->Set(true);
  return true;
}

bool ClearEvent(void* event) {
  auto* e = dynamic_cast<EVENT*>(static_cast<WAITABLE*>(event));
  if (e == nullptr) return false;
  e->Set(false);
  return true;
}

void* NewMutex(bool initiallyOwned, const char*) {
  return static_cast<WAITABLE*>(new (std::nothrow) MUTEX(initiallyOwned));
}

bool ReleaseMutexObject(void* mutex) {
  auto* m = dynamic_cast<MUTEX*>(static_cast<WAITABLE*>(mutex));
  return m != nullptr && m->Release();
}

int WaitHandle(void* handle, std::uint32_t milliseconds) {
  if (handle == nullptr) {
    SetLastErrorCode(ErrorInvalidHandle);
    return WaitFailed;
  }
  return static_cast<WAITABLE*>(handle)->Wait(milliseconds);
}

bool CloseObject(void* handle) {
  if (handle == nullptr) return false;
  auto* object = static_cast<WAITABLE*>(handle);
  if (object->Closing()) delete object;
  return true;
}

void* NewCriticalSection() { return new (std::nothrow) std::recursive_mutex; }
void EnterCritical(void* section) { static_cast<std::recursive_mutex*>(section)->lock(); }
void LeaveCritical(void* section) { static_cast<std::recursive_mutex*>(section)->unlock(); }
void DeleteCritical(void* section) { delete static_cast<std::recursive_mutex*>(section); }

}  // namespace OSYS::Platform
