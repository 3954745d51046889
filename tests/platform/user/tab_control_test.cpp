// "SysTabControl32": item messages answer as Windows does (mask 19 with an
// 80-character buffer, A and W text), rectangles and the display area,
// rows, a strip that overflows and scrolls with its up-down, the parent's
// say over a selection, keys, owner drawing, and golden pictures.
#include <cstring>

#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class TabControlTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 440, 340});
  }
  void TearDown() override {
    if (thunk != nullptr) {
      SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);
      FreeWndProcThunk(thunk);
    }
    UserTest::TearDown();
  }
  HWND Tabs(DWORD style, RECT r = RECT{10, 10, 310, 210}, HWND owner = nullptr) {
    return CreateWindowExW(0, WC_TABCONTROLW, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, owner != nullptr ? owner : parent,
                           reinterpret_cast<HMENU>(9), nullptr, nullptr);
  }
  static LRESULT Add(HWND tabs, const char16_t* text, int image = -1, LPARAM param = 0) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<LPWSTR>(text);
    item.iImage = image;
    item.lParam = param;
    return SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)),
                        reinterpret_cast<LPARAM>(&item));
  }
  static RECT ItemRect(HWND tabs, int index) {
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static void ClickItem(HWND tabs, int index) {
    const RECT r = ItemRect(tabs, index);
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    SendMessageW(tabs, WM_LBUTTONUP, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  }
  // The parent keeps the codes of the notifications and answers
  // TCN_SELCHANGING with `refuse`; owner-draw requests are kept too.
  void WatchParent(LRESULT refuse) {
    answer = refuse;
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_NOTIFY) {
        const auto* header = reinterpret_cast<NMHDR*>(l);
        codes.push_back(header->code);
        if (header->code == TCN_SELCHANGING) {
          selectionWhenAsked = static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0));
          return answer;
        }
        return 0;
      }
      if (m == WM_DRAWITEM) {
        drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
        return TRUE;
      }
      return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), h, m, w, l);
    });
    previous = SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  }

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  LRESULT answer = 0;
  int selectionWhenAsked = -2;
  std::vector<UINT> codes;
  std::vector<DRAWITEMSTRUCT> drawn;
};

