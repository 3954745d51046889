#include "skin/controls/imgutil.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "platform/user/paint.h"
#include "platform/user/user.h"

namespace {

constexpr int kBytesPerPixel = 3;
constexpr int kGradientSlots = 16;

// The pixel routines below work on 3-byte pixels. Pictures of another format
// are converted first, so that no row is written past its end.
void Require24Bit(TBitmap* picture) {
  if (picture->PixelFormat() != TPixelFormat::pf24bit) picture->SetPixelFormat(TPixelFormat::pf24bit);
}

// A scratch picture of the same size and format filled by `copyRow`, then
// assigned back to the picture.
template <class CopyRow>
void Rearrange(TBitmap* picture, CopyRow copyRow) {
  if (picture == nullptr || picture->Empty()) return;
  Require24Bit(picture);
  TBitmap scratch;
  scratch.SetPixelFormat(picture->PixelFormat());
  scratch.SetSize(picture->Width(), picture->Height());
  for (int row = 0; row < picture->Height(); ++row) copyRow(scratch, row);
  picture->Assign(&scratch);
}

// All pixels of the picture as 32-bit bottom-up rows, read through the screen DC.
std::vector<std::uint8_t> ReadPixels32(TBitmap* picture) {
  const int width = picture->Width(), height = picture->Height();
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(buffer.size());
  info.bmiHeader.biXPelsPerMeter = 1;
  info.bmiHeader.biYPelsPerMeter = 1;
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, picture->Handle(), 0, static_cast<UINT>(height), buffer.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return buffer;
}

// Turns the picture a quarter: the new pixel (x, y) comes from the old pixel
// `source(x, y)` (column, row from the top).
template <class Source>
void Rotate(TBitmap* picture, Source source) {
  if (picture == nullptr || picture->Empty()) return;
  Require24Bit(picture);
  const int width = picture->Width(), height = picture->Height();
  const std::vector<std::uint8_t> pixels = ReadPixels32(picture);
  picture->SetWidth(height);
  picture->SetHeight(width);
  for (int y = 0; y < width; ++y) {
    std::uint8_t* row = picture->ScanLine(y);
    for (int x = 0; x < height; ++x) {
      const auto [column, oldRow] = source(x, y, width, height);
      // Buffer row 0 is the bottom picture row.
      const std::size_t at = (static_cast<std::size_t>(height - 1 - oldRow) * width + column) * 4;
      std::memcpy(row + x * kBytesPerPixel, pixels.data() + at, kBytesPerPixel);
    }
  }
}

COLORREF ResolveSystemColour(TColor colour) {
  return colour < 0 ? GetSysColor(colour & 0xFF) : static_cast<COLORREF>(colour);
}

struct Channels {
  int red, green, blue;
};

Channels Split(TColor colour) {
  const auto c = static_cast<std::uint32_t>(colour);
  return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF)};
}

TColor Join(int red, int green, int blue) { return red + green * 256 + blue * 65536; }

std::array<std::vector<TColor>, kGradientSlots>& GradientCache() {
  static std::array<std::vector<TColor>, kGradientSlots> cache;
  return cache;
}
int gradientCursor = 0;

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

std::vector<TColor> ComputeGradient(int n, TColor c1, TColor c2) {
  const Channels a = Split(c1), b = Split(c2);
  const int dR = b.red - a.red, dG = b.green - a.green, dB = b.blue - a.blue;
  std::vector<TColor> colours(static_cast<std::size_t>(n));
  if (n == 1) {
    colours[0] = Join(a.red + dR / 2, a.green + dG / 2, a.blue + dB / 2);
    return colours;
  }
  // Steps round down, so that a falling channel ends exactly at C2's value as
  // well (dividing toward zero would stop one short of it, and the cache would
  // never find such a gradient again).
  const int m = n - 1, half = m / 2;
  const auto step = [&](int i, int delta) { return FloorDiv(half + i * delta, m); };
  for (int i = 0; i < n; ++i) {
    colours[static_cast<std::size_t>(i)] = Join(a.red + step(i, dR), a.green + step(i, dG), a.blue + step(i, dB));
  }
  return colours;
}

}  // namespace

void ReplaceKeyColour(TBitmap* picture, TColor colour) {
  if (picture == nullptr || picture->Empty()) return;
  const Channels c = Split(colour);
  Require24Bit(picture);
  for (int row = 0; row < picture->Height(); ++row) {
    std::uint8_t* p = picture->ScanLine(row);
    for (int x = 0; x < picture->Width(); ++x, p += kBytesPerPixel) {
      // Bytes in the order blue, green, red.
      if (p[2] == 255 && p[1] == 0 && p[0] == 255) {
        p[0] = static_cast<std::uint8_t>(c.blue);
        p[1] = static_cast<std::uint8_t>(c.green);
        p[2] = static_cast<std::uint8_t>(c.red);
      }
    }
  }
}

