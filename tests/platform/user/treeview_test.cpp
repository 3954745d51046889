// "SysTreeView32": items and their checked handles, notifications in
// Windows' order (with refusal), tree walks, keyboard, mouse, hit testing,
// scrolling, and the classic look.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

struct Notice {
  UINT code;
  UINT action;
  HTREEITEM oldItem;
  HTREEITEM newItem;
  bool operator==(const Notice&) const = default;
};

class TreeViewTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 300});
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<NMHDR*>(l);
        if (header.code == NM_CUSTOMDRAW) return customDraw ? customDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(l)) : 0;
        if (header.code == NM_SETFOCUS || header.code == NM_KILLFOCUS) return 0;
        const auto& info = *reinterpret_cast<NMTREEVIEWW*>(l);
        const bool tree = header.code <= TVN_FIRST && header.code > TVN_FIRST - 100;
        notices.push_back(tree ? Notice{header.code, info.action, info.itemOld.hItem, info.itemNew.hItem}
                               : Notice{header.code, 0, nullptr, nullptr});
        if (header.code == refuse) return TRUE;
        return 0;
      }
      return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), h, m, w, l);
    });
    previous = SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  }
  void TearDown() override {
    DestroyAllWindows();
    FreeWndProcThunk(thunk);
    UserTest::TearDown();
  }
  HWND Tree(DWORD style, RECT r = RECT{10, 10, 210, 200}) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(7), nullptr, nullptr);
  }
  HTREEITEM Add(HWND tree, HTREEITEM under, const char16_t* text, HTREEITEM after = TVI_LAST, int image = 0) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = under;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<LPWSTR>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = static_cast<LPARAM>(text[0]);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  static HTREEITEM Next(HWND tree, WPARAM code, HTREEITEM item = nullptr) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  }
  static std::u16string Text(HWND tree, HTREEITEM item) {
    char16_t buffer[64] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buffer;
    tv.cchTextMax = 64;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return u"<none>";
    return buffer;
  }
  static RECT ItemRect(HWND tree, HTREEITEM item, BOOL label) {
    RECT r{};
    std::memcpy(static_cast<void*>(&r), &item, sizeof item);  // the item goes in the rectangle's first bytes
    if (!SendMessageW(tree, TVM_GETITEMRECT, label, reinterpret_cast<LPARAM>(&r))) return RECT{-1, -1, -1, -1};
    return r;
  }
  static bool Expanded(HWND tree, HTREEITEM item) {
    TVITEMW tv{};
    tv.mask = TVIF_STATE;
    tv.hItem = item;
    tv.stateMask = TVIS_EXPANDED;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return (tv.state & TVIS_EXPANDED) != 0;
  }
  static LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  UINT refuse = 0;
  std::vector<Notice> notices;
  std::function<LRESULT(NMTVCUSTOMDRAW&)> customDraw;
};

// A small tree: Animals (Cat, Dog (Puppy)), Plants (Tree).
struct Sample {
  HTREEITEM animals, cat, dog, puppy, plants, oak;
};

