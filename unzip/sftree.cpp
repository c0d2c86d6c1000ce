#include "unzip/sftree.h"

#include "unzip/memory.h"

namespace UNZIP {
namespace {

uint16_t Reverse(uint16_t code, int bits) {
  uint16_t r = 0;
  for (int i = 0; i < bits; ++i) {
    r = static_cast<uint16_t>((r << 1) | (code & 1));
    code = static_cast<uint16_t>(code >> 1);
  }
  return r;
}

}  // namespace

bool ShannonFanoCodes(const uint8_t* lengths, int n, uint16_t* codes) {
  // Stable sort by length: counting by length keeps the stored order.
  int order[256];
  int k = 0;
  for (int len = 1; len <= kMaxCodeBits; ++len) {
    for (int i = 0; i < n; ++i) {
      if (lengths[i] == len) order[k++] = i;
    }
  }
  if (k != n) return false;  // a length outside 1..16
  uint32_t code = 0, increment = 0;
  int last = 0;
  for (int j = n - 1; j >= 0; --j) {
    int s = order[j];
    code += increment;
    if (lengths[s] != last) {
      last = lengths[s];
      increment = 1u << (kMaxCodeBits - last);
      // A shorter code must start on a boundary of its own length.
      if ((code & (increment - 1)) != 0) return false;
    }
    if (code > 0xffffu) return false;
    codes[s] = Reverse(static_cast<uint16_t>(code >> (kMaxCodeBits - last)), last);
  }
  return true;
}

SFTABLE::~SFTABLE() { Release(entries_); }

SFTABLE::BuildResult SFTABLE::Build(const uint8_t* lengths, int n, int primary_bits) {
  uint16_t codes[256];
  if (n > 256 || !ShannonFanoCodes(lengths, n, codes)) return kInvalidLengths;
  const int p = primary_bits;
  const unsigned primary_size = 1u << p;
  const unsigned primary_mask = primary_size - 1;

  // The secondary table of each primary index is as wide as its longest code.
  uint8_t sub_bits[512] = {};
  for (int s = 0; s < n; ++s) {
    if (lengths[s] > p) {
      unsigned idx = codes[s] & primary_mask;
      uint8_t w = static_cast<uint8_t>(lengths[s] - p);
      if (w > sub_bits[idx]) sub_bits[idx] = w;
    }
  }
  unsigned total = primary_size;
  for (unsigned i = 0; i < primary_size; ++i) {
    if (sub_bits[i] != 0) total += 1u << sub_bits[i];
  }

  Release(entries_);
  entries_ = static_cast<ENTRY*>(Allocate(sizeof(ENTRY) * total));
  if (entries_ == nullptr) return kNoMemory;
  for (unsigned i = 0; i < total; ++i) entries_[i] = ENTRY{0, 0, kEmpty};
  primary_ = p;

  unsigned next = primary_size;
  for (unsigned i = 0; i < primary_size; ++i) {
    if (sub_bits[i] != 0) {
      entries_[i] = ENTRY{next, sub_bits[i], kLink};
      next += 1u << sub_bits[i];
    }
  }
  for (int s = 0; s < n; ++s) {
    const int len = lengths[s];
    const unsigned code = codes[s];
    ENTRY* table;
    unsigned width, index;
    if (len <= p) {
      table = entries_;
      width = p;
      index = code;
    } else {
      const ENTRY& link = entries_[code & primary_mask];
      table = entries_ + link.value;
      width = link.bits;
      index = code >> p;
    }
    const int own = len <= p ? len : len - p;
    // Every index whose low `own` bits are this code belongs to the symbol.
    for (unsigned fill = index; fill < (1u << width); fill += 1u << own) {
      if (table[fill].kind != kEmpty) return kInvalidLengths;
      table[fill] = ENTRY{static_cast<uint32_t>(s), static_cast<uint8_t>(len), kSymbol};
    }
  }
  return kBuilt;
}

int SFTABLE::Decode(MEMBERINPUT& in) const {
  in.Need(kMaxCodeBits);  // near the end of the data fewer bits may come
  ENTRY e = entries_[in.Peek(primary_)];
  if (e.kind == kLink) {
    uint32_t bits = in.Peek(primary_ + e.bits);
    e = entries_[e.value + (bits >> primary_)];
  }
  if (e.kind != kSymbol) return -1;
  if (!in.Drop(e.bits)) return -1;
  return static_cast<int>(e.value);
}

}  // namespace UNZIP
