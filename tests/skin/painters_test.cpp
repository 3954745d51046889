// The skin picture painters: slicing rules on a synthetic picture, golden
// pictures from the skin artwork, masked drawing on both platform families,
// regions from pictures, and a seeded random nine-part checksum.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <random>

#include "platform/user/user.h"
#include "skin/forms/WinSkinForm.h"
#include "support/canvas.h"
#include "support/golden.h"

namespace {

using brellis::test::Canvas;
using brellis::test::MatchesGolden;

std::unique_ptr<TBitmap> SkinPicture(const std::string& name) {
  auto picture = std::make_unique<TBitmap>();
  picture->LoadFromFile(brellis::test::SourcePath("resources/skins/tesmera-metallic/tesmera-metallic" + name));
  return picture;
}

// A checkerboard of 4-pixel squares, to show what transparent drawing leaves.
void PaintPattern(Canvas& canvas) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      SetPixelV(canvas.Dc(), x, y, ((x / 4 + y / 4) % 2) ? RGB(70, 110, 90) : RGB(200, 215, 190));
    }
  }
}

// One frame of 9 × 9 pixels in nine parts of 3 × 3, each its own colour;
// `frames` such frames side by side (or stacked).
constexpr COLORREF kParts[3][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                   {RGB(255, 255, 0), RGB(0, 255, 255), RGB(128, 0, 128)},
                                   {RGB(128, 128, 0), RGB(0, 128, 128), RGB(128, 128, 128)}};

std::unique_ptr<TBitmap> NinePartPicture(int frames, bool stacked) {
  auto picture = std::make_unique<TBitmap>();
  picture->SetSize(stacked ? 9 : 9 * frames, stacked ? 9 * frames : 9);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < 9; ++y) {
      for (int x = 0; x < 9; ++x) {
        const COLORREF c = f == 0 ? kParts[y / 3][x / 3] : RGB(f * 40, f * 40, f * 40);
        picture->Canvas()->SetPixels(stacked ? x : 9 * f + x, stacked ? 9 * f + y : y, static_cast<TColor>(c));
      }
    }
  }
  return picture;
}

COLORREF PixelOf(TBitmap& bitmap, int x, int y) { return ColorToRGB(bitmap.Canvas()->Pixels(x, y)); }

TEST(SkinPainters, NinePartKeepsCornersStretchesEdgesAndFillsTheCentre) {
  auto picture = NinePartPicture(2, false);
  const std::unique_ptr<TBitmap> built =
      BuildSkinPicture(Rect(100, 100, 130, 120), picture.get(), Rect(3, 3, 3, 3), false, false, 2, 1);
  ASSERT_NE(built, nullptr);
  ASSERT_EQ(built->Width(), 30);
  ASSERT_EQ(built->Height(), 20);
  const struct {
    int x, y, row, column;
  } probes[] = {{0, 0, 0, 0},  {2, 2, 0, 0},  {3, 0, 0, 1},  {26, 2, 0, 1},  {27, 0, 0, 2},  {0, 3, 1, 0},
                {2, 16, 1, 0}, {15, 10, 1, 1}, {29, 16, 1, 2}, {0, 17, 2, 0},  {15, 19, 2, 1}, {29, 19, 2, 2}};
  for (const auto& p : probes) {
    EXPECT_EQ(PixelOf(*built, p.x, p.y), kParts[p.row][p.column]) << p.x << "," << p.y;
  }
  // Frame 2 of stacked frames comes from the second 9 × 9 block.
  auto stacked = NinePartPicture(2, true);
  const std::unique_ptr<TBitmap> second =
      BuildSkinPicture(Rect(0, 0, 12, 12), stacked.get(), Rect(3, 3, 3, 3), true, false, 2, 2);
  EXPECT_EQ(PixelOf(*second, 6, 6), RGB(40, 40, 40));
}

