// The classic look of status bars: the face, parts with a thin sunken
// border (raised for SBT_POPOUT, none for SBT_NOBORDERS) whose text tabs
// split into left, centred and right pieces, and the diagonal size grip.
#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::StatusBarBackground(HDC dc, const RECT& client) {
  classic::FillSolid(dc, client, GetSysColor(COLOR_3DFACE));
}

void ControlPainter::StatusBarPart(HDC dc, const StatusPartLook& look) {
  RECT r = look.rect;
  if (!(look.type & SBT_NOBORDERS)) {
    DrawEdge(dc, &r, (look.type & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  }
  if (look.ownerDrawn || look.text.empty()) return;
  InflateRect(&r, -2, 0);
  HGDIOBJ previous = SelectObject(dc, look.font);
  static constexpr UINT kAlign[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  std::size_t from = 0;
  for (int piece = 0; piece < 3 && from <= look.text.size(); ++piece) {
    std::size_t tab = piece < 2 ? look.text.find(u'\t', from) : std::u16string::npos;
    if (tab == std::u16string::npos) tab = look.text.size();
    const std::u16string text = look.text.substr(from, tab - from);
    if (!text.empty()) {
      classic::DrawLabel(dc, text, r, kAlign[piece] | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, true,
                         GetSysColor(COLOR_BTNTEXT));
    }
    from = tab + 1;
  }
  SelectObject(dc, previous);
}

void ControlPainter::StatusBarGrip(HDC dc, const RECT& grip) {
  RECT r = grip;
  DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

}  // namespace platform
