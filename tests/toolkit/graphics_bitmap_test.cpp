// Bitmaps: size, pixel formats and their rows, transparency, masks, streams
// and handles.
#include <gtest/gtest.h>

#include "platform/base/resources.h"
#include "platform/gdi/codecs.h"
#include "support/canvas.h"
#include "support/golden.h"
#include "toolkit/Graphics.h"

namespace {

using brellis::test::Canvas;

// A 3 × 2 picture: red, green, blue over white, black, magenta.
void PaintSample(TBitmap& bitmap) {
  bitmap.SetSize(3, 2);
  const TColor colours[2][3] = {{clRed, clLime, clBlue}, {clWhite, clBlack, clFuchsia}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) bitmap.Canvas()->SetPixels(x, y, colours[y][x]);
  }
}

TEST(GraphicsBitmap, NewBitmapIsEmptyAndSizesKeepTheirPixels) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Handle(), nullptr);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pfDevice);
  PaintSample(bitmap);
  EXPECT_FALSE(bitmap.Empty());
  bitmap.SetWidth(5);
  EXPECT_EQ(bitmap.Width(), 5);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), clBlue);
  EXPECT_EQ(bitmap.Canvas()->Pixels(4, 1), clWhite);  // new pixels take the brush colour
  bitmap.Canvas()->Brush()->SetColor(clYellow);
  bitmap.SetHeight(3);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 2), clYellow);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), clFuchsia);
  bitmap.SetSize(0, 3);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(GraphicsBitmap, ScanLinesHoldRowsInThePixelFormatsLayout) {
  TBitmap bitmap;
  PaintSample(bitmap);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
  const std::uint8_t* top = bitmap.ScanLine(0);
  EXPECT_EQ(top[0], 0);  // red pixel: blue, green, red
  EXPECT_EQ(top[1], 0);
  EXPECT_EQ(top[2], 255);
  EXPECT_EQ(top[3 * 2 + 0], 255);  // blue pixel
  const std::uint8_t* bottom = bitmap.ScanLine(1);
  EXPECT_EQ(bottom[3 * 2 + 0], 255);  // magenta
  EXPECT_EQ(bottom[3 * 2 + 1], 0);
  EXPECT_EQ(bottom[3 * 2 + 2], 255);
  // Rows written through ScanLine are what the canvas draws from.
  std::uint8_t* row = bitmap.ScanLine(1);
  row[0] = 10;
  row[1] = 20;
  row[2] = 30;
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), static_cast<TColor>(RGB(30, 20, 10)));
  EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphic);
  EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST(GraphicsBitmap, PixelFormatChangesConvertThePixels) {
  TBitmap bitmap;
  PaintSample(bitmap);
  bitmap.SetPixelFormat(TPixelFormat::pf8bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), clFuchsia);
  bitmap.SetPixelFormat(TPixelFormat::pf16bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clLime);
  bitmap.SetPixelFormat(TPixelFormat::pf1bit);
  EXPECT_TRUE(bitmap.Monochrome());
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clBlack);
  bitmap.SetPixelFormat(TPixelFormat::pf32bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), clWhite);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
}

TEST(GraphicsBitmap, TransparentColourIsTheBottomLeftPixelUntilSet) {
  TBitmap bitmap;
  PaintSample(bitmap);
  EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clWhite);
  bitmap.SetTransparentColor(clFuchsia);
  EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  bitmap.SetTransparentMode(TTransparentMode::tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clWhite);
  bitmap.SetTransparentColor(clBtnFace);  // system colours answer their RGB value
  EXPECT_EQ(bitmap.TransparentColor(), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
}

TEST(GraphicsBitmap, MaskMarksThePixelsOfTheTransparentColour) {
  TBitmap bitmap;
  PaintSample(bitmap);
  bitmap.Mask(clFuchsia);
  HBITMAP mask = bitmap.MaskHandle();
  ASSERT_NE(mask, nullptr);
  BITMAP info{};
  GetObjectW(mask, sizeof(info), &info);
  EXPECT_EQ(info.bmBitsPixel, 1);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, mask);
  EXPECT_EQ(GetPixel(dc, 2, 1), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 0, 0));
  SelectObject(dc, previous);
  DeleteDC(dc);
  HBITMAP released = bitmap.ReleaseMaskHandle();
  EXPECT_EQ(released, mask);
  DeleteObject(released);
}

