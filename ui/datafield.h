// The fields of a data-bound dialog: each ties one control, found by its id
// in the dialog, to a STRING of the program (which must outlive the
// dialog). Put moves the value into the control, Get takes it back.
//
//   TEXTFIELD     an edit: its text, limited to a maximum length
//   SPINFIELD     an edit showing a number, with an up-down control made
//                 for it the first time the value is put
//   RADIOFIELD    one radio button of a choice: ticked when the value is its
//                 number; the ticked one's number is taken back
//   LISTFIELD     a list or combo box: the selected item's text
//   ACTIONFIELD   a push button that calls a handler with its own value
#pragma once

#include <windows.h>

#include "foundation/dynarray.h"
#include "foundation/str.h"

class CONTROL;

class DATAFIELD {
 public:
  DATAFIELD(int controlId, STRING* value) : Id(controlId), Value(value) {}
  DATAFIELD(const DATAFIELD&) = delete;
  DATAFIELD& operator=(const DATAFIELD&) = delete;

  // Slot order: Put, Get, destructor.
  virtual void Put(HWND dialog) = 0;
  virtual void Get(HWND dialog) = 0;
  virtual ~DATAFIELD() = default;

  int Id;
  STRING* Value;
};

class TEXTFIELD : public DATAFIELD {
 public:
  TEXTFIELD(int controlId, STRING* value, int maxLength);
  void Put(HWND dialog) override;
  void Get(HWND dialog) override;

  int MaxLength;
};

class SPINFIELD : public DATAFIELD {
 public:
  SPINFIELD(int controlId, STRING* value, int lower, int upper);
  void Put(HWND dialog) override;
  void Get(HWND dialog) override;
  // Detaches the edit and destroys the up-down control.
  ~SPINFIELD() override;

  int Lower;
  int Upper;
  CONTROL* Spin;  // made by the first Put

 private:
  void MakeSpin(HWND dialog);
};

class RADIOFIELD : public DATAFIELD {
 public:
  RADIOFIELD(int controlId, STRING* value, int number);
  void Put(HWND dialog) override;
  void Get(HWND dialog) override;

  int Number;
};

class LISTFIELD : public DATAFIELD {
 public:
  LISTFIELD(int controlId, STRING* value);
  // With Items, Put fills the control with them and selects every item
  // equal to the value; without, it selects the value's item.
  void Put(HWND dialog) override;
  void Get(HWND dialog) override;

  DYNARRAY* Items;  // not owned; null until the owner sets it
};

// An action handler: gets the user value, the dialog window and a copy of
// the button's own value; its result becomes the button's value.
using ACTIONHANDLER = STRING (*)(INT_PTR user, HWND dialog, STRING value);

constexpr unsigned ACTIONFIELD_MAGIC = 0x50555348;  // "PUSH"

class ACTIONFIELD : public DATAFIELD {
 public:
  ACTIONFIELD(int controlId, STRING* value, ACTIONHANDLER handler, INT_PTR user);
  void Put(HWND dialog) override;
  void Get(HWND dialog) override;
  // Own value := handler(user value, dialog window, own value).
  void Press();

  ACTIONHANDLER Handler;
  INT_PTR User;
  unsigned Magic;
  HWND Dialog;
  STRING Own;
};
