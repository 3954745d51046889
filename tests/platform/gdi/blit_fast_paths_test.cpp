// The fast paths of plain and nearest-pixel copies against the general blit:
// the same rectangles drawn with SRCCOPY (fast) and with MERGECOPY under a
// white brush (the same pixels, through the general raster-operation loop),
// over clip edges, mirrored and offscreen rectangles, enlarging and shrinking
// stretches, key-colour copies, copies within one bitmap and sources of
// other depths that take the general way.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/gdi/gdi.h"
#include "support/canvas.h"

namespace {

using brellis::test::Canvas;

constexpr int kSize = 40;
constexpr COLORREF kKey = RGB(255, 0, 255);

// Random pixels, about one in four of them the key colour.
void Scatter(const Canvas& canvas, std::mt19937& random) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const COLORREF colour = random() % 4 == 0 ? kKey : RGB(random() & 0xFF, random() & 0xFF, random() & 0xFF);
      SetPixel(canvas.Dc(), x, y, colour);
    }
  }
}

// Runs of two colours, so stretches of them have long spans of one pixel.
void Stripes(const Canvas& canvas) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) SetPixel(canvas.Dc(), x, y, (x / 3 + y) % 2 ? kKey : RGB(x, y, 7));
  }
}

void ExpectSame(const Canvas& a, const Canvas& b, const char* what, int round) {
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      ASSERT_EQ(a.At(x, y), b.At(x, y)) << what << ", round " << round << " at " << x << "," << y;
    }
  }
}

struct Rectangles {
  int x, y, width, height, sx, sy, sourceWidth, sourceHeight;
};

// Extents from shrinking to enlarging eight times, some negative, some
// origins off the destination or the source.
Rectangles RandomRectangles(std::mt19937& random) {
  auto extent = [&] {
    const int choices[] = {1, 2, 3, 5, 9, 17, 33, 47};
    const int value = choices[random() % 8];
    return random() % 6 == 0 ? -value : value;
  };
  Rectangles r{};
  r.x = static_cast<int>(random() % 60) - 10;
  r.y = static_cast<int>(random() % 60) - 10;
  r.width = extent();
  r.height = extent();
  r.sx = static_cast<int>(random() % 50) - 5;
  r.sy = static_cast<int>(random() % 50) - 5;
  r.sourceWidth = random() % 3 == 0 ? r.width : extent();
  r.sourceHeight = random() % 3 == 0 ? r.height : extent();
  return r;
}

// A clip rectangle on some rounds, so boxes start and end inside rows.
void MaybeClip(HDC dc, std::mt19937& random) {
  SelectClipRgn(dc, nullptr);
  if (random() % 2 == 0) return;
  const int left = static_cast<int>(random() % 20), top = static_cast<int>(random() % 20);
  IntersectClipRect(dc, left, top, left + 3 + static_cast<int>(random() % 30), top + 3 + static_cast<int>(random() % 30));
  if (random() % 2 == 0) ExcludeClipRect(dc, left + 2, top + 2, left + 5, top + 4);
}

TEST(BlitFastPaths, CopiesAndStretchesMatchTheGeneralBlit) {
  std::mt19937 random(7031);
  Canvas source(kSize, kSize);
  for (int round = 0; round < 400; ++round) {
    if (round % 100 == 0) {
      if (round % 200 == 0) {
        Scatter(source, random);
      } else {
        Stripes(source);
      }
    }
    Canvas fast(kSize, kSize, RGB(1, 2, 3)), general(kSize, kSize, RGB(1, 2, 3));
    const std::mt19937 clipState = random;
    MaybeClip(fast.Dc(), random);
    std::mt19937 sameClip = clipState;
    MaybeClip(general.Dc(), sameClip);
    const Rectangles r = RandomRectangles(random);
    SetStretchBltMode(fast.Dc(), COLORONCOLOR);
    SetStretchBltMode(general.Dc(), COLORONCOLOR);
    if (round % 4 == 0) {
      BitBlt(fast.Dc(), r.x, r.y, r.width, r.height, source.Dc(), r.sx, r.sy, SRCCOPY);
      BitBlt(general.Dc(), r.x, r.y, r.width, r.height, source.Dc(), r.sx, r.sy, MERGECOPY);
    } else {
      StretchBlt(fast.Dc(), r.x, r.y, r.width, r.height, source.Dc(), r.sx, r.sy, r.sourceWidth, r.sourceHeight, SRCCOPY);
      StretchBlt(general.Dc(), r.x, r.y, r.width, r.height, source.Dc(), r.sx, r.sy, r.sourceWidth, r.sourceHeight,
                 MERGECOPY);
    }
    ExpectSame(fast, general, "copy", round);
  }
}

