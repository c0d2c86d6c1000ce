// The file-system calls of the path and tree functions: the test seam and
// watcher in front of the file layer and the platform halves.
#include "osys/filesystem.h"

#include <atomic>

#include "osys/faultseam.h"
#include "osys/file.h"
#include "osys/filesystem_native.h"
#include "osys/platform.h"

namespace OSYS::FileSystem {

namespace {

FAULTSEAM Seam;
std::atomic<WATCHER> Watcher{nullptr};

}  // namespace

void FailNthCall(int n, unsigned code) { Seam.FailNthCall(n, code); }

WATCHER WatchCalls(WATCHER watcher) { return Watcher.exchange(watcher); }

bool CallFails(const char* call, const char* path) {
  if (WATCHER watcher = Watcher.load()) watcher(call, path != nullptr ? path : "");
  unsigned code = 0;
  if (!Seam.Fails(&code)) return false;
  Platform::SetLastErrorCode(code);
  return true;
}

bool MakeDirectory(const char* name) {
  return !CallFails("CreateDirectoryA", name) && File::MakeDirectory(name);
}

bool RemoveEmptyDirectory(const char* name) {
  return name != nullptr && !CallFails("RemoveDirectoryA", name) && FileSystemNative::RemoveEmptyDirectory(name);
}

bool RemoveFile(const char* name) { return !CallFails("DeleteFileA", name) && File::Remove(name); }

bool SetAttributes(const char* name, std::uint32_t attributes) {
  return !CallFails("SetFileAttributesA", name) && File::SetAttributes(name, attributes);
}

bool CopyFileTo(const char* from, const char* to, bool failIfExists) {
  return from != nullptr && to != nullptr && !CallFails("CopyFileA", from) &&
         FileSystemNative::CopyFileTo(from, to, failIfExists);
}

}  // namespace OSYS::FileSystem
