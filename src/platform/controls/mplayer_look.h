// What one button of a media player's strip looks like now, as the toolkit's
// TMediaPlayer hands it to the painter.
#pragma once

#include "platform/gdi/gdi.h"

namespace platform {

// The glyphs of media-player buttons are drawn over olive, which stays unpainted.
inline constexpr COLORREF kMediaPlayerGlyphTransparent = 0x008080;

struct MediaPlayerButtonLook {
  RECT rect{};               // the button's cell
  bool pressed = false;      // held down by the mouse or the space bar
  bool focused = false;      // the player has the focus and this is its focus button
  HBITMAP glyph = nullptr;   // already chosen for the state (enabled, disabled, coloured); may be null
};

}  // namespace platform
