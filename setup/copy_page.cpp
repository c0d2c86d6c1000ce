// Step 4, the copy page: a progress bar in place of placeholder 901, the
// frame's buttons disabled, and the copy worker (setup/copyworker.h) on a
// thread of its own while the page loop runs. The page ends only once the
// worker has ended.
#include <windows.h>
#include <commctrl.h>

#include "foundation/log.h"
#include "osys/osys.h"
#include "setup/copyworker.h"
#include "setup/installpages.h"

namespace SETUP {

namespace {

constexpr int PROGRESS_ID = 901;

// The progress bar (range 0 to 100) where the placeholder was.
HWND ReplacePlaceholderByProgressBar(HWND page) {
  HWND placeholder = GetDlgItem(page, PROGRESS_ID);
  RECT r{};
  GetWindowRect(placeholder, &r);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
  DestroyWindow(placeholder);
  HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, page, reinterpret_cast<HMENU>(PROGRESS_ID),
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(page, GWLP_HINSTANCE)), nullptr);
  SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  return bar;
}

// The close box is no way out while files are being copied: it would end
// the page loop while the worker still needs the frame.
void AllowClosing(HWND frame, bool allow) {
  EnableMenuItem(GetSystemMenu(frame, FALSE), SC_CLOSE, MF_BYCOMMAND | (allow ? MF_ENABLED : MF_GRAYED));
}

// Waits for the worker while answering the messages it sends to this
// thread's windows (the frame's focus message, button states), which a
// plain wait would leave unanswered for ever.
void WaitForWorker(OSYS::THREADHANDLE worker) {
  while (!OSYS::WaitThread(worker, 20)) {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

int CopyPage(SETUPDIALOG* frame, DATADIALOG* page) {
  HWND frameWindow = frame->Hwnd();
  static INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  COPYWORK work{frameWindow, ReplacePlaceholderByProgressBar(page->Hwnd()), page->Hwnd()};

  SetFocus(FrameButton(frameWindow, IDCANCEL));
  EnableWindow(FrameButton(frameWindow, IDC_SETUP_BACK), FALSE);
  EnableWindow(FrameButton(frameWindow, IDC_SETUP_NEXT), FALSE);
  EnableWindow(FrameButton(frameWindow, IDCANCEL), FALSE);
  AllowClosing(frameWindow, false);

  OSYS::THREADHANDLE worker = OSYS::CreateThread(CopyWorker, &work);
  if (!ASSERTION(worker != nullptr, "copy worker")) {
    // No thread, no copy: the user can go back or cancel.
    EnableWindow(FrameButton(frameWindow, IDC_SETUP_BACK), TRUE);
    EnableWindow(FrameButton(frameWindow, IDCANCEL), TRUE);
  }
  int result = frame->Run();
  if (worker != nullptr) WaitForWorker(worker);
  AllowClosing(frameWindow, true);
  SetFocus(frameWindow);
  DestroyWindow(work.Progress);
  return result;
}

}  // namespace SETUP
