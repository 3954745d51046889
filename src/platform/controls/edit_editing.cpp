// Changing the edit's text: replacing the selection within the limit, one
// level of undo (undoing again redoes), the clipboard, and moving by
// characters and words.
#include <algorithm>

#include "platform/controls/edit_internal.h"

namespace platform::edit {
namespace {

// Whether an edit that does not scroll vertically still shows every line.
bool FitsWithoutScrolling(HWND hwnd, const EditData& d) {
  if (!IsMultiLine(hwnd) || (Style(hwnd) & (ES_AUTOVSCROLL | WS_VSCROLL))) return true;
  return static_cast<int>(d.lines.size()) <= VisibleLines(hwnd, d);
}

// Text as a single-line edit takes it: up to the first line break.
std::u16string FirstLine(std::u16string text) {
  const std::size_t brk = text.find_first_of(u"\r\n");
  if (brk != std::u16string::npos) text.resize(brk);
  return text;
}

bool IsWordChar(char16_t c) { return c != u' ' && c != u'\t' && c != u'\r' && c != u'\n'; }

}  // namespace

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
bool IsMultiLine(HWND hwnd) { return (Style(hwnd) & ES_MULTILINE) != 0; }
int SelectionStart(const EditData& d) { return std::min(d.caret, d.anchor); }
int SelectionEnd(const EditData& d) { return std::max(d.caret, d.anchor); }
HFONT FontOf(const EditData& d) { return d.font ? d.font : DefaultControlFont(); }

void Notify(HWND hwnd, WORD code) {
  if (HWND parent = GetParent(hwnd)) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code),
                 reinterpret_cast<LPARAM>(hwnd));
  }
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

bool ReplaceSelection(HWND hwnd, EditData& d, std::u16string insert, bool canUndo, bool typed) {
  if (!IsMultiLine(hwnd)) insert = FirstLine(std::move(insert));
  const int start = SelectionStart(d);
  const int end = SelectionEnd(d);
  const int room = d.limit - (static_cast<int>(d.text.size()) - (end - start));
  if (static_cast<int>(insert.size()) > room) {
    insert.resize(static_cast<std::size_t>(std::max(0, room)));
    // Never half a line break.
    if (!insert.empty() && insert.back() == u'\r') insert.pop_back();
    Notify(hwnd, EN_MAXTEXT);
  }
  if (insert.empty() && start == end) return false;
  std::u16string before = d.text;
  d.text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), insert);
  Layout(hwnd, d);
  if (typed && !FitsWithoutScrolling(hwnd, d)) {
    d.text = before;
    Layout(hwnd, d);
    Notify(hwnd, EN_MAXTEXT);
    return false;
  }
  if (canUndo) {
    d.undoText = std::move(before);
    d.undoCaret = d.caret;
    d.canUndo = true;
  }
  d.caret = d.anchor = start + static_cast<int>(insert.size());
  d.desiredX = -1;
  d.modified = true;
  ScrollToCaret(hwnd, d);
  Notify(hwnd, EN_UPDATE);
  Redraw(hwnd);
  Notify(hwnd, EN_CHANGE);
  return true;
}

void SetText(HWND hwnd, EditData& d, std::u16string text) {
  if (text.size() > static_cast<std::size_t>(d.limit)) text.resize(static_cast<std::size_t>(d.limit));
  d.text = std::move(text);
  d.caret = d.anchor = 0;
  d.scrollX = 0;
  d.firstLine = 0;
  d.desiredX = -1;
  d.modified = false;
  d.canUndo = false;
  Layout(hwnd, d);
  ScrollTo(hwnd, d, 0, 0);
}

bool Undo(HWND hwnd, EditData& d) {
  if (!d.canUndo) return false;
  std::swap(d.text, d.undoText);
  const int caret = d.caret;
  d.caret = d.anchor = std::min(d.undoCaret, static_cast<int>(d.text.size()));
  d.undoCaret = caret;
  d.modified = true;
  Layout(hwnd, d);
  Moved(hwnd, d);
  Notify(hwnd, EN_CHANGE);
  return true;
}

void CopySelection(HWND hwnd, const EditData& d) {
  const int start = SelectionStart(d), end = SelectionEnd(d);
  // A password is never copied out.
  if (end <= start || (!IsMultiLine(hwnd) && ((Style(hwnd) & ES_PASSWORD) || d.passwordChar != 0))) return;
  const std::u16string text = d.text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
  if (!OpenClipboard(hwnd)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
  auto* chars = static_cast<char16_t*>(GlobalLock(memory));
  std::copy(text.begin(), text.end(), chars);
  chars[text.size()] = 0;
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

void Paste(HWND hwnd, EditData& d) {
  if (Style(hwnd) & ES_READONLY) return;
  if (!OpenClipboard(hwnd)) return;
  std::u16string text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    const auto* chars = static_cast<const char16_t*>(GlobalLock(memory));
    const std::size_t most = GlobalSize(memory) / sizeof(char16_t);
    if (chars) text.assign(chars, std::find(chars, chars + most, u'\0'));
    GlobalUnlock(memory);
  }
  CloseClipboard();
  ReplaceSelection(hwnd, d, std::move(text), true, true);
}

int CharLeft(const EditData& d, int from) {
  if (from >= 2 && d.text[static_cast<std::size_t>(from - 1)] == u'\n' && d.text[static_cast<std::size_t>(from - 2)] == u'\r') {
    return from - 2;
  }
  return std::max(0, from - 1);
}

int CharRight(const EditData& d, int from) {
  const int n = static_cast<int>(d.text.size());
  if (from + 1 < n && d.text[static_cast<std::size_t>(from)] == u'\r' && d.text[static_cast<std::size_t>(from + 1)] == u'\n') {
    return from + 2;
  }
  return std::min(n, from + 1);
}

int WordLeft(const EditData& d, int from) {
  int i = from;
  while (i > 0 && !IsWordChar(d.text[static_cast<std::size_t>(i - 1)])) --i;
  while (i > 0 && IsWordChar(d.text[static_cast<std::size_t>(i - 1)])) --i;
  return i;
}

int WordRight(const EditData& d, int from) {
  const int n = static_cast<int>(d.text.size());
  int i = from;
  while (i < n && IsWordChar(d.text[static_cast<std::size_t>(i)])) ++i;
  while (i < n && !IsWordChar(d.text[static_cast<std::size_t>(i)])) ++i;
  return i;
}

}  // namespace platform::edit
