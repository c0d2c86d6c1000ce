// The order driver. Not built yet: it says so.
#include "foundation/language.h"
#include "order/order.h"
#include "resources/langstrings.h"
#include "setup/notbuilt.h"

namespace ORDER {

int OrderDriver() {
  STRING caption = LanguageString(LANGSTR::OrderCaptionPrefix);
  caption.Strip('R', " ");
  SETUP::ShowNotBuiltYet(caption, LanguageString(LANGSTR::OrderWelcomeText), "order");
  return 0;
}

}  // namespace ORDER
