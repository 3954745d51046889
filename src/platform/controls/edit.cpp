// The single-line "Edit" class: a caret that blinks while the edit has the
// focus, typing, selection with the mouse and the keyboard, the clipboard
// keys, one level of undo, and the EM_* messages of a single-line edit.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlink = 530;
constexpr int kDefaultLimit = 0x7FFE;

struct EditData {
  std::u16string text;
  int caret = 0;   // the moving end of the selection
  int anchor = 0;  // the fixed end
  int scrollX = 0;
  HFONT font = nullptr;
  int limit = kDefaultLimit;
  char16_t passwordChar = 0;
  bool modified = false;
  bool focused = false;
  bool caretOn = false;
  int leftMargin = 1;
  int rightMargin = 1;
  std::u16string undoText;
  int undoCaret = 0;
  bool canUndo = false;
};

// FIXME: the system clipboard (OpenClipboard and friends) comes later; until
// then edits share this process-wide text clipboard.
std::u16string& Clipboard() {
  static std::u16string clipboard;
  return clipboard;
}

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }

int SelectionStart(const EditData& d) { return std::min(d.caret, d.anchor); }
int SelectionEnd(const EditData& d) { return std::max(d.caret, d.anchor); }

HFONT FontOf(const EditData& d) { return d.font ? d.font : DefaultControlFont(); }

std::u16string Shown(HWND hwnd, const EditData& d) {
  if ((Style(hwnd) & ES_PASSWORD) || d.passwordChar != 0) {
    return std::u16string(d.text.size(), d.passwordChar ? d.passwordChar : u'*');
  }
  return d.text;
}

void Notify(HWND hwnd, WORD code) {
  if (HWND parent = GetParent(hwnd)) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code),
                 reinterpret_cast<LPARAM>(hwnd));
  }
}

int Width(HWND hwnd, const EditData& d, int count) {
  HDC dc = GetDC(hwnd);
  const int width = TextWidth(dc, FontOf(d), Shown(hwnd, d), count);
  ReleaseDC(hwnd, dc);
  return width;
}

// The character boundary nearest to a client x coordinate. Widths grow with
// the prefix, so a binary search finds it in few measurements.
int CharFromX(HWND hwnd, const EditData& d, int x) {
  const int target = x - d.leftMargin + d.scrollX;
  HDC dc = GetDC(hwnd);
  const std::u16string shown = Shown(hwnd, d);
  int low = 0, high = static_cast<int>(shown.size());
  while (low < high) {  // the first boundary at or right of the target
    const int middle = (low + high) / 2;
    if (TextWidth(dc, FontOf(d), shown, middle) < target) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  int best = low;
  if (low > 0) {
    const int right = TextWidth(dc, FontOf(d), shown, low);
    const int left = TextWidth(dc, FontOf(d), shown, low - 1);
    if (target - left < right - target) best = low - 1;
  }
  ReleaseDC(hwnd, dc);
  return best;
}

// Scrolls so that the caret is inside the client area.
void ScrollToCaret(HWND hwnd, EditData& d) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const int visible = std::max<int>(1, client.right - d.leftMargin - d.rightMargin);
  const int caretX = Width(hwnd, d, d.caret);
  if (caretX - d.scrollX > visible) d.scrollX = caretX - visible + visible / 4;
  if (caretX < d.scrollX) d.scrollX = std::max(0, caretX - visible / 4);
  const int total = Width(hwnd, d, static_cast<int>(d.text.size()));
  d.scrollX = std::clamp(d.scrollX, 0, std::max(0, total - visible + 1));
}

void Redraw(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
}

void RestartCaret(HWND hwnd, EditData& d) {
  if (!d.focused) return;
  d.caretOn = true;
  SetSystemTimer(hwnd, kCaretTimer, kCaretBlink);
}

void Moved(HWND hwnd, EditData& d) {
  ScrollToCaret(hwnd, d);
  RestartCaret(hwnd, d);
  Redraw(hwnd);
}

void RememberForUndo(EditData& d) {
  d.undoText = d.text;
  d.undoCaret = d.caret;
  d.canUndo = true;
}

