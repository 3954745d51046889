#include <gtest/gtest.h>

#include "skin/SkinRead.h"
#include "skin_package_helpers.h"

namespace {

const char* const OlderSkinText = "This is Older Skin File\rPlease update to new version !";

std::string Text(TMemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

Bytes BytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A small skin as the skin loader sees one: bitmaps and one INI, names with
// capitals, brackets and double underscores.
std::vector<TSkinEntry> SampleEntries() {
  return {{"Tesmera-Metallic(5)__Buttons.bmp", BytesOf("BM buttons")},
          {"CheckBox.bmp", BytesOf("BM checkbox")},
          {"Empty.bmp", {}},
          {"Tesmera-Metallic.INI", BytesOf("[Colours]\r\ncBtnFace=0x00D4D0C8\r\n")}};
}

TSkinReader LoadedSample(std::int32_t version = SkinPackageVersion) {
  TMemoryStream package;
  WriteSkinPackage(SampleEntries(), package, version);
  TSkinReader reader;
  EXPECT_TRUE(reader.LoadPackage(package)) << reader.RejectReason();
  return reader;
}

TEST(SkinReader, ReadsEveryVersionWithItsBlockSize) {
  const std::pair<std::int32_t, int> versions[] = {{20000, 0},  {30000, 256}, {40000, 80},
                                                   {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& [version, blockSize] : versions) {
    const Bytes data = BytesOf("abcdefXYZ");
    TMemoryStream package = StreamOf(Compress(RawPackage(version, blockSize, "a.bmp\r\nb.ini\r\n", {6, 3}, data)));
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(package)) << version << ": " << reader.RejectReason();
    EXPECT_EQ(reader.Version(), version);
    ASSERT_EQ(reader.Count(), 2);
    TMemoryStream file;
    reader.GetFile("b.ini", file);
    EXPECT_EQ(Text(file), "XYZ") << version;
  }
}

TEST(SkinReader, LooksUpNamesWithoutRegardToCase) {
  const TSkinReader reader = LoadedSample();
  ASSERT_EQ(reader.Count(), 4);
  EXPECT_EQ(reader.Names()[0], "tesmera-metallic(5)__buttons.bmp");
  EXPECT_EQ(reader.Size(1), 11);

  TMemoryStream upper, lower;
  upper.WriteBuffer("stale", 5);
  reader.GetFile("CheckBox.bmp", upper);
  reader.GetFile("checkbox.bmp", lower);
  EXPECT_EQ(Text(upper), "BM checkbox");
  EXPECT_EQ(Text(lower), "BM checkbox");
  EXPECT_EQ(upper.Position(), 0);

  TMemoryStream missing;
  missing.WriteBuffer("stale", 5);
  reader.GetFile("missing.bmp", missing);
  EXPECT_EQ(missing.Size(), 0);
  reader.GetFile("empty.bmp", missing);
  EXPECT_EQ(missing.Size(), 0);
}

TEST(SkinReader, FindsTheFirstNameContainingAPart) {
  const TSkinReader reader = LoadedSample();
  TMemoryStream ini;
  EXPECT_EQ(reader.FindFile(".ini", ini), "tesmera-metallic.ini");
  EXPECT_EQ(Text(ini), "[Colours]\r\ncBtnFace=0x00D4D0C8\r\n");
  EXPECT_EQ(ini.Position(), 0);

  TMemoryStream first;
  EXPECT_EQ(reader.FindFile("tesmera", first), "tesmera-metallic(5)__buttons.bmp");
  // Names are lower-cased and the part is not: an upper-case part never matches.
  TMemoryStream none;
  none.WriteBuffer("stale", 5);
  EXPECT_EQ(reader.FindFile(".INI", none), ".INI");
  EXPECT_EQ(none.Size(), 0);
}

TEST(SkinReader, FirstOfEqualNamesWinsAndTrailingDataIsKept) {
  // The data part runs to the end of the package, beyond the sizes' sum.
  TMemoryStream package = StreamOf(Compress(RawPackage(70000, 69, "A.bmp\r\na.bmp", {2, 3}, BytesOf("xxyyyzzzz"))));
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(package));
  TMemoryStream file;
  reader.GetFile("a.bmp", file);
  EXPECT_EQ(Text(file), "xx");
}

TEST(SkinReader, RefusesUnknownVersionsWithTheOlderSkinBox) {
  MessageBoxRecorder boxes;
  TMemoryStream package = StreamOf(Compress(RawPackage(10000, 0, "a.bmp\r\n", {1}, BytesOf("x"))));
  TSkinReader reader;
  EXPECT_FALSE(reader.LoadPackage(package));
  EXPECT_EQ(reader.Count(), 0);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0], OlderSkinText);

  // U = 0: nothing decompresses, the header stays zero, version 0 is refused.
  TMemoryStream empty = StreamOf({0, 0, 0, 0});
  EXPECT_FALSE(reader.LoadPackage(empty));
  EXPECT_EQ(reader.Version(), 0);
  EXPECT_EQ(boxes.Texts().size(), 2u);
}

