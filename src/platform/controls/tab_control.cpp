// The "SysTabControl32" class: a strip of tabs (or buttons) over a display
// area. Selecting a tab asks the parent first (TCN_SELCHANGING, a non-zero
// answer refuses) and tells it after (TCN_SELCHANGE); TCM_SETCURSEL
// selects without asking. Items keep their text in the window's own
// character set on the way in and out (the A and W messages).
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "platform/base/strings.h"
#include "platform/controls/control_data.h"
#include "platform/controls/tab_control_internal.h"

namespace platform {
namespace {

using tabs::TabData;
using tabs::TabItem;

// The scroller's report of a new position (SB_THUMBPOSITION).
constexpr WORD kScrollThumbPosition = 4;

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void Relayout(HWND hwnd, TabData& data) {
  tabs::Layout(hwnd, data);
  Redraw(hwnd);
}

bool ValidIndex(const TabData& data, WPARAM index) {
  return static_cast<INT_PTR>(index) >= 0 && static_cast<std::size_t>(index) < data.items.size();
}

// Applies what `mask` names of an item structure (A or W).
template <class Item>
void Store(TabItem& item, const Item& from) {
  if (from.mask & TCIF_TEXT) {
    // LPSTR_TEXTCALLBACK ((LPTSTR)-1) asks for text this control never requests: no text.
    if (from.pszText == nullptr || reinterpret_cast<INT_PTR>(from.pszText) == -1) {
      item.text.clear();
    } else if constexpr (std::is_same_v<Item, TCITEMW>) {
      item.text = from.pszText;
    } else {
      item.text = AnsiToWideString(from.pszText);
    }
  }
  if (from.mask & TCIF_IMAGE) item.image = from.iImage;
  if (from.mask & TCIF_PARAM) item.param = from.lParam;
  if (from.mask & TCIF_STATE) item.state = (item.state & ~from.dwStateMask) | (from.dwState & from.dwStateMask);
}

template <class Item>
void Fetch(const TabItem& item, Item& to) {
  if ((to.mask & TCIF_TEXT) && to.pszText != nullptr && to.cchTextMax > 0) {
    const std::size_t room = static_cast<std::size_t>(to.cchTextMax - 1);
    if constexpr (std::is_same_v<Item, TCITEMW>) {
      const std::size_t n = std::min(room, item.text.size());
      std::copy_n(item.text.begin(), n, to.pszText);
      to.pszText[n] = u'\0';
    } else {
      const AnsiString text = WideToAnsiString(item.text);
      const std::size_t n = std::min(room, text.size());
      std::memcpy(to.pszText, text.data(), n);
      to.pszText[n] = '\0';
    }
  }
  if (to.mask & TCIF_IMAGE) to.iImage = item.image;
  if (to.mask & TCIF_PARAM) to.lParam = item.param;
  if (to.mask & TCIF_STATE) to.dwState = item.state & to.dwStateMask;
}

template <class Item>
LRESULT Insert(HWND hwnd, TabData& data, WPARAM where, const Item* from) {
  if (from == nullptr || static_cast<INT_PTR>(where) < 0) return -1;
  const std::size_t index = std::min(static_cast<std::size_t>(where), data.items.size());
  TabItem item;
  Store(item, *from);
  data.items.insert(data.items.begin() + static_cast<std::ptrdiff_t>(index), item);
  const int at = static_cast<int>(index);
  if (data.items.size() == 1) {
    data.selected = 0;
    data.focus = 0;
  } else {
    if (data.selected >= at) ++data.selected;
    if (data.focus >= at) ++data.focus;
  }
  Relayout(hwnd, data);
  return at;
}

LRESULT Delete(HWND hwnd, TabData& data, WPARAM where) {
  if (!ValidIndex(data, where)) return FALSE;
  const int at = static_cast<int>(where);
  data.items.erase(data.items.begin() + at);
  auto follow = [at](int& index) {
    if (index == at) index = -1;
    else if (index > at) --index;
  };
  follow(data.selected);
  follow(data.focus);
  if (data.hot >= static_cast<int>(data.items.size())) data.hot = -1;
  Relayout(hwnd, data);
  return TRUE;
}

LRESULT SetCurSel(HWND hwnd, TabData& data, WPARAM index) {
  if (static_cast<INT_PTR>(index) != -1 && !ValidIndex(data, index)) return -1;
  const int previous = data.selected;
  data.selected = static_cast<int>(static_cast<INT_PTR>(index));
  if (data.selected >= 0) data.focus = data.selected;
  tabs::Layout(hwnd, data);
  tabs::EnsureVisible(hwnd, data, data.selected);
  Redraw(hwnd);
  return previous;
}

// A selection made by the user: the parent may refuse it.
void Choose(HWND hwnd, int index) {
  TabData* data = ControlData<TabData>(hwnd);
  if (data == nullptr || index == data->selected || !ValidIndex(*data, static_cast<WPARAM>(index))) return;
  if (SendSimpleNotify(hwnd, TCN_SELCHANGING) != 0) return;
  if ((data = ControlData<TabData>(hwnd)) == nullptr || !ValidIndex(*data, static_cast<WPARAM>(index))) return;
  SetCurSel(hwnd, *data, static_cast<WPARAM>(index));
  SendSimpleNotify(hwnd, TCN_SELCHANGE);
}

void KeyDown(HWND hwnd, TabData& data, WPARAM key, LPARAM lParam) {
  NMTCKEYDOWN down{};
  down.wVKey = static_cast<WORD>(key);
  down.flags = static_cast<UINT>(HIWORD(lParam));
  SendNotify(hwnd, TCN_KEYDOWN, down.hdr);
  if (ControlData<TabData>(hwnd) != &data || data.items.empty()) return;
  const int count = static_cast<int>(data.items.size());
  const int current = data.selected >= 0 ? data.selected : data.focus;
  int target = current;
  switch (key) {
    case VK_LEFT:
    case VK_UP: target = std::max(current - 1, 0); break;
    case VK_RIGHT:
    case VK_DOWN: target = std::min(current + 1, count - 1); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    case VK_TAB:
      // Ctrl+Tab goes round the tabs; with Shift backwards.
      if (GetKeyState(VK_CONTROL) >= 0) return;
      target = (current + (GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1)) % count;
      break;
    default: return;
  }
  Choose(hwnd, target);
}

void MouseMove(HWND hwnd, TabData& data, LPARAM lParam) {
  if (!(tabs::Style(hwnd) & TCS_HOTTRACK)) return;
  const int hot = tabs::HitTest(hwnd, data, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, nullptr);
  if (!data.tracking) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    data.tracking = TrackMouseEvent(&track) != FALSE;
  }
  if (hot != data.hot) {
    data.hot = hot;
    Redraw(hwnd);
  }
}

LRESULT TabProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new TabData);
    // Tabs clip their siblings, as on Windows.
    SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) | static_cast<LONG>(WS_CLIPSIBLINGS));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  TabData* data = ControlData<TabData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      tabs::Layout(hwnd, *data);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<TabData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { tabs::Paint(hwnd, *data, dc); });
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole client area
    case WM_SIZE:
    case WM_STYLECHANGED:
      Relayout(hwnd, *data);
      return 0;
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      tabs::Layout(hwnd, *data);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      data->focused = message == WM_SETFOCUS;
      Redraw(hwnd);
      return 0;
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case WM_LBUTTONDOWN: {
      // Tabs take the focus when clicked; buttons only with TCS_FOCUSONBUTTONDOWN.
      const DWORD style = tabs::Style(hwnd);
      if (!(style & TCS_FOCUSNEVER) && (!(style & TCS_BUTTONS) || (style & TCS_FOCUSONBUTTONDOWN))) SetFocus(hwnd);
      const int hit = tabs::HitTest(hwnd, *data, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, nullptr);
      if (hit >= 0) Choose(hwnd, hit);
      return 0;
    }
    case WM_MOUSEMOVE:
      MouseMove(hwnd, *data, lParam);
      return 0;
    case WM_MOUSELEAVE:
      data->tracking = false;
      if (data->hot != -1) {
        data->hot = -1;
        Redraw(hwnd);
      }
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, *data, wParam, lParam);
      return 0;
    case WM_HSCROLL:
      // The scroller moved: its position is the first tab shown.
      if (reinterpret_cast<HWND>(lParam) == data->scroller && data->scroller != nullptr &&
          LOWORD(wParam) == kScrollThumbPosition) {
        data->firstVisible = static_cast<short>(HIWORD(wParam));
        Relayout(hwnd, *data);
      }
      return 0;
    case TCM_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(data->images);
    case TCM_SETIMAGELIST: {
      HIMAGELIST previous = data->images;
      data->images = reinterpret_cast<HIMAGELIST>(lParam);
      Relayout(hwnd, *data);
      return reinterpret_cast<LRESULT>(previous);
    }
    case TCM_GETITEMCOUNT:
      return static_cast<LRESULT>(data->items.size());
    case TCM_GETITEMA:
    case TCM_GETITEMW:
      if (!ValidIndex(*data, wParam) || lParam == 0) return FALSE;
      if (message == TCM_GETITEMA) Fetch(data->items[wParam], *reinterpret_cast<TCITEMA*>(lParam));
      else Fetch(data->items[wParam], *reinterpret_cast<TCITEMW*>(lParam));
      return TRUE;
    case TCM_SETITEMA:
    case TCM_SETITEMW:
      if (!ValidIndex(*data, wParam) || lParam == 0) return FALSE;
      if (message == TCM_SETITEMA) Store(data->items[wParam], *reinterpret_cast<const TCITEMA*>(lParam));
      else Store(data->items[wParam], *reinterpret_cast<const TCITEMW*>(lParam));
      Relayout(hwnd, *data);
      return TRUE;
    case TCM_INSERTITEMA:
      return Insert(hwnd, *data, wParam, reinterpret_cast<const TCITEMA*>(lParam));
    case TCM_INSERTITEMW:
      return Insert(hwnd, *data, wParam, reinterpret_cast<const TCITEMW*>(lParam));
    case TCM_DELETEITEM:
      return Delete(hwnd, *data, wParam);
    case TCM_DELETEALLITEMS:
      data->items.clear();
      data->selected = data->focus = data->hot = -1;
      data->firstVisible = 0;
      Relayout(hwnd, *data);
      return TRUE;
    case TCM_GETITEMRECT:
      if (!ValidIndex(*data, wParam)) return FALSE;
      if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = data->items[wParam].rect;
      return TRUE;
    case TCM_GETCURSEL:
      return data->selected;
    case TCM_SETCURSEL:
      return SetCurSel(hwnd, *data, wParam);
    case TCM_GETCURFOCUS:
      return data->focus;
    case TCM_SETCURFOCUS:
      if (!ValidIndex(*data, wParam)) return 0;
      if (tabs::Style(hwnd) & TCS_BUTTONS) {
        data->focus = static_cast<int>(wParam);
        Redraw(hwnd);
      } else {
        Choose(hwnd, static_cast<int>(wParam));
      }
      return 0;
    case TCM_HITTEST: {
      auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
      if (info == nullptr) return -1;
      return tabs::HitTest(hwnd, *data, info->pt, &info->flags);
    }
    case TCM_ADJUSTRECT:
      if (lParam != 0) tabs::AdjustRect(tabs::Style(hwnd), *data, wParam != 0, *reinterpret_cast<RECT*>(lParam));
      return 0;
    case TCM_SETITEMSIZE: {
      const LRESULT previous = MAKELONG(static_cast<WORD>(data->fixedWidth > 0 ? data->fixedWidth : 0),
                                        static_cast<WORD>(data->tabHeight));
      data->fixedWidth = static_cast<short>(LOWORD(lParam));
      if (static_cast<short>(HIWORD(lParam)) > 0) data->fixedHeight = static_cast<short>(HIWORD(lParam));
      Relayout(hwnd, *data);
      return previous;
    }
    case TCM_SETMINTABWIDTH: {
      const int previous = data->minWidth >= 0 ? data->minWidth : tabs::kDefaultMinWidth;
      data->minWidth = static_cast<int>(lParam);
      Relayout(hwnd, *data);
      return previous;
    }
    case TCM_SETPADDING:
      data->paddingX = static_cast<short>(LOWORD(lParam));
      data->paddingY = static_cast<short>(HIWORD(lParam));
      Relayout(hwnd, *data);
      return 0;
    case TCM_GETROWCOUNT:
      return data->rows;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterTabControlClass() {
  RegisterControlClass(WC_TABCONTROLW, TabProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
}

}  // namespace platform
