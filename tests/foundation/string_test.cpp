// STRING: null and empty strings, growth, tokens, search, edits, formatting,
// comparison and the null guard.
#include <gtest/gtest.h>

#include <string>

#include "foundation/str.h"
#include "foundation/stringpool.h"
#include "tests/foundation/support.h"

namespace {

using testsupport::ReportCapture;

std::string Text(const STRING& s) { return s.Buffer == nullptr ? "<null string>" : std::string(s.Buffer, s.StrLen); }

TEST(String, NullAndEmptyAreDifferentStates) {
  STRING null, empty("");
  EXPECT_EQ(null.Buffer, nullptr);
  EXPECT_EQ(null.BufLen, 0);
  ASSERT_NE(empty.Buffer, nullptr);
  EXPECT_EQ(empty.StrLen, 0);
  EXPECT_FALSE(null == empty);
  EXPECT_TRUE(null == nullptr);
  EXPECT_TRUE(empty == "");
  EXPECT_EQ(STRING(static_cast<const char*>(nullptr)).Buffer, nullptr);

  for (const STRING& s : {null.Mid(0), null.Left(3), null.Right(3), empty.Mid(2)}) {
    ASSERT_NE(s.Buffer, nullptr) << "substrings are never null";
    EXPECT_EQ(s.StrLen, 0);
  }
  EXPECT_EQ(null.Token(0, "|").Buffer, nullptr);
  EXPECT_EQ(Text(empty.Token(0, "|")), "");
}

TEST(String, TokensAndLines) {
  struct CASE {
    const char* text;
    int index;
    int mode;
    const char* expected;  // null: a null string
  } cases[] = {
      {"a||b", 0, 0, "a"},
      {"a||b", 1, 0, ""},
      {"a||b", 2, 0, "b"},
      {"a||b", 3, 0, nullptr},
      {"a||b", 3, TOKEN_NONULL, ""},
      {"a|b|c", 1, TOKEN_REST, "b|c"},
      {"a|b|", 2, 0, ""},
      {"a|b|", 3, 0, nullptr},
      {"x;y:z", 2, 0, "z"},
      {"", 0, 0, ""},
      {"", 1, 0, nullptr},
  };
  for (const CASE& c : cases) {
    STRING s(c.text);
    std::string separators = std::string(c.text).find(';') != std::string::npos ? ";:" : "|";
    STRING token = s.Token(c.index, separators.c_str(), c.mode);
    EXPECT_EQ(Text(token), c.expected ? c.expected : "<null string>")
        << "token " << c.index << " of '" << c.text << "' mode " << c.mode;
  }
  STRING lines("one\ntwo\n\nfour");
  EXPECT_EQ(Text(lines.Line(1)), "two");
  EXPECT_EQ(Text(lines.Line(2)), "");
  EXPECT_EQ(Text(lines.Line(3)), "four");
  EXPECT_EQ(lines.Line(4).Buffer, nullptr);
}

TEST(String, SearchTable) {
  struct CASE {
    const char* text;
    const char* find;
    int start;
    int pos;
    int ipos;
  } cases[] = {
      {"abc", "", 0, 0, 0},     {"abc", "a", 3, -1, -1},  {"abc", "c", 1, 2, 2},
      {"abcABC", "BC", 0, 4, 1}, {"", "", 0, -1, -1},      {"aXbx", "x", -5, 3, 1},
      {"abc", "abcd", 0, -1, -1},
  };
  for (const CASE& c : cases) {
    STRING s(c.text);
    EXPECT_EQ(s.Pos(c.find, c.start), c.pos) << "'" << c.find << "' in '" << c.text << "' from " << c.start;
    EXPECT_EQ(s.iPos(c.find, c.start), c.ipos) << "'" << c.find << "' in '" << c.text << "' from " << c.start;
  }
  int pos = 99;
  EXPECT_FALSE(STRING().Find("x", &pos));
  EXPECT_EQ(pos, -1);
  EXPECT_TRUE(STRING("Path=C:").iFind("path", &pos));
  EXPECT_EQ(pos, 0);

  STRING bytes;
  bytes.Append("ab\0cd", 5);
  EXPECT_EQ(bytes.StrLen, 5);
  EXPECT_EQ(bytes.Pos("cd"), -1) << "text operations stop at the first zero byte";
  EXPECT_EQ(bytes.iPos("CD"), -1);
}

TEST(String, ReplaceDoesNotSearchTheInsertedText) {
  struct CASE {
    const char* text;
    const char* from;
    const char* to;
    bool caseSensitive;
    const char* expected;
  } cases[] = {
      {"$PROG", "$PROG", "$PROGRAM", true, "$PROGRAM"},
      {"a$PROG b $PROG", "$PROG", "$PROGRAM", true, "a$PROGRAM b $PROGRAM"},
      {"aaa", "a", "aa", true, "aaaaaa"},
      {"xxabxx", "xx", "", true, "ab"},
      {"Hello hello", "HELLO", "bye", false, "bye bye"},
      {"Hello hello", "HELLO", "bye", true, "Hello hello"},
      {"same", "same", "same", true, "same"},
      {"abc", "", "z", true, "abc"},
  };
  for (const CASE& c : cases) {
    STRING s(c.text);
    s.Replace(c.from, c.to, c.caseSensitive);
    EXPECT_EQ(Text(s), c.expected) << c.text << ": " << c.from << " -> " << c.to;
    EXPECT_EQ(s.Buffer[s.StrLen], 0);
  }
  STRING big;
  for (int i = 0; i < 200; ++i) big.Append("$P;");
  big.Replace("$P", "$PROGRAMME");
  EXPECT_EQ(big.StrLen, 200 * 11);
  EXPECT_EQ(big.Pos("$P;"), -1);
}

TEST(String, GrowthFollowsTheBlockRules) {
  STRING s;
  s.Make(95, nullptr);
  EXPECT_EQ(s.BufLen, 192) << "a request of exactly k blocks gets k + 1";
  STRING t;
  t.Make(0, nullptr);
  EXPECT_EQ(t.BufLen, 96);

  STRING grown;
  int lastBufLen = 0, reallocations = 0;
  bool sawDynablock = false;
  std::string chunk(100, 'x');
  while (grown.StrLen < 300000) {
    grown.Append(chunk.c_str());
    if (grown.BufLen != lastBufLen) {
      ++reallocations;
      lastBufLen = grown.BufLen;
      if (!sawDynablock && grown.BufLen >= 32768) {
        sawDynablock = true;
        EXPECT_TRUE(grown.Flags & STRINGFLAG_DYNABLOCK);
        EXPECT_EQ(grown.BlockSize, 16382) << "after the growth to " << grown.BufLen;
      } else if (grown.BufLen < 1024) {
        EXPECT_EQ(grown.BlockSize, 96);
      } else if (grown.BufLen < 4096) {
        EXPECT_EQ(grown.BlockSize, 1024);
      } else if (grown.BufLen < 8192) {
        EXPECT_EQ(grown.BlockSize, 2048);
      } else if (grown.BufLen < 32768) {
        EXPECT_EQ(grown.BlockSize, 4096);
      } else {
        int half = grown.BufLen / 2;
        EXPECT_EQ(grown.BlockSize, half >= 0x20000 ? 0x20000 : (half + 1023) / 1024 * 1024);
      }
    }
  }
  EXPECT_TRUE(sawDynablock);
  EXPECT_LT(reallocations, 40);
  EXPECT_EQ(grown.Pos("xy"), -1);
  EXPECT_EQ(grown.Buffer[grown.StrLen], 0);
}

TEST(String, CopyKeepsTheSourceBlockSizeAssignmentTheTarget) {
  STRING source(256);
  source.Append("data");
  source.Flags = STRINGFLAG_BYTES;
  STRING copy(source);
  EXPECT_EQ(copy.BlockSize, 256);
  EXPECT_EQ(copy.Flags, STRINGFLAG_BYTES);
  STRING target(1024);
  target = source;
  EXPECT_EQ(target.BlockSize, 1024);
  EXPECT_EQ(target.Flags, STRINGFLAG_BYTES);
  EXPECT_EQ(Text(target), "data");
  target = STRING();
  EXPECT_EQ(target.Buffer, nullptr);
  STRING& alias = target;
  target = alias;
  EXPECT_EQ(target.Buffer, nullptr);
}

TEST(String, AppendingAndConcatenatingNullTexts) {
  STRING s;
  s.Append(static_cast<const char*>(nullptr));
  EXPECT_EQ(Text(s), "<NULL>");
  STRING nothing;
  nothing.Append(STRING());
  ASSERT_NE(nothing.Buffer, nullptr) << "a null target gets a buffer";
  EXPECT_EQ(nothing.StrLen, 0);

  EXPECT_EQ(Text(STRING() || "x"), "x");
  EXPECT_EQ(Text(STRING("x") || static_cast<const char*>(nullptr)), "x<NULL>");
  EXPECT_EQ(Text(STRING("x") || STRING()), "x<NULL>");
  EXPECT_EQ(Text(static_cast<const char*>(nullptr) || STRING("y")), "y");
  EXPECT_EQ(Text("a" || STRING("b") || "c"), "abc");

  STRING self("abc");
  for (int i = 0; i < 6; ++i) self.Append(self.Buffer);  // across growths
  EXPECT_EQ(self.StrLen, 3 * 64);
  EXPECT_EQ(self.Pos("abcabc"), 0);
  STRING other("xy");
  other.Append(other);
  EXPECT_EQ(Text(other), "xyxy");
}

TEST(String, EditsInPlace) {
  STRING s("abcdef");
  s.CutLeft(2);
  EXPECT_EQ(Text(s), "cdef");
  s.CutRight(1);
  EXPECT_EQ(Text(s), "cde");
  s.InsertChars(2, 1, '-');
  EXPECT_EQ(Text(s), "c--de");
  s.InsertChars(3, 5, '!');  // at the end: nothing
  EXPECT_EQ(Text(s), "c--de");
  s.Insert("XY", 0);
  s.Insert("<", s.StrLen);
  s.Insert("never", 100);
  EXPECT_EQ(Text(s), "XYc--de<");
  s.Insert(s.Buffer + 2, 0);  // a text inside the string, not the string itself
  EXPECT_EQ(Text(s), "c--de<XYc--de<");
  s.ToUpper();
  EXPECT_EQ(Text(s), "C--DE<XYC--DE<");
  s.Truncate(3);
  EXPECT_EQ(Text(s), "C--");
  EXPECT_EQ(s.Buffer[3], 0);
  s.CutLeft(10);
  EXPECT_EQ(Text(s), "");
  STRING null;
  null.ToUpper();
  EXPECT_EQ(null.Buffer, nullptr);
}

TEST(String, MisuseIsReportedAndChangesNothing) {
  ReportCapture capture;
  STRING s("abc");
  char& outside = s[3];
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(s.At(3), 0) << "the terminator may be read";
  s.At(4);
  s.Truncate(-1);
  s.CutLeft(-1);
  s.CutRight(-2);
  s.InsertChars(-1, 0, 'x');
  s.Insert(s.Buffer, 1);
  s.Strip('x', " ");
  EXPECT_EQ(Text(s), "abc");
  EXPECT_EQ(capture.Conditions(), (std::vector<std::string>{
                                      "i>=0 && i<this->StrLen", "i>=0 && i<=this->StrLen", "newlength>=0",
                                      "howmany>=0", "howmany>=0", "howmany>=0", "text!=this->Buffer",
                                      "how=='L' || how=='R' || how=='B'"}));
  EXPECT_EQ(capture.Reports()[0].Info, "i= 3, len= 3, buf= abc");
  outside = 'z';  // a write through the stand-in byte reaches no string
  EXPECT_EQ(Text(s), "abc");
  EXPECT_EQ(s[3], 0);
}

TEST(String, StripTable) {
  struct CASE {
    const char* text;
    char how;
    const char* chars;
    const char* expected;
  } cases[] = {
      {"  a b  ", 'B', " ", "a b"}, {"||x|", 'b', "|", "x"},        {"C:\\dir\\\\", 'R', "\\", "C:\\dir"},
      {"line\r\n", 'R', "\r\n", "line"}, {"*#*name", 'L', "*#", "name"}, {"DDx", 'l', "D", "x"},
      {"    ", 'B', " ", ""},
  };
  for (const CASE& c : cases) {
    STRING s(c.text);
    s.Strip(c.how, c.chars);
    EXPECT_EQ(Text(s), c.expected) << "'" << c.text << "' " << c.how;
    EXPECT_EQ(s.Buffer[s.StrLen], 0);
  }
}

TEST(String, FormatNeverWritesPastItsBuffer) {
  ReportCapture capture;
  STRING s;
  EXPECT_EQ(s.Format("%d-%s", 42, "x"), 4);
  EXPECT_EQ(Text(s), "42-x");
  EXPECT_TRUE(capture.Reports().empty());

  std::string fits(2046, 'f');
  EXPECT_EQ(s.Format("%s", fits.c_str()), 2046);
  EXPECT_TRUE(capture.Reports().empty());

  std::string huge(100000, 'h');
  EXPECT_EQ(s.Format("%s%s", huge.c_str(), huge.c_str()), 2047);
  EXPECT_EQ(s.StrLen, 2047);
  EXPECT_EQ(capture.Conditions(), std::vector<std::string>{"rc<sizeof(buf)-1"});

  capture.Clear();
  s.Format("ab");
  EXPECT_EQ(s.AppendFormat("%s", huge.c_str()), 4095);
  EXPECT_EQ(s.StrLen, 2 + 4095);
  EXPECT_EQ(capture.Conditions(), std::vector<std::string>{"rc<sizeof(buf)-1"});

  capture.Clear();
  s.Format("%s", s.Buffer);  // the own buffer as an argument
  EXPECT_EQ(s.StrLen, 2047);
  EXPECT_EQ(s.Format("%lld|%5.2f|%zu", 1234567890123LL, 3.14159, static_cast<size_t>(7)), 21);
  EXPECT_EQ(Text(s), "1234567890123| 3.14|7") << "the same C99 formatting in both builds";
}

TEST(String, StrICmpFoldsAsciiAndComparesUnsignedBytes) {
  EXPECT_EQ(StrICmp("ABC", "abc"), 0);
  EXPECT_LT(StrICmp("a", "B"), 0);
  EXPECT_GT(StrICmp("b", "A"), 0);
  EXPECT_GT(StrICmp("\xE4", "z"), 0) << "bytes above 127 sort after ASCII";
  EXPECT_NE(StrICmp("\xC4", "\xE4"), 0) << "only ASCII letters fold";
  EXPECT_LT(StrICmp("ab", "abc"), 0);
  EXPECT_EQ(StrICmp(nullptr, nullptr, true), 0);
  EXPECT_EQ(StrICmp(nullptr, "x", true), 1);
  EXPECT_EQ(StrICmp("x", nullptr, true), 1);
  EXPECT_EQ(StrICmp(nullptr, "<null>"), 0) << "without nullAware a null pointer reads as <NULL>";
  EXPECT_TRUE(STRING("Setup") == "SETUP");
}

TEST(String, NullGuardFollowsTheEnvironment) {
  ReportCapture capture;
  EXPECT_STREQ(NullGuard(nullptr, "label"), "<NULL>");
  testsupport::SetEnv("KORVEXFAILONNULL", "1");
  EXPECT_EQ(NullGuard(nullptr, "label"), nullptr);
  STRING s("a");
  s.Append(static_cast<const char*>(nullptr));
  EXPECT_EQ(Text(s), "a") << "a null text handed on reads as nothing";
  EXPECT_TRUE(capture.Reports().empty());

  testsupport::SetEnv("KORVEXFAILONNULL", "3");
  EXPECT_EQ(NullGuard(nullptr, "my label"), nullptr);
  EXPECT_EQ(NullGuard(nullptr, nullptr), nullptr);
  ASSERT_EQ(capture.Conditions(), (std::vector<std::string>{"p!=NULL", "p!=NULL"}));
  EXPECT_EQ(capture.Reports()[0].Info, "my label");
  EXPECT_EQ(capture.Reports()[1].Info, "<none>");

  testsupport::SetEnv("KORVEXFAILONNULL", nullptr);
  EXPECT_EQ(NullGuard(nullptr, "x"), nullptr) << "an unset variable keeps the value read last";
  testsupport::SetEnv("KORVEXFAILONNULL", "0");
  EXPECT_STREQ(NullGuard(nullptr, "x"), "<NULL>");
  testsupport::SetEnv("KORVEXFAILONNULL", nullptr);
  const char* p = "text";
  EXPECT_EQ(NullGuard(p, "x"), p);
}

TEST(StringPool, RecyclesSmallBlocksUpToItsLimit) {
  {
    std::vector<STRING> many(200);
    for (STRING& s : many) s.Append("small");
  }
  EXPECT_EQ(PooledStringBlocks(), 127);
  int before = PooledStringBlocks();
  {
    STRING small("x");
    EXPECT_EQ(small.BufLen, 96);
    EXPECT_EQ(PooledStringBlocks(), before - 1) << "taken from the pool";
    STRING large(std::string(500, 'y').c_str());
    EXPECT_EQ(PooledStringBlocks(), before - 1) << "other sizes use the heap";
  }
  EXPECT_EQ(PooledStringBlocks(), before);
}

}  // namespace
