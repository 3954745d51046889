// Filled and outlined shapes: rectangles, rounded rectangles, ellipses,
// polygons, lines and single pixels. A shape is turned into the region of the
// pixels it covers, cut to the DC's clip and painted once, so that the XOR and
// NOT raster operations touch every pixel exactly once.
#include <algorithm>
#include <cmath>

#include "platform/gdi/paint.h"

namespace platform {

namespace {

// Pixels of the cosmetic pen styles: runs of on and off pixels.
const std::vector<int>& StylePattern(int style) {
  static const std::vector<int> kDash{18, 6}, kDot{3, 3}, kDashDot{9, 6, 3, 6}, kDashDotDot{9, 3, 3, 3, 3, 3},
      kSolid{};
  switch (style) {
    case PS_DASH:
      return kDash;
    case PS_DOT:
      return kDot;
    case PS_DASHDOT:
      return kDashDot;
    case PS_DASHDOTDOT:
      return kDashDotDot;
    default:
      return kSolid;
  }
}

// Collects the pixels a pen draws along lines, split into the pen's own
// pixels and the gaps of a styled pen.
class PenTrace {
 public:
  // Pixels outside `visible` are stepped over but not kept.
  PenTrace(const PenInfo& pen, const RECT& visible)
      : pen_(pen), pattern_(StylePattern(pen.style)), visible_(visible) {
    InflateRect(&visible_, pen.width, pen.width);
  }

  // A line from (x0, y0) to (x1, y1) in surface coordinates; the end point is
  // left out, as LineTo leaves it out.
  void Line(int x0, int y0, int x1, int y1) {
    // Device coordinates have 27 bits, as on Windows; longer lines are not drawn.
    constexpr long long kLimit = 1 << 27;
    for (long long v : {static_cast<long long>(x0), static_cast<long long>(y0), static_cast<long long>(x1),
                        static_cast<long long>(y1)}) {
      if (v <= -kLimit || v >= kLimit) return;
    }
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx - dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
      Plot(x, y);
      const int e2 = 2 * err;
      if (e2 > -dy) {
        err -= dy;
        x += sx;
      }
      if (e2 < dx) {
        err += dx;
        y += sy;
      }
    }
  }

  void Plot(int x, int y) {
    bool on = true;
    if (!pattern_.empty() && pen_.width == 1) {
      on = (segment_ % 2) == 0;
      if (++run_ >= pattern_[segment_]) {
        run_ = 0;
        segment_ = (segment_ + 1) % pattern_.size();
      }
    }
    if (!PtInRect(&visible_, POINT{x, y})) return;
    const int before = (pen_.width - 1) / 2, after = pen_.width / 2;
    (on ? drawn_ : gaps_).push_back(RECT{x - before, y - before, x + after + 1, y + after + 1});
  }

