// "ToolbarWindow32": its messages against the values Windows gives, the
// button layout, check groups, drop-downs, clicks, hot tracking, custom draw
// stages, placement in the parent, the classic look, and no leaks.
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

TBBUTTON Btn(int image, int id, BYTE style = BTNS_BUTTON, const char16_t* text = nullptr,
             BYTE state = TBSTATE_ENABLED) {
  TBBUTTON b{};
  b.iBitmap = image;
  b.idCommand = id;
  b.fsState = state;
  b.fsStyle = style;
  b.iString = reinterpret_cast<INT_PTR>(text);
  return b;
}

class ToolBarTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 440, 240});
    recorder->SetMainWindow(parent);
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_COMMAND) commands.push_back(LOWORD(w));
      if (m == WM_NOTIFY) {
        const auto* header = reinterpret_cast<NMHDR*>(l);
        if (header->code == TBN_DROPDOWN) {
          dropDowns.push_back(reinterpret_cast<const NMTOOLBARW*>(l)->iItem);
          return dropDownAnswer;
        }
        if (header->code == NM_CUSTOMDRAW) {
          const auto& draw = *reinterpret_cast<const NMTBCUSTOMDRAW*>(l);
          stages.push_back({draw.nmcd.dwDrawStage, draw.nmcd.dwItemSpec, draw.nmcd.uItemState});
          if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return globalAnswer;
          if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.dwItemSpec == skipItem) return CDRF_SKIPDEFAULT;
          return CDRF_DODEFAULT;
        }
      }
      return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), h, m, w, l);
    });
    previous = SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  }
  void TearDown() override {
    SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);
    FreeWndProcThunk(thunk);
    UserTest::TearDown();
  }
  HWND Bar(DWORD style = 0) {
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return bar;
  }
  void Add(HWND bar, std::initializer_list<TBBUTTON> buttons) {
    std::vector<TBBUTTON> list(buttons);
    ASSERT_TRUE(SendMessageW(bar, TB_ADDBUTTONSW, list.size(), reinterpret_cast<LPARAM>(list.data())));
  }
  // The bar's top-left corner in its parent's client coordinates.
  POINT WindowOrigin(HWND bar) {
    RECT window{};
    GetWindowRect(bar, &window);
    POINT at{window.left, window.top};
    ScreenToClient(parent, &at);
    return at;
  }
  RECT ItemRect(HWND bar, int index) {
    RECT r{};
    SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  void Click(HWND bar, int x, int y) {
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  struct Stage {
    DWORD stage;
    DWORD_PTR item;
    UINT state;
    bool operator==(const Stage&) const = default;
  };

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  std::vector<WORD> commands;
  std::vector<int> dropDowns;
  std::vector<Stage> stages;
  LRESULT dropDownAnswer = TBDDRET_DEFAULT;
  LRESULT globalAnswer = CDRF_DODEFAULT;
  DWORD_PTR skipItem = 0;
};

TEST_F(ToolBarTest, MessageNumbersAreWindows) {
  EXPECT_EQ(TB_ENABLEBUTTON, 0x401u);
  EXPECT_EQ(TB_CHECKBUTTON, 0x402u);
  EXPECT_EQ(TB_SETSTATE, 0x411u);
  EXPECT_EQ(TB_ADDBUTTONSA, 0x414u);
  EXPECT_EQ(TB_BUTTONSTRUCTSIZE, 0x41Eu);
  EXPECT_EQ(TB_AUTOSIZE, 0x421u);
  EXPECT_EQ(TB_SETIMAGELIST, 0x430u);
  EXPECT_EQ(TB_GETRECT, 0x433u);
  EXPECT_EQ(TB_INSERTBUTTONW, 0x443u);
  EXPECT_EQ(TB_ADDBUTTONSW, 0x444u);
  EXPECT_EQ(TB_HITTEST, 0x445u);
  EXPECT_EQ(TB_SETEXTENDEDSTYLE, 0x454u);
  EXPECT_EQ(TBN_DROPDOWN, 0u - 710u);
  EXPECT_EQ(sizeof(TBBUTTON), 8u + 2u + 6u + 2 * sizeof(void*));
}

TEST_F(ToolBarTest, ButtonsAreAddedInsertedQueriedAndDeleted) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER);
  Add(bar, {Btn(0, 100), Btn(0, 0, BTNS_SEP), Btn(1, 101)});
  TBBUTTON inserted = Btn(2, 102);
  EXPECT_TRUE(SendMessageW(bar, TB_INSERTBUTTONW, 1, reinterpret_cast<LPARAM>(&inserted)));
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 102, 0), 1);
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 101, 0), 3);
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 999, 0), -1);
  TBBUTTON got{};
  EXPECT_TRUE(SendMessageW(bar, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(got.idCommand, 101);
  EXPECT_EQ(got.iBitmap, 1);
  EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, 4, reinterpret_cast<LPARAM>(&got)));
  EXPECT_TRUE(SendMessageW(bar, TB_DELETEBUTTON, 1, 0));
  EXPECT_FALSE(SendMessageW(bar, TB_DELETEBUTTON, 9, 0));
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_FALSE(SendMessageW(bar, TB_ADDBUTTONSW, 1, 0));  // no array: refused, no crash
}

