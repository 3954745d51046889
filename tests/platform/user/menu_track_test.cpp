// The menu loop: the menu bar's drop-down as a CBT hook sees it, keyboard
// navigation into sub-menus and back, message filters that rewrite or
// handle what the loop takes, a press posted to the owner ending the loop,
// WM_MENUSELECT under TPM_NONOTIFY, owner-drawn items, the system menu, and
// pictures of all of them.
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

std::string MenuMessageName(UINT message) {
  switch (message) {
    case WM_ENTERMENULOOP: return "WM_ENTERMENULOOP";
    case WM_EXITMENULOOP: return "WM_EXITMENULOOP";
    case WM_INITMENU: return "WM_INITMENU";
    case WM_INITMENUPOPUP: return "WM_INITMENUPOPUP";
    case WM_MENUSELECT: return "WM_MENUSELECT";
    default: return MessageName(message);
  }
}

HWND& WatchedMenuWindow() {
  static HWND hwnd = nullptr;
  return hwnd;
}

HHOOK& WatchHook() {
  static HHOOK hook = nullptr;
  return hook;
}

// Subclasses every menu window as it is created, so the recorder sees its
// messages too.
LRESULT WatchMenuWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    char name[32] = "";
    GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof(name));
    if (std::strcmp(name, "#32768") == 0) {
      WatchedMenuWindow() = reinterpret_cast<HWND>(wParam);
      MessageRecorder::Current()->Watch(reinterpret_cast<HWND>(wParam));
    }
  }
  return CallNextHookEx(WatchHook(), code, wParam, lParam);
}

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

class MenuTrackTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    bar = CreateMenu();
    file = CreatePopupMenu();
    recent = CreatePopupMenu();
    edit = CreatePopupMenu();
    AppendMenuW(recent, MF_STRING, 301, u"One");
    AppendMenuW(recent, MF_STRING, 302, u"Two");
    AppendMenuW(file, MF_STRING, 101, u"&New\tCtrl+N");
    AppendMenuW(file, MF_STRING, 102, u"&Open...");
    AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), u"&Recent");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING | MF_CHECKED, 103, u"&Checked");
    AppendMenuW(file, MF_STRING, 104, u"R&adio");
    CheckMenuRadioItem(file, 104, 104, 104, MF_BYCOMMAND);
    AppendMenuW(file, MF_STRING | MF_GRAYED, 105, u"&Greyed");
    AppendMenuW(file, MF_STRING, 106, u"E&xit");
    AppendMenuW(edit, MF_STRING, 201, u"&Undo");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), u"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), u"&Edit");
    AppendMenuW(bar, MF_STRING, 400, u"&Help");
    owner = CreateWindowExW(0, MessageRecorder::WideClass(), u"Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                            300, 200, nullptr, bar, nullptr, nullptr);
    recorder->SetMainWindow(owner);
    Pump();
    recorder->Clear();
  }
  void TearDown() override {
    if (WatchHook()) UnhookWindowsHookEx(WatchHook());
    WatchHook() = nullptr;
    WatchedMenuWindow() = nullptr;
    UserTest::TearDown();
    // The window took its menu bar with it.
    EXPECT_FALSE(IsMenu(bar));
  }

  void WatchMenus() {
    recorder->HookCbt();
    WatchHook() = SetWindowsHookExW(WH_CBT, WatchMenuWindows, nullptr, GetCurrentThreadId());
  }

  // The log reduced to menu messages; the menu window is named "menu".
  std::vector<std::string> MenuLog() const {
    std::vector<std::string> out;
    for (const RecordedMessage& m : recorder->Log()) {
      const bool menuWindow = m.hwnd == WatchedMenuWindow() && WatchedMenuWindow() != nullptr;
      if (m.flags & kHook) {
        if (m.message == HCBT_CREATEWND && m.detail == "#32768") out.push_back("hook create #32768");
        if (m.message == HCBT_DESTROYWND && menuWindow) out.push_back("hook destroy menu");
        continue;
      }
      switch (m.message) {
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
        case WM_INITMENU:
        case WM_INITMENUPOPUP:
        case WM_MENUSELECT:
        case WM_COMMAND:
        case WM_SYSCOMMAND:
          if (!menuWindow) out.push_back(MenuMessageName(m.message));
          break;
        case WM_NCPAINT:
        case WM_ERASEBKGND:
        case WM_DESTROY:
          if (menuWindow) out.push_back("menu " + MessageName(m.message));
          break;
        default:
          break;
      }
    }
    return out;
  }

  // The low words of the WM_MENUSELECT the owner received.
  std::vector<int> Selections() const {
    std::vector<int> out;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.message == WM_MENUSELECT && m.hwnd == owner) out.push_back(LOWORD(m.wParam));
    }
    return out;
  }

  POINT BarItemCentre(int index) const {
    RECT r{};
    EXPECT_TRUE(GetMenuItemRect(owner, bar, static_cast<UINT>(index), &r));
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  HMENU bar = nullptr, file = nullptr, recent = nullptr, edit = nullptr;
  HWND owner = nullptr;
};

