// STRING: construction, the growth rules, character access and the edits in
// place.
#include "foundation/str.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "foundation/log.h"
#include "foundation/stringpool.h"

namespace {

// True when p points into the buffer of s, so that a growth would free it.
bool PointsInto(const STRING& s, const char* p) {
  return p != nullptr && s.Buffer != nullptr && p >= s.Buffer && p < s.Buffer + s.BufLen;
}

}  // namespace

STRING::STRING() : Buffer(nullptr), StrLen(0), BufLen(0), BlockSize(STRING_BLOCKSIZE), Flags(0) {}

STRING::STRING(const char* text) : STRING() {
  if (text != nullptr) Make(static_cast<int>(std::strlen(text)), text);
}

STRING::STRING(int blockSize) : STRING() { BlockSize = blockSize > 0 ? blockSize : STRING_BLOCKSIZE; }

STRING::STRING(const STRING& other) : STRING() {
  BlockSize = other.BlockSize;
  Flags = other.Flags;
  if (other.Buffer != nullptr) Make(other.StrLen, other.Buffer);
}

STRING::STRING(STRING&& other) noexcept
    : Buffer(other.Buffer), StrLen(other.StrLen), BufLen(other.BufLen), BlockSize(other.BlockSize),
      Flags(other.Flags) {
  other.Buffer = nullptr;
  other.StrLen = 0;
  other.BufLen = 0;
}

STRING::~STRING() { Free(); }

STRING& STRING::operator=(const STRING& other) {
  if (this == &other) return *this;
  if (other.Buffer != nullptr)
    Make(other.StrLen, other.Buffer);
  else
    Free();
  Flags = other.Flags;
  return *this;
}

// Like the copy, but the buffer changes hands; the block size stays.
STRING& STRING::operator=(STRING&& other) noexcept {
  if (this == &other) return *this;
  Free();
  Buffer = other.Buffer;
  StrLen = other.StrLen;
  BufLen = other.BufLen;
  Flags = other.Flags;
  other.Buffer = nullptr;
  other.StrLen = 0;
  other.BufLen = 0;
  return *this;
}

void STRING::Free() {
  ReleaseStringBlock(Buffer, BufLen);
  Buffer = nullptr;
  StrLen = 0;
  BufLen = 0;
}

bool STRING::Reserve(int length) {
  if (length < 0) return false;
  if (BufLen >= length + 1) return true;
  std::int64_t block = BlockSize > 0 ? BlockSize : STRING_BLOCKSIZE;
  std::int64_t capacity = block * ((static_cast<std::int64_t>(length) + 1) / block + 1);
  // The new block is the old content followed by zero bytes.
  int kept = Buffer != nullptr ? StrLen : 0;
  char* fresh = capacity <= INT_MAX ? ResizeStringBlock(Buffer, BufLen, static_cast<int>(capacity), kept) : nullptr;
  if (fresh == nullptr) {
    ReportAssertion(0, "buffer", __FILE__, __LINE__, nullptr, 0);
    return false;
  }
  std::memset(fresh + kept, 0, static_cast<size_t>(capacity - kept));
  Buffer = fresh;
  BufLen = static_cast<int>(capacity);
  AdaptBlockSize();
  return true;
}

// Large strings grow by larger blocks, so that many appends cost a
// logarithmic number of reallocations.
void STRING::AdaptBlockSize() {
  if (Flags & STRINGFLAG_DYNABLOCK) {
    int size = BufLen / 2;
    if (size >= 0x20000)
      size = 0x20000;
    else if (size >= 4096)
      size = (size + 1023) / 1024 * 1024;
    if (size != BlockSize) {
      BlockSize = size;
      LogPrintf("STRING::Make STRINGFLAG_DYNABLOCK new blocksize %d\n", BlockSize);
    }
    return;
  }
  if (BufLen >= 32768) {
    Flags |= STRINGFLAG_DYNABLOCK;
    BlockSize = 16382;
    LogPrintf("STRING::Make Upgrade String to STRINGFLAG_DYNABLOCK\n");
  } else if (BufLen >= 8192) {
    BlockSize = 4096;
  } else if (BufLen >= 4096) {
    BlockSize = 2048;
  } else if (BufLen >= 1024) {
    BlockSize = 1024;
  }
}

void STRING::Make(int length, const char* source) {
  if (length < 0) return;
  if (PointsInto(*this, source)) {
    STRING copy;
    copy.Make(length, nullptr);
    if (copy.Buffer == nullptr) return;
    std::memcpy(copy.Buffer, source, static_cast<size_t>(length));
    Make(length, copy.Buffer);
    return;
  }
  if (!Reserve(length)) return;
  if (source != nullptr) {
    std::memset(Buffer, 0, static_cast<size_t>(StrLen));
    std::memcpy(Buffer, source, static_cast<size_t>(length));
  }
  StrLen = length;
  Buffer[StrLen] = 0;
}

char& STRING::operator[](int i) {
  thread_local char outside = 0;
  if (i >= 0 && i < StrLen) return Buffer[i];
  STRING info;
  info.Format("i= %d, len= %d, buf= %s", i, StrLen, NullGuard(Buffer, nullptr));
  ReportAssertion(0, "i>=0 && i<this->StrLen", __FILE__, __LINE__, info.Buffer, 0);
  outside = 0;
  return outside;
}

