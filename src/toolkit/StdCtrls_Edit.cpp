// TEdit: a one-line edit box, the toolkit class "TEdit" made from the
// standard "Edit" window.
#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

T_CLASS_INFO(TEdit, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TEdit>;
  c.AddProperty(
      Enumeration<TEdit, TBorderStyle>("BorderStyle", BorderStyleType(), &TEdit::BorderStyle, &TEdit::SetBorderStyle));
  c.AddProperty(Boolean<TEdit>("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly));
  c.AddProperty(Integer<TEdit>("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength));
  c.AddProperty(Boolean<TEdit>("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect));
  c.AddProperty(Method<TEdit>("OnChange", &TEdit::OnChange));
})

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  SetBorderStyleValue(TBorderStyle::bsSingle);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "Edit";
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (readOnly_) params.Style |= ES_READONLY;
}

void TEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_ != 0) SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<BYTE>(passwordChar_), 0);
}

void TEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value ? 1 : 0, 0);
}

void TEdit::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::SetPasswordChar(char value) {
  passwordChar_ = value;
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<BYTE>(value), 0);
    Invalidate();
  }
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    if (OnChange && !Loading()) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}
