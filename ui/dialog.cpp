#include "ui/dialog.h"

#include <commctrl.h>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "ui/control.h"
#include "ui/help.h"

namespace {

// Templates may hold common controls (spin, progress, list view).
void RegisterCommonControls() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                 ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)registered;
}

}  // namespace

DIALOG::DIALOG(int templateId, HWND parent, HINSTANCE module) : WINDOW(nullptr) {
  Id = templateId;
  RegisterCommonControls();
  HINSTANCE from = module != nullptr ? module : static_cast<HINSTANCE>(ResourceModule);
  HWND created = CreateDialogParamA(from, MAKEINTRESOURCEA(templateId & 0xFFFF), parent, Procedure,
                                    reinterpret_cast<LPARAM>(this));
  hWnd = created;
  char info[16];
  wsprintfA(info, "%d", templateId);
  ASSERTION(this->hWnd, info);
  if (hWnd != nullptr) CenterOn(parent);
}

DIALOG::~DIALOG() {
  if (hWnd != nullptr) DestroyWindow(hWnd);
  hWnd = nullptr;
}

LRESULT DIALOG::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return WINDOW::WindowProc(message, wParam, lParam);
}

INT_PTR CALLBACK DIALOG::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG && lParam != 0) {
    auto* self = reinterpret_cast<DIALOG*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
    self->hWnd = window;
  }
  auto* self = reinterpret_cast<DIALOG*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return 0;
  LRESULT hooked = self->MsgHook != nullptr ? self->MsgHook(window, message, wParam, lParam) : 0;
  LogHotKeys(message, wParam, lParam);
  if (message == WM_DESTROY) self->DIALOG::DialogProc(message, wParam, lParam);
  INT_PTR result = hooked != 0 ? hooked : self->DialogProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The handle is gone: the object stays, holding no window.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->hWnd = nullptr;
  }
  return result;
}

INT_PTR DIALOG::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      if (lParam == 0) return 0;
      PostMessageA(hWnd, WM_FRAMEWORK_INIT, 0, 0);
      return 1;
    case WM_FRAMEWORK_INIT:
      DialogProc(WM_INITDIALOG, 0, 0);
      return 0;
    case WM_CLOSE:
      End(2);
      return 1;
    case WM_HELP:
      return ContextHelp(hWnd, Id) ? 1 : 0;
    case WM_COMMAND: {
      HWND sender = reinterpret_cast<HWND>(lParam);
      if (HIWORD(wParam) != 0 || !IsPushButton(sender)) return 0;
      int id = LOWORD(wParam);
      if (id == 9)
        ContextHelp(hWnd, Id);
      else
        End(id == IDCANCEL ? 0 : id);
      return 1;
    }
    case WM_FRAMEWORK_QUERYID:
      if (wParam != 0) *reinterpret_cast<int*>(wParam) = Id;
      return 0;
    case WM_DESTROY:
      hWnd = nullptr;
      MsgHook = nullptr;
      return 0;
    default:
      return 0;
  }
}

void DIALOG::End(int code) {
  if (hWnd != nullptr) PostMessageA(hWnd, WM_FRAMEWORK_END, static_cast<WPARAM>(code), 0);
}

int ModalMessageLoop(HWND dialog) {
  MSG msg;
  for (;;) {
    if (GetMessageA(&msg, nullptr, 0, 0) == -1) continue;
    if (msg.message != WM_FRAMEWORK_END && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    if (msg.message == WM_FRAMEWORK_END && msg.hwnd == dialog) return static_cast<int>(msg.wParam);
    // A dialog destroyed under the loop (with its parent, say) can receive
    // no end message any more: it counts as closed.
    if (!IsWindow(dialog)) return 2;
  }
}

int DIALOG::Run() {
  HWND dialog = hWnd;
  if (dialog == nullptr) return 0;
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOWNORMAL);
  SetForegroundWindow(dialog);
  int code = ModalMessageLoop(dialog);
  if (owner != nullptr) EnableWindow(owner, TRUE);
  ShowWindow(dialog, SW_HIDE);
  return code;
}
