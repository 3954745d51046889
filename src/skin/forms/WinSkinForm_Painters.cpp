// The skin picture painters: frames cut from picture strips, nine-part and
// three-part scaling, tiling, transparent drawing with the key colour, and
// window regions from pictures.
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/user/user.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/Graphics_ScopedDc.h"

namespace {

// The part of a picture that holds one frame.
struct FrameBox {
  int x, y, width, height;
};

std::optional<FrameBox> FrameOf(TBitmap* picture, bool vertical, int frameCount, int frame) {
  if (picture == nullptr || picture->Empty() || frameCount < 1) return std::nullopt;
  if (vertical) {
    const int height = picture->Height() / frameCount;
    return FrameBox{0, (frame - 1) * height, picture->Width(), height};
  }
  const int width = picture->Width() / frameCount;
  return FrameBox{(frame - 1) * width, 0, width, picture->Height()};
}

bool Inverted(const TRect& r) { return r.right < r.left || r.bottom < r.top; }

// A memory bitmap to compose in, stretching by dropping or repeating pixels.
std::unique_ptr<TBitmap> WorkBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(width, height);
  SetStretchBltMode(bitmap->Canvas()->Handle(), COLORONCOLOR);
  return bitmap;
}

// Copies the source rectangle (x, y, width, height) onto the destination one.
void Stretch(HDC dc, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
             int sourceHeight) {
  StretchBlt(dc, x, y, width, height, source, sx, sy, sourceWidth, sourceHeight, SRCCOPY);
}

