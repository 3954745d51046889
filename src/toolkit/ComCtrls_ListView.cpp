// TListView: the toolkit class "TListView" made from the standard
// "SysListView32" window. Columns and items are kept here and sent to the
// window whenever it exists; its notifications come back reflected
// (CN_NOTIFY) and fire OnSelectItem, OnClick and OnColumnClick;
// OnDblClick comes from the control's own double click.
#include "platform/controls/controls.h"
#include "toolkit/Classes_Strings.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ImgList.h"

const TEnumInfo& ViewStyleType() {
  static const TEnumInfo type("TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
  return type;
}

T_CLASS_INFO(TListView, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TListView>;
  c.AddProperty(
      Enumeration<TListView, TViewStyle>("ViewStyle", ViewStyleType(), &TListView::ViewStyle, &TListView::SetViewStyle));
  c.AddProperty(Boolean<TListView>("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect));
  c.AddProperty(Boolean<TListView>("GridLines", &TListView::GridLines, &TListView::SetGridLines));
  c.AddProperty(Boolean<TListView>("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly));
  c.AddProperty(Boolean<TListView>("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect));
  c.AddProperty(Object<TListView, TImageList>("SmallImages", &TListView::SmallImages, &TListView::SetSmallImages));
  c.AddProperty(Object<TListView, TImageList>("LargeImages", &TListView::LargeImages, &TListView::SetLargeImages));
  c.AddProperty(Method<TListView>("OnSelectItem", &TListView::OnSelectItem));
  c.AddProperty(Method<TListView>("OnColumnClick", &TListView::OnColumnClick));
})

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

TListView::~TListView() = default;

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "SysListView32";
  params.ExStyle |= WS_EX_CLIENTEDGE;
  params.Style |= LVS_SHAREIMAGELISTS | static_cast<DWORD>(viewStyle_ == TViewStyle::vsIcon        ? LVS_ICON
                                                           : viewStyle_ == TViewStyle::vsSmallIcon ? LVS_SMALLICON
                                                           : viewStyle_ == TViewStyle::vsList      ? LVS_LIST
                                                                                                   : LVS_REPORT);
  if (!multiSelect_) params.Style |= LVS_SINGLESEL;
  if (!readOnly_) params.Style |= LVS_EDITLABELS;
}

void TListView::CreateWnd() {
  TWinControl::CreateWnd();
  SendExtendedStyle();
  SendImages();
  for (int i = 0; i < ColumnCount(); ++i) SendColumn(i, true);
  for (int i = 0; i < ItemCount(); ++i) SendItem(i, true);
}

void TListView::SendExtendedStyle() {
  if (!HandleAllocated()) return;
  const DWORD mask = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  const DWORD style = (rowSelect_ ? LVS_EX_FULLROWSELECT : 0) | (gridLines_ ? LVS_EX_GRIDLINES : 0);
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

void TListView::SendImages() {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(smallImages_ != nullptr ? smallImages_->Handle() : nullptr));
  SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL,
               reinterpret_cast<LPARAM>(largeImages_ != nullptr ? largeImages_->Handle() : nullptr));
}

void TListView::SetViewStyle(TViewStyle value) {
  viewStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TListView::SetMultiSelect(bool value) {
  multiSelect_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TListView::SetRowSelect(bool value) {
  rowSelect_ = value;
  SendExtendedStyle();
}

void TListView::SetGridLines(bool value) {
  gridLines_ = value;
  SendExtendedStyle();
}

void TListView::SetSmallImages(TImageList* value) {
  if (smallImages_ != nullptr) smallImages_->RemoveFreeNotification(this);
  smallImages_ = value;
  if (value != nullptr) value->FreeNotification(this);
  SendImages();
}

void TListView::SetLargeImages(TImageList* value) {
  if (largeImages_ != nullptr) largeImages_->RemoveFreeNotification(this);
  largeImages_ = value;
  if (value != nullptr) value->FreeNotification(this);
  SendImages();
}

void TListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component != smallImages_ && component != largeImages_) return;
  if (component == smallImages_) smallImages_ = nullptr;
  if (component == largeImages_) largeImages_ = nullptr;
  SendImages();
}

TListItem* TListView::Selected() const {
  if (!HandleAllocated()) return nullptr;
  const int index =
      static_cast<int>(SendMessageW(const_cast<TListView*>(this)->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return Item(index);
}

void TListView::SetSelected(TListItem* item) {
  if (!HandleAllocated()) return;
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (item != nullptr) item->SetSelected(true);
}

// Answers whether the notification was the list view's own.
bool TListView::Notify(TMessage& message) {
  const auto* nm = reinterpret_cast<const NMLISTVIEW*>(message.LParam);
  message.Result = 0;
  switch (nm->hdr.code) {
    case LVN_ITEMCHANGED:
      if ((nm->uChanged & LVIF_STATE) && ((nm->uNewState ^ nm->uOldState) & LVIS_SELECTED) && OnSelectItem) {
        if (TListItem* item = Item(nm->iItem)) OnSelectItem(this, item, (nm->uNewState & LVIS_SELECTED) != 0);
      }
      return true;
    case LVN_COLUMNCLICK:
      if (TListColumn* column = Column(nm->iSubItem); column != nullptr && OnColumnClick) OnColumnClick(this, column);
      return true;
    case NM_CLICK:
      Click();
      return true;
    default:
      return false;
  }
}

void TListView::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY && message.LParam != 0 && Notify(message)) return;
  TWinControl::WndProc(message);
}
