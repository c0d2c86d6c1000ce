#include "tests/ui/support.h"

#include <chrono>
#include <cstdio>

namespace uitest {

std::vector<LOGGED> Filter(const std::vector<LOGGED>& log, const std::vector<UINT>& watched) {
  std::vector<LOGGED> kept;
  for (const LOGGED& l : log)
    for (UINT w : watched)
      if (l.Message == w) {
        kept.push_back(l);
        break;
      }
  return kept;
}

std::string MessageName(UINT message) {
  switch (message) {
    case WM_NCCREATE: return "WM_NCCREATE";
    case WM_CREATE: return "WM_CREATE";
    case WM_INITDIALOG: return "WM_INITDIALOG";
    case WM_DESTROY: return "WM_DESTROY";
    case WM_NCDESTROY: return "WM_NCDESTROY";
    case WM_CLOSE: return "WM_CLOSE";
    case WM_COMMAND: return "WM_COMMAND";
    case 0x441: return "end";
    case 0x442: return "init";
    case 0x443: return "query-id";
    default: {
      char text[16];
      std::snprintf(text, sizeof text, "0x%04x", message);
      return text;
    }
  }
}

namespace {
const char* SourceName(SOURCE s) { return s == SENT ? "sent" : s == HOOK ? "hook" : "proc"; }
}  // namespace

std::string CompareSequence(const std::vector<LOGGED>& log, const std::vector<EXPECTED>& expected) {
  std::string diff;
  size_t n = log.size() > expected.size() ? log.size() : expected.size();
  for (size_t i = 0; i < n; i++) {
    std::string got = i < log.size() ? std::string(SourceName(log[i].Source)) + " " + MessageName(log[i].Message) +
                                           (log[i].lParam != 0 ? " (lParam)" : "")
                                     : "nothing";
    std::string want = i < expected.size()
                           ? std::string(SourceName(expected[i].Source)) + " " + MessageName(expected[i].Message)
                           : "nothing";
    bool same = i < log.size() && i < expected.size() && log[i].Source == expected[i].Source &&
                log[i].Message == expected[i].Message &&
                (expected[i].LParam == EXPECTED::ANY || (expected[i].LParam == EXPECTED::ZERO) == (log[i].lParam == 0));
    if (!same) diff += "  row " + std::to_string(i) + ": expected " + want + ", got " + got + "\n";
  }
  return diff;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

HINSTANCE TestModule() { return GetModuleHandleA(nullptr); }

bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 500; i++) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

DRIVER::DRIVER(HWND window, std::function<void()> action)
    : Thread([window, action] {
        WaitFor([window] { return IsWindowVisible(window) != FALSE; });
        action();
      }) {}

DRIVER::~DRIVER() { Thread.join(); }

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

}  // namespace uitest
