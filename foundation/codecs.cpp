// STRING: backslash escaping and unescaping, and lower-case hex.
#include <cstring>

#include "foundation/log.h"
#include "foundation/str.h"

namespace {

constexpr char HexDigits[] = "0123456789abcdef";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A fresh empty string for results built by appending.
STRING EmptyResult() {
  STRING s;
  s.Make(0, nullptr);
  return s;
}

}  // namespace

STRING STRING::Escape(const char* extra) const {
  if (Buffer == nullptr) return STRING();
  if (extra == nullptr) extra = "";
  STRING out = EmptyResult();
  for (int i = 0; i < StrLen; ++i) {
    auto c = static_cast<unsigned char>(Buffer[i]);
    char two[3] = {'\\', 0, 0};
    switch (c) {
      case '\\': two[1] = '\\'; break;
      case 0: two[1] = '0'; break;
      case '\t': two[1] = 't'; break;
      case '\n': two[1] = 'n'; break;
      case '\r': two[1] = 'r'; break;
      case 26: two[1] = 'z'; break;
      default: break;
    }
    if (two[1] != 0) {
      out.Append(two, 2);
    } else if (c >= 32 && c <= 127 && std::strchr(extra, c) == nullptr) {
      out.Append(Buffer + i, 1);
    } else {
      char hex[4] = {'\\', 'x', HexDigits[c >> 4], HexDigits[c & 15]};
      out.Append(hex, 4);
    }
  }
  return out;
}

// A bad hex digit is reported; the digits before it give the byte (none:
// no byte) and decoding goes on at the bad character.
STRING STRING::Unescape(bool lenient) const {
  if (Buffer == nullptr) return STRING();
  STRING out = EmptyResult();
  int i = 0;
  while (i < StrLen) {
    char c = Buffer[i++];
    if (c != '\\') {
      out.Append(&c, 1);
      continue;
    }
    if (i >= StrLen) {  // a backslash that ends the text has no code
      if (lenient) out.Append("\\", 1);
      else ReportAssertion(0, "FALSE", __FILE__, __LINE__, Buffer, 0);
      break;
    }
    char code = Buffer[i++];
    char byte;
    switch (code) {
      case '0': byte = 0; break;
      case '\\': byte = '\\'; break;
      case 'n': byte = '\n'; break;
      case 'r': byte = '\r'; break;
      case 't': byte = '\t'; break;
      case 'z': byte = 26; break;
      case 'x': {
        const char* xdigit = Buffer + i;
        int high = i < StrLen ? HexValue(xdigit[0]) : -1;
        if (!ReportAssertion(high >= 0, "isxdigit(xdigit[0])", __FILE__, __LINE__, Buffer, 0) || high < 0) continue;
        ++i;
        int low = i < StrLen ? HexValue(xdigit[1]) : -1;
        if (!ReportAssertion(low >= 0, "isxdigit(xdigit[1])", __FILE__, __LINE__, Buffer, 0) || low < 0) {
          byte = static_cast<char>(high);
          break;
        }
        ++i;
        byte = static_cast<char>(high * 16 + low);
        break;
      }
      default:
        if (lenient) {
          out.Append("\\", 1);
        } else {
          ReportAssertion(0, "FALSE", __FILE__, __LINE__, Buffer, 0);
        }
        byte = code;
        break;
    }
    out.Append(&byte, 1);
  }
  return out;
}

STRING STRING::ToHex() const {
  if (Buffer == nullptr || StrLen == 0) return STRING();
  STRING out;
  out.Make(StrLen * 2, nullptr);
  if (out.Buffer == nullptr) return out;
  for (int i = 0; i < StrLen; ++i) {
    auto c = static_cast<unsigned char>(Buffer[i]);
    out.Buffer[2 * i] = HexDigits[c >> 4];
    out.Buffer[2 * i + 1] = HexDigits[c & 15];
  }
  out.Buffer[out.StrLen] = 0;
  return out;
}
