// MDI: a frame with an "MDIClient" and document windows — activation at
// both ends, maximising onto the frame's menu bar and caption, destruction,
// tile and cascade positions, the window menu's list, the keyboard, the
// client's scroll bars, pictures, and 100 children leaving no handle behind.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/base/handles.h"
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

constexpr UINT kFirstChild = 50000;

platform::DibImage Crop(const platform::DibImage& source, RECT r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  platform::DibImage out = platform::DibImage::Blank(width, height, 32);
  out.format.topDown = true;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const platform::Pixel p = source.PixelAt(r.left + x, r.top + y);
      std::memcpy(&out.bits[(static_cast<std::size_t>(y) * width + x) * 4], &p, 4);
    }
  }
  return out;
}

HWND& FrameClient() {
  static HWND client = nullptr;
  return client;
}

LRESULT FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MessageRecorder* r = MessageRecorder::Current()) r->Record(hwnd, message, wParam, lParam);
  return DefFrameProcW(hwnd, FrameClient(), message, wParam, lParam);
}

LRESULT ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MessageRecorder* r = MessageRecorder::Current()) r->Record(hwnd, message, wParam, lParam);
  return DefMDIChildProcW(hwnd, message, wParam, lParam);
}

struct Seen {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
  return out << s.hwnd << " " << MessageName(s.message) << " " << s.wParam << " " << s.lParam;
}

class MdiTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProcFromFunction(FrameProc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = u"MdiTestFrame";
    RegisterClassExW(&wc);
    wc.lpfnWndProc = WndProcFromFunction(ChildProc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = u"MdiTestChild";
    RegisterClassExW(&wc);
    menu = CreateMenu();
    windowMenu = CreatePopupMenu();
    AppendMenuW(windowMenu, MF_STRING, 200, u"&Cascade");
    AppendMenuW(menu, MF_STRING, 100, u"&File");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), u"&Window");
    frame = CreateWindowExW(0, u"MdiTestFrame", u"Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 500, 400,
                            nullptr, menu, nullptr, nullptr);
    CLIENTCREATESTRUCT ccs{windowMenu, kFirstChild};
    RECT r{};
    GetClientRect(frame, &r);
    client = CreateWindowExW(WS_EX_CLIENTEDGE, u"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0,
                             r.right, r.bottom, frame, nullptr, nullptr, &ccs);
    FrameClient() = client;
    ShowWindow(frame, SW_SHOW);
    Pump();
  }
  void TearDown() override {
    DestroyWindow(frame);
    FrameClient() = nullptr;
    UnregisterClassW(u"MdiTestChild", nullptr);
    UnregisterClassW(u"MdiTestFrame", nullptr);
    UserTest::TearDown();
  }

  HWND NewChild(const char16_t* title, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int cx = 200, int cy = 150,
                DWORD style = WS_VISIBLE) {
    MDICREATESTRUCTW cs{u"MdiTestChild", title, nullptr, x, y, cx, cy, style, 0};
    return reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&cs)));
  }

  // The MDI messages of the log, in order.
  std::vector<Seen> MdiLog() const {
    std::vector<Seen> out;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.message == WM_MDIACTIVATE || m.message == WM_CHILDACTIVATE || (m.message == WM_SIZE && m.hwnd != frame)) {
        out.push_back(Seen{m.hwnd, m.message, m.message == WM_SIZE ? m.wParam : (m.message == WM_MDIACTIVATE ? m.wParam : 0),
                           m.message == WM_MDIACTIVATE ? m.lParam : 0});
      }
    }
    return out;
  }

  std::vector<std::u16string> BarTexts() const {
    std::vector<std::u16string> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE | MIIM_BITMAP | MIIM_ID | MIIM_STRING;
      WCHAR text[64] = {};
      info.dwTypeData = text;
      info.cch = 64;
      GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
      if (info.fType & MFT_BITMAP) {
        out.push_back(u"#" + std::u16string(1, static_cast<char16_t>(u'0' + reinterpret_cast<ULONG_PTR>(info.hbmpItem))));
      } else {
        out.push_back(text);
      }
    }
    return out;
  }

  std::u16string Text(HWND hwnd) const {
    WCHAR text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
  }

  HWND Active(BOOL* maximised = nullptr) const {
    return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximised)));
  }

  RECT ChildRect(HWND child) const {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  HMENU menu = nullptr;
  HMENU windowMenu = nullptr;
  HWND frame = nullptr;
  HWND client = nullptr;
};

