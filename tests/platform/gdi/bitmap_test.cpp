// Bitmaps: creation in every depth, the DIB calls, GetObject, and what
// deleting and selecting do to handles.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/gdi/gdi.h"
#include "support/canvas.h"

namespace {

BITMAPINFO* MakeInfo(std::vector<std::uint8_t>& storage, int width, int height, int bpp, const std::vector<RGBQUAD>& palette,
                     DWORD compression = BI_RGB, const std::vector<DWORD>& masks = {}) {
  storage.assign(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
  auto* info = reinterpret_cast<BITMAPINFO*>(storage.data());
  info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info->bmiHeader.biWidth = width;
  info->bmiHeader.biHeight = height;
  info->bmiHeader.biPlanes = 1;
  info->bmiHeader.biBitCount = static_cast<WORD>(bpp);
  info->bmiHeader.biCompression = compression;
  info->bmiHeader.biClrUsed = static_cast<DWORD>(palette.size());
  if (!palette.empty()) std::memcpy(info->bmiColors, palette.data(), palette.size() * sizeof(RGBQUAD));
  if (!masks.empty()) std::memcpy(info->bmiColors, masks.data(), masks.size() * sizeof(DWORD));
  return info;
}

TEST(Bitmap, DibSectionsInEveryDepthDrawAndReadBackThroughTheirOwnLayout) {
  // A red square drawn into each depth reads back as the nearest colour of
  // the depth; palette depths take their palette's nearest entry.
  const std::vector<RGBQUAD> palette{{0, 0, 0, 0}, {0, 0, 255, 0}, {255, 255, 255, 0}, {0, 255, 0, 0}};
  for (int bpp : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bpp);
    std::vector<std::uint8_t> storage;
    const std::vector<RGBQUAD> table = bpp == 1 ? std::vector<RGBQUAD>{{0, 0, 0, 0}, {255, 255, 255, 0}} : palette;
    BITMAPINFO* info = MakeInfo(storage, 10, 6, bpp, bpp <= 8 ? table : std::vector<RGBQUAD>{});
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(bits, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH red = CreateSolidBrush(RGB(250, 0, 0));
    RECT all{0, 0, 10, 6}, inner{2, 1, 5, 4};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &inner, red);
    const COLORREF expected = bpp == 1 ? RGB(0, 0, 0) : bpp <= 8 ? RGB(255, 0, 0) : bpp == 16 ? RGB(255, 0, 0) : RGB(250, 0, 0);
    EXPECT_EQ(GetPixel(dc, 3, 2), expected);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    // Bottom-up rows: visual row 1 is memory row 4.
    if (bpp == 24) {
      const auto* row = static_cast<const std::uint8_t*>(bits) + 4 * ((10 * 3 + 3) / 4 * 4);
      EXPECT_EQ(row[3 * 3 + 2], 250);
      EXPECT_EQ(row[3 * 3 + 0], 0);
    }
    SelectObject(dc, old);
    DeleteObject(red);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
}

TEST(Bitmap, GetDIBitsAndSetDIBitsRoundTripEveryDepth) {
  brellis::test::Canvas canvas(7, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) SetPixel(canvas.Dc(), x, y, RGB(x * 30, y * 50, (x + y) % 2 ? 255 : 0));
  }
  for (int bpp : {16, 24, 32}) {
    SCOPED_TRACE(bpp);
    std::vector<std::uint8_t> storage;
    BITMAPINFO* info = MakeInfo(storage, 7, 5, bpp, {});
    std::vector<std::uint8_t> bits(static_cast<std::size_t>((7 * bpp + 31) / 32 * 4 * 5));
    EXPECT_EQ(GetDIBits(canvas.Dc(), canvas.Bitmap(), 0, 5, bits.data(), info, DIB_RGB_COLORS), 5);
    brellis::test::Canvas copy(7, 5, RGB(0, 0, 0));
    HBITMAP target = CreateCompatibleBitmap(canvas.Dc(), 7, 5);
    EXPECT_EQ(SetDIBits(canvas.Dc(), target, 0, 5, bits.data(), info, DIB_RGB_COLORS), 5);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 7; ++x) {
        const COLORREF original = canvas.At(x, y);
        const COLORREF back = GetPixel(dc, x, y);
        if (bpp == 16) {
          // 5 bits per channel: the top five bits survive.
          EXPECT_EQ(GetRValue(back) & 0xF8, GetRValue(original) & 0xF8);
          EXPECT_EQ(GetGValue(back) & 0xF8, GetGValue(original) & 0xF8);
        } else {
          EXPECT_EQ(back, original) << x << "," << y;
        }
      }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);
  }
}

