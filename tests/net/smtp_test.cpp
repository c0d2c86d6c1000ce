// The SMTP dialogue of EMAIL::SendMail against a scripted server, and
// TCP::ReadLine and TCP::WriteCmd beneath it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "net/email.h"
#include "net/tcp.h"
#include "tests/net/scriptdevice.h"
#include "tests/net/tracecapture.h"

namespace {

using COMMANDS = std::vector<std::string>;

class Smtp : public ::testing::Test {
 protected:
  void TearDown() override { SCRIPTDEVICE::Install(nullptr); }

  // Sends mail's message over a device that plays replies; the result and
  // the error text.
  int Send(EMAIL& mail, const std::vector<std::string>& replies, std::string* error) {
    Script = SMTPSCRIPT();
    Script.Replies = replies;
    SCRIPTDEVICE::Install(&Script);
    Message = mail.Compose().Buffer;
    char text[EMAIL_REPLYSIZE];
    std::memset(text, 'x', sizeof text);
    int result = mail.SendMail(STRING(Message.c_str()), text, sizeof text, 3000);
    *error = text;
    EXPECT_TRUE(Script.Deleted) << "SendMail ends its device";
    return result;
  }

  SMTPSCRIPT Script;
  std::string Message;
};

const std::string Greeting = "220 mail.example.com ESMTP\r\n";
const std::string EhloPlain = "250-mail.example.com\r\n250 HELP\r\n";

TEST_F(Smtp, AcceptedMailFollowsTheDialogueAndArrivesAsComposed) {
  EMAIL mail("me@example.com", "shop@example.com", "Order", "line 1\n.\n.hidden\nlast", "mail.example.com");
  std::string error;
  int result = Send(mail, {"220-mail.example.com ESMTP\r\n220 welcome\r\n", EhloPlain, "250 sender ok\r\n",
                           "250 rcpt ok\r\n", "354 go ahead\r\n", "250 2.0.0 queued as 42\r\n", "221 bye\r\n"},
                    &error);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(error, "250 2.0.0 queued as 42") << "the reply to the end of the data";
  EXPECT_EQ(Script.Destination, "mail.example.com:smtp");
  EXPECT_EQ(Script.Commands, (COMMANDS{"EHLO korvex.com", "MAIL FROM:<shop@example.com>", "RCPT TO:<shop@example.com>",
                                       "DATA", "QUIT"}));
  EXPECT_TRUE(Script.DataEnded);
  EXPECT_EQ(Script.Received(), Message);
  EXPECT_NE(Script.DataLines.find("\r\n.. \r\n..hidden\r\n"), std::string::npos)
      << "lines that begin with a dot are sent with a second one: " << Script.DataLines;
}

TEST_F(Smtp, ThePortOfTheHostComesBeforeTheService) {
  EMAIL mail("me", "you@example.com", "s", "b", "127.0.0.1:2525");
  std::string error;
  Send(mail, {}, &error);
  EXPECT_EQ(Script.Destination, "127.0.0.1:2525:smtp");
}

struct DIALOGUE {
  const char* name;
  std::vector<std::string> replies;
  bool authenticate;
  int result;
  const char* error;
  COMMANDS commands;
};

const std::string Mail = "MAIL FROM:<you@example.com>", Rcpt = "RCPT TO:<you@example.com>";

class SmtpDialogues : public Smtp, public ::testing::WithParamInterface<DIALOGUE> {};

TEST_P(SmtpDialogues, Steps) {
  const DIALOGUE& d = GetParam();
  EMAIL mail("me", "you@example.com", "s", "body", "host");
  if (d.authenticate) {
    mail.AuthUser = "tim";
    mail.AuthPassword = "tanstaaftanstaaf";
  }
  std::string error;
  EXPECT_EQ(Send(mail, d.replies, &error), d.result);
  EXPECT_EQ(error, d.error);
  EXPECT_EQ(Script.Commands, d.commands);
}

// The RFC 2195 example: its challenge, user and password give this answer.
const std::string CramChallenge = "334 PDE4OTYuNjk3MTcwOTUyQHBvc3RvZmZpY2UucmVzdG9uLm1jaS5uZXQ+\r\n";
const std::string CramAnswer = "dGltIGI5MTNhNjAyYzdlZGE3YTQ5NWI0ZTZlNzMzNGQzODkw";

INSTANTIATE_TEST_SUITE_P(
    Smtp, SmtpDialogues,
    ::testing::Values(
        DIALOGUE{"HeloAfterARejectedEhlo",
                 {Greeting, "502 5.5.2 EHLO not understood\r\n", "250-hello\r\n250 there\r\n", "250 ok\r\n", "250 ok\r\n",
                  "354 go\r\n", "250 done\r\n", "221 bye\r\n"},
                 false, 1, "250 done",
                 {"EHLO korvex.com", "HELO korvex.com", Mail, Rcpt, "DATA", "QUIT"}},
        DIALOGUE{"AuthLoginOfferedOnAContinuationLine",
                 {Greeting, "250-mail\r\n250-AUTH LOGIN PLAIN\r\n250 HELP\r\n", "334 VXNlcm5hbWU6\r\n",
                  "334 UGFzc3dvcmQ6\r\n", "235 2.7.0 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 done\r\n",
                  "221 bye\r\n"},
                 true, 1, "250 done",
                 {"EHLO korvex.com", "AUTH LOGIN", "dGlt", "dGFuc3RhYWZ0YW5zdGFhZg==", Mail, Rcpt, "DATA", "QUIT"}},
        DIALOGUE{"CramMd5PreferredWhenBothAreOffered",
                 {Greeting, "250-mail\r\n250-AUTH LOGIN CRAM-MD5\r\n250 HELP\r\n", CramChallenge, "235 ok\r\n",
                  "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 done\r\n", "221 bye\r\n"},
                 true, 1, "250 done",
                 {"EHLO korvex.com", "AUTH CRAM-MD5", CramAnswer, Mail, Rcpt, "DATA", "QUIT"}},
        DIALOGUE{"WrongPasswordStopsWithoutQuit",
                 {Greeting, "250-mail\r\n250-AUTH LOGIN\r\n250 HELP\r\n", "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n",
                  "535 5.7.8 Authentication credentials invalid\r\n"},
                 true, 0, "535 5.7.8 Authentication credentials invalid",
                 {"EHLO korvex.com", "AUTH LOGIN", "dGlt", "dGFuc3RhYWZ0YW5zdGFhZg=="}},
        DIALOGUE{"CramMd5NeedsExactly334",
                 {Greeting, "250-AUTH CRAM-MD5\r\n250 HELP\r\n", "335 what\r\n"},
                 true, 0, "335 what", {"EHLO korvex.com", "AUTH CRAM-MD5"}},
        DIALOGUE{"AuthOnTheLastLineIsNotExamined",
                 {Greeting, "250 AUTH LOGIN\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 done\r\n", "221 bye\r\n"},
                 true, 1, "250 done", {"EHLO korvex.com", Mail, Rcpt, "DATA", "QUIT"}},
        DIALOGUE{"NoAuthenticationWithoutCredentials",
                 {Greeting, "250-AUTH LOGIN CRAM-MD5\r\n250 HELP\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n",
                  "250 done\r\n", "221 bye\r\n"},
                 false, 1, "250 done", {"EHLO korvex.com", Mail, Rcpt, "DATA", "QUIT"}},
        DIALOGUE{"RejectedSenderGivesItsReplyLine",
                 {Greeting, EhloPlain, "550 5.7.1 relaying denied\r\n"},
                 false, 0, "550 5.7.1 relaying denied", {"EHLO korvex.com", Mail}},
        DIALOGUE{"RejectedRecipient",
                 {Greeting, EhloPlain, "250 ok\r\n", "553 no such user\r\n"},
                 false, 0, "553 no such user", {"EHLO korvex.com", Mail, Rcpt}},
        DIALOGUE{"DataAnsweredWith4xx",
                 {Greeting, EhloPlain, "250 ok\r\n", "250 ok\r\n", "451 4.3.0 try again later\r\n"},
                 false, 0, "451 4.3.0 try again later", {"EHLO korvex.com", Mail, Rcpt, "DATA"}},
        DIALOGUE{"RefusedMessageStillEndsWithQuit",
                 {Greeting, EhloPlain, "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "554 5.6.0 rejected\r\n",
                  "221 bye\r\n"},
                 false, 0, "554 5.6.0 rejected", {"EHLO korvex.com", Mail, Rcpt, "DATA", "QUIT"}}),
    [](const ::testing::TestParamInfo<DIALOGUE>& param) { return std::string(param.param.name); });

TEST_F(Smtp, AConnectionThatCannotBeMadeGivesTheDeviceErrorText) {
  Script = SMTPSCRIPT();
  Script.RefuseCall = true;
  SCRIPTDEVICE::Install(&Script);
  EMAIL mail("me", "you", "s", "b", "nowhere.invalid");
  char error[EMAIL_REPLYSIZE];
  EXPECT_EQ(mail.Send(error), 0);
  EXPECT_STREQ(error, "Host not found");
  EXPECT_TRUE(Script.Commands.empty());
}

TEST_F(Smtp, TheErrorTextNeverExceedsItsBuffer) {
  EMAIL mail("me", "you", "s", "b", "host");
  Script = SMTPSCRIPT();
  Script.Replies = {Greeting, EhloPlain, "550 " + std::string(400, 'r') + "\r\n"};
  SCRIPTDEVICE::Install(&Script);
  char buffer[12];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(mail.SendMail(mail.Compose(), buffer, 8, 3000), 0);
  EXPECT_EQ(std::string(buffer, 8), std::string("550 rrr") + '\0');
  EXPECT_EQ(std::string(buffer + 8, 4), "####");

  SCRIPTDEVICE::Install(&Script);
  EXPECT_EQ(mail.SendMail(mail.Compose(), buffer, 0, 3000), 0);
  EXPECT_EQ(buffer[0], '5') << "a size of 0 writes nothing";
}

TEST(TcpLines, ReadLineDropsLineEndsAndCutsLongReplies) {
  TESTDEVICE device;
  device.Feed("250 ok\r\n", 8);
  char wide[16];
  ASSERT_TRUE(TCP::ReadLine(&device, wide, sizeof wide, 0));
  EXPECT_STREQ(wide, "250 ok");
  char line[8];
  device.Feed("0123456789\r\n", 12);
  ASSERT_TRUE(TCP::ReadLine(&device, line, sizeof line, 0));
  EXPECT_STREQ(line, "0123456") << "size - 1 bytes";
  ASSERT_TRUE(TCP::ReadLine(&device, line, sizeof line, 0));
  EXPECT_STREQ(line, "789") << "the rest stayed queued";
  EXPECT_FALSE(TCP::ReadLine(&device, line, sizeof line, 0));
  EXPECT_STREQ(line, "");
}

TEST(TcpLines, WriteCmdSendsTheCommandButMasksPasswordsInTheTrace) {
  struct CASE {
    const char* command;
    const char* traced;
  } cases[] = {
      {"PASS secret", "TCP::WriteCmd PASS ******"},
      {"pass secret", "TCP::WriteCmd pass ******"},
      {"a1 IMAP LOGIN user pw", "TCP::WriteCmd a1 IMAP LOGIN ******"},
      {"USER tim", "TCP::WriteCmd USER tim"},
      {"LOGIN user pw", "TCP::WriteCmd LOGIN user pw"},
  };
  for (const CASE& c : cases) {
    TESTDEVICE device;
    device.MakeCall("peer");
    TRACECAPTURE trace(0);
    EXPECT_TRUE(TCP::WriteCmd(&device, c.command, nullptr, 0, 5000));
    std::string log = trace.Text();
    EXPECT_EQ(device.Written(), std::string(c.command) + "\r\n");
    EXPECT_NE(log.find(std::string(c.traced) + "\r\n"), std::string::npos) << log;
    if (std::strstr(c.traced, "******") != nullptr) {
      EXPECT_EQ(log.find("secret"), std::string::npos);
    }
  }
}

TEST(TcpLines, WriteCmdReadsTheReplyWhenItHasABuffer) {
  TESTDEVICE device;
  device.MakeCall("peer");
  device.Supply("221 bye\r\n");
  char reply[32];
  EXPECT_TRUE(TCP::WriteCmd(&device, "QUIT", reply, sizeof reply, 10000));
  EXPECT_STREQ(reply, "221 bye");
  EXPECT_FALSE(TCP::WriteCmd(&device, "NOOP", reply, sizeof reply, 10)) << "no reply came";
}

}  // namespace
