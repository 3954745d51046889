// TUpDown: the toolkit class "TUpDown" made from the standard
// "msctls_updown32" window, with the associated control as its buddy. A
// step is offered to OnChanging first (the reflected UDN_DELTAPOS); the
// reflected scroll report of the new position fires OnClick.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

namespace {

// The scroll code of the reflected report of a new position (SB_THUMBPOSITION).
constexpr WORD kThumbPosition = 4;

}  // namespace

const TEnumInfo& UDOrientationType() {
  static const TEnumInfo type("TUDOrientation", {"udHorizontal", "udVertical"});
  return type;
}

const TEnumInfo& UDAlignButtonType() {
  static const TEnumInfo type("TUDAlignButton", {"udLeft", "udRight"});
  return type;
}

T_CLASS_INFO(TUpDown, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TUpDown>;
  c.AddProperty(Object<TUpDown, TWinControl>("Associate", &TUpDown::Associate, &TUpDown::SetAssociate));
  c.AddProperty(Enumeration<TUpDown, TUDAlignButton>("AlignButton", UDAlignButtonType(), &TUpDown::AlignButton,
                                                     &TUpDown::SetAlignButton));
  c.AddProperty(Integer<TUpDown>("Min", &TUpDown::Min, &TUpDown::SetMin));
  c.AddProperty(Integer<TUpDown>("Max", &TUpDown::Max, &TUpDown::SetMax));
  c.AddProperty(Integer<TUpDown>("Position", &TUpDown::Position, &TUpDown::SetPosition));
  c.AddProperty(Integer<TUpDown>("Increment", &TUpDown::Increment, &TUpDown::SetIncrement));
  c.AddProperty(Enumeration<TUpDown, TUDOrientation>("Orientation", UDOrientationType(), &TUpDown::Orientation,
                                                     &TUpDown::SetOrientation));
  c.AddProperty(Boolean<TUpDown>("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap));
  c.AddProperty(Boolean<TUpDown>("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys));
  c.AddProperty(Boolean<TUpDown>("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands));
  c.AddProperty(Method<TUpDown>("OnClick", &TUpDown::OnClick));
  c.AddProperty(Method<TUpDown>("OnChanging", &TUpDown::OnChanging));
})

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 25);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "msctls_updown32";
  params.Style |= UDS_SETBUDDYINT;
  params.Style |= alignButton_ == TUDAlignButton::udRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT;
  if (orientation_ == TUDOrientation::udHorizontal) params.Style |= UDS_HORZ;
  if (arrowKeys_) params.Style |= UDS_ARROWKEYS;
  if (!thousands_) params.Style |= UDS_NOTHOUSANDS;
  if (wrap_) params.Style |= UDS_WRAP;
}

void TUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  SendRange();
  SendAccel();
  SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
  SendBuddy();
}

void TUpDown::SendRange() {
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

// Held arrows speed up from the increment to five and twenty times it.
void TUpDown::SendAccel() {
  if (!HandleAllocated()) return;
  const UINT step = static_cast<UINT>(std::max(1, increment_));
  UDACCEL accel[3] = {{0, step}, {2, step * 5}, {5, step * 20}};
  SendMessageA(Handle(), UDM_SETACCEL, 3, reinterpret_cast<LPARAM>(accel));
}

// The buddy shows the position at once.
void TUpDown::SendBuddy() {
  if (!HandleAllocated() || associate_ == nullptr || associate_->Parent() == nullptr) return;
  SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetAssociate(TWinControl* value) {
  if (value == this) value = nullptr;
  if (associate_ != nullptr) {
    RemoveFreeNotification(associate_);
    if (HandleAllocated()) SendMessageA(Handle(), UDM_SETBUDDY, 0, 0);
  }
  associate_ = value;
  if (associate_ != nullptr) {
    FreeNotification(associate_);
    SendBuddy();
  }
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == associate_) {
    associate_ = nullptr;
    if (HandleAllocated()) SendMessageA(Handle(), UDM_SETBUDDY, 0, 0);
  }
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
  alignButton_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TUpDown::SetMin(int value) {
  min_ = value;
  SendRange();
}

void TUpDown::SetMax(int value) {
  max_ = value;
  SendRange();
}

int TUpDown::Position() {
  if (HandleAllocated()) position_ = static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, 0));
  return position_;
}

void TUpDown::SetPosition(int value) {
  position_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETPOS32, 0, value);
}

void TUpDown::SetIncrement(int value) {
  increment_ = value;
  SendAccel();
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) RecreateWnd();
}

void TUpDown::SetWrap(bool value) {
  wrap_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TUpDown::SetArrowKeys(bool value) {
  arrowKeys_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TUpDown::SetThousands(bool value) {
  thousands_ = value;
  if (HandleAllocated()) RecreateWnd();
}

bool TUpDown::CanChange() {
  bool allowChange = true;
  if (OnChanging) OnChanging(this, allowChange);
  return allowChange;
}

void TUpDown::Click(TUDBtnType button) {
  if (OnClick) OnClick(this, button);
}

void TUpDown::WndProc(TMessage& message) {
  // The skin engine's own query shares CN_NOTIFY's number with a small
  // lParam that is no header.
  if (message.Msg == CN_NOTIFY && !IS_INTRESOURCE(reinterpret_cast<const void*>(message.LParam)) &&
      reinterpret_cast<const NMHDR*>(message.LParam)->code == UDN_DELTAPOS) {
    message.Result = CanChange() ? 0 : 1;
    return;
  }
  if ((message.Msg == CN_VSCROLL || message.Msg == CN_HSCROLL) && LOWORD(message.WParam) == kThumbPosition) {
    message.Result = 0;
    const int previous = position_;
    const int position = Position();
    if (position > previous) Click(TUDBtnType::btNext);
    if (position < previous) Click(TUDBtnType::btPrev);
    return;
  }
  TWinControl::WndProc(message);
}
