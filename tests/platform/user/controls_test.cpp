// The standard controls: buttons click, statics ask their parent for
// colours, the single-line edit types, selects and notifies.
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class ControlsTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200});
    Pump();
    recorder->SetMainWindow(parent);
  }
  HWND Control(LPCWSTR cls, LPCWSTR text, DWORD style, RECT r, int id) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
  }
  // The WM_COMMAND notifications the parent received, as (id, code).
  std::vector<std::pair<int, int>> Commands() const {
    std::vector<std::pair<int, int>> commands;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.hwnd == parent && m.message == WM_COMMAND) commands.emplace_back(LOWORD(m.wParam), HIWORD(m.wParam));
    }
    return commands;
  }
  HWND parent = nullptr;
};

TEST_F(ControlsTest, PushButtonClicksOnReleaseOverIt) {
  HWND button = Control(u"Button", u"OK", BS_PUSHBUTTON | WS_TABSTOP, RECT{10, 10, 85, 33}, IDOK);
  EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  Pump();
  recorder->Clear();
  POINT p{20, 20};
  ClientToScreen(parent, &p);
  headless::MoveMouse(p.x, p.y);
  headless::Press();
  Pump();
  EXPECT_EQ(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(GetFocus(), button);
  headless::Release();
  Pump();
  EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{IDOK, BN_CLICKED}}));
  // Released outside: no click.
  recorder->Clear();
  headless::Press();
  headless::MoveMouse(p.x + 200, p.y + 100);
  headless::Release();
  Pump();
  EXPECT_TRUE(Commands().empty());
  // Space presses and releases it.
  headless::Key(VK_SPACE);
  Pump();
  EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{IDOK, BN_CLICKED}}));
  // A disabled button does not click.
  recorder->Clear();
  EnableWindow(button, FALSE);
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_TRUE(Commands().empty());
}