TEST(GraphicsBitmap, TransparentDrawingSkipsTheTransparentColour) {
  TBitmap bitmap;
  PaintSample(bitmap);
  bitmap.SetTransparentColor(clFuchsia);
  bitmap.SetTransparent(true);
  Canvas target(6, 4, RGB(0, 128, 128));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.StretchDraw(Rect(0, 0, 6, 4), &bitmap);
  canvas.SetHandle(nullptr);
  EXPECT_EQ(target.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(target.At(5, 3), RGB(0, 128, 128));
  EXPECT_EQ(target.At(3, 3), RGB(0, 0, 0));
}

TEST(GraphicsBitmap, StreamsRoundTripAndBadDataLeavesTheBitmapAlone) {
  TBitmap bitmap;
  PaintSample(bitmap);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  TMemoryStream file;
  bitmap.SaveToStream(file);
  ASSERT_GT(file.Size(), 54);
  EXPECT_EQ(file.Memory()[0], 'B');
  EXPECT_EQ(file.Memory()[1], 'M');
  file.SetPosition(0);
  TBitmap loaded;
  loaded.LoadFromStream(file);
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(loaded.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(loaded.Canvas()->Pixels(2, 1), clFuchsia);

  TMemoryStream garbage;
  garbage.WriteBuffer("BM not a bitmap at all", 22);
  garbage.SetPosition(0);
  EXPECT_THROW(loaded.LoadFromStream(garbage), EInvalidGraphic);
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(loaded.Canvas()->Pixels(0, 0), clRed);
}

TEST(GraphicsBitmap, LoadsTheFormatsOfBitmapFiles) {
  struct Case {
    const char* file;
    TPixelFormat format;
  };
  for (const Case& c : {Case{"mono.bmp", TPixelFormat::pf1bit}, Case{"pal4.bmp", TPixelFormat::pf4bit},
                        Case{"pal8.bmp", TPixelFormat::pf8bit}, Case{"rgb24.bmp", TPixelFormat::pf24bit},
                        Case{"rgb32.bmp", TPixelFormat::pf32bit}}) {
    TBitmap bitmap;
    bitmap.LoadFromFile(brellis::test::SourcePath(std::string("tests/platform/gdi/data/") + c.file));
    EXPECT_EQ(bitmap.PixelFormat(), c.format) << c.file;
    EXPECT_FALSE(bitmap.Empty()) << c.file;
  }
}

TEST(GraphicsBitmap, NamedResourcesLoadAndMissingOnesRaise) {
  static std::vector<std::uint8_t> file;
  if (file.empty()) {
    TBitmap sample;
    PaintSample(sample);
    TMemoryStream stream;
    sample.SaveToStream(stream);
    file.assign(stream.Memory(), stream.Memory() + stream.Size());
    platform::RegisterResource(platform::kResourceBitmap, "GRAPHICSTESTSAMPLE", file);
  }
  TBitmap bitmap;
  bitmap.LoadFromResourceName("graphicstestsample");
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clLime);
  EXPECT_THROW(bitmap.LoadFromResourceName("NOSUCHBITMAP"), EInvalidGraphic);
}

TEST(GraphicsBitmap, AssignCopiesPixelsAndTransparency) {
  TBitmap source;
  PaintSample(source);
  source.SetPixelFormat(TPixelFormat::pf8bit);
  source.SetTransparentColor(clFuchsia);
  source.SetTransparent(true);
  TBitmap copy;
  copy.Assign(&source);
  EXPECT_NE(copy.Handle(), source.Handle());
  EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), clFuchsia);
  source.Canvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clRed);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  TFont font;
  EXPECT_THROW(copy.Assign(&font), EConvertError);
}

TEST(GraphicsBitmap, HandlesCanBeTakenOverAndHandedOut) {
  HBITMAP device = CreateBitmap(4, 3, 1, 32, nullptr);
  TBitmap bitmap;
  bitmap.SetHandle(device);  // converted to a DIB section of its own
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pfDevice);
  EXPECT_NE(bitmap.ScanLine(0), nullptr);
  bitmap.Canvas()->FillRect(Rect(0, 0, 4, 3));
  HBITMAP released = bitmap.ReleaseHandle();
  EXPECT_TRUE(bitmap.Empty());
  ASSERT_NE(released, nullptr);
  // The handle is the caller's now: it can be selected and deleted.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, released);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
  SelectObject(dc, previous);
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(released));
}

TEST(GraphicsBitmap, ChangesNotifyListeners) {
  TBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  bitmap.SetSize(4, 4);
  EXPECT_EQ(changes, 1);
  bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(bitmap.Modified());
}

TEST(GraphicsBitmap, DisabledGlyphIsEmbossed) {
  // A glyph on a magenta background: a dark outline with a yellow face and a
  // white highlight, of which only the dark and yellow pixels are inked.
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  glyph.Canvas()->Brush()->SetColor(clYellow);
  glyph.Canvas()->Pen()->SetColor(clBlack);
  glyph.Canvas()->Ellipse(2, 2, 14, 14);
  glyph.Canvas()->Pen()->SetColor(clWhite);
  glyph.Canvas()->MoveTo(5, 6);
  glyph.Canvas()->LineTo(9, 6);
  Canvas target(40, 20, GetSysColor(COLOR_BTNFACE));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.Draw(2, 2, &glyph);
  DrawDisabledBitmap(&canvas, 22, 2, &glyph, Rect(0, 0, 16, 16));
  canvas.SetHandle(nullptr);
  EXPECT_EQ(target.At(22 + 8, 2 + 8), GetSysColor(COLOR_BTNSHADOW));
  // The white stroke is not inked: only the highlight of the pixel above-left shows there.
  EXPECT_EQ(target.At(22 + 7, 2 + 6), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(target.At(22, 2), GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(brellis::test::MatchesGolden(target.Snapshot(), "toolkit/disabled_glyph"));
}

}  // namespace
