// TButton: a push button, the toolkit class "TButton" made from the standard
// "Button" window; its click comes back reflected from the parent.
#include "platform/controls/controls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

T_CLASS_INFO(TButton, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TButton>;
  c.AddProperty(Boolean<TButton>("Default", &TButton::Default, &TButton::SetDefault));
  c.AddProperty(Boolean<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel));
  c.AddProperty(Integer<TButton>("ModalResult", &TButton::ModalResult, &TButton::SetModalResult));
})

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "Button";
  params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

void TButton::Click() {
  if (modalResult_ != 0) {
    for (TControl* c = Parent(); c != nullptr; c = c->Parent()) {
      if (auto* form = As<TCustomForm>(c)) {
        form->SetModalResult(modalResult_);
        break;
      }
    }
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(message);
}
