// Shapes, pens, brushes and the classic edges, checked pixel by pixel and
// against golden pictures.
#include <gtest/gtest.h>

#include <array>

#include "platform/gdi/gdi.h"
#include "support/canvas.h"
#include "support/golden.h"

namespace {

using brellis::test::Canvas;

int CountColour(const Canvas& canvas, COLORREF colour) {
  int count = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) count += canvas.At(x, y) == colour;
  }
  return count;
}

TEST(Shapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Canvas canvas(8, 8);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
  HGDIOBJ oldPen = SelectObject(canvas.Dc(), pen), oldBrush = SelectObject(canvas.Dc(), brush);
  Rectangle(canvas.Dc(), 1, 1, 6, 5);
  EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(5, 4), RGB(255, 0, 0));  // right and bottom edges are the last pixels inside
  EXPECT_EQ(canvas.At(6, 4), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 255));
  EXPECT_EQ(CountColour(canvas, RGB(0, 0, 255)), 3 * 2);
  // With the null pen the filled area is one pixel smaller each way.
  canvas.Fill(RGB(255, 255, 255));
  SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
  Rectangle(canvas.Dc(), 1, 1, 6, 5);
  EXPECT_EQ(CountColour(canvas, RGB(0, 0, 255)), 4 * 3);
  EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(5, 1), RGB(255, 255, 255));
  SelectObject(canvas.Dc(), oldPen);
  SelectObject(canvas.Dc(), oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

TEST(Shapes, LineToLeavesOutTheEndPointAndMovesTheCurrentPosition) {
  Canvas canvas(6, 6);
  MoveToEx(canvas.Dc(), 0, 2, nullptr);
  LineTo(canvas.Dc(), 4, 2);
  EXPECT_EQ(CountColour(canvas, RGB(0, 0, 0)), 4);
  EXPECT_EQ(canvas.At(4, 2), RGB(255, 255, 255));
  POINT position;
  GetCurrentPositionEx(canvas.Dc(), &position);
  EXPECT_EQ(position, (POINT{4, 2}));
  LineTo(canvas.Dc(), 4, 5);
  EXPECT_EQ(canvas.At(4, 2), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(4, 5), RGB(255, 255, 255));
}

TEST(Shapes, XorDrawingTwiceRestoresThePicture) {
  Canvas canvas(12, 12, RGB(10, 200, 30));
  RECT r{2, 2, 10, 9};
  DrawFocusRect(canvas.Dc(), &r);
  EXPECT_NE(canvas.At(2, 2), RGB(10, 200, 30));
  EXPECT_EQ(canvas.At(3, 2), RGB(10, 200, 30));  // dotted
  DrawFocusRect(canvas.Dc(), &r);
  EXPECT_EQ(CountColour(canvas, RGB(10, 200, 30)), 144);
  SetROP2(canvas.Dc(), R2_NOT);
  Polygon(canvas.Dc(), std::array<POINT, 3>{POINT{1, 1}, POINT{10, 1}, POINT{5, 10}}.data(), 3);
  Polygon(canvas.Dc(), std::array<POINT, 3>{POINT{1, 1}, POINT{10, 1}, POINT{5, 10}}.data(), 3);
  EXPECT_EQ(CountColour(canvas, RGB(10, 200, 30)), 144);
}

TEST(Shapes, HugeShapesCostOnlyTheirVisibleRows) {
  // An ellipse a hundred million pixels high: only the canvas's rows are made.
  Canvas canvas(4, 4);
  SelectObject(canvas.Dc(), GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(Ellipse(canvas.Dc(), -50000000, -50000000, 50000000, 50000000));
  EXPECT_EQ(CountColour(canvas, RGB(0, 0, 0)), 16);
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
  const POINT triangle[] = {{-40000000, -40000000}, {40000000, -40000000}, {0, 40000000}};
  EXPECT_TRUE(Polygon(canvas.Dc(), triangle, 3));
  EXPECT_EQ(CountColour(canvas, RGB(255, 255, 255)), 16);
  MoveToEx(canvas.Dc(), -5000000, 1, nullptr);
  EXPECT_TRUE(LineTo(canvas.Dc(), 5000000, 1));
  EXPECT_EQ(CountColour(canvas, RGB(0, 0, 0)), 4);
}

TEST(Shapes, FillRectAcceptsASystemColourIndexForABrush) {
  Canvas canvas(2, 2);
  RECT r{0, 0, 2, 2};
  FillRect(canvas.Dc(), &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));
  EXPECT_EQ(canvas.At(1, 1), RGB(212, 208, 200));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
  EXPECT_EQ(GetObjectType(GetSysColorBrush(COLOR_HIGHLIGHT)), OBJ_BRUSH);
}

TEST(Shapes, PatternBrushesTileFromTheBrushOrigin) {
  // The checked menu entry background: an 8×8 checker of two colours.
  HBITMAP pattern = CreateBitmap(8, 8, 1, 1, nullptr);
  HDC patternDc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(patternDc, pattern);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) SetPixel(patternDc, x, y, (x + y) % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0));
  }
  SelectObject(patternDc, old);
  DeleteDC(patternDc);
  HBRUSH brush = CreatePatternBrush(pattern);
  Canvas canvas(4, 2);
  SetTextColor(canvas.Dc(), GetSysColor(COLOR_BTNFACE));
  SetBkColor(canvas.Dc(), GetSysColor(COLOR_BTNHIGHLIGHT));
  RECT r{0, 0, 4, 2};
  FillRect(canvas.Dc(), &r, brush);
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(canvas.At(1, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  SetBrushOrgEx(canvas.Dc(), 1, 0, nullptr);
  FillRect(canvas.Dc(), &r, brush);
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  LOGBRUSH lb{};
  GetObjectW(brush, sizeof(lb), &lb);
  EXPECT_EQ(lb.lbStyle, BS_PATTERN);
  DeleteObject(brush);
  DeleteObject(pattern);
}

TEST(Shapes, DrawEdgePaintsTheClassicBevels) {
  Canvas canvas(6, 6, RGB(0, 0, 0));
  RECT r{0, 0, 6, 6};
  DrawEdge(canvas.Dc(), &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(5, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(0, 5), GetSysColor(COLOR_BTNHIGHLIGHT));  // bottom edge owns the corner
  EXPECT_EQ(r, (RECT{1, 1, 5, 5}));
  RECT line{0, 0, 6, 6};
  canvas.Fill(RGB(0, 0, 0));
  DrawEdge(canvas.Dc(), &line, EDGE_ETCHED, BF_TOP);
  EXPECT_EQ(canvas.At(2, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(2, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 0));
}

TEST(Shapes, GoldenPictureOfShapesAndFrameControls) {
  Canvas canvas(160, 80, GetSysColor(COLOR_BTNFACE));
  HDC dc = canvas.Dc();
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, 1, 2, 60, 40, 5, 5);  // the group-box frame
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Ellipse(dc, 64, 2, 90, 24);
  const POINT arrow[] = {{100, 8}, {107, 8}, {103, 12}};
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  SelectObject(dc, GetStockObject(BLACK_PEN));
  Polygon(dc, arrow, 3);
  HPEN dotted = CreatePen(PS_DOT, 1, RGB(0, 0, 128));
  SelectObject(dc, dotted);
  SetBkMode(dc, TRANSPARENT);
  MoveToEx(dc, 110, 4, nullptr);
  LineTo(dc, 158, 30);
  RECT r{4, 44, 20, 60};
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  r = RECT{24, 44, 40, 60};
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  r = RECT{44, 44, 60, 58};
  DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  r = RECT{64, 44, 80, 60};
  DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLDOWN);
  r = RECT{84, 44, 100, 60};
  DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE);
  r = RECT{104, 44, 150, 66};
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
  r = RECT{104, 68, 150, 78};
  DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  r = RECT{4, 64, 20, 78};
  DrawFrameControl(dc, &r, DFC_MENU, DFCS_MENUCHECK);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(dotted);
  EXPECT_TRUE(brellis::test::MatchesGolden(canvas.Snapshot(), "gdi/shapes"));
}

}  // namespace
