// The menu loop: a real nested message loop that tracks popup menus (one
// "#32768" window per open level) and, for a window's menu bar, the bar's
// items as level zero. Every message it takes goes to the WH_MSGFILTER hooks
// first (MSGF_MENU), and so does every WM_MENUSELECT it sends; other windows'
// messages, paints and timers keep being dispatched meanwhile.
#include <algorithm>

#include "platform/display/display.h"
#include "platform/gdi/gdi.h"
#include "platform/user/menu_object.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

// The delay before a sub-menu under the mouse opens.
constexpr UINT kHoverDelay = 400;
constexpr UINT_PTR kHoverTimer = 0xFFF1;

struct Level {
  HMENU menu = nullptr;
  HWND window = nullptr;
  int selected = -1;
};

struct Tracking {
  HWND owner = nullptr;
  UINT flags = 0;
  bool notify = true;
  // Bar mode: the owner's menu bar is level zero, `levels` its drop-downs.
  bool bar = false;
  HMENU barMenu = nullptr;
  int barSelected = -1;
  bool barPressed = false;  // a drop-down of the selected bar item is open
  std::vector<Level> levels;
  bool ended = false;
  bool chosen = false;
  UINT command = 0;
  bool systemCommand = false;
  POINT chosenAt{};
};

Tracking*& Current() {
  static Tracking* tracking = nullptr;
  return tracking;
}

bool Selectable(const MenuItem& item) { return !item.IsSeparator(); }

// Sends WM_MENUSELECT to the owner and shows it to the message filter, as
// the skin engine's drop-down tracking needs even under TPM_NONOTIFY.
void NotifySelect(Tracking& t, WPARAM wParam, LPARAM lParam) {
  MSG msg{t.owner, WM_MENUSELECT, wParam, lParam, GetTickCount(), {}};
  GetCursorPos(&msg.pt);
  CallMsgFilterW(&msg, MSGF_MENU);
  if (IsWindow(t.owner)) SendMessageW(t.owner, WM_MENUSELECT, wParam, lParam);
}

void NotifyItem(Tracking& t, HMENU menu, int index, bool mouse) {
  MenuObject* m = PeekMenuObject(menu);
  if (m == nullptr || index < 0 || static_cast<std::size_t>(index) >= m->items.size()) return;
  const MenuItem& item = m->items[static_cast<std::size_t>(index)];
  UINT flags = ((item.state | item.type) & 0xFFFF) | MF_HILITE;
  WORD low = static_cast<WORD>(item.id);
  if (item.subMenu != nullptr) {
    flags |= MF_POPUP;
    low = static_cast<WORD>(index);
  }
  if (mouse) flags |= MF_MOUSESELECT;
  if (m->systemMenu) flags |= MF_SYSMENU;
  NotifySelect(t, MAKEWPARAM(low, static_cast<WORD>(flags)), reinterpret_cast<LPARAM>(menu));
}

void SelectItem(Tracking& t, std::size_t level, int index, bool mouse) {
  Level& l = t.levels[level];
  if (l.selected == index) return;
  MenuObject* m = PeekMenuObject(l.menu);
  if (m == nullptr) return;
  if (l.selected >= 0 && static_cast<std::size_t>(l.selected) < m->items.size()) {
    m->items[static_cast<std::size_t>(l.selected)].state &= ~MFS_HILITE;
    RedrawPopupItem(*m, l.selected);
  }
  l.selected = index;
  if ((m = PeekMenuObject(l.menu)) == nullptr) return;
  if (index >= 0 && static_cast<std::size_t>(index) < m->items.size()) {
    m->items[static_cast<std::size_t>(index)].state |= MFS_HILITE;
    RedrawPopupItem(*m, index);
    NotifyItem(t, l.menu, index, mouse);
  }
}

void CloseLevelsFrom(Tracking& t, std::size_t first) {
  while (t.levels.size() > first) {
    Level l = t.levels.back();
    t.levels.pop_back();
    if (MenuObject* m = PeekMenuObject(l.menu)) {
      if (l.selected >= 0 && static_cast<std::size_t>(l.selected) < m->items.size()) {
        m->items[static_cast<std::size_t>(l.selected)].state &= ~MFS_HILITE;
      }
    }
    if (IsWindow(l.window)) DestroyWindow(l.window);
    if (t.notify && IsWindow(t.owner)) {
      SendMessageW(t.owner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(l.menu), 0);
    }
  }
}

