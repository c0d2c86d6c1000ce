// Method 8, deflate, decoded by zlib's raw inflate straight into the window.
// zlib keeps its own 32 KiB history, so the window here is only the output
// buffer. Output is held to the declared uncompressed size: a stream that
// would produce more is refused as invalid instead of being written on.
#include <zlib.h>

#include <cstring>

#include "unzip/decoders.h"
#include "unzip/memory.h"

namespace UNZIP {
namespace {

voidpf ZlibAllocate(voidpf, uInt items, uInt size) { return Allocate(static_cast<size_t>(items) * size); }
void ZlibRelease(voidpf, voidpf block) { Release(block); }

InflateTreeFault TreeFaultOf(const char* message) {
  if (message == nullptr) return kTreesOk;
  if (std::strcmp(message, "invalid literal/lengths set") == 0) return kIncompleteLiteralTree;
  if (std::strcmp(message, "invalid distances set") == 0) return kIncompleteDistanceTree;
  return kTreesOk;
}

int Run(z_stream& zs, MEMBERINPUT& in, SLIDE& out, uint64_t size, InflateTreeFault* fault) {
  for (;;) {
    if (zs.avail_in == 0) {
      const uint8_t* data;
      size_t n = in.Available(&data);
      if (n == 0) return kDecodeBad;  // the data ends before the stream does
      zs.next_in = const_cast<Bytef*>(data);
      zs.avail_in = static_cast<uInt>(n);
    }
    uint64_t allowed = size - out.Total();
    unsigned room = SLIDE::kSize - out.Position();
    // With nothing more allowed, one byte of room shows whether more would come.
    unsigned give = allowed == 0 ? 1 : (allowed < room ? static_cast<unsigned>(allowed) : room);
    zs.next_out = out.Window() + out.Position();
    zs.avail_out = give;
    uInt before_in = zs.avail_in;
    int ret = inflate(&zs, Z_NO_FLUSH);
    in.Take(before_in - zs.avail_in);
    unsigned produced = give - zs.avail_out;
    if (allowed == 0 && produced > 0) return kDecodeBad;  // longer than declared
    if (produced > 0 && !out.Advance(produced)) return kDecodeEnded;
    switch (ret) {
      case Z_STREAM_END: return kDecodeOk;
      case Z_OK: break;
      case Z_BUF_ERROR: break;  // more input needed
      case Z_MEM_ERROR: return kDecodeMemory;
      default:
        *fault = TreeFaultOf(zs.msg);
        return kDecodeBad;
    }
  }
}

}  // namespace

int DecodeInflate(MEMBERINPUT& in, SLIDE& out, uint64_t size, InflateTreeFault* fault) {
  *fault = kTreesOk;
  z_stream zs;
  std::memset(&zs, 0, sizeof zs);
  zs.zalloc = ZlibAllocate;
  zs.zfree = ZlibRelease;
  int init = inflateInit2(&zs, -MAX_WBITS);
  if (init == Z_MEM_ERROR) return kDecodeMemory;
  if (init != Z_OK) return kDecodeBad;
  int result = Run(zs, in, out, size, fault);
  inflateEnd(&zs);
  return result;
}

}  // namespace UNZIP
