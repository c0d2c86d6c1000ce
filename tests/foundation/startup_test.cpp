// The start-up's building blocks: splitting the command line, the argument
// lookups, the language number of a LANG value and the library it chooses,
// the home directory of the developer layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/args.h"
#include "foundation/home.h"
#include "foundation/language.h"
#include "osys/file.h"
#include "tests/foundation/support.h"

namespace {

std::vector<std::string> Split(const std::string& line) {
  std::vector<char> copy(line.begin(), line.end());
  copy.push_back(0);
  char* argv[ARGUMENT_TABLE_SIZE] = {};
  int n = SplitCommandLine(copy.data(), argv, ARGUMENT_MAX);
  return std::vector<std::string>(argv, argv + n);
}

TEST(SplitCommandLine, CutsAsTheFrameDoes) {
  using V = std::vector<std::string>;
  const struct {
    const char* Line;
    V Arguments;
  } cases[] = {
      {"setup.exe  -remove  Foo  ", V{"setup.exe", "-remove", "Foo"}},
      {"\"C:\\Program Files\\x\\setup.exe\" /LANG:FRENCH",
       V{"C:\\Program Files\\x\\setup.exe", "/LANG:FRENCH"}},
      // A quote inside an argument has no effect: the path is cut at its blank.
      {"setup.exe /DIR:\"C:\\My Dir\" /Q", V{"setup.exe", "/DIR:\"C:\\My", "Dir\"", "/Q"}},
      // An unclosed quote: the rest of the line without the quote.
      {"setup.exe \"Key With Blanks", V{"setup.exe", "Key With Blanks"}},
      {"setup.exe \"\" x", V{"setup.exe", "", "x"}},
      {"\"a\"b c", V{"a", "b", "c"}},
      {"   ", V{}},
      // Only blanks separate; a tab is part of the argument.
      {"a\tb c", V{"a\tb", "c"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Split(c.Line), c.Arguments) << c.Line;
}

TEST(SplitCommandLine, StopsAtItsLimit) {
  std::string line;
  for (int i = 0; i < 200; ++i) line += "a" + std::to_string(i) + " ";
  std::vector<std::string> arguments = Split(line);
  ASSERT_EQ(arguments.size(), static_cast<size_t>(ARGUMENT_MAX));
  EXPECT_EQ(arguments.back(), "a126");
}

class Arguments : public ::testing::Test {
 protected:
  void Use(const std::vector<const char*>& entries) {
    ClearArguments();
    for (const char* e : entries) AddArgument(e);
  }
  void TearDown() override { ClearArguments(); }
  static std::string Value(const char* name, int index) {
    STRING v = GetArgValue(name, index);
    return v.Buffer != nullptr ? v.Buffer : "<null>";
  }
};

TEST_F(Arguments, RemoveWithItsKey) {
  Use({"C:\\x\\setup.exe", "-remove", "Foo"});
  EXPECT_TRUE(TestArg("REMOVE"));
  EXPECT_TRUE(TestArgValue("REMOVE", 0));
  EXPECT_EQ(Value("REMOVE", 0), "Foo");
  EXPECT_FALSE(TestArgValue("REMOVE", 1));
  EXPECT_EQ(Value("REMOVE", 1), "<null>");
}

TEST_F(Arguments, SlashSwitchesCarryTheirValue) {
  const struct {
    const char* Entry;
    const char* Value;
  } cases[] = {
      {"/LANG:GER", "GER"},  {"/LANGGER", "GER"}, {"/LANG:", ""},         {"/LANG", ""},
      {"/lang:ger", "ger"},  {"/LANGUAGE", "UAGE"}, {"/LANG::x", ":x"},
  };
  for (const auto& c : cases) {
    Use({"setup.exe", c.Entry, "next"});
    EXPECT_EQ(Value("LANG", 0), c.Value) << c.Entry;
  }
}

TEST_F(Arguments, DashSwitchesTakeTheNextEntry) {
  Use({"setup.exe", "-LANG", "GER"});
  EXPECT_EQ(Value("LANG", 0), "GER");
  Use({"setup.exe", "-LANG:FRENCH", "GER"});
  EXPECT_EQ(Value("LANG", 0), "GER");
  Use({"setup.exe", "GER", "-LANG"});  // the last entry: nothing follows
  EXPECT_EQ(Value("LANG", 0), "<null>");
}

TEST_F(Arguments, NamesMatchWholeForTestArgAndByPrefixOtherwise) {
  Use({"setup.exe", "/ORDERS", "-AutoDirX", "/autodir"});
  EXPECT_FALSE(TestArg("ORDER"));
  EXPECT_TRUE(TestArgValue("ORDER", 0));
  EXPECT_TRUE(TestArg("AUTODIR"));  // "/autodir", not "-AutoDirX"
  Use({"setup.exe", "-AutoDirX"});
  EXPECT_FALSE(TestArg("AUTODIR"));
  EXPECT_TRUE(TestArgValue("AUTODIR", 0));
  Use({"setup.exe", "ORDER", "+ORDER"});  // neither is a switch
  EXPECT_FALSE(TestArgValue("ORDER", 0));
  EXPECT_FALSE(TestArg("ORDER"));
}

TEST_F(Arguments, IndexCountsMatchesInTableOrder) {
  Use({"setup.exe", "/LOG:1", "/X", "-LOG", "2", "/LOGIT"});
  EXPECT_EQ(Value("LOG", 0), "1");
  EXPECT_EQ(Value("LOG", 1), "2");
  EXPECT_EQ(Value("LOG", 2), "IT");
  EXPECT_FALSE(TestArgValue("LOG", 3));
}

TEST_F(Arguments, TableKeepsItsLastEntryNull) {
  ClearArguments();
  for (int i = 0; i < ARGUMENT_MAX; ++i) EXPECT_TRUE(AddArgument("/A"));
  EXPECT_FALSE(AddArgument("-B"));
  EXPECT_EQ(ArgumentCount(), ARGUMENT_MAX);
  EXPECT_EQ(ArgumentTable[ARGUMENT_MAX].Buffer, nullptr);
  // A "-" switch in the last entry finds the null entry after it.
  ArgumentTable[ARGUMENT_MAX - 1] = STRING("-LANG");
  EXPECT_EQ(Value("LANG", 0), "<null>");
}

TEST(LanguageNumber, OfTheLangValue) {
  const struct {
    const char* Value;
    int Number;
  } cases[] = {
      {"GER", 7},     {"ger", 7},  {"ENGL", 9},  {"FRENCH", 12}, {"Hungarian", 14},
      {"14", 14},     {"7x", 7},   {"1031", 1031}, {"UAGE", 0},   {"", 0},
      {"GERMAN", 0},  {"99999999999999", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LanguageNumberOf(STRING(c.Value)), c.Number) << c.Value;
  EXPECT_EQ(LanguageNumberOf(STRING()), 0);
}

TEST(LanguageNumber, ChoosesTheLibrary) {
  EXPECT_STREQ(LanguageLibraryName(7), "german.dll");
  EXPECT_STREQ(LanguageLibraryName(12), "french.dll");
  EXPECT_STREQ(LanguageLibraryName(14), "hungarian.dll");
  for (int other : {9, 0, -1, 1031, 1036}) EXPECT_STREQ(LanguageLibraryName(other), "english.dll");
}

TEST(HomeDirectory, IsTheDirectoryOfTheProgram) {
  EXPECT_STREQ(DirectoryPart(STRING("setup.exe")).Buffer, ".");
  EXPECT_STREQ(DirectoryPart(STRING("C:\\setup.exe")).Buffer, "C:");
  EXPECT_STREQ(DirectoryPart(STRING("a/b\\c.txt")).Buffer, "a/b");
  EXPECT_STREQ(HomeDirectoryOf(STRING("C:\\no-such-dir\\Debug\\setup.exe")).Buffer,
               "C:\\no-such-dir\\Debug");
}

#ifdef _WIN32
// A build tree: <dir>\main.cpp beside the output folders Debug, Debug2,
// Release and Release2 (the program's home is then <dir>), and a folder Other.
TEST(HomeDirectory, LeavesTheBuildFolderOfADeveloperTree) {
  std::string tree = testsupport::ScratchDirectory("devtree");
  for (const char* sub : {"Debug", "debug2", "RELEASE", "Release2", "Other"})
    OSYS::File::MakeDirectory(testsupport::PathIn(tree, sub).c_str());
  auto home = [&](const char* sub) {
    return std::string(HomeDirectoryOf(STRING(testsupport::PathIn(testsupport::PathIn(tree, sub), "setup.exe").c_str())).Buffer);
  };
  EXPECT_EQ(home("Debug"), testsupport::PathIn(tree, "Debug"));  // no main.cpp yet

  testsupport::WriteFile(testsupport::PathIn(tree, "main.cpp"), "int main() {}\n");
  EXPECT_EQ(home("Debug"), tree);
  EXPECT_EQ(home("debug2"), tree);
  EXPECT_EQ(home("RELEASE"), tree);
  EXPECT_EQ(home("Release2"), tree);
  EXPECT_EQ(home("Other"), testsupport::PathIn(tree, "Other"));
}
#endif

}  // namespace
