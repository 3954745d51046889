// What every drawing call shares: access to a DC's pixels for the length of
// one call, brushes resolved into pixel patterns, and the raster operations.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"

namespace platform {

// A COLORREF as a surface pixel (palette-relative forms use their RGB part).
inline Pixel ColourPixel(COLORREF colour) { return PixelFromColorRef(colour & 0xFFFFFF); }

// `over` laid on `under` with coverage `alpha` (0 = under, 255 = over), per
// channel and rounded; the top byte of the result is 0.
inline Pixel MixPixel(Pixel under, Pixel over, unsigned alpha) {
  auto mix = [alpha](unsigned a, unsigned b) { return (b * alpha + a * (255 - alpha) + 127) / 255; };
  return (mix((under >> 16) & 0xFF, (over >> 16) & 0xFF) << 16) | (mix((under >> 8) & 0xFF, (over >> 8) & 0xFF) << 8) |
         mix(under & 0xFF, over & 0xFF);
}

// A brush made ready for one drawing call: a solid colour, nothing, or a
// pattern tiled from the brush origin (hatches drawn over the background
// colour, or left transparent in TRANSPARENT mode).
class BrushFill {
 public:
  static BrushFill Resolve(DcObject& dc, HBRUSH brush);
  static BrushFill Solid(Pixel pixel);
  static BrushFill None() { return BrushFill(); }

  bool IsNull() const { return kind_ == Kind::Null; }
  bool IsSolid() const { return kind_ == Kind::Solid; }
  Pixel SolidPixel() const { return solid_; }
  bool HasTransparency() const { return !opaque_.empty(); }

  // The pattern pixels of surface row y, columns x .. x+count-1; `opaque` (when
  // not null) receives 1 where the brush paints and 0 where it is transparent.
  void Row(int x, int y, int count, Pixel* out, std::uint8_t* opaque) const;

 private:
  enum class Kind { Null, Solid, Pattern };
  Kind kind_ = Kind::Null;
  Pixel solid_ = 0;
  int width_ = 0;
  int height_ = 0;
  POINT origin_{};
  std::vector<Pixel> pixels_;
  std::vector<std::uint8_t> opaque_;
};

// Access to a DC's surface for one drawing call that may touch `touched`
// (surface coordinates). A bitmap kept in another layout than 32 bits is read
// into its shadow first and written back when the scope ends.
class PaintScope {
 public:
  PaintScope(DcObject& dc, const RECT& touched);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  bool Valid() const { return surface_ != nullptr; }
  Surface& Target() { return *surface_; }
  // The pixels this call may change: DC clip ∩ `touched`.
  const Region& Clip() const { return clip_; }

 private:
  DcObject& dc_;
  Surface* surface_ = nullptr;
  RECT touched_{};
  Region clip_;
};

// The binary raster operation of a pen or brush: R2_* code 1..16.
Pixel ApplyRop2(int rop2, Pixel pen, Pixel destination);

// Paints `area` (surface coordinates) with a brush under a ROP2 code.
void FillArea(Surface& surface, const Region& area, const BrushFill& brush, int rop2);
// Paints `area` in one colour under a ROP2 code.
void FillAreaSolid(Surface& surface, const Region& area, Pixel colour, int rop2);

// Fills a logical rectangle of a DC with a brush (FillRect and friends).
void FillLogicalRect(DcObject& dc, const RECT& rect, const BrushFill& brush, int rop2);

// The colour a DC's pen draws with, and whether it draws at all.
struct PenInfo {
  bool visible = false;
  Pixel colour = 0;
  int width = 1;
  int style = PS_SOLID;
};
PenInfo ResolvePen(DcObject& dc);

}  // namespace platform
