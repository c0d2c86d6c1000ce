// EMAIL construction, attachments, the boundary and the composed message.
#include <gtest/gtest.h>

#include <string>

#include "net/email.h"
#include "tests/foundation/support.h"

namespace {

// 9 December 2026, 16:16:30 UTC.
constexpr std::int64_t December9 = 1796832990;

std::string Composed(EMAIL& mail) { return mail.Compose(December9).Buffer; }

TEST(MailDate, DayMonthYearAndTimeInUtc) {
  struct CASE {
    std::int64_t seconds;
    const char* text;
  } cases[] = {
      {December9, "09 Dec 26 1616 GMT"},
      {0, "01 Jan 70 0000 GMT"},
      {951782400 - 1, "28 Feb 00 2359 GMT"},
      {951782400, "29 Feb 00 0000 GMT"},
      {4102444800, "01 Jan 00 0000 GMT"},
  };
  for (const CASE& c : cases) EXPECT_STREQ(MailDate(c.seconds).Buffer, c.text) << c.seconds;
}

TEST(Email, ConstructionTrimsAddressesAndNamesAnAnonymousSender) {
  EMAIL mail("   ", "  shop@example.com ", " Order ", nullptr, " mail.example.com:2525 ");
  EXPECT_STREQ(mail.Sender.Buffer, "anonymous");
  EXPECT_STREQ(mail.Receiver.Buffer, "shop@example.com");
  EXPECT_STREQ(mail.Subject.Buffer, " Order ") << "the subject keeps its blanks";
  EXPECT_STREQ(mail.SmtpHost.Buffer, "mail.example.com:2525");
  EXPECT_STREQ(mail.Body.Buffer, "");
  EXPECT_STREQ(mail.AuthUser.Buffer, "");
  EXPECT_EQ(mail.Sent, 0);
  EXPECT_NE(Composed(mail).find("From: anonymous\r\n"), std::string::npos);
}

TEST(Email, APlainMailIsFourHeadersAnEmptyLineTheBodyAndAnEmptyLine) {
  EMAIL mail("me@example.com", "you@example.com", "Feedback", "first\nsecond", "host");
  EXPECT_EQ(Composed(mail),
            "From: me@example.com\r\n"
            "To: you@example.com\r\n"
            "Date: 09 Dec 26 1616 GMT\r\n"
            "Subject: Feedback\r\n"
            "\r\n"
            "first\r\n"
            "second\r\n"
            "\r\n");
}

TEST(Email, BodyLinesAreCleanedOneByOne) {
  struct CASE {
    const char* body;
    const char* lines;
  } cases[] = {
      {"a\r\nb\r\n", "a\r\nb\r\n\r\n"},
      {"a\nb\n", "a\r\nb\r\n\r\n"},
      {"", "\r\n"},
      {"\n\n", "\r\n\r\n\r\n"},
      {"trailing  \t\nx", "trailing\r\nx\r\n"},
      {"in\rside", "in side\r\n"},
      {".", ". \r\n"},
      {"a\n.\nb", "a\r\n. \r\nb\r\n"},
      {"..", "..\r\n"},
  };
  for (const CASE& c : cases) {
    EMAIL mail("me", "you", "s", c.body, "host");
    std::string message = Composed(mail);
    std::size_t bodyStart = message.find("\r\n\r\n") + 4;
    EXPECT_EQ(message.substr(bodyStart), std::string(c.lines) + "\r\n") << c.body;
  }
}

TEST(Email, HeaderFieldsCannotStartALineOfTheirOwn) {
  EMAIL mail("me", "you", "Hello\r\nBcc: victim@example.com", "text", "host");
  std::string message = Composed(mail);
  EXPECT_NE(message.find("Subject: Hello  Bcc: victim@example.com\r\n"), std::string::npos);
  EXPECT_EQ(message.find("\nBcc"), std::string::npos);
}

TEST(Email, AttachmentPartAndMultipartMessage) {
  EMAIL mail("me", "you", "Order", "see attachment", "host");
  mail.AddAttachment(nullptr, "order.skf", STRING("hello"));
  mail.AddAttachment("text/plain", "note.txt", STRING(std::string(60, 'x').c_str()));
  ASSERT_EQ(mail.Attachments.Count(), 2);
  EXPECT_STREQ(mail.Attachments.ItemAt(0)->Buffer,
               "Content-Type: application/octet-stream; name=\"order.skf\"\r\n"
               "Content-Transfer-Encoding: base64\r\n"
               "Content-Disposition: attachment; filename=\"order.skf\"\r\n"
               "\r\n"
               "aGVsbG8=\r\n");
  std::string b = "----=_Korvex_Mime_Part_08154711";
  std::string second = mail.Attachments.ItemAt(1)->Buffer;
  std::string group;
  for (int i = 0; i < 19; ++i) group += "eHh4";
  EXPECT_EQ(second.substr(second.find("\r\n\r\n") + 4), group + "\r\neHh4\r\n") << "Base64 in lines of 76";
  EXPECT_EQ(Composed(mail),
            "From: me\r\nTo: you\r\nDate: 09 Dec 26 1616 GMT\r\nSubject: Order\r\n"
            "Content-Type: multipart/mixed; boundary=\"" + b + "\"\r\n"
            "\r\n"
            "--" + b + "\r\n"
            "Content-Type: text/plain\r\n"
            "\r\n"
            "see attachment\r\n"
            "\r\n"
            "--" + b + "\r\n" + mail.Attachments.ItemAt(0)->Buffer + "\r\n"
            "--" + b + "\r\n" + second + "\r\n"
            "--" + b + "--\r\n\r\n");
}

TEST(Email, TheBoundaryAvoidsEveryAttachment) {
  std::string initial = "----=_Korvex_Mime_Part_08154711";
  EMAIL mail("me", "you", "s", ("body " + initial).c_str(), "host");
  EXPECT_STREQ(mail.MakeBoundary().Buffer, initial.c_str()) << "the body is not searched";
  mail.AddAttachment(nullptr, (initial + ".txt").c_str(), STRING("x"));
  EXPECT_EQ(std::string(mail.MakeBoundary().Buffer), initial + "$");
  mail.AddAttachment(nullptr, (initial + "$$.txt").c_str(), STRING("y"));
  EXPECT_EQ(std::string(mail.MakeBoundary().Buffer), initial + "$$$");

  testsupport::ReportCapture reports;
  EMAIL crowded("me", "you", "s", "b", "host");
  crowded.AddAttachment(nullptr, (initial + std::string(40, '$')).c_str(), STRING("z"));
  EXPECT_EQ(std::string(crowded.MakeBoundary().Buffer), initial + std::string(41, '$'));
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"boundary.Length()<64"});
}

}  // namespace
