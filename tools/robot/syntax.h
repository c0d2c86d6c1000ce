// The commands of the script language and how a tokenized line becomes a
// step: the command, its positional arguments and its options (name=value).
// A script is checked whole before its first step runs, so a typing error
// on line 40 does not leave a program half driven.
#pragma once

#include "tools/robot/script.h"
#include "tools/robot/session.h"

#include <string>
#include <vector>

namespace robot {

struct Command {
  const char* name;
  int min_positional;
  int max_positional;   // -1: any number
  const char* options;  // the option names it takes, blank-separated
  // Options are taken only before the first positional argument; everything
  // after it is an argument (a program's command line).
  bool options_lead;
  Outcome (*run)(Session& session, const Args& args);
  // Checks of the arguments that can be made before running; may be null.
  bool (*check)(const std::vector<Token>& positional, std::string* error);
};

struct Step {
  int line = 0;
  std::string source;
  const Command* command = nullptr;
  std::vector<Token> positional;
  std::vector<Token> options;
};

const Command* FindCommand(const std::string& name);

// Turns every line into a step; false with the line and *error at the first
// line that is not a valid command.
bool BuildSteps(const std::vector<ScriptLine>& lines, std::vector<Step>* steps, int* error_line,
                std::string* error);

}  // namespace robot
