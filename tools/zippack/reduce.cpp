// Reduce encoder. First the runs: repeated strings become DLE (144) escapes
// with the copy length in the low (8 - factor) bits of the next byte and the
// high bits of the distance above it; a literal 144 becomes 144, 0. Then the
// probabilistic layer: for every byte value the followers that pay off (at
// most 32, the most frequent first) form its follower set, and each byte is
// sent as an index into the set of the byte before or as a flagged literal.
#include <algorithm>

#include "tools/zippack/bitwriter.h"
#include "tools/zippack/encoders.h"
#include "tools/zippack/matcher.h"
#include "unzip/decoders.h"

namespace ZIPPACK {
namespace {

constexpr uint8_t kDle = 144;

std::vector<uint8_t> RunLayer(const uint8_t* data, size_t n, int factor) {
  const unsigned length_mask = (1u << (8 - factor)) - 1;
  const size_t max_distance = size_t{256} << factor;
  const size_t max_length = length_mask + 255 + 3;
  std::vector<uint8_t> out;
  MATCHER matcher(data, n, 3);
  size_t i = 0;
  while (i < n) {
    size_t distance = 0;
    size_t length = matcher.Longest(i, max_distance, max_length, &distance);
    unsigned high = length ? static_cast<unsigned>((distance - 1) >> 8) : 0;
    unsigned code = length ? static_cast<unsigned>(length - 3) : 0;
    // V = 0 would read as a literal DLE: a 3-byte copy of a near distance is
    // sent as literals instead.
    if (length >= 3 && (high != 0 || code != 0)) {
      out.push_back(kDle);
      if (code >= length_mask) {
        out.push_back(static_cast<uint8_t>(high << (8 - factor) | length_mask));
        out.push_back(static_cast<uint8_t>(code - length_mask));
      } else {
        out.push_back(static_cast<uint8_t>(high << (8 - factor) | code));
      }
      out.push_back(static_cast<uint8_t>((distance - 1) & 0xff));
      for (size_t k = 0; k < length; ++k) matcher.Insert(i + k);
      i += length;
      continue;
    }
    out.push_back(data[i]);
    if (data[i] == kDle) out.push_back(0);
    matcher.Insert(i);
    ++i;
  }
  return out;
}

struct FOLLOWERSET {
  std::vector<uint8_t> bytes;
};

// The set for one preceding byte that spends the fewest bits.
FOLLOWERSET ChooseSet(const uint32_t* counts) {
  std::vector<int> order(256);
  for (int b = 0; b < 256; ++b) order[b] = b;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return counts[a] > counts[b]; });
  uint64_t all = 0;
  for (int b = 0; b < 256; ++b) all += counts[b];
  uint64_t best_cost = all * 8;  // empty set: plain bytes
  int best_n = 0;
  uint64_t in_set = 0;
  for (int n = 1; n <= 32; ++n) {
    in_set += counts[order[n - 1]];
    uint64_t cost = in_set * (1 + UNZIP::FollowerIndexBits(n)) + (all - in_set) * 9 + 8u * n;
    if (cost < best_cost) {
      best_cost = cost;
      best_n = n;
    }
  }
  FOLLOWERSET set;
  for (int k = 0; k < best_n; ++k) set.bytes.push_back(static_cast<uint8_t>(order[k]));
  return set;
}

}  // namespace

std::vector<uint8_t> Reduce(const uint8_t* data, size_t n, int factor) {
  std::vector<uint8_t> runs = RunLayer(data, n, factor);
  std::vector<uint32_t> counts(256 * 256, 0);
  int last = 0;
  for (uint8_t b : runs) {
    ++counts[last * 256 + b];
    last = b;
  }
  std::vector<FOLLOWERSET> sets(256);
  for (int j = 0; j < 256; ++j) sets[j] = ChooseSet(&counts[j * 256]);

  BITWRITER out;
  for (int j = 255; j >= 0; --j) {
    out.Put(static_cast<uint32_t>(sets[j].bytes.size()), 6);
    for (uint8_t b : sets[j].bytes) out.Put(b, 8);
  }
  last = 0;
  for (uint8_t b : runs) {
    const auto& set = sets[last].bytes;
    if (set.empty()) {
      out.Put(b, 8);
    } else {
      auto at = std::find(set.begin(), set.end(), b);
      if (at != set.end()) {
        out.Put(0, 1);
        out.Put(static_cast<uint32_t>(at - set.begin()), UNZIP::FollowerIndexBits(static_cast<int>(set.size())));
      } else {
        out.Put(1, 1);
        out.Put(b, 8);
      }
    }
    last = b;
  }
  return out.Finish();
}

}  // namespace ZIPPACK
