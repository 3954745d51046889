// The "MDIClient" class: the window inside a frame that holds the document
// windows, creates and destroys them on request, keeps which one is active
// and answers the WM_MDI* messages.
#include <algorithm>
#include <map>

#include "platform/gdi/gdi.h"
#include "platform/user/mdi_internal.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

std::map<HWND, MdiClientState>& States() {
  static std::map<HWND, MdiClientState> states;
  return states;
}

// Where a new child goes when its creator lets the system choose: the next
// step of a cascade from the client's top-left corner.
POINT DefaultChildPosition(HWND client) {
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  MdiClientState* state = MdiClientOf(client);
  const int index = state == nullptr ? 0 : static_cast<int>(state->children.size());
  RECT area{};
  GetClientRect(client, &area);
  const int rows = std::max(1, (area.bottom - area.top) / (2 * step));
  const int n = index % rows;
  return POINT{n * step, n * step};
}

HWND CreateChild(HWND client, const MDICREATESTRUCTW& create) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr || create.szClass == nullptr) return nullptr;
  DWORD style = create.style | WS_CHILD | WS_CLIPSIBLINGS;
  if (!(GetWindowLongW(client, GWL_STYLE) & MDIS_ALLCHILDSTYLES)) {
    style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  }
  style &= ~WS_POPUP;
  // A child created while the active one is maximised is maximised too.
  const bool maximise = (style & WS_MAXIMIZE) || (state->maximized != nullptr && IsWindow(state->maximized));
  const bool visible = (style & WS_VISIBLE) != 0;
  style &= ~(WS_VISIBLE | WS_MAXIMIZE);
  int x = create.x, y = create.y, cx = create.cx, cy = create.cy;
  if (x == CW_USEDEFAULT || y == CW_USEDEFAULT) {
    const POINT p = DefaultChildPosition(client);
    x = p.x;
    y = p.y;
  }
  RECT area{};
  GetClientRect(client, &area);
  if (cx == CW_USEDEFAULT || cy == CW_USEDEFAULT || cx <= 0 || cy <= 0) {
    cx = std::max<int>(100, (area.right - area.left) * 3 / 4);
    cy = std::max<int>(60, (area.bottom - area.top) * 3 / 4);
  }
  const UINT id = state->idFirstChild + static_cast<UINT>(state->children.size());
  HWND child = CreateWindowExW(WS_EX_MDICHILD, create.szClass, create.szTitle, style, x, y, cx, cy, client,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               static_cast<HINSTANCE>(create.hOwner), const_cast<MDICREATESTRUCTW*>(&create));
  if (child == nullptr) return nullptr;
  AdoptMdiChild(client, child);
  if (maximise) {
    ShowWindow(child, SW_SHOWMAXIMIZED);
  } else if (visible) {
    ShowWindow(child, SW_SHOW);
  }
  if (IsWindow(child) && IsWindowVisible(child)) ActivateMdiChild(client, child);
  UpdateMdiScrollBars(client);
  return child;
}

bool OwnsChild(HWND client, HWND child) {
  MdiClientState* state = MdiClientOf(client);
  return state != nullptr && child != nullptr &&
         std::find(state->children.begin(), state->children.end(), child) != state->children.end();
}

HWND ActiveOrGiven(HWND client, WPARAM wParam) {
  const HWND given = reinterpret_cast<HWND>(wParam);
  if (given != nullptr) return OwnsChild(client, given) ? given : nullptr;
  MdiClientState* state = MdiClientOf(client);
  return state != nullptr ? state->active : nullptr;
}

LRESULT SetMenus(HWND client, HMENU frameMenu, HMENU windowMenu) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr) return 0;
  const HWND frame = state->frame;
  const HMENU old = GetMenu(frame);
  if (frameMenu != nullptr && !IsMenu(frameMenu)) return 0;
  if (windowMenu != nullptr && !IsMenu(windowMenu)) return 0;
  const HWND maximized = state->maximized;
  // The maximised child's buttons and the list move to the new menus.
  if (frameMenu != nullptr && frameMenu != old && maximized != nullptr) HideMdiMaximizedChild(client, maximized);
  if ((state = MdiClientOf(client)) == nullptr) return 0;
  if (windowMenu != nullptr) state->windowMenu = windowMenu;
  if (frameMenu != nullptr && frameMenu != old) SetMenu(frame, frameMenu);
  RefreshMdiWindowMenu(client);
  if (frameMenu != nullptr && frameMenu != old && maximized != nullptr && IsWindow(maximized)) {
    ShowMdiMaximizedChild(client, maximized);
  }
  return reinterpret_cast<LRESULT>(old);
}