TEST_F(MdiTest, CreatingAndActivatingTellBothEnds) {
  char name[32] = {};
  GetClassNameA(client, name, sizeof(name));
  EXPECT_STREQ(name, "MDIClient");
  recorder->Clear();
  const HWND one = NewChild(u"One");
  ASSERT_NE(one, nullptr);
  EXPECT_TRUE(GetWindowLongW(one, GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(GetWindowLongPtrW(one, GWLP_ID), static_cast<LONG_PTR>(kFirstChild));
  EXPECT_EQ(MdiLog(), (std::vector<Seen>{{one, WM_SIZE, SIZE_RESTORED, 0},
                                         {one, WM_CHILDACTIVATE, 0, 0},
                                         {one, WM_MDIACTIVATE, 0, reinterpret_cast<LPARAM>(one)}}));
  const HWND two = NewChild(u"Two");
  EXPECT_EQ(Active(), two);
  recorder->Clear();
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(one), 0);
  const auto w2 = reinterpret_cast<WPARAM>(two);
  const auto l1 = reinterpret_cast<LPARAM>(one);
  EXPECT_EQ(MdiLog(), (std::vector<Seen>{{two, WM_MDIACTIVATE, w2, l1},
                                         {one, WM_CHILDACTIVATE, 0, 0},
                                         {one, WM_MDIACTIVATE, w2, l1}}));
  EXPECT_EQ(Active(), one);
  EXPECT_EQ(GetWindow(client, GW_CHILD), one);  // on top
  EXPECT_EQ(GetFocus(), one);
  // Activating the active one again says nothing.
  recorder->Clear();
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(one), 0);
  EXPECT_TRUE(MdiLog().empty());
  // A stranger is refused.
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(frame), 0);
  EXPECT_EQ(Active(), one);
}

TEST_F(MdiTest, MaximisingLendsTheFrameItsButtonsAndTitle) {
  const HWND one = NewChild(u"One");
  const HWND two = NewChild(u"Two");
  const std::vector<std::u16string> plain{u"&File", u"&Window"};
  EXPECT_EQ(BarTexts(), plain);
  BOOL maximised = TRUE;
  EXPECT_EQ(Active(&maximised), two);
  EXPECT_FALSE(maximised);

  recorder->Clear();
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(two), 0);
  EXPECT_EQ(MdiLog(), (std::vector<Seen>{{two, WM_CHILDACTIVATE, 0, 0}, {two, WM_SIZE, SIZE_MAXIMIZED, 0}}));
  EXPECT_EQ(Active(&maximised), two);
  EXPECT_TRUE(maximised);
  // System icon first, then minimise, restore, close at the right.
  EXPECT_EQ(BarTexts(), (std::vector<std::u16string>{u"#1", u"&File", u"&Window", u"#3", u"#2", u"#5"}));
  EXPECT_EQ(Text(frame), u"Frame - [Two]");
  // Its frame lies outside the client.
  RECT clientArea{}, childClient{};
  GetClientRect(client, &clientArea);
  GetClientRect(two, &childClient);
  EXPECT_EQ(childClient.right, clientArea.right);
  EXPECT_EQ(childClient.bottom, clientArea.bottom);
  POINT origin{0, 0};
  MapWindowPoints(two, client, &origin, 1);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);

  // Renaming the child or the frame keeps the caption composed.
  SetWindowTextW(two, u"Second");
  EXPECT_EQ(Text(frame), u"Frame - [Second]");
  SetWindowTextW(frame, u"App");
  EXPECT_EQ(Text(frame), u"App - [Second]");

  // Activating another child carries the maximised state over.
  recorder->Clear();
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(one), 0);
  EXPECT_TRUE(IsZoomed(one));
  EXPECT_FALSE(IsZoomed(two));
  EXPECT_EQ(Text(frame), u"App - [One]");
  EXPECT_EQ(BarTexts(), (std::vector<std::u16string>{u"#1", u"&File", u"&Window", u"#3", u"#2", u"#5"}));

  // The bar's close button reaches the maximised child as SC_CLOSE.
  recorder->Clear();
  SendMessageW(frame, WM_COMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsZoomed(one));
  EXPECT_EQ(MdiLog(), (std::vector<Seen>{{one, WM_CHILDACTIVATE, 0, 0}, {one, WM_SIZE, SIZE_RESTORED, 0}}));
  EXPECT_EQ(BarTexts(), plain);
  EXPECT_EQ(Text(frame), u"App");
  EXPECT_EQ(Active(&maximised), one);
  EXPECT_FALSE(maximised);
}

