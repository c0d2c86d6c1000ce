// CRYPTO and the sealed envelope against OpenSSL's Blowfish (BF_set_key,
// BF_cbc_encrypt), the library the sealed mail's readers decrypt with.
// Host build only; OpenSSL is linked for this comparison alone.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "net/crypto.h"
#include "net/email.h"
#include "tests/foundation/support.h"

namespace {

std::string OpenSslCbc(const std::string& key, const std::string& plain) {
  BF_KEY schedule;
  // OpenSSL's set-up reads the key's first byte even for length 0; the
  // terminator of the std::string is that byte.
  BF_set_key(&schedule, static_cast<int>(key.size()), reinterpret_cast<const unsigned char*>(key.c_str()));
  unsigned char iv[8] = {};
  std::string cipher(plain.size(), 0);
  BF_cbc_encrypt(reinterpret_cast<const unsigned char*>(plain.data()), reinterpret_cast<unsigned char*>(cipher.data()),
                 static_cast<long>(plain.size()), &schedule, iv, BF_ENCRYPT);
  return cipher;
}

std::string Ours(const std::string& key, const std::string& plain, int calls) {
  CRYPTO crypto(key.data(), static_cast<int>(key.size()));
  std::string cipher(plain.size(), 0);
  int step = static_cast<int>(plain.size()) / calls;
  for (int at = 0; at < static_cast<int>(plain.size()); at += step)
    crypto.Encrypt(plain.data() + at, cipher.data() + at, step);
  return cipher;
}

TEST(BlowfishAgainstOpenSsl, EveryKeyLengthAndTheChainOverSeveralCalls) {
  testsupport::ReportCapture reports;  // keys of odd lengths are reported
  std::mt19937 random(2090);
  for (int keyLength = 0; keyLength <= 80; ++keyLength) {
    for (int blocks : {1, 2, 7}) {
      std::string key, plain;
      for (int i = 0; i < keyLength; ++i) key += static_cast<char>(random());
      for (int i = 0; i < 8 * blocks; ++i) plain += static_cast<char>(random());
      std::string expected = OpenSslCbc(key, plain);
      EXPECT_EQ(Ours(key, plain, 1), expected) << "key length " << keyLength << ", " << blocks << " blocks";
      EXPECT_EQ(Ours(key, plain, blocks), expected) << "one call per block, key length " << keyLength;
    }
  }
}

TEST(BlowfishAgainstOpenSsl, KeysThatLibgcryptCallsWeak) {
  testsupport::ReportCapture reports;
  // Texts whose key schedule repeats an S-box entry; libgcrypt refuses them
  // unless told otherwise.
  for (const char* key : {"0023834"}) {
    std::string plain = "weak key, same cipher";
    plain.resize(24, '@');
    EXPECT_EQ(Ours(key, plain, 1), OpenSslCbc(key, plain)) << key;
  }
}

TEST(BlowfishAgainstOpenSsl, SealedEnvelopesCarryOpenSslsCiphertext) {
  testsupport::ReportCapture reports;
  const std::string key = "KorvexOrderKey16";
  for (const std::string& body : {std::string("sixteen bytes!!!"), std::string(31, 'o'), std::string()}) {
    EMAIL mail("me", "you", "order", body.c_str(), "host");
    ASSERT_EQ(mail.Seal(key.c_str(), nullptr), 1);
    std::string plain = body;
    plain.resize(body.size() / 8 * 8 + 8, '@');
    std::string cipher = OpenSslCbc(key, plain);
    std::string expected = "\r\nKORVEX ENCRYPTED EMAIL -- BEGIN\r\n";
    expected += HexLines(cipher.data(), static_cast<int>(cipher.size()), false).Buffer;
    expected += "KORVEX ENCRYPTED EMAIL -- END\r\n";
    EXPECT_EQ(std::string(mail.Body.Buffer), expected) << body.size() << " bytes";
  }
}

}  // namespace
