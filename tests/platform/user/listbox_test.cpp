// The "ListBox" class: items and the LB_* answers (LB_ERR where Windows
// gives it), the three selection modes from messages, keys and the mouse,
// the notifications, owner drawing, its window scroll bars, painting into
// a given DC, the classic look and a leak check.
#include <array>

#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

constexpr int kId = 7;

class ListBoxTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 500, 400});
  }

  HWND Make(DWORD style, int height = 100, int count = 0) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, u"ListBox", nullptr, WS_CHILD | WS_VISIBLE | style, 10, 10, 150,
                                height, parent, reinterpret_cast<HMENU>(kId), nullptr, nullptr);
    for (int i = 0; i < count; ++i) Add(list, Name(i).c_str());
    return list;
  }

  static std::u16string Name(int i) { return u"Item " + std::u16string(1, static_cast<char16_t>(u'A' + i)); }
  static LRESULT Add(HWND list, const char16_t* text) {
    return SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }

  // The notification codes the parent got from the list, in order.
  std::vector<WORD> Notifications() const {
    std::vector<WORD> codes;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.hwnd == parent && m.message == WM_COMMAND && LOWORD(m.wParam) == kId) codes.push_back(HIWORD(m.wParam));
    }
    return codes;
  }

  // The screen point of an item's centre.
  static POINT ItemCentre(HWND list, int index) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    return p;
  }

  static std::vector<int> Selected(HWND list) {
    std::array<int, 32> items{};
    const auto n = SendMessageW(list, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
    if (n < 0) return {};
    return std::vector<int>(items.begin(), items.begin() + n);
  }

  HWND parent = nullptr;
};

TEST_F(ListBoxTest, ItemsSortedFoundDeletedAndErrorsAsWindows) {
  HWND list = Make(LBS_SORT | LBS_NOTIFY);
  EXPECT_EQ(Add(list, u"pear"), 0);
  EXPECT_EQ(Add(list, u"Apple"), 0);
  EXPECT_EQ(Add(list, u"banana"), 1);  // sorting ignores case
  EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(u"zz")), 1);  // no sorting
  EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>(u"x")), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"end")), 4);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 5);
  char16_t text[32] = {};
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)), 6);
  EXPECT_EQ(std::u16string(text), u"banana");
  EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 3, 0), 4);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 5, reinterpret_cast<LPARAM>(text)), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(-1), 0), LB_ERR);
  // Prefix search without regard to case, starting after the given item and
  // wrapping round; the exact search wants the whole text.
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"BAN")), 2);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 2, reinterpret_cast<LPARAM>(u"ban")), 2);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"ban")), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>(u"PEAR")), 3);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"p")), 3);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
  EXPECT_TRUE(SendMessageW(list, LB_SETITEMDATA, 3, 0x1234));
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 3, 0), 0x1234);
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 7, 0), LB_ERR);
  // Deleting answers the count left; the selection follows its item.
  EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 0, 0), 4);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 2, 0), 3);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 3, 0), LB_ERR);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_TRUE(Notifications().empty());  // messages never notify
}

