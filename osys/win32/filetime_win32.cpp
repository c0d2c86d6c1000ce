#include <windows.h>

#include <cstring>

#include "osys/filetime.h"

namespace OSYS {

bool LocalTimeToSeconds(const LOCALTIME& time, std::int64_t* seconds) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(time.Year);
  st.wMonth = static_cast<WORD>(time.Month);
  st.wDay = static_cast<WORD>(time.Day);
  st.wHour = static_cast<WORD>(time.Hour);
  st.wMinute = static_cast<WORD>(time.Minute);
  st.wSecond = static_cast<WORD>(time.Second);
  FILETIME local, utc;
  if (!::SystemTimeToFileTime(&st, &local) || !::LocalFileTimeToFileTime(&local, &utc)) return false;
  ULARGE_INTEGER ticks{{utc.dwLowDateTime, utc.dwHighDateTime}};
  *seconds = static_cast<std::int64_t>(ticks.QuadPart / 10000000ULL) - 11644473600LL;
  return true;
}

bool IsFatVolume(const char* path) {
  // The root of the path's drive: "C:\" or "\\server\share\".
  char full[MAX_PATH];
  char* file_part = nullptr;
  DWORD n = ::GetFullPathNameA(path, sizeof full, full, &file_part);
  if (n == 0 || n >= sizeof full) return false;
  char root[MAX_PATH];
  if (!::GetVolumePathNameA(full, root, sizeof root)) return false;
  char system[32];
  if (!::GetVolumeInformationA(root, nullptr, 0, nullptr, nullptr, nullptr, system, sizeof system)) return false;
  return std::strncmp(system, "FAT", 3) == 0;
}

}  // namespace OSYS
