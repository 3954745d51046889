// The skin picture painters: frames cut from picture strips, nine-part and
// three-part scaling, tiling and transparent drawing with the key colour.
// Where every destination pixel comes from exactly one part of the picture,
// the parts are drawn straight onto the destination; otherwise (gaps that
// show the composing bitmap's white, parts that overlap) they are composed
// in a bitmap first, which is what the result is defined by.
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

// A frame wholly inside its picture: every part cut from it has pixels.
bool Inside(const FrameBox& f, TBitmap* picture) {
  return f.width > 0 && f.height > 0 && f.x >= 0 && f.y >= 0 && f.x + f.width <= picture->Width() &&
         f.y + f.height <= picture->Height();
}

// Whether parts may be drawn straight onto `dc`: not from the DC itself, and
// not into a monochrome bitmap, which would turn colours into black and
// white by a different DC's background colour than composing does.
bool DirectTarget(HDC dc, TBitmap* picture) {
  if (dc == nullptr || dc == picture->Canvas()->Handle()) return false;
  BITMAP bitmap{};
  HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
  return selected == nullptr || GetObjectW(selected, sizeof bitmap, &bitmap) == 0 || bitmap.bmBitsPixel != 1;
}

// Draws parts of a picture straight onto a DC at an origin: each part
// stretched by dropping or repeating pixels, opaque or leaving the
// destination where the picture has the key colour.
class DirectParts {
 public:
  DirectParts(HDC dc, TBitmap* picture, bool transparent, int x, int y)
      : dc_(dc), source_(picture->Canvas()->Handle()), transparent_(transparent), x_(x), y_(y),
        previousMode_(SetStretchBltMode(dc, COLORONCOLOR)) {}
  ~DirectParts() { SetStretchBltMode(dc_, previousMode_); }
  DirectParts(const DirectParts&) = delete;
  DirectParts& operator=(const DirectParts&) = delete;

  void Part(int x, int y, int width, int height, int sx, int sy, int sourceWidth, int sourceHeight) {
    if (width <= 0 || height <= 0) return;
    if (transparent_) {
      TransparentBlt(dc_, x_ + x, y_ + y, width, height, source_, sx, sy, sourceWidth, sourceHeight, kSkinKeyColour);
    } else {
      StretchBlt(dc_, x_ + x, y_ + y, width, height, source_, sx, sy, sourceWidth, sourceHeight, SRCCOPY);
    }
  }

  // The source rectangle (sx, sy, tw, th) repeated unscaled over `area`, the
  // last row and column cut at its edges.
  void Tiles(const TRect& area, int sx, int sy, int tw, int th) {
    for (int y = area.top; y < area.bottom; y += th) {
      const int height = std::min(th, area.bottom - y);
      for (int x = area.left; x < area.right; x += tw) {
        const int width = std::min(tw, area.right - x);
        Part(x, y, width, height, sx, sy, width, height);
      }
    }
  }

 private:
  HDC dc_;
  HDC source_;
  bool transparent_;
  int x_, y_;
  int previousMode_;
};

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

namespace {

// The nine parts drawn straight onto the DC, when margins and frame leave
// each destination pixel exactly one source pixel; false when they do not.
bool PaintNinePartDirect(HDC dc, const TRect& dest, TBitmap* picture, const TRect& margins, bool vertical, bool tile,
                         bool transparent, int frameCount, int frame) {
  const std::optional<FrameBox> f = FrameOf(picture, vertical, frameCount, frame);
  const int w = RectWidth(dest), h = RectHeight(dest);
  if (!f || w <= 0 || h <= 0 || !Inside(*f, picture) || !DirectTarget(dc, picture)) return false;
  int l = margins.left, t = margins.top, r = margins.right, b = margins.bottom;
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  const int fx = f->x, fy = f->y, fw = f->width, fh = f->height;
  const int cw = fw - r - l, ch = fh - b - t;  // the centre's size in the picture
  if (l < 0 || t < 0 || r < 0 || b < 0 || cw < 0 || ch < 0) return false;
  if ((w - r - l > 0 && cw == 0) || (h - b - t > 0 && ch == 0)) return false;
  DirectParts parts(dc, picture, transparent, dest.left, dest.top);
  parts.Part(0, 0, l, t, fx, fy, l, t);
  parts.Part(0, h - b, l, b, fx, fy + fh - b, l, b);
  parts.Part(w - r, 0, r, t, fx + fw - r, fy, r, t);
  parts.Part(0, t, l, h - b - t, fx, fy + t, l, ch);
  parts.Part(l, 0, w - r - l, t, fx + l, fy, cw, t);
  if (tile) {
    parts.Tiles(Rect(l, t, w - r, h - b), fx + l, fy + t, cw, ch);
  } else {
    parts.Part(l, t, w - r - l, h - b - t, fx + l, fy + t, cw, ch);
  }
  parts.Part(w - r, h - b, r, b, fx + fw - r, fy + fh - b, r, b);
  parts.Part(w - r, t, r, h - b - t, fx + fw - r, fy + t, r, ch);
  parts.Part(l, h - b, w - r - l, b, fx + l, fy + fh - b, cw, b);
  return true;
}

}  // namespace

