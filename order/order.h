// The order form, the mode that SetupMain (setup/entry) chooses for "ORDER".
#pragma once

namespace ORDER {

// Runs the order wizard; returns 0, after which the program ends.
int OrderDriver();

}  // namespace ORDER
