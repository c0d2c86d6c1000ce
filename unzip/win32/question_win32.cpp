// The overwrite question of UNZIPPER in the product: its texts are language
// strings, and it is a Yes/No box owned by the window that is active, since
// the copy worker that asks has no window of its own.
#include <windows.h>

#include "foundation/language.h"
#include "unzip/unzipper.h"

STRING UnzipperLanguageText(int id) { return LanguageString(id); }

bool UnzipperQuestionBox(const char* text, const char* caption) {
  return ::MessageBoxA(::GetActiveWindow(), text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
