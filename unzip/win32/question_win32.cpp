// The overwrite question of UNZIPPER: a Yes/No box owned by the window that
// is active, since the copy worker that asks has no window of its own.
#include <windows.h>

#include "unzip/unzipper.h"

bool UnzipperQuestionBox(const char* text, const char* caption) {
  return ::MessageBoxA(::GetActiveWindow(), text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
