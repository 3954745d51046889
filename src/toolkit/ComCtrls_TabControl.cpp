// TCustomTabControl and TTabControl, made from the standard
// "SysTabControl32" window. The toolkit keeps the tabs and the selection
// and pushes them to the window whenever it is (re)made; a choice by the
// user is offered to OnChanging first (the reflected TCN_SELCHANGING, which
// a refusal answers non-zero) and reported by OnChange.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ImgList.h"

const TEnumInfo& TabPositionType() {
  static const TEnumInfo type("TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"});
  return type;
}

const TEnumInfo& TabStyleType() {
  static const TEnumInfo type("TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"});
  return type;
}

T_CLASS_INFO(TCustomTabControl, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using C = TCustomTabControl;
  c.AddProperty(Enumeration<C, TTabPosition>("TabPosition", TabPositionType(), &C::TabPosition, &C::SetTabPosition));
  c.AddProperty(Enumeration<C, TTabStyle>("Style", TabStyleType(), &C::Style, &C::SetStyle));
  c.AddProperty(Boolean<C>("MultiLine", &C::MultiLine, &C::SetMultiLine));
  c.AddProperty(Object<C, TImageList>("Images", &C::Images, &C::SetImages));
  c.AddProperty(Method<C>("OnChange", &C::OnChange));
  c.AddProperty(Method<C>("OnChanging", &C::OnChanging));
})

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  controlStyle_.Include(TControlStyleItem::csAcceptsControls);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "SysTabControl32";
  params.Style |= WS_CLIPCHILDREN;
  switch (tabPosition_) {
    case TTabPosition::tpTop: break;
    case TTabPosition::tpBottom: params.Style |= TCS_BOTTOM; break;
    case TTabPosition::tpLeft: params.Style |= TCS_VERTICAL; break;
    case TTabPosition::tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT; break;
  }
  if (style_ != TTabStyle::tsTabs) params.Style |= TCS_BUTTONS;
  if (style_ == TTabStyle::tsFlatButtons) params.Style |= TCS_FLATBUTTONS;
  if (multiLine_) params.Style |= TCS_MULTILINE;
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (images_ != nullptr) SendMessageA(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  SendTabs();
}

void TCustomTabControl::SendTabs() {
  if (!HandleAllocated()) return;
  HWND hwnd = Handle();
  SendMessageA(hwnd, TCM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < tabs_.size(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = tabs_[i].caption.data();
    item.iImage = tabs_[i].imageIndex;
    SendMessageA(hwnd, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(selected_), 0);
  Realign();
}

void TCustomTabControl::SetTabs(std::vector<TTabEntry> tabs, int selected) {
  tabs_ = std::move(tabs);
  selected_ = selected >= 0 && selected < static_cast<int>(tabs_.size()) ? selected : -1;
  SendTabs();
}

void TCustomTabControl::SelectTab(int index) {
  if (index < -1 || index >= static_cast<int>(tabs_.size())) return;
  selected_ = index;
  if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::Restyle() {
  if (HandleAllocated()) RecreateWnd();
  Realign();
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  tabPosition_ = value;
  Restyle();
}

void TCustomTabControl::SetStyle(TTabStyle value) {
  style_ = value;
  Restyle();
}

void TCustomTabControl::SetMultiLine(bool value) {
  multiLine_ = value;
  Restyle();
}

void TCustomTabControl::SetImages(TImageList* value) {
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = value;
  if (images_ != nullptr) FreeNotification(images_);
  if (HandleAllocated()) {
    SendMessageA(Handle(), TCM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    Realign();
  }
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

TRect TCustomTabControl::DisplayRect() {
  TRect rect = Rect(0, 0, Width(), Height());
  if (HandleAllocated()) {
    GetClientRect(Handle(), &rect);
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  }
  return rect;
}

void TCustomTabControl::AdjustClientRect(TRect& rect) { rect = DisplayRect(); }

bool TCustomTabControl::CanChange() {
  bool allowChange = true;
  if (OnChanging) OnChanging(this, allowChange);
  return allowChange;
}

void TCustomTabControl::TabChosen(int index) {
  selected_ = index;
  Change();
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& message) {
  // The skin engine's own query shares CN_NOTIFY's number with a small
  // lParam that is no header.
  if (message.Msg == CN_NOTIFY && !IS_INTRESOURCE(reinterpret_cast<const void*>(message.LParam))) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header->code == TCN_SELCHANGING) {
      message.Result = CanChange() ? 0 : 1;
      return;
    }
    if (header->code == TCN_SELCHANGE) {
      message.Result = 0;
      TabChosen(static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0)));
      return;
    }
  }
  TWinControl::WndProc(message);
}

T_CLASS_INFO(TTabControl, TCustomTabControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TTabControl>;
  c.AddProperty(Object<TTabControl, TStrings>("Tabs", &TTabControl::Tabs, &TTabControl::SetTabsList));
  c.AddProperty(Integer<TTabControl>("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex));
})

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner), tabs_(std::make_unique<TStrings>()) {
  tabs_->OnChange = [this](TObject*) { TabsChanged(); };
}

void TTabControl::TabsChanged() {
  std::vector<TTabEntry> entries;
  for (int i = 0; i < tabs_->Count(); ++i) entries.push_back(TTabEntry{(*tabs_)[i], i});
  int selected = SelectedTab();
  // The first tab is selected once there are tabs, as the window does.
  if (selected < 0 && !entries.empty()) selected = 0;
  if (selected >= static_cast<int>(entries.size())) selected = static_cast<int>(entries.size()) - 1;
  SetTabs(std::move(entries), selected);
}

void TTabControl::SetTabIndex(int value) { SelectTab(value); }
