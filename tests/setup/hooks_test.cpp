// The hook interface against the recording hook libraries: what a library
// exports ends up in the hook pointers, calls through them reach it with
// every argument intact, and releasing it leaves no SetupHook behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "setup/hooks.h"
#include "tests/foundation/support.h"

namespace {

std::string LibraryPath(const char* variant) {
  const char* build = std::getenv("HALVIX_BUILD");
  return std::string(build ? build : ".") + "/tests/hooks/recordhook_" + variant + ".dll";
}

int PageFunction(void*, void*) { return 10781; }

class HookLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    record_ = testsupport::PathIn(testsupport::ScratchDirectory("hooks"), "calls.txt");
    testsupport::SetEnv("HALVIX_HOOK_RECORD", record_.c_str());
    fpSetupHook = SETUP::SetupHookDummy;
    fpNewSetupHook = SETUP::NewSetupHookDummy;
  }
  void TearDown() override {
    testsupport::SetEnv("HALVIX_HOOK_RECORD", nullptr);
    fpSetupHook = SETUP::SetupHookDummy;
    fpNewSetupHook = SETUP::NewSetupHookDummy;
  }
  std::string Calls() const { return testsupport::ReadFile(record_); }
  std::string record_;
};

TEST_F(HookLibrary, WithBothExportsReceivesEveryArgument) {
  testsupport::ReportCapture reports;
  HMODULE library = SETUP::LoadHookLibrary(LibraryPath("both").c_str());
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(reports.Conditions().empty());
  ASSERT_NE(fpSetupHook, nullptr);
  ASSERT_NE(fpNewSetupHook, nullptr);
  EXPECT_NE(fpSetupHook, SETUP::SetupHookDummy);
  EXPECT_NE(fpNewSetupHook, SETUP::NewSetupHookDummy);

  fpSetupHook(7, "C:\\Program Files\\Tool");
  fpSetupHook(3, nullptr);
  // data is as wide as a pointer: an address above 4 GB arrives whole.
  HWND frame = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x10062));
  HWND page = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x2004a));
  fpNewSetupHook(4, 3, frame, page, reinterpret_cast<const void*>(&PageFunction),
                 static_cast<INT_PTR>(0x123456789abLL));
  SETUP::ReleaseHookLibrary(library);
  EXPECT_EQ(fpSetupHook, nullptr);

  char pagefunc[32];
  std::snprintf(pagefunc, sizeof pagefunc, "%llx",
                reinterpret_cast<unsigned long long>(&PageFunction));
  std::string calls = Calls();
  std::string expected = "SetupHook code=7 path=C:\\Program Files\\Tool\n"
                         "SetupHook code=3 path=(null)\n"
                         "NewSetupHook code=4 value=3 frame=10062 page=2004a pagefunc=" +
                         std::string(pagefunc) + " data=123456789ab\n"
                         "detach\n";
  ASSERT_EQ(calls.rfind("attach ", 0), 0u) << calls;
  EXPECT_EQ(calls.substr(calls.find('\n') + 1), expected);
}

TEST_F(HookLibrary, WithoutNewSetupHookSwitchesTheSecondHookOff) {
  testsupport::ReportCapture reports;
  HMODULE library = SETUP::LoadHookLibrary(LibraryPath("nonew").c_str());
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(reports.Conditions().empty());
  EXPECT_NE(fpSetupHook, nullptr);
  EXPECT_EQ(fpNewSetupHook, nullptr);  // not even the built-in dummy
  SETUP::ReleaseHookLibrary(library);
}

TEST_F(HookLibrary, WithoutSetupHookIsReported) {
  testsupport::ReportCapture reports;
  HMODULE library = SETUP::LoadHookLibrary(LibraryPath("nosetup").c_str());
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"fpSetupHook"});
  EXPECT_EQ(fpSetupHook, nullptr);
  ASSERT_NE(fpNewSetupHook, nullptr);
  fpNewSetupHook(9, 0, nullptr, nullptr, nullptr, 0);
  SETUP::ReleaseHookLibrary(library);
  EXPECT_NE(Calls().find("NewSetupHook code=9 value=0 frame=0 page=0 pagefunc=0 data=0\n"),
            std::string::npos);
}

TEST_F(HookLibrary, MissingLeavesTheBuiltInHooks) {
  testsupport::ReportCapture reports;
  EXPECT_EQ(SETUP::LoadHookLibrary("no-such-hook-library"), nullptr);
  EXPECT_TRUE(reports.Conditions().empty());
  EXPECT_EQ(fpSetupHook, SETUP::SetupHookDummy);
  EXPECT_EQ(fpNewSetupHook, SETUP::NewSetupHookDummy);
  EXPECT_EQ(fpSetupHook(1, "x"), 1);
  EXPECT_EQ(fpNewSetupHook(0, 9, nullptr, nullptr, nullptr, 0), 1);
}

}  // namespace