TEST_F(ListBoxTest, SelectionMessagesOfEachMode) {
  HWND single = Make(0, 100, 5);
  EXPECT_EQ(SendMessageW(single, LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendMessageW(single, LB_GETSEL, 2, 0), 1);
  EXPECT_EQ(SendMessageW(single, LB_GETSEL, 1, 0), 0);
  EXPECT_EQ(SendMessageW(single, LB_GETSEL, 9, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(single, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);  // cleared, still LB_ERR
  EXPECT_EQ(SendMessageW(single, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(single, LB_SETSEL, TRUE, 1), LB_ERR);
  EXPECT_EQ(SendMessageW(single, LB_GETSELCOUNT, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(single, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 2)), LB_ERR);

  for (DWORD style : {LBS_MULTIPLESEL, LBS_EXTENDEDSEL}) {
    HWND multi = Make(style, 100, 6);
    EXPECT_EQ(SendMessageW(multi, LB_SETCURSEL, 1, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(multi, LB_SETSEL, TRUE, 1), LB_OKAY);
    EXPECT_EQ(SendMessageW(multi, LB_GETCARETINDEX, 0, 0), 1);  // selecting moves the caret there
    EXPECT_EQ(SendMessageW(multi, LB_SELITEMRANGE, TRUE, MAKELPARAM(3, 4)), LB_OKAY);
    EXPECT_EQ(Selected(multi), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(SendMessageW(multi, LB_GETSELCOUNT, 0, 0), 3);
    std::array<int, 2> two{};
    EXPECT_EQ(SendMessageW(multi, LB_GETSELITEMS, 2, reinterpret_cast<LPARAM>(two.data())), 2);
    EXPECT_EQ(SendMessageW(multi, LB_GETSELITEMS, 2, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(multi, LB_SELITEMRANGEEX, 4, 1), LB_OKAY);  // backwards: deselects
    EXPECT_EQ(Selected(multi), (std::vector<int>{}));
    EXPECT_EQ(SendMessageW(multi, LB_SETSEL, TRUE, static_cast<LPARAM>(-1)), LB_OKAY);  // all
    EXPECT_EQ(SendMessageW(multi, LB_GETSELCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageW(multi, LB_SETSEL, FALSE, 8), LB_ERR);
    EXPECT_EQ(SendMessageW(multi, LB_SETCARETINDEX, 5, 0), LB_OKAY);
    EXPECT_EQ(SendMessageW(multi, LB_GETCURSEL, 0, 0), 5);  // the caret in a multiple-selection list
    EXPECT_EQ(SendMessageW(multi, LB_SETCARETINDEX, 6, 0), LB_ERR);
  }
}

TEST_F(ListBoxTest, KeysMoveAndSelectByModeAndNotify) {
  HWND single = Make(LBS_NOTIFY, 64, 12);
  RECT client{};
  GetClientRect(single, &client);
  const int rows = client.bottom / static_cast<int>(SendMessageW(single, LB_GETITEMHEIGHT, 0, 0));
  recorder->Clear();
  SetFocus(single);
  for (UINT key : {VK_DOWN, VK_DOWN, VK_UP, VK_END, VK_HOME, VK_NEXT, VK_NEXT}) headless::Key(key);
  Pump();
  // Page Down: to the last item shown, then a page further.
  EXPECT_EQ(SendMessageW(single, LB_GETCURSEL, 0, 0), 2 * (rows - 1));
  EXPECT_EQ(SendMessageW(single, LB_GETTOPINDEX, 0, 0), rows - 1);
  const std::vector<WORD> expected{LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE,
                                   LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE};
  EXPECT_EQ(Notifications(), expected);
  // Type-ahead: "Item C" by its prefix typed quickly; a new letter later
  // starts a new search.
  for (char16_t c : std::u16string(u"item c")) headless::TypeChar(c);
  Pump();
  EXPECT_EQ(SendMessageW(single, LB_GETCURSEL, 0, 0), 2);

  DestroyWindow(single);
  HWND extended = Make(LBS_EXTENDEDSEL | LBS_NOTIFY, 100, 8);
  SetFocus(extended);
  recorder->Clear();
  headless::Key(VK_DOWN);  // selects item 1 alone
  headless::KeyDown(VK_SHIFT);
  headless::Key(VK_DOWN);
  headless::Key(VK_DOWN);
  headless::KeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(Selected(extended), (std::vector<int>{1, 2, 3}));
  headless::KeyDown(VK_CONTROL);
  headless::Key(VK_DOWN);  // the caret alone
  headless::Key(VK_DOWN);
  headless::Key(VK_SPACE);  // toggles the caret's item
  headless::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(Selected(extended), (std::vector<int>{1, 2, 3, 5}));
  EXPECT_EQ(SendMessageW(extended, LB_GETCARETINDEX, 0, 0), 5);

  HWND multiple = Make(LBS_MULTIPLESEL, 100, 8);
  SetFocus(multiple);
  headless::Key(VK_DOWN);  // arrows move only the caret
  headless::Key(VK_SPACE);
  headless::Key(VK_DOWN);
  headless::Key(VK_DOWN);
  headless::Key(VK_SPACE);
  headless::Key(VK_UP);
  headless::Key(VK_UP);
  headless::Key(VK_SPACE);  // toggles item 1 off again
  Pump();
  EXPECT_EQ(Selected(multiple), (std::vector<int>{3}));
  recorder->Clear();
  SetFocus(parent);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{LBN_KILLFOCUS}));
}

TEST_F(ListBoxTest, FocusNotificationsComeWithoutLbsNotify) {
  HWND list = Make(0, 100, 3);
  recorder->Clear();
  SetFocus(list);
  SetFocus(parent);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{LBN_SETFOCUS, LBN_KILLFOCUS}));
}

TEST_F(ListBoxTest, ClicksSelectByModeAndNotifyOnRelease) {
  HWND single = Make(LBS_NOTIFY, 100, 5);
  recorder->Clear();
  POINT p = ItemCentre(single, 2);
  headless::MoveMouse(p.x, p.y);
  headless::Press();
  Pump();
  EXPECT_EQ(GetCapture(), single);
  EXPECT_EQ(GetFocus(), single);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{LBN_SETFOCUS}));
  p = ItemCentre(single, 4);
  headless::MoveMouse(p.x, p.y);  // the selection follows the drag
  headless::Release();
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(SendMessageW(single, LB_GETCURSEL, 0, 0), 4);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE}));
  recorder->Clear();
  p = ItemCentre(single, 1);
  headless::DoubleClick(p.x, p.y);
  Pump();
  EXPECT_EQ(Notifications(), (std::vector<WORD>{LBN_SELCHANGE, LBN_DBLCLK}));

  DestroyWindow(single);
  HWND multiple = Make(LBS_MULTIPLESEL, 100, 5);
  for (int i : {0, 2, 0}) {
    p = ItemCentre(multiple, i);
    headless::Click(p.x, p.y);
  }
  Pump();
  EXPECT_EQ(Selected(multiple), (std::vector<int>{2}));

  DestroyWindow(multiple);
  HWND extended = Make(LBS_EXTENDEDSEL, 100, 6);
  p = ItemCentre(extended, 1);
  headless::Click(p.x, p.y);
  headless::KeyDown(VK_SHIFT);
  p = ItemCentre(extended, 3);
  headless::Click(p.x, p.y);
  headless::KeyUp(VK_SHIFT);
  headless::KeyDown(VK_CONTROL);
  p = ItemCentre(extended, 5);
  headless::Click(p.x, p.y);
  p = ItemCentre(extended, 2);
  headless::Click(p.x, p.y);
  headless::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(Selected(extended), (std::vector<int>{1, 3, 5}));
  p = ItemCentre(extended, 4);  // a plain click selects its item alone
  headless::Click(p.x, p.y);
  Pump();
  EXPECT_EQ(Selected(extended), (std::vector<int>{4}));
}

