// "ReBarWindow32": its messages and structures against the values Windows
// gives, bands inserted, read and deleted in both character sets, the
// height following bands and breaks, child windows kept in their bands,
// hit testing, dragging and the notifications, the classic look, and no
// leaks.
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

REBARBANDINFOW Info(UINT mask) {
  REBARBANDINFOW info{};
  info.cbSize = sizeof(REBARBANDINFOW);
  info.fMask = mask;
  return info;
}

class RebarTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 440, 300});
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(l);
        if (header->code >= RBN_CHILDSIZE && header->code <= RBN_HEIGHTCHANGE) {
          if (header->code != RBN_CHILDSIZE) notices.push_back(header->code);
          if (header->code == RBN_DELETINGBAND || header->code == RBN_DELETEDBAND || header->code == RBN_BEGINDRAG) {
            bandNotices.push_back(*reinterpret_cast<const NMREBAR*>(l));
          }
          if (header->code == RBN_BEGINDRAG) return refuseDrag ? 1 : 0;
          return 0;
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
  HWND Bar(DWORD style = RBS_VARHEIGHT) {
    return CreateWindowExW(0, REBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(9), nullptr, nullptr);
  }
  HWND Child(int width, int height) {
    return CreateWindowExW(0, u"Static", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, width, height, parent, nullptr, nullptr,
                           nullptr);
  }
  // A band holding `child` at least `minHeight` tall and `cx` wide.
  void AddBand(HWND bar, HWND child, UINT minHeight, UINT cx = 0, UINT style = 0, UINT id = 0) {
    REBARBANDINFOW info = Info(RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID);
    info.fStyle = style;
    info.hwndChild = child;
    info.cxMinChild = 20;
    info.cyMinChild = minHeight;
    info.cx = cx;
    info.wID = id;
    ASSERT_TRUE(SendMessageW(bar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info)));
  }
  RECT BandRect(HWND bar, int index) {
    RECT r{};
    SendMessageW(bar, RB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // A window's rectangle in its parent's client coordinates.
  static RECT InParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static int WindowHeight(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
  }
  int HeightChanges() const { return static_cast<int>(std::count(notices.begin(), notices.end(), RBN_HEIGHTCHANGE)); }

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  std::vector<UINT> notices;
  std::vector<NMREBAR> bandNotices;
  bool refuseDrag = false;
};

TEST_F(RebarTest, MessageNumbersStylesAndStructuresAreWindows) {
  EXPECT_EQ(RB_INSERTBANDA, 0x401u);
  EXPECT_EQ(RB_DELETEBAND, 0x402u);
  EXPECT_EQ(RB_SETBARINFO, 0x404u);
  EXPECT_EQ(RB_SETBANDINFOA, 0x406u);
  EXPECT_EQ(RB_HITTEST, 0x408u);
  EXPECT_EQ(RB_GETRECT, 0x409u);
  EXPECT_EQ(RB_INSERTBANDW, 0x40Au);
  EXPECT_EQ(RB_SETBANDINFOW, 0x40Bu);
  EXPECT_EQ(RB_GETBANDCOUNT, 0x40Cu);
  EXPECT_EQ(RB_GETROWCOUNT, 0x40Du);
  EXPECT_EQ(RB_GETROWHEIGHT, 0x40Eu);
  EXPECT_EQ(RB_IDTOINDEX, 0x410u);
  EXPECT_EQ(RB_SETBKCOLOR, 0x413u);
  EXPECT_EQ(RB_GETBKCOLOR, 0x414u);
  EXPECT_EQ(RB_SETTEXTCOLOR, 0x415u);
  EXPECT_EQ(RB_GETBARHEIGHT, 0x41Bu);
  EXPECT_EQ(RB_GETBANDINFOW, 0x41Cu);
  EXPECT_EQ(RB_GETBANDINFOA, 0x41Du);
  EXPECT_EQ(RB_MINIMIZEBAND, 0x41Eu);
  EXPECT_EQ(RB_MAXIMIZEBAND, 0x41Fu);
  EXPECT_EQ(RB_SHOWBAND, 0x423u);
  EXPECT_EQ(RBN_HEIGHTCHANGE, 0xFFFFFCC1u);
  EXPECT_EQ(RBN_BEGINDRAG, 0u - 835u);
  EXPECT_EQ(RBN_ENDDRAG, 0u - 836u);
  EXPECT_EQ(RBN_DELETEDBAND, 0u - 838u);
  EXPECT_EQ(RBBS_GRIPPERALWAYS | RBBS_NOGRIPPER | RBBS_VARIABLEHEIGHT, 0x1C0u);
  EXPECT_EQ(RBBIM_HEADERSIZE | RBBIM_LPARAM | RBBIM_IDEALSIZE | RBBIM_ID, 0xF00u);
  EXPECT_EQ(RBS_BANDBORDERS | RBS_VARHEIGHT, 0x600u);
  if (sizeof(void*) == 8) {
    EXPECT_EQ(REBARBANDINFOW_V3_SIZE, 76u);
    EXPECT_EQ(REBARBANDINFOW_V6_SIZE, 108u);
  } else {
    EXPECT_EQ(REBARBANDINFOW_V3_SIZE, 56u);
    EXPECT_EQ(REBARBANDINFOW_V6_SIZE, 80u);
  }
  EXPECT_EQ(REBARBANDINFOA_V6_SIZE, REBARBANDINFOW_V6_SIZE);
}

TEST_F(RebarTest, BandsAreInsertedReadInBothCharacterSetsAndDeleted) {
  HWND bar = Bar();
  REBARBANDINFOW first = Info(RBBIM_TEXT | RBBIM_ID | RBBIM_LPARAM | RBBIM_COLORS | RBBIM_STYLE);
  first.lpText = const_cast<LPWSTR>(u"地址");
  first.wID = 30;
  first.lParam = 0x1234;
  first.clrFore = RGB(1, 2, 3);
  first.clrBack = RGB(4, 5, 6);
  first.fStyle = RBBS_CHILDEDGE;
  EXPECT_TRUE(SendMessageW(bar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&first)));
  REBARBANDINFOA second{};
  second.cbSize = sizeof(second);
  second.fMask = RBBIM_TEXT | RBBIM_ID;
  second.lpText = const_cast<LPSTR>("Links");
  second.wID = 31;
  EXPECT_TRUE(SendMessageA(bar, RB_INSERTBANDA, 0, reinterpret_cast<LPARAM>(&second)));  // before the first
  EXPECT_EQ(SendMessageW(bar, RB_GETBANDCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(bar, RB_IDTOINDEX, 30, 0), 1);
  EXPECT_EQ(SendMessageW(bar, RB_IDTOINDEX, 31, 0), 0);
  EXPECT_EQ(SendMessageW(bar, RB_IDTOINDEX, 99, 0), -1);

  char16_t wide[16]{};
  REBARBANDINFOW got = Info(RBBIM_TEXT | RBBIM_ID | RBBIM_LPARAM | RBBIM_COLORS | RBBIM_STYLE);
  got.lpText = wide;
  got.cch = 16;
  EXPECT_TRUE(SendMessageW(bar, RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(std::u16string(wide), u"地址");
  EXPECT_EQ(got.wID, 30u);
  EXPECT_EQ(got.lParam, 0x1234);
  EXPECT_EQ(got.clrFore, RGB(1, 2, 3));
  EXPECT_EQ(got.clrBack, RGB(4, 5, 6));
  EXPECT_EQ(got.fStyle, RBBS_CHILDEDGE);
  char ansi[8]{};
  REBARBANDINFOA gotA{};
  gotA.cbSize = sizeof(gotA);
  gotA.fMask = RBBIM_TEXT;
  gotA.lpText = ansi;
  gotA.cch = 3;  // cut to the buffer, never inside a double-byte character
  EXPECT_TRUE(SendMessageA(bar, RB_GETBANDINFOA, 1, reinterpret_cast<LPARAM>(&gotA)));
  EXPECT_EQ(std::string(ansi), "\xB5\xD8");  // 地 in code page 936
  // A band that never had colours follows the bar's.
  got = Info(RBBIM_COLORS);
  SendMessageW(bar, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&got));
  EXPECT_EQ(got.clrBack, CLR_DEFAULT);

  EXPECT_TRUE(SendMessageW(bar, RB_DELETEBAND, 1, 0));
  ASSERT_EQ(bandNotices.size(), 2u);
  EXPECT_EQ(notices[notices.size() - 2], RBN_DELETINGBAND);
  EXPECT_EQ(notices.back(), RBN_DELETEDBAND);
  EXPECT_EQ(bandNotices[0].uBand, 1u);
  EXPECT_EQ(bandNotices[0].wID, 30u);
  EXPECT_EQ(bandNotices[0].lParam, 0x1234);
  EXPECT_EQ(bandNotices[0].dwMask, RBNM_ID | RBNM_STYLE | RBNM_LPARAM);
  EXPECT_EQ(SendMessageW(bar, RB_GETBANDCOUNT, 0, 0), 1);
  EXPECT_FALSE(SendMessageW(bar, RB_DELETEBAND, 5, 0));
}

TEST_F(RebarTest, BadBandInformationIsRefused) {
  HWND bar = Bar();
  REBARBANDINFOW info = Info(RBBIM_ID);
  info.cbSize = 20;  // shorter than any size Windows knows
  EXPECT_FALSE(SendMessageW(bar, RB_INSERTBANDW, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_FALSE(SendMessageW(bar, RB_INSERTBANDW, 0, 0));
  HWND gone = Child(10, 10);
  DestroyWindow(gone);
  info = Info(RBBIM_CHILD);
  info.hwndChild = gone;
  EXPECT_FALSE(SendMessageW(bar, RB_INSERTBANDW, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(SendMessageW(bar, RB_GETBANDCOUNT, 0, 0), 0);
  info = Info(RBBIM_ID);
  EXPECT_FALSE(SendMessageW(bar, RB_SETBANDINFOW, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_FALSE(SendMessageW(bar, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&info)));
  RECT r{};
  EXPECT_FALSE(SendMessageW(bar, RB_GETRECT, 0, reinterpret_cast<LPARAM>(&r)));
  EXPECT_FALSE(SendMessageW(bar, RB_SHOWBAND, 3, TRUE));
  SendMessageW(bar, RB_MAXIMIZEBAND, 7, 0);  // nothing to do, no crash
  SendMessageW(bar, RB_MINIMIZEBAND, 7, 0);
  REBARINFO barInfo{sizeof(REBARINFO) - 1, RBIM_IMAGELIST, nullptr};
  EXPECT_FALSE(SendMessageW(bar, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&barInfo)));
}

TEST_F(RebarTest, TheShortStructureLeavesTheLaterMembersAlone) {
  HWND bar = Bar();
  REBARBANDINFOW info = Info(RBBIM_ID | RBBIM_LPARAM);
  info.cbSize = REBARBANDINFOW_V3_SIZE;
  info.wID = 5;
  info.lParam = 77;
  EXPECT_TRUE(SendMessageW(bar, RB_INSERTBANDW, 0, reinterpret_cast<LPARAM>(&info)));
  REBARBANDINFOW got = Info(RBBIM_ID | RBBIM_LPARAM);
  got.lParam = -1;
  EXPECT_TRUE(SendMessageW(bar, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(got.wID, 5u);
  EXPECT_EQ(got.lParam, 0);  // never given: the short form has no lParam
  got.cbSize = REBARBANDINFOW_V3_SIZE;
  got.lParam = -1;
  EXPECT_TRUE(SendMessageW(bar, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(got.lParam, -1);  // not written past the caller's size
}

TEST_F(RebarTest, HeightFollowsTheBandsAndTheirBreaks) {
  HWND bar = Bar();
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(bar, RB_GETBKCOLOR, 0, 0), static_cast<LRESULT>(CLR_NONE));
  HWND a = Child(60, 22);
  HWND b = Child(60, 30);
  HWND c = Child(60, 18);
  AddBand(bar, a, 22, 120);
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 22);
  EXPECT_EQ(HeightChanges(), 1);
  // The bar spans its parent at the top; the divider lies above the bands.
  RECT client{};
  GetClientRect(parent, &client);
  EXPECT_EQ(InParent(bar), (RECT{0, 0, client.right, 24}));
  AddBand(bar, b, 30, 120);
  EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 30);
  EXPECT_EQ(SendMessageW(bar, RB_GETROWHEIGHT, 0, 0), 30);
  EXPECT_EQ(HeightChanges(), 2);
  AddBand(bar, c, 18, 0, RBBS_BREAK);
  EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 48);
  EXPECT_EQ(SendMessageW(bar, RB_GETROWHEIGHT, 2, 0), 18);
  EXPECT_EQ(WindowHeight(bar), 50);
  EXPECT_EQ(BandRect(bar, 2), (RECT{0, 30, client.right, 48}));
  // Without RBS_VARHEIGHT every row is as tall as the tallest.
  SetWindowLongW(bar, GWL_STYLE, GetWindowLongW(bar, GWL_STYLE) & ~RBS_VARHEIGHT);
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 60);
  SetWindowLongW(bar, GWL_STYLE, GetWindowLongW(bar, GWL_STYLE) | RBS_VARHEIGHT | RBS_BANDBORDERS);
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 50);  // a border between the rows
  // A hidden band takes its row and its child with it.
  EXPECT_TRUE(SendMessageW(bar, RB_SHOWBAND, 2, FALSE));
  EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 30);
  EXPECT_FALSE(IsWindowVisible(c));
  EXPECT_TRUE(SendMessageW(bar, RB_SHOWBAND, 2, TRUE));
  EXPECT_TRUE(IsWindowVisible(c));
  EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 2);
  // A band that no longer fits beside the others goes to a new row.
  SendMessageW(bar, RB_DELETEBAND, 2, 0);
  SetWindowLongW(bar, GWL_STYLE, GetWindowLongW(bar, GWL_STYLE) | CCS_NORESIZE);
  SetWindowPos(bar, nullptr, 0, 0, 60, 60, SWP_NOZORDER);
  EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 2);
  EXPECT_EQ(WindowHeight(bar), 60);  // CCS_NORESIZE: the bar keeps the size it was given
}

TEST_F(RebarTest, ChildWindowsAreKeptInTheirBands) {
  HWND bar = Bar(RBS_VARHEIGHT | CCS_NODIVIDER);
  RECT client{};
  GetClientRect(parent, &client);
  HWND a = Child(50, 20);
  HWND b = Child(50, 14);
  AddBand(bar, a, 20, 150, 0, 1);
  EXPECT_EQ(GetParent(a), bar);
  EXPECT_TRUE(IsWindowVisible(a));
  // One band shows no gripper: the child starts at the band's left.
  EXPECT_EQ(InParent(a), (RECT{0, 0, client.right - 4, 20}));
  AddBand(bar, b, 14, 0, RBBS_CHILDEDGE, 2);
  // Grippers now: 2 + 3 + 4 pixels before each child; the first band keeps
  // the width it asked for, the last takes the rest; a shorter child is
  // centred in the row's height.
  EXPECT_EQ(BandRect(bar, 0), (RECT{0, 0, 150, 20}));
  EXPECT_EQ(InParent(a), (RECT{9, 0, 146, 20}));
  EXPECT_EQ(BandRect(bar, 1), (RECT{150, 0, client.right, 20}));
  EXPECT_EQ(InParent(b), (RECT{159, 3, client.right - 4, 17}));
  RECT borders{};
  SendMessageW(bar, RB_GETBANDBORDERS, 1, reinterpret_cast<LPARAM>(&borders));
  EXPECT_EQ(borders, (RECT{9, 2, 4, 2}));
  // The parent's width reaches the bands when it passes its WM_SIZE on.
  SetWindowPos(parent, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(parent, &client);
  SendMessageW(bar, WM_SIZE, 0, 0);
  EXPECT_EQ(InParent(b).right, client.right - 4);
  // A fixed-size band has no gripper and keeps its width.
  REBARBANDINFOW style = Info(RBBIM_STYLE);
  style.fStyle = RBBS_FIXEDSIZE;
  SendMessageW(bar, RB_SETBANDINFOW, 0, reinterpret_cast<LPARAM>(&style));
  EXPECT_EQ(InParent(a).left, 0);
  // A variable-height child grows with its row in whole steps.
  REBARBANDINFOW grow = Info(RBBIM_STYLE | RBBIM_CHILDSIZE);
  grow.fStyle = RBBS_VARIABLEHEIGHT;
  grow.cyMinChild = 10;
  grow.cyChild = 10;
  grow.cyMaxChild = 40;
  grow.cyIntegral = 4;
  SendMessageW(bar, RB_SETBANDINFOW, 1, reinterpret_cast<LPARAM>(&grow));
  EXPECT_EQ(WindowHeight(b), 18);  // 10 + 2 steps of 4 in a row 20 tall
  // A band's child taken away is hidden and given back to its old parent.
  REBARBANDINFOW none = Info(RBBIM_CHILD);
  SendMessageW(bar, RB_SETBANDINFOW, 1, reinterpret_cast<LPARAM>(&none));
  EXPECT_EQ(GetParent(b), parent);
  EXPECT_FALSE(IsWindowVisible(b));
  SendMessageW(bar, RB_DELETEBAND, 0, 0);
  EXPECT_EQ(GetParent(a), parent);
}

TEST_F(RebarTest, HitTestingAndMaximizingAndMinimizing) {
  HWND bar = Bar(RBS_VARHEIGHT | CCS_NODIVIDER);
  RECT client{};
  GetClientRect(parent, &client);
  AddBand(bar, Child(50, 20), 20, 150);
  AddBand(bar, Child(50, 20), 20, 0);
  RBHITTESTINFO hit{};
  hit.pt = POINT{3, 5};
  EXPECT_EQ(SendMessageW(bar, RB_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
  EXPECT_EQ(hit.flags, RBHT_GRABBER);
  hit.pt = POINT{160, 5};
  EXPECT_EQ(SendMessageW(bar, RB_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
  EXPECT_EQ(hit.flags, RBHT_CLIENT);
  hit.pt = POINT{10, 50};
  EXPECT_EQ(SendMessageW(bar, RB_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
  EXPECT_EQ(hit.flags, RBHT_NOWHERE);
  // Maximised, the first band leaves the second only its least width
  // (9 header + 20 child + 4 after it); minimised it keeps only its own.
  SendMessageW(bar, RB_MAXIMIZEBAND, 0, FALSE);
  EXPECT_EQ(BandRect(bar, 1).left, client.right - 33);
  SendMessageW(bar, RB_MINIMIZEBAND, 0, 0);
  EXPECT_EQ(BandRect(bar, 0), (RECT{0, 0, 33, 20}));
}

TEST_F(RebarTest, DraggingAGripperResizesAndMovesBands) {
  HWND bar = Bar(RBS_VARHEIGHT | CCS_NODIVIDER);
  AddBand(bar, Child(50, 20), 20, 150, 0, 1);
  AddBand(bar, Child(50, 20), 20, 120, 0, 2);
  AddBand(bar, Child(50, 20), 20, 0, 0, 3);
  notices.clear();
  // The second band's gripper taken at x 152 and moved left by 50.
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(152, 5));
  EXPECT_EQ(GetCapture(), bar);
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(102, 5));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(102, 5));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(BandRect(bar, 0), (RECT{0, 0, 100, 20}));
  EXPECT_EQ(BandRect(bar, 1), (RECT{100, 0, 270, 20}));  // its right edge stays
  EXPECT_EQ(notices, (std::vector<UINT>{RBN_BEGINDRAG, RBN_LAYOUTCHANGED, RBN_ENDDRAG}));
  ASSERT_EQ(bandNotices.size(), 1u);
  EXPECT_EQ(bandNotices[0].uBand, 1u);
  EXPECT_EQ(bandNotices[0].wID, 2u);
  // Not further left than the first band's least width.
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(102, 5));
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 5));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(0, 5));
  EXPECT_EQ(BandRect(bar, 1).left, 33);
  // Dragged below the bar, the band starts a row of its own.
  notices.clear();
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 5));
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(35, 30));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(35, 30));
  EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(bar, RB_IDTOINDEX, 2, 0), 2);
  EXPECT_EQ(BandRect(bar, 2).top, 20);
  EXPECT_EQ(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0), 40);
  EXPECT_EQ(notices, (std::vector<UINT>{RBN_BEGINDRAG, RBN_HEIGHTCHANGE, RBN_LAYOUTCHANGED, RBN_ENDDRAG}));
  // The parent may refuse a drag.
  refuseDrag = true;
  const RECT before = BandRect(bar, 1);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(before.left + 2, 5));
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(before.left + 60, 5));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(before.left + 60, 5));
  EXPECT_EQ(BandRect(bar, 1), before);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(RebarTest, AClickOnAGripperTogglesTheBandsWidth) {
  HWND bar = Bar(RBS_VARHEIGHT | CCS_NODIVIDER);
  RECT client{};
  GetClientRect(parent, &client);
  AddBand(bar, Child(50, 20), 20, 150);
  AddBand(bar, Child(50, 20), 20, 0);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
  EXPECT_EQ(BandRect(bar, 0).right, 33);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
  EXPECT_EQ(BandRect(bar, 0).right, client.right - 33);
  EXPECT_EQ(std::count(notices.begin(), notices.end(), RBN_BEGINDRAG), 0);  // a click is no drag
}

