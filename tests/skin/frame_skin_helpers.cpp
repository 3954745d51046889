#include "frame_skin_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "caption_skin_helpers.h"

namespace skintest {
namespace {

constexpr int kSideHeight = 40;
static_assert(kSideCapHeight > 3, "the corners lie in the caps");

// Sides are stretched (Stretch 1) between caps that keep their pixels; every
// side is transparent where it is magenta, but Top has no magenta and Trans 0,
// and Bottom is scanned without finding any.
const char kIni[] =
    "[Personality]\n"
    "Left=left.bmp\nLeftFrame=2\nLeftTrans=1\nLeftTopHeight=8\nLeftBotHeight=8\n"
    "Right=right.bmp\nRightFrame=1\nRightTrans=1\nRightTopHeight=8\nRightBotHeight=8\n"
    "Top=top.bmp\nTopFrame=2\nTopTrans=0\n"
    "Bottom=bottom.bmp\nBottomFrame=1\nBottomTrans=1\n"
    "TextShift=30\n"
    "[ButtonClose]\nAction=0\nAlign=1\nXcoord=22\nYcoord=4\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonMaximize]\nAction=1\nAlign=1\nXcoord=40\nYcoord=4\nVisibility=2\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonRestore]\nAction=1\nAlign=1\nXcoord=40\nYcoord=4\nVisibility=1\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonMinimize]\nAction=2\nAlign=1\nXcoord=58\nYcoord=4\nButtonImage=four.bmp\nframe=4\n";

// A corner triangle of three pixels' depth at each end of a side frame whose
// outer edge is column `outer`.
bool CornerPixel(int x, int y, int outer, int height) {
  const int across = std::abs(x - outer);
  return across + y < 3 || across + (height - 1 - y) < 3;
}

void PaintSide(TBitmap& picture, int frames, const COLORREF* colours, bool outerIsLeft) {
  const int fw = picture.Width() / frames;
  TCanvas& canvas = *picture.Canvas();
  for (int f = 0; f < frames; ++f) {
    canvas.Brush()->SetColor(static_cast<TColor>(colours[f]));
    canvas.FillRect(Rect(f * fw, 0, (f + 1) * fw, picture.Height()));
    const int outer = outerIsLeft ? 0 : fw - 1;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < fw; ++x) {
        if (CornerPixel(x, y, outer, picture.Height())) canvas.SetPixels(f * fw + x, y, static_cast<TColor>(kSkinKeyColour));
      }
    }
    if (outerIsLeft) {
      canvas.SetPixels(f * fw, 3, static_cast<TColor>(kNearKey));
      canvas.SetPixels(f * fw, 4, static_cast<TColor>(kGreenPastKey));
      canvas.SetPixels(f * fw, 5, static_cast<TColor>(kRedBelowKey));
    }
  }
}

void PaintStacked(TBitmap& picture, const COLORREF* colours, int frames) {
  const int fh = picture.Height() / frames;
  for (int f = 0; f < frames; ++f) {
    picture.Canvas()->Brush()->SetColor(static_cast<TColor>(colours[f]));
    picture.Canvas()->FillRect(Rect(0, f * fh, picture.Width(), (f + 1) * fh));
  }
}

}  // namespace

Bytes MiniFrameSkinPackage() {
  static constexpr COLORREF left[2] = {kLeftActive, kLeftInactive};
  static constexpr COLORREF right[1] = {kRightColour};
  static constexpr COLORREF top[2] = {kTopActive, kTopInactive};
  return PackageOf(kIni, {{"left.bmp", 2 * kFrameLeft, kSideHeight, kLeftActive,
                           [](TBitmap& b) { PaintSide(b, 2, left, true); }},
                          {"right.bmp", kFrameRight, kSideHeight, kRightColour,
                           [](TBitmap& b) { PaintSide(b, 1, right, false); }},
                          {"top.bmp", 40, 2 * kFrameTitle, kTopActive, [](TBitmap& b) { PaintStacked(b, top, 2); }},
                          {"bottom.bmp", 40, kFrameBottom, kBottomColour},
                          {"four.bmp", 64, 16, kButtonFrameColours[0], [](TBitmap& b) {
                             for (int f = 0; f < 4; ++f) {
                               b.Canvas()->Brush()->SetColor(static_cast<TColor>(kButtonFrameColours[f]));
                               b.Canvas()->FillRect(Rect(f * 16, 0, (f + 1) * 16, 16));
                             }
                           }}});
}

std::unique_ptr<TSkinData> MiniFrameSkin() {
  auto skin = std::make_unique<TSkinData>();
  EXPECT_TRUE(skin->LoadSkin(MiniFrameSkinPackage()));
  return skin;
}

PixelSet TransparentFramePixels(int w, int h) {
  // The caps keep their rows: the picture's first rows are the window's
  // first, its last rows the window's last.
  PixelSet pixels;
  for (int depth = 0; depth < 3; ++depth) {
    for (int across = 0; across + depth < 3; ++across) {
      pixels.insert({across, depth});
      pixels.insert({across, h - 1 - depth});
      pixels.insert({w - 1 - across, depth});
      pixels.insert({w - 1 - across, h - 1 - depth});
    }
  }
  pixels.insert({0, 3});  // the near-magenta pixel
  return pixels;
}

}  // namespace skintest
