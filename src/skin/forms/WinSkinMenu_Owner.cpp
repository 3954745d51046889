// The owner-drawn entries of a skinned window's menus: WM_MEASUREITEM and
// WM_DRAWITEM at the window, for the entries of its form's menu bar and for
// raw entries of menus the toolkit does not know (text from the menu).
#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "skin/forms/WinSkinMenu_Entry.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

namespace {

// Identifiers the platform and the toolkit give their own entries: passed
// on when the form's menu does not know them.
constexpr UINT kLastReservedId = 0xFFF;
constexpr int kMenuTextBytes = 80;

bool NineXFamily() { return (SkinPlatformVersion() & 0x80000000u) != 0; }

bool IsNT4() {
  const DWORD version = SkinPlatformVersion();
  return !NineXFamily() && static_cast<int>(version & 0xFF) < 5;
}

TMenu* BarMenu(const TWinSkinForm& form) {
  auto* owner = dynamic_cast<TCustomForm*>(form.FFormControl);
  return owner != nullptr ? dynamic_cast<TMenu*>(owner->Menu()) : nullptr;
}

AnsiString MenuText(HMENU menu, UINT id) {
  char text[kMenuTextBytes + 1] = {};
  if (menu == nullptr || GetMenuStringA(menu, id, text, kMenuTextBytes, MF_BYCOMMAND) <= 0) return {};
  return AnsiString(text);
}

// The program's own events draw first; the engine's or none: the skin's.
bool OwnEvent(const TMenuItem* item, bool draw) {
  return draw ? item->OnDrawItem && !HasSkinnedDrawEvent(item)
              : item->OnMeasureItem && !HasSkinnedMeasureEvent(item);
}

LRESULT MeasureEntry(TWinSkinForm& form, TMenuItem* item, MEASUREITEMSTRUCT& measure) {
  TSkinData* skin = form.FSkin;
  HDC dc = GetDC(form.FHandle);
  TCanvas canvas;
  canvas.SetHandle(dc);
  UseMenuFont(&canvas, false);
  int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
  if (item != nullptr) {
    if (OwnEvent(item, false)) {
      item->MeasureItem(&canvas, width, height);
    } else {
      MeasureMainItem(skin, item, &canvas, width, height);
    }
  } else {
    // The open drop-down's text; the whole bar's when none is open.
    HMENU source = form.FOpenSubMenu != nullptr ? form.FOpenSubMenu : form.FMenuHandle;
    if (source == nullptr) source = GetMenu(form.FHandle);
    const AnsiString text = MenuText(source, measure.itemID);
    const int left = skin->MenuItem != nullptr ? skin->MenuItem->LeftWidth : 0;
    const SIZE extent = canvas.TextExtent(text);
    width = extent.cx + 26 + left;
    height = text.empty() ? 8 : extent.cy + 4;
    if (NineXFamily()) height += 4;
  }
  canvas.SetHandle(nullptr);
  ReleaseDC(form.FHandle, dc);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return TRUE;
}

// A raw entry drawn from a temporary item that tells what the menu says.
void DrawRaw(TWinSkinForm& form, const DRAWITEMSTRUCT& draw, TCanvas& canvas, TMenu* bar) {
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  TMenuItem entry(nullptr);
  const AnsiString text = MenuText(menu, draw.itemID);
  entry.SetCaption(text.empty() ? AnsiString("-") : text);
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
  bool subMenu = false;
  if (GetMenuItemInfoA(menu, draw.itemID, FALSE, &info)) {
    entry.SetEnabled((info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0);
    entry.SetRadioItem((info.fType & MFT_RADIOCHECK) != 0);
    entry.SetChecked((info.fState & MFS_CHECKED) != 0);
    entry.SetDefault((info.fState & MFS_DEFAULT) != 0);
    subMenu = info.hSubMenu != nullptr;
  }
  const TRect rect = Rect(draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom);
  DrawRawItem(form.FSkin, menu, &entry, (draw.itemState & ODS_SELECTED) != 0, rect, &canvas, bar, subMenu);
}

bool DrawEntry(TWinSkinForm& form, DRAWITEMSTRUCT& draw) {
  TMenu* bar = BarMenu(form);
  TMenuItem* item = bar != nullptr ? bar->FindItem(draw.itemID, TFindItemKind::fkCommand) : nullptr;
  if (form.FFormControl != nullptr && item == nullptr && draw.itemID >= 1 && draw.itemID <= kLastReservedId) {
    return false;
  }
  if (SkinManager != nullptr) SkinManager->AssignMenuHandle(reinterpret_cast<HMENU>(draw.hwndItem));
  const int saved = SaveDC(draw.hDC);
  TCanvas canvas;
  canvas.SetHandle(draw.hDC);
  UseMenuFont(&canvas, false);
  const TRect rect = Rect(draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (form.FFormControl != nullptr && item != nullptr) {
    if (OwnEvent(item, true)) {
      item->DrawItem(&canvas, rect, selected);
    } else if (form.FSkin->MenuItem != nullptr) {
      DrawSkinnedItem(form.FSkin, item, &canvas, rect, selected, bar);
    } else {
      DrawPlainItem(form.FSkin, item, &canvas, rect, selected, bar);
    }
  } else {
    DrawRaw(form, draw, canvas, bar);
  }
  canvas.SetHandle(nullptr);
  RestoreDC(draw.hDC, saved);
  return true;
}

}  // namespace

bool SkinMenuOwnerMessage(TWinSkinForm& form, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_MEASUREITEM && message != WM_DRAWITEM) return false;
  if (lParam == 0 || form.FSkin == nullptr) return false;
  const bool hasMenu = form.FMenuHandle != nullptr || GetMenu(form.FHandle) != nullptr;
  if (!hasMenu) return false;
  if (message == WM_MEASUREITEM) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure.CtlType != ODT_MENU) return false;
    TMenu* bar = BarMenu(form);
    TMenuItem* item = bar != nullptr ? bar->FindItem(measure.itemID, TFindItemKind::fkCommand) : nullptr;
    if (form.FFormControl != nullptr && item == nullptr && measure.itemID >= 1 && measure.itemID <= kLastReservedId) {
      return false;
    }
    result = MeasureEntry(form, form.FFormControl != nullptr ? item : nullptr, measure);
    return true;
  }
  auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (draw.CtlType != ODT_MENU) return false;
  if (form.FKind == kKindMDIFrame && IsNT4()) return false;
  if (!DrawEntry(form, draw)) return false;
  result = TRUE;
  return true;
}