// TransparentBlt leaves the destination where the stretched source has the
// key colour: the same as stretching into a canvas of key colour and keeping
// the destination wherever that canvas still shows the key.
TEST(BlitFastPaths, KeyColourCopiesMatchStretchingThenKeying) {
  std::mt19937 random(9127);
  Canvas source(kSize, kSize);
  for (int round = 0; round < 300; ++round) {
    if (round % 100 == 0) {
      if (round % 200 == 0) {
        Scatter(source, random);
      } else {
        Stripes(source);
      }
    }
    Rectangles r = RandomRectangles(random);
    // TransparentBlt refuses negative extents.
    r.width = std::abs(r.width);
    r.height = std::abs(r.height);
    r.sourceWidth = std::abs(r.sourceWidth);
    r.sourceHeight = std::abs(r.sourceHeight);
    Canvas fast(kSize, kSize), stretched(kSize, kSize, kKey), expected(kSize, kSize);
    for (Canvas* c : {&fast, &expected}) {
      for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) SetPixel(c->Dc(), x, y, RGB(x * 5, y * 5, round & 0xFF));
      }
    }
    TransparentBlt(fast.Dc(), r.x, r.y, r.width, r.height, source.Dc(), r.sx, r.sy, r.sourceWidth, r.sourceHeight, kKey);
    SetStretchBltMode(stretched.Dc(), COLORONCOLOR);
    StretchBlt(stretched.Dc(), r.x, r.y, r.width, r.height, source.Dc(), r.sx, r.sy, r.sourceWidth, r.sourceHeight,
               MERGECOPY);
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (stretched.At(x, y) != kKey) SetPixel(expected.Dc(), x, y, stretched.At(x, y));
      }
    }
    ExpectSame(fast, expected, "keyed copy", round);
  }
}

// Copies within one bitmap read the source before writing, whichever way
// the rectangles overlap, stretched or not.
TEST(BlitFastPaths, OverlappingCopiesWithinOneBitmapReadTheSourceFirst) {
  std::mt19937 random(55);
  for (int round = 0; round < 200; ++round) {
    Canvas same(kSize, kSize), copy(kSize, kSize), expected(kSize, kSize);
    Scatter(same, random);
    BitBlt(copy.Dc(), 0, 0, kSize, kSize, same.Dc(), 0, 0, SRCCOPY);
    BitBlt(expected.Dc(), 0, 0, kSize, kSize, same.Dc(), 0, 0, SRCCOPY);
    const int x = static_cast<int>(random() % 30) - 5, y = static_cast<int>(random() % 30) - 5;
    const int sx = x + static_cast<int>(random() % 7) - 3, sy = y + static_cast<int>(random() % 7) - 3;
    const int w = 5 + static_cast<int>(random() % 25), h = 5 + static_cast<int>(random() % 25);
    const bool stretch = round % 2 == 1;
    SetStretchBltMode(same.Dc(), COLORONCOLOR);
    SetStretchBltMode(expected.Dc(), COLORONCOLOR);
    if (stretch) {
      StretchBlt(same.Dc(), x, y, w, h, same.Dc(), sx, sy, w / 2 + 1, h / 3 + 1, SRCCOPY);
      StretchBlt(expected.Dc(), x, y, w, h, copy.Dc(), sx, sy, w / 2 + 1, h / 3 + 1, SRCCOPY);
    } else {
      BitBlt(same.Dc(), x, y, w, h, same.Dc(), sx, sy, SRCCOPY);
      BitBlt(expected.Dc(), x, y, w, h, copy.Dc(), sx, sy, SRCCOPY);
    }
    ExpectSame(same, expected, stretch ? "stretch within" : "copy within", round);
  }
}

// A bitmap of `bits` bits per pixel holding the pixels of `from` (for one
// bit: black where `from` is black, else white), selected into a DC.
struct DeepSource {
  DeepSource(const Canvas& from, int bits) {
    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = from.Width();
    info.bmiHeader.biHeight = from.Height();  // bottom-up, unlike the canvases
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    void* pixels = nullptr;
    bitmap = bits == 1 ? CreateBitmap(from.Width(), from.Height(), 1, 1, nullptr)
                       : CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    previous = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, from.Width(), from.Height(), from.Dc(), 0, 0, SRCCOPY);
  }
  ~DeepSource() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
};

// 24-bit and monochrome sources are converted before copying; they give
// what a 32-bit source of the same colours gives.
TEST(BlitFastPaths, SourcesOfOtherDepthsGiveTheSameCopies) {
  std::mt19937 random(313);
  Canvas colours(kSize, kSize);
  Scatter(colours, random);
  DeepSource deep(colours, 24);
  DeepSource mono(colours, 1);
  // The monochrome source in colour: its 0 bits take the text colour (black)
  // and its 1 bits the background colour (white) of the destination.
  Canvas monoColours(kSize, kSize);
  BitBlt(monoColours.Dc(), 0, 0, kSize, kSize, mono.dc, 0, 0, SRCCOPY);
  for (int round = 0; round < 200; ++round) {
    const Rectangles r = RandomRectangles(random);
    const bool monochrome = round % 2 == 1;
    Canvas fromDeep(kSize, kSize, RGB(9, 9, 9)), from32(kSize, kSize, RGB(9, 9, 9));
    SetStretchBltMode(fromDeep.Dc(), COLORONCOLOR);
    SetStretchBltMode(from32.Dc(), COLORONCOLOR);
    StretchBlt(fromDeep.Dc(), r.x, r.y, r.width, r.height, monochrome ? mono.dc : deep.dc, r.sx, r.sy, r.sourceWidth,
               r.sourceHeight, SRCCOPY);
    StretchBlt(from32.Dc(), r.x, r.y, r.width, r.height, monochrome ? monoColours.Dc() : colours.Dc(), r.sx, r.sy,
               r.sourceWidth, r.sourceHeight, SRCCOPY);
    ExpectSame(fromDeep, from32, monochrome ? "monochrome source" : "24-bit source", round);
  }
}

}  // namespace
