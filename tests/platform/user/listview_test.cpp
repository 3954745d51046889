// "SysListView32": items and sub-items in both character sets, columns
// through the header child, selection and focus from the mouse and the
// keys with the LVN_ITEMCHANGED fields, rectangles, hit tests and the
// next-item walk, report scrolling both ways with the header following,
// custom-draw stages, the classic look and handle counts.
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

struct Change {
  UINT code;
  int item;
  int subItem;
  UINT newState;
  UINT oldState;
  UINT changed;
};

bool operator==(const Change& a, const Change& b) {
  return a.code == b.code && a.item == b.item && a.subItem == b.subItem && a.newState == b.newState &&
         a.oldState == b.oldState && a.changed == b.changed;
}

void PrintTo(const Change& c, std::ostream* os) {
  *os << "{" << static_cast<int>(c.code) << ", item " << c.item << ", sub " << c.subItem << ", new " << c.newState
      << ", old " << c.oldState << ", changed " << c.changed << "}";
}

class ListViewTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 400, 320});
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_NOTIFY) {
        const auto* nm = reinterpret_cast<NMHDR*>(l);
        if (nm->code == NM_CUSTOMDRAW && nm->hwndFrom == list) {
          const auto& draw = *reinterpret_cast<const NMLVCUSTOMDRAW*>(l);
          stages.push_back({draw.nmcd.dwDrawStage, static_cast<int>(draw.nmcd.dwItemSpec), draw.iSubItem});
          return customDraw ? customDraw(draw) : CDRF_DODEFAULT;
        }
        if (nm->hwndFrom == list && nm->code != NM_SETFOCUS && nm->code != NM_KILLFOCUS && nm->code != LVN_KEYDOWN) {
          const auto* lv = reinterpret_cast<const NMLISTVIEW*>(l);
          changes.push_back({nm->code, lv->iItem, lv->iSubItem, lv->uNewState, lv->uOldState, lv->uChanged});
          if (nm->code == refuse) return TRUE;
        }
        return 0;
      }
      return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), h, m, w, l);
    });
    previous = SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  }
  void TearDown() override {
    if (list != nullptr) DestroyWindow(list);
    SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);
    FreeWndProcThunk(thunk);
    UserTest::TearDown();
  }
  HWND List(DWORD style, RECT r = RECT{10, 10, 250, 180}) {
    list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(9), nullptr, nullptr);
    return list;
  }
  static void AddColumn(HWND lv, int at, const char16_t* text, int width, int format = LVCFMT_LEFT) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<WCHAR*>(text);
    column.cx = width;
    column.fmt = format;
    SendMessageW(lv, LVM_INSERTCOLUMNW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&column));
  }
  static int AddItem(HWND lv, int at, const std::u16string& text, LPARAM param = 0) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = at;
    item.pszText = const_cast<WCHAR*>(text.c_str());
    item.lParam = param;
    return static_cast<int>(SendMessageW(lv, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  }
  static void SetText(HWND lv, int index, int subItem, const std::u16string& text) {
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<WCHAR*>(text.c_str());
    SendMessageW(lv, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
  static std::u16string Text(HWND lv, int index, int subItem) {
    WCHAR buffer[64] = {};
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(lv, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
  }
  // A report of `rows` rows and three columns, 100 + 150 + 120 wide.
  HWND Report(int rows, DWORD style = LVS_REPORT, RECT r = RECT{10, 10, 250, 180}) {
    HWND lv = List(style, r);
    AddColumn(lv, 0, u"Name", 100);
    AddColumn(lv, 1, u"Size", 150, LVCFMT_RIGHT);
    AddColumn(lv, 2, u"Kind", 120);
    for (int i = 0; i < rows; ++i) {
      const std::u16string n = u"Item " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
      AddItem(lv, i, n, 1000 + i);
      SetText(lv, i, 1, std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u" KB");
      SetText(lv, i, 2, u"File");
    }
    changes.clear();
    return lv;
  }
  RECT Rect(int index, int code) {
    RECT r{};
    r.left = code;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  std::vector<Change> ChangedOnly() const {
    std::vector<Change> only;
    for (const Change& c : changes) {
      if (c.code == LVN_ITEMCHANGED) only.push_back(c);
    }
    return only;
  }
  void ClickAt(int x, int y) {
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }

  HWND parent = nullptr;
  HWND list = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  UINT refuse = 0;
  std::vector<Change> changes;
  struct Stage {
    DWORD stage;
    int item;
    int subItem;
    bool operator==(const Stage&) const = default;
  };
  std::vector<Stage> stages;
  std::function<LRESULT(const NMLVCUSTOMDRAW&)> customDraw;
};

TEST_F(ListViewTest, ItemsSubItemsColumnsAndDeletion) {
  HWND lv = Report(3);
  HWND header = reinterpret_cast<HWND>(SendMessageW(lv, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  WCHAR className[32] = {};
  GetClassNameW(header, className, 32);
  EXPECT_EQ(std::u16string(className), u"SysHeader32");
  EXPECT_EQ(GetParent(header), lv);
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(lv, LVM_GETCOLUMNWIDTH, 1, 0), 150);
  EXPECT_TRUE(SendMessageW(lv, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(90, 0)));
  EXPECT_EQ(SendMessageW(lv, LVM_GETCOLUMNWIDTH, 1, 0), 90);
  WCHAR caption[16] = {};
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
  column.pszText = caption;
  column.cchTextMax = 16;
  ASSERT_TRUE(SendMessageW(lv, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
  EXPECT_EQ(std::u16string(caption), u"Size");
  EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
  EXPECT_EQ(column.iSubItem, 1);

  EXPECT_EQ(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(Text(lv, 1, 0), u"Item B");
  EXPECT_EQ(Text(lv, 1, 1), u"1 KB");
  EXPECT_EQ(Text(lv, 1, 5), u"");  // never set
  char ansi[] = "\xCE\xC4\xBC\xFE";  // two GBK characters
  LVITEMA a{};
  a.mask = LVIF_TEXT;
  a.iItem = 1;
  a.iSubItem = 2;
  a.pszText = ansi;
  EXPECT_TRUE(SendMessageW(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&a)));
  EXPECT_EQ(Text(lv, 1, 2), u"\u6587\u4EF6");
  char back[8] = {};
  a.pszText = back;
  a.cchTextMax = 8;
  EXPECT_EQ(SendMessageW(lv, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&a)), 4);
  EXPECT_STREQ(back, ansi);

  LVITEMW item{};
  item.mask = LVIF_PARAM | LVIF_IMAGE;
  item.iItem = 2;
  ASSERT_TRUE(SendMessageW(lv, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(item.lParam, 1002);
  EXPECT_EQ(item.iImage, -1);
  item.iItem = 7;
  EXPECT_FALSE(SendMessageW(lv, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  item.iItem = 0;
  item.iSubItem = 1;
  EXPECT_EQ(SendMessageW(lv, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), -1);  // only items are inserted
  EXPECT_EQ(SendMessageW(lv, LVM_INSERTITEMW, 0, 0), -1);

  changes.clear();
  EXPECT_TRUE(SendMessageW(lv, LVM_DELETEITEM, 0, 0));
  EXPECT_FALSE(SendMessageW(lv, LVM_DELETEITEM, 9, 0));
  EXPECT_EQ(Text(lv, 0, 0), u"Item B");
  EXPECT_TRUE(SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0));
  EXPECT_EQ(changes, (std::vector<Change>{{LVN_DELETEITEM, 0, 0, 0, 0, 0},
                                          {LVN_DELETEALLITEMS, -1, 0, 0, 0, 0},
                                          {LVN_DELETEITEM, 0, 0, 0, 0, 0},
                                          {LVN_DELETEITEM, 1, 0, 0, 0, 0}}));
  EXPECT_EQ(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, SelectionAndFocusFromMouseAndKeys) {
  HWND lv = Report(6);
  SendMessageW(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const RECT row1 = Rect(1, LVIR_BOUNDS);
  ClickAt(200, row1.top + 2);  // a sub-item: the row with full-row selection
  EXPECT_EQ(GetFocus(), lv);
  EXPECT_EQ(changes, (std::vector<Change>{{LVN_ITEMCHANGING, 1, 0, LVIS_SELECTED | LVIS_FOCUSED, 0, LVIF_STATE},
                                          {LVN_ITEMCHANGED, 1, 0, LVIS_SELECTED | LVIS_FOCUSED, 0, LVIF_STATE},
                                          {NM_CLICK, 1, 1, 0, 0, 0}}));
  changes.clear();
  SendMessageW(lv, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(ChangedOnly(), (std::vector<Change>{{LVN_ITEMCHANGED, 1, 0, LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, LVIF_STATE},
                                                {LVN_ITEMCHANGED, 1, 0, 0, LVIS_FOCUSED, LVIF_STATE},
                                                {LVN_ITEMCHANGED, 2, 0, LVIS_SELECTED | LVIS_FOCUSED, 0, LVIF_STATE}}));
  headless::KeyDown(VK_SHIFT);
  Pump();
  SendMessageW(lv, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(lv, WM_KEYDOWN, VK_DOWN, 0);
  headless::KeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 4);
  headless::KeyDown(VK_CONTROL);
  Pump();
  ClickAt(50, Rect(3, LVIR_BOUNDS).top + 2);  // Ctrl toggles one item off
  headless::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(SendMessageW(lv, LVM_GETITEMSTATE, 3, LVIS_SELECTED | LVIS_FOCUSED), LVIS_FOCUSED);
  EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 2, LVNI_SELECTED), 4);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 4, LVNI_SELECTED), -1);

  // The parent may refuse a change; a click on nothing clears the rest.
  refuse = LVN_ITEMCHANGING;
  SendMessageW(lv, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 2);
  refuse = 0;
  ClickAt(50, 160);
  EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 0);

  changes.clear();
  SendMessageW(lv, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, Rect(0, LVIR_BOUNDS).top + 2));
  EXPECT_EQ(changes, (std::vector<Change>{{NM_DBLCLK, 0, 0, 0, 0, 0}, {LVN_ITEMACTIVATE, 0, 0, 0, 0, 0}}));
}

TEST_F(ListViewTest, SingleSelectionAndClicksBesideTheLabel) {
  HWND lv = Report(4, LVS_REPORT | LVS_SINGLESEL);
  LVITEMW state{};
  state.state = LVIS_SELECTED;
  state.stateMask = LVIS_SELECTED;
  SendMessageW(lv, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  SendMessageW(lv, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(lv, LVM_GETITEMSTATE, 2, LVIS_SELECTED), LVIS_SELECTED);
  // Without full-row selection a sub-item is not the item.
  ClickAt(200, Rect(1, LVIR_BOUNDS).top + 2);
  EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 0);
  SendMessageW(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 4);  // all at once, as Windows does
}

TEST_F(ListViewTest, RectanglesHitTestsAndNeighbours) {
  HWND lv = Report(5);
  HWND header = reinterpret_cast<HWND>(SendMessageW(lv, LVM_GETHEADER, 0, 0));
  RECT headerRect{};
  GetClientRect(header, &headerRect);
  const int top = headerRect.bottom;
  const RECT bounds = Rect(1, LVIR_BOUNDS);
  const int rowHeight = bounds.bottom - bounds.top;
  EXPECT_GT(rowHeight, 10);
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.right, 370);
  EXPECT_EQ(bounds.top, top + rowHeight);
  const RECT label = Rect(1, LVIR_LABEL);
  EXPECT_EQ(label.left, 0);
  EXPECT_EQ(label.right, 100);
  RECT sub{};
  sub.top = 2;
  sub.left = LVIR_BOUNDS;
  ASSERT_TRUE(SendMessageW(lv, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&sub)));
  EXPECT_EQ(sub.left, 250);
  EXPECT_EQ(sub.right, 370);
  RECT bad{};
  EXPECT_FALSE(SendMessageW(lv, LVM_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&bad)));

  LVHITTESTINFO info{{30, bounds.top + 1}, 0, -1, 0};
  EXPECT_EQ(SendMessageW(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), 1);
  EXPECT_EQ(info.flags, LVHT_ONITEMLABEL);
  info = LVHITTESTINFO{{200, bounds.top + 1}, 0, -1, 0};
  EXPECT_EQ(SendMessageW(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), -1);
  EXPECT_EQ(info.flags, LVHT_NOWHERE);
  EXPECT_EQ(SendMessageW(lv, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&info)), 1);
  EXPECT_EQ(info.iSubItem, 1);
  info = LVHITTESTINFO{{30, -5}, 0, -1, 0};
  EXPECT_EQ(SendMessageW(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), -1);
  EXPECT_EQ(info.flags, LVHT_ABOVE);

  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_ALL), 0);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 1, LVNI_ALL), 2);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 1, LVNI_BELOW), 2);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 1, LVNI_ABOVE), 0);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 0, LVNI_ABOVE), -1);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 1, LVNI_TORIGHT), -1);

  // List view style: columns of items, top to bottom.
  SetWindowLongW(lv, GWL_STYLE, (GetWindowLongW(lv, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_LIST);
  SendMessageW(lv, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(80, 0));
  SendMessageW(lv, WM_SIZE, 0, 0);
  const RECT first = Rect(0, LVIR_BOUNDS);
  EXPECT_EQ(first.top, 0);
  EXPECT_EQ(first.right - first.left, 80);
  EXPECT_FALSE(IsWindowVisible(header));
  const int rows = static_cast<int>(SendMessageW(lv, LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_GE(rows, 5);  // one column holds them all here
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 0, LVNI_TORIGHT), -1);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 0, LVNI_BELOW), 1);
}

