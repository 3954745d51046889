// System colours: the classic scheme, in one table, and a permanent brush of
// each colour.
#include <array>

#include "platform/gdi/objects.h"

namespace {

constexpr int kColourCount = COLOR_MENUBAR + 1;

constexpr std::array<COLORREF, kColourCount> kClassicColours = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25, unused
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

}  // namespace

DWORD GetSysColor(int index) {
  if (index < 0 || index >= kColourCount) return 0;
  return kClassicColours[static_cast<std::size_t>(index)];
}

HBRUSH GetSysColorBrush(int index) {
  static const std::array<HBRUSH, kColourCount> brushes = [] {
    std::array<HBRUSH, kColourCount> made{};
    for (int i = 0; i < kColourCount; ++i) {
      auto brush = std::make_unique<platform::BrushObject>();
      brush->logBrush = LOGBRUSH{BS_SOLID, kClassicColours[static_cast<std::size_t>(i)], 0};
      made[static_cast<std::size_t>(i)] = platform::InsertGdi<HBRUSH>(std::move(brush), true);
    }
    return made;
  }();
  if (index < 0 || index >= kColourCount) return nullptr;
  return brushes[static_cast<std::size_t>(index)];
}
