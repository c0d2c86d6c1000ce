// The uninstall driver. Not built yet: it says so.
#include "foundation/language.h"
#include "resources/langstrings.h"
#include "setup/drivers.h"
#include "setup/notbuilt.h"

namespace SETUP {

int UninstallDriver(const char*) {
  ShowNotBuiltYet(LanguageString(LANGSTR::UninstallCaption), LanguageString(LANGSTR::FeedbackText),
                  "uninstall");
  return 0;
}

}  // namespace SETUP