  Region Drawn() const { return Region::FromRects(drawn_); }
  Region Gaps() const { return Region::FromRects(gaps_); }
 private:
  PenInfo pen_;
  const std::vector<int>& pattern_;
  RECT visible_;
  std::size_t segment_ = 0;
  int run_ = 0;
  std::vector<RECT> drawn_;
  std::vector<RECT> gaps_;
};

// Paints the pen's pixels (and, in OPAQUE mode, the gaps of a styled pen).
void PaintTrace(DcObject& dc, const PenTrace& trace, const PenInfo& pen) {
  const Region drawn = trace.Drawn();
  const Region gaps = trace.Gaps();
  Region all = drawn;
  all.Union(gaps);
  PaintScope scope(dc, all.Bounds());
  if (!scope.Valid()) return;
  Region area = drawn;
  area.Intersect(scope.Clip());
  FillAreaSolid(scope.Target(), area, pen.colour, dc.state.rop2);
  if (!gaps.IsEmpty() && dc.state.bkMode == OPAQUE) {
    Region gapArea = gaps;
    gapArea.Intersect(scope.Clip());
    FillAreaSolid(scope.Target(), gapArea, ColourPixel(dc.state.bkColour), dc.state.rop2);
  }
}

// Fills a region given in surface coordinates with the DC's brush.
void PaintInterior(DcObject& dc, const Region& interior) {
  if (interior.IsEmpty()) return;
  const BrushFill brush = BrushFill::Resolve(dc, dc.state.brush);
  if (brush.IsNull()) return;
  PaintScope scope(dc, interior.Bounds());
  if (!scope.Valid()) return;
  Region area = interior;
  area.Intersect(scope.Clip());
  FillArea(scope.Target(), area, brush, dc.state.rop2);
}

void PaintOutline(DcObject& dc, const Region& outline, const PenInfo& pen) {
  if (outline.IsEmpty()) return;
  PaintScope scope(dc, outline.Bounds());
  if (!scope.Valid()) return;
  Region area = outline;
  area.Intersect(scope.Clip());
  FillAreaSolid(scope.Target(), area, pen.colour, dc.state.rop2);
}

RECT Normalized(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

// Rectangle-like shapes: an outer region the pen rings, an inner one the brush fills.
template <class MakeShape>
BOOL DrawClosedShape(HDC handle, int left, int top, int right, int bottom, MakeShape makeShape) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return FALSE;
  const RECT r = Normalized(dc->ToSurface(RECT{left, top, right, bottom}));
  const PenInfo pen = ResolvePen(*dc);
  const RECT visible = dc->EffectiveClip().Bounds();
  if (!pen.visible) {
    PaintInterior(*dc, makeShape(RECT{r.left, r.top, r.right - 1, r.bottom - 1}, 0, visible));
    return TRUE;
  }
  const int w = pen.width;
  const RECT outer{r.left - (w - 1) / 2, r.top - (w - 1) / 2, r.right + w / 2, r.bottom + w / 2};
  const RECT inner{r.left + w / 2 + 1, r.top + w / 2 + 1, r.right - 1 - (w - 1) / 2, r.bottom - 1 - (w - 1) / 2};
  const int inset = outer.right - outer.left - (inner.right - inner.left);
  Region interior = makeShape(inner, inset, visible);
  Region ring = makeShape(outer, 0, visible);
  ring.Subtract(interior);
  PaintInterior(*dc, interior);
  PaintOutline(*dc, ring, pen);
  return TRUE;
}

// Scan-line fill of a polygon in surface coordinates: a pixel is inside when
// its centre is, under the alternate or winding rule.
Region PolygonRegion(const std::vector<POINT>& points, int fillMode, const RECT& visible) {
  std::vector<RECT> spans;
  if (points.size() < 3) return Region();
  LONG top = points[0].y, bottom = points[0].y;
  for (const POINT& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  struct Crossing {
    double x;
    int direction;
  };
  std::vector<Crossing> crossings;
  // Only the rows that can be seen are scanned.
  top = std::max(top, visible.top);
  bottom = std::min(bottom, visible.bottom);
  for (LONG y = top; y < bottom; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const POINT& a = points[i];
      const POINT& b = points[(i + 1) % points.size()];
      if (a.y == b.y) continue;
      const bool down = a.y < b.y;
      const double y0 = down ? a.y : b.y, y1 = down ? b.y : a.y;
      if (cy < y0 || cy >= y1) continue;
      const double x = a.x + (cy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
      crossings.push_back(Crossing{x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].direction;
      const bool inside = fillMode == WINDING ? winding != 0 : (i % 2) == 0;
      if (!inside) continue;
      const LONG x0 = static_cast<LONG>(std::ceil(crossings[i].x - 0.5));
      const LONG x1 = static_cast<LONG>(std::ceil(crossings[i + 1].x - 0.5));
      if (x1 > x0) spans.push_back(RECT{x0, y, x1, y + 1});
    }
  }
  return Region::FromRects(spans);
}

}  // namespace

}  // namespace platform

using namespace platform;

namespace {

HBRUSH BrushArgument(HBRUSH brush) {
  // FillRect and FrameRect accept a system colour index + 1 in place of a brush.
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value > 0 && value <= COLOR_MENUBAR + 1) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

}  // namespace

int FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
  DcObject* dc = FindDc(handle);
  brush = BrushArgument(brush);
  if (dc == nullptr || rect == nullptr || FindBrush(brush) == nullptr) return 0;
  FillLogicalRect(*dc, *rect, BrushFill::Resolve(*dc, brush), R2_COPYPEN);
  return 1;
}

