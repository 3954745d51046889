// The multi-line edit: its lines and their messages, word wrap, scrolling
// with the window's bars in step, the keyboard, undo, the clipboard between
// edits, the order of its notifications, printing, and pictures.
#include "platform/controls/control_data.h"
#include "support/canvas.h"
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class EditMultiLineTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 400, 300});
    Pump();
    recorder->SetMainWindow(parent);
  }
  void TearDown() override {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
    UserTest::TearDown();
  }
  HWND Edit(LPCWSTR text, DWORD style, RECT r, int id = 40, DWORD exStyle = WS_EX_CLIENTEDGE) {
    return CreateWindowExW(exStyle, u"Edit", text, WS_CHILD | WS_VISIBLE | ES_MULTILINE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  static LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(hwnd, message, wParam, lParam);
  }
  static std::u16string Text(HWND hwnd) { return platform::WindowText(hwnd); }
  static std::pair<DWORD, DWORD> Selection(HWND hwnd) {
    DWORD start = 0, end = 0;
    Send(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  static std::u16string Line(HWND hwnd, int line) {
    WCHAR buffer[64] = {};
    *reinterpret_cast<WORD*>(buffer) = 63;
    const auto count = Send(hwnd, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer));
    return std::u16string(buffer, static_cast<std::size_t>(count));
  }
  // The WM_COMMAND notification codes the parent received.
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.hwnd == parent && m.message == WM_COMMAND) codes.push_back(HIWORD(m.wParam));
    }
    return codes;
  }
  void Keys(std::initializer_list<UINT> keys) {
    for (UINT key : keys) headless::Key(key);
    Pump();
  }
  HWND parent = nullptr;
};

TEST_F(EditMultiLineTest, LineMessagesOverHardBreaksAndWrappedLines) {
  HWND edit = Edit(u"one\r\ntwo three four five six seven\r\n\r\nlast", ES_AUTOVSCROLL, RECT{10, 10, 110, 200});
  const LRESULT lines = Send(edit, EM_GETLINECOUNT);
  EXPECT_GT(lines, 4);  // the long line wraps at word ends
  EXPECT_EQ(Send(edit, EM_LINEINDEX, 1), 5);
  EXPECT_EQ(Line(edit, 0), u"one");
  // The wrapped line keeps its space at the end, the next line starts a word.
  const std::u16string second = Line(edit, 1);
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second.back(), u' ');
  const int third = static_cast<int>(Send(edit, EM_LINEINDEX, 2));
  EXPECT_EQ(Text(edit)[static_cast<std::size_t>(third - 1)], u' ');
  EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(third)), 2);
  EXPECT_EQ(Send(edit, EM_LINELENGTH, 0), 3);
  EXPECT_EQ(Line(edit, static_cast<int>(lines) - 2), u"");  // the empty paragraph
  EXPECT_EQ(Line(edit, static_cast<int>(lines) - 1), u"last");
  EXPECT_EQ(Send(edit, EM_LINEINDEX, static_cast<WPARAM>(lines)), -1);
  EXPECT_EQ(Line(edit, 99), u"");

  // Horizontal scrolling turns wrapping off: one line per paragraph.
  HWND scrolling = Edit(u"one\r\ntwo three four five six seven\r\n\r\nlast", ES_AUTOHSCROLL, RECT{120, 10, 220, 200}, 41);
  EXPECT_EQ(Send(scrolling, EM_GETLINECOUNT), 4);
  EXPECT_EQ(Line(scrolling, 1), u"two three four five six seven");

  // Positions and characters agree; a point below the last line is on it.
  const LRESULT pos = Send(edit, EM_POSFROMCHAR, 6);
  const LRESULT hit = Send(edit, EM_CHARFROMPOS, 0, pos);
  EXPECT_EQ(LOWORD(hit), 6);
  EXPECT_EQ(HIWORD(hit), 1);
  const LRESULT below = Send(edit, EM_CHARFROMPOS, 0, MAKELPARAM(2, 180));
  EXPECT_EQ(HIWORD(below), lines - 1);
  RECT format{};
  Send(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  RECT client{};
  GetClientRect(edit, &client);
  EXPECT_EQ(format.bottom, client.bottom);
  EXPECT_LT(format.right, client.right);
}