void ChildResized(HWND client) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr) return;
  // The maximised child keeps filling the client.
  if (state->maximized != nullptr && IsWindow(state->maximized)) {
    RECT r{};
    GetClientRect(client, &r);
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(state->maximized, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(state->maximized, GWL_EXSTYLE)));
    SetWindowPos(state->maximized, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  UpdateMdiScrollBars(client);
}

LRESULT ClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      MdiClientState state;
      state.frame = cs->hwndParent;
      if (const auto* ccs = static_cast<const CLIENTCREATESTRUCT*>(cs->lpCreateParams)) {
        state.windowMenu = IsMenu(static_cast<HMENU>(ccs->hWindowMenu)) ? static_cast<HMENU>(ccs->hWindowMenu) : nullptr;
        state.idFirstChild = ccs->idFirstChild;
      }
      WCHAR title[256];
      GetWindowTextW(cs->hwndParent, title, 256);
      state.frameTitle = title;
      States()[hwnd] = std::move(state);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_NCDESTROY:
      States().erase(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_DESTROY: {
      // The list and a maximised child's entries leave the frame's menus
      // with the client; the children going next activate nothing.
      if (MdiClientState* state = MdiClientOf(hwnd)) HideMdiMaximizedChild(hwnd, state->maximized);
      if (MdiClientState* state = MdiClientOf(hwnd)) {
        state->children.clear();
        state->active = nullptr;
      }
      RefreshMdiWindowMenu(hwnd);
      return 0;
    }
    case WM_MDICREATE:
      if (lParam == 0) return 0;
      return reinterpret_cast<LRESULT>(CreateChild(hwnd, *reinterpret_cast<const MDICREATESTRUCTW*>(lParam)));
    case WM_MDIDESTROY: {
      const HWND child = reinterpret_cast<HWND>(wParam);
      if (OwnsChild(hwnd, child)) DestroyWindow(child);
      return 0;
    }
    case WM_MDIACTIVATE: {
      const HWND child = reinterpret_cast<HWND>(wParam);
      if (OwnsChild(hwnd, child)) ActivateMdiChild(hwnd, child);
      return 0;
    }
    case WM_MDIGETACTIVE: {
      MdiClientState* state = MdiClientOf(hwnd);
      const HWND active = state != nullptr ? state->active : nullptr;
      if (lParam != 0) *reinterpret_cast<BOOL*>(lParam) = active != nullptr && IsZoomed(active);
      return reinterpret_cast<LRESULT>(active);
    }
    case WM_MDINEXT: {
      const HWND from = ActiveOrGiven(hwnd, wParam);
      const HWND next = from != nullptr ? NextMdiChild(hwnd, from, lParam != 0) : nullptr;
      if (next == nullptr) return 0;
      ActivateMdiChild(hwnd, next);
      // Going forward sends the one left behind to the bottom.
      if (lParam == 0 && IsWindow(from)) {
        SetWindowPos(from, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      return 0;
    }
    case WM_MDIMAXIMIZE:
      if (OwnsChild(hwnd, reinterpret_cast<HWND>(wParam))) ShowWindow(reinterpret_cast<HWND>(wParam), SW_SHOWMAXIMIZED);
      return 0;
    case WM_MDIRESTORE:
      if (OwnsChild(hwnd, reinterpret_cast<HWND>(wParam))) ShowWindow(reinterpret_cast<HWND>(wParam), SW_RESTORE);
      return 0;
    case WM_MDITILE:
      TileMdiChildren(hwnd, static_cast<UINT>(wParam));
      return TRUE;
    case WM_MDICASCADE:
      CascadeMdiChildren(hwnd);
      return TRUE;
    case WM_MDIICONARRANGE:
      ArrangeIconicWindows(hwnd);
      return 0;
    case WM_MDISETMENU:
      return SetMenus(hwnd, reinterpret_cast<HMENU>(wParam), reinterpret_cast<HMENU>(lParam));
    case WM_MDIREFRESHMENU: {
      RefreshMdiWindowMenu(hwnd);
      MdiClientState* state = MdiClientOf(hwnd);
      return state != nullptr ? reinterpret_cast<LRESULT>(GetMenu(state->frame)) : 0;
    }
    case WM_SIZE:
      ChildResized(hwnd);
      return 0;
    case WM_SETFOCUS: {
      MdiClientState* state = MdiClientOf(hwnd);
      if (state != nullptr && state->active != nullptr && IsWindow(state->active)) SetFocus(state->active);
      return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
      ScrollMdiClient(hwnd, message == WM_VSCROLL ? SB_VERT : SB_HORZ, wParam);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterMdiClientClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
  wc.lpfnWndProc = WndProcFromFunction(ClientProc);
  wc.hInstance = SystemModule();
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
  wc.lpszClassName = u"MDIClient";
  RegisterClassExW(&wc);
}

MdiClientState* MdiClientOf(HWND client) {
  auto it = States().find(client);
  return it == States().end() ? nullptr : &it->second;
}

HWND MdiClientOfChild(HWND child) {
  const HWND parent = GetParent(child);
  return MdiClientOf(parent) != nullptr ? parent : nullptr;
}

void ActivateMdiChild(HWND client, HWND child) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr) return;
  const HWND previous = state->active != nullptr && IsWindow(state->active) ? state->active : nullptr;
  if (previous == child) return;
  if (child != nullptr && (!IsWindow(child) || GetParent(child) != client)) return;
  state->active = child;
  const bool carryMaximize = previous != nullptr && IsZoomed(previous);
  if (previous != nullptr) {
    SendMessageW(previous, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(previous, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(child));
  }
  if (child == nullptr || !IsWindow(child)) {
    RefreshMdiWindowMenu(client);
    return;
  }
  // The new child takes over the maximised state.
  if (carryMaximize) {
    ShowWindow(child, SW_SHOWMAXIMIZED);
    if (IsWindow(previous)) ShowWindow(previous, SW_SHOWNOACTIVATE);
  }
  if (!IsWindow(child)) return;
  SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SendMessageW(child, WM_NCACTIVATE, TRUE, 0);
  RefreshMdiWindowMenu(client);
  SendMessageW(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(child));
  if ((state = MdiClientOf(client)) != nullptr && GetActiveWindow() == GetAncestor(client, GA_ROOT) &&
      IsWindow(child) && !IsChild(child, GetFocus())) {
    SetFocus(child);
  }
}

void AdoptMdiChild(HWND client, HWND child) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr || !IsWindow(child)) return;
  if (std::find(state->children.begin(), state->children.end(), child) != state->children.end()) return;
  state->children.push_back(child);
  RefreshMdiWindowMenu(client);
}

