// "msctls_statusbar32": parts, text in both character sets with its types,
// rectangles and borders as Windows answers them, simple mode, owner
// drawing, placement at the parent's bottom, the size grip that sizes the
// top-level window, and a golden picture.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class StatusBarTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 500, 400});
  }
  void TearDown() override {
    if (thunk != nullptr) {
      SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);
      FreeWndProcThunk(thunk);
    }
    UserTest::TearDown();
  }
  HWND Bar(DWORD style = 0, LPCWSTR text = nullptr) {
    return CreateWindowExW(0, STATUSCLASSNAMEW, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(5), nullptr, nullptr);
  }
  void WatchParent() {
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_DRAWITEM) drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
      if (m == WM_NOTIFY) codes.push_back(reinterpret_cast<NMHDR*>(l)->code);
      return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), h, m, w, l);
    });
    previous = SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  }
  static RECT PartRect(HWND bar, int part) {
    RECT r{};
    SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&r));
    return r;
  }

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  std::vector<DRAWITEMSTRUCT> drawn;
  std::vector<UINT> codes;
};

TEST_F(StatusBarTest, PartsTextAndRectanglesAnswerAsWindows) {
  EXPECT_EQ(SB_GETRECT, 0x040Au);
  HWND bar = Bar(0, u"Ready");
  ASSERT_NE(bar, nullptr);
  // One part to the right edge, carrying the window's text.
  int edges[4]{};
  EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 1);
  EXPECT_EQ(edges[0], -1);
  WCHAR text[64]{};
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text)), MAKELONG(5, 0));
  EXPECT_EQ(std::u16string(text), u"Ready");

  const int parts[3] = {100, 250, -1};
  EXPECT_EQ(SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts)), TRUE);
  EXPECT_EQ(SendMessageW(bar, SB_SETPARTS, 0, reinterpret_cast<LPARAM>(parts)), FALSE);
  EXPECT_EQ(SendMessageW(bar, SB_SETPARTS, 300, reinterpret_cast<LPARAM>(parts)), FALSE);
  EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[1], 250);
  EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 0, 0), 3);

  int borders[3]{};
  EXPECT_EQ(SendMessageW(bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders)), TRUE);
  EXPECT_EQ(borders[0], 0);
  EXPECT_EQ(borders[1], 2);
  EXPECT_EQ(borders[2], 2);
  RECT client{};
  GetClientRect(bar, &client);
  EXPECT_EQ(PartRect(bar, 0), (RECT{0, 2, 100, client.bottom}));
  EXPECT_EQ(PartRect(bar, 1), (RECT{102, 2, 250, client.bottom}));
  EXPECT_EQ(PartRect(bar, 2), (RECT{252, 2, client.right, client.bottom}));
  RECT missing{1, 1, 1, 1};
  EXPECT_EQ(SendMessageW(bar, SB_GETRECT, 3, reinterpret_cast<LPARAM>(&missing)), 0);

  // Text and its type; ANSI text is code page 936.
  EXPECT_EQ(SendMessageW(bar, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(u"左\t中\t右")), TRUE);
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTLENGTHW, 1, 0), MAKELONG(5, SBT_POPOUT));
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTLENGTHA, 1, 0), MAKELONG(8, SBT_POPOUT));
  char gbk[] = "\xD7\xB4\xCC\xAC";  // "状态"
  EXPECT_EQ(SendMessageA(bar, SB_SETTEXTA, 2 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(gbk)), TRUE);
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(text)), MAKELONG(2, SBT_NOBORDERS));
  EXPECT_EQ(std::u16string(text), u"状态");
  char narrow[16]{};
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(narrow)), MAKELONG(4, SBT_NOBORDERS));
  EXPECT_STREQ(narrow, gbk);
  EXPECT_EQ(SendMessageW(bar, SB_SETTEXTW, 7, reinterpret_cast<LPARAM>(u"x")), FALSE);
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTLENGTHW, 7, 0), 0);
  // Owner-drawn parts keep the value they were given and answer it.
  EXPECT_EQ(SendMessageW(bar, SB_SETTEXTW, 0 | SBT_OWNERDRAW, 0x4321), TRUE);
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text)), 0x4321);
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0), MAKELONG(0, SBT_OWNERDRAW));
  // Fewer parts keep the text of those that remain.
  SendMessageW(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTLENGTHW, 1, 0), MAKELONG(5, SBT_POPOUT));
  EXPECT_EQ(SendMessageW(bar, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&missing)), FALSE);
}

TEST_F(StatusBarTest, SimpleModeHasItsOwnTextAndOnePart) {
  WatchParent();
  HWND bar = Bar();
  const int parts[2] = {80, -1};
  SendMessageW(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(u"part"));
  EXPECT_FALSE(SendMessageW(bar, SB_ISSIMPLE, 0, 0));
  SendMessageW(bar, SB_SIMPLE, TRUE, 0);
  EXPECT_TRUE(SendMessageW(bar, SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(codes, std::vector<UINT>{SBN_SIMPLEMODECHANGE});
  SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(u"simple"));
  // Parts keep their own text meanwhile; reading any part reads the simple one.
  SendMessageW(bar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(u"second"));
  WCHAR text[32]{};
  SendMessageW(bar, SB_GETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::u16string(text), u"simple");
  SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::u16string(text), u"simple");
  RECT client{};
  GetClientRect(bar, &client);
  EXPECT_EQ(PartRect(bar, 0), (RECT{0, 2, client.right, client.bottom}));
  SendMessageW(bar, SB_SIMPLE, FALSE, 0);
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::u16string(text), u"part");
  SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::u16string(text), u"second");
  EXPECT_EQ(PartRect(bar, 0).right, 80);
  EXPECT_EQ(codes.size(), 2u);
}

