// Helpers of the ui tests: the message log of the sequence tests, pumping
// the thread's queue, and a driver thread that acts on a dialog while the
// test thread runs its modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace uitest {

// Where a logged message was seen.
enum SOURCE { SENT, HOOK, HANDLER };

struct LOGGED {
  SOURCE Source;
  UINT Message;
  WPARAM wParam;
  LPARAM lParam;
};

// One row of an expected sequence; zeroLParam checks lParam == 0,
// nonzeroLParam lParam != 0.
struct EXPECTED {
  SOURCE Source;
  UINT Message;
  enum { ANY, ZERO, NONZERO } LParam = ANY;
};

// The messages of log whose number is in watched, in order.
std::vector<LOGGED> Filter(const std::vector<LOGGED>& log, const std::vector<UINT>& watched);
// Empty when log matches expected row by row, else what differs.
std::string CompareSequence(const std::vector<LOGGED>& log, const std::vector<EXPECTED>& expected);
std::string MessageName(UINT message);

// Dispatches whatever the thread's queue holds.
void Pump();

// The module of the test executable, where the test dialogs live.
HINSTANCE TestModule();

// Runs action on a thread of its own once window is visible (or after
// about five seconds); joined when the driver ends.
class DRIVER {
 public:
  DRIVER(HWND window, std::function<void()> action);
  ~DRIVER();
  DRIVER(const DRIVER&) = delete;
  DRIVER& operator=(const DRIVER&) = delete;

 private:
  std::thread Thread;
};

// Waits (up to about five seconds) for condition, polling.
bool WaitFor(const std::function<bool()>& condition);

// Clicks a push button, box or radio button from another thread as a
// user's click does (BM_CLICK).
void Click(HWND dialog, int id);

}  // namespace uitest
