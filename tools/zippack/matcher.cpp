#include "tools/zippack/matcher.h"

namespace ZIPPACK {
namespace {
constexpr int kHashBits = 16;
constexpr int kChainLimit = 128;
}  // namespace

MATCHER::MATCHER(const uint8_t* data, size_t n, int key_length)
    : data_(data), n_(n), key_length_(key_length), head_(size_t{1} << kHashBits, -1), previous_(n, -1) {}

uint32_t MATCHER::Key(size_t pos) const {
  if (key_length_ == 2) return static_cast<uint32_t>(data_[pos]) << 8 | data_[pos + 1];
  uint32_t v = static_cast<uint32_t>(data_[pos]) << 16 | static_cast<uint32_t>(data_[pos + 1]) << 8 | data_[pos + 2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

void MATCHER::Insert(size_t pos) {
  if (pos + key_length_ > n_) return;
  uint32_t k = Key(pos);
  previous_[pos] = head_[k];
  head_[k] = static_cast<int64_t>(pos);
}

size_t MATCHER::Longest(size_t pos, size_t max_distance, size_t max_length, size_t* distance) const {
  if (pos + key_length_ > n_) return 0;
  if (max_length > n_ - pos) max_length = n_ - pos;
  size_t best = 0;
  int64_t candidate = head_[Key(pos)];
  for (int steps = 0; candidate >= 0 && steps < kChainLimit; ++steps) {
    size_t c = static_cast<size_t>(candidate);
    if (pos - c > max_distance) break;
    size_t len = 0;
    while (len < max_length && data_[c + len] == data_[pos + len]) ++len;
    if (len > best) {
      best = len;
      *distance = pos - c;
      if (len == max_length) break;
    }
    candidate = previous_[c];
  }
  return best >= static_cast<size_t>(key_length_) ? best : 0;
}

}  // namespace ZIPPACK