// The rectangle of a popup of `size` (client) placed at a point with the
// alignment flags, kept on the screen: it flips to the other side of the
// point (or of `exclude`) where it does not fit.
RECT PlacePopup(SIZE size, POINT at, UINT flags, const RECT* exclude) {
  const SIZE screen = display::Current().ScreenSize();
  const int width = size.cx + 6, height = size.cy + 6;
  int x = at.x, y = at.y;
  if (flags & TPM_RIGHTALIGN) {
    x -= width;
  } else if (flags & TPM_CENTERALIGN) {
    x -= width / 2;
  }
  if (flags & TPM_BOTTOMALIGN) {
    y -= height;
  } else if (flags & TPM_VCENTERALIGN) {
    y -= height / 2;
  }
  if (x + width > screen.cx) x = (at.x - width >= 0 && !(flags & (TPM_RIGHTALIGN | TPM_CENTERALIGN))) ? at.x - width : screen.cx - width;
  if (x < 0) x = 0;
  if (y + height > screen.cy) {
    const int above = (exclude ? exclude->top : at.y) - height;
    y = above >= 0 ? above : screen.cy - height;
  }
  if (y < 0) y = 0;
  return RECT{x, y, x + width, y + height};
}

// Opens a popup level: WM_INITMENUPOPUP first (before the window exists, so
// that a CBT hook can tell what kind of menu the window will show), then the
// window, shown without activation and painted at once.
bool OpenLevel(Tracking& t, HMENU menu, int parentIndex, POINT at, UINT flags, const RECT* exclude) {
  MenuObject* m = PeekMenuObject(menu);
  if (m == nullptr) return false;
  if (t.notify) {
    SendMessageW(t.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(static_cast<WORD>(std::max(parentIndex, 0)), m->systemMenu ? 1 : 0));
    if ((m = PeekMenuObject(menu)) == nullptr || !IsWindow(t.owner)) return false;
  }
  if (m->items.empty()) return false;
  const SIZE size = LayoutPopupMenu(*m, t.owner);
  if ((m = PeekMenuObject(menu)) == nullptr) return false;
  for (MenuItem& item : m->items) item.state &= ~MFS_HILITE;
  const RECT rect = PlacePopup(size, at, flags, exclude);
  const HWND window = CreateMenuWindow(menu, t.owner, rect);
  if (window == nullptr) return false;
  t.levels.push_back(Level{menu, window, -1});
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(window);
  return true;
}

// Opens the sub-menu of the selected item of `level`.
bool OpenSubMenu(Tracking& t, std::size_t level, bool selectFirst) {
  if (level >= t.levels.size()) return false;
  Level& l = t.levels[level];
  MenuObject* m = PeekMenuObject(l.menu);
  if (m == nullptr || l.selected < 0 || static_cast<std::size_t>(l.selected) >= m->items.size()) return false;
  const MenuItem& item = m->items[static_cast<std::size_t>(l.selected)];
  if (item.subMenu == nullptr || item.IsDisabled()) return false;
  if (t.levels.size() > level + 1 && t.levels[level + 1].menu == item.subMenu) return true;
  CloseLevelsFrom(t, level + 1);
  RECT parent{};
  GetWindowRect(l.window, &parent);
  POINT origin{0, 0};
  ClientToScreen(l.window, &origin);
  const HMENU sub = item.subMenu;
  const int index = l.selected;
  const LONG itemTop = origin.y + item.rect.top;
  MenuObject* subObject = PeekMenuObject(sub);
  if (subObject == nullptr) return false;
  const SIZE size = LayoutPopupMenu(*subObject, t.owner);
  const SIZE screen = display::Current().ScreenSize();
  // To the right of the parent, overlapping its frame; to the left where it
  // does not fit.
  POINT at{parent.right - 3, itemTop - 3};
  UINT flags = 0;
  if (at.x + size.cx + 6 > screen.cx) {
    at.x = parent.left + 3;
    flags |= TPM_RIGHTALIGN;
  }
  if (!OpenLevel(t, sub, index, at, flags, nullptr)) return false;
  if (selectFirst) {
    MenuObject* opened = PeekMenuObject(sub);
    for (std::size_t i = 0; opened != nullptr && i < opened->items.size(); ++i) {
      if (Selectable(opened->items[i])) {
        SelectItem(t, t.levels.size() - 1, static_cast<int>(i), false);
        break;
      }
    }
  }
  return true;
}

