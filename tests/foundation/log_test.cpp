// The trace and the logging switches, the assertion report's texts and
// "assert.log".
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "osys/file.h"
#include "osys/osys.h"
#include "tests/foundation/support.h"

namespace {

using testsupport::PathIn;
using testsupport::ReadFile;
using testsupport::ReportCapture;

class Trace : public ::testing::Test {
 protected:
  void SetUp() override {
    Home = testsupport::ScratchDirectory("trace");
    HomeDirectory = Home.c_str();
  }
  void TearDown() override {
    LogSwitch("/LOGITCLOSE");
    HomeDirectory = STRING();
    LanguageNumber = 9;
  }
  std::string Log(const char* name = "logit.log") { return ReadFile(PathIn(Home, name)); }

  std::string Home;
};

// Lines of a log file without their CR LF; fails on a bare LF.
std::vector<std::string> Lines(const std::string& log) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < log.size()) {
    size_t end = log.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(log.substr(start));
      break;
    }
    lines.push_back(log.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

const std::regex Prefix(R"(\[\d{4}\.\d{2}:[0-9a-f]{3}\] .*)");

TEST_F(Trace, IsOffWithoutASwitch) {
  EXPECT_EQ(LogPrintf("nothing %d\n", 1), 0);
  EXPECT_EQ(LogPrintfLevel(0, "nothing\n"), 0);
  EXPECT_FALSE(OSYS::File::Exists(PathIn(Home, "logit.log").c_str()));
}

TEST_F(Trace, LogitOpensTheDefaultFileAndWritesPrefixedCrLfLines) {
  ASSERT_TRUE(LogSwitch("/LOGIT:"));
  EXPECT_EQ(LogPrintf("TCPIPIO::MakeCall(%s)\n", "host"), 1);
  EXPECT_EQ(LogPrintf("plain text, copied\n"), 1);
  EXPECT_EQ(LogPrintf("50%% formatted\n"), 1);
  EXPECT_EQ(LogPrintfLevel(1, "level 1 needs the mask\n"), 0) << "the initial mask lets only level 0 through";
  EXPECT_EQ(LogPrintfLevel(0, "level 0\n"), 1);
  LogSwitch("/LOGITCLOSE");
  EXPECT_EQ(LogPrintf("after close\n"), 0);

  std::string log = Log();
  EXPECT_EQ(log.find("\n\n"), std::string::npos);
  std::vector<std::string> lines = Lines(log);
  ASSERT_EQ(lines.size(), 6u) << log;
  for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, Prefix)) << line;
  EXPECT_NE(lines[0].find("START LOGGING at "), std::string::npos);
  EXPECT_TRUE(std::regex_search(lines[1], std::regex(R"(Running as .+ \d+ bytes, \w{3} \w{3} [ \d]\d \d\d:\d\d:\d\d \d{4}$)")))
      << lines[1];
  EXPECT_EQ(lines[2].substr(14), "TCPIPIO::MakeCall(host)");
  EXPECT_EQ(lines[3].substr(14), "plain text, copied");
  EXPECT_EQ(lines[4].substr(14), "50% formatted");
  EXPECT_EQ(lines[5].substr(14), "level 0");
}

TEST_F(Trace, KeepAppendsAndUniqueNamesCarryTheTime) {
  LogSwitch("/LOGIT:run.log");
  LogPrintf("first run\n");
  LogSwitch("/LOGITKEEP:run.log");
  LogPrintf("second run\n");
  LogSwitch("/LOGITCLOSE");
  std::string log = Log("run.log");
  EXPECT_NE(log.find("first run"), std::string::npos);
  EXPECT_NE(log.find("second run"), std::string::npos);
  EXPECT_TRUE(std::regex_search(log, std::regex(R"(first run\r\n\[[^\]]*\] \r\n\[)"))) << "an empty line separates the runs";

  LogSwitch("/LOGITHARD:run.log");
  LogSwitch("/LOGITCLOSE");
  EXPECT_EQ(Log("run.log").find("first run"), std::string::npos) << "a new log replaces the file";

  ASSERT_TRUE(LogSwitch("/logit:UNIQUE"));
  LogPrintf("unique\n");
  LogSwitch("/LOGITCLOSE");
  // The name holds the seconds since 1970 and the milliseconds.
  bool found = false;
  int now = OSYS::Seconds();
  for (int s = now - 3; s <= now && !found; ++s)
    for (int ms = 0; ms < 1000 && !found; ++ms)
      found = OSYS::File::Exists(PathIn(Home, "LOGIT_" + std::to_string(s) + "_" + std::to_string(ms) + ".log").c_str());
  EXPECT_TRUE(found);
}