int FrameRect(HDC handle, const RECT* rect, HBRUSH brush) {
  DcObject* dc = FindDc(handle);
  brush = BrushArgument(brush);
  if (dc == nullptr || rect == nullptr || FindBrush(brush) == nullptr) return 0;
  if (rect->right <= rect->left || rect->bottom <= rect->top) return 1;
  const RECT r = dc->ToSurface(*rect);
  Region ring(r);
  ring.Subtract(RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
  PaintScope scope(*dc, r);
  if (!scope.Valid()) return 0;
  ring.Intersect(scope.Clip());
  FillArea(scope.Target(), ring, BrushFill::Resolve(*dc, brush), R2_COPYPEN);
  return 1;
}

BOOL InvertRect(HDC handle, const RECT* rect) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || rect == nullptr) return FALSE;
  FillLogicalRect(*dc, *rect, BrushFill::Solid(0), R2_NOT);
  return TRUE;
}

BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
  return DrawClosedShape(handle, left, top, right, bottom, [](const RECT& r, int, const RECT&) { return Region(r); });
}

BOOL RoundRect(HDC handle, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  return DrawClosedShape(handle, left, top, right, bottom, [&](const RECT& r, int inset, const RECT& visible) {
    return RoundRectRegion(r.left, r.top, r.right, r.bottom, ellipseWidth - inset, ellipseHeight - inset, visible.top,
                           visible.bottom);
  });
}

BOOL Ellipse(HDC handle, int left, int top, int right, int bottom) {
  return DrawClosedShape(handle, left, top, right, bottom, [](const RECT& r, int, const RECT& visible) {
    return RoundRectRegion(r.left, r.top, r.right, r.bottom, r.right - r.left, r.bottom - r.top, visible.top,
                           visible.bottom);
  });
}

BOOL Polygon(HDC handle, const POINT* points, int count) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || points == nullptr || count < 2) return FALSE;
  std::vector<POINT> surfacePoints;
  for (int i = 0; i < count; ++i) surfacePoints.push_back(dc->ToSurface(points[i]));
  PaintInterior(*dc, PolygonRegion(surfacePoints, dc->state.polyFillMode, dc->EffectiveClip().Bounds()));
  const PenInfo pen = ResolvePen(*dc);
  if (pen.visible) {
    PenTrace trace(pen, dc->EffectiveClip().Bounds());
    for (int i = 0; i < count; ++i) {
      const POINT& a = surfacePoints[static_cast<std::size_t>(i)];
      const POINT& b = surfacePoints[static_cast<std::size_t>((i + 1) % count)];
      trace.Line(a.x, a.y, b.x, b.y);
    }
    PaintTrace(*dc, trace, pen);
  }
  return TRUE;
}

BOOL Polyline(HDC handle, const POINT* points, int count) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || points == nullptr || count < 2) return FALSE;
  const PenInfo pen = ResolvePen(*dc);
  if (!pen.visible) return TRUE;
  PenTrace trace(pen, dc->EffectiveClip().Bounds());
  for (int i = 0; i + 1 < count; ++i) {
    const POINT a = dc->ToSurface(points[i]), b = dc->ToSurface(points[i + 1]);
    trace.Line(a.x, a.y, b.x, b.y);
  }
  PaintTrace(*dc, trace, pen);
  return TRUE;
}