void ForgetMdiChild(HWND client, HWND child) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr) return;
  const bool wasMaximized = state->maximized == child;
  const bool wasActive = state->active == child;
  HideMdiMaximizedChild(client, child);
  if ((state = MdiClientOf(client)) == nullptr) return;
  HWND next = wasActive ? NextMdiChild(client, child, false) : nullptr;
  std::erase(state->children, child);
  if (wasActive) {
    state->active = nullptr;
    SendMessageW(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), reinterpret_cast<LPARAM>(next));
    if (next != nullptr && IsWindow(next)) {
      if (wasMaximized) ShowWindow(next, SW_SHOWMAXIMIZED);
      ActivateMdiChild(client, next);
    }
  }
  RefreshMdiWindowMenu(client);
  UpdateMdiScrollBars(client);
}

HWND NextMdiChild(HWND client, HWND from, bool previous) {
  std::vector<HWND> order;
  for (HWND h = GetWindow(client, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    if (h == from || (IsWindowVisible(h) && IsWindowEnabled(h))) order.push_back(h);
  }
  auto at = std::find(order.begin(), order.end(), from);
  if (order.size() < 2 || at == order.end()) return nullptr;
  if (previous) return order.back() == from ? *(order.end() - 2) : order.back();
  return std::next(at) == order.end() ? order.front() : *std::next(at);
}

}  // namespace platform
