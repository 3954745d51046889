// The bitmap utilities: key colour, mirror, flip, rotations, colour mixing,
// saturation and the gradient cache.
#include <gtest/gtest.h>

#include <set>

#include "skin/controls/imgutil.h"
#include "support/canvas.h"

namespace {

using brellis::test::Canvas;

// A 3 × 2 picture in 24 bits: each pixel a different colour.
void PaintSample(TBitmap& picture) {
  picture.SetPixelFormat(TPixelFormat::pf24bit);
  picture.SetSize(3, 2);
  const TColor colours[2][3] = {{clRed, clLime, clBlue}, {clYellow, clFuchsia, clAqua}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) picture.Canvas()->SetPixels(x, y, colours[y][x]);
  }
}

TColor At(TBitmap& picture, int x, int y) { return picture.Canvas()->Pixels(x, y); }

TEST(ImgUtil, ReplaceKeyColourConvertsTo24BitsAndReplacesOnlyExactMagenta) {
  TBitmap picture;
  picture.SetPixelFormat(TPixelFormat::pf8bit);
  picture.SetSize(2, 1);
  picture.Canvas()->SetPixels(0, 0, clFuchsia);
  picture.Canvas()->SetPixels(1, 0, RGB(255, 0, 204));  // near magenta, in the default palette
  ASSERT_EQ(At(picture, 1, 0), static_cast<TColor>(RGB(255, 0, 204)));
  ReplaceKeyColour(&picture, RGB(10, 20, 30));
  EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(At(picture, 0, 0), static_cast<TColor>(RGB(10, 20, 30)));
  EXPECT_EQ(At(picture, 1, 0), static_cast<TColor>(RGB(255, 0, 204)));
  // Red 254 is not the key colour.
  picture.Canvas()->SetPixels(1, 0, RGB(254, 0, 255));
  ReplaceKeyColour(&picture, clBlack);
  EXPECT_EQ(At(picture, 1, 0), static_cast<TColor>(RGB(254, 0, 255)));
}

TEST(ImgUtil, MirrorAndFlipMovePixelsInPlace) {
  TBitmap picture;
  PaintSample(picture);
  MirrorPicture(&picture);
  EXPECT_EQ(At(picture, 0, 0), clBlue);
  EXPECT_EQ(At(picture, 2, 0), clRed);
  EXPECT_EQ(At(picture, 1, 1), clFuchsia);
  FlipPicture(&picture);
  EXPECT_EQ(At(picture, 0, 0), clAqua);
  EXPECT_EQ(At(picture, 2, 1), clRed);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
}

TEST(ImgUtil, RotationsExchangeWidthAndHeightAndUndoEachOther) {
  TBitmap picture;
  PaintSample(picture);
  RotateLeft(&picture);
  ASSERT_EQ(picture.Width(), 2);
  ASSERT_EQ(picture.Height(), 3);
  // Counter-clockwise: the old top-right corner is the new top-left.
  EXPECT_EQ(At(picture, 0, 0), clBlue);
  EXPECT_EQ(At(picture, 1, 0), clAqua);
  EXPECT_EQ(At(picture, 0, 2), clRed);
  RotateRight(&picture);
  ASSERT_EQ(picture.Width(), 3);
  const TColor expected[2][3] = {{clRed, clLime, clBlue}, {clYellow, clFuchsia, clAqua}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(At(picture, x, y), expected[y][x]) << x << "," << y;
  }
  RotateRight(&picture);
  // Clockwise: the old bottom-left corner is the new top-left.
  EXPECT_EQ(At(picture, 0, 0), clYellow);
  EXPECT_EQ(At(picture, 1, 2), clBlue);
}

