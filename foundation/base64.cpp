// STRING: Base64 with the RFC 2045 alphabet and "=" padding.
#include "foundation/str.h"

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int LineLimit = 76;

int ValueOf(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

STRING STRING::ToBase64(bool wrap) const {
  if (Buffer == nullptr) return STRING();
  STRING out;
  out.Make(0, nullptr);
  int line = 0;
  for (int i = 0; i < StrLen; i += 3) {
    int n = StrLen - i < 3 ? StrLen - i : 3;
    auto byte = [this, i, n](int k) { return k < n ? static_cast<unsigned char>(Buffer[i + k]) : 0u; };
    unsigned group = (byte(0) << 16) | (byte(1) << 8) | byte(2);
    char quad[4] = {Alphabet[(group >> 18) & 63], Alphabet[(group >> 12) & 63],
                    n > 1 ? Alphabet[(group >> 6) & 63] : '=', n > 2 ? Alphabet[group & 63] : '='};
    if (wrap && line + 4 > LineLimit) {
      out.Append("\r\n", 2);
      line = 0;
    }
    out.Append(quad, 4);
    line += 4;
  }
  if (wrap && line > 0) out.Append("\r\n", 2);
  return out;
}

STRING STRING::FromBase64() const {
  if (Buffer == nullptr) return STRING();
  STRING out;
  out.Make(0, nullptr);
  int values[4];
  int count = 0;
  for (int i = 0; i < StrLen; ++i) {
    auto c = static_cast<unsigned char>(Buffer[i]);
    if (c == '=') {
      // "=" marks the missing positions of the last group and ends the data.
      unsigned group = count >= 2 ? (values[0] << 18) | (values[1] << 12) | (count > 2 ? values[2] << 6 : 0) : 0;
      char bytes[2] = {static_cast<char>(group >> 16), static_cast<char>((group >> 8) & 0xFF)};
      if (count >= 2) out.Append(bytes, count - 1);
      break;
    }
    int v = ValueOf(c);
    if (v < 0) continue;
    values[count++] = v;
    if (count == 4) {
      unsigned group = (values[0] << 18) | (values[1] << 12) | (values[2] << 6) | values[3];
      char bytes[3] = {static_cast<char>(group >> 16), static_cast<char>((group >> 8) & 0xFF),
                       static_cast<char>(group & 0xFF)};
      out.Append(bytes, 3);
      count = 0;
    }
  }
  return out;
}
