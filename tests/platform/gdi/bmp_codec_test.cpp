// The BMP reader and writer: files written by an outside tool in each
// layout, round trips through our writer, run-length codes, and malformed
// files that must be refused without reading past their end.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/gdi/codecs.h"
#include "platform/gdi/gdi.h"
#include "support/golden.h"

namespace {

using platform::DibImage;

std::string DataPath(const std::string& name) { return brellis::test::SourcePath("tests/platform/gdi/data/" + name); }

DibImage LoadBmp(const std::string& name) {
  const auto bytes = platform::ReadFileBytes(DataPath(name));
  EXPECT_TRUE(bytes.has_value()) << name;
  std::string error;
  auto image = platform::ReadBmp(bytes->data(), bytes->size(), &error);
  EXPECT_TRUE(image.has_value()) << name << ": " << error;
  return image.value_or(DibImage::Blank(1, 1, 32));
}

void ExpectSamePixels(const DibImage& actual, const DibImage& expected, const std::string& what) {
  ASSERT_EQ(actual.format.width, expected.format.width) << what;
  ASSERT_EQ(actual.format.height, expected.format.height) << what;
  for (int y = 0; y < actual.format.height; ++y) {
    for (int x = 0; x < actual.format.width; ++x) {
      ASSERT_EQ(actual.PixelAt(x, y) & 0xFFFFFF, expected.PixelAt(x, y) & 0xFFFFFF) << what << " at " << x << "," << y;
    }
  }
}

TEST(BmpCodec, ReadsEveryLayoutAnOutsideToolWrites) {
  // Each file was written by ImageMagick, and each reference picture was
  // decoded from that file by ImageMagick too.
  const struct {
    const char* file;
    int bitsPerPixel;
    DWORD compression;
  } kFiles[] = {{"mono", 1, BI_RGB},      {"pal4", 4, BI_RGB},       {"pal8", 8, BI_RGB},
                {"rle8", 8, BI_RLE8},     {"rgb555", 16, BI_BITFIELDS}, {"rgb565", 16, BI_BITFIELDS},
                {"rgb24", 24, BI_RGB},    {"rgb32", 32, BI_BITFIELDS}};
  for (const auto& file : kFiles) {
    SCOPED_TRACE(file.file);
    const DibImage image = LoadBmp(std::string(file.file) + ".bmp");
    EXPECT_EQ(image.format.bitsPerPixel, file.bitsPerPixel);
    const auto reference = platform::ReadFileBytes(DataPath(std::string(file.file) + ".reference.png"));
    ASSERT_TRUE(reference);
    const auto expected = platform::ReadPng(reference->data(), reference->size());
    ASSERT_TRUE(expected);
    ExpectSamePixels(image, *expected, file.file);
  }
}

TEST(BmpCodec, WriterRoundTripsEveryDepthAndBothRowOrders) {
  std::mt19937 random(99);
  for (int bpp : {1, 4, 8, 16, 24, 32}) {
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(bpp * 10 + topDown);
      std::vector<RGBQUAD> palette;
      if (bpp <= 8) {
        for (int i = 0; i < (1 << bpp); ++i) {
          palette.push_back(RGBQUAD{static_cast<BYTE>(random()), static_cast<BYTE>(random()), static_cast<BYTE>(random()), 0});
        }
      }
      DibImage image = DibImage::Blank(11, 5, bpp, palette);
      image.format.topDown = topDown;
      for (auto& byte : image.bits) byte = static_cast<std::uint8_t>(random());
      if (bpp == 32) {
        for (std::size_t i = 3; i < image.bits.size(); i += 4) image.bits[i] = 0;
      }
      const std::vector<std::uint8_t> file = platform::WriteBmp(image);
      const auto back = platform::ReadBmp(file.data(), file.size());
      ASSERT_TRUE(back);
      EXPECT_EQ(back->format.topDown, topDown);
      ExpectSamePixels(*back, image, "round trip");
    }
  }
}

