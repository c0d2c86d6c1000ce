// Data-bound dialogs over the controls dialog: values put and taken back by
// every field kind, after OK and after Cancel; the disable rules in every
// mode, including show/hide, radio groups and dependents with two rules.
#include <gtest/gtest.h>

#include "osys/file.h"
#include "tests/foundation/support.h"
#include "tests/ui/support.h"
#include "tests/ui/testdialogs.h"
#include "ui/control.h"
#include "ui/datadialoghost.h"

#include <commctrl.h>

using namespace uitest;

namespace {

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Visible(HWND dialog, int id) { return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }
std::string Text(HWND dialog, int id) { return WINDOW(GetDlgItem(dialog, id)).Text().Buffer; }
std::string S(const STRING& s) { return s.Buffer != nullptr ? s.Buffer : "<null>"; }

void Type(HWND dialog, int id, char ch) { SendMessageA(GetDlgItem(dialog, id), WM_CHAR, static_cast<WPARAM>(ch), 1); }

// Runs the host with a driver thread acting on it; the end code.
int RunWith(DATADIALOGHOST& dialog, std::function<void(HWND)> act) {
  HWND d = dialog.hWnd;
  DRIVER driver(d, [d, act] { act(d); });
  return dialog.Run();
}

}  // namespace

TEST(DataRules, SendStaysDisabledWhileTheEditIsEmpty) {
  STRING text("");
  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  dialog.AddField(new TEXTFIELD(IDC_EDIT, &text, 40));
  dialog.AddRule(IDC_SEND, IDC_EDIT, RULE_UNSET, "");
  dialog.PutAll();
  EXPECT_FALSE(Enabled(dialog.hWnd, IDC_SEND)) << "putting the empty value evaluates the rule";
  Type(dialog.hWnd, IDC_EDIT, 'x');
  EXPECT_TRUE(Enabled(dialog.hWnd, IDC_SEND)) << "the first character enables it";
  Type(dialog.hWnd, IDC_EDIT, '\b');
  EXPECT_FALSE(Enabled(dialog.hWnd, IDC_SEND));
}

TEST(DataRules, SetCheckUpdatesTheDependentsAndBit10000HidesInsteadOfDisabling) {
  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  dialog.AddRule(IDC_SEND, IDC_CHECK, RULE_SET, "");
  dialog.AddRule(IDC_LABEL, IDC_CHECK, RULE_SET | RULE_SHOWHIDE, "");
  dialog.AddRule(IDC_GROUP, IDC_CHECK, RULE_UNSET, "");  // WS_EX_CONTROLPARENT: shown and hidden
  BUTTONCONTROL check(dialog.hWnd, IDC_CHECK);
  check.SetCheck(BST_CHECKED);
  EXPECT_FALSE(Enabled(dialog.hWnd, IDC_SEND));
  EXPECT_FALSE(Visible(dialog.hWnd, IDC_LABEL));
  EXPECT_TRUE(Enabled(dialog.hWnd, IDC_LABEL)) << "hidden, not disabled";
  EXPECT_TRUE(Visible(dialog.hWnd, IDC_GROUP));
  check.SetCheck(BST_UNCHECKED);
  EXPECT_TRUE(Enabled(dialog.hWnd, IDC_SEND));
  EXPECT_TRUE(Visible(dialog.hWnd, IDC_LABEL));
  EXPECT_FALSE(Visible(dialog.hWnd, IDC_GROUP));
  EXPECT_TRUE(Enabled(dialog.hWnd, IDC_GROUP));
}

TEST(DataRules, ADependentStaysDisabledWhileAnyOfItsRulesHolds) {
  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  dialog.AddRule(IDC_SEND, IDC_CHECK, RULE_SET, "");
  dialog.AddRule(IDC_SEND, IDC_EDIT, RULE_UNSET, "");
  SetDlgItemTextA(dialog.hWnd, IDC_EDIT, "");
  EXPECT_FALSE(Enabled(dialog.hWnd, IDC_SEND));
  BUTTONCONTROL(dialog.hWnd, IDC_CHECK).SetCheck(BST_UNCHECKED);
  EXPECT_FALSE(Enabled(dialog.hWnd, IDC_SEND)) << "the edit's rule still holds";
  SetDlgItemTextA(dialog.hWnd, IDC_EDIT, "a");
  EXPECT_TRUE(Enabled(dialog.hWnd, IDC_SEND));
  BUTTONCONTROL(dialog.hWnd, IDC_CHECK).SetCheck(BST_CHECKED);
  EXPECT_FALSE(Enabled(dialog.hWnd, IDC_SEND));
}

