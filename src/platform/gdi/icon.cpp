// Icons, DrawIconEx and CopyImage.
#include "platform/gdi/icon.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/paint.h"

namespace platform {

IconObject* FindIcon(HICON handle) { return FindGdi<IconObject>(handle, HandleKind::Icon); }

HICON InsertIcon(std::unique_ptr<IconObject> icon) { return InsertGdi<HICON>(std::move(icon)); }

void DrawMaskedBlock(DcObject& dc, int x, int y, int width, int height, const std::vector<std::uint32_t>& colour,
                     const std::vector<std::uint8_t>* mask, int blockWidth, int blockHeight, bool alpha, UINT flags) {
  if (width <= 0 || height <= 0 || blockWidth <= 0 || blockHeight <= 0) return;
  const std::vector<std::uint32_t> pixels =
      width == blockWidth && height == blockHeight ? colour : ResampleBlock(colour, blockWidth, blockHeight, width, height);
  std::vector<std::uint8_t> bits;
  if (mask != nullptr) {
    bits = width == blockWidth && height == blockHeight ? *mask : ResampleBlock(*mask, blockWidth, blockHeight, width, height);
  }
  const int left = dc.SurfaceX(x), top = dc.SurfaceY(y);
  PaintScope scope(dc, RECT{left, top, left + width, top + height});
  if (!scope.Valid()) return;
  Surface& surface = scope.Target();
  const bool drawMask = flags & DI_MASK, drawImage = flags & DI_IMAGE;
  for (const RECT& box : scope.Clip().Rects()) {
    for (int py = box.top; py < box.bottom; ++py) {
      Pixel* row = surface.Row(py);
      const std::size_t base = static_cast<std::size_t>(py - top) * static_cast<std::size_t>(width);
      for (int px = box.left; px < box.right; ++px) {
        const std::size_t i = base + static_cast<std::size_t>(px - left);
        const std::uint32_t c = pixels[i];
        const bool transparent = !bits.empty() && bits[i] != 0;
        Pixel& d = row[px];
        if (alpha && drawImage) {
          d = MixPixel(d, c & 0xFFFFFF, c >> 24);
          continue;
        }
        Pixel result = d;
        if (drawMask) result = transparent ? result : 0;
        if (drawImage) result = drawMask ? (result ^ (c & 0xFFFFFF)) : (c & 0xFFFFFF);
        d = result & 0xFFFFFF;
      }
    }
  }
}

namespace {

// A copy of a bitmap's pixels in a new bitmap of the same layout (or a
// scaled one when the size differs).
HBITMAP CopyBitmap(BitmapObject& source, int width, int height, BitmapObject::Kind kind, bool monochrome) {
  DibFormat format = source.format;
  if (monochrome) {
    format.bitsPerPixel = 1;
    format.palette = MonochromePalette();
  }
  format.width = width;
  format.height = height;
  HBITMAP handle = InsertBitmap(kind, format);
  if (handle == nullptr) return nullptr;
  BitmapObject* target = FindBitmap(handle);
  std::vector<Pixel> pixels(static_cast<std::size_t>(source.Width()) * static_cast<std::size_t>(source.Height()));
  source.ReadPixels(RECT{0, 0, source.Width(), source.Height()}, pixels.data());
  if (width != source.Width() || height != source.Height()) pixels = ResampleBlock(pixels, source.Width(), source.Height(), width, height);
  for (int y = 0; y < height; ++y) {
    WriteDibRow(target->format, target->RowBits(y), 0, width, pixels.data() + static_cast<std::size_t>(y) * width);
  }
  return handle;
}

HBITMAP BitmapFromPixels(int width, int height, const std::vector<Pixel>& pixels, int bitsPerPixel) {
  HBITMAP handle = InsertBitmap(BitmapObject::Kind::Device, DeviceFormat(width, height, bitsPerPixel));
  if (handle == nullptr) return nullptr;
  BitmapObject* bitmap = FindBitmap(handle);
  for (int y = 0; y < height; ++y) {
    WriteDibRow(bitmap->format, bitmap->RowBits(y), 0, width, pixels.data() + static_cast<std::size_t>(y) * width);
  }
  return handle;
}

}  // namespace

}  // namespace platform

