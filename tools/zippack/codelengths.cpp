// Complete prefix-code lengths for the implode trees: every symbol gets a
// code (the format stores a length for each), so each frequency counts at
// least once; when the longest code would exceed the limit the frequencies
// are flattened and the code built again.
#include <algorithm>
#include <queue>

#include "tools/zippack/encoders.h"

namespace ZIPPACK {
namespace {

std::vector<uint8_t> HuffmanLengths(const std::vector<uint64_t>& weight) {
  const size_t n = weight.size();
  std::vector<int> parent(2 * n, -1);
  using NODE = std::pair<uint64_t, int>;
  std::priority_queue<NODE, std::vector<NODE>, std::greater<NODE>> queue;
  for (size_t i = 0; i < n; ++i) queue.push({weight[i], static_cast<int>(i)});
  int next = static_cast<int>(n);
  while (queue.size() > 1) {
    NODE a = queue.top();
    queue.pop();
    NODE b = queue.top();
    queue.pop();
    parent[a.second] = next;
    parent[b.second] = next;
    queue.push({a.first + b.first, next++});
  }
  std::vector<uint8_t> lengths(n, 1);
  for (size_t i = 0; i < n; ++i) {
    int depth = 0;
    for (int p = parent[i]; p >= 0; p = parent[p]) ++depth;
    lengths[i] = static_cast<uint8_t>(std::min(depth, 255));
  }
  return lengths;
}

}  // namespace

std::vector<uint8_t> CompleteCodeLengths(const std::vector<uint32_t>& frequencies, int max_bits) {
  std::vector<uint64_t> weight(frequencies.begin(), frequencies.end());
  for (auto& w : weight) w += 1;
  for (;;) {
    std::vector<uint8_t> lengths = HuffmanLengths(weight);
    if (*std::max_element(lengths.begin(), lengths.end()) <= max_bits) return lengths;
    for (auto& w : weight) w = w / 2 + 1;
  }
}

}  // namespace ZIPPACK
