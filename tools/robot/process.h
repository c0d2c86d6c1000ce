// Starting the programs a script drives, with arguments passed through the
// command-line quoting every Windows program parses.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace robot {

// One argument as a command line must carry it so that the program's
// argument parser gives it back unchanged: quoted when it holds blanks or
// quotes or is empty, with backslashes before quotes doubled.
std::string QuoteArgument(const std::string& argument);

std::string CommandLineOf(const std::string& program, const std::vector<std::string>& arguments);

struct StartedProgram {
  std::string name;          // as the script gave it, for messages
  HANDLE process = nullptr;  // owned
  DWORD process_id = 0;
  bool waited = false;       // a wait-exit has taken its exit code
};

// Starts the program (searched like a command line's first word) in
// directory (empty: the robot's own). False with *error on failure.
bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& directory, StartedProgram* started, std::string* error);

}  // namespace robot