TEST(ImgUtil, PicturesOfOtherFormatsAreConvertedBeforeTheirRowsAreRewritten) {
  // An 8-bit row is a third as long as the 3-byte pixels the routines write.
  TBitmap picture;
  picture.SetPixelFormat(TPixelFormat::pf8bit);
  picture.SetSize(5, 3);
  picture.Canvas()->SetPixels(4, 0, clRed);
  RotateLeft(&picture);
  EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(At(picture, 0, 0), clRed);
  picture.SetPixelFormat(TPixelFormat::pf1bit);
  MirrorPicture(&picture);
  FlipPicture(&picture);
  EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
  TBitmap empty;
  RotateRight(&empty);
  MirrorPicture(&empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(ImgUtil, MixColorsWeighsByPercentOrPerMille) {
  const TColor c1 = RGB(200, 100, 0), c2 = RGB(0, 0, 100);
  EXPECT_EQ(MixColors(c1, c2, 0), c2);
  EXPECT_EQ(MixColors(c1, c2, 99), static_cast<TColor>(RGB(198, 99, 1)));
  EXPECT_EQ(MixColors(c1, c2, 100), static_cast<TColor>(RGB(20, 10, 90)));  // 10 %, not 100 %
  EXPECT_EQ(MixColors(c1, c2, 1000), c1);
  EXPECT_EQ(MixColors(clWhite, clBlack, 50), static_cast<TColor>(RGB(128, 128, 128)));
  EXPECT_EQ(MixColors(clBtnFace, clBlack, 1000), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
}

TEST(ImgUtil, SaturationOfDarkGreyAndPureColours) {
  EXPECT_EQ(ColorSaturation(RGB(150, 0, 0)), 200);
  EXPECT_EQ(ColorSaturation(RGB(255, 0, 0)), 255);
  EXPECT_EQ(ColorSaturation(RGB(200, 200, 200)), 0);
  EXPECT_EQ(ColorSaturation(RGB(250, 200, 150)), 102);
  EXPECT_EQ(ColorSaturation(RGB(0, 0, 0)), 200);
}

TEST(ImgUtil, GradientsHaveTheirEndColoursAndRoundedSteps) {
  const std::vector<TColor>& one = GradientColors(GetGradient(1, RGB(0, 0, 0), RGB(255, 101, 10)));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0], static_cast<TColor>(RGB(127, 50, 5)));
  const std::vector<TColor>& three = GradientColors(GetGradient(3, clBlack, clWhite));
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[0], clBlack);
  EXPECT_EQ(three[1], static_cast<TColor>(RGB(128, 128, 128)));
  EXPECT_EQ(three[2], clWhite);
  // Falling channels end at C2 as rising ones do; one band is C1 plus half
  // the difference, toward C1.
  const std::vector<TColor>& down = GradientColors(GetGradient(4, RGB(255, 9, 0), RGB(0, 0, 0)));
  EXPECT_EQ(down[1], static_cast<TColor>(RGB(170, 6, 0)));
  EXPECT_EQ(down[3], clBlack);
  EXPECT_EQ(GradientColors(GetGradient(1, RGB(9, 0, 0), RGB(0, 0, 0)))[0], static_cast<TColor>(RGB(5, 0, 0)));
}

TEST(ImgUtil, GradientCacheFindsAndReusesSlotsRoundRobin) {
  std::vector<int> slots;
  for (int i = 0; i < 16; ++i) slots.push_back(GetGradient(100 + i, clRed, clBlue));
  EXPECT_EQ(std::set<int>(slots.begin(), slots.end()).size(), 16u);
  for (int i = 1; i < 16; ++i) EXPECT_EQ(slots[i], (slots[0] + i) % 16);
  // The same request again finds its slot; a 17th distinct one takes the
  // slot of the first after the cursor wrapped.
  EXPECT_EQ(GetGradient(105, clRed, clBlue), slots[5]);
  EXPECT_EQ(GetGradient(200, clRed, clBlue), slots[0]);
  EXPECT_EQ(GradientColors(slots[0]).size(), 200u);
}

TEST(ImgUtil, GradientOfNoBandsIsAnAssertionFailure) {
  try {
    GetGradient(0, clRed, clBlue);
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message().rfind("Assertion failure (imgutil.pas, line ", 0), 0u) << e.Message();
  }
  EXPECT_THROW(GetGradient(-3, clRed, clBlue), EAssertionFailed);
}

TEST(ImgUtil, FillGradientPaintsOnlyTheVisibleBandsWithTheFullGradientsColours) {
  Canvas full(4, 8), clipped(4, 8, RGB(1, 2, 3));
  FillGradient(full.Dc(), Rect(0, 0, 4, 8), clBlack, true, clWhite);
  IntersectClipRect(clipped.Dc(), 0, 3, 4, 6);
  FillGradient(clipped.Dc(), Rect(0, 0, 4, 8), clBlack, true, clWhite);
  SelectClipRgn(clipped.Dc(), nullptr);
  EXPECT_EQ(full.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(full.At(3, 7), RGB(255, 255, 255));
  for (int y = 0; y < 8; ++y) {
    if (y >= 3 && y < 6) {
      EXPECT_EQ(clipped.At(2, y), full.At(2, y)) << y;
    } else {
      EXPECT_EQ(clipped.At(2, y), RGB(1, 2, 3)) << y;
    }
  }
  Canvas across(8, 2);
  FillGradient(across.Dc(), Rect(0, 0, 8, 2), clRed, false, clBlue);
  EXPECT_EQ(across.At(0, 1), RGB(255, 0, 0));
  EXPECT_EQ(across.At(7, 0), RGB(0, 0, 255));
  // System colours are converted; an invisible rectangle draws nothing.
  FillGradient(across.Dc(), Rect(0, 0, 8, 2), clBtnFace, false, clBtnFace);
  EXPECT_EQ(across.At(4, 0), GetSysColor(COLOR_BTNFACE));
  FillGradient(across.Dc(), Rect(20, 20, 30, 30), clBlack, false, clBlack);
  FillGradient(across.Dc(), Rect(0, 0, 8, 0), clBlack, true, clBlack);
  EXPECT_EQ(across.At(4, 0), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
