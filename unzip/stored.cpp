// Method 0: the member's bytes as they are, copied through the window.
#include <cstring>

#include "unzip/decoders.h"

namespace UNZIP {

int DecodeStored(MEMBERINPUT& in, SLIDE& out) {
  const uint8_t* data;
  size_t n;
  while ((n = in.Available(&data)) > 0) {
    size_t room = SLIDE::kSize - out.Position();
    size_t piece = n < room ? n : room;
    std::memcpy(out.Window() + out.Position(), data, piece);
    in.Take(piece);
    if (!out.Advance(static_cast<unsigned>(piece))) return kDecodeEnded;
  }
  return kDecodeOk;
}

}  // namespace UNZIP
