// The product's mail connects through a TCP/IP device.
#include "net/maildevice.h"

#include "net/tcpipio.h"

BASEIO* DefaultMailDevice() { return new TCPIPIO(nullptr, nullptr, nullptr); }
