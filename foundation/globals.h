// Process-wide values that the start-up code sets and the rest of the system
// reads. They hold their defaults until start-up assigns them.
#pragma once

#include "foundation/str.h"

// Windows primary language number of the user interface: 7 German,
// 9 English, 12 French, 14 Hungarian; any other value means English.
extern int LanguageNumber;

// Module of the dialogs and strings (the language library once loaded) and
// the program's own instance; platform handles, opaque to the core.
extern void* ResourceModule;
extern void* ProgramInstance;

// Caption of the assertion boxes: "Korvex Application" until start-up
// completes it.
extern STRING AppTitle;

// The program's home directory: "assert.log" and relative log file names
// are placed there. Null until start-up sets it: the current directory.
extern STRING HomeDirectory;
