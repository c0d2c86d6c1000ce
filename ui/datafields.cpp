// The field kinds of the data-bound dialogs.
//
//   text field, spin field, radio choice, list binding, action button
#include "ui/datafield.h"

#include <commctrl.h>

#include "foundation/log.h"
#include "ui/control.h"

namespace {

const char* TextOf(const STRING* s) { return s != nullptr && s->Buffer != nullptr ? s->Buffer : ""; }

STRING IdText(int id) {
  STRING text;
  text.Format("%d", id);
  return text;
}

STRING Decimal(int number) {
  STRING text;
  text.Format("%d", number);
  return text;
}

void AddStyle(HWND window, LONG bits) { SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | bits); }

}  // namespace

// --- text field --------------------------------------------------------------

TEXTFIELD::TEXTFIELD(int controlId, STRING* value, int maxLength) : DATAFIELD(controlId, value), MaxLength(maxLength) {}

void TEXTFIELD::Put(HWND dialog) {
  CONTROL e(dialog, Id);
  ASSERTION(e.Hwnd(), IdText(Id).Buffer);
  if (e.Hwnd() == nullptr) return;
  AddStyle(e.Hwnd(), ES_AUTOHSCROLL);
  SendMessageA(e.Hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(MaxLength), 0);
  SetWindowTextA(e.Hwnd(), TextOf(Value));
  SendMessageA(e.Hwnd(), EM_SETSEL, 0, -1);
}

void TEXTFIELD::Get(HWND dialog) {
  CONTROL e(dialog, Id);
  if (e.Hwnd() != nullptr) *Value = e.Text();
}

// --- spin field --------------------------------------------------------------

SPINFIELD::SPINFIELD(int controlId, STRING* value, int lower, int upper)
    : DATAFIELD(controlId, value), Lower(lower), Upper(upper), Spin(nullptr) {}

SPINFIELD::~SPINFIELD() {
  if (Spin == nullptr) return;
  SendMessageA(Spin->Hwnd(), UDM_SETBUDDY, 0, 0);
  delete Spin;
}

// The up-down control takes the first free id from 65000 on.
void SPINFIELD::MakeSpin(HWND dialog) {
  int IdSpin = 65000;
  while (IdSpin < 65500 && GetDlgItem(dialog, IdSpin) != nullptr) IdSpin++;
  ASSERTION(IdSpin<65500, IdText(Id).Buffer);
  if (IdSpin >= 65500) return;
  Spin = new CONTROL(UPDOWN_CLASSA, WS_VISIBLE | WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                     "", 0, 0, 0, 0, dialog, IdSpin, 0);
  HWND edit = GetDlgItem(dialog, Id);
  SendMessageA(Spin->Hwnd(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  if (edit != nullptr) AddStyle(edit, ES_NUMBER);
}

void SPINFIELD::Put(HWND dialog) {
  if (Spin == nullptr) MakeSpin(dialog);
  if (Spin == nullptr) return;
  SPINCONTROL spin(Spin->Hwnd(), -1);
  spin.SetRange(Lower, Upper);
  spin.SetPos(StrAtoi(Value->Buffer));
}

void SPINFIELD::Get(HWND dialog) {
  if (Spin == nullptr) return;
  *Value = Decimal(SPINCONTROL(Spin->Hwnd(), -1).GetPos());
}

// --- radio choice ------------------------------------------------------------

RADIOFIELD::RADIOFIELD(int controlId, STRING* value, int number) : DATAFIELD(controlId, value), Number(number) {}

void RADIOFIELD::Put(HWND dialog) {
  BUTTONCONTROL radio(dialog, Id);
  ASSERTION(radio.Hwnd(), IdText(Id).Buffer);
  if (radio.Hwnd() == nullptr) return;
  radio.SetCheck(StrAtoi(Value->Buffer) == Number ? BST_CHECKED : BST_UNCHECKED);
}

void RADIOFIELD::Get(HWND dialog) {
  BUTTONCONTROL radio(dialog, Id);
  if (radio.Hwnd() != nullptr && radio.GetCheck() != BST_UNCHECKED) *Value = Decimal(Number);
}

// --- list binding ------------------------------------------------------------

LISTFIELD::LISTFIELD(int controlId, STRING* value) : DATAFIELD(controlId, value), Items(nullptr) {}

void LISTFIELD::Put(HWND dialog) {
  LISTCONTROL lb(dialog, Id);
  ASSERTION(lb.Hwnd(), IdText(Id).Buffer);
  if (lb.Hwnd() == nullptr) return;
  if (Items == nullptr) {
    // A value that is not in the list leaves nothing selected (also in a
    // multiple-selection list, where index -1 would mean every item).
    int index = lb.Find(TextOf(Value));
    lb.Select(index, index >= 0);
    return;
  }
  lb.Reset();
  for (int i = 0; i < Items->Count(); i++) lb.Add(TextOf(Items->ItemAt(i)));
  for (int i = 0; i < Items->Count(); i++)
    if (StrICmp(TextOf(Items->ItemAt(i)), TextOf(Value)) == 0) lb.Select(i, true);
}

void LISTFIELD::Get(HWND dialog) {
  LISTCONTROL lb(dialog, Id);
  if (lb.Hwnd() != nullptr) *Value = lb.ItemText(-1);
}

// --- action button -----------------------------------------------------------

ACTIONFIELD::ACTIONFIELD(int controlId, STRING* value, ACTIONHANDLER handler, INT_PTR user)
    : DATAFIELD(controlId, value), Handler(handler), User(user), Magic(ACTIONFIELD_MAGIC), Dialog(nullptr) {}

void ACTIONFIELD::Put(HWND dialog) {
  Dialog = dialog;
  Own = *Value;
}

void ACTIONFIELD::Get(HWND dialog) { *Value = Own; }

void ACTIONFIELD::Press() {
  ASSERTION(this->Magic==0x50555348, IdText(Id).Buffer);
  if (Magic != ACTIONFIELD_MAGIC || Handler == nullptr) return;
  Own = Handler(User, Dialog, STRING(Own));
}