// Hands a composed bitmap to the target in one operation.
void Transfer(HDC dc, const TRect& dest, TBitmap* bitmap, bool transparent) {
  if (transparent) {
    DrawMasked(dc, dest, bitmap, kSkinKeyColour);
  } else {
    BitBlt(dc, dest.left, dest.top, RectWidth(dest), RectHeight(dest), bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
}

bool IsNtFamily() { return (GetVersion() & 0x80000000u) == 0; }

// A monochrome mask of the top-left width × height pixels: 1 where the bitmap
// has the key colour. The painters' own 32-bit bitmaps are read row by row;
// others are copied into the mask, which turns the key colour white.
HBITMAP KeyMask(TBitmap* bitmap, int width, int height, COLORREF key) {
  const bool direct = bitmap->PixelFormat() == TPixelFormat::pf32bit || bitmap->PixelFormat() == TPixelFormat::pfDevice;
  if (direct && width <= bitmap->Width() && height <= bitmap->Height()) {
    const std::uint32_t wanted = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    const int stride = (width + 15) / 16 * 2;  // CreateBitmap rows are padded to 16 bits
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(bitmap->ScanLine(y));
      std::uint8_t* out = bits.data() + static_cast<std::size_t>(y) * stride;
      for (int x = 0; x < width; ++x) {
        if ((row[x] & 0xFFFFFF) == wanted) out[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
      }
    }
    return CreateBitmap(width, height, 1, 1, bits.data());
  }
  HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
  TScopedBitmapDc maskDc(mask);
  HDC source = bitmap->Canvas()->Handle();
  const COLORREF previous = SetBkColor(source, key);
  BitBlt(maskDc.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  SetBkColor(source, previous);
  return mask;
}

// Rectangles for ExtCreateRegion: room for 500 at first and 500 more each time
// it is full; every 2000 rectangles become a region united with the result.
class RegionBuilder {
 public:
  RegionBuilder() : result_(CreateRectRgn(0, 0, 0, 0)) {}

  void Add(const RECT& rect) {
    if (count_ == capacity_) {
      capacity_ += kGrowth;
      storage_.resize(sizeof(RGNDATAHEADER) + static_cast<std::size_t>(capacity_) * sizeof(RECT));
    }
    Rects()[count_++] = rect;
    if (count_ == kBatch) Flush();
  }

  HRGN Finish() {
    Flush();
    return result_;
  }

 private:
  static constexpr int kGrowth = 500;
  static constexpr int kBatch = 2000;

  RECT* Rects() { return reinterpret_cast<RECT*>(storage_.data() + sizeof(RGNDATAHEADER)); }

  void Flush() {
    if (count_ == 0) return;
    auto* header = reinterpret_cast<RGNDATAHEADER*>(storage_.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(count_);
    header->nRgnSize = static_cast<DWORD>(count_) * sizeof(RECT);
    RECT bound = Rects()[0];
    for (int i = 1; i < count_; ++i) UnionRect(&bound, &bound, &Rects()[i]);
    header->rcBound = bound;
    const DWORD size = static_cast<DWORD>(sizeof(RGNDATAHEADER) + static_cast<std::size_t>(count_) * sizeof(RECT));
    HRGN batch = ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(storage_.data()));
    CombineRgn(result_, result_, batch, RGN_OR);
    DeleteObject(batch);
    count_ = 0;
  }

  std::vector<std::uint8_t> storage_;
  int capacity_ = 0;
  int count_ = 0;
  HRGN result_;
};

}  // namespace

std::unique_ptr<TBitmap> BuildSkinPicture(const TRect& dest, TBitmap* picture, const TRect& margins, bool vertical,
                                          bool tile, int frameCount, int frame) {
  const std::optional<FrameBox> f = FrameOf(picture, vertical, frameCount, frame);
  const int w = RectWidth(dest), h = RectHeight(dest);
  if (!f || w <= 0 || h <= 0) return nullptr;
  int l = margins.left, t = margins.top, r = margins.right, b = margins.bottom;
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  std::unique_ptr<TBitmap> result = WorkBitmap(w, h);
  HDC dc = result->Canvas()->Handle();
  HDC src = picture->Canvas()->Handle();
  const int fx = f->x, fy = f->y, fw = f->width, fh = f->height;
  // The order matters: tiles that run past the centre are covered by the
  // right and bottom parts drawn after it.
  if (l * t > 0) Stretch(dc, 0, 0, l, t, src, fx, fy, l, t);
  if (l * b > 0) Stretch(dc, 0, h - b, l, b, src, fx, fy + fh - b, l, b);
  if (r * t > 0) Stretch(dc, w - r, 0, r, t, src, fx + fw - r, fy, r, t);
  if (l > 0) Stretch(dc, 0, t, l, h - b - t, src, fx, fy + t, l, fh - b - t);
  if (t > 0) Stretch(dc, l, 0, w - r - l, t, src, fx + l, fy, fw - r - l, t);
  if (tile) {
    TilePicture(result->Canvas(), Rect(l, t, w - r, h - b), picture, Rect(fx + l, fy + t, fx + fw - r, fy + fh - b));
  } else {
    Stretch(dc, l, t, w - r - l, h - b - t, src, fx + l, fy + t, fw - r - l, fh - b - t);
  }
  if (r * b > 0) Stretch(dc, w - r, h - b, r, b, src, fx + fw - r, fy + fh - b, r, b);
  if (r > 0) Stretch(dc, w - r, t, r, h - b - t, src, fx + fw - r, fy + t, r, fh - b - t);
  if (b > 0) Stretch(dc, l, h - b, w - r - l, b, src, fx + l, fy + fh - b, fw - r - l, b);
  return result;
}

void PaintSkinPicture(HDC dc, const TRect& dest, TBitmap* picture, bool vertical, bool tile, bool transparent,
                      int frameCount, int frame, const TRect& margins) {
  if (Inverted(dest)) return;
  std::unique_ptr<TBitmap> built = BuildSkinPicture(dest, picture, margins, vertical, tile, frameCount, frame);
  if (built) Transfer(dc, dest, built.get(), transparent);
}

void TilePicture(TCanvas* canvas, const TRect& dest, TBitmap* picture, const TRect& source) {
  const int tw = RectWidth(source), th = RectHeight(source);
  if (canvas == nullptr || picture == nullptr || picture->Empty() || Inverted(dest)) return;
  if (tw < 0 || th < 0 || tw * th == 0) return;
  TBitmap tile;
  tile.SetSize(tw, th);
  HDC tileDc = tile.Canvas()->Handle();
  BitBlt(tileDc, 0, 0, tw, th, picture->Canvas()->Handle(), source.left, source.top, SRCCOPY);
  HDC dc = canvas->Handle();
  for (int y = dest.top; y < dest.bottom; y += th) {
    for (int x = dest.left; x < dest.right; x += tw) BitBlt(dc, x, y, tw, th, tileDc, 0, 0, SRCCOPY);
  }
}

void PaintSkinStrip(TCanvas* canvas, const TRect& dest, TBitmap* picture, bool vertical, bool transparent,
                    int frameCount, int frame, const TRect& caps) {
  const std::optional<FrameBox> f = FrameOf(picture, vertical, frameCount, frame);
  if (canvas == nullptr || !f || Inverted(dest)) return;
  const int w = RectWidth(dest), h = RectHeight(dest);
  if (w == 0 || h == 0) return;
  std::unique_ptr<TBitmap> strip = WorkBitmap(w, h);
  HDC dc = strip->Canvas()->Handle();
  HDC src = picture->Canvas()->Handle();
  Stretch(dc, 0, 0, caps.left, h, src, f->x, f->y, caps.left, f->height);
  const int middle = f->width - caps.left - caps.right;
  // Caps that cover the whole frame leave no middle part to repeat.
  if (middle > 0) {
    for (int x = caps.left; x < w - caps.right; x += middle) {
      Stretch(dc, x, 0, middle, h, src, f->x + caps.left, f->y, middle, f->height);
    }
  }
  Stretch(dc, w - caps.right, 0, caps.right, h, src, f->x + f->width - caps.right, f->y, caps.right, f->height);
  Transfer(canvas->Handle(), dest, strip.get(), transparent);
}

void PaintFrameCell(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame) {
  const std::optional<FrameBox> f = FrameOf(picture, false, frameCount, frame);
  if (!f || Inverted(dest)) return;
  const int w = RectWidth(dest), h = RectHeight(dest);
  if (w == 0 || h == 0) return;
  std::unique_ptr<TBitmap> cell = WorkBitmap(w, h);
  Stretch(cell->Canvas()->Handle(), 0, 0, w, h, picture->Canvas()->Handle(), f->x, f->y, f->width, f->height);
  Transfer(dc, dest, cell.get(), transparent);
}

void PaintFrameCentered(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame) {
  const std::optional<FrameBox> f = FrameOf(picture, false, frameCount, frame);
  if (!f || f->width == 0 || Inverted(dest)) return;
  std::unique_ptr<TBitmap> cell = WorkBitmap(f->width, f->height);
  BitBlt(cell->Canvas()->Handle(), 0, 0, f->width, f->height, picture->Canvas()->Handle(), f->x, f->y, SRCCOPY);
  const int x = dest.left + (RectWidth(dest) - f->width) / 2;
  const int y = dest.top + (RectHeight(dest) - f->height) / 2;
  Transfer(dc, Bounds(x, y, f->width, f->height), cell.get(), transparent);
}

void PaintSkinBar(HDC dc, const TRect& dest, TBitmap* picture, bool vertical, int frameCount, int frame,
                  const TRect& caps) {
  const std::optional<FrameBox> f = FrameOf(picture, vertical, frameCount, frame);
  if (!f || Inverted(dest)) return;
  HDC src = picture->Canvas()->Handle();
  const int w = RectWidth(dest), h = RectHeight(dest);
  const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
  if (w < f->width) {
    Stretch(dc, dest.left, dest.top, w, h, src, f->x, f->y, f->width, f->height);
  } else {
    const int l = caps.left, r = caps.right;
    Stretch(dc, dest.left, dest.top, l, h, src, f->x, f->y, l, f->height);
    Stretch(dc, dest.left + l, dest.top, w - l - r, h, src, f->x + l, f->y, f->width - l - r, f->height);
    Stretch(dc, dest.right - r, dest.top, r, h, src, f->x + f->width - r, f->y, r, f->height);
  }
  SetStretchBltMode(dc, previousMode);
}

void DrawMasked(HDC dc, const TRect& dest, TBitmap* bitmap, TColor key) {
  if (bitmap == nullptr || bitmap->Empty() || Inverted(dest)) return;
  const int w = RectWidth(dest), h = RectHeight(dest);
  if (w == 0 || h == 0) return;
  HDC src = bitmap->Canvas()->Handle();
  HBITMAP mask = KeyMask(bitmap, w, h, ColorToRGB(key));
  if (IsNtFamily()) {
    // Key pixels (mask 1) keep the destination; the others are copied.
    MaskBlt(dc, dest.left, dest.top, w, h, src, 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
  } else {
    TScopedBitmapDc maskDc(mask);
    // The mask draws its 0 bits black and its 1 bits white.
    const COLORREF previousBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF previousText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, dest.left, dest.top, w, h, src, 0, 0, SRCINVERT);
    BitBlt(dc, dest.left, dest.top, w, h, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(dc, dest.left, dest.top, w, h, src, 0, 0, SRCINVERT);
    SetBkColor(dc, previousBack);
    SetTextColor(dc, previousText);
  }
  DeleteObject(mask);
}

HRGN RegionFromBitmap(TBitmap* bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, TColor key) {
  if (bitmap == nullptr) return nullptr;
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  const COLORREF keyColour = ColorToRGB(key);
  const int lowRed = GetRValue(keyColour), lowGreen = GetGValue(keyColour), lowBlue = GetBValue(keyColour);
  const int highRed = std::min(lowRed + redTolerance, 255);
  const int highGreen = std::min(lowGreen + greenTolerance, 255);
  const int highBlue = std::min(lowBlue + blueTolerance, 255);
  const auto transparent = [&](std::uint32_t pixel) {
    const int blue = static_cast<int>(pixel & 0xFF), green = static_cast<int>((pixel >> 8) & 0xFF),
              red = static_cast<int>((pixel >> 16) & 0xFF);
    return red >= lowRed && red <= highRed && green >= lowGreen && green <= highGreen && blue >= lowBlue &&
           blue <= highBlue;
  };
  RegionBuilder builder;
  const int width = bitmap->Width();
  for (int y = 0; y < bitmap->Height(); ++y) {
    // Each row is found by its own scan line, so one-row bitmaps work too.
    const auto* row = reinterpret_cast<const std::uint32_t*>(bitmap->ScanLine(y));
    int x = 0;
    while (x < width) {
      while (x < width && transparent(row[x])) ++x;
      const int start = x;
      while (x < width && !transparent(row[x])) ++x;
      if (x > start) builder.Add(RECT{start + xOffset, y + yOffset, x + xOffset, y + 1 + yOffset});
    }
  }
  return builder.Finish();
}
