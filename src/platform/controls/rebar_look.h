// What one band of a band bar looks like now, as the bar hands it to the
// painter: its rectangle, its header's parts and its colours.
#pragma once

#include <string>

#include "platform/controls/rebar.h"

namespace platform {

struct RebarBandLook {
  RECT rect{};     // the whole band, header and child area
  RECT gripper{};  // empty when the band shows none
  RECT image{};    // empty without an image
  RECT text{};     // empty without a title
  HIMAGELIST images = nullptr;
  int imageIndex = -1;
  std::u16string title;
  HFONT font = nullptr;
  COLORREF textColour = 0;
  COLORREF backColour = 0;
  // A background bitmap tiled over the band instead of the colour; with
  // RBBS_FIXEDBMP it stays with the bar (tiled from the bar's origin).
  HBITMAP background = nullptr;
  bool fixedBitmap = false;
};

}  // namespace platform
