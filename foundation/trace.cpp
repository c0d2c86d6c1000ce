// Writing trace lines: prefix, formatting within the 8192-byte line buffer,
// CR LF line ends, the log file and the debugger.
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "foundation/tracestate.h"
#include "osys/platform.h"

std::uint32_t LogLevelMask = 0;

namespace Trace {

OSYS::File::Handle LogFile = nullptr;
std::atomic<bool> LoggingOn{false};
std::atomic<bool> DebuggerOutput{false};
bool SilentAssertions = false;

namespace {

void* TraceMutex = nullptr;
std::once_flag TraceMutexMade;

bool ClockBaseSet = false;
std::int64_t ClockBase = 0;

std::int64_t MillisecondsOfDay() {
  OSYS::LOCALTIME t = OSYS::Platform::LocalNow();
  return ((static_cast<std::int64_t>(t.Hour) * 60 + t.Minute) * 60 + t.Second) * 1000 + t.Milliseconds;
}

// Milliseconds since the first line written (across midnight too).
std::int64_t Elapsed() {
  std::int64_t now = MillisecondsOfDay();
  if (!ClockBaseSet) {
    ClockBase = now;
    ClockBaseSet = true;
  }
  std::int64_t elapsed = now - ClockBase;
  return elapsed < 0 ? elapsed + 86400000 : elapsed;
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsRelative(const char* name) {
  if (IsSeparator(name[0])) return false;
  return !(name[0] != 0 && name[1] == ':');
}

}  // namespace

void LockTrace() {
  std::call_once(TraceMutexMade, [] { TraceMutex = OSYS::Platform::NewMutex(false, nullptr); });
  OSYS::Platform::WaitHandle(TraceMutex, OSYS::Platform::WaitForever);
}

void UnlockTrace() {
  bool ok = OSYS::Platform::ReleaseMutexObject(TraceMutex);
  ASSERTION(ok, nullptr);
}

STRING InHomeDirectory(const char* name) {
  if (HomeDirectory.StrLen == 0 || !IsRelative(name)) return STRING(name);
  STRING path(HomeDirectory);
  if (!IsSeparator(path.Buffer[path.StrLen - 1])) {
    char separator[2] = {OSYS::Platform::PathSeparator(), 0};
    path.Append(separator);
  }
  path.Append(name);
  return path;
}

}  // namespace Trace

namespace {

// Formats and writes one line; the caller has checked that output is on.
void WriteLine(const char* format, va_list arguments) {
  char buf[8192];
  std::int64_t elapsed = Trace::Elapsed();
  Trace::LockTrace();
  int prefix = std::snprintf(buf, sizeof buf, "[%04d.%02d:%03x] ", static_cast<int>(elapsed / 1000),
                             static_cast<int>(elapsed % 1000 / 10), OSYS::Platform::CurrentThreadId() & 0xFFF);
  std::size_t room = sizeof buf - static_cast<std::size_t>(prefix);
  std::int64_t body;
  if (std::strchr(format, '%') != nullptr) {
    body = FormatText(buf + prefix, room, format, arguments);
    if (body < 0) body = 0;
  } else {
    body = static_cast<std::int64_t>(std::strlen(format));
    std::size_t copied = body < static_cast<std::int64_t>(room) ? static_cast<std::size_t>(body) : room - 1;
    std::memcpy(buf + prefix, format, copied);
    buf[prefix + copied] = 0;
  }
  std::int64_t howmany = prefix + body;
  std::size_t length = howmany < static_cast<std::int64_t>(sizeof buf) ? static_cast<std::size_t>(howmany)
                                                                        : sizeof buf - 1;
  if (length > 0 && buf[length - 1] == '\n') {
    ++howmany;  // the LF becomes CR LF
    if (length + 1 < sizeof buf) {
      buf[length - 1] = '\r';
      buf[length++] = '\n';
      buf[length] = 0;
    }
  }
  ReportAssertion(howmany < static_cast<std::int64_t>(sizeof(buf)), "howmany < sizeof(buf)", __FILE__, __LINE__,
                  nullptr, 0);
  if (Trace::LogFile != nullptr) OSYS::File::Write(Trace::LogFile, buf, static_cast<int>(length));
  if (Trace::DebuggerOutput) OSYS::Platform::DebuggerOutput(buf);
  Trace::UnlockTrace();
}

bool OutputOn() { return Trace::LoggingOn || Trace::DebuggerOutput; }

bool LevelEnabled(unsigned level) {
  if ((LogLevelMask & 15) < (level & 15)) return false;
  return level < 16 || (LogLevelMask & level & ~15u) != 0;
}

}  // namespace

int LogPrintf(const char* format, ...) {
  if (!OutputOn() || format == nullptr) return 0;
  va_list arguments;
  va_start(arguments, format);
  WriteLine(format, arguments);
  va_end(arguments);
  return 1;
}

int LogPrintfLevel(unsigned level, const char* format, ...) {
  if (!OutputOn() || format == nullptr || !LevelEnabled(level)) return 0;
  va_list arguments;
  va_start(arguments, format);
  WriteLine(format, arguments);
  va_end(arguments);
  return 1;
}
