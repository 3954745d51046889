// TMenu and its two kinds: the main menu a form shows as its menu bar and
// the popup menu; finding items by command, handle or shortcut, and the
// form's menu messages (commands, owner-drawn entries, accelerators, the
// context menu).
#include <algorithm>

#include "toolkit/ActnList.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/Menus.h"
#include "toolkit/Messages.h"

namespace {

// Every menu alive, to find the item of a command wherever it came from.
std::vector<TMenu*>& LiveMenus() {
  static std::vector<TMenu*> menus;
  return menus;
}

TMenuItem* FindIn(TMenuItem* item, UINT_PTR value, TFindItemKind kind) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    switch (kind) {
      case TFindItemKind::fkCommand:
        if (child->Command() == value) return child;
        break;
      case TFindItemKind::fkHandle:
        if (child->Count() > 0 && reinterpret_cast<UINT_PTR>(child->Handle()) == value) return child;
        break;
      case TFindItemKind::fkShortCut:
        if (child->GetShortCut() == value && child->GetShortCut() != scNone) return child;
        break;
    }
    if (TMenuItem* found = FindIn(child, value, kind)) return found;
  }
  return nullptr;
}

TMenuItem* ItemOfCommand(UINT command) {
  for (TMenu* menu : LiveMenus()) {
    if (TMenuItem* item = menu->FindItem(command, TFindItemKind::fkCommand)) return item;
  }
  return nullptr;
}

// An item and its parents are all enabled and visible.
bool Reachable(const TMenuItem* item) {
  for (; item != nullptr && item->Parent() != nullptr; item = item->Parent()) {
    if (!item->Enabled() || !item->Visible()) return false;
  }
  return true;
}

LRESULT MeasureEntry(LPARAM lParam) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (measure == nullptr || measure->CtlType != ODT_MENU) return 0;
  TMenuItem* item = ItemOfCommand(measure->itemID);
  if (item == nullptr) return 0;
  TCanvas canvas;
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  canvas.SetHandle(dc);
  SelectObject(dc, font);
  int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
  item->MeasureItem(&canvas, width, height);
  canvas.SetHandle(nullptr);
  DeleteDC(dc);
  measure->itemWidth = static_cast<UINT>(std::max(width, 0));
  measure->itemHeight = static_cast<UINT>(std::max(height, 0));
  return TRUE;
}

LRESULT DrawEntry(LPARAM lParam) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (draw == nullptr || draw->CtlType != ODT_MENU) return 0;
  TMenuItem* item = ItemOfCommand(draw->itemID);
  if (item == nullptr) return 0;
  TCanvas canvas;
  const int saved = SaveDC(draw->hDC);
  canvas.SetHandle(draw->hDC);
  item->DrawItem(&canvas, Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom),
                 (draw->itemState & ODS_SELECTED) != 0);
  canvas.SetHandle(nullptr);
  RestoreDC(draw->hDC, saved);
  return TRUE;
}

// The window popup menus are tracked for: it receives their owner-drawn
// entries' messages.
constexpr char kPopupListClass[] = "TPopupList";

LRESULT PopupListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) return MeasureEntry(lParam);
  if (message == WM_DRAWITEM) return DrawEntry(lParam);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreatePopupListWindow() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProcFromFunction(PopupListProc);
    wc.hInstance = platform::ProgramModule();
    wc.lpszClassName = kPopupListClass;
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
  return CreateWindowExA(WS_EX_TOOLWINDOW, kPopupListClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         platform::ProgramModule(), nullptr);
}

}  // namespace

T_CLASS_INFO(TMenu, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.AddProperty(Boolean<TMenu>("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw));
  c.AddProperty(Object<TMenu, TImageList>("Images", &TMenu::Images, &TMenu::SetImages));
})

T_CLASS_INFO(TMainMenu, TMenu, [](TClassInfo& c) { c.Factory = &CreateInstance<TMainMenu>; })

T_CLASS_INFO(TPopupMenu, TMenu, [](TClassInfo& c) {
  using namespace published;
  using P = TPopupMenu;
  c.Factory = &CreateInstance<TPopupMenu>;
  c.AddProperty(Enumeration<P, TPopupAlignment>("Alignment", PopupAlignmentType(), &P::Alignment, &P::SetAlignment));
  c.AddProperty(Boolean<P>("AutoPopup", &P::AutoPopup, &P::SetAutoPopup));
  c.AddProperty(Method<P>("OnPopup", &P::OnPopup));
})

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
  items_->SetMenuOwner(this);
  LiveMenus().push_back(this);
}