// Replaces the selection with `insert`, within the limit; answers whether
// anything changed.
bool ReplaceSelection(HWND hwnd, EditData& d, std::u16string insert, bool canUndo) {
  const int start = SelectionStart(d);
  const int end = SelectionEnd(d);
  const int room = d.limit - (static_cast<int>(d.text.size()) - (end - start));
  if (static_cast<int>(insert.size()) > room) {
    insert.resize(static_cast<std::size_t>(std::max(0, room)));
    Notify(hwnd, EN_MAXTEXT);
    if (insert.empty() && start == end) return false;
  }
  if (insert.empty() && start == end) return false;
  if (canUndo) RememberForUndo(d);
  d.text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), insert);
  d.caret = d.anchor = start + static_cast<int>(insert.size());
  d.modified = true;
  ScrollToCaret(hwnd, d);
  Notify(hwnd, EN_UPDATE);
  Redraw(hwnd);
  Notify(hwnd, EN_CHANGE);
  return true;
}

bool IsWordChar(char16_t c) { return c != u' ' && c != u'\t'; }

int WordLeft(const EditData& d, int from) {
  int i = from;
  while (i > 0 && !IsWordChar(d.text[i - 1])) --i;
  while (i > 0 && IsWordChar(d.text[i - 1])) --i;
  return i;
}

int WordRight(const EditData& d, int from) {
  const int n = static_cast<int>(d.text.size());
  int i = from;
  while (i < n && IsWordChar(d.text[i])) ++i;
  while (i < n && !IsWordChar(d.text[i])) ++i;
  return i;
}

void Copy(const EditData& d) {
  if (SelectionEnd(d) > SelectionStart(d)) {
    Clipboard() = d.text.substr(static_cast<std::size_t>(SelectionStart(d)),
                                static_cast<std::size_t>(SelectionEnd(d) - SelectionStart(d)));
  }
}

