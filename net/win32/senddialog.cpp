// EMAIL::SendDialog: the prepared mail in a data-bound dialog of the
// language library, sent on the dialog's thread when the user presses Send.
#include <windows.h>

#include "net/email.h"
#include "net/sendroutine.h"
#include "osys/boxes.h"
#include "ui/control.h"
#include "ui/datadialoghost.h"
#include "ui/datafield.h"

namespace {

// The send routine's view of the dialog window.
class DIALOGSENDVIEW : public SENDVIEW {
 public:
  explicit DIALOGSENDVIEW(HWND dialog) : Dialog(dialog) {}

  STRING ControlText(int id) override { return CONTROL(Dialog, id).Text(); }
  void SetControlText(int id, const char* text) override { SetDlgItemTextA(Dialog, id, text); }
  void EnableControl(int id, bool enable) override { EnableWindow(GetDlgItem(Dialog, id), enable ? TRUE : FALSE); }
  void ConnectionPrompt(const char* caption, const char* text) override { OSYS::InfoBox(nullptr, caption, text); }
  void InformationBox(const char* text) override { OSYS::InfoBox(Dialog, Title().Buffer, text); }
  void ErrorBox(const char* text) override { OSYS::ErrorBox(Dialog, Title().Buffer, text); }

 private:
  STRING Title() const { return WINDOW(Dialog).Text(); }

  HWND Dialog;
};

STRING SendPressed(INT_PTR user, HWND dialog, STRING value) {
  DIALOGSENDVIEW view(dialog);
  RunSendRoutine(reinterpret_cast<EMAIL*>(user), &view);
  return value;
}

void AddStyle(HWND window, LONG bits) { SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | bits); }

}  // namespace

int EMAIL::SendDialog(int templateId, const char* caption) {
  // The dialog edits copies; the send routine takes the controls' texts
  // into the mail itself when Send is pressed.
  STRING sender(Sender), receiver(Receiver), subject(Subject), body(Body), button("");
  DATADIALOGHOST dialog(templateId, nullptr, nullptr);
  HWND window = dialog.Hwnd();
  SetWindowTextA(window, caption != nullptr ? caption : "");
  dialog.AddField(new TEXTFIELD(SENDDLG_RECEIVER, &receiver, SENDDLG_TEXTLIMIT));
  dialog.AddField(new TEXTFIELD(SENDDLG_SENDER, &sender, SENDDLG_TEXTLIMIT));
  dialog.AddField(new TEXTFIELD(SENDDLG_SUBJECT, &subject, SENDDLG_TEXTLIMIT));
  dialog.AddField(new TEXTFIELD(SENDDLG_BODY, &body, SENDDLG_BODYLIMIT));
  dialog.AddField(new ACTIONFIELD(SENDDLG_SEND, &button, SendPressed, reinterpret_cast<INT_PTR>(this)));
  SendDlgItemMessageA(window, SENDDLG_RECEIVER, EM_SETREADONLY, TRUE, 0);
  AddStyle(GetDlgItem(window, SENDDLG_BODY), ES_WANTRETURN);
  SetDlgItemTextA(window, SENDDLG_CLOSE, SendCloseLabel());
  Sent = 0;
  dialog.Run();
  return Sent;
}
