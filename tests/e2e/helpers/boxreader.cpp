// boxreader SECONDS [BUTTON]: waits up to SECONDS for a message box (a
// visible dialog window of class "#32770") of this Wine machine, prints its
// caption and text in UTF-8 as the user sees them, presses BUTTON (a control
// id, IDOK when not given) and waits until the box is gone.
//
//   caption=<caption>
//   text=<text>
//
// with CR and LF in them written as the two characters \r and \n.
// Exit code 0 when a box was answered, 2 when none came in time. The tests
// of the start-up read the program's boxes with it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Utf8(HWND window) {
  wchar_t text[4096] = {};
  int n = GetWindowTextW(window, text, 4096);
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text, n, nullptr, 0, nullptr, nullptr);
  std::string out(bytes, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, n, out.data(), bytes, nullptr, nullptr);
  // One output line per box text: CR and LF are written as \r and \n.
  std::string escaped;
  for (char c : out) {
    if (c == '\r') escaped += "\\r";
    else if (c == '\n') escaped += "\\n";
    else escaped += c;
  }
  return escaped;
}

HWND FindBox() {
  HWND box = FindWindowA("#32770", nullptr);
  return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
  int button = argc > 2 ? std::atoi(argv[2]) : IDOK;
  HWND box = nullptr;
  for (int waited = 0; box == nullptr && waited < seconds * 10; ++waited) {
    box = FindBox();
    if (box == nullptr) Sleep(100);
  }
  if (box == nullptr) {
    std::printf("no box\n");
    return 2;
  }
  Sleep(200);  // let the box finish drawing before it is read
  std::printf("caption=%s\n", Utf8(box).c_str());
  // The text of a message box is its static control 0xFFFF.
  std::printf("text=%s\n", Utf8(GetDlgItem(box, 0xFFFF)).c_str());
  std::fflush(stdout);
  HWND control = GetDlgItem(box, button);
  if (control != nullptr) {
    SendMessageA(control, BM_CLICK, 0, 0);
  } else {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  }
  for (int waited = 0; IsWindow(box) && waited < 50; ++waited) Sleep(100);
  return 0;
}
