// DibImage helpers and the bridges between images, bitmaps and files.
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/codecs.h"

namespace platform {

DibImage DibImage::Blank(int width, int height, int bitsPerPixel, std::vector<RGBQUAD> palette) {
  DibImage image;
  image.format.width = width;
  image.format.height = height;
  image.format.bitsPerPixel = bitsPerPixel;
  image.format.topDown = true;
  SetDefaultMasks(image.format);
  if (image.format.HasPalette()) image.format.palette = palette.empty() ? MonochromePalette() : std::move(palette);
  image.bits.assign(image.format.ImageSize(), 0);
  return image;
}

Pixel DibImage::PixelAt(int x, int y) const {
  Pixel pixel = 0;
  ReadDibRow(format, bits.data() + format.RowOffset(y), x, 1, &pixel);
  return pixel;
}

void DibImage::RgbRow(int y, Pixel* scratch, std::uint8_t* rgb) const {
  ReadDibRow(format, bits.data() + format.RowOffset(y), 0, format.width, scratch);
  for (int x = 0; x < format.width; ++x, rgb += 3) {
    rgb[0] = static_cast<std::uint8_t>(scratch[x] >> 16);
    rgb[1] = static_cast<std::uint8_t>(scratch[x] >> 8);
    rgb[2] = static_cast<std::uint8_t>(scratch[x]);
  }
}

std::optional<DibImage> DibImageFromBitmapInfo(const BITMAPINFO* info, const void* bits, UINT usage) {
  std::optional<DibFormat> format = FormatFromBitmapInfo(info, SIZE_MAX, usage);
  if (!format) return std::nullopt;
  DibImage image;
  image.format = *format;
  image.bits.assign(format->ImageSize(), 0);
  const auto* data = static_cast<const std::uint8_t*>(bits);
  const DWORD compression = info->bmiHeader.biCompression;
  if (compression == BI_RLE8 || compression == BI_RLE4) {
    if (!DecodeRle(*format, compression, data, info->bmiHeader.biSizeImage, image.bits.data())) return std::nullopt;
  } else {
    std::memcpy(image.bits.data(), data, image.bits.size());
  }
  return image;
}

HBITMAP CreateBitmapFromImage(const DibImage& image) {
  HBITMAP handle = InsertBitmap(BitmapObject::Kind::DibSection, image.format);
  if (handle == nullptr) return nullptr;
  BitmapObject* bitmap = FindBitmap(handle);
  std::memcpy(bitmap->Bits(), image.bits.data(), std::min(image.bits.size(), bitmap->format.ImageSize()));
  return handle;
}

std::optional<DibImage> ImageFromBitmap(HBITMAP handle) {
  BitmapObject* bitmap = FindBitmap(handle);
  if (bitmap == nullptr) return std::nullopt;
  DibImage image;
  image.format = bitmap->format;
  image.bits.assign(bitmap->Bits(), bitmap->Bits() + bitmap->format.ImageSize());
  return image;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace platform
