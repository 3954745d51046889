// The menu windows skinshot shows: a form with its context menu open (an
// image entry, a checked, a radio, a disabled entry, a separator and an open
// sub-menu), and the message box with its skinned system menu open. Both are
// shot from a timer inside the menu's own loop.
#include <cstdio>

#include "platform/display/headless/headless.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skinshot.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/Menus.h"

namespace skinshot {
namespace {

namespace headless = platform::display::headless;

constexpr int kPastDeferral = 300;
constexpr int kLeft = 40;
constexpr int kTop = 40;
// Where the context menu opens, from the form's top-left.
constexpr POINT kMenuAt{70, 60};
// The entries before the sub-menu entry, which the shot opens.
constexpr int kDownToSubMenu = 6;

struct MenuShot {
  const Options* options = nullptr;
  int (*shoot)(HWND, const Options&) = nullptr;
  HWND window = nullptr;
  bool openSubMenu = false;
  std::size_t levels = 1;  // menu windows open before the shot
  int result = kFailed;
  bool seen = false;
};
MenuShot g_menu;

void ShootTheMenu(HWND, UINT, UINT_PTR id, DWORD) {
  if (OpenMenuWindows().empty()) return;
  g_menu.seen = true;
  if (g_menu.openSubMenu) {
    // The keys go to the menu's loop: the shot waits for a later tick.
    g_menu.openSubMenu = false;
    for (int i = 0; i < kDownToSubMenu; ++i) headless::Key(VK_DOWN);
    headless::Key(VK_RIGHT);
    return;
  }
  if (OpenMenuWindows().size() < g_menu.levels) return;
  KillTimer(nullptr, id);
  Settle(kPastDeferral);
  g_menu.result = g_menu.shoot(g_menu.window, *g_menu.options);
  EndMenu();
}

// Two 16-pixel glyphs drawn by hand: a folder and a cross.
void AddGlyphs(TImageList* images) {
  TBitmap strip;
  strip.SetSize(32, 16);
  TCanvas* canvas = strip.Canvas();
  canvas->Brush()->SetColor(clFuchsia);
  canvas->FillRect(Rect(0, 0, 32, 16));
  canvas->Brush()->SetColor(static_cast<TColor>(RGB(230, 180, 60)));
  canvas->Pen()->SetColor(static_cast<TColor>(RGB(150, 100, 20)));
  canvas->Rectangle(1, 4, 15, 14);
  canvas->Rectangle(1, 2, 7, 5);
  canvas->Pen()->SetColor(static_cast<TColor>(RGB(190, 30, 30)));
  for (int i = 0; i < 10; ++i) {
    canvas->MoveTo(19 + i, 3 + i);
    canvas->LineTo(21 + i, 3 + i);
    canvas->MoveTo(28 - i, 3 + i);
    canvas->LineTo(30 - i, 3 + i);
  }
  images->SetWidth(16);
  images->SetHeight(16);
  images->AddMasked(&strip, clFuchsia);
}

TMenuItem* AddEntry(TMenuItem* parent, const char* caption) {
  auto* item = new TMenuItem(parent->Owner());
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

TPopupMenu* NewContextMenu(TForm* form) {
  auto* images = NewComponent<TImageList>(form);
  AddGlyphs(images);
  auto* popup = NewComponent<TPopupMenu>(form);
  popup->SetImages(images);
  TMenuItem* root = popup->Items();
  AddEntry(root, "&Open")->SetImageIndex(0);
  AddEntry(root, "Show &status bar")->SetChecked(true);
  TMenuItem* large = AddEntry(root, "&Large tiles");
  large->SetRadioItem(true);
  large->SetChecked(true);
  AddEntry(root, "S&mall tiles")->SetRadioItem(true);
  AddEntry(root, "&Paste")->SetEnabled(false);
  AddEntry(root, "-");
  TMenuItem* arrange = AddEntry(root, "&Arrange");
  AddEntry(arrange, "By &name");
  AddEntry(arrange, "By &date")->SetDefault(true);
  TMenuItem* close = AddEntry(root, "&Close");
  close->SetImageIndex(1);
  close->SetShortCut(ShortCut('W', false, true, false));
  return popup;
}

int ShowPopupAndShoot(const Options& options, int (*shoot)(HWND, const Options&)) {
  TForm* form = NewComponent<TForm>(Application);
  form->SetBounds(kLeft, kTop, options.size.cx, options.size.cy);
  form->SetCaption("Brellis");
  TPopupMenu* popup = NewContextMenu(form);
  form->SetPopupMenu(popup);
  form->Show();
  Settle(kPastDeferral);
  g_menu = MenuShot{&options, shoot, form->Handle(), true, 2};
  SetTimer(nullptr, 0, 10, &ShootTheMenu);
  popup->Popup(kLeft + kMenuAt.x, kTop + kMenuAt.y);
  if (!g_menu.seen) std::fprintf(stderr, "skinshot: the context menu did not open\n");
  return g_menu.result;
}

// The system menu opens from the box's caption icon, from a timer inside
// the box's loop; the shot comes from a timer inside the menu's loop.
void OpenTheSystemMenu(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = GetActiveWindow();
  char name[16] = {};
  if (box == nullptr || GetClassNameA(box, name, sizeof name) == 0 || std::string_view(name) != "#32770") return;
  KillTimer(nullptr, id);
  Settle(kPastDeferral);
  g_menu.window = box;
  SetTimer(nullptr, 0, 10, &ShootTheMenu);
  // Alt+Space, as a user opens it.
  headless::KeyDown(VK_MENU);
  headless::Key(VK_SPACE);
  headless::KeyUp(VK_MENU);
  Settle();
  PostMessageW(box, WM_COMMAND, IDNO, 0);
}

int ShowSystemMenuAndShoot(const Options& options, int (*shoot)(HWND, const Options&)) {
  g_menu = MenuShot{&options, shoot, nullptr, false};
  SetTimer(nullptr, 0, 10, &OpenTheSystemMenu);
  MessageBoxW(nullptr, u"您确认要退出些系统？", u"提示信息", MB_YESNO | MB_ICONQUESTION);
  if (!g_menu.seen) std::fprintf(stderr, "skinshot: the system menu did not open\n");
  return g_menu.result;
}

}  // namespace

bool IsMenuWindowName(std::string_view name) { return name == "popup" || name == "sysmenu"; }

int ShowMenuAndShoot(const Options& options, int (*shoot)(HWND, const Options&)) {
  return options.window == "popup" ? ShowPopupAndShoot(options, shoot) : ShowSystemMenuAndShoot(options, shoot);
}

}  // namespace skinshot
