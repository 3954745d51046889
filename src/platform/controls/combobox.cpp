// The "ComboBox" class: a selection field or an edit with a list, simple
// (CBS_SIMPLE, the list always shown below), drop-down (CBS_DROPDOWN) or
// drop-down list (CBS_DROPDOWNLIST); the CB_* messages, mostly answered by
// its list, the CBN_* notifications, and the colour and owner-draw
// messages of its parts passed on to the parent as Windows does.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/combobox_internal.h"
#include "platform/controls/control_data.h"
#include "platform/controls/listbox.h"

namespace platform {

ComboData* ComboDataOf(HWND hwnd) { return ControlData<ComboData>(hwnd); }

DWORD ComboType(HWND hwnd) {
  const DWORD type = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & CBS_DROPDOWNLIST;
  return type == 0 ? CBS_SIMPLE : type;
}

void ComboNotify(const ComboData& c, WORD code) {
  if (c.parent == nullptr) return;
  SendMessageW(c.parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(c.self)), code),
               reinterpret_cast<LPARAM>(c.self));
}

namespace {

int ListHeight(const ComboData& c) { return static_cast<int>(SendMessageW(c.list, LB_GETITEMHEIGHT, 0, 0)); }

LRESULT Info(HWND hwnd, const ComboData& c, COMBOBOXINFO* info) {
  if (info == nullptr || info->cbSize != sizeof(COMBOBOXINFO)) return FALSE;
  info->rcItem = ComboItemRect(hwnd, c);
  info->rcButton = ComboButtonRect(hwnd);
  info->stateButton = ComboType(hwnd) == CBS_SIMPLE ? STATE_SYSTEM_INVISIBLE
                      : c.buttonHeld                ? STATE_SYSTEM_PRESSED
                                                    : 0;
  info->hwndCombo = hwnd;
  info->hwndItem = c.edit;
  info->hwndList = c.list;
  return TRUE;
}

LRESULT GetText(const ComboData& c, WPARAM room, LPARAM buffer) {
  if (c.edit) return SendMessageW(c.edit, WM_GETTEXT, room, buffer);
  const auto index = static_cast<int>(SendMessageW(c.list, LB_GETCURSEL, 0, 0));
  auto* out = reinterpret_cast<char16_t*>(buffer);
  if (out == nullptr || room == 0) return 0;
  std::u16string text;
  if (index >= 0) {
    text.resize(static_cast<std::size_t>(SendMessageW(c.list, LB_GETTEXTLEN, index, 0)) + 1);
    text.resize(static_cast<std::size_t>(SendMessageW(c.list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
  }
  const std::size_t n = std::min<std::size_t>(text.size(), room - 1);
  std::copy_n(text.begin(), n, out);
  out[n] = u'\0';
  return static_cast<LRESULT>(n);
}

LRESULT SetText(ComboData& c, LPARAM text) {
  if (c.edit) return SendMessageW(c.edit, WM_SETTEXT, 0, text);
  // A drop-down list shows only its items: the text selects one.
  const LRESULT found = SendMessageW(c.list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text);
  if (found == LB_ERR) return CB_ERR;
  SendMessageW(c.list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
  InvalidateRect(c.self, nullptr, FALSE);
  return TRUE;
}

void SetFont(HWND hwnd, ComboData& c, HFONT font, BOOL redraw) {
  c.font = font;
  if (c.edit) SendMessageW(c.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(c.list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (!(GetWindowLongW(hwnd, GWL_STYLE) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) {
    c.fieldHeight = ListHeight(c) + 2;
  }
  LayOutCombo(hwnd, c);
  if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
}

void Press(HWND hwnd, ComboData& c, LPARAM at) {
  SetFocus(hwnd);
  const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  const RECT button = ComboButtonRect(hwnd);
  if (ComboType(hwnd) == CBS_SIMPLE) return;
  if (ComboType(hwnd) != CBS_DROPDOWNLIST && !PtInRect(&button, p)) return;
  if (c.dropped) {
    CloseUp(c, false);
    return;
  }
  c.buttonHeld = true;
  DropDown(c);
}

// Notifications of the edit and the list become the combo box's own.
void Command(ComboData& c, WPARAM wParam, LPARAM lParam) {
  const HWND from = reinterpret_cast<HWND>(lParam);
  const WORD code = HIWORD(wParam);
  if (from == c.edit && c.edit) {
    switch (code) {
      case EN_SETFOCUS:
        c.focused = true;
        SendMessageW(c.edit, EM_SETSEL, 0, -1);  // typing replaces the text
        ComboNotify(c, CBN_SETFOCUS);
        break;
      case EN_KILLFOCUS:
        c.focused = false;
        CloseUp(c, false);
        ComboNotify(c, CBN_KILLFOCUS);
        break;
      case EN_CHANGE:
        if (!c.quietEdit) ComboNotify(c, CBN_EDITCHANGE);
        break;
      case EN_UPDATE:
        if (!c.quietEdit) ComboNotify(c, CBN_EDITUPDATE);
        break;
      default: break;
    }
    return;
  }
  if (from != c.list) return;
  if (code == LBN_SELCHANGE) {
    SelectionToText(c);
    if (c.dropped) c.selectionAtDrop = static_cast<int>(SendMessageW(c.list, LB_GETCURSEL, 0, 0));
    ComboNotify(c, CBN_SELCHANGE);
  } else if (code == LBN_DBLCLK) {
    ComboNotify(c, CBN_DBLCLK);
  }
}

// The list's owner-draw requests reach the parent as the combo box's.
LRESULT OwnerDraw(HWND hwnd, const ComboData& c, UINT message, LPARAM lParam) {
  const UINT id = static_cast<UINT>(GetDlgCtrlID(hwnd));
  if (message == WM_MEASUREITEM) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    mis->CtlType = ODT_COMBOBOX;
    mis->CtlID = id;
  } else {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    dis->CtlType = ODT_COMBOBOX;
    dis->CtlID = id;
    dis->hwndItem = hwnd;
  }
  return c.parent ? SendMessageW(c.parent, message, id, lParam) : FALSE;
}

LRESULT ToList(const ComboData& c, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(c.list, message, wParam, lParam);
}

LRESULT ToEdit(const ComboData& c, UINT message, WPARAM wParam, LPARAM lParam) {
  return c.edit ? SendMessageW(c.edit, message, wParam, lParam) : CB_ERR;
}

LRESULT ComboMessage(HWND hwnd, ComboData& c, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CB_ADDSTRING: return ToList(c, LB_ADDSTRING, 0, lParam);
    case CB_INSERTSTRING: return ToList(c, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: {
      const LRESULT left = ToList(c, LB_DELETESTRING, wParam, 0);
      InvalidateRect(hwnd, nullptr, FALSE);
      return left;
    }
    case CB_RESETCONTENT:
      ToList(c, LB_RESETCONTENT, 0, 0);
      if (c.edit) {
        c.quietEdit = true;
        SetWindowTextW(c.edit, u"");
        c.quietEdit = false;
      }
      InvalidateRect(hwnd, nullptr, FALSE);
      return CB_OKAY;
    case CB_GETCOUNT: return ToList(c, LB_GETCOUNT, 0, 0);
    case CB_FINDSTRING: return ToList(c, LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return ToList(c, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
      const LRESULT found = ToList(c, LB_SELECTSTRING, wParam, lParam);
      if (found != LB_ERR) SelectionToText(c);
      return found;
    }
    case CB_SETCURSEL: {
      const LRESULT result = ToList(c, LB_SETCURSEL, wParam, 0);
      SelectionToText(c);
      return result;
    }
    case CB_GETCURSEL: return ToList(c, LB_GETCURSEL, 0, 0);
    case CB_GETLBTEXT: return ToList(c, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return ToList(c, LB_GETTEXTLEN, wParam, 0);
    case CB_GETITEMDATA: return ToList(c, LB_GETITEMDATA, wParam, 0);
    case CB_SETITEMDATA: return ToList(c, LB_SETITEMDATA, wParam, lParam);
    case CB_GETTOPINDEX: return ToList(c, LB_GETTOPINDEX, 0, 0);
    case CB_SETTOPINDEX: return ToList(c, LB_SETTOPINDEX, wParam, 0);
    case CB_SHOWDROPDOWN:
      if (wParam) {
        DropDown(c);
      } else {
        CloseUp(c, false);
      }
      return TRUE;
    case CB_GETDROPPEDSTATE: return c.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (rect == nullptr) return CB_ERR;
      *rect = DroppedRect(hwnd, c);
      return TRUE;
    }
    case CB_SETDROPPEDWIDTH:
      c.droppedWidth = std::max(0, static_cast<int>(wParam));
      [[fallthrough]];
    case CB_GETDROPPEDWIDTH: {
      RECT window{};
      GetWindowRect(hwnd, &window);
      return std::max(c.droppedWidth, static_cast<int>(window.right - window.left));
    }
    case CB_SETITEMHEIGHT: {
      const int height = static_cast<int>(lParam);
      if (static_cast<int>(wParam) != -1) return ToList(c, LB_SETITEMHEIGHT, wParam, lParam);
      if (height <= 0 || height > 255) return CB_ERR;
      c.fieldHeight = height;
      LayOutCombo(hwnd, c);
      InvalidateRect(hwnd, nullptr, TRUE);
      return CB_OKAY;
    }
    case CB_GETITEMHEIGHT:
      if (static_cast<int>(wParam) == -1) return c.fieldHeight;
      return ToList(c, LB_GETITEMHEIGHT, wParam, 0);
    case CB_GETEDITSEL: return ToEdit(c, EM_GETSEL, wParam, lParam);
    case CB_SETEDITSEL:
      if (!c.edit) return CB_ERR;
      SendMessageW(c.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                   static_cast<SHORT>(HIWORD(lParam)));
      return TRUE;
    case CB_LIMITTEXT:
      if (!c.edit) return CB_ERR;
      SendMessageW(c.edit, EM_LIMITTEXT, wParam, 0);
      return TRUE;
    case CB_SETEXTENDEDUI:
      c.extendedUi = wParam != 0;
      return CB_OKAY;
    case CB_GETEXTENDEDUI: return c.extendedUi ? TRUE : FALSE;
    case CB_GETCOMBOBOXINFO: return Info(hwnd, c, reinterpret_cast<COMBOBOXINFO*>(lParam));
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* data = new ComboData();
    data->self = hwnd;
    data->parent = reinterpret_cast<const CREATESTRUCTW*>(lParam)->hwndParent;
    AttachControlData(hwnd, data);
    // WS_VSCROLL is the list's: the combo box itself shows no scroll bars.
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, style & ~static_cast<LONG>(WS_VSCROLL | WS_HSCROLL));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ComboData* c = ComboDataOf(hwnd);
  if (c == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      CreateComboParts(hwnd, *c, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
      return 0;
    case WM_DESTROY:
      DestroyComboParts(*c);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<ComboData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_SIZE:
      // Sizing a drop-down combo box to another height sets how far its
      // list may drop; the box itself keeps the field's height.
      if (!c->sizing && ComboType(hwnd) != CBS_SIMPLE) {
        RECT window{}, client{};
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        if (client.bottom != c->fieldHeight + 6) c->dropHeight = window.bottom - window.top;
      }
      LayOutCombo(hwnd, *c);
      return 0;
    case WM_SETFONT: SetFont(hwnd, *c, reinterpret_cast<HFONT>(wParam), LOWORD(lParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(c->font);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { PaintCombo(hwnd, dc, *c); });
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE:
      if (c->edit) EnableWindow(c->edit, static_cast<BOOL>(wParam));
      EnableWindow(c->list, static_cast<BOOL>(wParam));
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
      if (c->edit) {
        SetFocus(c->edit);
        return 0;
      }
      c->focused = true;
      InvalidateRect(hwnd, nullptr, FALSE);
      ComboNotify(*c, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (c->edit) return 0;
      c->focused = false;
      CloseUp(*c, false);
      InvalidateRect(hwnd, nullptr, FALSE);
      ComboNotify(*c, CBN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(hwnd, *c, lParam);
      return 0;
    case WM_LBUTTONUP:
      ReleaseButton(*c);
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 || wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_UP || wParam == VK_DOWN ||
          wParam == VK_PRIOR || wParam == VK_NEXT || wParam == VK_HOME || wParam == VK_END) {
        if (message == WM_SYSKEYDOWN && wParam != VK_UP && wParam != VK_DOWN) break;
        ComboKey(*c, message, wParam);
        return 0;
      }
      break;
    case WM_CHAR:
      if (!c->edit) return ToList(*c, WM_CHAR, wParam, lParam);
      return SendMessageW(c->edit, WM_CHAR, wParam, lParam);
    case WM_GETTEXT: return GetText(*c, wParam, lParam);
    case WM_GETTEXTLENGTH:
      if (c->edit) return SendMessageW(c->edit, WM_GETTEXTLENGTH, 0, 0);
      return std::max<LRESULT>(0, ToList(*c, LB_GETTEXTLEN, static_cast<WPARAM>(ToList(*c, LB_GETCURSEL, 0, 0)), 0));
    case WM_SETTEXT: return SetText(*c, lParam);
    case WM_COMMAND: Command(*c, wParam, lParam); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
      if (c->parent) return SendMessageW(c->parent, message, wParam, lParam);
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: return OwnerDraw(hwnd, *c, message, lParam);
    default:
      if (message >= CB_GETEDITSEL && message <= CB_GETCOMBOBOXINFO) return ComboMessage(hwnd, *c, message, wParam, lParam);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterComboBoxClass() {
  RegisterControlClass(u"ComboBox", ComboBoxProc, CS_DBLCLKS | CS_PARENTDC | CS_VREDRAW | CS_HREDRAW, IDC_ARROW);
  RegisterComboListClass();
}

}  // namespace platform

BOOL GetComboBoxInfo(HWND combo, PCOMBOBOXINFO info) {
  if (info == nullptr) return FALSE;
  return SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)) ? TRUE : FALSE;
}
