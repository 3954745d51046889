// The label of a "Button" in the classic look: text (with "&" mnemonics and
// word breaks) or a bitmap or icon, placed by the alignment styles.
#include <vector>

#include "platform/controls/classic_look_buttons_internal.h"

namespace platform::classic {
namespace {

SIZE ImageSize(const ButtonLook& look) {
  if (look.bitmap != nullptr) {
    BITMAP info{};
    if (GetObjectW(look.bitmap, sizeof(info), &info) == 0) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
  }
  ICONINFO info{};
  if (look.icon == nullptr || !GetIconInfo(look.icon, &info)) return SIZE{0, 0};
  BITMAP colour{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(colour), &colour);
  const SIZE size{colour.bmWidth, info.hbmColor ? colour.bmHeight : colour.bmHeight / 2};
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return size;
}

// Draws the image over white into a scratch bitmap, then paints its dark
// pixels in the highlight colour one pixel down and right, and in the
// shadow colour in place, as disabled images are drawn.
void DrawEmbossedImage(HDC dc, const RECT& label, const ButtonLook& look) {
  const int width = label.right - label.left;
  const int height = label.bottom - label.top;
  HDC scratch = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ previous = SelectObject(scratch, canvas);
  FillSolid(scratch, RECT{0, 0, width, height}, RGB(255, 255, 255));
  if (look.bitmap != nullptr) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, look.bitmap);
    BitBlt(scratch, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  } else {
    DrawIconEx(scratch, 0, 0, look.icon, width, height, 0, nullptr, DI_NORMAL);
  }
  std::vector<bool> inked(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = GetPixel(scratch, x, y);
      inked[static_cast<std::size_t>(y) * width + x] = GetRValue(c) < 0xC0 || GetGValue(c) < 0xC0 || GetBValue(c) < 0xC0;
    }
  }
  SelectObject(scratch, previous);
  DeleteObject(canvas);
  DeleteDC(scratch);
  const COLORREF highlight = GetSysColor(COLOR_3DHILIGHT);
  const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
  for (int pass = 0; pass < 2; ++pass) {
    const int shift = pass == 0 ? 1 : 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (inked[static_cast<std::size_t>(y) * width + x]) {
          SetPixelV(dc, label.left + x + shift, label.top + y + shift, pass == 0 ? highlight : shadow);
        }
      }
    }
  }
}

}  // namespace

bool PlaceButtonLabel(HDC dc, const RECT& area, const ButtonLook& look, RECT& label) {
  RECT r = area;
  if (look.bitmap != nullptr || look.icon != nullptr) {
    const SIZE size = ImageSize(look);
    r.right = r.left + size.cx;
    r.bottom = r.top + size.cy;
  } else if (!look.text.empty()) {
    HGDIOBJ previous = SelectObject(dc, look.font);
    DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &r, look.textFormat | DT_CALCRECT);
    SelectObject(dc, previous);
  } else {
    label = RECT{area.left, area.top, area.left, area.top};
    return false;
  }
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (look.textFormat & DT_CENTER) {
    r.left = area.left + (area.right - area.left - width) / 2;
  } else if (look.textFormat & DT_RIGHT) {
    r.left = area.right - 1 - width;
  } else {
    r.left = area.left + 1;
  }
  if (look.textFormat & DT_VCENTER) {
    r.top = area.top + (area.bottom - area.top - height) / 2;
  } else if (look.textFormat & DT_BOTTOM) {
    r.top = area.bottom - 1 - height;
  } else {
    r.top = area.top + 1;
  }
  label = RECT{r.left, r.top, r.left + width, r.top + height};
  return true;
}

void DrawButtonLabel(HDC dc, const RECT& label, const ButtonLook& look) {
  if (look.bitmap != nullptr || look.icon != nullptr) {
    if (!look.enabled) {
      DrawEmbossedImage(dc, label, look);
    } else if (look.bitmap != nullptr) {
      HDC source = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(source, look.bitmap);
      BitBlt(dc, label.left, label.top, label.right - label.left, label.bottom - label.top, source, 0, 0, SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
    } else {
      DrawIconEx(dc, label.left, label.top, look.icon, label.right - label.left, label.bottom - label.top, 0, nullptr,
                 DI_NORMAL);
    }
    return;
  }
  HGDIOBJ previous = SelectObject(dc, look.font);
  RECT r = label;
  if (!look.enabled) {
    const int mode = GetBkMode(dc);
    DrawLabel(dc, look.text, r, look.textFormat, false, 0);
    SetBkMode(dc, mode);
  } else {
    DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &r, look.textFormat);
  }
  SelectObject(dc, previous);
}

}  // namespace platform::classic
