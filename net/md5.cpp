// MD5 and HMAC-MD5 through libgcrypt.
#include "net/md5.h"

#include <gcrypt.h>

#include <cstring>

#include "foundation/log.h"
#include "net/gcryptinit.h"

namespace {

int LengthOf(const char* bytes, int length) {
  if (length >= 0) return length;
  return bytes != nullptr ? static_cast<int>(std::strlen(bytes)) : 0;
}

STRING Digest(const unsigned char* bytes) {
  STRING digest;
  digest.Make(MD5_DIGESTSIZE, reinterpret_cast<const char*>(bytes));
  return digest;
}

}  // namespace

STRING MD5(const char* bytes, int length) {
  EnsureGcrypt();
  unsigned char digest[MD5_DIGESTSIZE];
  gcry_md_hash_buffer(GCRY_MD_MD5, digest, bytes != nullptr ? bytes : "", static_cast<std::size_t>(LengthOf(bytes, length)));
  return Digest(digest);
}

STRING HMAC_MD5(const char* key, int keyLength, const char* text, int textLength) {
  EnsureGcrypt();
  gcry_md_hd_t hmac = nullptr;
  gcry_error_t rc = gcry_md_open(&hmac, GCRY_MD_MD5, GCRY_MD_FLAG_HMAC);
  ASSERTION(rc == 0, gcry_strerror(rc));
  if (rc != 0) return STRING();
  rc = gcry_md_setkey(hmac, key != nullptr ? key : "", static_cast<std::size_t>(LengthOf(key, keyLength)));
  ASSERTION(rc == 0, gcry_strerror(rc));
  gcry_md_write(hmac, text != nullptr ? text : "", static_cast<std::size_t>(LengthOf(text, textLength)));
  STRING digest = Digest(gcry_md_read(hmac, GCRY_MD_MD5));
  gcry_md_close(hmac);
  return digest;
}