void MirrorPicture(TBitmap* picture) {
  Rearrange(picture, [picture](TBitmap& scratch, int row) {
    const int width = picture->Width();
    const std::uint8_t* from = picture->ScanLine(row);
    std::uint8_t* to = scratch.ScanLine(row);
    for (int i = 0; i < width; ++i) {
      std::memcpy(to + i * kBytesPerPixel, from + (width - 1 - i) * kBytesPerPixel, kBytesPerPixel);
    }
  });
}

void FlipPicture(TBitmap* picture) {
  Rearrange(picture, [picture](TBitmap& scratch, int row) {
    std::memcpy(scratch.ScanLine(picture->Height() - 1 - row), picture->ScanLine(row),
                static_cast<std::size_t>(picture->Width()) * kBytesPerPixel);
  });
}

void RotateLeft(TBitmap* picture) {
  Rotate(picture, [](int x, int y, int width, int) { return std::pair{width - 1 - y, x}; });
}

void RotateRight(TBitmap* picture) {
  Rotate(picture, [](int x, int y, int, int height) { return std::pair{y, height - 1 - x}; });
}

TColor MixColors(TColor c1, TColor c2, int a) {
  const std::uint32_t first = ResolveSystemColour(c1), second = ResolveSystemColour(c2);
  const long long d = a < 100 ? 100 : 1000;
  // Blue is the colour shifted by 16 without a mask: colours have a zero top byte.
  const auto mix = [&](std::uint32_t x, std::uint32_t y) {
    return static_cast<int>((static_cast<long long>(y) * (d - a) + static_cast<long long>(x) * a + d / 2) / d) & 0xFF;
  };
  const int red = mix(first & 0xFF, second & 0xFF);
  const int green = mix((first >> 8) & 0xFF, (second >> 8) & 0xFF);
  const int blue = mix(first >> 16, second >> 16);
  return Join(red, green, blue);
}

int ColorSaturation(TColor colour) {
  const Channels c = Split(colour);
  if (c.red < 160 && c.green < 160 && c.blue < 160) return 200;
  const int high = std::max({c.red, c.green, c.blue});
  const int low = std::min({c.red, c.green, c.blue});
  const double saturation = high == 0 ? 0.0 : static_cast<double>(high - low) / high;
  return static_cast<int>(std::lround(saturation * 255));
}

int GetGradient(int n, TColor c1, TColor c2) {
  Assert(n > 0, "", "imgutil.pas", __LINE__);
  auto& cache = GradientCache();
  for (int slot = kGradientSlots - 1; slot >= 0; --slot) {
    const std::vector<TColor>& colours = cache[static_cast<std::size_t>(slot)];
    if (static_cast<int>(colours.size()) == n && colours.front() == c1 && colours.back() == c2) return slot;
  }
  const int slot = gradientCursor;
  gradientCursor = (gradientCursor + 1) % kGradientSlots;
  cache[static_cast<std::size_t>(slot)] = ComputeGradient(n, c1, c2);
  return slot;
}

const std::vector<TColor>& GradientColors(int slot) { return GradientCache().at(static_cast<std::size_t>(slot)); }

void FillGradient(HDC dc, const TRect& rect, TColor c1, bool vertical, TColor c2) {
  if (!RectVisible(dc, &rect)) return;
  const TColor from = static_cast<TColor>(ColorToRGB(c1)), to = static_cast<TColor>(ColorToRGB(c2));
  TRect clip{};
  GetClipBox(dc, &clip);
  // Along the gradient: the rectangle's start and end, and the clip box's.
  const int start = vertical ? rect.top : rect.left;
  const int end = vertical ? rect.bottom : rect.right;
  const int clipStart = vertical ? clip.top : clip.left;
  const int clipEnd = vertical ? clip.bottom : clip.right;
  const int n = end - start;
  if (n <= 0) return;
  const int first = start < clipStart ? clipStart - start : 0;
  const int last = clipEnd < end ? clipEnd - start - 1 : n - 1;
  const std::vector<TColor>& colours = GradientColors(GetGradient(n, from, to));
  TRect band = vertical ? Rect(rect.left, rect.top + first, rect.right, rect.top + first + 1)
                        : Rect(rect.left + first, rect.top, rect.left + first + 1, rect.bottom);
  for (int i = first; i <= last; ++i) {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colours[static_cast<std::size_t>(i)]));
    FillRect(dc, &band, brush);
    DeleteObject(brush);
    OffsetRect(&band, vertical ? 0 : 1, vertical ? 1 : 0);
  }
}
