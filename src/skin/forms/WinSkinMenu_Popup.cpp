// A popup-menu window under the skin: its frame and background painted from
// the skin's menu background picture, also when the window is printed, and
// the manager's hand-over of that picture to the entries drawn in it.
#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"

namespace {

// GetDCEx's flag that takes the window's clipping styles (DCX_USESTYLE).
constexpr DWORD kDcxUseStyle = 0x10000;

bool NineXFamily() { return (SkinPlatformVersion() & 0x80000000u) != 0; }

// NT 5.2 and later paint the frame on a plain window DC.
bool PaintsOnWindowDC() {
  const DWORD version = SkinPlatformVersion();
  if (NineXFamily()) return false;
  return static_cast<int>(version & 0xFF) >= 5 && static_cast<int>((version >> 8) & 0xFF) >= 2;
}

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() : FBackground(std::make_unique<TBitmap>()) {}

TWinSkinPopMenu::~TWinSkinPopMenu() = default;

void TWinSkinPopMenu::Subclass(HWND window, TSkinData* skin) {
  if (Subclassed()) return;
  FHandle = window;
  FSkin = skin;
  FMenuHandle = nullptr;
  FNewWndProc = MakeWndProcThunk(
      [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) { return PopupWndProc(message, wParam, lParam); });
  FOldWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FNewWndProc)));
  if (FOldWndProc == nullptr) {
    // Not a window (any more): nothing to take over.
    FreeWndProcThunk(FNewWndProc);
    FNewWndProc = nullptr;
  }
}

void TWinSkinPopMenu::Unsubclass() {
  if (!Subclassed()) return;
  // Only a chain that still starts here is unwound; a later subclasser
  // keeps calling the old procedure through the freed thunk's handle, which
  // the platform refuses quietly.
  if (IsWindow(FHandle) &&
      GetWindowLongPtrW(FHandle, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(FNewWndProc)) {
    SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
  }
  FreeWndProcThunk(FNewWndProc);
  FNewWndProc = nullptr;
  FBackground->Clear();
}

LRESULT TWinSkinPopMenu::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(FOldWndProc, FHandle, message, wParam, lParam);
}

LRESULT TWinSkinPopMenu::PopupWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == SKM_ISSKINNED) return 1;
  if (SkinManager == nullptr || !SkinManager->FActive) return PassOn(message, wParam, lParam);
  switch (message) {
    case WM_DESTROY: {
      const WNDPROC old = FOldWndProc;
      const HWND window = FHandle;
      Unsubclass();
      return CallWindowProcW(old, window, message, wParam, lParam);
    }
    case WM_NCPAINT:
      return PaintBackground(wParam, lParam);
    case WM_PRINT:
      return PrintMenu(wParam, lParam);
    case WM_ERASEBKGND:
      if (NineXFamily()) return 0;
      if (!FSkin->Options().Contains(TSkinOption::xoMenuBG)) PassOn(message, wParam, lParam);
      return 1;
    default:
      return PassOn(message, wParam, lParam);
  }
}

bool TWinSkinPopMenu::HasBackgroundPicture() const {
  return FSkin != nullptr && !FSkin->NoSkin() && FSkin->MenuBackground != nullptr &&
         FSkin->MenuBackground->Picture != nullptr && !FSkin->MenuBackground->Picture->Empty();
}

void TWinSkinPopMenu::BuildBackground() {
  RECT window{};
  GetWindowRect(FHandle, &window);
  const TRect r = Rect(0, 0, window.right - window.left, window.bottom - window.top);
  const TDataSkinObject& object = *FSkin->MenuBackground;
  std::unique_ptr<TBitmap> built =
      BuildSkinPicture(r, object.Picture.get(), object.Margins(), false, object.Tile != 0, 1, 1);
  if (built) {
    FBackground = std::move(built);
  } else {
    FBackground->Clear();
  }
}

LRESULT TWinSkinPopMenu::PaintBackground(WPARAM wParam, LPARAM lParam) {
  if (!HasBackgroundPicture()) return PassOn(WM_NCPAINT, wParam, lParam);
  const auto update = reinterpret_cast<HRGN>(wParam);
  const bool whole = reinterpret_cast<ULONG_PTR>(update) <= 1;
  HDC dc = PaintsOnWindowDC() || whole
               ? GetWindowDC(FHandle)
               : GetDCEx(FHandle, update, DCX_WINDOW | DCX_INTERSECTRGN | kDcxUseStyle);
  if (dc == nullptr) return 0;
  BuildBackground();
  if (!FBackground->Empty()) {
    BitBlt(dc, 0, 0, FBackground->Width(), FBackground->Height(), FBackground->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  ReleaseDC(FHandle, dc);
  return 0;
}

LRESULT TWinSkinPopMenu::PrintMenu(WPARAM wParam, LPARAM lParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (!HasBackgroundPicture() || dc == nullptr) return PassOn(WM_PRINT, wParam, lParam);
  BuildBackground();
  const int width = FBackground->Width(), height = FBackground->Height();
  if (!FBackground->Empty()) BitBlt(dc, 0, 0, width, height, FBackground->Canvas()->Handle(), 0, 0, SRCCOPY);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  // The menu prints only its entries: the skin's frame stays.
  HRGN clip = CreateRectRgn(kMenuClientInset, kMenuClientInset, width - kMenuClientInset, height - kMenuClientInset);
  SelectClipRgn(dc, clip);
  const LRESULT result = PassOn(WM_PRINT, wParam, lParam);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  SetBkMode(dc, oldMode);
  return result;
}

// -- The manager's side of the hand-over ---------------------------------------

void TSkinManage::AssignMenuHandle(HMENU menu) {
  if (menu == nullptr) return;
  // A menu already tied to a window stays there: entries redrawn while a
  // sub-menu is open must not hand their menu to the sub-menu's window.
  for (const TWinSkinPopMenu* popup : FPopupMenus) {
    if (popup->FMenuHandle == menu) return;
  }
  for (auto it = FPopupMenus.rbegin(); it != FPopupMenus.rend(); ++it) {
    if ((*it)->FMenuHandle == nullptr) {
      (*it)->FMenuHandle = menu;
      return;
    }
  }
}

TBitmap* TSkinManage::MenuBackground(HMENU menu) const {
  if (menu == nullptr) return nullptr;
  for (const TWinSkinPopMenu* popup : FPopupMenus) {
    if (popup->FMenuHandle == menu) return popup->FBackground.get();
  }
  return nullptr;
}
