// OSYS::StartProgram over CreateProcessA.
#include <windows.h>

#include "foundation/log.h"
#include "foundation/str.h"
#include "osys/program.h"

namespace OSYS {

namespace {

bool IsEmpty(const char* text) { return text == nullptr || *text == 0; }

// The command line; it is built by appending, so no length limit applies.
STRING CommandLine(const char* program, const char* arguments) {
  if (IsEmpty(arguments)) return STRING(program);
  bool quoted = program[0] == '"';
  STRING line(quoted ? "" : "\"");
  line.Append(program).Append(quoted ? "" : "\"");
  return line.Append(" ").Append(arguments);
}

}  // namespace

int StartProgram(const char* program, const char* arguments, const char* directory, const char* title, bool wait) {
  if (program == nullptr) program = "";
  bool hidden = program[0] == '*';
  if (hidden) ++program;
  LogPrintf("START PROGRAM: %.2000s %.4000s\n", program, arguments != nullptr ? arguments : "");

  STRING line = CommandLine(program, arguments);
  STRING windowTitle(title);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.lpTitle = windowTitle.Buffer;
  if (hidden) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
  }
  PROCESS_INFORMATION process{};
  int rc = line.Buffer != nullptr && ::CreateProcessA(nullptr, line.Buffer, nullptr, nullptr, FALSE, 0, nullptr,
                                                      IsEmpty(directory) ? nullptr : directory, &startup, &process)
               ? 1
               : 0;
  LogPrintf("START PROGRAM: rc= %d\n", rc);
  if (rc != 0) {
    if (wait) ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
  }
  LogPrintf("START PROGRAM: return\n");
  return rc;
}

}  // namespace OSYS