TEST_F(Trace, LevelSwitchOpensTheLogAndEnablesCategories) {
  ASSERT_TRUE(LogSwitch("/LOG:527"));
  EXPECT_EQ(LogLevelMask & 0x20F, 0x20Fu);
  struct CASE {
    unsigned level;
    int written;
  } cases[] = {{0, 1}, {7, 1}, {15, 1}, {0x207, 1}, {0x200, 1}, {0x107, 0}, {0x100, 0}, {0x300, 1}};
  for (const CASE& c : cases) EXPECT_EQ(LogPrintfLevel(c.level, "level %#x\n", c.level), c.written) << c.level;
  LogSwitch("/LOGITCLOSE");
  std::string log = Log();
  EXPECT_NE(log.find("level 0x207"), std::string::npos);
  EXPECT_EQ(log.find("level 0x107"), std::string::npos);
}

TEST_F(Trace, OnlyTheSwitchesAreSwitches) {
  for (const char* other : {"/LOG", "-LOGIT", "LOGIT", "/LOGITX", "/NOASSERTS", "/LOGDEBUGX", "", "/LANG:GER"})
    EXPECT_FALSE(LogSwitch(other)) << other;
  EXPECT_FALSE(LogSwitch(nullptr));
  EXPECT_TRUE(LogSwitch("/logitclose"));
}

TEST_F(Trace, ALogNameBeyond255CharactersOpensNothing) {
  std::string name(300, 'n');
  EXPECT_TRUE(LogSwitch(("/LOGIT:" + name).c_str()));
  EXPECT_EQ(LogPrintf("nowhere\n"), 0);
  EXPECT_TRUE(LogSwitch(("/LOGIT:" + std::string(150, 'n')).c_str()));
  EXPECT_EQ(LogPrintf("somewhere\n"), 1);
}

TEST_F(Trace, LinesOfEveryLengthStayInsideTheLineBuffer) {
  ReportCapture capture;
  LogSwitch("/LOGIT:long.log");
  const int prefix = 14;
  // A line of 8191 bytes with its CR LF fits; one more byte reaches 8192.
  LogPrintf("%s\n", std::string(8192 - prefix - 3, 'a').c_str());
  EXPECT_TRUE(capture.Reports().empty());
  LogPrintf("%s\n", std::string(8192 - prefix - 2, 'b').c_str());
  LogPrintf("%s", std::string(100000, 'c').c_str());
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
  LogPrintf(std::string(20000, 'd').c_str());  // no "%": copied, not formatted
#pragma GCC diagnostic pop
  EXPECT_EQ(capture.Conditions(),
            (std::vector<std::string>{"howmany < sizeof(buf)", "howmany < sizeof(buf)", "howmany < sizeof(buf)"}));
  LogSwitch("/LOGITCLOSE");
  std::string log = Log("long.log");
  EXPECT_NE(log.find(std::string(8192 - prefix - 3, 'a') + "\r\n"), std::string::npos);
  EXPECT_NE(log.find(std::string(8191 - prefix, 'c')), std::string::npos);
  EXPECT_EQ(log.find(std::string(8192 - prefix, 'c')), std::string::npos);
}

TEST_F(Trace, LinesOfSeveralThreadsStayWhole) {
  LogSwitch("/LOGIT:threads.log");
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < 200; ++i) LogPrintf("thread %d line %d %s\n", t, i, "payload-payload-payload");
    });
  for (std::thread& t : threads) t.join();
  LogSwitch("/LOGITCLOSE");
  std::vector<std::string> lines = Lines(Log("threads.log"));
  ASSERT_EQ(lines.size(), 2u + 800u);
  const std::regex line(R"(\[\d{4}\.\d{2}:[0-9a-f]{3}\] thread \d line \d+ payload-payload-payload)");
  for (size_t i = 2; i < lines.size(); ++i) ASSERT_TRUE(std::regex_match(lines[i], line)) << lines[i];
}

