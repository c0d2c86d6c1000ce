// WINDOW: the messages a created window receives from creation through the
// init message to destruction, MsgHook's place in front of the handler, the
// query-id message, the generated class names, views and centring.
#include <gtest/gtest.h>

#include "tests/ui/support.h"
#include "ui/dialog.h"
#include "ui/window.h"

using namespace uitest;

namespace {

std::vector<LOGGED> Log;
HWND Watched = nullptr;
const char* WatchedClass = "SequenceWindow";

LRESULT RecordingHook(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  Log.push_back({HOOK, message, wParam, lParam});
  return 0;
}

// Every message sent to a window of the watched class, as the system sends
// it, including those of creation before the object is attached.
LRESULT CALLBACK SentMessages(int code, WPARAM wParam, LPARAM lParam) {
  auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
  char cls[64] = "";
  GetClassNameA(sent->hwnd, cls, sizeof cls);
  if (code == HC_ACTION && (sent->hwnd == Watched || lstrcmpA(cls, WatchedClass) == 0))
    Log.push_back({SENT, sent->message, sent->wParam, sent->lParam});
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class SEQUENCEWINDOW : public WINDOW {
 public:
  SEQUENCEWINDOW(const char* cls)
      : WINDOW(WS_OVERLAPPEDWINDOW, "sequence", 10, 10, 200, 100, nullptr, 4711, cls, GetModuleHandleA(nullptr)) {
    MsgHook = RecordingHook;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    Log.push_back({HANDLER, message, wParam, lParam});
    if (message == WM_CREATE && lParam == 0) SetupSeen++;
    return WINDOW::WindowProc(message, wParam, lParam);
  }
  int SetupSeen = 0;
};

const std::vector<UINT> Lifecycle = {WM_NCCREATE, WM_CREATE, WM_FRAMEWORK_INIT, WM_FRAMEWORK_QUERYID,
                                     WM_DESTROY, WM_NCDESTROY};

}  // namespace

TEST(WindowRouting, MessagesFromCreationThroughInitToDestruction) {
  Log.clear();
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, SentMessages, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  auto* window = new SEQUENCEWINDOW(WatchedClass);
  ASSERT_NE(window->hWnd, nullptr);
  Watched = window->hWnd;
  Pump();
  int id = 0;
  SendMessageA(window->hWnd, WM_FRAMEWORK_QUERYID, reinterpret_cast<WPARAM>(&id), 0);
  EXPECT_EQ(id, 4711) << "the query-id message answers the resource id";
  HWND handle = window->hWnd;
  DestroyWindow(handle);
  EXPECT_EQ(window->hWnd, nullptr) << "the object holds no handle after the window is gone";
  UnhookWindowsHookEx(hook);
  Watched = nullptr;

  // Creation reaches only the system (the object's handler is not yet in
  // place); the init message then runs the derived set-up, a WM_CREATE with
  // lParam 0. MsgHook is cleared at WM_DESTROY, so WM_NCDESTROY passes it.
  const std::vector<EXPECTED> expected = {
      {SENT, WM_NCCREATE},
      {SENT, WM_CREATE, EXPECTED::NONZERO},
      {HOOK, WM_FRAMEWORK_INIT},
      {HANDLER, WM_FRAMEWORK_INIT},
      {HANDLER, WM_CREATE, EXPECTED::ZERO},
      {SENT, WM_FRAMEWORK_QUERYID},
      {HOOK, WM_FRAMEWORK_QUERYID},
      {HANDLER, WM_FRAMEWORK_QUERYID},
      {SENT, WM_DESTROY},
      {HOOK, WM_DESTROY},
      {HANDLER, WM_DESTROY},
      {SENT, WM_NCDESTROY},
      {HANDLER, WM_NCDESTROY},
  };
  EXPECT_EQ(CompareSequence(Filter(Log, Lifecycle), expected), "");
  EXPECT_EQ(window->SetupSeen, 1);
  EXPECT_EQ(window->MsgHook, nullptr);
  delete window;
}

TEST(WindowRouting, MsgHookSeesEveryMessageBeforeTheHandler) {
  Log.clear();
  {
    SEQUENCEWINDOW window("HookOrderWindow");
    ShowWindow(window.hWnd, SW_SHOW);
    SetWindowTextA(window.hWnd, "moved");
    MoveWindow(window.hWnd, 20, 20, 150, 90, TRUE);
    Pump();
    // Destroyed while the object is whole: in its destructor the object is
    // a plain WINDOW again and the derived handler no longer runs.
    window.Destroy();
  }
  // Each message the handler saw came to the hook first: the hook's entry
  // comes right before, except for the WM_CREATE that the init message
  // makes and for what follows WM_DESTROY (the hook is cleared there).
  size_t checked = 0;
  bool destroyed = false;
  for (size_t i = 0; i < Log.size(); i++) {
    if (Log[i].Source != HANDLER) continue;
    if (Log[i].Message == WM_CREATE && Log[i].lParam == 0) continue;
    if (destroyed) {
      EXPECT_FALSE(i > 0 && Log[i - 1].Source == HOOK && Log[i - 1].Message == Log[i].Message);
      continue;
    }
    ASSERT_GT(i, 0u);
    EXPECT_EQ(Log[i - 1].Source, HOOK) << "row " << i << " " << MessageName(Log[i].Message);
    EXPECT_EQ(Log[i - 1].Message, Log[i].Message) << "row " << i;
    if (Log[i].Message == WM_DESTROY) destroyed = true;
    checked++;
  }
  EXPECT_GT(checked, 5u);
  EXPECT_TRUE(destroyed);
}

TEST(WindowClasses, WindowsWithoutClassNameGetConsecutiveAppWindowClasses) {
  WINDOW first(WS_OVERLAPPED, "first", 0, 0, 50, 50, nullptr, 1, nullptr, GetModuleHandleA(nullptr));
  WINDOW second(WS_OVERLAPPED, "second", 0, 0, 50, 50, nullptr, 2, nullptr, GetModuleHandleA(nullptr));
  STRING a = first.ClassName();
  STRING b = second.ClassName();
  ASSERT_EQ(std::string(a.Buffer).rfind("AppWindow", 0), 0u) << a.Buffer;
  int n = std::atoi(a.Buffer + 9);
  EXPECT_EQ(std::string(b.Buffer), "AppWindow" + std::to_string(n + 1));
  EXPECT_EQ(first.Id, 1);
  EXPECT_TRUE(first.AutoDestroy);
}

TEST(WindowViews, NullViewHasIdMinusOneAndTheWorkAreaAsRectangle) {
  WINDOW none(nullptr);
  EXPECT_EQ(none.Id, -1);
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT r = none.WindowRect();
  EXPECT_TRUE(EqualRect(&r, &area)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  EXPECT_FALSE(none.AutoDestroy);
}

TEST(WindowViews, AViewLeavesTheWindowAloneAndAnOwnerDestroysIt) {
  HWND handle;
  {
    WINDOW owner(WS_OVERLAPPED, "owned", 0, 0, 50, 50, nullptr, 7, nullptr, GetModuleHandleA(nullptr));
    handle = owner.hWnd;
    { WINDOW view(handle); EXPECT_EQ(view.Id, 7) << "a view of a framework window asks its id"; }
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_EQ(std::string(WINDOW(handle).Text().Buffer), "owned");
  }
  EXPECT_FALSE(IsWindow(handle));
}

TEST(WindowGeometry, CentringTableKeepsTheBoxInsideTheWorkArea) {
  const RECT area{0, 0, 1280, 994};
  struct CASE {
    RECT reference;
    int width, height;
    LONG x, y;
  } cases[] = {
      {{100, 100, 500, 400}, 200, 100, 200, 200},      // plainly centred
      {{1100, 100, 1280, 300}, 400, 100, 880, 150},    // would pass the right edge
      {{0, 900, 300, 994}, 100, 300, 100, 694},        // would pass the bottom edge
      {{-200, -200, 0, 0}, 400, 400, 0, 0},            // negative corner becomes 0
      {{101, 100, 400, 401}, 100, 100, 200, 200},      // integer division
  };
  for (const CASE& c : cases) {
    POINT p = CenteredPosition(c.reference, c.width, c.height, area);
    EXPECT_EQ(p.x, c.x) << c.reference.left;
    EXPECT_EQ(p.y, c.y) << c.reference.top;
  }
}

TEST(WindowGeometry, DialogOverAParentNearTheRightEdgeStaysInsideTheWorkArea) {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  WINDOW parent(WS_OVERLAPPEDWINDOW | WS_VISIBLE, "parent", area.right - 120, 200, 300, 200, nullptr, 1, nullptr,
                GetModuleHandleA(nullptr));
  DIALOG dialog(100, parent.hWnd, TestModule());
  RECT r{};
  GetWindowRect(dialog.hWnd, &r);
  EXPECT_LE(r.right, area.right);
  EXPECT_GE(r.left, area.left);
  EXPECT_EQ(r.right, area.right) << "pushed back against the edge";
}

TEST(WindowFonts, CreateFontGivesTheDisplayHeightAndWeight) {
  HFONT font = WINDOW::CreateFont("Arial", 9, true, false);
  ASSERT_NE(font, nullptr);
  LOGFONTA lf{};
  GetObjectA(font, sizeof lf, &lf);
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  EXPECT_EQ(lf.lfHeight, -MulDiv(9, GetDeviceCaps(display, LOGPIXELSY), 72));
  DeleteDC(display);
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfItalic, 0);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  DeleteObject(font);
}
