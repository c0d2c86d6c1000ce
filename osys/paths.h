// Paths: joining and splitting them, the current directory, tests for files
// and directories, and making a directory path. Paths are Windows paths in
// both builds: "/", ":" and "\\" separate the parts when a path is split;
// the separator these functions add is the platform's ("\\" in the product,
// "/" in the host build). A null text reads as the empty path.
#pragma once

#include "foundation/str.h"

namespace OSYS {

// directory + "\\" + name, the "\\" left out when directory already ends in
// one; a null or empty directory stands for the current directory.
// JoinPath("C:\\x\\", "a.txt") is "C:\\x\\a.txt".
STRING JoinPath(const char* directory, const char* name);

// The text before the last "/", ":" or "\\"; "." when there is none.
// DirPart("C:\\setup.exe") is "C:", DirPart("setup.exe") is ".".
STRING DirPart(const char* path);

// The text after the last "/", ":" or "\\"; the whole path when there is
// none. NamePart("a/b\\c.txt") is "c.txt".
STRING NamePart(const char* path);

// Drive and directory of the path, as _splitpath divides it: a path without
// a drive takes the drive (first two characters) of the current directory,
// a path without drive and directory gives the current directory, and a
// trailing "\\" goes unless the result is three characters long.
// DirectoryOf("C:\\setup.exe") is "C:\\"; DirectoryOf("\\x\\y.exe") is the
// current drive followed by "\\x".
STRING DirectoryOf(const char* path);

// The current directory.
STRING CurrentDirectory();

// The file or directory exists.
bool FileExists(const char* path);

// The path names an existing directory.
bool IsDirectory(const char* path);

// Creates every missing directory of the path, from the first part on
// ("C:", "C:\\a", "C:\\a\\b" for "C:\\a\\b"); true when the path is a
// directory afterwards.
bool MakePath(const char* path);

}  // namespace OSYS
