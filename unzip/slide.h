// The 32 KiB sliding window shared by every decoder. It doubles as the output
// buffer: bytes are put at the current position, and each time the window
// fills its whole contents go to the output writer and into the CRC-32, then
// writing starts again at position 0. Back-references read the bytes that are
// still in the window, so the last 32 KiB of output stay reachable.
//
// The window is cleared at the start of every member: a back-reference that
// reaches before the start of the output reads zeros, as the shrink, reduce
// and implode formats require.
#pragma once

#include <cstddef>
#include <cstdint>

namespace UNZIP {

class SLIDE {
 public:
  static constexpr unsigned kSize = 0x8000;
  static constexpr unsigned kMask = kSize - 1;

  // Receives each full (or, at the end, partial) window. Returns false to
  // end the member at once (a write failure the user chose not to pass over).
  using Writer = bool (*)(void* context, const uint8_t* data, size_t n);

  SLIDE(uint8_t* window, Writer writer, void* context);

  // Starts a member: clears the window, the CRC and the counters.
  void Begin();

  // Puts one byte; false when the member has been ended by the writer.
  bool Put(uint8_t byte) {
    window_[pos_++] = byte;
    return pos_ < kSize || Flush();
  }

  // Copies `length` bytes from `distance` back (1 = the previous byte).
  bool Copy(unsigned distance, unsigned length);

  // Passes the window's contents (0..pos) to the writer and the CRC.
  bool Flush();

  // The byte `distance` back from the current position.
  uint8_t Back(unsigned distance) const { return window_[(pos_ - distance) & kMask]; }

  uint8_t* Window() { return window_; }
  unsigned Position() const { return pos_; }
  // After a decoder wrote directly into Window() + Position().
  bool Advance(unsigned n);

  uint32_t Crc() const { return crc_; }
  uint64_t Total() const { return total_ + pos_; }
  bool Ended() const { return ended_; }

 private:
  uint8_t* window_;
  Writer writer_;
  void* context_;
  unsigned pos_ = 0;
  uint32_t crc_ = 0;
  uint64_t total_ = 0;
  bool ended_ = false;
};

}  // namespace UNZIP