TEST_F(MenuTrackTest, BarPressOpensTheDropDownAfterInitMenuPopupAndTheHookSeesItsWindow) {
  WatchMenus();
  const POINT at = BarItemCentre(0);
  EXPECT_EQ(SendMessageW(owner, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTMENU);
  headless::Click(at.x, at.y);
  headless::Key(VK_ESCAPE);  // back to the bar
  headless::Key(VK_ESCAPE);  // out of the menu
  Pump();
  const std::vector<std::string> expected{
      "WM_SYSCOMMAND",    "WM_ENTERMENULOOP", "WM_INITMENU",   "WM_MENUSELECT",      "WM_INITMENUPOPUP",  "hook create #32768",
      "menu WM_NCPAINT",  "menu WM_ERASEBKGND", "hook destroy menu", "menu WM_DESTROY", "WM_MENUSELECT",
      "WM_EXITMENULOOP"};
  EXPECT_EQ(MenuLog(), expected) << recorder->Describe();
  EXPECT_FALSE(IsWindow(WatchedMenuWindow()));
  // The bar item was reported as a popup of the bar.
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_MENUSELECT && m.hwnd == owner && HIWORD(m.wParam) != 0xFFFF) {
      EXPECT_TRUE(HIWORD(m.wParam) & MF_POPUP);
      EXPECT_EQ(m.lParam, reinterpret_cast<LPARAM>(bar));
      break;
    }
  }
}

TEST_F(MenuTrackTest, MovingAlongTheBarSwitchesDropDownsAndAClickChooses) {
  const POINT fileAt = BarItemCentre(0);
  const POINT editAt = BarItemCentre(1);
  // A press on File, a move onto Edit (its drop-down replaces File's),
  // down to Undo and Return.
  headless::Click(fileAt.x, fileAt.y);
  headless::MoveMouse(editAt.x, editAt.y);
  headless::Key(VK_DOWN);
  headless::Key(VK_RETURN);
  Pump();
  std::vector<int> selections = Selections();
  ASSERT_GE(selections.size(), 3u);
  EXPECT_EQ(selections[0], 0);    // File (by position)
  EXPECT_EQ(selections[1], 1);    // Edit
  EXPECT_EQ(selections[2], 201);  // Undo
  EXPECT_EQ(selections.back(), 0);
  bool command = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_COMMAND && m.hwnd == owner) command = LOWORD(m.wParam) == 201 && (m.flags & kPosted);
  }
  EXPECT_TRUE(command) << recorder->Describe();
}

TEST_F(MenuTrackTest, KeyboardGoesIntoASubMenuAndBack) {
  for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP, VK_RETURN}) headless::Key(key);
  const BOOL chosen = TrackPopupMenu(file, TPM_RETURNCMD, 150, 150, 0, owner, nullptr);
  EXPECT_EQ(chosen, 102);
  EXPECT_EQ(Selections(), (std::vector<int>{101, 102, 2, 301, 302, 102, 0}));
  // With TPM_RETURNCMD nothing is posted.
  Pump();
  for (const RecordedMessage& m : recorder->Log()) EXPECT_NE(m.message, WM_COMMAND);
  EXPECT_EQ(FindWindowExW(nullptr, nullptr, u"#32768", nullptr), nullptr);
}

TEST_F(MenuTrackTest, MnemonicsChooseAndDisabledEntriesDoNot) {
  headless::TypeChar(u'g');  // Greyed: selected, not chosen
  headless::TypeChar(u'x');  // Exit
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 150, 150, 0, owner, nullptr), 106);
  headless::TypeChar(u'r');  // Recent opens; its entries have no mnemonics
  headless::Key(VK_RETURN);  // One is selected first
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 150, 150, 0, owner, nullptr), 301);
}

// Swaps the arrow keys of the menu loop, as a right-to-left skin does.
LRESULT SwapArrows(int code, WPARAM, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_MENU && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_LEFT) {
      msg->wParam = VK_RIGHT;
    } else if (msg->wParam == VK_RIGHT) {
      msg->wParam = VK_LEFT;
    }
  }
  return 0;
}

