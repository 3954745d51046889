// What the painter is told to draw for headers and list views (see the
// header and list view drawing points of ControlPainter).
#pragma once

#include <string>

#include "platform/controls/controls.h"

namespace platform {

// One item of a header: its frame, and unless the parent draws it
// (HDF_OWNERDRAW) its image and text.
struct HeaderItemLook {
  RECT rect{};
  std::u16string text;
  int format = 0;  // HDF_* alignment, HDF_IMAGE, HDF_STRING
  HIMAGELIST images = nullptr;
  int image = -1;
  HFONT font = nullptr;
  bool buttons = false;  // HDS_BUTTONS: raised buttons instead of flat cells
  bool pressed = false;
  bool hot = false;
  bool ownerDraw = false;  // only the frame
};

// One cell of a list view: the item's label (icon and text) or a
// sub-item's text, in report view a column wide.
struct ListViewCellLook {
  RECT rect{};        // the whole cell
  RECT labelRect{};   // where the text and its highlight go
  RECT iconRect{};    // empty when there is no image
  std::u16string text;
  HIMAGELIST images = nullptr;
  int image = -1;
  HFONT font = nullptr;
  UINT align = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
  bool selected = false;
  bool focusedWindow = false;  // selection shown in the highlight colour, else greyed
  bool centredBelowIcon = false;  // icon view: the text under the icon
  COLORREF textColour = CLR_DEFAULT;
  COLORREF backColour = CLR_DEFAULT;
};

}  // namespace platform
