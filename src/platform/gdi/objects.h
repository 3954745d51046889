// Brushes, pens and palettes, and the permanent stock objects.
#pragma once

#include <memory>
#include <vector>

#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_object.h"

namespace platform {

class BrushObject : public GdiObject {
 public:
  BrushObject() : GdiObject(HandleKind::Brush) {}
  LOGBRUSH logBrush{};
  // Pattern brushes keep their own copy of the pattern's pixels. A
  // monochrome pattern is drawn in the DC's text and background colours.
  DibFormat patternFormat;
  std::vector<Pixel> patternPixels;
  bool patternIsMonochrome = false;
  std::vector<std::uint8_t> patternBits;  // 0/1 per pixel for monochrome patterns
  HBITMAP patternBitmap = nullptr;  // as given, answered by GetObject
  bool isDcBrush = false;
};

class PenObject : public GdiObject {
 public:
  PenObject() : GdiObject(HandleKind::Pen) {}
  LOGPEN logPen{};
  bool isDcPen = false;
};

class PaletteObject : public GdiObject {
 public:
  PaletteObject() : GdiObject(HandleKind::Palette) {}
  std::vector<PALETTEENTRY> entries;
};

BrushObject* FindBrush(HBRUSH handle);
PenObject* FindPen(HPEN handle);

// The stock 1x1 monochrome bitmap every new memory DC starts with.
HBITMAP StockBitmap();

}  // namespace platform
