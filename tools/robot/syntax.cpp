#include "tools/robot/syntax.h"

#include "tools/robot/commands.h"
#include "tools/robot/text_util.h"

#include <sstream>

namespace robot {

namespace {

const Command kCommands[] = {
  // name          args   options                           lead  run            check
  {"start",        1, -1, "cwd",                            true,  RunStart,      nullptr},
  {"run",          1, -1, "cwd exit timeout",               true,  RunRun,        nullptr},
  {"wait-exit",    0, 1,  "timeout",                        false, RunWaitExit,   CheckInteger},
  {"wait-window",  0, 1,  "title class id timeout",         false, RunWaitWindow, nullptr},
  {"wait-dialog",  1, 1,  "title class timeout",            false, RunWaitDialog, CheckInteger},
  {"wait-gone",    0, 0,  "title class id timeout",         false, RunWaitGone,   nullptr},
  {"close",        0, 0,  "",                               false, RunClose,      nullptr},
  {"answer",       1, 1,  "title text contains timeout",    false, RunAnswer,     nullptr},
  {"check",        2, 3,  "timeout",                        false, RunCheck,      CheckPredicate},
  {"wait",         2, 3,  "timeout",                        false, RunWait,       CheckPredicate},
  {"read",         2, 2,  "timeout",                        false, RunRead,       CheckRead},
  {"type",         2, 2,  "timeout",                        false, RunType,       CheckControlFirst},
  {"press",        1, 1,  "timeout",                        false, RunPress,      CheckControlFirst},
  {"tick",         1, 1,  "timeout",                        false, RunTick,       CheckControlFirst},
  {"untick",       1, 1,  "timeout",                        false, RunUntick,     CheckControlFirst},
  {"pick",         1, 1,  "timeout",                        false, RunPick,       CheckControlFirst},
  {"choose",       1, 2,  "index timeout",                  false, RunChoose,     CheckControlFirst},
  {"dump",         1, 1,  "",                               false, RunDump,       nullptr},
  {"dump-all",     1, 1,  "",                               false, RunDumpAll,    nullptr},
  {"screenshot",   1, 1,  "",                               false, RunScreenshot, nullptr},
  {"sleep",        1, 1,  "",                               false, RunSleep,      CheckSeconds},
  {"echo",         0, -1, "",                               true,  RunEcho,       nullptr},
  {"timeout",      1, 1,  "",                               false, RunTimeout,    CheckSeconds},
};

bool TakesOption(const Command& command, const std::string& name) {
  std::istringstream names(command.options);
  std::string known;
  while (names >> known) {
    if (known == name) return true;
  }
  return false;
}

std::string CountWord(int n) {
  return n == 1 ? "1 argument" : std::to_string(n) + " arguments";
}

bool CheckCount(const Command& command, size_t count, std::string* error) {
  int n = static_cast<int>(count);
  if (n >= command.min_positional && (command.max_positional < 0 || n <= command.max_positional))
    return true;
  std::string wanted;
  if (command.max_positional < 0) wanted = "at least " + CountWord(command.min_positional);
  else if (command.min_positional == command.max_positional) wanted = CountWord(command.min_positional);
  else wanted = CountWord(command.min_positional) + " to " + std::to_string(command.max_positional);
  *error = std::string(command.name) + " takes " + wanted + ", not " + std::to_string(n);
  return false;
}

bool BuildStep(const ScriptLine& line, Step* step, std::string* error) {
  const std::string& name = line.tokens[0].text;
  step->command = FindCommand(name);
  if (!step->command || line.tokens[0].quoted_from != std::string::npos) {
    *error = "unknown command '" + name + "'";
    return false;
  }
  step->line = line.number;
  step->source = line.source;
  const Command& command = *step->command;
  bool options_allowed = *command.options != '\0';
  for (size_t i = 1; i < line.tokens.size(); ++i) {
    const Token& token = line.tokens[i];
    std::string option = options_allowed ? token.OptionName() : std::string();
    if (option.empty()) {
      step->positional.push_back(token);
      if (command.options_lead) options_allowed = false;
      continue;
    }
    if (!TakesOption(command, option)) {
      *error = std::string(command.name) + " has no option '" + option + "'" +
               (*command.options ? std::string(" (it takes: ") + command.options + ")" : "") +
               "; quote a text that looks like name=value";
      return false;
    }
    if (option == "timeout" && token.OptionValue().find('$') == std::string::npos) {
      double seconds;
      if (!ParseSeconds(token.OptionValue(), &seconds)) {
        *error = "timeout=" + token.OptionValue() + " is no number of seconds";
        return false;
      }
    }
    step->options.push_back(token);
  }
  if (!CheckCount(command, step->positional.size(), error)) return false;
  return !command.check || command.check(step->positional, error);
}

}  // namespace

const Command* FindCommand(const std::string& name) {
  for (const Command& command : kCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

bool BuildSteps(const std::vector<ScriptLine>& lines, std::vector<Step>* steps, int* error_line,
                std::string* error) {
  for (const ScriptLine& line : lines) {
    Step step;
    if (!BuildStep(line, &step, error)) {
      *error_line = line.number;
      return false;
    }
    steps->push_back(std::move(step));
  }
  return true;
}

}  // namespace robot
