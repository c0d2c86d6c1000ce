// STRINGARRAY and the key=value text form: order, duplicates, case folding,
// escapes, byte data, #Handle and #Key, bad lines and file round trips.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/dynarray.h"
#include "tests/foundation/support.h"

namespace {

using testsupport::ReportCapture;

std::string Text(const STRING& s) { return s.Buffer == nullptr ? "<null string>" : std::string(s.Buffer, s.StrLen); }

std::vector<std::string> KeysOf(const STRINGARRAY& list) {
  std::vector<std::string> keys;
  for (int i = 0; i < list.Keys.Count(); ++i) keys.push_back(Text(*list.Keys.ItemAt(i)));
  return keys;
}

STRING Bytes(const std::string& bytes) {
  STRING s;
  s.Make(static_cast<int>(bytes.size()), bytes.data());
  return s;
}

TEST(KeyValue, StableCaseInsensitiveOrderAndFirstDuplicateWins) {
  STRINGARRAY list(STRING("b=2\nA=1\na=3\n\nc=4"));
  EXPECT_EQ(KeysOf(list), (std::vector<std::string>{"A", "a", "b", "c"}));
  EXPECT_EQ(Text(list.Value("A")), "1");
  EXPECT_EQ(Text(list.Value("a")), "1");
  EXPECT_EQ(list.IndexOf("B"), 2);
  EXPECT_EQ(list.IndexOf("bb"), -1);
  EXPECT_TRUE(list.Contains("C"));
  EXPECT_TRUE(list.Remove("a"));
  EXPECT_EQ(Text(list.Value("a")), "3") << "the second pair remains";
  EXPECT_EQ(list.Keys.Count(), 3);
  EXPECT_FALSE(list.Remove("zz"));
  DYNARRAY keys = list.GetKeys();
  EXPECT_EQ(keys.Count(), 3);
}

TEST(KeyValue, ValuesAreUnescapedStrictlyAndNothingIsTrimmed) {
  ReportCapture capture;
  STRINGARRAY list(STRING("Path=C:\\\\dir\nBad=C:\\dir\nKey = Value\nx==a=b\n=empty key"));
  EXPECT_EQ(Text(list.Value("Path")), "C:\\dir");
  EXPECT_EQ(Text(list.Value("Bad")), "C:dir");
  EXPECT_EQ(Text(list.Value("Key ")), " Value");
  EXPECT_EQ(Text(list.Value("x")), "=a=b");
  EXPECT_EQ(Text(list.Value("")), "empty key");
  EXPECT_EQ(capture.Conditions(), std::vector<std::string>{"FALSE"});
  capture.Clear();
  STRINGARRAY odd(STRING("k={{abc"));
  EXPECT_EQ(Text(odd.Value("k")), "{{abc") << "not byte data: an ordinary value";
  EXPECT_EQ(odd.Value("k").Flags & STRINGFLAG_BYTES, 0);
}

TEST(KeyValue, MissingKeysAreCreatedWithNullValues) {
  ReportCapture capture;
  STRINGARRAY list(STRING("b=2"));
  STRING& created = list.Value("a");
  EXPECT_EQ(created.Buffer, nullptr);
  EXPECT_EQ(KeysOf(list), (std::vector<std::string>{"a", "b"}));
  list.Value("c") = "3";
  EXPECT_EQ(Text(list.ToText()), "a=\nb=2\nc=3\n");
  STRINGARRAY back(list.ToText());
  EXPECT_EQ(Text(back.Value("a")), "") << "a null value reads back as empty";

  list.LockTable = 1;
  list.Value("zz");
  ASSERT_EQ(capture.Conditions(), std::vector<std::string>{"!this->LockTable"});
  EXPECT_EQ(capture.Reports()[0].Info, "zz");
  EXPECT_TRUE(list.Contains("zz")) << "the key is still created";
}

TEST(KeyValue, RoundTripWithByteDataHandleAndKey) {
  STRINGARRAY list;
  list.Handle = 5;
  list.Key = "abc";
  STRING bytes = Bytes(std::string("\x00\xFF", 2));
  bytes.Flags = STRINGFLAG_BYTES;
  list.Value("k") = bytes;
  list.Value("text") = "a=b {c} \\ \t\r\n\xe4 end";
  STRING text = list.ToText();
  EXPECT_EQ(Text(text), "#Handle=5\n#Key=abc\nk=={{AP8=}}\ntext=a\\x3db \\x7bc\\x7d \\\\ \\t\\r\\n\\xe4 end\n");

  STRINGARRAY back(text);
  EXPECT_EQ(back.Handle, 5);
  EXPECT_EQ(Text(back.Key), "abc");
  EXPECT_EQ(KeysOf(back), (std::vector<std::string>{"k", "text"}));
  EXPECT_EQ(Text(back.Value("k")), std::string("\x00\xFF", 2));
  EXPECT_TRUE(back.Value("k").Flags & STRINGFLAG_BYTES);
  EXPECT_EQ(Text(back.Value("TEXT")), "a=b {c} \\ \t\r\n\xe4 end");
  EXPECT_EQ(Text(back.ToText()), Text(text));
}

TEST(KeyValue, BadLinesAreReportedAndLeaveNoPair) {
  ReportCapture capture;
  const char raw[] = "good=1\nno equals sign\nnul\0byte=x\nbad=\\x4\nafter=2";
  std::string input(raw, sizeof raw - 1);
  STRINGARRAY list(Bytes(input));
  EXPECT_EQ(KeysOf(list), (std::vector<std::string>{"after", "bad", "good"}));
  EXPECT_EQ(capture.Conditions(),
            (std::vector<std::string>{"item.Find(\"=\")", "item.Find(\"=\")", "isxdigit(xdigit[1])"}));
  EXPECT_EQ(capture.Reports()[0].Info, "no equals sign");
  EXPECT_EQ(Text(list.Value("bad")), "\x04");
  EXPECT_EQ(Text(list.Value("after")), "2");
}

using KeyValueFiles = testsupport::ScratchTest;

TEST_F(KeyValueFiles, SaveWritesCrLfAndLoadReplacesTheList) {
  std::string name = In("setup.cfg");
  STRINGARRAY list(STRING("AppName=TESSEL\nInstallPath=C:\\\\Programs\\\\Tessel"));
  ASSERT_TRUE(list.Save(name.c_str()));
  EXPECT_EQ(testsupport::ReadFile(name), "AppName=TESSEL\r\nInstallPath=C:\\\\Programs\\\\Tessel\r\n");

  STRINGARRAY loaded(STRING("old=1"));
  loaded.LockTable = 1;
  ASSERT_TRUE(loaded.Load(name.c_str()));
  EXPECT_EQ(KeysOf(loaded), (std::vector<std::string>{"AppName", "InstallPath"}));
  EXPECT_EQ(Text(loaded.Value("installpath")), "C:\\Programs\\Tessel");
  EXPECT_EQ(loaded.LockTable, 0);

  EXPECT_FALSE(loaded.Load(In("missing.cfg").c_str()));
  EXPECT_EQ(loaded.Keys.Count(), 2) << "unchanged";

  testsupport::WriteFile(name, "a=1\r\nb=2\x1a" "c=3\r\n");
  ASSERT_TRUE(loaded.Load(name.c_str()));
  EXPECT_EQ(KeysOf(loaded), (std::vector<std::string>{"a", "b"})) << "byte 26 ends the data";
}

TEST_F(KeyValueFiles, LongLines) {
  std::string name = In("long.cfg");
  std::string value(1 << 20, 'v');
  testsupport::WriteFile(name, "short=1\r\nlong=" + value + "\r\nz=2\r\n");
  STRINGARRAY list;
  ASSERT_TRUE(list.Load(name.c_str()));
  EXPECT_EQ(Text(list.Value("long")), value);
  EXPECT_EQ(Text(list.Value("z")), "2");
}

}  // namespace
