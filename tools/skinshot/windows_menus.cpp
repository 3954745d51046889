// skinshot's "menubar" window: a form with a four-item menu bar whose second
// item's drop-down is open, holding a checked, a radio, a disabled entry, a
// separator, a sub-menu and an entry with an image. The picture covers the
// form and its open menu windows, taken from inside the drop-down's loop.
#include <cstdio>

#include "platform/display/headless/headless.h"
#include "platform/gdi/codecs.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skinshot.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

namespace skinshot {
namespace {

namespace headless = platform::display::headless;

constexpr int kPastDeferral = 300;
constexpr UINT kShotDelay = 50;

TMenuItem* AddItem(TMenuItem* parent, const char* caption) {
  auto* item = new TMenuItem(parent->Owner());
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

TImageList* EntryImages(TForm* form) {
  auto* images = NewComponent<TImageList>(form);
  images->SetWidth(16);
  images->SetHeight(16);
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  glyph.Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(40, 120, 200)));
  glyph.Canvas()->FillRect(Rect(3, 3, 13, 13));
  images->AddMasked(&glyph, clFuchsia);
  return images;
}

TMainMenu* FourItemMenu(TForm* form) {
  auto* menu = NewComponent<TMainMenu>(form);
  menu->SetImages(EntryImages(form));
  TMenuItem* root = menu->Items();
  AddItem(AddItem(root, "&File"), "E&xit");
  TMenuItem* view = AddItem(root, "&View");
  AddItem(view, "&Status bar")->SetChecked(true);
  TMenuItem* large = AddItem(view, "&Large icons");
  large->SetRadioItem(true);
  large->SetChecked(true);
  AddItem(view, "&Offline")->SetEnabled(false);
  AddItem(view, "-");
  TMenuItem* sort = AddItem(view, "Sort &by");
  AddItem(sort, "&Name");
  AddItem(sort, "&Date");
  AddItem(view, "&Refresh")->SetImageIndex(0);
  AddItem(AddItem(root, "&Tools"), "&Options...");
  AddItem(AddItem(root, "&Help"), "&About");
  return menu;
}

struct MenuShot {
  HWND form = nullptr;
  const Options* options = nullptr;
  int (*shoot)(HWND, const Options&) = nullptr;
  bool written = false;
  bool taken = false;
};
MenuShot g_shot;

void ShootTheDropDown(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_shot.taken = true;
  g_shot.written = g_shot.shoot(g_shot.form, *g_shot.options) == kWritten;
  EndMenu();
}

}  // namespace

int ShowMenuBarAndShoot(const Options& options, int (*shoot)(HWND, const Options&)) {
  TForm* form = NewComponent<TForm>(Application);
  form->SetBounds(40, 40, options.size.cx, options.size.cy);
  form->SetCaption("Brellis");
  form->SetMenu(FourItemMenu(form));
  form->Show();
  Settle(kPastDeferral);
  TWinSkinForm* skinned = SkinManager != nullptr ? SkinManager->FindSkinForm(form->Handle()) : nullptr;
  if (skinned == nullptr || !skinned->FMenuBar || skinned->FMenuBar->FItems.size() < 2) {
    std::fprintf(stderr, "skinshot: the form shows no skinned menu bar\n");
    return kFailed;
  }
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const TRect& item = skinned->FMenuBar->FItems[1]->FRect;
  g_shot = MenuShot{form->Handle(), &options, shoot};
  SetTimer(nullptr, 0, kShotDelay, &ShootTheDropDown);
  const POINT at{window.left + (item.left + item.right) / 2, window.top + (item.top + item.bottom) / 2};
  headless::MoveMouse(at.x, at.y);
  headless::Press();
  headless::Release();
  for (int i = 0; i < 20 && !g_shot.taken; ++i) Settle(kShotDelay);
  Settle();
  if (!g_shot.taken) std::fprintf(stderr, "skinshot: the drop-down never opened\n");
  return g_shot.written ? kWritten : kFailed;
}

}  // namespace skinshot
