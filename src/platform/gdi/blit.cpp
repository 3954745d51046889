#include "platform/gdi/blit.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/gdi/paint.h"
#include "platform/gdi/pixel_rows.h"
#include "platform/gdi/rop.h"

namespace platform {

namespace {

constexpr Pixel kWhite = 0xFFFFFF;

// Reads source pixels converted for the destination: a monochrome bitmap
// drawn into colour takes the destination's text colour for 0 bits and its
// background colour for 1 bits; colour drawn into monochrome becomes white
// where it equals the source DC's background colour and black elsewhere.
class SourceReader {
 public:
  enum class Conversion { None, MonoToColour, ColourToMono };

  SourceReader(const Surface& surface, const BitmapObject* monoBits, Conversion conversion, Pixel zero, Pixel one,
               Pixel key)
      : surface_(surface), mono_(monoBits), conversion_(conversion), zero_(zero), one_(one), key_(key) {}

  Pixel Read(int x, int y) const {
    switch (conversion_) {
      case Conversion::MonoToColour:
        return (mono_ ? mono_->MonoBit(x, y) : (surface_.Row(y)[x] & kWhite) != 0) ? one_ : zero_;
      case Conversion::ColourToMono:
        return (surface_.Row(y)[x] & kWhite) == key_ ? kWhite : 0;
      default:
        return surface_.Row(y)[x];
    }
  }

  void Span(int x, int y, int count, Pixel* out) const {
    if (conversion_ == Conversion::None) {
      std::memcpy(out, surface_.Row(y) + x, static_cast<std::size_t>(count) * sizeof(Pixel));
      return;
    }
    for (int i = 0; i < count; ++i) out[i] = Read(x + i, y);
  }

 private:
  const Surface& surface_;
  const BitmapObject* mono_;
  Conversion conversion_;
  Pixel zero_, one_, key_;
};

// How destination columns (or rows) map to source ones for a stretch.
struct Taps {
  // Nearest source index per destination index (-1 outside the source).
  std::vector<int> nearest;
  // For averaging and combining: the source indexes and integer weights.
  std::vector<int> start;  // index into `index`/`weight`
  std::vector<int> index;
  std::vector<std::uint32_t> weight;
};

// Only destination indexes first .. first + count - 1 (those the clip lets
// through) get taps; the vectors are indexed from `first`.
Taps BuildTaps(int dstLength, int srcLength, int srcStart, bool mirror, int srcLimit, bool areas, bool combine, int first,
               int count) {
  Taps taps;
  taps.nearest.resize(static_cast<std::size_t>(count));
  auto actual = [&](long long j) {
    const long long s = mirror ? srcStart + srcLength - 1 - j : srcStart + j;
    return (s >= 0 && s < srcLimit) ? static_cast<int>(s) : -1;
  };
  // i * srcLength / dstLength, stepped without a division per index and
  // with the carry taken without a branch (uneven ratios would mispredict it
  // every few indexes). Coordinates have 27 bits, so ints hold every value.
  int quotient = static_cast<int>(static_cast<long long>(first) * srcLength / dstLength);
  int remainder = static_cast<int>(static_cast<long long>(first) * srcLength % dstLength);
  const int step = srcLength / dstLength, stepRemainder = srcLength % dstLength;
  const int base = mirror ? srcStart + srcLength - 1 : srcStart, direction = mirror ? -1 : 1;
  int* nearest = taps.nearest.data();
  for (int i = 0; i < count; ++i) {
    const int s = base + direction * quotient;
    nearest[i] = static_cast<unsigned>(s) < static_cast<unsigned>(srcLimit) ? s : -1;
    remainder += stepRemainder;
    const int carry = remainder >= dstLength ? 1 : 0;
    remainder -= carry * dstLength;
    quotient += step + carry;
  }
  if (!areas && !combine) return taps;
  taps.start.reserve(static_cast<std::size_t>(count) + 1);
  for (int i = first; i < first + count; ++i) {
    taps.start.push_back(static_cast<int>(taps.index.size()));
    if (combine) {
      // The source pixels a nearest-neighbour stretch would drop into this one.
      const long long begin = static_cast<long long>(i) * srcLength / dstLength;
      const long long end = std::max(begin + 1, static_cast<long long>(i + 1) * srcLength / dstLength);
      for (long long j = begin; j < end; ++j) {
        const int s = actual(j);
        if (s >= 0) {
          taps.index.push_back(s);
          taps.weight.push_back(1);
        }
      }
      continue;
    }
    // Box filter: destination pixel i covers [i*src, (i+1)*src) in units of 1/dst source pixels.
    const long long from = static_cast<long long>(i) * srcLength, to = from + srcLength;
    for (long long j = from / dstLength; j * dstLength < to; ++j) {
      const long long overlap = std::min(to, (j + 1) * dstLength) - std::max(from, j * dstLength);
      const int s = actual(j);
      if (overlap > 0 && s >= 0) {
        taps.index.push_back(s);
        taps.weight.push_back(static_cast<std::uint32_t>(overlap));
      }
    }
  }
  taps.start.push_back(static_cast<int>(taps.index.size()));
  return taps;
}

// Halftone stretching is separable: each source row is filtered across once
// (per destination column: weighted sums of red, green, blue and the
// weights), and a destination row combines the filtered rows it covers.
class HalftoneFilter {
 public:
  HalftoneFilter(const SourceReader& source, const Taps& columns, const Taps& rows)
      : source_(source), columns_(columns), rows_(rows) {}

