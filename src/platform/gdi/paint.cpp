#include "platform/gdi/paint.h"

#include <algorithm>

#include "platform/gdi/pixel_rows.h"

namespace platform {

namespace {

// The six hatch patterns, one byte per row, most significant bit leftmost.
constexpr std::uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00},  // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08},  // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
};

int FloorMod(int value, int modulus) {
  const int r = value % modulus;
  return r < 0 ? r + modulus : r;
}

}  // namespace

BrushFill BrushFill::Solid(Pixel pixel) {
  BrushFill fill;
  fill.kind_ = Kind::Solid;
  fill.solid_ = pixel;
  return fill;
}

BrushFill BrushFill::Resolve(DcObject& dc, HBRUSH handle) {
  BrushObject* brush = HandleTable::Instance().FindAs<BrushObject>(handle, HandleKind::Brush);
  if (brush == nullptr) return None();
  if (brush->isDcBrush) return Solid(ColourPixel(dc.state.dcBrushColour));
  const LOGBRUSH& lb = brush->logBrush;
  BrushFill fill;
  // Patterns are aligned to the brush origin, which is relative to the DC origin.
  fill.origin_ = POINT{dc.deviceOrigin.x + dc.state.brushOrg.x, dc.deviceOrigin.y + dc.state.brushOrg.y};
  switch (lb.lbStyle) {
    case BS_SOLID:
      return Solid(ColourPixel(lb.lbColor));
    case BS_HATCHED: {
      fill.kind_ = Kind::Pattern;
      fill.width_ = fill.height_ = 8;
      const Pixel fore = ColourPixel(lb.lbColor), back = ColourPixel(dc.state.bkColour);
      const bool transparent = dc.state.bkMode == TRANSPARENT;
      fill.pixels_.resize(64);
      if (transparent) fill.opaque_.resize(64);
      const auto& rows = kHatches[std::min<ULONG_PTR>(lb.lbHatch, 5)];
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
          const bool set = (rows[y] >> (7 - x)) & 1;
          fill.pixels_[static_cast<std::size_t>(y * 8 + x)] = set ? fore : back;
          if (transparent) fill.opaque_[static_cast<std::size_t>(y * 8 + x)] = set ? 1 : 0;
        }
      }
      return fill;
    }
    case BS_PATTERN: {
      fill.kind_ = Kind::Pattern;
      fill.width_ = brush->patternFormat.width;
      fill.height_ = brush->patternFormat.height;
      if (fill.width_ <= 0 || fill.height_ <= 0) return None();
      if (brush->patternIsMonochrome) {
        // Monochrome patterns take the DC's colours: 0 → text colour, 1 → background.
        const Pixel zero = ColourPixel(dc.state.textColour), one = ColourPixel(dc.state.bkColour);
        fill.pixels_.resize(brush->patternBits.size());
        for (std::size_t i = 0; i < brush->patternBits.size(); ++i) fill.pixels_[i] = brush->patternBits[i] ? one : zero;
      } else {
        fill.pixels_ = brush->patternPixels;
      }
      return fill;
    }
    default:
      return None();
  }
}

void BrushFill::Row(int x, int y, int count, Pixel* out, std::uint8_t* opaque) const {
  if (kind_ == Kind::Solid) {
    std::fill_n(out, count, solid_);
    if (opaque) std::fill_n(opaque, count, std::uint8_t{1});
    return;
  }
  if (kind_ == Kind::Null) {
    if (opaque) std::fill_n(opaque, count, std::uint8_t{0});
    return;
  }
  const std::size_t row = static_cast<std::size_t>(FloorMod(y - origin_.y, height_)) * static_cast<std::size_t>(width_);
  int column = FloorMod(x - origin_.x, width_);
  for (int i = 0; i < count; ++i) {
    out[i] = pixels_[row + static_cast<std::size_t>(column)];
    if (opaque) opaque[i] = opaque_.empty() ? 1 : opaque_[row + static_cast<std::size_t>(column)];
    if (++column == width_) column = 0;
  }
}