BOOL MoveToEx(HDC handle, int x, int y, LPPOINT previous) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return FALSE;
  if (previous != nullptr) *previous = dc->state.currentPos;
  dc->state.currentPos = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC handle, int x, int y) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return FALSE;
  const PenInfo pen = ResolvePen(*dc);
  const POINT from = dc->ToSurface(dc->state.currentPos);
  dc->state.currentPos = POINT{x, y};
  if (!pen.visible) return TRUE;
  PenTrace trace(pen, dc->EffectiveClip().Bounds());
  trace.Line(from.x, from.y, dc->SurfaceX(x), dc->SurfaceY(y));
  PaintTrace(*dc, trace, pen);
  return TRUE;
}

COLORREF SetPixel(HDC handle, int x, int y, COLORREF colour) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return CLR_INVALID;
  const int sx = dc->SurfaceX(x), sy = dc->SurfaceY(y);
  PaintScope scope(*dc, RECT{sx, sy, sx + 1, sy + 1});
  if (!scope.Valid() || scope.Clip().IsEmpty()) return CLR_INVALID;
  Pixel pixel = ColourPixel(colour);
  if (dc->IsMonochrome()) pixel = NearestPaletteIndex(MonochromePalette(), pixel) ? 0xFFFFFF : 0;
  scope.Target().At(sx, sy) = pixel;
  return ColorRefFromPixel(pixel);
}

BOOL SetPixelV(HDC handle, int x, int y, COLORREF colour) { return SetPixel(handle, x, y, colour) != CLR_INVALID; }

COLORREF GetPixel(HDC handle, int x, int y) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return CLR_INVALID;
  const int sx = dc->SurfaceX(x), sy = dc->SurfaceY(y);
  if (!dc->EffectiveClip().Contains(sx, sy)) return CLR_INVALID;
  Surface* target = dc->Target();
  if (BitmapObject* bitmap = dc->kind == DcObject::Kind::Memory ? dc->Bitmap() : nullptr) {
    bitmap->Pull(RECT{sx, sy, sx + 1, sy + 1});
  }
  return ColorRefFromPixel(target->At(sx, sy) & 0xFFFFFF);
}

BOOL FillRgn(HDC handle, HRGN region, HBRUSH brush) {
  DcObject* dc = FindDc(handle);
  RegionObject* object = FindRegion(region);
  if (dc == nullptr || object == nullptr || FindBrush(brush) == nullptr) return FALSE;
  Region area = object->region;
  const POINT offset = dc->ToSurface(POINT{0, 0});
  area.Offset(offset.x, offset.y);
  PaintScope scope(*dc, area.Bounds());
  if (!scope.Valid()) return FALSE;
  area.Intersect(scope.Clip());
  FillArea(scope.Target(), area, BrushFill::Resolve(*dc, brush), R2_COPYPEN);
  return TRUE;
}

BOOL FrameRgn(HDC handle, HRGN region, HBRUSH brush, int width, int height) {
  DcObject* dc = FindDc(handle);
  RegionObject* object = FindRegion(region);
  if (dc == nullptr || object == nullptr || FindBrush(brush) == nullptr) return FALSE;
  // The frame is the region less the region shrunk by width × height.
  Region shrunk = object->region;
  for (int dx : {-width, width}) {
    Region moved = object->region;
    moved.Offset(dx, 0);
    shrunk.Intersect(moved);
  }
  for (int dy : {-height, height}) {
    Region moved = object->region;
    moved.Offset(0, dy);
    shrunk.Intersect(moved);
  }
  Region frame = object->region;
  frame.Subtract(shrunk);
  const POINT offset = dc->ToSurface(POINT{0, 0});
  frame.Offset(offset.x, offset.y);
  PaintScope scope(*dc, frame.Bounds());
  if (!scope.Valid()) return FALSE;
  frame.Intersect(scope.Clip());
  FillArea(scope.Target(), frame, BrushFill::Resolve(*dc, brush), R2_COPYPEN);
  return TRUE;
}