TEST(DataRules, AClickOnARadioButtonEvaluatesTheRulesOfTheButtonsItUnticks) {
  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  dialog.AddRule(IDC_SEND, IDC_RADIO0, RULE_SET, "");
  SendMessageA(GetDlgItem(dialog.hWnd, IDC_RADIO0), BM_CLICK, 0, 0);
  EXPECT_FALSE(Enabled(dialog.hWnd, IDC_SEND));
  SendMessageA(GetDlgItem(dialog.hWnd, IDC_RADIO2), BM_CLICK, 0, 0);
  EXPECT_EQ(SendDlgItemMessageA(dialog.hWnd, IDC_RADIO0, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(Enabled(dialog.hWnd, IDC_SEND)) << "radio 0 sent nothing, yet its rule was evaluated";
}

TEST(DataRules, ConditionsOfEveryModeAndControlClass) {
  std::string dir = testsupport::ScratchDirectory("rules");
  std::string file = testsupport::PathIn(dir, "present.txt");
  testsupport::WriteFile(file, "x");
  std::string missing = testsupport::PathIn(dir, "absent.txt");

  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  HWND d = dialog.hWnd;
  LISTCONTROL list(d, IDC_LIST);
  for (const char* item : {"Alpha", "Beta"}) list.Add(item);
  LISTCONTROL combo(d, IDC_COMBO);
  combo.Add("One");
  struct CASE {
    int source;
    int mode;
    const char* text;
    std::function<void()> set;
    bool holds;
  } cases[] = {
      {IDC_CHECK, RULE_SET, "", [&] { CheckDlgButton(d, IDC_CHECK, BST_CHECKED); }, true},
      {IDC_CHECK, RULE_UNSET, "", [&] { CheckDlgButton(d, IDC_CHECK, BST_CHECKED); }, false},
      {IDC_CHECK, RULE_UNSET, "", [&] { CheckDlgButton(d, IDC_CHECK, BST_UNCHECKED); }, true},
      {IDC_LIST, RULE_EQUALS, "beta", [&] { list.Select(1, true); }, true},
      {IDC_LIST, RULE_DIFFERS, "beta", [&] { list.Select(1, true); }, false},
      {IDC_LIST, RULE_EQUALS, "", [&] { list.Select(-1, false); }, true},
      {IDC_COMBO, RULE_DIFFERS, "Two", [&] { combo.Select(0, true); }, true},
      {IDC_EDIT, RULE_SET, "", [&] { SetDlgItemTextA(d, IDC_EDIT, "a"); }, true},
      {IDC_EDIT, RULE_UNSET, "", [&] { SetDlgItemTextA(d, IDC_EDIT, "a"); }, false},
      {IDC_EDIT, RULE_EQUALS, "ABC", [&] { SetDlgItemTextA(d, IDC_EDIT, "abc"); }, true},
      {IDC_EDIT, RULE_DIFFERS, "ABC", [&] { SetDlgItemTextA(d, IDC_EDIT, "abc"); }, false},
      {IDC_EDIT, RULE_EXISTS, "", [&] { SetDlgItemTextA(d, IDC_EDIT, file.c_str()); }, true},
      {IDC_EDIT, RULE_EXISTS, "", [&] { SetDlgItemTextA(d, IDC_EDIT, dir.c_str()); }, true},
      {IDC_EDIT, RULE_EXISTS, "", [&] { SetDlgItemTextA(d, IDC_EDIT, missing.c_str()); }, false},
      {IDC_EDIT, RULE_MISSING, "", [&] { SetDlgItemTextA(d, IDC_EDIT, missing.c_str()); }, true},
      {IDC_EDIT, RULE_ISDIR, "", [&] { SetDlgItemTextA(d, IDC_EDIT, file.c_str()); }, false},
      {IDC_EDIT, RULE_ISDIR, "", [&] { SetDlgItemTextA(d, IDC_EDIT, dir.c_str()); }, true},
      {IDC_EDIT, RULE_NODIR, "", [&] { SetDlgItemTextA(d, IDC_EDIT, file.c_str()); }, true},
      {IDC_SEND, RULE_SET, "", [] {}, false},   // a push button never holds
      {IDC_LABEL, RULE_SET, "", [] {}, false},  // nor does a static text
  };
  for (const CASE& c : cases) {
    c.set();
    DISABLEITEM rule{d, IDC_SEND, d, c.source, c.mode, STRING(c.text)};
    EXPECT_EQ(DATADIALOG::Holds(rule), c.holds) << "source " << c.source << " mode " << c.mode;
  }
}

TEST(DataRules, AModeOutsideTheTableIsReportedAndDoesNotHold) {
  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  testsupport::ReportCapture reports;
  for (auto [source, mode] : {std::pair{IDC_CHECK, RULE_EQUALS}, {IDC_LIST, RULE_SET}, {IDC_EDIT, 8}}) {
    DISABLEITEM rule{dialog.hWnd, IDC_SEND, dialog.hWnd, source, mode, STRING("")};
    EXPECT_FALSE(DATADIALOG::Holds(rule)) << source;
  }
  EXPECT_EQ(reports.Conditions(), (std::vector<std::string>{"FALSE", "FALSE", "FALSE"}));
}

TEST(DataFields, RadioValuesAfterOkAndAfterCancel) {
  struct CASE {
    const char* start;
    int click;
    int end;
    const char* after;
  } cases[] = {
      {"1", IDC_RADIO2, IDOK, "2"},
      {"1", IDC_RADIO2, IDCANCEL, "1"},
      {"7", 0, IDOK, "7"},  // no button ticked: the value stays
      {"0", 0, IDOK, "0"},
  };
  for (const CASE& c : cases) {
    STRING value(c.start);
    DATADIALOGHOST dialog(DLG_CONTROLS, nullptr, TestModule());
    for (int n = 0; n < 3; n++) dialog.AddField(new RADIOFIELD(IDC_RADIO0 + n, &value, n));
    bool putChecked = false;
    int code = RunWith(dialog, [&](HWND d) {
      putChecked = IsDlgButtonChecked(d, IDC_RADIO0 + StrAtoi(c.start)) == BST_CHECKED || StrAtoi(c.start) > 2;
      if (c.click != 0) Click(d, c.click);
      Click(d, c.end);
    });
    EXPECT_TRUE(putChecked) << c.start;
    EXPECT_EQ(code, c.end == IDOK ? 1 : 0);
    EXPECT_EQ(S(value), c.after) << c.start << " " << c.end;
  }
}

TEST(DataFields, TextFieldPutsLimitsAndSelectsAndTheCloseBoxTakesValuesBack) {
  STRING text("hello");
  DATADIALOGHOST dialog(DLG_CONTROLS, nullptr, TestModule());
  dialog.AddField(new TEXTFIELD(IDC_EDIT, &text, 8));
  DWORD start = 1, end = 0;
  LRESULT limit = 0;
  int code = RunWith(dialog, [&](HWND d) {
    HWND edit = GetDlgItem(d, IDC_EDIT);
    limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SetWindowTextA(edit, "changed");
    PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(code, 2);
  EXPECT_EQ(limit, 8);
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u) << "all of the text is selected";
  EXPECT_TRUE((GetWindowLongA(GetDlgItem(dialog.hWnd, IDC_EDIT), GWL_STYLE) & ES_AUTOHSCROLL) != 0);
  EXPECT_EQ(S(text), "changed") << "the close box takes the values back";
}

TEST(DataFields, ListBindingWithAndWithoutItemList) {
  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  HWND d = dialog.hWnd;
  LISTCONTROL list(d, IDC_LIST);
  for (const char* item : {"Alpha", "Beta"}) list.Add(item);

  STRING absent("Omega");
  LISTFIELD plain(IDC_LIST, &absent);
  plain.Put(d);
  EXPECT_EQ(list.Selected(0), -1) << "a value not in the list selects nothing";
  plain.Get(d);
  EXPECT_EQ(S(absent), "");

  STRING present("beta");
  LISTFIELD found(IDC_LIST, &present);
  found.Put(d);
  EXPECT_EQ(list.Selected(0), 1);

  DYNARRAY items(STRING("Red|Green|Blue|green"), "|");
  STRING chosen("GREEN");
  LISTFIELD multi(IDC_MULTILIST, &chosen);
  multi.Items = &items;
  multi.Put(d);
  LISTCONTROL many(d, IDC_MULTILIST);
  EXPECT_EQ(std::string(many.ItemText(3).Buffer), "green") << "filled from the item list";
  EXPECT_EQ(many.Selected(0), 1);
  EXPECT_EQ(many.Selected(1), 3) << "every equal item is selected";
  multi.Get(d);
  EXPECT_EQ(S(chosen), "Green") << "the first selected item's text";

  STRING none("Omega");
  LISTFIELD multiAbsent(IDC_MULTILIST, &none);
  multiAbsent.Put(d);
  EXPECT_EQ(many.Selected(0), -1) << "not every item, as index -1 would select";
}

TEST(DataFields, SpinFieldTakesTheFirstFreeIdFrom65000AndLimitsItsEdit) {
  struct CASE {
    int dialog;
    int spinId;
  } cases[] = {{DLG_CONTROLS, 65000}, {DLG_SPINFREE, 65001}};
  for (const CASE& c : cases) {
    STRING number("250");
    DATADIALOG dialog(c.dialog, nullptr, TestModule());
    HWND d = dialog.hWnd;
    auto* field = new SPINFIELD(IDC_NUMBER, &number, 0, 999);
    dialog.AddField(field);
    dialog.PutAll();
    ASSERT_NE(field->Spin, nullptr);
    EXPECT_EQ(GetDlgCtrlID(field->Spin->hWnd), c.spinId);
    EXPECT_TRUE(HasClass(field->Spin->hWnd, "msctls_updown32"));
    HWND edit = GetDlgItem(d, IDC_NUMBER);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(field->Spin->hWnd, UDM_GETBUDDY, 0, 0)), edit);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_TRUE((GetWindowLongA(edit, GWL_STYLE) & ES_NUMBER) != 0);
    EXPECT_EQ(Text(d, IDC_NUMBER), "250");
    dialog.PutAll();
    EXPECT_EQ(GetDlgItem(d, c.spinId + 1), nullptr) << "made once";
    SetWindowTextA(edit, "37");
    dialog.GetAll();
    EXPECT_EQ(S(number), "37");
  }
}

namespace {
std::string HandlerSaw;
STRING RecordingHandler(INT_PTR user, HWND dialog, STRING value) {
  HandlerSaw = std::to_string(user) + ":" + (dialog != nullptr ? "dialog" : "none") + ":" + value.Buffer;
  return value || "+";
}
}  // namespace

TEST(DataFields, ActionButtonCallsItsHandlerAndOnlyActionButtonsArePressed) {
  STRING value("v");
  DATADIALOGHOST dialog(DLG_CONTROLS, nullptr, TestModule());
  dialog.AddField(new ACTIONFIELD(IDC_ACTION, &value, RecordingHandler, 42));
  int code = RunWith(dialog, [](HWND d) {
    Click(d, IDC_ACTION);
    Click(d, IDC_ACTION);
    Click(d, IDOK);
  });
  EXPECT_EQ(code, 1) << "an action button does not end the dialog";
  EXPECT_EQ(HandlerSaw, "42:dialog:v+");
  EXPECT_EQ(S(value), "v++");

  STRING text("t");
  DATADIALOG other(DLG_CONTROLS, nullptr, TestModule());
  other.AddField(new TEXTFIELD(IDC_SEND, &text, 10));
  testsupport::ReportCapture reports;
  Click(other.hWnd, IDC_SEND);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"this->Magic==0x50555348"});
}

