// The "ComboBoxEx32" class: a frame whose first child is an owner-drawn
// "ComboBox" (a drop-down list whatever the style, with an edit of ours
// over its field for CBS_DROPDOWN) that shows the items' images, indents
// and text. The frame keeps the items, answers the CBEM_* messages and the
// CB_* messages about items itself, passes the other CB_* messages to the
// combo box, and reports the combo box's notifications as its own.
#include <algorithm>

#include "platform/controls/comboboxex_internal.h"
#include "platform/controls/control_data.h"

namespace platform {

ComboExData* ComboExDataOf(HWND hwnd) { return ControlData<ComboExData>(hwnd); }

DWORD ComboExType(HWND hwnd) {
  const DWORD type = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & CBS_DROPDOWNLIST;
  return type == 0 ? CBS_SIMPLE : type;
}

bool ComboExOwnEdit(HWND hwnd) { return ComboExType(hwnd) == CBS_DROPDOWN; }

int ComboExSelection(const ComboExData& c) {
  return c.combo ? static_cast<int>(SendMessageW(c.combo, CB_GETCURSEL, 0, 0)) : CB_ERR;
}

bool ComboExNotifiesWide(const ComboExData& c) { return c.parent == nullptr || IsWindowUnicode(c.parent); }

void ComboExCommand(const ComboExData& c, WORD code) {
  if (c.parent == nullptr) return;
  SendMessageW(c.parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(c.self)), code),
               reinterpret_cast<LPARAM>(c.self));
}

namespace {

// The combo box's closed height sets the frame's; a frame made or sized
// taller tells the combo box how far its list may drop.
void FitToCombo(ComboExData& c, int width, int height) {
  if (c.combo == nullptr) return;
  RECT window{}, client{};
  GetWindowRect(c.self, &window);
  GetClientRect(c.self, &client);
  const int frameX = (window.right - window.left) - client.right;
  const int frameY = (window.bottom - window.top) - client.bottom;
  c.sizing = true;
  SetWindowPos(c.combo, nullptr, 0, 0, std::max(0, width - frameX), std::max(0, height - frameY),
               SWP_NOZORDER | SWP_NOACTIVATE);
  c.sizing = false;
}

int ComboHeight(const ComboExData& c) {
  RECT combo{};
  GetWindowRect(c.combo, &combo);
  return combo.bottom - combo.top;
}

void SetItemHeights(ComboExData& c) {
  if (c.combo == nullptr) return;
  const int height = ComboExItemHeight(c);
  SendMessageW(c.combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
  SendMessageW(c.combo, CB_SETITEMHEIGHT, 0, height);
  RECT window{}, client{};
  GetWindowRect(c.self, &window);
  GetClientRect(c.self, &client);
  const int frameY = (window.bottom - window.top) - client.bottom;
  c.sizing = true;
  SetWindowPos(c.self, nullptr, 0, 0, window.right - window.left, ComboHeight(c) + frameY,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  c.sizing = false;
  LayOutComboExEdit(c);
  InvalidateRect(c.combo, nullptr, TRUE);
}

bool Create(HWND hwnd, ComboExData& c, const CREATESTRUCTW& cs) {
  const DWORD type = ComboExType(hwnd);
  // A simple combo box keeps its own edit; the others draw their field.
  const DWORD inner = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_OWNERDRAWFIXED | CBS_NOINTEGRALHEIGHT |
                      (type == CBS_SIMPLE ? CBS_SIMPLE : CBS_DROPDOWNLIST) |
                      (static_cast<DWORD>(cs.style) & (CBS_AUTOHSCROLL | WS_DISABLED));
  c.combo = CreateWindowExW(0, u"ComboBox", nullptr, inner, 0, 0, cs.cx, cs.cy, hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(hwnd))), cs.hInstance,
                            nullptr);
  if (c.combo == nullptr) return false;
  if (type == CBS_DROPDOWN) {
    c.edit = CreateWindowExW(0, u"Edit", nullptr, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0, c.combo,
                             nullptr, cs.hInstance, nullptr);
  } else if (type == CBS_SIMPLE) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(c.combo, &info);
    c.edit = info.hwndItem;
  }
  HookComboExParts(c);
  SetItemHeights(c);
  return true;
}

