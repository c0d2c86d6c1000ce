// What the robot reads from a window of another process: class, id, text,
// kind of control, states and list items. Every read goes through messages
// the system carries across processes, with a reply time-out, so a hung
// program cannot hang the robot.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace robot {

// How long a single message to another program may take to be answered.
constexpr UINT kReplyTimeoutMs = 2000;

// Sends a message and waits at most timeout_ms for the reply; false when the
// window did not answer in time (the message may still be processed later).
bool SendWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                     LRESULT* result, UINT timeout_ms = kReplyTimeoutMs);

std::string ClassOf(HWND window);
// The class the window's behaviour comes from (a superclassed button reads
// "Button").
std::string BaseClassOf(HWND window);

// The text the system keeps as the window's caption.
std::string CaptionOf(HWND window);

// The window's text: the caption of a top-level window, what WM_GETTEXT
// gives for a control (edits answer with their contents).
std::string TextOf(HWND window);

// The control id of a child window; 0 for top-level windows, whose id field
// holds a menu handle.
int ControlIdOf(HWND window);

bool IsTopLevel(HWND window);

enum class Kind {
  kPushButton, kCheckBox, kRadioButton, kGroupBox, kOtherButton,
  kEdit, kListBox, kComboBox, kStatic, kOther
};
Kind KindOf(HWND window);
const char* KindName(Kind kind);  // "push button", "check box", ...

// BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE of a check box or radio button.
int CheckStateOf(HWND button);

// Items of a list box or combo box (ListItems), and the selected index (-1
// for none). Lists whose items carry no strings give "#N" placeholders.
std::vector<std::string> ListItems(HWND list);
int ListSelection(HWND list);

// The text a user reads on the control: the selected item of a list box,
// the window text of anything else.
std::string ShownText(HWND control);

// The edit a user types into: the control itself for an edit, the edit
// inside a combo box or extended combo box with one; nullptr otherwise.
HWND TypingTarget(HWND control);

// Short description for messages: Button id=1007 "&Apply".
std::string Describe(HWND window);

// Whether a user could operate the control: it and every window above it
// visible and enabled. When not, *why says which one is not.
bool UsableByUser(HWND control, std::string* why);

}  // namespace robot
