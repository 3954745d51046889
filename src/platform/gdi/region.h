// Regions: y-x banded lists of rectangles, the same decomposition Win32
// answers from GetRegionData. The set algebra is pixman's.
#pragma once

#include <pixman.h>

#include <limits>
#include <vector>

#include "platform/base/handles.h"
#include "platform/gdi/gdi_object.h"

namespace platform {

class Region {
 public:
  Region();
  explicit Region(const RECT& rect);
  Region(const Region& other);
  Region(Region&& other) noexcept;
  Region& operator=(const Region& other);
  Region& operator=(Region&& other) noexcept;
  ~Region();

  // Builds a region from any list of rectangles (they may overlap).
  static Region FromRects(const std::vector<RECT>& rects);

  bool IsEmpty() const;
  RECT Bounds() const;  // all zero when empty
  std::vector<RECT> Rects() const;
  int Complexity() const;  // NULLREGION, SIMPLEREGION or COMPLEXREGION
  bool Contains(int x, int y) const;
  bool Intersects(const RECT& rect) const;
  bool Equals(const Region& other) const;

  void SetRect(const RECT& rect);
  void Clear();
  void Offset(int dx, int dy);
  void Intersect(const Region& other);
  void Intersect(const RECT& rect);
  void Union(const Region& other);
  void Union(const RECT& rect);
  void Subtract(const Region& other);
  void Subtract(const RECT& rect);
  void Xor(const Region& other);

  const pixman_region32_t* Raw() const { return &region_; }

 private:
  pixman_region32_t region_;
};

class RegionObject : public GdiObject {
 public:
  RegionObject() : GdiObject(HandleKind::Region) {}
  explicit RegionObject(Region region) : GdiObject(HandleKind::Region), region(std::move(region)) {}
  Region region;
};

RegionObject* FindRegion(HRGN handle);
HRGN InsertRegion(Region region);

// The region of a rounded rectangle, shared by CreateRoundRectRgn and the
// rounded shapes (their interiors are the same pixels). Drawing asks only for
// the rows it can show, [firstRow, lastRow), so huge shapes cost nothing.
Region RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight,
                       int firstRow = std::numeric_limits<int>::min(), int lastRow = std::numeric_limits<int>::max());

}  // namespace platform
