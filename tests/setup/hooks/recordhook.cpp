// A product hook library for tests: it writes every call it receives, with
// its arguments, as one line to a record file, so that tests can check each
// call point of the hooks. Built three times from this source: exporting both
// "SetupHook" and "NewSetupHook", only "SetupHook" (RECORD_WITHOUT_NEWSETUPHOOK)
// or only "NewSetupHook" (RECORD_WITHOUT_SETUPHOOK). Tests install a copy
// under the name SETUPHOOK.dll.
//
// The record file is named by the environment variable HALVIX_HOOK_RECORD,
// else "hookcalls.txt" in the current directory. Its lines:
//
//   attach <library path>                          the library was loaded
//   SetupHook code=<d> path=<text or (null)>
//   NewSetupHook code=<d> value=<d> frame=<hex> page=<hex> pagefunc=<hex> data=<hex>
//   detach                                         the library was released
//   exit                                           the process ended with the
//                                                  library still loaded
//
// Hex values are the full pointer-wide numbers, without leading zeros.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

CRITICAL_SECTION RecordLock;

void Record(const char* format, ...) {
  EnterCriticalSection(&RecordLock);
  const char* name = std::getenv("HALVIX_HOOK_RECORD");
  std::FILE* f = std::fopen(name != nullptr && *name != 0 ? name : "hookcalls.txt", "ab");
  if (f != nullptr) {
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(f, format, arguments);
    va_end(arguments);
    std::fputc('\n', f);
    std::fclose(f);
  }
  LeaveCriticalSection(&RecordLock);
}

[[maybe_unused]] unsigned long long Hex(const void* p) { return reinterpret_cast<unsigned long long>(p); }

}  // namespace

extern "C" {

#ifndef RECORD_WITHOUT_SETUPHOOK
__declspec(dllexport) int SetupHook(int code, const char* path) {
  Record("SetupHook code=%d path=%s", code, path != nullptr ? path : "(null)");
  return 1;
}
#endif

#ifndef RECORD_WITHOUT_NEWSETUPHOOK
__declspec(dllexport) int NewSetupHook(int code, int value, HWND frame, HWND page, const void* pageFunction,
                                       INT_PTR data) {
  Record("NewSetupHook code=%d value=%d frame=%llx page=%llx pagefunc=%llx data=%llx", code, value,
         Hex(frame), Hex(page), Hex(pageFunction), static_cast<unsigned long long>(data));
  return 1;
}
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    InitializeCriticalSection(&RecordLock);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(instance, path, sizeof path);
    Record("attach %s", path);
  } else if (reason == DLL_PROCESS_DETACH) {
    Record(reserved == nullptr ? "detach" : "exit");
    DeleteCriticalSection(&RecordLock);
  }
  return TRUE;
}

}  // extern "C"
