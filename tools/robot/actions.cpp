#include "tools/robot/actions.h"

#include "tools/robot/window_facts.h"

namespace robot {

namespace {

void Deliver(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  SendWithTimeout(window, message, wparam, lparam, nullptr, kSettleMs);
}

}  // namespace

void FocusControl(HWND control) {
  HWND dialog = GetParent(control);
  if (dialog && ClassOf(dialog) == "#32770")
    Deliver(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void Click(HWND button) { Deliver(button, BM_CLICK, 0, 0); }

void TypeText(HWND control, HWND edit, const std::string& text) {
  FocusControl(control);
  Deliver(edit, EM_SETSEL, 0, -1);
  if (!TextOf(edit).empty()) Deliver(edit, WM_CHAR, VK_BACK, 1);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n' && i > 0 && text[i - 1] == '\r') continue;
    if (c == '\n') c = '\r';
    Deliver(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
}

bool ChooseItem(HWND list, int index, std::string* error) {
  FocusControl(list);
  HWND parent = GetParent(list);
  WPARAM id = static_cast<WPARAM>(ControlIdOf(list)) & 0xFFFF;
  LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
  bool combo = KindOf(list) == Kind::kComboBox;
  LRESULT result = LB_ERR;
  if (combo) {
    SendWithTimeout(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0, &result);
  } else if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
    Deliver(list, LB_SETSEL, FALSE, -1);
    if (SendWithTimeout(list, LB_SETSEL, TRUE, index, &result) && result != LB_ERR)
      Deliver(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
  } else {
    SendWithTimeout(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0, &result);
  }
  if (result == LB_ERR || ListSelection(list) != index) {
    *error = std::string(combo ? "the combo box" : "the list box") + " refused item " +
             std::to_string(index);
    return false;
  }
  // The notification the list itself sends when a user changes the selection.
  if (combo)
    Deliver(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  else if (style & LBS_NOTIFY)
    Deliver(parent, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  return true;
}

void RequestClose(HWND window) { Deliver(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace robot
