// The file-system calls of the path and tree functions (osys/paths.h,
// osys/tree.h), behind a test seam. Each returns false on failure and leaves
// the Win32 error number in the calling thread's last error
// (OSYS::GetLastError), in both builds.
#pragma once

#include <cstdint>

namespace OSYS::FileSystem {

// The names keep clear of the Win32 macros of the same calls.
bool MakeDirectory(const char* name);         // CreateDirectoryA; the parent must exist
bool RemoveEmptyDirectory(const char* name);  // RemoveDirectoryA
bool RemoveFile(const char* name);            // DeleteFileA
bool SetAttributes(const char* name, std::uint32_t attributes);  // SetFileAttributesA
// CopyFileA: with failIfExists an existing target is an error.
bool CopyFileTo(const char* from, const char* to, bool failIfExists);

// Test seam: the nth call from now (1 = the next) of the calls above or of
// a directory search (FINDFILE) fails with the error number code; n = 0
// switches the seam off.
void FailNthCall(int n, unsigned code);

// Test seam: every call above and every directory search is reported to the
// watcher before it is made, with the name of the Win32 call ("CopyFileA",
// "FindFirstFileA" ...) and the path it is made on (for CopyFileA the
// source). Null switches it off; the previous watcher is returned.
using WATCHER = void (*)(const char* call, const char* path);
WATCHER WatchCalls(WATCHER watcher);

// For the platform halves: counts a call for the seam and the watcher; true
// when it is to fail (the last error is set then).
bool CallFails(const char* call, const char* path);

}  // namespace OSYS::FileSystem
