// The edit's keyboard: caret movement by characters, words, lines and pages
// (Shift extends the selection), deleting, the clipboard keys, and what a
// dialog may take from a multi-line edit.
#include <algorithm>

#include "platform/controls/edit_internal.h"

namespace platform::edit {
namespace {

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The caret one line (or `lines` lines) up or down, as near as possible to
// where it was across.
int VerticalMove(HWND hwnd, EditData& d, int lines) {
  if (d.desiredX < 0) d.desiredX = PosFromChar(hwnd, d, d.caret).x;
  const int line = std::clamp(LineOf(d, d.caret) + lines, 0, static_cast<int>(d.lines.size()) - 1);
  return CharInLine(hwnd, d, line, d.desiredX);
}

void DeleteOrCut(HWND hwnd, EditData& d) {
  CopySelection(hwnd, d);
  ReplaceSelection(hwnd, d, u"", true);
}

}  // namespace

LRESULT KeyDown(HWND hwnd, EditData& d, WPARAM key) {
  const bool shift = Down(VK_SHIFT);
  const bool ctrl = Down(VK_CONTROL);
  const bool multi = IsMultiLine(hwnd);
  const bool readOnly = (Style(hwnd) & ES_READONLY) != 0;
  const bool selection = SelectionEnd(d) > SelectionStart(d);
  const int length = static_cast<int>(d.text.size());
  int caret = d.caret;
  bool vertical = false;
  switch (key) {
    case VK_LEFT:
      caret = (!shift && selection) ? SelectionStart(d) : ctrl ? WordLeft(d, caret) : CharLeft(d, caret);
      break;
    case VK_RIGHT:
      caret = (!shift && selection) ? SelectionEnd(d) : ctrl ? WordRight(d, caret) : CharRight(d, caret);
      break;
    case VK_UP:
    case VK_DOWN:
      if (!multi) {  // a single line: as left and right
        caret = key == VK_UP ? CharLeft(d, caret) : CharRight(d, caret);
        break;
      }
      caret = VerticalMove(hwnd, d, key == VK_UP ? -1 : 1);
      vertical = true;
      break;
    case VK_PRIOR:
    case VK_NEXT: {
      if (!multi) return 0;
      const int page = std::max(1, VisibleLines(hwnd, d) - 1);
      const int lines = key == VK_PRIOR ? -page : page;
      caret = VerticalMove(hwnd, d, lines);
      ScrollTo(hwnd, d, d.firstLine + lines, d.scrollX);
      vertical = true;
      break;
    }
    case VK_HOME:
      caret = (ctrl || !multi) ? 0 : d.lines[static_cast<std::size_t>(LineOf(d, caret))].start;
      break;
    case VK_END:
      caret = (ctrl || !multi) ? length : LineEnd(d, LineOf(d, caret));
      break;
    case VK_DELETE:
      if (readOnly) return 0;
      if (shift) {  // Shift+Delete cuts
        DeleteOrCut(hwnd, d);
        return 0;
      }
      if (!selection) {
        if (d.caret >= length) return 0;
        d.anchor = CharRight(d, d.caret);
      }
      ReplaceSelection(hwnd, d, u"", true);
      return 0;
    case VK_INSERT:
      if (ctrl) CopySelection(hwnd, d);
      if (shift) Paste(hwnd, d);
      return 0;
    default:
      return 0;
  }
  if (!vertical) d.desiredX = -1;
  d.caret = caret;
  if (!shift) d.anchor = caret;
  Moved(hwnd, d);
  return 0;
}

LRESULT Char(HWND hwnd, EditData& d, WPARAM character) {
  const auto ch = static_cast<char16_t>(character);
  const DWORD style = Style(hwnd);
  const bool readOnly = (style & ES_READONLY) != 0;
  const bool multi = IsMultiLine(hwnd);
  switch (ch) {
    case 0x03:  // Ctrl+C
      CopySelection(hwnd, d);
      return 0;
    case 0x16:  // Ctrl+V
      Paste(hwnd, d);
      return 0;
    case 0x18:  // Ctrl+X
      if (!readOnly) DeleteOrCut(hwnd, d);
      return 0;
    case 0x1A:  // Ctrl+Z
      SendMessageW(hwnd, EM_UNDO, 0, 0);
      return 0;
    case 0x08:  // Backspace
      if (readOnly) return 0;
      if (SelectionEnd(d) == SelectionStart(d)) {
        if (d.caret == 0) return 0;
        d.anchor = CharLeft(d, d.caret);
      }
      ReplaceSelection(hwnd, d, u"", true);
      return 0;
    case u'\r':
      if (multi && !readOnly) ReplaceSelection(hwnd, d, u"\r\n", true, true);
      return 0;
    case u'\t':
      if (multi && !readOnly) ReplaceSelection(hwnd, d, u"\t", true, true);
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
  ReplaceSelection(hwnd, d, std::u16string(1, typed), true, true);
  return 0;
}

LRESULT DialogCode(HWND hwnd, LPARAM message) {
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  if (!IsMultiLine(hwnd)) return code;
  // A multi-line edit takes every key but leaves Tab, Escape and (without
  // ES_WANTRETURN) Return to the dialog.
  const auto* msg = reinterpret_cast<const MSG*>(message);
  if (msg != nullptr && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_TAB || msg->wParam == VK_ESCAPE) return code;
    if (msg->wParam == VK_RETURN && !(Style(hwnd) & ES_WANTRETURN)) return code;
  }
  return code | DLGC_WANTALLKEYS;
}

}  // namespace platform::edit
