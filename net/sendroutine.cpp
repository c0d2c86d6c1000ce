// The send routine and the message sets of the send dialog.
#include "net/sendroutine.h"

#include "foundation/globals.h"
#include "net/email.h"

namespace {

constexpr int GermanLanguage = 7;
constexpr int ShortestBody = 4;

const char EnglishTexts[] =
    "Internet Connection|"
    "Please press OK when an Internet connection is available|"
    "Sending mail ...|"
    "Your mail has been sent. Thank you!|"
    "Error: |"
    "An error occurred ($error)!  Please try the send button again or use fax/mail or your own email program to "
    "send the text.|"
    "Done";

const char GermanTexts[] =
    "Internet Verbindung|"
    "Bitte klicken Sie auf OK, wenn Sie eine Internetverbindung hergestellt haben.|"
    "Sende eMail ...|"
    "Die eMail wurde verschickt. Vielen Dank!|"
    "Fehler: |"
    "Es ist ein Fehler aufgetreten ($error). Bitte versuchen Sie es noch einmal oder schicken Sie den Text per "
    "Post, Fax oder mit Ihrem eigenen eMail Programm.|"
    "Fertig";

bool German() { return LanguageNumber == GermanLanguage; }

}  // namespace

STRING SendText(int part) { return STRING(German() ? GermanTexts : EnglishTexts).Token(part, "|", TOKEN_NONULL); }

const char* SendCloseLabel() { return German() ? "Abbruch" : "Cancel"; }

void RunSendRoutine(EMAIL* mail, SENDVIEW* view) {
  mail->Receiver = view->ControlText(SENDDLG_RECEIVER);
  mail->Sender = view->ControlText(SENDDLG_SENDER);
  mail->Subject = view->ControlText(SENDDLG_SUBJECT);
  mail->Body = view->ControlText(SENDDLG_BODY);
  char error[EMAIL_REPLYSIZE] = {};
  view->EnableControl(SENDDLG_SEND, false);
  view->EnableControl(SENDDLG_CLOSE, false);
  if (mail->Body.StrLen >= ShortestBody) {
    view->ConnectionPrompt(SendText(SENDTEXT_PROMPTCAPTION).Buffer, SendText(SENDTEXT_PROMPT).Buffer);
    view->SetControlText(SENDDLG_STATUS, SendText(SENDTEXT_SENDING).Buffer);
    if (mail->Send(error)) {
      STRING sent = SendText(SENDTEXT_SENT);
      view->SetControlText(SENDDLG_STATUS, sent.Buffer);
      view->InformationBox(sent.Buffer);
      mail->Sent = 1;
    } else {
      view->SetControlText(SENDDLG_STATUS, (SendText(SENDTEXT_ERRORPREFIX) || error).Buffer);
      view->ErrorBox(SendText(SENDTEXT_ERROR).Replace("$error", error).Buffer);
      view->EnableControl(SENDDLG_SEND, true);
    }
  }
  view->EnableControl(SENDDLG_CLOSE, true);
  view->SetControlText(SENDDLG_CLOSE, SendText(SENDTEXT_DONE).Buffer);
}
