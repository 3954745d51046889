// Image lists: strips split into images, masks from a colour, enabled and
// disabled drawing.
#include <gtest/gtest.h>

#include "platform/base/resources.h"
#include "support/canvas.h"
#include "support/golden.h"
#include "toolkit/ImgList.h"

namespace {

using brellis::test::Canvas;

// Four 16 × 16 glyphs on white: a bar, a box, a cross and a dot.
void PaintStrip(TBitmap& strip) {
  strip.SetSize(64, 16);
  TCanvas* c = strip.Canvas();
  c->Brush()->SetColor(clWhite);
  c->FillRect(Rect(0, 0, 64, 16));
  c->Brush()->SetColor(clNavy);
  c->FillRect(Rect(3, 7, 13, 9));
  c->Brush()->SetColor(clMaroon);
  c->FrameRect(Rect(19, 3, 29, 13));
  c->Pen()->SetColor(clGreen);
  c->MoveTo(35, 3);
  c->LineTo(45, 13);
  c->MoveTo(45, 3);
  c->LineTo(35, 13);
  c->Brush()->SetColor(clPurple);
  c->Pen()->SetColor(clPurple);
  c->Ellipse(52, 4, 60, 12);
}

TEST(GraphicsImageList, StripsSplitIntoImagesOfTheListsWidth) {
  TImageList list(nullptr);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.HandleAllocated());
  TBitmap strip;
  PaintStrip(strip);
  EXPECT_EQ(list.AddMasked(&strip, clWhite), 0);
  EXPECT_EQ(list.Count(), 4);
  int width = 0, height = 0;
  ImageList_GetIconSize(list.Handle(), &width, &height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
  list.Delete(1);
  EXPECT_EQ(list.Count(), 3);
  list.SetWidth(8);  // a new size empties the list
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(GetPropValue(&list, "Width"), "8");
  SetOrdProp(&list, "BkColor", clBtnFace);
  EXPECT_EQ(list.BkColor(), clBtnFace);
}

TEST(GraphicsImageList, GetBitmapAndIconCopyOneImage) {
  TImageList list(nullptr);
  TBitmap strip;
  PaintStrip(strip);
  list.AddMasked(&strip, clWhite);
  TBitmap image;
  list.GetBitmap(0, &image);
  EXPECT_EQ(image.Width(), 16);
  EXPECT_EQ(image.Canvas()->Pixels(8, 8), clNavy);
  EXPECT_EQ(image.Canvas()->Pixels(0, 0), clWhite);
  TIcon icon;
  list.GetIcon(3, &icon);
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(list.AddIcon(&icon), 4);
  EXPECT_EQ(list.Add(nullptr, nullptr), -1);
}

TEST(GraphicsImageList, ResourceStripsLoadWithTheirTransparentColour) {
  static std::vector<std::uint8_t> file;
  if (file.empty()) {
    TBitmap strip;
    PaintStrip(strip);
    TMemoryStream stream;
    strip.SaveToStream(stream);
    file.assign(stream.Memory(), stream.Memory() + stream.Size());
    platform::RegisterResource(platform::kResourceBitmap, "GRAPHICSTESTSTRIP", file);
  }
  TImageList list(nullptr);
  EXPECT_TRUE(list.ResourceLoad("GRAPHICSTESTSTRIP", clWhite));
  EXPECT_EQ(list.Count(), 4);
  EXPECT_FALSE(list.ResourceLoad("NOSUCHSTRIP", clWhite));
}

TEST(GraphicsImageList, EnabledAndDisabledDrawing) {
  TImageList list(nullptr);
  TBitmap strip;
  PaintStrip(strip);
  list.AddMasked(&strip, clWhite);
  Canvas target(72, 40, GetSysColor(COLOR_BTNFACE));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  for (int i = 0; i < 4; ++i) {
    list.Draw(&canvas, 2 + 18 * i, 2, i);
    list.Draw(&canvas, 2 + 18 * i, 22, i, false);
  }
  canvas.SetHandle(nullptr);
  EXPECT_EQ(target.At(2, 2), GetSysColor(COLOR_BTNFACE));  // masked pixels stay
  EXPECT_EQ(target.At(2 + 8, 2 + 8), RGB(0, 0, 128));
  EXPECT_EQ(target.At(2 + 8, 22 + 8), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_TRUE(brellis::test::MatchesGolden(target.Snapshot(), "toolkit/image_list"));
}

}  // namespace
