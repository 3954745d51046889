// The windows the gallery's menus open: message boxes of each kind, the
// toolkit's message dialog, a modal dialog form, a tool window and an MDI
// window with three children. The skin component of the main form skins
// them all as they activate.
#include "gallery/Gallery.h"

#include "gallery/gallery_pages.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/StdCtrls.h"

namespace gallery {

void Gallery::ShowMessageBox(UINT type) {
  Application->MessageBox("A message box in the gallery's skin.", "Gallery", type);
}

void Gallery::ShowMessageDialog() {
  MessageDlg("A message dialog of the toolkit, with its own buttons.", TMsgDlgType::mtConfirmation, mbYesNoCancel,
             0);
}

void Gallery::ShowModalDialog() {
  TForm* dialog = NewComponent<TForm>(Application);
  dialog->SetBorderStyle(TFormBorderStyle::bsDialog);
  dialog->SetCaption("Modal dialog");
  dialog->SetBounds(form_->Left() + 120, form_->Top() + 100, 320, 170);
  Place<TLabel>(dialog, 16, 16, 280, 16, "A modal dialog form.");
  Place<TEdit>(dialog, 16, 40, 200, 22, "Type here");
  auto* ok = Place<TButton>(dialog, 16, 84, 90, 26, "OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = Place<TButton>(dialog, 114, 84, 90, 26, "Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  dialog->ShowModal();
  dialog->Free();
}

TForm* Gallery::ShowToolWindow() {
  if (toolWindow_ == nullptr) {
    toolWindow_ = NewComponent<TForm>(form_);
    toolWindow_->SetName("GalleryTools");
    toolWindow_->SetBorderStyle(TFormBorderStyle::bsToolWindow);
    toolWindow_->SetCaption("Tool window");
    toolWindow_->SetBounds(form_->Left() + form_->Width() - 60, form_->Top() + 60, 200, 160);
    Place<TCheckBox>(toolWindow_, 10, 10, 170, 20, "Snap to grid")->SetChecked(true);
    Place<TTrackBar>(toolWindow_, 10, 36, 170, 30)->SetPosition(6);
    Place<TButton>(toolWindow_, 10, 76, 80, 26, "Apply");
  }
  toolWindow_->Show();
  return toolWindow_;
}

TForm* Gallery::ShowMdiWindow() {
  if (mdiWindow_ == nullptr) {
    mdiWindow_ = NewComponent<TForm>(form_);
    mdiWindow_->SetName("GalleryMdi");
    mdiWindow_->SetFormStyle(TFormStyle::fsMDIForm);
    mdiWindow_->SetCaption("MDI window");
    mdiWindow_->SetBounds(form_->Left() + 80, form_->Top() + 80, 520, 380);
    mdiWindow_->Show();
    for (int i = 1; i <= 3; ++i) {
      auto* child = NewComponent<TForm>(mdiWindow_);
      child->SetFormStyle(TFormStyle::fsMDIChild);
      child->SetCaption(("Child " + std::to_string(i)).c_str());
      child->SetBounds(10 + 30 * (i - 1), 10 + 30 * (i - 1), 240, 160);
      Place<TLabel>(child, 10, 10, 200, 16, ("MDI child number " + std::to_string(i)).c_str());
      Place<TEdit>(child, 10, 34, 160, 22, "An edit");
      child->Show();
    }
  }
  mdiWindow_->Show();
  return mdiWindow_;
}

}  // namespace gallery