TEST_F(TreeViewTest, InsertOrdersAndWalksEveryRelation) {
  HWND tree = Tree(TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
  ASSERT_NE(tree, nullptr);
  HTREEITEM b = Add(tree, TVI_ROOT, u"b");
  HTREEITEM d = Add(tree, TVI_ROOT, u"d");
  HTREEITEM a = Add(tree, TVI_ROOT, u"a", TVI_FIRST);
  HTREEITEM c = Add(tree, TVI_ROOT, u"C", TVI_SORT);
  HTREEITEM e = Add(tree, TVI_ROOT, u"e", d);
  HTREEITEM child = Add(tree, c, u"c1");
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 6);
  std::u16string order;
  for (HTREEITEM i = Next(tree, TVGN_ROOT); i != nullptr; i = Next(tree, TVGN_NEXT, i)) order += Text(tree, i);
  EXPECT_EQ(order, u"abCde");
  EXPECT_EQ(Next(tree, TVGN_PREVIOUS, b), a);
  EXPECT_EQ(Next(tree, TVGN_PREVIOUS, a), nullptr);
  EXPECT_EQ(Next(tree, TVGN_CHILD, c), child);
  EXPECT_EQ(Next(tree, TVGN_CHILD, TVI_ROOT), a);
  EXPECT_EQ(Next(tree, TVGN_PARENT, child), c);
  EXPECT_EQ(Next(tree, TVGN_PARENT, c), nullptr);
  EXPECT_EQ(Next(tree, TVGN_FIRSTVISIBLE), a);
  EXPECT_EQ(Next(tree, TVGN_LASTVISIBLE), e);
  EXPECT_EQ(Next(tree, TVGN_NEXTVISIBLE, c), d);  // the collapsed child is not shown
  EXPECT_EQ(Next(tree, TVGN_NEXTVISIBLE, child), nullptr);
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(c));
  EXPECT_EQ(Next(tree, TVGN_NEXTVISIBLE, c), child);
  EXPECT_EQ(Next(tree, TVGN_PREVIOUSVISIBLE, d), child);
  EXPECT_EQ(Next(tree, TVGN_CARET), nullptr);
  EXPECT_EQ(Next(tree, TVGN_DROPHILITE), nullptr);
  // Inserting after an item of another parent fails.
  EXPECT_EQ(Add(tree, c, u"x", b), nullptr);
}

TEST_F(TreeViewTest, DeletedHandlesFailCleanlyAndDeleteNotifiesChildrenFirst) {
  HWND tree = Tree(TVS_HASBUTTONS);
  HTREEITEM top = Add(tree, TVI_ROOT, u"top");
  HTREEITEM one = Add(tree, top, u"one");
  HTREEITEM two = Add(tree, one, u"two");
  HTREEITEM other = Add(tree, TVI_ROOT, u"other");
  notices.clear();
  EXPECT_TRUE(SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(top)));
  const std::vector<Notice> expected{{TVN_DELETEITEMW, 0, two, nullptr},
                                     {TVN_DELETEITEMW, 0, one, nullptr},
                                     {TVN_DELETEITEMW, 0, top, nullptr}};
  EXPECT_EQ(notices, expected);
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(Text(tree, one), u"<none>");
  EXPECT_FALSE(SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(top)));
  EXPECT_FALSE(SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(top)));
  EXPECT_FALSE(SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(two)));
  EXPECT_EQ(Add(tree, top, u"orphan"), nullptr);
  EXPECT_EQ(Next(tree, TVGN_NEXT, one), nullptr);
  EXPECT_EQ(ItemRect(tree, top, TRUE).left, -1);
  EXPECT_EQ(SendMessageW(tree, TVM_INSERTITEMW, 0, 0), 0);
  // A handle that was never given out fails too; new handles are never old ones.
  EXPECT_EQ(Text(tree, reinterpret_cast<HTREEITEM>(0x1234567)), u"<none>");
  HTREEITEM fresh = Add(tree, TVI_ROOT, u"fresh");
  EXPECT_NE(fresh, top);
  EXPECT_NE(fresh, two);
  // TVI_ROOT deletes every item.
  notices.clear();
  EXPECT_TRUE(SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(notices.size(), 2u);
  EXPECT_EQ(Text(tree, other), u"<none>");
}