TEST_F(ListViewTest, IconViewsLayOutCellsInRows) {
  HWND lv = List(LVS_ICON);
  for (int i = 0; i < 6; ++i) AddItem(lv, i, u"Icon");
  const RECT fourth = Rect(4, LVIR_BOUNDS);
  const RECT first = Rect(0, LVIR_BOUNDS);
  EXPECT_EQ(fourth.left, 75);  // three 75-pixel cells to a row
  EXPECT_GT(fourth.top, first.bottom - 1);
  const RECT icon = Rect(4, LVIR_ICON);
  EXPECT_EQ(icon.right - icon.left, 32);
  EXPECT_EQ(icon.left, 75 + (75 - 32) / 2);
  LVHITTESTINFO info{{icon.left + 5, icon.top + 5}, 0, -1, 0};
  EXPECT_EQ(SendMessageW(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), 4);
  EXPECT_EQ(info.flags, LVHT_ONITEMICON);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 1, LVNI_BELOW), 4);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 3, LVNI_ABOVE), 0);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 2, LVNI_TORIGHT), -1);
  EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, 4, LVNI_TOLEFT), 3);
  // Small icons: rows of cells as wide as the widest label.
  SetWindowLongW(lv, GWL_STYLE, (GetWindowLongW(lv, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_SMALLICON);
  const RECT small = Rect(1, LVIR_BOUNDS);
  EXPECT_EQ(small.top, Rect(0, LVIR_BOUNDS).top);
  EXPECT_EQ(small.left, Rect(0, LVIR_BOUNDS).right);
}

TEST_F(ListViewTest, ReportScrollsBothWaysAndTheHeaderFollows) {
  HWND lv = Report(40);
  HWND header = reinterpret_cast<HWND>(SendMessageW(lv, LVM_GETHEADER, 0, 0));
  SCROLLINFO v{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  SCROLLINFO h{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(lv, SB_VERT, &v));
  ASSERT_TRUE(GetScrollInfo(lv, SB_HORZ, &h));
  const int page = static_cast<int>(SendMessageW(lv, LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_EQ(v.nMax, 39);
  EXPECT_EQ(static_cast<int>(v.nPage), page);
  EXPECT_EQ(h.nMax, 369);
  RECT client{};
  GetClientRect(lv, &client);
  EXPECT_EQ(static_cast<int>(h.nPage), client.right);
  EXPECT_EQ(client.right, 240 - 4 - 16);  // both bars shown

  SendMessageW(lv, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 1);
  SendMessageW(lv, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 1 + page);
  SendMessageW(lv, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 40 - page);
  const RECT row = Rect(0, LVIR_BOUNDS);
  EXPECT_TRUE(SendMessageW(lv, LVM_ENSUREVISIBLE, 0, FALSE));
  EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 0);
  EXPECT_TRUE(SendMessageW(lv, LVM_SCROLL, 0, (row.bottom - row.top) * 3));
  EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 3);
  GetScrollInfo(lv, SB_VERT, &v);
  EXPECT_EQ(v.nPos, 3);

  SendMessageW(lv, LVM_SCROLL, 60, 0);
  GetScrollInfo(lv, SB_HORZ, &h);
  EXPECT_EQ(h.nPos, 60);
  RECT headerRect{};
  GetWindowRect(header, &headerRect);
  POINT origin{0, 0};
  ClientToScreen(lv, &origin);
  EXPECT_EQ(headerRect.left - origin.x, -60);
  EXPECT_EQ(Rect(0, LVIR_BOUNDS).left, -60);
  SendMessageW(lv, WM_HSCROLL, SB_RIGHT, 0);  // SB_RIGHT is SB_BOTTOM
  GetScrollInfo(lv, SB_HORZ, &h);
  EXPECT_EQ(h.nPos, 370 - client.right);
  SendMessageW(lv, WM_HSCROLL, SB_LINELEFT, 0);
  GetScrollInfo(lv, SB_HORZ, &h);
  EXPECT_EQ(h.nPos, 370 - client.right - 16);
}

TEST_F(ListViewTest, CustomDrawStagesForItemsAndSubItems) {
  HWND lv = Report(2);
  customDraw = [](const NMLVCUSTOMDRAW& draw) -> LRESULT {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return draw.nmcd.dwItemSpec == 0 ? CDRF_NOTIFYSUBITEMDRAW : CDRF_SKIPDEFAULT;
    return CDRF_DODEFAULT;
  };
  UpdateWindow(parent);
  stages.clear();
  RedrawWindow(lv, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const DWORD sub = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  EXPECT_EQ(stages, (std::vector<Stage>{{CDDS_PREPAINT, 0, 0},
                                        {CDDS_ITEMPREPAINT, 0, 0},
                                        {sub, 0, 0},
                                        {sub, 0, 1},
                                        {sub, 0, 2},
                                        {CDDS_ITEMPREPAINT, 1, 0},
                                        {CDDS_POSTPAINT, 0, 0}}));
}

TEST_F(ListViewTest, GoldenReportWithASelectedRowAndBothBars) {
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  HWND lv = Report(20);
  SendMessageW(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  SetFocus(lv);
  LVITEMW state{};
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(lv, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
  SendMessageW(lv, LVM_SCROLL, 30, 0);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/listview_report", GoldenTolerance{40, 80}));
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_WINDOW + 1));
}

TEST_F(ListViewTest, GoldenListStyle) {
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  HWND lv = List(LVS_LIST | LVS_SHOWSELALWAYS, RECT{10, 10, 300, 120});
  for (int i = 0; i < 16; ++i) AddItem(lv, i, u"Entry " + std::u16string(1, static_cast<char16_t>(u'a' + i)));
  LVITEMW state{};
  state.state = LVIS_SELECTED;
  state.stateMask = LVIS_SELECTED;
  SendMessageW(lv, LVM_SETITEMSTATE, 5, reinterpret_cast<LPARAM>(&state));
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/listview_list", GoldenTolerance{40, 80}));
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_WINDOW + 1));
}

TEST_F(ListViewTest, CreateFillScrollDestroyLeavesNoHandles) {
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int round = 0; round < 200; ++round) {
    HWND lv = Report(30);
    SendMessageW(lv, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(ImageList_Create(16, 16, ILC_COLOR32, 1, 1)));  // the list view's own
    SendMessageW(lv, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(lv, LVM_SCROLL, 40, 0);
    UpdateWindow(lv);
    DestroyWindow(lv);
    list = nullptr;
  }
  EXPECT_EQ(DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
}

}  // namespace
}  // namespace brellis::test
