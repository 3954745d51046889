// The state of one scroll bar and where its parts lie, shared by the
// window's own bars, the "ScrollBar" control, the tracking loop and the
// painters. Lengths and offsets run along the bar from its start (top or
// left); no window is looked at here.
#pragma once

#include "platform/user/scrollbar.h"

namespace platform {

// Part codes are the request codes a press on the part sends.
constexpr int kScrollPartNone = -1;
constexpr int kScrollPartFirstArrow = SB_LINEUP;
constexpr int kScrollPartSecondArrow = SB_LINEDOWN;
constexpr int kScrollPartPageBefore = SB_PAGEUP;
constexpr int kScrollPartPageAfter = SB_PAGEDOWN;
constexpr int kScrollPartThumb = SB_THUMBTRACK;

struct ScrollBarState {
  int min = 0;
  int max = 0;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
  UINT disabledArrows = ESB_ENABLE_BOTH;  // ESB_DISABLE_* bits
  // While the tracking loop runs: the part held down (drawn pressed) and,
  // while the thumb is dragged, where the thumb is drawn.
  int pressedPart = kScrollPartNone;
  bool draggingThumb = false;
  int dragThumbStart = 0;
};

struct ScrollBarLayout {
  int length = 0;      // along the bar
  int arrow = 0;       // length of each arrow button
  int thumbStart = 0;  // 0 and 0: no thumb
  int thumbSize = 0;
};

// What a painter needs to draw one bar.
struct ScrollBarLook {
  bool vertical = true;
  ScrollBarLayout layout;
  bool firstArrowEnabled = true;
  bool secondArrowEnabled = true;
  int pressedPart = kScrollPartNone;
};

// The largest position the thumb can reach: max less the page.
int LastScrollPosition(const ScrollBarState& state);
// The bar laid out over `length` pixels; `thickness` sizes the thumb of a
// bar without a page. A dragged thumb lies where it is dragged.
ScrollBarLayout LayoutScrollBar(const ScrollBarState& state, int length, int thickness);
// The part at `offset` along the bar (kScrollPartNone outside it).
int ScrollPartAt(const ScrollBarLayout& layout, int offset);
// The position a thumb starting at `thumbStart` pixels stands for.
int ScrollPositionFromThumb(const ScrollBarState& state, const ScrollBarLayout& layout, int thumbStart);
ScrollBarLook MakeScrollBarLook(const ScrollBarState& state, bool vertical, int length, int thickness);

// SetScrollInfo's rules on one bar: answers the new position; `rangeOrPage`
// tells whether the range or the page changed.
int ApplyScrollInfo(ScrollBarState& state, const SCROLLINFO& info, bool& rangeOrPage);
// GetScrollInfo's answer from one bar, for the fields info.fMask asks.
void ReadScrollInfo(const ScrollBarState& state, SCROLLINFO& info);
// True when the range leaves nothing to scroll.
bool NothingToScroll(const ScrollBarState& state);

}  // namespace platform
