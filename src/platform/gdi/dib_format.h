// Device-independent pixel layouts and the conversions between them and the
// 32-bit 0x00RRGGBB pixels every drawing surface holds. Bitmaps, the DIB calls,
// the codecs and the blits share these so that each layout is read and written
// in exactly one place.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/gdi.h"

namespace platform {

// A 32-bit surface pixel: 0x00RRGGBB in memory order B, G, R, X (BI_RGB 32 bpp).
using Pixel = std::uint32_t;

constexpr Pixel PixelFromColorRef(COLORREF colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
constexpr COLORREF ColorRefFromPixel(Pixel pixel) {
  return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

struct DibFormat {
  int width = 0;
  int height = 0;  // rows, always positive
  int bitsPerPixel = 32;
  bool topDown = false;  // row 0 is first in memory
  std::vector<RGBQUAD> palette;  // 2^bpp entries at most, for 1, 4 and 8 bpp
  // Channel masks for 16 and 32 bpp. The defaults are 5-5-5 and 8-8-8.
  std::uint32_t redMask = 0;
  std::uint32_t greenMask = 0;
  std::uint32_t blueMask = 0;

  int Stride() const { return ((width * bitsPerPixel + 31) / 32) * 4; }
  std::size_t ImageSize() const { return static_cast<std::size_t>(Stride()) * static_cast<std::size_t>(height); }
  bool HasPalette() const { return bitsPerPixel <= 8; }
  bool IsDefaultMasks() const;
  // Offset in bytes of visual row `y` (0 = top) from the start of the bits.
  std::size_t RowOffset(int y) const {
    return static_cast<std::size_t>(topDown ? y : height - 1 - y) * static_cast<std::size_t>(Stride());
  }
};

// True for the bit depths the DIB calls accept.
bool IsSupportedBitDepth(int bitsPerPixel);

// The masks BI_RGB implies for 16 and 32 bpp.
void SetDefaultMasks(DibFormat& format);

// The black-and-white palette of monochrome device bitmaps.
std::vector<RGBQUAD> MonochromePalette();

// Converts `count` pixels of a row in `format` starting at pixel `x` into 32-bit pixels.
void ReadDibRow(const DibFormat& format, const std::uint8_t* row, int x, int count, Pixel* out);
// Writes 32-bit pixels into a row in `format`; palette formats take the nearest entry.
void WriteDibRow(const DibFormat& format, std::uint8_t* row, int x, int count, const Pixel* in);

// Palette index of the entry nearest to a colour (squared distance, first wins).
int NearestPaletteIndex(const std::vector<RGBQUAD>& palette, Pixel pixel);

// Reads the layout a BITMAPINFO describes (header, colour table or masks).
// `colourTableBytes` limits how much of the table may be read; nullopt for a
// header that names an unsupported or inconsistent layout.
std::optional<DibFormat> FormatFromBitmapInfo(const BITMAPINFO* info, std::size_t availableBytes, UINT usage);

// Fills a BITMAPINFOHEADER (and the colour table or masks after it, when
// `withColours` is set) for `format`.
void FormatToBitmapInfo(const DibFormat& format, BITMAPINFO* info, bool withColours);

// Bytes taken by the colour table or masks following the header.
std::size_t ColourTableBytes(const DibFormat& format, DWORD compression);

}  // namespace platform
