// Device-context objects, SelectObject, SaveDC/RestoreDC and the DC's state.
#include "platform/gdi/dc.h"

#include "platform/gdi/font.h"
#include "platform/gdi/objects.h"

namespace platform {

namespace {

void RetainState(const DcState& state) {
  for (HGDIOBJ h : {static_cast<HGDIOBJ>(state.pen), static_cast<HGDIOBJ>(state.brush),
                    static_cast<HGDIOBJ>(state.font), static_cast<HGDIOBJ>(state.bitmap),
                    static_cast<HGDIOBJ>(state.palette)}) {
    if (h != nullptr) RetainSelection(h);
  }
}

void ReleaseBitmap(HBITMAP handle) {
  if (handle == nullptr) return;
  if (auto* bitmap = HandleTable::Instance().FindAs<BitmapObject>(handle, HandleKind::Bitmap)) {
    if (bitmap->selections <= 1) bitmap->selectedInto = nullptr;
  }
  ReleaseSelection(handle);
}

void ReleaseState(const DcState& state) {
  for (HGDIOBJ h : {static_cast<HGDIOBJ>(state.pen), static_cast<HGDIOBJ>(state.brush),
                    static_cast<HGDIOBJ>(state.font), static_cast<HGDIOBJ>(state.palette)}) {
    if (h != nullptr) ReleaseSelection(h);
  }
  ReleaseBitmap(state.bitmap);
}

}  // namespace

BitmapObject* DcObject::Bitmap() const {
  return HandleTable::Instance().FindAs<BitmapObject>(state.bitmap, HandleKind::Bitmap);
}

Surface* DcObject::Target() {
  if (kind == Kind::Surface) return surface;
  BitmapObject* bitmap = Bitmap();
  return bitmap ? &bitmap->DrawSurface() : nullptr;
}

bool DcObject::IsMonochrome() const {
  const BitmapObject* bitmap = kind == Kind::Memory ? Bitmap() : nullptr;
  return bitmap != nullptr && bitmap->IsMonochrome();
}

int DcObject::BitsPerPixel() const { return IsMonochrome() ? 1 : 32; }

const Region& DcObject::EffectiveClip() {
  Surface* target = Target();
  // A backing store may have been resized in place since the clip was made.
  const RECT bounds = target ? target->Bounds() : RECT{};
  if (!(bounds == clipBounds_)) clipValid_ = false;
  if (!clipValid_) {
    clipBounds_ = bounds;
    effectiveClip_ = target ? Region(target->Bounds()) : Region();
    if (visible) effectiveClip_.Intersect(*visible);
    if (state.clip) {
      Region clip = *state.clip;
      clip.Offset(deviceOrigin.x, deviceOrigin.y);
      effectiveClip_.Intersect(clip);
    }
    clipValid_ = true;
  }
  return effectiveClip_;
}

DcObject* FindDc(HDC handle) { return FindGdi<DcObject>(handle, HandleKind::DeviceContext); }

HDC InsertDc(std::unique_ptr<DcObject> dc) {
  DcState& s = dc->state;
  s.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  s.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  s.palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
  if (dc->kind == DcObject::Kind::Memory) s.bitmap = StockBitmap();
  RetainState(s);
  return InsertGdi<HDC>(std::move(dc));
}

HGDIOBJ SelectIntoState(DcObject& dc, HGDIOBJ handle) {
  HandleObject* object = HandleTable::Instance().Find(handle);
  if (object == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  DcState& s = dc.state;
  HGDIOBJ previous = nullptr;
  switch (object->Kind()) {
    case HandleKind::Pen:
      previous = s.pen;
      s.pen = static_cast<HPEN>(handle);
      break;
    case HandleKind::Brush:
      previous = s.brush;
      s.brush = static_cast<HBRUSH>(handle);
      break;
    case HandleKind::Font:
      previous = s.font;
      s.font = static_cast<HFONT>(handle);
      break;
    case HandleKind::Bitmap: {
      auto* bitmap = static_cast<BitmapObject*>(object);
      if (dc.kind != DcObject::Kind::Memory) return nullptr;
      if (bitmap->selectedInto != nullptr && FindDc(bitmap->selectedInto) != &dc &&
          !HandleTable::Instance().IsPermanent(handle)) {
        return nullptr;  // a bitmap lives in one DC at a time
      }
      previous = s.bitmap;
      if (previous == handle) return previous;
      RetainSelection(handle);
      ReleaseBitmap(static_cast<HBITMAP>(previous));
      s.bitmap = static_cast<HBITMAP>(handle);
      dc.InvalidateClip();
      return previous;
    }
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return nullptr;
  }
  if (previous == handle) return previous;
  RetainSelection(handle);
  ReleaseSelection(previous);
  return previous;
}

}  // namespace platform

using namespace platform;

HDC CreateCompatibleDC(HDC dc) {
  if (dc != nullptr && FindDc(dc) == nullptr) return nullptr;
  return InsertDc(std::make_unique<DcObject>(DcObject::Kind::Memory));
}

BOOL DeleteDC(HDC handle) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return FALSE;
  std::unique_ptr<HandleObject> owned = HandleTable::Instance().Remove(handle);
  ReleaseState(dc->state);
  for (const DcState& saved : dc->saved) ReleaseState(saved);
  return TRUE;
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return nullptr;
  if (HandleTable::Instance().FindAs<RegionObject>(object, HandleKind::Region) != nullptr) {
    return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(SelectClipRgn(handle, static_cast<HRGN>(object))));
  }
  HGDIOBJ previous = SelectIntoState(*dc, object);
  // A bitmap selected into a DC that holds it elsewhere is refused without a
  // handle error; everything else has set its error already.
  if (previous != nullptr && HandleTable::Instance().Find(object)->Kind() == HandleKind::Bitmap) {
    FindBitmap(static_cast<HBITMAP>(object))->selectedInto = handle;
  }
  return previous;
}