TEST_F(EditMultiLineTest, ScrollingKeepsTheWindowBarsInStep) {
  std::u16string text;
  for (int i = 0; i < 30; ++i) text += u"line " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u"\r\n";
  text += u"a very long last line that is wider than the edit is";
  HWND edit = Edit(text.c_str(), WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL, RECT{10, 10, 160, 150});
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(edit, SB_VERT, &info);
  EXPECT_EQ(info.nMax, 30);
  const int visible = static_cast<int>(info.nPage);
  EXPECT_GT(visible, 3);
  EXPECT_EQ(info.nPos, 0);

  recorder->Clear();
  Send(edit, WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), 1);
  EXPECT_EQ(GetScrollPos(edit, SB_VERT), 1);
  EXPECT_EQ(Codes(), std::vector<int>{EN_VSCROLL});
  Send(edit, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7));
  EXPECT_EQ(GetScrollPos(edit, SB_VERT), 7);
  Send(edit, WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), 31 - visible);  // the last line at the bottom, no further
  Send(edit, EM_LINESCROLL, 0, -100);
  EXPECT_EQ(GetScrollPos(edit, SB_VERT), 0);

  // The caret going to the end brings the last line and its end into view.
  SetFocus(edit);
  headless::KeyDown(VK_CONTROL);
  Keys({VK_END});
  headless::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(GetScrollPos(edit, SB_VERT), 31 - visible);
  EXPECT_GT(GetScrollPos(edit, SB_HORZ), 0);
  Send(edit, WM_HSCROLL, SB_LEFT);
  EXPECT_EQ(GetScrollPos(edit, SB_HORZ), 0);
  // The wheel scrolls three lines a notch.
  Send(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(GetScrollPos(edit, SB_VERT), 28 - visible);
  // Everything fits: the bar stays, disabled.
  SetWindowTextW(edit, u"short");
  GetScrollInfo(edit, SB_VERT, &info);
  EXPECT_EQ(info.nPos, 0);
  EXPECT_EQ(info.nMax, 0);
}

