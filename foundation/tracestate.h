// State of the trace shared by the line writer, the logging switches and the
// assertion report.
#pragma once

#include <atomic>

#include "foundation/str.h"
#include "osys/file.h"

namespace Trace {

extern OSYS::File::Handle LogFile;   // the open log file or null
extern std::atomic<bool> LoggingOn;  // while a log file is open
extern std::atomic<bool> DebuggerOutput;
extern bool SilentAssertions;

// The trace mutex, made on first use; a platform mutex of its own, since the
// traced MUTEXSEM would trace its own use.
void LockTrace();
void UnlockTrace();

// The name resolved against the home directory when it is relative.
STRING InHomeDirectory(const char* name);

}  // namespace Trace
