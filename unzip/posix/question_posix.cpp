// The host build has no window system to ask in: the overwrite question is
// answered No, which keeps the existing file.
#include "unzip/unzipper.h"

bool UnzipperQuestionBox(const char*, const char*) { return false; }