// The level and item under a screen point; the level is -1 when the point
// is over no menu window.
std::pair<int, int> HitTest(Tracking& t, POINT screen) {
  for (std::size_t level = t.levels.size(); level-- > 0;) {
    const Level& l = t.levels[level];
    RECT window{};
    if (!GetWindowRect(l.window, &window) || !PtInRect(&window, screen)) continue;
    POINT p = screen;
    ScreenToClient(l.window, &p);
    MenuObject* m = PeekMenuObject(l.menu);
    if (m == nullptr) return {static_cast<int>(level), -1};
    for (std::size_t i = 0; i < m->items.size(); ++i) {
      if (PtInRect(&m->items[i].rect, p)) return {static_cast<int>(level), static_cast<int>(i)};
    }
    return {static_cast<int>(level), -1};
  }
  return {-1, -1};
}

void Choose(Tracking& t, std::size_t level, int index, POINT at) {
  MenuObject* m = PeekMenuObject(t.levels[level].menu);
  if (m == nullptr || index < 0 || static_cast<std::size_t>(index) >= m->items.size()) return;
  const MenuItem& item = m->items[static_cast<std::size_t>(index)];
  if (item.IsDisabled() || item.IsSeparator()) return;
  if (item.subMenu != nullptr) {
    OpenSubMenu(t, level, true);
    return;
  }
  t.chosen = true;
  t.command = item.id;
  t.systemCommand = m->systemMenu;
  t.chosenAt = at;
  t.ended = true;
}

// The bar: selecting an item (with its drop-down open or not).
void RedrawBar(Tracking& t) {
  if (t.bar && IsWindow(t.owner)) RepaintMenuBarNow(t.owner);
}

void SetBarHilite(Tracking& t, int index, bool on) {
  MenuObject* bar = PeekMenuObject(t.barMenu);
  if (bar == nullptr || index < 0 || static_cast<std::size_t>(index) >= bar->items.size()) return;
  MenuItem& item = bar->items[static_cast<std::size_t>(index)];
  if (on) {
    item.state |= MFS_HILITE;
  } else {
    item.state &= ~MFS_HILITE;
  }
}

void SelectBarItem(Tracking& t, int index, bool open, bool selectFirst, bool mouse) {
  CloseLevelsFrom(t, 0);
  if (t.barSelected != index) {
    SetBarHilite(t, t.barSelected, false);
    t.barSelected = index;
    SetBarHilite(t, index, true);
    NotifyItem(t, t.barMenu, index, mouse);
  }
  t.barPressed = false;
  RedrawBar(t);
  MenuObject* bar = PeekMenuObject(t.barMenu);
  if (!open || bar == nullptr || index < 0 || static_cast<std::size_t>(index) >= bar->items.size()) return;
  const MenuItem& item = bar->items[static_cast<std::size_t>(index)];
  if (item.subMenu == nullptr || item.IsDisabled()) return;
  const HMENU sub = item.subMenu;
  const RECT rect = MenuBarItemScreenRect(t.owner, index);
  t.barPressed = true;
  RedrawBar(t);
  if (!OpenLevel(t, sub, index, POINT{rect.left, rect.bottom}, 0, &rect)) {
    t.barPressed = false;
    return;
  }
  if (selectFirst) {
    MenuObject* opened = PeekMenuObject(sub);
    for (std::size_t i = 0; opened != nullptr && i < opened->items.size(); ++i) {
      if (Selectable(opened->items[i])) {
        SelectItem(t, 0, static_cast<int>(i), false);
        break;
      }
    }
  }
}