TEST_F(ToolBarTest, DefaultSizesAndRectangles) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER);
  Add(bar, {Btn(0, 100), Btn(0, 0, BTNS_SEP), Btn(1, 101)});
  EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(24, 22));
  EXPECT_EQ(ItemRect(bar, 0), (RECT{0, 2, 24, 24}));
  EXPECT_EQ(ItemRect(bar, 1), (RECT{24, 2, 32, 24}));  // separators are 8 wide
  EXPECT_EQ(ItemRect(bar, 2), (RECT{32, 2, 56, 24}));
  RECT r{};
  EXPECT_TRUE(SendMessageW(bar, TB_GETRECT, 101, reinterpret_cast<LPARAM>(&r)));
  EXPECT_EQ(r, ItemRect(bar, 2));
  EXPECT_FALSE(SendMessageW(bar, TB_GETRECT, 555, reinterpret_cast<LPARAM>(&r)));
  SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(28, 27));
  SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(40, 30));
  EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(40, 30));
  SetWindowLongW(bar, GWL_STYLE, GetWindowLongW(bar, GWL_STYLE) | TBSTYLE_FLAT);
  EXPECT_EQ(ItemRect(bar, 0), (RECT{0, 0, 40, 30}));  // flat bars have no top margin
  // The separate arrow of a drop-down widens its button.
  TBBUTTON drop = Btn(0, 103, BTNS_DROPDOWN);
  SendMessageW(bar, TB_INSERTBUTTONW, 0, reinterpret_cast<LPARAM>(&drop));
  EXPECT_EQ(SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS), 0);
  EXPECT_EQ(SendMessageW(bar, TB_GETEXTENDEDSTYLE, 0, 0), static_cast<LRESULT>(TBSTYLE_EX_DRAWDDARROWS));
  EXPECT_EQ(ItemRect(bar, 0), (RECT{0, 0, 51, 30}));
}

TEST_F(ToolBarTest, StatesAreSetAndRead) {
  HWND bar = Bar(CCS_NORESIZE);
  Add(bar, {Btn(0, 100), Btn(1, 101, BTNS_CHECK)});
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONENABLED, 100, 0), TRUE);
  EXPECT_TRUE(SendMessageW(bar, TB_ENABLEBUTTON, 100, FALSE));
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONENABLED, 100, 0), FALSE);
  EXPECT_TRUE(SendMessageW(bar, TB_CHECKBUTTON, 101, TRUE));
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 101, 0), TRUE);
  EXPECT_TRUE(SendMessageW(bar, TB_PRESSBUTTON, 101, TRUE));
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONPRESSED, 101, 0), TRUE);
  EXPECT_EQ(SendMessageW(bar, TB_GETSTATE, 101, 0), TBSTATE_ENABLED | TBSTATE_CHECKED | TBSTATE_PRESSED);
  EXPECT_TRUE(SendMessageW(bar, TB_SETSTATE, 101, MAKELPARAM(TBSTATE_ENABLED, 0)));
  EXPECT_EQ(SendMessageW(bar, TB_GETSTATE, 101, 0), TBSTATE_ENABLED);
  EXPECT_EQ(SendMessageW(bar, TB_GETSTATE, 999, 0), -1);
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 999, 0), -1);
  EXPECT_FALSE(SendMessageW(bar, TB_CHECKBUTTON, 999, TRUE));
}

