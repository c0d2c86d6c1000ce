// The controls test dialog as a data-bound dialog for the robot scripts of
// datadialog_robot_test.sh; prints the end code and the bound values.
//   text   the edit; Send is disabled while it is empty
//   flag   the check box, bound as a choice of number 1; ticked, it hides
//          the label (show/hide rule)
//   choice the three radio buttons 0, 1, 2
//   number the spin field 0..999
//   action the action button's value, "+" added per press
#include <cstdio>

#include "tests/ui/testdialogs.h"
#include "ui/datadialoghost.h"

namespace {

STRING AddPlus(INT_PTR, HWND, STRING value) { return value || "+"; }

}  // namespace

int main() {
  STRING text(""), flag("1"), choice("1"), number("250"), action("a");
  int code;
  {
    DATADIALOGHOST dialog(DLG_CONTROLS, nullptr, GetModuleHandleA(nullptr));
    dialog.AddField(new TEXTFIELD(IDC_EDIT, &text, 40));
    dialog.AddField(new RADIOFIELD(IDC_CHECK, &flag, 1));
    for (int n = 0; n < 3; n++) dialog.AddField(new RADIOFIELD(IDC_RADIO0 + n, &choice, n));
    dialog.AddField(new SPINFIELD(IDC_NUMBER, &number, 0, 999));
    dialog.AddField(new ACTIONFIELD(IDC_ACTION, &action, AddPlus, 0));
    dialog.AddRule(IDC_SEND, IDC_EDIT, RULE_UNSET, "");
    dialog.AddRule(IDC_LABEL, IDC_CHECK, RULE_SET | RULE_SHOWHIDE, "");
    code = dialog.Run();
  }
  std::printf("end %d text=%s flag=%s choice=%s number=%s action=%s\n", code, text.Buffer, flag.Buffer,
              choice.Buffer, number.Buffer, action.Buffer);
  return 0;
}
