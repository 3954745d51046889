// JPEG and PNG: round trips and refusal of what is not a picture.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi/codecs.h"

namespace {

using platform::DibImage;

DibImage Pattern(int width, int height) {
  DibImage image = DibImage::Blank(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = image.bits.data() + image.format.RowOffset(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(x * 255 / width);       // blue
      p[1] = static_cast<std::uint8_t>(y * 255 / height);      // green
      p[2] = static_cast<std::uint8_t>(128 + (x - y) / 4);     // red
    }
  }
  return image;
}

TEST(ImageCodec, JpegRoundTripStaysCloseToTheOriginal) {
  const DibImage original = Pattern(64, 48);
  const std::vector<std::uint8_t> file = platform::WriteJpeg(original, 95);
  ASSERT_GT(file.size(), 100u);
  EXPECT_EQ(file[0], 0xFF);
  EXPECT_EQ(file[1], 0xD8);
  const auto decoded = platform::ReadJpeg(file.data(), file.size());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->format.width, 64);
  EXPECT_EQ(decoded->format.height, 48);
  EXPECT_EQ(decoded->format.bitsPerPixel, 24);
  long long error = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      const platform::Pixel a = original.PixelAt(x, y), b = decoded->PixelAt(x, y);
      for (int shift : {0, 8, 16}) error += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    }
  }
  EXPECT_LT(static_cast<double>(error) / (64 * 48 * 3), 2.0);
}

TEST(ImageCodec, JpegDecoderRefusesGarbageAndTruncation) {
  std::string error;
  const std::uint8_t garbage[] = {1, 2, 3, 4, 5};
  EXPECT_FALSE(platform::ReadJpeg(garbage, sizeof(garbage), &error));
  EXPECT_FALSE(error.empty());
  const std::vector<std::uint8_t> file = platform::WriteJpeg(Pattern(16, 16));
  EXPECT_FALSE(platform::ReadJpeg(file.data(), 20, &error));
  // Cut inside the picture data: refused, not padded.
  const std::vector<std::uint8_t> big = platform::WriteJpeg(Pattern(64, 48));
  EXPECT_FALSE(platform::ReadJpeg(big.data(), big.size() - 40, &error));
}

TEST(ImageCodec, JpegHeaderClaimingAHugePictureIsRefusedBeforeDecoding) {
  std::vector<std::uint8_t> file = platform::WriteJpeg(Pattern(16, 16));
  // The start-of-frame segment holds the height and width after its precision byte.
  for (std::size_t i = 0; i + 8 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 5] = 0x7F, file[i + 6] = 0xFF, file[i + 7] = 0x7F, file[i + 8] = 0xFF;
      break;
    }
  }
  std::string error;
  EXPECT_FALSE(platform::ReadJpeg(file.data(), file.size(), &error));
  EXPECT_EQ(error, "picture size out of range");
}

TEST(ImageCodec, PngRoundTripIsExact) {
  const DibImage original = Pattern(33, 17);
  const std::vector<std::uint8_t> file = platform::WritePng(original);
  const auto decoded = platform::ReadPng(file.data(), file.size());
  ASSERT_TRUE(decoded);
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 33; ++x) ASSERT_EQ(decoded->PixelAt(x, y), original.PixelAt(x, y)) << x << "," << y;
  }
  EXPECT_FALSE(platform::ReadPng(file.data(), file.size() / 2));
}

}  // namespace
