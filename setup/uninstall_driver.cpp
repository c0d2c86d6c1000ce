// The uninstall driver. Not built yet: it says so, under its title with the
// product key in place of "Korvex".
#include "foundation/args.h"
#include "foundation/language.h"
#include "resources/langstrings.h"
#include "setup/drivers.h"
#include "setup/notbuilt.h"

namespace SETUP {

int UninstallDriver(const char*) {
  STRING title = LanguageString(LANGSTR::UninstallCaption);
  STRING key = GetArgValue("REMOVE", 0);
  if (key.Buffer != nullptr) title.Replace("Korvex", key.Buffer);
  ShowNotBuiltYet(title, LanguageString(LANGSTR::FeedbackText), "uninstall");
  return 0;
}

}  // namespace SETUP
