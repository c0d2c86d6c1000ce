// Starting another program. Product build only.
#pragma once

namespace OSYS {

// Starts the program (CreateProcessA) and returns nonzero when it started.
// A program text beginning with "*" starts it hidden (the "*" is not part of
// the name). The command line is the program in double quotes, a blank and
// the arguments; the program as it stands when it already begins with a
// double quote; the program alone, unquoted, without arguments. directory
// is the working directory (null or empty: the current one), title the
// window title of the start-up information. With wait set it returns (1)
// only when the program has ended; its exit code is not read.
int StartProgram(const char* program, const char* arguments, const char* directory, const char* title, bool wait);

}  // namespace OSYS
