#include "tools/robot/window_facts.h"

#include "tools/robot/text_util.h"

#include <algorithm>
#include <iterator>

namespace robot {

bool SendWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                     LRESULT* result, UINT timeout_ms) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG, timeout_ms,
                           &answer))
    return false;
  if (result) *result = static_cast<LRESULT>(answer);
  return true;
}

std::string ClassOf(HWND window) {
  char name[256];
  int n = GetClassNameA(window, name, sizeof name);
  return n > 0 ? std::string(name, n) : std::string();
}

std::string BaseClassOf(HWND window) {
  char name[256];
  UINT n = RealGetWindowClassA(window, name, sizeof name);
  return n > 0 && n < sizeof name ? std::string(name, n) : ClassOf(window);
}

namespace {

// Texts longer than this are cut: a dump line or a comparison needs no more.
constexpr LRESULT kLongestText = 1 << 20;

bool SendWideWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                         LRESULT* result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                           &answer))
    return false;
  *result = static_cast<LRESULT>(answer);
  return true;
}

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
  return out;
}

// A text asked for with a length message and a text message. The wide
// messages are used because Wine passes the ANSI list-item messages between
// processes without converting the text.
std::string TextByMessages(HWND window, UINT length_message, UINT text_message, WPARAM index) {
  LRESULT length = 0;
  if (!SendWideWithTimeout(window, length_message, index, 0, &length) || length < 0) return {};
  length = std::min(length, kLongestText);
  // Room for a terminator and for lengths that grew since they were asked.
  std::wstring buffer(static_cast<size_t>(length) + 64, L'\0');
  LRESULT copied = 0;
  WPARAM wparam = text_message == WM_GETTEXT ? buffer.size() : index;
  if (!SendWideWithTimeout(window, text_message, wparam, reinterpret_cast<LPARAM>(buffer.data()),
                           &copied) ||
      copied < 0)
    return {};
  buffer.resize(wcsnlen(buffer.data(), buffer.size()));
  return ToAnsi(buffer);
}

}  // namespace

std::string CaptionOf(HWND window) {
  // Kept by the system: asking for it sends the window no message, so a busy
  // program cannot delay it.
  wchar_t caption[1024];
  int n = InternalGetWindowText(window, caption, static_cast<int>(std::size(caption)));
  return n > 0 ? ToAnsi(std::wstring(caption, static_cast<size_t>(n))) : std::string();
}

std::string TextOf(HWND window) {
  if (IsTopLevel(window)) return CaptionOf(window);
  LRESULT length = 0;
  if (SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length))
    return TextByMessages(window, WM_GETTEXTLENGTH, WM_GETTEXT, 0);
  return CaptionOf(window);
}

bool IsTopLevel(HWND window) {
  return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) == 0;
}

int ControlIdOf(HWND window) {
  if (IsTopLevel(window)) return 0;
  return static_cast<int>(GetWindowLongPtrA(window, GWLP_ID));
}

namespace {

// Button types of the Vista-era common controls, pushed like push buttons.
constexpr LONG_PTR kSplitButton = 0xC, kDefSplitButton = 0xD, kCommandLink = 0xE,
                   kDefCommandLink = 0xF;

}  // namespace

Kind KindOf(HWND window) {
  std::string base = BaseClassOf(window);
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  if (EqualsNoCase(base, "Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: case BS_PUSHBOX:
      case kSplitButton: case kDefSplitButton: case kCommandLink: case kDefCommandLink:
        return Kind::kPushButton;
      case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
        return Kind::kCheckBox;
      case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
        return Kind::kRadioButton;
      case BS_GROUPBOX:
        return Kind::kGroupBox;
      default:
        return Kind::kOtherButton;
    }
  }
  if (EqualsNoCase(base, "Edit")) return Kind::kEdit;
  if (EqualsNoCase(base, "ListBox") || EqualsNoCase(base, "ComboLBox")) return Kind::kListBox;
  if (EqualsNoCase(base, "ComboBox")) return Kind::kComboBox;
  if (EqualsNoCase(base, "Static")) return Kind::kStatic;
  return Kind::kOther;
}

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::kPushButton: return "push button";
    case Kind::kCheckBox: return "check box";
    case Kind::kRadioButton: return "radio button";
    case Kind::kGroupBox: return "group box";
    case Kind::kOtherButton: return "button";
    case Kind::kEdit: return "edit";
    case Kind::kListBox: return "list box";
    case Kind::kComboBox: return "combo box";
    case Kind::kStatic: return "static text";
    case Kind::kOther: return "window";
  }
  return "window";
}