TEST_F(RebarTest, PlacementStylesPutTheBarAtTheBottomOrLeaveItsPlace) {
  RECT client{};
  GetClientRect(parent, &client);
  HWND bottom = Bar(RBS_VARHEIGHT | CCS_BOTTOM | CCS_NODIVIDER);
  AddBand(bottom, Child(40, 24), 24);
  EXPECT_EQ(InParent(bottom), (RECT{0, client.bottom - 24, client.right, client.bottom}));
  HWND kept = CreateWindowExW(0, REBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                              30, 40, 100, 10, parent, nullptr, nullptr, nullptr);
  AddBand(kept, Child(40, 24), 24);
  EXPECT_EQ(InParent(kept), (RECT{30, 40, client.right, 64}));
}

TEST_F(RebarTest, GoldenTwoRowsWithAToolBarAnEditAndBandColours) {
  HWND bar = Bar(RBS_VARHEIGHT | RBS_BANDBORDERS);
  HWND tools = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               0, 0, 100, 22, parent, nullptr, nullptr, nullptr);
  SendMessageW(tools, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[3]{};
  const char16_t* captions[] = {u"Back", u"Next", u"Stop"};
  for (int i = 0; i < 3; ++i) {
    buttons[i].iBitmap = -1;
    buttons[i].idCommand = 100 + i;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = BTNS_AUTOSIZE;
    buttons[i].iString = reinterpret_cast<INT_PTR>(captions[i]);
  }
  SendMessageW(tools, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  SendMessageW(tools, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, u"Edit", u"http://example", WS_CHILD | WS_VISIBLE, 0, 0, 100, 21, parent,
                              nullptr, nullptr, nullptr);
  REBARBANDINFOW info = Info(RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_COLORS);
  info.hwndChild = tools;
  info.cxMinChild = 100;
  info.cyMinChild = 22;
  info.cx = 200;
  info.clrFore = CLR_DEFAULT;
  info.clrBack = RGB(255, 230, 160);
  SendMessageW(bar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
  info.fMask |= RBBIM_TEXT;
  info.lpText = const_cast<LPWSTR>(u"Links");
  info.hwndChild = nullptr;
  info.fMask &= ~RBBIM_CHILD;
  info.clrBack = RGB(200, 230, 255);
  info.clrFore = RGB(0, 0, 160);
  SendMessageW(bar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
  info = Info(RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_TEXT);
  info.fStyle = RBBS_BREAK | RBBS_CHILDEDGE;
  info.lpText = const_cast<LPWSTR>(u"Address");
  info.hwndChild = edit;
  info.cxMinChild = 80;
  info.cyMinChild = 21;
  SendMessageW(bar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 2);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/rebar", GoldenTolerance{24, 40}));
}

void Exercise(int index) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"Bands", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                              300, 200, nullptr, nullptr, nullptr, nullptr);
  HWND bar = CreateWindowExW(0, REBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | RBS_VARHEIGHT | RBS_BANDBORDERS, 0,
                             0, 0, 0, form, nullptr, nullptr, nullptr);
  for (int i = 0; i < 3; ++i) {
    HWND child = CreateWindowExW(0, u"Edit", u"x", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, form, nullptr, nullptr, nullptr);
    REBARBANDINFOW info = Info(RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_TEXT | RBBIM_COLORS);
    info.fStyle = i == 2 ? RBBS_BREAK : 0;
    info.hwndChild = child;
    info.cyMinChild = 20 + static_cast<UINT>(index % 5);
    info.lpText = const_cast<LPWSTR>(u"Band");
    info.clrFore = RGB(0, 0, 0);
    info.clrBack = RGB(index % 256, 100, 100);
    SendMessageW(bar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
  }
  UpdateWindow(form);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 40));
  if (index % 2 == 0) {
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(3, 40));
    SendMessageW(bar, RB_DELETEBAND, 0, 0);
  }  // else destroyed mid-drag
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  DestroyWindow(form);
}

TEST_F(RebarTest, TwoHundredRoundsLeaveEveryCountWhereItWas) {
  Exercise(0);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 1; i <= 200; ++i) Exercise(i);
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveThunkCount(), 1u);  // the fixture's own parent thunk
}

}  // namespace
}  // namespace brellis::test