std::vector<WPARAM>& FilteredMenuSelects() {
  static std::vector<WPARAM> seen;
  return seen;
}

// Answers "handled" for every VK_DOWN, and notes the WM_MENUSELECT it is shown.
LRESULT EatDownKeys(int code, WPARAM, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code != MSGF_MENU) return 0;
  if (msg->message == WM_MENUSELECT) FilteredMenuSelects().push_back(msg->wParam);
  return msg->message == WM_KEYDOWN && msg->wParam == VK_DOWN ? 1 : 0;
}

TEST_F(MenuTrackTest, MessageFiltersRewriteAndHandleWhatTheLoopTakes) {
  HHOOK swap = SetWindowsHookExW(WH_MSGFILTER, SwapArrows, nullptr, GetCurrentThreadId());
  for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_LEFT, VK_RETURN}) headless::Key(key);
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 150, 150, 0, owner, nullptr), 301);
  UnhookWindowsHookEx(swap);

  FilteredMenuSelects().clear();
  HHOOK eat = SetWindowsHookExW(WH_MSGFILTER, EatDownKeys, nullptr, GetCurrentThreadId());
  recorder->Clear();
  for (UINT key : {VK_DOWN, VK_DOWN, VK_UP, VK_ESCAPE}) headless::Key(key);
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD | TPM_NONOTIFY, 150, 150, 0, owner, nullptr), 0);
  UnhookWindowsHookEx(eat);
  // Up from nothing selects the last entry; the eaten downs moved nothing.
  EXPECT_EQ(Selections(), (std::vector<int>{106, 0}));
  // The filter is shown the selection and the close even under TPM_NONOTIFY.
  EXPECT_EQ(FilteredMenuSelects(), (std::vector<WPARAM>{MAKEWPARAM(106, MF_HILITE), MAKEWPARAM(0, 0xFFFF)}));
}

TEST_F(MenuTrackTest, NoNotifyStillReportsSelectionAndClose) {
  headless::Key(VK_DOWN);
  headless::Key(VK_ESCAPE);
  EXPECT_TRUE(TrackPopupMenu(file, TPM_NONOTIFY | TPM_RIGHTBUTTON, 150, 150, 0, owner, nullptr));
  EXPECT_EQ(MenuLog(), (std::vector<std::string>{"WM_MENUSELECT", "WM_MENUSELECT"}));
  EXPECT_EQ(Selections(), (std::vector<int>{101, 0}));
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_MENUSELECT && LOWORD(m.wParam) == 0) {
      EXPECT_EQ(HIWORD(m.wParam), 0xFFFF);
      EXPECT_EQ(m.lParam, 0);
    }
  }
}

HWND& PressTarget() {
  static HWND hwnd = nullptr;
  return hwnd;
}

// As a skinned menu bar tracks its drop-down: on the first message the menu
// window is sent a posted VK_DOWN (selecting the first entry); when that
// arrives, a press is posted to the owner to switch to another drop-down.
LRESULT SwitchLikeASkinnedBar(int code, WPARAM, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code != MSGF_MENU || PressTarget() == nullptr) return 0;
  HWND menuWindow = FindWindowExW(nullptr, nullptr, u"#32768", nullptr);
  if (msg->message == WM_NULL) {
    PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  } else if (msg->message == WM_KEYDOWN && msg->hwnd == menuWindow) {
    PostMessageW(PressTarget(), WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(120, 110));
    PressTarget() = nullptr;
  }
  return 0;
}

TEST_F(MenuTrackTest, PressPostedToTheOwnerEndsTheLoopAndIsThenDelivered) {
  PressTarget() = owner;
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, SwitchLikeASkinnedBar, nullptr, GetCurrentThreadId());
  PostMessageW(owner, WM_NULL, 0, 0);
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD | TPM_NONOTIFY, 150, 150, 0, owner, nullptr), 0);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(Selections(), (std::vector<int>{101, 0}));
  EXPECT_EQ(FindWindowExW(nullptr, nullptr, u"#32768", nullptr), nullptr);
  recorder->Clear();
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_NCLBUTTONDOWN, P | W | kLParam, HTCLIENT, MAKELPARAM(120, 110)}}));
}

