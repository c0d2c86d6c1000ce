// Events, mutexes, critical sections and waits over the Win32 kernel objects.
#include <windows.h>

#include <new>

#include "osys/platform.h"

namespace OSYS::Platform {

void* NewEvent(bool manualReset, bool initiallySet) {
  return ::CreateEventA(nullptr, manualReset, initiallySet, nullptr);
}

bool SignalEvent(void* event) { return event != nullptr && ::SetEvent(event); }
bool ClearEvent(void* event) { return event != nullptr && ::ResetEvent(event); }

void* NewMutex(bool initiallyOwned, const char* name) {
  return ::CreateMutexA(nullptr, initiallyOwned, name);
}

bool ReleaseMutexObject(void* mutex) { return mutex != nullptr && ::ReleaseMutex(mutex); }

int WaitHandle(void* handle, std::uint32_t milliseconds) {
  if (handle == nullptr) {
    ::SetLastError(ERROR_INVALID_HANDLE);
    return WaitFailed;
  }
  DWORD rc = ::WaitForSingleObject(handle, milliseconds);
  return rc == WAIT_FAILED ? WaitFailed : static_cast<int>(rc);
}

bool CloseObject(void* handle) { return handle != nullptr && ::CloseHandle(handle); }

void* NewCriticalSection() {
  auto* section = new (std::nothrow) CRITICAL_SECTION;
  if (section != nullptr) ::InitializeCriticalSection(section);
  return section;
}

void EnterCritical(void* section) { ::EnterCriticalSection(static_cast<CRITICAL_SECTION*>(section)); }
void LeaveCritical(void* section) { ::LeaveCriticalSection(static_cast<CRITICAL_SECTION*>(section)); }

void DeleteCritical(void* section) {
  auto* s = static_cast<CRITICAL_SECTION*>(section);
  ::DeleteCriticalSection(s);
  delete s;
}

}  // namespace OSYS::Platform
