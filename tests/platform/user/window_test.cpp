// Classes and windows: registration, data, text in both charsets, the
// tree and z-order, subclass chains, properties and atoms, metrics.
#include <cstring>
#include <vector>

#include "user/user_test.h"

namespace brellis::test {
namespace {

class WindowTest : public UserTest {};

LRESULT PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, ClassesHaveExtraBytesNamesAndData) {
  WNDCLASSEXW wc{};
  wc.style = CS_DBLCLKS | CS_HREDRAW;
  wc.lpfnWndProc = WndProcFromFunction(PlainProc);
  wc.cbClsExtra = 8;
  wc.cbWndExtra = 16;
  wc.lpszClassName = u"ExtraBytes";
  const ATOM atom = RegisterClassExW(&wc);
  ASSERT_NE(atom, 0);
  EXPECT_EQ(RegisterClassExW(&wc), 0);  // once per module
  HWND hwnd = CreateWindowExW(0, MAKEINTATOMW(atom), u"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(hwnd, nullptr);
  char name[32];
  EXPECT_EQ(GetClassNameA(hwnd, name, sizeof(name)), 10);
  EXPECT_STREQ(name, "ExtraBytes");
  EXPECT_EQ(GetClassNameA(hwnd, name, 6), 5);  // cut to the buffer
  EXPECT_EQ(GetClassLongPtrW(hwnd, GCL_STYLE), CS_DBLCLKS | CS_HREDRAW);
  EXPECT_EQ(GetClassLongPtrW(hwnd, GCW_ATOM), atom);
  EXPECT_EQ(GetClassLongPtrW(hwnd, GCL_CBWNDEXTRA), 16u);
  SetWindowLongPtrW(hwnd, 8, 0x1234);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, 8), 0x1234);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, 16), 0);  // past the end
  EXPECT_EQ(GetLastError(), 1413u);
  EXPECT_EQ(UnregisterClassW(u"ExtraBytes", nullptr), FALSE);  // a window still uses it
  DestroyWindow(hwnd);
  EXPECT_TRUE(UnregisterClassW(u"extrabytes", nullptr));  // names ignore case
  EXPECT_EQ(CreateWindowExW(0, u"ExtraBytes", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
            nullptr);
}

TEST_F(WindowTest, WindowLongsAndStyles) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE), reinterpret_cast<LONG_PTR>(platform::ProgramModule()));
  EXPECT_EQ(SetWindowLongPtrW(hwnd, GWLP_USERDATA, 42), 0);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 42);
  recorder->Clear();
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_CLIPSIBLINGS);  // top-level windows always clip siblings
  SetWindowLongW(hwnd, GWL_STYLE, style & ~WS_SYSMENU);
  EXPECT_TRUE(recorder->Matches({{WM_STYLECHANGING, kSent | kWParam, static_cast<WPARAM>(GWL_STYLE)},
                                 {WM_STYLECHANGED, kSent | kWParam, static_cast<WPARAM>(GWL_STYLE)}}));
  EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & WS_SYSMENU);
  HWND child = CreateChild(hwnd, RECT{0, 0, 10, 10}, WS_CHILD, 33);
  EXPECT_EQ(GetDlgCtrlID(child), 33);
  EXPECT_EQ(GetDlgItem(hwnd, 33), child);
  EXPECT_EQ(GetWindowLongPtrW(child, GWLP_ID), 33);
  // Stale handles fail instead of crashing.
  DestroyWindow(child);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(GetWindowLongW(child, GWL_STYLE), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_EQ(SendMessageW(child, WM_USER, 0, 0), 0);
  EXPECT_FALSE(DestroyWindow(child));
}

TEST_F(WindowTest, TextTravelsInBothCharsets) {
  // An ANSI window keeps its text wide and answers in code page 936.
  HWND ansi = CreateWindowExA(0, MessageRecorder::AnsiClass(), u8"提示信息"_ansi.c_str(), WS_POPUP, 0, 0, 10, 10,
                              nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(ansi, nullptr);
  EXPECT_FALSE(IsWindowUnicode(ansi));
  WCHAR wide[16];
  EXPECT_EQ(GetWindowTextW(ansi, wide, 16), 4);
  EXPECT_EQ(std::u16string(wide), u"提示信息");
  EXPECT_EQ(GetWindowTextLengthW(ansi), 4);
  EXPECT_GE(GetWindowTextLengthA(ansi), 8);
  char bytes[16];
  EXPECT_EQ(GetWindowTextA(ansi, bytes, 16), 8);
  EXPECT_EQ(AnsiString(bytes), u8"提示信息"_ansi);
  // A short buffer never ends in half a character.
  EXPECT_EQ(GetWindowTextA(ansi, bytes, 4), 2);

  HWND unicode = CreateTop(WS_POPUP);
  EXPECT_TRUE(IsWindowUnicode(unicode));
  SetWindowTextA(unicode, u8"错误信息："_ansi.c_str());
  EXPECT_EQ(GetWindowTextW(unicode, wide, 16), 5);
  EXPECT_EQ(std::u16string(wide), u"错误信息：");
  // WM_GETTEXT with a 1000-byte buffer, as the skin engine asks.
  char buffer[1000];
  EXPECT_EQ(SendMessageA(unicode, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)), 10);
}

