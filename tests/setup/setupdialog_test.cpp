// The wizard frame over step tables: the moves of Back, Next, Cancel and
// the close box, the cancel question answered Yes and No, pages that pass
// themselves over, Enter as Next, the hook calls with codes 4 and 5, the
// initial focus, the frame's construction, and a worker thread flooding the
// frame while its page loop runs.
#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <functional>

#include "foundation/globals.h"
#include "setup/setupdialog.h"
#include "tests/foundation/support.h"
#include "tests/setup/testpages.h"
#include "tests/ui/support.h"
#include "ui/control.h"

using namespace uitest;

namespace {

const char* const Caption = "Test Setup";
const char* const Question = "Continue the test installation?";

// --- the user -----------------------------------------------------------------

// What the user does on one page, done from the page loop's own thread by
// posting: the loop then handles it like input.
using ACTION = std::function<void(HWND frame, HWND page)>;
std::deque<ACTION> Actions;

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
ACTION Press(int id) {
  return [id](HWND frame, HWND) { PostClick(frame, id); };
}
const ACTION Next = Press(IDC_SETUP_NEXT);
const ACTION Back = Press(IDC_SETUP_BACK);
const ACTION Cancel = Press(IDCANCEL);
const ACTION CloseBox = [](HWND frame, HWND) { PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0); };
const ACTION Enter = [](HWND, HWND page) {
  PostMessageA(GetDlgItem(page, IDC_PAGE_EDIT), WM_KEYDOWN, VK_RETURN, 0x1C0001);
};

// --- page functions and the hook ------------------------------------------------

std::vector<HWND> Pages;

int UserPage(SETUPDIALOG* frame, DATADIALOG* page) {
  Pages.push_back(page->hWnd);
  if (Actions.empty()) return 0;
  ACTION act = Actions.front();
  Actions.pop_front();
  act(frame->hWnd, page->hWnd);
  return frame->Run();
}

int PassOver(SETUPDIALOG*, DATADIALOG*) { return -1; }

// The first visit returns Back (on the first step: refused), later visits
// pass over.
int BackThenPassOver(SETUPDIALOG*, DATADIALOG*) {
  static int visits = 0;
  return visits++ == 0 ? IDC_SETUP_BACK : -1;
}

struct HOOKCALL {
  int code, value;
  INT_PTR data;
  bool windows;
};
std::vector<HOOKCALL> HookCalls;

int RecordingHook(int code, int value, HWND frame, HWND page, SETUP::HOOKPAGEFUNCTION function, INT_PTR data) {
  HookCalls.push_back({code, value, data, frame != nullptr && page != nullptr && function != nullptr});
  return 1;
}

// The (step, result) pairs from the hook's code 5 calls.
std::vector<std::pair<int, int>> Moves() {
  std::vector<std::pair<int, int>> moves;
  for (const HOOKCALL& c : HookCalls)
    if (c.code == 5) moves.push_back({c.value, static_cast<int>(c.data)});
  return moves;
}

// --- the cancel question --------------------------------------------------------

struct BOXSEARCH {
  HWND Frame;
  HWND Found;
};

// Answers every cancel question the frame asks, in order, from a thread of
// its own; the answers it gave.
class QUESTIONANSWERER {
 public:
  QUESTIONANSWERER(HWND frame, std::vector<int> answers)
      : Answers(std::move(answers)), Thread([this, frame] { Loop(frame); }) {}
  ~QUESTIONANSWERER() {
    Done = true;
    Thread.join();
  }
  std::vector<std::string> Asked;  // the questions' texts

 private:
  void Loop(HWND frame) {
    DWORD thread = GetWindowThreadProcessId(frame, nullptr);
    size_t next = 0;
    while (!Done) {
      BOXSEARCH search{frame, nullptr};
      EnumThreadWindows(thread, [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<BOXSEARCH*>(p);
        if (w != s->Frame && IsWindowVisible(w) && HasClass(w, "#32770") && GetDlgItem(w, 0xFFFF) != nullptr) s->Found = w;
        return s->Found == nullptr;
      }, reinterpret_cast<LPARAM>(&search));
      if (search.Found != nullptr) {
        char text[256] = "", caption[256] = "";
        GetDlgItemTextA(search.Found, 0xFFFF, text, sizeof text);
        GetWindowTextA(search.Found, caption, sizeof caption);
        Asked.push_back(std::string(caption) + ": " + text);
        int answer = next < Answers.size() ? Answers[next++] : IDNO;
        PostMessageA(search.Found, WM_COMMAND, answer, 0);
        WaitFor([&] { return !IsWindow(search.Found) || !IsWindowVisible(search.Found); });
      }
      Sleep(20);
    }
  }
  std::vector<int> Answers;
  std::atomic<bool> Done{false};
  std::thread Thread;
};

class WizardFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    ResourceModule = GetModuleHandleA(nullptr);
    Actions.clear();
    HookCalls.clear();
    Pages.clear();
  }
};

SETUPSTEP Row(int id, PAGEFUNCTION function, int page = PAGE_TEXT) {
  return SETUPSTEP{id, STR_TITLE_1 + 2 * ((id - 1) % 3), STR_TEXT_1 + 2 * ((id - 1) % 3), page, nullptr, function, 100 + id};
}

}  // namespace

TEST_F(WizardFrame, StepTablesUserMovesAndTheCancelQuestion) {
  struct CASE {
    const char* what;
    std::vector<SETUPSTEP> steps;
    int final;
    std::vector<ACTION> actions;
    std::vector<int> answers;
    int result;
    std::vector<std::pair<int, int>> moves;
    size_t questions;
  } cases[] = {
      {"Cancel on the final step finishes without a question",
       {Row(1, UserPage), Row(2, UserPage), Row(3, UserPage)}, 3,
       {Next, Next, Cancel}, {}, 1,
       {{1, IDC_SETUP_NEXT}, {2, IDC_SETUP_NEXT}, {3, 0}}, 0},
      {"Cancel on a middle step: Yes stays, No ends the wizard",
       {Row(1, UserPage), Row(2, UserPage), Row(3, UserPage)}, 3,
       {Next, Cancel, Cancel}, {IDYES, IDNO}, 0,
       {{1, IDC_SETUP_NEXT}, {2, 0}, {2, 0}}, 2},
      {"a page passing itself over after Next moves on, after Back moves back",
       {Row(1, UserPage), Row(2, PassOver), Row(3, UserPage), Row(4, UserPage)}, 4,
       {Next, Back, Cancel}, {IDNO}, 0,
       {{1, IDC_SETUP_NEXT}, {2, -1}, {3, IDC_SETUP_BACK}, {2, -1}, {1, 0}}, 1},
      {"Enter in a page is Next",
       {Row(1, UserPage), Row(2, UserPage), Row(3, UserPage)}, 3,
       {Enter, Cancel}, {IDNO}, 0,
       {{1, IDC_SETUP_NEXT}, {2, 0}}, 1},
      {"the close box on a middle step shows the step again",
       {Row(1, UserPage), Row(2, UserPage), Row(3, UserPage)}, 3,
       {Next, CloseBox, Next, Cancel}, {}, 1,
       {{1, IDC_SETUP_NEXT}, {2, 2}, {2, IDC_SETUP_NEXT}, {3, 0}}, 0},
  };
  for (CASE& c : cases) {
    SetUp();
    for (const ACTION& a : c.actions) Actions.push_back(a);
    SETUPDIALOG frame(Caption, Question, -1);
    frame.Hook = RecordingHook;
    int result;
    std::vector<std::string> asked;
    {
      QUESTIONANSWERER answerer(frame.hWnd, c.answers);
      result = frame.Run(c.steps.data(), c.final);
      asked = answerer.Asked;
    }
    EXPECT_EQ(result, c.result) << c.what;
    EXPECT_EQ(Moves(), c.moves) << c.what;
    ASSERT_EQ(asked.size(), c.questions) << c.what;
    for (const std::string& q : asked) EXPECT_EQ(q, std::string(Caption) + ": " + Question) << c.what;
    EXPECT_TRUE(Actions.empty()) << c.what << ": every user action was used";
    EXPECT_EQ(frame.pSubDlg, nullptr);
  }
}

TEST_F(WizardFrame, CancellingAgainAfterYesShowsANewPage) {
  SETUPSTEP steps[] = {Row(1, UserPage), Row(2, UserPage), Row(3, UserPage)};
  for (const ACTION& a : {Next, Cancel, Cancel}) Actions.push_back(a);
  SETUPDIALOG frame(Caption, Question, -1);
  {
    QUESTIONANSWERER answerer(frame.hWnd, {IDYES, IDNO});
    EXPECT_EQ(frame.Run(steps, 3), 0);
  }
  ASSERT_EQ(Pages.size(), 3u);
  EXPECT_FALSE(IsWindow(Pages[1])) << "each step's page is closed after it";
}

