// The "Edit" class's state and the pieces its window procedure is made of:
// the layout of its lines, scrolling, editing with undo and the clipboard,
// the keyboard, and painting. Text keeps its line breaks as "\r\n"; a
// multi-line edit without horizontal scrolling wraps its lines at words.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform::edit {

constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlink = 530;
constexpr int kDefaultLimit = 0x7FFE;
constexpr int kMultiLineLimit = 0x7FFFFFFE;

// One line as shown: the characters [start, start + length); a line break
// ("\r\n") or a wrap follows.
struct Line {
  int start = 0;
  int length = 0;
};

struct EditData {
  std::u16string text;
  int caret = 0;   // the moving end of the selection
  int anchor = 0;  // the fixed end
  int scrollX = 0;     // pixels scrolled off to the left
  int firstLine = 0;   // multi-line: the top line shown
  int desiredX = -1;   // kept while the caret moves up and down; -1: none
  std::vector<Line> lines{Line{}};
  int widest = 0;      // pixels of the widest line
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

DWORD Style(HWND hwnd);
bool IsMultiLine(HWND hwnd);
int SelectionStart(const EditData& d);
int SelectionEnd(const EditData& d);
HFONT FontOf(const EditData& d);
void Notify(HWND hwnd, WORD code);

// Layout (edit_layout.cpp). Layout must run after every change of the text,
// the font, the size or the styles.
std::u16string Shown(HWND hwnd, const EditData& d);
void Layout(HWND hwnd, EditData& d);
int LineHeight(HWND hwnd, const EditData& d);
int VisibleLines(HWND hwnd, const EditData& d);
int LineOf(const EditData& d, int index);
int LineEnd(const EditData& d, int line);
// The client position of the caret before a character (top of its line).
POINT PosFromChar(HWND hwnd, const EditData& d, int index);
// The character boundary nearest to a client point.
int CharFromPos(HWND hwnd, const EditData& d, POINT p);
int CharInLine(HWND hwnd, const EditData& d, int line, int x);

// Scrolling (edit_scroll.cpp): keeps the window's scroll bars in step.
void ScrollToCaret(HWND hwnd, EditData& d);
void ScrollTo(HWND hwnd, EditData& d, int firstLine, int scrollX);
void UpdateScrollBars(HWND hwnd, const EditData& d);
LRESULT VerticalScroll(HWND hwnd, EditData& d, WORD request, int thumb);
LRESULT HorizontalScroll(HWND hwnd, EditData& d, WORD request, int thumb);

// Editing (edit_editing.cpp).
void Redraw(HWND hwnd);
void RestartCaret(HWND hwnd, EditData& d);
void Moved(HWND hwnd, EditData& d);
// Replaces the selection with `insert`, within the limit; `typed` text
// that would not fit the lines of an edit that does not scroll is refused.
bool ReplaceSelection(HWND hwnd, EditData& d, std::u16string insert, bool canUndo, bool typed = false);
void SetText(HWND hwnd, EditData& d, std::u16string text);
bool Undo(HWND hwnd, EditData& d);
void CopySelection(HWND hwnd, const EditData& d);
void Paste(HWND hwnd, EditData& d);
int WordLeft(const EditData& d, int from);
int WordRight(const EditData& d, int from);
// One character left or right, a line break counting as one.
int CharLeft(const EditData& d, int from);
int CharRight(const EditData& d, int from);

// The keyboard (edit_keys.cpp).
LRESULT KeyDown(HWND hwnd, EditData& d, WPARAM key);
LRESULT Char(HWND hwnd, EditData& d, WPARAM character);
LRESULT DialogCode(HWND hwnd, LPARAM message);

// The EM_* line and position messages (edit_lines.cpp); answers false for
// other messages.
bool LineMessage(HWND hwnd, EditData& d, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Painting (edit_paint.cpp).
void Paint(HWND hwnd, HDC dc, EditData& d);

}  // namespace platform::edit