TEST_F(MenuTrackTest, AClickOutsideClosesAndGoesOnAndAltCloses) {
  // The owner's client area lies left of the popup.
  headless::Click(130, 200);
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 250, 150, 0, owner, nullptr), 0);
  recorder->Clear();
  Pump();
  bool pressed = false;
  for (const RecordedMessage& m : recorder->Log()) pressed = pressed || (m.message == WM_LBUTTONDOWN && m.hwnd == owner);
  EXPECT_TRUE(pressed) << recorder->Describe();
  recorder->Clear();
  headless::KeyDown(VK_MENU);
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 250, 150, 0, owner, nullptr), 0);
  headless::KeyUp(VK_MENU);
  Pump();
}

RECT& LastPopupRect() {
  static RECT rect{};
  return rect;
}

LRESULT RecordPopupRect(int code, WPARAM, LPARAM) {
  if (code == MSGF_MENU) GetWindowRect(FindWindowExW(nullptr, nullptr, u"#32768", nullptr), &LastPopupRect());
  return 0;
}

TEST_F(MenuTrackTest, PopupsAlignToThePointAndFlipWhereTheyDoNotFit) {
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, RecordPopupRect, nullptr, GetCurrentThreadId());
  auto place = [&](UINT flags, int x, int y) {
    headless::Key(VK_ESCAPE);
    TrackPopupMenu(file, flags | TPM_RETURNCMD, x, y, 0, owner, nullptr);
    return LastPopupRect();
  };
  const RECT plain = place(0, 600, 600);
  EXPECT_EQ(plain.left, 600);
  EXPECT_EQ(plain.top, 600);
  const int width = plain.right - plain.left, height = plain.bottom - plain.top;
  const RECT corner = place(TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 600, 600);
  EXPECT_EQ(corner, (RECT{600 - width, 600 - height, 600, 600}));
  const RECT centred = place(TPM_CENTERALIGN | TPM_VCENTERALIGN, 600, 600);
  EXPECT_EQ(centred.left, 600 - width / 2);
  EXPECT_EQ(centred.top, 600 - height / 2);
  // At the screen's bottom right corner the menu opens up and to the left.
  const RECT flipped = place(0, 1270, 1010);
  EXPECT_EQ(flipped, (RECT{1270 - width, 1010 - height, 1270, 1010}));
  UnhookWindowsHookEx(hook);
}

TEST_F(MenuTrackTest, TheCaptionIconOpensTheSystemMenu) {
  RECT window{};
  GetWindowRect(owner, &window);
  // The icon sits at the caption's left end.
  const POINT icon{window.left + 4 + 2 + 8, window.top + 4 + 8};
  EXPECT_EQ(SendMessageW(owner, WM_NCHITTEST, 0, MAKELPARAM(icon.x, icon.y)), HTSYSMENU);
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, RecordPopupRect, nullptr, GetCurrentThreadId());
  headless::Click(icon.x, icon.y);
  headless::Key(VK_ESCAPE);
  Pump();
  UnhookWindowsHookEx(hook);
  bool initSystem = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_INITMENUPOPUP && m.hwnd == owner) {
      initSystem = reinterpret_cast<HMENU>(m.wParam) == GetSystemMenu(owner, FALSE) && HIWORD(m.lParam) == 1;
    }
  }
  EXPECT_TRUE(initSystem) << recorder->Describe();
  // It drops from below the caption.
  EXPECT_EQ(LastPopupRect().top, window.top + 4 + 18);
}

// An owner that sizes and draws its owner-drawn entries.
struct OwnerDraw {
  int measured = 0;
  std::vector<DRAWITEMSTRUCT> drawn;
};

OwnerDraw& OwnerDrawLog() {
  static OwnerDraw log;
  return log;
}

LRESULT OwnerDrawProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    ++OwnerDrawLog().measured;
    measure->itemWidth = 90;
    measure->itemHeight = measure->itemID == 2 ? 30 : 20;
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    OwnerDrawLog().drawn.push_back(*draw);
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    HBRUSH brush = CreateSolidBrush(selected ? RGB(200, 40, 40) : RGB(250, 240, 200));
    FillRect(draw->hDC, &draw->rcItem, brush);
    DeleteObject(brush);
    HBRUSH frame = CreateSolidBrush(RGB(40, 40, 120));
    FrameRect(draw->hDC, &draw->rcItem, frame);
    DeleteObject(frame);
    return TRUE;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

platform::DibImage& Captured() {
  static platform::DibImage image;
  return image;
}

// Takes a picture of the open menu when the loop takes the first Escape key.
LRESULT CaptureOnEscape(int code, WPARAM, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_MENU && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE && Captured().bits.empty()) {
    Captured() = headless::ScreenImage();
  }
  return 0;
}

