// PNG with libpng, for snapshots and golden pictures. libpng reports errors
// by longjmp; the guarded functions keep no C++ objects with destructors
// alive across its calls.
#include <png.h>

#include <cstring>

#include "platform/gdi/codecs.h"

namespace platform {

namespace {

struct ReadCursor {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t offset;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t length) {
  auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
  if (length > cursor->size - cursor->offset) png_error(png, "truncated PNG");
  std::memcpy(out, cursor->data + cursor->offset, length);
  cursor->offset += length;
}

void WriteBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

constexpr png_uint_32 kMaximumSide = 0x8000;

bool Decode(ReadCursor& cursor, DibImage& image, std::vector<png_bytep>& rows) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &cursor, ReadBytes);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  if (width == 0 || height == 0 || width > kMaximumSide || height > kMaximumSide) png_error(png, "size out of range");
  // Everything becomes 8-bit B, G, R, X: the 32-bit DIB layout.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_set_strip_alpha(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  image.format.width = static_cast<int>(width);
  image.format.height = static_cast<int>(height);
  image.format.bitsPerPixel = 32;
  image.format.topDown = true;
  SetDefaultMasks(image.format);
  image.bits.assign(image.format.ImageSize(), 0);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = image.bits.data() + image.format.RowOffset(static_cast<int>(y));
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

bool Encode(const DibImage& image, std::vector<std::uint8_t>& out, std::vector<std::uint8_t>& rgb, std::vector<Pixel>& row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, WriteBytes, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.format.width), static_cast<png_uint_32>(image.format.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.format.height; ++y) {
    image.RgbRow(y, row.data(), rgb.data());
    png_write_row(png, rgb.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::vector<std::uint8_t> WritePng(const DibImage& image) {
  if (image.format.width <= 0 || image.format.height <= 0) return {};
  std::vector<std::uint8_t> out;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.format.width) * 3);
  std::vector<Pixel> row(static_cast<std::size_t>(image.format.width));
  if (!Encode(image, out, rgb, row)) return {};
  return out;
}

std::optional<DibImage> ReadPng(const std::uint8_t* data, std::size_t size, std::string* error) {
  ReadCursor cursor{data, size, 0};
  DibImage image;
  std::vector<png_bytep> rows;
  if (data == nullptr || size < 8 || png_sig_cmp(data, 0, 8) != 0 || !Decode(cursor, image, rows)) {
    if (error != nullptr) *error = "not a readable PNG picture";
    return std::nullopt;
  }
  return image;
}

}  // namespace platform
