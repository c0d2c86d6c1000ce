// A member's compressed bytes, read through the engine's 2048-byte input
// buffer and never more than the member's compressed size, with a bit buffer
// for the decoders that read codes least-significant bit first.
//
// The end of the data is reached either at the declared compressed size or
// when the source has nothing more (the archive ends early). Decoders never
// see bytes past that point: a bit read that needs them fails, and Overrun()
// tells the decoder's caller that the data was shorter than the codes in it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace UNZIP {

class MEMBERINPUT {
 public:
  static constexpr size_t kBufferSize = 2048;

  // Reads up to `max` bytes of the archive into `dst`; 0 at its end.
  using Source = size_t (*)(void* context, uint8_t* dst, size_t max);

  // `buffer` holds at least kBufferSize bytes.
  MEMBERINPUT(Source source, void* context, uint64_t compressed_size, uint8_t* buffer);

  // The next byte, or -1 at the end of the data.
  int Byte() {
    if (next_ == end_ && !Refill()) return -1;
    return *next_++;
  }

  // The bytes left in the buffer (refilled when empty); 0 at the end. The
  // caller takes `n` of them with Take(n).
  size_t Available(const uint8_t** data);
  void Take(size_t n) { next_ += n; }

  // --- bits, least-significant first ---
  // Tries to hold at least `n` (at most 25) bits; false when the data ends first.
  bool Need(int n) {
    while (bit_count_ < n) {
      int b = Byte();
      if (b < 0) return false;
      bits_ |= static_cast<uint32_t>(b) << bit_count_;
      bit_count_ += 8;
    }
    return true;
  }
  // The low `n` bits held (zeros past the end of the data).
  uint32_t Peek(int n) const { return bits_ & ((1u << n) - 1); }
  // Drops `n` bits; false (and Overrun) when fewer are held.
  bool Drop(int n) {
    if (n > bit_count_) {
      overrun_ = true;
      return false;
    }
    bits_ >>= n;
    bit_count_ -= n;
    return true;
  }
  // Reads `n` (at most 25) bits into `value`; false when the data ends first.
  bool Bits(int n, uint32_t* value) {
    if (!Need(n)) {
      overrun_ = true;
      return false;
    }
    *value = Peek(n);
    return Drop(n);
  }
  // Forgets the bits of a partly used byte (byte alignment).
  void AlignToByte() {
    int keep = bit_count_ & ~7;
    bits_ >>= (bit_count_ - keep);
    bit_count_ = keep;
  }

  // Bytes taken from the data so far, less whole bytes still unused in the
  // bit buffer.
  uint64_t Used() const { return consumed_ - static_cast<uint64_t>(end_ - next_) - bit_count_ / 8; }
  uint64_t CompressedSize() const { return compressed_size_; }
  // True when a decoder asked for bits beyond the end of the data.
  bool Overrun() const { return overrun_; }
  void SetOverrun() { overrun_ = true; }

 private:
  bool Refill();

  Source source_;
  void* context_;
  uint64_t compressed_size_;
  uint64_t remaining_;  // bytes of the member not yet read into the buffer
  uint64_t consumed_ = 0;  // bytes read into the buffer so far
  uint8_t* buffer_;
  const uint8_t* next_;
  const uint8_t* end_;
  uint32_t bits_ = 0;
  int bit_count_ = 0;
  bool overrun_ = false;
};

}  // namespace UNZIP
