// Our encoders for every method the engine reads. Shrink, reduce and implode
// exist for tests and for product makers who want them; deflate (through
// zlib) is what archives normally use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ZIPPACK {

// Method 1.
std::vector<uint8_t> Shrink(const uint8_t* data, size_t n);
// Methods 2 to 5: factor 1 to 4.
std::vector<uint8_t> Reduce(const uint8_t* data, size_t n, int factor);
// Method 6. flags: bit 1 (2) for the 8 KiB dictionary, bit 2 (4) for a
// literal tree; the same bits go into the member's general-purpose flags.
std::vector<uint8_t> Implode(const uint8_t* data, size_t n, unsigned flags);
// Method 8: raw deflate, by default at the best compression.
std::vector<uint8_t> Deflate(const uint8_t* data, size_t n, int level = 9);

// Code lengths of 1..max_bits for every symbol (none left out), forming a
// complete prefix code that is short for frequent symbols.
std::vector<uint8_t> CompleteCodeLengths(const std::vector<uint32_t>& frequencies, int max_bits);

}  // namespace ZIPPACK
