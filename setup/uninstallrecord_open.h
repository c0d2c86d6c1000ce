// Opening the uninstall record of the product being installed (IniKey),
// created when missing.
#pragma once

#include "osys/registry.h"

namespace SETUP {

// The record of IniKey under HKEY_LOCAL_MACHINE (setup/uninstallrecord.h).
class UNINSTALLRECORDKEY : public REGISTRY {
 public:
  UNINSTALLRECORDKEY();
};

}  // namespace SETUP
