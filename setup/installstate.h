// The installer's process-wide state, set by the install driver and its
// pages and read by the copy worker and the shortcuts page.
#pragma once

#include "foundation/str.h"

// "0" a new installation, "1" the same version is installed, "2" an older
// version is installed (an update). The welcome page's radio buttons are
// bound to it.
extern STRING InstallMode;
// AppName, a blank and AppVersion.
extern STRING ProductTitle;
// The destination directory; without a trailing "\" once the destination
// page has been left.
extern STRING InstallDir;
// The program group folder that the shortcuts page chose.
extern STRING ProgramGroupDir;
