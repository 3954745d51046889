// The frame a mini skin gives a window, read back numerically: frame sizes
// from picture size ÷ frame count, each side painted where it belongs in its
// active or inactive frame, and the window region cut from exactly the
// magenta pixels of the side pictures, rebuilt only when the size changes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "caption_skin_helpers.h"
#include "frame_skin_helpers.h"

namespace skintest {
namespace {

class FrameGeometry : public SkinnedWindowTest {
 protected:
  std::unique_ptr<TSkinData> MakeSkin() override { return MiniFrameSkin(); }
  SIZE WindowSize() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
  // The window's region pixel by pixel: the pixels it leaves out.
  PixelSet PixelsOutsideRegion() const {
    const SIZE size = WindowSize();
    PixelSet outside;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window_, region), ERROR) << "the window has a region";
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        if (!PtInRegion(region, x, y)) outside.insert({x, y});
      }
    }
    DeleteObject(region);
    return outside;
  }
};

constexpr DWORD kFramed = WS_OVERLAPPEDWINDOW;

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
  return text;
}

TEST_F(FrameGeometry, FrameSizesArePictureSizeOverFrameCountAndBoundTheClientArea) {
  MakeWindow(kFramed);
  EXPECT_EQ(form_->FBorderLeft, kFrameLeft);
  EXPECT_EQ(form_->FBorderRight, kFrameRight);
  EXPECT_EQ(form_->FTitleHeight, kFrameTitle);
  EXPECT_EQ(form_->FBorderBottom, kFrameBottom);

  // The client area sits inside those sizes.
  const SIZE size = WindowSize();
  RECT client{};
  GetClientRect(window_, &client);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  const POINT corner = ToScreen({0, 0});
  EXPECT_EQ(origin.x - corner.x, kFrameLeft);
  EXPECT_EQ(origin.y - corner.y, kFrameTitle);
  EXPECT_EQ(client.right, size.cx - kFrameLeft - kFrameRight);
  EXPECT_EQ(client.bottom, size.cy - kFrameTitle - kFrameBottom);
  // The attach kept the client size the window had (300 × 200 with the
  // platform's frame).
  RECT insets{0, 0, 0, 0};
  AdjustWindowRectEx(&insets, kFramed, FALSE, 0);
  EXPECT_EQ(client.right, 300 - (insets.right - insets.left));
  EXPECT_EQ(client.bottom, 200 - (insets.bottom - insets.top));

  // WM_NCCALCSIZE answers both rectangles from the same sizes.
  WINDOWPOS pos{window_, nullptr, 10, 20, 200, 100, 0};
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = RECT{10, 20, 210, 120};
  params.lppos = &pos;
  EXPECT_EQ(SendMessageW(window_, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)), WVR_VALIDRECTS);
  const RECT expected{10 + kFrameLeft, 20 + kFrameTitle, 210 - kFrameRight, 120 - kFrameBottom};
  EXPECT_EQ(params.rgrc[0], expected);
  EXPECT_EQ(params.rgrc[1], expected);
}

TEST_F(FrameGeometry, EachSideIsPaintedWhereItBelongsInTheFrameOfTheActivation) {
  MakeWindow(kFramed);
  const SIZE size = WindowSize();
  const int w = size.cx;
  const int h = size.cy;
  struct Probe {
    POINT at;
    COLORREF active;
    COLORREF inactive;
  };
  // Left and Right run the full height (their caps form the corners), the
  // title and the bottom lie between them.
  const Probe probes[] = {
      {{3, 10}, kLeftActive, kLeftInactive},                  // left, beside the title
      {{0, h / 2}, kLeftActive, kLeftInactive},               // left, stretched middle
      {{kFrameLeft - 1, h - 4}, kLeftActive, kLeftInactive},  // left, bottom cap
      {{w - kFrameRight, 10}, kRightColour, kRightColour},    // right: one frame
      {{w - 1, h / 2}, kRightColour, kRightColour},
      {{w - 2, h - 4}, kRightColour, kRightColour},
      {{kFrameLeft, 2}, kTopActive, kTopInactive},  // title, its first column
      {{w / 2, 1}, kTopActive, kTopInactive},
      {{w - kFrameRight - 1, kFrameTitle - 1}, kTopActive, kTopInactive},  // right of the buttons
      {{kFrameLeft, h - kFrameBottom}, kBottomColour, kBottomColour},      // bottom: one frame
      {{w / 2, h - 1}, kBottomColour, kBottomColour},
      {{w - kFrameRight - 1, h - 1}, kBottomColour, kBottomColour},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(Hex(PixelAt(p.at)), Hex(p.active)) << "active at " << p.at.x << "," << p.at.y;
  }
  // The sides' edges: the next pixel inwards is the client area's.
  EXPECT_NE(PixelAt({kFrameLeft, h / 2}), kLeftActive);
  EXPECT_NE(PixelAt({w - kFrameRight - 1, h / 2}), kRightColour);
  EXPECT_NE(PixelAt({w / 2, kFrameTitle}), kTopActive);
  EXPECT_NE(PixelAt({w / 2, h - kFrameBottom - 1}), kBottomColour);
  // The close button, frame 1 while active.
  EXPECT_EQ(PixelAt({w - 22 + 8, 12}), kButtonFrameColours[0]);

  SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
  ASSERT_FALSE(form_->FActive);
  for (const Probe& p : probes) {
    EXPECT_EQ(Hex(PixelAt(p.at)), Hex(p.inactive)) << "inactive at " << p.at.x << "," << p.at.y;
  }
  EXPECT_EQ(PixelAt({w - 22 + 8, 12}), kButtonFrameColours[3]);

  SendMessageW(window_, WM_NCACTIVATE, TRUE, 0);
  for (const Probe& p : probes) EXPECT_EQ(Hex(PixelAt(p.at)), Hex(p.active));
}

