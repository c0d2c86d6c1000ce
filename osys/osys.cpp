// The OSYS services shared by both builds, over the platform primitives.
#include "osys/osys.h"

#include <cstdint>
#include <cstdio>

#include "foundation/log.h"
#include "osys/platform.h"

namespace OSYS {

namespace {

// The base of the millisecond clock; set by the first call.
bool ClockBaseSet = false;
std::uint32_t ClockBase = 0;

// Milliseconds since the start of the current month, from the local time.
std::uint32_t MonthMilliseconds() {
  LOCALTIME t = Platform::LocalNow();
  return ((((static_cast<std::uint32_t>(t.Day) * 24 + t.Hour) * 60 + t.Minute) * 60 + t.Second) * 1000) +
         static_cast<std::uint32_t>(t.Milliseconds);
}

unsigned HandleText(void* handle) { return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(handle)); }

}  // namespace

int GetVersion() { return Platform::VersionFamily(); }

std::uint32_t Milliseconds(int reset) {
  std::uint32_t now = MonthMilliseconds();
  if (!ClockBaseSet || reset != 0) {
    ClockBase = now;
    ClockBaseSet = true;
    return 0;
  }
  return now - ClockBase;
}

int Seconds() { return static_cast<int>(Platform::SecondsSince1970()); }

THREADHANDLE CreateThread(ThreadFunction function, void* parameter) {
  THREADHANDLE thread = Platform::StartThread(function, parameter, 32768);
  LogPrintf("OSYS::CreateThread returned %08x\n", HandleText(thread));
  return thread;
}

bool WaitThread(THREADHANDLE thread, std::uint32_t milliseconds) {
  if (milliseconds != 0) LogPrintf("OSYS::WaitThread hThread=%08x, timeout= %d\n", HandleText(thread), static_cast<int>(milliseconds));
  ReportAssertion(thread != nullptr, "hThread!=NULL", __FILE__, __LINE__, nullptr, 0);
  if (Platform::WaitHandle(thread, milliseconds) == Platform::WaitSignalled) {
    Platform::CloseObject(thread);
    return true;
  }
  if (milliseconds != 0) LogPrintf("OSYS::WaitThread hThread=%08x timeout= %d failed\n", HandleText(thread), static_cast<int>(milliseconds));
  return false;
}

void Sleep(std::uint32_t milliseconds) { Platform::SleepFor(milliseconds); }

STRING ErrorText(int code) {
  unsigned number = code == ERRORTEXT_LAST ? Platform::LastError() : static_cast<unsigned>(code);
  char buffer[256] = "<no error>";
  if (!Platform::ErrorMessage(number, buffer, sizeof buffer)) std::snprintf(buffer, sizeof buffer, "<no error>");
  buffer[sizeof buffer - 1] = 0;
  STRING text(buffer);
  text.Strip('R', "\r\n");
  return text;
}

unsigned GetLastError() { return Platform::LastError(); }
void SetLastError(unsigned code) { Platform::SetLastErrorCode(code); }

STRING DateISO() {
  LOCALTIME t = Platform::LocalNow();
  STRING text;
  text.Format("%04d-%02d-%02d", t.Year, t.Month, t.Day);
  return text;
}

STRING Date() {
  char buffer[64];
  Platform::ShortDate(buffer, sizeof buffer);
  return STRING(buffer);
}

STRING Time() {
  char buffer[64];
  Platform::TimeOfDay(buffer, sizeof buffer);
  return STRING(buffer);
}

LOCALTIME LocalTime() { return Platform::LocalNow(); }

STRING GetEnvironment(const char* name) {
  char buffer[4096];
  if (name == nullptr || !Platform::EnvironmentValue(name, buffer, sizeof buffer)) return STRING();
  return STRING(buffer);
}

}  // namespace OSYS