TEST(SkinPainters, MarginsThatDoNotFitCountAsZero) {
  auto picture = NinePartPicture(1, false);
  // Narrower than left + right: no side columns, the top, centre and bottom
  // stretch over the full width.
  const std::unique_ptr<TBitmap> narrow =
      BuildSkinPicture(Rect(0, 0, 5, 20), picture.get(), Rect(3, 3, 3, 3), false, false, 1, 1);
  EXPECT_EQ(PixelOf(*narrow, 0, 0), kParts[0][0]);  // the top edge stretched over the whole frame width
  EXPECT_EQ(PixelOf(*narrow, 4, 1), kParts[0][2]);
  EXPECT_EQ(PixelOf(*narrow, 0, 10), kParts[1][0]);
  EXPECT_EQ(PixelOf(*narrow, 2, 19), kParts[2][1]);
  // Lower than top + bottom: likewise for rows.
  const std::unique_ptr<TBitmap> low =
      BuildSkinPicture(Rect(0, 0, 20, 4), picture.get(), Rect(3, 3, 3, 3), false, false, 1, 1);
  EXPECT_EQ(PixelOf(*low, 0, 0), kParts[0][0]);
  EXPECT_EQ(PixelOf(*low, 10, 0), kParts[0][1]);
  EXPECT_EQ(PixelOf(*low, 19, 3), kParts[2][2]);
}

TEST(SkinPainters, TilesRunPastTheCentreUnderTheRightAndBottomParts) {
  auto picture = NinePartPicture(1, false);
  // Paint the centre part as a 3 × 3 tile with a marked top-left pixel.
  picture->Canvas()->SetPixels(3, 3, clBlack);
  const std::unique_ptr<TBitmap> tiled =
      BuildSkinPicture(Rect(0, 0, 14, 14), picture.get(), Rect(3, 3, 3, 3), false, true, 1, 1);
  EXPECT_EQ(PixelOf(*tiled, 3, 3), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(*tiled, 6, 6), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(*tiled, 7, 7), kParts[1][1]);
  // The tile at x = 9 runs to 12, under the right edge that starts at 11.
  EXPECT_EQ(PixelOf(*tiled, 9, 9), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(*tiled, 11, 9), kParts[1][2]);
  EXPECT_EQ(PixelOf(*tiled, 9, 11), kParts[2][1]);
  // A zero-sized centre tiles nothing: the centre keeps the new bitmap's white.
  const std::unique_ptr<TBitmap> noCentre =
      BuildSkinPicture(Rect(0, 0, 12, 12), picture.get(), Rect(4, 4, 5, 5), false, true, 1, 1);
  EXPECT_EQ(PixelOf(*noCentre, 5, 5), RGB(255, 255, 255));
}

TEST(SkinPainters, NothingIsDrawnForInvertedRectanglesMissingPicturesOrNoFrames) {
  auto picture = NinePartPicture(1, false);
  Canvas target(20, 20, RGB(9, 9, 9));
  PaintSkinPicture(target.Dc(), Rect(10, 10, 5, 20), picture.get(), false, false, false, 1, 1, Rect(3, 3, 3, 3));
  PaintSkinPicture(target.Dc(), Rect(0, 10, 20, 5), picture.get(), false, false, false, 1, 1, Rect(3, 3, 3, 3));
  PaintSkinPicture(target.Dc(), Rect(0, 0, 20, 20), nullptr, false, false, false, 1, 1, TRect{});
  PaintSkinPicture(target.Dc(), Rect(0, 0, 20, 20), picture.get(), false, false, false, 0, 1, TRect{});
  PaintFrameCell(target.Dc(), Rect(5, 5, 0, 0), picture.get(), false, 1, 1);
  PaintFrameCentered(target.Dc(), Rect(5, 5, 0, 0), picture.get(), false, 1, 1);
  PaintSkinBar(target.Dc(), Rect(5, 5, 0, 0), picture.get(), false, 1, 1, TRect{});
  DrawMasked(target.Dc(), Rect(5, 5, 0, 0), picture.get(), kSkinKeyColour);
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  PaintSkinStrip(&canvas, Rect(5, 5, 0, 0), picture.get(), false, false, 1, 1, TRect{});
  TilePicture(&canvas, Rect(5, 5, 0, 0), picture.get(), Rect(0, 0, 3, 3));
  canvas.SetHandle(nullptr);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) ASSERT_EQ(target.At(x, y), RGB(9, 9, 9)) << x << "," << y;
  }
  // A one-frame picture drawn with frame 1 uses the whole picture.
  PaintFrameCell(target.Dc(), Rect(0, 0, 9, 9), picture.get(), false, 1, 1);
  EXPECT_EQ(target.At(8, 8), kParts[2][2]);
  // Frames outside the picture and rectangles larger than the bitmap read
  // nothing beyond the picture.
  PaintFrameCell(target.Dc(), Rect(0, 0, 9, 9), picture.get(), false, 1, 3);
  PaintSkinPicture(target.Dc(), Rect(0, 0, 20, 20), picture.get(), false, true, true, 1, 0, Rect(3, 3, 3, 3));
  Canvas wide(20, 20, RGB(9, 9, 9));
  DrawMasked(wide.Dc(), Rect(0, 0, 20, 20), picture.get(), kSkinKeyColour);
  EXPECT_EQ(wide.At(8, 8), kParts[2][2]);
}

