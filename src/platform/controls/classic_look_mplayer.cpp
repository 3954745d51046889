// The classic look of media-player strips: button-face cells with raised
// edges that sink while pressed, each with its glyph in the middle.
#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::MediaPlayerBackground(HDC dc, const RECT& client) {
  classic::FillSolid(dc, client, GetSysColor(COLOR_3DFACE));
}

void ControlPainter::MediaPlayerButton(HDC dc, const MediaPlayerButtonLook& look) {
  RECT r = look.rect;
  classic::FillSolid(dc, r, GetSysColor(COLOR_3DFACE));
  DrawEdge(dc, &r, look.pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
  BITMAP info{};
  if (look.glyph != nullptr && GetObjectW(look.glyph, sizeof(info), &info) == sizeof(info)) {
    const int cellWidth = look.rect.right - look.rect.left;
    const int cellHeight = look.rect.bottom - look.rect.top;
    int x = look.rect.left + (cellWidth - info.bmWidth) / 2;
    int y = look.rect.top + (cellHeight - info.bmHeight) / 2;
    if (look.pressed) {
      ++x;
      ++y;
    }
    // A glyph larger than a small cell is cut to the inside of its edges.
    const RECT glyph{x, y, x + info.bmWidth, y + info.bmHeight};
    RECT inside = look.rect;
    InflateRect(&inside, -2, -2);
    RECT shown{};
    if (IntersectRect(&shown, &glyph, &inside)) {
      HDC source = CreateCompatibleDC(dc);
      HGDIOBJ previous = SelectObject(source, look.glyph);
      const int width = shown.right - shown.left;
      const int height = shown.bottom - shown.top;
      TransparentBlt(dc, shown.left, shown.top, width, height, source, shown.left - x, shown.top - y, width, height,
                     kMediaPlayerGlyphTransparent);
      SelectObject(source, previous);
      DeleteDC(source);
    }
  }
  if (look.focused) {
    RECT focus = look.rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace platform
