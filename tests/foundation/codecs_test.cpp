// Escaping, hex, Base64 and whole-file load and save in text and binary
// mode.
#include <gtest/gtest.h>

#include <string>

#include "foundation/str.h"
#include "osys/file.h"
#include "osys/osys.h"
#include "tests/foundation/support.h"

namespace {

using testsupport::PathIn;
using testsupport::ReadFile;
using testsupport::ReportCapture;
using testsupport::WriteFile;

STRING Bytes(const std::string& bytes) {
  STRING s;
  s.Make(static_cast<int>(bytes.size()), bytes.data());
  return s;
}

std::string Text(const STRING& s) { return s.Buffer == nullptr ? "<null string>" : std::string(s.Buffer, s.StrLen); }

TEST(Codecs, EscapeAndUnescapeRoundTripEveryByte) {
  STRING example = Bytes("\x41\x3D\x0A\xE4");
  STRING escaped = example.Escape("={}");
  EXPECT_EQ(Text(escaped), "A\\x3d\\n\\xe4");
  EXPECT_EQ(escaped.StrLen, 11);
  EXPECT_EQ(Text(escaped.Unescape(false)), Text(example));

  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
  STRING every = Bytes(all);
  STRING e = every.Escape("={}");
  EXPECT_EQ(e.Pos("\n"), -1);
  EXPECT_EQ(e.Pos("="), -1);
  EXPECT_EQ(Text(e.Unescape(false)), all);
  EXPECT_EQ(Text(Bytes(std::string("\\\0\t\r\x1a\x7f", 6)).Escape("")), "\\\\\\0\\t\\r\\z\x7f");
  EXPECT_EQ(STRING().Escape("").Buffer, nullptr);
}

TEST(Codecs, BadEscapesAreReportedAndDecodingGoesOn) {
  struct CASE {
    const char* text;
    bool lenient;
    const char* expected;
    std::vector<std::string> reports;
  } cases[] = {
      {"C:\\\\dir", false, "C:\\dir", {}},
      {"C:\\dir", false, "C:dir", {"FALSE"}},
      {"C:\\dir", true, "C:\\dir", {}},
      {"\\q\\", true, "\\q\\", {}},
      {"end\\", false, "end", {"FALSE"}},
      {"\\x4", false, "\x04", {"isxdigit(xdigit[1])"}},
      {"\\xg1", false, "g1", {"isxdigit(xdigit[0])"}},
      {"\\x", false, "", {"isxdigit(xdigit[0])"}},
      {"\\x4z!", false, "\x04z!", {"isxdigit(xdigit[1])"}},
      {"\\x41\\x3D", false, "A=", {}},
  };
  for (const CASE& c : cases) {
    ReportCapture capture;
    EXPECT_EQ(Text(STRING(c.text).Unescape(c.lenient)), c.expected) << c.text;
    EXPECT_EQ(capture.Conditions(), c.reports) << c.text;
  }
  ReportCapture capture;
  EXPECT_EQ(Text(Bytes(std::string("a\0\\0b", 5)).Unescape(false)), std::string("a\0\0b", 4));
  EXPECT_TRUE(capture.Reports().empty());
}

TEST(Codecs, HexAndBase64) {
  EXPECT_EQ(Text(Bytes(std::string("\x00\xFF", 2)).ToHex()), "00ff");
  EXPECT_EQ(STRING("").ToHex().Buffer, nullptr);
  EXPECT_EQ(STRING().ToHex().Buffer, nullptr);

  struct CASE {
    const char* plain;
    const char* encoded;
  } cases[] = {{"", ""}, {"a", "YQ=="}, {"ab", "YWI="}, {"abc", "YWJj"}, {"abcd", "YWJjZA=="}};
  for (const CASE& c : cases) {
    EXPECT_EQ(Text(STRING(c.plain).ToBase64(false)), c.encoded);
    EXPECT_EQ(Text(STRING(c.encoded).FromBase64()), c.plain);
  }
  EXPECT_EQ(Text(STRING("YWJ").FromBase64()), "") << "a final group without '=' yields nothing";
  EXPECT_EQ(Text(STRING("YW Jj\r\nZA==garbage").FromBase64()), "abcd") << "skips blanks, stops at '='";
  EXPECT_EQ(Text(STRING("Y===").FromBase64()), "");
  EXPECT_EQ(Text(STRING("YWJjZ").FromBase64()), "abc");

  std::string all;
  for (int i = 0; i < 1000; ++i) all.push_back(static_cast<char>(i * 7));
  STRING wrapped = Bytes(all).ToBase64(true);
  std::string w = Text(wrapped);
  size_t start = 0, lines = 0;
  while (start < w.size()) {
    size_t end = w.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "a CR LF ends the last line";
    EXPECT_LE(end - start, 76u);
    start = end + 2;
    ++lines;
  }
  EXPECT_EQ(lines, (4 * 334 + 75) / 76);
  EXPECT_EQ(Text(wrapped.FromBase64()), all);
  EXPECT_EQ(Text(STRING("").ToBase64(true)), "");
}

using FileTransfer = testsupport::ScratchTest;

TEST_F(FileTransfer, TextModeTranslatesLineEndsAndStopsAtByte26) {
  std::string name = In("text.txt");
  std::string content = "a\r\nb\rc\n\r\n";
  // A CR LF split across the reads of 8192 bytes.
  const size_t xs = 8192 - content.size() - 1;
  content += std::string(xs, 'x') + "\r\n" + "tail\r\n\x1a" + "after";
  WriteFile(name, content);
  STRING s;
  ASSERT_EQ(s.Load(name.c_str(), "r"), 1);
  std::string expected = "a\nb\rc\n\n" + std::string(xs, 'x') + "\n" + "tail\n";
  EXPECT_EQ(Text(s), expected);
  ASSERT_EQ(s.Load(name.c_str(), "rb"), 1);
  EXPECT_EQ(Text(s), content);

  STRING out("one\ntwo\r\n\x1a");
  ASSERT_EQ(out.Save(name.c_str(), "w"), 1);
  EXPECT_EQ(ReadFile(name), "one\r\ntwo\r\r\n\x1a");
  ASSERT_EQ(out.Save(name.c_str(), "wb"), 1);
  EXPECT_EQ(ReadFile(name), "one\ntwo\r\n\x1a");
  ASSERT_EQ(STRING("more\n").Save(name.c_str(), "a"), 1);
  EXPECT_EQ(ReadFile(name), "one\ntwo\r\n\x1amore\r\n");
}

TEST_F(FileTransfer, LargeFilesAndNullBytes) {
  std::string name = In("big.bin");
  std::string big;
  for (int i = 0; i < 300000; ++i) big.push_back(static_cast<char>(i % 251));
  ASSERT_EQ(Bytes(big).Save(name.c_str(), "wb"), 1);
  STRING s;
  ASSERT_EQ(s.Load(name.c_str(), "rb"), 1);
  EXPECT_EQ(Text(s), big);
  EXPECT_TRUE(s.Flags & STRINGFLAG_DYNABLOCK);
}

TEST_F(FileTransfer, FailuresLeaveTheStringUnchanged) {
  STRING s("before");
  EXPECT_EQ(s.Load(In("missing.txt").c_str(), "r"), 0);
  EXPECT_EQ(Text(s), "before");
  EXPECT_EQ(s.Load(In("x").c_str(), "bogus"), 0);

  std::string name = In("seam.txt");
  WriteFile(name, "content");
  OSYS::File::FailNthCall(2, OSYS::ErrorReadFault);  // the open works, the read fails
  EXPECT_EQ(s.Load(name.c_str(), "r"), 0);
  EXPECT_EQ(Text(s), "before");

  OSYS::File::FailNthCall(2, OSYS::ErrorDiskFull);
  EXPECT_EQ(STRING("data").Save(name.c_str(), "w"), 0) << "a failed write is no success";
  EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorDiskFull);
  OSYS::File::FailNthCall(0, 0);
  EXPECT_EQ(STRING().Save(name.c_str(), "w"), 1);
  EXPECT_EQ(ReadFile(name), "");
}

}  // namespace