TEST_F(TabControlTest, ItemMessagesAnswerAsWindows) {
  HWND tabs = Tabs(0);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(TCM_GETITEMA, 0x1305u);
  EXPECT_EQ(TCM_GETITEMW, 0x133Cu);
  EXPECT_EQ(TCM_GETITEMCOUNT, 0x1304u);
  EXPECT_EQ(TCM_GETITEMRECT, 0x130Au);
  EXPECT_EQ(TCM_ADJUSTRECT, 0x1328u);
  EXPECT_EQ(TCM_GETCURFOCUS, 0x132Fu);
  EXPECT_EQ(TCM_GETIMAGELIST, 0x1302u);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0), -1);
  // The first tab inserted is selected; later ones keep the selection on
  // the same tab, also when inserted before it.
  EXPECT_EQ(Add(tabs, u"常规", 0, 100), 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Add(tabs, u"Second", 1, 200), 1);
  TCITEMA ansi{};
  ansi.mask = TCIF_TEXT | TCIF_IMAGE;
  char gbk[] = "\xB5\xDA\xC8\xFD";  // "第三" in code page 936
  ansi.pszText = gbk;
  ansi.iImage = 2;
  EXPECT_EQ(SendMessageW(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ansi)), 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&ansi)), 3);  // past the end: appended
  EXPECT_EQ(SendMessageW(tabs, TCM_INSERTITEMW, 0, 0), -1);
  TCITEMW callback{};
  callback.mask = TCIF_TEXT;
  callback.pszText = reinterpret_cast<LPWSTR>(static_cast<INT_PTR>(-1));
  EXPECT_EQ(SendMessageW(tabs, TCM_INSERTITEMW, 4, reinterpret_cast<LPARAM>(&callback)), 4);
  EXPECT_EQ(SendMessageW(tabs, TCM_DELETEITEM, 4, 0), TRUE);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);

  // Mask 19 (text, image and state) into an 80-character buffer, wide and ANSI.
  WCHAR wide[80]{};
  TCITEMW w{};
  w.mask = 19;
  w.pszText = wide;
  w.cchTextMax = 80;
  w.iImage = -7;
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&w)), TRUE);
  EXPECT_EQ(std::u16string(wide), u"常规");
  EXPECT_EQ(w.iImage, 0);
  EXPECT_EQ(std::u16string(w.pszText), u"常规");
  char narrow[80]{};
  TCITEMA a{};
  a.mask = 19;
  a.pszText = narrow;
  a.cchTextMax = 80;
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&a)), TRUE);
  EXPECT_STREQ(narrow, gbk);
  EXPECT_EQ(a.iImage, 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&w)), TRUE);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMW, 4, reinterpret_cast<LPARAM>(&w)), FALSE);
  // A short buffer takes what fits, terminated.
  WCHAR small[3]{};
  w.pszText = small;
  w.cchTextMax = 3;
  SendMessageW(tabs, TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&w));
  EXPECT_EQ(std::u16string(small), u"Se");
  // Parameters and states come back when asked for.
  w.mask = TCIF_STATE;
  w.dwStateMask = TCIS_HIGHLIGHTED;
  w.dwState = TCIS_HIGHLIGHTED;
  EXPECT_EQ(SendMessageW(tabs, TCM_SETITEMW, 2, reinterpret_cast<LPARAM>(&w)), TRUE);
  TCITEMW back{};
  back.mask = TCIF_PARAM | TCIF_STATE;
  back.dwStateMask = 0xFF;
  SendMessageW(tabs, TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&back));
  EXPECT_EQ(back.lParam, 200);
  EXPECT_EQ(back.dwState, TCIS_HIGHLIGHTED);
  w.mask = TCIF_TEXT;
  w.pszText = const_cast<LPWSTR>(u"Renamed");
  SendMessageW(tabs, TCM_SETITEMW, 2, reinterpret_cast<LPARAM>(&w));
  w.pszText = wide;
  w.cchTextMax = 80;
  SendMessageW(tabs, TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&w));
  EXPECT_EQ(std::u16string(wide), u"Renamed");

  // Selection and focus: SETCURSEL answers the previous one, refuses what
  // is out of range; deleting the selected tab leaves none selected.
  EXPECT_EQ(SendMessageW(tabs, TCM_SETCURSEL, 2, 0), 1);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0), 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_SETCURSEL, 9, 0), -1);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_DELETEITEM, 0, 0), TRUE);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(tabs, TCM_DELETEITEM, 1, 0), TRUE);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(SendMessageW(tabs, TCM_DELETEITEM, 7, 0), FALSE);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_DELETEALLITEMS, 0, 0), TRUE);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0), -1);
  RECT r{};
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)), FALSE);

  // The image list is only referred to; setting it answers the previous one.
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)), 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(images));
  EXPECT_EQ(SendMessageW(tabs, TCM_SETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(images));
  ImageList_Destroy(images);
}

