// Commands about the controls of the current window: check, wait, read,
// type, press, tick, untick, pick, choose.
#include "tools/robot/actions.h"
#include "tools/robot/commands.h"
#include "tools/robot/finder.h"
#include "tools/robot/text_util.h"
#include "tools/robot/window_facts.h"

#include <cctype>

namespace robot {

namespace {

// A state of a control that check tests once and wait waits for.
struct Predicate {
  const char* name;
  bool takes_text;
  const char* wanted;  // for messages: "enabled", "with the text"
  // Whether it holds; otherwise *actual describes what holds instead.
  bool (*holds)(HWND control, const std::string& text, std::string* actual);
};

bool HasText(HWND control, const std::string& text, std::string* actual) {
  std::string shown = ShownText(control);
  *actual = "its text is " + Quoted(shown);
  return shown == text;
}

bool ContainsText(HWND control, const std::string& text, std::string* actual) {
  std::string shown = ShownText(control);
  *actual = "its text is " + Quoted(shown);
  return shown.find(text) != std::string::npos;
}

bool IsEnabled(HWND control, const std::string&, std::string* actual) {
  *actual = "it is disabled";
  return IsWindowEnabled(control);
}

bool IsDisabled(HWND control, const std::string&, std::string* actual) {
  *actual = "it is enabled";
  return !IsWindowEnabled(control);
}

bool IsShown(HWND control, const std::string&, std::string* actual) {
  *actual = "it is hidden";
  return IsWindowVisible(control);
}

bool IsHidden(HWND control, const std::string&, std::string* actual) {
  *actual = "it is visible";
  return !IsWindowVisible(control);
}

bool HasCheckState(HWND control, int wanted, std::string* actual) {
  Kind kind = KindOf(control);
  if (kind != Kind::kCheckBox && kind != Kind::kRadioButton) {
    *actual = std::string("it is a ") + KindName(kind) + ", not a check box or radio button";
    return false;
  }
  int state = CheckStateOf(control);
  *actual = state == BST_CHECKED ? "it is checked"
            : state == BST_INDETERMINATE ? "it is indeterminate" : "it is unchecked";
  return state == wanted;
}

bool IsChecked(HWND control, const std::string&, std::string* actual) {
  return HasCheckState(control, BST_CHECKED, actual);
}

bool IsUnchecked(HWND control, const std::string&, std::string* actual) {
  return HasCheckState(control, BST_UNCHECKED, actual);
}

constexpr Predicate kPredicates[] = {
  {"text", true, "with the text", HasText},
  {"contains", true, "with a text containing", ContainsText},
  {"enabled", false, "enabled", IsEnabled},
  {"disabled", false, "disabled", IsDisabled},
  {"visible", false, "visible", IsShown},
  {"hidden", false, "hidden", IsHidden},
  {"checked", false, "checked", IsChecked},
  {"unchecked", false, "unchecked", IsUnchecked},
};

const Predicate* FindPredicate(const std::string& name) {
  for (const Predicate& p : kPredicates) {
    if (name == p.name) return &p;
  }
  return nullptr;
}

// The selector in args.positional[index] and the current window it is
// looked up in; a failure when either is missing.
bool PrepareLookup(Session& session, const Args& args, size_t index, ControlSelector* selector,
                   double* seconds, Outcome* failure) {
  std::string error;
  if (!session.TimeoutOf(args, seconds, &error)) {
    *failure = FailWithoutTree("a time-out", error);
    return false;
  }
  if (!ParseControlSelector(args.positional[index], selector, &error)) {
    *failure = FailWithoutTree("a control name", error);
    return false;
  }
  HWND window = session.current_window();
  if (!window || !IsWindow(window)) {
    *failure = FailOnDisplay("a current window (wait for one with wait-window or wait-dialog)",
                             window ? "the current window is gone" : "none was waited for yet");
    return false;
  }
  return true;
}

// Finds the control named by args.positional[index], waiting for it to
// appear up to the step's time-out.
bool LookUpControl(Session& session, const Args& args, size_t index, HWND* control,
                   Outcome* failure) {
  ControlSelector selector;
  double seconds;
  if (!PrepareLookup(session, args, index, &selector, &seconds, failure)) return false;
  HWND window = session.current_window();
  if (PollUntil(Deadline(seconds),
                [&] { return (*control = FindControl(window, selector)) != nullptr; }))
    return true;
  *failure = Fail(selector.Describe() + " in the current window within " + FormatSeconds(seconds),
                  IsWindow(window) ? "there is no such control" : "the current window is gone");
  return false;
}

// A failure when a user could not operate the control.
bool RefuseUnusable(HWND control, const char* action, Outcome* failure) {
  std::string why;
  if (UsableByUser(control, &why)) return true;
  *failure = Fail(std::string("a control a user could ") + action, why);
  return false;
}

bool RefuseOtherKind(HWND control, bool acceptable, const char* wanted, Outcome* failure) {
  if (acceptable) return true;
  *failure = Fail(std::string("a ") + wanted,
                  Describe(control) + " is a " + KindName(KindOf(control)));
  return false;
}

bool IsButton(HWND control) { return EqualsNoCase(BaseClassOf(control), "Button"); }
bool IsCheckBox(HWND control) { return KindOf(control) == Kind::kCheckBox; }
bool IsRadioButton(HWND control) { return KindOf(control) == Kind::kRadioButton; }
bool IsList(HWND control) {
  Kind kind = KindOf(control);
  return kind == Kind::kListBox || kind == Kind::kComboBox;
}
bool HasEdit(HWND control) { return TypingTarget(control) != nullptr; }

// Looks up the control named first in args and refuses it when it is not of
// the kind the command acts on or when a user could not operate it.
bool ReachControl(Session& session, const Args& args, bool (*is_kind)(HWND),
                  const char* kind_wanted, const char* action, HWND* control, Outcome* failure) {
  return LookUpControl(session, args, 0, control, failure) &&
         RefuseOtherKind(*control, is_kind(*control), kind_wanted, failure) &&
         RefuseUnusable(*control, action, failure);
}

Outcome SetCheckBox(Session& session, const Args& args, int wanted) {
  HWND box;
  Outcome failure;
  if (!ReachControl(session, args, IsCheckBox, "check box", "click", &box, &failure)) return failure;
  // A three-state box may need a click more to come round to the state.
  for (int clicks = 0; clicks < 3 && CheckStateOf(box) != wanted; ++clicks) {
    int before = CheckStateOf(box);
    Click(box);
    if (CheckStateOf(box) == before)
      return Fail(Describe(box) + " changing when clicked", "it stayed as it was");
  }
  if (CheckStateOf(box) != wanted)
    return Fail(Describe(box) + (wanted == BST_CHECKED ? " checked" : " unchecked"),
                "three clicks did not get it there");
  return Pass();
}

int FindItem(const std::vector<std::string>& items, const std::string& text) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  return -1;
}

std::string ListOfItems(const std::vector<std::string>& items) {
  std::string list;
  for (const std::string& item : items) list += (list.empty() ? "" : ", ") + Quoted(item);
  return list.empty() ? "no items" : "the items " + list;
}

Outcome TestPredicate(Session& session, const Args& args, bool wait) {
  const Predicate* predicate = FindPredicate(args.positional[0]);
  const std::string text = args.positional.size() > 2 ? args.positional[2] : std::string();
  ControlSelector selector;
  double seconds;
  Outcome failure;
  if (!PrepareLookup(session, args, 1, &selector, &seconds, &failure)) return failure;
  HWND window = session.current_window();
  HWND control = nullptr;
  std::string actual;
  Deadline deadline(seconds);
  bool found = false;
  bool holds = false;
  if (wait) {
    // Looked up on every poll: a wizard may replace the page holding it.
    holds = PollUntil(deadline, [&] {
      control = FindControl(window, selector);
      found = found || control != nullptr;
      return control && predicate->holds(control, text, &actual);
    });
    found = found && control != nullptr;
  } else {
    found = PollUntil(deadline, [&] { return (control = FindControl(window, selector)) != nullptr; });
    holds = found && predicate->holds(control, text, &actual);
  }
  if (holds) return Pass();
  std::string expected = selector.Describe() + " " + predicate->wanted +
                         (predicate->takes_text ? " " + Quoted(text) : std::string());
  if (wait || !found) expected += " within " + FormatSeconds(seconds);
  if (!found) return Fail(expected, "there is no such control");
  return Fail(expected, Describe(control) + ": " + actual);
}

}  // namespace

