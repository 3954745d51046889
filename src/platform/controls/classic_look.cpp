// The classic look of the standard controls.
#include "platform/controls/classic_look.h"

#include <algorithm>

namespace platform {
namespace {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// Disabled text is embossed: a white copy one pixel down and right under
// the grey text.
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

class ClassicLook : public ControlPainter {
 public:
  void PushButton(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, const ButtonLook& look) override {
    RECT r = rect;
    FillSolid(dc, r, GetSysColor(COLOR_3DFACE));
    if (look.isDefault || look.focused) {
      // The default button has a black frame around its edges.
      HBRUSH black = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
      FrameRect(dc, &r, black);
      DeleteObject(black);
      InflateRect(&r, -1, -1);
    }
    if (look.pressed) {
      HBRUSH shadow = CreateSolidBrush(GetSysColor(COLOR_3DSHADOW));
      FrameRect(dc, &r, shadow);
      DeleteObject(shadow);
    } else {
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    RECT textRect = rect;
    InflateRect(&textRect, -4, -4);
    if (look.pressed) OffsetRect(&textRect, 1, 1);
    HGDIOBJ previous = SelectObject(dc, font);
    DrawLabel(dc, text, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, look.enabled, GetSysColor(COLOR_BTNTEXT));
    SelectObject(dc, previous);
    if (look.focused) {
      RECT focus = rect;
      InflateRect(&focus, -4, -4);
      DrawFocusRect(dc, &focus);
    }
  }

  void CheckButton(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, bool radio, bool leftText,
                   const ButtonLook& look) override {
    const int box = 13;
    const int top = rect.top + (rect.bottom - rect.top - box) / 2;
    RECT boxRect = leftText ? RECT{rect.right - box, top, rect.right, top + box} : RECT{rect.left, top, rect.left + box, top + box};
    UINT state = radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (look.check == BST_CHECKED) state |= DFCS_CHECKED;
    if (look.check == BST_INDETERMINATE && !radio) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (look.pressed) state |= DFCS_PUSHED;
    if (!look.enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &boxRect, DFC_BUTTON, state);
    RECT label = leftText ? RECT{rect.left, rect.top, boxRect.left - 4, rect.bottom}
                          : RECT{boxRect.right + 4, rect.top, rect.right, rect.bottom};
    HGDIOBJ previous = SelectObject(dc, font);
    DrawLabel(dc, text, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE, look.enabled, GetSysColor(COLOR_BTNTEXT));
    if (look.focused && !text.empty()) {
      RECT measure = label;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
      const int height = measure.bottom - measure.top;
      RECT focus{label.left - 1, label.top + (label.bottom - label.top - height) / 2 - 1, measure.right + 1, 0};
      focus.bottom = focus.top + height + 2;
      DrawFocusRect(dc, &focus);
    }
    SelectObject(dc, previous);
  }

  void GroupBox(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, bool enabled) override {
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = rect;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!text.empty()) {
      RECT label{rect.left + 8, rect.top, rect.right - 8, rect.top + metrics.tmHeight};
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
      label.right += 2;
      FillSolid(dc, RECT{label.left - 1, label.top, label.right, label.bottom}, GetSysColor(COLOR_3DFACE));
      DrawLabel(dc, text, label, DT_LEFT | DT_SINGLELINE, enabled, GetSysColor(COLOR_BTNTEXT));
    }
    SelectObject(dc, previous);
  }

  void StaticText(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, UINT format,
                  bool enabled) override {
    HGDIOBJ previous = SelectObject(dc, font);
    RECT r = rect;
    if (!enabled) {
      const int mode = GetBkMode(dc);
      DrawLabel(dc, text, r, format, false, 0);
      SetBkMode(dc, mode);
    } else {
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    }
    SelectObject(dc, previous);
  }

  void EditLine(HDC dc, const RECT& client, HFONT font, const EditLook& look) override {
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int height = metrics.tmHeight;
    const int y = client.top + std::max<LONG>(0, (client.bottom - client.top - height) / 2);
    const int x = client.left + look.margin - look.scrollX;
    const int length = static_cast<int>(look.text.size());
    const int start = std::clamp(std::min(look.selectionStart, look.selectionEnd), 0, length);
    const int end = std::clamp(std::max(look.selectionStart, look.selectionEnd), 0, length);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT));
    TextOutW(dc, x, y, look.text.c_str(), length);
    if (look.showSelection && end > start) {
      const int left = x + TextWidth(dc, font, look.text, start);
      const int right = x + TextWidth(dc, font, look.text, end);
      const RECT highlight{left, y, right, y + height};
      FillSolid(dc, highlight, GetSysColor(COLOR_HIGHLIGHT));
      SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      TextOutW(dc, left, y, look.text.c_str() + start, end - start);
    }
    SelectObject(dc, previous);
  }
};

std::unique_ptr<ControlPainter>& Slot() {
  static std::unique_ptr<ControlPainter> painter = std::make_unique<ClassicLook>();
  return painter;
}

}  // namespace

ControlPainter& CurrentPainter() { return *Slot(); }

std::unique_ptr<ControlPainter> SetPainter(std::unique_ptr<ControlPainter> painter) {
  std::unique_ptr<ControlPainter> previous = std::move(Slot());
  Slot() = painter ? std::move(painter) : std::make_unique<ClassicLook>();
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
