// SCRIPTDEVICE: a mail server on a script, for the SMTP dialogue without a
// network. Reply 0 comes when the call is placed, reply k after the k-th
// command line; the lines between an accepted DATA and the lone "." are the
// message and get no reply. What the client sent is kept in the script,
// which outlives the device (SendMail makes and destroys its own).
#pragma once

#include <string>
#include <vector>

#include "tests/net/testdevice.h"

struct SMTPSCRIPT {
  std::vector<std::string> Replies;  // each ends in "\r\n" where a line is meant
  bool RefuseCall = false;

  // What the client did.
  std::string Destination;
  std::vector<std::string> Commands;  // without their CR LF
  std::string DataLines;              // the message as sent, lines with CR LF
  bool DataEnded = false;             // the lone "." came
  bool Deleted = false;               // SendMail destroyed its device

  // The message as a server stores it: one leading dot removed from every
  // line that has one.
  std::string Received() const;
};

class SCRIPTDEVICE : public TESTDEVICE {
 public:
  explicit SCRIPTDEVICE(SMTPSCRIPT* script);
  ~SCRIPTDEVICE() override;

  bool MakeCall(const char* destination) override;

  // Makes SendMail use a script device on this script (null: the default).
  static void Install(SMTPSCRIPT* script);

 protected:
  void OnWrite(const char* bytes, int length) override;

 private:
  void Line(const std::string& line);
  void NextReply();

  SMTPSCRIPT* Script;
  std::string Partial;
  std::size_t NextReplyIndex = 0;
  bool InData = false;
};