Outcome RunCheck(Session& session, const Args& args) { return TestPredicate(session, args, false); }

Outcome RunWait(Session& session, const Args& args) { return TestPredicate(session, args, true); }

Outcome RunRead(Session& session, const Args& args) {
  HWND control;
  Outcome failure;
  if (!LookUpControl(session, args, 0, &control, &failure)) return failure;
  session.SetVariable(args.positional[1], ShownText(control));
  return Pass();
}

Outcome RunType(Session& session, const Args& args) {
  HWND control;
  Outcome failure;
  if (!ReachControl(session, args, HasEdit, "control to type into (an edit)", "type into", &control,
                    &failure))
    return failure;
  HWND edit = TypingTarget(control);
  if (GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY)
    return Fail("an edit a user could type into", Describe(control) + " is read-only");
  TypeText(control, edit, args.positional[1]);
  return Pass();
}

Outcome RunPress(Session& session, const Args& args) {
  HWND button;
  Outcome failure;
  if (!ReachControl(session, args, IsButton, "button", "press", &button, &failure)) return failure;
  Click(button);
  return Pass();
}

Outcome RunTick(Session& session, const Args& args) {
  return SetCheckBox(session, args, BST_CHECKED);
}

Outcome RunUntick(Session& session, const Args& args) {
  return SetCheckBox(session, args, BST_UNCHECKED);
}

