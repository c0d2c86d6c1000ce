// OSYS::SetAutostart: the per-user Run value of a program.
#include <windows.h>

#include <memory>
#include <new>

#include "foundation/globals.h"
#include "foundation/str.h"
#include "osys/registry.h"
#include "osys/win32/registry_calls.h"

namespace OSYS {

namespace {

constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool StandsForSelf(const char* command) {
  return command == reinterpret_cast<const char*>(1) || StrICmp(command, "<self>") == 0;
}

// The full path of the program (its instance as start-up recorded it).
STRING ProgramPath() {
  for (DWORD size = MAX_PATH;; size *= 2) {
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[size]);
    if (buffer == nullptr) return STRING();
    DWORD n = ::GetModuleFileNameA(static_cast<HMODULE>(ProgramInstance), buffer.get(), size);
    if (n == 0) return STRING();
    if (n < size) return STRING(buffer.get());
    if (size >= 32768) return STRING();
  }
}

}  // namespace

bool SetAutostart(const char* valueName, const char* command) {
  // Without a name the call would touch the key's unnamed value.
  if (valueName == nullptr || *valueName == 0) return false;
  HKEY key = nullptr;
  if (RegistryCalls::OpenKey(HKEY_CURRENT_USER, RunKey, KEY_SET_VALUE | KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  LONG rc;
  if (command == nullptr) {
    rc = RegistryCalls::DeleteValue(key, valueName);
  } else {
    STRING text = StandsForSelf(command) ? ProgramPath() : STRING(command);
    rc = text.Buffer == nullptr
             ? ERROR_INVALID_DATA
             : RegistryCalls::SetValue(key, valueName, REG_SZ, reinterpret_cast<const BYTE*>(text.Buffer),
                                       static_cast<DWORD>(text.StrLen + 1));
  }
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

}  // namespace OSYS
