// TMenuItem: the tree of items, their properties as form resources set them,
// the entries they make in their menu's HMENU, and the shortcut texts.
#include "toolkit/Menus.h"

#include <algorithm>
#include <cctype>

#include "toolkit/ActnList.h"
#include "toolkit/ImgList.h"

namespace {

// Command ids are unique in the program, as WM_COMMAND of every menu of a
// form arrives at the one window.
UINT NextCommand() {
  static UINT next = 0;
  next = next % 0xFFFE + 1;
  return next;
}

AnsiString KeyName(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return AnsiString(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F1 + 23) return "F" + std::to_string(key - VK_F1 + 1);
  switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
    default: return {};
  }
}

}  // namespace

TShortCut ShortCut(WORD key, bool shift, bool ctrl, bool alt) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift) result |= scShift;
  if (ctrl) result |= scCtrl;
  if (alt) result |= scAlt;
  return result;
}

AnsiString ShortCutToText(TShortCut shortCut) {
  const AnsiString name = KeyName(static_cast<WORD>(shortCut & 0xFF));
  if (name.empty()) return {};
  AnsiString text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

bool IsAccel(WORD key, const AnsiString& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(key & 0xFF);
  }
  return false;
}

AnsiString StripHotkey(const AnsiString& caption) {
  AnsiString out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

const TEnumInfo& MenuBreakType() {
  static const TEnumInfo type("TMenuBreak", {"mbNone", "mbBreak", "mbBarBreak"});
  return type;
}

const TEnumInfo& PopupAlignmentType() {
  static const TEnumInfo type("TPopupAlignment", {"paLeft", "paRight", "paCenter"});
  return type;
}

T_CLASS_INFO(TMenuItem, TComponent, [](TClassInfo& c) {
  using namespace published;
  using I = TMenuItem;
  c.Factory = &CreateInstance<TMenuItem>;
  c.AddProperty(String<I>("Caption", &I::Caption, &I::SetCaption));
  c.AddProperty(Integer<I>("ShortCut", &I::GetShortCut, &I::SetShortCut));
  c.AddProperty(Boolean<I>("Checked", &I::Checked, &I::SetChecked));
  c.AddProperty(Boolean<I>("RadioItem", &I::RadioItem, &I::SetRadioItem));
  c.AddProperty(Integer<I>("GroupIndex", &I::GroupIndex, &I::SetGroupIndex));
  c.AddProperty(Boolean<I>("Enabled", &I::Enabled, &I::SetEnabled));
  c.AddProperty(Boolean<I>("Visible", &I::Visible, &I::SetVisible));
  c.AddProperty(Boolean<I>("Default", &I::Default, &I::SetDefault));
  c.AddProperty(Enumeration<I, TMenuBreak>("Break", MenuBreakType(), &I::Break, &I::SetBreak));
  c.AddProperty(Integer<I>("ImageIndex", &I::ImageIndex, &I::SetImageIndex));
  c.AddProperty(String<I>("Hint", &I::Hint, &I::SetHint));
  c.AddProperty(Object<I, TAction>("Action", &I::Action, &I::SetAction));
  c.AddProperty(Method<I>("OnClick", &I::OnClick));
  c.AddProperty(Method<I>("OnDrawItem", &I::OnDrawItem));
  c.AddProperty(Method<I>("OnMeasureItem", &I::OnMeasureItem));
})

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  MarkDestroying();
  actionLink_.reset();
  // Sub-items go with their item, as they are its entries.
  while (!items_.empty()) {
    TMenuItem* last = items_.back();
    items_.pop_back();
    last->parent_ = nullptr;
    last->Free();
  }
  if (parent_ != nullptr) parent_->Remove(this);
  ReleaseHandle();
}

void TMenuItem::ReleaseHandle() {
  if (handle_ != nullptr && IsMenu(handle_)) {
    // The entries' sub-menus belong to the sub-items: only this menu goes.
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    DestroyMenu(handle_);
  }
  handle_ = nullptr;
}

void TMenuItem::Changed() {
  if (Loading() || Destroying()) return;
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::SetCaption(const AnsiString& caption) {
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  shortCut_ = shortCut;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  checked_ = value;
  // A checked radio item unchecks the others of its group.
  if (value && radioItem_ && parent_ != nullptr) {
    for (TMenuItem* sibling : parent_->items_) {
      if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
    }
  }
  Changed();
}

void TMenuItem::SetRadioItem(bool value) {
  radioItem_ = value;
  Changed();
}

void TMenuItem::SetGroupIndex(int value) {
  groupIndex_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  enabled_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  visible_ = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  default_ = value;
  Changed();
}

void TMenuItem::SetBreak(TMenuBreak value) {
  break_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr) return;
  if (item->parent_ != nullptr) throw EComponentError("Menu inserted twice");
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return;
  items_.erase(found);
  item->parent_ = nullptr;
  if (items_.empty()) ReleaseHandle();
  Changed();
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) throw EComponentError("List index out of bounds (" + std::to_string(index) + ")");
  Remove(items_[static_cast<std::size_t>(index)]);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TMenuItem* TMenuItem::Find(const AnsiString& caption) const {
  const AnsiString wanted = StripHotkey(caption);
  for (TMenuItem* item : items_) {
    const AnsiString mine = StripHotkey(item->caption_);
    if (mine.size() == wanted.size() &&
        std::equal(mine.begin(), mine.end(), wanted.begin(), [](char a, char b) {
          return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
        })) {
      return item;
    }
  }
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_ != nullptr) item = item->parent_;
  return item->menu_;
}

