// Surface DCs for the window manager (see dc_internal.h).
#include "platform/gdi/dc.h"
#include "platform/gdi/dc_internal.h"

namespace platform {

namespace {

DcObject* FindSurfaceDc(HDC handle) {
  DcObject* dc = FindDc(handle);
  return dc != nullptr && dc->kind == DcObject::Kind::Surface ? dc : nullptr;
}

}  // namespace

HDC CreateSurfaceDC(Surface* surface, POINT origin, const Region& visible) {
  auto dc = std::make_unique<DcObject>(DcObject::Kind::Surface);
  dc->surface = surface;
  dc->deviceOrigin = origin;
  dc->visible = visible;
  return InsertDc(std::move(dc));
}

bool SetSurfaceDCOrigin(HDC handle, POINT origin) {
  DcObject* dc = FindSurfaceDc(handle);
  if (dc == nullptr) return false;
  dc->deviceOrigin = origin;
  dc->InvalidateClip();
  return true;
}

bool SetSurfaceDCVisibleRegion(HDC handle, const Region& visible) {
  DcObject* dc = FindSurfaceDc(handle);
  if (dc == nullptr) return false;
  dc->visible = visible;
  dc->InvalidateClip();
  return true;
}

bool SetSurfaceDCSurface(HDC handle, Surface* surface) {
  DcObject* dc = FindSurfaceDc(handle);
  if (dc == nullptr) return false;
  dc->surface = surface;
  dc->InvalidateClip();
  return true;
}

bool ResetSurfaceDC(HDC handle) {
  DcObject* dc = FindSurfaceDc(handle);
  if (dc == nullptr) return false;
  while (!dc->saved.empty()) RestoreDC(handle, 1);
  // Put the default objects back through SelectObject so selections are counted.
  SelectObject(handle, GetStockObject(BLACK_PEN));
  SelectObject(handle, GetStockObject(WHITE_BRUSH));
  SelectObject(handle, GetStockObject(SYSTEM_FONT));
  SelectPalette(handle, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
  DcState fresh;
  fresh.pen = dc->state.pen;
  fresh.brush = dc->state.brush;
  fresh.font = dc->state.font;
  fresh.palette = dc->state.palette;
  dc->state = std::move(fresh);
  dc->InvalidateClip();
  return true;
}

bool GetSurfaceDCOrigin(HDC handle, POINT* origin) {
  DcObject* dc = FindSurfaceDc(handle);
  if (dc == nullptr || origin == nullptr) return false;
  *origin = dc->deviceOrigin;
  return true;
}

}  // namespace platform
