// MD5, HMAC-MD5, CRYPTO, HexLines and the sealed mail.
#include <gtest/gtest.h>

#include <string>

#include "net/crypto.h"
#include "net/email.h"
#include "net/md5.h"
#include "tests/foundation/support.h"

namespace {

std::string Hex(const STRING& s) { return s.Buffer != nullptr ? std::string(HexLines(s.Buffer, s.StrLen, true).Buffer) : ""; }

std::string Bytes(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

TEST(Digest, Md5OfTheRfc1321Suite) {
  struct CASE {
    const char* text;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const CASE& c : cases) EXPECT_EQ(Hex(MD5(c.text, -1)), c.digest) << c.text;
  EXPECT_EQ(MD5("abc", 3).StrLen, MD5_DIGESTSIZE);
}

TEST(Digest, HmacMd5OfTheRfc2104AndRfc2202Suites) {
  struct CASE {
    std::string key;
    std::string text;
    const char* digest;
  } cases[] = {
      {std::string(16, '\x0b'), "Hi There", "9294727a3638bb1c13f48ef8158bfc9d"},
      {"Jefe", "what do ya want for nothing?", "750c783e6ab0b503eaa86e310a5db738"},
      {std::string(16, '\xaa'), std::string(50, '\xdd'), "56be34521d144c88dbb8c733f0e8b3f6"},
      // A key longer than the block is replaced by its digest.
      {std::string(80, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
       "6b1ab7fe4bd7bf8f0b62e6ce61b9d0cd"},
  };
  for (const CASE& c : cases)
    EXPECT_EQ(Hex(HMAC_MD5(c.key.data(), static_cast<int>(c.key.size()), c.text.data(), static_cast<int>(c.text.size()))),
              c.digest);
  EXPECT_EQ(Hex(HMAC_MD5("Jefe", -1, "what do ya want for nothing?", -1)), "750c783e6ab0b503eaa86e310a5db738");
}

TEST(Crypto, FirstBlockIsBlowfishOfThePlaintextAndTheChainRunsOn) {
  // Blowfish test vectors: with a zero chaining value the first CBC block
  // is the plain cipher of the block.
  struct CASE {
    const char* key;
    const char* plain;
    const char* cipher;
  } cases[] = {
      {"0000000000000000", "0000000000000000", "4ef997456198dd78"},
      {"ffffffffffffffff", "ffffffffffffffff", "51866fd5b85ecb8a"},
      {"0123456789abcdef", "1111111111111111", "61f9c3802281b096"},
  };
  for (const CASE& c : cases) {
    std::string key = Bytes(c.key), block = Bytes(c.plain);
    CRYPTO crypto(key.data(), 8);
    char out[8];
    crypto.Encrypt(block.data(), out, 8);
    EXPECT_EQ(std::string(HexLines(out, 8, true).Buffer), c.cipher) << c.key;
  }

  // One call over two blocks equals two calls of one block each: the chain
  // of each direction runs on from call to call.
  std::string data = "sixteen bytes..!";
  CRYPTO once("8bytekey", -1), twice("8bytekey", -1);
  char a[16], b[16];
  once.Encrypt(data.data(), a, 16);
  twice.Encrypt(data.data(), b, 8);
  twice.Encrypt(data.data() + 8, b + 8, 8);
  EXPECT_EQ(std::string(a, 16), std::string(b, 16));
  char back[16];
  twice.Decrypt(a, back, 8);
  twice.Decrypt(a + 8, back + 8, 8);
  EXPECT_EQ(std::string(back, 16), data);
  once.Decrypt(a, a, 16);
  EXPECT_EQ(std::string(a, 16), data) << "in place";
}

TEST(Crypto, LengthsThatAreNotWholeBlocksAreReported) {
  testsupport::ReportCapture reports;
  CRYPTO crypto("seven77", -1);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"len%8==0"});
  EXPECT_TRUE(crypto.IsReady()) << "the key is used as it is";
  char block[12] = "abcdefghijk";
  crypto.Encrypt(block, block, 12);
  EXPECT_EQ(reports.Conditions().size(), 2u);
  EXPECT_EQ(std::string(block + 8, 3), "ijk") << "the part block is left alone";
}

TEST(Crypto, KeysOtherLibrariesCallWeakAreUsed) {
  testsupport::ReportCapture reports;
  CRYPTO crypto("0023834", -1);
  ASSERT_TRUE(crypto.IsReady());
  char block[8] = {'s', 'e', 'c', 'r', 'e', 't', '!', '!'};
  char cipher[8], back[8];
  crypto.Encrypt(block, cipher, 8);
  EXPECT_NE(std::string(cipher, 8), std::string(block, 8));
  crypto.Decrypt(cipher, back, 8);
  EXPECT_EQ(std::string(back, 8), std::string(block, 8));
}

TEST(HexLines, BreaksAfterEveryThirtyBytes) {
  std::string bytes(61, '\xab');
  std::string thirty(60, 'a');
  for (std::size_t i = 1; i < 60; i += 2) thirty[i] = 'b';
  struct CASE {
    int length;
    bool oneLine;
    std::string text;
  } cases[] = {
      {0, false, "\r\n"},
      {1, false, "ab\r\n"},
      {30, false, thirty + "\r\n"},
      {31, false, thirty + "\r\nab\r\n"},
      {61, false, thirty + "\r\n" + thirty + "\r\nab\r\n"},
      {31, true, thirty + "ab"},
      {0, true, ""},
  };
  for (const CASE& c : cases) EXPECT_EQ(std::string(HexLines(bytes.data(), c.length, c.oneLine).Buffer), c.text) << c.length;
  EXPECT_EQ(std::string(HexLines("\x01\xfe", -1, true).Buffer), "01fe");
}

// The hex lines between the markers, as bytes.
std::string Unframe(const std::string& body, std::vector<std::size_t>* lineLengths) {
  const std::string begin = "\r\nKORVEX ENCRYPTED EMAIL -- BEGIN\r\n", end = "KORVEX ENCRYPTED EMAIL -- END\r\n";
  EXPECT_EQ(body.substr(0, begin.size()), begin);
  EXPECT_GE(body.size(), begin.size() + end.size());
  EXPECT_EQ(body.substr(body.size() - end.size()), end);
  std::string hex = body.substr(begin.size(), body.size() - begin.size() - end.size());
  std::string bytes;
  for (std::size_t at = 0; at < hex.size();) {
    std::size_t stop = hex.find("\r\n", at);
    EXPECT_NE(stop, std::string::npos) << "every hex line ends in CR LF";
    if (stop == std::string::npos) break;
    lineLengths->push_back(stop - at);
    bytes += Bytes(hex.substr(at, stop - at));
    at = stop + 2;
  }
  return bytes;
}

TEST(Seal, EnvelopesOfTheBodyLengths) {
  testsupport::ReportCapture reports;
  struct CASE {
    std::string body;
    std::vector<std::size_t> lines;
    int fill;
  } cases[] = {
      {"sixteen bytes!!!", {48}, 8},
      {std::string("thirty-one bytes of order text!"), {60, 4}, 1},
      {"", {16}, 8},
      {"eight b.", {32}, 8},
  };
  for (const CASE& c : cases) {
    EMAIL mail("me", "you", "order", c.body.c_str(), "host");
    ASSERT_EQ(mail.Seal("orderkey", nullptr), 1);
    std::vector<std::size_t> lines;
    std::string cipher = Unframe(mail.Body.Buffer, &lines);
    EXPECT_EQ(lines, c.lines) << c.body;
    ASSERT_EQ(cipher.size() % 8, 0u);
    CRYPTO crypto("orderkey", -1);
    std::string plain(cipher.size(), 0);
    crypto.Decrypt(cipher.data(), plain.data(), static_cast<int>(cipher.size()));
    EXPECT_EQ(plain, c.body + std::string(static_cast<std::size_t>(c.fill), '@'));
    EXPECT_EQ(mail.Attachments.Count(), 0);
  }
  EXPECT_TRUE(reports.Conditions().empty());
}

TEST(Seal, TheEnvelopeTravelsAsTextAndAsAttachment) {
  EMAIL mail("me", "you", "order", "Order: 3 licences\r\n", "host");
  ASSERT_EQ(mail.Seal("0123456789abcdef", "order.skf"), 1);
  ASSERT_EQ(mail.Attachments.Count(), 1);
  std::string part = mail.Attachments.ItemAt(0)->Buffer;
  std::string head =
      "Content-Type: application/octet-stream; name=\"order.skf\"\r\n"
      "Content-Transfer-Encoding: base64\r\n"
      "Content-Disposition: attachment; filename=\"order.skf\"\r\n\r\n";
  EXPECT_EQ(part.substr(0, head.size()), head);
  EXPECT_EQ(std::string(STRING(part.substr(head.size()).c_str()).FromBase64().Buffer), std::string(mail.Body.Buffer));
}

TEST(Seal, AKeyOfAnOddLengthIsReportedAndStillSeals) {
  testsupport::ReportCapture reports;
  EMAIL mail("me", "you", "order", "text", "host");
  EXPECT_EQ(mail.Seal("0023834", nullptr), 1);
  EXPECT_EQ(reports.Conditions(), std::vector<std::string>{"len%8==0"});
  std::vector<std::size_t> lines;
  std::string cipher = Unframe(mail.Body.Buffer, &lines);
  CRYPTO crypto("0023834", -1);
  std::string plain(8, 0);
  crypto.Decrypt(cipher.data(), plain.data(), 8);
  EXPECT_EQ(plain, "text@@@@");
}

}  // namespace