TEST_F(ToolBarTest, ImageListsAreKeptAndTheyGiveTheBitmapSize) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER);
  HIMAGELIST normal = ImageList_Create(20, 18, ILC_COLOR32 | ILC_MASK, 2, 2);
  HIMAGELIST hot = ImageList_Create(20, 18, ILC_COLOR32 | ILC_MASK, 2, 2);
  EXPECT_EQ(SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal)), 0);
  EXPECT_EQ(SendMessageW(bar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot)), 0);
  EXPECT_EQ(SendMessageW(bar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(hot)), 0);
  EXPECT_EQ(SendMessageW(bar, TB_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(normal));
  EXPECT_EQ(SendMessageW(bar, TB_GETHOTIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(hot));
  EXPECT_EQ(SendMessageW(bar, TB_GETDISABLEDIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(hot));
  EXPECT_EQ(SendMessageW(bar, TB_SETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(normal));
  SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal));
  EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(28, 25));
  DestroyWindow(bar);  // the lists belong to the caller
  EXPECT_TRUE(ImageList_Destroy(normal));
  EXPECT_TRUE(ImageList_Destroy(hot));
}

TEST_F(ToolBarTest, ClicksCommandAndCheckGroupsKeepOneChecked) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER);
  Add(bar, {Btn(0, 100), Btn(1, 101, BTNS_CHECK), Btn(2, 102, BTNS_CHECKGROUP), Btn(3, 103, BTNS_CHECKGROUP),
            Btn(4, 0, BTNS_SEP), Btn(5, 105, BTNS_CHECKGROUP)});
  Click(bar, 10, 10);
  Click(bar, 34, 10);
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 101, 0), TRUE);
  Click(bar, 34, 10);
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 101, 0), FALSE);
  Click(bar, 58, 10);  // 102
  Click(bar, 110, 10);  // 105, a group of its own after the separator
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 102, 0), TRUE);
  Click(bar, 82, 10);  // 103 takes the check from 102
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 102, 0), FALSE);
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 103, 0), TRUE);
  Click(bar, 82, 10);  // clicking the checked one keeps it checked
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 103, 0), TRUE);
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 105, 0), TRUE);
  SendMessageW(bar, TB_CHECKBUTTON, 102, TRUE);
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 103, 0), FALSE);
  EXPECT_EQ(commands, (std::vector<WORD>{100, 101, 101, 102, 105, 103, 103}));
  // Released away from the button, or on a disabled one: no command.
  commands.clear();
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONPRESSED, 100, 0), TRUE);
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(300, 10));
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONPRESSED, 100, 0), FALSE);
  SendMessageW(bar, TB_ENABLEBUTTON, 100, FALSE);
  Click(bar, 10, 10);
  EXPECT_TRUE(commands.empty());
}

TEST_F(ToolBarTest, DropDownsAskTheParent) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT);
  Add(bar, {Btn(0, 100, BTNS_DROPDOWN), Btn(1, 101, BTNS_DROPDOWN)});
  Click(bar, 10, 10);  // without separate arrows the whole button drops down
  EXPECT_EQ(dropDowns, (std::vector<int>{100}));
  EXPECT_TRUE(commands.empty());
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONPRESSED, 100, 0), FALSE);
  dropDownAnswer = TBDDRET_TREATPRESSED;
  Click(bar, 10, 10);
  EXPECT_EQ(commands, (std::vector<WORD>{100}));
  dropDownAnswer = TBDDRET_DEFAULT;
  commands.clear();
  dropDowns.clear();
  SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  const RECT second = ItemRect(bar, 1);
  Click(bar, second.left + 5, 10);   // the button part clicks
  Click(bar, second.right - 3, 10);  // the arrow drops down
  EXPECT_EQ(commands, (std::vector<WORD>{101}));
  EXPECT_EQ(dropDowns, (std::vector<int>{101}));
}

TEST_F(ToolBarTest, HitTestingAndHotTracking) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT);
  Add(bar, {Btn(0, 100), Btn(0, 0, BTNS_SEP), Btn(1, 101)});
  auto hit = [&](int x, int y) {
    POINT p{x, y};
    return SendMessageW(bar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&p));
  };
  EXPECT_EQ(hit(5, 5), 0);
  EXPECT_EQ(hit(26, 5), -1);  // the separator at index 1
  EXPECT_EQ(hit(40, 5), 2);
  EXPECT_EQ(hit(300, 5), -1);
  EXPECT_EQ(SendMessageW(bar, TB_HITTEST, 0, 0), -1);
  EXPECT_EQ(SendMessageW(bar, TB_GETHOTITEM, 0, 0), -1);
  SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(40, 5));
  EXPECT_EQ(SendMessageW(bar, TB_GETHOTITEM, 0, 0), 2);
  SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(SendMessageW(bar, TB_GETHOTITEM, 0, 0), -1);
}

