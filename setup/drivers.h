// The installer's two modes, chosen by SetupMain (setup/entry): the install
// driver (no mode argument) and the uninstall driver ("-remove" with the
// product's key). Both return 0, after which the program ends.
#pragma once

namespace SETUP {

int InstallDriver();
// programPath: the full path of the running executable (may be null).
int UninstallDriver(const char* programPath);

}  // namespace SETUP
