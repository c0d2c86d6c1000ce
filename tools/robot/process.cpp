#include "tools/robot/process.h"

namespace robot {

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
    return argument;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count double only before a quote.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  quoted += '"';
  return quoted;
}

std::string CommandLineOf(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = QuoteArgument(program);
  for (const std::string& argument : arguments) line += " " + QuoteArgument(argument);
  return line;
}

bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& directory, StartedProgram* started, std::string* error) {
  std::string line = CommandLineOf(program, arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
    *error = "could not start " + line + " (GetLastError " + std::to_string(GetLastError()) + ")";
    return false;
  }
  CloseHandle(info.hThread);
  started->name = program;
  started->process = info.hProcess;
  started->process_id = info.dwProcessId;
  started->waited = false;
  return true;
}

}  // namespace robot