int NextSelectable(const MenuObject& m, int from, int step) {
  const int count = static_cast<int>(m.items.size());
  if (count == 0) return -1;
  int i = from;
  for (int tries = 0; tries < count; ++tries) {
    i = (i < 0 && step < 0) ? count - 1 : (i + step + count) % count;
    if (Selectable(m.items[static_cast<std::size_t>(i)])) return i;
  }
  return -1;
}

void BarStep(Tracking& t, int step) {
  MenuObject* bar = PeekMenuObject(t.barMenu);
  if (bar == nullptr || bar->items.empty()) return;
  const int count = static_cast<int>(bar->items.size());
  const int next = ((t.barSelected < 0 ? 0 : t.barSelected + step) + count) % count;
  const bool open = !t.levels.empty();
  SelectBarItem(t, next, open, open, false);
}

bool KeyDown(Tracking& t, WPARAM key, POINT at) {
  const std::size_t depth = t.levels.size();
  switch (key) {
    case VK_UP:
    case VK_DOWN: {
      if (depth == 0) {
        if (t.bar && key == VK_DOWN) SelectBarItem(t, t.barSelected, true, true, false);
        return true;
      }
      MenuObject* m = PeekMenuObject(t.levels.back().menu);
      if (m == nullptr) return true;
      const int from = t.levels.back().selected;
      const int next = NextSelectable(*m, from < 0 && key == VK_DOWN ? -1 : from, key == VK_DOWN ? 1 : -1);
      if (next >= 0) SelectItem(t, depth - 1, next, false);
      return true;
    }
    case VK_RIGHT:
      if (depth > 0 && OpenSubMenu(t, depth - 1, true)) return true;
      if (t.bar) BarStep(t, 1);
      return true;
    case VK_LEFT:
      if (depth > 1) {
        CloseLevelsFrom(t, depth - 1);
      } else if (t.bar) {
        BarStep(t, -1);
      }
      return true;
    case VK_RETURN:
      if (depth == 0) {
        if (!t.bar) return true;
        MenuObject* bar = PeekMenuObject(t.barMenu);
        if (bar == nullptr || t.barSelected < 0 || static_cast<std::size_t>(t.barSelected) >= bar->items.size()) {
          return true;
        }
        const MenuItem& item = bar->items[static_cast<std::size_t>(t.barSelected)];
        if (item.subMenu != nullptr) {
          SelectBarItem(t, t.barSelected, true, true, false);
        } else if (!item.IsDisabled()) {
          t.chosen = true;
          t.command = item.id;
          t.ended = true;
        }
        return true;
      }
      if (t.levels.back().selected >= 0) {
        Choose(t, depth - 1, t.levels.back().selected, at);
      } else {
        // Return with nothing selected closes the menu, as Windows does.
        t.ended = t.levels.size() == 1 && !t.bar;
      }
      return true;
    case VK_ESCAPE:
      if (depth > 1) {
        CloseLevelsFrom(t, depth - 1);
      } else if (depth == 1 && t.bar) {
        // Back to the bar, still selected for the keyboard.
        CloseLevelsFrom(t, 0);
        t.barPressed = false;
        RedrawBar(t);
      } else {
        t.ended = true;
      }
      return true;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
    case VK_F10:
      t.ended = true;
      return true;
    default:
      return false;
  }
}

