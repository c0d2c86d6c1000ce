// The trace (debug log) and the assertion report.
//
// The trace is off until a logging switch opens a log file or turns on
// debugger output. Each line starts with "[%04d.%02d:%03x] " (seconds and
// hundredths since the first line, low 12 bits of the thread id). A level is
// a detail number 0-15 plus category bits (0x100 device base, 0x200 TCP/IP).
//
// The assertion report is the reaction to a violated internal condition: it
// is traced, appended to "assert.log" in the home directory and, unless
// silenced, shown in a Yes/No box; the program goes on unless the user
// answers No.
#pragma once

#include <cstdint>

#include "foundation/format.h"

// One trace line when logging or debugger output is on: 1, else 0 (and
// nothing is formatted). A format without "%" is copied unchanged.
int LogPrintf(const char* format, ...) HALVIX_PRINTF(1, 2);

// As LogPrintf when the detail (level & 15) is enabled and, for levels of
// 16 or more, one of the level's category bits is.
int LogPrintfLevel(unsigned level, const char* format, ...) HALVIX_PRINTF(2, 3);

// Handles one logging switch ("/LOGIT", "/LOGITKEEP", "/LOGITHARD" with an
// optional ":name", "/LOGDEBUG", "/LOGDBG", "/LOG:n", "/LOGITCLOSE",
// "/NOASSERT"); true when the text was one.
bool LogSwitch(const char* argument);

// The trace hot keys (Ctrl+Shift+F5, F6, F8 in a list view); every window
// procedure passes each message.
void LogHotKeys(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

// Bits 0-3: the highest detail written; bits 4 and up: enabled categories.
extern std::uint32_t LogLevelMask;

// Does nothing and returns 1 when condition is nonzero. Otherwise reports:
// returns 1 to go on, 0 when the user chose to stop. sourceFile is the full
// path (only its last part is shown); info may be null. quiet suppresses the
// box.
int ReportAssertion(int condition, const char* conditionText, const char* sourceFile, int line,
                    const char* info, int quiet);

// The condition's source text is the report's condition text.
#define ASSERTION(condition, info) \
  ReportAssertion((condition) ? 1 : 0, #condition, __FILE__, __LINE__, (info), 0)
#define ASSERTION_QUIET(condition, info) \
  ReportAssertion((condition) ? 1 : 0, #condition, __FILE__, __LINE__, (info), 1)

// What one report consists of, as handed to an assertion sink.
struct ASSERTIONREPORT {
  const char* Condition;
  const char* Location;  // last part of the source file name
  int Line;
  unsigned LastError;
  const char* Info;
  const char* Details;  // the details in the current language
  const char* Message;  // the box text
  const char* Caption;  // the box caption
  bool ShowsBox;        // false when silent or quiet
};

// A sink sees every report after it was traced and logged, in place of the
// box; its result (1 go on, 0 stop) counts when the box would have shown.
// Tests capture reports with it. Returns the previous sink; null restores
// the box.
using AssertionSink = int (*)(const ASSERTIONREPORT& report);
AssertionSink SetAssertionSink(AssertionSink sink);
