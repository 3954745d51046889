// The skinned system menu: a toolkit popup menu rebuilt from the window's
// system menu at every opening (a fixed menu on NT 4), whose entries send
// the window the system commands, and the double-click rule of its button.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Menus.h"

namespace {

constexpr int kSystemMenuTag = 33333;

// Glyphs of the skin component's menu images.
constexpr int kImageRestore = 0;
constexpr int kImageMaximize = 1;
constexpr int kImageMinimize = 2;
constexpr int kImageClose = 3;
constexpr int kImageNone = -1;
// The separator of the fixed menu carries this image index and tag.
constexpr int kFixedSeparator = 100;

bool IsNT4() {
  const DWORD version = SkinPlatformVersion();
  return (version & 0x80000000u) == 0 && static_cast<int>(version & 0xFF) < 5;
}

// Whether `form` is still the live skinning object of `window`.
bool StillSkinned(HWND window, const TWinSkinForm* form) {
  return SkinManager != nullptr && SkinManager->FindSkinForm(window) == form && form->FState != kStateDead;
}

TMenuItem* AddItem(TPopupMenu& popup, TSkinData* skin, const AnsiString& caption, int tag, int image) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  item->SetTag(tag);
  item->SetImageIndex(image);
  // The entries are the skin's to draw, whatever the window's kind of menus.
  item->OnDrawItem = TSkinnedItemDrawEvent{skin};
  item->OnMeasureItem = TPopupItemMeasureEvent{skin};
  popup.Items()->Add(item);
  return item;
}

}  // namespace

void TWinSkinForm::ShowSystemMenu(TPoint screen) {
  const DWORD now = GetTickCount();
  // A second opening within the double-click time closes the window when it
  // came from a caption button. The first opening ever never counts.
  if (FLastIconClick != 0 && now - FLastIconClick <= FDoubleClickTime) {
    if (FHotObject != nullptr) {
      if (FHoverTimer) FHoverTimer->SetEnabled(false);
      PostMessageW(FHandle, WM_CLOSE, 0, 0);
    }
    return;
  }
  SkinManager->FMenuKind = kMenuKindSystem;
  FLastIconClick = now != 0 ? now : 1;
  BuildSystemMenu();
  if (!FSysMenuPopup) return;
  // The menu runs a loop of its own, in which the skin may be taken off this
  // window or the window destroyed: the popup is held here until it returns,
  // and handed back only to a form object that still exists.
  std::unique_ptr<TPopupMenu> popup = std::move(FSysMenuPopup);
  const HWND window = FHandle;
  popup->Popup(screen.x, screen.y);
  if (StillSkinned(window, this)) FSysMenuPopup = std::move(popup);
}

void TWinSkinForm::BuildSystemMenu() {
  FSysMenuPopup.reset();
  const bool nt4 = IsNT4();
  if (!nt4 && FSystemMenu == nullptr) return;

  auto popup = std::make_unique<TPopupMenu>(nullptr);
  popup->SetTag(kSystemMenuTag);
  popup->SetOwnerDraw(true);
  popup->SetImages(FSkin->MenuImages());
  const HWND window = FHandle;

  if (nt4) {
    const bool maxBox = (FBorderIcons & kIconMaximize) != 0;
    const bool minBox = (FBorderIcons & kIconMinimize) != 0;
    const auto clicked = [this, window](TObject* sender) {
      if (!StillSkinned(window, this)) return;
      switch (static_cast<TMenuItem*>(sender)->Tag()) {
        case 0: DoRestore(); break;
        case 1: DoMaximize(); break;
        case 2: DoMinimize(); break;
        case 3:
          if (FHoverTimer) FHoverTimer->SetEnabled(false);
          PostMessageW(window, WM_CLOSE, 0, 0);
          break;
        default: break;
      }
    };
    AddItem(*popup, FSkin, " Restore ", 0, kImageRestore)->OnClick = clicked;
    if (maxBox) AddItem(*popup, FSkin, " Maximize ", 1, kImageMaximize)->OnClick = clicked;
    if (minBox) AddItem(*popup, FSkin, " Minimize ", 2, kImageMinimize)->OnClick = clicked;
    AddItem(*popup, FSkin, "-", kFixedSeparator, kFixedSeparator);
    TMenuItem* close = AddItem(*popup, FSkin, " Close ", 3, kImageClose);
    close->SetShortCut(ShortCut(VK_F4, false, false, true));
    close->OnClick = clicked;
    FSysMenuPopup = std::move(popup);
    return;
  }

  const auto clicked = [window](TObject* sender) {
    PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(static_cast<TMenuItem*>(sender)->Tag()), 0);
  };
  const bool maxBox = (FBorderIcons & kIconMaximize) != 0;
  const bool minBox = (FBorderIcons & kIconMinimize) != 0;
  const int count = GetMenuItemCount(FSystemMenu);
  for (int i = 0; i < count; ++i) {
    char text[81] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 80;
    if (!GetMenuItemInfoA(FSystemMenu, static_cast<UINT>(i), TRUE, &info)) continue;
    const AnsiString caption = text[0] != '\0' ? AnsiString(text) : AnsiString("-");
    int image = kImageNone;
    bool enabled = true;
    // The show state decides the commands it governs: the window's menu
    // keeps the states it had when it was last shown by the platform.
    bool byShowState = true;
    switch (info.wID) {
      case SC_SIZE:
      case SC_MOVE:
        enabled = !Maximized();
        break;
      case SC_MINIMIZE:
        image = kImageMinimize;
        enabled = !Minimized() && minBox;
        break;
      case SC_MAXIMIZE:
        image = kImageMaximize;
        enabled = !Maximized() && maxBox;
        break;
      case SC_CLOSE:
        image = kImageClose;
        byShowState = false;
        break;
      case SC_RESTORE:
        image = kImageRestore;
        enabled = FShowState != kShowNormal;
        break;
      default:
        byShowState = false;
        break;
    }
    TMenuItem* item = AddItem(*popup, FSkin, caption, static_cast<int>(info.wID), image);
    if (!byShowState && info.fState == MFS_GRAYED) enabled = false;
    item->SetEnabled(enabled);
    item->SetChecked((info.fState & MFS_CHECKED) != 0);
    item->OnClick = clicked;
  }
  FSysMenuPopup = std::move(popup);
}