TEST(Bitmap, GetDIBitsWithoutBitsDescribesTheBitmap) {
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 33, 17);
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  EXPECT_NE(GetDIBits(dc, bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(info.bmiHeader.biWidth, 33);
  EXPECT_EQ(info.bmiHeader.biHeight, 17);
  EXPECT_EQ(info.bmiHeader.biBitCount, 32);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 33u * 4 * 17);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(Bitmap, GetObjectAnswersBitmapOrDibSection) {
  HBITMAP device = CreateBitmap(13, 4, 1, 1, nullptr);
  BITMAP bm{};
  ASSERT_EQ(GetObjectW(device, sizeof(bm), &bm), static_cast<int>(sizeof(BITMAP)));
  EXPECT_EQ(bm.bmWidth, 13);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(bm.bmWidthBytes, 2);  // device rows are word-aligned
  EXPECT_EQ(bm.bmBits, nullptr);
  std::vector<std::uint8_t> storage;
  BITMAPINFO* info = MakeInfo(storage, 13, -4, 24, {});
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectW(section, sizeof(ds), &ds), static_cast<int>(sizeof(DIBSECTION)));
  EXPECT_EQ(ds.dsBm.bmBits, bits);
  EXPECT_EQ(ds.dsBm.bmWidthBytes, 40);
  EXPECT_EQ(ds.dsBmih.biHeight, -4);
  EXPECT_EQ(GetObjectType(section), OBJ_BITMAP);
  DeleteObject(device);
  DeleteObject(section);
}

TEST(Bitmap, CreateBitmapReadsWordAlignedMonochromeRows) {
  // 10 pixels wide: two bytes per row, 1 = white.
  const std::uint8_t rows[] = {0xC0, 0x40, 0x00, 0x00};
  HBITMAP bitmap = CreateBitmap(10, 2, 1, 1, rows);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 9, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(Bitmap, SelectedBitmapsCannotBeDeletedOrSelectedTwice) {
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 4, 4);
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(first, bitmap);
  ASSERT_NE(old, nullptr);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(GetObjectType(bitmap), OBJ_BITMAP);
  EXPECT_EQ(SelectObject(second, bitmap), nullptr);
  SelectObject(first, old);
  EXPECT_NE(SelectObject(second, bitmap), nullptr);
  SelectObject(second, old);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  DeleteDC(first);
  DeleteDC(second);
}

TEST(Bitmap, ObjectsDeletedWhileSelectedLiveUntilDeselected) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  HGDIOBJ old = SelectObject(dc, pen);
  EXPECT_TRUE(DeleteObject(pen));
  // Still usable in the DC: the deletion waits.
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
  SelectObject(dc, old);
  EXPECT_EQ(GetObjectType(pen), 0u);
  // Deleting the DC completes a pending delete as well.
  HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
  SelectObject(dc, brush);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST(Bitmap, BadHandlesFailLikeWin32) {
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 2, 2);
  DeleteObject(bitmap);
  SetLastError(0);
  EXPECT_EQ(SelectObject(nullptr, bitmap), nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(dc, bitmap), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, reinterpret_cast<HDC>(bitmap), 0, 0, SRCCOPY));
  EXPECT_EQ(GetObjectW(bitmap, 0, nullptr), 0);
  // Stock objects survive DeleteObject.
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), OBJ_BRUSH);
  DeleteDC(dc);
  EXPECT_FALSE(DeleteDC(dc));
}

}  // namespace

namespace {

TEST(Bitmap, GetDIBitsIntoPaletteLayoutsUsesTheDefaultTables) {
  brellis::test::Canvas canvas(9, 2, RGB(255, 255, 255));
  SetPixel(canvas.Dc(), 0, 0, RGB(0, 0, 0));
  SetPixel(canvas.Dc(), 1, 0, RGB(250, 5, 5));
  for (int bpp : {1, 4, 8}) {
    SCOPED_TRACE(bpp);
    std::vector<std::uint8_t> storage;
    BITMAPINFO* info = MakeInfo(storage, 9, -2, bpp, {});
    std::vector<std::uint8_t> bits(64, 0xAB);
    EXPECT_EQ(GetDIBits(canvas.Dc(), canvas.Bitmap(), 0, 2, bits.data(), info, DIB_RGB_COLORS), 2);
    auto colourOf = [&](int index) {
      const RGBQUAD q = info->bmiColors[index];
      return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    };
    auto indexAt = [&](int x) {
      if (bpp == 8) return static_cast<int>(bits[static_cast<std::size_t>(x)]);
      if (bpp == 4) return (x & 1) ? bits[static_cast<std::size_t>(x / 2)] & 0x0F : bits[static_cast<std::size_t>(x / 2)] >> 4;
      return (bits[static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(colourOf(indexAt(0)), RGB(0, 0, 0));
    EXPECT_EQ(colourOf(indexAt(2)), RGB(255, 255, 255));
    if (bpp > 1) {
      EXPECT_EQ(colourOf(indexAt(1)), RGB(255, 0, 0));
    }
  }
}

TEST(Bitmap, SetDIBitsToDeviceDrawsTheGivenScanLines) {
  // Three bottom-up 24-bit rows; only scan lines 1 and 2 are handed over.
  std::vector<std::uint8_t> storage;
  BITMAPINFO* info = MakeInfo(storage, 1, 3, 24, {});
  // The buffer holds scan 1 (red) then scan 2 (green), rows padded to 4 bytes.
  const std::uint8_t given[8] = {0, 0, 200, 0, 0, 200, 0, 0};
  brellis::test::Canvas canvas(1, 3, RGB(1, 1, 1));
  EXPECT_EQ(SetDIBitsToDevice(canvas.Dc(), 0, 0, 1, 3, 0, 0, 1, 2, given, info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(canvas.At(0, 1), RGB(200, 0, 0));  // scan 1 is the middle row
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 200, 0));  // scan 2 is the top row
  EXPECT_EQ(canvas.At(0, 2), RGB(1, 1, 1));    // scan 0 was not given
}

}  // namespace
