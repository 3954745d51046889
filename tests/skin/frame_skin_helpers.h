// A mini skin for the frame tests, with pictures whose pixels tell where each
// side was painted: every side picture has one colour per frame (Left and Top
// an active and an inactive frame, Right and Bottom one frame), the Left and
// Right sides have magenta corners (and near-magenta pixels on both sides of
// the region's tolerance), and the caption buttons have one colour per frame.
#pragma once

#include <memory>
#include <set>
#include <utility>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinForm.h"
#include "skin_data_helpers.h"

namespace skintest {

// Frame sizes: picture size ÷ frame count (Left 12 / 2, Right 5 / 1, Top 48 / 2,
// Bottom 7 / 1).
constexpr int kFrameLeft = 6;
constexpr int kFrameRight = 5;
constexpr int kFrameTitle = 24;
constexpr int kFrameBottom = 7;
// Rows at each end of the Left and Right pictures that are never stretched.
constexpr int kSideCapHeight = 8;

constexpr COLORREF kLeftActive = RGB(200, 40, 40);
constexpr COLORREF kLeftInactive = RGB(120, 70, 70);
constexpr COLORREF kRightColour = RGB(40, 160, 40);
constexpr COLORREF kTopActive = RGB(40, 40, 200);
constexpr COLORREF kTopInactive = RGB(100, 100, 150);
constexpr COLORREF kBottomColour = RGB(160, 160, 40);
// Within the tolerance of 1 above the key colour: transparent.
constexpr COLORREF kNearKey = RGB(255, 1, 255);
// Just outside it: opaque.
constexpr COLORREF kGreenPastKey = RGB(255, 2, 255);
constexpr COLORREF kRedBelowKey = RGB(254, 0, 255);

// The package: "skin.ini" and the pictures.
Bytes MiniFrameSkinPackage();
std::unique_ptr<TSkinData> MiniFrameSkin();

using PixelSet = std::set<std::pair<int, int>>;
// The window pixels (x, y) of a w × h window of the mini frame skin that its
// side pictures leave transparent.
PixelSet TransparentFramePixels(int w, int h);

}  // namespace skintest
