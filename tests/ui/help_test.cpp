// The help object: contexts from the ids or contents file, topics of
// windows and their parents, F1 and button 9 in a dialog. The viewer calls
// are the real WinHelpA: a stand-in viewer window of the class Wine's
// WinHelpA looks for records what arrives; the last test answers Wine's
// own viewer.
#include <gtest/gtest.h>

#include "tests/foundation/support.h"
#include "tests/ui/support.h"
#include "tests/ui/testdialogs.h"
#include "ui/dialog.h"
#include "ui/help.h"

using namespace uitest;

namespace {

// F1 reaches a window as this undocumented message, which DefWindowProc
// turns into WM_HELP.
constexpr UINT WM_KEYF1 = 0x004D;

// What WinHelpA sends a running viewer (WM_COPYDATA): Wine's layout.
#pragma pack(push, 1)
struct WINHELPMESSAGE {
  WORD size;
  WORD command;
  LONG data;
  LONG reserved;
  WORD ofsFilename;
  WORD ofsData;
};
#pragma pack(pop)

struct CALL {
  UINT Command;
  LONG Context;
  std::string File;
};
std::vector<CALL> Calls;

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    auto* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
    auto* help = static_cast<const WINHELPMESSAGE*>(data->lpData);
    const char* file = help->ofsFilename != 0 ? reinterpret_cast<const char*>(help) + help->ofsFilename : "";
    Calls.push_back({help->command, help->data, file});
    return 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A viewer window of the class WinHelpA finds, for the test's lifetime.
class STANDINVIEWER {
 public:
  STANDINVIEWER() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MS_WINHELP";
    RegisterClassA(&wc);
    Window = CreateWindowExA(0, "MS_WINHELP", "viewer", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    Calls.clear();
  }
  ~STANDINVIEWER() { DestroyWindow(Window); }
  HWND Window;
};

// A help file name whose ids file holds the given lines.
std::string HelpWithIds(const std::string& name, const std::string& suffix, const std::string& lines) {
  std::string dir = testsupport::ScratchDirectory("help");
  std::string help = testsupport::PathIn(dir, name + ".hlp");
  testsupport::WriteFile(testsupport::PathIn(dir, name + "." + suffix), lines);
  return help;
}

}  // namespace

TEST(HelpIds, ContextsComeFromTheIdsFileOrElseTheContentsFile) {
  struct CASE {
    const char* suffix;
    const char* lines;
    std::vector<int> ids;
  } cases[] = {
      {"ids", "Introduction=120\r\nsetup_dialog=10702\r\nno equals sign here\r\n", {120, 10702}},
      {"cnt", ":Base help.hlp\n1 Contents=200\n2 Pages=300 trailing\n", {200, 300}},
  };
  for (const CASE& c : cases) {
    HELP help;
    testsupport::ReportCapture reports;
    help.LoadHelpIds(HelpWithIds("product", c.suffix, c.lines).c_str());
    EXPECT_TRUE(help.IsReady());
    EXPECT_TRUE(reports.Conditions().empty()) << c.suffix;
    EXPECT_EQ(std::vector<int>(help.HelpIds, help.HelpIds + help.NumHelpIds), c.ids) << c.suffix;
    EXPECT_EQ(help.HelpIds[help.NumHelpIds], -1);
  }
}

TEST(HelpIds, AMissingIdsFileIsReportedAndANullNameDoesNothing) {
  HELP help;
  help.LoadHelpIds(nullptr);
  EXPECT_FALSE(help.IsReady());
  testsupport::ReportCapture reports;
  std::string dir = testsupport::ScratchDirectory("help-missing");
  std::string name = testsupport::PathIn(dir, "none.hlp");
  help.LoadHelpIds(name.c_str());
  ASSERT_EQ(reports.Conditions(), std::vector<std::string>{"fhelpcnt!=NULL"});
  EXPECT_EQ(reports.Reports()[0].Info, testsupport::PathIn(dir, "none.cnt"));
  EXPECT_EQ(help.NumHelpIds, 0);
  EXPECT_FALSE(help.ShowContext(0)) << "no topics";
}

TEST(HelpIds, MoreThan256ContextsAreReportedAndNotStored) {
  std::string lines;
  for (int i = 0; i < 260; i++) lines += "t=" + std::to_string(i) + "\n";
  HELP help;
  testsupport::ReportCapture reports;
  help.LoadHelpIds(HelpWithIds("many", "ids", lines).c_str());
  EXPECT_EQ(help.NumHelpIds, 256);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"this->NumHelpIds<ARRAYMAX(this->HelpIds)"});
}

