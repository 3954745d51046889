// Blits: every raster operation the program uses, monochrome ↔ colour
// conversion by the DCs' colours, masks, transparency and stretching.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/gdi/gdi.h"
#include "platform/gdi/rop.h"
#include "support/canvas.h"

namespace {

using brellis::test::Canvas;

struct RopCase {
  const char* name;
  DWORD rop;
  COLORREF (*expected)(COLORREF p, COLORREF s, COLORREF d);
};

const RopCase kRops[] = {
    {"SRCCOPY", SRCCOPY, [](COLORREF, COLORREF s, COLORREF) { return s; }},
    {"SRCAND", SRCAND, [](COLORREF, COLORREF s, COLORREF d) { return s & d; }},
    {"SRCINVERT", SRCINVERT, [](COLORREF, COLORREF s, COLORREF d) { return s ^ d; }},
    {"SRCPAINT", SRCPAINT, [](COLORREF, COLORREF s, COLORREF d) { return s | d; }},
    {"NOTSRCCOPY", NOTSRCCOPY, [](COLORREF, COLORREF s, COLORREF) { return ~s & 0xFFFFFF; }},
    {"PATCOPY", PATCOPY, [](COLORREF p, COLORREF, COLORREF) { return p; }},
    {"PATINVERT", PATINVERT, [](COLORREF p, COLORREF, COLORREF d) { return p ^ d; }},
    {"DSTINVERT", DSTINVERT, [](COLORREF, COLORREF, COLORREF d) { return ~d & 0xFFFFFF; }},
    {"BLACKNESS", BLACKNESS, [](COLORREF, COLORREF, COLORREF) { return COLORREF{0}; }},
    {"WHITENESS", WHITENESS, [](COLORREF, COLORREF, COLORREF) { return COLORREF{0xFFFFFF}; }},
    {"MERGECOPY", MERGECOPY, [](COLORREF p, COLORREF s, COLORREF) { return p & s; }},
    {"SRCERASE", SRCERASE, [](COLORREF, COLORREF s, COLORREF d) { return s & ~d & 0xFFFFFF; }},
};

TEST(Blit, RasterOperationsCombinePatternSourceAndDestination) {
  const COLORREF pattern = RGB(0x0F, 0xF0, 0x33), source = RGB(0x55, 0x0F, 0xC3), dest = RGB(0x3C, 0xAA, 0x96);
  for (const RopCase& c : kRops) {
    SCOPED_TRACE(c.name);
    Canvas src(4, 4, source), dst(4, 4, dest);
    HBRUSH brush = CreateSolidBrush(pattern);
    HGDIOBJ old = SelectObject(dst.Dc(), brush);
    EXPECT_TRUE(BitBlt(dst.Dc(), 1, 1, 2, 2, src.Dc(), 0, 0, c.rop));
    EXPECT_EQ(dst.At(1, 1), c.expected(pattern, source, dest));
    EXPECT_EQ(dst.At(2, 2), c.expected(pattern, source, dest));
    EXPECT_EQ(dst.At(0, 0), dest);
    EXPECT_EQ(dst.At(3, 3), dest);
    SelectObject(dst.Dc(), old);
    DeleteObject(brush);
  }
}

TEST(Blit, GenericTernaryOperationsFollowTheirTruthTable) {
  // Spot checks of the generic evaluator against a per-bit formula.
  std::mt19937 random(4);
  for (int code = 0; code < 256; ++code) {
    const platform::Pixel p = random() & 0xFFFFFF, s = random() & 0xFFFFFF, d = random() & 0xFFFFFF;
    platform::Pixel expected = 0;
    for (int bit = 0; bit < 24; ++bit) {
      const int index = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
      expected |= static_cast<platform::Pixel>((code >> index) & 1) << bit;
    }
    EXPECT_EQ(platform::ApplyRop3(static_cast<std::uint8_t>(code), p, s, d) & 0xFFFFFF, expected) << code;
    platform::Pixel row = d;
    platform::ApplyRop3Row(static_cast<std::uint8_t>(code), &row, &s, &p, 1);
    EXPECT_EQ(row & 0xFFFFFF, expected) << code;
  }
}

TEST(Blit, PatBltRefusesOperationsThatNeedASource) {
  Canvas dst(2, 2);
  EXPECT_FALSE(PatBlt(dst.Dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_TRUE(PatBlt(dst.Dc(), 0, 0, 2, 2, BLACKNESS));
  EXPECT_EQ(dst.At(1, 1), RGB(0, 0, 0));
}

// A monochrome bitmap in its own DC: `pattern` rows, '1' = white.
struct MonoDc {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  explicit MonoDc(std::initializer_list<const char*> rows) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(std::strlen(*rows.begin()));
    bitmap = CreateBitmap(width, height, 1, 1, nullptr);
    dc = CreateCompatibleDC(nullptr);
    old = SelectObject(dc, bitmap);
    int y = 0;
    for (const char* row : rows) {
      for (int x = 0; x < width; ++x) SetPixel(dc, x, y, row[x] == '1' ? RGB(255, 255, 255) : RGB(0, 0, 0));
      ++y;
    }
  }
  ~MonoDc() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
};

TEST(Blit, MonochromeToColourUsesTheDestinationTextAndBackgroundColours) {
  MonoDc mono({"10", "01"});
  Canvas dst(2, 2);
  SetTextColor(dst.Dc(), RGB(200, 0, 0));
  SetBkColor(dst.Dc(), RGB(0, 0, 200));
  BitBlt(dst.Dc(), 0, 0, 2, 2, mono.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), RGB(0, 0, 200));  // 1 → background
  EXPECT_EQ(dst.At(1, 0), RGB(200, 0, 0));  // 0 → text
  EXPECT_EQ(dst.At(1, 1), RGB(0, 0, 200));
}

TEST(Blit, ColourToMonochromeMarksTheSourceBackgroundColourWhite) {
  Canvas src(3, 1, RGB(255, 0, 255));
  SetPixel(src.Dc(), 1, 0, RGB(10, 20, 30));
  SetBkColor(src.Dc(), RGB(255, 0, 255));
  MonoDc mono({"000"});
  BitBlt(mono.dc, 0, 0, 3, 1, src.Dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(mono.dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(mono.dc, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(mono.dc, 2, 0), RGB(255, 255, 255));
}

TEST(Blit, TheThreeBlitMaskPathDrawsAroundTheKeyColour) {
  // The path used where MaskBlt is missing: mask from the key colour, then
  // SRCINVERT, SRCAND with the mask, SRCINVERT.
  Canvas picture(3, 1, RGB(255, 0, 255));
  SetPixel(picture.Dc(), 1, 0, RGB(0, 128, 0));
  SetBkColor(picture.Dc(), RGB(255, 0, 255));
  MonoDc mask({"000"});
  BitBlt(mask.dc, 0, 0, 3, 1, picture.Dc(), 0, 0, SRCCOPY);
  Canvas dst(3, 1, RGB(1, 2, 3));
  SetBkColor(dst.Dc(), RGB(255, 255, 255));
  SetTextColor(dst.Dc(), RGB(0, 0, 0));
  BitBlt(dst.Dc(), 0, 0, 3, 1, picture.Dc(), 0, 0, SRCINVERT);
  BitBlt(dst.Dc(), 0, 0, 3, 1, mask.dc, 0, 0, SRCAND);
  BitBlt(dst.Dc(), 0, 0, 3, 1, picture.Dc(), 0, 0, SRCINVERT);
  EXPECT_EQ(dst.At(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(dst.At(1, 0), RGB(0, 128, 0));
  EXPECT_EQ(dst.At(2, 0), RGB(1, 2, 3));
}

TEST(Blit, MaskBltKeepsTheDestinationWhereTheMaskIsSet) {
  Canvas picture(4, 1, RGB(9, 9, 9));
  MonoDc mask({"1010"});
  Canvas dst(4, 1, RGB(100, 100, 100));
  const DWORD rop = MAKEROP4(0x00AA0029, SRCCOPY);
  EXPECT_EQ(rop, 0xCCAA0029u);
  EXPECT_TRUE(MaskBlt(dst.Dc(), 0, 0, 4, 1, picture.Dc(), 0, 0, mask.bitmap, 0, 0, rop));
  EXPECT_EQ(dst.At(0, 0), RGB(100, 100, 100));
  EXPECT_EQ(dst.At(1, 0), RGB(9, 9, 9));
  EXPECT_EQ(dst.At(2, 0), RGB(100, 100, 100));
  EXPECT_EQ(dst.At(3, 0), RGB(9, 9, 9));
  // A colour mask is refused.
  EXPECT_FALSE(MaskBlt(dst.Dc(), 0, 0, 4, 1, picture.Dc(), 0, 0, picture.Bitmap(), 0, 0, rop));
}

TEST(Blit, TransparentBltSkipsTheKeyColourAndStretches) {
  Canvas src(2, 1, RGB(255, 0, 255));
  SetPixel(src.Dc(), 1, 0, RGB(0, 0, 255));
  Canvas dst(4, 2, RGB(7, 7, 7));
  EXPECT_TRUE(TransparentBlt(dst.Dc(), 0, 0, 4, 2, src.Dc(), 0, 0, 2, 1, RGB(255, 0, 255)));
  EXPECT_EQ(dst.At(0, 0), RGB(7, 7, 7));
  EXPECT_EQ(dst.At(1, 1), RGB(7, 7, 7));
  EXPECT_EQ(dst.At(2, 0), RGB(0, 0, 255));
  EXPECT_EQ(dst.At(3, 1), RGB(0, 0, 255));
}

TEST(Blit, ColorOnColorStretchPicksTheNearestPixelAndMirrors) {
  Canvas src(3, 1);
  SetPixel(src.Dc(), 0, 0, RGB(1, 0, 0));
  SetPixel(src.Dc(), 1, 0, RGB(2, 0, 0));
  SetPixel(src.Dc(), 2, 0, RGB(3, 0, 0));
  Canvas dst(7, 1);
  SetStretchBltMode(dst.Dc(), COLORONCOLOR);
  StretchBlt(dst.Dc(), 0, 0, 7, 1, src.Dc(), 0, 0, 3, 1, SRCCOPY);
  const int expected[] = {1, 1, 1, 2, 2, 3, 3};  // source column = floor(x * 3 / 7)
  for (int x = 0; x < 7; ++x) EXPECT_EQ(GetRValue(dst.At(x, 0)), expected[x]) << x;
  StretchBlt(dst.Dc(), 0, 0, 3, 1, src.Dc(), 2, 0, -3, 1, SRCCOPY);
  EXPECT_EQ(GetRValue(dst.At(0, 0)), 3);
  EXPECT_EQ(GetRValue(dst.At(2, 0)), 1);
  // Shrinking keeps every other pixel.
  Canvas wide(6, 1);
  for (int x = 0; x < 6; ++x) SetPixel(wide.Dc(), x, 0, RGB(x * 10, 0, 0));
  StretchBlt(dst.Dc(), 0, 0, 3, 1, wide.Dc(), 0, 0, 6, 1, SRCCOPY);
  EXPECT_EQ(GetRValue(dst.At(0, 0)), 0);
  EXPECT_EQ(GetRValue(dst.At(1, 0)), 20);
  EXPECT_EQ(GetRValue(dst.At(2, 0)), 40);
}

TEST(Blit, HugeStretchesWorkOnlyOnTheVisiblePart) {
  Canvas src(2, 1), dst(4, 1);
  SetPixel(src.Dc(), 1, 0, RGB(5, 5, 5));
  // 100 million pixels wide, of which the canvas shows four: the right half's.
  EXPECT_TRUE(StretchBlt(dst.Dc(), -50000000, 0, 100000000, 1, src.Dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), RGB(5, 5, 5));
  EXPECT_EQ(dst.At(3, 0), RGB(5, 5, 5));
  SetLastError(0);
  EXPECT_FALSE(StretchBlt(dst.Dc(), 0, 0, 1 << 30, 1, src.Dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(Blit, HalftoneStretchAveragesTheCoveredPixels) {
  Canvas src(4, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) SetPixel(src.Dc(), x, y, (x + y) % 2 ? RGB(200, 100, 0) : RGB(0, 0, 0));
  }
  Canvas dst(2, 1);
  SetStretchBltMode(dst.Dc(), HALFTONE);
  StretchBlt(dst.Dc(), 0, 0, 2, 1, src.Dc(), 0, 0, 4, 2, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), RGB(100, 50, 0));
  EXPECT_EQ(dst.At(1, 0), RGB(100, 50, 0));
}

TEST(Blit, SourcesOutsideTheSourceBitmapLeaveTheDestinationAlone) {
  Canvas src(2, 2, RGB(50, 50, 50));
  Canvas dst(4, 4, RGB(9, 9, 9));
  BitBlt(dst.Dc(), 0, 0, 4, 4, src.Dc(), -1, -1, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), RGB(9, 9, 9));
  EXPECT_EQ(dst.At(1, 1), RGB(50, 50, 50));
  EXPECT_EQ(dst.At(2, 2), RGB(50, 50, 50));
  EXPECT_EQ(dst.At(3, 3), RGB(9, 9, 9));
}

TEST(Blit, OverlappingCopyWithinOneBitmapReadsTheSourceFirst) {
  Canvas canvas(5, 1);
  for (int x = 0; x < 5; ++x) SetPixel(canvas.Dc(), x, 0, RGB(x, 0, 0));
  BitBlt(canvas.Dc(), 1, 0, 4, 1, canvas.Dc(), 0, 0, SRCCOPY);
  const int expected[] = {0, 0, 1, 2, 3};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(GetRValue(canvas.At(x, 0)), expected[x]);
}

TEST(Blit, BlitsHonourClipAndViewportOrigin) {
  Canvas src(4, 4, RGB(1, 1, 1)), dst(6, 6, RGB(0, 0, 0));
  SetViewportOrgEx(dst.Dc(), 1, 1, nullptr);
  IntersectClipRect(dst.Dc(), 0, 0, 2, 2);  // logical, so pixels 1..2
  BitBlt(dst.Dc(), 0, 0, 4, 4, src.Dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(dst.At(1, 1), RGB(1, 1, 1));
  EXPECT_EQ(dst.At(2, 2), RGB(1, 1, 1));
  EXPECT_EQ(dst.At(3, 3), RGB(0, 0, 0));
}

TEST(Blit, StretchDIBitsDrawsABottomUpDibInItsOwnColours) {
  // A 2×2 monochrome DIB with a red/blue colour table, bottom-up.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = 2;
  info.header.biHeight = 2;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.colours[0] = RGBQUAD{0, 0, 255, 0};
  info.colours[1] = RGBQUAD{255, 0, 0, 0};
  const std::uint8_t bits[8] = {0x80, 0, 0, 0, 0x40, 0, 0, 0};  // bottom row "10", top row "01"
  Canvas dst(2, 2);
  EXPECT_EQ(StretchDIBits(dst.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                          SRCCOPY),
            2);
  EXPECT_EQ(dst.At(0, 1), RGB(0, 0, 255));
  EXPECT_EQ(dst.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(dst.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(dst.At(1, 0), RGB(0, 0, 255));
}

// Random blits from a fixed seed, checked against a pixel-by-pixel model.
TEST(Blit, RandomBlitsMatchAPixelModel) {
  std::mt19937 random(20240611);
  Canvas src(16, 16), dst(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) SetPixel(src.Dc(), x, y, RGB(random() & 0xFF, random() & 0xFF, random() & 0xFF));
  }
  const DWORD rops[] = {SRCCOPY, SRCAND, SRCINVERT, SRCPAINT, NOTSRCCOPY, DSTINVERT};
  for (int round = 0; round < 200; ++round) {
    std::vector<COLORREF> model(256);
    for (int i = 0; i < 256; ++i) model[static_cast<std::size_t>(i)] = dst.At(i % 16, i / 16);
    const int x = static_cast<int>(random() % 20) - 2, y = static_cast<int>(random() % 20) - 2;
    const int w = static_cast<int>(random() % 10), h = static_cast<int>(random() % 10);
    const int sx = static_cast<int>(random() % 16), sy = static_cast<int>(random() % 16);
    const DWORD rop = rops[random() % 6];
    BitBlt(dst.Dc(), x, y, w, h, src.Dc(), sx, sy, rop);
    for (int py = 0; py < 16; ++py) {
      for (int px = 0; px < 16; ++px) {
        COLORREF expected = model[static_cast<std::size_t>(py * 16 + px)];
        const int qx = px - x + sx, qy = py - y + sy;
        const bool sourced = rop == DSTINVERT || (qx >= 0 && qx < 16 && qy >= 0 && qy < 16);
        if (px >= x && px < x + w && py >= y && py < y + h && sourced) {
          const COLORREF s = rop == DSTINVERT ? 0 : src.At(qx, qy), d = expected;
          switch (rop) {
            case SRCCOPY: expected = s; break;
            case SRCAND: expected = s & d; break;
            case SRCINVERT: expected = s ^ d; break;
            case SRCPAINT: expected = s | d; break;
            case NOTSRCCOPY: expected = ~s & 0xFFFFFF; break;
            default: expected = ~d & 0xFFFFFF; break;
          }
        }
        ASSERT_EQ(dst.At(px, py), expected) << "seed 20240611, round " << round << " at " << px << "," << py;
      }
    }
  }
}

}  // namespace
