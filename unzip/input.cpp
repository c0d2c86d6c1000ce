#include "unzip/input.h"

namespace UNZIP {

MEMBERINPUT::MEMBERINPUT(Source source, void* context, uint64_t compressed_size, uint8_t* buffer)
    : source_(source),
      context_(context),
      compressed_size_(compressed_size),
      remaining_(compressed_size),
      buffer_(buffer),
      next_(buffer),
      end_(buffer) {}

bool MEMBERINPUT::Refill() {
  if (remaining_ == 0) return false;
  size_t want = remaining_ < kBufferSize ? static_cast<size_t>(remaining_) : kBufferSize;
  size_t got = source_(context_, buffer_, want);
  if (got == 0) {
    remaining_ = 0;  // the archive ended before the member did
    return false;
  }
  remaining_ -= got;
  consumed_ += got;
  next_ = buffer_;
  end_ = buffer_ + got;
  return true;
}

size_t MEMBERINPUT::Available(const uint8_t** data) {
  if (next_ == end_ && !Refill()) return 0;
  *data = next_;
  return static_cast<size_t>(end_ - next_);
}

}  // namespace UNZIP