TEST_F(MdiTest, ClickingTheBarsButtonsCommandsTheMaximisedChild) {
  const HWND one = NewChild(u"One");
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one), 0);
  Pump();
  // The restore button, second from the right.
  RECT button{};
  ASSERT_TRUE(GetMenuItemRect(frame, menu, static_cast<UINT>(GetMenuItemCount(menu) - 2), &button));
  RECT frameRect{};
  GetWindowRect(frame, &frameRect);
  EXPECT_LT(button.right, frameRect.right);
  EXPECT_GT(button.left, (frameRect.left + frameRect.right) / 2);
  headless::Click((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  Pump();
  EXPECT_FALSE(IsZoomed(one));
  EXPECT_EQ(Text(frame), u"Frame");
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one), 0);
  Pump();
  ASSERT_TRUE(GetMenuItemRect(frame, menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), &button));
  headless::Click((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  Pump();
  EXPECT_FALSE(IsWindow(one));
  EXPECT_EQ(BarTexts(), (std::vector<std::u16string>{u"&File", u"&Window"}));
}

TEST_F(MdiTest, DestroyingTheClientTakesTheChildsEntriesOffTheFrame) {
  const HWND one = NewChild(u"One");
  NewChild(u"Two");
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one), 0);
  recorder->Clear();
  DestroyWindow(client);
  FrameClient() = nullptr;
  // No child was activated on the way out.
  for (const RecordedMessage& m : recorder->Log()) EXPECT_NE(m.message, WM_CHILDACTIVATE);
  EXPECT_EQ(BarTexts(), (std::vector<std::u16string>{u"&File", u"&Window"}));
  EXPECT_EQ(GetMenuItemCount(windowMenu), 1);
  EXPECT_EQ(Text(frame), u"Frame");
}

TEST_F(MdiTest, DestroyingTheActiveChildActivatesTheNextAndKeepsItMaximised) {
  const HWND one = NewChild(u"One");
  const HWND two = NewChild(u"Two");
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(two), 0);
  recorder->Clear();
  SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(two), 0);
  EXPECT_FALSE(IsWindow(two));
  std::vector<Seen> log = MdiLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), (Seen{two, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(two), reinterpret_cast<LPARAM>(one)}));
  EXPECT_NE(std::find(log.begin(), log.end(), Seen{one, WM_MDIACTIVATE, 0, reinterpret_cast<LPARAM>(one)}), log.end());
  EXPECT_EQ(Active(), one);
  EXPECT_TRUE(IsZoomed(one));
  EXPECT_EQ(Text(frame), u"Frame - [One]");
  // WM_CLOSE through the default child procedure destroys the last one.
  SendMessageW(one, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(one));
  EXPECT_EQ(Active(), nullptr);
  EXPECT_EQ(BarTexts(), (std::vector<std::u16string>{u"&File", u"&Window"}));
  EXPECT_EQ(Text(frame), u"Frame");
}

TEST_F(MdiTest, NextCyclesAndTheKeyboardClosesAndCycles) {
  const HWND one = NewChild(u"One");
  const HWND two = NewChild(u"Two");
  const HWND three = NewChild(u"Three");
  EXPECT_EQ(Active(), three);
  SendMessageW(client, WM_MDINEXT, 0, 0);
  EXPECT_EQ(Active(), two);
  EXPECT_EQ(GetWindow(client, GW_CHILD), two);
  EXPECT_EQ(GetWindow(two, GW_HWNDLAST), three);  // the one left went to the bottom
  SendMessageW(client, WM_MDINEXT, 0, 1);
  EXPECT_EQ(Active(), three);
  MSG msg{three, WM_KEYDOWN, 0x75, 0, 0, {}};
  headless::KeyDown(VK_CONTROL);
  Pump();
  EXPECT_TRUE(TranslateMDISysAccel(client, &msg));
  EXPECT_EQ(Active(), two);
  msg.wParam = VK_F4;
  EXPECT_TRUE(TranslateMDISysAccel(client, &msg));
  EXPECT_FALSE(IsWindow(two));
  msg.wParam = 'A';
  EXPECT_FALSE(TranslateMDISysAccel(client, &msg));
  headless::KeyUp(VK_CONTROL);
  Pump();
  msg.wParam = VK_F4;
  EXPECT_FALSE(TranslateMDISysAccel(client, &msg));
  EXPECT_TRUE(IsWindow(one));
  EXPECT_FALSE(TranslateMDISysAccel(frame, &msg));
  EXPECT_FALSE(TranslateMDISysAccel(client, nullptr));
  Pump();
}

