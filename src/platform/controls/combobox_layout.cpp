// Where a combo box's parts lie: the selection field (or the edit) and the
// drop-down button inside a sunken frame, the list below (a child of the
// simple style, a pop-up under the field otherwise), and the parts made
// at creation.
#include <algorithm>

#include "platform/controls/combobox_internal.h"
#include "platform/controls/control_data.h"
#include "platform/controls/listbox.h"

namespace platform {
namespace {

constexpr int kFrame = 2;     // the sunken edge
constexpr int kPadding = 1;

int FieldBoxHeight(const ComboData& c) { return c.fieldHeight + 2 * (kFrame + kPadding); }

RECT Client(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

DWORD ListStyles(DWORD style) {
  DWORD list = LBS_NOTIFY | LBS_COMBOBOX | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  if (style & CBS_SORT) list |= LBS_SORT;
  if (style & CBS_OWNERDRAWFIXED) list |= LBS_OWNERDRAWFIXED;
  if (style & CBS_OWNERDRAWVARIABLE) list |= LBS_OWNERDRAWVARIABLE;
  if (style & CBS_HASSTRINGS) list |= LBS_HASSTRINGS;
  if (style & CBS_DISABLENOSCROLL) list |= LBS_DISABLENOSCROLL;
  return list;
}

LRESULT EditHook(ComboData* c, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC own = c->editProc;
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    const bool comboKey = wParam == VK_F4 || wParam == VK_UP || wParam == VK_DOWN ||
                          (c->dropped && (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_PRIOR ||
                                          wParam == VK_NEXT));
    if (comboKey) {
      ComboKey(*c, message, wParam);
      return 0;
    }
  }
  if (message == WM_CHAR && c->dropped && (wParam == u'\r' || wParam == 27)) return 0;
  return CallWindowProcW(own, hwnd, message, wParam, lParam);
}

}  // namespace

RECT ComboButtonRect(HWND hwnd) {
  if (ComboType(hwnd) == CBS_SIMPLE) return RECT{0, 0, 0, 0};
  const RECT client = Client(hwnd);
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) {
    return RECT{kFrame, kFrame, kFrame + width, client.bottom - kFrame};
  }
  return RECT{std::max<LONG>(kFrame, client.right - kFrame - width), kFrame, client.right - kFrame,
              client.bottom - kFrame};
}

RECT ComboItemRect(HWND hwnd, const ComboData& c) {
  const RECT client = Client(hwnd);
  const int inset = kFrame + kPadding;
  RECT item{inset, inset, client.right - inset, inset + c.fieldHeight};
  if (ComboType(hwnd) == CBS_SIMPLE) return item;
  const RECT button = ComboButtonRect(hwnd);
  if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) {
    item.left = button.right + kPadding;
  } else {
    item.right = button.left - kPadding;
  }
  item.right = std::max(item.left, item.right);
  return item;
}

RECT DroppedRect(HWND hwnd, const ComboData& c) {
  RECT window{};
  GetWindowRect(hwnd, &window);
  const int width = std::max(static_cast<int>(window.right - window.left), c.droppedWidth);
  const int border = 2;
  const int room = std::max(c.dropHeight - FieldBoxHeight(c), 0);
  const auto count = static_cast<int>(SendMessageW(c.list, LB_GETCOUNT, 0, 0));
  int height = 0;
  for (int i = 0; i < count; ++i) {
    const auto item = static_cast<int>(SendMessageW(c.list, LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0));
    if (i > 0 && height + item > room) break;
    height += item;
  }
  if (count == 0) height = static_cast<int>(SendMessageW(c.list, LB_GETITEMHEIGHT, 0, 0));
  height += border;
  // Below the field, or above it where the screen ends.
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  if (window.bottom + height > work.bottom && window.top - height >= work.top) {
    return RECT{window.left, window.top - height, window.left + width, window.top};
  }
  return RECT{window.left, window.bottom, window.left + width, window.bottom + height};
}

void LayOutCombo(HWND hwnd, ComboData& c) {
  if (c.sizing) return;
  c.sizing = true;
  RECT window{};
  GetWindowRect(hwnd, &window);
  const int nonClient = (window.bottom - window.top) - Client(hwnd).bottom;
  if (ComboType(hwnd) != CBS_SIMPLE && Client(hwnd).bottom != FieldBoxHeight(c)) {
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, FieldBoxHeight(c) + nonClient,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const RECT item = ComboItemRect(hwnd, c);
  if (c.edit) MoveWindow(c.edit, item.left, item.top, item.right - item.left, item.bottom - item.top, TRUE);
  if (ComboType(hwnd) == CBS_SIMPLE && c.list) {
    const RECT client = Client(hwnd);
    const int top = FieldBoxHeight(c);
    MoveWindow(c.list, 0, top, client.right, std::max<LONG>(0, client.bottom - top), TRUE);
  }
  c.sizing = false;
}

void CreateComboParts(HWND hwnd, ComboData& c, const CREATESTRUCTW& cs) {
  const DWORD style = static_cast<DWORD>(cs.style);
  const DWORD type = ComboType(hwnd);
  c.dropHeight = cs.cy;
  if (type != CBS_DROPDOWNLIST) {
    DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_LEFT;
    if (style & CBS_AUTOHSCROLL) editStyle |= ES_AUTOHSCROLL;
    if (style & CBS_UPPERCASE) editStyle |= ES_UPPERCASE;
    if (style & CBS_LOWERCASE) editStyle |= ES_LOWERCASE;
    c.edit = CreateWindowExW(0, u"Edit", nullptr, editStyle, 0, 0, 10, 10, hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboEditId)), cs.hInstance, nullptr);
    ComboData* self = &c;
    c.editThunk = MakeWndProcThunk(
        [self](HWND h, UINT m, WPARAM w, LPARAM l) { return EditHook(self, h, m, w, l); });
    c.editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(c.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.editThunk)));
  }
  if (type == CBS_SIMPLE) {
    c.list = CreateWindowExW(WS_EX_CLIENTEDGE, u"ComboLBox", nullptr, WS_CHILD | WS_VISIBLE | ListStyles(style), 0, 0,
                             cs.cx, 10, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboListId)),
                             cs.hInstance, nullptr);
  } else {
    c.list = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, u"ComboLBox", nullptr,
                             WS_POPUP | WS_BORDER | ListStyles(style), 0, 0, cs.cx, 10, hwnd, nullptr, cs.hInstance,
                             nullptr);
  }
  c.fieldHeight = static_cast<int>(SendMessageW(c.list, LB_GETITEMHEIGHT, 0, 0)) + 2;
  if (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
    // The owner measures the selection field as item -1.
    MEASUREITEMSTRUCT mis{ODT_COMBOBOX, static_cast<UINT>(GetDlgCtrlID(hwnd)), static_cast<UINT>(-1), 0,
                          static_cast<UINT>(c.fieldHeight - 2), 0};
    if (c.parent) SendMessageW(c.parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    c.fieldHeight = std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
  }
  LayOutCombo(hwnd, c);
}

void DestroyComboParts(ComboData& c) {
  if (c.edit && IsWindow(c.edit)) {
    SetWindowLongPtrW(c.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.editProc));
  }
  if (c.editThunk) FreeWndProcThunk(c.editThunk);
  c.editThunk = nullptr;
  if (c.list && IsWindow(c.list) && ComboType(c.self) != CBS_SIMPLE) DestroyWindow(c.list);
}

}  // namespace platform