TEST_F(WizardFrame, HookCallsWithCodesFourAndFive) {
  SETUPSTEP steps[] = {Row(1, UserPage), Row(2, UserPage)};
  for (const ACTION& a : {Next, Cancel}) Actions.push_back(a);
  SETUPDIALOG frame(Caption, Question, -1);
  frame.Hook = RecordingHook;
  EXPECT_EQ(frame.Run(steps, 2), 1);
  ASSERT_EQ(HookCalls.size(), 4u);
  struct {
    int code, value;
    INT_PTR data;
  } expected[] = {{4, 1, 101}, {5, 1, IDC_SETUP_NEXT}, {4, 2, 102}, {5, 2, 0}};
  for (size_t i = 0; i < 4; i++) {
    EXPECT_EQ(HookCalls[i].code, expected[i].code) << i;
    EXPECT_EQ(HookCalls[i].value, expected[i].value) << i;
    EXPECT_EQ(HookCalls[i].data, expected[i].data) << i;
    EXPECT_TRUE(HookCalls[i].windows) << "frame, page and page function are given";
  }
}

TEST_F(WizardFrame, BackOnTheFirstStepIsReportedAndThePassingPageThenMovesOn) {
  SETUPSTEP steps[] = {Row(1, BackThenPassOver), Row(2, UserPage), Row(3, UserPage)};
  Actions.push_back(Next);
  Actions.push_back(Cancel);
  SETUPDIALOG frame(Caption, Question, -1);
  frame.Hook = RecordingHook;
  testsupport::ReportCapture reports;
  EXPECT_EQ(frame.Run(steps, 3), 1);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"FALSE"});
  EXPECT_EQ(Moves(), (std::vector<std::pair<int, int>>{{1, IDC_SETUP_BACK}, {1, -1}, {2, IDC_SETUP_NEXT}, {3, 0}}));
}

TEST_F(WizardFrame, ButtonsByPositionAndTheFinishText) {
  struct SEEN {
    bool backVisible, nextVisible, nextEnabled;
    std::string cancelText;
    LONG nextStyle, cancelStyle;
  };
  static std::vector<SEEN> seen;
  seen.clear();
  auto look = [](SETUPDIALOG* frame, DATADIALOG*) {
    HWND f = frame->hWnd;
    auto shown = [f](int id) { return (GetWindowLongA(GetDlgItem(f, id), GWL_STYLE) & WS_VISIBLE) != 0; };
    seen.push_back({shown(IDC_SETUP_BACK), shown(IDC_SETUP_NEXT), IsWindowEnabled(GetDlgItem(f, IDC_SETUP_NEXT)) != FALSE,
                    WINDOW(GetDlgItem(f, IDCANCEL)).Text().Buffer,
                    GetWindowLongA(GetDlgItem(f, IDC_SETUP_NEXT), GWL_STYLE) & BS_TYPEMASK,
                    GetWindowLongA(GetDlgItem(f, IDCANCEL), GWL_STYLE) & BS_TYPEMASK});
    // As a rule of the page would leave it.
    EnableWindow(GetDlgItem(f, IDC_SETUP_NEXT), FALSE);
    return IDC_SETUP_NEXT;
  };
  SETUPSTEP steps[] = {Row(1, look), Row(2, look), Row(3, look)};
  SETUPDIALOG frame(Caption, Question, -1);
  EXPECT_EQ(frame.Run(steps, 3), 1) << "Next from the final step finishes too";
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_FALSE(seen[0].backVisible);
  EXPECT_TRUE(seen[0].nextVisible);
  EXPECT_EQ(seen[0].nextStyle, BS_DEFPUSHBUTTON);
  EXPECT_EQ(seen[0].cancelText, "Cancel");
  EXPECT_TRUE(seen[1].backVisible);
  EXPECT_TRUE(seen[1].nextVisible);
  EXPECT_TRUE(seen[1].nextEnabled) << "a step starts with Next enabled whatever the last page left";
  EXPECT_FALSE(seen[2].backVisible);
  EXPECT_FALSE(seen[2].nextVisible);
  EXPECT_EQ(seen[2].cancelText, "&Finish") << "language string 3000";
  EXPECT_EQ(seen[2].cancelStyle, BS_DEFPUSHBUTTON);
}