TEST_F(ListBoxTest, DraggingBelowScrollsAndExtendsTheSelection) {
  HWND list = Make(LBS_EXTENDEDSEL | LBS_NOTIFY | WS_VSCROLL, 68, 20);
  POINT p = ItemCentre(list, 1);
  headless::MoveMouse(p.x, p.y);
  headless::Press();
  Pump();
  RECT window{};
  GetWindowRect(list, &window);
  headless::MoveMouse(p.x, window.bottom + 20);
  Pump();
  for (int tick = 0; tick < 5; ++tick) {
    headless::AdvanceClock(60);
    Pump();
  }
  EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  const auto caret = static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
  EXPECT_GE(caret, 5);
  EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), caret);  // items 1 to the caret
  EXPECT_EQ(SendMessageW(list, LB_GETSEL, 0, 0), 0);
  headless::Release();
  Pump();
  const auto top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  headless::AdvanceClock(200);
  Pump();
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), top);  // released: no more scrolling
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBoxTest, OwnScrollBarFollowsTheItemsAndScrollsTheList) {
  HWND list = Make(WS_VSCROLL, 100, 3);
  const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_EQ(client.bottom % height, 0);  // integral height
  const int rows = client.bottom / height;
  for (int i = 3; i < 30; ++i) Add(list, Name(i % 26).c_str());
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &info));
  EXPECT_EQ(info.nMax, 29);
  EXPECT_EQ(static_cast<int>(info.nPage), rows);
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 10), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 10);
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 11);
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 30 - rows);
  EXPECT_EQ(SendMessageW(list, LB_SETTOPINDEX, 30, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_SETTOPINDEX, 2, 0), LB_OKAY);
  // The item under a point, and points below every item.
  EXPECT_EQ(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, height + 1)), MAKELRESULT(3, 0));
  EXPECT_EQ(HIWORD(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 500))), 1);
  // A selection out of sight scrolls into view.
  SendMessageW(list, LB_SETCURSEL, 25, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 26 - rows);
  // Without a need for it the bar goes away, unless LBS_DISABLENOSCROLL.
  HWND shortList = Make(WS_VSCROLL, 100, 2);
  EXPECT_EQ(GetWindowLongW(shortList, GWL_STYLE) & WS_VSCROLL, 0);
  HWND kept = Make(WS_VSCROLL | LBS_DISABLENOSCROLL, 100, 2);
  EXPECT_NE(GetWindowLongW(kept, GWL_STYLE) & WS_VSCROLL, 0);
}

