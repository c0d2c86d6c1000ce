// Until a mode is built, its entry says so plainly in a message box: the
// mode's own caption and the text its first page would show, both from the
// language library, and a line naming the mode.
#pragma once

#include "foundation/str.h"

namespace SETUP {

// Shows caption and firstPageText followed by "[<mode> mode: not built yet]".
void ShowNotBuiltYet(const STRING& caption, const STRING& firstPageText, const char* mode);

}  // namespace SETUP