TEST(SkinPainters, StripWithoutMiddlePartEndsAndDrawsTheCaps) {
  auto picture = NinePartPicture(1, false);
  Canvas target(30, 6);
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  // Caps of 4 and 5 cover the whole 9-pixel frame: no middle part to repeat.
  PaintSkinStrip(&canvas, Rect(0, 0, 30, 6), picture.get(), false, false, 1, 1, Rect(4, 0, 5, 0));
  canvas.SetHandle(nullptr);
  EXPECT_EQ(target.At(0, 0), kParts[0][0]);
  EXPECT_EQ(target.At(29, 0), kParts[0][2]);
  EXPECT_EQ(target.At(15, 3), RGB(255, 255, 255));
}

TEST(SkinPainters, MaskedDrawingIsTheSameOnBothPlatformFamilies) {
  auto buttons = SkinPicture("(5)__buttons.bmp");
  Canvas nt(80, 30), nine(80, 30);
  PaintPattern(nt);
  PaintPattern(nine);
  PaintSkinPicture(nt.Dc(), Rect(2, 2, 78, 28), buttons.get(), false, false, true, 5, 5, Rect(5, 5, 5, 5));
  platform::OverrideVersion(0xC0000A04);  // the 9x family
  PaintSkinPicture(nine.Dc(), Rect(2, 2, 78, 28), buttons.get(), false, false, true, 5, 5, Rect(5, 5, 5, 5));
  platform::OverrideVersion(0);
  const COLORREF background = nt.At(2, 2);
  EXPECT_TRUE(background == RGB(70, 110, 90) || background == RGB(200, 215, 190));
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(nine.At(x, y), nt.At(x, y)) << x << "," << y;
  }
  // The text and background colours of the target are left as they were.
  EXPECT_EQ(GetBkColor(nine.Dc()), RGB(255, 255, 255));
  EXPECT_EQ(GetTextColor(nine.Dc()), RGB(0, 0, 0));
}

TEST(SkinPainters, NinePartPicturesFromTheSkin) {
  auto buttons = SkinPicture("(5)__buttons.bmp");
  auto progress = SkinPicture("__progress.bmp");
  auto top = SkinPicture("(2)__top.bmp");
  Canvas target(340, 150);
  PaintPattern(target);
  // The five button frames, transparent, with and without margins.
  for (int f = 1; f <= 5; ++f) {
    PaintSkinPicture(target.Dc(), Bounds(4 + 66 * (f - 1), 4, 62, 30), buttons.get(), false, false, true, 5, f,
                     Rect(5, 5, 5, 5));
    PaintSkinPicture(target.Dc(), Bounds(4 + 66 * (f - 1), 38, 62, 30), buttons.get(), false, false, true, 5, f,
                     Rect(0, 0, 0, 0));
  }
  // Narrow and low destinations, opaque.
  PaintSkinPicture(target.Dc(), Bounds(4, 72, 8, 40), buttons.get(), false, false, false, 5, 1, Rect(5, 5, 5, 5));
  PaintSkinPicture(target.Dc(), Bounds(16, 72, 60, 8), buttons.get(), false, false, false, 5, 1, Rect(5, 5, 5, 5));
  PaintSkinPicture(target.Dc(), Bounds(16, 84, 120, 28), progress.get(), false, false, true, 1, 1, Rect(4, 4, 4, 4));
  // Stacked frames: the two title strips.
  PaintSkinPicture(target.Dc(), Bounds(4, 116, 160, 26), top.get(), true, false, true, 2, 1, Rect(8, 0, 8, 0));
  PaintSkinPicture(target.Dc(), Bounds(170, 116, 160, 26), top.get(), true, false, true, 2, 2, Rect(8, 0, 8, 0));
  EXPECT_TRUE(MatchesGolden(target.Snapshot(), "skin/nine_part"));
}

