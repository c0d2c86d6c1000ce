// Method 1, shrink: dynamic LZW with codes of 9 to 13 bits.
//
// Codes 0-255 are the bytes themselves, 256 is the control code, and 257 to
// 8191 are strings, each a parent code plus one byte. The control code is
// followed by 1 (read codes one bit wider from now on) or by 2 (partial
// clear: every string that is no other string's parent is freed). Free codes
// are handed out lowest first. After each data code the decoder defines the
// next free code as the previous data code's string plus the first byte of
// the current one; when the current code is that very code (the encoder used
// it before the decoder could define it), its string is the previous string
// plus its own first byte.
//
// Damaged data cannot make the decoder loop or overrun: a string is expanded
// in at most 8192 steps, and a code that is neither defined nor the next free
// one ends the member (the CRC check reports it).
#include "unzip/decoders.h"
#include "unzip/memory.h"

namespace UNZIP {
namespace {

constexpr int kCodes = 8192;
constexpr int kFirstFree = 257;
constexpr int kControl = 256;

struct SHRINKTABLES {
  uint16_t parent[kCodes];
  uint8_t suffix[kCodes];
  uint8_t first[kCodes];  // first byte of each code's string
  uint8_t defined[kCodes];
  uint8_t has_child[kCodes];
  uint8_t stack[kCodes];  // a string is unwound here back to front
};

class UNSHRINKER {
 public:
  explicit UNSHRINKER(SHRINKTABLES& t) : t_(t) {
    for (int c = 0; c < kCodes; ++c) {
      t_.parent[c] = 0;
      t_.suffix[c] = static_cast<uint8_t>(c & 0xff);
      t_.first[c] = static_cast<uint8_t>(c & 0xff);
      t_.defined[c] = c < kControl;
    }
  }

  int Run(MEMBERINPUT& in, SLIDE& out, uint64_t size) {
    int width = 9;
    int previous = -1;
    while (out.Total() < size) {
      uint32_t code;
      if (!in.Bits(width, &code)) break;
      if (code == kControl) {
        uint32_t what;
        if (!in.Bits(width, &what)) break;
        if (what == 1 && width < 13) {
          ++width;
        } else if (what == 2) {
          PartialClear();
        } else {
          break;  // no such control sequence
        }
        continue;
      }
      bool defined_now = false;
      if (!t_.defined[code]) {
        if (previous < 0 || static_cast<int>(code) != next_free_) break;
        if (!Define(previous, t_.first[previous])) break;
        defined_now = true;
      }
      int length = Unwind(static_cast<int>(code));
      if (length < 0) break;
      uint64_t left = size - out.Total();
      for (int i = kCodes - length; i < kCodes && left > 0; ++i, --left) {
        if (!out.Put(t_.stack[i])) return kDecodeEnded;
      }
      if (!defined_now && previous >= 0 && next_free_ < kCodes) {
        if (!Define(previous, t_.first[code])) break;
      }
      previous = static_cast<int>(code);
    }
    return kDecodeOk;
  }

 private:
  // Defines the next free code as `parent` plus `byte`.
  bool Define(int parent, uint8_t byte) {
    if (next_free_ >= kCodes || parent == next_free_) return false;
    int c = next_free_;
    t_.parent[c] = static_cast<uint16_t>(parent);
    t_.suffix[c] = byte;
    t_.first[c] = t_.first[parent];
    t_.defined[c] = 1;
    FindNextFree(c + 1);
    return true;
  }

  void FindNextFree(int from) {
    next_free_ = from;
    while (next_free_ < kCodes && t_.defined[next_free_]) ++next_free_;
  }

  // Writes the string of `code` to the end of the stack; its length, or -1
  // when the chain does not end in a byte within kCodes steps.
  int Unwind(int code) {
    int at = kCodes;
    while (code >= kFirstFree) {
      if (at == 0) return -1;
      t_.stack[--at] = t_.suffix[code];
      code = t_.parent[code];
    }
    if (at == 0) return -1;
    t_.stack[--at] = static_cast<uint8_t>(code);
    return kCodes - at;
  }

  void PartialClear() {
    for (int c = kFirstFree; c < kCodes; ++c) t_.has_child[c] = 0;
    for (int c = kFirstFree; c < kCodes; ++c) {
      if (t_.defined[c] && t_.parent[c] >= kFirstFree) t_.has_child[t_.parent[c]] = 1;
    }
    for (int c = kFirstFree; c < kCodes; ++c) {
      if (t_.defined[c] && !t_.has_child[c]) t_.defined[c] = 0;
    }
    FindNextFree(kFirstFree);
  }

  SHRINKTABLES& t_;
  int next_free_ = kFirstFree;
};

}  // namespace

int DecodeUnshrink(MEMBERINPUT& in, SLIDE& out, uint64_t uncompressed_size) {
  auto* tables = static_cast<SHRINKTABLES*>(Allocate(sizeof(SHRINKTABLES)));
  if (tables == nullptr) return kDecodeMemory;
  int result = UNSHRINKER(*tables).Run(in, out, uncompressed_size);
  Release(tables);
  return result;
}

}  // namespace UNZIP
