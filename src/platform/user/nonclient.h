// The classic non-client geometry shared by hit testing, painting and the
// system commands. Rectangles are in window coordinates.
#pragma once

#include "platform/user/window_object.h"

namespace platform {

struct CaptionLayout {
  bool present = false;
  RECT caption{};  // the coloured strip, without the separating line below
  bool hasIcon = false;
  RECT icon{};
  bool hasClose = false;
  bool closeEnabled = true;
  RECT close{};
  bool hasMinMax = false;
  bool minEnabled = false;
  bool maxEnabled = false;
  RECT min{};
  RECT max{};
  bool hasHelp = false;
  RECT help{};
};

// The border widths a style gives (without caption, menu, edges, bars).
RECT FrameInsets(DWORD style, DWORD exStyle);
CaptionLayout LayoutCaption(const WindowObject& w);

LRESULT DefaultNcCalcSize(HWND hwnd, RECT& rect);
LRESULT DefaultNcHitTest(HWND hwnd, POINT screen);

// Paints the classic frame, caption and caption buttons into `dc` (a window
// DC), as WM_NCPAINT and WM_NCACTIVATE do by default.
void PaintClassicFrame(HWND hwnd, HDC dc, bool active);
// Paints the whole non-client area of a window with the update region
// given to WM_NCPAINT (screen coordinates; 1 = everything).
void DefaultNcPaint(HWND hwnd, HRGN update, bool active);

// The icon the caption shows (WM_GETICON, then the class icons).
HICON CaptionIcon(HWND hwnd);

}  // namespace platform