using namespace platform;

HICON CreateIconIndirect(const ICONINFO* info) {
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  BitmapObject* mask = FindBitmap(info->hbmMask);
  if (mask == nullptr) return nullptr;
  BitmapObject* colour = nullptr;
  if (info->hbmColor != nullptr && (colour = FindBitmap(info->hbmColor)) == nullptr) return nullptr;
  auto icon = std::make_unique<IconObject>();
  icon->isIcon = info->fIcon != FALSE;
  icon->hotspotX = info->xHotspot;
  icon->hotspotY = info->yHotspot;
  icon->monochrome = colour == nullptr;
  icon->width = mask->Width();
  icon->height = colour ? colour->Height() : mask->Height() / 2;
  if (colour != nullptr) icon->width = colour->Width();
  if (icon->width <= 0 || icon->height <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::size_t count = static_cast<std::size_t>(icon->width) * static_cast<std::size_t>(icon->height);
  icon->colour.assign(count, 0);
  icon->mask.assign(count, 0);
  std::vector<Pixel> row(static_cast<std::size_t>(std::max(icon->width, mask->Width())));
  for (int y = 0; y < icon->height; ++y) {
    for (int x = 0; x < icon->width && x < mask->Width() && y < mask->Height(); ++x) {
      icon->mask[static_cast<std::size_t>(y) * icon->width + x] = mask->IsMonochrome() ? mask->MonoBit(x, y) : 0;
    }
    if (colour != nullptr) {
      if (colour->BitsPerPixel() == 32) {
        // 32-bit pictures keep their top byte: it is the icon's alpha channel.
        std::memcpy(icon->colour.data() + static_cast<std::size_t>(y) * icon->width, colour->RowBits(y),
                    static_cast<std::size_t>(icon->width) * 4);
      } else {
        ReadDibRow(colour->format, colour->RowBits(y), 0, icon->width, icon->colour.data() + static_cast<std::size_t>(y) * icon->width);
      }
    } else if (y + icon->height < mask->Height()) {
      ReadDibRow(mask->format, mask->RowBits(y + icon->height), 0, icon->width,
                 icon->colour.data() + static_cast<std::size_t>(y) * icon->width);
    }
  }
  icon->hasAlpha = std::any_of(icon->colour.begin(), icon->colour.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
  if (!icon->hasAlpha) {
    for (auto& p : icon->colour) p &= 0xFFFFFF;
  }
  return InsertIcon(std::move(icon));
}

BOOL GetIconInfo(HICON handle, ICONINFO* info) {
  IconObject* icon = FindIcon(handle);
  if (icon == nullptr || info == nullptr) return FALSE;
  std::vector<Pixel> maskPixels(icon->mask.size());
  for (std::size_t i = 0; i < maskPixels.size(); ++i) maskPixels[i] = icon->mask[i] ? 0xFFFFFF : 0;
  info->fIcon = icon->isIcon;
  info->xHotspot = icon->hotspotX;
  info->yHotspot = icon->hotspotY;
  if (icon->monochrome) {
    // A monochrome icon answers one double-height mask: AND half over XOR half.
    std::vector<Pixel> both = maskPixels;
    both.insert(both.end(), icon->colour.begin(), icon->colour.end());
    info->hbmMask = BitmapFromPixels(icon->width, icon->height * 2, both, 1);
    info->hbmColor = nullptr;
  } else {
    info->hbmMask = BitmapFromPixels(icon->width, icon->height, maskPixels, 1);
    info->hbmColor = BitmapFromPixels(icon->width, icon->height, icon->colour, 32);
    // Keep the alpha channel in the copy, as the 32-bit picture had it.
    if (BitmapObject* colour = FindBitmap(info->hbmColor)) {
      for (int y = 0; y < icon->height; ++y) {
        std::memcpy(colour->RowBits(y), icon->colour.data() + static_cast<std::size_t>(y) * icon->width,
                    static_cast<std::size_t>(icon->width) * 4);
      }
    }
  }
  return TRUE;
}

namespace {

std::unique_ptr<IconObject> CloneIcon(const IconObject& icon, int width, int height) {
  auto copy = std::make_unique<IconObject>();
  copy->isIcon = icon.isIcon;
  copy->hotspotX = icon.hotspotX;
  copy->hotspotY = icon.hotspotY;
  copy->hasAlpha = icon.hasAlpha;
  copy->monochrome = icon.monochrome;
  copy->width = width;
  copy->height = height;
  const bool same = width == icon.width && height == icon.height;
  copy->colour = same ? icon.colour : ResampleBlock(icon.colour, icon.width, icon.height, width, height);
  copy->mask = same ? icon.mask : ResampleBlock(icon.mask, icon.width, icon.height, width, height);
  return copy;
}

// The size of SM_CXICON, the default size of DrawIconEx.
constexpr int kDefaultIconSize = 32;

}  // namespace

HICON CopyIcon(HICON handle) {
  IconObject* icon = FindIcon(handle);
  if (icon == nullptr) return nullptr;
  return InsertIcon(CloneIcon(*icon, icon->width, icon->height));
}

BOOL DestroyIcon(HICON handle) {
  IconObject* icon = FindIcon(handle);
  if (icon == nullptr) return FALSE;
  if (icon->shared) return TRUE;
  HandleTable::Instance().Remove(handle);
  return TRUE;
}

BOOL DrawIconEx(HDC handle, int x, int y, HICON iconHandle, int width, int height, UINT, HBRUSH flickerFree, UINT flags) {
  DcObject* dc = FindDc(handle);
  IconObject* icon = FindIcon(iconHandle);
  if (dc == nullptr || icon == nullptr) return FALSE;
  if (width == 0) width = (flags & DI_DEFAULTSIZE) ? kDefaultIconSize : icon->width;
  if (height == 0) height = (flags & DI_DEFAULTSIZE) ? kDefaultIconSize : icon->height;
  if ((flags & DI_NORMAL) == 0) flags |= DI_NORMAL;
  if (flickerFree != nullptr) {
    // Drawn over the brush in one go, as the off-screen path of Win32 does.
    if (FindBrush(flickerFree) == nullptr) return FALSE;
    FillLogicalRect(*dc, RECT{x, y, x + width, y + height}, BrushFill::Resolve(*dc, flickerFree), R2_COPYPEN);
  }
  DrawMaskedBlock(*dc, x, y, width, height, icon->colour, &icon->mask, icon->width, icon->height, icon->hasAlpha, flags);
  return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE); }

HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
  HANDLE result = nullptr;
  if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
    IconObject* icon = FindIcon(static_cast<HICON>(image));
    if (icon == nullptr) return nullptr;
    // LR_COPYFROMRESOURCE would pick a better-sized image from the icon's
    // resource; icons here keep one image, which is scaled.
    if (width <= 0) width = icon->width;
    if (height <= 0) height = icon->height;
    if ((flags & LR_COPYRETURNORG) && width == icon->width && height == icon->height) return image;
    result = InsertIcon(CloneIcon(*icon, width, height));
  } else if (type == IMAGE_BITMAP) {
    BitmapObject* bitmap = FindBitmap(static_cast<HBITMAP>(image));
    if (bitmap == nullptr) return nullptr;
    if (width <= 0) width = bitmap->Width();
    if (height <= 0) height = bitmap->Height();
    if ((flags & LR_COPYRETURNORG) && width == bitmap->Width() && height == bitmap->Height()) return image;
    const BitmapObject::Kind kind = (flags & LR_CREATEDIBSECTION) ? BitmapObject::Kind::DibSection : bitmap->kind;
    result = CopyBitmap(*bitmap, width, height, kind, (flags & LR_MONOCHROME) != 0);
  } else {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (result != nullptr && (flags & LR_COPYDELETEORG)) {
    if (type == IMAGE_BITMAP) DeleteObject(image);
    else DestroyIcon(static_cast<HICON>(image));
  }
  return result;
}
