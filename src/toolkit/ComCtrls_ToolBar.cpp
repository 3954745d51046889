// TToolBar: the toolkit class "TToolBar" made from the standard
// "ToolbarWindow32" window. Its tool buttons become the window's buttons
// (command = index), clicks come back reflected as CN_COMMAND, drop-downs
// and custom draw as CN_NOTIFY; the draw events paint on Canvas.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

T_CLASS_INFO(TToolBar, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TToolBar>;
  c.AddProperty(Object<TToolBar, TImageList>("Images", &TToolBar::Images, &TToolBar::SetImages));
  c.AddProperty(Object<TToolBar, TImageList>("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages));
  c.AddProperty(
      Object<TToolBar, TImageList>("DisabledImages", &TToolBar::DisabledImages, &TToolBar::SetDisabledImages));
  c.AddProperty(Boolean<TToolBar>("Flat", &TToolBar::Flat, &TToolBar::SetFlat));
  c.AddProperty(Boolean<TToolBar>("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions));
  c.AddProperty(Integer<TToolBar>("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth));
  c.AddProperty(Integer<TToolBar>("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight));
  c.AddProperty(Boolean<TToolBar>("List", &TToolBar::List, static_cast<void (TToolBar::*)(bool)>(&TToolBar::SetList)));
  c.AddProperty(Boolean<TToolBar>("Transparent", &TToolBar::Transparent, &TToolBar::SetTransparent));
  c.AddProperty(Method<TToolBar>("OnCustomDraw", &TToolBar::OnCustomDraw));
  c.AddProperty(Method<TToolBar>("OnCustomDrawButton", &TToolBar::OnCustomDrawButton));
})

namespace {

BYTE ButtonStyle(const TToolButton& b) {
  switch (b.Style()) {
    case TToolButtonStyle::tbsCheck:
      return static_cast<BYTE>(BTNS_CHECK | (b.Grouped() ? BTNS_GROUP : 0));
    case TToolButtonStyle::tbsDropDown:
      return BTNS_DROPDOWN;
    case TToolButtonStyle::tbsSeparator:
    case TToolButtonStyle::tbsDivider:
      return BTNS_SEP;
    default:
      return BTNS_BUTTON;
  }
}

TCustomDrawState DrawState(UINT state) {
  TCustomDrawState result;
  for (int bit = 0; bit <= static_cast<int>(TCustomDrawStateItem::cdsIndeterminate); ++bit) {
    if (state & (1u << bit)) result.Include(static_cast<TCustomDrawStateItem>(bit));
  }
  return result;
}

}  // namespace

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
  controlStyle_.Include(TControlStyleItem::csAcceptsControls);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

TToolBar::~TToolBar() {
  // The buttons are freed by their owner; they must not reach back here.
  for (TToolButton* b : buttons_) b->TGraphicControl::SetParent(nullptr);
  buttons_.clear();
}

void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "ToolbarWindow32";
  // The toolkit aligns the bar itself.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (flat_) params.Style |= TBSTYLE_FLAT;
  if (list_) params.Style |= TBSTYLE_LIST;
  if (transparent_) params.Style |= TBSTYLE_TRANSPARENT;
}

void TToolBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(Handle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  SendImageLists();
  RebuildButtons();
}

void TToolBar::Loaded() {
  TWinControl::Loaded();
  RebuildButtons();
}

void TToolBar::SendImageLists() {
  if (!HandleAllocated()) return;
  auto handle = [](TImageList* list) { return reinterpret_cast<LPARAM>(list != nullptr ? list->Handle() : nullptr); };
  SendMessageA(Handle(), TB_SETIMAGELIST, 0, handle(images_));
  SendMessageA(Handle(), TB_SETHOTIMAGELIST, 0, handle(hotImages_));
  SendMessageA(Handle(), TB_SETDISABLEDIMAGELIST, 0, handle(disabledImages_));
}

void TToolBar::ButtonsChanged() {
  if (!Loading()) RebuildButtons();
}

// The window's buttons again from the tool buttons, which then take the
// places the window gives them.
void TToolBar::RebuildButtons() {
  if (!HandleAllocated() || rebuilding_) return;
  rebuilding_ = true;
  HWND h = Handle();
  while (SendMessageA(h, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(h, TB_DELETEBUTTON, 0, 0);
  SendMessageA(h, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
  std::vector<std::u16string> captions(buttons_.size());
  std::vector<TBBUTTON> list(buttons_.size());
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const TToolButton& b = *buttons_[i];
    TBBUTTON& t = list[i];
    t.idCommand = static_cast<int>(i);
    t.fsStyle = ButtonStyle(b);
    t.iBitmap = (t.fsStyle & BTNS_SEP) ? 0 : b.ImageIndex();
    t.fsState = static_cast<BYTE>((b.Enabled() ? TBSTATE_ENABLED : 0) | (b.Visible() ? 0 : TBSTATE_HIDDEN));
    if (b.Down()) t.fsState |= (t.fsStyle & BTNS_CHECK) ? TBSTATE_CHECKED : TBSTATE_PRESSED;
    if (showCaptions_ && !(t.fsStyle & BTNS_SEP)) {
      captions[i] = platform::AnsiToWideString(const_cast<TToolButton&>(b).Caption());
      if (!captions[i].empty()) t.iString = reinterpret_cast<INT_PTR>(captions[i].c_str());
    }
  }
  if (!list.empty()) SendMessageW(h, TB_ADDBUTTONSW, list.size(), reinterpret_cast<LPARAM>(list.data()));
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    RECT r{};
    SendMessageA(h, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    buttons_[i]->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  rebuilding_ = false;
}

void TToolBar::ReadDownStates() {
  if (!HandleAllocated()) return;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->Style() == TToolButtonStyle::tbsCheck) {
      buttons_[i]->down_ = SendMessageA(Handle(), TB_ISBUTTONCHECKED, i, 0) == TRUE;
    }
  }
}

void TToolBar::SetImageList(TImageList*& list, TImageList* value, UINT message) {
  if (list != nullptr) RemoveFreeNotification(list);
  list = value;
  if (value != nullptr) FreeNotification(value);
  if (HandleAllocated()) {
    SendMessageA(Handle(), message, 0, reinterpret_cast<LPARAM>(value != nullptr ? value->Handle() : nullptr));
    RebuildButtons();
  }
}

void TToolBar::SetImages(TImageList* value) { SetImageList(images_, value, TB_SETIMAGELIST); }
void TToolBar::SetHotImages(TImageList* value) { SetImageList(hotImages_, value, TB_SETHOTIMAGELIST); }
void TToolBar::SetDisabledImages(TImageList* value) {
  SetImageList(disabledImages_, value, TB_SETDISABLEDIMAGELIST);
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == images_) SetImages(nullptr);
  if (component == hotImages_) SetHotImages(nullptr);
  if (component == disabledImages_) SetDisabledImages(nullptr);
}

void TToolBar::SetFlat(bool value) {
  flat_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TToolBar::SetList(bool value) {
  list_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TToolBar::SetTransparent(bool value) {
  transparent_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TToolBar::SetShowCaptions(bool value) {
  showCaptions_ = value;
  RebuildButtons();
}

void TToolBar::SetButtonWidth(int value) {
  buttonWidth_ = value;
  RebuildButtons();
}

void TToolBar::SetButtonHeight(int value) {
  buttonHeight_ = value;
  RebuildButtons();
}

// The drop-down menu opens under the button, which is its PopupComponent.
void TToolBar::DropDown(int index) {
  if (index < 0 || index >= ButtonCount()) return;
  TToolButton* b = buttons_[static_cast<std::size_t>(index)];
  if (b->DropdownMenu() == nullptr) return;
  const TPoint at = ClientToScreen(Point(b->Left(), b->Top() + b->Height()));
  b->DropdownMenu()->SetPopupComponent(b);
  b->DropdownMenu()->Popup(at.x, at.y);
}

LRESULT TToolBar::CustomDraw(const NMTBCUSTOMDRAW& draw) {
  bool defaultDraw = true;
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
    if (OnCustomDraw) {
      canvas_->SetHandle(draw.nmcd.hdc);
      OnCustomDraw(this, draw.nmcd.rc, defaultDraw);
      canvas_->SetHandle(nullptr);
    }
    if (!defaultDraw) return CDRF_SKIPDEFAULT;
    return OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
  }
  if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && OnCustomDrawButton) {
    const auto index = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
    if (index >= buttons_.size()) return CDRF_DODEFAULT;
    canvas_->SetHandle(draw.nmcd.hdc);
    OnCustomDrawButton(this, buttons_[index], DrawState(draw.nmcd.uItemState), defaultDraw);
    canvas_->SetHandle(nullptr);
    return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
  }
  return CDRF_DODEFAULT;
}

void TToolBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: {
      message.Result = 0;
      const int index = LOWORD(message.WParam);
      if (index < ButtonCount()) buttons_[static_cast<std::size_t>(index)]->Click();
      return;
    }
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->code == TBN_DROPDOWN) {
        DropDown(reinterpret_cast<const NMTOOLBARW*>(header)->iItem);
        message.Result = TBDDRET_DEFAULT;
        return;
      }
      if (header->code == NM_CUSTOMDRAW) {
        message.Result = CustomDraw(*reinterpret_cast<const NMTBCUSTOMDRAW*>(header));
        return;
      }
      break;
    }
    default:
      break;
  }
  // The window handles the mouse over its buttons itself: the tool
  // buttons lying there must not take it.
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
    TControl::WndProc(message);
    return;
  }
  TWinControl::WndProc(message);
}
