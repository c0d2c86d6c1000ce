// DIALOG: its messages from creation through the init message to
// destruction, and the modal loop's end codes for the close box, Cancel,
// OK, Enter and other push buttons.
#include <gtest/gtest.h>

#include <functional>

#include "tests/foundation/support.h"
#include "tests/ui/support.h"
#include "tests/ui/testdialogs.h"
#include "ui/dialog.h"

using namespace uitest;

namespace {

std::vector<LOGGED> Log;
HWND Watched = nullptr;

LRESULT RecordingHook(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  Log.push_back({HOOK, message, wParam, lParam});
  return 0;
}

LRESULT CALLBACK SentMessages(int code, WPARAM wParam, LPARAM lParam) {
  auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && (sent->hwnd == Watched || (Watched == nullptr && sent->message == WM_INITDIALOG)))
    Log.push_back({SENT, sent->message, sent->wParam, sent->lParam});
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class SEQUENCEDIALOG : public DIALOG {
 public:
  SEQUENCEDIALOG() : DIALOG(DLG_BASIC, nullptr, TestModule()) { MsgHook = RecordingHook; }
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    Log.push_back({HANDLER, message, wParam, lParam});
    if (message == WM_INITDIALOG && lParam == 0) {
      SetDlgItemTextA(hWnd, IDC_EDIT, "filled");
      HandleSeenAtDestroy = hWnd;
    }
    if (message == WM_DESTROY) HandleSeenAtDestroy = hWnd;
    return DIALOG::DialogProc(message, wParam, lParam);
  }
  HWND HandleSeenAtDestroy = reinterpret_cast<HWND>(1);
};

const std::vector<UINT> Lifecycle = {WM_INITDIALOG, WM_FRAMEWORK_INIT, WM_CLOSE, WM_FRAMEWORK_END,
                                     WM_DESTROY,    WM_NCDESTROY};

}  // namespace

TEST(DialogRouting, MessagesFromCreationThroughInitToDestruction) {
  Log.clear();
  Watched = nullptr;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, SentMessages, nullptr, GetCurrentThreadId());
  auto* dialog = new SEQUENCEDIALOG;
  ASSERT_NE(dialog->hWnd, nullptr);
  Watched = dialog->hWnd;
  EXPECT_EQ(dialog->Id, DLG_BASIC);
  EXPECT_FALSE(IsWindowVisible(dialog->hWnd)) << "hidden until Run";

  PostMessageA(dialog->hWnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog->Run(), 2);
  char text[32] = "";
  GetDlgItemTextA(dialog->hWnd, IDC_EDIT, text, sizeof text);
  EXPECT_STREQ(text, "filled") << "the derived set-up ran at the init message";
  EXPECT_FALSE(IsWindowVisible(dialog->hWnd)) << "Run hides the dialog";
  EXPECT_TRUE(IsWindow(dialog->hWnd)) << "Run does not destroy it";

  DestroyWindow(dialog->hWnd);
  EXPECT_EQ(dialog->HandleSeenAtDestroy, nullptr) << "hWnd is null when the derived handler sees WM_DESTROY";
  EXPECT_EQ(dialog->hWnd, nullptr);
  delete dialog;
  UnhookWindowsHookEx(hook);
  Watched = nullptr;

  const std::vector<EXPECTED> expected = {
      {SENT, WM_INITDIALOG, EXPECTED::NONZERO},
      {HOOK, WM_FRAMEWORK_INIT},
      {HANDLER, WM_FRAMEWORK_INIT},
      {HANDLER, WM_INITDIALOG, EXPECTED::ZERO},
      {HOOK, WM_CLOSE},
      {HANDLER, WM_CLOSE},
      {HOOK, WM_FRAMEWORK_END},
      {HANDLER, WM_FRAMEWORK_END},
      {SENT, WM_DESTROY},
      {HOOK, WM_DESTROY},
      {HANDLER, WM_DESTROY},
      {SENT, WM_NCDESTROY},
      {HANDLER, WM_NCDESTROY},
  };
  EXPECT_EQ(CompareSequence(Filter(Log, Lifecycle), expected), "");
}

