// UNZIPPER: listing and the member walk, the protect and ask lists, the
// destination levels, and words at the limits of their slots.
#include <cstring>

#include "foundation/log.h"
#include "tests/unzip/fixture.h"
#include "unzip/memory.h"
#include "unzip/unzipper.h"

namespace UNZIPTEST {
namespace {

struct QUESTIONS {
  int asked = 0;
  std::string text, caption;
  bool answer = false;
};
QUESTIONS& Questions() {
  static QUESTIONS q;
  return q;
}
bool Recorder(const char* text, const char* caption) {
  ++Questions().asked;
  Questions().text = text;
  Questions().caption = caption;
  return Questions().answer;
}
STRING Texts(int id) {
  return STRING(id == 2992 ? "Overwrite %s? (100%% sure)" : id == 2993 ? "Setup question" : "<STR-ERR>");
}

std::vector<std::string>& Reports() {
  static std::vector<std::string> r;
  return r;
}
int RecordReport(const ASSERTIONREPORT& report) {
  Reports().push_back(report.Condition);
  return 1;
}

class Unzipper : public FOLDERTEST {
 protected:
  void SetUp() override {
    FOLDERTEST::SetUp();
    Questions() = QUESTIONS{};
    Reports().clear();
    UnzipperQuestion = Recorder;
    UnzipperText = Texts;
    previous_sink_ = SetAssertionSink(RecordReport);
    UNZIP::SetMessageSink(Capture);
    zip_ = Archive({Member("readme.txt", TextBytes(100)), Member("sub/conf.ini", TextBytes(200, 2)),
                    Member("data.bin", TextBytes(300, 3))});
  }
  void TearDown() override {
    UnzipperQuestion = UnzipperQuestionBox;
    SetAssertionSink(previous_sink_);
    UNZIP::SetMessageSink(nullptr);
    FOLDERTEST::TearDown();
  }
  AssertionSink previous_sink_ = nullptr;
  std::string zip_;
};

TEST_F(Unzipper, WalksThreeMembersThenTheEmptyName) {
  UNZIPPER u(zip_.c_str(), nullptr, nullptr);
  EXPECT_TRUE(Reports().empty());
  char name[kUnzipNameSize];
  EXPECT_EQ(u.First(name), 100u);
  EXPECT_STREQ(name, "readme.txt");
  EXPECT_EQ(u.Next(name), 200u);
  EXPECT_STREQ(name, "sub/conf.ini");
  EXPECT_EQ(u.Next(name), 300u);
  EXPECT_STREQ(name, "data.bin");
  EXPECT_EQ(u.Next(name), 0u);
  EXPECT_STREQ(name, "");
  EXPECT_EQ(UnzipTotal, 600u);
}

TEST_F(Unzipper, AFailedListingIsReportedAndYieldsNoMembers) {
  UNZIPPER u(Path("missing.fil").c_str(), nullptr, nullptr);
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_EQ(Reports()[0], "error==FALSE");
  char name[kUnzipNameSize];
  EXPECT_EQ(u.First(name), 0u);
  EXPECT_STREQ(name, "");
}

TEST_F(Unzipper, ProtectedFilesAreNeverExtractedOverAnExistingFile) {
  UNZIPPER u(zip_.c_str(), "", "README.TXT|sub\\conf.ini;x");
  std::string dest = Path("dest");
  int ran = -1;
  EXPECT_EQ(u.Extract("readme.txt", dest.c_str(), &ran), 1);  // not there yet: extracted
  EXPECT_EQ(ran, 1);
  Write("dest/readme.txt", Bytes(5, 'k'));
  EXPECT_EQ(u.Extract("readme.txt", dest.c_str(), &ran), 1);
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(Read("dest/readme.txt"), Bytes(5, 'k'));
  // An entry written with "\" matches the member stored with "/".
  Write("dest/sub/conf.ini", Bytes(3, 'k'));
  EXPECT_EQ(u.Extract("sub/conf.ini", dest.c_str(), &ran), 1);
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(Questions().asked, 0);
}

TEST_F(Unzipper, AskOverwriteQuestionsAnExistingFile) {
  UNZIPPER u(zip_.c_str(), "other.txt|data.bin;the data file|readme.txt", "readme.txt");
  std::string dest = Path("dest");
  int ran = -1;
  // Not there: no question.
  EXPECT_EQ(u.Extract("data.bin", dest.c_str(), &ran), 1);
  EXPECT_EQ(Questions().asked, 0);
  Write("dest/data.bin", Bytes(2, 'k'));
  Questions().answer = false;
  EXPECT_EQ(u.Extract("data.bin", dest.c_str(), &ran), 1);
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(Questions().text, "Overwrite the data file? (100% sure)");
  EXPECT_EQ(Questions().caption, "Setup question");
  EXPECT_EQ(Read("dest/data.bin"), Bytes(2, 'k'));
  Questions().answer = true;
  EXPECT_EQ(u.Extract("data.bin", dest.c_str(), &ran), 1);
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(Read("dest/data.bin"), TextBytes(300, 3));
  // Listed in both lists: protection wins, nobody is asked.
  Write("dest/readme.txt", Bytes(1, 'k'));
  Questions().asked = 0;
  EXPECT_EQ(u.Extract("readme.txt", dest.c_str(), &ran), 1);
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(Questions().asked, 0);
}

TEST_F(Unzipper, DestinationLevelsAreCreatedAndFailuresReturnZero) {
  UNZIPPER u(zip_.c_str(), nullptr, nullptr);
  std::string dest = Path("one/two/three");
  EXPECT_EQ(u.Extract("sub/conf.ini", dest.c_str()), 1);
  EXPECT_EQ(Read("one/two/three/sub/conf.ini"), TextBytes(200, 2));
  EXPECT_EQ(u.Extract("nosuch.txt", dest.c_str()), 0);  // the engine's status 1
}

TEST_F(Unzipper, AnArgumentBlockThatCannotBeHadIsReported) {
  UNZIPPER u(zip_.c_str(), nullptr, nullptr);
  UNZIP::FailNthAllocation(1);
  int ran = -1;
  EXPECT_EQ(u.Extract("readme.txt", Path("dest").c_str(), &ran), 0);
  UNZIP::FailNthAllocation(0);
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_EQ(Reports()[0], "adr");
  EXPECT_EQ(ran, 0);
}

TEST_F(Unzipper, WordsThatDoNotFitTheirSlotsAreRefused) {
  UNZIPPER u(zip_.c_str(), nullptr, nullptr);
  int ran = -1;
  std::string long_dir = Path(std::string(100, 'd'));
  EXPECT_EQ(u.Extract("readme.txt", long_dir.c_str(), &ran), 0);
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(u.Extract(std::string(100, 'm').c_str(), Path("x").c_str(), &ran), 0);
  std::string long_archive = Path(std::string(130, 'a'));
  UNZIPPER too_long(long_archive.c_str(), nullptr, nullptr);
  EXPECT_EQ(Reports().size(), 1u);
  char name[kUnzipNameSize];
  EXPECT_EQ(too_long.First(name), 0u);
}

#ifdef _WIN32
}  // namespace
}  // namespace UNZIPTEST