TEST_F(MdiTest, TileAndCascadePositions) {
  const HWND one = NewChild(u"One", 10, 10);
  const HWND two = NewChild(u"Two", 20, 20);
  RECT area{};
  GetClientRect(client, &area);
  const int w = area.right, h = area.bottom;
  SendMessageW(client, WM_MDITILE, MDITILE_VERTICAL, 0);
  // Side by side, the top of the z-order at the left.
  EXPECT_EQ(ChildRect(two), (RECT{0, 0, w / 2, h}));
  EXPECT_EQ(ChildRect(one), (RECT{w / 2, 0, w, h}));
  SendMessageW(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
  EXPECT_EQ(ChildRect(two), (RECT{0, 0, w, h / 2}));
  EXPECT_EQ(ChildRect(one), (RECT{0, h / 2, w, h}));
  const HWND three = NewChild(u"Three");
  SendMessageW(client, WM_MDITILE, MDITILE_VERTICAL, 0);
  // Three in two columns: the second column takes two.
  EXPECT_EQ(ChildRect(three), (RECT{0, 0, w / 2, h}));
  EXPECT_EQ(ChildRect(two), (RECT{w / 2, 0, w, h / 2}));
  EXPECT_EQ(ChildRect(one), (RECT{w / 2, h / 2, w, h}));
  SendMessageW(client, WM_MDICASCADE, 0, 0);
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(ChildRect(one).left, 0);
  EXPECT_EQ(ChildRect(one).top, 0);
  EXPECT_EQ(ChildRect(two).left, step);
  EXPECT_EQ(ChildRect(three).top, 2 * step);
  EXPECT_EQ(ChildRect(one).right - ChildRect(one).left, ChildRect(three).right - ChildRect(three).left);
  // A maximised child is restored to be arranged.
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(three), 0);
  SendMessageW(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
  EXPECT_FALSE(IsZoomed(three));
  EXPECT_EQ(Text(frame), u"Frame");
}

TEST_F(MdiTest, TheWindowMenuListsTheChildrenAndChoosingOneActivatesIt) {
  const HWND one = NewChild(u"One");
  const HWND two = NewChild(u"Two");
  ASSERT_EQ(GetMenuItemCount(windowMenu), 4);
  EXPECT_TRUE(GetMenuState(windowMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
  WCHAR text[32] = {};
  GetMenuStringW(windowMenu, kFirstChild, text, 32, MF_BYCOMMAND);
  EXPECT_EQ(std::u16string(text), u"&1 One");
  GetMenuStringW(windowMenu, kFirstChild + 1, text, 32, MF_BYCOMMAND);
  EXPECT_EQ(std::u16string(text), u"&2 Two");
  EXPECT_TRUE(GetMenuState(windowMenu, kFirstChild + 1, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(windowMenu, kFirstChild, MF_BYCOMMAND) & MF_CHECKED);
  // Choosing the entry.
  SendMessageW(frame, WM_COMMAND, kFirstChild, 0);
  EXPECT_EQ(Active(), one);
  EXPECT_TRUE(GetMenuState(windowMenu, kFirstChild, MF_BYCOMMAND) & MF_CHECKED);
  // Renaming shows; destroying renumbers.
  SetWindowTextW(two, u"Deux");
  GetMenuStringW(windowMenu, kFirstChild + 1, text, 32, MF_BYCOMMAND);
  EXPECT_EQ(std::u16string(text), u"&2 Deux");
  DestroyWindow(one);
  ASSERT_EQ(GetMenuItemCount(windowMenu), 3);
  GetMenuStringW(windowMenu, kFirstChild, text, 32, MF_BYCOMMAND);
  EXPECT_EQ(std::u16string(text), u"&1 Deux");
  EXPECT_EQ(GetWindowLongPtrW(two, GWLP_ID), static_cast<LONG_PTR>(kFirstChild));
  // A new window menu takes the list over.
  HMENU other = CreatePopupMenu();
  AppendMenuW(other, MF_STRING, 300, u"&Tile");
  SendMessageW(client, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(other));
  EXPECT_EQ(GetMenuItemCount(windowMenu), 1);
  EXPECT_EQ(GetMenuItemCount(other), 3);
  DestroyWindow(two);
  EXPECT_EQ(GetMenuItemCount(other), 1);
  DestroyMenu(other);
}

TEST_F(MdiTest, SetMenuMovesTheMaximisedChildsButtons) {
  const HWND one = NewChild(u"One");
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one), 0);
  HMENU next = CreateMenu();
  AppendMenuW(next, MF_STRING, 400, u"&Edit");
  const HMENU old = reinterpret_cast<HMENU>(SendMessageW(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(next), 0));
  EXPECT_EQ(old, menu);
  EXPECT_EQ(GetMenu(frame), next);
  EXPECT_EQ(BarTexts(), (std::vector<std::u16string>{u"&File", u"&Window"}));
  EXPECT_EQ(GetMenuItemCount(next), 5);
  EXPECT_EQ(reinterpret_cast<HMENU>(SendMessageW(client, WM_MDIREFRESHMENU, 0, 0)), next);
  SendMessageW(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
  EXPECT_EQ(GetMenuItemCount(next), 1);
  DestroyMenu(next);
}

TEST_F(MdiTest, TheClientScrollsToChildrenOutsideIt) {
  const HWND one = NewChild(u"One", 10, 10, 100, 80);
  EXPECT_FALSE(GetWindowLongW(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
  SetWindowPos(one, nullptr, 600, 10, 100, 80, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(GetWindowLongW(client, GWL_STYLE) & WS_HSCROLL);
  EXPECT_FALSE(GetWindowLongW(client, GWL_STYLE) & WS_VSCROLL);
  SendMessageW(client, WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_LT(ChildRect(one).left, 600);
  SendMessageW(client, WM_MDITILE, MDITILE_VERTICAL, 0);
  EXPECT_FALSE(GetWindowLongW(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(MdiTest, BadRequestsAreRefused) {
  EXPECT_EQ(CreateMDIWindowW(u"MdiTestChild", u"x", 0, 0, 0, 10, 10, frame, nullptr, 0), nullptr);
  EXPECT_EQ(CreateMDIWindowW(u"NoSuchClass", u"x", 0, 0, 0, 10, 10, client, nullptr, 0), nullptr);
  EXPECT_EQ(SendMessageW(client, WM_MDICREATE, 0, 0), 0);
  SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(frame), 0);
  EXPECT_TRUE(IsWindow(frame));
  SendMessageW(client, WM_MDINEXT, 0, 0);
  SendMessageW(client, WM_MDIMAXIMIZE, 0, 0);
  EXPECT_EQ(SendMessageW(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(frame), 0), 0);
  EXPECT_EQ(GetMenu(frame), menu);
  const HWND a = CreateMDIWindowA("MdiTestChild", "Ansi", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, client,
                                  nullptr, 0);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(Text(a), u"Ansi");
}

TEST_F(MdiTest, GoldenTwoChildrenThenOneMaximised) {
  NewChild(u"One", 10, 10, 220, 160);
  const HWND two = NewChild(u"Two", 120, 90, 220, 160);
  UpdateWindow(frame);
  Pump();
  RECT r{};
  GetWindowRect(frame, &r);
  EXPECT_TRUE(MatchesGolden(Crop(headless::ScreenImage(), r), "user/mdi_two_children", {48, 60}));
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(two), 0);
  Pump();
  EXPECT_TRUE(MatchesGolden(Crop(headless::ScreenImage(), r), "user/mdi_maximised", {48, 60}));
}

TEST_F(MdiTest, AHundredChildLifetimesLeaveEveryCountWhereItWas) {
  // Warm up once: the first child creates what is shared and kept.
  SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(NewChild(u"Warm")), 0);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 0; i < 100; ++i) {
    const HWND child = NewChild(u"Doc");
    if (i % 3 == 0) SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Pump();
    if (i % 2 == 0) {
      SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    } else {
      SendMessageW(child, WM_CLOSE, 0, 0);
    }
  }
  Pump();
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(GetMenuItemCount(windowMenu), 1);
}

}  // namespace
}  // namespace brellis::test
