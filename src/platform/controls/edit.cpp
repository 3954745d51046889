// The "Edit" class: single-line and multi-line edits. A caret that blinks
// while the edit has the focus, typing, selection with the mouse and the
// keyboard, the clipboard, one level of undo, the window's scroll bars, and
// the EM_* messages.
#include <algorithm>
#include <cstdlib>

#include "platform/controls/edit_internal.h"

namespace platform::edit {
namespace {

LRESULT Create(HWND hwnd, LPARAM lParam) {
  auto* data = new EditData;
  const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
  if (cs && (cs->style & ES_MULTILINE)) data->limit = kMultiLineLimit;
  if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) data->text = cs->lpszName;
  if (data->text.size() > static_cast<std::size_t>(data->limit)) data->text.resize(static_cast<std::size_t>(data->limit));
  if (cs && (cs->style & ES_PASSWORD) && !(cs->style & ES_MULTILINE)) data->passwordChar = u'*';
  AttachControlData(hwnd, data);
  return DefWindowProcW(hwnd, WM_NCCREATE, 0, lParam);
}

void Relayout(HWND hwnd, EditData& d) {
  Layout(hwnd, d);
  ScrollToCaret(hwnd, d);
}

LRESULT MouseDown(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  SetFocus(hwnd);
  EditData* d = ControlData<EditData>(hwnd);  // the focus change may have destroyed it
  if (d == nullptr) return 0;
  SetCapture(hwnd);
  d->caret = CharFromPos(hwnd, *d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  d->desiredX = -1;
  if (!(wParam & MK_SHIFT)) d->anchor = d->caret;
  Moved(hwnd, *d);
  return 0;
}

LRESULT Wheel(HWND hwnd, EditData& d, WPARAM wParam) {
  if (!IsMultiLine(hwnd)) return 0;
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int notches = static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA;
  for (int i = 0; i < static_cast<int>(lines) * std::abs(notches); ++i) {
    VerticalScroll(hwnd, d, notches > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  }
  return 0;
}

LRESULT SetSelection(HWND hwnd, EditData& d, WPARAM wParam, LPARAM lParam) {
  // -1 as the start removes the selection; -1 as the end means the end.
  const int length = static_cast<int>(d.text.size());
  int start = static_cast<int>(static_cast<LONG>(wParam));
  int end = static_cast<int>(static_cast<LONG>(lParam));
  if (start < 0) {
    d.anchor = d.caret;
  } else {
    if (end < 0 || end > length) end = length;
    d.anchor = std::min(start, length);
    d.caret = end;
  }
  d.desiredX = -1;
  Moved(hwnd, d);
  return 0;
}

LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(hwnd, lParam);
  EditData* d = ControlData<EditData>(hwnd);
  if (d == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (LineMessage(hwnd, *d, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CREATE:
      Relayout(hwnd, *d);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<EditData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *d); });
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
    case WM_STYLECHANGED:
      Relayout(hwnd, *d);
      Redraw(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hwnd, lParam);
    case WM_SETFONT:
      d->font = reinterpret_cast<HFONT>(wParam);
      Relayout(hwnd, *d);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(d->font);
    case WM_SETTEXT:
      SetText(hwnd, *d, lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string());
      DefWindowProcW(hwnd, message, wParam, lParam);
      Notify(hwnd, EN_UPDATE);
      Redraw(hwnd);
      Notify(hwnd, EN_CHANGE);
      return TRUE;
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
    case WM_LBUTTONDOWN:
      return MouseDown(hwnd, wParam, lParam);
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) {
        // Dragging past the edges scrolls: the caret's line is kept in view.
        const int caret = CharFromPos(hwnd, *d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
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
      const int at = CharFromPos(hwnd, *d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      d->anchor = WordLeft(*d, std::min(static_cast<int>(d->text.size()), at + 1));
      d->caret = WordRight(*d, d->anchor);
      Moved(hwnd, *d);
      return 0;
    }
    case WM_MOUSEWHEEL:
      return Wheel(hwnd, *d, wParam);
    case WM_VSCROLL:
      VerticalScroll(hwnd, *d, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
      return 0;
    case WM_HSCROLL:
      HorizontalScroll(hwnd, *d, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
      return 0;
    case WM_KEYDOWN:
      return KeyDown(hwnd, *d, wParam);
    case WM_CHAR:
      return Char(hwnd, *d, wParam);
    case WM_COPY:
      CopySelection(hwnd, *d);
      return 0;
    case WM_CUT:
      if (Style(hwnd) & ES_READONLY) return 0;
      CopySelection(hwnd, *d);
      ReplaceSelection(hwnd, *d, u"", true);
      return 0;
    case WM_CLEAR:
      if (!(Style(hwnd) & ES_READONLY)) ReplaceSelection(hwnd, *d, u"", true);
      return 0;
    case WM_PASTE:
      Paste(hwnd, *d);
      return 0;
    case EM_UNDO:
    case WM_UNDO:
      return Undo(hwnd, *d);
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
    case EM_SETSEL:
      return SetSelection(hwnd, *d, wParam, lParam);
    case EM_REPLACESEL:
      ReplaceSelection(hwnd, *d, lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string(),
                       wParam != 0);
      return 0;
    case EM_GETMODIFY:
      return d->modified;
    case EM_SETMODIFY:
      d->modified = wParam != 0;
      return 0;
    case EM_LIMITTEXT:
      d->limit = wParam == 0 ? kMultiLineLimit : static_cast<int>(std::min<WPARAM>(wParam, kMultiLineLimit));
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
      if (IsMultiLine(hwnd)) return 0;
      d->passwordChar = static_cast<char16_t>(wParam);
      Relayout(hwnd, *d);
      Redraw(hwnd);
      return 0;
    case EM_GETPASSWORDCHAR:
      return d->passwordChar;
    case EM_SETMARGINS:
      if (wParam & EC_LEFTMARGIN) d->leftMargin = LOWORD(lParam);
      if (wParam & EC_RIGHTMARGIN) d->rightMargin = HIWORD(lParam);
      Relayout(hwnd, *d);
      Redraw(hwnd);
      return 0;
    case EM_GETMARGINS:
      return MAKELRESULT(static_cast<WORD>(d->leftMargin), static_cast<WORD>(d->rightMargin));
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace
}  // namespace platform::edit

namespace platform {

void RegisterEditClass() { RegisterControlClass(u"Edit", edit::EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM); }

}  // namespace platform
