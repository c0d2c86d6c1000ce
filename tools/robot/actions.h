// What a user does to a control, delivered so that the program sees what it
// would see from the mouse and keyboard: a click is BM_CLICK (the button
// then sends BN_CLICKED itself), typing is WM_CHAR per character (the edit
// sends EN_CHANGE itself), a choice in a list is the selection plus the
// notification the list would send.
//
// Each message is sent and its handling awaited for at most kSettleMs: most
// handlers finish in that time, so the next step sees their effect; a
// handler that opens a modal window (a message box) keeps running while the
// robot goes on to answer that window.
#pragma once

#include <windows.h>

#include <string>

namespace robot {

constexpr UINT kSettleMs = 300;

// Moves the keyboard focus to the control the way the dialog holding it does
// (WM_NEXTDLGCTL), as a click or the tab key would.
void FocusControl(HWND control);

void Click(HWND button);

// Replaces the text of edit (the control itself, or the edit inside the combo
// box control) as typing would: focus, select all, delete, one character at
// a time. A newline is typed as the Enter key.
void TypeText(HWND control, HWND edit, const std::string& text);

// Selects item index of a list or combo box and notifies its parent with
// LBN_SELCHANGE (list boxes that notify) or CBN_SELCHANGE. False with *error
// when the list refuses the index.
bool ChooseItem(HWND list, int index, std::string* error);

// A click on the window's close box.
void RequestClose(HWND window);

}  // namespace robot
