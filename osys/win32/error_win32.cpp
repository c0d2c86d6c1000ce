// Last error and system messages over the Win32 API.
#include <windows.h>

#include "osys/platform.h"

namespace OSYS::Platform {

unsigned LastError() { return ::GetLastError(); }
void SetLastErrorCode(unsigned code) { ::SetLastError(code); }

bool ErrorMessage(unsigned code, char* buffer, int size) {
  return ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                          MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                          static_cast<DWORD>(size), nullptr) != 0;
}

}  // namespace OSYS::Platform
