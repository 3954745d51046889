// The row loops the blits and fills spend their time in: plain fills, copies
// that skip a key colour, and nearest-pixel stretches run as spans of
// repeated or consecutive source pixels. Compiled for vector code.
#pragma once

#include <cstring>
#include <vector>

#include "platform/gdi/dib_format.h"

namespace platform {

// Copies `count` pixels between rows that do not overlap. The narrow rows of
// frame sides are copied in place, where a library call would cost more
// than the copy.
inline void CopyPixels(Pixel* to, const Pixel* from, int count) {
  if (count <= 8) {
    for (int i = 0; i < count; ++i) to[i] = from[i];
    return;
  }
  std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(Pixel));
}

// `count` pixels of `colour`.
void FillPixels(Pixel* row, int count, Pixel colour);

// Copies the pixels whose colour (the low 24 bits) is not `key`.
void CopyPixelsUnlessKey(Pixel* to, const Pixel* from, int count, Pixel key);

// How a row of destination pixels takes its nearest source pixels: spans
// that repeat one source pixel or copy consecutive ones. Built once per blit
// from the source column of each destination column, used on every row.
class StretchSpans {
 public:
  // `map[i]` is the source column of destination column i, or -1 when it has
  // none (that pixel is left alone).
  StretchSpans(const int* map, int count);

  // Whether the spans are long enough on average to beat a pixel-by-pixel
  // gather (a shrink makes one span per pixel).
  bool Worthwhile() const { return worthwhile_; }

  // Destination pixels 0 .. count-1 of `to` from `sourceRow`.
  void Copy(Pixel* to, const Pixel* sourceRow) const;
  // The same, leaving the destination where the source pixel is `key`.
  void CopyUnlessKey(Pixel* to, const Pixel* sourceRow, Pixel key) const;

 private:
  struct Span {
    int to;      // first destination column
    int length;  // destination pixels
    int from;    // first source column
    bool repeat;  // one source pixel repeated, else `length` consecutive ones
  };
  std::vector<Span> spans_;
  bool worthwhile_ = false;
};

}  // namespace platform
