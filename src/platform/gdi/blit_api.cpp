// The blit calls of the Win32 surface, all run by RunBlit.
#include <cstring>

#include "platform/gdi/blit.h"
#include "platform/gdi/codecs.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/rop.h"

using namespace platform;

namespace {

BOOL Blit(HDC dest, HDC source, BlitRequest request) {
  DcObject* dst = FindDc(dest);
  if (dst == nullptr) return FALSE;
  const bool usesSource = RopUsesSource(request.foreCode) || (request.mask && RopUsesSource(request.backCode));
  DcObject* src = nullptr;
  if (usesSource) {
    src = FindDc(source);
    if (src == nullptr) return FALSE;
  }
  return RunBlit(*dst, src, request);
}

// A DIB handed to StretchDIBits or SetDIBitsToDevice, unpacked into a
// temporary source DC (its colours are its own, so a monochrome DIB keeps
// its colour table).
struct DibSource {
  Surface surface;
  DcObject dc{DcObject::Kind::Surface};
  bool monochrome = false;
  explicit DibSource(const DibImage& image) : surface(image.format.width, image.format.height) {
    for (int y = 0; y < image.format.height; ++y) {
      ReadDibRow(image.format, image.bits.data() + image.format.RowOffset(y), 0, image.format.width, surface.Row(y));
    }
    dc.surface = &surface;
    monochrome = image.format.bitsPerPixel == 1;
  }
};

// A request for a destination rectangle and a source rectangle of the same
// size (stretching requests set the source size after).
BlitRequest Request(int x, int y, int width, int height, int xSrc, int ySrc, DWORD rop) {
  BlitRequest request;
  request.x = x;
  request.y = y;
  request.width = width;
  request.height = height;
  request.srcX = xSrc;
  request.srcY = ySrc;
  request.srcWidth = width;
  request.srcHeight = height;
  request.foreCode = RopCode(rop);
  return request;
}

BlitRequest StretchRequest(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
                           DWORD rop) {
  BlitRequest request = Request(x, y, width, height, xSrc, ySrc, rop);
  request.srcWidth = srcWidth;
  request.srcHeight = srcHeight;
  request.stretch = true;
  return request;
}

std::optional<DibImage> ImageFromCall(const void* bits, const BITMAPINFO* info, UINT usage) {
  if (bits == nullptr || info == nullptr) return std::nullopt;
  return DibImageFromBitmapInfo(info, bits, usage);
}

}  // namespace

BOOL PatBlt(HDC dest, int x, int y, int width, int height, DWORD rop) {
  BlitRequest request = Request(x, y, width, height, 0, 0, rop);
  if (RopUsesSource(request.foreCode)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Blit(dest, nullptr, request);
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc, DWORD rop) {
  return Blit(dest, source, Request(x, y, width, height, xSrc, ySrc, rop));
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc, int srcWidth,
                int srcHeight, DWORD rop) {
  return Blit(dest, source, StretchRequest(x, y, width, height, xSrc, ySrc, srcWidth, srcHeight, rop));
}

BOOL MaskBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc, HBITMAP mask, int xMask,
             int yMask, DWORD rop4) {
  BlitRequest request = Request(x, y, width, height, xSrc, ySrc, rop4);
  request.backCode = static_cast<std::uint8_t>((rop4 >> 24) & 0xFF);
  if (mask != nullptr) {
    BitmapObject* bitmap = FindBitmap(mask);
    if (bitmap == nullptr) return FALSE;
    if (!bitmap->IsMonochrome()) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    request.mask = bitmap;
    request.maskX = xMask;
    request.maskY = yMask;
  }
  return Blit(dest, source, request);
}

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, UINT transparentColour) {
  if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  BlitRequest request = StretchRequest(x, y, width, height, xSrc, ySrc, srcWidth, srcHeight, SRCCOPY);
  request.transparentKey = ColourPixel(transparentColour);
  DcObject* dst = FindDc(dest);
  DcObject* src = FindDc(source);
  if (dst == nullptr || src == nullptr) return FALSE;
  // Stretched transparent blits sample the nearest pixel, so the key stays exact.
  const int mode = dst->state.stretchMode;
  dst->state.stretchMode = COLORONCOLOR;
  const BOOL result = RunBlit(*dst, src, request);
  dst->state.stretchMode = mode;
  return result;
}

int StretchDIBits(HDC dest, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
  DcObject* dst = FindDc(dest);
  if (dst == nullptr) return 0;
  const std::optional<DibImage> image = ImageFromCall(bits, info, usage);
  if (!image) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  DibSource source(*image);
  // Source coordinates of a bottom-up DIB count from its bottom row.
  const int top = image->format.topDown ? ySrc : image->format.height - ySrc - srcHeight;
  BlitRequest request = StretchRequest(xDest, yDest, destWidth, destHeight, xSrc, top, srcWidth, srcHeight, rop);
  request.sourceIsMonochrome = source.monochrome;
  return RunBlit(*dst, &source.dc, request) ? srcHeight : 0;
}

int SetDIBitsToDevice(HDC dest, int xDest, int yDest, DWORD width, DWORD height, int xSrc, int ySrc, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
  DcObject* dst = FindDc(dest);
  if (dst == nullptr || info == nullptr || bits == nullptr) return 0;
  // The bits hold `lines` scan lines starting at `startScan`; make a whole
  // image of them so the usual coordinates apply.
  std::optional<DibFormat> format = FormatFromBitmapInfo(info, SIZE_MAX, usage);
  if (!format || info->bmiHeader.biCompression == BI_RLE8 || info->bmiHeader.biCompression == BI_RLE4) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int total = format->height;
  lines = std::min<UINT>(lines, static_cast<UINT>(std::max(total - static_cast<int>(startScan), 0)));
  if (lines == 0) return 0;
  DibImage image;
  image.format = *format;
  image.bits.assign(format->ImageSize(), 0);
  const std::size_t stride = static_cast<std::size_t>(format->Stride());
  // Scan line s is stored at memory row s in both orientations of the call's buffer.
  std::memcpy(image.bits.data() + stride * startScan, bits, stride * lines);
  DibSource source(image);
  const int srcTop = format->topDown ? ySrc : total - ySrc - static_cast<int>(height);
  // Visible rows that the given scan lines cover.
  const int firstRow = format->topDown ? static_cast<int>(startScan) : total - static_cast<int>(startScan + lines);
  const int lastRow = firstRow + static_cast<int>(lines);
  const int from = std::max(srcTop, firstRow), to = std::min(srcTop + static_cast<int>(height), lastRow);
  if (from >= to) return 0;
  BlitRequest request = Request(xDest, yDest + (from - srcTop), static_cast<int>(width), to - from, xSrc, from, SRCCOPY);
  request.sourceIsMonochrome = source.monochrome;
  return RunBlit(*dst, &source.dc, request) ? static_cast<int>(lines) : 0;
}
