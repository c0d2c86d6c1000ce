#include "unzip/crc32.h"

#include <zlib.h>

namespace UNZIP {

uint32_t Crc32Update(uint32_t crc, const uint8_t* data, size_t n) {
  // zlib takes a 32-bit length; feed larger pieces in slices.
  while (n > 0) {
    uInt piece = n > 0x40000000u ? 0x40000000u : static_cast<uInt>(n);
    crc = static_cast<uint32_t>(::crc32(crc, data, piece));
    data += piece;
    n -= piece;
  }
  return crc;
}

}  // namespace UNZIP
