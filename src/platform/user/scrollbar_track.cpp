// The scroll-bar tracking loop, shared by a window's own bars and the
// "ScrollBar" control. A press on an arrow or a page part sends its request
// at once and again on a timer while the pointer stays on the part; a press
// on the thumb drags it, sending SB_THUMBTRACK as the position it stands for
// changes and SB_THUMBPOSITION when it is let go; every press ends with
// SB_ENDSCROLL. Other windows' messages are dispatched meanwhile.
#include <algorithm>

#include "platform/gdi/gdi.h"
#include "platform/user/scrollbar_internal.h"

namespace platform {
namespace {

// The repeat timer of the loop (a system timer of the tracked window).
constexpr UINT_PTR kRepeatTimer = 0xFFFA;
constexpr UINT kFirstRepeatDelay = 200;
constexpr UINT kRepeatDelay = 50;

class ScrollTracker {
 public:
  ScrollTracker(HWND hwnd, int bar) : hwnd_(hwnd), bar_(bar) {}

  void Run(POINT screen) {
    ScrollBarState* state = ScrollBarStateOf(hwnd_, bar_);
    if (state == nullptr || !Geometry()) return;
    if ((state->disabledArrows & ESB_DISABLE_BOTH) == ESB_DISABLE_BOTH) return;
    part_ = PartAt(screen);
    if (part_ == kScrollPartNone) return;
    if (part_ == kScrollPartFirstArrow && (state->disabledArrows & ESB_DISABLE_LTUP)) return;
    if (part_ == kScrollPartSecondArrow && (state->disabledArrows & ESB_DISABLE_RTDN)) return;
    SetCapture(hwnd_);
    state->pressedPart = part_;
    if (part_ == kScrollPartThumb) {
      const ScrollBarLayout layout = Layout(*state);
      pressThumbStart_ = layout.thumbStart;
      grab_ = Along(screen) - layout.thumbStart;
      state->draggingThumb = true;
      state->dragThumbStart = layout.thumbStart;
      state->trackPos = state->pos;
      RedrawScrollBar(hwnd_, bar_);
    } else {
      RedrawScrollBar(hwnd_, bar_);
      Notify(static_cast<WORD>(part_), 0);
      SetSystemTimer(hwnd_, kRepeatTimer, kFirstRepeatDelay);
    }
    Loop();
    Finish();
  }

 private:
  void Loop() {
    MSG msg{};
    for (;;) {
      if (!GetMessageW(&msg, nullptr, 0, 0)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      if (CallMsgFilterW(&msg, MSGF_SCROLLBAR)) continue;
      if (!PeekWindowObject(hwnd_) || GetCapture() != hwnd_) return;
      switch (msg.message) {
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
          return;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
          // The release may have been taken by someone else.
          if (!(GetKeyState(VK_LBUTTON) & 0x8000)) return;
          Moved(msg.pt);
          break;
        case WM_SYSTIMER:
          if (msg.hwnd == hwnd_ && msg.wParam == kRepeatTimer) {
            Repeat();
            break;
          }
          [[fallthrough]];
        default:
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
          break;
      }
    }
  }

  void Finish() {
    KillSystemTimer(hwnd_, kRepeatTimer);
    if (GetCapture() == hwnd_) ReleaseCapture();
    ScrollBarState* state = ScrollBarStateOf(hwnd_, bar_);
    if (state == nullptr) return;
    // The track position stays readable while SB_THUMBPOSITION is handled.
    if (part_ == kScrollPartThumb) Notify(SB_THUMBPOSITION, state->trackPos);
    if ((state = ScrollBarStateOf(hwnd_, bar_)) == nullptr) return;
    state->pressedPart = kScrollPartNone;
    state->draggingThumb = false;
    RedrawScrollBar(hwnd_, bar_);
    Notify(SB_ENDSCROLL, 0);
  }

  // A timer tick: the held arrow or page part acts again while the pointer
  // is on it (a page part stops once the thumb has reached the pointer).
  void Repeat() {
    SetSystemTimer(hwnd_, kRepeatTimer, kRepeatDelay);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!Geometry() || PartAt(cursor) != part_) return;
    Notify(static_cast<WORD>(part_), 0);
  }