TEST_F(EditMultiLineTest, KeyboardMovesAcrossLinesAndSelects) {
  HWND edit = Edit(u"first line\r\nsecond\r\nthird line here", ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN,
                   RECT{10, 10, 200, 120});
  SetFocus(edit);
  Send(edit, EM_SETSEL, 8, 8);
  Keys({VK_DOWN});
  EXPECT_EQ(Selection(edit).first, 18u);  // "second" is shorter: its end
  Keys({VK_DOWN});
  EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 2);
  EXPECT_EQ(Selection(edit).first, 20u + 8u);  // back at the column it started from
  Keys({VK_HOME});
  EXPECT_EQ(Selection(edit).first, 20u);
  Keys({VK_LEFT});  // the line break is one step
  EXPECT_EQ(Selection(edit).first, 18u);
  Keys({VK_RIGHT, VK_END});
  EXPECT_EQ(Selection(edit).first, 35u);
  // Shift+Up selects up to the same column of the line above.
  headless::KeyDown(VK_SHIFT);
  Keys({VK_UP});
  headless::KeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{18u, 35u}));
  // Ctrl+Left goes by words, over line breaks.
  Send(edit, EM_SETSEL, 20, 20);
  headless::KeyDown(VK_CONTROL);
  Keys({VK_LEFT});
  headless::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(Selection(edit).first, 12u);
  // Return breaks the line; Backspace takes the break back as one character.
  Send(edit, EM_SETSEL, 5, 5);
  Keys({VK_RETURN});
  EXPECT_EQ(Text(edit).substr(0, 12), u"first\r\n line");
  EXPECT_EQ(Send(edit, EM_GETLINECOUNT), 4);
  Keys({VK_BACK});
  EXPECT_EQ(Text(edit).substr(0, 10), u"first line");
  // Tab types a tab; WM_GETDLGCODE leaves Tab to the dialog, Return too
  // without ES_WANTRETURN.
  Keys({VK_TAB});
  EXPECT_EQ(Text(edit).substr(0, 6), u"first\t");
  MSG tab{edit, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_EQ(Send(edit, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTALLKEYS, 0);
  MSG enter{edit, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_EQ(Send(edit, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
  HWND plain = Edit(u"", 0, RECT{210, 10, 300, 100}, 41);
  EXPECT_EQ(Send(plain, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS, 0);
}

TEST_F(EditMultiLineTest, MouseDragSelectsAcrossLines) {
  HWND edit = Edit(u"alpha beta\r\ngamma delta", ES_AUTOHSCROLL, RECT{10, 10, 200, 100});
  Pump();
  const LRESULT from = Send(edit, EM_POSFROMCHAR, 2);
  const LRESULT to = Send(edit, EM_POSFROMCHAR, 15);
  POINT a{GET_X_LPARAM(from), GET_Y_LPARAM(from) + 3}, b{GET_X_LPARAM(to), GET_Y_LPARAM(to) + 3};
  ClientToScreen(edit, &a);
  ClientToScreen(edit, &b);
  headless::MoveMouse(a.x, a.y);
  headless::Press();
  headless::MoveMouse(b.x, b.y);
  headless::Release();
  Pump();
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{2u, 15u}));
}

TEST_F(EditMultiLineTest, UndoRestoresAndUndoingAgainRedoes) {
  HWND edit = Edit(u"abc", ES_AUTOVSCROLL, RECT{10, 10, 200, 100});
  EXPECT_FALSE(Send(edit, EM_CANUNDO));
  Send(edit, EM_SETSEL, 3, 3);
  Send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"\r\ndef"));
  EXPECT_TRUE(Send(edit, EM_GETMODIFY));
  EXPECT_TRUE(Send(edit, EM_CANUNDO));
  EXPECT_TRUE(Send(edit, EM_UNDO));
  EXPECT_EQ(Text(edit), u"abc");
  Send(edit, WM_UNDO);
  EXPECT_EQ(Text(edit), u"abc\r\ndef");
  // A replacement that cannot be undone clears nothing, but Ctrl+Z still
  // undoes the last undoable change.
  SetFocus(edit);
  headless::TypeChar(0x1A);
  Pump();
  EXPECT_EQ(Text(edit), u"abc");
  Send(edit, EM_EMPTYUNDOBUFFER);
  EXPECT_FALSE(Send(edit, EM_UNDO));
  // Read-only: typing, cutting and pasting change nothing.
  Send(edit, EM_SETREADONLY, TRUE);
  Send(edit, EM_SETSEL, 0, -1);
  headless::TypeChar(u'x');
  Pump();
  Send(edit, WM_CUT);
  EXPECT_EQ(Text(edit), u"abc");
}

TEST_F(EditMultiLineTest, ClipboardCarriesTextBetweenEdits) {
  HWND from = Edit(u"first\r\nsecond", ES_AUTOVSCROLL, RECT{10, 10, 150, 100});
  HWND to = Edit(u"", ES_AUTOVSCROLL, RECT{160, 10, 300, 100}, 41);
  HWND single = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 120, 150, 20, parent,
                                reinterpret_cast<HMENU>(42), nullptr, nullptr);
  Send(from, EM_SETSEL, 2, -1);
  Send(from, WM_COPY);
  EXPECT_EQ(GetClipboardOwner(), from);
  Send(to, WM_PASTE);
  EXPECT_EQ(Text(to), u"rst\r\nsecond");
  Send(single, WM_PASTE);  // a single line takes the first line
  EXPECT_EQ(Text(single), u"rst");
  // The narrow format is made from the wide text the edit put there.
  ASSERT_TRUE(OpenClipboard(nullptr));
  const auto* narrow = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
  EXPECT_STREQ(narrow, "rst\r\nsecond");
  GlobalUnlock(GetClipboardData(CF_TEXT));
  CloseClipboard();
  // Cut through the keyboard; the display's clipboard has the text with
  // the screen's line ends.
  SetFocus(from);
  Send(from, EM_SETSEL, 0, 7);
  headless::TypeChar(0x18);
  Pump();
  EXPECT_EQ(Text(from), u"second");
  EXPECT_EQ(platform::display::Current().ClipboardText(), std::optional<std::u16string>(u"first\n"));
  // A password is not copied.
  Send(single, EM_SETPASSWORDCHAR, u'*');
  Send(single, EM_SETSEL, 0, -1);
  Send(single, WM_COPY);
  EXPECT_EQ(GetClipboardOwner(), from);
}

