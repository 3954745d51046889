// Image lists: equal-sized images with optional masks, drawn normally,
// transparently, over a background colour or blended with a highlight.
#include <algorithm>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/icon.h"
#include "platform/gdi/paint.h"

namespace platform {

namespace {

class ImageListObject : public GdiObject {
 public:
  ImageListObject() : GdiObject(HandleKind::ImageList) {}
  ~ImageListObject() override { DropInfoBitmaps(); }

  int width = 0;
  int height = 0;
  UINT flags = 0;
  COLORREF background = CLR_NONE;
  // One entry per image: its pixels and its mask (1 = transparent).
  std::vector<std::vector<Pixel>> images;
  std::vector<std::vector<std::uint8_t>> masks;

  bool HasMask() const { return flags & ILC_MASK; }
  std::size_t PixelCount() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }

  // Adds (or replaces at `index`) the images a bitmap holds side by side.
  int AddStrip(const std::vector<Pixel>& pixels, const std::vector<std::uint8_t>& mask, int stripWidth, int stripHeight,
               int index) {
    const int count = std::max(1, stripWidth / std::max(width, 1));
    const int first = index >= 0 ? index : static_cast<int>(images.size());
    for (int n = 0; n < count; ++n) {
      std::vector<Pixel> image(PixelCount(), 0);
      std::vector<std::uint8_t> bits(PixelCount(), 0);
      for (int y = 0; y < height && y < stripHeight; ++y) {
        for (int x = 0; x < width && n * width + x < stripWidth; ++x) {
          const std::size_t from = static_cast<std::size_t>(y) * stripWidth + static_cast<std::size_t>(n * width + x);
          const std::size_t to = static_cast<std::size_t>(y) * width + x;
          bits[to] = HasMask() && !mask.empty() ? mask[from] : 0;
          // Masked pixels are cleared, so that OR-ing the image stays right.
          image[to] = bits[to] ? 0 : (pixels[from] & 0xFFFFFF);
        }
      }
      if (index >= 0 && n == 0) {
        images[static_cast<std::size_t>(index)] = std::move(image);
        masks[static_cast<std::size_t>(index)] = std::move(bits);
        break;
      }
      images.push_back(std::move(image));
      masks.push_back(std::move(bits));
    }
    DropInfoBitmaps();
    return first;
  }

  bool ValidIndex(int index) const { return index >= 0 && index < static_cast<int>(images.size()); }

  // The bitmaps GetImageInfo hands out: the list's images as one strip.
  void MakeInfoBitmaps(HBITMAP& image, HBITMAP& mask) {
    if (infoImage_ == nullptr) {
      const int count = std::max<int>(1, static_cast<int>(images.size()));
      infoImage_ = InsertBitmap(BitmapObject::Kind::Device, DeviceFormat(width * count, height, 32));
      infoMask_ = HasMask() ? InsertBitmap(BitmapObject::Kind::Device, DeviceFormat(width * count, height, 1)) : nullptr;
      BitmapObject* imageBits = FindBitmap(infoImage_);
      BitmapObject* maskBits = infoMask_ ? FindBitmap(infoMask_) : nullptr;
      std::vector<Pixel> row(static_cast<std::size_t>(width));
      for (std::size_t n = 0; n < images.size(); ++n) {
        for (int y = 0; y < height; ++y) {
          const int x = static_cast<int>(n) * width;
          WriteDibRow(imageBits->format, imageBits->RowBits(y), x, width, images[n].data() + static_cast<std::size_t>(y) * width);
          if (maskBits) {
            for (int i = 0; i < width; ++i) row[static_cast<std::size_t>(i)] = masks[n][static_cast<std::size_t>(y) * width + i] ? 0xFFFFFF : 0;
            WriteDibRow(maskBits->format, maskBits->RowBits(y), x, width, row.data());
          }
        }
      }
    }
    image = infoImage_;
    mask = infoMask_;
  }

  void DropInfoBitmaps() {
    if (infoImage_ != nullptr) HandleTable::Instance().Remove(infoImage_);
    if (infoMask_ != nullptr) HandleTable::Instance().Remove(infoMask_);
    infoImage_ = infoMask_ = nullptr;
  }

