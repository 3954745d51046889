// skinshot's picture and pointer: the alpha follows the window region pixel
// for pixel, and a hovered or pressed caption button gets the pointer at its
// centre, the press let go away from it once the picture is taken.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>

#include "frame_skin_helpers.h"
#include "platform/gdi/codecs.h"
#include "skin/engine/engine_fixture.h"
#include "skinshot.h"
#include "support/golden.h"

namespace skintest {
namespace {

struct Rgba {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  const std::uint8_t* At(int x, int y) const { return pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4; }
};

Rgba ReadRgba(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Rgba result;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return result;
  image.format = PNG_FORMAT_RGBA;
  result.pixels.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr)) {
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
  }
  return result;
}

class SkinshotTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    LoadMainSkin();
    form = ShowForm(TFormBorderStyle::bsSizeable, 300, 200);
    Settle(300);
    window = form->Handle();
    // One file per test: the cases run in parallel processes.
    options.out = ::testing::TempDir() + "skinshot_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".png";
    std::remove(options.out.c_str());
  }

  // The window's visible caption button of that action.
  TWinSysButton* ButtonOf(int action) {
    for (const auto& b : SkinFormOf(window)->FButtons) {
      if (b->FModel->Action == action && b->FVisible) return b.get();
    }
    return nullptr;
  }

  POINT ScreenCentreOf(const TWinSysButton& button) const {
    const RECT r = WindowRectOf(window);
    return POINT{r.left + (button.FRect.left + button.FRect.right) / 2, r.top + (button.FRect.top + button.FRect.bottom) / 2};
  }

  TForm* form = nullptr;
  HWND window = nullptr;
  skinshot::Options options;
};

TEST_F(SkinshotTest, AlphaIsTheWindowRegionAndColoursAreThePresentedPixels) {
  ASSERT_EQ(skinshot::Shoot(window, options), skinshot::kWritten);
  const Rgba picture = ReadRgba(options.out);
  const RECT r = WindowRectOf(window);
  ASSERT_EQ(picture.width, r.right - r.left);
  ASSERT_EQ(picture.height, r.bottom - r.top);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR) << "the skin shapes the window";
  const auto presented = platform::display::headless::WindowImage(window);
  ASSERT_TRUE(presented);
  int outside = 0, wrong = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const bool inside = PtInRegion(region, x, y) != FALSE;
      outside += inside ? 0 : 1;
      const std::uint8_t* p = picture.At(x, y);
      const platform::Pixel q = presented->PixelAt(x, y);
      const bool same = p[0] == ((q >> 16) & 0xFF) && p[1] == ((q >> 8) & 0xFF) && p[2] == (q & 0xFF);
      if (p[3] != (inside ? 255 : 0) || !same) ++wrong;
    }
  }
  DeleteObject(region);
  EXPECT_GT(outside, 0) << "the skin's corners are cut";
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(picture.At(0, 0)[3], 0);
  EXPECT_EQ(picture.At(picture.width / 2, picture.height / 2)[3], 255);
}

TEST_F(SkinshotTest, AWindowWithoutRegionIsOpaque) {
  const HWND plain = ShowForm(TFormBorderStyle::bsNone, 120, 80)->Handle();
  Settle(300);
  ASSERT_EQ(skinshot::Shoot(plain, options), skinshot::kWritten);
  const Rgba picture = ReadRgba(options.out);
  ASSERT_EQ(picture.width, 120);
  int transparent = 0;
  for (std::size_t i = 3; i < picture.pixels.size(); i += 4) transparent += picture.pixels[i] == 0 ? 1 : 0;
  EXPECT_EQ(transparent, 0);
}

TEST_F(SkinshotTest, HoverMakesTheButtonUnderThePointerHot) {
  const TWinSysButton* button = ButtonOf(0);
  ASSERT_NE(button, nullptr);
  options.hover = 0;
  ASSERT_EQ(skinshot::Shoot(window, options), skinshot::kWritten);
  const POINT centre = ScreenCentreOf(*button);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor.x, centre.x);
  EXPECT_EQ(cursor.y, centre.y);
  EXPECT_EQ(button->FMouseState, 3);
  EXPECT_EQ(SkinFormOf(window)->FHotObject, button);
  EXPECT_EQ(ReadRgba(options.out).width, WindowRectOf(window).right - WindowRectOf(window).left);
}

TEST_F(SkinshotTest, PressIsShotAndLetGoAwayFromTheButtonWithoutItsAction) {
  const TWinSysButton* button = ButtonOf(0);
  ASSERT_NE(button, nullptr);
  const RECT r = WindowRectOf(window);
  const RECT onScreen{r.left + button->FRect.left, r.top + button->FRect.top, r.left + button->FRect.right,
                      r.top + button->FRect.bottom};
  options.press = 0;
  ASSERT_EQ(skinshot::Shoot(window, options), skinshot::kWritten);
  Settle(300);
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON) & 0x8000, 0) << "the button was let go";
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(IsWindow(window) && IsWindowVisible(window)) << "the close button's press did nothing";
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_FALSE(PtInRect(&onScreen, cursor)) << "let go away from the button";
  EXPECT_EQ(ReadRgba(options.out).width, r.right - r.left);
}

TEST_F(SkinshotTest, AHiddenButtonIsRefusedWithoutAPicture) {
  options.hover = 7;  // the MDI child buttons show only in an MDI frame
  EXPECT_EQ(skinshot::Shoot(window, options), skinshot::kFailed);
  EXPECT_EQ(std::fopen(options.out.c_str(), "rb"), nullptr);
}

// The skinshot program on a package whose side pictures have magenta corners:
// its picture is transparent exactly where the window region leaves pixels out.
TEST(SkinshotProgram, APackageWithMagentaCornersGivesAPictureTransparentExactlyOutsideTheRegion) {
  const std::string package = ::testing::TempDir() + "skinshot_magenta_corners.skn";
  const std::string out = ::testing::TempDir() + "skinshot_magenta_corners.png";
  {
    const Bytes bytes = MiniFrameSkinPackage();
    FILE* file = std::fopen(package.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  std::remove(out.c_str());
  const std::string command = std::string("DISPLAY= \"") + SKINSHOT_PROGRAM + "\" --skin \"" + package + "\" \"" + out + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const Rgba picture = ReadRgba(out);
  ASSERT_EQ(picture.width, 320);
  ASSERT_EQ(picture.height, 240);
  const PixelSet transparent = TransparentFramePixels(picture.width, picture.height);
  int wrong = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const int expected = transparent.count({x, y}) ? 0 : 255;
      if (picture.At(x, y)[3] != expected) {
        ++wrong;
        ADD_FAILURE() << "alpha " << int(picture.At(x, y)[3]) << " at " << x << "," << y;
        if (wrong > 10) return;
      }
    }
  }
  // The colours are the picture's: the golden shows the frame of the mini skin.
  const auto bytes = platform::ReadFileBytes(out);
  ASSERT_TRUE(bytes);
  const auto image = platform::ReadPng(bytes->data(), bytes->size());
  ASSERT_TRUE(image);
  EXPECT_TRUE(brellis::test::MatchesGolden(*image, "skin/frame_magenta_corners", {48, 40}));
  std::remove(package.c_str());
}

}  // namespace
}  // namespace skintest
