// CRYPTO: Blowfish in CBC mode for the sealed mail, and HexLines, the hex
// form the sealed envelope shows the ciphertext in.
//
// Both directions have their own key schedule (made from the same key) and
// their own 8-byte chaining value, which starts as 8 zero bytes and runs on
// from call to call: the first call of each direction uses an all-zero
// initialisation vector. Every key gives the schedule of the classic
// Blowfish key set-up: keys that some libraries refuse as weak are used as
// they are, a key longer than 72 bytes counts with its first 72, and an
// empty key acts as a single zero byte.
#pragma once

#include "foundation/str.h"

constexpr int CRYPTO_BLOCKSIZE = 8;
constexpr int CRYPTO_MAXKEYLENGTH = 72;

class CRYPTO {
 public:
  // length -1: key is a zero-terminated text. A length that is not a
  // multiple of 8 raises the report "len%8==0"; the key is used unchanged.
  CRYPTO(const char* key, int length);
  ~CRYPTO();
  CRYPTO(const CRYPTO&) = delete;
  CRYPTO& operator=(const CRYPTO&) = delete;

  // False when the cipher could not be set up; Encrypt and Decrypt then
  // copy the bytes unchanged.
  bool IsReady() const;

  // length must be a multiple of 8 (report "len%8==0"; a trailing part
  // block is left as it is). input and output may be the same buffer.
  void Encrypt(const void* input, void* output, int length);
  void Decrypt(const void* input, void* output, int length);

 private:
  void* EncryptHandle;
  void* DecryptHandle;
};

// Two lower-case hex digits per byte. Without oneLine, "\r\n" before every
// 30th byte after the first and one at the end. length -1: a zero-terminated
// text.
STRING HexLines(const char* bytes, int length, bool oneLine);
