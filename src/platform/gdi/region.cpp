#include "platform/gdi/region.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace platform {

namespace {

pixman_box32_t Box(const RECT& r) { return pixman_box32_t{r.left, r.top, r.right, r.bottom}; }

bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

Region::Region() { pixman_region32_init(&region_); }

Region::Region(const RECT& rect) {
  if (IsEmptyRect(rect)) {
    pixman_region32_init(&region_);
  } else {
    pixman_region32_init_rect(&region_, rect.left, rect.top, static_cast<unsigned>(rect.right - rect.left),
                              static_cast<unsigned>(rect.bottom - rect.top));
  }
}

Region::Region(const Region& other) {
  pixman_region32_init(&region_);
  pixman_region32_copy(&region_, &other.region_);
}

Region::Region(Region&& other) noexcept {
  pixman_region32_init(&region_);
  std::swap(region_, other.region_);
}

Region& Region::operator=(const Region& other) {
  if (this != &other) pixman_region32_copy(&region_, &other.region_);
  return *this;
}

Region& Region::operator=(Region&& other) noexcept {
  std::swap(region_, other.region_);
  return *this;
}

Region::~Region() { pixman_region32_fini(&region_); }

Region Region::FromRects(const std::vector<RECT>& rects) {
  std::vector<pixman_box32_t> boxes;
  boxes.reserve(rects.size());
  for (const RECT& r : rects) {
    if (!IsEmptyRect(r)) boxes.push_back(Box(r));
  }
  Region result;
  if (boxes.empty()) return result;
  pixman_region32_fini(&result.region_);
  // Overlapping rectangles are merged into the banded form.
  pixman_region32_init_rects(&result.region_, boxes.data(), static_cast<int>(boxes.size()));
  return result;
}

bool Region::IsEmpty() const { return !pixman_region32_not_empty(&region_); }

RECT Region::Bounds() const {
  if (IsEmpty()) return RECT{};
  const pixman_box32_t* b = pixman_region32_extents(&region_);
  return RECT{b->x1, b->y1, b->x2, b->y2};
}

std::vector<RECT> Region::Rects() const {
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&region_, &count);
  std::vector<RECT> rects;
  rects.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) rects.push_back(RECT{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
  return rects;
}

int Region::Complexity() const {
  const int count = pixman_region32_n_rects(&region_);
  return count == 0 ? NULLREGION : count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::Contains(int x, int y) const { return pixman_region32_contains_point(&region_, x, y, nullptr); }

bool Region::Intersects(const RECT& rect) const {
  if (IsEmptyRect(rect)) return false;
  pixman_box32_t box = Box(rect);
  return pixman_region32_contains_rectangle(&region_, &box) != PIXMAN_REGION_OUT;
}

bool Region::Equals(const Region& other) const { return pixman_region32_equal(&region_, &other.region_); }

void Region::SetRect(const RECT& rect) { *this = Region(rect); }

void Region::Clear() { pixman_region32_clear(&region_); }

void Region::Offset(int dx, int dy) { pixman_region32_translate(&region_, dx, dy); }

void Region::Intersect(const Region& other) { pixman_region32_intersect(&region_, &region_, &other.region_); }

void Region::Intersect(const RECT& rect) {
  if (IsEmptyRect(rect)) {
    Clear();
    return;
  }
  pixman_region32_intersect_rect(&region_, &region_, rect.left, rect.top, static_cast<unsigned>(rect.right - rect.left),
                                 static_cast<unsigned>(rect.bottom - rect.top));
}

void Region::Union(const Region& other) { pixman_region32_union(&region_, &region_, &other.region_); }

void Region::Union(const RECT& rect) {
  if (IsEmptyRect(rect)) return;
  pixman_region32_union_rect(&region_, &region_, rect.left, rect.top, static_cast<unsigned>(rect.right - rect.left),
                             static_cast<unsigned>(rect.bottom - rect.top));
}

void Region::Subtract(const Region& other) { pixman_region32_subtract(&region_, &region_, &other.region_); }

void Region::Subtract(const RECT& rect) { Subtract(Region(rect)); }

void Region::Xor(const Region& other) {
  Region onlyOther(other);
  onlyOther.Subtract(*this);
  Subtract(other);
  Union(onlyOther);
}

RegionObject* FindRegion(HRGN handle) { return FindGdi<RegionObject>(handle, HandleKind::Region); }

HRGN InsertRegion(Region region) { return InsertGdi<HRGN>(std::make_unique<RegionObject>(std::move(region))); }

Region RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight, int firstRow,
                       int lastRow) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  const long long width = static_cast<long long>(right) - left, height = static_cast<long long>(bottom) - top;
  ellipseWidth = static_cast<int>(std::min<long long>(std::abs(static_cast<long long>(ellipseWidth)), width));
  ellipseHeight = static_cast<int>(std::min<long long>(std::abs(static_cast<long long>(ellipseHeight)), height));
  if (ellipseWidth < 2 || ellipseHeight < 2) return Region(RECT{left, top, right, bottom});
  // Each row of a corner spans the ellipse's width at the row's centre line.
  const double a = ellipseWidth / 2.0, b = ellipseHeight / 2.0;
  const int cornerRows = ellipseHeight / 2;
  auto insetOf = [&](int i) {
    const double dy = b - (i + 0.5);
    const double half = a * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / (b * b)));
    return static_cast<int>(std::lround(a - half));
  };
  // Only rows in [firstRow, lastRow) are made: the top corners' rows i sit at
  // top + i, the bottom corners' at bottom - 1 - i.
  std::vector<RECT> rows;
  const long long topFrom = std::max<long long>(0, static_cast<long long>(firstRow) - top);
  const long long topTo = std::min<long long>(cornerRows, static_cast<long long>(lastRow) - top);
  for (long long i = topFrom; i < topTo; ++i) {
    const int inset = insetOf(static_cast<int>(i));
    rows.push_back(RECT{left + inset, static_cast<LONG>(top + i), right - inset, static_cast<LONG>(top + i + 1)});
  }
  const long long bottomFrom = std::max<long long>(0, static_cast<long long>(bottom) - lastRow);
  const long long bottomTo = std::min<long long>(cornerRows, static_cast<long long>(bottom) - firstRow);
  for (long long i = bottomFrom; i < bottomTo; ++i) {
    const int inset = insetOf(static_cast<int>(i));
    rows.push_back(RECT{left + inset, static_cast<LONG>(bottom - i - 1), right - inset, static_cast<LONG>(bottom - i)});
  }
  RECT middle{left, top + cornerRows, right, bottom - cornerRows};
  middle.top = std::max<LONG>(middle.top, firstRow);
  middle.bottom = std::min<LONG>(middle.bottom, lastRow);
  rows.push_back(middle);
  return Region::FromRects(rows);
}

}  // namespace platform