TEST(SkinPainters, TilesStripsCellsBarsAndCentredFramesFromTheSkin) {
  auto menubar = SkinPicture("(2)__menubar.bmp");
  auto hthumb = SkinPicture("(3)__hthumb.bmp");
  auto statusbar = SkinPicture("(3)__statusbar.bmp");
  auto close = SkinPicture("(4)__close.bmp");
  auto checkbox = SkinPicture("(12)__checkbox.bmp");
  auto progress = SkinPicture("__progress.bmp");
  Canvas target(320, 150);
  PaintPattern(target);
  // The menu bar tiled and stretched.
  PaintSkinPicture(target.Dc(), Bounds(4, 4, 150, 19), menubar.get(), true, true, false, 2, 1, Rect(4, 0, 4, 0));
  PaintSkinPicture(target.Dc(), Bounds(160, 4, 150, 19), menubar.get(), true, false, false, 2, 2, Rect(4, 0, 4, 0));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  TilePicture(&canvas, Bounds(4, 26, 70, 30), close.get(), Rect(21, 0, 42, 18));
  // Scroll thumbs as three-part strips, transparent and opaque.
  for (int f = 1; f <= 3; ++f) {
    PaintSkinStrip(&canvas, Bounds(80, 26 + 20 * (f - 1), 120, 16), hthumb.get(), false, true, 3, f, Rect(6, 0, 6, 0));
  }
  PaintSkinStrip(&canvas, Bounds(206, 26, 100, 24), statusbar.get(), false, false, 3, 2, Rect(3, 0, 3, 0));
  canvas.SetHandle(nullptr);
  // Caption buttons centred in larger boxes, and stretched check box cells.
  for (int f = 1; f <= 4; ++f) {
    const TRect box = Bounds(4 + 32 * (f - 1), 90, 30, 25);
    PaintFrameCentered(target.Dc(), box, close.get(), true, 4, f);
    PaintFrameCell(target.Dc(), Bounds(4 + 32 * (f - 1), 118, 26, 26), checkbox.get(), true, 12, f);
  }
  // Bars narrower and wider than the frame.
  PaintSkinBar(target.Dc(), Bounds(140, 90, 20, 18), progress.get(), false, 1, 1, Rect(4, 0, 4, 0));
  PaintSkinBar(target.Dc(), Bounds(166, 90, 140, 24), progress.get(), false, 1, 1, Rect(4, 0, 4, 0));
  EXPECT_TRUE(MatchesGolden(target.Snapshot(), "skin/tiles_strips_cells"));
}

// --- Drawing straight onto the destination ---------------------------------

// A random picture of `frames` frames with scattered key-colour pixels.
std::unique_ptr<TBitmap> RandomPicture(std::mt19937& random, int width, int height) {
  auto picture = std::make_unique<TBitmap>();
  picture->SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(picture->ScanLine(y));
    for (int x = 0; x < width; ++x) row[x] = random() % 5 == 0 ? 0xFF00FF : static_cast<std::uint32_t>(random()) & 0xFFFFFF;
  }
  return picture;
}

void ExpectSamePixels(const Canvas& actual, const Canvas& expected, const std::string& what) {
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << what << " at " << x << "," << y;
    }
  }
}

