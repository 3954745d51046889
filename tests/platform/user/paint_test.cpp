// Painting: update regions, WM_PAINT and erasing, window DCs and their
// clipping, window regions, WM_PRINT, and pictures of the classic frame.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class PaintTest : public UserTest {};

platform::Pixel ScreenPixel(int x, int y) {
  const platform::DibImage screen = headless::ScreenImage();
  return screen.PixelAt(x, y);
}

platform::DibImage Crop(const platform::DibImage& image, const RECT& rect) {
  platform::DibImage out = platform::DibImage::Blank(rect.right - rect.left, rect.bottom - rect.top, 32);
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      auto* row = reinterpret_cast<platform::Pixel*>(out.bits.data() + out.format.RowOffset(y - rect.top));
      row[x - rect.left] = image.PixelAt(x, y);
    }
  }
  return out;
}

TEST_F(PaintTest, InvalidateAndUpdateSendEraseAndPaint) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
  Pump();
  recorder->Clear();
  RECT rect{10, 10, 20, 20};
  InvalidateRect(hwnd, &rect, TRUE);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_EQ(update, rect);
  UpdateWindow(hwnd);
  EXPECT_TRUE(recorder->Matches({{WM_PAINT, S}, {WM_ERASEBKGND, S | D}})) << recorder->Describe();
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));

  // Validated areas are not painted; WM_PAINT comes only while needed.
  recorder->Clear();
  InvalidateRect(hwnd, nullptr, FALSE);
  ValidateRect(hwnd, nullptr);
  Pump();
  EXPECT_TRUE(recorder->Matches({}));

  // RDW_FRAME brings WM_NCPAINT with the frame, RDW_ERASENOW erases at once.
  recorder->Clear();
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ERASENOW);
  EXPECT_TRUE(recorder->Matches({{WM_ERASEBKGND, S}}));
  recorder->Clear();
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_PAINT, P}}));
}

TEST_F(PaintTest, RedrawWindowFlagsReachChildren) {
  HWND parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 200});
  HWND child = CreateChild(parent, RECT{10, 10, 60, 60}, WS_CHILD | WS_VISIBLE | WS_BORDER);
  Pump();
  recorder->SetMainWindow(parent);
  recorder->Clear();
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  // Parent first; the frame and background come from BeginPaint.
  EXPECT_TRUE(recorder->Matches({{WM_PAINT, S},
                                 {WM_NCPAINT, S | D},
                                 {WM_ERASEBKGND, S | D},
                                 {WM_PAINT, S | X},
                                 {WM_NCPAINT, S | D | X},
                                 {WM_ERASEBKGND, S | D | X}}))
      << recorder->Describe();
  // The update region given to WM_NCPAINT is in screen coordinates.
  recorder->Clear();
  SetWindowPos(parent, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  SetWindowRgn(child, CreateRectRgn(0, 0, 20, 20), FALSE);
  EXPECT_EQ(GetWindowRgn(child, region), SIMPLEREGION);
  RECT box{};
  GetRgnBox(region, &box);
  EXPECT_EQ(box, (RECT{0, 0, 20, 20}));
  DeleteObject(region);
}

