// The install driver. Not built yet: it says so.
#include "foundation/language.h"
#include "resources/langstrings.h"
#include "setup/drivers.h"
#include "setup/notbuilt.h"

namespace SETUP {

int InstallDriver() {
  ShowNotBuiltYet(LanguageString(LANGSTR::SetupCaption), LanguageString(LANGSTR::WelcomeText),
                  "install");
  return 0;
}

}  // namespace SETUP
