#include "tools/robot/text_util.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace robot {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string WithoutMnemonics(std::string_view caption) {
  std::string plain;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        plain += '&';
        ++i;
      }
      continue;
    }
    plain += caption[i];
  }
  return plain;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20 || u == 0x7f) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", u);
          out += hex;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

bool ParseInteger(std::string_view text, long long* value) {
  bool negative = false;
  size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  int base = 10;
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  unsigned long long result = 0;
  for (; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    int digit;
    if (std::isdigit(c)) digit = c - '0';
    else if (base == 16 && std::isxdigit(c)) digit = std::tolower(c) - 'a' + 10;
    else return false;
    result = result * base + digit;
    if (result > 0xFFFFFFFFull) return false;  // ids and exit codes are 32-bit
  }
  *value = negative ? -static_cast<long long>(result) : static_cast<long long>(result);
  return true;
}

bool ParseSeconds(std::string_view text, double* seconds) {
  if (text.empty() || text.size() > 32) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.') return false;
  }
  std::string copy(text);
  char* end = nullptr;
  double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || value < 0 || value > 86400) return false;
  *seconds = value;
  return true;
}

std::string FormatSeconds(double seconds) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g s", seconds);
  return buf;
}

}  // namespace robot
