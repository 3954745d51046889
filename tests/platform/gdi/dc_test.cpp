// Device-context state: saving and restoring, origins, clipping, and the
// surface DCs the window manager makes.
#include <gtest/gtest.h>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"
#include "support/canvas.h"

namespace {

using brellis::test::Canvas;

TEST(DeviceContext, SaveAndRestoreBringBackStateAndObjects) {
  Canvas canvas(8, 8);
  HDC dc = canvas.Dc();
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  SetTextColor(dc, RGB(1, 2, 3));
  const int level = SaveDC(dc);
  EXPECT_EQ(level, 1);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  SetTextColor(dc, RGB(9, 9, 9));
  SetBkMode(dc, TRANSPARENT);
  SetViewportOrgEx(dc, 3, 4, nullptr);
  IntersectClipRect(dc, 0, 0, 1, 1);
  EXPECT_EQ(SaveDC(dc), 2);
  EXPECT_TRUE(RestoreDC(dc, -2));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), oldPen);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin, (POINT{0, 0}));
  RECT box;
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 8, 8}));
  EXPECT_FALSE(RestoreDC(dc, 1));  // nothing saved any more
  DeleteObject(pen);
}

TEST(DeviceContext, ClipRectanglesUseLogicalCoordinatesAndRegionsDeviceOnes) {
  Canvas canvas(20, 20);
  HDC dc = canvas.Dc();
  SetViewportOrgEx(dc, 5, 5, nullptr);
  EXPECT_EQ(IntersectClipRect(dc, 0, 0, 10, 10), SIMPLEREGION);
  RECT box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{0, 0, 10, 10}));  // logical
  EXPECT_EQ(ExcludeClipRect(dc, 2, 2, 4, 4), COMPLEXREGION);
  RECT inside{2, 2, 4, 4}, partly{3, 3, 6, 6};
  EXPECT_FALSE(RectVisible(dc, &inside));
  EXPECT_TRUE(RectVisible(dc, &partly));
  EXPECT_FALSE(PtVisible(dc, 3, 3));
  EXPECT_TRUE(PtVisible(dc, 5, 5));
  HRGN got = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, got), 1);
  GetRgnBox(got, &box);
  EXPECT_EQ(box, (RECT{5, 5, 15, 15}));  // device
  // A region selected as the clip is in device coordinates.
  HRGN clip = CreateRectRgn(0, 0, 3, 3);
  EXPECT_EQ(SelectClipRgn(dc, clip), SIMPLEREGION);
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{-5, -5, -2, -2}));
  EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(dc, got), 0);
  // The DC keeps a copy: deleting the region changes nothing.
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{-5, -5, -2, -2}));
  SelectClipRgn(dc, nullptr);
  DeleteObject(got);
}

TEST(DeviceContext, ExtSelectClipRgnCombinesWithTheCurrentClip) {
  Canvas canvas(10, 10);
  HDC dc = canvas.Dc();
  HRGN left = CreateRectRgn(0, 0, 5, 10);
  HRGN top = CreateRectRgn(0, 0, 10, 5);
  SelectClipRgn(dc, left);
  EXPECT_EQ(ExtSelectClipRgn(dc, top, RGN_AND), SIMPLEREGION);
  RECT box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{0, 0, 5, 5}));
  SelectClipRgn(dc, nullptr);
  EXPECT_EQ(ExtSelectClipRgn(dc, top, RGN_DIFF), SIMPLEREGION);
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{0, 5, 10, 10}));
  DeleteObject(left);
  DeleteObject(top);
}

TEST(DeviceContext, PaintingOverAParentUsesAMovedViewportAndClip) {
  // What a control does to have its parent paint beneath it.
  Canvas canvas(10, 10, RGB(0, 0, 0));
  HDC dc = canvas.Dc();
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, -3, -2, nullptr);
  IntersectClipRect(dc, 3, 2, 6, 4);
  RECT parent{0, 0, 10, 10};
  HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
  FillRect(dc, &parent, brush);
  RestoreDC(dc, saved);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(2, 1), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(3, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(0, 2), RGB(0, 0, 0));
  DeleteObject(brush);
}

TEST(DeviceContext, SurfaceDcsDrawAtTheirOriginWithinTheVisibleRegion) {
  platform::Surface store(40, 30);
  platform::Region visible(RECT{10, 10, 30, 25});
  visible.Subtract(RECT{20, 10, 30, 15});  // a sibling covers this corner
  HDC dc = platform::CreateSurfaceDC(&store, POINT{10, 10}, visible);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetObjectType(dc), OBJ_DC);
  RECT all{-100, -100, 100, 100};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(store.At(10, 10), 0xFFFFFFu);
  EXPECT_EQ(store.At(9, 10), 0u);
  EXPECT_EQ(store.At(25, 12), 0u);  // covered
  EXPECT_EQ(store.At(25, 16), 0xFFFFFFu);
  RECT box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{0, 0, 20, 15}));
  // The application's clip is relative to the origin.
  HRGN clip = CreateRectRgn(0, 0, 2, 2);
  SelectClipRgn(dc, clip);
  store.At(10, 10) = 0;
  store.At(12, 12) = 0;
  SetPixel(dc, 0, 0, RGB(0, 0, 255));
  SetPixel(dc, 2, 2, RGB(0, 0, 255));
  EXPECT_EQ(store.At(10, 10), 0x0000FFu);
  EXPECT_EQ(store.At(12, 12), 0u);
  // Moving the origin moves the clip with it.
  EXPECT_TRUE(platform::SetSurfaceDCOrigin(dc, POINT{15, 15}));
  SetPixel(dc, 0, 0, RGB(255, 0, 0));
  EXPECT_EQ(store.At(15, 15), 0xFF0000u);
  EXPECT_TRUE(platform::ResetSurfaceDC(dc));
  EXPECT_EQ(GetClipRgn(dc, clip), 0);
  EXPECT_TRUE(platform::SetSurfaceDCVisibleRegion(dc, platform::Region()));
  EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
  HDC memory = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(platform::SetSurfaceDCOrigin(memory, POINT{}));
  DeleteDC(memory);
  DeleteObject(clip);
  DeleteDC(dc);
}

TEST(DeviceContext, AMemoryDcStartsWithAOnePixelMonochromeBitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  BITMAP bm{};
  GetObjectW(bitmap, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  // So a bitmap "compatible" with it is monochrome, as on Windows.
  HBITMAP compatible = CreateCompatibleBitmap(dc, 5, 5);
  GetObjectW(compatible, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  DeleteObject(compatible);
  DeleteDC(dc);
}

TEST(DeviceContext, StateSettersValidateTheirArguments) {
  Canvas canvas(2, 2);
  EXPECT_EQ(SetStretchBltMode(canvas.Dc(), COLORONCOLOR), BLACKONWHITE);
  EXPECT_EQ(SetStretchBltMode(canvas.Dc(), 9), 0);
  EXPECT_EQ(GetStretchBltMode(canvas.Dc()), COLORONCOLOR);
  EXPECT_EQ(SetBkMode(canvas.Dc(), 7), 0);
  EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
  EXPECT_EQ(SetROP2(canvas.Dc(), R2_XORPEN), R2_COPYPEN);
}

}  // namespace