TEST_F(TreeViewTest, SelectionNotifiesChangingThenChangedAndCanBeRefused) {
  HWND tree = Tree(TVS_HASBUTTONS);
  HTREEITEM a = Add(tree, TVI_ROOT, u"a");
  HTREEITEM b = Add(tree, TVI_ROOT, u"b");
  HTREEITEM b1 = Add(tree, b, u"b1");
  notices.clear();
  EXPECT_TRUE(SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a)));
  EXPECT_EQ(notices, (std::vector<Notice>{{TVN_SELCHANGINGW, TVC_UNKNOWN, nullptr, a},
                                          {TVN_SELCHANGEDW, TVC_UNKNOWN, nullptr, a}}));
  notices.clear();
  refuse = TVN_SELCHANGINGW;
  EXPECT_FALSE(SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(b)));
  EXPECT_EQ(notices, (std::vector<Notice>{{TVN_SELCHANGINGW, TVC_UNKNOWN, a, b}}));
  EXPECT_EQ(Next(tree, TVGN_CARET), a);
  refuse = 0;
  // Selecting a hidden item expands its parent first (once: TVN_ITEMEXPANDING/ED).
  notices.clear();
  EXPECT_TRUE(SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(b1)));
  EXPECT_EQ(notices, (std::vector<Notice>{{TVN_SELCHANGINGW, TVC_UNKNOWN, a, b1},
                                          {TVN_ITEMEXPANDINGW, TVE_EXPAND, nullptr, b},
                                          {TVN_ITEMEXPANDEDW, TVE_EXPAND, nullptr, b},
                                          {TVN_SELCHANGEDW, TVC_UNKNOWN, a, b1}}));
  TVITEMW tv{TVIF_STATE, b1, 0, TVIS_SELECTED, nullptr, 0, 0, 0, 0, 0};
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  EXPECT_EQ(tv.state, TVIS_SELECTED);
  // Collapsing the parent moves the selection up to it; deleting the
  // selected item selects its next sibling, else its parent.
  notices.clear();
  SendMessageW(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(b));
  EXPECT_EQ(Next(tree, TVGN_CARET), b);
  EXPECT_EQ(notices, (std::vector<Notice>{{TVN_SELCHANGINGW, TVC_UNKNOWN, b1, b},
                                          {TVN_SELCHANGEDW, TVC_UNKNOWN, b1, b}}));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a));
  SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(a));
  EXPECT_EQ(Next(tree, TVGN_CARET), b);
}

TEST_F(TreeViewTest, ExpandMessageNotifiesUntilExpandedOnceAndRefusalKeepsItClosed) {
  HWND tree = Tree(TVS_HASBUTTONS);
  HTREEITEM a = Add(tree, TVI_ROOT, u"a");
  HTREEITEM leaf = Add(tree, TVI_ROOT, u"leaf");
  Add(tree, a, u"a1");
  notices.clear();
  refuse = TVN_ITEMEXPANDINGW;
  EXPECT_FALSE(SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a)));
  EXPECT_FALSE(Expanded(tree, a));
  refuse = 0;
  EXPECT_TRUE(SendMessageW(tree, TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(a)));
  EXPECT_TRUE(Expanded(tree, a));
  EXPECT_TRUE(SendMessageW(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(a)));
  EXPECT_TRUE(SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a)));
  EXPECT_EQ(notices, (std::vector<Notice>{{TVN_ITEMEXPANDINGW, TVE_EXPAND, nullptr, a},
                                          {TVN_ITEMEXPANDINGW, TVE_EXPAND, nullptr, a},
                                          {TVN_ITEMEXPANDEDW, TVE_EXPAND, nullptr, a}}));
  EXPECT_FALSE(SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(leaf)));
  EXPECT_EQ(SendMessageW(tree, TVM_GETVISIBLECOUNT, 0, 0), 186 / SendMessageW(tree, TVM_GETITEMHEIGHT, 0, 0));
}

