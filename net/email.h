// EMAIL: one outgoing mail with exactly one recipient - sender, receiver,
// subject, text and attachments - composed as an Internet message (plain,
// or MIME multipart with attachments) and delivered to an SMTP server in one
// short dialogue over a communication device, optionally authenticated by
// AUTH CRAM-MD5 or AUTH LOGIN. Seal replaces the text by its Blowfish-sealed
// envelope; SendDialog (product build) lets the user edit and send the mail.
//
// The uninstaller's feedback mail and the order mail go through here:
//
//   EMAIL mail(sender, receiver, subject, body, smtpHost);
//   mail.Seal(key, "order.skf");          // order mail only
//   int sent = mail.SendDialog(2090, caption);
#pragma once

#include <cstdint>

#include "foundation/dynarray.h"
#include "foundation/str.h"

class BASEIO;

// Size of the reply buffers of the SMTP dialogue and of the error text that
// EMAIL::Send fills.
constexpr int EMAIL_REPLYSIZE = 256;

class EMAIL {
 public:
  // Null texts give empty ones. Sender, Receiver and SmtpHost lose blanks at
  // both ends; an empty Sender becomes "anonymous".
  EMAIL(const char* sender, const char* receiver, const char* subject, const char* body, const char* smtpHost);

  // Appends one MIME part holding data in Base64; a null content type is
  // "application/octet-stream".
  void AddAttachment(const char* contentType, const char* fileName, const STRING& data);
  // A boundary that no attachment part contains.
  STRING MakeBoundary();
  // The complete message text, dated now (UTC).
  STRING Compose();
  // The message text dated at the given time (seconds since 1970, UTC).
  STRING Compose(std::int64_t secondsSince1970);

  // Delivers message to SmtpHost (a host name or dotted address, optionally
  // followed by ":" or a blank and a port; the "smtp" service otherwise).
  // 1 when the server accepted it, else 0. errorText receives at most
  // size - 1 characters: the server's last reply line, or the device's error
  // text when no connection could be made. timeout (ms) limits the wait for
  // the greeting and for the last step of an authentication.
  int SendMail(const STRING& message, char* errorText, int size, int timeout);
  // Composes and sends with a 15-second time-out; errorText must hold
  // EMAIL_REPLYSIZE bytes.
  int Send(char* errorText);

  // Encrypts Body under key and replaces it by the sealed envelope; with a
  // file name the envelope is also attached as that file. 1 when sealed, 0
  // when the check of the ciphertext failed (the mail is then unchanged).
  int Seal(const char* key, const char* fileName);

  // Product build: shows the mail in the send dialog (template templateId
  // of the language library, usually 2090) under caption, modal on this
  // thread; the user may change sender, subject and text and press Send as
  // often as sending fails. Sent (1 when a send went out) once the user
  // closed the dialog.
  int SendDialog(int templateId, const char* caption);

  STRING Sender;
  STRING Receiver;
  STRING Subject;
  STRING SmtpHost;
  STRING AuthUser;
  STRING AuthPassword;
  STRING Body;
  DYNARRAY Attachments;
  int Sent;
};

// The date of a message header: "09 Dec 26 1616 GMT" for 9 December 2026,
// 16:16 UTC.
STRING MailDate(std::int64_t secondsSince1970);

// The device a SendMail connects through: by default a new TCP/IP device
// (none in the host build). Tests install a device of their own; the result
// is the factory that was installed before (null restores the default).
using MAILDEVICEFACTORY = BASEIO* (*)();
MAILDEVICEFACTORY SetMailDeviceFactory(MAILDEVICEFACTORY factory);
BASEIO* NewMailDevice();
