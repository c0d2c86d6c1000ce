// Method 6, implode: a sliding dictionary of 4 or 8 KiB whose output is coded
// with two or three Shannon-Fano trees.
//
// General-purpose flag bit 1 selects the 8 KiB dictionary (7 low distance
// bits stored as they are, otherwise 6); bit 2 says a literal tree comes
// first and matches are at least 3 bytes long (otherwise literals are plain
// bytes and matches at least 2). The trees (literal: 256 symbols, length and
// distance: 64 each) are stored as run lists of bit lengths: a byte holding
// the number of list bytes minus one, then bytes of (count - 1) << 4 |
// (length - 1).
//
// The data: a 1 bit and a literal, or a 0 bit, the low distance bits, the
// high six distance bits from the distance tree and the length from the
// length tree (63 means: add the next 8 bits); the match copies length +
// minimum bytes from distance + 1 back. The stream carries no end code: it
// ends at the uncompressed size.
#include "unzip/decoders.h"
#include "unzip/sftree.h"

namespace UNZIP {
namespace {

// Reads one stored tree of `n` bit lengths.
bool ReadTreeLengths(MEMBERINPUT& in, uint8_t* lengths, int n) {
  int bytes = in.Byte();
  if (bytes < 0) return false;
  int filled = 0;
  for (int i = 0; i <= bytes; ++i) {
    int b = in.Byte();
    if (b < 0) return false;
    int count = (b >> 4) + 1;
    int length = (b & 15) + 1;
    if (filled + count > n) return false;
    while (count-- > 0) lengths[filled++] = static_cast<uint8_t>(length);
  }
  return filled == n;
}

int BuildTree(MEMBERINPUT& in, SFTABLE& table, int n, int primary_bits) {
  uint8_t lengths[256];
  if (!ReadTreeLengths(in, lengths, n)) return kDecodeBad;
  switch (table.Build(lengths, n, primary_bits)) {
    case SFTABLE::kBuilt: return kDecodeOk;
    case SFTABLE::kNoMemory: return kDecodeMemory;
    default: return kDecodeBad;
  }
}

}  // namespace

int DecodeExplode(MEMBERINPUT& in, SLIDE& out, uint64_t size, unsigned flags) {
  const bool literal_tree = (flags & 4) != 0;
  const int low_bits = (flags & 2) ? 7 : 6;
  const unsigned minimum = literal_tree ? 3 : 2;
  SFTABLE literals, lengths, distances;
  int r;
  if (literal_tree && (r = BuildTree(in, literals, 256, 9)) != kDecodeOk) return r;
  if ((r = BuildTree(in, lengths, 64, 7)) != kDecodeOk) return r;
  if ((r = BuildTree(in, distances, 64, in.CompressedSize() > 200000 ? 8 : 7)) != kDecodeOk) return r;

  while (out.Total() < size) {
    uint32_t bit;
    if (!in.Bits(1, &bit)) break;
    if (bit != 0) {
      uint32_t literal;
      if (literal_tree) {
        int s = literals.Decode(in);
        if (s < 0) break;
        literal = static_cast<uint32_t>(s);
      } else if (!in.Bits(8, &literal)) {
        break;
      }
      if (!out.Put(static_cast<uint8_t>(literal))) return kDecodeEnded;
      continue;
    }
    uint32_t low;
    if (!in.Bits(low_bits, &low)) break;
    int high = distances.Decode(in);
    if (high < 0) break;
    int code = lengths.Decode(in);
    if (code < 0) break;
    unsigned length = static_cast<unsigned>(code);
    if (code == 63) {
      uint32_t more;
      if (!in.Bits(8, &more)) break;
      length += more;
    }
    length += minimum;
    unsigned distance = ((static_cast<unsigned>(high) << low_bits) | low) + 1;
    uint64_t left = size - out.Total();
    if (length > left) length = static_cast<unsigned>(left);
    if (!out.Copy(distance, length)) return kDecodeEnded;
  }
  if (out.Total() < size) {
    // Either the data ended inside a code or a code did not exist.
    return in.Overrun() ? kDecodeSize : kDecodeBad;
  }
  return in.Used() != in.CompressedSize() ? kDecodeSize : kDecodeOk;
}

}  // namespace UNZIP
