// TComboBoxEx and its items. The items are pushed to the window whole when
// the list changes and one by one when an item does; the selection and the
// text survive the window being made again. Choosing an item is the
// control's click and (without OnSelect) its change, and so is typing.
#include <algorithm>

#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

const TEnumInfo& ComboBoxExStyleType() {
  static const TEnumInfo type("TComboBoxExStyle", {"csExDropDown", "csExSimple", "csExDropDownList"});
  return type;
}

T_CLASS_INFO(TComboExItem, TCollectionItem, [](TClassInfo& c) {
  using namespace published;
  using I = TComboExItem;
  c.AddProperty(String<I>("Caption", &I::Caption, &I::SetCaption));
  c.AddProperty(Integer<I>("ImageIndex", &I::ImageIndex, &I::SetImageIndex));
  c.AddProperty(Integer<I>("SelectedImageIndex", &I::SelectedImageIndex, &I::SetSelectedImageIndex));
  c.AddProperty(Integer<I>("OverlayImageIndex", &I::OverlayImageIndex, &I::SetOverlayImageIndex));
  c.AddProperty(Integer<I>("Indent", &I::Indent, &I::SetIndent));
})

void TComboExItem::SetCaption(const AnsiString& value) {
  caption_ = value;
  Changed();
}

void TComboExItem::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed();
}

void TComboExItem::SetSelectedImageIndex(int value) {
  selectedImageIndex_ = value;
  Changed();
}

void TComboExItem::SetOverlayImageIndex(int value) {
  overlayImageIndex_ = value;
  Changed();
}

void TComboExItem::SetIndent(int value) {
  indent_ = std::max(0, value);
  Changed();
}

T_CLASS_INFO(TComboBoxEx, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using C = TComboBoxEx;
  c.Factory = &CreateInstance<TComboBoxEx>;
  c.AddProperty(Object<C, TCollection>("ItemsEx", &C::ItemsEx, nullptr));
  c.AddProperty(Object<C, TImageList>("Images", &C::Images, &C::SetImages));
  c.AddProperty(Enumeration<C, TComboBoxExStyle>("Style", ComboBoxExStyleType(), &C::Style, &C::SetStyle));
  c.AddProperty(Integer<C>("ItemIndex", &C::ItemIndex, &C::SetItemIndex));
  c.AddProperty(Integer<C>("DropDownCount", &C::DropDownCount, &C::SetDropDownCount));
  c.AddProperty(Method<C>("OnChange", &C::OnChange));
  c.AddProperty(Method<C>("OnSelect", &C::OnSelect));
  c.AddProperty(Method<C>("OnDropDown", &C::OnDropDown));
  c.AddProperty(Method<C>("OnCloseUp", &C::OnCloseUp));
})

TComboBoxEx::TComboBoxEx(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TCollection>(
          [](TCollection* collection) { return std::make_unique<TComboExItem>(collection); })) {
  SetBounds(0, 0, 145, 22);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csDoubleClicks);
  controlStyle_.Exclude(TControlStyleItem::csCaptureMouse);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  items_->OnUpdate = [this](TCollection*, TCollectionItem* item) {
    if (Loading() || !HandleAllocated()) return;
    const int index = item != nullptr ? item->Index() : -1;
    if (index >= 0 && index < static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0))) {
      SendItem(index, false);
    } else {
      SendItems();
    }
  };
}

TComboBoxEx::~TComboBoxEx() { items_->OnUpdate = nullptr; }

TComboExItem* TComboBoxEx::Item(int index) const { return As<TComboExItem>(items_->Item(index)); }

TComboExItem* TComboBoxEx::AddItem(const AnsiString& caption, int imageIndex, int selectedImageIndex, int indent) {
  items_->BeginUpdate();
  auto* item = As<TComboExItem>(items_->Add());
  item->SetCaption(caption);
  item->SetImageIndex(imageIndex);
  item->SetSelectedImageIndex(selectedImageIndex);
  item->SetIndent(indent);
  items_->EndUpdate();
  return item;
}

