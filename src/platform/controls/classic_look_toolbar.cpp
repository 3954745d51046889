// The classic look of tool bars: the face-coloured bar, the etched divider
// and separators, and buttons raised (or, when flat, only while hot),
// sunken while pressed or checked, with image, caption and drop-down arrow.
#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// A checked button that is not pressed shows the light dither of Windows,
// drawn here as the highlight colour.
void Face(HDC dc, const RECT& rect, const ToolBarButtonLook& look) {
  if (look.checked && !look.pressed && !look.hot && look.edges) {
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    classic::FillSolid(dc, inner, GetSysColor(COLOR_3DHILIGHT));
  }
}

void Frame(HDC dc, RECT rect, const ToolBarButtonLook& look) {
  if (!look.edges) return;
  const bool down = look.pressed || look.checked;
  if (look.flat) {
    if (down) {
      DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    } else if (look.hot && look.enabled) {
      DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
    }
    return;
  }
  DrawEdge(dc, &rect, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
}

// A small black triangle pointing down, five pixels wide, centred.
void Arrow(HDC dc, const RECT& rect, bool enabled, int shift) {
  const int cx = (rect.left + rect.right) / 2 + shift;
  const int top = (rect.top + rect.bottom) / 2 - 1 + shift;
  auto line = [&](int dx, COLORREF colour) {
    for (int row = 0; row < 3; ++row) {
      RECT r{cx - 2 + row + dx, top + row + dx, cx + 3 - row + dx, top + row + 1 + dx};
      classic::FillSolid(dc, r, colour);
    }
  };
  if (!enabled) line(1, GetSysColor(COLOR_3DHILIGHT));
  line(0, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_3DSHADOW));
}

void Image(HDC dc, const ToolBarButtonLook& look, int shift) {
  if (look.images == nullptr || look.imageIndex < 0) return;
  const int x = look.image.left + shift;
  const int y = look.image.top + shift;
  if (look.enabled || look.imageIsDisabledList) {
    ImageList_Draw(look.images, look.imageIndex, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  // Without a disabled list the normal image is faded into the face.
  ImageList_DrawEx(look.images, look.imageIndex, dc, x, y, 0, 0, CLR_NONE, GetSysColor(COLOR_3DFACE),
                   ILD_TRANSPARENT | ILD_BLEND50);
}

}  // namespace

void ControlPainter::ToolBarBackground(HDC dc, const RECT& client) {
  classic::FillSolid(dc, client, GetSysColor(COLOR_3DFACE));
}

void ControlPainter::ToolBarDivider(HDC dc, const RECT& line) {
  RECT r = line;
  DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
}

void ControlPainter::ToolBarSeparator(HDC dc, const RECT& rect, bool flat) {
  if (!flat) return;  // raised bars leave a gap
  const int x = (rect.left + rect.right) / 2 - 1;
  RECT r{x, rect.top, x + 2, rect.bottom};
  DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT);
}

void ControlPainter::ToolBarButton(HDC dc, const ToolBarButtonLook& look) {
  const bool down = look.pressed || look.checked;
  const int shift = down && look.offset ? 1 : 0;
  RECT body = look.rect;
  if (!IsEmpty(look.arrow)) body.right = look.arrow.left;
  Face(dc, body, look);
  Frame(dc, body, look);
  if (!IsEmpty(look.arrow)) {
    ToolBarButtonLook arrowLook = look;
    arrowLook.checked = false;
    Frame(dc, look.arrow, arrowLook);
    Arrow(dc, look.arrow, look.enabled, look.pressed && look.offset ? 1 : 0);
  }
  Image(dc, look, shift);
  if (!look.caption.empty()) {
    RECT text = look.text;
    OffsetRect(&text, shift, shift);
    HGDIOBJ oldFont = SelectObject(dc, look.font != nullptr ? look.font : DefaultControlFont());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    classic::DrawLabel(dc, look.caption, text, look.textFormat, look.enabled, look.textColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
  }
  if (look.wholeDropDown) {
    RECT arrow{look.rect.right - 11, look.rect.top, look.rect.right - 2, look.rect.bottom};
    Arrow(dc, arrow, look.enabled, shift);
  }
}

}  // namespace platform
