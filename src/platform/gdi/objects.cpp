// Brushes, pens, palettes, stock objects and the calls common to every
// GDI object (DeleteObject, GetObject, GetObjectType).
#include "platform/gdi/objects.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "platform/gdi/region.h"

namespace platform {

namespace {

constexpr int kStockCount = DC_PEN + 1;

HBRUSH MakeSolidBrush(COLORREF colour, bool permanent) {
  auto brush = std::make_unique<BrushObject>();
  brush->logBrush = LOGBRUSH{BS_SOLID, colour & 0xFFFFFF, 0};
  return InsertGdi<HBRUSH>(std::move(brush), permanent);
}

HPEN MakePen(int style, int width, COLORREF colour, bool permanent) {
  auto pen = std::make_unique<PenObject>();
  pen->logPen = LOGPEN{static_cast<UINT>(style), POINT{width, 0}, colour & 0xFFFFFF};
  return InsertGdi<HPEN>(std::move(pen), permanent);
}

HFONT MakeStockFont(const char16_t* face, LONG height, LONG weight, BYTE charset, BYTE pitch) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = charset;
  font.lfPitchAndFamily = pitch;
  std::u16string_view name(face);
  std::copy(name.begin(), name.end(), font.lfFaceName);
  return InsertGdi<HFONT>(std::make_unique<FontObject>(font), true);
}

std::array<HGDIOBJ, kStockCount>& StockTable() {
  static std::array<HGDIOBJ, kStockCount> table = [] {
    std::array<HGDIOBJ, kStockCount> t{};
    t[WHITE_BRUSH] = MakeSolidBrush(RGB(255, 255, 255), true);
    t[LTGRAY_BRUSH] = MakeSolidBrush(RGB(192, 192, 192), true);
    t[GRAY_BRUSH] = MakeSolidBrush(RGB(128, 128, 128), true);
    t[DKGRAY_BRUSH] = MakeSolidBrush(RGB(64, 64, 64), true);
    t[BLACK_BRUSH] = MakeSolidBrush(RGB(0, 0, 0), true);
    auto null = std::make_unique<BrushObject>();
    null->logBrush = LOGBRUSH{BS_NULL, 0, 0};
    t[NULL_BRUSH] = InsertGdi<HBRUSH>(std::move(null), true);
    t[WHITE_PEN] = MakePen(PS_SOLID, 1, RGB(255, 255, 255), true);
    t[BLACK_PEN] = MakePen(PS_SOLID, 1, RGB(0, 0, 0), true);
    t[NULL_PEN] = MakePen(PS_NULL, 1, 0, true);
    // The fonts of a Chinese-language system: the GUI font is the 12-pixel Song face.
    t[OEM_FIXED_FONT] = MakeStockFont(u"Terminal", 12, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN);
    t[ANSI_FIXED_FONT] = MakeStockFont(u"Courier", 13, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN);
    t[ANSI_VAR_FONT] = MakeStockFont(u"MS Sans Serif", 13, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS);
    t[SYSTEM_FONT] = MakeStockFont(u"System", 16, FW_BOLD, GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS);
    t[DEVICE_DEFAULT_FONT] = t[SYSTEM_FONT];
    auto palette = std::make_unique<PaletteObject>();
    for (const RGBQUAD& q : MonochromePalette()) palette->entries.push_back(PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0});
    t[DEFAULT_PALETTE] = InsertGdi<HPALETTE>(std::move(palette), true);
    t[SYSTEM_FIXED_FONT] = MakeStockFont(u"Fixedsys", 16, FW_NORMAL, GB2312_CHARSET, FIXED_PITCH | FF_MODERN);
    t[DEFAULT_GUI_FONT] = MakeStockFont(u"宋体", -12, FW_NORMAL, GB2312_CHARSET, DEFAULT_PITCH);
    auto dcBrush = std::make_unique<BrushObject>();
    dcBrush->logBrush = LOGBRUSH{BS_SOLID, RGB(255, 255, 255), 0};
    dcBrush->isDcBrush = true;
    t[DC_BRUSH] = InsertGdi<HBRUSH>(std::move(dcBrush), true);
    auto dcPen = std::make_unique<PenObject>();
    dcPen->logPen = LOGPEN{PS_SOLID, POINT{1, 0}, RGB(0, 0, 0)};
    dcPen->isDcPen = true;
    t[DC_PEN] = InsertGdi<HPEN>(std::move(dcPen), true);
    return t;
  }();
  return table;
}

void FreeObject(HGDIOBJ handle) { HandleTable::Instance().Remove(handle); }

}  // namespace