 private:
  HBITMAP infoImage_ = nullptr;
  HBITMAP infoMask_ = nullptr;
};

ImageListObject* FindList(HIMAGELIST handle) { return FindGdi<ImageListObject>(handle, HandleKind::ImageList); }

bool ReadBitmapPixels(HBITMAP handle, std::vector<Pixel>& pixels, int& width, int& height) {
  BitmapObject* bitmap = FindBitmap(handle);
  if (bitmap == nullptr) return false;
  width = bitmap->Width();
  height = bitmap->Height();
  pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  bitmap->ReadPixels(RECT{0, 0, width, height}, pixels.data());
  return true;
}

bool ReadMaskBits(HBITMAP handle, std::vector<std::uint8_t>& bits) {
  BitmapObject* bitmap = FindBitmap(handle);
  if (bitmap == nullptr) return false;
  bits.assign(static_cast<std::size_t>(bitmap->Width()) * static_cast<std::size_t>(bitmap->Height()), 0);
  std::vector<Pixel> row(static_cast<std::size_t>(bitmap->Width()));
  for (int y = 0; y < bitmap->Height(); ++y) {
    ReadDibRow(bitmap->format, bitmap->RowBits(y), 0, bitmap->Width(), row.data());
    for (int x = 0; x < bitmap->Width(); ++x) {
      bits[static_cast<std::size_t>(y) * bitmap->Width() + x] =
          bitmap->IsMonochrome() ? bitmap->MonoBit(x, y) : (row[static_cast<std::size_t>(x)] & 0xFFFFFF) != 0;
    }
  }
  return true;
}

}  // namespace

}  // namespace platform

