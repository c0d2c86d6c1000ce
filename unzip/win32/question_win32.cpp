// The overwrite question of UNZIPPER in the product: its texts are language
// strings, and it is a Yes/No box owned by the window that is active, since
// the copy worker that asks has no window of its own.
#include <windows.h>

#include "foundation/language.h"
#include "osys/boxes.h"
#include "unzip/unzipper.h"

STRING UnzipperLanguageText(int id) { return LanguageString(id); }

bool UnzipperQuestionBox(const char* text, const char* caption) {
  return OSYS::YesNoBox(::GetActiveWindow(), caption, text);
}
