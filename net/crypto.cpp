// CRYPTO through libgcrypt's Blowfish in CBC mode, and HexLines.
#include "net/crypto.h"

#include <gcrypt.h>

#include <cstring>

#include "foundation/log.h"
#include "net/gcryptinit.h"

namespace {

constexpr int HexLineBytes = 30;
constexpr char HexDigits[] = "0123456789abcdef";

gcry_cipher_hd_t AsHandle(void* handle) { return static_cast<gcry_cipher_hd_t>(handle); }

// One direction: its own key schedule and its own chaining value, zero at
// the start (libgcrypt carries the CBC chain on from call to call).
void* OpenDirection(const char* key, int length) {
  gcry_cipher_hd_t handle = nullptr;
  gcry_error_t rc = gcry_cipher_open(&handle, GCRY_CIPHER_BLOWFISH, GCRY_CIPHER_MODE_CBC, 0);
  ASSERTION(rc == 0, gcry_strerror(rc));
  if (rc != 0) return nullptr;
  gcry_cipher_ctl(handle, GCRYCTL_SET_ALLOW_WEAK_KEY, nullptr, 1);
  // The classic key set-up cycles through the key bytes; an empty key
  // cycles through its terminating zero, which is what one zero byte gives.
  static const char zeroKey[1] = {0};
  if (length == 0) {
    key = zeroKey;
    length = 1;
  }
  if (length > CRYPTO_MAXKEYLENGTH) length = CRYPTO_MAXKEYLENGTH;
  rc = gcry_cipher_setkey(handle, key, static_cast<std::size_t>(length));
  // With weak keys allowed libgcrypt still names a weak key, but sets it.
  if (gcry_err_code(rc) == GPG_ERR_WEAK_KEY) rc = 0;
  ASSERTION(rc == 0, gcry_strerror(rc));
  if (rc != 0) {
    gcry_cipher_close(handle);
    return nullptr;
  }
  const unsigned char zeroIv[CRYPTO_BLOCKSIZE] = {};
  gcry_cipher_setiv(handle, zeroIv, sizeof zeroIv);
  return handle;
}

// Whole blocks through the cipher; a part block at the end stays as it is.
void Run(void* handle, bool encrypt, const void* input, void* output, int length) {
  ReportAssertion(length % CRYPTO_BLOCKSIZE == 0, "len%8==0", __FILE__, __LINE__, nullptr, 0);
  if (length <= 0) return;
  if (input != output) std::memcpy(output, input, static_cast<std::size_t>(length));
  auto whole = static_cast<std::size_t>(length - length % CRYPTO_BLOCKSIZE);
  if (handle == nullptr || whole == 0) return;
  gcry_error_t rc = encrypt ? gcry_cipher_encrypt(AsHandle(handle), output, whole, nullptr, 0)
                            : gcry_cipher_decrypt(AsHandle(handle), output, whole, nullptr, 0);
  ASSERTION(rc == 0, gcry_strerror(rc));
}

}  // namespace

CRYPTO::CRYPTO(const char* key, int length) : EncryptHandle(nullptr), DecryptHandle(nullptr) {
  EnsureGcrypt();
  if (key == nullptr) key = "";
  if (length < 0) length = static_cast<int>(std::strlen(key));
  ReportAssertion(length % CRYPTO_BLOCKSIZE == 0, "len%8==0", __FILE__, __LINE__, nullptr, 0);
  EncryptHandle = OpenDirection(key, length);
  DecryptHandle = OpenDirection(key, length);
}

CRYPTO::~CRYPTO() {
  if (EncryptHandle != nullptr) gcry_cipher_close(AsHandle(EncryptHandle));
  if (DecryptHandle != nullptr) gcry_cipher_close(AsHandle(DecryptHandle));
}

bool CRYPTO::IsReady() const { return EncryptHandle != nullptr && DecryptHandle != nullptr; }

void CRYPTO::Encrypt(const void* input, void* output, int length) { Run(EncryptHandle, true, input, output, length); }

void CRYPTO::Decrypt(const void* input, void* output, int length) { Run(DecryptHandle, false, input, output, length); }

STRING HexLines(const char* bytes, int length, bool oneLine) {
  if (bytes == nullptr) bytes = "";
  if (length < 0) length = static_cast<int>(std::strlen(bytes));
  STRING out;
  out.Make(0, nullptr);
  for (int i = 0; i < length; ++i) {
    if (!oneLine && i > 0 && i % HexLineBytes == 0) out.Append("\r\n", 2);
    auto c = static_cast<unsigned char>(bytes[i]);
    char pair[2] = {HexDigits[c >> 4], HexDigits[c & 15]};
    out.Append(pair, 2);
  }
  if (!oneLine) out.Append("\r\n", 2);
  return out;
}
