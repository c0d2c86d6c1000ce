// From a member's name to the path it is extracted to, under the extraction
// directory (-d, or the current directory). Directory levels are created on
// the way. A name that would leave the extraction directory - a ".." level,
// a leading "/" or "\", a drive letter - is refused before anything is made.
#pragma once

#include "unzip/run.h"

namespace UNZIP {

constexpr int kMaxPath = 260;

enum MapResult {
  kMapFile,       // `path` is the file to write
  kMapDirectory,  // the member is a directory; it now exists
  kMapFailed,     // the member is skipped; the status is raised
};

MapResult MapName(RUN& run, const char* member_name, char* path);

// Makes the extraction directory of -d (one level) when it is missing.
bool PrepareExtractionDirectory(const char* directory);

}  // namespace UNZIP
