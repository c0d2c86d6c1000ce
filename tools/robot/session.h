// One run of a script: the state the commands share (the current window, the
// programs started, variables, the default time-out), the outcome of a step,
// and the failure report.
#pragma once

#include "tools/robot/process.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace robot {

// Exit codes of the robot.
constexpr int kExitPassed = 0;       // every step passed
constexpr int kExitStepFailed = 1;   // a step failed; stderr says which and why
constexpr int kExitScriptError = 2;  // the script could not be read or has a syntax error
constexpr int kExitUsage = 3;        // the command line is wrong

// Where a failure report takes its window tree from.
enum class TreeOf { kCurrentWindow, kWindow, kDisplay, kNothing };

struct Outcome {
  bool passed = true;
  std::string expected;
  std::string found;
  TreeOf tree = TreeOf::kCurrentWindow;
  HWND window = nullptr;  // for TreeOf::kWindow
};

Outcome Pass();
// A failure showing the tree of the current window (of the display when there is none).
Outcome Fail(std::string expected, std::string found);
// A failure showing the tree of one window, of the display, or none.
Outcome FailIn(HWND window, std::string expected, std::string found);
Outcome FailOnDisplay(std::string expected, std::string found);
Outcome FailWithoutTree(std::string expected, std::string found);

// One step's arguments, variables expanded.
struct Args {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  const std::string* Option(const std::string& name) const;
};

// A point in time that waits run up to.
class Deadline {
 public:
  explicit Deadline(double seconds);
  bool Passed() const;
 private:
  ULONGLONG end_ms_;
};

// How often waits look again.
constexpr DWORD kPollIntervalMs = 50;

// Calls ready until it returns true or the deadline passes; it is always
// called at least once, and once more after the deadline.
bool PollUntil(const Deadline& deadline, const std::function<bool()>& ready);

struct Step;

struct Settings {
  std::string script_name;
  bool verbose = false;
  bool keep_programs = false;  // do not end started programs when a step fails
  double timeout_seconds = 10;
  std::map<std::string, std::string> defines;  // -D NAME=VALUE
};

class Session {
 public:
  explicit Session(const Settings& settings);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs the steps in order; the exit code of the robot.
  int Run(const std::vector<Step>& steps);

  // The time-out of a step: its timeout= option, or the default. False with
  // *error when the option is no number of seconds.
  bool TimeoutOf(const Args& args, double* seconds, std::string* error) const;
  void SetDefaultTimeout(double seconds) { settings_.timeout_seconds = seconds; }

  HWND current_window() const { return current_window_; }
  void set_current_window(HWND window) { current_window_ = window; }

  std::vector<StartedProgram>& programs() { return programs_; }

  void SetVariable(const std::string& name, const std::string& value);
  bool LookupVariable(const std::string& name, std::string* value) const;

 private:
  bool ExpandStep(const Step& step, Args* args, std::string* error) const;
  void ReportFailure(const Step& step, const Outcome& outcome) const;
  void EndStartedPrograms();

  Settings settings_;
  HWND current_window_ = nullptr;
  std::vector<StartedProgram> programs_;
  std::map<std::string, std::string> variables_;
};

}  // namespace robot
