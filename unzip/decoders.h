// The decoders of the compression methods, each a loop over the member's
// input (MEMBERINPUT) that writes through the shared window (SLIDE). None of
// them allocates more than its own tables, and none writes more than the
// member's declared uncompressed size: output is streamed in window-sized
// pieces whatever the size of the member.
//
// Results (DecodeResult): kDecodeOk, kDecodeMemory (tables could not be
// allocated), kDecodeSize (explode: the data used a different number of
// compressed bytes than declared), kDecodeBad (invalid data), kDecodeEnded
// (the output writer ended the member). Stored, unshrink and unreduce stop
// quietly on data they cannot use; the CRC check then reports the damage.
#pragma once

#include <cstdint>

#include "unzip/input.h"
#include "unzip/slide.h"

namespace UNZIP {

enum DecodeResult {
  kDecodeOk = 0,
  kDecodeBad = 2,
  kDecodeMemory = 3,
  kDecodeSize = 5,
  kDecodeEnded = 6,
};

// Why inflate refused a dynamic block, for the "(incomplete l-tree)" notes.
enum InflateTreeFault { kTreesOk = 0, kIncompleteLiteralTree, kIncompleteDistanceTree };

int DecodeStored(MEMBERINPUT& in, SLIDE& out);
int DecodeUnshrink(MEMBERINPUT& in, SLIDE& out, uint64_t uncompressed_size);
// factor 1..4 (methods 2..5)
int DecodeUnreduce(MEMBERINPUT& in, SLIDE& out, uint64_t uncompressed_size, int factor);
// flags: the member's general-purpose flags (bit 1: 8 KiB dictionary, bit 2:
// literal tree); compressed size chooses the distance table's primary bits.
int DecodeExplode(MEMBERINPUT& in, SLIDE& out, uint64_t uncompressed_size, unsigned flags);
int DecodeInflate(MEMBERINPUT& in, SLIDE& out, uint64_t uncompressed_size, InflateTreeFault* fault);

// Bits needed to index a follower set of n entries (reduce): n-1 in the
// fewest bits, at least one.
int FollowerIndexBits(int n);

}  // namespace UNZIP