TEST_F(EditMultiLineTest, NotificationsComeInWindowsOrder) {
  HWND edit = Edit(u"", ES_AUTOVSCROLL, RECT{10, 10, 200, 100});
  SetFocus(edit);
  recorder->Clear();
  headless::TypeChar(u'a');
  Pump();
  EXPECT_EQ(Codes(), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
  Send(edit, EM_LIMITTEXT, 3);
  recorder->Clear();
  Send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"bcdef"));
  EXPECT_EQ(Text(edit), u"abc");
  EXPECT_EQ(Codes(), (std::vector<int>{EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));
  // Without ES_AUTOVSCROLL typing stops at the last line that shows.
  HWND fixed = Edit(u"", 0, RECT{210, 10, 300, 30}, 41);  // one line shows
  SetFocus(fixed);
  recorder->Clear();
  for (int i = 0; i < 5; ++i) headless::TypeChar(u'\r');
  Pump();
  EXPECT_EQ(Send(fixed, EM_GETLINECOUNT), 1);
  EXPECT_EQ(Codes().back(), EN_MAXTEXT);
}

TEST_F(EditMultiLineTest, AlignmentMovesTheLinesNotTheText) {
  HWND left = Edit(u"ab\r\nabcdef", 0, RECT{10, 10, 110, 60});
  HWND right = Edit(u"ab\r\nabcdef", ES_RIGHT, RECT{10, 70, 110, 120}, 41);
  HWND centre = Edit(u"ab\r\nabcdef", ES_CENTER, RECT{10, 130, 110, 180}, 42);
  const int l = GET_X_LPARAM(Send(left, EM_POSFROMCHAR, 0));
  const int r = GET_X_LPARAM(Send(right, EM_POSFROMCHAR, 0));
  const int c = GET_X_LPARAM(Send(centre, EM_POSFROMCHAR, 0));
  EXPECT_LT(l, c);
  EXPECT_LT(c, r);
  // The right-aligned lines end at the same place.
  EXPECT_EQ(GET_X_LPARAM(Send(right, EM_POSFROMCHAR, 2)), GET_X_LPARAM(Send(right, EM_POSFROMCHAR, 10)));
  // A single-line edit centres too.
  HWND single = CreateWindowExW(0, u"Edit", u"mid", WS_CHILD | WS_VISIBLE | ES_CENTER, 10, 190, 100, 20, parent,
                                nullptr, nullptr, nullptr);
  EXPECT_GT(GET_X_LPARAM(Send(single, EM_POSFROMCHAR, 0)), 20);
}

// A picture of part of the parent, in window coordinates.
platform::DibImage PictureOf(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  const auto whole = headless::WindowImage(parent);
  platform::DibImage out = platform::DibImage::Blank(r.right - r.left, r.bottom - r.top, 32);
  for (int y = r.top; y < r.bottom; ++y) {
    const auto* from = reinterpret_cast<const platform::Pixel*>(whole->bits.data() + whole->format.RowOffset(y));
    auto* row = reinterpret_cast<platform::Pixel*>(out.bits.data() + out.format.RowOffset(y - r.top));
    for (int x = r.left; x < r.right; ++x) row[x - r.left] = from[x];
  }
  return out;
}

