// The assertion box of a German run, put up by MessageBoxA and answered by a
// second thread that reads its text back from the box itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <regex>
#include <string>
#include <thread>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "tests/foundation/support.h"

namespace {

struct SEEN {
  std::wstring Text;
  std::string Caption;
  bool HasYes = false;
  bool HasNo = false;
};

// The longest static text of the box is its message.
BOOL CALLBACK CollectText(HWND child, LPARAM found) {
  char cls[32];
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) {
    wchar_t text[2048];
    int n = GetWindowTextW(child, text, 2048);
    auto* seen = reinterpret_cast<SEEN*>(found);
    if (n > static_cast<int>(seen->Text.size())) seen->Text.assign(text, static_cast<size_t>(n));
  }
  return TRUE;
}

// The assertion box of this process, or null.
HWND FindBox() {
  struct SEARCH {
    DWORD Process;
    HWND Box;
  } search{GetCurrentProcessId(), nullptr};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<SEARCH*>(p);
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        char cls[32], caption[256];
        GetClassNameA(w, cls, sizeof cls);
        GetWindowTextA(w, caption, sizeof caption);
        if (process == s->Process && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w) &&
            std::string(caption).rfind("Korvex Application / ", 0) == 0) {
          s->Box = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Box;
}

// Waits for the box, reads it and presses the button.
void Answer(int button, SEEN* seen, std::atomic<bool>* answered) {
  for (int i = 0; i < 1000 && !*answered; ++i) {
    HWND box = FindBox();
    if (box == nullptr) {
      Sleep(20);
      continue;
    }
    char caption[256];
    GetWindowTextA(box, caption, sizeof caption);
    seen->Caption = caption;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(seen));
    seen->HasYes = GetDlgItem(box, IDYES) != nullptr;
    seen->HasNo = GetDlgItem(box, IDNO) != nullptr;
    PostMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
    *answered = true;
  }
}

TEST(AssertionBox, GermanReportIsShownAndYesContinues) {
  std::string home = testsupport::ScratchDirectory("assertbox");
  HomeDirectory = home.c_str();
  LanguageNumber = 7;

  SEEN seen;
  std::atomic<bool> answered{false};
  std::thread robot(Answer, IDYES, &seen, &answered);
  SetLastError(ERROR_FILE_NOT_FOUND);
  int result = ReportAssertion(0, "pBox!=NULL", "C:\\src\\Halvix\\ui\\box.cpp", 321, "Umlaut-Test", 0);
  answered = true;
  robot.join();
  LanguageNumber = 9;
  HomeDirectory = STRING();

  EXPECT_EQ(result, 1) << "Yes goes on";
  EXPECT_TRUE(seen.HasYes && seen.HasNo) << "a Yes/No box";
  EXPECT_TRUE(std::regex_match(seen.Caption, std::regex(R"(Korvex Application / \d\d:\d\d:\d\d)"))) << seen.Caption;
  EXPECT_NE(seen.Text.find(L"Es ist eine unerwartete Situation aufgetreten!"), std::wstring::npos);
  EXPECT_NE(seen.Text.find(L"Bitte melden Sie die Umst\u00e4nde des Fehlers"), std::wstring::npos)
      << "the umlaut shows as the letter";
  EXPECT_NE(seen.Text.find(L"Bedingung: pBox!=NULL"), std::wstring::npos);
  EXPECT_NE(seen.Text.find(L"Datei: box.cpp Zeile 321"), std::wstring::npos);
  EXPECT_NE(seen.Text.find(L"Code : 2L ("), std::wstring::npos);
  EXPECT_NE(seen.Text.find(L"Wollen Sie jetzt versuchen mit dem Programm fortzufahren?"), std::wstring::npos);

  std::string log = testsupport::ReadFile(testsupport::PathIn(home, "assert.log"));
  EXPECT_NE(log.find("    Bedingung: pBox!=NULL\r\n    Datei: box.cpp Zeile 321\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("    Info : Umlaut-Test\r\n\r\n\r\n"), std::string::npos) << log;
  EXPECT_EQ(GetThreadLocale() & 0x3FF, 7u) << "a German run";
  EXPECT_TRUE(std::regex_search(log, std::regex(R"(^--- Korvex Application --- \d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d ---\r\n)")))
      << "the German short date: " << log;
}

std::atomic<int> Breakpoints{0};

// Stands in for a debugger: counts the breakpoint and steps over it.
LONG CALLBACK StepOverBreakpoint(EXCEPTION_POINTERS* e) {
  if (e->ExceptionRecord->ExceptionCode != EXCEPTION_BREAKPOINT) return EXCEPTION_CONTINUE_SEARCH;
  ++Breakpoints;
  if (*reinterpret_cast<const BYTE*>(e->ContextRecord->Rip) == 0xCC) ++e->ContextRecord->Rip;
  return EXCEPTION_CONTINUE_EXECUTION;
}

TEST(AssertionBox, NoBreaksIntoTheDebuggerAndStops) {
  std::string home = testsupport::ScratchDirectory("assertbox-no");
  HomeDirectory = home.c_str();
  void* handler = AddVectoredExceptionHandler(1, StepOverBreakpoint);
  SEEN seen;
  std::atomic<bool> answered{false};
  std::thread robot(Answer, IDNO, &seen, &answered);
  int result = ReportAssertion(0, "stop here", __FILE__, __LINE__, nullptr, 0);
  answered = true;
  robot.join();
  RemoveVectoredExceptionHandler(handler);
  HomeDirectory = STRING();

  EXPECT_EQ(result, 0);
  EXPECT_EQ(Breakpoints, 1) << "DebugBreak after No";
  EXPECT_NE(seen.Text.find(L"Unexpected condition encountered!"), std::wstring::npos) << "English by default";
}

}  // namespace
