// Painting of the band bar: erasing draws the background where no band
// lies, each band's background in its colour (its own, else the bar's,
// else the system's) and the borders between bands and rows; painting
// draws the bands' headers; the divider above is non-client.
#include "platform/controls/rebar_internal.h"

namespace platform::rebar {
namespace {

COLORREF BackOf(const RebarData& data, const Band& b) {
  if (b.back != CLR_DEFAULT && b.back != CLR_NONE) return b.back;
  return data.back != CLR_NONE && data.back != CLR_DEFAULT ? data.back : GetSysColor(COLOR_3DFACE);
}

COLORREF ForeOf(const RebarData& data, const Band& b) {
  if (b.fore != CLR_DEFAULT && b.fore != CLR_NONE) return b.fore;
  return data.text != CLR_NONE && data.text != CLR_DEFAULT ? data.text : GetSysColor(COLOR_BTNTEXT);
}

RebarBandLook LookOf(const RebarData& data, const Band& b) {
  RebarBandLook look;
  look.rect = b.rect;
  look.gripper = b.gripperRect;
  look.image = b.imageRect;
  look.text = b.textRect;
  look.images = data.images;
  look.imageIndex = b.image;
  look.title = b.text;
  look.font = FontOf(data);
  look.textColour = ForeOf(data, b);
  look.backColour = BackOf(data, b);
  look.background = b.background;
  look.fixedBitmap = (b.style & RBBS_FIXEDBMP) != 0;
  return look;
}

}  // namespace

// The bar, the bands' backgrounds and the borders between them: what a
// transparent child window shows through.
void EraseBackground(HWND hwnd, HDC dc, const RebarData& data) {
  ControlPainter& painter = CurrentPainter();
  RECT client{};
  GetClientRect(hwnd, &client);
  const COLORREF colour = data.back != CLR_NONE && data.back != CLR_DEFAULT ? data.back : GetSysColor(COLOR_3DFACE);
  painter.RebarBackground(dc, client, colour);
  const bool borders = (Style(hwnd) & RBS_BANDBORDERS) != 0;
  int lastRowBottom = -1;
  for (const Band& b : data.bands) {
    if (IsHidden(b) || b.row < 0) continue;
    painter.RebarBandBackground(dc, LookOf(data, b));
    if (!borders) continue;
    if (b.rect.right + kSeparator <= client.right) {  // not the band that ends the row
      painter.RebarBandBorder(dc, RECT{b.rect.right, b.rect.top, b.rect.right + kSeparator, b.rect.bottom}, true);
    }
    if (b.row < data.rowCount - 1 && b.rect.bottom != lastRowBottom) {
      lastRowBottom = b.rect.bottom;
      painter.RebarBandBorder(dc, RECT{0, b.rect.bottom, client.right, b.rect.bottom + kSeparator}, false);
    }
  }
}

void Paint(HDC dc, const RebarData& data) {
  ControlPainter& painter = CurrentPainter();
  for (const Band& b : data.bands) {
    if (!IsHidden(b) && b.row >= 0) painter.RebarBandHeader(dc, LookOf(data, b));
  }
}

void NcPaint(HWND hwnd) {
  if (Style(hwnd) & CCS_NODIVIDER) return;
  RECT window{};
  GetWindowRect(hwnd, &window);
  HDC dc = GetWindowDC(hwnd);
  CurrentPainter().RebarDivider(dc, RECT{0, 0, window.right - window.left, kDivider});
  ReleaseDC(hwnd, dc);
}

}  // namespace platform::rebar
