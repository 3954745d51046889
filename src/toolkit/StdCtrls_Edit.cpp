// TEdit: a one-line edit box, the toolkit class "TEdit" made from the
// standard "Edit" window.
#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

T_CLASS_INFO(TEdit, TCustomEdit, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TEdit>;
  c.AddProperty(
      Enumeration<TEdit, TBorderStyle>("BorderStyle", BorderStyleType(), &TEdit::BorderStyle, &TEdit::SetBorderStyle));
  c.AddProperty(Boolean<TEdit>("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly));
  c.AddProperty(Integer<TEdit>("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength));
  c.AddProperty(Boolean<TEdit>("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect));
  c.AddProperty(Method<TEdit, TNotifyEvent>("OnChange", &TEdit::OnChange));
})

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 121, 21); }

void TEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
}

void TEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  if (passwordChar_ != 0) SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<BYTE>(passwordChar_), 0);
  RestoreWindowState();
}

void TEdit::SetPasswordChar(char value) {
  passwordChar_ = value;
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<BYTE>(value), 0);
    Invalidate();
  }
}
