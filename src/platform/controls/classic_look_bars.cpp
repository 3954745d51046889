// The classic look of progress bars (blocks or one smooth bar), up-down
// arrows, and the track bar's channel, ticks, thumb and focus.
#include <algorithm>

#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

COLORREF OrSystem(COLORREF colour, int index) { return colour == CLR_DEFAULT ? GetSysColor(index) : colour; }

// The thumb is drawn pixel by pixel in its own frame: `u` runs along the
// channel (the thumb's width), `v` across it (its length); the frame is
// turned and mirrored onto the window for vertical bars and ticks before.
class ThumbCanvas {
 public:
  ThumbCanvas(HDC dc, const TrackBarLook& look) : dc_(dc), look_(look) {
    const RECT& r = look.thumb;
    width_ = look.vertical ? r.bottom - r.top : r.right - r.left;
    length_ = look.vertical ? r.right - r.left : r.bottom - r.top;
    mirrored_ = look.ticsBefore && !look.ticsAfter;
  }
  int Width() const { return width_; }
  // The thumb points up or left: its flat end is at the bottom or right.
  bool Mirrored() const { return mirrored_; }
  int Length() const { return length_; }
  void Pixel(int u, int v, COLORREF colour) const {
    if (u < 0 || v < 0 || u >= width_ || v >= length_) return;
    if (mirrored_) v = length_ - 1 - v;
    const RECT& r = look_.thumb;
    if (look_.vertical) {
      SetPixelV(dc_, r.left + v, r.top + u, colour);
    } else {
      SetPixelV(dc_, r.left + u, r.top + v, colour);
    }
  }

 private:
  HDC dc_;
  const TrackBarLook& look_;
  int width_ = 0;
  int length_ = 0;
  bool mirrored_ = false;
};

}  // namespace

void ControlPainter::ProgressBar(HDC dc, const RECT& client, const ProgressLook& look) {
  classic::FillSolid(dc, client, OrSystem(look.background, COLOR_3DFACE));
  RECT inner = client;
  InflateRect(&inner, -1, -1);
  const int length = look.vertical ? inner.bottom - inner.top : inner.right - inner.left;
  const int thickness = look.vertical ? inner.right - inner.left : inner.bottom - inner.top;
  const long long span = static_cast<long long>(look.high) - look.low;
  if (length <= 0 || thickness <= 0 || span <= 0) return;
  const int filled = static_cast<int>(std::clamp((static_cast<long long>(look.position) - look.low) * length / span,
                                                 0LL, static_cast<long long>(length)));
  HBRUSH brush = CreateSolidBrush(OrSystem(look.bar, COLOR_HIGHLIGHT));
  auto part = [&](int from, int to) {
    const RECT r = look.vertical ? RECT{inner.left, inner.bottom - to, inner.right, inner.bottom - from}
                                 : RECT{inner.left + from, inner.top, inner.left + to, inner.bottom};
    FillRect(dc, &r, brush);
  };
  if (look.smooth) {
    part(0, filled);
  } else {
    // Blocks two thirds as long as the bar is thick, two pixels apart; the
    // last one is drawn whole.
    const int block = std::max(1, thickness * 2 / 3);
    for (int at = 0; at < filled; at += block + 2) part(at, std::min(at + block, length));
  }
  DeleteObject(brush);
}

void ControlPainter::UpDownArrows(HDC dc, const RECT& client, const UpDownLook& look) {
  if (look.buddyBorder != UpDownBuddyBorder::None) {
    RECT edge = client;
    DrawEdge(dc, &edge, EDGE_SUNKEN,
             BF_TOP | BF_BOTTOM | (look.buddyBorder == UpDownBuddyBorder::Left ? BF_LEFT : BF_RIGHT));
  }
  const RECT& area = look.arrows;
  RECT increment = area;
  RECT decrement = area;
  if (look.horizontal) {
    decrement.right = increment.left = (area.left + area.right) / 2;
  } else {
    increment.bottom = decrement.top = (area.top + area.bottom) / 2;
  }
  const UINT inactive = look.enabled ? 0 : DFCS_INACTIVE;
  DrawFrameControl(dc, &increment, DFC_SCROLL,
                   (look.horizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLUP) | inactive |
                       (look.pressed == UpDownPart::Increment ? DFCS_PUSHED : 0));
  DrawFrameControl(dc, &decrement, DFC_SCROLL,
                   (look.horizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLDOWN) | inactive |
                       (look.pressed == UpDownPart::Decrement ? DFCS_PUSHED : 0));
}