TEST(SkinReader, RefusesDamagedPackagesQuietly) {
  MessageBoxRecorder boxes;
  const Bytes data = BytesOf("abcdef");
  std::string manyNames;
  for (int i = 0; i <= MaxSkinEntries; ++i) manyNames += "n" + std::to_string(i) + "\r\n";
  const std::vector<std::int32_t> manySizes(MaxSkinEntries + 1, 0);
  const auto withNamesLength = [](Bytes raw, std::uint8_t low, std::uint8_t high) {
    raw[4] = low;
    raw[5] = raw[6] = raw[7] = high;
    return raw;
  };
  struct Damage {
    const char* what;
    Bytes package;
    const char* reason;
  };
  const Damage damaged[] = {
      {"size field cut", {0x10, 0x00}, "4-byte size"},
      {"negative size", Compress(BytesOf("whatever"), 0x80000000u), "is negative"},
      {"absurd size", Compress(BytesOf("whatever"), MaxSkinPackageSize + 1), "is larger than"},
      {"header cut", Compress(Bytes{0x70, 0x11, 0x01, 0x00, 0x00}), "inside its header"},
      {"version block cut", Compress(RawPackage(30000, 100, "", {}, {})), "inside its version block"},
      {"negative names length", Compress(withNamesLength(RawPackage(20000, 0, "", {}, {}), 0xFF, 0xFF)),
       "names length -1 is negative"},
      {"names past the end", Compress(withNamesLength(RawPackage(20000, 0, "a.bmp", {}, {}), 50, 0)),
       "runs past the end"},
      {"sizes cut", Compress(RawPackage(20000, 0, "a.bmp\r\nb.bmp", {6}, {})), "table of sizes"},
      {"negative entry size", Compress(RawPackage(20000, 0, "a.bmp\r\nb.bmp", {-1, 6}, data)),
       "entry 0 has a negative size"},
      {"sizes past the data", Compress(RawPackage(20000, 0, "a.bmp\r\nb.bmp", {3, 4}, data)),
       "more than the 6 bytes of data"},
      {"too many entries", Compress(RawPackage(20000, 0, manyNames, manySizes, {})), "1002 entries"},
  };
  for (const auto& [what, raw, reason] : damaged) {
    TSkinReader reader = LoadedSample();
    TMemoryStream package = StreamOf(raw);
    EXPECT_FALSE(reader.LoadPackage(package)) << what;
    EXPECT_EQ(reader.Count(), 0) << what;
    EXPECT_NE(reader.RejectReason().find(reason), std::string::npos) << what << ": " << reader.RejectReason();
    TMemoryStream file;
    reader.GetFile("a.bmp", file);
    EXPECT_EQ(file.Size(), 0) << what;
  }
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST(SkinReader, AcceptsTheLargestDirectory) {
  std::string names;
  for (int i = 0; i < MaxSkinEntries; ++i) names += "n" + std::to_string(i) + ".bmp\r\n";
  std::vector<std::int32_t> sizes(MaxSkinEntries, 1);
  const Bytes data(MaxSkinEntries, 0x42);
  TMemoryStream package = StreamOf(Compress(RawPackage(70000, 69, names, sizes, data)));
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(package)) << reader.RejectReason();
  EXPECT_EQ(reader.Count(), MaxSkinEntries);
}

TEST(SkinReader, TruncatedPackagesLoadWithPaddedData) {
  std::vector<TSkinEntry> entries = SampleEntries();
  entries.push_back({"big.bmp", Bytes(50000, 0)});
  for (std::size_t i = 0; i < 50000; ++i) entries.back().Data[i] = static_cast<std::uint8_t>(i * 7 % 251);
  TMemoryStream whole;
  WriteSkinPackage(entries, whole);
  const Bytes cut(whole.Memory(), whole.Memory() + whole.Size() * 3 / 4);
  TMemoryStream package = StreamOf(cut);
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(package));
  TMemoryStream ini, big;
  reader.FindFile(".ini", ini);
  EXPECT_EQ(Text(ini), "[Colours]\r\ncBtnFace=0x00D4D0C8\r\n");
  reader.GetFile("big.bmp", big);
  EXPECT_EQ(big.Size(), 50000);
}

TEST(SkinReader, WriterRefusesWhatTheReaderCouldNotRead) {
  TMemoryStream out;
  EXPECT_THROW(WriteSkinPackage({{"a\r\nb.bmp", {}}}, out), Exception);
  EXPECT_THROW(WriteSkinPackage({{"", {}}}, out), Exception);
  EXPECT_THROW(WriteSkinPackage({{"a.bmp", {}}}, out, 10000), Exception);
  EXPECT_EQ(out.Size(), 0);
}

}  // namespace
