// TCheckBox: the toolkit class "TCheckBox" made from a three-state
// "Button" window; the toolkit keeps the state and answers the button's
// clicks itself, so AllowGrayed decides whether a click passes through the
// grayed state.
#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

const TEnumInfo& CheckBoxStateType() {
  static const TEnumInfo type("TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
  return type;
}

T_CLASS_INFO(TCheckBox, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using C = TCheckBox;
  c.Factory = &CreateInstance<TCheckBox>;
  c.AddProperty(Enumeration<C, TAlignment>("Alignment", AlignmentType(), &C::Alignment, &C::SetAlignment));
  c.AddProperty(Boolean<C>("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed));
  c.AddProperty(Boolean<C>("Checked", &C::Checked, &C::SetChecked));
  c.AddProperty(Enumeration<C, TCheckBoxState>("State", CheckBoxStateType(), &C::State, &C::SetState));
})

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
  SetParentColor(true);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Include(TControlStyleItem::csDoubleClicks);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "Button";
  params.Style |= BS_3STATE;
  if (alignment_ == TAlignment::taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCheckBox::SetAlignment(TAlignment value) {
  if (value == TAlignment::taCenter) value = TAlignment::taRightJustify;  // the box is at one side
  if (value == alignment_) return;
  alignment_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
  if (!Loading()) Click();
}

void TCheckBox::Toggle() {
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked:
      SetState(TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed:
      SetState(TCheckBoxState::cbChecked);
      break;
  }
}

void TCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    Toggle();
    return;
  }
  TWinControl::WndProc(message);
}
