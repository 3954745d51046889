// Icons and image lists.
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "support/canvas.h"

namespace {

using brellis::test::Canvas;

// A 4×4 icon: a red picture with a transparent left half.
HICON MakeIcon() {
  Canvas picture(4, 4, RGB(255, 0, 0));
  RECT left{0, 0, 2, 4};
  FillRect(picture.Dc(), &left, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HBITMAP mask = CreateBitmap(4, 4, 1, 1, nullptr);
  HDC maskDc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(maskDc, mask);
  PatBlt(maskDc, 0, 0, 4, 4, BLACKNESS);
  PatBlt(maskDc, 0, 0, 2, 4, WHITENESS);
  SelectObject(maskDc, old);
  DeleteDC(maskDc);
  HBITMAP colour = static_cast<HBITMAP>(CopyImage(picture.Bitmap(), IMAGE_BITMAP, 0, 0, 0));
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

TEST(Icon, DrawIconExMasksAndStretches) {
  HICON icon = MakeIcon();
  ASSERT_NE(icon, nullptr);
  Canvas canvas(8, 8, RGB(0, 0, 255));
  EXPECT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(3, 3), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(4, 0), RGB(0, 0, 255));
  canvas.Fill(RGB(0, 0, 255));
  EXPECT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 8, 8, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.At(3, 7), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(4, 0), RGB(255, 0, 0));
  HICON small = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, 2, 2, LR_COPYFROMRESOURCE));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(small, &info));
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 2);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_TRUE(DestroyIcon(small));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
  EXPECT_FALSE(DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
}

TEST(ImageList, AddMaskedDrawsTransparentlyOrOverTheBackground) {
  // Two 3×2 glyphs side by side; white is the transparent colour.
  Canvas strip(6, 2, RGB(255, 255, 255));
  SetPixel(strip.Dc(), 1, 0, RGB(0, 128, 0));
  SetPixel(strip.Dc(), 4, 1, RGB(128, 0, 0));
  HIMAGELIST list = ImageList_Create(3, 2, ILC_COLORDDB | ILC_MASK, 4, 4);
  HBITMAP bitmap = static_cast<HBITMAP>(CopyImage(strip.Bitmap(), IMAGE_BITMAP, 0, 0, 0));
  EXPECT_EQ(ImageList_AddMasked(list, bitmap, RGB(255, 255, 255)), 0);
  DeleteObject(bitmap);
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  int cx = 0, cy = 0;
  EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
  EXPECT_EQ(cx, 3);
  EXPECT_EQ(cy, 2);
  Canvas canvas(3, 2, RGB(9, 9, 9));
  EXPECT_TRUE(ImageList_Draw(list, 0, canvas.Dc(), 0, 0, ILD_TRANSPARENT));
  EXPECT_EQ(canvas.At(0, 0), RGB(9, 9, 9));
  EXPECT_EQ(canvas.At(1, 0), RGB(0, 128, 0));
  ImageList_SetBkColor(list, RGB(1, 1, 1));
  EXPECT_TRUE(ImageList_Draw(list, 1, canvas.Dc(), 0, 0, ILD_NORMAL));
  EXPECT_EQ(canvas.At(0, 0), RGB(1, 1, 1));
  EXPECT_EQ(canvas.At(1, 1), RGB(128, 0, 0));
  EXPECT_FALSE(ImageList_Draw(list, 2, canvas.Dc(), 0, 0, ILD_NORMAL));
  IMAGEINFO info{};
  EXPECT_TRUE(ImageList_GetImageInfo(list, 1, &info));
  EXPECT_EQ(info.rcImage, (RECT{3, 0, 6, 2}));
  EXPECT_EQ(GetObjectType(info.hbmMask), OBJ_BITMAP);
  HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
  EXPECT_EQ(ImageList_AddIcon(list, icon), 2);
  DestroyIcon(icon);
  EXPECT_TRUE(ImageList_Remove(list, 0));
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  EXPECT_TRUE(ImageList_Destroy(list));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
}

}  // namespace

namespace {

TEST(Icon, AlphaPicturesBlendAndImageListsTakeTheirShape) {
  // A 2×1 32-bit picture: opaque red, then half-transparent blue.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = -1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  static_cast<std::uint32_t*>(bits)[0] = 0xFFFF0000;
  static_cast<std::uint32_t*>(bits)[1] = 0x800000FF;
  HBITMAP mask = CreateBitmap(2, 1, 1, 1, nullptr);
  ICONINFO ii{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&ii);
  Canvas canvas(2, 1, RGB(0, 0, 0));
  DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(1, 0), RGB(0, 0, 128));
  // The picture's alpha survives GetIconInfo.
  ICONINFO back{};
  ASSERT_TRUE(GetIconInfo(icon, &back));
  BITMAP bm{};
  GetObjectW(back.hbmColor, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  // In an image list the half-transparent pixel stays, below half it would go.
  HIMAGELIST list = ImageList_Create(2, 1, ILC_COLOR32 | ILC_MASK, 1, 1);
  EXPECT_EQ(ImageList_AddIcon(list, icon), 0);
  canvas.Fill(RGB(0, 255, 0));
  ImageList_Draw(list, 0, canvas.Dc(), 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
  // Selected drawing blends half-way with the highlight colour.
  ImageList_DrawEx(list, 0, canvas.Dc(), 0, 0, 0, 0, CLR_NONE, RGB(0, 0, 255), ILD_TRANSPARENT | ILD_BLEND50);
  EXPECT_EQ(canvas.At(0, 0), RGB(128, 0, 127));
  ImageList_Destroy(list);
  DeleteObject(back.hbmColor);
  DeleteObject(back.hbmMask);
  DestroyIcon(icon);
  DeleteObject(mask);
  DeleteObject(colour);
}

TEST(Icon, CopyImageScalesBitmapsAndCanMakeThemMonochrome) {
  Canvas picture(4, 2, RGB(255, 255, 255));
  SetPixel(picture.Dc(), 0, 0, RGB(0, 0, 0));
  HBITMAP mono = static_cast<HBITMAP>(CopyImage(picture.Bitmap(), IMAGE_BITMAP, 8, 4, LR_MONOCHROME));
  BITMAP bm{};
  GetObjectW(mono, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 8);
  EXPECT_EQ(bm.bmHeight, 4);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mono);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(255, 255, 255));
  SelectObject(dc, old);
  DeleteDC(dc);
  HBITMAP same = static_cast<HBITMAP>(CopyImage(mono, IMAGE_BITMAP, 0, 0, LR_COPYRETURNORG));
  EXPECT_EQ(same, mono);
  HBITMAP moved = static_cast<HBITMAP>(CopyImage(mono, IMAGE_BITMAP, 2, 2, LR_COPYDELETEORG));
  EXPECT_EQ(GetObjectType(mono), 0u);
  DeleteObject(moved);
}

}  // namespace
