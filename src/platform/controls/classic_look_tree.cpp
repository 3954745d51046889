// The classic look of the tree view: grey dotted lines joining each item to
// its parent and siblings, square plus/minus buttons, the item's image, and
// its label highlighted when selected.
#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

constexpr COLORREF kLineColour = RGB(128, 128, 128);
constexpr int kButtonSize = 9;

// Dots on pixels of even parity, so that rows join up without a gap.
void DottedVertical(HDC dc, int x, int top, int bottom) {
  for (int y = top + ((x + top) & 1); y < bottom; y += 2) SetPixelV(dc, x, y, kLineColour);
}

void DottedHorizontal(HDC dc, int y, int left, int right) {
  for (int x = left + ((left + y) & 1); x < right; x += 2) SetPixelV(dc, x, y, kLineColour);
}

void Button(HDC dc, int cx, int cy, bool expanded) {
  const int half = kButtonSize / 2;
  const RECT box{cx - half, cy - half, cx + half + 1, cy + half + 1};
  classic::FillSolid(dc, box, GetSysColor(COLOR_WINDOW));
  HBRUSH frame = CreateSolidBrush(kLineColour);
  FrameRect(dc, &box, frame);
  DeleteObject(frame);
  const COLORREF sign = GetSysColor(COLOR_WINDOWTEXT);
  const RECT minus{cx - 2, cy, cx + 3, cy + 1};
  classic::FillSolid(dc, minus, sign);
  if (!expanded) {
    const RECT plus{cx, cy - 2, cx + 1, cy + 3};
    classic::FillSolid(dc, plus, sign);
  }
}

void Lines(HDC dc, const TreeRowLook& look, int cy) {
  for (int column = 0; column + 1 < look.columns; ++column) {
    if (column < static_cast<int>(look.continues.size()) && look.continues[static_cast<std::size_t>(column)]) {
      DottedVertical(dc, look.originX + column * look.indent + look.indent / 2, look.row.top, look.row.bottom);
    }
  }
  const int cx = look.originX + (look.columns - 1) * look.indent + look.indent / 2;
  if (look.hasPrevious) DottedVertical(dc, cx, look.row.top, cy);
  if (look.hasNext) DottedVertical(dc, cx, cy, look.row.bottom);
  DottedHorizontal(dc, cy, cx, look.originX + look.columns * look.indent);
}

}  // namespace

void ControlPainter::TreeBackground(HDC dc, const RECT& rect, COLORREF colour) {
  classic::FillSolid(dc, rect, colour == CLR_DEFAULT ? GetSysColor(COLOR_WINDOW) : colour);
}

void ControlPainter::TreeRow(HDC dc, const TreeRowLook& look) {
  const int cy = (look.row.top + look.row.bottom) / 2;
  if (look.columns > 0) {
    if (look.lines) Lines(dc, look, cy);
    if (look.buttons && look.hasChildren) {
      Button(dc, look.originX + (look.columns - 1) * look.indent + look.indent / 2, cy, look.expanded);
    }
  }
  if (look.images != nullptr && look.image >= 0) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(look.images, &width, &height);
    ImageList_Draw(look.images, look.image, dc, look.imageX, look.row.top + (look.row.bottom - look.row.top - height) / 2,
                   ILD_TRANSPARENT);
  }
  COLORREF text = look.textColour == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : look.textColour;
  RECT fill = look.label;
  if (look.fullRow) fill.right = look.row.right;
  if (look.highlighted) {
    classic::FillSolid(dc, fill, GetSysColor(COLOR_HIGHLIGHT));
    text = GetSysColor(COLOR_HIGHLIGHTTEXT);
  } else if (look.inactive) {
    classic::FillSolid(dc, fill, GetSysColor(COLOR_BTNFACE));
    text = GetSysColor(COLOR_BTNTEXT);
  } else if (look.backColour != CLR_DEFAULT) {
    classic::FillSolid(dc, fill, look.backColour);
  }
  HGDIOBJ previous = SelectObject(dc, look.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  RECT label = look.label;
  label.left += 2;
  DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &label,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  if (look.focused) DrawFocusRect(dc, &fill);
}

}  // namespace platform
