#include "tools/robot/session.h"

#include "tools/robot/dump.h"
#include "tools/robot/syntax.h"
#include "tools/robot/text_util.h"
#include "tools/robot/window_facts.h"

#include <cstdio>

namespace robot {

Outcome Pass() { return Outcome(); }

Outcome Fail(std::string expected, std::string found) {
  Outcome o;
  o.passed = false;
  o.expected = std::move(expected);
  o.found = std::move(found);
  return o;
}

Outcome FailIn(HWND window, std::string expected, std::string found) {
  Outcome o = Fail(std::move(expected), std::move(found));
  o.tree = TreeOf::kWindow;
  o.window = window;
  return o;
}

Outcome FailOnDisplay(std::string expected, std::string found) {
  Outcome o = Fail(std::move(expected), std::move(found));
  o.tree = TreeOf::kDisplay;
  return o;
}

Outcome FailWithoutTree(std::string expected, std::string found) {
  Outcome o = Fail(std::move(expected), std::move(found));
  o.tree = TreeOf::kNothing;
  return o;
}

const std::string* Args::Option(const std::string& name) const {
  auto it = options.find(name);
  return it == options.end() ? nullptr : &it->second;
}

Deadline::Deadline(double seconds)
    : end_ms_(GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0 + 0.5)) {}

bool Deadline::Passed() const { return GetTickCount64() >= end_ms_; }

bool PollUntil(const Deadline& deadline, const std::function<bool()>& ready) {
  while (true) {
    bool last_look = deadline.Passed();
    if (ready()) return true;
    if (last_look) return false;
    Sleep(kPollIntervalMs);
  }
}

Session::Session(const Settings& settings) : settings_(settings) {}

Session::~Session() {
  for (StartedProgram& program : programs_) {
    if (program.process) CloseHandle(program.process);
  }
}

bool Session::TimeoutOf(const Args& args, double* seconds, std::string* error) const {
  const std::string* value = args.Option("timeout");
  if (!value) {
    *seconds = settings_.timeout_seconds;
    return true;
  }
  if (ParseSeconds(*value, seconds)) return true;
  *error = "timeout=" + *value + " is no number of seconds";
  return false;
}

void Session::SetVariable(const std::string& name, const std::string& value) {
  variables_[name] = value;
}

bool Session::LookupVariable(const std::string& name, std::string* value) const {
  auto it = variables_.find(name);
  if (it != variables_.end()) {
    *value = it->second;
    return true;
  }
  auto defined = settings_.defines.find(name);
  if (defined != settings_.defines.end()) {
    *value = defined->second;
    return true;
  }
  char buffer[32768];
  DWORD n = GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
  if (n == 0 || n >= sizeof buffer) return false;
  value->assign(buffer, n);
  return true;
}

bool Session::ExpandStep(const Step& step, Args* args, std::string* error) const {
  VariableLookup lookup = [this](const std::string& name, std::string* value) {
    return LookupVariable(name, value);
  };
  for (const Token& token : step.positional) {
    std::string text;
    if (!ExpandVariables(token.text, lookup, &text, error)) return false;
    args->positional.push_back(std::move(text));
  }
  for (const Token& token : step.options) {
    std::string value;
    if (!ExpandVariables(token.OptionValue(), lookup, &value, error)) return false;
    args->options[token.OptionName()] = std::move(value);
  }
  return true;
}

namespace {

void PrintIndented(const std::string& text, const char* indent) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::fprintf(stderr, "%s%.*s\n", indent, static_cast<int>(end - start), text.data() + start);
    start = end + 1;
  }
}

}  // namespace

void Session::ReportFailure(const Step& step, const Outcome& outcome) const {
  std::fprintf(stderr, "robot: step failed: %s:%d: %s\n", settings_.script_name.c_str(), step.line,
               step.source.c_str());
  std::fprintf(stderr, "  expected: %s\n", outcome.expected.c_str());
  std::fprintf(stderr, "  found:    %s\n", outcome.found.c_str());
  TreeOf tree = outcome.tree;
  HWND window = tree == TreeOf::kWindow ? outcome.window : current_window_;
  if (tree == TreeOf::kCurrentWindow && !IsWindow(current_window_)) tree = TreeOf::kDisplay;
  if (tree == TreeOf::kWindow && !IsWindow(window)) tree = TreeOf::kDisplay;
  if (tree == TreeOf::kNothing) return;
  if (tree == TreeOf::kDisplay) {
    std::string dump = DumpDisplay();
    std::fprintf(stderr, "  window tree of the display (visible top-level windows):\n");
    PrintIndented(dump.empty() ? "(no visible window)" : dump, "    ");
    return;
  }
  std::fprintf(stderr, "  window tree of %s:\n", Describe(window).c_str());
  PrintIndented(DumpTree(window), "    ");
}

void Session::EndStartedPrograms() {
  for (StartedProgram& program : programs_) {
    if (!program.process || WaitForSingleObject(program.process, 0) != WAIT_TIMEOUT) continue;
    if (settings_.keep_programs) {
      std::fprintf(stderr, "robot: %s, which the script started, is left running\n",
                   program.name.c_str());
      continue;
    }
    TerminateProcess(program.process, 255);
    WaitForSingleObject(program.process, 5000);
    std::fprintf(stderr, "robot: ended %s, which the script had started\n", program.name.c_str());
  }
}

int Session::Run(const std::vector<Step>& steps) {
  const ULONGLONG started_ms = GetTickCount64();
  for (const Step& step : steps) {
    if (settings_.verbose) {
      double elapsed = static_cast<double>(GetTickCount64() - started_ms) / 1000.0;
      std::printf("[%7.3f] %s:%d: %s\n", elapsed, settings_.script_name.c_str(), step.line,
                  step.source.c_str());
      std::fflush(stdout);
    }
    Args args;
    std::string error;
    Outcome outcome = ExpandStep(step, &args, &error)
                          ? step.command->run(*this, args)
                          : FailWithoutTree("a step whose variables are all defined", error);
    std::fflush(stdout);
    if (!outcome.passed) {
      ReportFailure(step, outcome);
      EndStartedPrograms();
      return kExitStepFailed;
    }
  }
  if (settings_.verbose) std::printf("robot: passed, %zu steps\n", steps.size());
  return kExitPassed;
}

}  // namespace robot