BrushObject* FindBrush(HBRUSH handle) { return FindGdi<BrushObject>(handle, HandleKind::Brush); }
PenObject* FindPen(HPEN handle) { return FindGdi<PenObject>(handle, HandleKind::Pen); }
FontObject* FindFont(HFONT handle) { return FindGdi<FontObject>(handle, HandleKind::Font); }

HBITMAP StockBitmap() {
  static HBITMAP bitmap = [] {
    auto object = std::make_unique<BitmapObject>(BitmapObject::Kind::Device, DeviceFormat(1, 1, 1));
    return InsertGdi<HBITMAP>(std::move(object), true);
  }();
  return bitmap;
}

void RetainSelection(HGDIOBJ handle) {
  if (auto* object = dynamic_cast<GdiObject*>(HandleTable::Instance().Find(handle))) ++object->selections;
}

void ReleaseSelection(HGDIOBJ handle) {
  auto* object = dynamic_cast<GdiObject*>(HandleTable::Instance().Find(handle));
  if (object == nullptr) return;
  if (--object->selections <= 0) {
    object->selections = 0;
    if (object->deletePending) FreeObject(handle);
  }
}

}  // namespace platform

using namespace platform;

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= kStockCount || index == 9) return nullptr;
  return StockTable()[static_cast<std::size_t>(index)];
}

BOOL DeleteObject(HGDIOBJ handle) {
  HandleTable& table = HandleTable::Instance();
  auto* object = dynamic_cast<GdiObject*>(table.Find(handle));
  if (object == nullptr || object->Kind() == HandleKind::DeviceContext || object->Kind() == HandleKind::Icon ||
      object->Kind() == HandleKind::ImageList) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // Stock objects survive deletion; Win32 answers success.
  if (table.IsPermanent(handle)) return TRUE;
  if (object->selections > 0) {
    if (object->Kind() == HandleKind::Bitmap) return FALSE;
    object->deletePending = true;
    return TRUE;
  }
  FreeObject(handle);
  return TRUE;
}

