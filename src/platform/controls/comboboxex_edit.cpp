// The edit of a "ComboBoxEx32" and the combo box under it: the edit's
// changes, begun with CBEN_BEGINEDIT and ended with CBEN_ENDEDIT (focus
// lost, Return, Escape, or the list dropped), the keys that belong to the
// list, and clicks on the combo box, which drop the list and leave the
// focus in the edit.
#include <algorithm>

#include "platform/controls/comboboxex_internal.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

bool Dropped(const ComboExData& c) { return SendMessageW(c.combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

// The edit's events, as the combo box reports them for its own edit.
void EditEvent(ComboExData& c, WORD code) {
  switch (code) {
    case CBN_SETFOCUS:
      if (ComboExOwnEdit(c.self)) SendMessageW(c.edit, EM_SETSEL, 0, -1);  // typing replaces the text
      SendSimpleNotify(c.self, CBEN_BEGINEDIT);
      break;
    case CBN_KILLFOCUS:
      if (Dropped(c)) SendMessageW(c.combo, CB_SHOWDROPDOWN, FALSE, 0);
      if (c.editChanged) EndComboExEdit(c, CBENF_KILLFOCUS);
      break;
    case CBN_EDITCHANGE:
    case CBN_EDITUPDATE:
      if (c.quietEdit) return;
      c.editChanged = true;
      break;
    default: break;
  }
  if (IsWindow(c.self)) ComboExCommand(c, code);
}

WORD FromEdit(WORD code) {
  switch (code) {
    case EN_SETFOCUS: return CBN_SETFOCUS;
    case EN_KILLFOCUS: return CBN_KILLFOCUS;
    case EN_CHANGE: return CBN_EDITCHANGE;
    case EN_UPDATE: return CBN_EDITUPDATE;
    default: return 0;
  }
}

LRESULT ComboHook(ComboExData* c, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC own = c->comboProc;
  if (ComboExOwnEdit(c->self)) {
    switch (message) {
      case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == c->edit) {
          if (const WORD code = FromEdit(HIWORD(wParam))) EditEvent(*c, code);
          return 0;
        }
        break;
      case WM_SETFOCUS:
        SetFocus(c->edit);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (GetFocus() != c->edit) SetFocus(c->edit);
        SendMessageW(hwnd, CB_SHOWDROPDOWN, Dropped(*c) ? FALSE : TRUE, 0);
        return 0;
      default: break;
    }
  }
  return CallWindowProcW(own, hwnd, message, wParam, lParam);
}

bool ListKey(WPARAM key) {
  return key == VK_F4 || key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
}

LRESULT EditHook(ComboExData* c, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC own = c->editProc;
  const bool ownEdit = ComboExOwnEdit(c->self);
  if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
    if (ownEdit && Dropped(*c)) return SendMessageW(c->combo, message, wParam, lParam);
    EndComboExEdit(*c, wParam == VK_RETURN ? CBENF_RETURN : CBENF_ESCAPE);
    return 0;
  }
  if (message == WM_CHAR && (wParam == u'\r' || wParam == 27)) return 0;
  if (ownEdit && ((message == WM_KEYDOWN && ListKey(wParam)) ||
                  (message == WM_SYSKEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)))) {
    return SendMessageW(c->combo, message, wParam, lParam);
  }
  return CallWindowProcW(own, hwnd, message, wParam, lParam);
}

}  // namespace

void HookComboExParts(ComboExData& c) {
  ComboExData* self = &c;
  c.comboThunk = MakeWndProcThunk(
      [self](HWND h, UINT m, WPARAM w, LPARAM l) { return ComboHook(self, h, m, w, l); });
  c.comboProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(c.combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.comboThunk)));
  if (c.edit == nullptr) return;
  c.editThunk = MakeWndProcThunk(
      [self](HWND h, UINT m, WPARAM w, LPARAM l) { return EditHook(self, h, m, w, l); });
  c.editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(c.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.editThunk)));
}

