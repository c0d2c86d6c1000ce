// Method 8 through zlib's raw deflate (no zlib header, 32 KiB window).
#include <zlib.h>

#include <cstring>

#include "tools/zippack/encoders.h"

namespace ZIPPACK {

std::vector<uint8_t> Deflate(const uint8_t* data, size_t n, int level) {
  z_stream zs;
  std::memset(&zs, 0, sizeof zs);
  deflateInit2(&zs, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::vector<uint8_t> out;
  uint8_t chunk[65536];
  zs.next_in = const_cast<Bytef*>(data);
  size_t left = n;
  int ret;
  do {
    uInt piece = left > 0x40000000u ? 0x40000000u : static_cast<uInt>(left);
    zs.next_in = const_cast<Bytef*>(data + (n - left));
    zs.avail_in = piece;
    left -= piece;
    int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    do {
      zs.next_out = chunk;
      zs.avail_out = sizeof chunk;
      ret = deflate(&zs, flush);
      out.insert(out.end(), chunk, chunk + (sizeof chunk - zs.avail_out));
    } while (zs.avail_out == 0);
  } while (left > 0 || ret != Z_STREAM_END);
  deflateEnd(&zs);
  return out;
}

}  // namespace ZIPPACK
