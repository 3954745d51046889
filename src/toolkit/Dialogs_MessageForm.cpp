// TMessageForm and the modal message dialogs.
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/StdCtrls.h"

T_CLASS_INFO(TMessageForm, TForm, [](TClassInfo&) {})

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {}

void TMessageForm::HelpButtonClick(TObject*) { Application->HelpContext(helpContext_); }

void TMessageForm::WndProc(TMessage& message) {
  inherited::WndProc(message);
  if (message.Msg == WM_ACTIVATE && LOWORD(message.WParam) != WA_INACTIVE && activeButton_ != nullptr &&
      activeButton_->CanFocus()) {
    activeButton_->SetFocus();
  }
}

TModalResult MessageDlg(const AnsiString& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  return MessageDlgPos(message, type, buttons, helpContext, -1, -1);
}

TModalResult MessageDlgPos(const AnsiString& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                           int x, int y) {
  auto* form = static_cast<TMessageForm*>(CreateMessageDialog(message, type, buttons));
  TModalResult result = mrCancel;
  try {
    form->SetHelpContext(helpContext);
    if (x >= 0 || y >= 0) {
      form->SetPosition(TPosition::poDesigned);
      form->SetBounds(x >= 0 ? x : (Screen->Width() - form->Width()) / 2,
                      y >= 0 ? y : (Screen->Height() - form->Height()) / 2, form->Width(), form->Height());
    }
    result = form->ShowModal();
  } catch (...) {
    form->Free();
    throw;
  }
  form->Free();
  return result;
}
