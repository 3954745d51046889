// Golden pictures of the "Button" class's classic look: every type in its
// states (pressed, checked, indeterminate, disabled, focused), with the
// left-text, push-like, flat, multi-line, alignment, bitmap and icon styles.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class ButtonLookTest : public UserTest {};

// A 16 x 16 picture: a blue square with a red diagonal.
HBITMAP MakeGlyph() {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 160));
  RECT all{0, 0, 16, 16};
  RECT square{2, 2, 14, 14};
  FillRect(dc, &all, white);
  FillRect(dc, &square, blue);
  for (int i = 2; i < 14; ++i) SetPixelV(dc, i, i, RGB(220, 0, 0));
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(white);
  DeleteObject(blue);
  return bitmap;
}

TEST_F(ButtonLookTest, GoldenEveryTypeInItsStates) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"按钮", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                              500, 330, nullptr, nullptr, nullptr, nullptr);
  const ULONG_PTR background = SetClassLongPtrW(form, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HBITMAP glyph = MakeGlyph();
  auto make = [&](LPCWSTR text, DWORD style, int x, int y, int w = 88, int h = 24) {
    HWND b = CreateWindowExW(0, u"Button", text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, form, nullptr, nullptr,
                             nullptr);
    SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return b;
  };
  // Push buttons.
  make(u"普通", BS_PUSHBUTTON, 8, 8);
  make(u"默认", BS_DEFPUSHBUTTON, 104, 8);
  SendMessageW(make(u"按下", BS_PUSHBUTTON, 200, 8), BM_SETSTATE, TRUE, 0);
  make(u"禁用", BS_PUSHBUTTON | WS_DISABLED, 296, 8);
  make(u"Flat", BS_PUSHBUTTON | BS_FLAT, 392, 8);
  make(u"&Left", BS_PUSHBUTTON | BS_LEFT, 8, 40);
  make(u"Right", BS_PUSHBUTTON | BS_RIGHT | BS_BOTTOM, 104, 40);
  make(u"Two lines of text", BS_PUSHBUTTON | BS_MULTILINE, 200, 40, 88, 34);
  SendMessageW(make(u"", BS_PUSHBUTTON | BS_BITMAP, 296, 40, 40, 34), BM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(glyph));
  SendMessageW(make(u"", BS_PUSHBUTTON | BS_BITMAP | WS_DISABLED, 344, 40, 40, 34), BM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(glyph));
  make(u"Box", BS_PUSHBOX, 392, 40);
  // Check boxes.
  make(u"未选", BS_AUTOCHECKBOX, 8, 84);
  SendMessageW(make(u"选中", BS_AUTOCHECKBOX, 104, 84), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(make(u"Grey", BS_AUTO3STATE, 200, 84), BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessageW(make(u"Disabled", BS_AUTOCHECKBOX | WS_DISABLED, 296, 84), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(make(u"Left text", BS_AUTOCHECKBOX | BS_LEFTTEXT, 392, 84), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(make(u"Pressed", BS_AUTOCHECKBOX, 8, 112), BM_SETSTATE, TRUE, 0);
  SendMessageW(make(u"Flat", BS_AUTOCHECKBOX | BS_FLAT, 104, 112), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(make(u"Push-like", BS_AUTOCHECKBOX | BS_PUSHLIKE, 200, 112), BM_SETCHECK, BST_CHECKED, 0);
  make(u"Push-like", BS_AUTOCHECKBOX | BS_PUSHLIKE, 296, 112);
  HWND focused = make(u"&Focus", BS_AUTOCHECKBOX, 392, 112);
  // Radio buttons.
  make(u"单选", BS_AUTORADIOBUTTON | WS_GROUP, 8, 144);
  SendMessageW(make(u"Checked", BS_AUTORADIOBUTTON, 104, 144), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(make(u"Disabled", BS_RADIOBUTTON | WS_DISABLED | WS_GROUP, 200, 144), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(make(u"Pressed", BS_RADIOBUTTON, 296, 144), BM_SETSTATE, TRUE, 0);
  SendMessageW(make(u"Left text", BS_RADIOBUTTON | BS_LEFTTEXT | BS_RIGHT, 392, 144), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(make(u"Push-like", BS_RADIOBUTTON | BS_PUSHLIKE, 8, 172), BM_SETCHECK, BST_CHECKED, 0);
  make(u"Top", BS_AUTOCHECKBOX | BS_TOP, 104, 172, 88, 34);
  make(u"Bottom", BS_AUTOCHECKBOX | BS_BOTTOM, 200, 172, 88, 34);
  make(u"Centred", BS_AUTOCHECKBOX | BS_CENTER, 296, 172, 88, 34);
  make(u"User", BS_USERBUTTON, 392, 172);
  // Group boxes.
  make(u"分组框", BS_GROUPBOX, 8, 212, 184, 80);
  make(u"Disabled group", BS_GROUPBOX | WS_DISABLED, 200, 212, 136, 80);
  make(u"Right", BS_GROUPBOX | BS_RIGHT, 344, 212, 136, 80);
  // Icons inside the first group box.
  HICON icon = LoadIconW(nullptr, IDI_ASTERISK);
  HWND withIcon = make(u"", BS_PUSHBUTTON | BS_ICON, 20, 236, 44, 44);
  EXPECT_EQ(SendMessageW(withIcon, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)), 0);
  EXPECT_EQ(SendMessageW(withIcon, BM_GETIMAGE, IMAGE_ICON, 0), reinterpret_cast<LRESULT>(icon));
  SendMessageW(make(u"", BS_PUSHBUTTON | BS_ICON | WS_DISABLED, 72, 236, 44, 44), BM_SETIMAGE, IMAGE_ICON,
               reinterpret_cast<LPARAM>(icon));
  SetFocus(focused);
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(form);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/buttons", GoldenTolerance{48, 60}));
  SetClassLongPtrW(form, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(background));  // the class is shared
  DestroyWindow(form);
  DeleteObject(font);
  DeleteObject(glyph);
}

}  // namespace
}  // namespace brellis::test