void PaintSkinPicture(HDC dc, const TRect& dest, TBitmap* picture, bool vertical, bool tile, bool transparent,
                      int frameCount, int frame, const TRect& margins) {
  if (Inverted(dest)) return;
  if (PaintNinePartDirect(dc, dest, picture, margins, vertical, tile, transparent, frameCount, frame)) return;
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
  const int middle = f->width - caps.left - caps.right;
  HDC target = canvas->Handle();
  // Caps side by side within the strip and a middle part to fill between
  // them: the parts do not overlap, so they go straight to the canvas.
  if (Inside(*f, picture) && caps.left >= 0 && caps.right >= 0 && caps.left + caps.right <= w && middle >= 0 &&
      (middle > 0 || caps.left + caps.right == w) && DirectTarget(target, picture)) {
    DirectParts parts(target, picture, transparent, dest.left, dest.top);
    parts.Part(0, 0, caps.left, h, f->x, f->y, caps.left, f->height);
    for (int x = caps.left; x < w - caps.right; x += middle) {
      const int width = std::min(middle, w - caps.right - x);
      parts.Part(x, 0, width, h, f->x + caps.left, f->y, width, f->height);
    }
    parts.Part(w - caps.right, 0, caps.right, h, f->x + f->width - caps.right, f->y, caps.right, f->height);
    return;
  }
  std::unique_ptr<TBitmap> strip = WorkBitmap(w, h);
  HDC dc = strip->Canvas()->Handle();
  HDC src = picture->Canvas()->Handle();
  Stretch(dc, 0, 0, caps.left, h, src, f->x, f->y, caps.left, f->height);
  // Caps that cover the whole frame leave no middle part to repeat.
  if (middle > 0) {
    for (int x = caps.left; x < w - caps.right; x += middle) {
      Stretch(dc, x, 0, middle, h, src, f->x + caps.left, f->y, middle, f->height);
    }
  }
  Stretch(dc, w - caps.right, 0, caps.right, h, src, f->x + f->width - caps.right, f->y, caps.right, f->height);
  Transfer(target, dest, strip.get(), transparent);
}

void PaintFrameCell(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame) {
  const std::optional<FrameBox> f = FrameOf(picture, false, frameCount, frame);
  if (!f || Inverted(dest)) return;
  const int w = RectWidth(dest), h = RectHeight(dest);
  if (w == 0 || h == 0) return;
  if (Inside(*f, picture) && DirectTarget(dc, picture)) {
    DirectParts(dc, picture, transparent, dest.left, dest.top).Part(0, 0, w, h, f->x, f->y, f->width, f->height);
    return;
  }
  std::unique_ptr<TBitmap> cell = WorkBitmap(w, h);
  Stretch(cell->Canvas()->Handle(), 0, 0, w, h, picture->Canvas()->Handle(), f->x, f->y, f->width, f->height);
  Transfer(dc, dest, cell.get(), transparent);
}

void PaintFrameCentered(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame) {
  const std::optional<FrameBox> f = FrameOf(picture, false, frameCount, frame);
  if (!f || f->width == 0 || Inverted(dest)) return;
  const int x = dest.left + (RectWidth(dest) - f->width) / 2;
  const int y = dest.top + (RectHeight(dest) - f->height) / 2;
  if (Inside(*f, picture) && DirectTarget(dc, picture)) {
    DirectParts(dc, picture, transparent, x, y).Part(0, 0, f->width, f->height, f->x, f->y, f->width, f->height);
    return;
  }
  std::unique_ptr<TBitmap> cell = WorkBitmap(f->width, f->height);
  BitBlt(cell->Canvas()->Handle(), 0, 0, f->width, f->height, picture->Canvas()->Handle(), f->x, f->y, SRCCOPY);
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
