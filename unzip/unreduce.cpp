// Methods 2 to 5, reduce with compression factor 1 to 4.
//
// Two layers. The outer one is probabilistic: 256 follower sets come first
// (for the preceding byte 255 down to 0: a 6-bit count of at most 32, then
// that many 8-bit followers). Each byte is then either a 1 bit and 8 literal
// bits, or a 0 bit and the index of a follower of the byte before; with an
// empty follower set the 8 bits come alone.
//
// The inner layer expands runs. Byte 144 (DLE) starts an escape: DLE 0 is a
// literal 144; DLE V with V non-zero is a copy whose length sits in the low
// (8 - factor) bits of V (all ones: one more byte adds to it) and whose
// distance is the high `factor` bits of V times 256 plus the next byte plus
// one. Copies are length + 3 bytes long and may reach before the start of
// the output, which reads as zeros.
#include "unzip/decoders.h"

namespace UNZIP {

int FollowerIndexBits(int n) {
  int bits = 1;
  while ((1 << bits) < n) ++bits;
  return bits;
}

namespace {

constexpr int kDle = 144;
constexpr int kMaxFollowers = 32;

struct FOLLOWERS {
  uint8_t count[256];
  uint8_t bits[256];
  uint8_t byte[256][kMaxFollowers];
};

bool ReadFollowerSets(MEMBERINPUT& in, FOLLOWERS& f) {
  for (int j = 255; j >= 0; --j) {
    uint32_t n;
    if (!in.Bits(6, &n) || n > kMaxFollowers) return false;
    f.count[j] = static_cast<uint8_t>(n);
    f.bits[j] = static_cast<uint8_t>(FollowerIndexBits(static_cast<int>(n)));
    for (uint32_t i = 0; i < n; ++i) {
      uint32_t b;
      if (!in.Bits(8, &b)) return false;
      f.byte[j][i] = static_cast<uint8_t>(b);
    }
  }
  return true;
}

// The next byte of the outer layer; false at the end of usable data.
bool NextByte(MEMBERINPUT& in, const FOLLOWERS& f, int last, uint8_t* byte) {
  uint32_t v;
  if (f.count[last] != 0) {
    if (!in.Bits(1, &v)) return false;
    if (v == 0) {
      if (!in.Bits(f.bits[last], &v) || v >= f.count[last]) return false;
      *byte = f.byte[last][v];
      return true;
    }
  }
  if (!in.Bits(8, &v)) return false;
  *byte = static_cast<uint8_t>(v);
  return true;
}

}  // namespace

int DecodeUnreduce(MEMBERINPUT& in, SLIDE& out, uint64_t size, int factor) {
  FOLLOWERS followers;
  if (!ReadFollowerSets(in, followers)) return kDecodeOk;
  const unsigned length_mask = (1u << (8 - factor)) - 1;
  enum { kLiteral, kEscape, kLongLength, kDistance } state = kLiteral;
  unsigned v = 0, length = 0;
  int last = 0;
  while (out.Total() < size) {
    uint8_t c;
    if (!NextByte(in, followers, last, &c)) break;
    last = c;
    switch (state) {
      case kLiteral:
        if (c == kDle) {
          state = kEscape;
        } else if (!out.Put(c)) {
          return kDecodeEnded;
        }
        break;
      case kEscape:
        if (c == 0) {
          if (!out.Put(kDle)) return kDecodeEnded;
          state = kLiteral;
        } else {
          v = c;
          length = v & length_mask;
          state = length == length_mask ? kLongLength : kDistance;
        }
        break;
      case kLongLength:
        length += c;
        state = kDistance;
        break;
      case kDistance: {
        unsigned distance = ((v >> (8 - factor)) << 8) + c + 1;
        uint64_t n = length + 3;
        uint64_t left = size - out.Total();
        if (n > left) n = left;
        if (!out.Copy(distance, static_cast<unsigned>(n))) return kDecodeEnded;
        state = kLiteral;
        break;
      }
    }
  }
  return kDecodeOk;
}

}  // namespace UNZIP
