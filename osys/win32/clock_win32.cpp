// Local time, date and time texts and the platform version over the Win32 API.
#include <windows.h>

#include <ctime>

#include "osys/platform.h"

namespace OSYS::Platform {

namespace {

LOCALTIME FromSystemTime(const SYSTEMTIME& st) {
  return LOCALTIME{st.wYear, st.wMonth, st.wDay, st.wDayOfWeek,
                   st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

// 100-ns intervals between 1601 and 1970.
constexpr std::int64_t EpochDifference = 116444736000000000LL;

}  // namespace

LOCALTIME LocalNow() {
  SYSTEMTIME st;
  ::GetLocalTime(&st);
  return FromSystemTime(st);
}

LOCALTIME ToLocalTime(std::int64_t secondsSince1970) {
  ULARGE_INTEGER ticks;
  ticks.QuadPart = static_cast<ULONGLONG>(secondsSince1970 * 10000000LL + EpochDifference);
  FILETIME utc{ticks.LowPart, ticks.HighPart};
  FILETIME local;
  SYSTEMTIME st{};
  ::FileTimeToLocalFileTime(&utc, &local);
  ::FileTimeToSystemTime(&local, &st);
  return FromSystemTime(st);
}

std::int64_t SecondsSince1970() { return static_cast<std::int64_t>(std::time(nullptr)); }

void ShortDate(char* buffer, int size) {
  if (::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, size) == 0)
    buffer[0] = 0;
}

void TimeOfDay(char* buffer, int size) {
  if (::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "HH:mm:ss", buffer, size) == 0)
    buffer[0] = 0;
}

int VersionFamily() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!::GetVersionExA(&info)) return 1;
  if (info.dwPlatformId != VER_PLATFORM_WIN32_NT) return 0;
  return info.dwMajorVersion == 5 ? 2 : 1;
}

}  // namespace OSYS::Platform
