#include "setup/entry/setupmain.h"

#include <windows.h>

#include "foundation/app.h"
#include "foundation/args.h"
#include "foundation/log.h"
#include "order/order.h"
#include "setup/drivers.h"
#include "setup/hooks.h"

namespace {

// The directory that holds the program: its path up to the last "\",
// keeping the backslash of a drive root ("C:\").
STRING ProgramDirectory(const char* programPath) {
  STRING path(programPath);
  int cut = -1;
  for (int i = 0; i < path.StrLen; ++i) {
    if (path.Buffer[i] == '\\' || path.Buffer[i] == '/') cut = i;
  }
  if (cut < 0) return STRING(".");
  if (cut == 2 && path.Buffer[1] == ':') return path.Left(3);
  return path.Left(cut);
}

}  // namespace

SETUPMODE ChooseSetupMode() {
  if (TestArgValue("ORDER", 0)) return SETUPMODE::Order;
  if (TestArgValue("REMOVE", 0)) return SETUPMODE::Uninstall;
  return SETUPMODE::Install;
}

int SetupMainWith(const SETUPMODES& modes, int argc, char** argv) {
  const char* programPath = argc > 0 ? argv[0] : nullptr;
  APP::Init(STRING(programPath), STRING("setup"), STRING("1.00"));

  if (TestArg("AUTODIR") && programPath != nullptr) {
    STRING directory = ProgramDirectory(programPath);
    LogPrintf("SetupMain AUTODIR %s\n", directory.Buffer);
    SetCurrentDirectoryA(directory.Buffer);
  }

  HMODULE hooks = SETUP::LoadHookLibrary("SETUPHOOK");

  switch (ChooseSetupMode()) {
    case SETUPMODE::Order:
      LogPrintf("SetupMain mode ORDER\n");
      modes.Order();
      break;
    case SETUPMODE::Uninstall:
      LogPrintf("SetupMain mode REMOVE\n");
      modes.Uninstall(programPath);
      break;
    case SETUPMODE::Install:
      LogPrintf("SetupMain mode install\n");
      modes.Install();
      break;
  }

  SETUP::ReleaseHookLibrary(hooks);
  return 0;
}

int SetupMain(int argc, char** argv) {
  static const SETUPMODES Drivers = {SETUP::InstallDriver, SETUP::UninstallDriver, ORDER::OrderDriver};
  return SetupMainWith(Drivers, argc, argv);
}