  void Moved(POINT screen) {
    ScrollBarState* state = ScrollBarStateOf(hwnd_, bar_);
    if (state == nullptr || !Geometry()) return;
    if (part_ != kScrollPartThumb) {
      // The held part looks pressed only while the pointer is on it.
      const int shown = PartAt(screen) == part_ ? part_ : kScrollPartNone;
      if (shown != state->pressedPart) {
        state->pressedPart = shown;
        RedrawScrollBar(hwnd_, bar_);
      }
      return;
    }
    // Too far from the bar, the thumb goes back to where it was pressed.
    const int start = NearBar(screen) ? Along(screen) - grab_ : pressThumbStart_;
    ScrollBarState undragged = *state;
    undragged.draggingThumb = false;
    const ScrollBarLayout layout = Layout(undragged);
    const int free = std::max(0, layout.length - 2 * layout.arrow - layout.thumbSize);
    const int clamped = std::clamp(start, layout.arrow, layout.arrow + free);
    const int pos = NearBar(screen) ? ScrollPositionFromThumb(*state, layout, clamped) : state->pos;
    if (clamped != state->dragThumbStart) {
      state->dragThumbStart = clamped;
      RedrawScrollBar(hwnd_, bar_);
      if ((state = ScrollBarStateOf(hwnd_, bar_)) == nullptr) return;
    }
    if (pos != state->trackPos) {
      state->trackPos = pos;
      Notify(SB_THUMBTRACK, pos);
    }
  }

  bool Geometry() { return ScrollBarScreenRect(hwnd_, bar_, rect_, vertical_); }

  ScrollBarLayout Layout(const ScrollBarState& state) const { return LayoutOf(state, rect_, vertical_); }

  int Along(POINT screen) const { return vertical_ ? screen.y - rect_.top : screen.x - rect_.left; }

  int PartAt(POINT screen) const {
    const ScrollBarState* state = ScrollBarStateOf(hwnd_, bar_);
    if (state == nullptr || !PtInRect(&rect_, screen)) return kScrollPartNone;
    ScrollBarState undragged = *state;
    undragged.draggingThumb = false;
    return ScrollPartAt(Layout(undragged), Along(screen));
  }

  // The thumb follows the pointer within eight bar widths across the bar
  // and two beyond its ends.
  bool NearBar(POINT screen) const {
    RECT near = rect_;
    const int thickness = vertical_ ? rect_.right - rect_.left : rect_.bottom - rect_.top;
    if (vertical_) {
      InflateRect(&near, 8 * thickness, 2 * thickness);
    } else {
      InflateRect(&near, 2 * thickness, 8 * thickness);
    }
    return PtInRect(&near, screen) != FALSE;
  }

  // Window bars tell the window itself; a control tells its parent, with
  // itself in lParam.
  void Notify(WORD code, int pos) {
    if (!PeekWindowObject(hwnd_)) return;
    const UINT message = vertical_ ? WM_VSCROLL : WM_HSCROLL;
    const WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(pos));
    if (bar_ != SB_CTL) {
      SendMessageW(hwnd_, message, wParam, 0);
      return;
    }
    HWND parent = GetParent(hwnd_);
    if (parent != nullptr) SendMessageW(parent, message, wParam, reinterpret_cast<LPARAM>(hwnd_));
  }

  HWND hwnd_;
  int bar_;
  RECT rect_{};
  bool vertical_ = false;
  int part_ = kScrollPartNone;
  int pressThumbStart_ = 0;
  int grab_ = 0;
};

}  // namespace

void TrackScrollBar(HWND hwnd, int bar, POINT screen) { ScrollTracker(hwnd, bar).Run(screen); }

}  // namespace platform
