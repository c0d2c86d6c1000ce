#include "setup/installstate.h"

STRING InstallMode("0");
STRING ProductTitle("");
STRING InstallDir("");
STRING ProgramGroupDir("");
