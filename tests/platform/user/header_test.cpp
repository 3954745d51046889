// "SysHeader32": items in both character sets, rectangles, hit tests and
// layout, the divider drag's notifications (refused, live and with a
// tracking line), clicks on button items, custom draw and owner draw, and
// the classic look.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

struct Notice {
  UINT code;
  int item;
  int width;  // the notified item's width, -1 without one
};

bool operator==(const Notice& a, const Notice& b) { return a.code == b.code && a.item == b.item && a.width == b.width; }

void PrintTo(const Notice& n, std::ostream* os) { *os << "{" << static_cast<int>(n.code) << ", " << n.item << ", " << n.width << "}"; }

class HeaderTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 400, 300});
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_NOTIFY) {
        const auto* nm = reinterpret_cast<NMHDR*>(l);
        if (nm->code == NM_CUSTOMDRAW) {
          const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(l);
          stages.emplace_back(draw.dwDrawStage, draw.dwItemSpec);
          if (draw.uItemState & CDIS_HOT) hot.push_back(draw.dwItemSpec);
          if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
          if (draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.dwItemSpec == 1) return CDRF_SKIPDEFAULT;
          return CDRF_DODEFAULT;
        }
        const auto* header = reinterpret_cast<const NMHEADERW*>(l);
        notices.push_back(Notice{nm->code, header->iItem, header->pitem ? header->pitem->cxy : -1});
        if (nm->code == refuse) return TRUE;
        return 0;
      }
      if (m == WM_DRAWITEM) {
        drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
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
  HWND Header(DWORD style, RECT r = RECT{10, 10, 310, 30}) {
    return CreateWindowExW(0, WC_HEADERW, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, reinterpret_cast<HMENU>(7), nullptr, nullptr);
  }
  static int Insert(HWND header, int at, const char16_t* text, int width, int format = HDF_LEFT | HDF_STRING) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM;
    item.pszText = const_cast<WCHAR*>(text);
    item.cxy = width;
    item.fmt = format;
    item.lParam = 100 + at;
    return static_cast<int>(SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item)));
  }
  HWND Filled(DWORD style) {
    HWND header = Header(style);
    Insert(header, 0, u"Name", 100);
    Insert(header, 1, u"Size", 60, HDF_RIGHT | HDF_STRING);
    Insert(header, 2, u"Type", 80, HDF_CENTER | HDF_STRING);
    return header;
  }
  static void Mouse(HWND header, UINT message, int x, int y = 8) {
    SendMessageW(header, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  static int Width(HWND header, int index) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.cxy;
  }

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  UINT refuse = 0;
  std::vector<Notice> notices;
  std::vector<std::pair<DWORD, DWORD_PTR>> stages;
  std::vector<DRAWITEMSTRUCT> drawn;
  std::vector<DWORD_PTR> hot;
};

TEST_F(HeaderTest, ItemsInBothCharacterSetsRectanglesAndHitTests) {
  HWND header = Filled(HDS_BUTTONS);
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  HDITEMA ansi{};
  char text[] = "\xC3\xFB\xB3\xC6";  // two GBK characters
  ansi.mask = HDI_TEXT | HDI_WIDTH;
  ansi.pszText = text;
  ansi.cxy = 40;
  EXPECT_EQ(SendMessageW(header, HDM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&ansi)), 3);  // appended
  WCHAR wide[201] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_WIDTH;
  item.pszText = wide;
  item.cchTextMax = 201;
  ASSERT_TRUE(SendMessageW(header, HDM_GETITEMW, 3, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::u16string(wide), u"\u540D\u79F0");
  EXPECT_EQ(item.cxy, 40);
  ASSERT_TRUE(SendMessageW(header, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::u16string(wide), u"Size");
  EXPECT_EQ(item.fmt, HDF_RIGHT | HDF_STRING);
  EXPECT_EQ(item.lParam, 101);
  char small[3] = {};
  ansi.mask = HDI_TEXT;
  ansi.pszText = small;
  ansi.cchTextMax = 3;
  ASSERT_TRUE(SendMessageW(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&ansi)));
  EXPECT_STREQ(small, "Na");  // cut to the buffer
  EXPECT_FALSE(SendMessageW(header, HDM_GETITEMW, 9, reinterpret_cast<LPARAM>(&item)));
  EXPECT_FALSE(SendMessageW(header, HDM_GETITEMW, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_INSERTITEMW, 0, 0), -1);

  RECT r{};
  ASSERT_TRUE(SendMessageW(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r)));
  EXPECT_EQ(r.left, 160);
  EXPECT_EQ(r.right, 240);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.bottom, 20);
  EXPECT_FALSE(SendMessageW(header, HDM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&r)));

  auto hit = [&](int x, int y) {
    HDHITTESTINFO info{{x, y}, 0, -2};
    const LRESULT index = SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(index, info.iItem);
    return std::make_pair(info.flags, info.iItem);
  };
  EXPECT_EQ(hit(50, 5), std::make_pair(HHT_ONHEADER, 0));
  EXPECT_EQ(hit(98, 5), std::make_pair(HHT_ONDIVIDER, 0));
  EXPECT_EQ(hit(102, 5), std::make_pair(HHT_ONDIVIDER, 0));
  EXPECT_EQ(hit(120, 5), std::make_pair(HHT_ONHEADER, 1));
  EXPECT_EQ(hit(290, 5), std::make_pair(HHT_NOWHERE, -1));
  EXPECT_EQ(hit(50, -3), std::make_pair(HHT_ABOVE, -1));
  EXPECT_EQ(hit(400, 30), std::make_pair(HHT_BELOW | HHT_TORIGHT, -1));

  EXPECT_TRUE(SendMessageW(header, HDM_DELETEITEM, 0, 0));
  EXPECT_FALSE(SendMessageW(header, HDM_DELETEITEM, 5, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(Width(header, 0), 60);

  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  EXPECT_EQ(SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)), 0);
  EXPECT_EQ(SendMessageW(header, HDM_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(images));
  SendMessageW(header, HDM_SETIMAGELIST, 0, 0);
  ImageList_Destroy(images);
}

