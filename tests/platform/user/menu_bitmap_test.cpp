// Bitmap menu items: MFT_BITMAP entries, MIIM_BITMAP's hbmpItem beside the
// text and the predefined HBMMENU_ glyphs are measured into the popup's
// bitmap column and drawn there; the owner measures and draws an
// HBMMENU_CALLBACK bitmap; bitmaps on the bar widen their entry; a handle
// that is no bitmap takes no room and draws nothing.
#include <cstring>
#include <vector>

#include "platform/base/handles.h"
#include "platform/gdi/dib_format.h"
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

constexpr COLORREF kBlue = RGB(0, 0, 192);
constexpr COLORREF kYellow = RGB(255, 224, 0);

// A bitmap of two colours: the left half one, the right half the other.
HBITMAP MakeBitmap(int width, int height, COLORREF left, COLORREF right) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  HBRUSH a = CreateSolidBrush(left), b = CreateSolidBrush(right);
  RECT half{0, 0, width / 2, height};
  FillRect(dc, &half, a);
  half = RECT{width / 2, 0, width, height};
  FillRect(dc, &half, b);
  DeleteObject(a);
  DeleteObject(b);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return bitmap;
}

struct OpenMenu {
  HMENU menu = nullptr;
  std::vector<RECT> rects;      // screen rectangles of the items while open
  platform::DibImage screen;    // the screen while open
};

OpenMenu& Open() {
  static OpenMenu open;
  return open;
}

// Records the items' rectangles and the screen when the loop takes a key.
LRESULT RecordOpenMenu(int code, WPARAM, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code != MSGF_MENU || msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE || !Open().rects.empty()) return 0;
  for (int i = 0; i < GetMenuItemCount(Open().menu); ++i) {
    RECT r{};
    GetMenuItemRect(nullptr, Open().menu, static_cast<UINT>(i), &r);
    Open().rects.push_back(r);
  }
  Open().screen = headless::ScreenImage();
  return 0;
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

COLORREF ScreenColour(int x, int y) {
  return platform::ColorRefFromPixel(Open().screen.PixelAt(x, y));
}

class MenuBitmapItemTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    owner = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    wide = MakeBitmap(40, 24, kBlue, kYellow);
    small = MakeBitmap(16, 16, kYellow, kBlue);
    popup = CreatePopupMenu();
    // A bitmap entry, a checked text entry with a bitmap, a glyph entry and
    // a greyed glyph entry.
    AppendMenuW(popup, MF_BITMAP, 1, reinterpret_cast<LPCWSTR>(wide));
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_BITMAP | MIIM_ID | MIIM_STATE;
    info.dwTypeData = const_cast<LPWSTR>(u"&Bold");
    info.hbmpItem = small;
    info.wID = 2;
    info.fState = MFS_CHECKED;
    InsertMenuItemW(popup, 1, TRUE, &info);
    info.dwTypeData = const_cast<LPWSTR>(u"&Close\tAlt+F4");
    info.hbmpItem = HBMMENU_POPUP_CLOSE;
    info.wID = 3;
    info.fState = 0;
    InsertMenuItemW(popup, 2, TRUE, &info);
    info.dwTypeData = const_cast<LPWSTR>(u"Mi&nimize");
    info.hbmpItem = HBMMENU_POPUP_MINIMIZE;
    info.wID = 4;
    info.fState = MFS_GRAYED;
    InsertMenuItemW(popup, 3, TRUE, &info);
    AppendMenuW(popup, MF_STRING, 5, u"Plain");
  }
  void TearDown() override {
    DestroyMenu(popup);
    DeleteObject(wide);
    DeleteObject(small);
    UserTest::TearDown();
  }

  // Opens the popup at (400, 300), presses `downs` times Down, and records.
  void OpenAndRecord(int downs) {
    Open() = OpenMenu{};
    Open().menu = popup;
    HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, RecordOpenMenu, nullptr, GetCurrentThreadId());
    for (int i = 0; i < downs; ++i) headless::Key(VK_DOWN);
    headless::Key(VK_ESCAPE);
    TrackPopupMenu(popup, TPM_RETURNCMD, 400, 300, 0, owner, nullptr);
    UnhookWindowsHookEx(hook);
  }

  HWND owner = nullptr;
  HBITMAP wide = nullptr, small = nullptr;
  HMENU popup = nullptr;
};