TEST_F(WizardFrame, TheFirstPageControlThatTakesTheFocusGetsIt) {
  struct CASE {
    int page;
    const char* radio;  // value bound to the two radio buttons (numbers 1, 2)
    int focused;
  } cases[] = {
      {PAGE_RADIO, "1", IDC_PAGE_RADIO1},  // a checked first radio button
      {PAGE_RADIO, "2", IDC_PAGE_RADIO2},  // the checked one, though second
      {PAGE_RADIO, "0", IDC_PAGE_EDIT},    // unchecked automatic radios are passed
      {PAGE_BUTTONS, "0", IDC_PAGE_BUTTON},
  };
  for (const CASE& c : cases) {
    SETUPDIALOG frame(Caption, Question, -1);
    DATADIALOG* page = frame.ShowStep(c.page, nullptr, "Focus", "Which control has the focus");
    STRING value(c.radio);
    if (c.page == PAGE_RADIO) {
      page->AddField(new RADIOFIELD(IDC_PAGE_RADIO1, &value, 1));
      page->AddField(new RADIOFIELD(IDC_PAGE_RADIO2, &value, 2));
    }
    HWND focus = nullptr;
    DWORD thread = GetCurrentThreadId();
    int code;
    {
      DRIVER driver(frame.hWnd, [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        WaitFor([&] { return GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr && IsChild(page->hWnd, info.hwndFocus); });
        focus = info.hwndFocus;
        PostMessageA(GetDlgItem(frame.hWnd, IDCANCEL), BM_CLICK, 0, 0);
      });
      code = frame.Run();
    }
    EXPECT_EQ(code, 0);
    EXPECT_EQ(GetDlgCtrlID(focus), c.focused) << c.page << " " << c.radio;
    frame.CloseStep();
  }
}

TEST_F(WizardFrame, ConstructionPlacesTheSeparatorsAndColoursTheHeader) {
  SETUPDIALOG frame(Caption, Question, -1);
  HWND f = frame.hWnd;
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(std::string(frame.Text().Buffer), Caption);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(f, IDC_SETUP_HIDDEN)) ||
               (GetWindowLongA(GetDlgItem(f, IDC_SETUP_HIDDEN), GWL_STYLE) & WS_VISIBLE) != 0);

  RECT header = WINDOW(GetDlgItem(f, IDC_SETUP_HEADER)).WindowRect();
  RECT pages = WINDOW(GetDlgItem(f, IDC_SETUP_PAGEAREA)).WindowRect();
  RECT back = WINDOW(GetDlgItem(f, IDC_SETUP_BACK)).WindowRect();
  RECT top = WINDOW(GetDlgItem(f, IDC_SETUP_SEPARATOR_TOP)).WindowRect();
  RECT bottom = WINDOW(GetDlgItem(f, IDC_SETUP_SEPARATOR_BOTTOM)).WindowRect();
  EXPECT_EQ(top.top, header.bottom - 1);
  EXPECT_EQ(top.bottom - top.top, 2);
  EXPECT_EQ(top.left, 0);
  EXPECT_EQ(top.right, header.right);
  EXPECT_EQ(bottom.top, pages.bottom + (back.top - pages.bottom) / 4);
  EXPECT_EQ(bottom.right, header.right);

  RECT text = WINDOW(GetDlgItem(f, IDC_SETUP_TEXT)).WindowRect();
  RECT units{20, 19, 0, 0};
  MapDialogRect(f, &units);
  EXPECT_EQ(text.top, units.top + 1) << "the description moves down one pixel";

  HDC dc = GetDC(f);
  for (int id : {IDC_SETUP_TITLE, IDC_SETUP_TEXT, IDC_SETUP_ICON}) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(f, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(GetDlgItem(f, id))));
    LOGBRUSH lb{};
    ASSERT_NE(GetObjectA(brush, sizeof lb, &lb), 0) << id;
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 255)) << id;
  }
  auto other = reinterpret_cast<HBRUSH>(SendMessageA(f, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(GetDlgItem(f, IDC_SETUP_HIDDEN))));
  LOGBRUSH lb{};
  GetObjectA(other, sizeof lb, &lb);
  EXPECT_NE(lb.lbColor, RGB(255, 255, 255)) << "other statics keep the default";
  ReleaseDC(f, dc);
}

