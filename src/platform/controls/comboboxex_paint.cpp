// Measuring and drawing the items of a "ComboBoxEx32" for its owner-drawn
// combo box: an item is as tall as its text or its image, whichever is
// taller; the list shows each item's image after its indent, the field the
// selection's image (unless CBES_EX_NOEDITIMAGE) and, without an edit over
// it, its text. The painter draws them.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/comboboxex_internal.h"

namespace platform {
namespace {

// Text items need this much more than the font's height.
constexpr int kTextExtra = 3;
constexpr int kImageRoom = 4;

SIZE ImageSize(const ComboExData& c) {
  int width = 0, height = 0;
  if (c.images == nullptr || !ImageList_GetIconSize(c.images, &width, &height)) return SIZE{0, 0};
  return SIZE{width, height};
}

int TextHeight(const ComboExData& c) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, c.font ? c.font : DefaultControlFont());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return tm.tmHeight;
}

}  // namespace

int ComboExImageWidth(const ComboExData& c) { return c.images ? ImageSize(c).cx + kImageRoom : 0; }

int ComboExItemHeight(const ComboExData& c) {
  return std::clamp(std::max<int>(TextHeight(c) + kTextExtra, ImageSize(c).cy), 1, 255);
}

void MeasureComboExItem(const ComboExData& c, MEASUREITEMSTRUCT& mis) {
  mis.itemHeight = static_cast<UINT>(ComboExItemHeight(c));
}

void DrawComboExItem(const ComboExData& c, const DRAWITEMSTRUCT& dis) {
  const bool field = (dis.itemState & ODS_COMBOBOXEDIT) != 0;
  const int index = static_cast<int>(dis.itemID);
  const bool enabled = (dis.itemState & ODS_DISABLED) == 0;
  ComboExItemLook look;
  look.rect = dis.rcItem;
  look.background = GetSysColor(enabled ? COLOR_WINDOW : COLOR_3DFACE);
  look.font = c.font ? c.font : DefaultControlFont();
  look.enabled = enabled;
  look.selected = (dis.itemState & ODS_SELECTED) != 0;
  look.focused = (dis.itemState & ODS_FOCUS) != 0;
  look.images = c.images;
  if (field) {
    if (c.exStyle & CBES_EX_NOEDITIMAGEINDENT) look.images = nullptr;
    if (ComboExOwnEdit(c.self)) {
      look.showText = false;
      look.selected = look.focused = false;
    }
  }
  if (index >= 0 && index < static_cast<int>(c.items.size())) {
    const ComboExItem& item = c.items[static_cast<std::size_t>(index)];
    look.text = item.text;
    look.image = look.selected && item.selectedImage >= 0 ? item.selectedImage : item.image;
    if (!field) look.indent = item.indent * kComboExIndent;
    if (field && (c.exStyle & CBES_EX_NOEDITIMAGE)) look.image = -1;
  }
  CurrentPainter().ComboExItem(dis.hDC, look);
}

}  // namespace platform