TEST_F(MenuTrackTest, OwnerDrawnEntriesAreMeasuredOnceAndDrawnInClientCoordinates) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProcFromFunction(OwnerDrawProc);
  wc.lpszClassName = u"OwnerDrawOwner";
  RegisterClassExW(&wc);
  HWND drawer = CreateWindowExW(0, u"OwnerDrawOwner", u"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100,
                                nullptr, nullptr, nullptr, nullptr);
  HMENU popup = CreatePopupMenu();
  AppendMenuW(popup, MF_OWNERDRAW, 1, reinterpret_cast<LPCWSTR>(0x11));
  AppendMenuW(popup, MF_OWNERDRAW, 2, reinterpret_cast<LPCWSTR>(0x22));
  OwnerDrawLog() = OwnerDraw{};
  Captured() = platform::DibImage{};
  HHOOK capture = SetWindowsHookExW(WH_MSGFILTER, CaptureOnEscape, nullptr, GetCurrentThreadId());
  headless::Key(VK_DOWN);
  headless::Key(VK_DOWN);
  headless::Key(VK_ESCAPE);
  TrackPopupMenu(popup, 0, 400, 300, 0, drawer, nullptr);
  headless::Key(VK_ESCAPE);
  TrackPopupMenu(popup, 0, 400, 300, 0, drawer, nullptr);
  UnhookWindowsHookEx(capture);
  EXPECT_EQ(OwnerDrawLog().measured, 2);  // once per entry, not per opening
  ASSERT_FALSE(OwnerDrawLog().drawn.empty());
  for (const DRAWITEMSTRUCT& d : OwnerDrawLog().drawn) {
    EXPECT_EQ(d.CtlType, ODT_MENU);
    EXPECT_EQ(d.hwndItem, reinterpret_cast<HWND>(popup));
    const RECT expected = d.itemID == 1 ? RECT{0, 0, 90, 20} : RECT{0, 20, 90, 50};
    EXPECT_TRUE(EqualRect(&d.rcItem, &expected)) << d.itemID;
    EXPECT_EQ(d.itemData, d.itemID == 1 ? 0x11u : 0x22u);
  }
  // The popup's client area starts 3 pixels inside its window: 90 x 50 + 6.
  EXPECT_TRUE(MatchesGolden(Crop(Captured(), RECT{400, 300, 496, 356}), "user/menu_owner_drawn"));
  DestroyMenu(popup);
  DestroyWindow(drawer);
  UnregisterClassW(u"OwnerDrawOwner", nullptr);
}

TEST_F(MenuTrackTest, BarWithOpenDropDownPicture) {
  Captured() = platform::DibImage{};
  HHOOK capture = SetWindowsHookExW(WH_MSGFILTER, CaptureOnEscape, nullptr, GetCurrentThreadId());
  // Alt+F opens File with its first entry selected; down to Recent.
  headless::KeyDown(VK_MENU);
  headless::Key('F');
  headless::KeyUp(VK_MENU);
  headless::Key(VK_DOWN);
  headless::Key(VK_DOWN);
  headless::Key(VK_ESCAPE);
  headless::Key(VK_ESCAPE);
  Pump();
  UnhookWindowsHookEx(capture);
  EXPECT_TRUE(MatchesGolden(Crop(Captured(), RECT{100, 100, 400, 340}), "user/menu_bar_drop_down", {48, 60}));
}

