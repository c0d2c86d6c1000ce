#include "ui/control.h"

#include <commctrl.h>

#include "foundation/log.h"

bool HasClass(HWND window, const char* name) {
  char cls[128] = "";
  if (window == nullptr || GetClassNameA(window, cls, sizeof cls) == 0) return false;
  return lstrcmpiA(cls, name) == 0;
}

namespace {

int ButtonType(HWND window) {
  if (!HasClass(window, "Button")) return -1;
  return static_cast<int>(GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK);
}

void NotifyParent(HWND control, int code) {
  SendMessageA(GetParent(control), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

}  // namespace

bool IsPushButton(HWND window) {
  int type = ButtonType(window);
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON;
}

bool IsRadioButton(HWND window) {
  int type = ButtonType(window);
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

CONTROL::CONTROL(HWND dialog, int id) : WINDOW(id == -1 ? dialog : GetDlgItem(dialog, id)) {}

CONTROL::CONTROL(const char* windowClass, DWORD style, const char* text, int x, int y, int width,
                 int height, HWND parent, int id, DWORD extendedStyle)
    : WINDOW(nullptr) {
  Id = id;
  AutoDestroy = true;
  LogPrintf("CONTROL::CONTROL %08x, %d, %s, %s, %x, %x\n",
            static_cast<unsigned>(reinterpret_cast<UINT_PTR>(parent)), id,
            NullGuard(windowClass, "class"), NullGuard(text, "text"), static_cast<unsigned>(style),
            static_cast<unsigned>(extendedStyle));
  LogPrintf("CONTROL::CONTROL %d\n", IsWindow(parent) ? 1 : 0);
  HINSTANCE instance = parent != nullptr
                           ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE))
                           : GetModuleHandleA(nullptr);
  hWnd = CreateWindowExA(extendedStyle, windowClass, text, style | WS_CHILD, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  ASSERTION(this->hWnd, windowClass);
}

// --- buttons -----------------------------------------------------------------

void BUTTONCONTROL::SetCheck(int state) {
  if (hWnd == nullptr) return;
  SendMessageA(hWnd, BM_SETCHECK, static_cast<WPARAM>(state), 0);
  NotifyParent(hWnd, BN_CLICKED);
}

int BUTTONCONTROL::GetCheck() const {
  return hWnd != nullptr ? static_cast<int>(SendMessageA(hWnd, BM_GETCHECK, 0, 0)) : 0;
}

// --- list and combo boxes ----------------------------------------------------

LISTCONTROL::LISTCONTROL(HWND dialog, int id) : CONTROL(dialog, id), IsListbox(HasClass(hWnd, "Listbox")) {}

bool LISTCONTROL::IsMultiSelection() const {
  return IsListbox && hWnd != nullptr &&
         (GetWindowLongA(hWnd, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

void LISTCONTROL::Reset() { SendMessageA(hWnd, IsListbox ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0); }

int LISTCONTROL::Insert(const char* text, int index) {
  return static_cast<int>(SendMessageA(hWnd, IsListbox ? LB_INSERTSTRING : CB_INSERTSTRING,
                                       static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int LISTCONTROL::Add(const char* text) {
  return static_cast<int>(
      SendMessageA(hWnd, IsListbox ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int LISTCONTROL::Find(const char* text) const {
  if (hWnd == nullptr) return -1;
  LRESULT found = SendMessageA(hWnd, IsListbox ? LB_FINDSTRING : CB_FINDSTRING, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(text != nullptr ? text : ""));
  return found < 0 ? -1 : static_cast<int>(found);
}

int LISTCONTROL::Selected(int n) const {
  if (hWnd == nullptr || n < 0) return -1;
  if (IsMultiSelection()) {
    int items[256];
    LRESULT count = SendMessageA(hWnd, LB_GETSELITEMS, 256, reinterpret_cast<LPARAM>(items));
    return n < count ? items[n] : -1;
  }
  if (n != 0) return -1;
  LRESULT current = SendMessageA(hWnd, IsListbox ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
  return current < 0 ? -1 : static_cast<int>(current);
}

STRING LISTCONTROL::ItemText(int index) const {
  if (index == -1) index = Selected(0);
  if (hWnd == nullptr || index < 0) return STRING("");
  LRESULT length = SendMessageA(hWnd, IsListbox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return STRING("");
  STRING text("");
  text.Make(static_cast<int>(length), nullptr);
  if (text.Buffer == nullptr) return STRING("");
  LRESULT got = SendMessageA(hWnd, IsListbox ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text.Buffer));
  text.Truncate(got < 0 ? 0 : static_cast<int>(got));
  return text;
}

void LISTCONTROL::Select(int index, bool on) {
  if (hWnd == nullptr) return;
  if (IsMultiSelection())
    SendMessageA(hWnd, LB_SETSEL, on ? TRUE : FALSE, static_cast<LPARAM>(index));
  else
    SendMessageA(hWnd, IsListbox ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(on ? index : -1), 0);
  NotifyParent(hWnd, 1);
}

// --- spin controls -----------------------------------------------------------

void SPINCONTROL::SetRange(int lower, int upper) {
  int upr = upper;
  int lwr = lower;
  ASSERTION_QUIET(upr<=32767, nullptr);
  ASSERTION_QUIET(lwr>=-32767, nullptr);
  if (upr > 32767) upr = 32767;
  if (lwr < -32767) lwr = -32767;
  HWND buddy = reinterpret_cast<HWND>(SendMessageA(hWnd, UDM_GETBUDDY, 0, 0));
  if (buddy != nullptr) {
    char digits[16];
    int length = wsprintfA(digits, "%d", upr);
    SendMessageA(buddy, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
  }
  SendMessageA(hWnd, UDM_SETRANGE, 0, MAKELPARAM(static_cast<short>(upr), static_cast<short>(lwr)));
}

void SPINCONTROL::SetPos(int value) { SendMessageA(hWnd, UDM_SETPOS, 0, MAKELPARAM(static_cast<short>(value), 0)); }

int SPINCONTROL::GetPos() const {
  return static_cast<short>(LOWORD(SendMessageA(hWnd, UDM_GETPOS, 0, 0)));
}

// --- progress bars -----------------------------------------------------------

PROGRESSCONTROL::PROGRESSCONTROL(HWND parent, int id)
    : CONTROL(PROGRESS_CLASSA, WS_CHILD | WS_VISIBLE, "", 0, 0, 10, 10, parent, id, 0) {
  SendMessageA(hWnd, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
}

void PROGRESSCONTROL::SetPos(int value) { SendMessageA(hWnd, PBM_SETPOS, static_cast<WPARAM>(value), 0); }
