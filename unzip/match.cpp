#include "unzip/match.h"

namespace UNZIP {
namespace {

char Fold(char c, bool ignore_case) {
  return ignore_case && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Matches `c` against the set starting after "["; sets *end past its "]".
// A set without "]" is no set: false, and *end stays null.
bool MatchSet(const char* p, char c, bool ignore_case, const char** end) {
  *end = nullptr;
  bool negate = *p == '!' || *p == '^';
  if (negate) ++p;
  bool found = false;
  bool first = true;
  while (*p && (*p != ']' || first)) {
    first = false;
    char lo = *p == '\\' && p[1] ? *++p : *p;
    ++p;
    char hi = lo;
    if (*p == '-' && p[1] && p[1] != ']') {
      ++p;
      hi = *p == '\\' && p[1] ? *++p : *p;
      ++p;
    }
    char fc = Fold(c, ignore_case);
    if (fc >= Fold(lo, ignore_case) && fc <= Fold(hi, ignore_case)) found = true;
  }
  if (*p != ']') return false;
  *end = p + 1;
  return found != negate;
}

}  // namespace

bool MatchPattern(const char* p, const char* s, bool ignore_case) {
  while (*p) {
    switch (*p) {
      case '*':
        while (*p == '*') ++p;
        if (*p == '\0') return true;
        for (; *s; ++s) {
          if (MatchPattern(p, s, ignore_case)) return true;
        }
        return false;
      case '?':
        if (*s == '\0') return false;
        ++p;
        ++s;
        break;
      case '[': {
        if (*s == '\0') return false;
        const char* end;
        bool in = MatchSet(p + 1, *s, ignore_case, &end);
        if (end == nullptr) {
          // An unclosed "[" stands for itself.
          if (*s != '[') return false;
          ++p;
          ++s;
          break;
        }
        if (!in) return false;
        p = end;
        ++s;
        break;
      }
      case '\\':
        if (p[1]) ++p;
        [[fallthrough]];
      default:
        if (Fold(*p, ignore_case) != Fold(*s, ignore_case)) return false;
        ++p;
        ++s;
    }
  }
  return *s == '\0';
}

}  // namespace UNZIP
