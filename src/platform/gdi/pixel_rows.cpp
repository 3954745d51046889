#include "platform/gdi/pixel_rows.h"

namespace platform {

namespace {

constexpr Pixel kColourBits = 0xFFFFFF;

}  // namespace

void FillPixels(Pixel* row, int count, Pixel colour) {
  for (int i = 0; i < count; ++i) row[i] = colour;
}

void CopyPixelsUnlessKey(Pixel* to, const Pixel* from, int count, Pixel key) {
  // Every destination pixel is written (with itself where the key is), so the
  // loop has no branch and runs several pixels per step.
  for (int i = 0; i < count; ++i) {
    const Pixel source = from[i];
    to[i] = (source & kColourBits) != key ? source : to[i];
  }
}

StretchSpans::StretchSpans(const int* map, int count) {
  int i = 0;
  while (i < count) {
    if (map[i] < 0) {
      ++i;
      continue;
    }
    Span span{i, 1, map[i], false};
    int j = i + 1;
    if (j < count && map[j] == map[i]) {
      span.repeat = true;
      while (j < count && map[j] == map[i]) ++j;
    } else {
      while (j < count && map[j] >= 0 && map[j] == map[j - 1] + 1) ++j;
    }
    span.length = j - i;
    spans_.push_back(span);
    i = j;
  }
  worthwhile_ = !spans_.empty() && spans_.size() * 4 <= static_cast<std::size_t>(count);
}

void StretchSpans::Copy(Pixel* to, const Pixel* sourceRow) const {
  for (const Span& span : spans_) {
    if (span.repeat) {
      FillPixels(to + span.to, span.length, sourceRow[span.from]);
    } else {
      CopyPixels(to + span.to, sourceRow + span.from, span.length);
    }
  }
}

void StretchSpans::CopyUnlessKey(Pixel* to, const Pixel* sourceRow, Pixel key) const {
  for (const Span& span : spans_) {
    if (!span.repeat) {
      CopyPixelsUnlessKey(to + span.to, sourceRow + span.from, span.length, key);
    } else if ((sourceRow[span.from] & kColourBits) != key) {
      FillPixels(to + span.to, span.length, sourceRow[span.from]);
    }
  }
}

}  // namespace platform
