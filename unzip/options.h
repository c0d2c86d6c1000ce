// The engine's command line.
#pragma once

#include "unzip/run.h"

namespace UNZIP {

// The words of the command line with every "\" turned into "/", in one
// block owned by the caller (Release). Null when it cannot be allocated.
char** CopyWords(int argc, char** argv);
void ReleaseWords(char** words);

// Fills `options` from the words (after the program name). Options come
// before the archive name; after it come member patterns, "-x" (exclusion
// patterns follow) and "-d DIR". Returns 0, or 10 for a command line that
// cannot be used (the message is printed).
int ParseOptions(int argc, char** words, OPTIONS* options);

}  // namespace UNZIP
