// The copy page's progress position after a member of the first archive:
// the share of the archive's uncompressed total that is done, in percent,
// truncated. The product of done and 100 is taken in 64 bits, so archives
// beyond 42 MiB do not wrap; done beyond total (a damaged size table) stays
// at 100.
#pragma once

#include <cstdint>

// -1 when total is 0: the bar is not moved for an archive without content.
constexpr int CopyProgressPosition(std::uint64_t done, std::uint64_t total) {
  if (total == 0) return -1;
  std::uint64_t percent = done * 100 / total;
  return percent > 100 ? 100 : static_cast<int>(percent);
}
