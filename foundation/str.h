// STRING: the one string type of the system. A growable byte string with its
// own allocation policy (block sizes that follow the size of the string and a
// process-wide pool of 96-byte blocks), a null state distinct from the empty
// string, and the text operations the system uses. No operation throws;
// misuse raises an assertion report (foundation/log.h) and carries on.
//
// Positions and lengths are signed 32-bit byte counts; -1 means "not found"
// for searches and "to the end" for lengths.
#pragma once

#include <cstdarg>

#include "foundation/format.h"

// Flag bits of STRING::Flags.
constexpr int STRINGFLAG_BYTES = 1;      // byte data: the key=value form writes it in Base64
constexpr int STRINGFLAG_DYNABLOCK = 2;  // the block size follows the capacity

// Modes of STRING::Token.
constexpr int TOKEN_REST = 1;         // the token and everything after it
constexpr int TOKEN_NONULL = 0x10000;  // a missing token is the empty string, not null

// Block size of every string made by the ordinary constructors.
constexpr int STRING_BLOCKSIZE = 96;

// p itself, or for a null p the text "<NULL>" (or null, and a report, as the
// environment variable KORVEXFAILONNULL asks: bit 0 null, bit 1 report).
const char* NullGuard(const char* p, const char* label);

// Case-insensitive comparison (ASCII A-Z folded to a-z, unsigned bytes):
// negative, 0 or positive. nullAware: two null pointers are equal and
// exactly one gives 1; otherwise null texts pass the null guard.
int StrICmp(const char* a, const char* b, bool nullAware = false);

// Frees the pooled blocks; every later allocation goes to the heap.
void ReleaseStringPool();

class STRING {
 public:
  STRING();
  STRING(const char* text);  // a null text gives a null string
  explicit STRING(int blockSize);
  STRING(const STRING& other);
  STRING(STRING&& other) noexcept;
  ~STRING();
  STRING& operator=(const STRING& other);
  STRING& operator=(STRING&& other) noexcept;

  // Makes room for length bytes (growing by the block rules) and, with a
  // source, replaces the content by its length bytes. Without a source only
  // StrLen is set; the caller fills the bytes. length < 0 does nothing.
  void Make(int length, const char* source);
  void Free();

  char& operator[](int i);  // 0 <= i < StrLen
  char& At(int i);          // 0 <= i <= StrLen: the terminator may be read

  STRING& Append(const char* text, int length = -1);
  STRING& Append(const STRING& other);
  STRING& Truncate(int newLength);
  STRING& CutLeft(int howMany);
  STRING& CutRight(int howMany);
  STRING& InsertChars(int count, int pos, char ch);
  STRING& Insert(const char* text, int pos);
  STRING& ToUpper();
  // how: 'L' leading, 'R' trailing, 'B' both; strips the bytes in chars.
  STRING& Strip(char how, const char* chars);
  // Replaces every occurrence; the inserted text is not searched again.
  STRING& Replace(const char* from, const char* to, bool caseSensitive = true);
  // Replace the content by / append the formatted text; the count of
  // characters stored. Results are limited to 2047 / 4095 characters.
  int Format(const char* format, ...) HALVIX_PRINTF(2, 3);
  int AppendFormat(const char* format, ...) HALVIX_PRINTF(2, 3);
  int FormatV(const char* format, va_list arguments);
  int AppendFormatV(const char* format, va_list arguments);

  int Pos(const char* text, int start = 0) const;
  int iPos(const char* text, int start = 0) const;
  bool Find(const char* text, int* pos = nullptr, int start = 0) const;
  bool iFind(const char* text, int* pos = nullptr, int start = 0) const;

  STRING Mid(int pos, int length = -1) const;
  STRING Left(int n) const;
  STRING Right(int n) const;
  // Token index of the text split at any of the separator bytes; null when
  // it does not exist (see TOKEN_REST, TOKEN_NONULL).
  STRING Token(int index, const char* separators, int mode = 0) const;
  STRING Line(int index, int mode = 0) const;

  // Codecs and whole-file transfer.
  STRING Escape(const char* extra) const;
  STRING Unescape(bool lenient) const;
  STRING ToHex() const;
  STRING ToBase64(bool wrap) const;
  STRING FromBase64() const;
  // Stream modes "r", "rb", "w", "wb", "a", "ab"; without "b" text mode
  // (CR LF <-> LF, byte 26 ends the data on reading). 1 on success, else 0.
  int Load(const char* fileName, const char* mode);
  int Save(const char* fileName, const char* mode) const;

  char* Buffer;
  int StrLen;
  int BufLen;
  int BlockSize;
  int Flags;

 private:
  // Capacity for length bytes and the terminator, the content kept; false
  // (after the report "buffer") when no memory could be had.
  bool Reserve(int length);
  void AdaptBlockSize();
};

STRING operator||(const STRING& left, const char* text);
STRING operator||(const STRING& left, const STRING& right);
STRING operator||(const char* text, const STRING& right);

// Case-insensitive equality; a null string equals only a null text.
bool operator==(const STRING& s, const char* text);
bool operator==(const STRING& a, const STRING& b);