int CheckStateOf(HWND button) {
  LRESULT state = BST_UNCHECKED;
  SendWithTimeout(button, BM_GETCHECK, 0, 0, &state);
  return static_cast<int>(state);
}

namespace {

struct ListMessages {
  UINT count, text_length, text, selection;
  LONG_PTR owner_drawn, has_strings;
};

ListMessages MessagesFor(HWND list) {
  if (KindOf(list) == Kind::kComboBox)
    return {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL,
            CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS};
  return {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL,
          LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS};
}

bool IsMultipleSelection(HWND list) {
  return KindOf(list) == Kind::kListBox &&
         (GetWindowLongPtrA(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

}  // namespace

std::vector<std::string> ListItems(HWND list) {
  ListMessages m = MessagesFor(list);
  LRESULT count = 0;
  if (!SendWithTimeout(list, m.count, 0, 0, &count) || count < 0) return {};
  LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
  bool strings = !(style & m.owner_drawn) || (style & m.has_strings);
  std::vector<std::string> items;
  for (LRESULT i = 0; i < count && i < 100000; ++i) {
    if (!strings) {
      items.push_back("#" + std::to_string(i));
      continue;
    }
    items.push_back(TextByMessages(list, m.text_length, m.text, static_cast<WPARAM>(i)));
  }
  return items;
}

int ListSelection(HWND list) {
  ListMessages m = MessagesFor(list);
  LRESULT index = -1;
  if (IsMultipleSelection(list)) {
    // The first selected item stands for the selection.
    LRESULT count = 0;
    SendWithTimeout(list, LB_GETCOUNT, 0, 0, &count);
    for (LRESULT i = 0; i < count && i < 100000; ++i) {
      LRESULT on = 0;
      if (SendWithTimeout(list, LB_GETSEL, static_cast<WPARAM>(i), 0, &on) && on > 0)
        return static_cast<int>(i);
    }
    return -1;
  }
  if (!SendWithTimeout(list, m.selection, 0, 0, &index)) return -1;
  return index < 0 ? -1 : static_cast<int>(index);
}

std::string ShownText(HWND control) {
  if (KindOf(control) == Kind::kListBox) {
    int selected = ListSelection(control);
    if (selected < 0) return {};
    std::vector<std::string> items = ListItems(control);
    return static_cast<size_t>(selected) < items.size() ? items[selected] : std::string();
  }
  return TextOf(control);
}

HWND TypingTarget(HWND control) {
  Kind kind = KindOf(control);
  if (kind == Kind::kEdit) return control;
  // A combo box with an edit, or an extended combo box holding such a combo.
  if (kind != Kind::kComboBox && !EqualsNoCase(BaseClassOf(control), "ComboBoxEx32")) return nullptr;
  for (HWND child = GetWindow(control, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (KindOf(child) == Kind::kEdit) return child;
    if (KindOf(child) == Kind::kComboBox) return TypingTarget(child);
  }
  return nullptr;
}

std::string Describe(HWND window) {
  std::string text = TextOf(window);
  if (text.size() > 60) text = text.substr(0, 57) + "...";
  return ClassOf(window) + " id=" + std::to_string(ControlIdOf(window)) + " " + Quoted(text);
}

bool UsableByUser(HWND control, std::string* why) {
  for (HWND w = control; w; w = IsTopLevel(w) ? nullptr : GetParent(w)) {
    bool self = w == control;
    if (!(GetWindowLongPtrA(w, GWL_STYLE) & WS_VISIBLE)) {
      *why = self ? Describe(w) + " is hidden" : "the window holding it, " + Describe(w) +
                                                      ", is hidden";
      return false;
    }
    if (!IsWindowEnabled(w)) {
      *why = self ? Describe(w) + " is disabled"
                  : "the window holding it, " + Describe(w) +
                        ", is disabled (is a modal window open?)";
      return false;
    }
  }
  return true;
}

}  // namespace robot
