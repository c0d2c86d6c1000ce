#include "unzip/signals.h"

#include <csignal>
#include <cstdlib>

#include "unzip/messages.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNZIP_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define UNZIP_SANITIZED 1
#endif

namespace UNZIP {
namespace {

[[maybe_unused]] void OnViolation(int) {
  Say(kStderr, "error:  zipfile probably corrupt (%s)\n", "segmentation violation");
  std::_Exit(3);
}

void OnStop(int) { std::_Exit(0); }

}  // namespace

SIGNALGUARD::SIGNALGUARD() {
  interrupt_ = std::signal(SIGINT, OnStop);
  terminate_ = std::signal(SIGTERM, OnStop);
#if defined(UNZIP_SANITIZED)
  violation_ = SIG_ERR;
#else
  violation_ = std::signal(SIGSEGV, OnViolation);
#endif
}

SIGNALGUARD::~SIGNALGUARD() {
  if (interrupt_ != SIG_ERR) std::signal(SIGINT, interrupt_);
  if (terminate_ != SIG_ERR) std::signal(SIGTERM, terminate_);
  if (violation_ != SIG_ERR) std::signal(SIGSEGV, violation_);
}

}  // namespace UNZIP