Outcome RunPick(Session& session, const Args& args) {
  HWND radio;
  Outcome failure;
  if (!ReachControl(session, args, IsRadioButton, "radio button", "click", &radio, &failure))
    return failure;
  Click(radio);
  if (CheckStateOf(radio) != BST_CHECKED)
    return Fail(Describe(radio) + " checked after a click", "it is not checked");
  return Pass();
}

Outcome RunChoose(Session& session, const Args& args) {
  HWND list;
  Outcome failure;
  if (!ReachControl(session, args, IsList, "list box or combo box", "choose from", &list, &failure))
    return failure;
  std::vector<std::string> items = ListItems(list);
  int index = -1;
  if (const std::string* position = args.Option("index")) {
    long long value;
    if (!ParseInteger(*position, &value) || value < 0 ||
        value >= static_cast<long long>(items.size()))
      return Fail("an item at index " + *position, Describe(list) + " has " + ListOfItems(items));
    index = static_cast<int>(value);
  } else {
    index = FindItem(items, args.positional[1]);
    if (index < 0)
      return Fail("an item " + Quoted(args.positional[1]), Describe(list) + " has " +
                                                                ListOfItems(items));
  }
  std::string error;
  if (!ChooseItem(list, index, &error)) return Fail("a choice of item " + std::to_string(index), error);
  return Pass();
}

bool CheckControlFirst(const std::vector<Token>& positional, std::string* error) {
  ControlSelector selector;
  const std::string& name = positional[0].text;
  return name.find('$') != std::string::npos || ParseControlSelector(name, &selector, error);
}

bool CheckPredicate(const std::vector<Token>& positional, std::string* error) {
  const Predicate* predicate = FindPredicate(positional[0].text);
  if (!predicate) {
    std::string names;
    for (const Predicate& p : kPredicates) names += std::string(names.empty() ? "" : ", ") + p.name;
    *error = "'" + positional[0].text + "' is no state to test (known: " + names + ")";
    return false;
  }
  if (predicate->takes_text != (positional.size() == 3)) {
    *error = std::string(predicate->name) +
             (predicate->takes_text ? " needs a control and a text" : " needs a control only");
    return false;
  }
  ControlSelector selector;
  const std::string& name = positional[1].text;
  return name.find('$') != std::string::npos || ParseControlSelector(name, &selector, error);
}

bool CheckRead(const std::vector<Token>& positional, std::string* error) {
  if (!CheckControlFirst(positional, error)) return false;
  const std::string& name = positional[1].text;
  bool valid = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]));
  for (char c : name) valid = valid && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
  if (!valid) *error = "'" + name + "' is no variable name (letters, digits and _)";
  return valid;
}

}  // namespace robot
