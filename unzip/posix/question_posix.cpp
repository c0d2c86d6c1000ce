// The host build has no language library and no window system to ask in:
// the texts read as a missing language string does, and the overwrite
// question is answered No, which keeps the existing file.
#include "unzip/unzipper.h"

STRING UnzipperLanguageText(int) { return STRING("<STR-ERR>"); }

bool UnzipperQuestionBox(const char*, const char*) { return false; }
