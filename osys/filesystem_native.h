// The platform halves of the file-system calls (osys/filesystem.h) that the
// file layer does not already offer, and of the directory search (FINDFILE).
// osys/filesystem.cpp puts the test seam in front of them.
#pragma once

#include <cstdint>

#include "foundation/str.h"

namespace OSYS::FileSystemNative {

bool RemoveEmptyDirectory(const char* name);
bool CopyFileTo(const char* from, const char* to, bool failIfExists);
// The current directory; a null string when it cannot be had.
STRING CurrentDirectory();

}  // namespace OSYS::FileSystemNative
