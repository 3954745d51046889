// The gallery's main form: menu bar, tool bar, status bar and the page
// control with one page per group of controls, and the skin component that
// skins it and every window it opens.
#include "gallery/Gallery.h"

#include "gallery/gallery_pages.h"
#include "toolkit/Application.h"

namespace gallery {

Gallery::Gallery(TComponent* owner, TSkinData* skin) {
  if (owner == Application && Application->MainForm() == nullptr) {
    Application->CreateForm(form_);
  } else {
    form_ = NewComponent<TForm>(owner);
  }
  form_->SetName("GalleryMain");
  form_->SetCaption("Brellis skin gallery");
  form_->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form_->SetBounds(40, 30, 800, 560);
  form_->SetColor(clBtnFace);

  // The engine is switched on only after the component has registered, so
  // that a later skin change re-skins the open windows at once.
  skin_ = skin != nullptr ? skin : NewComponent<TSkinData>(form_);
  if (skin == nullptr) skin_->SetName("GallerySkin");
  skin_->OnSkinChanged = [this](TObject*) { SkinChanged(); };
  statusTimer_ = NewComponent<TTimer>(form_);
  statusTimer_->SetEnabled(false);
  statusTimer_->SetInterval(1);
  statusTimer_->SetOnTimer([this](TObject*) {
    statusTimer_->SetEnabled(false);
    ShowStatus();
  });

  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  BuildPages();

  if (skin != nullptr) {
    current_ = skin->SkinName;
    return;
  }
  skin_->Loaded();
  UseBuiltInSkin(BuiltInSkins().front().name);
}

void Gallery::BuildToolBar() {
  auto* bar = NewComponent<TToolBar>(form_);
  bar->SetParent(form_);
  bar->SetAlign(TAlign::alTop);
  bar->SetHeight(30);
  bar->SetFlat(true);
  bar->SetShowCaptions(true);
  bar->SetButtonWidth(60);
  bar->SetButtonHeight(24);
  static const char* const kButtons[] = {"Dialog", "Question", "Next skin"};
  for (int i = 0; i < 3; ++i) {
    auto* button = NewComponent<TToolButton>(form_);
    button->SetParent(bar);
    button->SetText(kButtons[i]);
    if (i == 0) button->OnClick = [this](TObject*) { ShowModalDialog(); };
    if (i == 1) button->OnClick = [this](TObject*) { ShowMessageBox(MB_YESNO | MB_ICONQUESTION); };
    if (i == 2) {
      button->OnClick = [this](TObject*) {
        const auto& skins = BuiltInSkins();
        std::size_t next = 0;
        for (std::size_t k = 0; k < skins.size(); ++k) {
          if (current_ == skins[k].name) next = (k + 1) % skins.size();
        }
        UseBuiltInSkin(skins[next].name);
      };
    }
  }
}

void Gallery::BuildStatusBar() {
  status_ = NewComponent<TStatusBar>(form_);
  status_->SetParent(form_);
  status_->SetAlign(TAlign::alBottom);
  status_->AddPanel()->SetWidth(180);
  status_->AddPanel()->SetWidth(260);
  status_->AddPanel()->SetWidth(300);
}

void Gallery::BuildPages() {
  pages_ = NewComponent<TPageControl>(form_);
  pages_->SetParent(form_);
  pages_->SetAlign(TAlign::alClient);
  for (const GalleryPage& entry : GalleryPages()) {
    auto* page = NewComponent<TTabSheet>(form_);
    page->SetPageControl(pages_);
    page->SetCaption(entry.caption);
    entry.fill(page);
  }
  pages_->SetActivePageIndex(0);
}

bool Gallery::ShowPage(const std::string& name) {
  const auto& pages = GalleryPages();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (pages[i].name == name) {
      pages_->SetActivePageIndex(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

}  // namespace gallery