TEST_F(TreeViewTest, KeyboardMovesSelectsExpandsAndCollapses) {
  HWND tree = Tree(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
  HTREEITEM a = Add(tree, TVI_ROOT, u"a");
  HTREEITEM a1 = Add(tree, a, u"a1");
  HTREEITEM a1x = Add(tree, a1, u"a1x");
  HTREEITEM b = Add(tree, TVI_ROOT, u"b");
  SetFocus(tree);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a));
  notices.clear();
  SendMessageW(tree, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(Next(tree, TVGN_CARET), b);
  EXPECT_EQ(notices, (std::vector<Notice>{{TVN_SELCHANGINGW, TVC_BYKEYBOARD, a, b},
                                          {TVN_SELCHANGEDW, TVC_BYKEYBOARD, a, b}}));
  SendMessageW(tree, WM_KEYDOWN, VK_UP, 0);
  SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);  // expands
  EXPECT_TRUE(Expanded(tree, a));
  EXPECT_EQ(Next(tree, TVGN_CARET), a);
  SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);  // to the first child
  EXPECT_EQ(Next(tree, TVGN_CARET), a1);
  SendMessageW(tree, WM_KEYDOWN, VK_LEFT, 0);  // to the parent
  EXPECT_EQ(Next(tree, TVGN_CARET), a);
  SendMessageW(tree, WM_KEYDOWN, 0x6D, 0);  // keypad minus collapses
  EXPECT_FALSE(Expanded(tree, a));
  SendMessageW(tree, WM_KEYDOWN, 0x6A, 0);  // keypad star expands everything below
  EXPECT_TRUE(Expanded(tree, a));
  EXPECT_TRUE(Expanded(tree, a1));
  SendMessageW(tree, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(Next(tree, TVGN_CARET), b);
  SendMessageW(tree, WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(Next(tree, TVGN_CARET), a);
  SendMessageW(tree, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(Next(tree, TVGN_CARET), b);
  SendMessageW(tree, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Next(tree, TVGN_CARET), a);
  SendMessageW(tree, WM_KEYDOWN, VK_LEFT, 0);  // collapses
  SendMessageW(tree, WM_KEYDOWN, 0x6B, 0);     // keypad plus expands
  EXPECT_TRUE(Expanded(tree, a));
  EXPECT_EQ(Next(tree, TVGN_NEXTVISIBLE, a1), a1x);
  EXPECT_EQ(SendMessageW(tree, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(TreeViewTest, HitTestingAndMouseClicksSelectAndToggle) {
  HWND tree = Tree(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
  HTREEITEM a = Add(tree, TVI_ROOT, u"alpha");
  HTREEITEM a1 = Add(tree, a, u"one");
  HTREEITEM b = Add(tree, TVI_ROOT, u"beta");
  const int indent = static_cast<int>(SendMessageW(tree, TVM_GETINDENT, 0, 0));
  EXPECT_EQ(indent, 19);
  const RECT label = ItemRect(tree, a, TRUE);
  const RECT row = ItemRect(tree, a, FALSE);
  EXPECT_EQ(label.left, indent);
  EXPECT_EQ(row.left, 0);
  EXPECT_GT(label.right, label.left + 10);
  auto hit = [&](int x, int y, UINT& flags) {
    TVHITTESTINFO info{{x, y}, 0, nullptr};
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(item, info.hItem);
    flags = info.flags;
    return item;
  };
  UINT flags = 0;
  const int y = (label.top + label.bottom) / 2;
  EXPECT_EQ(hit(label.left + 3, y, flags), a);
  EXPECT_EQ(flags, TVHT_ONITEMLABEL);
  EXPECT_EQ(hit(indent / 2, y, flags), a);
  EXPECT_EQ(flags, TVHT_ONITEMBUTTON);
  EXPECT_EQ(hit(label.right + 5, y, flags), a);
  EXPECT_EQ(flags, TVHT_ONITEMRIGHT);
  EXPECT_EQ(hit(5, 150, flags), nullptr);
  EXPECT_EQ(flags, TVHT_NOWHERE);
  EXPECT_EQ(hit(-3, -3, flags), nullptr);
  EXPECT_EQ(flags, TVHT_ABOVE | TVHT_TOLEFT);
  // The button toggles; a click on a label tells the parent, then selects.
  notices.clear();
  SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(indent / 2, y));
  SendMessageW(tree, WM_LBUTTONUP, 0, MAKELPARAM(indent / 2, y));
  EXPECT_TRUE(Expanded(tree, a));
  EXPECT_EQ(notices, (std::vector<Notice>{{TVN_ITEMEXPANDINGW, TVE_EXPAND, nullptr, a},
                                          {TVN_ITEMEXPANDEDW, TVE_EXPAND, nullptr, a}}));
  const RECT second = ItemRect(tree, a1, TRUE);
  EXPECT_EQ(second.left, 2 * indent);
  EXPECT_EQ(second.top, label.bottom);
  notices.clear();
  SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 2, second.top + 2));
  SendMessageW(tree, WM_LBUTTONUP, 0, MAKELPARAM(second.left + 2, second.top + 2));
  EXPECT_EQ(notices, (std::vector<Notice>{{NM_CLICK, 0, nullptr, nullptr},
                                          {TVN_SELCHANGINGW, TVC_BYMOUSE, nullptr, a1},
                                          {TVN_SELCHANGEDW, TVC_BYMOUSE, nullptr, a1}}));
  EXPECT_EQ(GetFocus(), tree);
  // A double click on a label tells the parent, then toggles the item.
  notices.clear();
  SendMessageW(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(label.left + 3, y));
  EXPECT_FALSE(Expanded(tree, a));
  EXPECT_EQ(notices.front(), (Notice{NM_DBLCLK, 0, nullptr, nullptr}));
  // Collapsing hid the selected child: the selection moved up.
  EXPECT_EQ(Next(tree, TVGN_CARET), a);
  EXPECT_EQ(ItemRect(tree, b, TRUE).top, label.bottom);
}

TEST_F(TreeViewTest, ManyItemsScrollWithBarsKeysAndEnsureVisible) {
  HWND tree = Tree(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, RECT{10, 10, 130, 130});
  std::vector<HTREEITEM> items;
  for (int i = 0; i < 40; ++i) {
    const std::u16string text = u"item with a rather long label " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
    items.push_back(Add(tree, TVI_ROOT, text.c_str()));
  }
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(tree, SB_VERT, &info));
  const int visible = static_cast<int>(SendMessageW(tree, TVM_GETVISIBLECOUNT, 0, 0));
  EXPECT_EQ(info.nMax, 39);
  EXPECT_EQ(static_cast<int>(info.nPage), visible);
  EXPECT_TRUE(GetWindowLongW(tree, GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLongW(tree, GWL_STYLE) & WS_HSCROLL);  // the labels are wider than the window
  SendMessageW(tree, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Next(tree, TVGN_FIRSTVISIBLE), items[1]);
  SendMessageW(tree, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(Next(tree, TVGN_FIRSTVISIBLE), items[static_cast<std::size_t>(visible)]);
  SendMessageW(tree, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(Next(tree, TVGN_FIRSTVISIBLE), items[static_cast<std::size_t>(40 - visible)]);
  SendMessageW(tree, WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(ItemRect(tree, items[39], TRUE).left, 19 - 19);
  SendMessageW(tree, WM_HSCROLL, SB_TOP, 0);
  SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(items[3]));
  EXPECT_EQ(Next(tree, TVGN_FIRSTVISIBLE), items[3]);
  SetFocus(tree);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[3]));
  SendMessageW(tree, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(Next(tree, TVGN_FIRSTVISIBLE), items[static_cast<std::size_t>(40 - visible)]);
  GetScrollInfo(tree, SB_VERT, &info);
  EXPECT_EQ(info.nPos, 40 - visible);
  // Emptied, the tree hides its bars again.
  SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  EXPECT_FALSE(GetWindowLongW(tree, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(TreeViewTest, AnsiItemsAndAnsiParentsGetTheACodes) {
  HWND ansiParent = CreateWindowExA(0, MessageRecorder::AnsiClass(), "A", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr,
                                    nullptr, nullptr, nullptr);
  std::vector<UINT> codes;
  WNDPROC spy = MakeWndProcThunk([&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_NOTIFY) codes.push_back(reinterpret_cast<NMHDR*>(l)->code);
    return DefWindowProcA(h, m, w, l);
  });
  SetWindowLongPtrA(ansiParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(spy));
  HWND tree = CreateWindowExW(0, WC_TREEVIEWW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 150, 150, ansiParent, nullptr,
                              nullptr, nullptr);
  const std::string text = u8"树"_ansi;
  TVINSERTSTRUCTA insert{};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text.c_str());
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  EXPECT_EQ(Text(tree, item), u"树");
  char buffer[16] = {};
  TVITEMA get{TVIF_TEXT, item, 0, 0, buffer, 16, 0, 0, 0, 0};
  EXPECT_TRUE(SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get)));
  EXPECT_EQ(std::string(buffer), text);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  DestroyWindow(tree);
  EXPECT_EQ(codes, (std::vector<UINT>{TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_DELETEITEMA}));
  DestroyWindow(ansiParent);
  FreeWndProcThunk(spy);
}

TEST_F(TreeViewTest, ANewFontMeasuresHiddenItemsAgain) {
  HWND tree = Tree(TVS_HASBUTTONS);
  HTREEITEM top = Add(tree, TVI_ROOT, u"top");
  HTREEITEM child = Add(tree, top, u"a child label");
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(top));
  const RECT before = ItemRect(tree, child, TRUE);
  SendMessageW(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(top));
  LOGFONTW big{};
  big.lfHeight = -24;
  HFONT font = CreateFontIndirectW(&big);
  SendMessageW(tree, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(top));
  const RECT after = ItemRect(tree, child, TRUE);
  EXPECT_GT(after.right - after.left, before.right - before.left);
  EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
  DestroyWindow(tree);
  DeleteObject(font);
}

TEST_F(TreeViewTest, CustomDrawAsksForEachItemInRowOrder) {
  HWND tree = Tree(TVS_HASLINES);
  HTREEITEM a = Add(tree, TVI_ROOT, u"a");
  HTREEITEM b = Add(tree, TVI_ROOT, u"b");
  std::vector<std::pair<DWORD, DWORD_PTR>> stages;
  customDraw = [&](NMTVCUSTOMDRAW& draw) -> LRESULT {
    stages.emplace_back(draw.nmcd.dwDrawStage, draw.nmcd.dwItemSpec);
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    return CDRF_DODEFAULT;
  };
  RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const auto itemOf = [](HTREEITEM h) { return reinterpret_cast<DWORD_PTR>(h); };
  EXPECT_EQ(stages, (std::vector<std::pair<DWORD, DWORD_PTR>>{
                        {CDDS_PREPAINT, 0}, {CDDS_ITEMPREPAINT, itemOf(a)}, {CDDS_ITEMPREPAINT, itemOf(b)}, {CDDS_POSTPAINT, 0}}));
  customDraw = nullptr;
}

TEST_F(TreeViewTest, GoldenExpandedTreeWithLinesButtonsImagesAndSelection) {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 2, 0);
  for (COLORREF colour : {RGB(230, 180, 40), RGB(40, 120, 220)}) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 16, 16};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &all, white);
    DeleteObject(white);
    const RECT inner{2, 3, 14, 13};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &inner, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_Add(images, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  HWND tree = Tree(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, RECT{10, 10, 200, 220});
  SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
  HTREEITEM animals = Add(tree, TVI_ROOT, u"Animals", TVI_LAST, 0);
  Add(tree, animals, u"Cat", TVI_LAST, 1);
  HTREEITEM dog = Add(tree, animals, u"Dog", TVI_LAST, 0);
  HTREEITEM puppy = Add(tree, dog, u"Puppy", TVI_LAST, 1);
  Add(tree, animals, u"Horse", TVI_LAST, 1);
  HTREEITEM plants = Add(tree, TVI_ROOT, u"Plants", TVI_LAST, 0);
  Add(tree, plants, u"Oak", TVI_LAST, 1);
  Add(tree, TVI_ROOT, u"Stones", TVI_LAST, 1);
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(animals));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(puppy));
  EXPECT_TRUE(Expanded(tree, dog));
  SetFocus(tree);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/tree_view", GoldenTolerance{48, 40}));
  DestroyWindow(tree);
  ImageList_Destroy(images);
}

}  // namespace
}  // namespace brellis::test
