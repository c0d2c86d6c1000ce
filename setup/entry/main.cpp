// setup.exe: installer, uninstaller and order form in one program. The
// application frame owns the process and calls SetupMain.
#include <windows.h>

#include "foundation/app.h"
#include "setup/entry/setupmain.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showMode) {
  return APP::WinMain(instance, previous, commandLine, showMode, SetupMain);
}
