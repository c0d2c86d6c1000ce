// The control kinds over the controls of a real dialog: check boxes that
// notify as a click, list and combo boxes with single and multiple
// selection, the spin control's buddy limit, progress bars.
#include <gtest/gtest.h>

#include "tests/foundation/support.h"
#include "tests/ui/support.h"
#include "tests/ui/testdialogs.h"
#include "ui/control.h"
#include "ui/dialog.h"

#include <commctrl.h>

using namespace uitest;

namespace {

class COMMANDDIALOG : public DIALOG {
 public:
  COMMANDDIALOG() : DIALOG(DLG_CONTROLS, nullptr, TestModule()) {}
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    // Edits report their focus changes too; the tests watch the others.
    if (message == WM_COMMAND && LOWORD(wParam) != IDC_EDIT) Commands.push_back(wParam);
    return DIALOG::DialogProc(message, wParam, lParam);
  }
  std::vector<WPARAM> Commands;
};

void Fill(LISTCONTROL& list) {
  for (const char* item : {"Alpha", "Beta", "Gamma", "Delta"}) list.Add(item);
}

}  // namespace

TEST(Buttons, SetCheckMakesTheDialogSeeTheCommandOfAClick) {
  COMMANDDIALOG dialog;
  BUTTONCONTROL check(dialog.hWnd, IDC_CHECK);
  check.SetCheck(BST_CHECKED);
  EXPECT_EQ(check.GetCheck(), BST_CHECKED);
  std::vector<WPARAM> bySetCheck = dialog.Commands;
  dialog.Commands.clear();
  SendMessageA(check.hWnd, BM_CLICK, 0, 0);
  EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
  ASSERT_EQ(bySetCheck.size(), 1u);
  EXPECT_EQ(bySetCheck, dialog.Commands) << "the same WM_COMMAND as a click";
  EXPECT_EQ(bySetCheck[0], MAKEWPARAM(IDC_CHECK, BN_CLICKED));
}

TEST(Buttons, PushAndRadioButtonsAreToldApart) {
  DIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  struct CASE {
    int id;
    bool push, radio;
  } cases[] = {{IDOK, true, false},       {IDCANCEL, true, false}, {IDC_SEND, true, false},
               {IDC_RADIO1, false, true}, {IDC_CHECK, false, false}, {IDC_EDIT, false, false},
               {IDC_LIST, false, false}};
  for (const CASE& c : cases) {
    EXPECT_EQ(IsPushButton(GetDlgItem(dialog.hWnd, c.id)), c.push) << c.id;
    EXPECT_EQ(IsRadioButton(GetDlgItem(dialog.hWnd, c.id)), c.radio) << c.id;
  }
  EXPECT_FALSE(IsPushButton(nullptr));
}

TEST(Lists, SingleSelectionListAndComboSelectFindAndGiveTheirTexts) {
  COMMANDDIALOG dialog;
  for (int id : {IDC_LIST, IDC_COMBO}) {
    LISTCONTROL list(dialog.hWnd, id);
    EXPECT_EQ(list.IsListbox, id == IDC_LIST);
    Fill(list);
    EXPECT_EQ(list.Selected(0), -1);
    EXPECT_EQ(std::string(list.ItemText(-1).Buffer), "") << "nothing selected";
    EXPECT_EQ(list.Find("gam"), 2) << "from the start, by prefix, without regard to case";
    EXPECT_EQ(list.Find("Omega"), -1);
    dialog.Commands.clear();
    list.Select(1, true);
    EXPECT_EQ(list.Selected(0), 1);
    EXPECT_EQ(list.Selected(1), -1) << "a single selection has no second item";
    EXPECT_EQ(std::string(list.ItemText(-1).Buffer), "Beta");
    EXPECT_EQ(std::string(list.ItemText(3).Buffer), "Delta");
    EXPECT_EQ(std::string(list.ItemText(9).Buffer), "") << "an invalid index";
    ASSERT_EQ(dialog.Commands.size(), 1u);
    EXPECT_EQ(dialog.Commands[0], MAKEWPARAM(id, 1)) << "Select notifies a selection change";
    list.Select(1, false);
    EXPECT_EQ(list.Selected(0), -1);
    list.Insert("First", 0);
    EXPECT_EQ(std::string(list.ItemText(0).Buffer), "First");
    list.Reset();
    EXPECT_EQ(list.Find("Alpha"), -1);
  }
}