// A character picks the item whose mnemonic it is; the owner is asked
// (WM_MENUCHAR) when no item has it.
void Mnemonic(Tracking& t, WCHAR character, POINT at) {
  const char16_t key = (character >= u'a' && character <= u'z') ? static_cast<char16_t>(character - u'a' + u'A') : character;
  const bool onBar = t.levels.empty();
  if (onBar && !t.bar) return;
  const HMENU menu = onBar ? t.barMenu : t.levels.back().menu;
  MenuObject* m = PeekMenuObject(menu);
  if (m == nullptr) return;
  std::vector<int> matches;
  for (std::size_t i = 0; i < m->items.size(); ++i) {
    if (m->items[i].hasText && MenuMnemonic(m->items[i].text) == key) matches.push_back(static_cast<int>(i));
  }
  const int current = onBar ? t.barSelected : t.levels.back().selected;
  int pick = -1;
  bool execute = matches.size() == 1;
  if (!matches.empty()) {
    pick = matches.front();
    for (int candidate : matches) {
      if (candidate > current) {
        pick = candidate;
        break;
      }
    }
  } else {
    UINT flags = onBar ? 0 : MF_POPUP;
    if (m->systemMenu) flags |= MF_SYSMENU;
    const LRESULT answer = SendMessageW(t.owner, WM_MENUCHAR, MAKEWPARAM(character, static_cast<WORD>(flags)),
                                        reinterpret_cast<LPARAM>(menu));
    switch (HIWORD(static_cast<DWORD>(answer))) {
      case MNC_EXECUTE: pick = LOWORD(static_cast<DWORD>(answer)); execute = true; break;
      case MNC_SELECT: pick = LOWORD(static_cast<DWORD>(answer)); execute = false; break;
      case MNC_CLOSE: t.ended = true; return;
      default: MessageBeep(0); return;
    }
    if ((m = PeekMenuObject(menu)) == nullptr || pick < 0 || static_cast<std::size_t>(pick) >= m->items.size()) return;
  }
  if (onBar) {
    SelectBarItem(t, pick, true, true, false);
    // Opening the drop-down may have changed the bar.
    if ((m = PeekMenuObject(menu)) == nullptr || static_cast<std::size_t>(pick) >= m->items.size()) return;
    const MenuItem& item = m->items[static_cast<std::size_t>(pick)];
    if (execute && item.subMenu == nullptr && !item.IsDisabled()) {
      t.chosen = true;
      t.command = item.id;
      t.ended = true;
    }
    return;
  }
  SelectItem(t, t.levels.size() - 1, pick, false);
  if (execute) Choose(t, t.levels.size() - 1, pick, at);
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN ||
         message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_NCLBUTTONDBLCLK;
}

bool IsButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_NCLBUTTONUP || message == WM_NCRBUTTONUP;
}

bool IsNonClientMouse(UINT message) { return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK; }

bool IsMenuWindow(const Tracking& t, HWND hwnd) {
  return std::any_of(t.levels.begin(), t.levels.end(), [&](const Level& l) { return l.window == hwnd; });
}

void MouseMove(Tracking& t, POINT at) {
  const auto [level, index] = HitTest(t, at);
  if (level < 0) {
    if (t.bar) {
      const int barItem = MenuBarItemAt(t.owner, at);
      if (barItem >= 0 && barItem != t.barSelected) SelectBarItem(t, barItem, t.barPressed, false, true);
      if (barItem >= 0) return;
    }
    // Over nothing: the deepest selection goes unless it opened a sub-menu.
    if (!t.levels.empty() && t.levels.back().selected >= 0) SelectItem(t, t.levels.size() - 1, -1, true);
    return;
  }
  const auto depth = static_cast<std::size_t>(level);
  if (index < 0) return;
  if (t.levels[depth].selected != index) {
    CloseLevelsFrom(t, depth + 1);
    MenuObject* m = PeekMenuObject(t.levels[depth].menu);
    if (m == nullptr || !Selectable(m->items[static_cast<std::size_t>(index)])) {
      SelectItem(t, depth, -1, true);
      return;
    }
    SelectItem(t, depth, index, true);
    if ((m = PeekMenuObject(t.levels[depth].menu)) != nullptr && m->items[static_cast<std::size_t>(index)].subMenu) {
      SetSystemTimer(t.levels[depth].window, kHoverTimer, kHoverDelay);
    }
  }
}

