// Longest-match search over hash chains, for the reduce and implode encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ZIPPACK {

class MATCHER {
 public:
  // Matches are found for keys of `key_length` (2 or 3) bytes.
  MATCHER(const uint8_t* data, size_t n, int key_length);

  // Records position `pos` as a possible match start.
  void Insert(size_t pos);
  // The longest earlier match at `pos`, at most `max_distance` back and
  // `max_length` long; its length (0 when none reaches the key length).
  size_t Longest(size_t pos, size_t max_distance, size_t max_length, size_t* distance) const;

 private:
  uint32_t Key(size_t pos) const;

  const uint8_t* data_;
  size_t n_;
  int key_length_;
  std::vector<int64_t> head_;
  std::vector<int64_t> previous_;
};

}  // namespace ZIPPACK
