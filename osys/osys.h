// OSYS: the small operating-system services of the system - clocks, threads,
// sleeping, error texts, date and time texts, the platform family and the
// special folders. Further OSYS services live in headers of their own
// (registry, paths, message boxes), all in this namespace.
#pragma once

#include <cstdint>

#include "foundation/str.h"

namespace OSYS {

// Local date and time, broken down.
struct LOCALTIME {
  int Year;
  int Month;      // 1-12
  int Day;        // 1-31
  int DayOfWeek;  // 0 = Sunday
  int Hour;
  int Minute;
  int Second;
  int Milliseconds;
};

// Error numbers of the system, the same in both builds (the Win32 numbers).
constexpr unsigned ErrorNone = 0;
constexpr unsigned ErrorFileNotFound = 2;
constexpr unsigned ErrorPathNotFound = 3;
constexpr unsigned ErrorTooManyOpenFiles = 4;
constexpr unsigned ErrorAccessDenied = 5;
constexpr unsigned ErrorInvalidHandle = 6;
constexpr unsigned ErrorNotEnoughMemory = 8;
constexpr unsigned ErrorWriteFault = 29;
constexpr unsigned ErrorReadFault = 30;
constexpr unsigned ErrorSharingViolation = 32;
constexpr unsigned ErrorFileExists = 80;
constexpr unsigned ErrorInvalidParameter = 87;
constexpr unsigned ErrorDiskFull = 112;
constexpr unsigned ErrorInvalidName = 123;
constexpr unsigned ErrorDirNotEmpty = 145;
constexpr unsigned ErrorAlreadyExists = 183;
constexpr unsigned ErrorFilenameTooLong = 206;

// ErrorText of this code is the text of the calling thread's last error.
constexpr int ERRORTEXT_LAST = -4711;

// A thread's start function; its result becomes the thread's exit code.
using ThreadFunction = unsigned (*)(void* parameter);
using THREADHANDLE = void*;

// Special folder path with a trailing "\\", or a null string (product build).
STRING GetWin32SystemPath(int number);

// 0: not of the NT family, 2: NT 5.x, 1: any other NT version.
int GetVersion();

// Milliseconds since the base; the first call and every call with a nonzero
// reset set the base and return 0.
std::uint32_t Milliseconds(int reset);

// Seconds since 1 January 1970.
int Seconds();

// A new thread with a 32768-byte stack running function (parameter).
THREADHANDLE CreateThread(ThreadFunction function, void* parameter);

// Waits for the thread; true (and the handle closed) when it has ended.
bool WaitThread(THREADHANDLE thread, std::uint32_t milliseconds);

void Sleep(std::uint32_t milliseconds);

// The system's message for an error number without trailing CR LF;
// "<no error>" when there is none. ERRORTEXT_LAST: the last error.
STRING ErrorText(int code);

// The calling thread's last error number, and setting it.
unsigned GetLastError();
void SetLastError(unsigned code);

STRING DateISO();  // "2026-12-11"
STRING Date();     // the user's short date format
STRING Time();     // "HH:mm:ss"

LOCALTIME LocalTime();

// The value of an environment variable, or a null string when it is not set.
STRING GetEnvironment(const char* name);

}  // namespace OSYS
