// EMAIL::SendMail under Wine over the TCP/IP device, against the aiosmtpd
// servers of smtpserver.py.
#include <gtest/gtest.h>

#include <string>

#include "net/email.h"
#include "net/tcpipio.h"
#include "tests/net/smtpservers.h"
#include "tests/net/tracecapture.h"

namespace {

class SendMailWine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(ServerPort("login"), 0) << "run through tests/net/smtp_wine.sh"; }
  void TearDown() override { SetMailDeviceFactory(nullptr); }

  // Sends mail's message, composed now; the result, the error text in
  // *error, the message in *message.
  int Send(EMAIL& mail, std::string* error, std::string* message = nullptr, int timeout = 10000) {
    STRING composed = mail.Compose();
    if (message != nullptr) *message = composed.Buffer;
    char text[EMAIL_REPLYSIZE];
    int result = mail.SendMail(composed, text, sizeof text, timeout);
    *error = text;
    return result;
  }
};

TEST_F(SendMailWine, TheServerReceivesExactlyTheComposedMessage) {
  const std::string rcpt = "compose@korvex.test";
  EMAIL mail("customer@example.com", rcpt.c_str(), "Order 42",
             "Dear shop,\r\n.\r\n.profile keeps its dot\r\n..two dots\r\nTab\tinside\r\n\r\nEnd", ServerAddress("login").c_str());
  std::string error, message;
  ASSERT_EQ(Send(mail, &error, &message), 1) << error;
  EXPECT_EQ(error, "250 2.0.0 Ok: queued");
  std::string stored = StoredMail(rcpt, ".eml");
  EXPECT_EQ(stored, message);
  EXPECT_NE(stored.find("\r\n. \r\n.profile keeps its dot\r\n..two dots\r\n"), std::string::npos) << stored;
  std::string envelope = StoredMail(rcpt, ".json");
  EXPECT_NE(envelope.find("\"mail_from\": \"compose@korvex.test\""), std::string::npos) << envelope;
  EXPECT_NE(envelope.find("\"ehlo\": \"korvex.com\""), std::string::npos) << envelope;
  EXPECT_NE(envelope.find("\"auth\": null"), std::string::npos) << "no credentials, no AUTH";
}

// Every trace level of the devices on, on the owner's thread and on the
// reader thread (whose stack is 32 KiB): the dialogue still goes through.
TEST_F(SendMailWine, AFullyTracedDialogue) {
  const std::string rcpt = "traced@korvex.test";
  EMAIL mail("me@example.com", rcpt.c_str(), "Traced", "text of the mail", ServerAddress("login").c_str());
  mail.AuthUser = "tim";
  mail.AuthPassword = "tanstaaftanstaaf";
  TRACECAPTURE trace(0x30F);
  std::string error;
  ASSERT_EQ(Send(mail, &error), 1) << error;
  std::string log = trace.Text();
  for (const char* line :
       {"TCPIPIO::MakeCall after connect(): rc= 0", "TCP::WriteCmd EHLO korvex.com", "TCPIPIO::DevRead will recv, len= 1",
        "TCPIPIO::RECV : ", "TCPIPIO::DevRead from readahead 50", "TCPIPIO::SEND : ", "BASEIO::Daemon numavail",
        "RINGBUFFER::~Read", "EMAIL::SendMail before writing the message", "TCP::WriteCmd returned 221 ",
        "TCPIPIO::~DropCall"})
    EXPECT_NE(log.find(line), std::string::npos) << line;
}

TEST_F(SendMailWine, ASealedOrderArrivesWithItsAttachment) {
  const std::string rcpt = "sealed@korvex.test";
  EMAIL mail("customer@example.com", rcpt.c_str(), "Order", "3 x Tessel licence\r\nTotal 297.00\r\n",
             ServerAddress("login").c_str());
  ASSERT_EQ(mail.Seal("KorvexOrderKey16", "order.skf"), 1);
  std::string error, message;
  ASSERT_EQ(Send(mail, &error, &message), 1) << error;
  EXPECT_EQ(StoredMail(rcpt, ".eml"), message);
  EXPECT_NE(message.find("Content-Disposition: attachment; filename=\"order.skf\""), std::string::npos);
}

