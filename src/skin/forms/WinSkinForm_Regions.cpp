// Window regions from skin pictures: the opaque pixels as rectangles, rows
// with the same runs joined into one band.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/user/user.h"
#include "skin/forms/WinSkinForm.h"

namespace {

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

// The opaque runs of a row as [start, end) pairs. A pixel is transparent
// when each channel lies in its range [low, low + span].
class RunFinder {
 public:
  RunFinder(COLORREF key, int blueTolerance, int greenTolerance, int redTolerance) {
    const auto channel = [](int low, int tolerance, int& from, unsigned& span) {
      from = low;
      span = static_cast<unsigned>(std::min(low + tolerance, 255) - low);
    };
    channel(GetRValue(key), redTolerance, lowRed_, spanRed_);
    channel(GetGValue(key), greenTolerance, lowGreen_, spanGreen_);
    channel(GetBValue(key), blueTolerance, lowBlue_, spanBlue_);
  }

  void Find(const std::uint32_t* row, int width, std::vector<int>& runs) const {
    runs.clear();
    int x = 0;
    while (x < width) {
      while (x < width && Transparent(row[x])) ++x;
      const int start = x;
      while (x < width && !Transparent(row[x])) ++x;
      if (x > start) {
        runs.push_back(start);
        runs.push_back(x);
      }
    }
  }

 private:
  // Unsigned differences fold "below low" into "above the span".
  bool Transparent(std::uint32_t pixel) const {
    return static_cast<unsigned>(static_cast<int>((pixel >> 16) & 0xFF) - lowRed_) <= spanRed_ &&
           static_cast<unsigned>(static_cast<int>((pixel >> 8) & 0xFF) - lowGreen_) <= spanGreen_ &&
           static_cast<unsigned>(static_cast<int>(pixel & 0xFF) - lowBlue_) <= spanBlue_;
  }

  int lowRed_ = 0, lowGreen_ = 0, lowBlue_ = 0;
  unsigned spanRed_ = 0, spanGreen_ = 0, spanBlue_ = 0;
};

}  // namespace

HRGN RegionFromBitmap(TBitmap* bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, TColor key) {
  if (bitmap == nullptr) return nullptr;
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  const RunFinder finder(ColorToRGB(key), blueTolerance, greenTolerance, redTolerance);
  RegionBuilder builder;
  const int width = bitmap->Width(), height = bitmap->Height();
  std::vector<int> band, runs;  // the runs of the band being built, and of the row at hand
  int bandTop = 0;
  const std::uint32_t* previous = nullptr;
  const auto closeBand = [&](int bottom) {
    for (std::size_t i = 0; i < band.size(); i += 2) {
      builder.Add(RECT{band[i] + xOffset, bandTop + yOffset, band[i + 1] + xOffset, bottom + yOffset});
    }
  };
  for (int y = 0; y < height; ++y) {
    // Each row is found by its own scan line, so one-row bitmaps work too.
    const auto* row = reinterpret_cast<const std::uint32_t*>(bitmap->ScanLine(y));
    // Stretched pictures repeat rows: a row like the one before adds to its band.
    if (previous != nullptr && std::memcmp(row, previous, static_cast<std::size_t>(width) * 4) == 0) continue;
    previous = row;
    finder.Find(row, width, runs);
    if (y > 0 && runs == band) continue;
    closeBand(y);
    band.swap(runs);
    bandTop = y;
  }
  closeBand(height);
  return builder.Finish();
}
