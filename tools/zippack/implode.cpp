// Implode encoder: matches within a 4 or 8 KiB dictionary, then the literal
// (with flag bit 2), length and distance codes are chosen from the symbol
// counts, stored as run lists of bit lengths, and the tokens written with
// them. Codes follow the Shannon-Fano construction shared with the decoder
// (unzip/sftree.h), which the decoder's tests check against the published
// example independently of this encoder.
#include "tools/zippack/bitwriter.h"
#include "tools/zippack/encoders.h"
#include "tools/zippack/matcher.h"
#include "unzip/sftree.h"

namespace ZIPPACK {
namespace {

struct TOKEN {
  uint16_t length;    // 0 for a literal
  uint16_t distance;  // or the literal byte
};

struct TREE {
  std::vector<uint8_t> lengths;
  uint16_t codes[256];

  void Make(const std::vector<uint32_t>& counts) {
    lengths = CompleteCodeLengths(counts, 16);
    UNZIP::ShannonFanoCodes(lengths.data(), static_cast<int>(lengths.size()), codes);
  }
  void Put(BITWRITER& out, int symbol) const { out.Put(codes[symbol], lengths[symbol]); }
  // Byte count less one, then (run - 1) << 4 | (length - 1) for runs of at most 16.
  void Store(BITWRITER& out) const {
    std::vector<uint8_t> runs;
    size_t i = 0;
    while (i < lengths.size()) {
      size_t j = i;
      while (j < lengths.size() && j - i < 16 && lengths[j] == lengths[i]) ++j;
      runs.push_back(static_cast<uint8_t>((j - i - 1) << 4 | (lengths[i] - 1)));
      i = j;
    }
    out.Put(static_cast<uint32_t>(runs.size() - 1), 8);
    for (uint8_t r : runs) out.Put(r, 8);
  }
};

}  // namespace

std::vector<uint8_t> Implode(const uint8_t* data, size_t n, unsigned flags) {
  const bool literal_tree = (flags & 4) != 0;
  const int low_bits = (flags & 2) ? 7 : 6;
  const size_t minimum = literal_tree ? 3 : 2;
  const size_t dictionary = size_t{1} << (low_bits + 6);
  const size_t max_length = minimum + 63 + 255;

  std::vector<TOKEN> tokens;
  MATCHER matcher(data, n, static_cast<int>(minimum));
  size_t i = 0;
  while (i < n) {
    size_t distance = 0;
    size_t length = matcher.Longest(i, dictionary, max_length, &distance);
    if (length >= minimum) {
      tokens.push_back({static_cast<uint16_t>(length), static_cast<uint16_t>(distance)});
      for (size_t k = 0; k < length; ++k) matcher.Insert(i + k);
      i += length;
    } else {
      tokens.push_back({0, data[i]});
      matcher.Insert(i);
      ++i;
    }
  }

  std::vector<uint32_t> literal_counts(256, 0), length_counts(64, 0), distance_counts(64, 0);
  for (const TOKEN& t : tokens) {
    if (t.length == 0) {
      ++literal_counts[t.distance];
    } else {
      size_t code = t.length - minimum;
      ++length_counts[code < 63 ? code : 63];
      ++distance_counts[(t.distance - 1u) >> low_bits];
    }
  }
  TREE literals, lengths, distances;
  if (literal_tree) literals.Make(literal_counts);
  lengths.Make(length_counts);
  distances.Make(distance_counts);

  BITWRITER out;
  if (literal_tree) literals.Store(out);
  lengths.Store(out);
  distances.Store(out);
  for (const TOKEN& t : tokens) {
    if (t.length == 0) {
      out.Put(1, 1);
      if (literal_tree) {
        literals.Put(out, t.distance);
      } else {
        out.Put(t.distance, 8);
      }
      continue;
    }
    unsigned d = t.distance - 1u;
    out.Put(0, 1);
    out.Put(d & ((1u << low_bits) - 1), low_bits);
    distances.Put(out, static_cast<int>(d >> low_bits));
    size_t code = t.length - minimum;
    if (code < 63) {
      lengths.Put(out, static_cast<int>(code));
    } else {
      lengths.Put(out, 63);
      out.Put(static_cast<uint32_t>(code - 63), 8);
    }
  }
  return out.Finish();
}

}  // namespace ZIPPACK