DWORD GetObjectType(HGDIOBJ handle) {
  HandleObject* object = HandleTable::Instance().Find(handle);
  if (object == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (object->Kind()) {
    case HandleKind::Pen:
      return OBJ_PEN;
    case HandleKind::Brush:
      return OBJ_BRUSH;
    case HandleKind::Palette:
      return OBJ_PAL;
    case HandleKind::Font:
      return OBJ_FONT;
    case HandleKind::Bitmap:
      return OBJ_BITMAP;
    case HandleKind::Region:
      return OBJ_REGION;
    case HandleKind::DeviceContext:
      return static_cast<DcObject*>(object)->kind == DcObject::Kind::Memory ? OBJ_MEMDC : OBJ_DC;
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
  }
}

namespace {

template <class T>
int CopyOut(const T& value, int size, LPVOID buffer) {
  if (buffer == nullptr) return sizeof(T);
  const int bytes = std::min<int>(size, sizeof(T));
  if (bytes <= 0) return 0;
  std::memcpy(buffer, &value, static_cast<std::size_t>(bytes));
  return bytes;
}

int GetBitmapObject(BitmapObject& bitmap, int size, LPVOID buffer) {
  BITMAP bm{};
  bm.bmType = 0;
  bm.bmWidth = bitmap.Width();
  bm.bmHeight = bitmap.Height();
  bm.bmPlanes = 1;
  bm.bmBitsPixel = static_cast<WORD>(bitmap.BitsPerPixel());
  if (bitmap.kind == BitmapObject::Kind::DibSection) {
    bm.bmWidthBytes = bitmap.format.Stride();
    bm.bmBits = bitmap.Bits();
    if (buffer != nullptr && size >= static_cast<int>(sizeof(DIBSECTION))) {
      DIBSECTION ds{};
      ds.dsBm = bm;
      BITMAPINFO info{};
      FormatToBitmapInfo(bitmap.format, &info, false);
      ds.dsBmih = info.bmiHeader;
      ds.dsBitfields[0] = bitmap.format.redMask;
      ds.dsBitfields[1] = bitmap.format.greenMask;
      ds.dsBitfields[2] = bitmap.format.blueMask;
      std::memcpy(buffer, &ds, sizeof(ds));
      return sizeof(DIBSECTION);
    }
  } else {
    // Device bitmaps report word-aligned rows and no bits pointer.
    bm.bmWidthBytes = ((bitmap.Width() * bitmap.BitsPerPixel() + 15) / 16) * 2;
  }
  return CopyOut(bm, size, buffer);
}

}  // namespace

int GetObjectW(HGDIOBJ handle, int size, LPVOID buffer) {
  HandleObject* object = HandleTable::Instance().Find(handle);
  if (object == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (object->Kind()) {
    case HandleKind::Bitmap:
      return GetBitmapObject(*static_cast<BitmapObject*>(object), size, buffer);
    case HandleKind::Brush: {
      auto* brush = static_cast<BrushObject*>(object);
      LOGBRUSH lb = brush->logBrush;
      if (lb.lbStyle == BS_PATTERN) lb.lbHatch = reinterpret_cast<ULONG_PTR>(brush->patternBitmap);
      return CopyOut(lb, size, buffer);
    }
    case HandleKind::Pen:
      return CopyOut(static_cast<PenObject*>(object)->logPen, size, buffer);
    case HandleKind::Font:
      return CopyOut(static_cast<FontObject*>(object)->logFont, size, buffer);
    case HandleKind::Palette: {
      const WORD count = static_cast<WORD>(static_cast<PaletteObject*>(object)->entries.size());
      return CopyOut(count, size, buffer);
    }
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
  }
}

int GetObjectA(HGDIOBJ handle, int size, LPVOID buffer) {
  auto* font = HandleTable::Instance().FindAs<FontObject>(handle, HandleKind::Font);
  if (font == nullptr) return GetObjectW(handle, size, buffer);
  LOGFONTA ansi{};
  std::memcpy(&ansi, &font->logFont, offsetof(LOGFONTA, lfFaceName));
  const std::u16string_view face(font->logFont.lfFaceName);
  const AnsiString name = WideToAnsiString(face.substr(0, face.find(u'\0')));
  std::memcpy(ansi.lfFaceName, name.data(), std::min<std::size_t>(name.size(), LF_FACESIZE - 1));
  return CopyOut(ansi, size, buffer);
}

HBRUSH CreateSolidBrush(COLORREF colour) { return MakeSolidBrush(colour, false); }

HBRUSH CreateHatchBrush(int hatch, COLORREF colour) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto brush = std::make_unique<BrushObject>();
  brush->logBrush = LOGBRUSH{BS_HATCHED, colour & 0xFFFFFF, static_cast<ULONG_PTR>(hatch)};
  return InsertGdi<HBRUSH>(std::move(brush));
}

HBRUSH CreatePatternBrush(HBITMAP handle) {
  auto* bitmap = FindBitmap(handle);
  if (bitmap == nullptr) return nullptr;
  auto brush = std::make_unique<BrushObject>();
  brush->logBrush = LOGBRUSH{BS_PATTERN, 0, 0};
  brush->patternBitmap = handle;
  brush->patternFormat = bitmap->format;
  brush->patternIsMonochrome = bitmap->IsMonochrome();
  const int width = bitmap->Width(), height = bitmap->Height();
  brush->patternPixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  bitmap->ReadPixels(RECT{0, 0, width, height}, brush->patternPixels.data());
  if (brush->patternIsMonochrome) {
    brush->patternBits.resize(brush->patternPixels.size());
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) brush->patternBits[static_cast<std::size_t>(y) * width + x] = bitmap->MonoBit(x, y);
    }
  }
  return InsertGdi<HBRUSH>(std::move(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (lb == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  switch (lb->lbStyle) {
    case BS_SOLID:
      return CreateSolidBrush(lb->lbColor);
    case BS_NULL: {
      auto brush = std::make_unique<BrushObject>();
      brush->logBrush = LOGBRUSH{BS_NULL, 0, 0};
      return InsertGdi<HBRUSH>(std::move(brush));
    }
    case BS_HATCHED:
      return CreateHatchBrush(static_cast<int>(lb->lbHatch), lb->lbColor);
    case BS_PATTERN:
      return CreatePatternBrush(reinterpret_cast<HBITMAP>(lb->lbHatch));
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HPEN CreatePen(int style, int width, COLORREF colour) {
  if ((style & PS_STYLE_MASK) > PS_INSIDEFRAME) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return MakePen(style & PS_STYLE_MASK, std::max(width, 0), colour, false);
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
  if (pen == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (palette == nullptr || palette->palNumEntries == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto object = std::make_unique<PaletteObject>();
  object->entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  return InsertGdi<HPALETTE>(std::move(object));
}

UINT GetPaletteEntries(HPALETTE handle, UINT start, UINT count, PALETTEENTRY* entries) {
  auto* palette = FindGdi<PaletteObject>(handle, HandleKind::Palette);
  if (palette == nullptr) return 0;
  const UINT size = static_cast<UINT>(palette->entries.size());
  if (entries == nullptr) return size;
  if (start >= size) return 0;
  const UINT n = std::min(count, size - start);
  std::copy_n(palette->entries.begin() + start, n, entries);
  return n;
}
