// Local time, date and time texts and the platform family of the host build.
#include <time.h>

#include <cstdio>

#include "osys/platform.h"

namespace OSYS::Platform {

namespace {

LOCALTIME FromTm(const struct tm& t, int milliseconds) {
  return LOCALTIME{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_wday,
                   t.tm_hour, t.tm_min, t.tm_sec, milliseconds};
}

}  // namespace

LOCALTIME LocalNow() {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  struct tm t;
  localtime_r(&now.tv_sec, &t);
  return FromTm(t, static_cast<int>(now.tv_nsec / 1000000));
}

LOCALTIME ToLocalTime(std::int64_t secondsSince1970) {
  time_t seconds = static_cast<time_t>(secondsSince1970);
  struct tm t;
  localtime_r(&seconds, &t);
  return FromTm(t, 0);
}

std::int64_t SecondsSince1970() { return static_cast<std::int64_t>(time(nullptr)); }

// The host's short date is the English default of the product, "12/11/2026".
void ShortDate(char* buffer, int size) {
  LOCALTIME now = LocalNow();
  std::snprintf(buffer, static_cast<size_t>(size), "%d/%d/%04d", now.Month, now.Day, now.Year);
}

void TimeOfDay(char* buffer, int size) {
  LOCALTIME now = LocalNow();
  std::snprintf(buffer, static_cast<size_t>(size), "%02d:%02d:%02d", now.Hour, now.Minute, now.Second);
}

// The host counts as an NT system of a version after 5.
int VersionFamily() { return 1; }

}  // namespace OSYS::Platform