TEST_F(MenuTrackTest, SystemMenuEntriesFollowTheWindow) {
  auto states = [](HMENU menu) {
    std::vector<std::pair<UINT, UINT>> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      out.emplace_back(GetMenuItemID(menu, i), GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MFS_GRAYED);
    }
    return out;
  };
  const UINT grey = MFS_GRAYED;
  HMENU system = GetSystemMenu(owner, FALSE);
  ASSERT_NE(system, nullptr);
  EXPECT_EQ(GetSystemMenu(owner, FALSE), system);
  using Entries = std::vector<std::pair<UINT, UINT>>;
  const UINT separator = 0;
  EXPECT_EQ(states(system), (Entries{{SC_RESTORE, grey}, {SC_MOVE, 0}, {SC_SIZE, 0}, {SC_MINIMIZE, 0}, {SC_MAXIMIZE, 0},
                                     {separator, 0}, {SC_CLOSE, 0}}));
  char text[80];
  EXPECT_GT(GetMenuStringA(system, SC_CLOSE, text, sizeof(text), MF_BYCOMMAND), 0);
  EXPECT_STREQ(text, "&Close\tAlt+F4");

  ShowWindow(owner, SW_MAXIMIZE);
  system = GetSystemMenu(owner, FALSE);
  EXPECT_EQ(states(system), (Entries{{SC_RESTORE, 0}, {SC_MOVE, grey}, {SC_SIZE, grey}, {SC_MINIMIZE, 0},
                                     {SC_MAXIMIZE, grey}, {separator, 0}, {SC_CLOSE, 0}}));
  EXPECT_EQ(GetSystemMenu(owner, TRUE), nullptr);

  // Removing Close stops the caption's close button; the standard menu
  // brings it back.
  RECT window{};
  GetWindowRect(owner, &window);
  const POINT close{window.right - 4 - 2 - 8, window.top + 4 + 8};
  ASSERT_EQ(SendMessageW(owner, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
  EXPECT_TRUE(DeleteMenu(GetSystemMenu(owner, FALSE), SC_CLOSE, MF_BYCOMMAND));
  MENUITEMINFOA closing{};
  closing.cbSize = sizeof(closing);
  closing.fMask = MIIM_STATE;
  EXPECT_FALSE(GetMenuItemInfoA(GetSystemMenu(owner, FALSE), SC_CLOSE, FALSE, &closing));
  headless::Click(close.x, close.y);
  Pump();
  EXPECT_TRUE(IsWindow(owner));
  GetSystemMenu(owner, TRUE);

  HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, MessageRecorder::WideClass(), u"Dialog",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
  EXPECT_EQ(states(GetSystemMenu(dialog, FALSE)), (Entries{{SC_MOVE, 0}, {separator, 0}, {SC_CLOSE, 0}}));
  HWND plain = CreateWindowExW(0, MessageRecorder::WideClass(), u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
  EXPECT_EQ(GetSystemMenu(plain, FALSE), nullptr);  // no WS_SYSMENU, no system menu
  DestroyWindow(plain);
  DestroyWindow(dialog);
}

TEST_F(MenuTrackTest, SystemMenuChoiceArrivesAsSysCommandAndItsPicture) {
  ShowWindow(owner, SW_RESTORE);
  Pump();
  Captured() = platform::DibImage{};
  HHOOK capture = SetWindowsHookExW(WH_MSGFILTER, CaptureOnEscape, nullptr, GetCurrentThreadId());
  // Alt+Space opens it; a picture; then Alt+Space again and "n" minimises.
  headless::KeyDown(VK_MENU);
  headless::Key(VK_SPACE);
  headless::KeyUp(VK_MENU);
  headless::Key(VK_ESCAPE);
  Pump();
  UnhookWindowsHookEx(capture);
  EXPECT_TRUE(MatchesGolden(Crop(Captured(), RECT{100, 100, 300, 300}), "user/menu_system", {48, 60}));
  recorder->Clear();
  headless::KeyDown(VK_MENU);
  headless::Key(VK_SPACE);
  headless::KeyUp(VK_MENU);
  headless::TypeChar(u'n');
  Pump();
  bool minimise = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_SYSCOMMAND && m.wParam == SC_MINIMIZE && (m.flags & kPosted)) minimise = true;
  }
  EXPECT_TRUE(minimise) << recorder->Describe();
  EXPECT_TRUE(IsIconic(owner));
}

