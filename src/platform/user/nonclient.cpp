// The classic non-client area: frame sizes from the styles, the caption and
// its buttons, the default WM_NCCALCSIZE and WM_NCHITTEST.
#include "platform/user/nonclient.h"

#include "platform/gdi/region.h"
#include "platform/user/scrollbar_internal.h"
#include "platform/user/menu_object.h"

namespace platform {
namespace {

bool HasThickFrame(DWORD style) { return (style & WS_THICKFRAME) != 0; }

bool HasDialogFrame(DWORD style, DWORD exStyle) {
  return (exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
}

bool HasThinFrame(DWORD style) { return (style & WS_BORDER) || !(style & (WS_CHILD | WS_POPUP)); }

}  // namespace

RECT FrameInsets(DWORD style, DWORD exStyle) {
  int adjust = 0;
  if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE) {
    adjust = 1;
  } else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME))) {
    adjust = 2;
  }
  if (style & WS_THICKFRAME) adjust += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
  if ((style & (WS_BORDER | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME)) ++adjust;
  return RECT{adjust, adjust, adjust, adjust};
}

RECT NonClientInsets(DWORD style, DWORD exStyle, bool menu) {
  RECT insets = FrameInsets(style, exStyle);
  if ((style & WS_CAPTION) == WS_CAPTION) {
    insets.top += GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  }
  if (menu) insets.top += GetSystemMetrics(SM_CYMENU);
  if (exStyle & WS_EX_CLIENTEDGE) {
    insets.left += GetSystemMetrics(SM_CXEDGE);
    insets.right += GetSystemMetrics(SM_CXEDGE);
    insets.top += GetSystemMetrics(SM_CYEDGE);
    insets.bottom += GetSystemMetrics(SM_CYEDGE);
  }
  if (style & WS_VSCROLL) {
    if (exStyle & WS_EX_LEFTSCROLLBAR) {
      insets.left += GetSystemMetrics(SM_CXVSCROLL);
    } else {
      insets.right += GetSystemMetrics(SM_CXVSCROLL);
    }
  }
  if (style & WS_HSCROLL) insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
  return insets;
}

CaptionLayout LayoutCaption(const WindowObject& w) {
  CaptionLayout layout;
  const DWORD style = w.style;
  const DWORD exStyle = w.exStyle;
  if ((style & WS_CAPTION) != WS_CAPTION) return layout;
  const RECT frame = FrameInsets(style, exStyle);
  const int width = w.window.right - w.window.left;
  const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
  const int captionHeight = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
  layout.present = true;
  // The caption's last row is the line that separates it from the client.
  layout.caption = RECT{frame.left, frame.top, width - frame.right, frame.top + captionHeight - 1};
  if (!(style & WS_SYSMENU)) return layout;

  const int buttonWidth = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
  const int buttonHeight = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
  const int top = layout.caption.top + 2;
  int right = layout.caption.right - 2;
  layout.close = RECT{right - buttonWidth, top, right, top + buttonHeight};
  layout.hasClose = true;
  right = layout.close.left - 2;
  if (!tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
    layout.max = RECT{right - buttonWidth, top, right, top + buttonHeight};
    layout.min = RECT{layout.max.left - buttonWidth, top, layout.max.left, top + buttonHeight};
    layout.hasMinMax = true;
    layout.minEnabled = (style & WS_MINIMIZEBOX) != 0;
    layout.maxEnabled = (style & WS_MAXIMIZEBOX) != 0;
  } else if (exStyle & WS_EX_CONTEXTHELP) {
    layout.help = RECT{right - buttonWidth, top, right, top + buttonHeight};
    layout.hasHelp = true;
  }
  // Dialog frames and tool windows have no system-menu icon.
  if (!tool && !(exStyle & WS_EX_DLGMODALFRAME)) {
    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    const int iconTop = layout.caption.top + (captionHeight - 1 - iconSize) / 2;
    layout.icon = RECT{layout.caption.left + 2, iconTop, layout.caption.left + 2 + iconSize, iconTop + iconSize};
    layout.hasIcon = true;
  }
  layout.closeEnabled = !(w.cls->style & CS_NOCLOSE) && SystemMenuAllowsClose(w.handle);
  return layout;
}

