// The file-system calls of the path and tree functions over the Win32 API.
#include <windows.h>

#include <memory>
#include <new>

#include "osys/filesystem_native.h"

namespace OSYS::FileSystemNative {

bool RemoveEmptyDirectory(const char* name) { return ::RemoveDirectoryA(name) != 0; }

bool CopyFileTo(const char* from, const char* to, bool failIfExists) {
  return ::CopyFileA(from, to, failIfExists ? TRUE : FALSE) != 0;
}

STRING CurrentDirectory() {
  char buffer[256];
  DWORD n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
  if (n == 0) return STRING();
  if (n < sizeof buffer) return STRING(buffer);
  // A longer directory than the usual buffer holds: ask again with room
  // for it rather than give a cut path.
  std::unique_ptr<char[]> longer(new (std::nothrow) char[n]);
  if (longer == nullptr) return STRING();
  DWORD m = ::GetCurrentDirectoryA(n, longer.get());
  return m > 0 && m < n ? STRING(longer.get()) : STRING();
}

}  // namespace OSYS::FileSystemNative