TEST(DialogRouting, ANonZeroHookResultAnswersInsteadOfTheHandler) {
  struct SWALLOWING : DIALOG {
    SWALLOWING() : DIALOG(DLG_BASIC, nullptr, TestModule()) {
      MsgHook = [](HWND, UINT message, WPARAM, LPARAM) -> LRESULT { return message == WM_CLOSE ? 1 : 0; };
    }
  } dialog;
  // The hook swallows WM_CLOSE, so only the Cancel button ends the loop.
  PostMessageA(dialog.hWnd, WM_CLOSE, 0, 0);
  PostMessageA(dialog.hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog.hWnd, IDCANCEL)));
  EXPECT_EQ(dialog.Run(), 0);
}

TEST(DialogRun, EndCodesOfTheCloseBoxCancelOkEnterAndOtherButtons) {
  struct CASE {
    const char* what;
    std::function<void(HWND)> act;
    int code;
  } cases[] = {
      {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, 2},
      {"Cancel", [](HWND d) { Click(d, IDCANCEL); }, 0},
      {"Escape", [](HWND d) {
         PostMessageA(GetDlgItem(d, IDC_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
       }, 0},
      {"OK", [](HWND d) { Click(d, IDOK); }, 1},
      {"Enter", [](HWND d) { PostMessageA(GetDlgItem(d, IDC_EDIT), WM_KEYDOWN, VK_RETURN, 0); }, 1},
      {"another push button", [](HWND d) { Click(d, IDC_SEND); }, IDC_SEND},
  };
  for (const CASE& c : cases) {
    DIALOG dialog(DLG_BASIC, nullptr, TestModule());
    HWND d = dialog.hWnd;
    int code;
    {
      DRIVER driver(d, [&] { c.act(d); });
      code = dialog.Run();
    }
    EXPECT_EQ(code, c.code) << c.what;
  }
}

TEST(DialogRun, TheOwnerIsDisabledWhileTheLoopRunsAndEnabledAfterwards) {
  DIALOG owner(DLG_BASIC, nullptr, TestModule());
  ShowWindow(owner.hWnd, SW_SHOW);
  DIALOG dialog(DLG_BASIC, owner.hWnd, TestModule());
  ASSERT_EQ(GetWindow(dialog.hWnd, GW_OWNER), owner.hWnd);
  bool disabledDuringRun = false;
  int code;
  {
    DRIVER driver(dialog.hWnd, [&] {
      disabledDuringRun = !IsWindowEnabled(owner.hWnd);
      Click(dialog.hWnd, IDOK);
    });
    code = dialog.Run();
  }
  EXPECT_EQ(code, 1);
  EXPECT_TRUE(disabledDuringRun);
  EXPECT_TRUE(IsWindowEnabled(owner.hWnd));
}

TEST(DialogRun, ADialogCanRunTwice) {
  DIALOG dialog(DLG_BASIC, nullptr, TestModule());
  PostMessageA(dialog.hWnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.Run(), 2);
  dialog.End(77);
  EXPECT_EQ(dialog.Run(), 77);
}

TEST(DialogRun, AnEndMessageForAnotherDialogDoesNotEndThisLoop) {
  DIALOG first(DLG_BASIC, nullptr, TestModule());
  DIALOG second(DLG_BASIC, nullptr, TestModule());
  second.End(5);
  first.End(6);
  EXPECT_EQ(first.Run(), 6);
}

TEST(DialogCreation, AMissingTemplateIsReportedWithItsId) {
  testsupport::ReportCapture reports;
  DIALOG missing(4242, nullptr, TestModule());
  EXPECT_EQ(missing.hWnd, nullptr);
  ASSERT_EQ(reports.Reports().size(), 1u);
  EXPECT_EQ(reports.Reports()[0].Condition, "this->hWnd");
  EXPECT_EQ(reports.Reports()[0].Info, "4242");
  EXPECT_EQ(missing.Run(), 0) << "a dialog without window runs nothing";
}
