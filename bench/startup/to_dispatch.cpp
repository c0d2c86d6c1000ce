// setup.exe up to its mode dispatch: the same WinMain, application frame and
// SetupMain (command line, argument files, home directory, language library,
// hook library), with mode entries that return at once, so that a run ends
// where the chosen mode would begin.
#include <windows.h>

#include "foundation/app.h"
#include "setup/entry/setupmain.h"

namespace {

int Return() { return 0; }
int ReturnUninstall(const char*) { return 0; }

int SetupMainToDispatch(int argc, char** argv) {
  static const SETUPMODES Immediate = {Return, ReturnUninstall, Return};
  return SetupMainWith(Immediate, argc, argv);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showMode) {
  return APP::WinMain(instance, previous, commandLine, showMode, SetupMainToDispatch);
}