#include <windows.h>

#include <cstdlib>
#include <thread>

namespace UNZIPTEST {
namespace {

// The real question box. The first time a thread of the test finds it by
// its caption, checks its owner and presses No; the second time the robot
// (tools/robot) answers Yes, checking the text a user reads.
TEST_F(Unzipper, TheQuestionBoxIsOwnedByTheActiveWindowAndAnswered) {
  UnzipperQuestion = UnzipperQuestionBox;
  HWND owner = ::CreateWindowExA(0, "STATIC", "installer frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                 nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  ::SetActiveWindow(owner);
  UNZIPPER u(zip_.c_str(), "data.bin;the data file", nullptr);
  std::string dest = Path("dest");
  Write("dest/data.bin", Bytes(2, 'k'));

  std::string seen_text;
  HWND seen_owner = nullptr;
  std::thread user([&] {
    HWND box = nullptr;
    for (int i = 0; i < 400 && box == nullptr; ++i) {
      box = ::FindWindowA("#32770", "Setup question");
      if (box == nullptr) ::Sleep(25);
    }
    if (box == nullptr) return;
    char text[256] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    seen_text = text;
    seen_owner = ::GetWindow(box, GW_OWNER);
    ::SendMessageA(::GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  });
  int ran = -1;
  EXPECT_EQ(u.Extract("data.bin", dest.c_str(), &ran), 1);
  user.join();
  EXPECT_EQ(seen_text, "Overwrite the data file? (100% sure)");
  EXPECT_EQ(seen_owner, owner);
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(Read("dest/data.bin"), Bytes(2, 'k'));

  const char* build = std::getenv("HALVIX_BUILD");
  ASSERT_NE(build, nullptr);
  std::string robot = std::string(build) + "/bin/robot.exe";
  ASSERT_TRUE(fs::exists(robot)) << robot;
  std::string script = Write("answer.robot", {});
  {
    std::ofstream f(script);
    f << "answer yes title=\"Setup question\" text=\"Overwrite the data file? (100% sure)\"\n";
  }
  std::string command = "\"" + robot + "\" \"" + script + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      << command;
  EXPECT_EQ(u.Extract("data.bin", dest.c_str(), &ran), 1);
  EXPECT_EQ(::WaitForSingleObject(pi.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(pi.hProcess, &code);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  EXPECT_EQ(code, 0u) << "the robot could not answer";
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(Read("dest/data.bin"), TextBytes(300, 3));
  ::DestroyWindow(owner);
}
#endif

}  // namespace
}  // namespace UNZIPTEST
