// The classic look of header items: raised buttons (flat and shifted when
// pressed) or etched cells, image and text inside a text margin.
#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

// Space left and right of the image and text, as the classic header keeps.
constexpr int kTextMargin = 6;

UINT TextAlignment(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
      return DT_RIGHT;
    case HDF_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

}  // namespace

void ControlPainter::HeaderItem(HDC dc, const HeaderItemLook& look) {
  RECT r = look.rect;
  if (r.right <= r.left) return;
  classic::FillSolid(dc, r, GetSysColor(COLOR_3DFACE));
  if (look.buttons && look.pressed) {
    HBRUSH shadow = GetSysColorBrush(COLOR_3DSHADOW);
    FrameRect(dc, &r, shadow);
  } else if (look.buttons) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
  } else {
    DrawEdge(dc, &r, EDGE_ETCHED, BF_BOTTOM | BF_RIGHT);
  }
  if (look.ownerDraw) return;
  RECT inner{r.left + kTextMargin, r.top + 2, r.right - kTextMargin, r.bottom - 2};
  if (look.pressed) OffsetRect(&inner, 1, 1);
  if (look.images != nullptr && look.image >= 0 && (look.format & HDF_IMAGE)) {
    int w = 0;
    int h = 0;
    ImageList_GetIconSize(look.images, &w, &h);
    if (inner.right - inner.left >= w) {
      ImageList_Draw(look.images, look.image, dc, inner.left, inner.top + (inner.bottom - inner.top - h) / 2,
                     ILD_NORMAL);
      inner.left += w + kTextMargin;
    }
  }
  if (look.text.empty() || inner.right <= inner.left) return;
  HGDIOBJ previous = SelectObject(dc, look.font != nullptr ? look.font : DefaultControlFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(look.hot ? COLOR_HOTLIGHT : COLOR_BTNTEXT));
  DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &inner,
            TextAlignment(look.format) | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, previous);
}

void ControlPainter::HeaderRest(HDC dc, const RECT& rect, bool buttons) {
  if (rect.right <= rect.left) return;
  RECT r = rect;
  classic::FillSolid(dc, r, GetSysColor(COLOR_3DFACE));
  if (buttons) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
  } else {
    DrawEdge(dc, &r, EDGE_ETCHED, BF_BOTTOM);
  }
}

void ControlPainter::HeaderTrackLine(HDC dc, const RECT& line) {
  PatBlt(dc, line.left, line.top, line.right - line.left, line.bottom - line.top, DSTINVERT);
}

}  // namespace platform
