// Small skin packages made by hand for the loader's tests: an INI text and
// solid-coloured bitmaps, packed the way the skin packer packs them.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "toolkit/Graphics.h"

namespace skintest {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit BMP file of the given size in one colour.
Bytes BmpFile(int width, int height, COLORREF colour = RGB(90, 120, 150));

struct Picture {
  std::string name;
  int width;
  int height;
  COLORREF colour = RGB(90, 120, 150);
  // Draws on the filled bitmap before it is saved (patterns, key colours).
  std::function<void(TBitmap&)> paint = {};
};

// A 24-bit BMP file of the picture: filled with its colour, then painted.
Bytes BmpFile(const Picture& picture);

// A package holding "skin.ini" with the text `ini` and the pictures.
Bytes PackageOf(const std::string& ini, const std::vector<Picture>& pictures = {});

// The embedded skin's package bytes (the resource "TESMERA-METALLIC").
std::span<const std::uint8_t> EmbeddedSkin();

// The pixel of a bitmap as a COLORREF.
COLORREF PixelOf(TBitmap& bitmap, int x, int y);

}  // namespace skintest