TEST(Lists, MultipleSelectionGivesTheNthSelectedItem) {
  DIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  LISTCONTROL list(dialog.hWnd, IDC_MULTILIST);
  ASSERT_TRUE(list.IsMultiSelection());
  Fill(list);
  list.Select(3, true);
  list.Select(1, true);
  EXPECT_EQ(list.Selected(0), 1);
  EXPECT_EQ(list.Selected(1), 3);
  EXPECT_EQ(list.Selected(2), -1) << "fewer are selected";
  EXPECT_EQ(std::string(list.ItemText(-1).Buffer), "Beta");
  list.Select(1, false);
  EXPECT_EQ(list.Selected(0), 3);
  list.Select(-1, false);
  EXPECT_EQ(list.Selected(0), -1);
}

TEST(Spin, TheRangeLimitsTheBuddyEditToTheDigitsOfTheUpperBound) {
  DIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  CONTROL spin(UPDOWN_CLASSA, WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, "", 0, 0, 0, 0, dialog.hWnd, 3000, 0);
  SendMessageA(spin.hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog.hWnd, IDC_NUMBER)), 0);
  SPINCONTROL view(spin.hWnd, -1);
  struct CASE {
    int lower, upper;
    LRESULT limit;
  } cases[] = {{0, 250, 3}, {0, 9, 1}, {-5, 32767, 5}, {0, 1000, 4}};
  for (const CASE& c : cases) {
    view.SetRange(c.lower, c.upper);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog.hWnd, IDC_NUMBER), EM_GETLIMITTEXT, 0, 0), c.limit) << c.upper;
    LRESULT range = SendMessageA(spin.hWnd, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(static_cast<short>(LOWORD(range)), c.upper);
    EXPECT_EQ(static_cast<short>(HIWORD(range)), c.lower);
  }
  view.SetRange(0, 250);
  view.SetPos(42);
  EXPECT_EQ(view.GetPos(), 42);
  char text[16] = "";
  GetDlgItemTextA(dialog.hWnd, IDC_NUMBER, text, sizeof text);
  EXPECT_STREQ(text, "42") << "the buddy shows the position";
}

TEST(Spin, ARangeBeyondSixteenBitsIsReportedQuietlyAndClamped) {
  DIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  CONTROL spin(UPDOWN_CLASSA, WS_VISIBLE, "", 0, 0, 0, 0, dialog.hWnd, 3000, 0);
  SPINCONTROL view(spin.hWnd, -1);
  testsupport::ReportCapture reports;
  view.SetRange(-40000, 40000);
  ASSERT_EQ(reports.Conditions(), (std::vector<std::string>{"upr<=32767", "lwr>=-32767"}));
  EXPECT_FALSE(reports.Reports()[0].ShowsBox) << "quiet";
  LRESULT range = SendMessageA(spin.hWnd, UDM_GETRANGE, 0, 0);
  EXPECT_EQ(static_cast<short>(LOWORD(range)), 32767);
  EXPECT_EQ(static_cast<short>(HIWORD(range)), -32767);
}

TEST(Progress, ABarIsCreatedShownWithRangeZeroToHundredAndOwned) {
  DIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  HWND bar;
  {
    PROGRESSCONTROL progress(dialog.hWnd, 4000);
    bar = progress.hWnd;
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetDlgItem(dialog.hWnd, 4000), bar);
    EXPECT_TRUE((GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), 0);
    progress.SetPos(40);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 40);
  }
  EXPECT_FALSE(IsWindow(bar)) << "a created control is destroyed with its object";
}
