// DATADIALOG: a dialog whose controls are bound to STRING values through
// fields (ui/datafield.h), with disable rules that enable or disable, or
// show or hide, controls from the state of other controls while the user
// works. The wizard's pages are of this class; DATADIALOGHOST runs the
// put/run/take-back cycle as its modal loop.
//
// A rule's condition, by the watched control's class (low 12 bits of the
// mode; the dependent is disabled, or hidden, while it holds):
//   check box, radio button   0 ticked, 1 not ticked
//   list box, combo box       2 first selected text equals the rule's text,
//                             3 differs (case-insensitive; empty when none)
//   edit                      0 not empty, 1 empty, 2 equals, 3 differs,
//                             4 a file or directory of that name exists,
//                             5 nothing of that name exists, 6 a directory
//                             exists, 7 no directory exists
//   anything else             never holds
// Mode bit 0x10000, or WS_EX_CONTROLPARENT on the dependent, shows and hides
// instead of enabling and disabling. A dependent stays disabled while any
// of its rules holds. Rules are evaluated in answer to the watched
// control's commands (clicks, edit changes, selection changes); a click on
// a radio button evaluates every rule that watches a radio button, since
// the buttons it unticks send nothing. The commands that PutAll causes
// bring every dependent up to date.
#pragma once

#include "ui/datafield.h"
#include "ui/dialog.h"

// Conditions of the disable rules.
constexpr int RULE_SET = 0;        // ticked; edit not empty
constexpr int RULE_UNSET = 1;      // not ticked; edit empty
constexpr int RULE_EQUALS = 2;     // text equals the rule's text
constexpr int RULE_DIFFERS = 3;    // text differs from it
constexpr int RULE_EXISTS = 4;     // a file or directory of that name exists
constexpr int RULE_MISSING = 5;    // nothing of that name exists
constexpr int RULE_ISDIR = 6;      // a directory of that name exists
constexpr int RULE_NODIR = 7;      // no directory of that name exists
constexpr int RULE_SHOWHIDE = 0x10000;

struct DISABLEITEM {
  HWND DependentDialog;
  int DependentId;
  HWND SourceDialog;
  int SourceId;
  int Mode;
  STRING Text;
};

// Called for every WM_COMMAND and WM_NOTIFY before the dialog handles it.
using COMMANDHOOK = void (*)(void* user, UINT message, WPARAM wParam, LPARAM lParam);

class DATADIALOG : public DIALOG {
 public:
  DATADIALOG(int templateId, HWND parent, HINSTANCE module);

  // Slot order: destructor, WindowProc, DialogProc, Run, End, PutAll,
  // GetAll, Cancel.
  ~DATADIALOG() override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Every field puts its value into its control; the number of fields.
  virtual int PutAll();
  // Unless cancelled, every field takes its value back; the number of
  // fields, or 0.
  virtual int GetAll();
  // Values are no longer taken back.
  virtual void Cancel();

  // Takes ownership; beyond 64 fields the field is reported and deleted.
  void AddField(DATAFIELD* field);
  // A rule with both controls in this dialog; the number of rules.
  int AddRule(int dependentId, int sourceId, int mode, const char* text);
  int AddRule(HWND dependentDialog, int dependentId, HWND sourceDialog, int sourceId, int mode, const char* text);
  // Whether the rule's condition holds now.
  static bool Holds(const DISABLEITEM& rule);

  DATAFIELD* Fields[64];
  int Howmany;
  int Max;
  DISABLEITEM DisableItems[64];
  int DisableItemCount;
  COMMANDHOOK CommandHook;
  void* CommandHookUser;
  int Accept;

 protected:
  void EvaluateRules(int sourceId, HWND sender);

 private:
  void Press(int id);
  bool DependentHolds(const DISABLEITEM& rule, int except) const;
};