// Painting draws parts straight onto the destination when they tile it; the
// pixels must be those of composing the picture and transferring it, for
// every margin, frame, tiling and transparency, including frames outside the
// picture and margins wider than the frame.
TEST(SkinPainters, NinePartPaintingEqualsComposingThenTransferring) {
  std::mt19937 random(5);
  const auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int round = 0; round < 300; ++round) {
    const int frames = draw(1, 3);
    const bool vertical = draw(0, 1) == 1;
    const int fw = draw(1, 16), fh = draw(1, 16);
    auto picture = RandomPicture(random, vertical ? fw : fw * frames, vertical ? fh * frames : fh);
    const TRect margins = Rect(draw(0, 8), draw(0, 8), draw(0, 8), draw(0, 8));
    const TRect dest = Bounds(draw(-4, 10), draw(-4, 10), draw(1, 40), draw(1, 40));
    const bool tile = draw(0, 1) == 1, transparent = draw(0, 1) == 1;
    const int frame = draw(0, frames + 1);
    Canvas painted(48, 48), composed(48, 48);
    PaintPattern(painted);
    PaintPattern(composed);
    PaintSkinPicture(painted.Dc(), dest, picture.get(), vertical, tile, transparent, frames, frame, margins);
    std::unique_ptr<TBitmap> built = BuildSkinPicture(dest, picture.get(), margins, vertical, tile, frames, frame);
    if (built && transparent) DrawMasked(composed.Dc(), dest, built.get(), kSkinKeyColour);
    if (built && !transparent) {
      BitBlt(composed.Dc(), dest.left, dest.top, RectWidth(dest), RectHeight(dest), built->Canvas()->Handle(), 0, 0,
             SRCCOPY);
    }
    ExpectSamePixels(painted, composed, "round " + std::to_string(round));
  }
}

// Strips, cells and centred frames drawn transparently show what their
// opaque drawing shows, less its key-colour pixels.
TEST(SkinPainters, TransparentStripsCellsAndCentredFramesEqualTheirMaskedOpaqueDrawing) {
  std::mt19937 random(11);
  const auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int round = 0; round < 300; ++round) {
    const int frames = draw(1, 3);
    const int fw = draw(1, 16), fh = draw(1, 16);
    auto picture = RandomPicture(random, fw * frames, fh);
    const TRect caps = Rect(draw(0, 8), 0, draw(0, 8), 0);
    const TRect dest = Bounds(draw(-4, 10), draw(-4, 10), draw(1, 40), draw(1, 40));
    const int frame = draw(1, frames);
    const int kind = round % 3;
    const auto paint = [&](HDC dc, bool transparent) {
      TCanvas canvas;
      canvas.SetHandle(dc);
      if (kind == 0) PaintSkinStrip(&canvas, dest, picture.get(), false, transparent, frames, frame, caps);
      if (kind == 1) PaintFrameCell(dc, dest, picture.get(), transparent, frames, frame);
      if (kind == 2) PaintFrameCentered(dc, dest, picture.get(), transparent, frames, frame);
      canvas.SetHandle(nullptr);
    };
    Canvas opaque(48, 48, RGB(255, 0, 255)), painted(48, 48), masked(48, 48);
    paint(opaque.Dc(), false);
    PaintPattern(painted);
    PaintPattern(masked);
    paint(painted.Dc(), true);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        if (opaque.At(x, y) != RGB(255, 0, 255)) SetPixelV(masked.Dc(), x, y, opaque.At(x, y));
      }
    }
    ExpectSamePixels(painted, masked, "round " + std::to_string(round) + " kind " + std::to_string(kind));
  }
}

// --- Regions ---------------------------------------------------------------