TEST_F(EditMultiLineTest, PrintDrawsWhatPaintDraws) {
  HWND edit = Edit(u"printed\r\nlines of text that go on and on\r\n3\r\n4\r\n5\r\n6\r\n7",
                   WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL, RECT{20, 20, 180, 120});
  Send(edit, EM_SETSEL, 2, 12);
  Send(edit, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(4, 0));
  Pump();
  SendMessageW(edit, WM_SETFOCUS, 0, 0);
  Send(edit, WM_SYSTIMER, 1);  // the caret off, as it blinks
  Pump();
  const platform::DibImage painted = PictureOf(parent, edit);
  Canvas canvas(painted.format.width, painted.format.height, RGB(1, 2, 3));
  Send(edit, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  const platform::DibImage printed = canvas.Snapshot();
  int different = 0;
  for (int y = 0; y < painted.format.height; ++y) {
    for (int x = 0; x < painted.format.width; ++x) {
      different += (painted.PixelAt(x, y) & 0xFFFFFF) != (printed.PixelAt(x, y) & 0xFFFFFF);
    }
  }
  EXPECT_EQ(different, 0);
}

TEST_F(EditMultiLineTest, GoldenMemos) {
  std::u16string text = u"Both bars\r\nA line long enough to scroll sideways\r\n";
  for (int i = 3; i <= 12; ++i) text += u"line " + platform::Utf8ToWideString(std::to_string(i)) + u"\r\n";
  HWND bars = Edit(text.c_str(), WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL, RECT{10, 10, 170, 110});
  HWND wrapped = Edit(u"A wrapped memo breaks its lines at word ends, 中文也一样。\r\nNew paragraph.",
                      WS_VSCROLL | ES_AUTOVSCROLL, RECT{180, 10, 340, 110}, 41);
  HWND readOnly = Edit(u"Read-only text\r\non grey", WS_BORDER | ES_READONLY | ES_AUTOVSCROLL, RECT{10, 120, 170, 170},
                       42, 0);
  RECT window{}, client{};
  GetWindowRect(readOnly, &window);
  GetClientRect(readOnly, &client);
  EXPECT_EQ(client.right, window.right - window.left - 2);  // the border takes a pixel each side
  Send(bars, EM_SETSEL, 0, 4);
  Send(bars, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 2));
  Send(bars, WM_VSCROLL, SB_LINEDOWN);
  Pump();
  EXPECT_TRUE(MatchesGolden(PictureOf(parent, bars), "user/edit_memo_both_bars", GoldenTolerance{48, 40}));
  EXPECT_TRUE(MatchesGolden(PictureOf(parent, wrapped), "user/edit_memo_wrapped", GoldenTolerance{48, 40}));
  EXPECT_TRUE(MatchesGolden(PictureOf(parent, readOnly), "user/edit_memo_read_only", GoldenTolerance{48, 40}));
}

TEST_F(EditMultiLineTest, ManyMemosLeaveNothingBehind) {
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t timers = platform::LiveTimerCount();
  for (int i = 0; i < 200; ++i) {
    HWND edit = Edit(u"x\r\ny\r\nz\r\nw\r\nv\r\nu", WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                     RECT{10, 10, 100, 50});
    SetFocus(edit);
    headless::TypeChar(u'a');
    headless::TypeChar(u'\r');
    Pump();
    Send(edit, WM_VSCROLL, SB_PAGEDOWN);
    Send(edit, WM_HSCROLL, SB_LINERIGHT);
    DestroyWindow(edit);
  }
  Pump();
  EXPECT_EQ(DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
  EXPECT_EQ(platform::LiveTimerCount(), timers);
}

}  // namespace
}  // namespace brellis::test
