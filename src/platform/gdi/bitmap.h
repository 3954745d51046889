// Bitmaps. Every bitmap keeps its pixels in its own device-independent layout
// (1, 4, 8, 16, 24 or 32 bits per pixel). Device contexts draw into 32-bit
// surfaces: a 32-bit bitmap is drawn into in place, any other layout through a
// 32-bit shadow that is refreshed from the bits before each drawing call and
// written back (quantised to the layout) after it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/surface.h"

namespace platform {

class BitmapObject : public GdiObject {
 public:
  enum class Kind {
    Device,      // CreateBitmap, CreateCompatibleBitmap, CreateDIBitmap
    DibSection,  // CreateDIBSection: the caller sees the bits
  };

  BitmapObject(Kind kind, DibFormat format);

  Kind kind;
  DibFormat format;
  HDC selectedInto = nullptr;  // the one DC holding it, if any

  int Width() const { return format.width; }
  int Height() const { return format.height; }
  int BitsPerPixel() const { return format.bitsPerPixel; }
  bool IsMonochrome() const { return format.bitsPerPixel == 1; }
  // True when the bits are 0x00RRGGBB pixels that a surface can use in place.
  bool IsDirect() const { return format.bitsPerPixel == 32 && format.IsDefaultMasks(); }

  std::uint8_t* Bits() { return bits_.get(); }
  const std::uint8_t* Bits() const { return bits_.get(); }
  std::uint8_t* RowBits(int y) { return bits_.get() + format.RowOffset(y); }
  const std::uint8_t* RowBits(int y) const { return bits_.get() + format.RowOffset(y); }

  // The surface a DC draws into (the bits themselves, or the shadow).
  Surface& DrawSurface();
  // Copies the bits of a rectangle into the shadow (no-op when direct).
  void Pull(const RECT& rect);
  // Writes a rectangle of the shadow back into the bits (no-op when direct).
  void Push(const RECT& rect);

  // Reads a rectangle of pixels as 32-bit pixels, whatever the layout.
  void ReadPixels(const RECT& rect, Pixel* out) const;
  // 0 or 1 for each pixel of a row of a monochrome bitmap.
  std::uint8_t MonoBit(int x, int y) const {
    const std::uint8_t* row = RowBits(y);
    return (row[x >> 3] >> (7 - (x & 7))) & 1;
  }

 private:
  std::unique_ptr<std::uint8_t[]> bits_;
  std::unique_ptr<Surface> surface_;
};

BitmapObject* FindBitmap(HBITMAP handle);

// Creates a bitmap object in the handle table; null when the size is absurd.
HBITMAP InsertBitmap(BitmapObject::Kind kind, DibFormat format);

// The format of a device-dependent bitmap compatible with the screen or with
// a DC holding a bitmap of `bitsPerPixel` (1 stays monochrome, else 32 bpp).
DibFormat DeviceFormat(int width, int height, int bitsPerPixel);

}  // namespace platform
