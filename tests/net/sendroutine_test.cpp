// The send dialog's routine over a view of the tests, with a scripted server.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "foundation/globals.h"
#include "net/email.h"
#include "net/sendroutine.h"
#include "tests/net/scriptdevice.h"

namespace {

class FAKEVIEW : public SENDVIEW {
 public:
  STRING ControlText(int id) override { return STRING(Texts[id].c_str()); }
  void SetControlText(int id, const char* text) override { Texts[id] = text; }
  void EnableControl(int id, bool enable) override { Enabled[id] = enable; }
  void ConnectionPrompt(const char* caption, const char* text) override {
    Boxes.push_back(std::string("prompt ") + caption + ": " + text);
  }
  void InformationBox(const char* text) override { Boxes.push_back(std::string("info ") + text); }
  void ErrorBox(const char* text) override { Boxes.push_back(std::string("error ") + text); }

  std::map<int, std::string> Texts;
  std::map<int, bool> Enabled;
  std::vector<std::string> Boxes;
};

const std::vector<std::string> Accepting = {"220 hi\r\n", "250 ok\r\n",   "250 ok\r\n", "250 ok\r\n",
                                            "354 go\r\n", "250 sent\r\n", "221 bye\r\n"};

class SendRoutine : public ::testing::Test {
 protected:
  void SetUp() override {
    View.Texts = {{SENDDLG_RECEIVER, "shop@example.com"},
                  {SENDDLG_SENDER, "me@example.com"},
                  {SENDDLG_SUBJECT, "Feedback"},
                  {SENDDLG_BODY, "Nice program."},
                  {SENDDLG_CLOSE, "Cancel"}};
    Script.Replies = Accepting;
    SCRIPTDEVICE::Install(&Script);
  }
  void TearDown() override {
    SCRIPTDEVICE::Install(nullptr);
    LanguageNumber = 9;
  }

  EMAIL Mail{"me@example.com", "shop@example.com", "Feedback", "Nice program.", "mail.example.com"};
  FAKEVIEW View;
  SMTPSCRIPT Script;
};

TEST_F(SendRoutine, ABodyOfThreeCharactersSendsNothing) {
  View.Texts[SENDDLG_BODY] = "abc";
  RunSendRoutine(&Mail, &View);
  EXPECT_TRUE(Script.Destination.empty()) << "no connection";
  EXPECT_TRUE(View.Boxes.empty());
  EXPECT_FALSE(View.Enabled[SENDDLG_SEND]);
  EXPECT_TRUE(View.Enabled[SENDDLG_CLOSE]);
  EXPECT_EQ(View.Texts[SENDDLG_CLOSE], "Done");
  EXPECT_EQ(Mail.Sent, 0);
}

TEST_F(SendRoutine, ASuccessfulSendTakesTheEditedTextsAndStaysDisabled) {
  View.Texts[SENDDLG_SUBJECT] = "Changed subject";
  View.Texts[SENDDLG_SENDER] = "other@example.com";
  RunSendRoutine(&Mail, &View);
  EXPECT_EQ(Mail.Sent, 1);
  EXPECT_NE(Script.Received().find("\r\nSubject: Changed subject\r\n"), std::string::npos) << Script.Received();
  EXPECT_EQ(Script.Received().find("From: other@example.com\r\n"), 0u);
  EXPECT_EQ(View.Boxes, (std::vector<std::string>{
                            "prompt Internet Connection: Please press OK when an Internet connection is available",
                            "info Your mail has been sent. Thank you!"}));
  EXPECT_EQ(View.Texts[SENDDLG_STATUS], "Your mail has been sent. Thank you!");
  EXPECT_FALSE(View.Enabled[SENDDLG_SEND]);
  EXPECT_TRUE(View.Enabled[SENDDLG_CLOSE]);
  EXPECT_EQ(View.Texts[SENDDLG_CLOSE], "Done");
}

TEST_F(SendRoutine, AFailedSendShowsTheErrorAndLetsTheUserTryAgain) {
  Script.RefuseCall = true;
  RunSendRoutine(&Mail, &View);
  EXPECT_EQ(Mail.Sent, 0);
  EXPECT_EQ(View.Texts[SENDDLG_STATUS], "Error: Host not found");
  ASSERT_EQ(View.Boxes.size(), 2u);
  EXPECT_EQ(View.Boxes[1],
            "error An error occurred (Host not found)!  Please try the send button again or use fax/mail or your own "
            "email program to send the text.");
  EXPECT_TRUE(View.Enabled[SENDDLG_SEND]);
  EXPECT_EQ(View.Texts[SENDDLG_CLOSE], "Done");

  Script = SMTPSCRIPT();
  Script.Replies = Accepting;
  RunSendRoutine(&Mail, &View);
  EXPECT_EQ(Mail.Sent, 1) << "the second press goes through";
}

TEST_F(SendRoutine, GermanTexts) {
  LanguageNumber = 7;
  EXPECT_STREQ(SendCloseLabel(), "Abbruch");
  Script.RefuseCall = true;
  RunSendRoutine(&Mail, &View);
  ASSERT_EQ(View.Boxes.size(), 2u);
  EXPECT_EQ(View.Boxes[0],
            "prompt Internet Verbindung: Bitte klicken Sie auf OK, wenn Sie eine Internetverbindung hergestellt haben.");
  EXPECT_EQ(View.Boxes[1],
            "error Es ist ein Fehler aufgetreten (Host not found). Bitte versuchen Sie es noch einmal oder schicken Sie "
            "den Text per Post, Fax oder mit Ihrem eigenen eMail Programm.");
  EXPECT_EQ(View.Texts[SENDDLG_STATUS], "Fehler: Host not found");
  EXPECT_EQ(View.Texts[SENDDLG_CLOSE], "Fertig");
  EXPECT_STREQ(SendText(SENDTEXT_SENDING).Buffer, "Sende eMail ...");
  EXPECT_STREQ(SendText(SENDTEXT_SENT).Buffer, "Die eMail wurde verschickt. Vielen Dank!");
  LanguageNumber = 12;
  EXPECT_STREQ(SendCloseLabel(), "Cancel") << "French runs use the English set";
  EXPECT_STREQ(SendText(SENDTEXT_SENDING).Buffer, "Sending mail ...");
}

}  // namespace