TEST_F(MenuTrackTest, TheBarTakesRowsOfTheFrameAndWrapsWhenNarrow) {
  RECT client{}, window{};
  GetClientRect(owner, &client);
  GetWindowRect(owner, &window);
  // Frame 4, caption 18, one bar row of 19, client edge none.
  EXPECT_EQ(client.bottom, (window.bottom - window.top) - 4 - 18 - 19 - 4);
  // Hit testing: the bar is HTMENU, the caption above it is not.
  EXPECT_EQ(SendMessageW(owner, WM_NCHITTEST, 0, MAKELPARAM(window.left + 200, window.top + 4 + 18 + 5)), HTMENU);
  EXPECT_EQ(SendMessageW(owner, WM_NCHITTEST, 0, MAKELPARAM(window.left + 100, window.top + 10)), HTCAPTION);

  // Narrow: the items wrap onto a second row.
  SetWindowPos(owner, nullptr, 0, 0, 110, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(owner, &client);
  EXPECT_EQ(client.bottom, 200 - 4 - 18 - 2 * 19 - 4);
  RECT first{}, last{};
  GetMenuItemRect(owner, bar, 0, &first);
  GetMenuItemRect(owner, bar, 2, &last);
  EXPECT_GT(last.top, first.top);

  // Without a menu the rows go; GetMenu answers what SetMenu set.
  EXPECT_TRUE(SetMenu(owner, nullptr));
  EXPECT_EQ(GetMenu(owner), nullptr);
  GetClientRect(owner, &client);
  EXPECT_EQ(client.bottom, 200 - 4 - 18 - 4);
  EXPECT_EQ(SendMessageW(owner, WM_NCHITTEST, 0, MAKELPARAM(window.left + 50, window.top + 4 + 18 + 5)), HTCLIENT);
  EXPECT_TRUE(SetMenu(owner, bar));
  EXPECT_EQ(GetMenu(owner), bar);
  HWND child = CreateChild(owner, RECT{0, 0, 10, 10});
  EXPECT_FALSE(SetMenu(child, bar));
}

int& OpenMenuWindows() {
  static int count = 0;
  return count;
}

// When the hover timer fires, queues two Escapes; counts the menu windows
// open when the first one is taken.
LRESULT EscapeAfterHover(int code, WPARAM, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code != MSGF_MENU) return 0;
  if (msg->message == WM_SYSTIMER) {
    PostMessageW(msg->hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(msg->hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE && OpenMenuWindows() < 0) {
    OpenMenuWindows() = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, u"#32768", nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, u"#32768", nullptr)) {
      ++OpenMenuWindows();
    }
  }
  return 0;
}

TEST_F(MenuTrackTest, HoverOpensASubMenuAfterTheDelay) {
  // The popup at (150, 150): the pointer rests on its third entry, Recent.
  const int itemHeight = GetSystemMetrics(SM_CYMENU) - 2;
  headless::MoveMouse(150 + 3 + 20, 150 + 3 + 2 * itemHeight + itemHeight / 2);
  OpenMenuWindows() = -1;
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, EscapeAfterHover, nullptr, GetCurrentThreadId());
  const DWORD start = GetTickCount();
  TrackPopupMenu(file, TPM_RETURNCMD, 150, 150, 0, owner, nullptr);
  UnhookWindowsHookEx(hook);
  EXPECT_GE(GetTickCount() - start, 400u);
  EXPECT_EQ(OpenMenuWindows(), 2);  // File and Recent
  EXPECT_EQ(Selections(), (std::vector<int>{2, 0}));
}

struct LoopQueries {
  HWND owner = nullptr;
  HMENU menu = nullptr;
  bool done = false;
  RECT second{};
  int fromPoint = -2;
  BOOL hilite = FALSE;
  UINT stateAfterHilite = 0;
  std::size_t printedPixels = 0;
};

LoopQueries& Queries() {
  static LoopQueries q;
  return q;
}

// Asks the open menu where its items are, prints its window, then ends the
// loop with EndMenu.
LRESULT QueryOpenMenu(int code, WPARAM, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  LoopQueries& q = Queries();
  if (code != MSGF_MENU || q.done || msg->message != WM_KEYDOWN) return 0;
  q.done = true;
  GetMenuItemRect(q.owner, q.menu, 1, &q.second);
  q.fromPoint = MenuItemFromPoint(q.owner, q.menu, POINT{q.second.left + 2, q.second.top + 2});
  HWND window = FindWindowExW(nullptr, nullptr, u"#32768", nullptr);
  RECT rect{};
  GetWindowRect(window, &rect);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  // The printed frame's outer edge is the light one of a raised edge.
  for (int x = 0; x < rect.right - rect.left; ++x) {
    if (GetPixel(memory, x, 1) == GetSysColor(COLOR_3DHILIGHT)) ++q.printedPixels;
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  q.hilite = HiliteMenuItem(q.owner, q.menu, 0, MF_BYPOSITION | MF_HILITE);
  q.stateAfterHilite = GetMenuState(q.menu, 0, MF_BYPOSITION);
  EndMenu();
  return 1;
}

TEST_F(MenuTrackTest, OpenMenusAnswerItemRectsAndPrintAndEndMenuCloses) {
  Queries() = LoopQueries{owner, file};
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, QueryOpenMenu, nullptr, GetCurrentThreadId());
  headless::Key(VK_DOWN);
  EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 150, 150, 0, owner, nullptr), 0);
  UnhookWindowsHookEx(hook);
  const LoopQueries& q = Queries();
  ASSERT_TRUE(q.done);
  const int itemHeight = GetSystemMetrics(SM_CYMENU) - 2;
  EXPECT_EQ(q.second.top, 150 + 3 + itemHeight);
  EXPECT_EQ(q.second.left, 153);
  EXPECT_EQ(q.fromPoint, 1);
  EXPECT_TRUE(q.hilite);
  EXPECT_TRUE(q.stateAfterHilite & MF_HILITE);
  EXPECT_GT(q.printedPixels, 50u);
  EXPECT_FALSE(EndMenu());  // nothing is tracked any more
  EXPECT_EQ(MenuItemFromPoint(owner, file, POINT{q.second.left + 2, q.second.top + 2}), -1);
}