std::vector<RECT> RegionRects(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(region, size, data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

std::unique_ptr<TBitmap> Filled(int width, int height, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(colour);
  bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
  return bitmap;
}

TEST(SkinRegions, AllKeyColourIsEmptyAndNoKeyColourIsOneRectanglePerRow) {
  auto magenta = Filled(10, 6, clFuchsia);
  HRGN none = RegionFromBitmap(magenta.get(), 0, 0, 0, 0, 0, kSkinKeyColour);
  RECT box{};
  EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
  DeleteObject(none);
  EXPECT_EQ(magenta->PixelFormat(), TPixelFormat::pf32bit);

  auto grey = Filled(10, 6, clGray);
  grey->SetPixelFormat(TPixelFormat::pf24bit);
  HRGN all = RegionFromBitmap(grey.get(), 5, 7, 0, 0, 0, kSkinKeyColour);
  EXPECT_EQ(GetRgnBox(all, &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(5, 7, 15, 13));
  DeleteObject(all);
  EXPECT_EQ(RegionFromBitmap(nullptr, 0, 0, 0, 0, 0, kSkinKeyColour), nullptr);
}

TEST(SkinRegions, RowRunsAreCutAtTransparentPixels) {
  auto bitmap = Filled(8, 3, clGray);
  bitmap->Canvas()->SetPixels(0, 0, clFuchsia);
  bitmap->Canvas()->SetPixels(3, 0, clFuchsia);
  bitmap->Canvas()->SetPixels(7, 2, clFuchsia);
  HRGN region = RegionFromBitmap(bitmap.get(), 0, 0, 0, 0, 0, kSkinKeyColour);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, 1, 0));
  EXPECT_FALSE(PtInRegion(region, 3, 0));
  EXPECT_TRUE(PtInRegion(region, 7, 1));
  EXPECT_FALSE(PtInRegion(region, 7, 2));
  DeleteObject(region);
  // One-row pictures work too.
  auto row = Filled(4, 1, clGray);
  row->Canvas()->SetPixels(2, 0, clFuchsia);
  region = RegionFromBitmap(row.get(), 0, 0, 0, 0, 0, kSkinKeyColour);
  EXPECT_EQ(RegionRects(region).size(), 2u);
  DeleteObject(region);
}

TEST(SkinRegions, ToleranceWidensTheKeyUpwardOnly) {
  auto bitmap = Filled(3, 2, clGray);
  bitmap->Canvas()->SetPixels(0, 0, static_cast<TColor>(RGB(255, 1, 255)));
  bitmap->Canvas()->SetPixels(1, 0, static_cast<TColor>(RGB(255, 0, 254)));
  bitmap->Canvas()->SetPixels(2, 0, static_cast<TColor>(RGB(255, 2, 255)));
  // Tolerances are given blue, green, red.
  HRGN region = RegionFromBitmap(bitmap.get(), 0, 0, 1, 1, 1, kSkinKeyColour);
  EXPECT_FALSE(PtInRegion(region, 0, 0));  // green 1 lies within 0 … 1
  EXPECT_TRUE(PtInRegion(region, 1, 0));   // blue 254 lies below the key
  EXPECT_TRUE(PtInRegion(region, 2, 0));   // green 2 lies above 0 + 1
  DeleteObject(region);
  region = RegionFromBitmap(bitmap.get(), 0, 0, 0, 2, 0, kSkinKeyColour);
  EXPECT_FALSE(PtInRegion(region, 2, 0));
  DeleteObject(region);
}

TEST(SkinRegions, ManyRectanglesAreUnitedAcrossBatches) {
  // A checkerboard of single pixels: 60 × 100 gives 3000 rectangles.
  TBitmap board;
  board.SetSize(60, 100);
  for (int y = 0; y < 100; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(board.ScanLine(y));
    for (int x = 0; x < 60; ++x) row[x] = (x + y) % 2 ? 0xFF00FF : 0x808080;
  }
  HRGN region = RegionFromBitmap(&board, 0, 0, 0, 0, 0, kSkinKeyColour);
  EXPECT_EQ(RegionRects(region).size(), 3000u);
  for (int y = 0; y < 100; y += 7) {
    for (int x = 0; x < 60; x += 3) EXPECT_EQ(PtInRegion(region, x, y) != 0, (x + y) % 2 == 0) << x << "," << y;
  }
  DeleteObject(region);
}

// Rows with the same runs are joined into bands; the region is the one that
// one rectangle per run of every row gives.
TEST(SkinRegions, BandsOfEqualRowsGiveTheSameRegionAsRowByRowRectangles) {
  std::mt19937 random(3);
  TBitmap picture;
  picture.SetSize(40, 60);
  std::vector<RECT> rows;
  for (int y = 0; y < 60; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(picture.ScanLine(y));
    if (y > 0 && random() % 3 != 0) {
      std::memcpy(row, picture.ScanLine(y - 1), 40 * 4);  // a repeated row
    } else {
      for (int x = 0; x < 40; ++x) row[x] = random() % 4 == 0 ? 0xFF00FF : 0x100000u * (random() % 8);
    }
    for (int x = 0; x < 40;) {
      while (x < 40 && row[x] == 0xFF00FF) ++x;
      const int start = x;
      while (x < 40 && row[x] != 0xFF00FF) ++x;
      if (x > start) rows.push_back(RECT{start + 3, y + 2, x + 3, y + 3});
    }
  }
  HRGN banded = RegionFromBitmap(&picture, 3, 2, 0, 0, 0, kSkinKeyColour);
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rows.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rows.size());
  std::memcpy(data.data() + sizeof(RGNDATAHEADER), rows.data(), rows.size() * sizeof(RECT));
  HRGN expected = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
  EXPECT_TRUE(EqualRgn(banded, expected));
  const std::vector<RECT> a = RegionRects(banded), b = RegionRects(expected);
  EXPECT_EQ(a.size(), b.size());
  DeleteObject(banded);
  DeleteObject(expected);
}