LRESULT DefaultNcCalcSize(HWND hwnd, RECT& rect) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return 0;
  if (w->style & WS_MINIMIZE) {
    rect.right = rect.left;
    rect.bottom = rect.top;
    return 0;
  }
  const RECT insets = NonClientInsets(w->style, w->exStyle, false);
  rect.top += MenuBarHeight(hwnd, rect.right - rect.left);
  rect.left += insets.left;
  rect.top += insets.top;
  rect.right -= insets.right;
  rect.bottom -= insets.bottom;
  if (rect.right < rect.left) rect.right = rect.left;
  if (rect.bottom < rect.top) rect.bottom = rect.top;
  return 0;
}

LRESULT DefaultNcHitTest(HWND hwnd, POINT screen) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return HTNOWHERE;
  const RECT window = ScreenWindowRect(*w);
  if (screen.x < window.left || screen.x >= window.right || screen.y < window.top || screen.y >= window.bottom) {
    return HTNOWHERE;
  }
  // Outside the window region nothing is hit.
  if (w->shape && !w->shape->Contains(screen.x - window.left, screen.y - window.top)) return HTNOWHERE;
  const RECT client = ScreenClientRect(*w);
  if (screen.x >= client.left && screen.x < client.right && screen.y >= client.top && screen.y < client.bottom) {
    return HTCLIENT;
  }
  if (w->style & WS_MINIMIZE) return HTCAPTION;

  const DWORD style = w->style;
  const DWORD exStyle = w->exStyle;
  RECT rect = window;
  if (HasThickFrame(style)) {
    const int cx = GetSystemMetrics(SM_CXFRAME);
    const int cy = GetSystemMetrics(SM_CYFRAME);
    const RECT inner{rect.left + cx, rect.top + cy, rect.right - cx, rect.bottom - cy};
    const int cornerX = GetSystemMetrics(SM_CXSIZE);
    const int cornerY = GetSystemMetrics(SM_CYSIZE);
    if (screen.y < inner.top) {
      if (screen.x < inner.left + cornerX) return HTTOPLEFT;
      if (screen.x >= inner.right - cornerX) return HTTOPRIGHT;
      return HTTOP;
    }
    if (screen.y >= inner.bottom) {
      if (screen.x < inner.left + cornerX) return HTBOTTOMLEFT;
      if (screen.x >= inner.right - cornerX) return HTBOTTOMRIGHT;
      return HTBOTTOM;
    }
    if (screen.x < inner.left) {
      if (screen.y < inner.top + cornerY) return HTTOPLEFT;
      if (screen.y >= inner.bottom - cornerY) return HTBOTTOMLEFT;
      return HTLEFT;
    }
    if (screen.x >= inner.right) {
      if (screen.y < inner.top + cornerY) return HTTOPRIGHT;
      if (screen.y >= inner.bottom - cornerY) return HTBOTTOMRIGHT;
      return HTRIGHT;
    }
  } else {
    int inset = 0;
    if (HasDialogFrame(style, exStyle)) {
      inset = FrameInsets(style, exStyle).left;
    } else if (HasThinFrame(style) && (style & WS_BORDER)) {
      inset = GetSystemMetrics(SM_CXBORDER);
    }
    if (screen.x < rect.left + inset || screen.x >= rect.right - inset || screen.y < rect.top + inset ||
        screen.y >= rect.bottom - inset) {
      return HTBORDER;
    }
  }

  const CaptionLayout layout = LayoutCaption(*w);
  const POINT p{screen.x - window.left, screen.y - window.top};
  auto inside = [&](const RECT& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
  if (layout.present && p.y < layout.caption.bottom + 1 && p.y >= layout.caption.top) {
    if (layout.hasIcon && p.x < layout.icon.right + 1) return HTSYSMENU;
    if (layout.hasClose && inside(layout.close)) return HTCLOSE;
    if (layout.hasMinMax && inside(layout.max)) return HTMAXBUTTON;
    if (layout.hasMinMax && inside(layout.min)) return HTMINBUTTON;
    if (layout.hasHelp && inside(layout.help)) return HTHELP;
    return HTCAPTION;
  }

  if (MenuBarContains(hwnd, screen)) return HTMENU;

  // Window scroll bars sit between the frame and the client area.
  return ScrollBarHitTest(*w, screen);
}

}  // namespace platform

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (rect == nullptr) return FALSE;
  // Scroll bars are not counted, as on Windows.
  const RECT insets = platform::NonClientInsets(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, menu != FALSE);
  rect->left -= insets.left;
  rect->top -= insets.top;
  rect->right += insets.right;
  rect->bottom += insets.bottom;
  return TRUE;
}