TEST_F(TabControlTest, RectanglesDisplayAreaAndSizes) {
  HWND tabs = Tabs(0);
  Add(tabs, u"One");
  Add(tabs, u"Two");
  const RECT first = ItemRect(tabs, 0), second = ItemRect(tabs, 1);
  EXPECT_EQ(first.left, 2);
  EXPECT_EQ(first.top, 2);
  EXPECT_EQ(second.left, first.right);
  EXPECT_GE(first.right - first.left, 54);  // the default least width
  const int height = first.bottom;          // one row's thickness
  RECT display{0, 0, 300, 200};
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(display.left, 4);
  EXPECT_EQ(display.top, 4 + height);
  EXPECT_EQ(display.right, 296);
  EXPECT_EQ(display.bottom, 196);
  SendMessageW(tabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(display.left, 0);
  EXPECT_EQ(display.top, 0);
  EXPECT_EQ(display.right, 300);
  EXPECT_EQ(display.bottom, 200);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0), 1);

  // Fixed sizes: SETITEMSIZE answers the previous width and height.
  SetWindowLongW(tabs, GWL_STYLE, GetWindowLongW(tabs, GWL_STYLE) | static_cast<LONG>(TCS_FIXEDWIDTH));
  EXPECT_EQ(SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(80, 30)), MAKELONG(0, height));
  EXPECT_EQ(ItemRect(tabs, 0).right - ItemRect(tabs, 0).left, 80);
  EXPECT_EQ(ItemRect(tabs, 1).bottom, 30);
  EXPECT_EQ(SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(70, 0)), MAKELONG(80, 30));
  // Padding widens tabs that are sized from their text.
  SetWindowLongW(tabs, GWL_STYLE, GetWindowLongW(tabs, GWL_STYLE) & ~static_cast<LONG>(TCS_FIXEDWIDTH));
  EXPECT_EQ(SendMessageW(tabs, TCM_SETMINTABWIDTH, 0, 0), 54);
  const int narrow = ItemRect(tabs, 0).right - ItemRect(tabs, 0).left;
  SendMessageW(tabs, TCM_SETPADDING, 0, MAKELPARAM(16, 3));
  EXPECT_EQ(ItemRect(tabs, 0).right - ItemRect(tabs, 0).left, narrow + 20);

  // Tabs at the bottom, on the left and on the right.
  HWND bottom = Tabs(TCS_BOTTOM);
  Add(bottom, u"One");
  EXPECT_EQ(ItemRect(bottom, 0).bottom, 200 - 2);
  display = RECT{0, 0, 300, 200};
  SendMessageW(bottom, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(display.top, 4);
  EXPECT_EQ(display.bottom, 196 - height);
  HWND left = Tabs(TCS_VERTICAL);
  Add(left, u"One");
  Add(left, u"Two");
  EXPECT_EQ(ItemRect(left, 0).left, 2);
  EXPECT_EQ(ItemRect(left, 0).top, 2);
  EXPECT_EQ(ItemRect(left, 1).top, ItemRect(left, 0).bottom);
  HWND right = Tabs(TCS_VERTICAL | TCS_RIGHT);
  Add(right, u"One");
  EXPECT_EQ(ItemRect(right, 0).right, 300 - 2);
  display = RECT{0, 0, 300, 200};
  SendMessageW(right, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(display.right, 296 - height);

  // Hit testing finds the tab under a point.
  TCHITTESTINFO hit{{first.left + 30, first.top + 5}, 0};
  EXPECT_EQ(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
  EXPECT_EQ(hit.flags, TCHT_ONITEMLABEL);
  hit.pt = POINT{150, 150};
  EXPECT_EQ(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
  EXPECT_EQ(hit.flags, TCHT_NOWHERE);
  EXPECT_EQ(SendMessageW(tabs, TCM_HITTEST, 0, 0), -1);
  // The image stands before the text, the two centred together.
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  HWND pictured = Tabs(0);
  SendMessageW(pictured, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  Add(pictured, u"A longer caption", 0);
  const RECT r = ItemRect(pictured, 0);
  hit.pt = POINT{r.left + 6 + 8, r.top + 5};
  EXPECT_EQ(SendMessageW(pictured, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
  EXPECT_EQ(hit.flags, TCHT_ONITEMICON);
  hit.pt = POINT{r.right - 10, r.top + 5};
  SendMessageW(pictured, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  EXPECT_EQ(hit.flags, TCHT_ONITEMLABEL);
  DestroyWindow(pictured);
  ImageList_Destroy(images);
}

TEST_F(TabControlTest, MultipleRowsBringTheSelectedRowToTheDisplayArea) {
  HWND tabs = Tabs(TCS_MULTILINE, RECT{10, 10, 210, 210});
  for (int i = 0; i < 9; ++i) Add(tabs, u"Tab page");
  const LRESULT rows = SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0);
  ASSERT_GE(rows, 3);
  const int height = ItemRect(tabs, 0).bottom - ItemRect(tabs, 0).top + 2;
  // The selected first tab's row lies next to the display area.
  EXPECT_EQ(ItemRect(tabs, 0).bottom, height * rows);
  // Rows are stretched to the strip's length.
  int rowEnd = 0;
  for (int i = 0; i < 9; ++i)
    if (ItemRect(tabs, i).top == ItemRect(tabs, 0).top) rowEnd = std::max<int>(rowEnd, ItemRect(tabs, i).right);
  EXPECT_EQ(rowEnd, 200 - 2);
  SendMessageW(tabs, TCM_SETCURSEL, 8, 0);
  EXPECT_EQ(ItemRect(tabs, 8).bottom, height * rows);
  EXPECT_LT(ItemRect(tabs, 0).bottom, height * rows);
  // Buttons keep their rows in order.
  HWND buttons = Tabs(TCS_MULTILINE | TCS_BUTTONS, RECT{10, 10, 210, 210});
  for (int i = 0; i < 9; ++i) Add(buttons, u"Tab page");
  SendMessageW(buttons, TCM_SETCURSEL, 8, 0);
  EXPECT_EQ(ItemRect(buttons, 0).top, 0);
}

TEST_F(TabControlTest, OverflowingStripScrollsWithItsUpDown) {
  HWND tabs = Tabs(0, RECT{10, 10, 210, 110});
  Add(tabs, u"First");
  EXPECT_EQ(FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr), nullptr);
  for (int i = 1; i < 8; ++i) Add(tabs, u"Another");
  HWND scroller = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(scroller, nullptr);
  EXPECT_TRUE(IsWindowVisible(scroller));
  EXPECT_TRUE(GetWindowLongW(scroller, GWL_STYLE) & UDS_HORZ);
  RECT place{};
  GetWindowRect(scroller, &place);
  MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.right, 200);
  EXPECT_EQ(place.bottom, ItemRect(tabs, 0).bottom);
  // The right arrow scrolls by one tab.
  const RECT before = ItemRect(tabs, 1);
  SendMessageW(scroller, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(place.right - place.left - 4, 4));
  SendMessageW(scroller, WM_LBUTTONUP, 0, MAKELPARAM(place.right - place.left - 4, 4));
  EXPECT_EQ(ItemRect(tabs, 1).left, 2);
  EXPECT_EQ(ItemRect(tabs, 0).right, 2);
  EXPECT_EQ(ItemRect(tabs, 1).right - ItemRect(tabs, 1).left, before.right - before.left);
  // A point over the scroller is no tab.
  TCHITTESTINFO hit{{place.left + 2, place.top + 2}, 0};
  EXPECT_EQ(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
  // Selecting the last tab scrolls it into view; the left arrow goes back.
  SendMessageW(tabs, TCM_SETCURSEL, 7, 0);
  EXPECT_LE(ItemRect(tabs, 7).right, place.left);
  EXPECT_GT(ItemRect(tabs, 7).left, 0);
  SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
  EXPECT_EQ(ItemRect(tabs, 0).left, 2);
  // Wide enough again, the scroller goes away.
  MoveWindow(tabs, 10, 10, 1000, 100, TRUE);
  EXPECT_FALSE(IsWindowVisible(scroller));
  EXPECT_EQ(ItemRect(tabs, 0).left, 2);
}

TEST_F(TabControlTest, TheParentMayRefuseASelection) {
  WatchParent(TRUE);
  HWND tabs = Tabs(0);
  Add(tabs, u"One");
  Add(tabs, u"Two");
  ClickItem(tabs, 1);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(codes, std::vector<UINT>{TCN_SELCHANGING});
  EXPECT_EQ(selectionWhenAsked, 0);
  codes.clear();
  answer = FALSE;
  ClickItem(tabs, 1);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(codes, (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
  EXPECT_EQ(GetFocus(), tabs);  // tabs take the focus when clicked
  // A click on the selected tab or beside the tabs says nothing.
  codes.clear();
  ClickItem(tabs, 1);
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 150));
  EXPECT_TRUE(codes.empty());
  // TCM_SETCURSEL selects without asking.
  SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
  EXPECT_TRUE(codes.empty());
}

TEST_F(TabControlTest, KeysMoveTheSelection) {
  WatchParent(FALSE);
  HWND tabs = Tabs(0);
  for (int i = 0; i < 3; ++i) Add(tabs, u"Tab");
  SetFocus(tabs);
  EXPECT_EQ(SendMessageW(tabs, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
  SendMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(codes, (std::vector<UINT>{TCN_KEYDOWN, TCN_SELCHANGING, TCN_SELCHANGE}));
  SendMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);  // arrows stop at the last tab
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);
  SendMessageW(tabs, WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
  // Ctrl+Tab goes round, with Shift backwards.
  headless::KeyDown(VK_CONTROL);
  Pump();
  SendMessageW(tabs, WM_KEYDOWN, VK_TAB, 0);
  SendMessageW(tabs, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  headless::KeyDown(VK_SHIFT);
  Pump();
  SendMessageW(tabs, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);
  headless::KeyUp(VK_SHIFT);
  headless::KeyUp(VK_CONTROL);
  Pump();
  // Without Ctrl the tab key is left alone.
  SendMessageW(tabs, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);
}

TEST_F(TabControlTest, OwnerDrawnTabsAskTheParent) {
  WatchParent(FALSE);
  HWND tabs = Tabs(TCS_OWNERDRAWFIXED);
  Add(tabs, u"One", -1, 0x1234);
  Add(tabs, u"Two", -1, 0x5678);
  UpdateWindow(parent);
  drawn.clear();
  RedrawWindow(tabs, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_EQ(drawn.size(), 2u);
  const DRAWITEMSTRUCT& second = drawn[0];  // the selected tab is drawn last
  EXPECT_EQ(second.CtlType, ODT_TAB);
  EXPECT_EQ(second.CtlID, 9u);
  EXPECT_EQ(second.itemID, 1u);
  EXPECT_EQ(second.itemData, 0x5678u);
  EXPECT_EQ(second.itemState, 0u);
  EXPECT_EQ(second.hwndItem, tabs);
  EXPECT_EQ(drawn[1].itemID, 0u);
  EXPECT_EQ(drawn[1].itemState, ODS_SELECTED);
  EXPECT_EQ(drawn[1].itemData, 0x1234u);
  const RECT r = ItemRect(tabs, 0);
  EXPECT_EQ(drawn[1].rcItem.left, r.left);
  EXPECT_EQ(drawn[1].rcItem.right, r.right);
}

// Four rows of pictures: tabs on top, at the bottom, buttons and flat
// buttons (hot-tracked and highlighted), an overflowing strip with its
// scroller, several rows, and tabs on the left and on the right.
TEST_F(TabControlTest, GoldenTabsInEveryStyle) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"Tabs", WS_POPUP | WS_VISIBLE, 0, 0, 620, 420,
                              nullptr, nullptr, nullptr, nullptr);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, 32, 16);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  HBRUSH red = CreateSolidBrush(RGB(200, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 200));
  RECT a{0, 0, 16, 16}, b{16, 0, 32, 16};
  FillRect(dc, &a, red);
  FillRect(dc, &b, blue);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(red);
  DeleteObject(blue);
  ImageList_Add(images, picture, nullptr);
  DeleteObject(picture);

  auto make = [&](DWORD style, RECT r) {
    HWND tabs = Tabs(style, r, form);
    SendMessageW(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    Add(tabs, u"常规", 0);
    Add(tabs, u"Second", 1);
    Add(tabs, u"Third");
    return tabs;
  };
  make(0, RECT{4, 4, 204, 104});
  HWND bottom = make(TCS_BOTTOM, RECT{208, 4, 408, 104});
  SendMessageW(bottom, TCM_SETCURSEL, 1, 0);
  HWND buttons = make(TCS_BUTTONS, RECT{412, 4, 612, 104});
  SendMessageW(buttons, TCM_SETCURSEL, 2, 0);
  HWND flat = make(TCS_BUTTONS | TCS_FLATBUTTONS | TCS_HOTTRACK, RECT{4, 108, 304, 158});
  TCITEMW state{};
  state.mask = TCIF_STATE;
  state.dwStateMask = TCIS_HIGHLIGHTED;
  state.dwState = TCIS_HIGHLIGHTED;
  SendMessageW(flat, TCM_SETITEMW, 2, reinterpret_cast<LPARAM>(&state));
  HWND overflow = make(0, RECT{308, 108, 612, 158});
  for (int i = 0; i < 4; ++i) Add(overflow, u"More");
  SendMessageW(overflow, TCM_SETCURSEL, 1, 0);
  HWND rows = make(TCS_MULTILINE, RECT{4, 162, 204, 312});
  for (int i = 0; i < 4; ++i) Add(rows, u"Row tab");
  SendMessageW(rows, TCM_SETCURSEL, 5, 0);
  SetFocus(rows);
  make(TCS_VERTICAL, RECT{208, 162, 408, 412});
  HWND right = make(TCS_VERTICAL | TCS_RIGHT, RECT{412, 162, 612, 412});
  SendMessageW(right, TCM_SETCURSEL, 1, 0);
  EnableWindow(make(0, RECT{4, 316, 204, 412}), FALSE);
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto image = headless::WindowImage(form);
  ASSERT_TRUE(image.has_value());
  EXPECT_TRUE(MatchesGolden(*image, "user/tabs", GoldenTolerance{48, 80}));
  DestroyWindow(form);
  ImageList_Destroy(images);
}

}  // namespace
}  // namespace brellis::test
