// The canvas: objects selected into a device context on demand, given back
// when the canvas lets the context go, and the drawing calls.
#include <gtest/gtest.h>

#include "support/canvas.h"
#include "support/golden.h"
#include "toolkit/Graphics.h"

namespace {

using brellis::test::Canvas;

TEST(GraphicsCanvas, DrawingWithoutAContextRaises) {
  TCanvas canvas;
  EXPECT_FALSE(canvas.HandleAllocated());
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 4, 4)), EInvalidGraphicOperation);
  EXPECT_THROW(canvas.TextWidth("x"), EInvalidGraphicOperation);
}

TEST(GraphicsCanvas, LettingTheContextGoPutsItsOwnObjectsBack) {
  Canvas target(20, 20);
  HGDIOBJ pen = GetCurrentObject(target.Dc(), OBJ_PEN);
  HGDIOBJ brush = GetCurrentObject(target.Dc(), OBJ_BRUSH);
  HGDIOBJ font = GetCurrentObject(target.Dc(), OBJ_FONT);
  {
    TCanvas canvas;
    canvas.SetHandle(target.Dc());
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 5, 5));
    canvas.TextOut(0, 5, "a");
    EXPECT_NE(GetCurrentObject(target.Dc(), OBJ_BRUSH), brush);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(target.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(target.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(target.Dc(), OBJ_FONT), font);
    // Pointed at the context again, it selects its objects again.
    canvas.SetHandle(target.Dc());
    canvas.FillRect(Rect(5, 0, 10, 5));
  }
  EXPECT_EQ(GetCurrentObject(target.Dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(target.At(7, 2), RGB(255, 0, 0));
}

TEST(GraphicsCanvas, ChangedObjectsAreSelectedBeforeTheNextDrawing) {
  Canvas target(10, 4);
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(0, 0, 5, 4));
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(Rect(5, 0, 10, 4));
  EXPECT_EQ(target.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(target.At(6, 1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(canvas.Pixels(6, 1), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  canvas.SetPixels(0, 0, clBlue);
  EXPECT_EQ(target.At(0, 0), RGB(0, 0, 255));
  canvas.SetHandle(nullptr);
}

TEST(GraphicsCanvas, PenPositionFollowsLinesAndText) {
  Canvas target(60, 20);
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.MoveTo(2, 3);
  canvas.LineTo(10, 3);
  EXPECT_EQ(canvas.PenPos(), Point(10, 3));
  EXPECT_EQ(target.At(2, 3), RGB(0, 0, 0));
  EXPECT_EQ(target.At(10, 3), RGB(255, 255, 255));  // the end point is not drawn
  const int width = canvas.TextWidth("ab");
  EXPECT_GT(width, 0);
  EXPECT_GT(canvas.TextHeight("ab"), 0);
  canvas.TextOut(5, 5, "ab");
  EXPECT_EQ(canvas.PenPos(), Point(5 + width, 5));
  canvas.SetHandle(nullptr);
}

TEST(GraphicsCanvas, TextBackgroundFollowsTheBrushStyle) {
  Canvas target(40, 20, RGB(0, 128, 0));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.Brush()->SetColor(clYellow);
  canvas.TextOut(0, 0, "  ");  // blanks draw only the background
  EXPECT_EQ(target.At(1, 1), RGB(255, 255, 0));
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  canvas.TextOut(20, 0, "  ");
  EXPECT_EQ(target.At(21, 1), RGB(0, 128, 0));
  // TextRect fills and clips to its rectangle with a solid brush.
  canvas.Brush()->SetColor(clAqua);
  canvas.TextRect(Rect(0, 10, 6, 20), 0, 10, "WWWW");
  EXPECT_EQ(target.At(30, 15), RGB(0, 128, 0));
  canvas.SetHandle(nullptr);
}

TEST(GraphicsCanvas, CopyRectStretchesAnotherCanvas) {
  TBitmap source;
  source.SetSize(2, 1);
  source.Canvas()->SetPixels(0, 0, clRed);
  source.Canvas()->SetPixels(1, 0, clBlue);
  Canvas target(8, 2);
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.CopyRect(Rect(0, 0, 8, 2), source.Canvas(), Rect(0, 0, 2, 1));
  EXPECT_EQ(target.At(3, 1), RGB(255, 0, 0));
  EXPECT_EQ(target.At(4, 0), RGB(0, 0, 255));
  canvas.SetHandle(nullptr);
}

TEST(GraphicsCanvas, LockCountsNest) {
  TCanvas canvas;
  EXPECT_TRUE(canvas.TryLock());
  EXPECT_FALSE(canvas.TryLock());
  canvas.Lock();
  EXPECT_EQ(canvas.LockCount(), 2);
  canvas.Unlock();
  canvas.Unlock();
  EXPECT_EQ(canvas.LockCount(), 0);
}

TEST(GraphicsCanvas, ShapesAndTextPicture) {
  Canvas target(120, 60, GetSysColor(COLOR_BTNFACE));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.Brush()->SetColor(clWhite);
  canvas.Pen()->SetColor(clNavy);
  canvas.Rectangle(4, 4, 40, 30);
  canvas.Brush()->SetColor(clYellow);
  canvas.Ellipse(44, 4, 80, 30);
  canvas.Brush()->SetColor(clLime);
  canvas.Pen()->SetWidth(2);
  canvas.RoundRect(84, 4, 116, 30, 10, 10);
  const TPoint triangle[] = {{10, 56}, {30, 36}, {50, 56}};
  canvas.Pen()->SetWidth(1);
  canvas.Brush()->SetColor(clRed);
  canvas.Polygon(triangle);
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  canvas.Font()->SetColor(clMaroon);
  canvas.TextOut(60, 40, u8"提示信息"_ansi);
  canvas.Brush()->SetColor(clBlack);
  canvas.FrameRect(Rect(0, 0, 120, 60));
  canvas.SetHandle(nullptr);
  EXPECT_TRUE(brellis::test::MatchesGolden(target.Snapshot(), "toolkit/canvas_shapes", {64, 40}));
}

}  // namespace
