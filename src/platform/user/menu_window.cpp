// The "#32768" class: the window of one open popup-menu level. Its client
// area lies 3 pixels inside the window on every side (a raised frame and a
// line of the menu colour); it paints through the control painter, and
// owner-drawn items through the owner's WM_DRAWITEM.
#include "platform/controls/classic_look.h"
#include "platform/gdi/gdi.h"
#include "platform/user/menu_object.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

MenuItemLook LookOf(const MenuObject& m, std::size_t index, HFONT font) {
  const MenuItem& item = m.items[index];
  MenuItemLook look;
  const std::size_t tab = item.text.find(u'\t');
  look.text = tab == WideString::npos ? item.text : item.text.substr(0, tab);
  if (tab != WideString::npos) {
    look.shortcut = item.text.substr(tab + 1);
    look.shortcutX = ShortcutColumn(m, index);
  }
  look.font = font;
  look.separator = item.IsSeparator();
  look.selected = (item.state & MFS_HILITE) != 0 && !look.separator;
  look.disabled = item.IsDisabled();
  look.checked = (item.state & MFS_CHECKED) != 0;
  look.radio = (item.type & MFT_RADIOCHECK) != 0;
  look.subMenu = item.subMenu != nullptr;
  look.isDefault = (item.state & MFS_DEFAULT) != 0;
  look.bitmap = item.bitmap;
  look.bitmapColumn = item.bitmapColumn;
  return look;
}

UINT OwnerDrawState(const MenuItem& item) {
  UINT state = 0;
  if (item.state & MFS_HILITE) state |= ODS_SELECTED;
  if (item.state & MFS_GRAYED) state |= ODS_GRAYED | ODS_DISABLED;
  if (item.state & MFS_CHECKED) state |= ODS_CHECKED;
  if (item.state & MFS_DEFAULT) state |= ODS_DEFAULT;
  return state;
}

HWND DrawingOwner(HWND menuWindow) {
  const HWND owner = MenuTrackingOwner();
  return owner != nullptr ? owner : GetWindow(menuWindow, GW_OWNER);
}

// An HBMMENU_CALLBACK bitmap: the owner draws it (WM_DRAWITEM) into its
// cell of the bitmap column, over the entry the painter drew.
void DrawCallbackBitmap(HWND menuWindow, HDC dc, const MenuObject& m, const MenuItem& item) {
  const HWND owner = DrawingOwner(menuWindow);
  if (owner == nullptr || item.bitmapColumn <= 0) return;
  const int left = item.rect.left + kMenuMarkColumn + (item.bitmapColumn - item.callbackSize.cx) / 2;
  const int top = item.rect.top + (item.rect.bottom - item.rect.top - item.callbackSize.cy) / 2;
  DRAWITEMSTRUCT draw{ODT_MENU, 0, item.id, ODA_DRAWENTIRE, OwnerDrawState(item), reinterpret_cast<HWND>(m.handle),
                      dc, RECT{left, top, left + item.callbackSize.cx, top + item.callbackSize.cy}, item.data};
  SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

void PaintEverything(HWND hwnd, HDC dc) {
  MenuObject* m = PeekMenuObject(MenuOfWindow(hwnd));
  RECT client{};
  GetClientRect(hwnd, &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  CurrentPainter().MenuBackground(memory, client);
  const HMENU handle = m ? m->handle : nullptr;
  for (std::size_t i = 0; m != nullptr && i < m->items.size(); ++i) {
    const RECT item = m->items[i].rect;
    if (i > 0 && (m->items[i].type & MFT_MENUBARBREAK)) {
      CurrentPainter().MenuColumnBreak(memory, RECT{item.left - 2, 0, item.left, height});
    }
    PaintPopupItem(hwnd, memory, *m, static_cast<int>(i));
    // An owner's WM_DRAWITEM may have destroyed the menu.
    if ((m = PeekMenuObject(handle)) == nullptr) break;
  }
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void PaintFrame(HWND hwnd, HRGN update) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !IsReallyVisible(*w)) return;
  const bool whole = reinterpret_cast<ULONG_PTR>(update) <= 1;
  HDC dc = GetDCEx(hwnd, whole ? nullptr : update, DCX_WINDOW | DCX_USESTYLE | (whole ? 0 : DCX_INTERSECTRGN));
  if (dc == nullptr) return;
  const RECT window{0, 0, w->window.right - w->window.left, w->window.bottom - w->window.top};
  const RECT client{w->client.left - w->window.left, w->client.top - w->window.top, w->client.right - w->window.left,
                    w->client.bottom - w->window.top};
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, window.right, window.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  CurrentPainter().MenuFrame(memory, window);
  BitBlt(dc, 0, 0, window.right, window.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd, dc);
}

LRESULT MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_NCPAINT:
      PaintFrame(hwnd, reinterpret_cast<HRGN>(wParam));
      return 0;
    case WM_NCACTIVATE:
      return TRUE;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd, &client);
      CurrentPainter().MenuBackground(reinterpret_cast<HDC>(wParam), client);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (dc != nullptr) {
        PaintEverything(hwnd, dc);
        return 0;
      }
      if ((dc = BeginPaint(hwnd, &ps)) != nullptr) {
        PaintEverything(hwnd, dc);
        EndPaint(hwnd, &ps);
      }
      return 0;
    }
    case WM_PRINT: {
      // The frame is the painter's, not the default procedure's.
      HDC dc = reinterpret_cast<HDC>(wParam);
      WindowObject* w = PeekWindowObject(hwnd);
      if ((lParam & PRF_NONCLIENT) && dc != nullptr && w != nullptr) {
        const RECT window{0, 0, w->window.right - w->window.left, w->window.bottom - w->window.top};
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, w->client.left - w->window.left, w->client.top - w->window.top,
                        w->client.right - w->window.left, w->client.bottom - w->window.top);
        CurrentPainter().MenuFrame(dc, window);
        RestoreDC(dc, saved);
      }
      return DefWindowProcW(hwnd, message, wParam, lParam & ~static_cast<LPARAM>(PRF_NONCLIENT));
    }
    case WM_PRINTCLIENT:
      PaintEverything(hwnd, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case MN_GETHMENU:
      return reinterpret_cast<LRESULT>(MenuOfWindow(hwnd));
    case WM_DESTROY:
      if (MenuObject* m = PeekMenuObject(MenuOfWindow(hwnd)); m != nullptr && m->window == hwnd) m->window = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

HMENU MenuOfWindow(HWND hwnd) { return reinterpret_cast<HMENU>(GetWindowLongPtrW(hwnd, 0)); }

void RegisterMenuWindowClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_SAVEBITS | CS_DBLCLKS | CS_GLOBALCLASS;
  wc.lpfnWndProc = WndProcFromFunction(MenuWindowProc);
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = SystemModule();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = u"#32768";
  RegisterClassExW(&wc);
}

