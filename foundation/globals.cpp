#include "foundation/globals.h"

int LanguageNumber = 9;
void* ResourceModule = nullptr;
void* ProgramInstance = nullptr;
STRING AppTitle("Korvex Application");
STRING HomeDirectory;
