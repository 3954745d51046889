// What the painter is told to draw for track bars, progress bars and
// up-down controls (see the bar drawing points of ControlPainter).
#pragma once

#include <vector>

#include "platform/controls/controls.h"

namespace platform {

struct ProgressLook {
  int low = 0;
  int high = 100;
  int position = 0;
  bool vertical = false;              // fills bottom to top
  bool smooth = false;                // one bar instead of blocks
  COLORREF bar = CLR_DEFAULT;         // CLR_DEFAULT: the highlight colour
  COLORREF background = CLR_DEFAULT;  // CLR_DEFAULT: the face colour
};

// The two arrow halves of an up-down control.
enum class UpDownPart { None, Increment, Decrement };

// Beside an edit buddy the arrows carry on the buddy's sunken border on
// the side away from it.
enum class UpDownBuddyBorder { None, Left, Right };

struct UpDownLook {
  bool horizontal = false;  // increment on the right instead of on top
  UpDownPart pressed = UpDownPart::None;
  bool enabled = true;
  UpDownBuddyBorder buddyBorder = UpDownBuddyBorder::None;
  RECT arrows{};  // the part of the client area the two arrows share
};

// A tick of a track bar: where along the axis it stands (client
// coordinate), whether it marks an end of the range (drawn longer) or an
// end of the selection (-1 its start, 1 its end; drawn as a small wedge).
struct TrackBarTic {
  int at = 0;
  bool edge = false;
  int selectionMark = 0;
};

struct TrackBarLook {
  bool vertical = false;
  bool enabled = true;
  bool focused = false;
  bool thumbPressed = false;
  // Which sides the ticks stand on (above/left, below/right of the thumb);
  // a thumb points at its ticks unless they stand on both sides.
  bool ticsBefore = false;
  bool ticsAfter = true;
  bool selectionEnabled = false;
  RECT client{};
  RECT channel{};
  RECT thumb{};
  RECT selection{};  // inside the channel; empty when there is none
  // Across the axis: where ticks before the thumb and after it start.
  int ticsBeforeFrom = 0;
  int ticsAfterFrom = 0;
  std::vector<TrackBarTic> tics;
};

}  // namespace platform