void TComboBoxEx::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "ComboBoxEx32";
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case TComboBoxExStyle::csExDropDown: params.Style |= CBS_DROPDOWN; break;
    case TComboBoxExStyle::csExSimple: params.Style |= CBS_SIMPLE; break;
    case TComboBoxExStyle::csExDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
  }
  // The text is the edit's, set once the items are in.
  params.Caption.clear();
}

void TComboBoxEx::CreateWnd() {
  const AnsiString text = text_;
  TWinControl::CreateWnd();
  if (images_ != nullptr) SendMessageW(Handle(), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  SendItems();
  if (style_ != TComboBoxExStyle::csExSimple) SetDropHeight();
  if (itemIndex_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  if (!text.empty()) SetEditText(text);
}

void TComboBoxEx::DestroyWnd() {
  itemIndex_ = ItemIndex();
  TWinControl::DestroyWnd();
}

void TComboBoxEx::Loaded() {
  TWinControl::Loaded();
  if (!HandleAllocated()) return;
  SendItems();
  if (itemIndex_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TComboBoxEx::SendItem(int index, bool insert) {
  const TComboExItem* item = Item(index);
  if (item == nullptr) return;
  AnsiString caption = item->Caption();
  COMBOBOXEXITEMA entry{};
  entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_OVERLAY | CBEIF_INDENT | CBEIF_LPARAM;
  entry.iItem = index;
  entry.pszText = caption.data();
  entry.iImage = item->ImageIndex();
  entry.iSelectedImage = item->SelectedImageIndex() >= 0 ? item->SelectedImageIndex() : item->ImageIndex();
  entry.iOverlay = item->OverlayImageIndex();
  entry.iIndent = item->Indent();
  entry.lParam = reinterpret_cast<LPARAM>(item->Data());
  SendMessageW(Handle(), insert ? CBEM_INSERTITEMA : CBEM_SETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
}

// Refilling keeps the selection and the typed text.
void TComboBoxEx::SendItems() {
  if (!HandleAllocated()) return;
  HWND hwnd = Handle();
  int index = static_cast<int>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0));
  if (SendMessageW(hwnd, CB_GETCOUNT, 0, 0) <= 0) index = itemIndex_;  // a new window: the kept choice
  const AnsiString text = GetText();
  SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < items_->Count(); ++i) SendItem(i, true);
  if (index >= 0 && index < items_->Count()) SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SetEditText(text);
}

void TComboBoxEx::SetEditText(const AnsiString& text) {
  if (style_ == TComboBoxExStyle::csExDropDownList || !HandleAllocated()) return;
  settingText_ = true;
  SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  settingText_ = false;
}

void TComboBoxEx::SetDropHeight() {
  if (!HandleAllocated()) return;
  HWND hwnd = Handle();
  RECT window{};
  GetWindowRect(hwnd, &window);
  const auto item = static_cast<int>(SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0));
  // Sized taller, the window keeps its height and lets its list drop that far.
  SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left,
               (window.bottom - window.top) + dropDownCount_ * item + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBoxEx::SetImages(TImageList* value) {
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = value;
  if (images_ != nullptr) FreeNotification(images_);
  if (HandleAllocated()) {
    SendMessageW(Handle(), CBEM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    if (style_ != TComboBoxExStyle::csExSimple) SetDropHeight();
  }
}

void TComboBoxEx::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

void TComboBoxEx::SetStyle(TComboBoxExStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

int TComboBoxEx::ItemIndex() {
  if (!HandleAllocated()) return itemIndex_;
  return std::max(-1, static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
}

void TComboBoxEx::SetItemIndex(int value) {
  itemIndex_ = value;
  if (HandleAllocated() && !Loading()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TComboBoxEx::SetDropDownCount(int value) {
  dropDownCount_ = std::clamp(value, 1, 100);
  if (style_ != TComboBoxExStyle::csExSimple) SetDropHeight();
}

bool TComboBoxEx::DroppedDown() {
  return HandleAllocated() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBoxEx::SetDroppedDown(bool value) {
  if (Loading()) return;
  SendMessageW(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0);
}

void TComboBoxEx::Change() {
  if (OnChange && !Loading()) OnChange(this);
}

void TComboBoxEx::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case CBN_SELCHANGE:
        itemIndex_ = ItemIndex();
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
  TWinControl::WndProc(message);
}
