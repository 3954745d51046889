// Painting a window's own scroll bars and the size box between them, through
// the control painter (the classic look unless a painter replaces it).
#include "platform/controls/classic_look.h"
#include "platform/user/scrollbar_internal.h"

namespace platform {
namespace {

void PaintBar(HDC dc, const WindowObject& w, int bar) {
  RECT rect{};
  bool vertical = false;
  if (!ScrollBarRect(w.handle, bar, rect, vertical) || rect.right <= rect.left || rect.bottom <= rect.top) return;
  const ScrollBarState* state = ScrollBarStateOf(w.handle, bar);
  if (state == nullptr) return;
  const int length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  CurrentPainter().ScrollBar(dc, rect, MakeScrollBarLook(*state, vertical, length, ScrollArrowSize(vertical)));
}

}  // namespace

void PaintWindowScrollBars(HDC dc, const WindowObject& w) {
  PaintBar(dc, w, SB_VERT);
  PaintBar(dc, w, SB_HORZ);
  const RECT box = SizeBoxRect(w);
  if (box.right > box.left && box.bottom > box.top) CurrentPainter().SizeBox(dc, box, false);
}

}  // namespace platform
