// A picture of the whole virtual screen, taken with GDI.
#pragma once

#include "tools/robot/png.h"

#include <string>

namespace robot {

// Copies the virtual screen (all monitors) into *image; false with *error
// when GDI refuses.
bool CaptureScreen(RgbImage* image, std::string* error);

}  // namespace robot