TEST(SkinRegions, FrameOfTheSkinGivesTheWindowShape) {
  auto top = SkinPicture("(2)__top.bmp");
  std::unique_ptr<TBitmap> title = BuildSkinPicture(Rect(0, 0, 200, 26), top.get(), Rect(8, 0, 8, 0), true, false, 2, 1);
  HRGN region = RegionFromBitmap(title.get(), 0, 0, 0, 0, 0, kSkinKeyColour);
  EXPECT_FALSE(PtInRegion(region, 0, 0));  // the rounded corners are cut away
  EXPECT_FALSE(PtInRegion(region, 199, 0));
  EXPECT_TRUE(PtInRegion(region, 100, 0));
  EXPECT_TRUE(PtInRegion(region, 0, 25));
  DeleteObject(region);
}

// --- Seeded random nine-part pictures ---------------------------------------

std::uint64_t Fnv(std::uint64_t hash, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    hash ^= (value >> (8 * i)) & 0xFF;
    hash *= 1099511628211ull;
  }
  return hash;
}

// The checksum of one random nine-part picture built from `seed`.
std::uint64_t NinePartChecksum(std::uint32_t seed) {
  std::mt19937 random(seed);
  const auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const int frames = draw(1, 4);
  const bool vertical = draw(0, 1) == 1;
  const int frameWidth = draw(1, 24), frameHeight = draw(1, 24);
  TBitmap picture;
  picture.SetSize(vertical ? frameWidth : frameWidth * frames, vertical ? frameHeight * frames : frameHeight);
  for (int y = 0; y < picture.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(picture.ScanLine(y));
    for (int x = 0; x < picture.Width(); ++x) row[x] = static_cast<std::uint32_t>(random()) & 0xFFFFFF;
  }
  const TRect margins = Rect(draw(0, 10), draw(0, 10), draw(0, 10), draw(0, 10));
  const TRect dest = Bounds(draw(-5, 5), draw(-5, 5), draw(1, 60), draw(1, 60));
  std::unique_ptr<TBitmap> built =
      BuildSkinPicture(dest, &picture, margins, vertical, draw(0, 1) == 1, frames, draw(1, frames));
  std::uint64_t hash = 14695981039346656037ull;
  for (int y = 0; y < built->Height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(built->ScanLine(y));
    for (int x = 0; x < built->Width(); ++x) hash = Fnv(hash, row[x] & 0xFFFFFF);
  }
  return hash;
}

// The checksums of seeds 1 … 1000, one hexadecimal line each, are kept
// beside the golden pictures; a mismatch names the first seed that differs,
// so it can be replayed alone.
TEST(SkinPainters, SeededRandomNinePartPicturesMatchTheirChecksums) {
  constexpr std::uint32_t kSeeds = 1000;
  const std::string path = brellis::test::SourcePath("tests/data/golden/skin/nine_part_checksums.txt");
  std::vector<std::uint64_t> actual;
  for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) actual.push_back(NinePartChecksum(seed));
  std::ifstream in(path);
  if (!in && std::getenv("BRELLIS_UPDATE_GOLDEN") != nullptr) {
    std::ofstream out(path);
    for (std::uint64_t sum : actual) out << std::hex << std::setw(16) << std::setfill('0') << sum << "\n";
    return;
  }
  ASSERT_TRUE(in) << "no checksums at " << path;
  for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
    std::string line;
    ASSERT_TRUE(std::getline(in, line)) << "checksum file ends before seed " << seed;
    ASSERT_EQ(std::stoull(line, nullptr, 16), actual[seed - 1]) << "seed " << seed << " differs";
  }
}

}  // namespace
