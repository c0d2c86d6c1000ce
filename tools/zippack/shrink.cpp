// Shrink encoder: LZW with codes of 9 to 13 bits, widened by the control
// sequence 256,1 before the first code that needs the extra bit. When all
// 8192 codes are taken the encoder goes on with the full table and sends the
// partial clear (256,2) right after the next single-byte code, so that the
// code the decoder pairs with the next one is never a freed string.
#include <memory>
#include <unordered_map>

#include "tools/zippack/bitwriter.h"
#include "tools/zippack/encoders.h"

namespace ZIPPACK {
namespace {

constexpr int kCodes = 8192;
constexpr int kFirstFree = 257;

class SHRINKER {
 public:
  std::vector<uint8_t> Run(const uint8_t* data, size_t n) {
    if (n == 0) return {};
    int current = data[0];
    for (size_t i = 1; i < n; ++i) {
      uint8_t c = data[i];
      auto found = children_.find(KeyOf(current, c));
      if (found != children_.end()) {
        current = found->second;
        continue;
      }
      Emit(current);
      if (next_free_ >= kCodes && current < 256) {
        out_.Put(256, width_);
        out_.Put(2, width_);
        PartialClear();
      }
      if (next_free_ < kCodes) Define(current, c);
      current = c;
    }
    Emit(current);
    return out_.Finish();
  }

 private:
  static uint32_t KeyOf(int parent, uint8_t c) { return static_cast<uint32_t>(parent) << 8 | c; }

  void Emit(int code) {
    while (code >= (1 << width_)) {
      out_.Put(256, width_);
      out_.Put(1, width_);
      ++width_;
    }
    out_.Put(static_cast<uint32_t>(code), width_);
  }

  void Define(int parent, uint8_t c) {
    int code = next_free_;
    parent_[code] = parent;
    suffix_[code] = c;
    defined_[code] = true;
    children_[KeyOf(parent, c)] = code;
    while (next_free_ < kCodes && defined_[next_free_]) ++next_free_;
  }

  // Frees every string that is no other string's parent, as the decoder does.
  void PartialClear() {
    bool has_child[kCodes] = {};
    for (int c = kFirstFree; c < kCodes; ++c) {
      if (defined_[c] && parent_[c] >= kFirstFree) has_child[parent_[c]] = true;
    }
    children_.clear();
    for (int c = kFirstFree; c < kCodes; ++c) {
      if (defined_[c] && !has_child[c]) defined_[c] = false;
      if (defined_[c]) children_[KeyOf(parent_[c], suffix_[c])] = c;
    }
    next_free_ = kFirstFree;
    while (next_free_ < kCodes && defined_[next_free_]) ++next_free_;
  }

  BITWRITER out_;
  int width_ = 9;
  int next_free_ = kFirstFree;
  int parent_[kCodes] = {};
  uint8_t suffix_[kCodes] = {};
  bool defined_[kCodes] = {};
  std::unordered_map<uint32_t, int> children_;
};

}  // namespace

std::vector<uint8_t> Shrink(const uint8_t* data, size_t n) {
  auto shrinker = std::make_unique<SHRINKER>();
  return shrinker->Run(data, n);
}

}  // namespace ZIPPACK
