// The classic look of band bars: the face-coloured bar with an etched
// divider, bands in their colour (or a tiled bitmap) with a raised
// gripper, their image and title, and etched band borders.
#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

void TileBitmap(HDC dc, const RebarBandLook& look) {
  HBRUSH brush = CreatePatternBrush(look.background);
  if (brush == nullptr) {
    classic::FillSolid(dc, look.rect, look.backColour);
    return;
  }
  // A fixed bitmap stays with the bar; otherwise it moves with the band.
  POINT previous{};
  const POINT origin = look.fixedBitmap ? POINT{0, 0} : POINT{look.rect.left, look.rect.top};
  SetBrushOrgEx(dc, origin.x, origin.y, &previous);
  FillRect(dc, &look.rect, brush);
  SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
  DeleteObject(brush);
}

}  // namespace

void ControlPainter::RebarBackground(HDC dc, const RECT& client, COLORREF colour) {
  classic::FillSolid(dc, client, colour);
}

void ControlPainter::RebarDivider(HDC dc, const RECT& line) {
  RECT r = line;
  DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
}

void ControlPainter::RebarBandBackground(HDC dc, const RebarBandLook& look) {
  if (look.background != nullptr) {
    TileBitmap(dc, look);
  } else {
    classic::FillSolid(dc, look.rect, look.backColour);
  }
}

void ControlPainter::RebarBandHeader(HDC dc, const RebarBandLook& look) {
  if (!IsEmpty(look.gripper)) {
    RECT r = look.gripper;
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  }
  if (!IsEmpty(look.image) && look.images != nullptr && look.imageIndex >= 0) {
    ImageList_Draw(look.images, look.imageIndex, dc, look.image.left, look.image.top, ILD_TRANSPARENT);
  }
  if (!IsEmpty(look.text) && !look.title.empty()) {
    RECT r = look.text;
    HGDIOBJ oldFont = SelectObject(dc, look.font != nullptr ? look.font : DefaultControlFont());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, look.textColour);
    DrawTextW(dc, look.title.c_str(), static_cast<int>(look.title.size()), &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
  }
}

void ControlPainter::RebarBandBorder(HDC dc, const RECT& line, bool vertical) {
  RECT r = line;
  DrawEdge(dc, &r, EDGE_ETCHED, vertical ? BF_LEFT : BF_TOP);
}

}  // namespace platform