TEST(HelpTopics, OnlyDefinedContextsAreShownThroughTheTranslationTable) {
  STANDINVIEWER viewer;
  HELP help;
  std::string file = HelpWithIds("topics", "ids", "a=120\nb=500\n");
  help.LoadHelpIds(file.c_str());
  help.Translation[0] = {77, 500};
  help.TranslationCount = 1;
  EXPECT_TRUE(help.ShowContext(120));
  EXPECT_FALSE(help.ShowContext(121));
  EXPECT_TRUE(help.ShowContext(77)) << "77 translates to 500";
  ASSERT_EQ(Calls.size(), 2u);
  EXPECT_EQ(Calls[0].Command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(Calls[0].Context, 120);
  EXPECT_EQ(Calls[0].File, file);
  EXPECT_EQ(Calls[1].Context, 500);
}

TEST(HelpInDialogs, F1OnAControlWithoutTopicShowsTheDialogsTopic) {
  STANDINVIEWER viewer;
  std::string file = HelpWithIds("dialog", "ids", "basic=" + std::to_string(DLG_BASIC) + "\n");
  Help.LoadHelpIds(file.c_str());
  DIALOG dialog(DLG_BASIC, nullptr, TestModule());
  ShowWindow(dialog.hWnd, SW_SHOW);
  HWND edit = GetDlgItem(dialog.hWnd, IDC_EDIT);
  SetFocus(edit);
  ASSERT_EQ(GetFocus(), edit);
  SendMessageA(edit, WM_KEYF1, 0, 0);  // what the system sends for F1
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].Context, DLG_BASIC);

  // Button 9 does the same and does not end the dialog.
  SendMessageA(GetDlgItem(dialog.hWnd, IDC_HELPBUTTON), BM_CLICK, 0, 0);
  ASSERT_EQ(Calls.size(), 2u);
  EXPECT_EQ(Calls[1].Context, DLG_BASIC);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, dialog.hWnd, WM_FRAMEWORK_END, WM_FRAMEWORK_END, PM_NOREMOVE));

  // Without any topic, the default context (the ids of a second file are
  // added to the first's: start afresh).
  Help.NumHelpIds = 0;
  Help.LoadHelpIds(HelpWithIds("other", "ids", "x=900\n").c_str());
  Help.SetDefaultContext(900);
  SendMessageA(edit, WM_KEYF1, 0, 0);
  ASSERT_EQ(Calls.size(), 3u);
  EXPECT_EQ(Calls[2].Context, 900);
  Help.SetDefaultContext(-1);
  Help.HelpFile = "";
  Help.NumHelpIds = 0;
}

TEST(HelpInDialogs, WinesViewerIsCalledAndAnswered) {
  // The help file itself does not exist: Wine's viewer says so in a box of
  // its own, which blocks WinHelpA until it is answered.
  std::string file = HelpWithIds("absent", "ids", "basic=" + std::to_string(DLG_BASIC) + "\n");
  Help.LoadHelpIds(file.c_str());
  DIALOG dialog(DLG_BASIC, nullptr, TestModule());
  ShowWindow(dialog.hWnd, SW_SHOW);
  HWND edit = GetDlgItem(dialog.hWnd, IDC_EDIT);
  SetFocus(edit);
  std::string shown;
  {
    DRIVER driver(dialog.hWnd, [&] {
      HWND box = nullptr;
      WaitFor([&] { return (box = FindWindowA(nullptr, "ERROR")) != nullptr && IsWindowVisible(box); });
      if (box == nullptr) return;
      EnumChildWindows(box, [](HWND child, LPARAM out) -> BOOL {
        char t[512] = "";
        GetWindowTextA(child, t, sizeof t);
        if (std::string(t).find("absent") != std::string::npos) *reinterpret_cast<std::string*>(out) = t;
        return TRUE;
      }, reinterpret_cast<LPARAM>(&shown));
      PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    SendMessageA(edit, WM_KEYF1, 0, 0);
  }
  EXPECT_NE(shown.find("absent.hlp"), std::string::npos) << "the viewer was asked for the file: " << shown;
  Help.HelpFile = "";
  Help.NumHelpIds = 0;
}
