#include "support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace brellis::test {

std::string SourcePath(const std::string& relative) { return std::string(BRELLIS_SOURCE_DIR) + "/" + relative; }

std::string GoldenPath(const std::string& name) { return SourcePath("tests/data/golden/" + name + ".png"); }

namespace {

// Every picture is compared as 32-bit pixels, whatever its layout.
platform::DibImage AsPixels(const platform::DibImage& image) {
  platform::DibImage result = platform::DibImage::Blank(image.format.width, image.format.height, 32);
  for (int y = 0; y < image.format.height; ++y) {
    platform::ReadDibRow(image.format, image.bits.data() + image.format.RowOffset(y), 0, image.format.width,
                         reinterpret_cast<platform::Pixel*>(result.bits.data() + result.format.RowOffset(y)));
  }
  return result;
}

std::string ActualPath(const std::string& name) { return SourcePath("tests/data/golden/" + name + ".actual.png"); }

}  // namespace

::testing::AssertionResult MatchesGolden(const platform::DibImage& actual, const std::string& name,
                                         GoldenTolerance tolerance) {
  const std::string expectedPath = GoldenPath(name);
  const std::string actualPath = ActualPath(name);
  const auto bytes = platform::ReadFileBytes(expectedPath);
  if (!bytes) {
    if (std::getenv("BRELLIS_UPDATE_GOLDEN") != nullptr) {
      std::filesystem::create_directories(std::filesystem::path(expectedPath).parent_path());
      platform::WriteFileBytes(expectedPath, platform::WritePng(actual));
      return ::testing::AssertionSuccess() << "wrote new golden picture " << expectedPath;
    }
    platform::WriteFileBytes(actualPath, platform::WritePng(actual));
    return ::testing::AssertionFailure() << "no golden picture " << expectedPath << "; actual picture written to "
                                         << actualPath;
  }
  const auto expected = platform::ReadPng(bytes->data(), bytes->size());
  if (!expected) return ::testing::AssertionFailure() << "golden picture " << expectedPath << " is not a readable PNG";
  const platform::DibImage a = AsPixels(actual), e = AsPixels(*expected);
  std::ostringstream problem;
  if (a.format.width != e.format.width || a.format.height != e.format.height) {
    problem << "size " << a.format.width << "x" << a.format.height << " differs from the golden "
            << e.format.width << "x" << e.format.height;
  } else {
    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < a.format.height; ++y) {
      for (int x = 0; x < a.format.width; ++x) {
        const platform::Pixel p = a.PixelAt(x, y) & 0xFFFFFF, q = e.PixelAt(x, y) & 0xFFFFFF;
        int worst = 0;
        for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)));
        if (worst > tolerance.channel) {
          if (differing++ == 0) {
            firstX = x;
            firstY = y;
          }
        }
      }
    }
    if (differing > tolerance.pixels) {
      problem << differing << " pixels differ, the first at (" << firstX << ", " << firstY << "): actual 0x" << std::hex
              << (a.PixelAt(firstX, firstY) & 0xFFFFFF) << ", golden 0x" << (e.PixelAt(firstX, firstY) & 0xFFFFFF);
    }
  }
  if (problem.str().empty()) {
    std::filesystem::remove(actualPath);
    return ::testing::AssertionSuccess();
  }
  platform::WriteFileBytes(actualPath, platform::WritePng(actual));
  return ::testing::AssertionFailure() << name << ": " << problem.str() << "; actual picture written to " << actualPath;
}

}  // namespace brellis::test