TEST_F(ToolBarTest, CustomDrawStagesAndSkippedButtons) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT);
  SetWindowPos(bar, nullptr, 0, 0, 200, 26, SWP_NOZORDER);
  Add(bar, {Btn(0, 100), Btn(0, 0, BTNS_SEP), Btn(1, 101, BTNS_CHECK, nullptr, TBSTATE_ENABLED | TBSTATE_CHECKED),
            Btn(2, 102, BTNS_BUTTON, nullptr, 0)});
  UpdateWindow(bar);
  EXPECT_EQ(stages, (std::vector<Stage>{{CDDS_PREPAINT, 0, 0}}));
  stages.clear();
  globalAnswer = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
  HDC dc = GetDC(bar);
  SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ReleaseDC(bar, dc);
  EXPECT_EQ(stages, (std::vector<Stage>{{CDDS_PREPAINT, 0, 0},
                                        {CDDS_ITEMPREPAINT, 100, 0},
                                        {CDDS_ITEMPREPAINT, 101, CDIS_CHECKED},
                                        {CDDS_ITEMPREPAINT, 102, CDIS_DISABLED},
                                        {CDDS_POSTPAINT, 0, 0}}));
}

// The pixels of a bar printed into a bitmap that was white before.
std::vector<COLORREF> PrintedRow(HWND bar, int y, int width) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, 40);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, width, 40};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  std::vector<COLORREF> row;
  for (int x = 0; x < width; ++x) row.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return row;
}

TEST_F(ToolBarTest, ASkippedButtonIsNotDrawnAndSkippingTheBarDrawsNothing) {
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER);
  SetWindowPos(bar, nullptr, 0, 0, 100, 30, SWP_NOZORDER);
  Add(bar, {Btn(0, 100), Btn(1, 101)});
  const COLORREF white = RGB(255, 255, 255);
  globalAnswer = CDRF_NOTIFYITEMDRAW;
  skipItem = 101;
  const std::vector<COLORREF> row = PrintedRow(bar, 23, 60);  // the buttons' bottom edge
  EXPECT_NE(row[12], white);  // the shadow of 100
  EXPECT_EQ(row[36], white);  // 101 left to the parent
  globalAnswer = CDRF_SKIPDEFAULT;
  const std::vector<COLORREF> none = PrintedRow(bar, 23, 60);
  EXPECT_EQ(none[12], white);
}

TEST_F(ToolBarTest, ATransparentBarLetsTheParentErase) {
  const ULONG_PTR background = SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_HIGHLIGHT + 1));
  HWND bar = Bar(CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TRANSPARENT);
  SetWindowPos(bar, nullptr, 10, 10, 100, 30, SWP_NOZORDER);
  HWND solid = Bar(CCS_NORESIZE | CCS_NODIVIDER);
  SetWindowPos(solid, nullptr, 10, 50, 100, 30, SWP_NOZORDER);
  HDC dc = GetDC(bar);
  SendMessageW(bar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetPixel(dc, 50, 10), GetSysColor(COLOR_HIGHLIGHT));
  ReleaseDC(bar, dc);
  dc = GetDC(solid);
  SendMessageW(solid, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetPixel(dc, 50, 10), GetSysColor(COLOR_3DFACE));
  ReleaseDC(solid, dc);
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(background));  // the class is shared
}

