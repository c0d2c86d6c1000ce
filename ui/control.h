// CONTROL: one child control, usually found in a dialog by its id, and the
// small kinds of control with their typed operations. A CONTROL found by id
// is a view; a created one owns its window.
#pragma once

#include "ui/window.h"

class CONTROL : public WINDOW {
 public:
  // The control with id in dialog; id -1: dialog is the control itself.
  CONTROL(HWND dialog, int id);
  // A created child control (WS_CHILD is added to style); owns it.
  CONTROL(const char* windowClass, DWORD style, const char* text, int x, int y, int width,
          int height, HWND parent, int id, DWORD extendedStyle);
};

// Check boxes and radio buttons; SetCheck notifies the parent as a click.
class BUTTONCONTROL : public CONTROL {
 public:
  BUTTONCONTROL(HWND dialog, int id) : CONTROL(dialog, id) {}
  // BM_SETCHECK, then WM_COMMAND (id, BN_CLICKED) to the parent, so that the
  // dialog reacts as to a click.
  void SetCheck(int state);
  int GetCheck() const;
};

// A list box (the window class is "Listbox") or a combo box.
class LISTCONTROL : public CONTROL {
 public:
  LISTCONTROL(HWND dialog, int id);
  void Reset();
  int Insert(const char* text, int index);
  int Add(const char* text);
  // The first item that begins with text (case-insensitive), or -1.
  int Find(const char* text) const;
  // The n-th selected item, -1 when fewer are selected (a single-selection
  // list or combo has at most item 0).
  int Selected(int n) const;
  // The text of item index (-1: the first selected); empty when there is
  // none.
  STRING ItemText(int index) const;
  // Selects (or deselects) index, then notifies the parent (code 1). -1
  // with on clear deselects everything.
  void Select(int index, bool on);
  bool IsMultiSelection() const;

  bool IsListbox;
};

// An up-down control whose buddy edit shows the number.
class SPINCONTROL : public CONTROL {
 public:
  SPINCONTROL(HWND dialog, int id) : CONTROL(dialog, id) {}
  // Range within -32767..32767 (a report, then clamped, outside it); the
  // buddy edit takes as many characters as upper has decimal digits.
  void SetRange(int lower, int upper);
  void SetPos(int value);
  int GetPos() const;
};

// A progress bar created as a child: 0,0, 10x10, shown, range 0 to 100.
class PROGRESSCONTROL : public CONTROL {
 public:
  PROGRESSCONTROL(HWND parent, int id);
  void SetPos(int value);
};

// A list view of a dialog (the file dialogs use it).
class LISTVIEWCONTROL : public CONTROL {
 public:
  LISTVIEWCONTROL(HWND dialog, int id) : CONTROL(dialog, id) {}

  int Reserved1 = 0;
  int Reserved2 = 0;
  int Reserved3 = 0;
};

// Class "Button" with the push, default push or user button style.
bool IsPushButton(HWND window);
// Class "Button" with the radio or automatic radio button style.
bool IsRadioButton(HWND window);
// The window's class name equals name, without regard to case.
bool HasClass(HWND window, const char* name);
