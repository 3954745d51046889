// JPEG with libjpeg-turbo. Decoding errors end the decode through longjmp
// from the library's error handler, so no C++ object with a destructor may
// live across the guarded calls.
// Our headers come first: the library's headers define TRUE and FALSE as macros.
#include "platform/gdi/codecs.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

namespace platform {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings are quiet, except the one for data that ends early: a truncated
// picture is refused rather than padded with grey.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnError(info);
}

constexpr int kMaximumSide = 0x8000;
// No JPEG encodes more pixels than this per byte of data, even a flat one; a
// header that claims more is refused before anything is allocated.
constexpr std::uint64_t kMaximumPixelsPerByte = 4096;

// Decodes into `image`; false with `message` set on failure.
bool Decode(const std::uint8_t* data, std::size_t size, DibImage& image, std::string& message) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  errors.message[0] = '\0';
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    message = errors.message;
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  if (std::uint64_t{info.image_width} * info.image_height > kMaximumPixelsPerByte * size) {
    jpeg_destroy_decompress(&info);
    message = "picture size out of range";
    return false;
  }
  info.out_color_space = JCS_EXT_BGR;  // the byte order of 24-bit DIB rows
  jpeg_start_decompress(&info);
  if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaximumSide ||
      info.output_height > kMaximumSide) {
    jpeg_destroy_decompress(&info);
    message = "picture size out of range";
    return false;
  }
  image.format.width = static_cast<int>(info.output_width);
  image.format.height = static_cast<int>(info.output_height);
  image.format.bitsPerPixel = 24;
  image.format.topDown = true;
  image.bits.assign(image.format.ImageSize(), 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.bits.data() + image.format.RowOffset(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool Encode(const DibImage& image, int quality, std::vector<Pixel>& row, std::vector<std::uint8_t>& rgb,
            unsigned char*& buffer, unsigned long& length) {
  jpeg_compress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &length);
  info.image_width = static_cast<JDIMENSION>(image.format.width);
  info.image_height = static_cast<JDIMENSION>(image.format.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    image.RgbRow(y, row.data(), rgb.data());
    JSAMPROW pointer = rgb.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::optional<DibImage> ReadJpeg(const std::uint8_t* data, std::size_t size, std::string* error) {
  DibImage image;
  std::string message;
  if (data == nullptr || size == 0 || !Decode(data, size, image, message)) {
    if (error != nullptr) *error = message.empty() ? "not a JPEG picture" : message;
    return std::nullopt;
  }
  return image;
}

std::vector<std::uint8_t> WriteJpeg(const DibImage& image, int quality) {
  if (image.format.width <= 0 || image.format.height <= 0) return {};
  std::vector<Pixel> row(static_cast<std::size_t>(image.format.width));
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.format.width) * 3);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  std::vector<std::uint8_t> out;
  if (Encode(image, quality, row, rgb, buffer, length)) out.assign(buffer, buffer + length);
  std::free(buffer);
  return out;
}

}  // namespace platform