char& STRING::At(int i) {
  thread_local char outside = 0;
  if (i >= 0 && i <= StrLen && Buffer != nullptr) return Buffer[i];
  if (i == 0 && Buffer == nullptr) {  // a null string reads as empty here
    outside = 0;
    return outside;
  }
  STRING info;
  info.Format("i= %d, len= %d, buf= %s", i, StrLen, NullGuard(Buffer, nullptr));
  ReportAssertion(0, "i>=0 && i<=this->StrLen", __FILE__, __LINE__, info.Buffer, 0);
  outside = 0;
  return outside;
}

STRING& STRING::Append(const char* text, int length) {
  const char* t = NullGuard(text, "STRING::Append op1");
  if (t == nullptr) t = "";
  if (length < 0) length = static_cast<int>(std::strlen(t));
  if (length > INT_MAX - 1 - StrLen) {
    ReportAssertion(0, "buffer", __FILE__, __LINE__, nullptr, 0);
    return *this;
  }
  std::ptrdiff_t offset = PointsInto(*this, t) ? t - Buffer : -1;
  if (!Reserve(StrLen + length)) return *this;
  if (offset >= 0) t = Buffer + offset;
  std::memmove(Buffer + StrLen, t, static_cast<size_t>(length));
  StrLen += length;
  Buffer[StrLen] = 0;
  return *this;
}

STRING& STRING::Append(const STRING& other) {
  if (other.Buffer == nullptr) {
    if (Buffer == nullptr) Make(0, nullptr);
    return *this;
  }
  return Append(other.Buffer, other.StrLen);
}

STRING& STRING::Truncate(int newLength) {
  if (!ReportAssertion(newLength >= 0, "newlength>=0", __FILE__, __LINE__, nullptr, 0) || newLength < 0)
    return *this;
  if (StrLen > newLength) {
    std::memset(Buffer + newLength, 0, static_cast<size_t>(StrLen - newLength));
    StrLen = newLength;
  }
  return *this;
}

STRING& STRING::CutLeft(int howMany) {
  ReportAssertion(howMany >= 0, "howmany>=0", __FILE__, __LINE__, nullptr, 0);
  if (howMany <= 0) return *this;
  if (howMany < StrLen) {
    std::memmove(Buffer, Buffer + howMany, static_cast<size_t>(StrLen - howMany));
    std::memset(Buffer + StrLen - howMany, 0, static_cast<size_t>(howMany));
    StrLen -= howMany;
    return *this;
  }
  return Truncate(0);
}

STRING& STRING::CutRight(int howMany) {
  ReportAssertion(howMany >= 0, "howmany>=0", __FILE__, __LINE__, nullptr, 0);
  if (howMany <= 0) return *this;
  return Truncate(howMany >= StrLen ? 0 : StrLen - howMany);
}

STRING& STRING::InsertChars(int count, int pos, char ch) {
  ReportAssertion(count >= 0, "howmany>=0", __FILE__, __LINE__, nullptr, 0);
  if (count <= 0 || pos < 0 || pos >= StrLen || count > INT_MAX - 1 - StrLen) return *this;
  if (!Reserve(StrLen + count)) return *this;
  std::memmove(Buffer + pos + count, Buffer + pos, static_cast<size_t>(StrLen - pos + 1));
  std::memset(Buffer + pos, ch, static_cast<size_t>(count));
  StrLen += count;
  return *this;
}

STRING& STRING::Insert(const char* text, int pos) {
  if (!ReportAssertion(text != this->Buffer || text == nullptr, "text!=this->Buffer", __FILE__, __LINE__, nullptr, 0))
    return *this;
  if (text == Buffer || text == nullptr || pos < 0 || pos > StrLen) return *this;
  if (pos == StrLen) return Append(text);
  STRING copy(text);  // the text may lie inside this buffer
  int length = copy.StrLen;
  if (length == 0 || length > INT_MAX - 1 - StrLen || !Reserve(StrLen + length)) return *this;
  std::memmove(Buffer + pos + length, Buffer + pos, static_cast<size_t>(StrLen - pos + 1));
  std::memcpy(Buffer + pos, copy.Buffer, static_cast<size_t>(length));
  StrLen += length;
  return *this;
}

STRING& STRING::ToUpper() {
  if (Buffer == nullptr) {
    NullGuard(Buffer, "ToUpper");
    return *this;
  }
  for (int i = 0; i < StrLen; ++i)
    if (Buffer[i] >= 'a' && Buffer[i] <= 'z') Buffer[i] = static_cast<char>(Buffer[i] - 'a' + 'A');
  return *this;
}

STRING& STRING::Strip(char how, const char* chars) {
  if (how >= 'a' && how <= 'z') how = static_cast<char>(how - 'a' + 'A');
  if (!ReportAssertion(how == 'L' || how == 'R' || how == 'B', "how=='L' || how=='R' || how=='B'", __FILE__,
                       __LINE__, nullptr, 0))
    return *this;
  if (Buffer == nullptr || chars == nullptr) return *this;
  auto strippable = [chars](char c) { return c != 0 && std::strchr(chars, c) != nullptr; };
  if (how == 'L' || how == 'B') {
    int lead = 0;
    while (lead < StrLen && strippable(Buffer[lead])) ++lead;
    if (lead > 0) CutLeft(lead);
  }
  if (how == 'R' || how == 'B') {
    while (StrLen > 0 && strippable(Buffer[StrLen - 1])) Buffer[--StrLen] = 0;
  }
  return *this;
}
