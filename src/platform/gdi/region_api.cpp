// The region calls of the Win32 surface.
#include <cstring>

#include "platform/gdi/region.h"

using platform::FindRegion;
using platform::InsertRegion;
using platform::Region;

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  return InsertRegion(Region(RECT{left, top, right, bottom}));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  return InsertRegion(platform::RoundRectRegion(left, top, right, bottom, ellipseWidth, ellipseHeight));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return InsertRegion(platform::RoundRectRegion(left, top, right, bottom, right - left, bottom - top));
}

HRGN ExtCreateRegion(const void* transform, DWORD count, const RGNDATA* data) {
  // Transformed regions are not supported: nothing in the program asks for one.
  if (transform != nullptr || data == nullptr || count < sizeof(RGNDATAHEADER) ||
      data->rdh.dwSize != sizeof(RGNDATAHEADER) || data->rdh.iType != RDH_RECTANGLES ||
      data->rdh.nCount > (count - sizeof(RGNDATAHEADER)) / sizeof(RECT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<RECT> rects(data->rdh.nCount);
  if (!rects.empty()) std::memcpy(rects.data(), data->Buffer, rects.size() * sizeof(RECT));
  // Rectangles with left > right or top > bottom are ignored, as are empty ones.
  return InsertRegion(Region::FromRects(rects));
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
  auto* region = FindRegion(handle);
  if (region == nullptr) return FALSE;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  region->region.SetRect(RECT{left, top, right, bottom});
  return TRUE;
}

int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
  auto* target = FindRegion(dest);
  auto* a = FindRegion(source1);
  if (target == nullptr || a == nullptr) return ERROR;
  if (mode == RGN_COPY) {
    target->region = a->region;
    return target->region.Complexity();
  }
  auto* b = FindRegion(source2);
  if (b == nullptr) return ERROR;
  Region result = a->region;
  switch (mode) {
    case RGN_AND:
      result.Intersect(b->region);
      break;
    case RGN_OR:
      result.Union(b->region);
      break;
    case RGN_XOR:
      result.Xor(b->region);
      break;
    case RGN_DIFF:
      result.Subtract(b->region);
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return ERROR;
  }
  target->region = std::move(result);
  return target->region.Complexity();
}

DWORD GetRegionData(HRGN handle, DWORD count, RGNDATA* data) {
  auto* region = FindRegion(handle);
  if (region == nullptr) return 0;
  const std::vector<RECT> rects = region->region.Rects();
  const DWORD needed = static_cast<DWORD>(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  if (data == nullptr) return needed;
  if (count < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = region->region.Bounds();
  if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
  return count;
}

int OffsetRgn(HRGN handle, int dx, int dy) {
  auto* region = FindRegion(handle);
  if (region == nullptr) return ERROR;
  region->region.Offset(dx, dy);
  return region->region.Complexity();
}

BOOL PtInRegion(HRGN handle, int x, int y) {
  auto* region = FindRegion(handle);
  return region != nullptr && region->region.Contains(x, y);
}

BOOL RectInRegion(HRGN handle, const RECT* rect) {
  auto* region = FindRegion(handle);
  if (region == nullptr || rect == nullptr) return FALSE;
  RECT r = *rect;
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return region->region.Intersects(r);
}

int GetRgnBox(HRGN handle, LPRECT rect) {
  auto* region = FindRegion(handle);
  if (region == nullptr || rect == nullptr) return ERROR;
  *rect = region->region.Bounds();
  return region->region.Complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
  auto* first = FindRegion(a);
  auto* second = FindRegion(b);
  if (first == nullptr || second == nullptr) return ERROR;
  return first->region.Equals(second->region);
}
