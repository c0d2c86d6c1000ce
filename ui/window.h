// WINDOW: one window handle with a few helpers. A WINDOW made from a handle
// is a view that leaves the window alone when it ends; a created WINDOW owns
// its window (AutoDestroy) and receives its messages through WindowProc.
//
// Message routing of created windows (the window procedure):
//   WM_CREATE attaches the object (the creation parameter) to the window;
//   every message after that goes to MsgHook first (its result is not used),
//   then to the trace hot keys, then to the virtual WindowProc. WM_DESTROY
//   runs the base WINDOW::WindowProc before the virtual one.
//   The base posts the init message to itself at WM_CREATE; the init message
//   calls the virtual WindowProc with (WM_CREATE, 0, 0), so a derived window
//   does its set-up on a WM_CREATE whose lParam is 0, once it is fully
//   constructed and messages flow.
#pragma once

#include <windows.h>

#include "foundation/str.h"

// windows.h maps CreateFont to CreateFontA; here it is WINDOW's operation.
#undef CreateFont

// Private window messages of every window and dialog of the framework.
constexpr UINT WM_FRAMEWORK_END = 0x441;      // ends a modal loop; wParam = end code
constexpr UINT WM_FRAMEWORK_INIT = 0x442;     // second-stage initialisation
constexpr UINT WM_FRAMEWORK_QUERYID = 0x443;  // wParam -> int32 that receives Id

// Consulted for every message before the virtual handler.
using MSGHOOK = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class WINDOW {
 public:
  // A view of handle (may be null): Id is the control id or, when that is 0,
  // the window's answer to the query-id message; -1 for no window.
  explicit WINDOW(HWND handle = nullptr);
  // A created top-level or child window that owns its handle. className null
  // gives "AppWindow%d" with a process-wide counter; instance null gives
  // ResourceModule.
  WINDOW(DWORD style, const char* title, int x, int y, int width, int height, HWND parent,
         int resourceId, const char* className, HINSTANCE instance);
  WINDOW(const WINDOW&) = delete;
  WINDOW& operator=(const WINDOW&) = delete;

  // Slot order: destructor, WindowProc.
  virtual ~WINDOW();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND Hwnd() const { return hWnd; }
  void Destroy();
  STRING Text() const;
  STRING ClassName() const;  // at most 127 characters
  WINDOW Parent() const;
  WINDOW Owner() const;
  // -1 for width or height keeps the current size.
  void Move(int x, int y, int width, int height);
  void MoveTo(const RECT& rectangle);
  RECT ClientRect() const;
  // In the parent's client coordinates for a child window, in screen
  // coordinates otherwise; the desktop work area for no window.
  RECT WindowRect() const;
  // Centres this window on reference (the desktop when reference is null or
  // invisible), kept inside the desktop work area.
  void CenterOn(HWND reference);
  // A font of the display: height -(pointSize x pixels per inch / 72).
  static HFONT CreateFont(const char* faceName, int pointSize, bool bold, bool italic);

  // The window procedure of every created window.
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hWnd;
  int Id;
  bool AutoDestroy;
  MSGHOOK MsgHook;
};

// The top-left corner that centres a box of the given size on reference,
// moved back inside workArea where it passes the right or bottom edge (a
// negative coordinate becomes 0).
POINT CenteredPosition(const RECT& reference, int width, int height, const RECT& workArea);

// The framework's own id of a window: GWL_ID, else the query-id answer of a
// dialog or framework window; -1 for no window.
int WindowId(HWND window);