  // Makes ready destination row `row`; rows come in order, so filtered rows
  // no longer covered are dropped.
  void Prepare(int row) {
    current_.clear();
    const int first = rows_.start[static_cast<std::size_t>(row)], last = rows_.start[static_cast<std::size_t>(row) + 1];
    for (auto it = cache_.begin(); it != cache_.end();) {
      bool needed = false;
      for (int ry = first; ry < last && !needed; ++ry) needed = rows_.index[static_cast<std::size_t>(ry)] == it->first;
      it = needed ? std::next(it) : cache_.erase(it);
    }
    for (int ry = first; ry < last; ++ry) {
      const int sy = rows_.index[static_cast<std::size_t>(ry)];
      current_.emplace_back(Filtered(sy), rows_.weight[static_cast<std::size_t>(ry)]);
    }
  }

  // The averaged pixel of column `column` of the prepared row.
  Pixel At(int column) const {
    std::uint64_t r = 0, g = 0, b = 0, total = 0;
    const std::size_t c = 4 * static_cast<std::size_t>(column);
    for (const auto& [sums, wy] : current_) {
      r += wy * sums[c];
      g += wy * sums[c + 1];
      b += wy * sums[c + 2];
      total += wy * sums[c + 3];
    }
    if (total == 0) return 0;
    // One reciprocal instead of three 64-bit divisions per pixel.
    // The sums stay below 2^63, so the cheaper signed conversions serve.
    const double scale = 1.0 / static_cast<double>(static_cast<std::int64_t>(total));
    auto channel = [scale](std::uint64_t sum) {
      return std::min<Pixel>(255, static_cast<Pixel>(static_cast<double>(static_cast<std::int64_t>(sum)) * scale + 0.5));
    };
    return (channel(r) << 16) | (channel(g) << 8) | channel(b);
  }

 private:
  const std::uint64_t* Filtered(int sy) {
    auto found = cache_.find(sy);
    if (found != cache_.end()) return found->second.data();
    const std::size_t count = columns_.nearest.size();
    std::vector<std::uint64_t>& sums = cache_[sy];
    sums.assign(4 * count, 0);
    for (std::size_t column = 0; column < count; ++column) {
      for (int cx = columns_.start[column]; cx < columns_.start[column + 1]; ++cx) {
        const std::uint64_t w = columns_.weight[static_cast<std::size_t>(cx)];
        const Pixel p = source_.Read(columns_.index[static_cast<std::size_t>(cx)], sy);
        sums[4 * column] += w * ((p >> 16) & 0xFF);
        sums[4 * column + 1] += w * ((p >> 8) & 0xFF);
        sums[4 * column + 2] += w * (p & 0xFF);
        sums[4 * column + 3] += w;
      }
    }
    return sums.data();
  }