TEST_F(ControlsTest, CheckBoxesAndRadioButtons) {
  HWND check = Control(u"Button", u"Check", BS_AUTOCHECKBOX, RECT{10, 10, 100, 30}, 10);
  HWND radioA = Control(u"Button", u"A", BS_AUTORADIOBUTTON | WS_GROUP, RECT{10, 40, 100, 60}, 11);
  HWND radioB = Control(u"Button", u"B", BS_AUTORADIOBUTTON, RECT{10, 60, 100, 80}, 12);
  SendMessageW(check, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(check, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageW(radioA, BM_CLICK, 0, 0);
  SendMessageW(radioB, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(radioA, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(radioB, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ControlsTest, StaticAsksItsParentForColoursAndLetsTheMouseThrough) {
  HWND text = Control(u"Static", u"Hello", SS_LEFT, RECT{10, 10, 100, 30}, 20);
  Pump();
  recorder->Clear();
  InvalidateRect(text, nullptr, TRUE);
  UpdateWindow(text);
  bool asked = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_CTLCOLORSTATIC && m.lParam == reinterpret_cast<LPARAM>(text)) asked = true;
  }
  EXPECT_TRUE(asked);
  POINT p{20, 20};
  ClientToScreen(parent, &p);
  EXPECT_EQ(WindowFromPoint(p), parent);
  EXPECT_EQ(SendMessageW(text, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(ControlsTest, EditTypesSelectsAndNotifies) {
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, u"Edit", u"abc", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10,
                              150, 22, parent, reinterpret_cast<HMENU>(30), nullptr, nullptr);
  RECT window{}, client{};
  GetWindowRect(edit, &window);
  GetClientRect(edit, &client);
  EXPECT_NE(window.right - window.left, client.right);  // the client edge is a border
  Pump();
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 3, 3);
  recorder->Clear();
  headless::TypeChar(u'd');
  headless::TypeChar(u'中');
  Pump();
  WCHAR text[32];
  GetWindowTextW(edit, text, 32);
  EXPECT_EQ(std::u16string(text), u"abcd中");
  EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{30, EN_UPDATE}, {30, EN_CHANGE}, {30, EN_UPDATE}, {30, EN_CHANGE}}));

  // Shift+Home selects back to the start; typing replaces the selection.
  headless::KeyDown(VK_SHIFT);
  headless::Key(VK_LEFT);
  headless::Key(VK_LEFT);
  headless::KeyUp(VK_SHIFT);
  Pump();
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);
  EXPECT_EQ(end, 5u);
  headless::Key(VK_BACK);
  Pump();
  GetWindowTextW(edit, text, 32);
  EXPECT_EQ(std::u16string(text), u"abc");
  SendMessageW(edit, EM_UNDO, 0, 0);
  GetWindowTextW(edit, text, 32);
  EXPECT_EQ(std::u16string(text), u"abcd中");

  // Select all, copy, go to the end, paste.
  SendMessageW(edit, EM_SETSEL, 0, -1);
  headless::KeyDown(VK_CONTROL);
  headless::Key('C');
  headless::KeyUp(VK_CONTROL);
  headless::Key(VK_END);
  headless::KeyDown(VK_CONTROL);
  headless::Key('V');
  headless::KeyUp(VK_CONTROL);
  Pump();
  GetWindowTextW(edit, text, 32);
  EXPECT_EQ(std::u16string(text), u"abcd中abcd中");

  // The mouse puts the caret and drags a selection.
  SetWindowTextW(edit, u"hello world");
  POINT left{2, 5}, right{200, 5};
  ClientToScreen(edit, &left);
  ClientToScreen(edit, &right);
  headless::MoveMouse(left.x, left.y);
  headless::Press();
  headless::MoveMouse(right.x, right.y);
  headless::Release();
  Pump();
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 11u);

  // A click between two characters puts the caret there.
  const LRESULT fifth = SendMessageW(edit, EM_POSFROMCHAR, 5, 0);
  POINT between{static_cast<SHORT>(LOWORD(fifth)) + 1, 5};
  ClientToScreen(edit, &between);
  headless::Click(between.x, between.y);
  Pump();
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 5u);
  EXPECT_EQ(end, 5u);

  // Limits, read-only, password.
  SendMessageW(edit, EM_LIMITTEXT, 12, 0);
  SendMessageW(edit, EM_SETSEL, 11, 11);
  headless::TypeChar(u'!');
  headless::TypeChar(u'?');
  Pump();
  EXPECT_EQ(GetWindowTextLengthW(edit), 12);
  SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
  headless::TypeChar(u'x');
  Pump();
  EXPECT_EQ(GetWindowTextLengthW(edit), 12);
  SendMessageW(edit, EM_SETPASSWORDCHAR, u'*', 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), u'*');
  // ANSI callers read GBK.
  char bytes[32];
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"宋体"));
  EXPECT_EQ(GetWindowTextA(edit, bytes, 32), 4);
  EXPECT_EQ(AnsiString(bytes), u8"宋体"_ansi);
}

TEST_F(ControlsTest, EditCaretBlinksOnASystemTimerOnlyWhileFocused) {
  HWND edit = Control(u"Edit", u"x", 0, RECT{10, 10, 100, 30}, 31);
  Pump();
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
  SetFocus(edit);
  EXPECT_EQ(platform::LiveTimerCount(), 1u);
  recorder->Clear();
  headless::AdvanceClock(600);
  Pump();
  for (const RecordedMessage& m : recorder->Log()) EXPECT_NE(m.message, static_cast<UINT>(WM_TIMER));
  SetFocus(parent);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

TEST_F(ControlsTest, DialogKeysMoveBetweenTabStops) {
  HWND first = Control(u"Button", u"1", BS_PUSHBUTTON | WS_TABSTOP, RECT{0, 0, 10, 10}, 1);
  HWND second = Control(u"Edit", u"2", WS_TABSTOP, RECT{0, 20, 10, 30}, 2);
  SetFocus(first);
  MSG msg{first, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(parent, &msg));
  EXPECT_EQ(GetFocus(), second);
  EXPECT_EQ(GetNextDlgTabItem(parent, second, FALSE), first);
  EXPECT_EQ(GetNextDlgTabItem(parent, first, TRUE), second);
}

}  // namespace
}  // namespace brellis::test