TEST_F(MenuBitmapItemTest, ItemInfoAnswersTheBitmapsAsGiven) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_TYPE;
  GetMenuItemInfoW(popup, 1, FALSE, &info);
  EXPECT_EQ(info.fType & MFT_BITMAP, MFT_BITMAP);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(info.dwTypeData), wide);
  info.fMask = MIIM_BITMAP | MIIM_FTYPE;
  GetMenuItemInfoW(popup, 2, FALSE, &info);
  EXPECT_EQ(info.hbmpItem, small);
  EXPECT_EQ(info.fType & MFT_BITMAP, 0u);  // a text entry with a bitmap beside it
  GetMenuItemInfoW(popup, 3, FALSE, &info);
  EXPECT_EQ(info.hbmpItem, HBMMENU_POPUP_CLOSE);
}

TEST_F(MenuBitmapItemTest, BitmapsGetAColumnAndTheirHeightInThePopup) {
  OpenAndRecord(0);
  const std::vector<RECT>& r = Open().rects;
  ASSERT_EQ(r.size(), 5u);
  // One width for the column; the bitmap entry is as high as its bitmap and
  // a line, the others keep the text height (17) or the glyph's and a line.
  EXPECT_EQ(r[0].bottom - r[0].top, 26);
  EXPECT_EQ(r[1].bottom - r[1].top, 18);
  EXPECT_EQ(r[2].bottom - r[2].top, 17);
  EXPECT_EQ(r[4].bottom - r[4].top, 17);
  for (const RECT& item : r) EXPECT_EQ(item.right - item.left, r[0].right - r[0].left);

  // The unselected entries show their bitmaps in the column after the
  // check marks (16 pixels), centred in the 40-pixel column.
  const int left = r[0].left + 16;
  EXPECT_EQ(ScreenColour(left + 1, r[0].top + 2), kBlue);
  EXPECT_EQ(ScreenColour(left + 38, r[0].top + 2), kYellow);
  EXPECT_EQ(ScreenColour(left + 12 + 1, r[1].top + 2), kYellow);  // 16 wide, 12 in
  EXPECT_EQ(ScreenColour(left + 12 + 15, r[1].top + 2), kBlue);
  EXPECT_EQ(ScreenColour(left + 11, r[1].top + 2), GetSysColor(COLOR_MENU));
  // The check mark of the checked entry is still in its own column.
  int inked = 0;
  for (int y = r[1].top; y < r[1].bottom; ++y) {
    for (int x = r[1].left; x < r[1].left + 16; ++x) inked += ScreenColour(x, y) == GetSysColor(COLOR_MENUTEXT);
  }
  EXPECT_GT(inked, 5);

  // Selected, the bitmap entry shows its bitmap inverted.
  OpenAndRecord(1);
  EXPECT_EQ(ScreenColour(left + 1, r[0].top + 2), RGB(255, 255, 63));
  EXPECT_EQ(ScreenColour(left + 38, r[0].top + 2), RGB(0, 31, 255));
}

TEST_F(MenuBitmapItemTest, PopupWithBitmapEntriesPicture) {
  // Down twice: the checked bitmap entry is selected.
  OpenAndRecord(2);
  ASSERT_FALSE(Open().rects.empty());
  EXPECT_TRUE(MatchesGolden(Crop(Open().screen, RECT{400, 300, 400 + Open().rects[0].right - Open().rects[0].left + 6,
                                                      Open().rects.back().bottom + 3}),
                            "user/menu_bitmap_items", {48, 80}));
}

