// The classic three-dimensional look: focus rectangles, edges and the frame
// controls (buttons, check boxes, radio buttons, caption and scroll-bar
// buttons, menu marks) that unskinned controls draw.
#include <algorithm>

#include "platform/gdi/paint.h"

namespace platform {

namespace {

void Fill(DcObject& dc, const RECT& r, COLORREF colour) {
  FillLogicalRect(dc, r, BrushFill::Solid(ColourPixel(colour)), R2_COPYPEN);
}

void FillSys(DcObject& dc, const RECT& r, int index) { Fill(dc, r, GetSysColor(index)); }

struct EdgeColours {
  int topLeft;
  int bottomRight;
};

// Colours of one edge for the BDR_* bits of that edge (outer or inner).
EdgeColours ColoursFor(UINT bits, bool outer, UINT flags) {
  const bool raised = outer ? (bits & BDR_RAISEDOUTER) : (bits & BDR_RAISEDINNER);
  const bool soft = flags & BF_SOFT;
  if (flags & BF_MONO) return outer ? EdgeColours{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME} : EdgeColours{COLOR_WINDOW, COLOR_WINDOW};
  if (flags & BF_FLAT) return outer ? EdgeColours{COLOR_BTNSHADOW, COLOR_BTNSHADOW} : EdgeColours{COLOR_BTNFACE, COLOR_BTNFACE};
  if (outer) {
    return raised ? EdgeColours{soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW}
                  : EdgeColours{soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
  }
  return raised ? EdgeColours{soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}
                : EdgeColours{soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

// One ring of an edge: top and left in one colour, bottom and right (which
// own the two far corners) in the other.
void EdgeRing(DcObject& dc, const RECT& r, EdgeColours colours, UINT flags) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  if (flags & BF_TOP) FillSys(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, colours.topLeft);
  if (flags & BF_LEFT) FillSys(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, colours.topLeft);
  if (flags & BF_BOTTOM) FillSys(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colours.bottomRight);
  if (flags & BF_RIGHT) FillSys(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, colours.bottomRight);
}

RECT Inset(const RECT& r, UINT flags) {
  return RECT{r.left + ((flags & BF_LEFT) ? 1 : 0), r.top + ((flags & BF_TOP) ? 1 : 0),
              r.right - ((flags & BF_RIGHT) ? 1 : 0), r.bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
}

// Small glyphs as rows of pixels ('#' set), drawn centred in a rectangle.
void DrawGlyph(DcObject& dc, const RECT& r, const std::vector<const char*>& rows, COLORREF colour, int shift = 0) {
  const int height = static_cast<int>(rows.size());
  const int width = height == 0 ? 0 : static_cast<int>(std::char_traits<char>::length(rows[0]));
  const int left = r.left + (r.right - r.left - width) / 2 + shift;
  const int top = r.top + (r.bottom - r.top - height) / 2 + shift;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (rows[static_cast<std::size_t>(y)][x] == '#') Fill(dc, RECT{left + x, top + y, left + x + 1, top + y + 1}, colour);
    }
  }
}

// A glyph in the control's state: black, or embossed grey when inactive.
void DrawStateGlyph(DcObject& dc, const RECT& r, const std::vector<const char*>& rows, UINT state) {
  const int shift = (state & DFCS_PUSHED) ? 1 : 0;
  if (state & DFCS_INACTIVE) {
    DrawGlyph(dc, r, rows, GetSysColor(COLOR_BTNHIGHLIGHT), shift + 1);
    DrawGlyph(dc, r, rows, GetSysColor(COLOR_BTNSHADOW), shift);
  } else {
    DrawGlyph(dc, r, rows, GetSysColor(COLOR_BTNTEXT), shift);
  }
}

// Triangles pointing one way, sized for the rectangle.
std::vector<std::string> Arrow(UINT direction, const RECT& r) {
  const int side = std::min(r.right - r.left, r.bottom - r.top);
  const int half = std::max(1, (side - 6) / 3);
  const int base = 2 * half + 1, depth = half + 1;
  const bool vertical = direction == DFCS_SCROLLUP || direction == DFCS_SCROLLDOWN || direction == DFCS_SCROLLCOMBOBOX;
  std::vector<std::string> rows;
  if (vertical) {
    for (int i = 0; i < depth; ++i) {
      const int row = (direction == DFCS_SCROLLUP) ? i : depth - 1 - i;
      std::string line(static_cast<std::size_t>(base), '.');
      for (int x = half - row; x <= half + row; ++x) line[static_cast<std::size_t>(x)] = '#';
      rows.push_back(line);
    }
  } else {
    for (int y = 0; y < base; ++y) {
      std::string line(static_cast<std::size_t>(depth), '.');
      const int reach = half - std::abs(y - half);
      for (int i = 0; i <= reach; ++i) {
        const int x = direction == DFCS_SCROLLLEFT ? depth - 1 - reach + i : i;
        line[static_cast<std::size_t>(x)] = '#';
      }
      rows.push_back(line);
    }
  }
  return rows;
}

std::vector<const char*> Pointers(const std::vector<std::string>& rows) {
  std::vector<const char*> result;
  for (const std::string& row : rows) result.push_back(row.c_str());
  return result;
}

const std::vector<const char*> kCheckMark{"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};
const std::vector<const char*> kBullet{".##.", "####", "####", ".##."};
const std::vector<const char*> kMenuArrow{"#...", "##..", "###.", "####", "###.", "##..", "#..."};
const std::vector<const char*> kClose{"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"};
const std::vector<const char*> kMinimize{"######", "######"};
const std::vector<const char*> kMaximize{"#########", "#########", "#.......#", "#.......#", "#.......#",
                                         "#.......#", "#.......#", "#.......#", "#########"};
const std::vector<const char*> kRestore{"..######", "..######", "..#....#", "######.#", "######.#",
                                        "#....###", "#....#..", "#....#..", "######.."};
const std::vector<const char*> kHelp{"..###..", ".##.##.", ".....##", "....##.", "...##..", "...##..", ".......", "...##.."};

void PushButton(DcObject& dc, RECT& r, UINT state) {
  const UINT edge = (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED;
  const UINT flags = BF_RECT | BF_MIDDLE | BF_SOFT | ((state & DFCS_FLAT) ? BF_FLAT : 0) | ((state & DFCS_MONO) ? BF_MONO : 0);
  RECT inner = r;
  for (int ring = 0; ring < 2; ++ring) {
    const bool outer = ring == 0;
    const UINT bits = outer ? (edge & BDR_OUTER) : (edge & BDR_INNER);
    EdgeRing(dc, inner, ColoursFor(bits, outer, flags), BF_RECT);
    inner = Inset(inner, BF_RECT);
  }
  FillSys(dc, inner, COLOR_BTNFACE);
  if (state & DFCS_ADJUSTRECT) r = inner;
}

void CheckBox(DcObject& dc, const RECT& r, UINT state) {
  const int side = std::min({r.right - r.left, r.bottom - r.top, 13});
  RECT box{r.left + (r.right - r.left - side) / 2, r.top + (r.bottom - r.top - side) / 2, 0, 0};
  box.right = box.left + side;
  box.bottom = box.top + side;
  const bool flat = state & (DFCS_FLAT | DFCS_MONO);
  EdgeRing(dc, box, flat ? EdgeColours{COLOR_BTNSHADOW, COLOR_BTNSHADOW} : EdgeColours{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
           BF_RECT);
  RECT inner = Inset(box, BF_RECT);
  if (!flat) {
    EdgeRing(dc, inner, EdgeColours{COLOR_3DDKSHADOW, COLOR_3DLIGHT}, BF_RECT);
    inner = Inset(inner, BF_RECT);
  }
  FillSys(dc, inner, (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW);
  if (state & DFCS_CHECKED) {
    DrawGlyph(dc, inner, kCheckMark, GetSysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
  }
}

void RadioButton(DcObject& dc, const RECT& r, UINT state) {
  // The classic 12-pixel radio circle: an outer ring in shadow and
  // highlight, an inner ring in dark shadow and light, a white well.
  static const std::vector<const char*> kOuterTop{"....####....", "..##....##..", ".#..........", ".#..........",
                                                   "#...........", "#...........", "#...........", "#...........",
                                                   ".#..........", ".#..........", "............", "............"};
  static const std::vector<const char*> kOuterBottom{"............", "............", "..........#.", "..........#.",
                                                      "...........#", "...........#", "...........#", "...........#",
                                                      "..........#.", ".#........#.", "..##....##..", "....####...."};
  static const std::vector<const char*> kInnerTop{"............", "....####....", "..##....##..", "..#.........",
                                                   ".#..........", ".#..........", ".#..........", ".#..........",
                                                   "..#.........", "............", "............", "............"};
  static const std::vector<const char*> kInnerBottom{"............", "............", "............", ".........#..",
                                                      "..........#.", "..........#.", "..........#.", "..........#.",
                                                      ".........#..", "..##....##..", "....####....", "............"};
  static const std::vector<const char*> kWell{"............", "............", "............", "...######...",
                                               "..########..", "..########..", "..########..", "..########..",
                                               "...######...", "............", "............", "............"};
  static const std::vector<const char*> kDot{".##.", "####", "####", ".##."};
  const bool well = !(state & (DFCS_PUSHED | DFCS_INACTIVE));
  DrawGlyph(dc, r, kWell, GetSysColor(well ? COLOR_WINDOW : COLOR_BTNFACE));
  DrawGlyph(dc, r, kOuterTop, GetSysColor(COLOR_BTNSHADOW));
  DrawGlyph(dc, r, kOuterBottom, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawGlyph(dc, r, kInnerTop, GetSysColor(COLOR_3DDKSHADOW));
  DrawGlyph(dc, r, kInnerBottom, GetSysColor(COLOR_3DLIGHT));
  if (state & DFCS_CHECKED) {
    DrawGlyph(dc, r, kDot, GetSysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
  }
}

}  // namespace

}  // namespace platform

using namespace platform;

BOOL DrawFocusRect(HDC handle, const RECT* rect) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || rect == nullptr) return FALSE;
  if (rect->right <= rect->left || rect->bottom <= rect->top) return TRUE;
  // Every other pixel of the one-pixel ring is inverted (a dotted XOR frame,
  // so drawing it twice restores the picture).
  const RECT r = dc->ToSurface(*rect);
  Region ring(r);
  ring.Subtract(RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
  PaintScope scope(*dc, r);
  if (!scope.Valid()) return FALSE;
  ring.Intersect(scope.Clip());
  Surface& surface = scope.Target();
  for (const RECT& box : ring.Rects()) {
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        if (((x - dc->deviceOrigin.x + y - dc->deviceOrigin.y) & 1) == 0) surface.At(x, y) ^= 0xFFFFFF;
      }
    }
  }
  return TRUE;
}

BOOL DrawEdge(HDC handle, LPRECT rect, UINT edge, UINT flags) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || rect == nullptr) return FALSE;
  RECT r = *rect;
  const UINT outerBits = edge & BDR_OUTER, innerBits = edge & BDR_INNER;
  if (outerBits) {
    EdgeRing(*dc, r, ColoursFor(outerBits, true, flags), flags);
    r = Inset(r, flags);
  }
  if (innerBits) {
    EdgeRing(*dc, r, ColoursFor(innerBits, false, flags), flags);
    r = Inset(r, flags);
  }
  if (flags & BF_MIDDLE) FillSys(*dc, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
  if (flags & BF_ADJUST) *rect = r;
  return TRUE;
}

BOOL DrawFrameControl(HDC handle, LPRECT rect, UINT type, UINT state) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || rect == nullptr) return FALSE;
  const UINT kind = state & 0xFF;
  switch (type) {
    case DFC_BUTTON:
      if (state & DFCS_BUTTONPUSH) {
        PushButton(*dc, *rect, state);
      } else if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
        RadioButton(*dc, *rect, state);
      } else {
        CheckBox(*dc, *rect, state);
      }
      return TRUE;
    case DFC_CAPTION: {
      RECT face = *rect;
      PushButton(*dc, face, state & ~DFCS_ADJUSTRECT);
      const std::vector<const char*>* glyph = &kClose;
      switch (kind) {
        case DFCS_CAPTIONMIN:
          glyph = &kMinimize;
          break;
        case DFCS_CAPTIONMAX:
          glyph = &kMaximize;
          break;
        case DFCS_CAPTIONRESTORE:
          glyph = &kRestore;
          break;
        case DFCS_CAPTIONHELP:
          glyph = &kHelp;
          break;
        default:
          break;
      }
      if (kind == DFCS_CAPTIONMIN) {
        // The minimise bar sits low in the button.
        RECT low = face;
        low.top = face.bottom - 5;
        DrawStateGlyph(*dc, low, *glyph, state);
      } else {
        DrawStateGlyph(*dc, face, *glyph, state);
      }
      return TRUE;
    }
    case DFC_SCROLL: {
      if (kind == DFCS_SCROLLSIZEGRIP) {
        // Three diagonal ridges in the bottom-right corner.
        FillSys(*dc, *rect, COLOR_BTNFACE);
        for (int i = 0; i < 3; ++i) {
          for (int d = 0; d < 12 - 4 * i; ++d) {
            const int x = rect->right - 1 - d, y = rect->bottom - (12 - 4 * i) + d;
            if (y < rect->top || x < rect->left) continue;
            FillSys(*dc, RECT{x, y, x + 1, y + 1}, COLOR_BTNHIGHLIGHT);
            FillSys(*dc, RECT{x - 1, y + 1, x, y + 3}, COLOR_BTNSHADOW);
          }
        }
        return TRUE;
      }
      RECT face = *rect;
      PushButton(*dc, face, (state & ~DFCS_ADJUSTRECT) | ((state & DFCS_PUSHED) ? DFCS_FLAT : 0));
      const std::vector<std::string> rows = Arrow(kind, *rect);
      DrawStateGlyph(*dc, face, Pointers(rows), state);
      return TRUE;
    }
    case DFC_MENU: {
      const COLORREF colour = GetSysColor(COLOR_MENUTEXT);
      switch (kind) {
        case DFCS_MENUCHECK:
          DrawGlyph(*dc, *rect, kCheckMark, colour);
          break;
        case DFCS_MENUBULLET:
          DrawGlyph(*dc, *rect, kBullet, colour);
          break;
        default:
          DrawGlyph(*dc, *rect, kMenuArrow, colour);
          break;
      }
      return TRUE;
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
}
