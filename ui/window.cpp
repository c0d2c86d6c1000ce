#include "ui/window.h"

#include <atomic>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "ui/help.h"

namespace {

// Grows by one for every created window; names the "AppWindow%d" classes.
std::atomic<int> WindowCounter{0};

HICON WindowIcon(int resourceId) {
  HINSTANCE resources = static_cast<HINSTANCE>(ResourceModule);
  HICON icon = LoadIconA(resources, MAKEINTRESOURCEA(resourceId & 0xFFFF));
  if (icon == nullptr) icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  if (icon == nullptr) icon = LoadIconA(resources, MAKEINTRESOURCEA(1));
  if (icon == nullptr) icon = LoadIconA(nullptr, IDI_APPLICATION);
  return icon;
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace

// The query-id message means other things to the system's own controls:
// it goes only to dialogs and to windows of the framework's classes.
int WindowId(HWND window) {
  if (window == nullptr) return -1;
  int id = GetWindowLongA(window, GWL_ID);
  if (id != 0) return id;
  char cls[16] = "";
  GetClassNameA(window, cls, sizeof cls);
  bool framework = GetClassLongPtrA(window, GCLP_WNDPROC) == reinterpret_cast<ULONG_PTR>(WINDOW::Procedure);
  if (framework || lstrcmpA(cls, "#32770") == 0)
    SendMessageA(window, WM_FRAMEWORK_QUERYID, reinterpret_cast<WPARAM>(&id), 0);
  return id;
}

WINDOW::WINDOW(HWND handle)
    : hWnd(handle), Id(WindowId(handle)), AutoDestroy(false), MsgHook(nullptr) {}

WINDOW::WINDOW(DWORD style, const char* title, int x, int y, int width, int height, HWND parent,
               int resourceId, const char* className, HINSTANCE instance)
    : hWnd(nullptr), Id(resourceId), AutoDestroy(true), MsgHook(nullptr) {
  char generated[32];
  wsprintfA(generated, "AppWindow%d", WindowCounter.fetch_add(1));
  const char* name = className != nullptr ? className : generated;
  if (instance == nullptr) instance = static_cast<HINSTANCE>(ResourceModule);

  WNDCLASSA wc{};
  wc.style = CS_OWNDC;
  wc.lpfnWndProc = Procedure;
  wc.cbWndExtra = 4;
  wc.hInstance = instance;
  wc.hIcon = WindowIcon(resourceId);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  wc.lpszClassName = name;
  // A class of that name may exist already (a given name used twice).
  RegisterClassA(&wc);

  // A child window's "menu" is its control id.
  HMENU menu = (style & WS_CHILD) != 0
                   ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(resourceId))
                   : LoadMenuA(static_cast<HINSTANCE>(ResourceModule), MAKEINTRESOURCEA(resourceId & 0xFFFF));
  HWND created = CreateWindowExA(0, name, title, style, x, y, width, height, parent, menu, instance, this);
  hWnd = created;
  ASSERTION(this->hWnd, title);
}

WINDOW::~WINDOW() {
  if (hWnd == nullptr) return;
  if (AutoDestroy) {
    LogPrintf("WINDOW::~WINDOW auto-destroying %s %d\n", NullGuard(Text().Buffer, "text"), Id);
    Destroy();
    return;
  }
  // A window that outlives its object must not reach it any more.
  if (reinterpret_cast<WINDOW*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA)) == this)
    SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
}

LRESULT CALLBACK WINDOW::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (created != nullptr && created->lpCreateParams != nullptr) {
      auto* self = static_cast<WINDOW*>(created->lpCreateParams);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->hWnd = window;
    }
  }
  auto* self = reinterpret_cast<WINDOW*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (self->MsgHook != nullptr) self->MsgHook(window, message, wParam, lParam);
  LogHotKeys(message, wParam, lParam);
  if (message == WM_DESTROY) self->WINDOW::WindowProc(message, wParam, lParam);
  LRESULT result = self->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The handle is gone: the object stays, holding no window.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->hWnd = nullptr;
  }
  return result;
}

