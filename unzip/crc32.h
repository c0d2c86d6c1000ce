// CRC-32 of the archive format (reflected polynomial 0xEDB88320), computed
// by zlib's table-driven crc32. The register starts at all ones and is
// inverted at the end; zlib's crc32() does both per call, so a running value
// can be continued chunk by chunk from 0.
#pragma once

#include <cstddef>
#include <cstdint>

namespace UNZIP {

// CRC-32 of `data` continued from `crc` (0 for a fresh start).
uint32_t Crc32Update(uint32_t crc, const uint8_t* data, size_t n);

}  // namespace UNZIP
