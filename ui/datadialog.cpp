#include "ui/datadialog.h"

#include "foundation/log.h"
#include "osys/paths.h"
#include "ui/control.h"

#define ARRAYMAX(a) (static_cast<int>(sizeof(a) / sizeof((a)[0])))

DATADIALOG::DATADIALOG(int templateId, HWND parent, HINSTANCE module)
    : DIALOG(templateId, parent, module),
      Fields{},
      Howmany(0),
      Max(64),
      DisableItems{},
      DisableItemCount(0),
      CommandHook(nullptr),
      CommandHookUser(nullptr),
      Accept(1) {}

DATADIALOG::~DATADIALOG() {
  for (int i = Howmany - 1; i >= 0; i--) {
    delete Fields[i];
    Fields[i] = nullptr;
  }
  for (DISABLEITEM& rule : DisableItems) rule.Text.Free();
}

void DATADIALOG::AddField(DATAFIELD* field) {
  ASSERTION(this->Howmany < this->Max, nullptr);
  if (Howmany >= Max) {
    delete field;
    return;
  }
  Fields[Howmany++] = field;
}

int DATADIALOG::AddRule(int dependentId, int sourceId, int mode, const char* text) {
  return AddRule(hWnd, dependentId, hWnd, sourceId, mode, text);
}

int DATADIALOG::AddRule(HWND dependentDialog, int dependentId, HWND sourceDialog, int sourceId, int mode,
                        const char* text) {
  ASSERTION(this->DisableItemCount<ARRAYMAX(this->DisableItems), nullptr);
  if (DisableItemCount >= ARRAYMAX(DisableItems)) return DisableItemCount;
  DISABLEITEM& rule = DisableItems[DisableItemCount++];
  rule.DependentDialog = dependentDialog;
  rule.DependentId = dependentId;
  rule.SourceDialog = sourceDialog;
  rule.SourceId = sourceId;
  rule.Mode = mode;
  rule.Text = text != nullptr ? text : "";
  return DisableItemCount;
}

int DATADIALOG::PutAll() {
  for (int i = 0; i < Howmany; i++) Fields[i]->Put(hWnd);
  return Howmany;
}

int DATADIALOG::GetAll() {
  if (!Accept) return 0;
  for (int i = 0; i < Howmany; i++) Fields[i]->Get(hWnd);
  return Howmany;
}

void DATADIALOG::Cancel() { Accept = 0; }

INT_PTR DATADIALOG::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    if (CommandHook != nullptr) CommandHook(CommandHookUser, message, wParam, lParam);
    return DIALOG::DialogProc(message, wParam, lParam);
  }
  if (message != WM_COMMAND) return DIALOG::DialogProc(message, wParam, lParam);

  if (CommandHook != nullptr) CommandHook(CommandHookUser, message, wParam, lParam);
  int id = LOWORD(wParam);
  int code = HIWORD(wParam);
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (code == 0 && IsPushButton(sender)) {
    if (id != 9) {
      for (int i = 0; i < Howmany; i++) {
        if (Fields[i]->Id == id) {
          Press(i);
          return 1;
        }
      }
    }
    return DIALOG::DialogProc(message, wParam, lParam);
  }
  if (code == 0 || code == EN_CHANGE || code == 1) EvaluateRules(id, sender);
  return DIALOG::DialogProc(message, wParam, lParam);
}

// Only an action button can be pressed; any other field of a push button's
// id is reported with the action button's check.
void DATADIALOG::Press(int index) {
  auto* action = dynamic_cast<ACTIONFIELD*>(Fields[index]);
  if (action == nullptr) {
    ReportAssertion(0, "this->Magic==0x50555348", __FILE__, __LINE__, nullptr, 0);
    return;
  }
  action->Press();
}

namespace {

STRING ControlText(HWND control) { return WINDOW(control).Text(); }

bool Equal(const STRING& a, const STRING& b) {
  return StrICmp(a.Buffer != nullptr ? a.Buffer : "", b.Buffer != nullptr ? b.Buffer : "") == 0;
}

bool NotInTable(int mode) {
  ReportAssertion(0, "FALSE", __FILE__, __LINE__, nullptr, 0);
  (void)mode;
  return false;
}

}  // namespace

bool DATADIALOG::Holds(const DISABLEITEM& rule) {
  HWND control = GetDlgItem(rule.SourceDialog, rule.SourceId);
  int mode = rule.Mode & 0xFFF;
  if (HasClass(control, "BUTTON") && !IsPushButton(control)) {
    bool ticked = SendMessageA(control, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
    if (mode == RULE_SET) return ticked;
    if (mode == RULE_UNSET) return !ticked;
    return NotInTable(mode);
  }
  if (HasClass(control, "LISTBOX") || HasClass(control, "COMBOBOX")) {
    STRING selected = LISTCONTROL(control, -1).ItemText(-1);
    if (mode == RULE_EQUALS) return Equal(selected, rule.Text);
    if (mode == RULE_DIFFERS) return !Equal(selected, rule.Text);
    return NotInTable(mode);
  }
  if (HasClass(control, "EDIT")) {
    STRING text = ControlText(control);
    const char* name = text.Buffer != nullptr ? text.Buffer : "";
    switch (mode) {
      case RULE_SET: return text.StrLen > 0;
      case RULE_UNSET: return text.StrLen == 0;
      case RULE_EQUALS: return Equal(text, rule.Text);
      case RULE_DIFFERS: return !Equal(text, rule.Text);
      case RULE_EXISTS: return *name != 0 && OSYS::FileExists(name);
      case RULE_MISSING: return *name == 0 || !OSYS::FileExists(name);
      case RULE_ISDIR: return *name != 0 && OSYS::IsDirectory(name);
      case RULE_NODIR: return *name == 0 || !OSYS::IsDirectory(name);
      default: return NotInTable(mode);
    }
  }
  return false;
}

bool DATADIALOG::DependentHolds(const DISABLEITEM& rule, int except) const {
  for (int i = 0; i < DisableItemCount; i++) {
    if (i == except) continue;
    const DISABLEITEM& other = DisableItems[i];
    if (other.DependentDialog == rule.DependentDialog && other.DependentId == rule.DependentId && Holds(other))
      return true;
  }
  return false;
}

void DATADIALOG::EvaluateRules(int sourceId, HWND sender) {
  bool radio = IsRadioButton(sender);
  for (int i = 0; i < DisableItemCount; i++) {
    const DISABLEITEM& rule = DisableItems[i];
    bool watches = (rule.SourceDialog == hWnd && rule.SourceId == sourceId) ||
                   (radio && IsRadioButton(GetDlgItem(rule.SourceDialog, rule.SourceId)));
    if (!watches) continue;
    bool holds = Holds(rule) || DependentHolds(rule, i);
    HWND dependent = GetDlgItem(rule.DependentDialog, rule.DependentId);
    if (dependent == nullptr) continue;
    bool showHide = (GetWindowLongA(dependent, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 || (rule.Mode & RULE_SHOWHIDE) != 0;
    if (showHide)
      ShowWindow(dependent, holds ? SW_HIDE : SW_SHOW);
    else
      EnableWindow(dependent, holds ? FALSE : TRUE);
  }
}
