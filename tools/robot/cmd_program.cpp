// Commands about programs and the script itself: start, run, wait-exit,
// sleep, echo, timeout.
#include "tools/robot/commands.h"
#include "tools/robot/text_util.h"

#include <cstdio>

namespace robot {

namespace {

std::vector<std::string> ProgramArguments(const Args& args) {
  return std::vector<std::string>(args.positional.begin() + 1, args.positional.end());
}

bool ParseExitCode(const std::string& text, DWORD* code, std::string* error) {
  long long value;
  if (!ParseInteger(text, &value)) {
    *error = "'" + text + "' is no exit code";
    return false;
  }
  *code = static_cast<DWORD>(value);
  return true;
}

std::string ExitCodeText(DWORD code) {
  char buf[48];
  if (code > 0xFFFF) std::snprintf(buf, sizeof buf, "%lu (0x%08lX)", code, code);
  else std::snprintf(buf, sizeof buf, "%lu", code);
  return buf;
}

// Waits for the program's exit and compares its exit code with *expected
// when given.
Outcome AwaitExit(StartedProgram& program, const std::string* expected, double seconds) {
  DWORD wanted = 0;
  std::string error;
  if (expected && !ParseExitCode(*expected, &wanted, &error))
    return FailWithoutTree("an exit code", error);
  std::string what = program.name + " to exit" +
                     (expected ? " with " + ExitCodeText(wanted) : std::string()) + " within " +
                     FormatSeconds(seconds);
  DWORD wait_ms = static_cast<DWORD>(seconds * 1000.0 + 0.5);
  if (WaitForSingleObject(program.process, wait_ms) != WAIT_OBJECT_0)
    return FailOnDisplay(what, program.name + " is still running");
  DWORD code = 0;
  GetExitCodeProcess(program.process, &code);
  program.waited = true;
  if (expected && code != wanted)
    return FailWithoutTree(what, program.name + " exited with " + ExitCodeText(code));
  return Pass();
}

Outcome StartFromArgs(Session& session, const Args& args, StartedProgram** started) {
  const std::string* directory = args.Option("cwd");
  StartedProgram program;
  std::string error;
  if (!StartProgram(args.positional[0], ProgramArguments(args), directory ? *directory : "",
                    &program, &error))
    return FailWithoutTree("to start " + args.positional[0], error);
  session.programs().push_back(program);
  *started = &session.programs().back();
  return Pass();
}

}  // namespace

Outcome RunStart(Session& session, const Args& args) {
  StartedProgram* started = nullptr;
  return StartFromArgs(session, args, &started);
}

Outcome RunRun(Session& session, const Args& args) {
  double seconds;
  std::string error;
  if (!session.TimeoutOf(args, &seconds, &error)) return FailWithoutTree("a time-out", error);
  StartedProgram* started = nullptr;
  Outcome outcome = StartFromArgs(session, args, &started);
  if (!outcome.passed) return outcome;
  return AwaitExit(*started, args.Option("exit"), seconds);
}

Outcome RunWaitExit(Session& session, const Args& args) {
  double seconds;
  std::string error;
  if (!session.TimeoutOf(args, &seconds, &error)) return FailWithoutTree("a time-out", error);
  std::vector<StartedProgram>& programs = session.programs();
  for (auto it = programs.rbegin(); it != programs.rend(); ++it) {
    if (!it->waited)
      return AwaitExit(*it, args.positional.empty() ? nullptr : &args.positional[0], seconds);
  }
  return FailWithoutTree("a started program to wait for",
                         "the script started none that is not yet waited for");
}

Outcome RunSleep(Session&, const Args& args) {
  double seconds = 0;
  if (!ParseSeconds(args.positional[0], &seconds))
    return FailWithoutTree("a number of seconds", "'" + args.positional[0] + "'");
  Sleep(static_cast<DWORD>(seconds * 1000.0 + 0.5));
  return Pass();
}

Outcome RunEcho(Session&, const Args& args) {
  std::string line;
  for (const std::string& word : args.positional) line += (line.empty() ? "" : " ") + word;
  std::printf("%s\n", line.c_str());
  return Pass();
}

Outcome RunTimeout(Session& session, const Args& args) {
  double seconds = 0;
  if (!ParseSeconds(args.positional[0], &seconds))
    return FailWithoutTree("a number of seconds", "'" + args.positional[0] + "'");
  session.SetDefaultTimeout(seconds);
  return Pass();
}

bool CheckSeconds(const std::vector<Token>& positional, std::string* error) {
  double seconds;
  const std::string& text = positional[0].text;
  if (text.find('$') != std::string::npos || ParseSeconds(text, &seconds)) return true;
  *error = "'" + text + "' is no number of seconds";
  return false;
}

bool CheckInteger(const std::vector<Token>& positional, std::string* error) {
  if (positional.empty()) return true;
  long long value;
  const std::string& text = positional[0].text;
  if (text.find('$') != std::string::npos || ParseInteger(text, &value)) return true;
  *error = "'" + text + "' is no number";
  return false;
}

}  // namespace robot
