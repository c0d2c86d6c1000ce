// The primitives each platform half supplies (osys/win32/ over the Win32 API,
// osys/posix/ for the host build). Only the OSYS services and the foundation
// call these; the rest of the system uses osys/osys.h, osys/sync.h and
// osys/file.h. Nothing here traces or raises assertion reports, so the trace
// and the report can use them without recursion.
#pragma once

#include <cstdint>

#include "osys/osys.h"

namespace OSYS::Platform {

// Results of WaitHandle, with the values of the Win32 wait functions.
constexpr int WaitSignalled = 0;
constexpr int WaitAbandoned = 0x80;
constexpr int WaitTimedOut = 0x102;
constexpr int WaitFailed = -1;
constexpr std::uint32_t WaitForever = 0xFFFFFFFFu;

// Events, mutexes and threads are handles; null means none. WaitHandle works
// on all three; CloseObject releases any of them.
void* NewEvent(bool manualReset, bool initiallySet);
bool SignalEvent(void* event);
bool ClearEvent(void* event);
void* NewMutex(bool initiallyOwned, const char* name);
bool ReleaseMutexObject(void* mutex);
int WaitHandle(void* handle, std::uint32_t milliseconds);
bool CloseObject(void* handle);

// A re-entrant critical section.
void* NewCriticalSection();
void EnterCritical(void* section);
void LeaveCritical(void* section);
void DeleteCritical(void* section);

void* StartThread(ThreadFunction function, void* parameter, unsigned stackSize);
unsigned CurrentThreadId();
void SleepFor(std::uint32_t milliseconds);

LOCALTIME LocalNow();
LOCALTIME ToLocalTime(std::int64_t secondsSince1970);
std::int64_t SecondsSince1970();

// The calling thread's last error, as a Win32 error number in both builds.
unsigned LastError();
void SetLastErrorCode(unsigned code);
// The system's message for code into buffer; false when there is none.
bool ErrorMessage(unsigned code, char* buffer, int size);

// Date in the user's short date format and the time as "HH:mm:ss".
void ShortDate(char* buffer, int size);
void TimeOfDay(char* buffer, int size);
int VersionFamily();

// Value of an environment variable into buffer; false when it is not set.
bool EnvironmentValue(const char* name, char* buffer, int size);
// Full path of the running program.
void ModulePath(char* buffer, int size);
// Path separator of the platform ('\\' on Windows, '/' on the host).
char PathSeparator();

void DebuggerOutput(const char* text);
// The Yes/No error box of the assertion report: true for Yes.
bool AssertionBox(const char* text, const char* caption);
void BreakIntoDebugger();

// Keys of the trace hot keys: 0 for none, else 5, 6 or 8 (F5, F6, F8) when
// the message is a list-view key-down with Ctrl and Shift held.
int TraceHotKey(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
void BeepTone(unsigned frequency, unsigned milliseconds);

}  // namespace OSYS::Platform
