// Painting a combo box: its background in the brush the parent answers
// to WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when disabled), the sunken frame,
// the drop-down button, and the selection field of CBS_DROPDOWNLIST,
// drawn by the painter or by the parent for owner-drawn combo boxes.
#include "platform/controls/classic_look.h"
#include "platform/controls/combobox_internal.h"
#include "platform/controls/listbox.h"

namespace platform {
namespace {

bool OwnerDrawn(HWND hwnd) {
  return (GetWindowLongW(hwnd, GWL_STYLE) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

void Field(HWND hwnd, HDC dc, const ComboData& c, bool enabled) {
  const RECT item = ComboItemRect(hwnd, c);
  const auto index = static_cast<int>(SendMessageW(c.list, LB_GETCURSEL, 0, 0));
  const bool highlighted = c.focused && enabled;
  if (OwnerDrawn(hwnd)) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemID = static_cast<UINT>(index);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_COMBOBOXEDIT | (highlighted ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = item;
    if (index >= 0) dis.itemData = static_cast<ULONG_PTR>(SendMessageW(c.list, LB_GETITEMDATA, index, 0));
    if (c.parent) SendMessageW(c.parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    return;
  }
  ListItemLook look;
  if (index >= 0) {
    look.text.resize(static_cast<std::size_t>(SendMessageW(c.list, LB_GETTEXTLEN, index, 0)) + 1);
    look.text.resize(static_cast<std::size_t>(
        SendMessageW(c.list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(look.text.data()))));
  }
  look.font = c.font ? c.font : DefaultControlFont();
  look.selected = highlighted;
  look.focused = highlighted;
  look.enabled = enabled;
  CurrentPainter().ListItem(dc, item, look);
}

}  // namespace

void PaintCombo(HWND hwnd, HDC dc, ComboData& c) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  HBRUSH brush = nullptr;
  if (c.parent) {
    brush = reinterpret_cast<HBRUSH>(SendMessageW(c.parent, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                                                  reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  }
  if (brush == nullptr) brush = GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_3DFACE);
  const RECT item = ComboItemRect(hwnd, c);
  RECT box = client;
  if (ComboType(hwnd) == CBS_SIMPLE) box.bottom = item.bottom + 3;
  FillRect(dc, &box, brush);
  ControlPainter& painter = CurrentPainter();
  painter.ComboFrame(dc, box);
  if (ComboType(hwnd) != CBS_SIMPLE) painter.ComboButton(dc, ComboButtonRect(hwnd), c.buttonHeld, enabled);
  if (ComboType(hwnd) == CBS_DROPDOWNLIST) Field(hwnd, dc, c, enabled);
}

}  // namespace platform
