// Creating bitmaps and moving bits in and out of them (the DIB calls).
#include <algorithm>
#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/codecs.h"
#include "platform/gdi/dc.h"

using namespace platform;

namespace {

// The standard VGA colours, the colour table of 4-bit device bitmaps.
std::vector<RGBQUAD> VgaPalette() {
  static const BYTE kColours[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                       {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  std::vector<RGBQUAD> palette;
  for (const auto& c : kColours) palette.push_back(RGBQUAD{c[2], c[1], c[0], 0});
  return palette;
}

// The default colour table of 8-bit device bitmaps: the twenty static colours
// of the system palette around a 6×6×6 colour cube.
std::vector<RGBQUAD> DefaultPalette256() {
  std::vector<RGBQUAD> palette = VgaPalette();
  palette.resize(8);
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        palette.push_back(RGBQUAD{static_cast<BYTE>(b * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(r * 51), 0});
      }
    }
  }
  while (palette.size() < 248) palette.push_back(RGBQUAD{0, 0, 0, 0});
  const std::vector<RGBQUAD> vga = VgaPalette();
  palette.insert(palette.end(), vga.begin() + 8, vga.end());
  return palette;
}

std::vector<RGBQUAD> DefaultPalette(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return MonochromePalette();
    case 4:
      return VgaPalette();
    default:
      return DefaultPalette256();
  }
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (width < 0 || height < 0 || planes != 1 || bitsPerPixel > 32) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (width == 0 || height == 0) {
    width = height = 1;
    bitsPerPixel = 1;
  }
  int depth = static_cast<int>(bitsPerPixel);
  if (depth <= 1) depth = 1;
  else if (depth <= 4) depth = 4;
  else if (depth <= 8) depth = 8;
  else if (depth <= 16) depth = 16;
  else if (depth <= 24) depth = 24;
  else depth = 32;
  DibFormat format;
  format.width = width;
  format.height = height;
  format.bitsPerPixel = depth;
  format.topDown = true;
  SetDefaultMasks(format);
  if (format.HasPalette()) format.palette = DefaultPalette(depth);
  HBITMAP handle = InsertBitmap(BitmapObject::Kind::Device, format);
  if (handle == nullptr || bits == nullptr) return handle;
  // Device-bitmap rows are padded to 16 bits, DIB rows to 32.
  BitmapObject* bitmap = FindBitmap(handle);
  const std::size_t sourceStride = static_cast<std::size_t>(((width * depth + 15) / 16) * 2);
  const std::size_t rowBytes = static_cast<std::size_t>((width * depth + 7) / 8);
  for (int y = 0; y < height; ++y) {
    std::memcpy(bitmap->RowBits(y), static_cast<const std::uint8_t*>(bits) + sourceStride * static_cast<std::size_t>(y),
                rowBytes);
  }
  return handle;
}

