#include <windows.h>

#include <cstring>

#include "osys/filetime.h"

namespace OSYS {

bool SecondsToLocalTime(std::int64_t seconds, LOCALTIME* time) {
  ULARGE_INTEGER ticks;
  ticks.QuadPart = static_cast<ULONGLONG>(seconds + 11644473600LL) * 10000000ULL;
  FILETIME utc{ticks.LowPart, ticks.HighPart}, local;
  SYSTEMTIME st;
  if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &st)) return false;
  *time = LOCALTIME{st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
  return true;
}

bool IsFatVolume(const char* path) {
  // The root of the path's volume: "C:\" or "\\server\share\".
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