TEST_F(ListBoxTest, HorizontalExtentScrollsASingleColumnByPixel) {
  HWND list = Make(WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 100, 3);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, 400, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 400);
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(list, SB_HORZ, &info));
  EXPECT_EQ(info.nMax, 399);
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_EQ(static_cast<LONG>(info.nPage), client.right);
  SendMessageW(list, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
  RECT r{};
  SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, -30);
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), 30);
  SendMessageW(list, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), 0);
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), 400 - client.right);
}

TEST_F(ListBoxTest, MultiColumnListsScrollSidewaysByColumn) {
  HWND list = Make(LBS_MULTICOLUMN | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 100, 20);
  SendMessageW(list, LB_SETCOLUMNWIDTH, 50, 0);
  RECT client{};
  GetClientRect(list, &client);
  const int rows = client.bottom / static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT r{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(rows + 1), reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, 50);  // second column, second row
  SendMessageW(list, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), rows);
  SetFocus(list);
  SendMessageW(list, LB_SETCURSEL, rows, 0);
  headless::Key(VK_RIGHT);
  Pump();
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2 * rows);
}

// A parent that measures owner-drawn items and keeps what it is asked to
// draw.
std::vector<DRAWITEMSTRUCT>& Drawn() {
  static std::vector<DRAWITEMSTRUCT> drawn;
  return drawn;
}
std::vector<MEASUREITEMSTRUCT>& Measured() {
  static std::vector<MEASUREITEMSTRUCT> measured;
  return measured;
}

LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    Measured().push_back(*mis);
    mis->itemHeight = 20 + mis->itemID;
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    Drawn().push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProcFromFunction(OwnerProc);
  wc.lpszClassName = u"ListOwner";
  RegisterClassExW(&wc);
  HWND owner = CreateWindowExW(0, u"ListOwner", nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                               nullptr, nullptr, nullptr);
  Measured().clear();
  HWND fixed = CreateWindowExW(0, u"ListBox", nullptr, WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, 0, 0, 100, 100, owner,
                               reinterpret_cast<HMENU>(3), nullptr, nullptr);
  ASSERT_EQ(Measured().size(), 1u);  // once, while created
  EXPECT_EQ(Measured()[0].CtlType, ODT_LISTBOX);
  EXPECT_EQ(Measured()[0].CtlID, 3u);
  EXPECT_EQ(SendMessageW(fixed, LB_GETITEMHEIGHT, 0, 0), 20);
  // Without LBS_HASSTRINGS the lParam is the item's data.
  SendMessageW(fixed, LB_ADDSTRING, 0, 0xBEEF);
  SendMessageW(fixed, LB_ADDSTRING, 0, 0xCAFE);
  EXPECT_EQ(SendMessageW(fixed, LB_GETITEMDATA, 1, 0), 0xCAFE);
  EXPECT_EQ(SendMessageW(fixed, LB_FINDSTRING, static_cast<WPARAM>(-1), 0xCAFE), 1);
  SendMessageW(fixed, LB_SETCURSEL, 1, 0);
  Drawn().clear();
  UpdateWindow(fixed);
  ASSERT_EQ(Drawn().size(), 2u);
  EXPECT_EQ(Drawn()[1].CtlType, ODT_LISTBOX);
  EXPECT_EQ(Drawn()[1].itemID, 1u);
  EXPECT_EQ(Drawn()[1].itemData, 0xCAFEu);
  EXPECT_EQ(Drawn()[1].itemState & ODS_SELECTED, ODS_SELECTED);
  EXPECT_EQ(Drawn()[0].itemState & ODS_SELECTED, 0u);
  EXPECT_EQ(Drawn()[1].hwndItem, fixed);
  EXPECT_EQ(Drawn()[1].rcItem.top, 20);
  EXPECT_EQ(Drawn()[1].rcItem.bottom, 40);

  HWND variable = CreateWindowExW(0, u"ListBox", nullptr,
                                  WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 100, 0, 100, 100,
                                  owner, reinterpret_cast<HMENU>(4), nullptr, nullptr);
  Measured().clear();
  for (const char16_t* text : {u"a", u"b", u"c"}) SendMessageW(variable, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(Measured().size(), 3u);  // each item as it comes
  EXPECT_EQ(SendMessageW(variable, LB_GETITEMHEIGHT, 2, 0), 22);
  RECT r{};
  SendMessageW(variable, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.top, 20 + 21);
  EXPECT_EQ(SendMessageW(variable, LB_SETITEMHEIGHT, 0, 300), LB_ERR);
  DestroyWindow(owner);
  UnregisterClassW(u"ListOwner", nullptr);
}

TEST_F(ListBoxTest, PaintsIntoAGivenDcWithTheParentsColours) {
  HWND list = Make(0, 60, 3);
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  Pump();
  recorder->Clear();
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 100);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(GetPixel(memory, 140, height + height / 2), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(GetPixel(memory, 140, 2), GetSysColor(COLOR_WINDOW));
  bool asked = false;
  for (const RecordedMessage& m : recorder->Log()) {
    asked |= m.hwnd == parent && m.message == WM_CTLCOLORLISTBOX && m.lParam == reinterpret_cast<LPARAM>(list) &&
             m.wParam == reinterpret_cast<WPARAM>(memory);
  }
  EXPECT_TRUE(asked);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

TEST_F(ListBoxTest, GoldenSelectionFocusAndScrollBar) {
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  HWND list = Make(WS_VSCROLL | LBS_EXTENDEDSEL, 100, 12);
  SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 2));
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  SetFocus(list);
  SendMessageW(list, LB_SETCARETINDEX, 4, 0);
  HWND plain = CreateWindowExW(WS_EX_CLIENTEDGE, u"ListBox", nullptr, WS_CHILD | WS_VISIBLE | WS_DISABLED, 180, 10,
                               120, 60, parent, nullptr, nullptr, nullptr);
  Add(plain, u"Disabled");
  SendMessageW(plain, LB_SETCURSEL, 0, 0);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/listbox", GoldenTolerance{48, 120}));
}

class ListBoxLeakTest : public UserTest {};

TEST_F(ListBoxLeakTest, CreateScrollDestroyLeavesHandleCountsUnchanged) {
  auto once = [](int round) {
    HWND top = CreateWindowExW(0, MessageRecorder::WideClass(), u"Leak", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               200, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowExW(0, u"ListBox", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_EXTENDEDSEL, 0, 0,
                                150, 100, top, nullptr, nullptr, nullptr);
    for (int i = 0; i < 20; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"line"));
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, round % 10), 0);
    SendMessageW(list, LB_SETSEL, TRUE, round % 20);
    UpdateWindow(top);
    DestroyWindow(top);
  };
  once(0);  // first use creates lasting system objects
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  const auto before = platform::HandleTable::Instance().LiveCounts();
  for (int round = 0; round < 200; ++round) once(round);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  const auto after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

}  // namespace
}  // namespace brellis::test
