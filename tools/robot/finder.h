// Finding windows the way a script names them: top-level windows and dialogs
// by caption, class and query id; controls inside a window by id, by class
// and caption, or by class and position.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace robot {

// What a script asks of a window. A top-level window matches when every
// given part matches; with an id, windows inside top-level windows (wizard
// pages are child dialogs) match too.
struct WindowSpec {
  std::optional<std::string> title;   // the caption, exactly
  std::optional<std::string> klass;   // the class name, without regard to case
  std::optional<int32_t> id;          // the answer to the query-id message
  std::string Describe() const;       // for messages: window "Setup" class=#32770
};

bool Matches(HWND window, const WindowSpec& spec);

// Every top-level window of the desktop, front to back.
std::vector<HWND> TopLevelWindows();

// Every window inside root, nearest first: its children in the order the
// system keeps them (for dialogs, the order of the template), then their
// children, and so on; at most a bounded number.
std::vector<HWND> Descendants(HWND root);

// The first visible window matching spec, or nullptr.
HWND FindVisibleWindow(const WindowSpec& spec);
// Whether some window matches except that it is hidden.
bool HiddenWindowMatches(const WindowSpec& spec);

// How a script names a control inside the current window:
//   .            the current window itself
//   1007, 0x3EF  the control id
//   @Edit        the first control of that class
//   @Edit:2      the second one
//   @Button=Save the control of that class with that caption (ampersands of
//                mnemonics ignored); @*=Save any class
struct ControlSelector {
  enum class By { kSelf, kId, kClass } by = By::kSelf;
  int id = 0;
  std::string klass;                  // "*" for any class
  int nth = 1;                        // with kClass and no caption
  std::optional<std::string> caption;
  std::string Describe() const;       // "control 1007", "Button \"Save\"", "Edit #2"
};

bool ParseControlSelector(std::string_view text, ControlSelector* selector, std::string* error);

// The nearest control inside root that matches (a dialog's own button 1
// before a list view 1 inside one of its panes); a visible one is preferred
// over a hidden one (a wizard may keep hidden pages). @Class:N counts in the
// same order, hidden controls included. nullptr when none matches.
HWND FindControl(HWND root, const ControlSelector& selector);

}  // namespace robot
