// LoadBitmap(NULL, OBM_…): the system's menu glyphs as bitmaps, black on
// white as Windows ships them; LoadBitmap(program instance, "NAME"): the
// program's own bitmap resources. Each call makes a new bitmap that the
// caller deletes.
#include "platform/gdi/gdi.h"
#include "platform/user/resource_bitmaps.h"
#include "platform/user/user.h"

namespace {

HBITMAP MakeGlyph(int width, int height, UINT type, UINT state) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  if (bitmap == nullptr) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  RECT rect{0, 0, width, height};
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawFrameControl(dc, &rect, type, state);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return bitmap;
}

}  // namespace

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
  if (instance == platform::ProgramModule() && name != nullptr && !IS_INTRESOURCE(name)) {
    return platform::LoadResourceBitmap(platform::WideToAnsiString(name));
  }
  if (instance != nullptr || !IS_INTRESOURCE(name)) {
    SetLastError(1814);  // ERROR_RESOURCE_NAME_NOT_FOUND
    return nullptr;
  }
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  switch (static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name))) {
    case OBM_CHECK: return MakeGlyph(check, check, DFC_MENU, DFCS_MENUCHECK);
    case OBM_MNARROW: return MakeGlyph(check, check, DFC_MENU, DFCS_MENUARROW);
    case OBM_RGARROW: return MakeGlyph(GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL), DFC_SCROLL, DFCS_SCROLLRIGHT);
    case OBM_CLOSE: return MakeGlyph(GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CYSIZE), DFC_CAPTION, DFCS_CAPTIONCLOSE);
    default:
      SetLastError(1814);
      return nullptr;
  }
}

HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name) {
  if (name != nullptr && !IS_INTRESOURCE(name)) {
    if (instance == platform::ProgramModule()) return platform::LoadResourceBitmap(name);
    SetLastError(1814);
    return nullptr;
  }
  return LoadBitmapW(instance, reinterpret_cast<LPCWSTR>(name));
}
