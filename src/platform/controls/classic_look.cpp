// The painter slot and the drawing helpers of the classic look.
#include "platform/controls/classic_look.h"

#include <algorithm>

#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace classic {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void DrawLabel(HDC dc, const std::u16string& text, RECT rect, UINT format, bool enabled, COLORREF colour) {
  SetBkMode(dc, TRANSPARENT);
  if (!enabled) {
    RECT shadow = rect;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(dc, colour);
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace classic

namespace {

std::unique_ptr<ControlPainter>& Slot() {
  static std::unique_ptr<ControlPainter> painter = std::make_unique<ControlPainter>();
  return painter;
}

}  // namespace

ControlPainter& CurrentPainter() { return *Slot(); }

std::unique_ptr<ControlPainter> SetPainter(std::unique_ptr<ControlPainter> painter) {
  std::unique_ptr<ControlPainter> previous = std::move(Slot());
  Slot() = painter ? std::move(painter) : std::make_unique<ControlPainter>();
  return previous;
}

HFONT DefaultControlFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

int TextWidth(HDC dc, HFONT font, const std::u16string& text, int count) {
  count = std::clamp(count, 0, static_cast<int>(text.size()));
  if (count == 0) return 0;
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), count, &size);
  SelectObject(dc, previous);
  return size.cx;
}

}  // namespace platform
