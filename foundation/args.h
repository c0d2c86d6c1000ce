// The program's arguments: the command line split as the application frame
// splits it, followed by the lines of the argument files, and the lookups
// through which every part of the program reads its switches.
//
// A switch is an entry that starts with "/" or "-"; names compare without
// regard to case. TestArg wants the whole name ("/AUTODIR"); TestArgValue
// and GetArgValue match the name's length only, so "/ORDERS" is a match for
// "ORDER". A "/" switch carries its value itself ("/LANG:GER", "/LANGGER"),
// a "-" switch takes the next entry as its value ("-remove" "Foo").
#pragma once

#include "foundation/str.h"

// 127 arguments at most; the entry after the last one is always null.
constexpr int ARGUMENT_TABLE_SIZE = 128;
constexpr int ARGUMENT_MAX = ARGUMENT_TABLE_SIZE - 1;

// Entry 0 is the program's full path, then the command-line arguments in
// order, then the lines of the argument files.
extern STRING ArgumentTable[ARGUMENT_TABLE_SIZE];

// The current directory when the process started.
extern STRING StartDirectory;

// True when some entry is "/" or "-" followed by exactly name.
bool TestArg(const char* name);
// True when there are more than index entries that start with "/" or "-"
// followed by name.
bool TestArgValue(const char* name, int index);
// The value of match number index (see above); null when there is none.
STRING GetArgValue(const char* name, int index);

// Empties the table.
void ClearArguments();
// Appends one entry; false (and nothing stored) when the table is full.
bool AddArgument(const char* text);
// Number of entries before the first null one.
int ArgumentCount();

// Splits a command line in place, as the frame does: leading and trailing
// blanks are dropped; an argument that starts with a double quote ends at the
// next one, any other at the next blank; the blanks between arguments are
// skipped; an argument left unclosed by its quote is the rest of the line.
// A quote inside an argument has no effect. Stores at most max pointers into
// line in argv and returns their number.
int SplitCommandLine(char* line, char** argv, int max);
