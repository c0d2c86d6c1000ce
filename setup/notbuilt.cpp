#include "setup/notbuilt.h"

#include <windows.h>

#include "foundation/log.h"

namespace SETUP {

void ShowNotBuiltYet(const STRING& caption, const STRING& firstPageText, const char* mode) {
  STRING text = firstPageText || "\r\n\r\n[" || mode || " mode: not built yet]";
  LogPrintf("SETUP::ShowNotBuiltYet %s\n", mode);
  MessageBoxA(nullptr, text.Buffer, caption.Buffer, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

}  // namespace SETUP
