// The label of a "Button" in the classic look: where it goes and how it is
// drawn, shared by the push, check and group drawings.
#pragma once

#include "platform/controls/classic_look_internal.h"

namespace platform::classic {

// Places the label inside `area` as the look's format says (left, centre or
// right; top, centre or bottom), one pixel in from a side it is aligned to,
// to leave room for the focus rectangle. Answers false, with an empty
// rectangle, when there is nothing to draw.
bool PlaceButtonLabel(HDC dc, const RECT& area, const ButtonLook& look, RECT& label);
// Draws the label into the rectangle PlaceButtonLabel answered: the text in
// the DC's colour and background mode, or the image; a disabled label is
// embossed.
void DrawButtonLabel(HDC dc, const RECT& label, const ButtonLook& look);

}  // namespace platform::classic