PaintScope::PaintScope(DcObject& dc, const RECT& touched) : dc_(dc), touched_(touched) {
  surface_ = dc.Target();
  if (surface_ == nullptr) return;
  clip_ = dc.EffectiveClip();
  clip_.Intersect(touched);
  if (BitmapObject* bitmap = dc.kind == DcObject::Kind::Memory ? dc.Bitmap() : nullptr) {
    if (!bitmap->IsDirect() && !clip_.IsEmpty()) bitmap->Pull(clip_.Bounds());
  }
}

PaintScope::~PaintScope() {
  if (surface_ == nullptr || clip_.IsEmpty()) return;
  if (BitmapObject* bitmap = dc_.kind == DcObject::Kind::Memory ? dc_.Bitmap() : nullptr) {
    bitmap->Push(clip_.Bounds());
  }
}

Pixel ApplyRop2(int rop2, Pixel pen, Pixel destination) {
  switch (rop2) {
    case R2_COPYPEN:
      return pen;
    case R2_XORPEN:
      return (pen ^ destination) & 0xFFFFFF;
    case R2_NOT:
      return ~destination & 0xFFFFFF;
    case R2_NOP:
      return destination;
    default: {
      // The code's four bits are the result for (pen, destination) = 00, 01, 10, 11.
      const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
      Pixel result = 0;
      if (table & 1) result |= ~pen & ~destination;
      if (table & 2) result |= ~pen & destination;
      if (table & 4) result |= pen & ~destination;
      if (table & 8) result |= pen & destination;
      return result & 0xFFFFFF;
    }
  }
}

void FillAreaSolid(Surface& surface, const Region& area, Pixel colour, int rop2) {
  for (const RECT& box : area.Rects()) {
    const int width = box.right - box.left;
    for (int y = box.top; y < box.bottom; ++y) {
      Pixel* row = surface.Row(y) + box.left;
      if (rop2 == R2_COPYPEN) {
        FillPixels(row, width, colour);
      } else {
        for (int x = 0; x < width; ++x) row[x] = ApplyRop2(rop2, colour, row[x]);
      }
    }
  }
}

void FillArea(Surface& surface, const Region& area, const BrushFill& brush, int rop2) {
  if (brush.IsNull()) return;
  if (brush.IsSolid()) {
    FillAreaSolid(surface, area, brush.SolidPixel(), rop2);
    return;
  }
  std::vector<Pixel> pattern;
  std::vector<std::uint8_t> opaque;
  for (const RECT& box : area.Rects()) {
    const int width = box.right - box.left;
    pattern.resize(static_cast<std::size_t>(width));
    opaque.resize(static_cast<std::size_t>(width));
    for (int y = box.top; y < box.bottom; ++y) {
      brush.Row(box.left, y, width, pattern.data(), opaque.data());
      Pixel* row = surface.Row(y) + box.left;
      for (int x = 0; x < width; ++x) {
        if (opaque[static_cast<std::size_t>(x)]) row[x] = ApplyRop2(rop2, pattern[static_cast<std::size_t>(x)], row[x]);
      }
    }
  }
}

void FillLogicalRect(DcObject& dc, const RECT& rect, const BrushFill& brush, int rop2) {
  RECT r = dc.ToSurface(rect);
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  PaintScope scope(dc, r);
  if (!scope.Valid() || scope.Clip().IsEmpty()) return;
  FillArea(scope.Target(), scope.Clip(), brush, rop2);
}

PenInfo ResolvePen(DcObject& dc) {
  PenInfo info;
  PenObject* pen = HandleTable::Instance().FindAs<PenObject>(dc.state.pen, HandleKind::Pen);
  if (pen == nullptr) return info;
  if (pen->isDcPen) {
    info.visible = true;
    info.colour = ColourPixel(dc.state.dcPenColour);
    return info;
  }
  info.style = static_cast<int>(pen->logPen.lopnStyle & PS_STYLE_MASK);
  info.visible = info.style != PS_NULL;
  info.colour = ColourPixel(pen->logPen.lopnColor);
  info.width = std::max<LONG>(pen->logPen.lopnWidth.x, 1);
  return info;
}

}  // namespace platform
