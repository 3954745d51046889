// The dialog class "#32770", the dialog manager (tab order, groups,
// default button, Escape and mnemonics) and modal dialogs.
#include "platform/user/dialog.h"

#include <algorithm>
#include <map>

#include "platform/controls/controls.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

struct DialogState {
  DLGPROC proc = nullptr;
  HWND savedFocus = nullptr;
  int defaultId = IDOK;
  bool ended = false;
  INT_PTR result = 0;
};

std::map<HWND, DialogState>& Dialogs() {
  static std::map<HWND, DialogState> dialogs;
  return dialogs;
}

DialogState* StateOf(HWND dialog) {
  auto found = Dialogs().find(dialog);
  return found == Dialogs().end() ? nullptr : &found->second;
}

bool IsTabStop(HWND hwnd) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

LRESULT DialogCode(HWND control, MSG* msg) {
  return SendMessageW(control, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg));
}

// The control of the dialog that holds the focus (the focus may be in a
// child of a control).
HWND FocusedControl(HWND dialog) {
  HWND focus = GetFocus();
  while (focus != nullptr && GetParent(focus) != dialog) {
    if (!IsChild(dialog, focus)) return nullptr;
    focus = GetParent(focus);
  }
  return focus;
}

void SetDialogFocus(HWND dialog, HWND control) {
  if (control == nullptr) return;
  // An edit that takes the focus from the keyboard selects its text.
  if (DialogCode(control, nullptr) & DLGC_HASSETSEL) SendMessageW(control, 0x00B1 /* EM_SETSEL */, 0, -1);
  SetFocus(control);
  if (DialogState* state = StateOf(dialog)) state->savedFocus = control;
}

HWND DefaultButton(HWND dialog) {
  DialogState* state = StateOf(dialog);
  const int id = state ? state->defaultId : IDOK;
  HWND button = GetDlgItem(dialog, id);
  return button;
}

// Clicks the button with a mnemonic character ("&Y").
bool ClickMnemonic(HWND dialog, WCHAR ch) {
  auto lower = [](WCHAR c) { return (c >= u'A' && c <= u'Z') ? static_cast<WCHAR>(c - u'A' + u'a') : c; };
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || !IsWindowEnabled(child)) continue;
    WCHAR text[128];
    const int length = GetWindowTextW(child, text, 128);
    for (int i = 0; i + 1 < length; ++i) {
      if (text[i] == u'&' && text[i + 1] != u'&' && lower(text[i + 1]) == lower(ch)) {
        if (DialogCode(child, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_BUTTON)) {
          SetDialogFocus(dialog, child);
          SendMessageW(child, BM_CLICK, 0, 0);
        } else {
          SetDialogFocus(dialog, GetNextDlgTabItem(dialog, child, FALSE));
        }
        return true;
      }
      if (text[i] == u'&') ++i;
    }
  }
  return false;
}

LRESULT DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* state = StateOf(dialog);
  if (state != nullptr && state->proc != nullptr) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
    const INT_PTR handled = state->proc(dialog, message, wParam, lParam);
    if ((state = StateOf(dialog)) == nullptr) return handled;
    if (handled) {
      // Messages whose answer is the procedure's own return value.
      switch (message) {
        case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_INITDIALOG:
        case WM_QUERYDRAGICON: case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_COMPAREITEM:
          return handled;
        default:
          return GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
      }
    }
  }
  return DefDlgProcW(dialog, message, wParam, lParam);
}

}  // namespace

HWND CreateDialogWindow(DWORD exStyle, DWORD style, const RECT& window, HWND owner, LPCWSTR caption, DLGPROC proc,
                        HINSTANCE instance) {
  EnsureSystemClasses();
  HWND dialog = CreateWindowExW(exStyle, u"#32770", caption, style & ~WS_VISIBLE, window.left, window.top,
                                window.right - window.left, window.bottom - window.top, owner, nullptr,
                                instance ? instance : SystemModule(), nullptr);
  if (dialog == nullptr) return nullptr;
  Dialogs()[dialog].proc = proc;
  return dialog;
}

