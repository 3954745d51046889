// BMP files: every header version Windows writes, every bit depth, both row
// orders, BI_RGB, BI_BITFIELDS and the run-length codes. The reader checks
// each size against the bytes it has before it reads them.
#include <bit>
#include <cstring>
#include <limits>

#include "platform/gdi/codecs.h"

namespace platform {

namespace {

constexpr int kMaximumSide = 0x8000;
constexpr std::size_t kMaximumImageBytes = std::size_t{256} << 20;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

std::optional<DibImage> Fail(std::string* error, const char* message) {
  if (error != nullptr) *error = message;
  return std::nullopt;
}

bool ValidMasks(std::uint32_t r, std::uint32_t g, std::uint32_t b, int bitsPerPixel) {
  for (std::uint32_t m : {r, g, b}) {
    if (m == 0) continue;
    const std::uint32_t shifted = m >> std::countr_zero(m);
    if ((shifted & (shifted + 1)) != 0) return false;  // not one run of ones
    if (bitsPerPixel == 16 && (m >> 16) != 0) return false;
  }
  return (r & g) == 0 && (r & b) == 0 && (g & b) == 0;
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::optional<DibImage> ReadBmp(const std::uint8_t* data, std::size_t size, std::string* error) {
  if (data == nullptr || size < 14 + 12) return Fail(error, "file too short for a bitmap header");
  if (data[0] != 'B' || data[1] != 'M') return Fail(error, "not a bitmap file");
  const std::uint32_t offBits = U32(data + 10);
  const std::uint8_t* h = data + 14;
  const std::uint32_t headerSize = U32(h);
  if (headerSize > size - 14) return Fail(error, "bitmap header past the end of the file");

  DibFormat format;
  std::int64_t height = 0;
  int planes = 1;
  std::uint32_t compression = BI_RGB, colours = 0, sizeImage = 0;
  bool core = false;
  if (headerSize == 12) {
    core = true;
    format.width = U16(h + 4);
    height = U16(h + 6);
    planes = U16(h + 8);
    format.bitsPerPixel = U16(h + 10);
  } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124) {
    format.width = static_cast<std::int32_t>(U32(h + 4));
    height = static_cast<std::int32_t>(U32(h + 8));
    planes = U16(h + 12);
    format.bitsPerPixel = U16(h + 14);
    compression = U32(h + 16);
    sizeImage = U32(h + 20);
    colours = U32(h + 32);
  } else {
    return Fail(error, "unknown bitmap header size");
  }
  if (planes != 1) return Fail(error, "bitmap with more than one plane");
  if (format.width <= 0 || height == 0 || format.width > kMaximumSide || height > kMaximumSide ||
      height < -kMaximumSide) {
    return Fail(error, "bitmap size out of range");
  }
  format.topDown = height < 0;
  format.height = static_cast<int>(height < 0 ? -height : height);
  if (!IsSupportedBitDepth(format.bitsPerPixel) || (core && format.bitsPerPixel > 24) ||
      (core && format.bitsPerPixel == 16)) {
    return Fail(error, "unsupported bit depth");
  }
  if (format.ImageSize() > kMaximumImageBytes) return Fail(error, "bitmap too large");

  std::size_t cursor = 14 + headerSize;  // where a colour table or masks start
  SetDefaultMasks(format);
  switch (compression) {
    case BI_RGB:
      break;
    case BI_RLE8:
    case BI_RLE4:
      if (format.bitsPerPixel != (compression == BI_RLE8 ? 8 : 4)) return Fail(error, "run-length code for the wrong depth");
      if (format.topDown) return Fail(error, "run-length coded bitmaps are bottom-up");
      break;
    case BI_BITFIELDS: {
      if (format.bitsPerPixel != 16 && format.bitsPerPixel != 32) return Fail(error, "bit fields for the wrong depth");
      const std::uint8_t* masks = h + 40;
      if (headerSize == 40) {
        if (size - cursor < 12) return Fail(error, "bit-field masks past the end of the file");
        masks = data + cursor;
        cursor += 12;
      }
      const std::uint32_t r = U32(masks), g = U32(masks + 4), b = U32(masks + 8);
      if (!ValidMasks(r, g, b, format.bitsPerPixel)) return Fail(error, "bad bit-field masks");
      if (r != 0 || g != 0 || b != 0) {
        format.redMask = r;
        format.greenMask = g;
        format.blueMask = b;
      }
      break;
    }
    default:
      return Fail(error, "unsupported compression");
  }

  if (format.HasPalette()) {
    const std::uint32_t maximum = 1u << format.bitsPerPixel;
    const std::uint32_t entries = (colours == 0 || colours > maximum) ? maximum : colours;
    const std::size_t entrySize = core ? 3 : 4;
    if ((size - cursor) / entrySize < entries) return Fail(error, "colour table past the end of the file");
    format.palette.resize(entries);
    for (std::uint32_t i = 0; i < entries; ++i) {
      const std::uint8_t* e = data + cursor + i * entrySize;
      format.palette[i] = RGBQUAD{e[0], e[1], e[2], 0};
    }
    cursor += entries * entrySize;
  }

  // Pixels start at the offset the file header names (or after the table when it names none).
  const std::size_t start = offBits != 0 ? offBits : cursor;
  if (start > size) return Fail(error, "pixel data offset past the end of the file");
  const std::size_t available = size - start;
  DibImage image;
  image.format = format;
  image.bits.assign(format.ImageSize(), 0);
  if (compression == BI_RLE8 || compression == BI_RLE4) {
    const std::size_t length = (sizeImage != 0 && sizeImage < available) ? sizeImage : available;
    if (!DecodeRle(format, compression, data + start, length, image.bits.data())) {
      return Fail(error, "broken run-length code");
    }
  } else {
    if (available < image.bits.size()) return Fail(error, "pixel data past the end of the file");
    std::memcpy(image.bits.data(), data + start, image.bits.size());
  }
  return image;
}

std::vector<std::uint8_t> WriteBmp(const DibImage& image, DWORD compression) {
  const DibFormat& f = image.format;
  std::vector<std::uint8_t> pixels;
  bool runLength = (compression == BI_RLE8 && f.bitsPerPixel == 8) || (compression == BI_RLE4 && f.bitsPerPixel == 4);
  if (runLength) {
    // Run-length files are bottom-up; write rows in that order.
    DibFormat bottomUp = f;
    bottomUp.topDown = false;
    std::vector<std::uint8_t> rows(f.ImageSize());
    for (int y = 0; y < f.height; ++y) {
      std::memcpy(rows.data() + bottomUp.RowOffset(y), image.bits.data() + f.RowOffset(y), static_cast<std::size_t>(f.Stride()));
    }
    pixels = EncodeRle(bottomUp, compression, rows.data());
  } else {
    pixels = image.bits;
    compression = ((f.bitsPerPixel == 16 || f.bitsPerPixel == 32) && !f.IsDefaultMasks()) ? BI_BITFIELDS : BI_RGB;
  }
  const std::size_t tableBytes =
      f.HasPalette() ? f.palette.size() * 4 : (compression == BI_BITFIELDS ? 12 : 0);
  const std::uint32_t offBits = static_cast<std::uint32_t>(14 + 40 + tableBytes);
  std::vector<std::uint8_t> out;
  out.reserve(offBits + pixels.size());
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(offBits + pixels.size()));
  Put32(out, 0);
  Put32(out, offBits);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(f.width));
  Put32(out, static_cast<std::uint32_t>(f.topDown && !runLength ? -f.height : f.height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint16_t>(f.bitsPerPixel));
  Put32(out, compression);
  Put32(out, static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, f.HasPalette() ? static_cast<std::uint32_t>(f.palette.size()) : 0);
  Put32(out, 0);
  if (f.HasPalette()) {
    for (const RGBQUAD& q : f.palette) {
      out.push_back(q.rgbBlue);
      out.push_back(q.rgbGreen);
      out.push_back(q.rgbRed);
      out.push_back(0);
    }
  } else if (compression == BI_BITFIELDS) {
    Put32(out, f.redMask);
    Put32(out, f.greenMask);
    Put32(out, f.blueMask);
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

}  // namespace platform