TEST_F(PaintTest, ClipChildrenAndSiblingsShapeWhatADcReaches) {
  HWND parent = CreateTop(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 100, 100});
  HWND lower = CreateChild(parent, RECT{10, 10, 50, 50}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  HWND upper = CreateChild(parent, RECT{30, 30, 70, 70}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_EQ(GetTopWindow(parent), upper);
  Pump();
  RECT clip{};
  HDC dc = GetDC(parent);
  EXPECT_EQ(GetClipBox(dc, &clip), COMPLEXREGION);
  EXPECT_FALSE(PtVisible(dc, 20, 20));  // a child covers it
  EXPECT_TRUE(PtVisible(dc, 5, 5));
  ReleaseDC(parent, dc);
  dc = GetDC(lower);
  EXPECT_TRUE(PtVisible(dc, 5, 5));
  EXPECT_FALSE(PtVisible(dc, 30, 30));  // the sibling above covers it
  ReleaseDC(lower, dc);
  // Without the style flags, GetDCEx clips only as asked.
  dc = GetDCEx(parent, nullptr, DCX_CACHE);
  EXPECT_TRUE(PtVisible(dc, 20, 20));
  ReleaseDC(parent, dc);
  dc = GetDCEx(parent, nullptr, DCX_CACHE | DCX_CLIPCHILDREN);
  EXPECT_FALSE(PtVisible(dc, 20, 20));
  ReleaseDC(parent, dc);
  // DCX_WINDOW | DCX_INTERSECTRGN with a region in screen coordinates, and
  // the undocumented style flag.
  SetWindowPos(parent, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  HRGN region = CreateRectRgn(200, 200, 210, 210);
  dc = GetDCEx(parent, region, DCX_WINDOW | DCX_INTERSECTRGN | DCX_USESTYLE);
  EXPECT_TRUE(PtVisible(dc, 5, 5));
  EXPECT_FALSE(PtVisible(dc, 5, 15));
  ReleaseDC(parent, dc);
  DeleteObject(region);
}

TEST_F(PaintTest, DrawingReachesTheScreenAfterPresentation) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{10, 10, 60, 60});
  Pump();
  HDC dc = GetDC(hwnd);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT rect{0, 0, 10, 10};
  FillRect(dc, &rect, red);
  DeleteObject(red);
  ReleaseDC(hwnd, dc);
  Pump();  // reading the queue presents what changed
  EXPECT_EQ(ScreenPixel(15, 15), 0xFF0000u);
  EXPECT_FALSE(headless::TakePresentedRects(hwnd).empty());
}

TEST_F(PaintTest, WindowRegionClipsDrawingAndHitTesting) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{100, 100, 200, 200});
  HRGN region = CreateEllipticRgn(0, 0, 100, 100);
  SetWindowRgn(hwnd, region, TRUE);
  EXPECT_FALSE(DeleteObject(region)) << "the system owns a region once it is set";
  Pump();
  EXPECT_EQ(WindowFromPoint(POINT{150, 150}), hwnd);
  EXPECT_NE(WindowFromPoint(POINT{101, 101}), hwnd);
  EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(101, 101)), HTNOWHERE);
  HDC dc = GetWindowDC(hwnd);
  EXPECT_FALSE(PtVisible(dc, 1, 1));
  EXPECT_TRUE(PtVisible(dc, 50, 50));
  ReleaseDC(hwnd, dc);
  // Outside the shape the desktop shows.
  EXPECT_EQ(ScreenPixel(101, 101), platform::PixelFromColorRef(RGB(58, 110, 165)));
  SetWindowRgn(hwnd, nullptr, TRUE);
  Pump();
  EXPECT_EQ(WindowFromPoint(POINT{101, 101}), hwnd);
}

TEST_F(PaintTest, PrintDrawsFrameClientAndChildrenIntoAnotherDc) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 120, 90});
  HWND child = CreateChild(hwnd, RECT{5, 5, 25, 25});
  Pump();
  recorder->SetMainWindow(hwnd);
  recorder->Clear();
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 90);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(memory),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  EXPECT_TRUE(recorder->Matches({{WM_PRINT, S},
                                 {WM_ERASEBKGND, S | D},
                                 {WM_PRINTCLIENT, S | D},
                                 {WM_PRINT, S | D | X},
                                 {WM_ERASEBKGND, S | D | X},
                                 {WM_PRINTCLIENT, S | D | X}}));
  // The caption's gradient starts in the active caption colour.
  EXPECT_EQ(GetPixel(memory, 4, 8), GetSysColor(COLOR_ACTIVECAPTION));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EXPECT_TRUE(IsWindow(child));
}