TEST_F(StatusBarTest, StaysAtTheParentsBottom) {
  HWND bar = Bar();
  RECT area{}, r{};
  GetClientRect(parent, &area);
  GetWindowRect(bar, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, area.right);
  EXPECT_EQ(r.bottom, area.bottom);
  EXPECT_EQ(r.bottom - r.top, 20);  // the default font's height with borders
  MoveWindow(parent, 100, 100, 300, 250, TRUE);
  SendMessageW(bar, WM_SIZE, 0, 0);
  GetClientRect(parent, &area);
  GetWindowRect(bar, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.right, area.right);
  EXPECT_EQ(r.bottom, area.bottom);
  // A larger least height applies at the next WM_SIZE.
  SendMessageW(bar, SB_SETMINHEIGHT, 30, 0);
  SendMessageW(bar, WM_SIZE, 0, 0);
  GetWindowRect(bar, &r);
  EXPECT_EQ(r.bottom - r.top, 32);
  // CCS_NORESIZE leaves the bar where it was put.
  HWND fixed = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_NORESIZE, 5, 6, 70, 30,
                               parent, nullptr, nullptr, nullptr);
  SendMessageW(fixed, WM_SIZE, 0, 0);
  GetWindowRect(fixed, &r);
  EXPECT_EQ(r.right - r.left, 70);
}

TEST_F(StatusBarTest, SizeGripSizesTheTopLevelWindow) {
  HWND bar = Bar(SBARS_SIZEGRIP);
  EXPECT_EQ(SBARS_SIZEGRIP, 0x100u);
  UpdateWindow(parent);
  RECT r{};
  GetWindowRect(bar, &r);
  EXPECT_EQ(SendMessageW(bar, WM_NCHITTEST, 0, MAKELPARAM(r.right - 3, r.bottom - 3)), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessageW(bar, WM_NCHITTEST, 0, MAKELPARAM(r.left + 30, r.bottom - 3)), HTCLIENT);
  Pump();
  RECT before{};
  GetWindowRect(parent, &before);
  headless::MoveMouse(r.right - 4, r.bottom - 4);
  headless::Press();
  headless::MoveMouse(r.right + 36, r.bottom + 26);
  headless::Release();
  Pump();
  RECT after{};
  GetWindowRect(parent, &after);
  EXPECT_EQ(after, (RECT{before.left, before.top, before.right + 40, before.bottom + 30}));
  // A bar without the style, or in a window that cannot be sized, has no grip.
  HWND plain = Bar();
  GetWindowRect(plain, &r);
  EXPECT_EQ(SendMessageW(plain, WM_NCHITTEST, 0, MAKELPARAM(r.right - 3, r.bottom - 3)), HTCLIENT);
  SetWindowLongW(parent, GWL_STYLE, GetWindowLongW(parent, GWL_STYLE) & ~static_cast<LONG>(WS_THICKFRAME));
  GetWindowRect(bar, &r);
  EXPECT_EQ(SendMessageW(bar, WM_NCHITTEST, 0, MAKELPARAM(r.right - 3, r.bottom - 3)), HTCLIENT);
}

TEST_F(StatusBarTest, OwnerDrawnPartsAskTheParent) {
  WatchParent();
  HWND bar = Bar();
  const int parts[2] = {120, -1};
  SendMessageW(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  SendMessageW(bar, SB_SETTEXTW, 1 | SBT_OWNERDRAW, 0xBEEF);
  UpdateWindow(parent);
  drawn.clear();
  RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].CtlID, 5u);
  EXPECT_EQ(drawn[0].itemID, 1u);
  EXPECT_EQ(drawn[0].itemData, 0xBEEFu);
  EXPECT_EQ(drawn[0].hwndItem, bar);
  EXPECT_EQ(drawn[0].rcItem, PartRect(bar, 1));
}

TEST_F(StatusBarTest, GoldenPartsAndGrip) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"Status", WS_POPUP | WS_THICKFRAME | WS_VISIBLE, 0,
                              0, 420, 90, nullptr, nullptr, nullptr, nullptr);
  auto make = [&](DWORD style) {
    return CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, form, nullptr,
                           nullptr, nullptr);
  };
  HWND simple = make(CCS_TOP);
  SendMessageW(simple, SB_SIMPLE, TRUE, 0);
  SendMessageW(simple, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(u"简单模式 simple text"));
  HWND bar = make(SBARS_SIZEGRIP);
  const int parts[4] = {90, 200, 300, -1};
  SendMessageW(bar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
  SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(u"就绪"));
  SendMessageW(bar, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(u"\tCentred"));
  SendMessageW(bar, SB_SETTEXTW, 2 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(u"\t\tRight"));
  SendMessageW(bar, SB_SETTEXTW, 3, reinterpret_cast<LPARAM>(u"Last"));
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto image = headless::WindowImage(form);
  ASSERT_TRUE(image.has_value());
  EXPECT_TRUE(MatchesGolden(*image, "user/statusbar", GoldenTolerance{48, 60}));
  DestroyWindow(form);
}

}  // namespace
}  // namespace brellis::test
