#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "lzh_reference.h"
#include "skin/SkinRead.h"
#include "skin/SkinReadLzhTree.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes RandomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(random());
  return out;
}

// Text-like, run-heavy and random stretches mixed, so literals, short and
// long matches and far positions all occur.
Bytes MixedBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  const std::string words[] = {"[Colours]\r\n", "TopHeight=9\r\n", "checkbox.bmp", "0x00FF00FF", "; comment\r\n"};
  Bytes out;
  while (out.size() < size) {
    switch (random() % 4) {
      case 0: {
        const std::string& w = words[random() % 5];
        out.insert(out.end(), w.begin(), w.end());
        break;
      }
      case 1:
        out.insert(out.end(), 1 + random() % 200, static_cast<std::uint8_t>(random()));
        break;
      case 2:
        for (int i = random() % 64; i > 0; --i) out.push_back(static_cast<std::uint8_t>(random()));
        break;
      default:
        if (out.size() > 5000) {
          const std::size_t from = out.size() - 1 - random() % 5000;
          const std::size_t length = 1 + random() % 100;
          for (std::size_t i = 0; i < length; ++i) out.push_back(out[from + i]);
        }
    }
  }
  out.resize(size);
  return out;
}

void ExpectRoundTrip(const Bytes& data) {
  const Bytes packed = LzhPackBytes(data);
  const Bytes unpacked = LzhUnpackBytes(packed, static_cast<std::int64_t>(data.size()));
  ASSERT_EQ(unpacked.size(), data.size());
  EXPECT_TRUE(unpacked == data);
  EXPECT_TRUE(ReferenceUnpack(packed, static_cast<std::int64_t>(data.size())) == data);
}

TEST(Lzh, RoundTripsSmallAndSpecialInputs) {
  ExpectRoundTrip({});
  ExpectRoundTrip({0x41});
  Bytes all(256);
  for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  ExpectRoundTrip(all);
  ExpectRoundTrip(Bytes(100000, 0x20));  // runs on from the initial blanks
  ExpectRoundTrip(Bytes(100000, 0xFF));
  Bytes steps;
  for (int i = 0; i < 5000; ++i) steps.insert(steps.end(), 61 + i % 7, static_cast<std::uint8_t>(i));
  ExpectRoundTrip(steps);
}

TEST(Lzh, RoundTripsLargeMixedData) { ExpectRoundTrip(MixedBytes(300 * 1024, 7)); }

TEST(Lzh, RoundTripsThroughTreeRebuilds) {
  // Every symbol counts once at the root, and the tree is rebuilt (halved)
  // whenever the root reaches 0x8000: 120,000 mostly literal symbols pass
  // through several rebuilds.
  ExpectRoundTrip(RandomBytes(120000, 11));
}

TEST(Lzh, CompressesRepetitiveDataAndKeepsRandomDataNearItsSize) {
  EXPECT_LT(LzhPackBytes(Bytes(200000, 0x80)).size(), 5000u);
  const Bytes random = RandomBytes(50000, 3);
  EXPECT_LT(LzhPackBytes(random).size(), random.size() + random.size() / 8);
}

TEST(Lzh, DecoderAgreesWithThePlainDecoderOnArbitraryStreams) {
  // Any bytes are a valid stream. Garbage decodes to long stretches of
  // matches, through several tree rebuilds, and past the end of the input
  // into zero bits; both decoders must produce the same bytes, including the
  // overshoot of a last match that runs past the count.
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    const Bytes stream = RandomBytes(1000 * seed * seed, seed);
    const std::int64_t count = 300000 + seed * 77;
    const Bytes ours = LzhUnpackBytes(stream, count);
    EXPECT_GE(static_cast<std::int64_t>(ours.size()), count);
    EXPECT_LT(static_cast<std::int64_t>(ours.size()), count + lzh::LongestMatch);
    EXPECT_TRUE(ours == ReferenceUnpack(stream, count)) << "seed " << seed;
  }
}

