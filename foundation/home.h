// The program's home directory: the directory of the executable, except in a
// developer's build tree, where the executable sits in Debug, Debug2, Release
// or Release2 below the sources (which hold main.cpp) and the home is the
// source directory above it.
#pragma once

#include "foundation/str.h"

// The text before the last "/", ":" or "\\" of path; "." when there is none.
STRING DirectoryPart(const STRING& path);

// The home directory of a program at modulePath.
STRING HomeDirectoryOf(const STRING& modulePath);
