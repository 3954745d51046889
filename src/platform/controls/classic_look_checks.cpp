// The classic look of check boxes, radio buttons and group boxes: drawn on
// the brush their parent answered, with the text in the DC's colours.
#include "platform/controls/classic_look_buttons_internal.h"

namespace platform {
namespace {

constexpr int kBoxSize = 13;

// The box's place in its column, by the vertical alignment of the label.
RECT BoxRect(const RECT& column, UINT format) {
  RECT box = column;
  const int spare = column.bottom - column.top - kBoxSize;
  if (format & DT_BOTTOM) {
    box.top = column.bottom - kBoxSize;
  } else if (format & DT_VCENTER) {
    box.top = spare > 0 ? column.bottom - (spare / 2 + 1) - kBoxSize : column.top + spare / 2;
  }
  box.bottom = box.top + kBoxSize;
  return box;
}

}  // namespace

void ControlPainter::CheckButton(HDC dc, const RECT& rect, const ButtonLook& look) {
  FillRect(dc, &rect, look.background ? look.background : GetSysColorBrush(COLOR_3DFACE));
  HGDIOBJ previousFont = SelectObject(dc, look.font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previousFont);
  const int gap = metrics.tmAveCharWidth / 2;
  RECT column = rect;
  RECT text = rect;
  if (look.leftText) {
    text.right -= kBoxSize + gap;
    column.left = column.right - kBoxSize;
  } else {
    text.left += kBoxSize + gap;
    column.right = column.left + kBoxSize;
  }
  RECT box = BoxRect(column, look.textFormat);
  UINT state = look.radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if (look.check == BST_CHECKED) state |= DFCS_CHECKED;
  // The third state is a grey mark on the face colour.
  if (look.check == BST_INDETERMINATE && !look.radio) state |= DFCS_CHECKED | DFCS_INACTIVE;
  if (look.pressed) state |= DFCS_PUSHED;
  if (!look.enabled) state |= DFCS_INACTIVE;
  if (look.flat) state |= DFCS_FLAT;
  DrawFrameControl(dc, &box, DFC_BUTTON, state);
  RECT label{};
  if (!classic::PlaceButtonLabel(dc, text, look, label)) return;
  classic::DrawButtonLabel(dc, label, look);
  if (look.focused) {
    RECT focus{label.left - 1, label.top, label.right + 1, label.bottom};
    IntersectRect(&focus, &focus, &text);
    DrawFocusRect(dc, &focus);
  }
}

void ControlPainter::GroupBox(HDC dc, const RECT& rect, const ButtonLook& look) {
  HGDIOBJ previousFont = SelectObject(dc, look.font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previousFont);
  RECT frame = rect;
  frame.top += metrics.tmHeight / 2 - 1;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT | (look.flat ? BF_FLAT : 0));
  RECT area = rect;
  InflateRect(&area, -7, 1);
  RECT label{};
  if (!classic::PlaceButtonLabel(dc, area, look, label)) return;
  // The caption interrupts the frame: one pixel of background on each side and below.
  RECT under{label.left - 1, label.top, label.right + 1, label.bottom + 1};
  FillRect(dc, &under, look.background ? look.background : GetSysColorBrush(COLOR_3DFACE));
  classic::DrawButtonLabel(dc, label, look);
}

}  // namespace platform
