#include "setup/uninstallrecord_open.h"

#include "setup/setupcfg.h"
#include "setup/uninstallrecord.h"

namespace SETUP {

UNINSTALLRECORDKEY::UNINSTALLRECORDKEY()
    : REGISTRY(SetupCfg.Value("IniKey").Buffer, UNINSTALL_KEY_PREFIX, REGISTRY::LocalMachine) {}

}  // namespace SETUP
