// A test seam in front of a group of platform calls: the nth call from now
// (1 = the next) fails with a chosen error number, so the failure paths of
// the services above it can be tested without a broken machine. It works as
// the file layer's seam (OSYS::File::FailNthCall) does.
#pragma once

#include <atomic>

namespace OSYS {

class FAULTSEAM {
 public:
  // n = 0 switches the seam off.
  void FailNthCall(int n, unsigned code) {
    Code = code;
    CallsUntilFailure = n;
  }

  // Counts one call; true (and code to report) when it is the one to fail.
  bool Fails(unsigned* code) {
    if (CallsUntilFailure.load() <= 0) return false;
    if (CallsUntilFailure.fetch_sub(1) != 1) return false;
    *code = Code.load();
    return true;
  }

 private:
  std::atomic<int> CallsUntilFailure{0};
  std::atomic<unsigned> Code{0};
};

}  // namespace OSYS