TEST_F(ToolBarTest, SpansTheParentAtTheTopUnlessNoResize) {
  HWND bar = Bar();
  Add(bar, {Btn(0, 100)});
  SendMessageW(bar, TB_AUTOSIZE, 0, 0);
  RECT client{};
  GetClientRect(parent, &client);
  RECT window{};
  GetWindowRect(bar, &window);
  EXPECT_EQ(window.right - window.left, client.right);
  EXPECT_EQ(window.bottom - window.top, 28);  // margins 2 + 2 and the divider
  RECT inside{};
  GetClientRect(bar, &inside);
  EXPECT_EQ(inside.bottom, 26);
  SetWindowPos(parent, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(parent, &client);
  SendMessageW(bar, WM_SIZE, 0, 0);  // as the parent forwards its own WM_SIZE
  GetWindowRect(bar, &window);
  EXPECT_EQ(window.right - window.left, client.right);
  HWND fixed = Bar(CCS_NORESIZE);
  SetWindowPos(fixed, nullptr, 5, 50, 100, 40, SWP_NOZORDER);
  SendMessageW(fixed, TB_AUTOSIZE, 0, 0);
  GetWindowRect(fixed, &window);
  EXPECT_EQ(window.right - window.left, 100);
  EXPECT_EQ(window.bottom - window.top, 40);
}

TEST_F(ToolBarTest, ABottomBarGoesToTheParentsBottomAndNoMoveYKeepsItsPlace) {
  RECT client{};
  GetClientRect(parent, &client);
  HWND bottom = Bar(CCS_BOTTOM);
  Add(bottom, {Btn(0, 100)});
  SendMessageW(bottom, TB_AUTOSIZE, 0, 0);
  POINT at = WindowOrigin(bottom);
  EXPECT_EQ(at.x, 0);
  EXPECT_EQ(at.y, client.bottom - 28);
  HWND kept = Bar(CCS_NOMOVEY);
  SetWindowPos(kept, nullptr, 5, 50, 100, 40, SWP_NOZORDER);
  SendMessageW(kept, TB_AUTOSIZE, 0, 0);
  at = WindowOrigin(kept);
  EXPECT_EQ(at.x, 0);
  EXPECT_EQ(at.y, 50);
}

TEST_F(ToolBarTest, GoldenFlatWithDropDownAndCaptions) {
  HIMAGELIST images = ImageList_Create(16, 15, ILC_COLOR32 | ILC_MASK, 4, 4);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP strip = CreateCompatibleBitmap(screen, 64, 15);
  HGDIOBJ old = SelectObject(dc, strip);
  const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200), RGB(200, 150, 0)};
  RECT all{0, 0, 64, 15};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int i = 0; i < 4; ++i) {
    RECT r{i * 16 + 2, 2, i * 16 + 14, 13};
    HBRUSH brush = CreateSolidBrush(colours[i]);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  SelectObject(dc, old);
  ImageList_AddMasked(images, strip, RGB(255, 255, 255));
  DeleteObject(strip);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);

  HWND flat = Bar(TBSTYLE_FLAT | CCS_NORESIZE);
  SetWindowPos(flat, nullptr, 0, 0, 380, 40, SWP_NOZORDER);
  SendMessageW(flat, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  SendMessageW(flat, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  Add(flat, {Btn(0, 100, BTNS_BUTTON, u"Open"), Btn(1, 101, BTNS_DROPDOWN, u"Send"), Btn(0, 0, BTNS_SEP),
             Btn(2, 102, BTNS_CHECK, u"Bold", TBSTATE_ENABLED | TBSTATE_CHECKED),
             Btn(3, 103, BTNS_BUTTON, u"Off", 0)});
  HWND raised = Bar(TBSTYLE_LIST | CCS_NORESIZE);
  SetWindowPos(raised, nullptr, 0, 60, 380, 30, SWP_NOZORDER);
  SendMessageW(raised, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  Add(raised, {Btn(0, 200, BTNS_AUTOSIZE, u"List"), Btn(1, 201, BTNS_AUTOSIZE | BTNS_WHOLEDROPDOWN, u"Menu"),
               Btn(2, 202, BTNS_AUTOSIZE, nullptr, TBSTATE_ENABLED | TBSTATE_PRESSED)});
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  SendMessageW(flat, TB_SETHOTITEM, 0, 0);  // the first one hot
  EXPECT_EQ(SendMessageW(flat, TB_GETHOTITEM, 0, 0), 0);
  UpdateWindow(flat);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/toolbars"));
  DestroyWindow(flat);
  DestroyWindow(raised);
  ImageList_Destroy(images);
}

void Exercise(int index) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"Bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                              200, nullptr, nullptr, nullptr, nullptr);
  HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, 0, 0, 0, 0, form,
                             nullptr, nullptr, nullptr);
  TBBUTTON buttons[] = {Btn(0, 1, BTNS_BUTTON, u"One"), Btn(1, 2, BTNS_CHECKGROUP), Btn(2, 3, BTNS_DROPDOWN)};
  SendMessageW(bar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
  SendMessageW(bar, TB_AUTOSIZE, 0, 0);
  UpdateWindow(form);
  SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  if (index % 2 == 0) SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // else destroyed while held
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  DestroyWindow(form);
}

TEST_F(ToolBarTest, TwoHundredRoundsLeaveEveryCountWhereItWas) {
  Exercise(0);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 1; i <= 200; ++i) Exercise(i);
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
  EXPECT_EQ(platform::LiveThunkCount(), 1u);  // the fixture's own parent thunk
}

}  // namespace
}  // namespace brellis::test
