// The signal handlers of a run: an access violation reports a probably
// corrupt archive and ends the process with exit code 3; an interrupt or a
// termination request ends it with exit code 0. The handlers that were in
// place before are restored when the run ends. Under AddressSanitizer the
// sanitizer keeps the access-violation signal for its own reports.
#pragma once

namespace UNZIP {

class SIGNALGUARD {
 public:
  SIGNALGUARD();
  ~SIGNALGUARD();
  SIGNALGUARD(const SIGNALGUARD&) = delete;
  SIGNALGUARD& operator=(const SIGNALGUARD&) = delete;

 private:
  using Handler = void (*)(int);
  Handler interrupt_;
  Handler terminate_;
  Handler violation_;
};

}  // namespace UNZIP
