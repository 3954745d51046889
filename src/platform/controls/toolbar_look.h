// What one tool bar button looks like now, as the tool bar hands it to the
// painter: its rectangles, its state and what it shows.
#pragma once

#include <string>

#include "platform/controls/toolbar.h"

namespace platform {

struct ToolBarButtonLook {
  RECT rect{};         // the whole button, drop-down arrow included
  RECT arrow{};        // the separate drop-down arrow part; empty when there is none
  RECT image{};        // where the image goes (its size is the bitmap size)
  RECT text{};         // where the caption goes
  bool flat = false;   // TBSTYLE_FLAT: edges only while hot or pressed
  bool hot = false;
  bool pressed = false;
  bool checked = false;
  bool enabled = true;
  bool indeterminate = false;
  bool edges = true;   // custom draw may drop them (TBCDRF_NOEDGES)
  bool offset = true;  // a pressed button's content moves by a pixel (TBCDRF_NOOFFSET drops it)
  bool wholeDropDown = false;  // an arrow after the content, inside the button
  HIMAGELIST images = nullptr;  // already chosen for the state (hot, disabled or normal)
  int imageIndex = -1;
  bool imageIsDisabledList = false;
  std::u16string caption;
  HFONT font = nullptr;
  COLORREF textColour = 0;
  UINT textFormat = 0;
};

}  // namespace platform