using namespace platform;

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int, int) {
  if (width <= 0 || height <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto list = std::make_unique<ImageListObject>();
  list->width = width;
  list->height = height;
  list->flags = flags;
  return InsertGdi<HIMAGELIST>(std::move(list));
}

BOOL ImageList_Destroy(HIMAGELIST handle) {
  if (FindList(handle) == nullptr) return FALSE;
  HandleTable::Instance().Remove(handle);
  return TRUE;
}

int ImageList_Add(HIMAGELIST handle, HBITMAP image, HBITMAP mask) {
  ImageListObject* list = FindList(handle);
  std::vector<Pixel> pixels;
  std::vector<std::uint8_t> bits;
  int width = 0, height = 0;
  if (list == nullptr || !ReadBitmapPixels(image, pixels, width, height)) return -1;
  if (mask != nullptr && !ReadMaskBits(mask, bits)) return -1;
  if (!bits.empty() && bits.size() != pixels.size()) bits.resize(pixels.size(), 0);
  return list->AddStrip(pixels, bits, width, height, -1);
}

int ImageList_AddMasked(HIMAGELIST handle, HBITMAP image, COLORREF maskColour) {
  ImageListObject* list = FindList(handle);
  std::vector<Pixel> pixels;
  int width = 0, height = 0;
  if (list == nullptr || !ReadBitmapPixels(image, pixels, width, height)) return -1;
  // CLR_DEFAULT takes the colour of the top-left pixel.
  const Pixel key = maskColour == CLR_DEFAULT ? (pixels.empty() ? 0 : pixels[0] & 0xFFFFFF) : ColourPixel(maskColour);
  std::vector<std::uint8_t> bits(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) bits[i] = (pixels[i] & 0xFFFFFF) == key;
  return list->AddStrip(pixels, bits, width, height, -1);
}

BOOL ImageList_Replace(HIMAGELIST handle, int index, HBITMAP image, HBITMAP mask) {
  ImageListObject* list = FindList(handle);
  std::vector<Pixel> pixels;
  std::vector<std::uint8_t> bits;
  int width = 0, height = 0;
  if (list == nullptr || !list->ValidIndex(index) || !ReadBitmapPixels(image, pixels, width, height)) return FALSE;
  if (mask != nullptr && !ReadMaskBits(mask, bits)) return FALSE;
  if (!bits.empty() && bits.size() != pixels.size()) bits.resize(pixels.size(), 0);
  list->AddStrip(pixels, bits, width, height, index);
  return TRUE;
}

int ImageList_ReplaceIcon(HIMAGELIST handle, int index, HICON iconHandle) {
  ImageListObject* list = FindList(handle);
  IconObject* icon = FindIcon(iconHandle);
  if (list == nullptr || icon == nullptr || (index != -1 && !list->ValidIndex(index))) return -1;
  std::vector<Pixel> pixels = icon->colour;
  std::vector<std::uint8_t> bits = icon->mask;
  if (icon->width != list->width || icon->height != list->height) {
    pixels = ResampleBlock(pixels, icon->width, icon->height, list->width, list->height);
    bits = ResampleBlock(bits, icon->width, icon->height, list->width, list->height);
  }
  if (icon->hasAlpha) {
    // Alpha pictures: transparent where alpha is below half.
    for (std::size_t i = 0; i < pixels.size(); ++i) bits[i] = (pixels[i] >> 24) < 128;
  }
  return list->AddStrip(pixels, bits, list->width, list->height, index);
}

int ImageList_AddIcon(HIMAGELIST list, HICON icon) { return ImageList_ReplaceIcon(list, -1, icon); }

BOOL ImageList_Remove(HIMAGELIST handle, int index) {
  ImageListObject* list = FindList(handle);
  if (list == nullptr || (index != -1 && !list->ValidIndex(index))) return FALSE;
  if (index == -1) {
    list->images.clear();
    list->masks.clear();
  } else {
    list->images.erase(list->images.begin() + index);
    list->masks.erase(list->masks.begin() + index);
  }
  list->DropInfoBitmaps();
  return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST handle) {
  ImageListObject* list = FindList(handle);
  return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_SetImageCount(HIMAGELIST handle, UINT count) {
  ImageListObject* list = FindList(handle);
  if (list == nullptr) return FALSE;
  list->images.resize(count, std::vector<Pixel>(list->PixelCount(), 0));
  list->masks.resize(count, std::vector<std::uint8_t>(list->PixelCount(), 0));
  list->DropInfoBitmaps();
  return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* width, int* height) {
  ImageListObject* list = FindList(handle);
  if (list == nullptr || width == nullptr || height == nullptr) return FALSE;
  *width = list->width;
  *height = list->height;
  return TRUE;
}

BOOL ImageList_SetIconSize(HIMAGELIST handle, int width, int height) {
  ImageListObject* list = FindList(handle);
  if (list == nullptr || width <= 0 || height <= 0) return FALSE;
  // A new size empties the list.
  list->width = width;
  list->height = height;
  list->images.clear();
  list->masks.clear();
  list->DropInfoBitmaps();
  return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST handle, COLORREF colour) {
  ImageListObject* list = FindList(handle);
  if (list == nullptr) return CLR_NONE;
  const COLORREF previous = list->background;
  list->background = colour;
  return previous;
}

COLORREF ImageList_GetBkColor(HIMAGELIST handle) {
  ImageListObject* list = FindList(handle);
  return list ? list->background : CLR_NONE;
}

BOOL ImageList_GetImageInfo(HIMAGELIST handle, int index, IMAGEINFO* info) {
  ImageListObject* list = FindList(handle);
  if (list == nullptr || info == nullptr || !list->ValidIndex(index)) return FALSE;
  list->MakeInfoBitmaps(info->hbmImage, info->hbmMask);
  info->Unused1 = info->Unused2 = 0;
  info->rcImage = RECT{index * list->width, 0, (index + 1) * list->width, list->height};
  return TRUE;
}

HICON ImageList_GetIcon(HIMAGELIST handle, int index, UINT) {
  ImageListObject* list = FindList(handle);
  if (list == nullptr || !list->ValidIndex(index)) return nullptr;
  auto icon = std::make_unique<IconObject>();
  icon->width = list->width;
  icon->height = list->height;
  icon->colour = list->images[static_cast<std::size_t>(index)];
  icon->mask = list->masks[static_cast<std::size_t>(index)];
  return InsertIcon(std::move(icon));
}

BOOL ImageList_DrawEx(HIMAGELIST handle, int index, HDC dcHandle, int x, int y, int width, int height,
                      COLORREF background, COLORREF foreground, UINT style) {
  ImageListObject* list = FindList(handle);
  DcObject* dc = FindDc(dcHandle);
  if (list == nullptr || dc == nullptr || !list->ValidIndex(index)) return FALSE;
  if (width <= 0) width = list->width;
  if (height <= 0) height = list->height;
  width = std::min(width, list->width);
  height = std::min(height, list->height);
  const std::vector<Pixel>& image = list->images[static_cast<std::size_t>(index)];
  const std::vector<std::uint8_t>& mask = list->masks[static_cast<std::size_t>(index)];
  if (background == CLR_DEFAULT) background = list->background;
  if (foreground == CLR_DEFAULT) foreground = GetSysColor(COLOR_HIGHLIGHT);
  const bool transparent = list->HasMask() && ((style & ILD_TRANSPARENT) || background == CLR_NONE);
  const unsigned blend = (style & ILD_BLEND50) ? 50 : (style & ILD_BLEND25) ? 25 : 0;
  const int left = dc->SurfaceX(x), top = dc->SurfaceY(y);
  PaintScope scope(*dc, RECT{left, top, left + width, top + height});
  if (!scope.Valid()) return FALSE;
  Surface& surface = scope.Target();
  for (const RECT& box : scope.Clip().Rects()) {
    for (int py = box.top; py < box.bottom; ++py) {
      for (int px = box.left; px < box.right; ++px) {
        const std::size_t i = static_cast<std::size_t>(py - top) * list->width + static_cast<std::size_t>(px - left);
        const bool masked = list->HasMask() && mask[i];
        Pixel& d = surface.At(px, py);
        if (style & ILD_MASK) {
          d = masked ? 0xFFFFFF : 0;
          continue;
        }
        if (masked) {
          if (!transparent) d = ColourPixel(background);
          continue;
        }
        d = blend ? MixPixel(image[i], ColourPixel(foreground), blend * 255 / 100) : image[i];
      }
    }
  }
  return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
  return ImageList_DrawEx(list, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}
