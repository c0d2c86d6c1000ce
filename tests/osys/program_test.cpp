// OSYS::StartProgram: the command line, the hidden start, window title,
// working directory and waiting, as the started program saw them. The
// started program is the recorder (cmdline_recorder.cpp) copied to
// C:\x\tool.exe; it writes C:\x\tool.exe.log.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "osys/osys.h"
#include "osys/paths.h"
#include "osys/program.h"
#include "osys/tree.h"
#include "tests/foundation/support.h"

namespace {

constexpr const char* Tool = "C:\\x\\tool.exe";
constexpr const char* ToolLog = "C:\\x\\tool.exe.log";

struct STARTED {
  std::string CommandLine;
  unsigned long Flags = 0;
  unsigned Show = 0;
  std::string Title;
  std::string Directory;
};

STARTED ReadRecord() {
  std::istringstream lines(testsupport::ReadFile(ToolLog));
  STARTED started;
  std::string flags, show;
  std::getline(lines, started.CommandLine);
  std::getline(lines, flags);
  std::getline(lines, show);
  std::getline(lines, started.Title);
  std::getline(lines, started.Directory);
  started.Flags = std::strtoul(flags.c_str(), nullptr, 10);
  started.Show = static_cast<unsigned>(std::strtoul(show.c_str(), nullptr, 10));
  return started;
}

class StartProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OSYS::MakePath("C:\\x"));
    std::string recorder = std::string(std::getenv("HALVIX_BUILD")) + "/tests/osys_cmdline_recorder.exe";
    ASSERT_TRUE(::CopyFileA(recorder.c_str(), Tool, FALSE)) << recorder;
    ::DeleteFileA(ToolLog);
  }
  // A program started without waiting may still be ending.
  void TearDown() override {
    for (int i = 0; i < 100 && OSYS::FileExists("C:\\x"); ++i) {
      OSYS::DeleteTree("C:\\x", "*.*", true);
      if (OSYS::FileExists("C:\\x")) OSYS::Sleep(50);
    }
  }
};

TEST_F(StartProgram, HiddenWithQuotedProgramAndArguments) {
  EXPECT_EQ(OSYS::StartProgram("*C:\\x\\tool.exe", "-a", nullptr, "probe title", true), 1);
  STARTED started = ReadRecord();
  EXPECT_EQ(started.CommandLine, "\"C:\\x\\tool.exe\" -a");
  EXPECT_TRUE(started.Flags & STARTF_USESHOWWINDOW);
  EXPECT_EQ(started.Show, static_cast<unsigned>(SW_HIDE));
  EXPECT_EQ(started.Title, "probe title");
}

TEST_F(StartProgram, CommandLines) {
  struct CASE {
    const char* Program;
    const char* Arguments;
    const char* CommandLine;
  };
  const CASE cases[] = {
      {"C:\\x\\tool.exe", "-a", "\"C:\\x\\tool.exe\" -a"},
      {"\"C:\\x\\tool.exe\"", "-remove P1 -final", "\"C:\\x\\tool.exe\" -remove P1 -final"},
      {"C:\\x\\tool.exe", "", "C:\\x\\tool.exe"},
      {"C:\\x\\tool.exe", nullptr, "C:\\x\\tool.exe"},
  };
  for (const CASE& c : cases) {
    ::DeleteFileA(ToolLog);
    ASSERT_EQ(OSYS::StartProgram(c.Program, c.Arguments, nullptr, "", true), 1) << c.Program;
    STARTED started = ReadRecord();
    EXPECT_EQ(started.CommandLine, c.CommandLine);
    EXPECT_FALSE(started.Flags & STARTF_USESHOWWINDOW) << "shown as the program likes";
  }
}

TEST_F(StartProgram, WorkingDirectory) {
  ASSERT_TRUE(OSYS::MakePath("C:\\x\\work"));
  EXPECT_EQ(OSYS::StartProgram(Tool, "", "C:\\x\\work", "", true), 1);
  EXPECT_EQ(ReadRecord().Directory, "C:\\x\\work");
  STRING current = OSYS::CurrentDirectory();
  EXPECT_EQ(OSYS::StartProgram(Tool, "", "", "", true), 1);
  EXPECT_EQ(ReadRecord().Directory, current.Buffer) << "an empty directory is the current one";
}

TEST_F(StartProgram, WithoutWaitingItReturnsAtOnce) {
  EXPECT_NE(OSYS::StartProgram(Tool, "-n", nullptr, "", false), 0);
  for (int i = 0; i < 200 && ReadRecord().Directory.empty(); ++i) OSYS::Sleep(50);
  EXPECT_EQ(ReadRecord().CommandLine, "\"C:\\x\\tool.exe\" -n");
}

TEST_F(StartProgram, AMissingProgramGivesZero) {
  EXPECT_EQ(OSYS::StartProgram("C:\\x\\missing.exe", "-a", nullptr, "", true), 0);
  EXPECT_EQ(OSYS::StartProgram("*C:\\x\\missing.exe", nullptr, nullptr, nullptr, false), 0);
  EXPECT_EQ(OSYS::StartProgram(nullptr, nullptr, nullptr, nullptr, false), 0);
}

}  // namespace