TEST_F(WizardFrame, TheStepsPageTakesThePageAreaAsAControlParent) {
  SETUPDIALOG frame(Caption, Question, 10);
  DATADIALOG* page = frame.ShowStep(PAGE_TEXT, nullptr, "Title text", "Description text");
  RECT area = WINDOW(GetDlgItem(frame.hWnd, IDC_SETUP_PAGEAREA)).WindowRect();
  RECT placed = page->WindowRect();
  EXPECT_TRUE(EqualRect(&area, &placed));
  EXPECT_EQ(GetParent(page->hWnd), frame.hWnd);
  EXPECT_TRUE((GetWindowLongA(page->hWnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0);
  EXPECT_EQ((GetWindowLongA(page->hWnd, GWL_STYLE) & WS_BORDER), 0);
  EXPECT_TRUE((GetWindowLongA(page->hWnd, GWL_STYLE) & WS_VISIBLE) != 0);
  EXPECT_EQ(WINDOW(GetDlgItem(frame.hWnd, IDC_SETUP_TITLE)).Text().Buffer, std::string("Title text"));
  EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageA(frame.hWnd, IDC_SETUP_TEXT, WM_GETFONT, 0, 0)), frame.DescriptionFont);
  EXPECT_NE(frame.TitleFont, nullptr);
  HWND pageWindow = page->hWnd;
  frame.CloseStep();
  EXPECT_FALSE(IsWindow(pageWindow));
  EXPECT_EQ(frame.pSubDlg, nullptr);
}

TEST_F(WizardFrame, WithoutItsTemplateTheFrameIsReportedAndTheWizardCancelled) {
  HMODULE empty = LoadLibraryExA("kernel32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ResourceModule = empty;
  testsupport::ReportCapture reports;
  SETUPDIALOG frame(Caption, Question, -1);
  SETUPSTEP steps[] = {Row(1, UserPage), Row(2, UserPage)};
  EXPECT_EQ(frame.hWnd, nullptr);
  EXPECT_EQ(frame.Run(steps, 2), 0);
  EXPECT_TRUE(Pages.empty()) << "no page function ran";
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"this->hWnd"});
  ResourceModule = GetModuleHandleA(nullptr);
  FreeLibrary(empty);
}

namespace {

// Counts the worker's messages as the frame handles them.
class COUNTINGFRAME : public SETUPDIALOG {
 public:
  COUNTINGFRAME() : SETUPDIALOG(Caption, Question, -1) {}
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP + 1) {
      if (static_cast<long>(wParam) != Received) OutOfOrder++;
      Received = static_cast<long>(wParam) + 1;
      return 1;
    }
    return SETUPDIALOG::DialogProc(message, wParam, lParam);
  }
  long Received = 0;
  int OutOfOrder = 0;
};

}  // namespace

TEST_F(WizardFrame, AWorkerFloodsTheFrameWhileItsPageLoopRuns) {
  constexpr long Count = 100000;
  COUNTINGFRAME frame;
  frame.ShowStep(PAGE_TEXT, nullptr, "Copying", "A worker thread talks to the page loop");
  HWND f = frame.hWnd;
  DWORD thread = GetCurrentThreadId();
  int focusMoves = 0, focusSeen = 0, retries = 0;
  int code;
  {
    DRIVER worker(f, [&] {
      for (long i = 0; i < Count; i++) {
        // A full queue refuses a post; the worker tries again.
        while (!PostMessageA(f, WM_APP + 1, static_cast<WPARAM>(i), 0)) {
          retries++;
          Sleep(1);
        }
        if (i % 1000 == 999) {
          int id = (i / 1000) % 2 == 0 ? IDC_SETUP_NEXT : IDCANCEL;
          SendMessageA(f, WM_SETUP_FOCUS, static_cast<WPARAM>(id), 0);
          focusMoves++;
          GUITHREADINFO info{};
        info.cbSize = sizeof info;
          if (GetGUIThreadInfo(thread, &info) && GetDlgCtrlID(info.hwndFocus) == id) focusSeen++;
        }
      }
      PostMessageA(f, WM_COMMAND, MAKEWPARAM(IDC_SETUP_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(f, IDC_SETUP_NEXT)));
    });
    code = frame.Run();
  }
  frame.CloseStep();
  EXPECT_EQ(code, IDC_SETUP_NEXT) << "the worker's Next ends the page";
  EXPECT_EQ(frame.Received, Count) << "no message lost (" << retries << " posts retried)";
  EXPECT_EQ(frame.OutOfOrder, 0);
  EXPECT_EQ(focusMoves, 100);
  EXPECT_EQ(focusSeen, focusMoves) << "every 1033 request moved the focus before SendMessage returned";
}