HWND CreateMenuWindow(HMENU menu, HWND owner, const RECT& windowRect) {
  // A border and a modal-dialog edge make the 3-pixel frame of the class.
  const HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE,
                                    u"#32768", nullptr, WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS, windowRect.left,
                                    windowRect.top, windowRect.right - windowRect.left,
                                    windowRect.bottom - windowRect.top, owner, nullptr, SystemModule(), menu);
  if (MenuObject* m = PeekMenuObject(menu); m != nullptr && hwnd != nullptr) m->window = hwnd;
  return hwnd;
}

void PaintPopupItem(HWND menuWindow, HDC dc, MenuObject& m, int index) {
  const MenuItem& item = m.items[static_cast<std::size_t>(index)];
  if (item.IsOwnerDraw()) {
    DRAWITEMSTRUCT draw{ODT_MENU, 0, item.id, ODA_DRAWENTIRE, OwnerDrawState(item), reinterpret_cast<HWND>(m.handle),
                        dc, item.rect, item.data};
    if (HWND owner = DrawingOwner(menuWindow)) SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    return;
  }
  HFONT font = CreateMenuFont((item.state & MFS_DEFAULT) != 0);
  CurrentPainter().MenuEntry(dc, item.rect, LookOf(m, static_cast<std::size_t>(index), font));
  DeleteObject(font);
  if (item.bitmap == HBMMENU_CALLBACK) DrawCallbackBitmap(menuWindow, dc, m, item);
}

void RedrawPopupItem(MenuObject& m, int index) {
  if (m.window == nullptr || index < 0 || static_cast<std::size_t>(index) >= m.items.size()) return;
  const HWND hwnd = m.window;
  if (!IsWindowVisible(hwnd)) return;
  const RECT rect = m.items[static_cast<std::size_t>(index)].rect;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  HDC dc = GetDC(hwnd);
  if (dc == nullptr) return;
  // Composed off screen at the item's own place, then copied once.
  HDC memory = CreateCompatibleDC(dc);
  RECT client{};
  GetClientRect(hwnd, &client);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  CurrentPainter().MenuBackground(memory, client);
  PaintPopupItem(hwnd, memory, m, index);
  BitBlt(dc, rect.left, rect.top, width, height, memory, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd, dc);
}

}  // namespace platform
