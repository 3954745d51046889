// What the painter is told to draw for tab controls and status bars (see
// their drawing points in ControlPainter).
#pragma once

#include <string>

#include "platform/controls/tabs.h"

namespace platform {

// The edge of the tab control its tabs stand on.
enum class TabSide { Top, Bottom, Left, Right };

// The control behind the tabs: the face, and for tabs (not buttons) the
// raised frame around the display area that the selected tab opens.
struct TabStripLook {
  RECT client{};
  RECT display{};
  TabSide side = TabSide::Top;
  bool buttons = false;
};

struct TabItemLook {
  RECT rect{};  // already grown when the tab is the selected one
  TabSide side = TabSide::Top;
  bool buttons = false;
  bool flat = false;
  bool selected = false;
  bool pressed = false;      // TCIS_BUTTONPRESSED, buttons only
  bool highlighted = false;  // TCIS_HIGHLIGHTED
  bool hot = false;          // under the pointer with TCS_HOTTRACK
  bool focused = false;      // the focus tab while the control has the focus
  bool enabled = true;
  bool ownerDrawn = false;   // only the frame: the parent draws the inside
  bool lastInRow = false;    // flat buttons: no separator after the last one
  std::u16string text;
  HFONT font = nullptr;
  HIMAGELIST images = nullptr;
  int image = -1;
  int paddingX = 6;
};

// One part of a status bar (or its single simple-mode part).
struct StatusPartLook {
  RECT rect{};
  std::u16string text;  // tabs split it into left, centred and right pieces
  WORD type = 0;        // SBT_NOBORDERS, SBT_POPOUT
  bool ownerDrawn = false;
  HFONT font = nullptr;
};

}  // namespace platform
