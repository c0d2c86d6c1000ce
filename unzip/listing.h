// The member listing (-l short, -v verbose) and the capture tables it fills.
#pragma once

#include "unzip/central.h"

namespace UNZIP {

class LISTING {
 public:
  explicit LISTING(RUN& run) : run_(run) {}
  void Header();
  // One listed member: its line, then its name and size into the next slot.
  void Member(const ENTRY& entry);
  // The totals line, the total, and the warnings about full tables.
  void Totals();

 private:
  RUN& run_;
  unsigned count_ = 0;
  uint64_t uncompressed_ = 0;
  uint64_t compressed_ = 0;
  bool names_cut_ = false;
};

// Saving in whole per cent, rounded, negative when the member grew.
int SavingPercent(uint64_t uncompressed, uint64_t compressed);

}  // namespace UNZIP