TEST_F(HeaderTest, LayoutPlacesTheHeaderOnTopOfTheRectangle) {
  HWND header = Filled(0);
  RECT area{5, 7, 205, 107};
  WINDOWPOS pos{};
  HDLAYOUT layout{&area, &pos};
  ASSERT_TRUE(SendMessageW(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)));
  EXPECT_EQ(pos.x, 5);
  EXPECT_EQ(pos.y, 7);
  EXPECT_EQ(pos.cx, 200);
  EXPECT_GT(pos.cy, 12);
  EXPECT_EQ(area.top, 7 + pos.cy);
  EXPECT_EQ(area.bottom, 107);
  SetWindowLongW(header, GWL_STYLE, GetWindowLongW(header, GWL_STYLE) | HDS_HIDDEN);
  area = RECT{0, 0, 100, 100};
  SendMessageW(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
  EXPECT_EQ(pos.cy, 0);
  EXPECT_EQ(area.top, 0);
  EXPECT_FALSE(SendMessageW(header, HDM_LAYOUT, 0, 0));
}

TEST_F(HeaderTest, SetItemAsksTheParentFirst) {
  HWND header = Filled(0);
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  item.cxy = 33;
  EXPECT_TRUE(SendMessageW(header, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(notices, (std::vector<Notice>{{HDN_ITEMCHANGINGW, 1, 33}, {HDN_ITEMCHANGEDW, 1, 33}}));
  EXPECT_EQ(Width(header, 1), 33);
  notices.clear();
  refuse = HDN_ITEMCHANGINGW;
  item.cxy = 90;
  EXPECT_FALSE(SendMessageW(header, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(notices, (std::vector<Notice>{{HDN_ITEMCHANGINGW, 1, 90}}));
  EXPECT_EQ(Width(header, 1), 33);
}

TEST_F(HeaderTest, DividerDragWithATrackingLine) {
  HWND header = Filled(HDS_BUTTONS);
  Mouse(header, WM_LBUTTONDOWN, 101);
  EXPECT_EQ(GetCapture(), header);
  Mouse(header, WM_MOUSEMOVE, 121);
  Mouse(header, WM_MOUSEMOVE, 131);
  EXPECT_EQ(Width(header, 0), 100);  // only the line moves
  Mouse(header, WM_LBUTTONUP, 131);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(notices, (std::vector<Notice>{{HDN_BEGINTRACKW, 0, 100},
                                          {HDN_TRACKW, 0, 120},
                                          {HDN_TRACKW, 0, 130},
                                          {HDN_ENDTRACKW, 0, 130},
                                          {HDN_ITEMCHANGINGW, 0, 130},
                                          {HDN_ITEMCHANGEDW, 0, 130}}));
  EXPECT_EQ(Width(header, 0), 130);
}

TEST_F(HeaderTest, FullDragResizesWhileMovingAndEscapePutsTheWidthBack) {
  HWND header = Filled(HDS_BUTTONS | HDS_FULLDRAG);
  Mouse(header, WM_LBUTTONDOWN, 158);  // the divider after "Size", from its left side
  Mouse(header, WM_MOUSEMOVE, 100);
  EXPECT_EQ(Width(header, 1), 2);
  Mouse(header, WM_MOUSEMOVE, 20);  // never narrower than nothing
  EXPECT_EQ(Width(header, 1), 0);
  SendMessageW(header, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(Width(header, 1), 60);
  EXPECT_EQ(notices, (std::vector<Notice>{{HDN_BEGINTRACKW, 1, 60},
                                          {HDN_TRACKW, 1, 2},
                                          {HDN_ITEMCHANGINGW, 1, 2},
                                          {HDN_ITEMCHANGEDW, 1, 2},
                                          {HDN_TRACKW, 1, 0},
                                          {HDN_ITEMCHANGINGW, 1, 0},
                                          {HDN_ITEMCHANGEDW, 1, 0},
                                          {HDN_ENDTRACKW, 1, 60},
                                          {HDN_ITEMCHANGINGW, 1, 60},
                                          {HDN_ITEMCHANGEDW, 1, 60}}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(HeaderTest, RefusedBeginTrackAndClicksOnButtons) {
  HWND header = Filled(HDS_BUTTONS);
  refuse = HDN_BEGINTRACKW;
  Mouse(header, WM_LBUTTONDOWN, 100);
  EXPECT_EQ(GetCapture(), nullptr);
  Mouse(header, WM_MOUSEMOVE, 140);
  Mouse(header, WM_LBUTTONUP, 140);
  EXPECT_EQ(notices, (std::vector<Notice>{{HDN_BEGINTRACKW, 0, 100}}));
  EXPECT_EQ(Width(header, 0), 100);

  notices.clear();
  Mouse(header, WM_LBUTTONDOWN, 130);
  Mouse(header, WM_LBUTTONUP, 130);
  Mouse(header, WM_LBUTTONDOWN, 50);
  Mouse(header, WM_MOUSEMOVE, 130);  // let go elsewhere: no click
  Mouse(header, WM_LBUTTONUP, 130);
  EXPECT_EQ(notices, (std::vector<Notice>{{HDN_ITEMCLICKW, 1, -1}}));

  notices.clear();
  HWND flat = Filled(0);  // without HDS_BUTTONS items are not buttons
  Mouse(flat, WM_LBUTTONDOWN, 50);
  Mouse(flat, WM_LBUTTONUP, 50);
  EXPECT_TRUE(notices.empty());
}

TEST_F(HeaderTest, CustomDrawStagesAndOwnerDrawItems) {
  HWND header = Filled(HDS_BUTTONS);
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  item.fmt = HDF_OWNERDRAW;
  SendMessageW(header, HDM_SETITEMW, 2, reinterpret_cast<LPARAM>(&item));
  UpdateWindow(parent);
  stages.clear();
  drawn.clear();
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(stages, (std::vector<std::pair<DWORD, DWORD_PTR>>{{CDDS_PREPAINT, 0},
                                                              {CDDS_ITEMPREPAINT, 0},
                                                              {CDDS_ITEMPREPAINT, 1},
                                                              {CDDS_ITEMPREPAINT, 2},
                                                              {CDDS_POSTPAINT, 0}}));
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].CtlType, ODT_HEADER);
  EXPECT_EQ(drawn[0].CtlID, 7u);
  EXPECT_EQ(drawn[0].itemID, 2u);
  EXPECT_EQ(drawn[0].hwndItem, header);
  EXPECT_EQ(drawn[0].itemData, 102u);
  EXPECT_EQ(drawn[0].rcItem.left, 160);
  EXPECT_EQ(drawn[0].rcItem.right, 240);
}

TEST_F(HeaderTest, HotTrackingMarksTheItemUnderTheMouse) {
  HWND header = Filled(HDS_BUTTONS | HDS_HOTTRACK);
  UpdateWindow(parent);
  Mouse(header, WM_MOUSEMOVE, 130);
  UpdateWindow(header);
  EXPECT_EQ(hot, (std::vector<DWORD_PTR>{1}));
  hot.clear();
  SendMessageW(header, WM_MOUSELEAVE, 0, 0);
  UpdateWindow(header);
  EXPECT_TRUE(hot.empty());
  HWND plain = Filled(HDS_BUTTONS);
  UpdateWindow(parent);
  Mouse(plain, WM_MOUSEMOVE, 130);
  UpdateWindow(plain);
  EXPECT_TRUE(hot.empty());  // only with HDS_HOTTRACK
}

TEST_F(HeaderTest, GoldenButtonsAndFlatCells) {
  SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);  // no custom draw
  HWND buttons = Filled(HDS_BUTTONS);
  Mouse(buttons, WM_LBUTTONDOWN, 130);  // "Size" pressed
  HWND flat = Header(0, RECT{10, 50, 310, 70});
  Insert(flat, 0, u"Left", 90);
  Insert(flat, 1, u"Right", 90, HDF_RIGHT | HDF_STRING);
  Insert(flat, 2, u"A very long caption", 70);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/headers", GoldenTolerance{40, 60}));
  Mouse(buttons, WM_LBUTTONUP, 130);
  SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
}

}  // namespace
}  // namespace brellis::test