TEST_F(Trace, EnglishReportDetailsLogAndBox) {
  ReportCapture capture;
  LogSwitch("/LOGIT:");
  OSYS::SetLastError(OSYS::ErrorFileNotFound);
  EXPECT_EQ(ReportAssertion(0, "x>0", "C:\\src\\Halvix\\dir/sub:file.cpp", 42, "extra", 0), 1);
  EXPECT_EQ(ReportAssertion(1, "never", __FILE__, __LINE__, nullptr, 0), 1);
  ReportAssertion(0, "quiet one", __FILE__, __LINE__, nullptr, 1);
  LogSwitch("/LOGITCLOSE");

  ASSERT_EQ(capture.Reports().size(), 2u);
  const testsupport::CAPTURED& r = capture.Reports()[0];
  std::string errorText = OSYS::ErrorText(2).Buffer;
  EXPECT_EQ(r.Details, "    Condition: x>0\r\n    Location : file.cpp line 42\r\n    Last Err.: 2L (" + errorText +
                           ")\r\n    Add. Info: extra\r\n");
  EXPECT_EQ(r.Message, "Unexpected condition encountered!\n\nPlease contact Korvex and provide the \nfollowing "
                       "information (see assert.log):\n\n" + r.Details +
                           "\nDo you want to try to continue with the program?");
  EXPECT_TRUE(std::regex_match(r.Caption, std::regex(R"(Korvex Application / \d\d:\d\d:\d\d)"))) << r.Caption;
  EXPECT_TRUE(r.ShowsBox);
  EXPECT_FALSE(capture.Reports()[1].ShowsBox) << "quiet";
  EXPECT_EQ(capture.Reports()[1].Info, "<null>");
  EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorFileNotFound) << "the report keeps the last error";

  std::string assertLog = ReadFile(PathIn(Home, "assert.log"));
  EXPECT_TRUE(std::regex_search(assertLog, std::regex(R"(^--- Korvex Application --- \S+ \d\d:\d\d:\d\d ---\r\n\r\n)")))
      << assertLog;
  EXPECT_NE(assertLog.find(r.Details + "\r\n\r\n"), std::string::npos);
  EXPECT_NE(Log().find("*** ASSERTION FAILED: \r\n" + r.Details + "\r\n"), std::string::npos);
}

TEST_F(Trace, GermanReport) {
  ReportCapture capture;
  LanguageNumber = 7;
  OSYS::SetLastError(0);
  ReportAssertion(0, "ok", "/src/sync.cpp", 7, nullptr, 0);
  ASSERT_EQ(capture.Reports().size(), 1u);
  const testsupport::CAPTURED& r = capture.Reports()[0];
  EXPECT_EQ(r.Details, "    Bedingung: ok\r\n    Datei: sync.cpp Zeile 7\r\n    Code : 0L ()\r\n    Info : <null>\r\n");
  const std::string opening =
      "Es ist eine unerwartete Situation aufgetreten!\n\nBitte melden Sie die Umst\xE4" "nde des Fehlers und die";
  EXPECT_EQ(r.Message.substr(0, opening.size()), opening);
  EXPECT_NE(r.Message.find("\nWollen Sie jetzt versuchen mit dem Programm fortzufahren?"), std::string::npos);
  EXPECT_NE(ReadFile(PathIn(Home, "assert.log")).find("Bedingung: ok"), std::string::npos);
}

TEST_F(Trace, TwoNoassertSwitchesLeaveTheBoxOn) {
  ReportCapture capture;
  LogSwitch("/NOASSERT");
  ReportAssertion(0, "silent", __FILE__, __LINE__, nullptr, 0);
  LogSwitch("/NOASSERT");
  ReportAssertion(0, "shown", __FILE__, __LINE__, nullptr, 0);
  ASSERT_EQ(capture.Reports().size(), 2u);
  EXPECT_FALSE(capture.Reports()[0].ShowsBox);
  EXPECT_TRUE(capture.Reports()[1].ShowsBox);
}

TEST_F(Trace, OverlongDetailsAreCut) {
  ReportCapture capture;
  std::string info(3000, 'i');
  ReportAssertion(0, "long", __FILE__, __LINE__, info.c_str(), 0);
  ASSERT_EQ(capture.Reports().size(), 1u);
  EXPECT_EQ(capture.Reports()[0].Details.size(), 511u);
}

}  // namespace
