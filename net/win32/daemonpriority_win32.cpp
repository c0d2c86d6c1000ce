// The reader thread's priority through the Win32 thread API.
#include <windows.h>

#include "net/daemonpriority.h"

void RaiseDaemonPriority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL); }
