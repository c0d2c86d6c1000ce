// The assertion report's message box, the debugger break and the trace hot
// keys over the Win32 user interface.
#include <windows.h>
#include <commctrl.h>

#include "osys/platform.h"

namespace OSYS::Platform {

bool AssertionBox(const char* text, const char* caption) {
  return ::MessageBoxA(nullptr, text, caption, MB_ICONERROR | MB_YESNO) == IDYES;
}

void BreakIntoDebugger() { ::DebugBreak(); }

int TraceHotKey(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message != WM_NOTIFY || lParam == 0) return 0;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->code != LVN_KEYDOWN) return 0;
  if (!(::GetAsyncKeyState(VK_CONTROL) & 0x8000) || !(::GetAsyncKeyState(VK_SHIFT) & 0x8000))
    return 0;
  switch (reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey) {
    case VK_F5: return 5;
    case VK_F6: return 6;
    case VK_F8: return 8;
    default: return 0;
  }
}

void BeepTone(unsigned frequency, unsigned milliseconds) { ::Beep(frequency, milliseconds); }

}  // namespace OSYS::Platform
