// Scroll-bar arithmetic: the range, page and position rules of
// SetScrollInfo, and where arrows and thumb lie along a bar.
#include "platform/user/scrollbar_layout.h"

#include <algorithm>
#include <cstdint>

#include "platform/base/muldiv.h"

namespace platform {
namespace {

// The thumb of a proportional bar never gets shorter than this.
constexpr int kMinimumThumb = 8;

int PageFor(const ScrollBarState& state) { return static_cast<int>(std::min<UINT>(state.page, 0x7FFFFFFF)); }

int ThumbSize(const ScrollBarState& state, int track, int thickness) {
  if (state.page == 0) return thickness;
  const std::int64_t range = static_cast<std::int64_t>(state.max) - state.min + 1;
  const int size = static_cast<int>(static_cast<std::int64_t>(track) * PageFor(state) / std::max<std::int64_t>(1, range));
  return std::max(size, kMinimumThumb);
}

}  // namespace

int LastScrollPosition(const ScrollBarState& state) {
  const std::int64_t last = static_cast<std::int64_t>(state.max) - std::max(PageFor(state) - 1, 0);
  return static_cast<int>(std::max<std::int64_t>(last, state.min));
}

bool NothingToScroll(const ScrollBarState& state) {
  return static_cast<std::int64_t>(state.min) >=
         static_cast<std::int64_t>(state.max) - std::max(PageFor(state) - 1, 0);
}

ScrollBarLayout LayoutScrollBar(const ScrollBarState& state, int length, int thickness) {
  ScrollBarLayout layout;
  layout.length = std::max(length, 0);
  // Arrows share a bar too short for both.
  layout.arrow = std::min(thickness, layout.length / 2);
  const int track = layout.length - 2 * layout.arrow;
  if ((state.disabledArrows & ESB_DISABLE_BOTH) == ESB_DISABLE_BOTH || track <= 0) return layout;
  const int size = ThumbSize(state, track, thickness);
  if (size > track) return layout;
  layout.thumbSize = size;
  const int last = LastScrollPosition(state);
  if (state.draggingThumb) {
    layout.thumbStart = std::clamp(state.dragThumbStart, layout.arrow, layout.arrow + track - size);
  } else if (state.min >= last) {
    layout.thumbStart = layout.arrow;
  } else {
    const int pos = std::clamp(state.pos, state.min, last);
    layout.thumbStart = layout.arrow + MulDiv(track - size, pos - state.min, last - state.min);
  }
  return layout;
}

int ScrollPartAt(const ScrollBarLayout& layout, int offset) {
  if (offset < 0 || offset >= layout.length) return kScrollPartNone;
  if (offset < layout.arrow) return kScrollPartFirstArrow;
  if (offset >= layout.length - layout.arrow) return kScrollPartSecondArrow;
  if (layout.thumbSize == 0) return kScrollPartNone;
  if (offset < layout.thumbStart) return kScrollPartPageBefore;
  if (offset >= layout.thumbStart + layout.thumbSize) return kScrollPartPageAfter;
  return kScrollPartThumb;
}

int ScrollPositionFromThumb(const ScrollBarState& state, const ScrollBarLayout& layout, int thumbStart) {
  const int free = layout.length - 2 * layout.arrow - layout.thumbSize;
  if (free <= 0) return state.min;
  const int offset = std::clamp(thumbStart - layout.arrow, 0, free);
  return state.min + MulDiv(offset, LastScrollPosition(state) - state.min, free);
}

ScrollBarLook MakeScrollBarLook(const ScrollBarState& state, bool vertical, int length, int thickness) {
  ScrollBarLook look;
  look.vertical = vertical;
  look.layout = LayoutScrollBar(state, length, thickness);
  look.firstArrowEnabled = !(state.disabledArrows & ESB_DISABLE_LTUP);
  look.secondArrowEnabled = !(state.disabledArrows & ESB_DISABLE_RTDN);
  look.pressedPart = state.pressedPart;
  return look;
}

int ApplyScrollInfo(ScrollBarState& state, const SCROLLINFO& info, bool& rangeOrPage) {
  rangeOrPage = false;
  if (info.fMask & SIF_RANGE) {
    // A reversed range, or one wider than a signed 32-bit span, becomes
    // the empty range 0..0.
    const bool valid = info.nMin <= info.nMax &&
                       static_cast<std::int64_t>(info.nMax) - info.nMin < std::int64_t{0x80000000};
    const int min = valid ? info.nMin : 0;
    const int max = valid ? info.nMax : 0;
    if (state.min != min || state.max != max) {
      state.min = min;
      state.max = max;
      rangeOrPage = true;
    }
  }
  if (info.fMask & SIF_PAGE) {
    if (state.page != info.nPage) {
      state.page = info.nPage;
      rangeOrPage = true;
    }
  }
  // The page never exceeds the range.
  const std::int64_t span = static_cast<std::int64_t>(state.max) - state.min + 1;
  if (static_cast<std::int64_t>(state.page) > span) state.page = static_cast<UINT>(span);
  if (info.fMask & SIF_POS) state.pos = info.nPos;
  state.pos = std::clamp(state.pos, state.min, LastScrollPosition(state));
  return state.pos;
}

void ReadScrollInfo(const ScrollBarState& state, SCROLLINFO& info) {
  if (info.fMask & SIF_RANGE) {
    info.nMin = state.min;
    info.nMax = state.max;
  }
  if (info.fMask & SIF_PAGE) info.nPage = state.page;
  if (info.fMask & SIF_POS) info.nPos = state.pos;
  if (info.fMask & SIF_TRACKPOS) info.nTrackPos = state.draggingThumb ? state.trackPos : state.pos;
}

}  // namespace platform
