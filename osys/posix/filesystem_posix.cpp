// The file-system calls of the path and tree functions in the host build.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "osys/filesystem_native.h"
#include "osys/platform.h"
#include "osys/posix/error_posix.h"

namespace OSYS::FileSystemNative {

namespace {

bool Failed() {
  Platform::SetLastErrorFromErrno();
  return false;
}

bool CopyBytes(int in, int out) {
  char buffer[16384];
  for (;;) {
    ssize_t n = read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t done = 0; done < n;) {
      ssize_t w = write(out, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
  }
}

}  // namespace

bool RemoveEmptyDirectory(const char* name) { return rmdir(name) == 0 || Failed(); }

bool CopyFileTo(const char* from, const char* to, bool failIfExists) {
  int in = open(from, O_RDONLY | O_CLOEXEC);
  if (in < 0) return Failed();
  struct stat st;
  bool readable = fstat(in, &st) == 0;
  if (!readable || S_ISDIR(st.st_mode)) {
    if (readable) errno = EACCES;  // a directory is not a file to copy
    Failed();
    close(in);
    return false;
  }
  int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (failIfExists ? O_EXCL : 0);
  int out = open(to, flags, st.st_mode & 0777);
  if (out < 0) {
    int error = errno;
    close(in);
    if (error == EEXIST) {
      Platform::SetLastErrorCode(ErrorFileExists);
      return false;
    }
    errno = error;
    return Failed();
  }
  bool ok = CopyBytes(in, out);
  int error = errno;
  close(in);
  if (close(out) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    errno = error;
    Failed();
  }
  return ok;
}

STRING CurrentDirectory() {
  char buffer[4096];
  return getcwd(buffer, sizeof buffer) != nullptr ? STRING(buffer) : STRING();
}

}  // namespace OSYS::FileSystemNative