// Every package the fuzzer keeps and the embedded skin's package: the size
// field (capped, as damaged sizes can be huge) and the stream after it.
TEST(Lzh, DecoderAgreesWithThePlainDecoderOnCorpusAndEmbeddedPackages) {
  std::vector<std::filesystem::path> inputs{LZH_EMBEDDED_PACKAGE};
  for (const auto& entry : std::filesystem::directory_iterator(LZH_PACKAGE_CORPUS)) inputs.push_back(entry.path());
  ASSERT_GT(inputs.size(), 5u);
  for (const std::filesystem::path& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    ASSERT_TRUE(file) << input;
    const Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::int64_t count = 0;
    for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i) count |= std::int64_t{bytes[i]} << (8 * i);
    count = std::min<std::int64_t>(count, 1 << 20);
    const std::span<const std::uint8_t> stream =
        bytes.size() > 4 ? std::span<const std::uint8_t>(bytes).subspan(4) : std::span<const std::uint8_t>();
    EXPECT_TRUE(LzhUnpackBytes(stream, count) == ReferenceUnpack(stream, count)) << input;
  }
}

TEST(Lzh, TruncatedStreamsGoOnWithZeroBits) {
  const Bytes data = MixedBytes(20000, 5);
  Bytes packed = LzhPackBytes(data);
  packed.resize(packed.size() / 2);
  const Bytes unpacked = LzhUnpackBytes(packed, static_cast<std::int64_t>(data.size()));
  ASSERT_GE(unpacked.size(), data.size());
  EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, unpacked.begin()));
  EXPECT_TRUE(unpacked == ReferenceUnpack(packed, static_cast<std::int64_t>(data.size())));
}

TEST(Lzh, EmptyInputDecodesAsZeroBits) {
  // From the fresh tree, all-zero bits name the symbol on the first-child path
  // every time; the output is whatever that gives, without reading anything.
  const Bytes out = LzhUnpackBytes({}, 1000);
  EXPECT_GE(out.size(), 1000u);
  EXPECT_TRUE(out == ReferenceUnpack({}, 1000));
  EXPECT_TRUE(LzhUnpackBytes({}, 0).empty());
  EXPECT_TRUE(LzhUnpackBytes({}, -5).empty());
}

TEST(Lzh, CallbacksMayDeliverOneByteAtATime) {
  const Bytes data = MixedBytes(30000, 9);
  const Bytes packed = LzhPackBytes(data);
  std::size_t next = 0;
  Bytes out;
  TLZH().Unpack(
      static_cast<std::int64_t>(data.size()),
      [&](std::uint8_t* buffer, int) {
        if (next == packed.size()) return 0;
        *buffer = packed[next++];
        return 1;
      },
      [&](const std::uint8_t* buffer, int count) { out.insert(out.end(), buffer, buffer + count); });
  EXPECT_TRUE(out == data);
}

TEST(Lzh, PositionTableFollowsTheBands) {
  const lzh::PositionTables& t = lzh::Positions();
  const std::pair<int, int> upperAndLength[][2] = {{{0x00, 0}, {3, 3}},  {{0x1F, 0}, {3, 3}},  {{0x20, 1}, {4, 4}},
                                                   {{0x4F, 3}, {4, 4}},  {{0x50, 4}, {5, 5}},  {{0x8F, 11}, {5, 5}},
                                                   {{0x90, 12}, {6, 6}}, {{0xBF, 23}, {6, 6}}, {{0xC0, 24}, {7, 7}},
                                                   {{0xEF, 47}, {7, 7}}, {{0xF0, 48}, {8, 8}}, {{0xFF, 63}, {8, 8}}};
  for (const auto& row : upperAndLength) {
    const int byte = row[0].first;
    EXPECT_EQ(t.upper[static_cast<std::size_t>(byte)], row[0].second) << byte;
    EXPECT_EQ(t.length[static_cast<std::size_t>(byte)], row[1].first) << byte;
  }
  // Each upper value's code is the first byte value that names it.
  for (int upper = 0; upper < 64; ++upper) {
    EXPECT_EQ(t.upper[t.code[static_cast<std::size_t>(upper)]], upper);
    EXPECT_EQ(t.length[t.code[static_cast<std::size_t>(upper)]], t.codeLength[static_cast<std::size_t>(upper)]);
  }
}

}  // namespace
