#include "unzip/slide.h"

#include <cstring>

#include "unzip/crc32.h"

namespace UNZIP {

SLIDE::SLIDE(uint8_t* window, Writer writer, void* context)
    : window_(window), writer_(writer), context_(context) {}

void SLIDE::Begin() {
  std::memset(window_, 0, kSize);
  pos_ = 0;
  crc_ = 0;
  total_ = 0;
  ended_ = false;
}

bool SLIDE::Flush() {
  if (ended_) return false;
  if (pos_ > 0) {
    crc_ = Crc32Update(crc_, window_, pos_);
    total_ += pos_;
    unsigned n = pos_;
    pos_ = 0;
    if (!writer_(context_, window_, n)) ended_ = true;
  }
  return !ended_;
}

bool SLIDE::Advance(unsigned n) {
  pos_ += n;
  return pos_ < kSize || Flush();
}

bool SLIDE::Copy(unsigned distance, unsigned length) {
  while (length-- > 0) {
    if (!Put(window_[(pos_ - distance) & kMask])) return false;
  }
  return true;
}

}  // namespace UNZIP