TEST_F(SendMailWine, AuthenticationWithTheRightAndAWrongPassword) {
  struct CASE {
    const char* mode;
    const char* password;
    int result;
    const char* error;
    const char* mechanism;
  } cases[] = {
      {"login", "tanstaaftanstaaf", 1, "250 2.0.0 Ok: queued", "\"auth\": \"LOGIN\""},
      {"login", "wrong", 0, "535 5.7.8 Authentication credentials invalid", nullptr},
      {"cram", "tanstaaftanstaaf", 1, "250 2.0.0 Ok: queued", "\"auth\": \"CRAM-MD5\""},
      {"cram", "wrong", 0, "535 5.7.8 Authentication credentials invalid", nullptr},
  };
  for (const CASE& c : cases) {
    std::string rcpt = std::string(c.mode) + "-" + c.password + "@korvex.test";
    EMAIL mail("me@example.com", rcpt.c_str(), "Auth", "text", ServerAddress(c.mode).c_str());
    mail.AuthUser = "tim";
    mail.AuthPassword = c.password;
    std::string error;
    EXPECT_EQ(Send(mail, &error), c.result) << c.mode << " " << c.password;
    EXPECT_EQ(error, c.error) << c.mode << " " << c.password;
    if (c.mechanism != nullptr) {
      EXPECT_NE(StoredMail(rcpt, ".json").find(c.mechanism), std::string::npos) << c.mode;
    } else {
      EXPECT_EQ(StoredMail(rcpt, ".eml"), "") << "nothing delivered";
    }
  }
}

TEST_F(SendMailWine, HeloAfterARejectedEhlo) {
  const std::string rcpt = "helo@korvex.test";
  EMAIL mail("me@example.com", rcpt.c_str(), "Greeting", "text", ServerAddress("noehlo").c_str());
  char error[EMAIL_REPLYSIZE];
  ASSERT_EQ(mail.Send(error), 1) << error;
  std::string envelope = StoredMail(rcpt, ".json");
  EXPECT_NE(envelope.find("\"helo\": \"korvex.com\""), std::string::npos) << envelope;
  EXPECT_NE(envelope.find("\"ehlo\": null"), std::string::npos) << envelope;
}

TEST_F(SendMailWine, RefusedDataGivesTheServersLine) {
  EMAIL mail("me@example.com", "data@korvex.test", "s", "text", ServerAddress("data4xx").c_str());
  std::string error;
  EXPECT_EQ(Send(mail, &error), 0);
  EXPECT_EQ(error, "451 4.3.0 Mail server busy, try again later");
}

TEST_F(SendMailWine, ASilentServerFailsWithAnEmptyText) {
  EMAIL mail("me@example.com", "silent@korvex.test", "s", "text", ServerAddress("silent").c_str());
  std::string error = "not empty";
  EXPECT_EQ(Send(mail, &error, nullptr, 500), 0);
  EXPECT_EQ(error, "");
}

BASEIO* ImpatientDevice() {
  auto* device = new TCPIPIO(nullptr, nullptr, nullptr);
  device->ConnectTimeout = 2000;
  return device;
}

TEST_F(SendMailWine, ConnectionsThatCannotBeMadeGiveTheDeviceText) {
  struct CASE {
    std::string host;
    const char* error;
  } cases[] = {
      {"nosuchhost.invalid", "Host not found"},
      {"127.0.0.1:0", "No TCP/IP socket or service"},
      {ServerAddress("refused"), "No response"},
  };
  for (const CASE& c : cases) {
    EMAIL mail("me", "you@korvex.test", "s", "b", c.host.c_str());
    std::string error;
    EXPECT_EQ(Send(mail, &error), 0) << c.host;
    EXPECT_EQ(error, c.error) << c.host;
  }
  SetMailDeviceFactory(ImpatientDevice);
  EMAIL mail("me", "you@korvex.test", "s", "b", ServerAddress("backlog").c_str());
  std::string error;
  EXPECT_EQ(Send(mail, &error), 0);
  EXPECT_EQ(error, "No response") << "a host that does not answer";
}

}  // namespace
