// Picture files: BMP read and write in every layout, JPEG read and write
// (libjpeg-turbo), PNG read and write (libpng). Pictures travel as DibImage:
// a DIB layout and its bits, exactly as a DIB section holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/dib_format.h"

namespace platform {

struct DibImage {
  DibFormat format;
  std::vector<std::uint8_t> bits;  // format.ImageSize() bytes, rows in format's order

  // A zeroed image of the given size and depth (palette formats get `palette`).
  static DibImage Blank(int width, int height, int bitsPerPixel, std::vector<RGBQUAD> palette = {});
  Pixel PixelAt(int x, int y) const;
  // Row y as R, G, B bytes (what the JPEG and PNG encoders take); `scratch`
  // holds one row of pixels.
  void RgbRow(int y, Pixel* scratch, std::uint8_t* rgb) const;
};

// BMP files. The reader accepts the core (OS/2 1.x) header and the 40-, 52-,
// 56-, 108- and 124-byte headers, 1/4/8/16/24/32 bits, bottom-up and top-down,
// BI_RGB, BI_BITFIELDS, BI_RLE8 and BI_RLE4. Anything malformed — a short
// file, absurd sizes, pixel data past the end, broken run-length codes — is
// refused with a message instead of being read past its end.
std::optional<DibImage> ReadBmp(const std::uint8_t* data, std::size_t size, std::string* error = nullptr);
// Writes BI_RGB (or BI_BITFIELDS for non-default masks); `compression`
// BI_RLE8 or BI_RLE4 run-length encodes 8- or 4-bit images.
std::vector<std::uint8_t> WriteBmp(const DibImage& image, DWORD compression = BI_RGB);

// Run-length coded bits into a bottom-up image of `format` (8 or 4 bpp).
// Pixels the codes skip stay index 0. False on codes that run past the data.
bool DecodeRle(const DibFormat& format, DWORD compression, const std::uint8_t* data, std::size_t size,
               std::uint8_t* bits);

// Run-length codes for the rows of a bottom-up 8- or 4-bpp image.
std::vector<std::uint8_t> EncodeRle(const DibFormat& format, DWORD compression, const std::uint8_t* bits);

// The image a BITMAPINFO and its bits describe (as the DIB calls receive them).
std::optional<DibImage> DibImageFromBitmapInfo(const BITMAPINFO* info, const void* bits, UINT usage);

// JPEG: decoded to 24 bpp top-down; any image is encoded from its pixels.
std::optional<DibImage> ReadJpeg(const std::uint8_t* data, std::size_t size, std::string* error = nullptr);
std::vector<std::uint8_t> WriteJpeg(const DibImage& image, int quality = 90);

// PNG: written as 8-bit RGB; read into 32 bpp top-down (alpha dropped).
std::vector<std::uint8_t> WritePng(const DibImage& image);
std::optional<DibImage> ReadPng(const std::uint8_t* data, std::size_t size, std::string* error = nullptr);

// Bridges to bitmaps: a DIB section holding a copy of the image, and the
// image of any bitmap in its own layout.
HBITMAP CreateBitmapFromImage(const DibImage& image);
std::optional<DibImage> ImageFromBitmap(HBITMAP bitmap);

// Whole files.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace platform
