// The host build has no socket device: a mail there needs a device of the
// tests (SetMailDeviceFactory).
#include "net/maildevice.h"

BASEIO* DefaultMailDevice() { return nullptr; }