void ControlPainter::TrackBarChannel(HDC dc, const TrackBarLook& look) {
  RECT r = look.channel;
  DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (!look.selectionEnabled) return;
  classic::FillSolid(dc, r, GetSysColor(COLOR_WINDOW));
  if (!IsRectEmpty(&look.selection)) classic::FillSolid(dc, look.selection, GetSysColor(COLOR_HIGHLIGHT));
}

void ControlPainter::TrackBarTics(HDC dc, const TrackBarLook& look) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ previous = SelectObject(dc, pen);
  // (along, across) in window coordinates for either orientation.
  auto moveTo = [&](int along, int across) {
    look.vertical ? MoveToEx(dc, across, along, nullptr) : MoveToEx(dc, along, across, nullptr);
  };
  auto lineTo = [&](int along, int across) { look.vertical ? LineTo(dc, across, along) : LineTo(dc, along, across); };
  auto drawTic = [&](const TrackBarTic& tic, int from, int side) {
    const int length = tic.edge && tic.selectionMark == 0 ? 4 : 3;
    moveTo(tic.at, from);
    lineTo(tic.at, from + side * length);
    if (tic.selectionMark != 0) {
      // A wedge pointing into the selection.
      const int across = from + side * (length - 1);
      moveTo(tic.at, across);
      lineTo(tic.at + 2 * tic.selectionMark, across);
      lineTo(tic.at, from);
    }
  };
  for (const TrackBarTic& tic : look.tics) {
    if (look.ticsBefore) drawTic(tic, look.ticsBeforeFrom, -1);
    if (look.ticsAfter) drawTic(tic, look.ticsAfterFrom, 1);
  }
  SelectObject(dc, previous);
  DeleteObject(pen);
}

void ControlPainter::TrackBarThumb(HDC dc, const TrackBarLook& look) {
  const ThumbCanvas c(dc, look);
  const int w = c.Width();
  const int l = c.Length();
  if (w < 3 || l < 3) return;
  // A thumb points at its ticks, unless they stand on both sides.
  const bool pointed = look.ticsBefore != look.ticsAfter;
  const int point = pointed ? std::min(w / 2, l - 2) : 0;
  const int body = l - point;  // rows 0 .. body-1 are full width
  const COLORREF face = GetSysColor(COLOR_3DFACE);
  const COLORREF hilight = GetSysColor(COLOR_3DHILIGHT);
  const COLORREF light = GetSysColor(COLOR_3DLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
  // A held or disabled thumb is dithered with the highlight colour.
  const bool dithered = look.thumbPressed || !look.enabled;
  auto fill = [&](int u, int v) { c.Pixel(u, v, dithered && (u + v) % 2 == 0 ? hilight : face); };
  for (int v = 0; v < l; ++v) {
    const int k = v - body + 1;  // 1 .. point on the rows of the point
    const int first = v < body ? 0 : k;
    for (int u = first; u <= w - 1 - first; ++u) fill(u, v);
  }
  for (int v = 0; v < body; ++v) {
    c.Pixel(0, v, hilight);
    c.Pixel(w - 1, v, dark);
    if (v > 0) c.Pixel(1, v, light);
    if (v > 0) c.Pixel(w - 2, v, shadow);
  }
  // The flat end is lit when it faces up or left.
  if (c.Mirrored()) {
    for (int u = 0; u < w; ++u) c.Pixel(u, 0, dark);
    for (int u = 1; u < w - 1; ++u) c.Pixel(u, 1, shadow);
  } else {
    for (int u = 0; u < w - 1; ++u) c.Pixel(u, 0, hilight);
    for (int u = 1; u < w - 2; ++u) c.Pixel(u, 1, light);
  }
  if (point == 0) {
    for (int u = 0; u < w; ++u) c.Pixel(u, l - 1, dark);
    for (int u = 1; u < w - 1; ++u) c.Pixel(u, l - 2, shadow);
    return;
  }
  for (int k = 1; k <= point; ++k) {
    const int v = body - 1 + k;
    c.Pixel(k, v, hilight);
    c.Pixel(k + 1, v - 1, light);
    c.Pixel(w - 1 - k, v, dark);
    c.Pixel(w - 2 - k, v - 1, shadow);
  }
}

void ControlPainter::TrackBarFocus(HDC dc, const TrackBarLook& look) {
  if (look.focused) DrawFocusRect(dc, &look.client);
}

}  // namespace platform
