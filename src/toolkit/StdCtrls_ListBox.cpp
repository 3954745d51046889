// TListBox: a list box with single, multiple or extended selection and
// standard or owner-drawn items; a selection the user makes is its click.
#include <algorithm>
#include <vector>

#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

const TEnumInfo& ListBoxStyleType() {
  static const TEnumInfo type("TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
  return type;
}

T_CLASS_INFO(TListBox, TListControl, [](TClassInfo& c) {
  using namespace published;
  using L = TListBox;
  c.Factory = &CreateInstance<TListBox>;
  c.AddProperty(Enumeration<L, TListBoxStyle>("Style", ListBoxStyleType(), &L::Style, &L::SetStyle));
  c.AddProperty(Boolean<L>("MultiSelect", &L::MultiSelect, &L::SetMultiSelect));
  c.AddProperty(Boolean<L>("ExtendedSelect", &L::ExtendedSelect, &L::SetExtendedSelect));
  c.AddProperty(Integer<L>("ItemIndex", &L::ItemIndex, &L::SetItemIndex));
  c.AddProperty(Enumeration<L, TBorderStyle>("BorderStyle", BorderStyleType(), &L::BorderStyle, &L::SetBorderStyle));
  c.AddProperty(Boolean<L>("Ctl3D", &L::Ctl3D, &L::SetCtl3D));
})

TListBox::TListBox(TComponent* owner) : TListControl(owner) {
  SetBounds(0, 0, 121, 97);
  SetBorderStyleValue(TBorderStyle::bsSingle);
}

void TListBox::CreateParams(TCreateParams& params) {
  TListControl::CreateParams(params);
  params.SubClassOf = "ListBox";
  params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  if (multiSelect_) params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (style_ == TListBoxStyle::lbOwnerDrawFixed) params.Style |= LBS_OWNERDRAWFIXED;
  if (style_ == TListBoxStyle::lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE;
  if (BorderStyle() == TBorderStyle::bsSingle && !ctl3D_) {
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
    params.Style |= WS_BORDER;
  }
}

void TListBox::CreateWnd() {
  TListControl::CreateWnd();
  if (multiSelect_) {
    for (int i : selected_) SetSelected(i, true);
  }
  SetItemIndex(itemIndex_);
  if (topIndex_ > 0) SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(topIndex_), 0);
}

// A single selection becomes the one selected item of a multiple-selection
// window, and a multiple selection's caret (or first selected item) the
// selection of a single-selection one. The window may already be of the
// other kind than the properties say.
void TListBox::DestroyWnd() {
  HWND hwnd = Handle();
  const bool windowMulti = (GetWindowLongW(hwnd, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
  selected_.clear();
  const auto count = static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (SendMessageW(hwnd, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected_.push_back(i);
  }
  itemIndex_ = std::max(-1, static_cast<int>(SendMessageW(hwnd, windowMulti ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0)));
  if (count == 0) itemIndex_ = -1;
  if (windowMulti && !multiSelect_ && std::find(selected_.begin(), selected_.end(), itemIndex_) == selected_.end()) {
    itemIndex_ = selected_.empty() ? -1 : selected_.front();
  }
  topIndex_ = std::max(0, static_cast<int>(SendMessageW(hwnd, LB_GETTOPINDEX, 0, 0)));
  TListControl::DestroyWnd();
}

TListControl::Messages TListBox::ListMessages() const { return {LB_RESETCONTENT, LB_ADDSTRING, LB_SETITEMHEIGHT}; }

void TListBox::ItemsChanged() {
  if (!HandleAllocated()) {
    TListControl::ItemsChanged();
    return;
  }
  // Refilling the window keeps the selection where the items still are.
  const int index = ItemIndex();
  std::vector<int> selected;
  if (multiSelect_) {
    for (int i = 0; i < Items()->Count(); ++i) {
      if (Selected(i)) selected.push_back(i);
    }
  }
  TListControl::ItemsChanged();
  for (int i : selected) SetSelected(i, true);
  if (index < Items()->Count()) SetItemIndex(index);
}

int TListBox::ItemIndex() {
  if (!HandleAllocated()) return itemIndex_;
  const auto index = static_cast<int>(SendMessageW(Handle(), multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
  if (multiSelect_ && Items()->Count() == 0) return -1;
  return index < 0 ? -1 : index;
}

void TListBox::SetItemIndex(int value) {
  itemIndex_ = value;
  if (!HandleAllocated() || Loading()) return;
  if (multiSelect_) {
    if (value >= 0) SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(value), 0);
  } else {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
  }
}

void TListBox::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  multiSelect_ = value;
  RecreateWnd();
}

void TListBox::SetExtendedSelect(bool value) {
  if (value == extendedSelect_) return;
  extendedSelect_ = value;
  if (multiSelect_) RecreateWnd();
}

void TListBox::SetStyle(TListBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TListBox::SetCtl3D(bool value) {
  if (value == ctl3D_) return;
  ctl3D_ = value;
  RecreateWnd();
}

bool TListBox::Selected(int index) {
  if (!HandleAllocated()) {
    if (multiSelect_) return std::find(selected_.begin(), selected_.end(), index) != selected_.end();
    return index >= 0 && index == itemIndex_;
  }
  return SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TListBox::SetSelected(int index, bool value) {
  if (index < 0 || index >= Items()->Count()) return;
  if (multiSelect_) {
    if (HandleAllocated()) SendMessageW(Handle(), LB_SETSEL, value ? TRUE : FALSE, index);
    return;
  }
  if (value) {
    SetItemIndex(index);
  } else if (ItemIndex() == index) {
    SetItemIndex(-1);
  }
}

int TListBox::SelCount() {
  if (!multiSelect_) return -1;  // as LB_GETSELCOUNT answers a single-selection list
  return HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0)) : 0;
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case LBN_SELCHANGE: Click(); return;
      case LBN_DBLCLK: DblClick(); return;
      default: break;
    }
  }
  TListControl::WndProc(message);
}
