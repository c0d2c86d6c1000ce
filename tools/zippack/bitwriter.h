// Bits written least-significant first, as the shrink, reduce and implode
// formats read them.
#pragma once

#include <cstdint>
#include <vector>

namespace ZIPPACK {

class BITWRITER {
 public:
  void Put(uint32_t value, int bits) {
    for (int i = 0; i < bits; ++i) {
      acc_ |= ((value >> i) & 1u) << count_;
      if (++count_ == 8) {
        out_.push_back(static_cast<uint8_t>(acc_));
        acc_ = 0;
        count_ = 0;
      }
    }
  }
  // Pads the last byte with zero bits and hands the bytes over.
  std::vector<uint8_t> Finish() {
    if (count_ > 0) out_.push_back(static_cast<uint8_t>(acc_));
    acc_ = 0;
    count_ = 0;
    return std::move(out_);
  }

 private:
  std::vector<uint8_t> out_;
  uint32_t acc_ = 0;
  int count_ = 0;
};

}  // namespace ZIPPACK
