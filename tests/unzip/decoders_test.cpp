// Every decoder against our encoders, byte for byte, and the decoders'
// handling of damaged data.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tools/zippack/bitwriter.h"
#include "tools/zippack/encoders.h"
#include "tools/zippack/zipwriter.h"
#include "unzip/crc32.h"
#include "unzip/decode.h"
#include "unzip/decoders.h"
#include "unzip/messages.h"
#include "unzip/sftree.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct MEMORYSOURCE {
  const Bytes* data;
  size_t at = 0;
  static size_t Read(void* c, uint8_t* dst, size_t max) {
    auto* s = static_cast<MEMORYSOURCE*>(c);
    size_t n = std::min(max, s->data->size() - s->at);
    std::copy_n(s->data->data() + s->at, n, dst);
    s->at += n;
    return n;
  }
};

struct COLLECTOR {
  Bytes out;
  std::vector<size_t> pieces;
  static bool Write(void* c, const uint8_t* d, size_t n) {
    auto* s = static_cast<COLLECTOR*>(c);
    s->out.insert(s->out.end(), d, d + n);
    s->pieces.push_back(n);
    return true;
  }
};

struct DECODED {
  int status;
  Bytes out;
  std::vector<size_t> pieces;
  uint32_t crc;
};

std::string& Messages() {
  static std::string m;
  return m;
}

DECODED Decode(int method, unsigned flags, const Bytes& coded, uint64_t size, uint64_t declared_csize = UINT64_MAX,
               int quiet = 1) {
  MEMORYSOURCE src{&coded};
  uint8_t buffer[UNZIP::MEMBERINPUT::kBufferSize];
  UNZIP::MEMBERINPUT in(MEMORYSOURCE::Read, &src, declared_csize == UINT64_MAX ? coded.size() : declared_csize, buffer);
  static uint8_t window[UNZIP::SLIDE::kSize];
  COLLECTOR sink;
  UNZIP::SLIDE slide(window, COLLECTOR::Write, &sink);
  slide.Begin();
  bool ended = false;
  UNZIP::DECODEJOB job{method, flags, size, "member", quiet};
  int status = UNZIP::DecodeMember(job, in, slide, &ended);
  slide.Flush();
  return {status, sink.out, sink.pieces, slide.Crc()};
}

Bytes Text(size_t n) {
  static const char* words[] = {"setup ", "archive ", "member ", "window ", "the ", "of ", "install\n", "zip "};
  std::mt19937 rng(7);
  Bytes b;
  while (b.size() < n) {
    const char* w = words[rng() % 8];
    while (*w && b.size() < n) b.push_back(static_cast<uint8_t>(*w++));
  }
  return b;
}