INT_PTR RunDialog(HWND dialog, HWND owner, LPARAM param) {
  if (!IsWindow(dialog)) return -1;
  // WM_INITDIALOG answers whether the dialog manager chooses the focus.
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && IsWindow(dialog)) {
    SetDialogFocus(dialog, GetNextDlgTabItem(dialog, nullptr, FALSE));
  }
  if (!IsWindow(dialog)) return -1;
  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  DialogState* state = StateOf(dialog);
  if (state != nullptr && !state->ended) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
  }
  MSG msg{};
  bool quit = false;
  while ((state = StateOf(dialog)) != nullptr && !state->ended && IsWindow(dialog)) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (owner != nullptr) SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
      if (!GetMessageW(&msg, nullptr, 0, 0)) {
        quit = true;
        break;
      }
    } else if (msg.message == WM_QUIT) {
      quit = true;
      break;
    }
    if (!IsWindow(dialog)) break;
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  INT_PTR result = -1;
  if ((state = StateOf(dialog)) != nullptr && state->ended) result = state->result;
  // The owner is enabled before the dialog goes, so that it takes the
  // activation back.
  if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return result;
}

}  // namespace platform

using platform::StateOf;

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  platform::DialogState* state = StateOf(dialog);
  switch (message) {
    case WM_ERASEBKGND: {
      HBRUSH brush = reinterpret_cast<HBRUSH>(
          SendMessageW(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
      if (brush == nullptr) brush = GetSysColorBrush(COLOR_3DFACE);
      RECT rect{};
      GetClientRect(dialog, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, brush);
      return 1;
    }
    case WM_ACTIVATE:
      if (state != nullptr) {
        if (LOWORD(wParam) == WA_INACTIVE) {
          if (HWND focus = platform::FocusedControl(dialog)) state->savedFocus = focus;
        } else if (!IsIconic(dialog)) {
          HWND target = IsWindow(state->savedFocus) ? state->savedFocus : GetNextDlgTabItem(dialog, nullptr, FALSE);
          if (target != nullptr) {
            SetFocus(target);
          } else {
            SetFocus(dialog);
          }
        }
      }
      return 0;
    case WM_SETFOCUS:
      if (state != nullptr && IsWindow(state->savedFocus)) SetFocus(state->savedFocus);
      return 0;
    case WM_CLOSE:
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return 0;
    case DM_GETDEFID:
      return state ? MAKELRESULT(static_cast<WORD>(state->defaultId), static_cast<WORD>(DC_HASDEFID)) : 0;
    case DM_SETDEFID:
      if (state) state->defaultId = static_cast<int>(wParam);
      return TRUE;
    case WM_NEXTDLGCTL: {
      HWND target = lParam ? reinterpret_cast<HWND>(wParam)
                           : GetNextDlgTabItem(dialog, platform::FocusedControl(dialog), wParam != 0);
      platform::SetDialogFocus(dialog, target);
      return 0;
    }
    case WM_NCDESTROY:
      platform::Dialogs().erase(dialog);
      return DefWindowProcW(dialog, message, wParam, lParam);
    default:
      return DefWindowProcW(dialog, message, wParam, lParam);
  }
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  platform::DialogState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  state->ended = true;
  state->result = result;
  // Hidden at once; RunDialog destroys it when its loop sees the end.
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  std::vector<HWND> stops;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (platform::IsTabStop(child) || child == control) stops.push_back(child);
  }
  if (stops.empty()) return nullptr;
  auto at = std::find(stops.begin(), stops.end(), control);
  const int count = static_cast<int>(stops.size());
  int index = at == stops.end() ? (previous ? 0 : count - 1) : static_cast<int>(at - stops.begin());
  for (int step = 0; step < count; ++step) {
    index = previous ? (index - 1 + count) % count : (index + 1) % count;
    if (platform::IsTabStop(stops[index])) return stops[index];
  }
  return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  // The group runs from a WS_GROUP control to the next one.
  std::vector<HWND> group;
  std::vector<HWND> current;
  bool found = false;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_GROUP) && !current.empty()) {
      if (found) break;
      current.clear();
    }
    current.push_back(child);
    if (child == control) found = true;
  }
  group = found ? current : std::vector<HWND>{};
  if (group.empty()) return control;
  auto at = std::find(group.begin(), group.end(), control);
  const int count = static_cast<int>(group.size());
  int index = static_cast<int>(at - group.begin());
  for (int step = 0; step < count; ++step) {
    index = previous ? (index - 1 + count) % count : (index + 1) % count;
    const LONG style = GetWindowLongW(group[index], GWL_STYLE);
    if ((style & WS_VISIBLE) && !(style & WS_DISABLED)) return group[index];
  }
  return control;
}

