// The application clip region of a DC. It is kept in device coordinates (the
// viewport origin does not move it); the rectangle calls take logical ones.
#include "platform/gdi/dc.h"

using namespace platform;

namespace {

// Stands for "no clip region": everything the device could show.
constexpr RECT kWholeDevice{-0x4000000, -0x4000000, 0x4000000, 0x4000000};

int Complexity(DcObject& dc) { return dc.EffectiveClip().Complexity(); }

Region CurrentClipOrWhole(const DcObject& dc) { return dc.state.clip ? *dc.state.clip : Region(kWholeDevice); }

RECT LogicalRectToDevice(const DcObject& dc, int left, int top, int right, int bottom) {
  const POINT a = dc.LogicalToDevice(POINT{left, top});
  const POINT b = dc.LogicalToDevice(POINT{right, bottom});
  return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void SetClip(DcObject& dc, std::optional<Region> clip) {
  dc.state.clip = std::move(clip);
  dc.InvalidateClip();
}

}  // namespace

int SelectClipRgn(HDC handle, HRGN region) { return ExtSelectClipRgn(handle, region, RGN_COPY); }

int ExtSelectClipRgn(HDC handle, HRGN region, int mode) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return ERROR;
  if (region == nullptr) {
    if (mode != RGN_COPY) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return ERROR;
    }
    SetClip(*dc, std::nullopt);
    return Complexity(*dc);
  }
  RegionObject* object = FindRegion(region);
  if (object == nullptr) return ERROR;
  Region clip = CurrentClipOrWhole(*dc);
  switch (mode) {
    case RGN_COPY:
      clip = object->region;
      break;
    case RGN_AND:
      clip.Intersect(object->region);
      break;
    case RGN_OR:
      clip.Union(object->region);
      break;
    case RGN_XOR:
      clip.Xor(object->region);
      break;
    case RGN_DIFF:
      clip.Subtract(object->region);
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return ERROR;
  }
  SetClip(*dc, std::move(clip));
  return Complexity(*dc);
}

int GetClipRgn(HDC handle, HRGN region) {
  DcObject* dc = FindDc(handle);
  RegionObject* object = FindRegion(region);
  if (dc == nullptr || object == nullptr) return -1;
  if (!dc->state.clip) return 0;
  object->region = *dc->state.clip;
  return 1;
}

int ExcludeClipRect(HDC handle, int left, int top, int right, int bottom) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return ERROR;
  Region clip = CurrentClipOrWhole(*dc);
  clip.Subtract(LogicalRectToDevice(*dc, left, top, right, bottom));
  SetClip(*dc, std::move(clip));
  return Complexity(*dc);
}

int IntersectClipRect(HDC handle, int left, int top, int right, int bottom) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return ERROR;
  Region clip = CurrentClipOrWhole(*dc);
  clip.Intersect(LogicalRectToDevice(*dc, left, top, right, bottom));
  SetClip(*dc, std::move(clip));
  return Complexity(*dc);
}

int OffsetClipRgn(HDC handle, int dx, int dy) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return ERROR;
  if (dc->state.clip) {
    dc->state.clip->Offset(dx, dy);
    dc->InvalidateClip();
  }
  return Complexity(*dc);
}

int GetClipBox(HDC handle, LPRECT rect) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || rect == nullptr) return ERROR;
  const Region& clip = dc->EffectiveClip();
  if (clip.IsEmpty()) {
    *rect = RECT{};
    return NULLREGION;
  }
  RECT box = clip.Bounds();
  // Surface → logical.
  const int dx = dc->deviceOrigin.x + dc->state.viewportOrg.x - dc->state.windowOrg.x;
  const int dy = dc->deviceOrigin.y + dc->state.viewportOrg.y - dc->state.windowOrg.y;
  *rect = RECT{box.left - dx, box.top - dy, box.right - dx, box.bottom - dy};
  return clip.Complexity();
}

BOOL RectVisible(HDC handle, const RECT* rect) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || rect == nullptr) return FALSE;
  RECT r = dc->ToSurface(*rect);
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return dc->EffectiveClip().Intersects(r);
}

BOOL PtVisible(HDC handle, int x, int y) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return FALSE;
  return dc->EffectiveClip().Contains(dc->SurfaceX(x), dc->SurfaceY(y));
}