TEST_F(FrameGeometry, TheRegionLeavesOutExactlyTheMagentaPixelsWithinTheTolerance) {
  MakeWindow(kFramed);
  const SIZE size = WindowSize();
  const PixelSet expected = TransparentFramePixels(size.cx, size.cy);
  ASSERT_EQ(expected.size(), 25u);  // four corners of six pixels and the near-magenta one
  const PixelSet outside = PixelsOutsideRegion();
  EXPECT_EQ(outside.size(), expected.size());
  EXPECT_TRUE(outside == expected);
  for (const auto& [x, y] : expected) EXPECT_TRUE(outside.count({x, y})) << "kept " << x << "," << y;
  for (const auto& [x, y] : outside) EXPECT_TRUE(expected.count({x, y})) << "cut " << x << "," << y;
  // Just outside the tolerance: green 2 and red 254 are opaque.
  EXPECT_FALSE(outside.count({0, 4}));
  EXPECT_FALSE(outside.count({0, 5}));
  EXPECT_TRUE(form_->FRegionSet);
  EXPECT_EQ(form_->FRegionWidth, size.cx);
  EXPECT_EQ(form_->FRegionHeight, size.cy);
}

TEST_F(FrameGeometry, TheRegionIsRebuiltWhenTheSizeChangesAndNotOnRepaintOrMove) {
  MakeWindow(kFramed);
  // One more magenta pixel in both frames of the Left picture's top cap: a
  // rebuilt region would leave it out.
  TBitmap& left = *skin_->Left->Picture;
  left.Canvas()->SetPixels(3, 0, kSkinKeyColour);
  left.Canvas()->SetPixels(kFrameLeft + 3, 0, kSkinKeyColour);

  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(window_, WM_NCACTIVATE, TRUE, 0);
  PaintFrame();
  Pump();
  EXPECT_EQ(PixelAt({3, 0}), static_cast<COLORREF>(kSkinKeyColour)) << "the frame was repainted";
  EXPECT_FALSE(PixelsOutsideRegion().count({3, 0})) << "a repaint rebuilt the region";

  SetWindowPos(window_, nullptr, 150, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_FALSE(PixelsOutsideRegion().count({3, 0})) << "a move rebuilt the region";

  const SIZE before = WindowSize();
  SetWindowPos(window_, nullptr, 0, 0, before.cx + 30, before.cy + 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  const SIZE after = WindowSize();
  ASSERT_EQ(after.cx, before.cx + 30);
  PixelSet expected = TransparentFramePixels(after.cx, after.cy);
  expected.insert({3, 0});
  EXPECT_TRUE(PixelsOutsideRegion() == expected) << "the region follows the new size";
  EXPECT_EQ(form_->FRegionWidth, after.cx);
  EXPECT_EQ(form_->FRegionHeight, after.cy);
}

TEST_F(FrameGeometry, WithoutTransparentSidesTheRegionIsTheWindowAndOneTransparentSideIsEnoughToScan) {
  for (TDataSkinBorder* side : {skin_->Left.get(), skin_->Right.get(), skin_->Top.get(), skin_->Bottom.get()}) {
    side->Trans = 0;
  }
  MakeWindow(kFramed);
  EXPECT_TRUE(form_->FRegionSet);
  EXPECT_TRUE(PixelsOutsideRegion().empty()) << "the magenta corners stay when no side is transparent";
  DestroyWindow(window_);
  Pump();

  // The Bottom side alone transparent, its last row magenta: that row goes,
  // between the Left and Right sides, whose corners now stay.
  skin_->Bottom->Trans = 1;
  TBitmap& bottom = *skin_->Bottom->Picture;
  bottom.Canvas()->Brush()->SetColor(kSkinKeyColour);
  bottom.Canvas()->FillRect(Rect(0, kFrameBottom - 1, bottom.Width(), kFrameBottom));
  MakeWindow(kFramed);
  const SIZE size = WindowSize();
  PixelSet expected;
  for (int x = kFrameLeft; x < size.cx - kFrameRight; ++x) expected.insert({x, size.cy - 1});
  EXPECT_TRUE(PixelsOutsideRegion() == expected);
  EXPECT_EQ(form_->FRegionWidth, size.cx);
}

}  // namespace
}  // namespace skintest
