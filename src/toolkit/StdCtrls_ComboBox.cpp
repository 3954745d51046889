// TComboBox: a combo box of any style; choosing an item is its click and
// (without OnSelect) its change, and so is typing in its edit.
#include <algorithm>

#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

const TEnumInfo& ComboBoxStyleType() {
  static const TEnumInfo type("TComboBoxStyle",
                              {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
  return type;
}

T_CLASS_INFO(TComboBox, TListControl, [](TClassInfo& c) {
  using namespace published;
  using C = TComboBox;
  c.Factory = &CreateInstance<TComboBox>;
  c.AddProperty(Enumeration<C, TComboBoxStyle>("Style", ComboBoxStyleType(), &C::Style, &C::SetStyle));
  c.AddProperty(Integer<C>("ItemIndex", &C::ItemIndex, &C::SetItemIndex));
  c.AddProperty(Integer<C>("DropDownCount", &C::DropDownCount, &C::SetDropDownCount));
  c.AddProperty(Boolean<C>("DroppedDown", &C::DroppedDown, &C::SetDroppedDown));
  c.AddProperty(Method<C>("OnChange", &C::OnChange));
  c.AddProperty(Method<C>("OnDropDown", &C::OnDropDown));
  c.AddProperty(Method<C>("OnCloseUp", &C::OnCloseUp));
  c.AddProperty(Method<C>("OnSelect", &C::OnSelect));
})

TComboBox::TComboBox(TComponent* owner) : TListControl(owner) { SetBounds(0, 0, 145, 21); }

void TComboBox::CreateParams(TCreateParams& params) {
  TListControl::CreateParams(params);
  params.SubClassOf = "ComboBox";
  params.Style |= WS_VSCROLL | CBS_HASSTRINGS | CBS_AUTOHSCROLL;
  switch (style_) {
    case TComboBoxStyle::csDropDown: params.Style |= CBS_DROPDOWN; break;
    case TComboBoxStyle::csSimple: params.Style |= CBS_SIMPLE; break;
    case TComboBoxStyle::csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csOwnerDrawFixed: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case TComboBoxStyle::csOwnerDrawVariable: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
  }
  // The window's name is not an edit's text: that is set once the edit exists.
  params.Caption.clear();
}

void TComboBox::CreateWnd() {
  const AnsiString text = text_;
  TListControl::CreateWnd();
  if (style_ != TComboBoxStyle::csSimple) SetDropHeight();
  if (itemIndex_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  if (!text.empty()) SetEditText(text);
}

// Text the control puts back itself is no change of the user's.
void TComboBox::SetEditText(const AnsiString& text) {
  if (style_ != TComboBoxStyle::csDropDown && style_ != TComboBoxStyle::csSimple) return;
  settingText_ = true;
  SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  settingText_ = false;
}

void TComboBox::DestroyWnd() {
  itemIndex_ = ItemIndex();
  TListControl::DestroyWnd();
}

TListControl::Messages TComboBox::ListMessages() const { return {CB_RESETCONTENT, CB_ADDSTRING, CB_SETITEMHEIGHT}; }

void TComboBox::SetDropHeight() {
  if (!HandleAllocated()) return;
  HWND hwnd = Handle();
  RECT window{};
  GetWindowRect(hwnd, &window);
  const auto field = static_cast<int>(SendMessageW(hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 6;
  const auto item = static_cast<int>(SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, field + dropDownCount_ * item + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::ItemsChanged() {
  if (!HandleAllocated()) {
    TListControl::ItemsChanged();
    return;
  }
  // Refilling keeps the selection and the typed text.
  const int index = ItemIndex();
  const AnsiString text = GetText();
  TListControl::ItemsChanged();
  if (index < Items()->Count()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SetEditText(text);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

int TComboBox::ItemIndex() {
  if (!HandleAllocated()) return itemIndex_;
  return std::max(-1, static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
}

void TComboBox::SetItemIndex(int value) {
  itemIndex_ = value;
  if (HandleAllocated() && !Loading()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TComboBox::SetDropDownCount(int value) {
  dropDownCount_ = std::clamp(value, 1, 100);
  if (style_ != TComboBoxStyle::csSimple) SetDropHeight();
}

bool TComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool value) {
  if (Loading()) return;
  SendMessageW(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0);
}

void TComboBox::Change() {
  if (OnChange && !Loading()) OnChange(this);
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case CBN_SELCHANGE:
        Click();
        if (OnSelect) {
          OnSelect(this);
        } else {
          Change();
        }
        return;
      case CBN_EDITCHANGE:
        if (!settingText_) Change();
        return;
      case CBN_DROPDOWN:
        if (OnDropDown) OnDropDown(this);
        return;
      case CBN_CLOSEUP:
        if (OnCloseUp) OnCloseUp(this);
        return;
      default: break;
    }
  }
  TListControl::WndProc(message);
}