TEST_F(WindowTest, TreeAndZOrder) {
  HWND parent = CreateTop(WS_OVERLAPPEDWINDOW);
  HWND a = CreateChild(parent, RECT{0, 0, 10, 10});
  HWND b = CreateChild(parent, RECT{0, 0, 10, 10});
  HWND c = CreateChild(parent, RECT{0, 0, 10, 10});
  // Children are listed top to bottom in creation order.
  EXPECT_EQ(GetTopWindow(parent), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
  EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetTopWindow(parent), c);
  SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
  // Insert-after puts a window directly below another.
  SetWindowPos(c, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), c);
  // Moving children with SWP_NOOWNERZORDER|SWP_NOSENDCHANGING and no
  // SWP_NOZORDER brings each to the top.
  SetWindowPos(b, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
  EXPECT_EQ(GetTopWindow(parent), b);

  EXPECT_EQ(GetParent(a), parent);
  EXPECT_TRUE(IsChild(parent, a));
  EXPECT_EQ(GetAncestor(a, GA_ROOT), parent);
  HWND owned = CreateTop(WS_POPUP, RECT{0, 0, 10, 10}, 0, a);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), parent);  // the owner is the top-level window
  EXPECT_EQ(GetParent(owned), parent);             // popups answer their owner
  int count = 0;
  EnumChildWindows(parent, [](HWND, LPARAM l) -> BOOL { ++*reinterpret_cast<int*>(l); return TRUE; },
                   reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count, 3);
  // The owned window goes with its owner.
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowTest, OwnedWindowsStayAboveTheirOwner) {
  HWND owner = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
  HWND owned = CreateTop(WS_POPUP | WS_VISIBLE, RECT{10, 10, 50, 50}, 0, owner);
  HWND other = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200});
  ASSERT_EQ(GetTopWindow(nullptr), other);
  SetActiveWindow(owner);
  EXPECT_EQ(GetTopWindow(nullptr), owned);
  EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), owner);
  SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  BringWindowToTop(owner);
  EXPECT_EQ(GetTopWindow(nullptr), owned);
  // SWP_NOOWNERZORDER moves the owner alone.
  SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  EXPECT_EQ(GetTopWindow(nullptr), owner);
}

// A window owned by one that never shows (an application window) carries
// that owner's title on the task bar, and follows it when it changes.
TEST_F(WindowTest, TaskBarTitleComesFromAHiddenRootOwner) {
  HWND application = CreateTop(WS_POPUP, RECT{0, 0, 0, 0});
  SetWindowTextW(application, u"Program");
  HWND form = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, 0, application);
  SetWindowTextW(form, u"Form");
  HWND alone = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
  SetWindowTextW(alone, u"Alone");
  EXPECT_EQ(platform::display::headless::WindowTitle(form), u"Program");
  EXPECT_EQ(platform::display::headless::WindowTitle(alone), u"Alone");
  SetWindowTextW(application, u"Renamed");
  EXPECT_EQ(platform::display::headless::WindowTitle(form), u"Renamed");
}

