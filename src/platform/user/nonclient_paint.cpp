// Painting the classic frame: raised edges and the border colour, the
// caption in its gradient with icon, text and buttons, client edges and
// window scroll bars. Composed off screen and copied once.
#include <algorithm>
#include <cstdint>

#include "platform/gdi/gdi.h"
#include "platform/user/dce.h"
#include "platform/user/menu_object.h"
#include "platform/user/nonclient.h"
#include "platform/user/scrollbar_internal.h"

namespace platform {
namespace {

COLORREF Mix(COLORREF a, COLORREF b, int numerator, int denominator) {
  auto channel = [&](int ca, int cb) { return static_cast<BYTE>(ca + (cb - ca) * numerator / std::max(1, denominator)); };
  return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)), channel(GetBValue(a), GetBValue(b)));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// The caption's horizontal gradient: one row of pixels stretched down.
void FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  if (from == to) {
    FillSolid(dc, rect, from);
    return;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP row = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (row == nullptr) return;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int x = 0; x < width; ++x) {
    const COLORREF c = Mix(from, to, x, width - 1);
    pixels[x] = (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
  }
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, row);
  StretchBlt(dc, rect.left, rect.top, width, height, memory, 0, 0, width, 1, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(row);
}

void DrawFrame(HDC dc, RECT& rect, const WindowObject& w, bool active) {
  const DWORD style = w.style;
  const DWORD exStyle = w.exStyle;
  const bool bigFrame = (style & (WS_THICKFRAME | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME);
  if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE) {
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  } else if (bigFrame) {
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
  }
  int width = 0;
  COLORREF colour = GetSysColor(COLOR_3DFACE);
  if (style & WS_THICKFRAME) {
    width = GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXEDGE);
    colour = GetSysColor(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
  } else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & WS_DLGFRAME)) {
    width = GetSystemMetrics(SM_CXDLGFRAME) - GetSystemMetrics(SM_CXEDGE);
  } else if (style & WS_BORDER) {
    width = GetSystemMetrics(SM_CXBORDER);
    colour = GetSysColor(COLOR_WINDOWFRAME);
  }
  if (width <= 0) return;
  FillSolid(dc, RECT{rect.left, rect.top, rect.right, rect.top + width}, colour);
  FillSolid(dc, RECT{rect.left, rect.bottom - width, rect.right, rect.bottom}, colour);
  FillSolid(dc, RECT{rect.left, rect.top, rect.left + width, rect.bottom}, colour);
  FillSolid(dc, RECT{rect.right - width, rect.top, rect.right, rect.bottom}, colour);
  rect = RECT{rect.left + width, rect.top + width, rect.right - width, rect.bottom - width};
}

void DrawCaptionButton(HDC dc, RECT rect, UINT kind, bool pressed, bool enabled) {
  UINT state = kind;
  if (pressed) state |= DFCS_PUSHED;
  if (!enabled) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &rect, DFC_CAPTION, state);
}

void DrawCaption(HDC dc, const WindowObject& w, const CaptionLayout& layout, bool active) {
  // The separating line under the caption.
  FillSolid(dc, RECT{layout.caption.left, layout.caption.bottom, layout.caption.right, layout.caption.bottom + 1},
            GetSysColor(COLOR_3DFACE));
  const COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  const COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
  FillGradient(dc, layout.caption, from, to);

  RECT text = layout.caption;
  text.left += 2;
  if (layout.hasIcon) {
    if (HICON icon = CaptionIcon(w.handle)) {
      DrawIconEx(dc, layout.icon.left, layout.icon.top, icon, layout.icon.right - layout.icon.left,
                 layout.icon.bottom - layout.icon.top, 0, nullptr, DI_NORMAL);
    }
    text.left = layout.icon.right + 2;
  }
  text.right = layout.caption.right - 2;
  if (layout.hasClose) {
    const bool min = w.pressedButton == HTMINBUTTON, max = w.pressedButton == HTMAXBUTTON;
    DrawCaptionButton(dc, layout.close, DFCS_CAPTIONCLOSE, w.pressedButton == HTCLOSE, layout.closeEnabled);
    text.right = layout.close.left - 2;
    if (layout.hasMinMax) {
      DrawCaptionButton(dc, layout.max, (w.style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX, max,
                        layout.maxEnabled);
      DrawCaptionButton(dc, layout.min, (w.style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN, min,
                        layout.minEnabled);
      text.right = layout.min.left - 2;
    } else if (layout.hasHelp) {
      DrawCaptionButton(dc, layout.help, DFCS_CAPTIONHELP, w.pressedButton == HTHELP, true);
      text.right = layout.help.left - 2;
    }
  }
  if (w.text.empty() || text.right <= text.left) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
  HFONT font = CreateFontIndirectW((w.exStyle & WS_EX_TOOLWINDOW) ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont);
  HGDIOBJ previous = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawTextW(dc, w.text.c_str(), static_cast<int>(w.text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
  SelectObject(dc, previous);
  DeleteObject(font);
}

}  // namespace

HICON CaptionIcon(HWND hwnd) {
  HICON icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON));
  WindowObject* w = PeekWindowObject(hwnd);
  if (icon == nullptr && w != nullptr && !(w->exStyle & WS_EX_DLGMODALFRAME)) icon = LoadIconW(nullptr, IDI_WINLOGO);
  return icon;
}

void PaintClassicFrame(HWND hwnd, HDC dc, bool active) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return;
  RECT rect{0, 0, w->window.right - w->window.left, w->window.bottom - w->window.top};
  DrawFrame(dc, rect, *w, active);
  const CaptionLayout layout = LayoutCaption(*w);
  if (layout.present) DrawCaption(dc, *w, layout, active);
  PaintMenuBar(hwnd, dc);
  // The caption's helpers may have sent messages.
  if ((w = PeekWindowObject(hwnd)) == nullptr) return;
  RECT client{w->client.left - w->window.left, w->client.top - w->window.top, w->client.right - w->window.left,
              w->client.bottom - w->window.top};
  if (w->exStyle & WS_EX_CLIENTEDGE) {
    RECT edge = client;
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    if (w->style & WS_VSCROLL) {
      if (w->exStyle & WS_EX_LEFTSCROLLBAR) {
        edge.left -= bar;
      } else {
        edge.right += bar;
      }
    }
    if (w->style & WS_HSCROLL) edge.bottom += GetSystemMetrics(SM_CYHSCROLL);
    InflateRect(&edge, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
  }
  PaintWindowScrollBars(dc, *w);
}

void DefaultNcPaint(HWND hwnd, HRGN update, bool active) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !IsReallyVisible(*w)) return;
  const int width = w->window.right - w->window.left;
  const int height = w->window.bottom - w->window.top;
  if (width <= 0 || height <= 0) return;
  const bool whole = reinterpret_cast<ULONG_PTR>(update) <= 1;
  HDC dc = GetDCEx(hwnd, whole ? nullptr : update, DCX_WINDOW | DCX_USESTYLE | (whole ? 0 : DCX_INTERSECTRGN));
  if (dc == nullptr) return;
  const RECT client{w->client.left - w->window.left, w->client.top - w->window.top, w->client.right - w->window.left,
                    w->client.bottom - w->window.top};
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  // Composed in a bitmap, copied to the window in one go.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  PaintClassicFrame(hwnd, memory, active);
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd, dc);
}

}  // namespace platform