void UnhookComboExParts(ComboExData& c) {
  if (c.edit && IsWindow(c.edit) && c.editProc) {
    SetWindowLongPtrW(c.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.editProc));
  }
  if (c.combo && IsWindow(c.combo) && c.comboProc) {
    SetWindowLongPtrW(c.combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.comboProc));
  }
  if (c.editThunk) FreeWndProcThunk(c.editThunk);
  if (c.comboThunk) FreeWndProcThunk(c.comboThunk);
  c.editThunk = c.comboThunk = nullptr;
  c.editProc = c.comboProc = nullptr;
}

void ComboExComboCommand(ComboExData& c, WORD code) {
  if (c.edit && !ComboExOwnEdit(c.self) &&
      (code == CBN_SETFOCUS || code == CBN_KILLFOCUS || code == CBN_EDITCHANGE || code == CBN_EDITUPDATE)) {
    EditEvent(c, code);
    return;
  }
  if (code == CBN_DROPDOWN && c.editChanged && ComboExOwnEdit(c.self)) EndComboExEdit(c, CBENF_DROPDOWN);
  if (!IsWindow(c.self)) return;
  if (code == CBN_SELCHANGE || code == CBN_SELENDOK) SelectionToComboExEdit(c);
  ComboExCommand(c, code);
}

void SetComboExEditText(ComboExData& c, const std::u16string& text) {
  if (c.edit == nullptr) return;
  c.quietEdit = true;
  SetWindowTextW(c.edit, text.c_str());
  c.quietEdit = false;
  c.editChanged = false;
  InvalidateRect(c.combo, nullptr, FALSE);
}

void SelectionToComboExEdit(ComboExData& c) {
  if (c.edit == nullptr) {
    InvalidateRect(c.combo, nullptr, FALSE);
    return;
  }
  const int index = ComboExSelection(c);
  SetComboExEditText(c, index >= 0 ? c.items[static_cast<std::size_t>(index)].text : std::u16string());
  if (GetFocus() == c.edit) SendMessageW(c.edit, EM_SETSEL, 0, -1);
}

bool EndComboExEdit(ComboExData& c, int why) {
  const std::u16string text = c.edit ? WindowText(c.edit) : std::u16string();
  const int found = FindComboExItem(c, -1, text, true);
  const BOOL changed = c.editChanged ? TRUE : FALSE;
  c.editChanged = false;
  LRESULT refused = 0;
  if (ComboExNotifiesWide(c)) {
    NMCBEENDEDITW nm{};
    nm.fChanged = changed;
    nm.iNewSelection = found;
    CopyItemText(text, nm.szText, CBEMAXSTRLEN, true);
    nm.iWhy = why;
    refused = SendNotify(c.self, CBEN_ENDEDITW, nm.hdr);
  } else {
    NMCBEENDEDITA nm{};
    nm.fChanged = changed;
    nm.iNewSelection = found;
    CopyItemText(text, nm.szText, CBEMAXSTRLEN, false);
    nm.iWhy = why;
    refused = SendNotify(c.self, CBEN_ENDEDITA, nm.hdr);
  }
  if (!IsWindow(c.self)) return refused != 0;
  // A refused text, or Escape, puts the selection's text back; an accepted
  // text that names an item selects it.
  if (refused != 0 || why == CBENF_ESCAPE) {
    SelectionToComboExEdit(c);
  } else if (found >= 0 && found != ComboExSelection(c) && why != CBENF_DROPDOWN) {
    SendMessageW(c.combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    SelectionToComboExEdit(c);
    ComboExCommand(c, CBN_SELCHANGE);
  }
  return refused != 0;
}

void LayOutComboExEdit(ComboExData& c) {
  if (c.edit == nullptr || !ComboExOwnEdit(c.self)) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(c.combo, &info)) return;
  RECT r = info.rcItem;
  if (!(c.exStyle & CBES_EX_NOEDITIMAGEINDENT)) r.left += ComboExImageWidth(c);
  r.right = std::max(r.left, r.right);
  MoveWindow(c.edit, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace platform
