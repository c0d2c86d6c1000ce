// Without setup.cfg the installer says so in an error box captioned with
// language string 2900, and reports the failure.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "foundation/globals.h"
#include "setup/setupcfg.h"
#include "tests/foundation/support.h"

namespace {

struct BOX {
  std::string Caption;
  std::string Text;
};

// Waits for this process's message box, reads it and presses OK.
BOX AnswerBox() {
  BOX box;
  for (int i = 0; i < 100; ++i) {
    HWND window = FindWindowA("#32770", nullptr);
    if (window != nullptr && IsWindowVisible(window)) {
      char text[512] = {};
      GetWindowTextA(window, text, sizeof text);
      box.Caption = text;
      GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
      box.Text = text;
      SendMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
      break;
    }
    Sleep(100);
  }
  return box;
}

TEST(SetupCfgBox, SaysSoWhenTheFileIsMissing) {
  const char* build = std::getenv("HALVIX_BUILD");
  HMODULE english = LoadLibraryA((std::string(build ? build : ".") + "/bin/setupenglish.dll").c_str());
  ASSERT_NE(english, nullptr);
  ResourceModule = english;
  std::string missing = testsupport::PathIn(testsupport::ScratchDirectory("nocfg"), "setup.cfg");

  BOX box;
  std::thread reader([&] { box = AnswerBox(); });
  bool loaded = SETUPCFG::LoadOrSay(missing.c_str());
  reader.join();

  EXPECT_FALSE(loaded);
  EXPECT_EQ(box.Caption, "Korvex Setup");
  EXPECT_EQ(box.Text, "File SETUP.CFG not found.\r(Program already installed?)");
  ResourceModule = nullptr;
  FreeLibrary(english);
}

}  // namespace
