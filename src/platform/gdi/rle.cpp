// BI_RLE8 and BI_RLE4 run-length codes.
#include <algorithm>

#include "platform/gdi/codecs.h"

namespace platform {

namespace {

void SetIndex(const DibFormat& format, std::uint8_t* bits, int x, int row, int index) {
  if (x < 0 || x >= format.width || row < 0 || row >= format.height) return;
  std::uint8_t* line = bits + static_cast<std::size_t>(row) * static_cast<std::size_t>(format.Stride());
  if (format.bitsPerPixel == 8) {
    line[x] = static_cast<std::uint8_t>(index);
  } else {
    std::uint8_t& byte = line[x >> 1];
    byte = static_cast<std::uint8_t>((x & 1) ? ((byte & 0xF0) | (index & 0x0F)) : ((byte & 0x0F) | (index << 4)));
  }
}

int GetIndex(const DibFormat& format, const std::uint8_t* line, int x) {
  if (format.bitsPerPixel == 8) return line[x];
  return (x & 1) ? (line[x >> 1] & 0x0F) : (line[x >> 1] >> 4);
}

}  // namespace

bool DecodeRle(const DibFormat& format, DWORD compression, const std::uint8_t* data, std::size_t size,
               std::uint8_t* bits) {
  const bool four = compression == BI_RLE4;
  // `row` counts memory rows: the codes start at the bottom row, which is row 0 in memory.
  int x = 0, row = 0;
  std::size_t i = 0;
  while (row < format.height) {
    if (i + 2 > size) return true;  // ran out of codes: the rest stays 0
    const int count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {
      for (int n = 0; n < count; ++n, ++x) {
        SetIndex(format, bits, x, row, four ? ((n & 1) ? (value & 0x0F) : (value >> 4)) : value);
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++row;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // delta
        if (i + 2 > size) return false;
        x += data[i];
        row += data[i + 1];
        i += 2;
        break;
      default: {  // absolute run of `value` pixels
        const std::size_t bytes = four ? (static_cast<std::size_t>(value) + 1) / 2 : static_cast<std::size_t>(value);
        if (i + bytes > size) return false;
        for (int n = 0; n < value; ++n, ++x) {
          const std::uint8_t b = data[i + (four ? static_cast<std::size_t>(n / 2) : static_cast<std::size_t>(n))];
          SetIndex(format, bits, x, row, four ? ((n & 1) ? (b & 0x0F) : (b >> 4)) : b);
        }
        i += bytes + (bytes & 1);  // runs are padded to a 16-bit boundary
        break;
      }
    }
  }
  return true;
}

std::vector<std::uint8_t> EncodeRle(const DibFormat& format, DWORD compression, const std::uint8_t* bits) {
  const bool four = compression == BI_RLE4;
  const int maxRun = 255;
  std::vector<std::uint8_t> out;
  for (int row = 0; row < format.height; ++row) {
    const std::uint8_t* line = bits + static_cast<std::size_t>(row) * static_cast<std::size_t>(format.Stride());
    int x = 0;
    while (x < format.width) {
      // A run of one index.
      int run = 1;
      const int index = GetIndex(format, line, x);
      while (x + run < format.width && run < maxRun && GetIndex(format, line, x + run) == index) ++run;
      if (run >= 3 || (run == 2 && x + run >= format.width)) {
        out.push_back(static_cast<std::uint8_t>(run));
        out.push_back(static_cast<std::uint8_t>(four ? (index << 4) | index : index));
        x += run;
        continue;
      }
      // Literal pixels up to the next run of three.
      int literal = 0;
      while (x + literal < format.width && literal < maxRun) {
        const int v = GetIndex(format, line, x + literal);
        if (x + literal + 2 < format.width && GetIndex(format, line, x + literal + 1) == v &&
            GetIndex(format, line, x + literal + 2) == v) {
          break;
        }
        ++literal;
      }
      if (literal < 3) {
        for (int n = 0; n < literal; ++n) {
          const int v = GetIndex(format, line, x + n);
          out.push_back(1);
          out.push_back(static_cast<std::uint8_t>(four ? (v << 4) : v));
        }
      } else {
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(literal));
        std::size_t bytes = 0;
        if (four) {
          for (int n = 0; n < literal; n += 2) {
            const int hi = GetIndex(format, line, x + n);
            const int lo = n + 1 < literal ? GetIndex(format, line, x + n + 1) : 0;
            out.push_back(static_cast<std::uint8_t>((hi << 4) | lo));
            ++bytes;
          }
        } else {
          for (int n = 0; n < literal; ++n) out.push_back(line[x + n]);
          bytes = static_cast<std::size_t>(literal);
        }
        if (bytes & 1) out.push_back(0);
      }
      x += literal;
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(1);
  return out;
}

}  // namespace platform
