// EMAIL::Seal: the mail's text encrypted with Blowfish and framed as hex.
#include <cstring>
#include <memory>
#include <new>

#include "foundation/log.h"
#include "net/crypto.h"
#include "net/email.h"

namespace {

constexpr char FillByte = 0x40;

// The sealed envelope: the ciphertext as hex lines between two markers.
STRING Envelope(const char* cipher, int length) {
  STRING envelope("\r\nKORVEX ENCRYPTED EMAIL -- BEGIN\r\n");
  envelope.Append(HexLines(cipher, length, false));
  envelope.Append("KORVEX ENCRYPTED EMAIL -- END\r\n");
  return envelope;
}

}  // namespace

int EMAIL::Seal(const char* key, const char* fileName) {
  const int n = Body.StrLen;
  // 1 to 8 fill bytes: the length rounded down to a multiple of 8, plus 8.
  const int m = n / CRYPTO_BLOCKSIZE * CRYPTO_BLOCKSIZE + CRYPTO_BLOCKSIZE;
  std::unique_ptr<char[]> plain(new (std::nothrow) char[m]);
  std::unique_ptr<char[]> check(new (std::nothrow) char[m]);
  if (plain == nullptr || check == nullptr) {
    ReportAssertion(0, "FALSE", __FILE__, __LINE__, nullptr, 0);
    return 0;
  }
  if (n > 0) std::memcpy(plain.get(), Body.Buffer, static_cast<std::size_t>(n));
  std::memset(plain.get() + n, FillByte, static_cast<std::size_t>(m - n));

  CRYPTO crypto(key, -1);
  if (!crypto.IsReady()) return 0;
  crypto.Encrypt(plain.get(), plain.get(), m);
  // The ciphertext must give the text back before it replaces the text.
  crypto.Decrypt(plain.get(), check.get(), m);
  if (n > 0 && std::memcmp(check.get(), Body.Buffer, static_cast<std::size_t>(n)) != 0) return 0;

  Body = Envelope(plain.get(), m);
  if (fileName != nullptr) AddAttachment("application/octet-stream", fileName, Body);
  return 1;
}
