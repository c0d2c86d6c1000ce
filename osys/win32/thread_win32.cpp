// Threads and sleeping over the Win32 API.
#include <windows.h>

#include <new>

#include "osys/platform.h"

namespace OSYS::Platform {

namespace {

struct THREADSTART {
  ThreadFunction Function;
  void* Parameter;
};

DWORD WINAPI RunThread(LPVOID start) {
  THREADSTART s = *static_cast<THREADSTART*>(start);
  delete static_cast<THREADSTART*>(start);
  return s.Function(s.Parameter);
}

}  // namespace

void* StartThread(ThreadFunction function, void* parameter, unsigned stackSize) {
  auto* start = new (std::nothrow) THREADSTART{function, parameter};
  if (start == nullptr) return nullptr;
  DWORD id = 0;
  HANDLE thread = ::CreateThread(nullptr, stackSize, RunThread, start, 0, &id);
  if (thread == nullptr) delete start;
  return thread;
}

unsigned CurrentThreadId() { return ::GetCurrentThreadId(); }

void SleepFor(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace OSYS::Platform