void Paint(HWND hwnd, HDC dc, EditData& d) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const DWORD style = Style(hwnd);
  const bool enabled = !(style & WS_DISABLED);
  const bool readOnly = (style & ES_READONLY) != 0;
  HWND parent = GetParent(hwnd);
  // Read-only and disabled edits ask for the static colours, as on Windows.
  const UINT colourMessage = (readOnly || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HBRUSH brush = reinterpret_cast<HBRUSH>(
      SendMessageW(parent ? parent : hwnd, colourMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  if (brush == nullptr) brush = GetSysColorBrush(COLOR_WINDOW);
  FillRect(dc, &client, brush);
  EditLook look;
  look.text = Shown(hwnd, d);
  look.selectionStart = SelectionStart(d);
  look.selectionEnd = SelectionEnd(d);
  look.scrollX = d.scrollX;
  look.margin = d.leftMargin;
  look.focused = d.focused;
  look.enabled = enabled;
  look.readOnly = readOnly;
  look.showSelection = d.focused || (style & ES_NOHIDESEL);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  CurrentPainter().EditLine(dc, client, FontOf(d), look);
  if (d.focused && d.caretOn) {
    HGDIOBJ previous = SelectObject(dc, FontOf(d));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    const int x = d.leftMargin - d.scrollX + TextWidth(dc, FontOf(d), look.text, d.caret);
    const int y = std::max<LONG>(0, (client.bottom - metrics.tmHeight) / 2);
    PatBlt(dc, x, y, 1, metrics.tmHeight, DSTINVERT);
  }
  RestoreDC(dc, saved);
}

LRESULT KeyDown(HWND hwnd, EditData& d, WPARAM key) {
  const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  const int length = static_cast<int>(d.text.size());
  int caret = d.caret;
  switch (key) {
    case VK_LEFT:
      if (!shift && SelectionEnd(d) > SelectionStart(d)) {
        caret = SelectionStart(d);
      } else {
        caret = ctrl ? WordLeft(d, caret) : std::max(0, caret - 1);
      }
      break;
    case VK_RIGHT:
      if (!shift && SelectionEnd(d) > SelectionStart(d)) {
        caret = SelectionEnd(d);
      } else {
        caret = ctrl ? WordRight(d, caret) : std::min(length, caret + 1);
      }
      break;
    case VK_HOME:
      caret = 0;
      break;
    case VK_END:
      caret = length;
      break;
    case VK_DELETE:
      if (Style(hwnd) & ES_READONLY) return 0;
      if (shift) {  // Shift+Delete cuts
        Copy(d);
        ReplaceSelection(hwnd, d, u"", true);
        return 0;
      }
      if (SelectionEnd(d) == SelectionStart(d)) {
        if (d.caret >= length) return 0;
        d.anchor = d.caret + 1;
      }
      ReplaceSelection(hwnd, d, u"", true);
      return 0;
    case VK_INSERT:
      if (ctrl) Copy(d);
      if (shift && !(Style(hwnd) & ES_READONLY)) ReplaceSelection(hwnd, d, Clipboard(), true);
      return 0;
    default:
      return 0;
  }
  d.caret = caret;
  if (!shift) d.anchor = caret;
  Moved(hwnd, d);
  return 0;
}

LRESULT Char(HWND hwnd, EditData& d, WPARAM wParam) {
  const auto ch = static_cast<char16_t>(wParam);
  const DWORD style = Style(hwnd);
  const bool readOnly = (style & ES_READONLY) != 0;
  switch (ch) {
    case 0x03:  // Ctrl+C
      Copy(d);
      return 0;
    case 0x16:  // Ctrl+V
      if (!readOnly) ReplaceSelection(hwnd, d, Clipboard(), true);
      return 0;
    case 0x18:  // Ctrl+X
      if (!readOnly) {
        Copy(d);
        ReplaceSelection(hwnd, d, u"", true);
      }
      return 0;
    case 0x1A:  // Ctrl+Z
      SendMessageW(hwnd, EM_UNDO, 0, 0);
      return 0;
    case 0x08:  // Backspace
      if (readOnly) return 0;
      if (SelectionEnd(d) == SelectionStart(d)) {
        if (d.caret == 0) return 0;
        d.anchor = d.caret - 1;
      }
      ReplaceSelection(hwnd, d, u"", true);
      return 0;
    default:
      break;
  }
  if (ch < 0x20 || readOnly) return 0;
  if ((style & ES_NUMBER) && (ch < u'0' || ch > u'9')) {
    MessageBeep(0);
    return 0;
  }
  char16_t typed = ch;
  if ((style & ES_UPPERCASE) && ch >= u'a' && ch <= u'z') typed = static_cast<char16_t>(ch - u'a' + u'A');
  if ((style & ES_LOWERCASE) && ch >= u'A' && ch <= u'Z') typed = static_cast<char16_t>(ch - u'A' + u'a');
  ReplaceSelection(hwnd, d, std::u16string(1, typed), true);
  return 0;
}

LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* data = new EditData;
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) data->text = cs->lpszName;
    if (data->text.size() > static_cast<std::size_t>(data->limit)) data->text.resize(static_cast<std::size_t>(data->limit));
    if (cs && (cs->style & ES_PASSWORD)) data->passwordChar = u'*';
    AttachControlData(hwnd, data);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  EditData* d = ControlData<EditData>(hwnd);
  if (d == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<EditData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *d); });
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETFONT:
      d->font = reinterpret_cast<HFONT>(wParam);
      ScrollToCaret(hwnd, *d);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(d->font);
    case WM_SETTEXT: {
      std::u16string text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
      if (text.size() > static_cast<std::size_t>(d->limit)) text.resize(static_cast<std::size_t>(d->limit));
      d->text = std::move(text);
      d->caret = d->anchor = 0;
      d->scrollX = 0;
      d->modified = false;
      d->canUndo = false;
      DefWindowProcW(hwnd, message, wParam, lParam);
      Notify(hwnd, EN_UPDATE);
      Redraw(hwnd);
      Notify(hwnd, EN_CHANGE);
      return TRUE;
    }
    case WM_GETTEXT: {
      if (wParam == 0 || lParam == 0) return 0;
      auto* out = reinterpret_cast<LPWSTR>(lParam);
      const std::size_t count = std::min(d->text.size(), static_cast<std::size_t>(wParam - 1));
      d->text.copy(out, count);
      out[count] = 0;
      return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(d->text.size());
    case WM_SETFOCUS:
      d->focused = true;
      RestartCaret(hwnd, *d);
      Redraw(hwnd);
      Notify(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      d->focused = false;
      d->caretOn = false;
      KillSystemTimer(hwnd, kCaretTimer);
      if (GetCapture() == hwnd) ReleaseCapture();
      Redraw(hwnd);
      Notify(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_SYSTIMER:
      if (wParam == kCaretTimer && d->focused) {
        d->caretOn = !d->caretOn;
        Redraw(hwnd);
      }
      return 0;
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case WM_LBUTTONDOWN: {
      SetFocus(hwnd);
      if ((d = ControlData<EditData>(hwnd)) == nullptr) return 0;
      SetCapture(hwnd);
      d->caret = CharFromX(hwnd, *d, GET_X_LPARAM(lParam));
      if (!(wParam & MK_SHIFT)) d->anchor = d->caret;
      Moved(hwnd, *d);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) {
        const int caret = CharFromX(hwnd, *d, GET_X_LPARAM(lParam));
        if (caret != d->caret) {
          d->caret = caret;
          Moved(hwnd, *d);
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_LBUTTONDBLCLK: {
      const int at = CharFromX(hwnd, *d, GET_X_LPARAM(lParam));
      d->anchor = WordLeft(*d, std::min(static_cast<int>(d->text.size()), at + 1));
      d->caret = WordRight(*d, d->anchor);
      Moved(hwnd, *d);
      return 0;
    }
    case WM_KEYDOWN:
      return KeyDown(hwnd, *d, wParam);
    case WM_CHAR:
      return Char(hwnd, *d, wParam);
    case WM_COPY:
      Copy(*d);
      return 0;
    case WM_CUT:
      Copy(*d);
      [[fallthrough]];
    case WM_CLEAR:
      if (!(Style(hwnd) & ES_READONLY)) ReplaceSelection(hwnd, *d, u"", true);
      return 0;
    case WM_PASTE:
      if (!(Style(hwnd) & ES_READONLY)) ReplaceSelection(hwnd, *d, Clipboard(), true);
      return 0;
    case EM_UNDO:
    case WM_UNDO: {
      if (!d->canUndo) return FALSE;
      std::swap(d->text, d->undoText);
      d->caret = d->anchor = std::min(d->undoCaret, static_cast<int>(d->text.size()));
      d->modified = true;
      Moved(hwnd, *d);
      Notify(hwnd, EN_CHANGE);
      return TRUE;
    }
    case EM_CANUNDO:
      return d->canUndo;
    case EM_EMPTYUNDOBUFFER:
      d->canUndo = false;
      return 0;
    case EM_GETSEL: {
      const int start = SelectionStart(*d), end = SelectionEnd(*d);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
      return MAKELRESULT(static_cast<WORD>(std::min(start, 0xFFFF)), static_cast<WORD>(std::min(end, 0xFFFF)));
    }
    case EM_SETSEL: {
      // -1 as the start removes the selection; -1 as the end means the end.
      const int length = static_cast<int>(d->text.size());
      int start = static_cast<int>(static_cast<LONG>(wParam));
      int end = static_cast<int>(static_cast<LONG>(lParam));
      if (start < 0) {
        d->anchor = d->caret;
      } else {
        if (end < 0 || end > length) end = length;
        start = std::min(start, length);
        d->anchor = start;
        d->caret = end;
      }
      Moved(hwnd, *d);
      return 0;
    }
    case EM_REPLACESEL:
      ReplaceSelection(hwnd, *d, lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string(),
                       wParam != 0);
      return 0;
    case EM_GETMODIFY:
      return d->modified;
    case EM_SETMODIFY:
      d->modified = wParam != 0;
      return 0;
    case EM_GETLINECOUNT:
      return 1;
    case EM_LINELENGTH:
      return static_cast<LRESULT>(d->text.size());
    case EM_LIMITTEXT:
      d->limit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE));
      return 0;
    case EM_GETLIMITTEXT:
      return d->limit;
    case EM_SETREADONLY: {
      const DWORD style = Style(hwnd);
      SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(wParam ? (style | ES_READONLY) : (style & ~ES_READONLY)));
      Redraw(hwnd);
      return TRUE;
    }
    case EM_SETPASSWORDCHAR:
      d->passwordChar = static_cast<char16_t>(wParam);
      Redraw(hwnd);
      return 0;
    case EM_GETPASSWORDCHAR:
      return d->passwordChar;
    case EM_SETMARGINS:
      if (wParam & EC_LEFTMARGIN) d->leftMargin = LOWORD(lParam);
      if (wParam & EC_RIGHTMARGIN) d->rightMargin = HIWORD(lParam);
      Redraw(hwnd);
      return 0;
    case EM_GETMARGINS:
      return MAKELRESULT(static_cast<WORD>(d->leftMargin), static_cast<WORD>(d->rightMargin));
    case EM_POSFROMCHAR: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || index > static_cast<int>(d->text.size())) return -1;
      const int x = d->leftMargin - d->scrollX + Width(hwnd, *d, index);
      return MAKELRESULT(static_cast<WORD>(x), 0);
    }
    case EM_CHARFROMPOS:
      return MAKELRESULT(static_cast<WORD>(CharFromX(hwnd, *d, GET_X_LPARAM(lParam))), 0);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterEditClass() { RegisterControlClass(u"Edit", EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM); }

}  // namespace platform