TEST(DataFields, MissingControlsAndTooManyFieldsAreReported) {
  STRING value("x");
  DATADIALOG dialog(DLG_BASIC, nullptr, TestModule());
  testsupport::ReportCapture reports;
  TEXTFIELD(4000, &value, 5).Put(dialog.hWnd);
  RADIOFIELD(4000, &value, 1).Put(dialog.hWnd);
  LISTFIELD(4000, &value).Put(dialog.hWnd);
  EXPECT_EQ(reports.Conditions(), (std::vector<std::string>{"e.Hwnd()", "radio.Hwnd()", "lb.Hwnd()"}));
  EXPECT_EQ(reports.Reports()[0].Info, "4000");
  reports.Clear();
  for (int i = 0; i < 65; i++) dialog.AddField(new TEXTFIELD(IDC_EDIT, &value, 5));
  EXPECT_EQ(dialog.Howmany, 64);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"this->Howmany < this->Max"});
  reports.Clear();
  int count = 0;
  for (int i = 0; i < 65; i++) count = dialog.AddRule(IDC_SEND, IDC_EDIT, RULE_SET, "");
  EXPECT_EQ(count, 64);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"this->DisableItemCount<ARRAYMAX(this->DisableItems)"});
}

TEST(DataHost, HostedDialogsArePutAndTakenBackAndCancelledWithTheHost) {
  for (int end : {IDOK, IDCANCEL}) {
    STRING outer("outer"), inner("inner");
    DATADIALOGHOST host(DLG_CONTROLS, nullptr, TestModule());
    host.AddField(new TEXTFIELD(IDC_EDIT, &outer, 20));
    auto* hosted = new DATADIALOG(DLG_BASIC, host.hWnd, TestModule());
    hosted->AddField(new TEXTFIELD(IDC_EDIT, &inner, 20));
    host.AddHosted(1, hosted);
    HWND hostedWindow = hosted->hWnd;
    std::string innerShown;
    RunWith(host, [&](HWND d) {
      innerShown = Text(hostedWindow, IDC_EDIT);
      SetDlgItemTextA(d, IDC_EDIT, "OUTER");
      SetDlgItemTextA(hostedWindow, IDC_EDIT, "INNER");
      Click(d, end);
    });
    EXPECT_EQ(innerShown, "inner");
    EXPECT_EQ(S(outer), end == IDOK ? "OUTER" : "outer");
    EXPECT_EQ(S(inner), end == IDOK ? "INNER" : "inner");
  }
}