HMENU TMenuItem::Handle() {
  if (menu_ != nullptr) return menu_->Handle();
  if (items_.empty()) return nullptr;
  if (handle_ == nullptr || !IsMenu(handle_)) handle_ = CreatePopupMenu();
  BuildEntries(handle_);
  return handle_;
}

HMENU TMenuItem::BuiltHandle() const {
  if (menu_ != nullptr) return menu_->BuiltHandle();
  return handle_ != nullptr && IsMenu(handle_) ? handle_ : nullptr;
}

void TMenuItem::BuildEntries(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
  TMenu* owner = GetParentMenu();
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
    AnsiString text = item->caption_;
    if (item->IsLine()) {
      info.fType = MFT_SEPARATOR;
      info.fMask &= ~MIIM_STRING;
    } else {
      if (item->shortCut_ != scNone) text += "\t" + ShortCutToText(item->shortCut_);
      info.dwTypeData = text.data();
    }
    if (item->radioItem_) info.fType |= MFT_RADIOCHECK;
    if (item->break_ == TMenuBreak::mbBreak) info.fType |= MFT_MENUBREAK;
    if (item->break_ == TMenuBreak::mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    if ((owner != nullptr && owner->OwnerDraw()) || item->OnDrawItem) info.fType |= MFT_OWNERDRAW;
    if (owner != nullptr && owner->RightToLeft()) info.fType |= MFT_RIGHTORDER;
    if (item->checked_) info.fState |= MFS_CHECKED;
    if (!item->enabled_) info.fState |= MFS_GRAYED;
    if (item->default_) info.fState |= MFS_DEFAULT;
    info.wID = item->command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    info.hSubMenu = item->Handle();
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
  }
}

void TMenuItem::Click() {
  if (!enabled_) return;
  // An action that ran, or that its update disabled, leaves OnClick out.
  if (actionLink_ && (actionLink_->Execute() || !enabled_)) return;
  if (OnClick) OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = As<TMenu>(parent)) {
    menu->Items()->Add(this);
  } else if (auto* item = As<TMenuItem>(parent)) {
    item->Add(this);
  } else {
    throw EComponentError("Menu item " + Name() + " has no menu");
  }
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
  if (OnMeasureItem) {
    OnMeasureItem(this, canvas, width, height);
    return;
  }
  DefaultMeasureItem(canvas, width, height);
}

void TMenuItem::DefaultMeasureItem(TCanvas* canvas, int& width, int& height) {
  if (IsLine()) {
    width = 20;
    height = GetSystemMetrics(SM_CYMENU) / 2;
    return;
  }
  AnsiString text = StripHotkey(caption_);
  if (shortCut_ != scNone) text += "    " + ShortCutToText(shortCut_);
  const SIZE size = canvas->TextExtent(text);
  width = size.cx + 2 * GetSystemMetrics(SM_CXMENUCHECK) + 8;
  height = std::max<int>(size.cy + 4, GetSystemMetrics(SM_CYMENU) - 2);
}

void TMenuItem::DrawItem(TCanvas* canvas, TRect rect, bool selected) {
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, selected);
    return;
  }
  DefaultDrawItem(canvas, rect, selected);
}

void TMenuItem::DefaultDrawItem(TCanvas* canvas, TRect rect, bool selected) {
  canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  canvas->FillRect(rect);
  if (IsLine()) {
    const int y = (rect.top + rect.bottom) / 2 - 1;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(rect.left + 1, y);
    canvas->LineTo(rect.right - 1, y);
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(rect.left + 1, y + 1);
    canvas->LineTo(rect.right - 1, y + 1);
    return;
  }
  HDC dc = canvas->Handle();
  // The image of the menu's image list, else the check mark, in the left column.
  const int column = GetSystemMetrics(SM_CXMENUCHECK) + 4;
  TMenu* menu = GetParentMenu();
  if (menu != nullptr && menu->Images() != nullptr && imageIndex_ >= 0 && imageIndex_ < menu->Images()->Count()) {
    const int top = rect.top + (rect.bottom - rect.top - menu->Images()->Height()) / 2;
    menu->Images()->Draw(canvas, rect.left + 2, top, imageIndex_, enabled_);
  } else if (checked_) {
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    RECT mark{rect.left + 2, rect.top + (rect.bottom - rect.top - size) / 2, 0, 0};
    mark.right = mark.left + size;
    mark.bottom = mark.top + size;
    DrawFrameControl(dc, &mark, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText));
  RECT text{rect.left + column, rect.top, rect.right - 4, rect.bottom};
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (shortCut_ != scNone) {
    const AnsiString shortcut = ShortCutToText(shortCut_);
    DrawTextA(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
}
