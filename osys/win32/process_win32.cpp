// Environment, module path and debugger output over the Win32 API.
#include <windows.h>

#include "osys/platform.h"

namespace OSYS::Platform {

bool EnvironmentValue(const char* name, char* buffer, int size) {
  DWORD n = ::GetEnvironmentVariableA(name, buffer, static_cast<DWORD>(size));
  if (n == 0 && ::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return false;
  if (n >= static_cast<DWORD>(size)) buffer[0] = 0;  // too long: read as empty
  return true;
}

void ModulePath(char* buffer, int size) {
  DWORD n = ::GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
  if (n == 0 || n >= static_cast<DWORD>(size)) buffer[n == 0 ? 0 : size - 1] = 0;
}

char PathSeparator() { return '\\'; }

void DebuggerOutput(const char* text) { ::OutputDebugStringA(text); }

}  // namespace OSYS::Platform