TEST_F(MenuBitmapItemTest, ABarBitmapWidensItsEntryAndAStaleHandleTakesNoRoom) {
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_STRING, 10, u"&File");
  AppendMenuW(bar, MF_BITMAP, 11, reinterpret_cast<LPCWSTR>(small));
  SetMenu(owner, bar);
  RECT first{}, second{};
  GetMenuItemRect(owner, bar, 0, &first);
  GetMenuItemRect(owner, bar, 1, &second);
  EXPECT_EQ(second.left, first.right);
  EXPECT_EQ(second.right - second.left, 16 + 2 * 6);

  // A deleted bitmap (and a handle of another kind) is measured as nothing.
  HBITMAP gone = MakeBitmap(30, 30, kBlue, kBlue);
  DeleteObject(gone);
  ModifyMenuW(popup, 0, MF_BYPOSITION | MF_BITMAP, 1, reinterpret_cast<LPCWSTR>(gone));
  HBRUSH brush = CreateSolidBrush(kBlue);
  ModifyMenuW(popup, 1, MF_BYPOSITION | MF_BITMAP, 2, reinterpret_cast<LPCWSTR>(brush));
  OpenAndRecord(1);
  ASSERT_EQ(Open().rects.size(), 5u);
  EXPECT_EQ(Open().rects[0].bottom - Open().rects[0].top, 17);
  DeleteObject(brush);
  SetMenu(owner, nullptr);
  DestroyMenu(bar);
}

struct CallbackLog {
  int measured = 0;
  std::vector<DRAWITEMSTRUCT> drawn;
};

CallbackLog& Callbacks() {
  static CallbackLog log;
  return log;
}

// Answers a 20 x 12 bitmap for item 7 and paints it red.
LRESULT CallbackOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure->CtlType != ODT_MENU || measure->itemID != 7) return FALSE;
    ++Callbacks().measured;
    measure->itemWidth = 20;
    measure->itemHeight = 12;
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    Callbacks().drawn.push_back(*draw);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(draw->hDC, &draw->rcItem, red);
    DeleteObject(red);
    return TRUE;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(MenuBitmapItemTest, TheOwnerMeasuresAndDrawsACallbackBitmapInItsCell) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProcFromFunction(CallbackOwnerProc);
  wc.lpszClassName = u"CallbackBitmapOwner";
  RegisterClassExW(&wc);
  DestroyWindow(owner);
  owner = CreateWindowExW(0, u"CallbackBitmapOwner", u"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                          nullptr, nullptr, nullptr);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING | MIIM_BITMAP | MIIM_ID | MIIM_DATA;
  info.dwTypeData = const_cast<LPWSTR>(u"&Drawn");
  info.hbmpItem = HBMMENU_CALLBACK;
  info.wID = 7;
  info.dwItemData = 0x77;
  InsertMenuItemW(popup, 0, TRUE, &info);
  Callbacks() = CallbackLog{};
  OpenAndRecord(1);  // the callback entry selected
  EXPECT_EQ(Callbacks().measured, 1);
  ASSERT_GE(Callbacks().drawn.size(), 2u);  // painted, then repainted selected
  EXPECT_EQ(Callbacks().drawn.front().itemState & ODS_SELECTED, 0u);
  const DRAWITEMSTRUCT& d = Callbacks().drawn.back();
  EXPECT_EQ(d.CtlType, ODT_MENU);
  EXPECT_EQ(d.itemID, 7u);
  EXPECT_EQ(d.itemData, 0x77u);
  EXPECT_EQ(d.hwndItem, reinterpret_cast<HWND>(popup));
  EXPECT_EQ(d.itemState & ODS_SELECTED, static_cast<UINT>(ODS_SELECTED));
  // Centred in the 40-pixel column after the check marks, in the menu
  // window's client coordinates; the screen shows what the owner drew.
  const RECT expected{16 + 10, 0 + (17 - 12) / 2, 16 + 10 + 20, (17 - 12) / 2 + 12};
  EXPECT_TRUE(EqualRect(&d.rcItem, &expected)) << d.rcItem.left << "," << d.rcItem.top;
  EXPECT_EQ(ScreenColour(Open().rects[0].left + 16 + 10 + 5, Open().rects[0].top + 4), RGB(255, 0, 0));
  DestroyWindow(owner);
  owner = nullptr;
  UnregisterClassW(u"CallbackBitmapOwner", nullptr);
}

}  // namespace
}  // namespace brellis::test