HGDIOBJ GetCurrentObject(HDC handle, UINT type) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return nullptr;
  switch (type) {
    case OBJ_PEN:
      return dc->state.pen;
    case OBJ_BRUSH:
      return dc->state.brush;
    case OBJ_FONT:
      return dc->state.font;
    case OBJ_BITMAP:
      return dc->state.bitmap;
    case OBJ_PAL:
      return dc->state.palette;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HPALETTE SelectPalette(HDC handle, HPALETTE palette, BOOL) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || FindGdi<PaletteObject>(palette, HandleKind::Palette) == nullptr) return nullptr;
  HPALETTE previous = dc->state.palette;
  if (previous == palette) return previous;
  RetainSelection(palette);
  ReleaseSelection(previous);
  dc->state.palette = palette;
  return previous;
}

// Every surface is true colour: realising a palette maps nothing.
UINT RealizePalette(HDC handle) { return FindDc(handle) == nullptr ? GDI_ERROR : 0; }

int SaveDC(HDC handle) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return 0;
  dc->saved.push_back(dc->state);
  RetainState(dc->state);
  return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC handle, int savedDC) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return FALSE;
  const int depth = static_cast<int>(dc->saved.size());
  const int level = savedDC < 0 ? depth + 1 + savedDC : savedDC;
  if (level < 1 || level > depth) return FALSE;
  while (static_cast<int>(dc->saved.size()) > level) {
    ReleaseState(dc->saved.back());
    dc->saved.pop_back();
  }
  ReleaseState(dc->state);
  dc->state = std::move(dc->saved.back());
  dc->saved.pop_back();
  if (auto* bitmap = dc->Bitmap()) bitmap->selectedInto = handle;
  dc->InvalidateClip();
  return TRUE;
}

int GetDeviceCaps(HDC handle, int index) {
  if (FindDc(handle) == nullptr) return 0;
  switch (index) {
    case TECHNOLOGY:
      return DT_RASDISPLAY;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    case SIZEPALETTE:
      return 0;
    default:
      // Sizes of the physical device are the window manager's to answer.
      return 0;
  }
}

namespace {

template <class Setter>
BOOL SetPoint(HDC handle, LPPOINT previous, Setter setter) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return FALSE;
  setter(*dc, previous);
  return TRUE;
}

void Store(LPPOINT target, POINT value) {
  if (target != nullptr) *target = value;
}

}  // namespace

BOOL SetViewportOrgEx(HDC handle, int x, int y, LPPOINT previous) {
  return SetPoint(handle, previous, [&](DcObject& dc, LPPOINT prev) {
    Store(prev, dc.state.viewportOrg);
    dc.state.viewportOrg = POINT{x, y};
  });
}

BOOL GetViewportOrgEx(HDC handle, LPPOINT origin) {
  return SetPoint(handle, origin, [](DcObject& dc, LPPOINT out) { Store(out, dc.state.viewportOrg); });
}

BOOL OffsetViewportOrgEx(HDC handle, int dx, int dy, LPPOINT previous) {
  return SetPoint(handle, previous, [&](DcObject& dc, LPPOINT prev) {
    Store(prev, dc.state.viewportOrg);
    dc.state.viewportOrg.x += dx;
    dc.state.viewportOrg.y += dy;
  });
}

