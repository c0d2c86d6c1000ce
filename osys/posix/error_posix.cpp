// Last error and system messages of the host build. The host's errno values
// are kept as the Win32 error numbers, so that both builds report the same
// numbers; their texts are the host's own.
#include "osys/posix/error_posix.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "osys/platform.h"

namespace OSYS::Platform {

namespace {

thread_local unsigned LastErrorCode = 0;

struct ERRNOPAIR {
  int Errno;
  unsigned Code;
};

constexpr ERRNOPAIR ErrnoTable[] = {
    {ENOENT, ErrorFileNotFound},   {ENOTDIR, ErrorPathNotFound},  {EMFILE, ErrorTooManyOpenFiles},
    {EACCES, ErrorAccessDenied},   {EPERM, ErrorAccessDenied},    {EROFS, ErrorAccessDenied},
    {EISDIR, ErrorAccessDenied},   {EBADF, ErrorInvalidHandle},   {ENOMEM, ErrorNotEnoughMemory},
    {EIO, ErrorWriteFault},        {EBUSY, ErrorSharingViolation}, {EEXIST, ErrorAlreadyExists},
    {EINVAL, ErrorInvalidParameter}, {ENOSPC, ErrorDiskFull},     {ENOTEMPTY, ErrorDirNotEmpty},
    {ENAMETOOLONG, ErrorFilenameTooLong},
};

}  // namespace

unsigned ErrorFromErrno(int error) {
  for (const ERRNOPAIR& p : ErrnoTable)
    if (p.Errno == error) return p.Code;
  return 0x20000000u | static_cast<unsigned>(error);  // a host error with no Win32 number
}

int ErrnoFromError(unsigned code) {
  if (code & 0x20000000u) return static_cast<int>(code & 0xFFFF);
  for (const ERRNOPAIR& p : ErrnoTable)
    if (p.Code == code) return p.Errno;
  return 0;
}

void SetLastErrorFromErrno() { LastErrorCode = ErrorFromErrno(errno); }

unsigned LastError() { return LastErrorCode; }
void SetLastErrorCode(unsigned code) { LastErrorCode = code; }

bool ErrorMessage(unsigned code, char* buffer, int size) {
  int error = ErrnoFromError(code);
  if (error == 0 || size <= 0) return false;
  std::snprintf(buffer, static_cast<size_t>(size), "%s", std::strerror(error));
  return true;
}

}  // namespace OSYS::Platform