TEST(BmpCodec, RunLengthCodesRoundTripAndDecodeDeltasAndAbsoluteRuns) {
  std::mt19937 random(5);
  for (DWORD compression : {BI_RLE8, BI_RLE4}) {
    const int bpp = compression == BI_RLE8 ? 8 : 4;
    std::vector<RGBQUAD> palette;
    for (int i = 0; i < (1 << bpp); ++i) palette.push_back(RGBQUAD{static_cast<BYTE>(i * 15), 0, static_cast<BYTE>(255 - i), 0});
    DibImage image = DibImage::Blank(37, 9, bpp, palette);
    // Runs and noise mixed, so both encoded and absolute modes are used.
    for (int y = 0; y < 9; ++y) {
      std::vector<platform::Pixel> row(37);
      for (int x = 0; x < 37; ++x) {
        const int index = (x / 5 + y) % 3 == 0 ? static_cast<int>(random() % palette.size()) : (y + x / 7) % static_cast<int>(palette.size());
        row[static_cast<std::size_t>(x)] = (palette[static_cast<std::size_t>(index)].rgbRed << 16) | palette[static_cast<std::size_t>(index)].rgbBlue;
      }
      platform::WriteDibRow(image.format, image.bits.data() + image.format.RowOffset(y), 0, 37, row.data());
    }
    const std::vector<std::uint8_t> file = platform::WriteBmp(image, compression);
    const auto back = platform::ReadBmp(file.data(), file.size());
    ASSERT_TRUE(back) << bpp;
    ExpectSamePixels(*back, image, "run-length round trip");
  }
  // Hand-written codes: a run, a delta, an absolute run, end of line, end.
  platform::DibFormat format;
  format.width = 6;
  format.height = 2;
  format.bitsPerPixel = 8;
  const std::uint8_t codes[] = {2, 7, 0, 2, 1, 1, 0, 3, 1, 2, 3, 0, 0, 1};
  std::vector<std::uint8_t> bits(format.ImageSize(), 0xEE);
  ASSERT_TRUE(platform::DecodeRle(format, BI_RLE8, codes, sizeof(codes), bits.data()));
  // Memory row 0 is the bottom row: 7 7 then a delta to (3, 1).
  EXPECT_EQ(bits[0], 7);
  EXPECT_EQ(bits[1], 7);
  const std::uint8_t* top = bits.data() + format.Stride();
  EXPECT_EQ(top[3], 1);
  EXPECT_EQ(top[4], 2);
  EXPECT_EQ(top[5], 3);
  // An absolute run longer than the data is refused.
  const std::uint8_t broken[] = {0, 9, 1, 2};
  EXPECT_FALSE(platform::DecodeRle(format, BI_RLE8, broken, sizeof(broken), bits.data()));
}

TEST(BmpCodec, TruncatedAndInconsistentFilesAreRefused) {
  const auto bytes = platform::ReadFileBytes(DataPath("pal8.bmp"));
  ASSERT_TRUE(bytes);
  for (std::size_t size = 0; size < bytes->size(); ++size) {
    EXPECT_FALSE(platform::ReadBmp(bytes->data(), size).has_value()) << size;
  }
  auto patched = [&](std::size_t offset, std::uint32_t value, std::size_t width) {
    std::vector<std::uint8_t> copy = *bytes;
    for (std::size_t i = 0; i < width; ++i) copy[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    std::string error;
    EXPECT_FALSE(platform::ReadBmp(copy.data(), copy.size(), &error).has_value()) << offset;
    EXPECT_FALSE(error.empty());
  };
  patched(18, 0x7FFFFFFF, 4);  // width
  patched(22, 0x80000000, 4);  // height INT_MIN
  patched(28, 7, 2);           // bit depth
  patched(30, 9, 4);           // compression
  patched(14, 41, 4);          // header size
  patched(10, 0xFFFFFF, 4);    // pixel offset
  patched(26, 2, 2);           // planes
}

TEST(BmpCodec, MalformedRegressionInputsAreRefusedOrReadSafely) {
  // Inputs a fuzzer found or that were written by hand to break the reader.
  const std::filesystem::path folder = brellis::test::SourcePath("tests/data/malformed/bmp");
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const auto bytes = platform::ReadFileBytes(entry.path().string());
    ASSERT_TRUE(bytes);
    std::string error;
    const auto image = platform::ReadBmp(bytes->data(), bytes->size(), &error);
    if (image) {
      EXPECT_EQ(image->bits.size(), image->format.ImageSize()) << entry.path();
    } else {
      EXPECT_FALSE(error.empty()) << entry.path();
    }
    ++count;
  }
  EXPECT_GT(count, 0);
}

TEST(BmpCodec, ImagesBecomeDibSectionsAndBack) {
  const DibImage image = LoadBmp("pal4.bmp");
  HBITMAP bitmap = platform::CreateBitmapFromImage(image);
  ASSERT_NE(bitmap, nullptr);
  DIBSECTION ds{};
  GetObjectW(bitmap, sizeof(ds), &ds);
  EXPECT_EQ(ds.dsBm.bmBitsPixel, 4);
  const auto back = platform::ImageFromBitmap(bitmap);
  ASSERT_TRUE(back);
  ExpectSamePixels(*back, image, "bitmap");
  DeleteObject(bitmap);
}

}  // namespace