TEST_F(WindowTest, ShowCommands) {
  HWND active = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 200});
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW, RECT{300, 0, 500, 200});
  SetActiveWindow(active);
  ShowWindow(hwnd, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetActiveWindow(), active);
  ShowWindow(hwnd, SW_HIDE);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  EXPECT_EQ(GetActiveWindow(), active);
  ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
  EXPECT_TRUE(IsIconic(hwnd));
  EXPECT_EQ(GetActiveWindow(), active);
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(hwnd));
  EXPECT_EQ(GetActiveWindow(), hwnd);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect, (RECT{300, 0, 500, 200}));
  EXPECT_TRUE(CloseWindow(hwnd));  // minimises, as on Windows
  EXPECT_TRUE(IsIconic(hwnd));
  EXPECT_TRUE(OpenIcon(hwnd));
  EXPECT_FALSE(IsIconic(hwnd));
  EXPECT_TRUE(ShowWindow(hwnd, 99));  // an unknown command changes nothing
  EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(WindowTest, SetParentMovesAChild) {
  HWND one = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
  HWND two = CreateTop(WS_POPUP | WS_VISIBLE, RECT{200, 0, 300, 100});
  HWND child = CreateChild(one, RECT{10, 10, 20, 20});
  EXPECT_EQ(SetParent(child, two), one);
  EXPECT_EQ(GetParent(child), two);
  RECT rect{};
  GetWindowRect(child, &rect);
  EXPECT_EQ(rect, (RECT{210, 10, 220, 20}));
  EXPECT_EQ(SetParent(two, child), nullptr);  // no cycles
}

TEST_F(WindowTest, SubclassChainsRestoreInReverseOrder) {
  HWND hwnd = CreateTop(WS_POPUP);
  std::vector<int> order;
  WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  std::vector<WNDPROC> previous(4), thunks(4);
  for (int i = 1; i <= 3; ++i) {
    thunks[i] = MakeWndProcThunk([&order, &previous, i](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_USER) order.push_back(i);
      return CallWindowProcW(previous[i], h, m, w, l);
    });
    previous[i] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunks[i])));
  }
  SendMessageW(hwnd, WM_USER, 0, 0);
  EXPECT_EQ(order, (std::vector<int>{3, 2, 1}));
  for (int i = 3; i >= 1; --i) {
    EXPECT_EQ(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous[i])),
              reinterpret_cast<LONG_PTR>(thunks[i]));
    FreeWndProcThunk(thunks[i]);
  }
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)), original);
  EXPECT_EQ(platform::LiveThunkCount(), 0u);
}

TEST_F(WindowTest, AnsiSubclassOfAWideWindowConvertsAndRestores) {
  HWND hwnd = CreateTop(WS_POPUP);
  static std::string seen;
  static WNDPROC previous = nullptr;
  WNDPROC thunk = MakeWndProcThunk([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_SETTEXT) seen = reinterpret_cast<LPCSTR>(l);
    return CallWindowProcA(previous, h, m, w, l);
  });
  previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk)));
  EXPECT_FALSE(IsWindowUnicode(hwnd));
  SetWindowTextW(hwnd, u"宋体");
  EXPECT_EQ(seen, u8"宋体"_ansi);
  WCHAR text[8];
  GetWindowTextW(hwnd, text, 8);
  EXPECT_EQ(std::u16string(text), u"宋体");  // the wide procedure got wide text back
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  EXPECT_TRUE(IsWindowUnicode(hwnd));
  FreeWndProcThunk(thunk);
}

TEST_F(WindowTest, PropertiesAndAtoms) {
  HWND hwnd = CreateTop(WS_POPUP);
  const ATOM atom = GlobalAddAtomA("ControlOfs0040000000000001");
  ASSERT_GE(atom, 0xC000);
  EXPECT_EQ(GlobalFindAtomA("controlofs0040000000000001"), atom);
  EXPECT_EQ(GlobalAddAtomA("ControlOfs0040000000000001"), atom);  // counted
  int object = 0;
  EXPECT_TRUE(SetPropA(hwnd, MAKEINTATOMA(atom), &object));
  EXPECT_EQ(GetPropA(hwnd, MAKEINTATOMA(atom)), &object);
  EXPECT_EQ(GetPropA(hwnd, "ControlOfs0040000000000001"), &object);  // by name too
  EXPECT_EQ(GetPropW(hwnd, u"other"), nullptr);
  EXPECT_EQ(RemovePropA(hwnd, "ControlOfs0040000000000001"), &object);
  EXPECT_EQ(GetPropA(hwnd, MAKEINTATOMA(atom)), nullptr);
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
  EXPECT_EQ(GlobalFindAtomA("ControlOfs0040000000000001"), atom);
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
  EXPECT_EQ(GlobalFindAtomA("ControlOfs0040000000000001"), 0);
  EXPECT_EQ(GlobalAddAtomA("#123"), 123);
}

