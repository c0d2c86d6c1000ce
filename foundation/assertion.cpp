// The assertion report: details and message in English or German, the
// trace, "assert.log" and the Yes/No box.
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "foundation/tracestate.h"
#include "osys/file.h"
#include "osys/osys.h"
#include "osys/platform.h"

namespace {

std::atomic<AssertionSink> Sink{nullptr};

// A report raised while reporting is traced once more at most.
thread_local int ReportDepth = 0;

// The texts are Windows-1252 bytes ("\xE4" is a-umlaut).
constexpr const char* GermanDetails =
    "    Bedingung: %s\r\n    Datei: %s Zeile %d\r\n    Code : %dL (%s)\r\n    Info : %s\r\n";
constexpr const char* EnglishDetails =
    "    Condition: %s\r\n    Location : %s line %d\r\n    Last Err.: %dL (%s)\r\n    Add. Info: %s\r\n";
constexpr const char* GermanMessage =
    "Es ist eine unerwartete Situation aufgetreten!\n\nBitte melden Sie die Umst\xE4"
    "nde des Fehlers und die folgenden\nInformationen an Korvex (siehe auch Datei assert.log):\n\n%s\n"
    "Wollen Sie jetzt versuchen mit dem Programm fortzufahren?";
constexpr const char* EnglishMessage =
    "Unexpected condition encountered!\n\nPlease contact Korvex and provide the \nfollowing information "
    "(see assert.log):\n\n%s\nDo you want to try to continue with the program?";

// Writes into buffer, cutting what does not fit.
void Compose(char* buffer, std::size_t size, const char* format, ...) HALVIX_PRINTF(3, 4);
void Compose(char* buffer, std::size_t size, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  FormatText(buffer, size, format, arguments);
  va_end(arguments);
}

// The last part of a source file name.
const char* LocationOf(const char* file) {
  if (file == nullptr) return "<null>";
  const char* last = file;
  for (const char* p = file; *p != 0; ++p)
    if (*p == '/' || *p == ':' || *p == '\\') last = p + 1;
  return last;
}

void AppendToAssertLog(const char* details, const char* date, const char* time) {
  STRING path = Trace::InHomeDirectory("assert.log");
  OSYS::File::Handle file = OSYS::File::Open(path.Buffer, OSYS::File::Access::Append, OSYS::File::Share::Read);
  if (file == nullptr) return;
  char header[512];
  Compose(header, sizeof header, "--- %s --- %s %s ---\r\n\r\n", NullGuard(AppTitle.Buffer, nullptr), date, time);
  OSYS::File::Write(file, header, static_cast<int>(std::strlen(header)));
  OSYS::File::Write(file, details, static_cast<int>(std::strlen(details)));
  OSYS::File::Write(file, "\r\n\r\n", 4);
  OSYS::File::Close(file);
}

}  // namespace

AssertionSink SetAssertionSink(AssertionSink sink) { return Sink.exchange(sink); }

int ReportAssertion(int condition, const char* conditionText, const char* sourceFile, int line,
                    const char* info, int quiet) {
  if (condition != 0) return 1;
  unsigned code = OSYS::Platform::LastError();
  if (ReportDepth > 1) return 1;
  ++ReportDepth;

  STRING errorText = code != 0 ? OSYS::ErrorText(static_cast<int>(code)) : STRING("");
  const char* location = LocationOf(sourceFile);
  const char* infoText = info != nullptr ? info : "<null>";
  const char* conditionShown = conditionText != nullptr ? conditionText : "<null>";
  bool german = LanguageNumber == 7;

  char details[512];
  Compose(details, sizeof details, german ? GermanDetails : EnglishDetails, conditionShown, location, line,
          static_cast<int>(code), NullGuard(errorText.Buffer, nullptr), infoText);
  char message[1024];
  Compose(message, sizeof message, german ? GermanMessage : EnglishMessage, details);

  LogPrintf("*** ASSERTION FAILED: \r\n%s\n", details);

  char date[64], time[64];
  OSYS::Platform::ShortDate(date, sizeof date);
  OSYS::Platform::TimeOfDay(time, sizeof time);
  AppendToAssertLog(details, date, time);

  char caption[512];
  Compose(caption, sizeof caption, "%s / %s", NullGuard(AppTitle.Buffer, nullptr), time);
  bool showsBox = !Trace::SilentAssertions && quiet == 0;
  ASSERTIONREPORT report{conditionShown, location, line, code, infoText, details, message, caption, showsBox};

  int result = 1;
  if (AssertionSink sink = Sink.load()) {
    int answer = sink(report);
    if (showsBox) result = answer;
  } else if (showsBox && !OSYS::Platform::AssertionBox(message, caption)) {
    OSYS::Platform::BreakIntoDebugger();
    result = 0;
  }
  --ReportDepth;
  OSYS::Platform::SetLastErrorCode(code);
  return result;
}
