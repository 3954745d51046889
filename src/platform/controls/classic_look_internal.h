// Drawing helpers shared by the classic look's files.
#pragma once

#include <string>

#include "platform/controls/classic_look.h"

namespace platform::classic {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// Disabled text is embossed: a white copy one pixel down and right under
// the grey text.
void DrawLabel(HDC dc, const std::u16string& text, RECT rect, UINT format, bool enabled, COLORREF colour);

}  // namespace platform::classic