TEST_F(WindowTest, MetricsVersionAndModules) {
  EXPECT_EQ(GetSystemMetrics(SM_CXHSCROLL), 16);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 18);
  EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 19);
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = 340;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0));
  EXPECT_EQ(ncm.lfCaptionFont.lfHeight, -12);
  EXPECT_EQ(AnsiString(ncm.lfCaptionFont.lfFaceName), u8"宋体"_ansi);
  EXPECT_EQ(ncm.iCaptionHeight, 18);
  ncm.cbSize = 100;
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 100, &ncm, 0));
  EXPECT_EQ(GetVersion(), 0x0A280105u);
  EXPECT_FALSE(GetVersion() & 0x80000000);
  platform::OverrideVersion(0xC0000A04);  // the 9x family
  EXPECT_TRUE(GetVersion() & 0x80000000);
  platform::OverrideVersion(0);
  EXPECT_EQ(GetModuleHandleW(nullptr), platform::ProgramModule());
  EXPECT_NE(platform::OtherModule(0), platform::ProgramModule());
  // A class of another module makes windows of that module; the system's
  // classes serve every module.
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = WndProcFromFunction(PlainProc);
  wc.hInstance = platform::OtherModule(0);
  wc.lpszClassName = u"OtherModuleClass";
  ASSERT_NE(RegisterClassExW(&wc), 0);
  EXPECT_EQ(CreateWindowExW(0, u"OtherModuleClass", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
            nullptr);
  HWND other = CreateWindowExW(0, u"OtherModuleClass", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               platform::OtherModule(0), nullptr);
  HWND dialog = CreateWindowExW(0, u"#32770", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                platform::OtherModule(1), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(dialog, GWLP_HINSTANCE), reinterpret_cast<LONG_PTR>(platform::OtherModule(1)));
  EXPECT_EQ(GetWindowLongPtrW(other, GWLP_HINSTANCE), reinterpret_cast<LONG_PTR>(platform::OtherModule(0)));
  DestroyWindow(other);
  UnregisterClassW(u"OtherModuleClass", platform::OtherModule(0));
  RECT rect{0, 0, 100, 100};
  AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
  EXPECT_EQ(rect, (RECT{-4, -22, 104, 104}));
}

TEST_F(WindowTest, GeometryMapsPointsAndFindsWindows) {
  HWND top = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 300, 300});
  HWND child = CreateChild(top, RECT{10, 10, 60, 60});
  HWND hidden = CreateChild(top, RECT{70, 10, 90, 30}, WS_CHILD);
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (POINT{100 + 4 + 10, 100 + 22 + 10}));
  ScreenToClient(top, &p);
  EXPECT_EQ(p, (POINT{10, 10}));
  POINT q{5, 5};
  MapWindowPoints(child, top, &q, 1);
  EXPECT_EQ(q, (POINT{15, 15}));
  EXPECT_EQ(WindowFromPoint(POINT{120, 140}), child);
  EXPECT_EQ(WindowFromPoint(POINT{180, 140}), top);
  EXPECT_EQ(ChildWindowFromPointEx(top, POINT{75, 15}, CWP_ALL), hidden);
  EXPECT_EQ(ChildWindowFromPointEx(top, POINT{75, 15}, CWP_SKIPINVISIBLE), top);
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{500, 500}), nullptr);
  // Default hit testing of the classic frame.
  auto hit = [&](int x, int y) { return SendMessageW(top, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(200, 110), HTCAPTION);
  EXPECT_EQ(hit(101, 200), HTLEFT);
  EXPECT_EQ(hit(101, 101), HTTOPLEFT);
  EXPECT_EQ(hit(200, 298), HTBOTTOM);
  EXPECT_EQ(hit(300 - 4 - 2 - 8, 100 + 4 + 2 + 7), HTCLOSE);
  EXPECT_EQ(hit(300 - 4 - 2 - 16 - 2 - 8, 100 + 4 + 2 + 7), HTMAXBUTTON);
  EXPECT_EQ(hit(300 - 4 - 2 - 16 - 2 - 16 - 8, 100 + 4 + 2 + 7), HTMINBUTTON);
  EXPECT_EQ(hit(110, 110), HTSYSMENU);
  EXPECT_EQ(hit(200, 200), HTCLIENT);
  EXPECT_EQ(hit(400, 400), HTNOWHERE);
  // Without WS_SYSMENU the caption has no buttons to hit.
  SetWindowLongW(top, GWL_STYLE, GetWindowLongW(top, GWL_STYLE) & ~WS_SYSMENU);
  EXPECT_EQ(hit(300 - 4 - 2 - 8, 100 + 4 + 2 + 7), HTCAPTION);
}

}  // namespace
}  // namespace brellis::test
