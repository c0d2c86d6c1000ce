#include <ctime>

#include "osys/filetime.h"

namespace OSYS {

bool LocalTimeToSeconds(const LOCALTIME& time, std::int64_t* seconds) {
  struct tm t{};
  t.tm_year = time.Year - 1900;
  t.tm_mon = time.Month - 1;
  t.tm_mday = time.Day;
  t.tm_hour = time.Hour;
  t.tm_min = time.Minute;
  t.tm_sec = time.Second;
  t.tm_isdst = -1;
  time_t s = mktime(&t);
  if (s == static_cast<time_t>(-1)) return false;
  *seconds = static_cast<std::int64_t>(s);
  return true;
}

bool IsFatVolume(const char*) { return false; }

}  // namespace OSYS
