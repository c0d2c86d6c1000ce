// Shannon-Fano codes of the implode method and their decoding tables.
//
// Codes come from bit lengths alone: the lengths are sorted (stably) by
// length, and codes are handed out from the longest code to the shortest,
// counting up in 16-bit steps of 2^(16 - length of the previous code). Each
// code is then bit-reversed, since the data stream is read least-significant
// bit first.
//
// A decoding table is two-level: a primary table indexed by the next
// `primary` bits, whose entries hold a symbol with its code length, a link to
// a secondary table for longer codes (indexed by the bits after the primary
// ones), or nothing (a bit pattern no code starts with).
#pragma once

#include <cstdint>

#include "unzip/input.h"

namespace UNZIP {

constexpr int kMaxCodeBits = 16;

// LSB-first codes for `n` symbols of the given lengths (1..16). False when
// the lengths cannot form a prefix code by this construction.
bool ShannonFanoCodes(const uint8_t* lengths, int n, uint16_t* codes);

class SFTABLE {
 public:
  SFTABLE() = default;
  SFTABLE(const SFTABLE&) = delete;
  SFTABLE& operator=(const SFTABLE&) = delete;
  ~SFTABLE();

  enum BuildResult { kBuilt, kInvalidLengths, kNoMemory };
  BuildResult Build(const uint8_t* lengths, int n, int primary_bits);

  // The next symbol; -1 for a pattern no code begins with or when the data
  // ends inside the code (the input then records an overrun).
  int Decode(MEMBERINPUT& in) const;

 private:
  struct ENTRY {
    uint32_t value;  // symbol, or first index of the secondary table
    uint8_t bits;    // code length, or index width of the secondary table
    uint8_t kind;    // kEmpty, kSymbol, kLink
  };
  enum { kEmpty = 0, kSymbol = 1, kLink = 2 };

  ENTRY* entries_ = nullptr;
  int primary_ = 0;
};

}  // namespace UNZIP
