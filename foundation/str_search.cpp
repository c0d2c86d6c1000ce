// STRING: search, substrings, tokens and replacement.
#include <cstring>

#include "foundation/str.h"

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Length of the content as text: up to the first zero byte.
int TextLength(const STRING& s) {
  if (s.Buffer == nullptr) return 0;
  const void* zero = std::memchr(s.Buffer, 0, static_cast<size_t>(s.StrLen));
  return zero == nullptr ? s.StrLen : static_cast<int>(static_cast<const char*>(zero) - s.Buffer);
}

bool IsSeparator(char c, const char* separators) { return c != 0 && std::strchr(separators, c) != nullptr; }

// Position of the next separator at or after from, or -1.
int NextSeparator(const STRING& s, int from, const char* separators) {
  for (int i = from; i < s.StrLen; ++i)
    if (IsSeparator(s.Buffer[i], separators)) return i;
  return -1;
}

}  // namespace

int STRING::Pos(const char* text, int start) const {
  if (start < 0) start = 0;
  if (start >= StrLen) return -1;
  const char* haystack = NullGuard(Buffer, "Pos Buffer");
  const char* needle = NullGuard(text, "Pos str");
  if (haystack == nullptr || needle == nullptr) return -1;
  const char* found = std::strstr(haystack + start, needle);
  return found == nullptr ? -1 : static_cast<int>(found - haystack);
}

int STRING::iPos(const char* text, int start) const {
  if (start < 0) start = 0;
  if (start >= StrLen) return -1;
  const char* haystack = NullGuard(Buffer, "iPos Buffer");
  const char* needle = NullGuard(text, "iPos str");
  if (haystack == nullptr || needle == nullptr) return -1;
  int length = static_cast<int>(std::strlen(needle));
  int last = TextLength(*this) - length;
  for (int i = start; i <= last; ++i) {
    int k = 0;
    while (k < length && Upper(haystack[i + k]) == Upper(needle[k])) ++k;
    if (k == length) return i;
  }
  return -1;
}

bool STRING::Find(const char* text, int* pos, int start) const {
  int found = Pos(text, start);
  if (pos != nullptr) *pos = found;
  return found != -1;
}

bool STRING::iFind(const char* text, int* pos, int start) const {
  int found = iPos(text, start);
  if (pos != nullptr) *pos = found;
  return found != -1;
}

STRING STRING::Mid(int pos, int length) const {
  STRING result;
  if (pos < 0) pos = 0;
  if (pos >= StrLen) {
    result.Make(0, nullptr);
    return result;
  }
  int available = StrLen - pos;
  if (length < 0 || length > available) length = available;
  result.Make(length, Buffer + pos);
  return result;
}

STRING STRING::Left(int n) const { return Mid(0, n); }

STRING STRING::Right(int n) const {
  int pos = StrLen - n;
  return Mid(pos > 0 ? pos : 0, n);
}

STRING STRING::Token(int index, const char* separators, int mode) const {
  if (separators == nullptr) separators = "";
  bool exists = Buffer != nullptr && index >= 0;
  int begin = 0;
  for (int i = 0; exists && i < index; ++i) {
    int next = NextSeparator(*this, begin, separators);
    if (next < 0)
      exists = false;
    else
      begin = next + 1;
  }
  if (!exists) {
    STRING none;
    if (mode & TOKEN_NONULL) none.Make(0, nullptr);
    return none;
  }
  int end = (mode & 0xFFFF) ? -1 : NextSeparator(*this, begin, separators);
  return Mid(begin, end < 0 ? -1 : end - begin);
}

STRING STRING::Line(int index, int mode) const { return Token(index, "\n", mode); }

STRING& STRING::Replace(const char* from, const char* to, bool caseSensitive) {
  if (from == nullptr || *from == 0 || Buffer == nullptr) return *this;
  if (to == nullptr) to = "";
  if (std::strcmp(from, to) == 0) return *this;
  // Either text may lie inside this buffer, which the growth may move.
  STRING pattern(from), replacement(to);
  int fromLength = pattern.StrLen, toLength = replacement.StrLen;
  int n = 0;
  for (;;) {
    int at = caseSensitive ? Pos(pattern.Buffer, n) : iPos(pattern.Buffer, n);
    if (at < 0) break;
    int newLength = StrLen + toLength - fromLength;
    if (newLength >= BufLen && !Reserve(newLength)) break;
    if (toLength != fromLength)
      std::memmove(Buffer + at + toLength, Buffer + at + fromLength, static_cast<size_t>(StrLen - at - fromLength + 1));
    std::memcpy(Buffer + at, replacement.Buffer, static_cast<size_t>(toLength));
    if (newLength < StrLen) std::memset(Buffer + newLength, 0, static_cast<size_t>(StrLen - newLength));
    StrLen = newLength;
    n = at + toLength;
  }
  return *this;
}
