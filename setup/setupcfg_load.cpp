// Loading setup.cfg with the error box when it is missing (Win32).
#include <windows.h>

#include "foundation/language.h"
#include "resources/langstrings.h"
#include "setup/setupcfg.h"

namespace SETUPCFG {

bool LoadOrSay(const char* fileName) {
  if (Load(fileName)) return true;
  STRING caption = LanguageString(LANGSTR::SetupCaption);
  MessageBoxA(nullptr, "File SETUP.CFG not found.\r(Program already installed?)", caption.Buffer,
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  return false;
}

}  // namespace SETUPCFG