BOOL SetWindowOrgEx(HDC handle, int x, int y, LPPOINT previous) {
  return SetPoint(handle, previous, [&](DcObject& dc, LPPOINT prev) {
    Store(prev, dc.state.windowOrg);
    dc.state.windowOrg = POINT{x, y};
  });
}

BOOL GetWindowOrgEx(HDC handle, LPPOINT origin) {
  return SetPoint(handle, origin, [](DcObject& dc, LPPOINT out) { Store(out, dc.state.windowOrg); });
}

BOOL SetBrushOrgEx(HDC handle, int x, int y, LPPOINT previous) {
  return SetPoint(handle, previous, [&](DcObject& dc, LPPOINT prev) {
    Store(prev, dc.state.brushOrg);
    dc.state.brushOrg = POINT{x, y};
  });
}

BOOL GetBrushOrgEx(HDC handle, LPPOINT origin) {
  return SetPoint(handle, origin, [](DcObject& dc, LPPOINT out) { Store(out, dc.state.brushOrg); });
}

BOOL GetCurrentPositionEx(HDC handle, LPPOINT position) {
  return SetPoint(handle, position, [](DcObject& dc, LPPOINT out) { Store(out, dc.state.currentPos); });
}

BOOL LPtoDP(HDC handle, LPPOINT points, int count) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || (points == nullptr && count > 0)) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = dc->LogicalToDevice(points[i]);
  return TRUE;
}

BOOL DPtoLP(HDC handle, LPPOINT points, int count) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || (points == nullptr && count > 0)) return FALSE;
  const DcState& s = dc->state;
  for (int i = 0; i < count; ++i) {
    points[i] = POINT{points[i].x - s.viewportOrg.x + s.windowOrg.x, points[i].y - s.viewportOrg.y + s.windowOrg.y};
  }
  return TRUE;
}

namespace {

// Swaps one integer field of the state; 0 for a bad handle, as Win32.
template <class T>
T Exchange(HDC handle, T DcState::*field, T value, T failure) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return failure;
  const T previous = dc->state.*field;
  dc->state.*field = value;
  return previous;
}

template <class T>
T Read(HDC handle, T DcState::*field, T failure) {
  DcObject* dc = FindDc(handle);
  return dc == nullptr ? failure : dc->state.*field;
}

}  // namespace

int SetBkMode(HDC dc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(dc, &DcState::bkMode, mode, 0);
}
int GetBkMode(HDC dc) { return Read(dc, &DcState::bkMode, 0); }
COLORREF SetBkColor(HDC dc, COLORREF colour) { return Exchange(dc, &DcState::bkColour, colour & 0xFFFFFF, CLR_INVALID); }
COLORREF GetBkColor(HDC dc) { return Read(dc, &DcState::bkColour, CLR_INVALID); }
COLORREF SetTextColor(HDC dc, COLORREF colour) { return Exchange(dc, &DcState::textColour, colour & 0xFFFFFF, CLR_INVALID); }
COLORREF GetTextColor(HDC dc) { return Read(dc, &DcState::textColour, CLR_INVALID); }
int SetStretchBltMode(HDC dc, int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(dc, &DcState::stretchMode, mode, 0);
}
int GetStretchBltMode(HDC dc) { return Read(dc, &DcState::stretchMode, 0); }
int SetROP2(HDC dc, int mode) {
  if (mode < R2_BLACK || mode > R2_WHITE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(dc, &DcState::rop2, mode, 0);
}
int GetROP2(HDC dc) { return Read(dc, &DcState::rop2, 0); }
int SetPolyFillMode(HDC dc, int mode) {
  if (mode != ALTERNATE && mode != WINDING) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(dc, &DcState::polyFillMode, mode, 0);
}
int GetPolyFillMode(HDC dc) { return Read(dc, &DcState::polyFillMode, 0); }
UINT SetTextAlign(HDC dc, UINT align) { return Exchange(dc, &DcState::textAlign, align, GDI_ERROR); }
UINT GetTextAlign(HDC dc) { return Read(dc, &DcState::textAlign, GDI_ERROR); }
COLORREF SetDCBrushColor(HDC dc, COLORREF colour) {
  return Exchange(dc, &DcState::dcBrushColour, colour & 0xFFFFFF, CLR_INVALID);
}
COLORREF SetDCPenColor(HDC dc, COLORREF colour) {
  return Exchange(dc, &DcState::dcPenColour, colour & 0xFFFFFF, CLR_INVALID);
}