void SetFont(ComboExData& c, HFONT font, BOOL redraw) {
  c.font = font;
  SendMessageW(c.combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (c.edit) SendMessageW(c.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetItemHeights(c);
  if (redraw) InvalidateRect(c.self, nullptr, TRUE);
}

LRESULT SetImageList(ComboExData& c, HIMAGELIST images) {
  HIMAGELIST previous = c.images;
  c.images = images;
  SetItemHeights(c);
  return reinterpret_cast<LRESULT>(previous);
}

LRESULT SetExtendedStyle(ComboExData& c, DWORD mask, DWORD style) {
  const DWORD previous = c.exStyle;
  if (mask == 0) mask = ~0u;
  c.exStyle = (c.exStyle & ~mask) | (style & mask);
  LayOutComboExEdit(c);
  InvalidateRect(c.combo, nullptr, TRUE);
  return static_cast<LRESULT>(previous);
}

LRESULT GetText(const ComboExData& c, WPARAM room, LPARAM buffer) {
  if (c.edit) return SendMessageW(c.edit, WM_GETTEXT, room, buffer);
  auto* out = reinterpret_cast<char16_t*>(buffer);
  if (out == nullptr || room == 0) return 0;
  const int index = ComboExSelection(c);
  const std::u16string text = index >= 0 ? c.items[static_cast<std::size_t>(index)].text : std::u16string();
  return CopyItemText(text, out, static_cast<int>(std::min<WPARAM>(room, 0x7FFFFFFF)), true);
}

LRESULT SetText(ComboExData& c, LPARAM text) {
  const std::u16string value = ItemTextOf(reinterpret_cast<const void*>(text), true);
  if (c.edit) {
    SetComboExEditText(c, value);
    return TRUE;
  }
  const int found = FindComboExItem(c, -1, value, true);
  if (found < 0) return CB_ERR;
  SendMessageW(c.combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
  return TRUE;
}

LRESULT ItemText(const ComboExData& c, WPARAM index, LPARAM buffer, bool lengthOnly) {
  if (index >= c.items.size()) return CB_ERR;
  const std::u16string& text = c.items[index].text;
  if (lengthOnly) return static_cast<LRESULT>(text.size());
  if (buffer == 0) return CB_ERR;
  auto* out = reinterpret_cast<char16_t*>(buffer);
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = u'\0';
  return static_cast<LRESULT>(text.size());
}

LRESULT InsertString(ComboExData& c, WPARAM index, LPARAM text) {
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = static_cast<INT_PTR>(static_cast<int>(index));
  item.pszText = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(text));
  return InsertComboExItem(c, item, nullptr, false);
}

// The CB_* messages: those about items are the frame's, the rest the
// combo box's.
LRESULT ComboMessage(HWND hwnd, ComboExData& c, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CB_ADDSTRING: return InsertString(c, static_cast<WPARAM>(-1), lParam);
    case CB_INSERTSTRING: return InsertString(c, wParam, lParam);
    case CB_DELETESTRING: return DeleteComboExItem(c, static_cast<int>(wParam));
    case CB_RESETCONTENT:
      DeleteAllComboExItems(c);
      return CB_OKAY;
    case CB_GETLBTEXT: return ItemText(c, wParam, lParam, false);
    case CB_GETLBTEXTLEN: return ItemText(c, wParam, 0, true);
    case CB_GETITEMDATA:
      return wParam < c.items.size() ? c.items[wParam].param : CB_ERR;
    case CB_SETITEMDATA:
      if (wParam >= c.items.size()) return CB_ERR;
      c.items[wParam].param = lParam;
      return TRUE;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
      return FindComboExItem(c, static_cast<int>(wParam), ItemTextOf(reinterpret_cast<const void*>(lParam), true),
                             message == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
      const int found = FindComboExItem(c, static_cast<int>(wParam),
                                        ItemTextOf(reinterpret_cast<const void*>(lParam), true), false);
      if (found < 0) return CB_ERR;
      SendMessageW(c.combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
      SelectionToComboExEdit(c);
      return found;
    }
    case CB_SETCURSEL: {
      const LRESULT result = SendMessageW(c.combo, CB_SETCURSEL, wParam, 0);
      SelectionToComboExEdit(c);
      return result;
    }
    case CB_GETEDITSEL:
    case CB_SETEDITSEL:
    case CB_LIMITTEXT:
      if (c.edit == nullptr) return CB_ERR;
      if (message == CB_GETEDITSEL) return SendMessageW(c.edit, EM_GETSEL, wParam, lParam);
      if (message == CB_LIMITTEXT) {
        SendMessageW(c.edit, EM_LIMITTEXT, wParam, 0);
        return TRUE;
      }
      SendMessageW(c.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                   static_cast<SHORT>(HIWORD(lParam)));
      return TRUE;
    default: return c.combo ? SendMessageW(c.combo, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT ExMessage(ComboExData& c, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool ansi = message == CBEM_INSERTITEMA || message == CBEM_GETITEMA || message == CBEM_SETITEMA;
  switch (message) {
    case CBEM_INSERTITEMA:
    case CBEM_INSERTITEMW:
    case CBEM_SETITEMA:
    case CBEM_SETITEMW: {
      if (lParam == 0) return message == CBEM_INSERTITEMA || message == CBEM_INSERTITEMW ? -1 : FALSE;
      // The A and W structures differ only in the text pointer's type.
      const auto& item = *reinterpret_cast<const COMBOBOXEXITEMW*>(lParam);
      const char* text = ansi ? reinterpret_cast<const COMBOBOXEXITEMA*>(lParam)->pszText : nullptr;
      if (message == CBEM_INSERTITEMA || message == CBEM_INSERTITEMW) return InsertComboExItem(c, item, text, ansi);
      return SetComboExItem(c, item, text, ansi);
    }
    case CBEM_GETITEMA:
    case CBEM_GETITEMW: {
      if (lParam == 0) return FALSE;
      auto& item = *reinterpret_cast<COMBOBOXEXITEMW*>(lParam);
      char* text = ansi ? reinterpret_cast<COMBOBOXEXITEMA*>(lParam)->pszText : nullptr;
      return GetComboExItem(c, item, text, ansi);
    }
    case CBEM_SETIMAGELIST: return SetImageList(c, reinterpret_cast<HIMAGELIST>(lParam));
    case CBEM_GETIMAGELIST: return reinterpret_cast<LRESULT>(c.images);
    case CBEM_GETCOMBOCONTROL: return reinterpret_cast<LRESULT>(c.combo);
    case CBEM_GETEDITCONTROL: return reinterpret_cast<LRESULT>(c.edit);
    case CBEM_SETEXSTYLE: return SetExtendedStyle(c, 0, static_cast<DWORD>(lParam));
    case CBEM_SETEXTENDEDSTYLE: return SetExtendedStyle(c, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case CBEM_GETEXTENDEDSTYLE: return static_cast<LRESULT>(c.exStyle);
    case CBEM_HASEDITCHANGED: return c.editChanged ? TRUE : FALSE;
    default: return 0;
  }
}

LRESULT ComboBoxExProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* data = new ComboExData();
    data->self = hwnd;
    data->parent = reinterpret_cast<const CREATESTRUCTW*>(lParam)->hwndParent;
    AttachControlData(hwnd, data);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ComboExData* c = ComboExDataOf(hwnd);
  if (c == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE: return Create(hwnd, *c, *reinterpret_cast<const CREATESTRUCTW*>(lParam)) ? 0 : -1;
    case WM_DESTROY:
      UnhookComboExParts(*c);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<ComboExData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (pos != nullptr && !(pos->flags & SWP_NOSIZE) && !c->sizing && c->combo) {
        FitToCombo(*c, pos->cx, pos->cy);
        RECT window{}, client{};
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        pos->cy = ComboHeight(*c) + (window.bottom - window.top) - client.bottom;
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_SIZE:
      if (c->combo && !c->sizing) {
        RECT combo{};
        GetWindowRect(c->combo, &combo);
        c->sizing = true;
        SetWindowPos(c->combo, nullptr, 0, 0, LOWORD(lParam), combo.bottom - combo.top, SWP_NOZORDER | SWP_NOACTIVATE);
        c->sizing = false;
        LayOutComboExEdit(*c);
      }
      return 0;
    case WM_SETFONT: SetFont(*c, reinterpret_cast<HFONT>(wParam), LOWORD(lParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(c->font);
    case WM_PAINT:
      // The combo box covers the whole client area.
      return PaintControl(hwnd, wParam, [](HDC) {});
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE:
      EnableWindow(c->combo, static_cast<BOOL>(wParam));
      if (c->edit) EnableWindow(c->edit, static_cast<BOOL>(wParam));
      return 0;
    case WM_SETFOCUS:
      SetFocus(c->edit ? c->edit : c->combo);
      return 0;
    case WM_GETDLGCODE: return c->combo ? SendMessageW(c->combo, WM_GETDLGCODE, wParam, lParam) : 0;
    case WM_GETTEXT: return GetText(*c, wParam, lParam);
    case WM_GETTEXTLENGTH: {
      if (c->edit) return SendMessageW(c->edit, WM_GETTEXTLENGTH, 0, 0);
      const int index = ComboExSelection(*c);
      return index >= 0 ? static_cast<LRESULT>(c->items[static_cast<std::size_t>(index)].text.size()) : 0;
    }
    case WM_SETTEXT: return SetText(*c, lParam);
    case WM_COMMAND:
      if (c->combo && reinterpret_cast<HWND>(lParam) == c->combo) ComboExComboCommand(*c, HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
      if (c->parent) return SendMessageW(c->parent, message, wParam, lParam);
      break;
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (mis != nullptr) MeasureComboExItem(*c, *mis);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (dis != nullptr && dis->hwndItem == c->combo) DrawComboExItem(*c, *dis);
      return TRUE;
    }
    default:
      if (message >= CB_GETEDITSEL && message <= CB_GETCOMBOBOXINFO) return ComboMessage(hwnd, *c, message, wParam, lParam);
      if (message >= CBEM_INSERTITEMA && message <= CBEM_SETEXTENDEDSTYLE) return ExMessage(*c, message, wParam, lParam);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterComboBoxExClass() {
  RegisterControlClass(WC_COMBOBOXEXW, ComboBoxExProc, CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW, IDC_ARROW);
}

}  // namespace platform