  const SourceReader& source_;
  const Taps& columns_;
  const Taps& rows_;
  std::map<int, std::vector<std::uint64_t>> cache_;
  std::vector<std::pair<const std::uint64_t*, std::uint64_t>> current_;
};

Pixel CombineTaps(const SourceReader& source, const Taps& columns, const Taps& rows, int column, int row, bool useAnd) {
  Pixel result = useAnd ? kWhite : 0;
  for (int ry = rows.start[static_cast<std::size_t>(row)]; ry < rows.start[static_cast<std::size_t>(row) + 1]; ++ry) {
    for (int cx = columns.start[static_cast<std::size_t>(column)]; cx < columns.start[static_cast<std::size_t>(column) + 1];
         ++cx) {
      const Pixel p = source.Read(columns.index[static_cast<std::size_t>(cx)], rows.index[static_cast<std::size_t>(ry)]);
      result = useAnd ? (result & p) : (result | p);
    }
  }
  return result & kWhite;
}

// Whether `count` source columns follow each other without a gap or a
// repeat (a stretch along the other axis only), all inside the source.
bool Consecutive(const int* map, int count) {
  if (count <= 0 || map[0] < 0) return count <= 0;
  for (int i = 1; i < count; ++i) {
    if (map[i] != map[0] + i) return false;
  }
  return true;
}

bool MaskBit(const BitmapObject* mask, int x, int y) {
  if (mask == nullptr) return true;
  if (x < 0 || y < 0 || x >= mask->Width() || y >= mask->Height()) return false;
  return mask->MonoBit(x, y) != 0;
}

}  // namespace

BOOL RunBlit(DcObject& dst, DcObject* src, const BlitRequest& rq) {
  const bool usesSource = RopUsesSource(rq.foreCode) || (rq.mask && RopUsesSource(rq.backCode));
  const bool usesPattern = RopUsesPattern(rq.foreCode) || (rq.mask && RopUsesPattern(rq.backCode));
  if (usesSource && src == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (rq.width == 0 || rq.height == 0) return TRUE;
  // Device coordinates have 27 bits, as on Windows; beyond that sums could overflow.
  constexpr int kLimit = 1 << 27;
  for (int v : {rq.x, rq.y, rq.width, rq.height, rq.srcX, rq.srcY, rq.srcWidth, rq.srcHeight}) {
    if (v <= -kLimit || v >= kLimit) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
  }

  // Destination rectangle in surface coordinates, normalised; mirroring noted.
  // A negative extent runs leftwards (upwards) from its start pixel, which it
  // includes: x = 2, width = -3 covers pixels 0, 1 and 2.
  auto normalize = [](int& start, int& extent, bool& mirror) {
    if (extent < 0) {
      start += extent + 1;
      extent = -extent;
      mirror = !mirror;
    }
  };
  int left = dst.SurfaceX(rq.x), top = dst.SurfaceY(rq.y), width = rq.width, height = rq.height;
  bool mirrorX = false, mirrorY = false;
  normalize(left, width, mirrorX);
  normalize(top, height, mirrorY);
  int srcLeft = 0, srcTop = 0, srcWidth = width, srcHeight = height;
  Surface* srcSurface = nullptr;
  std::unique_ptr<Surface> snapshot;
  BitmapObject* srcBitmap = nullptr;
  if (usesSource) {
    srcSurface = src->Target();
    if (srcSurface == nullptr) return FALSE;
    srcLeft = src->SurfaceX(rq.srcX);
    srcTop = src->SurfaceY(rq.srcY);
    if (rq.stretch) {
      srcWidth = rq.srcWidth;
      srcHeight = rq.srcHeight;
      if (srcWidth == 0 || srcHeight == 0) return TRUE;
      normalize(srcLeft, srcWidth, mirrorX);
      normalize(srcTop, srcHeight, mirrorY);
    }
    srcBitmap = src->kind == DcObject::Kind::Memory ? src->Bitmap() : nullptr;
    if (srcBitmap != nullptr) srcBitmap->Pull(RECT{srcLeft, srcTop, srcLeft + srcWidth, srcTop + srcHeight});
  }
  const bool stretched = usesSource && (srcWidth != width || srcHeight != height || mirrorX || mirrorY);

  RECT touched{left, top, left + width, top + height};
  if (usesSource && !stretched) {
    // Only the part whose source lies on the source surface is drawn.
    const int dx = left - srcLeft, dy = top - srcTop;
    touched.left = std::max<LONG>(touched.left, dx);
    touched.top = std::max<LONG>(touched.top, dy);
    touched.right = std::min<LONG>(touched.right, srcSurface->Width() + dx);
    touched.bottom = std::min<LONG>(touched.bottom, srcSurface->Height() + dy);
    if (touched.left >= touched.right || touched.top >= touched.bottom) return TRUE;
  }
  PaintScope scope(dst, touched);
  if (!scope.Valid()) return FALSE;
  if (scope.Clip().IsEmpty()) return TRUE;
  Surface& target = scope.Target();

  // A blit within one surface reads a copy of the source, so overlapping
  // rectangles behave as if the source were read first.
  if (usesSource && srcSurface == &target) {
    snapshot = std::make_unique<Surface>(srcSurface->Width(), srcSurface->Height());
    const RECT area{std::max(srcLeft, 0), std::max(srcTop, 0), std::min(srcLeft + srcWidth, srcSurface->Width()),
                    std::min(srcTop + srcHeight, srcSurface->Height())};
    for (int y = area.top; y < area.bottom; ++y) {
      std::memcpy(snapshot->Row(y) + area.left, srcSurface->Row(y) + area.left,
                  static_cast<std::size_t>(std::max<LONG>(area.right - area.left, 0)) * sizeof(Pixel));
    }
    srcSurface = snapshot.get();
  }

  SourceReader::Conversion conversion = SourceReader::Conversion::None;
  Pixel zero = 0, one = kWhite, key = 0;
  if (usesSource) {
    const bool srcMono = rq.sourceIsMonochrome || (srcBitmap != nullptr && srcBitmap->IsMonochrome());
    const bool dstMono = dst.IsMonochrome();
    if (srcMono && !dstMono && !rq.sourceIsMonochrome) {
      conversion = SourceReader::Conversion::MonoToColour;
      zero = ColourPixel(dst.state.textColour);
      one = ColourPixel(dst.state.bkColour);
    } else if (!srcMono && dstMono) {
      conversion = SourceReader::Conversion::ColourToMono;
      key = ColourPixel(src ? src->state.bkColour : RGB(255, 255, 255));
    }
  }
  const SourceReader source(usesSource ? *srcSurface : target,
                            conversion == SourceReader::Conversion::MonoToColour && !snapshot ? srcBitmap : nullptr,
                            conversion, zero, one, key);

  const BrushFill pattern = usesPattern ? BrushFill::Resolve(dst, dst.state.brush) : BrushFill::None();
  const int mode = dst.state.stretchMode;
  const bool average = stretched && mode == HALFTONE && !dst.IsMonochrome();
  const bool combine = stretched && !average && (mode == BLACKONWHITE || mode == WHITEONBLACK) &&
                       (srcWidth > width || srcHeight > height);
  // Stretch tables cover only what the clip lets through.
  const RECT bounds = scope.Clip().Bounds();
  Taps columns, rows;
  if (stretched) {
    columns = BuildTaps(width, srcWidth, srcLeft, mirrorX, srcSurface->Width(), average, combine, bounds.left - left,
                        bounds.right - bounds.left);
    rows = BuildTaps(height, srcHeight, srcTop, mirrorY, srcSurface->Height(), average, combine, bounds.top - top,
                     bounds.bottom - bounds.top);
  }

  const bool copySource = rq.foreCode == 0xCC && rq.mask == nullptr && !rq.transparentKey &&
                          conversion == SourceReader::Conversion::None;
  const bool plainCopy = copySource && !stretched;
  const bool nearestCopy = copySource && stretched && !average && !combine;
  // TransparentBlt's own case: source pixels copied unless they have the key.
  const bool keyedCopy = rq.foreCode == 0xCC && rq.mask == nullptr && rq.transparentKey &&
                         conversion == SourceReader::Conversion::None && !average && !combine;
  const Pixel transparentKey = rq.transparentKey ? *rq.transparentKey : 0;
  HalftoneFilter filter(source, columns, rows);
  std::vector<Pixel> sRow, pRow;
  for (const RECT& box : scope.Clip().Rects()) {
    const int span = box.right - box.left;
    sRow.resize(static_cast<std::size_t>(span));
    pRow.resize(static_cast<std::size_t>(span));
    if (nearestCopy) {
      // The commonest stretch: nearest source pixels copied straight into the
      // destination. The columns that have a source are the same on every row.
      const int* map = columns.nearest.data() + (box.left - bounds.left);
      int from = 0, to = span;
      while (from < to && map[from] < 0) ++from;
      while (to > from && map[to - 1] < 0) --to;
      if (to <= from) continue;
      const bool rowCopy = Consecutive(map + from, to - from);
      const StretchSpans spans(rowCopy ? map : map + from, rowCopy ? 0 : to - from);
      int previousSy = -1;
      const Pixel* previousRow = nullptr;
      for (int y = box.top; y < box.bottom; ++y) {
        const int sy = rows.nearest[static_cast<std::size_t>(y - bounds.top)];
        if (sy < 0) continue;
        Pixel* d = target.Row(y) + box.left + from;
        if (sy == previousSy) {
          // A row stretched downwards repeats the destination row made from it.
          CopyPixels(d, previousRow, to - from);
          continue;
        }
        const Pixel* sourceRow = srcSurface->Row(sy);
        if (rowCopy) {
          CopyPixels(d, sourceRow + map[from], to - from);
        } else if (spans.Worthwhile()) {
          spans.Copy(d, sourceRow);
        } else {
          for (int i = 0; i < to - from; ++i) d[i] = sourceRow[map[from + i]];
        }
        previousSy = sy;
        previousRow = d;
      }
      continue;
    }
    if (keyedCopy) {
      // Columns that map one to one (a stretch only along y) read the source
      // row straight, like an unstretched copy.
      const int* map = stretched ? columns.nearest.data() + (box.left - bounds.left) : nullptr;
      int firstColumn = box.left - left + srcLeft;
      if (stretched && span > 0 && Consecutive(map, span)) {
        firstColumn = map[0];
        map = nullptr;
      }
      const StretchSpans spans(map, map != nullptr ? span : 0);
      for (int y = box.top; y < box.bottom; ++y) {
        const int sy = stretched ? rows.nearest[static_cast<std::size_t>(y - bounds.top)] : y - top + srcTop;
        if (sy < 0) continue;
        const Pixel* sourceRow = srcSurface->Row(sy);
        Pixel* d = target.Row(y) + box.left;
        if (map == nullptr) {
          CopyPixelsUnlessKey(d, sourceRow + firstColumn, span, transparentKey);
        } else if (spans.Worthwhile()) {
          spans.CopyUnlessKey(d, sourceRow, transparentKey);
        } else {
          for (int i = 0; i < span; ++i) {
            if (map[i] < 0) continue;
            const Pixel pixel = sourceRow[map[i]];
            if ((pixel & kWhite) != transparentKey) d[i] = pixel;
          }
        }
      }
      continue;
    }
    for (int y = box.top; y < box.bottom; ++y) {
      Pixel* d = target.Row(y) + box.left;
      if (plainCopy) {
        CopyPixels(d, srcSurface->Row(y - top + srcTop) + (box.left - left + srcLeft), span);
        continue;
      }
      // Gather the source row (and note which pixels have one).
      int from = 0, to = span;
      if (usesSource) {
        if (!stretched) {
          source.Span(box.left - left + srcLeft, y - top + srcTop, span, sRow.data());
        } else {
          const int row = y - bounds.top;
          const int sy = rows.nearest[static_cast<std::size_t>(row)];
          if (sy < 0) continue;
          from = span;
          to = 0;
          const bool gather = !average && !combine && conversion == SourceReader::Conversion::None;
          if (average) filter.Prepare(row);
          const Pixel* sourceRow = srcSurface->Row(sy);
          for (int i = 0; i < span; ++i) {
            const int column = box.left + i - bounds.left;
            const int sx = columns.nearest[static_cast<std::size_t>(column)];
            if (sx < 0) continue;
            from = std::min(from, i);
            to = i + 1;
            // Nearest pixels of plain colour come straight from the source row.
            sRow[static_cast<std::size_t>(i)] = gather    ? sourceRow[sx]
                                                : average ? filter.At(column)
                                                : combine ? CombineTaps(source, columns, rows, column, row, mode == BLACKONWHITE)
                                                          : source.Read(sx, sy);
          }
          if (from >= to) continue;
        }
      }
      if (usesPattern) pattern.Row(box.left, y, span, pRow.data(), nullptr);
      const Pixel* s = usesSource ? sRow.data() + from : nullptr;
      const Pixel* p = usesPattern ? pRow.data() + from : nullptr;
      const int count = to - from;
      if (rq.mask == nullptr && !rq.transparentKey) {
        ApplyRop3Row(rq.foreCode, d + from, s, p, count);
        continue;
      }
      for (int i = 0; i < count; ++i) {
        const int x = box.left + from + i;
        if (rq.transparentKey && (s[i] & kWhite) == *rq.transparentKey) continue;
        const bool fore = MaskBit(rq.mask, rq.maskX + (x - left), rq.maskY + (y - top));
        d[from + i] = ApplyRop3(fore ? rq.foreCode : rq.backCode, p ? p[i] : 0, s ? s[i] : 0, d[from + i]);
      }
    }
  }
  return TRUE;
}

}  // namespace platform
