// The logging switches: opening and closing log files, levels, debugger
// output, silent assertions, and the hot keys that switch logging.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "foundation/tracestate.h"
#include "osys/file.h"
#include "osys/osys.h"
#include "osys/platform.h"

namespace {

// The name of the current log file (at most 255 characters).
char LogFileName[256];
bool LogKeep = false;
bool LogHard = false;

enum class LOGOPEN { New, Keep, Hard };

// The handle changes under the trace mutex, so that a line being written
// on another thread never meets a closed file.
void CloseLog() {
  Trace::LockTrace();
  OSYS::File::Close(Trace::LogFile);
  Trace::LogFile = nullptr;
  Trace::LoggingOn = false;
  Trace::UnlockTrace();
}

// The ctime form of a time: "Thu Mar 13 10:40:00 2003\n".
void CtimeText(std::int64_t seconds, char* buffer, std::size_t size) {
  static const char* const Days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  OSYS::LOCALTIME t = OSYS::Platform::ToLocalTime(seconds);
  std::snprintf(buffer, size, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", Days[t.DayOfWeek % 7],
                Months[(t.Month + 11) % 12], t.Day, t.Hour, t.Minute, t.Second, t.Year);
}

// The file name of a log-opening switch: the text after its first ":".
void LogNameOf(const char* argument, char* name, std::size_t size) {
  const char* colon = std::strchr(argument, ':');
  const char* given = colon != nullptr && colon[1] != 0 ? colon + 1 : "logit.log";
  if (StrICmp(given, "UNIQUE") == 0) {
    OSYS::LOCALTIME now = OSYS::Platform::LocalNow();
    std::snprintf(name, size, "LOGIT_%lu_%d.log", static_cast<unsigned long>(OSYS::Platform::SecondsSince1970()),
                  now.Milliseconds);
    return;
  }
  std::snprintf(name, size, "%s", given);
}

void OpenLog(const char* argument, LOGOPEN how) {
  char module[260];
  OSYS::Platform::ModulePath(module, sizeof module);
  OSYS::File::STATUS status{};
  OSYS::File::Status(module, &status);

  const char* colon = std::strchr(argument, ':');
  if (colon != nullptr && std::strlen(colon + 1) >= sizeof LogFileName) return;  // no such name fits
  char name[sizeof LogFileName];
  LogNameOf(argument, name, sizeof name);

  if (Trace::LogFile != nullptr) CloseLog();
  STRING path = Trace::InHomeDirectory(name);
  OSYS::File::Handle file =
      OSYS::File::Open(path.Buffer, how == LOGOPEN::Keep ? OSYS::File::Access::Append : OSYS::File::Access::Write,
                       OSYS::File::Share::Read, how == LOGOPEN::Hard ? OSYS::File::WriteThrough : 0);
  if (file == nullptr) return;
  std::snprintf(LogFileName, sizeof LogFileName, "%s", name);
  LogKeep = how == LOGOPEN::Keep;
  LogHard = how == LOGOPEN::Hard;
  Trace::LockTrace();
  Trace::LogFile = file;
  Trace::LoggingOn = true;
  Trace::UnlockTrace();
  if (LogKeep) LogPrintf("\n");  // separates this run from the previous content

  char date[64], time[64], modified[64];
  OSYS::Platform::ShortDate(date, sizeof date);
  OSYS::Platform::TimeOfDay(time, sizeof time);
  CtimeText(status.Modified, modified, sizeof modified);
  LogPrintf("START LOGGING at %s %s\n", date, time);
  LogPrintf("Running as %s %ld bytes, %s", module, static_cast<long>(status.Size), modified);
}

// True when argument is "/" + word, or "/" + word + ":" and more when
// withValue allows it.
bool IsSwitch(const char* argument, const char* word, bool withValue) {
  if (argument[0] != '/') return false;
  std::size_t length = std::strlen(word);
  for (std::size_t i = 0; i < length; ++i) {
    char c = argument[1 + i];
    if (c == 0 || (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c) != word[i]) return false;
  }
  char next = argument[1 + length];
  return next == 0 || (withValue && next == ':');
}

void Pause(unsigned milliseconds) { OSYS::Platform::SleepFor(milliseconds); }
void Tone(unsigned frequency, unsigned milliseconds) { OSYS::Platform::BeepTone(frequency, milliseconds); }

}  // namespace

bool LogSwitch(const char* argument) {
  if (argument == nullptr) return false;
  if (IsSwitch(argument, "LOGIT", true)) {
    OpenLog(argument, LOGOPEN::New);
  } else if (IsSwitch(argument, "LOGITKEEP", true)) {
    OpenLog(argument, LOGOPEN::Keep);
  } else if (IsSwitch(argument, "LOGITHARD", true)) {
    OpenLog(argument, LOGOPEN::Hard);
  } else if (IsSwitch(argument, "LOGDEBUG", false) || IsSwitch(argument, "LOGDBG", false)) {
    Trace::DebuggerOutput = true;
  } else if (IsSwitch(argument, "LOG", true) && argument[4] == ':') {
    LogLevelMask |= static_cast<std::uint32_t>(std::strtoul(argument + 5, nullptr, 10));
    if (Trace::LogFile == nullptr) OpenLog("/LOGIT", LOGOPEN::New);
  } else if (IsSwitch(argument, "LOGITCLOSE", false)) {
    CloseLog();
  } else if (IsSwitch(argument, "NOASSERT", false)) {
    Trace::SilentAssertions = !Trace::SilentAssertions;
  } else {
    return false;
  }
  return true;
}

void LogHotKeys(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (OSYS::Platform::TraceHotKey(message, wParam, lParam)) {
    case 5:
      LogSwitch("/LOGIT");
      Tone(440, 200);
      Pause(10);
      Tone(660, 100);
      Pause(10);
      Tone(880, 100);
      break;
    case 6:
      LogSwitch("/LOGITHARD");
      Tone(440, 200);
      Pause(10);
      Tone(660, 100);
      Pause(10);
      Tone(880, 100);
      Pause(100);
      Tone(880, 100);
      break;
    case 8:
      LogSwitch("/LOGITCLOSE");
      Tone(880, 100);
      Pause(10);
      Tone(660, 100);
      Pause(10);
      Tone(440, 100);
      break;
    default:
      break;
  }
}
