#include <ctime>

#include "osys/filetime.h"

namespace OSYS {

bool SecondsToLocalTime(std::int64_t seconds, LOCALTIME* time) {
  time_t t = static_cast<time_t>(seconds);
  struct tm local;
  if (localtime_r(&t, &local) == nullptr) return false;
  *time = LOCALTIME{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday,
                    local.tm_hour, local.tm_min, local.tm_sec, 0};
  return true;
}

bool IsFatVolume(const char*) { return false; }

}  // namespace OSYS
