// The message boxes over MessageBoxA.
#include <windows.h>

#include "foundation/globals.h"
#include "foundation/str.h"
#include "osys/boxes.h"

namespace OSYS {

namespace {

// Language string 10001 of the language library, read as the language
// strings are (at most 255 characters, "<STR-ERR>" when it is missing).
STRING DefaultCaption() {
  char buffer[256];
  int n = ::LoadStringA(static_cast<HMODULE>(ResourceModule), DefaultBoxCaption, buffer, sizeof buffer);
  return STRING(n > 0 ? buffer : "<STR-ERR>");
}

int Show(void* owner, const char* caption, const char* text, UINT style) {
  STRING shown = caption != nullptr ? STRING(caption) : DefaultCaption();
  return ::MessageBoxA(static_cast<HWND>(owner), text != nullptr ? text : "", shown.Buffer, style | MB_SETFOREGROUND);
}

}  // namespace

void InfoBox(void* owner, const char* caption, const char* text) { Show(owner, caption, text, MB_OK | MB_ICONINFORMATION); }

void ErrorBox(void* owner, const char* caption, const char* text) { Show(owner, caption, text, MB_OK | MB_ICONERROR); }

bool YesNoBox(void* owner, const char* caption, const char* text) {
  return Show(owner, caption, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace OSYS
