// The gallery's menu bar: File, Skin, Window and Help.
#include "gallery/Gallery.h"

#include "toolkit/Application.h"

namespace gallery {
namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const char* caption, TNotifyEvent click = {}) {
  auto* item = NewComponent<TMenuItem>(owner);
  item->SetCaption(caption);
  item->OnClick = std::move(click);
  parent->Add(item);
  return item;
}

}  // namespace

void Gallery::BuildMenus() {
  menu_ = NewComponent<TMainMenu>(form_);
  TMenuItem* root = menu_->Items();

  TMenuItem* file = AddItem(form_, root, "&File");
  struct Box {
    const char* caption;
    UINT type;
  };
  static const Box kBoxes[] = {
      {"&Information box", MB_OK | MB_ICONINFORMATION}, {"&Warning box", MB_OKCANCEL | MB_ICONWARNING},
      {"&Error box", MB_ABORTRETRYIGNORE | MB_ICONERROR}, {"&Question box", MB_YESNOCANCEL | MB_ICONQUESTION},
      {"&Plain box", MB_RETRYCANCEL}};
  for (const Box& box : kBoxes) {
    const UINT type = box.type;
    AddItem(form_, file, box.caption, [this, type](TObject*) { ShowMessageBox(type); });
  }
  AddItem(form_, file, "-");
  AddItem(form_, file, "&Message dialog...", [this](TObject*) { ShowMessageDialog(); });
  AddItem(form_, file, "&Modal dialog...", [this](TObject*) { ShowModalDialog(); });
  AddItem(form_, file, "-");
  AddItem(form_, file, "E&xit", [this](TObject*) { form_->Close(); });

  skinMenu_ = AddItem(form_, root, "&Skin");
  BuildSkinMenu(skinMenu_);

  TMenuItem* window = AddItem(form_, root, "&Window");
  AddItem(form_, window, "&Tool window", [this](TObject*) { ShowToolWindow(); });
  AddItem(form_, window, "&MDI window", [this](TObject*) { ShowMdiWindow(); });

  TMenuItem* help = AddItem(form_, root, "&Help");
  AddItem(form_, help, "&About the gallery", [this](TObject*) {
    Application->MessageBox(
        "The skin gallery shows one of every control of the toolkit in the skin chosen from the Skin menu.",
        "About the gallery", MB_OK | MB_ICONINFORMATION);
  });

  form_->SetMenu(menu_);
}

}  // namespace gallery
