// The application frame: the process from its first instruction to its exit.
// setup.exe's WinMain hands everything to APP::WinMain together with the
// program entry, so that the frame never names the program above it.
#pragma once

#include "foundation/str.h"

// The program entry: the command-line arguments only (argument 0 the
// program's full path); its result becomes the process's exit code.
using PROGRAMENTRY = int (*)(int argc, char** argv);

namespace APP {

// Splits the command line into ArgumentTable, adds the argument files, offers
// every argument to the logging switches, fixes the home directory (the
// current directory from then on), chooses LanguageNumber ("LANG" or the
// thread locale), honours "STARTDELAY", then runs entry. Closes the log and
// releases the string pool afterwards; returns entry's result.
int WinMain(void* instance, void* previousInstance, const char* commandLine, int showMode,
            PROGRAMENTRY entry);

// Called once by the program entry: completes AppTitle to "Korvex
// Application (Name version)" and loads the language library of programName
// (the start of its file name, see foundation/language.h). Returns 1; does not
// return when no language library can be loaded.
int Init(const STRING& modulePath, const STRING& programName, const STRING& version);

}  // namespace APP
