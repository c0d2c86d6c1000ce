// The device seam of SendMail.
#include "net/maildevice.h"

#include <atomic>

#include "net/email.h"

namespace {

std::atomic<MAILDEVICEFACTORY> InstalledFactory{nullptr};

}  // namespace

MAILDEVICEFACTORY SetMailDeviceFactory(MAILDEVICEFACTORY factory) { return InstalledFactory.exchange(factory); }

BASEIO* NewMailDevice() {
  MAILDEVICEFACTORY factory = InstalledFactory.load();
  return factory != nullptr ? factory() : DefaultMailDevice();
}