// Mouse messages: moves select, presses open, releases choose; a press
// outside the menus ends the loop and is then delivered to its window.
void HandleMouse(Tracking& t, const MSG& msg) {
  POINT at = msg.pt;
  if (IsNonClientMouse(msg.message)) at = POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
    MouseMove(t, at);
    return;
  }
  const auto [level, index] = HitTest(t, at);
  if (IsButtonDown(msg.message)) {
    if (level >= 0) {
      MouseMove(t, at);
      if (index >= 0) OpenSubMenu(t, static_cast<std::size_t>(level), false);
      return;
    }
    if (t.bar && IsWindow(t.owner) && (msg.hwnd == t.owner || msg.hwnd == nullptr || !IsWindow(msg.hwnd))) {
      const int barItem = MenuBarItemAt(t.owner, at);
      if (barItem >= 0) {
        // A press on the open item closes the menu; on another, switches.
        if (barItem == t.barSelected && t.barPressed) {
          t.ended = true;
        } else {
          SelectBarItem(t, barItem, true, false, true);
        }
        return;
      }
    }
    // Outside every menu: the menu closes and the press goes on to its window.
    t.ended = true;
    PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return;
  }
  if (IsButtonUp(msg.message)) {
    const bool rightButton = msg.message == WM_RBUTTONUP || msg.message == WM_NCRBUTTONUP;
    if (rightButton && !(t.flags & TPM_RIGHTBUTTON) && !t.bar) return;
    if (level >= 0 && index >= 0) {
      Choose(t, static_cast<std::size_t>(level), index, at);
      return;
    }
    if (t.bar && level < 0) {
      const int barItem = MenuBarItemAt(t.owner, at);
      MenuObject* bar = PeekMenuObject(t.barMenu);
      if (bar != nullptr && barItem >= 0 && barItem == t.barSelected) {
        const MenuItem& item = bar->items[static_cast<std::size_t>(barItem)];
        if (item.subMenu == nullptr && !item.IsDisabled()) {
          t.chosen = true;
          t.command = item.id;
          t.ended = true;
        }
      }
    }
  }
}

void HandleMessage(Tracking& t, MSG& msg) {
  const UINT message = msg.message;
  if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || IsNonClientMouse(message)) {
    if (message == WM_MOUSEWHEEL) return;
    HandleMouse(t, msg);
    return;
  }
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    if (!KeyDown(t, msg.wParam, msg.pt)) TranslateMessage(&msg);
    return;
  }
  if (message == WM_CHAR || message == WM_SYSCHAR) {
    Mnemonic(t, static_cast<WCHAR>(msg.wParam), msg.pt);
    return;
  }
  if (message == WM_KEYUP || message == WM_SYSKEYUP || message == WM_DEADCHAR || message == WM_SYSDEADCHAR) return;
  if (message == WM_SYSTIMER && msg.wParam == kHoverTimer && IsMenuWindow(t, msg.hwnd)) {
    KillSystemTimer(msg.hwnd, kHoverTimer);
    for (std::size_t level = 0; level < t.levels.size(); ++level) {
      if (t.levels[level].window == msg.hwnd) OpenSubMenu(t, level, false);
    }
    return;
  }
  DispatchMessageW(&msg);
}

// Runs the loop until the menu closes; answers the chosen command (0 for none).
UINT RunLoop(Tracking& t) {
  MSG msg{};
  while (!t.ended) {
    if (!IsWindow(t.owner)) break;
    if (t.levels.empty() && !t.bar) break;
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (CallMsgFilterW(&msg, MSGF_MENU)) continue;
    HandleMessage(t, msg);
  }
  CloseLevelsFrom(t, 0);
  if (t.bar) {
    SetBarHilite(t, t.barSelected, false);
    t.barSelected = -1;
    t.barPressed = false;
    RedrawBar(t);
  }
  NotifySelect(t, MAKEWPARAM(0, 0xFFFF), 0);
  return t.chosen ? t.command : 0;
}

void Deliver(const Tracking& t) {
  if (!t.chosen || !IsWindow(t.owner)) return;
  if (t.systemCommand) {
    PostMessageW(t.owner, WM_SYSCOMMAND, t.command,
                 MAKELPARAM(static_cast<WORD>(t.chosenAt.x), static_cast<WORD>(t.chosenAt.y)));
  } else {
    PostMessageW(t.owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(t.command), 0), 0);
  }
}

struct ScopedTracking {
  explicit ScopedTracking(Tracking& t) { Current() = &t; }
  ~ScopedTracking() { Current() = nullptr; }
};

}  // namespace

HWND MenuTrackingOwner() { return Current() ? Current()->owner : nullptr; }

bool MenuBarDropDownOpen() { return Current() != nullptr && Current()->bar && Current()->barPressed; }