TEST_F(PaintTest, GoldenClassicTopLevelWindow) {
  HWND hwnd = CreateWindowExW(0, MessageRecorder::WideClass(), u"Brellis 窗口", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              40, 40, 320, 200, nullptr, nullptr, nullptr, nullptr);
  Pump();
  const auto picture = headless::WindowImage(hwnd);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/classic_window_active", GoldenTolerance{48, 40}));
  // Another window takes the activation: the caption turns grey.
  HWND other = CreateTop(WS_POPUP | WS_VISIBLE, RECT{600, 600, 700, 700});
  Pump();
  const auto inactive = headless::WindowImage(hwnd);
  ASSERT_TRUE(inactive.has_value());
  EXPECT_TRUE(MatchesGolden(*inactive, "user/classic_window_inactive", GoldenTolerance{48, 40}));
  DestroyWindow(other);
}

TEST_F(PaintTest, GoldenWindowWithRegion) {
  HWND hwnd = CreateWindowExW(0, MessageRecorder::WideClass(), u"Region", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                              240, 160, nullptr, nullptr, nullptr, nullptr);
  HRGN region = CreateRoundRectRgn(0, 0, 241, 161, 40, 40);
  SetWindowRgn(hwnd, region, TRUE);
  Pump();
  const platform::DibImage screen = headless::ScreenImage();
  EXPECT_TRUE(MatchesGolden(Crop(screen, RECT{30, 30, 290, 210}), "user/window_with_region", GoldenTolerance{48, 40}));
}

TEST_F(PaintTest, GoldenStandardControls) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"控件", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                              280, 150, nullptr, nullptr, nullptr, nullptr);
  const ULONG_PTR background = SetClassLongPtrW(form, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  auto make = [&](LPCWSTR cls, LPCWSTR text, DWORD style, DWORD exStyle, RECT r) {
    HWND h = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, form, nullptr, nullptr, nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return h;
  };
  make(u"Static", u"用户名：", SS_LEFT, 0, RECT{10, 14, 70, 30});
  HWND edit = make(u"Edit", u"Brellis 用户", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, RECT{75, 10, 255, 32});
  make(u"Button", u"记住我", BS_AUTOCHECKBOX, 0, RECT{10, 45, 120, 65});
  make(u"Button", u"确定", BS_DEFPUSHBUTTON, 0, RECT{100, 80, 175, 103});
  make(u"Button", u"取消", BS_PUSHBUTTON, 0, RECT{180, 80, 255, 103});
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, 7);
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(form);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/standard_controls", GoldenTolerance{48, 60}));
  SetClassLongPtrW(form, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(background));  // the class is shared
  DestroyWindow(form);
  DeleteObject(font);
}

TEST_F(PaintTest, CaptionButtonLooksPressedWhileHeld) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 240});
  Pump();
  // Press on the close button and look while the loop holds it: the loop
  // shows each message to the message-filter hook first.
  static std::optional<platform::DibImage> held;
  held.reset();
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code >= 0 && msg->message == WM_MOUSEMOVE && !held) held = headless::WindowImage(GetActiveWindow());
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }, nullptr, GetCurrentThreadId());
  headless::MoveMouse(340 - 4 - 2 - 8, 40 + 4 + 2 + 7);
  headless::Press();
  headless::MoveMouse(340 - 4 - 2 - 9, 40 + 4 + 2 + 7);
  headless::Wheel(0);  // keeps the two moves apart
  // Released elsewhere: no close.
  headless::MoveMouse(100, 100);
  headless::Release();
  Pump();
  UnhookWindowsHookEx(hook);
  EXPECT_TRUE(IsWindow(hwnd));
  ASSERT_TRUE(held.has_value());
  EXPECT_TRUE(MatchesGolden(Crop(*held, RECT{220, 0, 300, 26}), "user/close_button_pressed", GoldenTolerance{48, 40}));
}

}  // namespace
}  // namespace brellis::test

namespace brellis::test {

TEST(SystemIcons, AreSharedAndOutliveDestroyIcon) {
  HICON question = LoadIconW(nullptr, IDI_QUESTION);
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(DestroyIcon(question));
  EXPECT_EQ(LoadIconW(nullptr, IDI_QUESTION), question);
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(question, &info)) << "the shared icon still lives";
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  HICON copy = CopyIcon(question);
  EXPECT_TRUE(DestroyIcon(copy));
  EXPECT_FALSE(DestroyIcon(copy)) << "a copy is the caller's and goes";
}

}  // namespace brellis::test
