// The send dialog's routine, apart from its window: what pressing Send does
// to the mail and to the dialog's controls, and the dialog's texts in English
// and German. The dialog itself (product build) supplies a SENDVIEW over its
// window; tests supply their own.
#pragma once

#include "foundation/str.h"

class EMAIL;

// Controls of the send dialog (template 2090 of the language libraries).
constexpr int SENDDLG_RECEIVER = 1001;  // read-only
constexpr int SENDDLG_SENDER = 1002;
constexpr int SENDDLG_SUBJECT = 1003;
constexpr int SENDDLG_BODY = 1004;
constexpr int SENDDLG_STATUS = 1005;
constexpr int SENDDLG_SEND = 1009;
constexpr int SENDDLG_CLOSE = 2;  // IDCANCEL
constexpr int SENDDLG_TEXTLIMIT = 128;
constexpr int SENDDLG_BODYLIMIT = 8192;

// Parts of the message set.
enum SENDTEXT {
  SENDTEXT_PROMPTCAPTION = 0,
  SENDTEXT_PROMPT = 1,
  SENDTEXT_SENDING = 2,
  SENDTEXT_SENT = 3,
  SENDTEXT_ERRORPREFIX = 4,
  SENDTEXT_ERROR = 5,  // "$error" stands for the error text
  SENDTEXT_DONE = 6,
};

// Part of the message set of the current language (German when
// LanguageNumber is 7, English otherwise).
STRING SendText(int part);
// The closing button's first label: "Abbruch" in German, else "Cancel".
const char* SendCloseLabel();

class SENDVIEW {
 public:
  virtual ~SENDVIEW() = default;
  virtual STRING ControlText(int id) = 0;
  virtual void SetControlText(int id, const char* text) = 0;
  virtual void EnableControl(int id, bool enable) = 0;
  // Waits for the user's OK; the box has no owner.
  virtual void ConnectionPrompt(const char* caption, const char* text) = 0;
  // Boxes owned by the dialog, captioned with its title.
  virtual void InformationBox(const char* text) = 0;
  virtual void ErrorBox(const char* text) = 0;
};

// Takes the texts of the controls into mail, and sends it when the text has
// at least 4 characters: prompt for the connection, status line, Send, then
// the result in the status line and a box. Send stays disabled after a
// success (mail->Sent = 1) and is enabled again after a failure; the
// closing button is enabled and labelled "Done" ("Fertig") in every case.
void RunSendRoutine(EMAIL* mail, SENDVIEW* view);
