// Painting a "SysTabControl32" through the painter: the strip and display
// frame, the tabs row by row from the farthest from the display area, the
// selected tab last and grown; owner-drawn tabs get WM_DRAWITEM (ODT_TAB)
// for their inside. The scroller paints itself over the strip's end.
#include "platform/controls/classic_look.h"
#include "platform/controls/tab_control_internal.h"

namespace platform::tabs {
namespace {

constexpr int kGrowth = 2;

RECT Grown(RECT r, TabSide side) {
  switch (side) {
    case TabSide::Top: return RECT{r.left - kGrowth, r.top - kGrowth, r.right + kGrowth, r.bottom + 1};
    case TabSide::Bottom: return RECT{r.left - kGrowth, r.top - 1, r.right + kGrowth, r.bottom + kGrowth};
    case TabSide::Left: return RECT{r.left - kGrowth, r.top - kGrowth, r.right + 1, r.bottom + kGrowth};
    case TabSide::Right: return RECT{r.left - 1, r.top - kGrowth, r.right + kGrowth, r.bottom + kGrowth};
  }
  return r;
}

void DrawOwnerPart(HWND hwnd, const TabData& data, int index, HDC dc, const RECT& rect) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_TAB;
  draw.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  draw.itemID = static_cast<UINT>(index);
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = index == data.selected ? ODS_SELECTED : 0;
  if (!IsWindowEnabled(hwnd)) draw.itemState |= ODS_DISABLED;
  draw.hwndItem = hwnd;
  draw.hDC = dc;
  draw.rcItem = rect;
  draw.itemData = static_cast<ULONG_PTR>(data.items[static_cast<std::size_t>(index)].param);
  SendMessageW(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

}  // namespace

void Paint(HWND hwnd, TabData& data, HDC dc) {
  const DWORD style = Style(hwnd);
  ControlPainter& painter = CurrentPainter();
  TabStripLook strip;
  GetClientRect(hwnd, &strip.client);
  strip.side = SideOf(style);
  strip.buttons = (style & TCS_BUTTONS) != 0;
  strip.display = strip.client;
  AdjustRect(style, data, false, strip.display);
  InflateRect(&strip.display, 4, 4);
  const int saved = SaveDC(dc);
  const RECT visible = VisibleStrip(hwnd, data);
  if (visible.right < strip.client.right) {
    // Tabs scrolled under the scroller are cut off at its edge.
    if (strip.side == TabSide::Bottom) {
      ExcludeClipRect(dc, visible.right, strip.display.bottom, strip.client.right, strip.client.bottom);
    } else {
      ExcludeClipRect(dc, visible.right, strip.client.top, strip.client.right, strip.display.top);
    }
  }
  painter.TabStrip(dc, strip);

  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  auto draw = [&](int index) {
    const TabItem& item = data.items[static_cast<std::size_t>(index)];
    TabItemLook look;
    look.side = strip.side;
    look.buttons = strip.buttons;
    look.flat = (style & TCS_FLATBUTTONS) != 0;
    look.selected = index == data.selected;
    look.pressed = (item.state & TCIS_BUTTONPRESSED) != 0;
    look.highlighted = (item.state & TCIS_HIGHLIGHTED) != 0;
    look.hot = index == data.hot;
    look.focused = data.focused && index == data.focus;
    look.enabled = enabled;
    look.ownerDrawn = (style & TCS_OWNERDRAWFIXED) != 0;
    look.lastInRow = index + 1 == static_cast<int>(data.items.size()) ||
                     data.items[static_cast<std::size_t>(index + 1)].row != item.row;
    look.text = item.text;
    look.font = data.font != nullptr ? data.font : DefaultControlFont();
    look.images = data.images;
    look.image = item.image;
    look.paddingX = data.paddingX;
    look.rect = look.selected && !look.buttons ? Grown(item.rect, strip.side) : item.rect;
    painter.TabItem(dc, look);
    if (look.ownerDrawn) DrawOwnerPart(hwnd, data, index, dc, item.rect);
  };
  const int count = static_cast<int>(data.items.size());
  for (int row = data.rows - 1; row >= 0; --row) {
    for (int i = 0; i < count; ++i) {
      if (data.items[static_cast<std::size_t>(i)].row == row && i != data.selected) draw(i);
    }
  }
  if (data.selected >= 0 && data.selected < count) draw(data.selected);
  RestoreDC(dc, saved);
}

}  // namespace platform::tabs