Bytes Random(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

// Bytes from a small alphabet with long repeats: matches of every length.
Bytes Runs(size_t n) {
  std::mt19937 rng(3);
  Bytes b;
  while (b.size() < n) {
    size_t len = 1 + rng() % 400;
    uint8_t v = static_cast<uint8_t>("ab\x90z"[rng() % 4]);
    for (size_t k = 0; k < len && b.size() < n; ++k) b.push_back(v);
  }
  return b;
}

// A final dynamic block whose literal/length code has just two codes of
// length 2 ('A' and end of block): an incomplete code.
Bytes IncompleteLiteralTree() {
  ZIPPACK::BITWRITER w;
  w.Put(1, 1);   // final block
  w.Put(2, 2);   // dynamic codes
  w.Put(0, 5);   // 257 literal/length lengths
  w.Put(0, 5);   // 1 distance length
  w.Put(15, 4);  // 19 code-length code lengths
  const int order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  for (int sym : order) w.Put(sym == 0 || sym == 2 ? 1 : 0, 3);
  // Code-length symbol 0 has code 0, symbol 2 has code 1.
  for (int lit = 0; lit < 257; ++lit) w.Put(lit == 'A' || lit == 256 ? 1 : 0, 1);
  w.Put(0, 1);
  return w.Finish();
}

struct CODEC {
  const char* name;
  int method;
  unsigned flags;
  Bytes (*encode)(const Bytes&);
};

const CODEC kCodecs[] = {
    {"shrink", 1, 0, [](const Bytes& d) { return ZIPPACK::Shrink(d.data(), d.size()); }},
    {"reduce1", 2, 0, [](const Bytes& d) { return ZIPPACK::Reduce(d.data(), d.size(), 1); }},
    {"reduce2", 3, 0, [](const Bytes& d) { return ZIPPACK::Reduce(d.data(), d.size(), 2); }},
    {"reduce3", 4, 0, [](const Bytes& d) { return ZIPPACK::Reduce(d.data(), d.size(), 3); }},
    {"reduce4", 5, 0, [](const Bytes& d) { return ZIPPACK::Reduce(d.data(), d.size(), 4); }},
    {"implode4k2", 6, 0, [](const Bytes& d) { return ZIPPACK::Implode(d.data(), d.size(), 0); }},
    {"implode8k2", 6, 2, [](const Bytes& d) { return ZIPPACK::Implode(d.data(), d.size(), 2); }},
    {"implode4k3", 6, 4, [](const Bytes& d) { return ZIPPACK::Implode(d.data(), d.size(), 4); }},
    {"implode8k3", 6, 6, [](const Bytes& d) { return ZIPPACK::Implode(d.data(), d.size(), 6); }},
    {"deflate", 8, 0, [](const Bytes& d) { return ZIPPACK::Deflate(d.data(), d.size()); }},
    {"stored", 0, 0, [](const Bytes& d) { return d; }},
};

TEST(Decoders, EachMethodRestoresWhatOurEncoderWrote) {
  const std::pair<const char*, Bytes> inputs[] = {
      {"empty", {}},
      {"one byte", {0x90}},
      {"short", {'a', 'b', 'a', 'b', 'a', 'b', 'a', 'c', 0x90, 0, 0x90}},
      {"text beyond the window", Text(150000)},
      {"random", Random(70000, 11)},
      {"runs", Runs(120000)},
  };
  for (const CODEC& c : kCodecs) {
    for (const auto& [what, data] : inputs) {
      Bytes coded = c.encode(data);
      DECODED d = Decode(c.method, c.flags, coded, data.size());
      EXPECT_EQ(d.status, 0) << c.name << " / " << what;
      EXPECT_TRUE(d.out == data) << c.name << " / " << what << ": " << d.out.size() << " of " << data.size();
      EXPECT_EQ(d.crc, UNZIP::Crc32Update(0, data.data(), data.size())) << c.name << " / " << what;
    }
  }
}

TEST(Decoders, EightKilobyteDictionaryReachesBackFurtherThanFour) {
  // A random block repeated 6000 bytes later: only the 8 KiB dictionary
  // can copy it, so only that variant shrinks it.
  Bytes block = Random(6000, 9);
  Bytes data = block;
  data.insert(data.end(), block.begin(), block.end());
  for (unsigned flags : {0u, 4u, 2u, 6u}) {
    Bytes coded = ZIPPACK::Implode(data.data(), data.size(), flags);
    EXPECT_TRUE(Decode(6, flags, coded, data.size()).out == data) << flags;
    if (flags & 2) {
      EXPECT_LT(coded.size(), data.size() * 3 / 4) << flags;
    } else {
      EXPECT_GT(coded.size(), data.size() * 3 / 4) << flags;
    }
  }
}

TEST(Decoders, ShrinkSurvivesPartialClearsOfAFullTable) {
  // Random bytes with some repetition fill all 8192 codes several times over.
  Bytes data = Random(300000, 5);
  for (size_t i = 0; i + 64 < data.size(); i += 1000) std::copy_n(data.begin(), 64, data.begin() + i);
  Bytes coded = ZIPPACK::Shrink(data.data(), data.size());
  DECODED d = Decode(1, 0, coded, data.size());
  EXPECT_TRUE(d.out == data);
}

TEST(Decoders, StoredSeventyThousandBytesGoOutInThreeWindowPieces) {
  Bytes data = Random(70000, 1);
  DECODED d = Decode(0, 0, data, data.size());
  EXPECT_EQ(d.pieces, (std::vector<size_t>{32768, 32768, 70000 - 65536}));
  EXPECT_EQ(d.crc, UNZIP::Crc32Update(0, data.data(), data.size()));
}

TEST(Decoders, ShannonFanoCodesFollowThePublishedExample) {
  // Lengths 3,3,3,3,3,2,4,4 give the bit-reversed codes 101 001 110 010 100 11 1000 0000.
  const uint8_t lengths[] = {3, 3, 3, 3, 3, 2, 4, 4};
  uint16_t codes[8];
  ASSERT_TRUE(UNZIP::ShannonFanoCodes(lengths, 8, codes));
  const uint16_t expected[] = {0b101, 0b001, 0b110, 0b010, 0b100, 0b11, 0b1000, 0b0000};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(codes[i], expected[i]) << "symbol " << i;
  const uint8_t oversubscribed[] = {1, 1, 1};
  EXPECT_FALSE(UNZIP::ShannonFanoCodes(oversubscribed, 3, codes));
}

TEST(Decoders, DeflatedDataThatEndsEarlyIsAnError) {
  Bytes data = Text(50000);
  Bytes coded = ZIPPACK::Deflate(data.data(), data.size());
  coded.resize(coded.size() / 2);
  DECODED d = Decode(8, 0, coded, data.size());
  EXPECT_EQ(d.status, 2);
  EXPECT_LT(d.out.size(), data.size());
}

TEST(Decoders, OutputNeverPassesTheDeclaredSize) {
  Bytes data = Text(100000);
  for (const CODEC& c : kCodecs) {
    if (c.method == 0) continue;  // stored copies its compressed size
    Bytes coded = c.encode(data);
    DECODED d = Decode(c.method, c.flags, coded, 1000);
    EXPECT_EQ(d.out.size(), 1000u) << c.name;
    EXPECT_TRUE(std::equal(d.out.begin(), d.out.end(), data.begin())) << c.name;
  }
}

TEST(Decoders, ALyingSizeWritesNoMoreThanTheDataHolds) {
  // A declared size far above the data: decoding stops where the data does.
  Bytes data = Text(20000);
  for (const CODEC& c : kCodecs) {
    if (c.method == 0) continue;
    Bytes coded = c.encode(data);
    DECODED d = Decode(c.method, c.flags, coded, 0xffffffffu);
    EXPECT_LE(d.out.size(), data.size() + 8192) << c.name;
    // Implode has no end code, so it notices the missing bytes; the others
    // end where their data does and leave the damage to the CRC check.
    if (c.method == 6) {
      EXPECT_EQ(d.status, 2) << c.name;
    }
    if (c.method == 8) {
      EXPECT_TRUE(d.out == data) << c.name;
    }
  }
}

TEST(Decoders, ImplodedDataShorterOrLongerThanDeclaredIsReported) {
  Bytes data = Text(30000);
  Bytes coded = ZIPPACK::Implode(data.data(), data.size(), 6);
  Bytes padded = coded;
  padded.resize(coded.size() + 10, 0);
  EXPECT_EQ(Decode(6, 6, padded, data.size()).status, 1);  // fewer bytes used than declared
  Bytes cut(coded.begin(), coded.begin() + static_cast<long>(coded.size() - 40));
  EXPECT_EQ(Decode(6, 6, cut, data.size()).status, 2);  // more needed than there are
}

TEST(Decoders, DamagedTreesAndUnknownMethods) {
  // An implode tree list that does not add up to 64 lengths.
  Bytes bad_tree = {0x00, 0x0f, 0x00, 0x0f};
  EXPECT_EQ(Decode(6, 0, bad_tree, 10).status, 2);
  // A dynamic deflate block whose literal/length code is incomplete.
  UNZIP::SetMessageSink([](int, const char* t, size_t n) { Messages().append(t, n); });
  Messages().clear();
  DECODED d = Decode(8, 0, IncompleteLiteralTree(), 10, UINT64_MAX, 0);
  UNZIP::SetMessageSink(nullptr);
  EXPECT_EQ(d.status, 2);
  EXPECT_EQ(Messages(), "(incomplete l-tree)  \n  error:  invalid compressed data for inflate format\n");
  EXPECT_EQ(Decode(9, 0, Bytes{1, 2, 3}, 3).status, 1);
}

}  // namespace
