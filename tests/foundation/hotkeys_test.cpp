// The trace hot keys: a list view's key-down with Ctrl and Shift held
// switches logging (pressed through SendInput on the test machine's display).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "osys/file.h"
#include "tests/foundation/support.h"

namespace {

void Key(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

// The notification a list view sends for a key.
void ListViewKey(WORD key) {
  NMLVKEYDOWN notify{};
  notify.hdr.code = LVN_KEYDOWN;
  notify.wVKey = key;
  LogHotKeys(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

TEST(TraceHotKeys, CtrlShiftF5OpensAndF8ClosesTheLog) {
  std::string home = testsupport::ScratchDirectory("hotkeys");
  HomeDirectory = home.c_str();
  std::string log = testsupport::PathIn(home, "logit.log");

  ListViewKey(VK_F5);
  EXPECT_FALSE(OSYS::File::Exists(log.c_str())) << "without Ctrl and Shift nothing happens";

  Key(VK_CONTROL, true);
  Key(VK_SHIFT, true);
  for (int i = 0; i < 100 && !(GetAsyncKeyState(VK_SHIFT) & 0x8000); ++i) Sleep(10);
  ListViewKey(VK_F7);
  EXPECT_FALSE(OSYS::File::Exists(log.c_str())) << "F7 is no hot key";
  LogHotKeys(WM_COMMAND, 0, 0);
  ListViewKey(VK_F5);
  EXPECT_EQ(LogPrintf("after F5\n"), 1);
  ListViewKey(VK_F8);
  EXPECT_EQ(LogPrintf("after F8\n"), 0);
  Key(VK_SHIFT, false);
  Key(VK_CONTROL, false);
  HomeDirectory = STRING();

  std::string text = testsupport::ReadFile(log);
  EXPECT_NE(text.find("START LOGGING"), std::string::npos);
  EXPECT_NE(text.find("after F5"), std::string::npos);
}

}  // namespace
