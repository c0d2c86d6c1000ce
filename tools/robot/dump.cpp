#include "tools/robot/dump.h"

#include "tools/robot/finder.h"
#include "tools/robot/query_id.h"
#include "tools/robot/text_util.h"
#include "tools/robot/window_facts.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace robot {

namespace {

// Bounds for a tree that changes while it is written.
constexpr int kDeepest = 64;
constexpr size_t kMostLines = 20000;

const char* ButtonStyleWord(LONG_PTR style) {
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON: return "push";
    case BS_DEFPUSHBUTTON: return "defpush";
    case BS_CHECKBOX: return "checkbox";
    case BS_AUTOCHECKBOX: return "autocheckbox";
    case BS_RADIOBUTTON: return "radio";
    case BS_AUTORADIOBUTTON: return "autoradio";
    case BS_3STATE: return "3state";
    case BS_AUTO3STATE: return "auto3state";
    case BS_GROUPBOX: return "groupbox";
    case BS_OWNERDRAW: return "ownerdraw";
    default: return "button";
  }
}

void AddWord(std::string* line, bool present, const char* word) {
  if (present) {
    *line += ' ';
    *line += word;
  }
}

void AddClassStyle(std::string* line, Kind kind, LONG_PTR style) {
  switch (kind) {
    case Kind::kPushButton: case Kind::kCheckBox: case Kind::kRadioButton:
    case Kind::kGroupBox: case Kind::kOtherButton:
      AddWord(line, true, ButtonStyleWord(style));
      break;
    case Kind::kEdit:
      AddWord(line, style & ES_MULTILINE, "multiline");
      AddWord(line, style & ES_PASSWORD, "password");
      AddWord(line, style & ES_READONLY, "readonly");
      AddWord(line, style & ES_NUMBER, "number");
      AddWord(line, style & ES_UPPERCASE, "uppercase");
      AddWord(line, style & ES_LOWERCASE, "lowercase");
      break;
    case Kind::kListBox:
      AddWord(line, style & LBS_SORT, "sort");
      AddWord(line, style & LBS_MULTIPLESEL, "multisel");
      AddWord(line, style & LBS_EXTENDEDSEL, "extsel");
      AddWord(line, style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE), "ownerdraw");
      AddWord(line, style & LBS_NOTIFY, "notify");
      break;
    case Kind::kComboBox: {
      LONG_PTR type = style & 3;
      AddWord(line, true, type == CBS_SIMPLE ? "simple"
                          : type == CBS_DROPDOWNLIST ? "dropdownlist" : "dropdown");
      AddWord(line, style & CBS_SORT, "sort");
      AddWord(line, style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE), "ownerdraw");
      break;
    }
    case Kind::kStatic: {
      LONG_PTR type = style & SS_TYPEMASK;
      AddWord(line, type == SS_ICON, "icon");
      AddWord(line, type == SS_BITMAP, "bitmap");
      AddWord(line, (type >= SS_BLACKRECT && type <= SS_WHITEFRAME), "frame");
      AddWord(line, type >= SS_ETCHEDHORZ && type <= SS_ETCHEDFRAME, "etched");
      AddWord(line, type == SS_OWNERDRAW, "ownerdraw");
      break;
    }
    case Kind::kOther:
      break;
  }
}

const char* CheckWord(int state) {
  switch (state) {
    case BST_CHECKED: return "checked";
    case BST_INDETERMINATE: return "indeterminate";
    default: return "unchecked";
  }
}

std::string WindowLine(HWND window) {
  Kind kind = KindOf(window);
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  std::string line = ClassOf(window) + " id=" + std::to_string(ControlIdOf(window));
  if (std::optional<int32_t> qid = AskForId(window)) line += " qid=" + std::to_string(*qid);
  line += " " + Quoted(TextOf(window));
  AddClassStyle(&line, kind, style);
  if (!IsTopLevel(window)) {
    AddWord(&line, style & WS_TABSTOP, "tabstop");
    AddWord(&line, style & WS_GROUP, "group");
  }
  line += (style & WS_VISIBLE) ? " visible" : " hidden";
  line += IsWindowEnabled(window) ? " enabled" : " disabled";
  if (kind == Kind::kCheckBox || kind == Kind::kRadioButton) {
    line += ' ';
    line += CheckWord(CheckStateOf(window));
  }
  if (kind == Kind::kListBox || kind == Kind::kComboBox)
    line += " sel=" + std::to_string(ListSelection(window));
  return line;
}

void DumpInto(HWND window, int depth, size_t* budget, std::string* out) {
  if (*budget == 0) return;
  --*budget;
  std::string indent(static_cast<size_t>(depth) * 2, ' ');
  *out += indent + WindowLine(window) + "\n";
  Kind kind = KindOf(window);
  if (kind == Kind::kListBox || kind == Kind::kComboBox) {
    int selected = ListSelection(window);
    std::vector<std::string> items = ListItems(window);
    for (size_t i = 0; i < items.size(); ++i) {
      *out += indent + "  item " + Quoted(items[i]);
      if (static_cast<int>(i) == selected) *out += " selected";
      *out += "\n";
    }
  }
  if (depth >= kDeepest) return;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    DumpInto(child, depth + 1, budget, out);
}

}  // namespace

std::string DumpTree(HWND root) {
  std::string out;
  size_t budget = kMostLines;
  if (IsWindow(root)) DumpInto(root, 0, &budget, &out);
  return out;
}

std::string DumpDisplay() {
  std::vector<std::pair<std::string, HWND>> windows;
  for (HWND top : TopLevelWindows()) {
    if (IsWindowVisible(top)) windows.emplace_back(ClassOf(top) + "\n" + TextOf(top), top);
  }
  std::stable_sort(windows.begin(), windows.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string out;
  size_t budget = kMostLines;
  for (const auto& entry : windows) DumpInto(entry.second, 0, &budget, &out);
  return out;
}

}  // namespace robot
