// Device contexts. A DC draws into a 32-bit surface: the bitmap selected into
// a memory DC, or a surface given by the window manager (a window's backing
// store, see dc_internal.h). Coordinates go logical → device by the window and
// viewport origins, then device → surface by the DC origin. What a drawing
// call may touch is the surface, cut to the DC's visible region (set by the
// window manager) and to the application's clip region.
#pragma once

#include <optional>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace platform {

// Everything SaveDC keeps and RestoreDC brings back.
struct DcState {
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  HBITMAP bitmap = nullptr;
  HPALETTE palette = nullptr;
  COLORREF textColour = RGB(0, 0, 0);
  COLORREF bkColour = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  int stretchMode = BLACKONWHITE;
  int rop2 = R2_COPYPEN;
  int polyFillMode = ALTERNATE;
  UINT textAlign = TA_LEFT | TA_TOP;
  POINT viewportOrg{};
  POINT windowOrg{};
  POINT brushOrg{};
  POINT currentPos{};
  COLORREF dcBrushColour = RGB(255, 255, 255);
  COLORREF dcPenColour = RGB(0, 0, 0);
  // The application's clip region in device coordinates; none = no clipping.
  std::optional<Region> clip;
};

class DcObject : public GdiObject {
 public:
  enum class Kind { Memory, Surface };

  explicit DcObject(Kind kind) : GdiObject(HandleKind::DeviceContext), kind(kind) {}

  Kind kind;
  DcState state;
  std::vector<DcState> saved;

  // Surface DCs: the surface, the DC origin on it and the visible region in
  // surface coordinates (none = the whole surface).
  Surface* surface = nullptr;
  POINT deviceOrigin{};
  std::optional<Region> visible;

  // The bitmap of a memory DC.
  BitmapObject* Bitmap() const;
  // The surface drawing goes to; null when there is none.
  Surface* Target();
  bool IsMonochrome() const;
  int BitsPerPixel() const;

  // Logical → surface coordinates.
  int SurfaceX(int x) const { return x - state.windowOrg.x + state.viewportOrg.x + deviceOrigin.x; }
  int SurfaceY(int y) const { return y - state.windowOrg.y + state.viewportOrg.y + deviceOrigin.y; }
  POINT ToSurface(POINT p) const { return POINT{SurfaceX(p.x), SurfaceY(p.y)}; }
  RECT ToSurface(const RECT& r) const { return RECT{SurfaceX(r.left), SurfaceY(r.top), SurfaceX(r.right), SurfaceY(r.bottom)}; }
  // Logical → device (the coordinates of clip regions).
  POINT LogicalToDevice(POINT p) const {
    return POINT{p.x - state.windowOrg.x + state.viewportOrg.x, p.y - state.windowOrg.y + state.viewportOrg.y};
  }

  // Surface ∩ visible region ∩ clip region, in surface coordinates.
  const Region& EffectiveClip();
  void InvalidateClip() { clipValid_ = false; }

 private:
  Region effectiveClip_;
  RECT clipBounds_{};
  bool clipValid_ = false;
};

DcObject* FindDc(HDC handle);

// Makes a DC of either kind with the default objects selected.
HDC InsertDc(std::unique_ptr<DcObject> dc);

// Swaps the object of `handle`'s kind into the DC's state; answers the
// previous handle (null on failure).
HGDIOBJ SelectIntoState(DcObject& dc, HGDIOBJ handle);

}  // namespace platform
