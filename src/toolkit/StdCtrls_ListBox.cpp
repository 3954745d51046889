// TListBox: a list box with single, multiple or extended selection and
// standard or owner-drawn items; a selection the user makes is its click.
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
  SetItemIndex(itemIndex_);
}

void TListBox::DestroyWnd() {
  itemIndex_ = ItemIndex();
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
  if (!HandleAllocated()) return !multiSelect_ && index >= 0 && index == itemIndex_;
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