TEST_F(MenuTrackTest, AltAloneSelectsTheBarAndDownOpensTheDropDown) {
  headless::Key(VK_MENU);    // the bar's first item, nothing open
  headless::Key(VK_RIGHT);   // Edit
  headless::Key(VK_DOWN);    // Edit's drop-down, Undo selected
  headless::Key(VK_RETURN);
  Pump();
  EXPECT_EQ(Selections(), (std::vector<int>{0, 1, 201, 0}));
  bool command = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_COMMAND && m.hwnd == owner && LOWORD(m.wParam) == 201) command = true;
  }
  EXPECT_TRUE(command);
}

HMENU& ColumnsMenu() {
  static HMENU menu = nullptr;
  return menu;
}

std::vector<RECT>& ColumnRects() {
  static std::vector<RECT> rects;
  return rects;
}

LRESULT RecordItemRects(int code, WPARAM, LPARAM) {
  if (code != MSGF_MENU || !ColumnRects().empty()) return 0;
  for (int i = 0; i < GetMenuItemCount(ColumnsMenu()); ++i) {
    RECT r{};
    GetMenuItemRect(nullptr, ColumnsMenu(), static_cast<UINT>(i), &r);
    ColumnRects().push_back(r);
  }
  return 0;
}

TEST_F(MenuTrackTest, BreaksStartNewColumnsOfEqualWidth) {
  HMENU columns = CreatePopupMenu();
  AppendMenuW(columns, MF_STRING, 1, u"One");
  AppendMenuW(columns, MF_STRING, 2, u"A longer entry");
  AppendMenuW(columns, MF_STRING | MF_MENUBARBREAK, 3, u"Three");
  AppendMenuW(columns, MF_STRING | MF_MENUBREAK, 4, u"Four");
  ColumnsMenu() = columns;
  ColumnRects().clear();
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, RecordItemRects, nullptr, GetCurrentThreadId());
  headless::Key(VK_ESCAPE);
  TrackPopupMenu(columns, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
  UnhookWindowsHookEx(hook);
  const std::vector<RECT>& r = ColumnRects();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0].right - r[0].left, r[1].right - r[1].left);  // one width per column
  EXPECT_EQ(r[2].top, r[0].top);                               // a new column starts at the top
  EXPECT_EQ(r[2].left, r[1].right + 2);                        // with room for the bar between
  EXPECT_EQ(r[3].left, r[2].right);
  EXPECT_EQ(r[3].top, r[0].top);
  DestroyMenu(columns);
}

TEST(MenuBitmapTest, SystemGlyphsLoadAsBitmapsTheCallerDeletes) {
  HBITMAP check = LoadBitmapW(nullptr, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(OBM_CHECK)));
  ASSERT_NE(check, nullptr);
  BITMAP info{};
  GetObjectW(check, sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, GetSystemMetrics(SM_CXMENUCHECK));
  EXPECT_TRUE(DeleteObject(check));
  EXPECT_EQ(LoadBitmapA(nullptr, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(12345))), nullptr);
  EXPECT_EQ(LoadBitmapA(nullptr, "NAMED"), nullptr);
}

class MenuLeakTest : public MenuTrackTest {};

TEST_F(MenuLeakTest, AThousandOpeningsLeaveEveryHandleCountUnchanged) {
  // One opening first, so that whatever is made once (classes, fonts of the
  // cache) exists before counting.
  headless::Key(VK_ESCAPE);
  TrackPopupMenu(file, 0, 150, 150, 0, owner, nullptr);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 0; i < 1000; ++i) {
    headless::Key(VK_DOWN);
    headless::Key(VK_DOWN);
    headless::Key(VK_DOWN);
    headless::Key(VK_RIGHT);
    headless::Key(VK_ESCAPE);
    headless::Key(VK_ESCAPE);
    TrackPopupMenu(file, TPM_RETURNCMD, 150, 150, 0, owner, nullptr);
  }
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
}

}  // namespace
}  // namespace brellis::test
