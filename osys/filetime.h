// File times as local time, and the kind of volume a path is on: what the ZIP
// engine needs beyond the file layer to compare an existing file's
// modification time with a member's MS-DOS date and time (local time), and
// to know when blanks in names must go (FAT volumes).
#pragma once

#include <cstdint>

#include "osys/osys.h"

namespace OSYS {

// The local date and time of `seconds` since 1970 (UTC), as a file status
// gives them; false when the time cannot be converted.
bool SecondsToLocalTime(std::int64_t seconds, LOCALTIME* time);

// True when the volume that holds `path` has a FAT file system ("FAT",
// "FAT32"); false when it has another or cannot be asked (always on the host).
bool IsFatVolume(const char* path);

}  // namespace OSYS