TMenu::~TMenu() {
  MarkDestroying();
  std::erase(LiveMenus(), this);
  items_->SetMenuOwner(nullptr);
  items_->Free();
  if (handle_ != nullptr && IsMenu(handle_)) {
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    DestroyMenu(handle_);
  }
}

HMENU TMenu::Handle() {
  if (handle_ == nullptr || !IsMenu(handle_)) {
    handle_ = CreateMenuHandle();
    items_->BuildEntries(handle_);
  }
  return handle_;
}

void TMenu::MenuChanged() {
  if (Loading() || Destroying()) return;
  if (handle_ == nullptr || !IsMenu(handle_)) return;
  items_->BuildEntries(handle_);
  HandleRebuilt();
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged();
}

void TMenu::SetOwnerDraw(bool value) {
  ownerDraw_ = value;
  MenuChanged();
}

void TMenu::SetRightToLeft(bool value) {
  rightToLeft_ = value;
  MenuChanged();
}

void TMenu::SetImages(TImageList* images) {
  images_ = images;
  if (images != nullptr) images->FreeNotification(this);
  MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) { return FindIn(items_, value, kind); }

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command, TFindItemKind::fkCommand);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(WORD key, bool shift, bool ctrl, bool alt) {
  const TShortCut wanted = ShortCut(key, shift, ctrl, alt);
  if (wanted == scNone) return false;
  TMenuItem* item = FindItem(wanted, TFindItemKind::fkShortCut);
  if (item == nullptr || !Reachable(item)) return false;
  item->Click();
  return true;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

void TMainMenu::HandleRebuilt() {
  if (form_ == nullptr || !form_->HandleAllocated()) return;
  // The window hears of it: whoever draws its bar reads the items again.
  SendMessageA(form_->Handle(), CM_MENUCHANGED, 0, 0);
  DrawMenuBar(form_->Handle());
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  // The menu loop leaves no idle time: the items' actions update now.
  Items()->InitiateActions();
  UINT flags = TPM_RIGHTBUTTON | TPM_RETURNCMD;
  if (alignment_ == TPopupAlignment::paRight) flags |= TPM_RIGHTALIGN;
  if (alignment_ == TPopupAlignment::paCenter) flags |= TPM_CENTERALIGN;
  HWND window = CreatePopupListWindow();
  const UINT command = static_cast<UINT>(TrackPopupMenu(Handle(), flags, x, y, 0, window, nullptr));
  DestroyWindow(window);
  if (command != 0) DispatchCommand(command);
}

bool DispatchFormMenuMessage(TCustomForm* form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      // Menu commands come with no control and notification code 0.
      if (lParam != 0 || HIWORD(wParam) != 0) return false;
      auto* menu = As<TMenu>(form->Menu());
      if (menu == nullptr || !menu->DispatchCommand(LOWORD(wParam))) return false;
      result = 0;
      return true;
    }
    case WM_MEASUREITEM:
      result = MeasureEntry(lParam);
      return result != 0;
    case WM_DRAWITEM:
      result = DrawEntry(lParam);
      return result != 0;
    default:
      return false;
  }
}

bool ShowContextMenu(TControl* control, LPARAM point) {
  auto* popup = As<TPopupMenu>(control->PopupMenu());
  if (popup == nullptr || !popup->AutoPopup()) return false;
  POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  // From the keyboard (-1, -1): at the cursor.
  if (point == -1) GetCursorPos(&at);
  popup->SetPopupComponent(control);
  popup->Popup(at.x, at.y);
  return true;
}

bool IsMenuShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TWinControl* control = FindControl(msg.hwnd);
  TCustomForm* form = control != nullptr ? GetParentForm(control) : nullptr;
  if (form == nullptr) return false;
  const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
  const WORD key = static_cast<WORD>(msg.wParam);
  if (auto* popup = As<TPopupMenu>(form->PopupMenu()); popup != nullptr && popup->IsShortCut(key, shift, ctrl, alt)) {
    return true;
  }
  auto* menu = As<TMenu>(form->Menu());
  if (menu != nullptr && menu->IsShortCut(key, shift, ctrl, alt)) return true;
  // Then the form's actions, whether an entry shows them or not.
  return IsActionShortCut(form, ShortCut(key, shift, ctrl, alt));
}

void AttachFormMenu(TCustomForm* form) {
  if (!form->HandleAllocated()) return;
  auto* menu = As<TMainMenu>(form->Menu());
  if (menu != nullptr) menu->SetForm(form);
  ::SetMenu(form->Handle(), menu != nullptr && menu->Items()->Count() > 0 ? menu->Handle() : nullptr);
}
