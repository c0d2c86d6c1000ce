// The language resource library: one resource-only library per language
// ("setup" followed by "english.dll", "german.dll", "french.dll" or
// "hungarian.dll") holding the program's dialog layouts and texts, chosen by
// LanguageNumber and held in ResourceModule for the whole run. Language
// strings are named by id (resources/langstrings.h).
#pragma once

#include "foundation/str.h"

namespace OSYS {

// The text of string id in module, cut to 255 characters; "<STR-ERR>" when
// the module has no such string or it is empty.
STRING GetStringFromResource(int id, void* module);

}  // namespace OSYS

// The text of language string id from ResourceModule.
STRING LanguageString(int id);

// The library of a language number, after the program name: 7 "german.dll",
// 12 "french.dll", 14 "hungarian.dll", any other "english.dll".
const char* LanguageLibraryName(int languageNumber);

// The language number a LANG value stands for: "GER" 7, "ENGL" 9, "FRENCH"
// 12, "HUNGARIAN" 14 (without regard to case); any other text read as a
// decimal number, 0 when it is none.
int LanguageNumberOf(const STRING& value);

// Loads the library of LanguageNumber from the home directory of the
// program at modulePath, named programName followed by the library name, into
// ResourceModule. A missing German, French or Hungarian library sets
// LanguageNumber to 9 and the English one is loaded; without the English
// library the process shows "DLL not found" and ends with exit code 99.
void LoadLanguageLibrary(const STRING& modulePath, const STRING& programName);
