// Local date and time against file times, and the kind of volume a path is
// on: what the ZIP engine needs beyond the file layer to compare a member's
// MS-DOS date and time (local time) with an existing file's modification
// time, and to know when blanks in names must go (FAT volumes).
#pragma once

#include <cstdint>

#include "osys/osys.h"

namespace OSYS {

// Seconds since 1970 (UTC) of a local date and time; false when it is no
// valid time.
bool LocalTimeToSeconds(const LOCALTIME& time, std::int64_t* seconds);

// True when the volume that holds `path` has a FAT file system ("FAT",
// "FAT32"); false when it has another or cannot be asked (always on the host).
bool IsFatVolume(const char* path);

}  // namespace OSYS
