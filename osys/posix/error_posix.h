// errno values of the host as the system's (Win32) error numbers.
#pragma once

namespace OSYS::Platform {

// The error number of an errno value, and the errno value of an error
// number (0 when the host has none).
unsigned ErrorFromErrno(int error);
int ErrnoFromError(unsigned code);

// Sets the last error from errno.
void SetLastErrorFromErrno();

}  // namespace OSYS::Platform
