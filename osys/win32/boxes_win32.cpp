// The message boxes over MessageBoxA.
#include <windows.h>

#include "foundation/globals.h"
#include "foundation/language.h"
#include "osys/boxes.h"
#include "resources/langstrings.h"

namespace OSYS {

namespace {

int Show(void* owner, const char* caption, const char* text, UINT style) {
  STRING shown =
      caption != nullptr ? STRING(caption) : GetStringFromResource(LANGSTR::DefaultBoxCaption, ResourceModule);
  return ::MessageBoxA(static_cast<HWND>(owner), text != nullptr ? text : "", shown.Buffer, style | MB_SETFOREGROUND);
}

}  // namespace

void InfoBox(void* owner, const char* caption, const char* text) { Show(owner, caption, text, MB_OK | MB_ICONINFORMATION); }

void ErrorBox(void* owner, const char* caption, const char* text) { Show(owner, caption, text, MB_OK | MB_ICONERROR); }

bool YesNoBox(void* owner, const char* caption, const char* text) {
  return Show(owner, caption, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace OSYS
