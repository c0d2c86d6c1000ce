// The file layer of the host build over POSIX file descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <string>

#include "osys/file_native.h"
#include "osys/platform.h"
#include "osys/posix/error_posix.h"

namespace OSYS::File {
struct OBJECT {
  int Descriptor;
};
}  // namespace OSYS::File

namespace OSYS::FileNative {

namespace {

bool Failed() {
  Platform::SetLastErrorFromErrno();
  return false;
}

// As Failed, but a name whose directory is missing gives "path not found",
// as on Windows, rather than "file not found".
bool FailedOn(const char* name) {
  int error = errno;
  Failed();
  if (error != ENOENT) return false;
  std::string directory(name);
  size_t slash = directory.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return false;
  struct stat st;
  if (stat(directory.substr(0, slash).c_str(), &st) != 0) Platform::SetLastErrorCode(ErrorPathNotFound);
  return false;
}

}  // namespace

File::Handle Open(const char* name, File::Access access, File::Share, unsigned flags) {
  int mode = access == File::Access::Read    ? O_RDONLY
             : access == File::Access::Write ? O_WRONLY | O_CREAT | O_TRUNC
                                             : O_WRONLY | O_CREAT;
  if (flags & File::WriteThrough) mode |= O_SYNC;
  int fd = open(name, mode | O_CLOEXEC, 0666);
  if (fd < 0) {
    FailedOn(name);
    return nullptr;
  }
  struct stat st;
  if (access == File::Access::Read && fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    close(fd);
    Platform::SetLastErrorCode(ErrorAccessDenied);
    return nullptr;
  }
  if (access == File::Access::Append) lseek(fd, 0, SEEK_END);
  auto* file = new (std::nothrow) File::OBJECT{fd};
  if (file == nullptr) {
    close(fd);
    Platform::SetLastErrorCode(ErrorNotEnoughMemory);
  }
  return file;
}

int Read(File::Handle file, void* buffer, int count) {
  int done = 0;
  while (done < count) {
    ssize_t n = read(file->Descriptor, static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      Failed();
      return -1;
    }
    if (n == 0) break;
    done += static_cast<int>(n);
  }
  return done;
}

bool Write(File::Handle file, const void* buffer, int count) {
  int done = 0;
  while (done < count) {
    ssize_t n = write(file->Descriptor, static_cast<const char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Failed();
    done += static_cast<int>(n);
  }
  return true;
}

std::int64_t Seek(File::Handle file, std::int64_t offset, File::Origin origin) {
  int whence = origin == File::Origin::Begin ? SEEK_SET : origin == File::Origin::Current ? SEEK_CUR : SEEK_END;
  off_t position = lseek(file->Descriptor, static_cast<off_t>(offset), whence);
  if (position < 0) {
    Failed();
    return -1;
  }
  return static_cast<std::int64_t>(position);
}

std::int64_t Size(File::Handle file) {
  struct stat st;
  if (fstat(file->Descriptor, &st) != 0) {
    Failed();
    return -1;
  }
  return static_cast<std::int64_t>(st.st_size);
}

bool Close(File::Handle file) {
  bool ok = close(file->Descriptor) == 0 || Failed();
  delete file;
  return ok;
}

bool MakeDirectory(const char* name) { return mkdir(name, 0777) == 0 || FailedOn(name); }
bool Remove(const char* name) { return unlink(name) == 0 || Failed(); }

std::uint32_t GetAttributes(const char* name) {
  struct stat st;
  if (stat(name, &st) != 0) {
    Failed();
    return File::AttrInvalid;
  }
  std::uint32_t attributes = 0;
  if (S_ISDIR(st.st_mode)) attributes |= File::AttrDirectory;
  if ((st.st_mode & 0222) == 0) attributes |= File::AttrReadOnly;
  return attributes != 0 ? attributes : File::AttrNormal;
}

bool SetAttributes(const char* name, std::uint32_t attributes) {
  struct stat st;
  if (stat(name, &st) != 0) return Failed();
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & File::AttrReadOnly) ? (mode & ~mode_t{0222}) : (mode | 0200);
  return chmod(name, mode) == 0 || Failed();
}

bool SetModificationTime(const char* name, const LOCALTIME& time) {
  struct tm t{};
  t.tm_year = time.Year - 1900;
  t.tm_mon = time.Month - 1;
  t.tm_mday = time.Day;
  t.tm_hour = time.Hour;
  t.tm_min = time.Minute;
  t.tm_sec = time.Second;
  t.tm_isdst = -1;
  time_t seconds = mktime(&t);
  if (seconds == static_cast<time_t>(-1)) {
    Platform::SetLastErrorCode(ErrorInvalidParameter);
    return false;
  }
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = seconds;
  times[1].tv_nsec = static_cast<long>(time.Milliseconds) * 1000000L;
  return utimensat(AT_FDCWD, name, times, 0) == 0 || Failed();
}

bool Status(const char* name, File::STATUS* status) {
  struct stat st;
  if (stat(name, &st) != 0) return Failed();
  status->Size = static_cast<std::int64_t>(st.st_size);
  status->Modified = static_cast<std::int64_t>(st.st_mtime);
  status->Attributes = GetAttributes(name);
  return true;
}

}  // namespace OSYS::FileNative