HBITMAP CreateBitmapIndirect(const BITMAP* bitmap) {
  if (bitmap == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateBitmap(bitmap->bmWidth, bitmap->bmHeight, bitmap->bmPlanes, bitmap->bmBitsPixel, bitmap->bmBits);
}

HBITMAP CreateCompatibleBitmap(HDC handle, int width, int height) {
  DcObject* dc = nullptr;
  if (handle != nullptr && (dc = FindDc(handle)) == nullptr) return nullptr;
  if (width < 0 || height < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (width == 0 || height == 0) return InsertBitmap(BitmapObject::Kind::Device, DeviceFormat(1, 1, 1));
  return InsertBitmap(BitmapObject::Kind::Device, DeviceFormat(width, height, dc ? dc->BitsPerPixel() : 32));
}

HBITMAP CreateDIBSection(HDC handle, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
  if (bits != nullptr) *bits = nullptr;
  if (handle != nullptr && FindDc(handle) == nullptr) return nullptr;
  std::optional<DibFormat> format = FormatFromBitmapInfo(info, SIZE_MAX, usage);
  // File-mapping sections and compressed layouts cannot back a DIB section.
  if (!format || section != nullptr || info->bmiHeader.biCompression == BI_RLE8 ||
      info->bmiHeader.biCompression == BI_RLE4) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (format->HasPalette() && format->palette.empty()) format->palette = DefaultPalette(format->bitsPerPixel);
  HBITMAP result = InsertBitmap(BitmapObject::Kind::DibSection, *format);
  if (result != nullptr && bits != nullptr) *bits = FindBitmap(result)->Bits();
  return result;
}

HBITMAP CreateDIBitmap(HDC handle, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage) {
  if (header == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  DcObject* dc = nullptr;
  if (handle != nullptr && (dc = FindDc(handle)) == nullptr) return nullptr;
  const int width = header->biWidth, height = std::abs(header->biHeight);
  // A device bitmap in the DC's format (monochrome for a 1-bit header on no DC).
  const int depth = dc ? dc->BitsPerPixel() : (header->biBitCount == 1 ? 1 : 32);
  HBITMAP result = InsertBitmap(BitmapObject::Kind::Device, DeviceFormat(width, height, depth));
  if (result != nullptr && (init & CBM_INIT) && bits != nullptr && info != nullptr) {
    SetDIBits(handle, result, 0, static_cast<UINT>(height), bits, info, usage);
  }
  return result;
}

int GetDIBits(HDC handle, HBITMAP bitmapHandle, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info, UINT usage) {
  if (FindDc(handle) == nullptr) return 0;
  BitmapObject* bitmap = FindBitmap(bitmapHandle);
  if (bitmap == nullptr) return 0;
  if (info == nullptr || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (bits == nullptr && h.biBitCount == 0) {
    // Only the header is asked for: describe the bitmap as it is.
    DibFormat described = bitmap->format;
    described.topDown = false;
    FormatToBitmapInfo(described, info, false);
    h.biClrUsed = 0;
    return 1;
  }
  // The caller's header names the layout wanted; the size is the bitmap's.
  DibFormat wanted;
  wanted.width = bitmap->Width();
  wanted.height = bitmap->Height();
  wanted.topDown = h.biHeight < 0;
  wanted.bitsPerPixel = h.biBitCount;
  if (!IsSupportedBitDepth(wanted.bitsPerPixel) || (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  SetDefaultMasks(wanted);
  if (h.biCompression == BI_BITFIELDS) {
    const auto* masks = reinterpret_cast<const DWORD*>(info->bmiColors);
    wanted.redMask = masks[0];
    wanted.greenMask = masks[1];
    wanted.blueMask = masks[2];
  }
  if (wanted.HasPalette()) {
    wanted.palette = bitmap->format.bitsPerPixel == wanted.bitsPerPixel ? bitmap->format.palette
                                                                         : DefaultPalette(wanted.bitsPerPixel);
  }
  const std::size_t stride = static_cast<std::size_t>(wanted.Stride());
  h.biWidth = wanted.width;
  h.biHeight = wanted.topDown ? -wanted.height : wanted.height;
  h.biPlanes = 1;
  h.biSizeImage = static_cast<DWORD>(wanted.ImageSize());
  if (wanted.HasPalette()) {
    if (usage == DIB_RGB_COLORS) std::memcpy(info->bmiColors, wanted.palette.data(), wanted.palette.size() * sizeof(RGBQUAD));
    h.biClrUsed = 0;
  }
  if (bits == nullptr) return 1;
  if (start >= static_cast<UINT>(wanted.height)) return 0;
  lines = std::min<UINT>(lines, static_cast<UINT>(wanted.height) - start);
  std::vector<Pixel> row(static_cast<std::size_t>(wanted.width));
  auto* out = static_cast<std::uint8_t*>(bits);
  for (UINT scan = 0; scan < lines; ++scan) {
    // Scan lines count from the top for top-down layouts, from the bottom otherwise.
    const int visual = wanted.topDown ? static_cast<int>(start + scan) : wanted.height - 1 - static_cast<int>(start + scan);
    ReadDibRow(bitmap->format, bitmap->RowBits(visual), 0, wanted.width, row.data());
    std::uint8_t* target = out + stride * scan;
    std::memset(target, 0, stride);
    WriteDibRow(wanted, target, 0, wanted.width, row.data());
  }
  return static_cast<int>(lines);
}

int SetDIBits(HDC handle, HBITMAP bitmapHandle, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
  if (handle != nullptr && FindDc(handle) == nullptr) return 0;
  BitmapObject* bitmap = FindBitmap(bitmapHandle);
  if (bitmap == nullptr) return 0;
  std::optional<DibImage> image = bits && info ? DibImageFromBitmapInfo(info, bits, usage) : std::nullopt;
  if (!image) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int height = image->format.height;
  if (start >= static_cast<UINT>(height)) return 0;
  lines = std::min<UINT>(lines, static_cast<UINT>(height) - start);
  const int width = std::min(image->format.width, bitmap->Width());
  std::vector<Pixel> row(static_cast<std::size_t>(image->format.width));
  // The given buffer holds `lines` scan lines starting at `start`; with a whole
  // image decoded, scan s sits at memory row s.
  const std::size_t stride = static_cast<std::size_t>(image->format.Stride());
  for (UINT scan = 0; scan < lines; ++scan) {
    const int visual = image->format.topDown ? static_cast<int>(start + scan) : height - 1 - static_cast<int>(start + scan);
    if (visual >= bitmap->Height()) continue;
    const bool compressed = info->bmiHeader.biCompression == BI_RLE8 || info->bmiHeader.biCompression == BI_RLE4;
    const std::uint8_t* source = compressed ? image->bits.data() + image->format.RowOffset(visual)
                                            : static_cast<const std::uint8_t*>(bits) + stride * scan;
    ReadDibRow(image->format, source, 0, width, row.data());
    WriteDibRow(bitmap->format, bitmap->RowBits(visual), 0, width, row.data());
  }
  if (bitmap->selectedInto != nullptr) bitmap->Pull(RECT{0, 0, bitmap->Width(), bitmap->Height()});
  return static_cast<int>(lines);
}

namespace {

// The colour table of the DIB selected into a DC, and how many entries from
// `start` a call may touch (0 when there is nothing to touch).
UINT ColourTableRange(HDC handle, UINT start, UINT count, const void* colours, BitmapObject*& bitmap) {
  DcObject* dc = FindDc(handle);
  bitmap = dc ? dc->Bitmap() : nullptr;
  if (bitmap == nullptr || !bitmap->format.HasPalette() || colours == nullptr) return 0;
  const UINT size = static_cast<UINT>(bitmap->format.palette.size());
  return start >= size ? 0 : std::min(count, size - start);
}

}  // namespace

UINT GetDIBColorTable(HDC handle, UINT start, UINT count, RGBQUAD* colours) {
  BitmapObject* bitmap = nullptr;
  const UINT n = ColourTableRange(handle, start, count, colours, bitmap);
  if (n > 0) std::copy_n(bitmap->format.palette.begin() + start, n, colours);
  return n;
}

UINT SetDIBColorTable(HDC handle, UINT start, UINT count, const RGBQUAD* colours) {
  BitmapObject* bitmap = nullptr;
  const UINT n = ColourTableRange(handle, start, count, colours, bitmap);
  if (n == 0) return 0;
  std::copy_n(colours, n, bitmap->format.palette.begin() + start);
  for (UINT i = start; i < start + n; ++i) bitmap->format.palette[i].rgbReserved = 0;
  // The shadow of a selected bitmap shows the new colours.
  bitmap->Pull(RECT{0, 0, bitmap->Width(), bitmap->Height()});
  return n;
}

// Drawing is finished when each call returns; there is no batch to flush.
BOOL GdiFlush() { return TRUE; }