void TrackMenuBar(HWND hwnd, int item, bool keyboard) {
  if (Current() != nullptr) return;
  const HMENU barMenu = GetMenu(hwnd);
  MenuObject* bar = PeekMenuObject(barMenu);
  if (bar == nullptr || bar->items.empty()) return;
  Tracking t;
  t.owner = hwnd;
  t.bar = true;
  t.barMenu = barMenu;
  ScopedTracking scope(t);
  SendMessageW(hwnd, WM_ENTERMENULOOP, FALSE, 0);
  SendMessageW(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(barMenu), 0);
  if (PeekMenuObject(barMenu) == nullptr || !IsWindow(hwnd)) return;
  const int count = static_cast<int>(PeekMenuObject(barMenu)->items.size());
  SelectBarItem(t, std::clamp(item, 0, std::max(count - 1, 0)), !keyboard || item >= 0, keyboard, !keyboard);
  RunLoop(t);
  if (IsWindow(hwnd)) SendMessageW(hwnd, WM_EXITMENULOOP, FALSE, 0);
  Deliver(t);
}

}  // namespace platform

using platform::Current;

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params) {
  if (platform::FindMenuObject(menu) == nullptr) return FALSE;
  if (platform::FindWindowObject(owner) == nullptr) return FALSE;
  if (platform::Current() != nullptr) {
    SetLastError(ERROR_POPUP_ALREADY_ACTIVE);
    return FALSE;
  }
  if (params != nullptr && params->cbSize != sizeof(TPMPARAMS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  platform::Tracking t;
  t.owner = owner;
  t.flags = flags;
  t.notify = !(flags & TPM_NONOTIFY);
  platform::ScopedTracking scope(t);
  if (t.notify) {
    SendMessageW(owner, WM_ENTERMENULOOP, TRUE, 0);
    SendMessageW(owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  }
  const RECT* exclude = params ? &params->rcExclude : nullptr;
  UINT command = 0;
  if (platform::OpenLevel(t, menu, 0, POINT{x, y}, flags, exclude)) command = platform::RunLoop(t);
  if (t.notify && IsWindow(owner)) SendMessageW(owner, WM_EXITMENULOOP, TRUE, 0);
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(command);
  platform::Deliver(t);
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu() {
  if (Current() == nullptr) return FALSE;
  Current()->ended = true;
  // Wakes the loop if it waits for input.
  PostMessageW(Current()->owner, WM_NULL, 0, 0);
  return TRUE;
}

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, LPRECT rect) {
  platform::MenuObject* m = platform::FindMenuObject(menu);
  if (m == nullptr || rect == nullptr || item >= m->items.size()) return FALSE;
  if (m->window != nullptr) {
    POINT origin{0, 0};
    ClientToScreen(m->window, &origin);
    *rect = m->items[item].rect;
    OffsetRect(rect, origin.x, origin.y);
    return TRUE;
  }
  if (hwnd != nullptr && GetMenu(hwnd) == menu) {
    *rect = platform::MenuBarItemScreenRect(hwnd, static_cast<int>(item));
    return TRUE;
  }
  return FALSE;
}

int MenuItemFromPoint(HWND hwnd, HMENU menu, POINT screen) {
  platform::MenuObject* m = platform::FindMenuObject(menu);
  if (m == nullptr) return -1;
  for (std::size_t i = 0; i < m->items.size(); ++i) {
    RECT rect{};
    if (GetMenuItemRect(hwnd, menu, static_cast<UINT>(i), &rect) && PtInRect(&rect, screen)) return static_cast<int>(i);
  }
  return -1;
}

BOOL HiliteMenuItem(HWND hwnd, HMENU menu, UINT item, UINT hilite) {
  platform::MenuItem* entry = platform::FindMenuItem(menu, item, (hilite & MF_BYPOSITION) != 0);
  if (entry == nullptr) return FALSE;
  if (hilite & MF_HILITE) {
    entry->state |= MFS_HILITE;
  } else {
    entry->state &= ~MFS_HILITE;
  }
  if (hwnd != nullptr && GetMenu(hwnd) == menu) DrawMenuBar(hwnd);
  return TRUE;
}