BOOL IsDialogMessageW(HWND dialog, LPMSG msg) {
  if (msg == nullptr || !IsWindow(dialog)) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  if (CallMsgFilterW(msg, MSGF_DIALOGBOX)) return TRUE;
  const HWND target = msg->hwnd;
  const LRESULT code = platform::DialogCode(target, msg);
  if (!(code & DLGC_WANTMESSAGE)) {
    switch (msg->message) {
      case WM_KEYDOWN:
        switch (msg->wParam) {
          case VK_TAB:
            if (!(code & DLGC_WANTTAB)) {
              const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
              platform::SetDialogFocus(dialog, GetNextDlgTabItem(dialog, platform::FocusedControl(dialog), back));
              return TRUE;
            }
            break;
          case VK_LEFT:
          case VK_UP:
          case VK_RIGHT:
          case VK_DOWN:
            if (!(code & DLGC_WANTARROWS)) {
              const bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
              HWND next = GetNextDlgGroupItem(dialog, platform::FocusedControl(dialog), back);
              if (next != nullptr) SetFocus(next);
              return TRUE;
            }
            break;
          case VK_ESCAPE:
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return TRUE;
          case VK_RETURN: {
            // The focused push button, else the default button.
            HWND focus = platform::FocusedControl(dialog);
            HWND button = nullptr;
            if (focus != nullptr && (platform::DialogCode(focus, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
              button = focus;
            } else {
              button = platform::DefaultButton(dialog);
            }
            if (button != nullptr && IsWindowEnabled(button)) {
              SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(button)), BN_CLICKED),
                           reinterpret_cast<LPARAM>(button));
            } else if (button == nullptr) {
              SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            return TRUE;
          }
          default:
            break;
        }
        break;
      case WM_CHAR:
        if (!(code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) && msg->wParam > u' ' &&
            platform::ClickMnemonic(dialog, static_cast<WCHAR>(msg->wParam))) {
          return TRUE;
        }
        break;
      case WM_SYSCHAR:
        if (platform::ClickMnemonic(dialog, static_cast<WCHAR>(msg->wParam))) return TRUE;
        break;
      default:
        break;
    }
  }
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return TRUE;
}

BOOL IsDialogMessageA(HWND dialog, LPMSG msg) { return IsDialogMessageW(dialog, msg); }

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(dialog, id);
  return item ? SendMessageW(item, message, wParam, lParam) : 0;
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item ? SetWindowTextW(item, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int count) {
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) {
    if (text && count > 0) text[0] = 0;
    return 0;
  }
  return static_cast<UINT>(GetWindowTextW(item, text, count));
}

namespace platform {

// The class procedure of "#32770": the dialog's own procedure first.
LRESULT DialogClassProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return DialogProcedure(dialog, message, wParam, lParam);
}

void RegisterDialogClass() {
  WNDCLASSEXW wc{};
  wc.style = CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
  wc.lpfnWndProc = WndProcFromFunction(DialogClassProc);
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = SystemModule();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = u"#32770";
  RegisterClassExW(&wc);
}

}  // namespace platform
