#include "tests/net/tracecapture.h"

#include "foundation/log.h"
#include "tests/foundation/support.h"

TRACECAPTURE::TRACECAPTURE(std::uint32_t levelMask)
    : Path(testsupport::PathIn(testsupport::ScratchDirectory("trace"), "net.log")) {
  LogSwitch(("/LOGIT:" + Path).c_str());
  LogLevelMask = levelMask;
}

TRACECAPTURE::~TRACECAPTURE() { Close(); }

void TRACECAPTURE::Close() {
  if (!Open) return;
  LogSwitch("/LOGITCLOSE");
  LogLevelMask = 0;
  Log = testsupport::ReadFile(Path);
  Open = false;
}

std::string TRACECAPTURE::Text() {
  Close();
  return Log;
}

bool TRACECAPTURE::Contains(const std::string& text) { return Text().find(text) != std::string::npos; }