LRESULT WINDOW::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (lParam != 0) {
        PostMessageA(hWnd, WM_FRAMEWORK_INIT, 0, 0);
        return 0;
      }
      return 0;
    case WM_DESTROY:
      MsgHook = nullptr;
      return 1;
    case WM_QUERYENDSESSION:
      return 1;
    case WM_ENDSESSION:
      PostMessageA(hWnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_HELP:
      return ContextHelp(hWnd, Id) ? 1 : 0;
    case WM_FRAMEWORK_INIT:
      WindowProc(WM_CREATE, 0, 0);
      return 0;
    case WM_FRAMEWORK_QUERYID:
      if (wParam != 0) *reinterpret_cast<int*>(wParam) = Id;
      return 0;
    default:
      return DefWindowProcA(hWnd, message, wParam, lParam);
  }
}

void WINDOW::Destroy() {
  if (hWnd != nullptr) DestroyWindow(hWnd);
  hWnd = nullptr;
}

STRING WINDOW::Text() const {
  STRING text("");
  if (hWnd == nullptr) return text;
  int length = GetWindowTextLengthA(hWnd);
  text.Make(length, nullptr);
  char* txt = text.Buffer;
  ASSERTION(txt, nullptr);
  if (txt == nullptr) return STRING("");
  int got = GetWindowTextA(hWnd, txt, length + 1);
  text.Truncate(got < 0 ? 0 : (got > length ? length : got));
  return text;
}

STRING WINDOW::ClassName() const {
  char name[128] = "";
  if (hWnd != nullptr) GetClassNameA(hWnd, name, sizeof name);
  return STRING(name);
}

WINDOW WINDOW::Parent() const { return WINDOW(hWnd != nullptr ? GetParent(hWnd) : nullptr); }

WINDOW WINDOW::Owner() const { return WINDOW(hWnd != nullptr ? GetWindow(hWnd, GW_OWNER) : nullptr); }

void WINDOW::Move(int x, int y, int width, int height) {
  if (hWnd == nullptr) return;
  if (width == -1 || height == -1) {
    RECT now{};
    GetWindowRect(hWnd, &now);
    if (width == -1) width = now.right - now.left;
    if (height == -1) height = now.bottom - now.top;
  }
  MoveWindow(hWnd, x, y, width, height, TRUE);
}

void WINDOW::MoveTo(const RECT& r) { Move(r.left, r.top, r.right - r.left, r.bottom - r.top); }

RECT WINDOW::ClientRect() const {
  RECT r{};
  ASSERTION(this->hWnd!=HWND_DESKTOP, nullptr);
  if (hWnd != nullptr) GetClientRect(hWnd, &r);
  return r;
}

RECT WINDOW::WindowRect() const {
  if (hWnd == nullptr) return WorkArea();
  RECT r{};
  GetWindowRect(hWnd, &r);
  HWND parent = GetParent(hWnd);
  if (parent != nullptr && parent != GetWindow(hWnd, GW_OWNER))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

POINT CenteredPosition(const RECT& reference, int width, int height, const RECT& workArea) {
  POINT p;
  p.x = reference.left + ((reference.right - reference.left) - width) / 2;
  p.y = reference.top + ((reference.bottom - reference.top) - height) / 2;
  if (p.x + width > workArea.right) p.x = workArea.right - width;
  if (p.x < 0) p.x = 0;
  if (p.y + height > workArea.bottom) p.y = workArea.bottom - height;
  if (p.y < 0) p.y = 0;
  return p;
}

void WINDOW::CenterOn(HWND reference) {
  if (hWnd == nullptr) return;
  RECT area = WorkArea();
  if (reference != nullptr && !IsWindowVisible(reference)) reference = nullptr;
  bool is_child = reference != nullptr && IsChild(hWnd, reference);
  ASSERTION(!is_child, nullptr);
  WINDOW ref(reference);
  RECT r = ref.WindowRect();
  RECT w = WindowRect();
  POINT p = CenteredPosition(r, w.right - w.left, w.bottom - w.top, area);
  Move(p.x, p.y, -1, -1);
}

HFONT WINDOW::CreateFont(const char* faceName, int pointSize, bool bold, bool italic) {
  HDC hdc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  ASSERTION(hdc, faceName);
  if (hdc == nullptr) return nullptr;
  LOGFONTA font{};
  font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(hdc, LOGPIXELSY), 72);
  DeleteDC(hdc);
  font.lfWeight = bold ? 700 : 400;
  font.lfItalic = italic ? 1 : 0;
  lstrcpynA(font.lfFaceName, faceName != nullptr ? faceName : "", LF_FACESIZE);
  return CreateFontIndirectA(&font);
}
