// The "ComboBox" class: its parts and GetComboBoxInfo for every style,
// the "ComboLBox" pop-up list (its styles, self-scrolling, the messages it
// gets), dropping and closing with the mouse and the keys and the order of
// the notifications, the CB_* answers, the edit's notifications, owner
// drawing, the classic look of each style closed and dropped, and a leak
// check.
#include <cstring>

#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

constexpr int kId = 9;

class ComboBoxTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    recorder->Ignore(WM_CTLCOLOREDIT);
    recorder->Ignore(WM_CTLCOLORLISTBOX);
    recorder->Ignore(WM_CTLCOLORSTATIC);
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 500, 400});
  }

  HWND Make(DWORD style, int count = 0, int x = 10, int y = 10) {
    HWND combo = CreateWindowExW(0, u"ComboBox", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, 120,
                                 150, parent, reinterpret_cast<HMENU>(kId), nullptr, nullptr);
    for (int i = 0; i < count; ++i) {
      const std::u16string text = u"Item " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return combo;
  }

  static COMBOBOXINFO Info(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(GetComboBoxInfo(combo, &info));
    return info;
  }

  std::vector<WORD> Notifications() const {
    std::vector<WORD> codes;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.hwnd == parent && m.message == WM_COMMAND && LOWORD(m.wParam) == kId) codes.push_back(HIWORD(m.wParam));
    }
    return codes;
  }

  static POINT ScreenPoint(HWND hwnd, RECT r) {
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(hwnd, &p);
    return p;
  }

  static POINT ListItemPoint(HWND list, int index) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return ScreenPoint(list, r);
  }

  static std::u16string Text(HWND hwnd) {
    char16_t buffer[64] = {};
    GetWindowTextW(hwnd, buffer, 64);
    return buffer;
  }

  HWND parent = nullptr;
};

TEST_F(ComboBoxTest, InfoAndPartsOfEveryStyle) {
  for (DWORD style : {CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
    SCOPED_TRACE(style);
    HWND combo = Make(style, 3);
    const COMBOBOXINFO info = Info(combo);
    EXPECT_EQ(info.hwndCombo, combo);
    char16_t name[32] = {};
    GetClassNameW(info.hwndList, name, 32);
    EXPECT_EQ(std::u16string(name), u"ComboLBox");
    const auto listStyle = static_cast<DWORD>(GetWindowLongW(info.hwndList, GWL_STYLE));
    if (style == CBS_DROPDOWNLIST) {
      EXPECT_EQ(info.hwndItem, nullptr);
      EXPECT_EQ(GetWindow(combo, GW_CHILD), nullptr);
    } else {
      GetClassNameW(info.hwndItem, name, 32);
      EXPECT_EQ(std::u16string(name), u"Edit");
      EXPECT_EQ(GetWindow(combo, GW_CHILD), info.hwndItem);  // the edit is the first child
    }
    if (style == CBS_SIMPLE) {
      EXPECT_EQ(info.stateButton, STATE_SYSTEM_INVISIBLE);
      EXPECT_TRUE(IsRectEmpty(&info.rcButton));
      EXPECT_NE(listStyle & WS_CHILD, 0u);
      EXPECT_EQ(GetParent(info.hwndList), combo);
      EXPECT_TRUE(IsWindowVisible(info.hwndList));
    } else {
      EXPECT_EQ(info.stateButton, 0u);
      EXPECT_EQ(info.rcButton.right - info.rcButton.left, GetSystemMetrics(SM_CXVSCROLL));
      EXPECT_NE(listStyle & WS_POPUP, 0u);
      EXPECT_EQ(listStyle & WS_CHILD, 0u);
      EXPECT_FALSE(IsWindowVisible(info.hwndList));
      RECT window{};
      GetWindowRect(combo, &window);
      EXPECT_EQ(window.bottom - window.top, SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0) + 6);
    }
    EXPECT_LT(info.rcItem.left, info.rcItem.right);
    COMBOBOXINFO byMessage{};
    byMessage.cbSize = sizeof(byMessage);
    EXPECT_TRUE(SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&byMessage)));
    EXPECT_EQ(std::memcmp(&byMessage, &info, sizeof(info)), 0);
    COMBOBOXINFO wrong{};
    wrong.cbSize = 12;
    EXPECT_FALSE(GetComboBoxInfo(combo, &wrong));
    EXPECT_FALSE(GetComboBoxInfo(combo, nullptr));
    DestroyWindow(combo);
  }
}

TEST_F(ComboBoxTest, DroppedListIsAPopupThatScrollsItselfAndTracksTheMouse) {
  HWND combo = Make(CBS_DROPDOWNLIST, 30);
  HWND list = Info(combo).hwndList;
  recorder->Watch(list);
  recorder->Clear();
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetCapture(), list);
  EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL, 0);
  bool started = false, framed = false;
  for (const RecordedMessage& m : recorder->Log()) {
    started |= m.hwnd == list && m.message == LBCB_STARTTRACK;
    framed |= m.hwnd == list && m.message == WM_NCPAINT;
  }
  EXPECT_TRUE(started);
  EXPECT_TRUE(framed);
  RECT dropped{};
  GetWindowRect(list, &dropped);
  RECT expected{};
  SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&expected));
  EXPECT_TRUE(EqualRect(&dropped, &expected));
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 12), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 12);
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 4), 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETTOPINDEX, 0, 0), 4);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 4);
  // A press on the list's own bar scrolls it and leaves it dropped, with
  // the capture given back.
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof(bar);
  ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
  recorder->Clear();
  headless::Click(bar.rcScrollBar.left + 3, bar.rcScrollBar.bottom - 3);
  Pump();
  bool barPressed = false;
  for (const RecordedMessage& m : recorder->Log()) {
    barPressed |= m.hwnd == list && m.message == WM_NCLBUTTONDOWN && m.wParam == HTVSCROLL;
  }
  EXPECT_TRUE(barPressed);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 5);
  EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(GetCapture(), list);
  // The item under the pointer is highlighted without a button held.
  const POINT over = ListItemPoint(list, 7);
  headless::MoveMouse(over.x, over.y);
  Pump();
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 7);
}

TEST_F(ComboBoxTest, MouseOpensChoosesAndClosesInWindowsOrder) {
  HWND combo = Make(CBS_DROPDOWN, 5);
  const COMBOBOXINFO info = Info(combo);
  recorder->Clear();
  const POINT button = ScreenPoint(combo, info.rcButton);
  headless::Click(button.x, button.y);
  Pump();
  EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(GetFocus(), info.hwndItem);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN}));
  recorder->Clear();
  const POINT item = ListItemPoint(info.hwndList, 2);
  headless::Click(item.x, item.y);
  Pump();
  EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_FALSE(IsWindowVisible(info.hwndList));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Text(combo), u"Item C");
  EXPECT_EQ(Text(info.hwndItem), u"Item C");
  // Open again and click outside: cancelled, the selection kept.
  headless::Click(button.x, button.y);
  Pump();
  const POINT hover = ListItemPoint(info.hwndList, 4);
  headless::MoveMouse(hover.x, hover.y);
  Pump();
  recorder->Clear();
  headless::Click(450, 350);
  Pump();
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
  EXPECT_FALSE(IsWindowVisible(info.hwndList));
  // The button again while dropped closes the list.
  headless::Click(button.x, button.y);
  Pump();
  recorder->Clear();
  headless::Click(button.x, button.y);
  Pump();
  EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, KeysOpenMoveAndClose) {
  HWND combo = Make(CBS_DROPDOWNLIST, 5);
  SetFocus(combo);
  recorder->Clear();
  headless::Key(VK_DOWN);  // closed: moves the selection
  Pump();
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SELCHANGE}));
  recorder->Clear();
  headless::Key(VK_F4);
  headless::Key(VK_DOWN);
  headless::Key(VK_DOWN);
  headless::Key(VK_RETURN);
  Pump();
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Text(combo), u"Item C");
  recorder->Clear();
  headless::KeyDown(VK_MENU);
  headless::Key(VK_DOWN);
  headless::KeyUp(VK_MENU);
  Pump();
  EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  headless::Key(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
  headless::TypeChar(u'i');  // type-ahead in the list
  Pump();
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 3);
  recorder->Clear();
  SetFocus(parent);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_KILLFOCUS}));
}

TEST_F(ComboBoxTest, MessagesAnswerAsWindows) {
  HWND combo = Make(CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL);
  for (const char16_t* text : {u"pear", u"apple", u"fig"}) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"F")), 1);
  EXPECT_EQ(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"pea")),
            CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"zz")), 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 3, 0), 3);
  HWND edit = Info(combo).hwndItem;
  EXPECT_EQ(Text(edit), u"pear");
  EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, 0, 0), MAKELRESULT(0, 4));  // all of it selected
  EXPECT_TRUE(SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 3)));
  EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, 0, 0), MAKELRESULT(1, 3));
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 9, 0), CB_ERR);
  EXPECT_EQ(Text(edit), u"");
  char16_t text[16] = {};
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), 5);
  EXPECT_EQ(std::u16string(text), u"apple");
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 7, 0), CB_ERR);
  EXPECT_TRUE(SendMessageW(combo, CB_SETITEMDATA, 2, 42));
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 2, 0), 42);
  EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"ap")), 1);
  EXPECT_EQ(Text(combo), u"apple");
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 0, 0), 3);
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 5, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), 120);  // at least the combo box's width
  EXPECT_EQ(SendMessageW(combo, CB_SETDROPPEDWIDTH, 200, 0), 200);
  RECT dropped{};
  SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(dropped.right - dropped.left, 200);
  EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20), CB_OKAY);
  RECT window{};
  GetWindowRect(combo, &window);
  EXPECT_EQ(window.bottom - window.top, 26);
  EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, 0, 300), CB_ERR);
  EXPECT_TRUE(SendMessageW(combo, CB_LIMITTEXT, 3, 0));
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(Text(edit), u"");
  // A drop-down list has no edit: the edit messages fail, and its text
  // picks an item.
  HWND list = Make(CBS_DROPDOWNLIST, 3, 200);
  EXPECT_EQ(SendMessageW(list, CB_GETEDITSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(list, CB_LIMITTEXT, 3, 0), CB_ERR);
  EXPECT_TRUE(SetWindowTextW(list, u"item b"));
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"none")), CB_ERR);
  EXPECT_EQ(GetWindowTextLengthW(list), 6);
}

TEST_F(ComboBoxTest, EditAndSimpleListNotifyThroughTheCombo) {
  HWND combo = Make(CBS_SIMPLE, 4);
  HWND edit = Info(combo).hwndItem;
  HWND list = Info(combo).hwndList;
  recorder->Clear();
  SetFocus(combo);
  EXPECT_EQ(GetFocus(), edit);
  headless::TypeChar(u'x');
  Pump();
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SETFOCUS, CBN_EDITUPDATE, CBN_EDITCHANGE}));
  recorder->Clear();
  POINT p = ListItemPoint(list, 1);
  headless::Click(p.x, p.y);
  Pump();
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SELCHANGE}));
  EXPECT_EQ(Text(edit), u"Item B");
  EXPECT_EQ(GetFocus(), edit);
  headless::AdvanceClock(1000);  // not a double click with the click before
  recorder->Clear();
  headless::DoubleClick(p.x, p.y);
  Pump();
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SELCHANGE, CBN_DBLCLK}));
  recorder->Clear();
  headless::Key(VK_DOWN);  // arrows in the edit move the list's selection
  Pump();
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_SELCHANGE}));
  recorder->Clear();
  SetFocus(parent);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_KILLFOCUS}));
}

std::vector<DRAWITEMSTRUCT>& Drawn() {
  static std::vector<DRAWITEMSTRUCT> drawn;
  return drawn;
}
std::vector<MEASUREITEMSTRUCT>& Measured() {
  static std::vector<MEASUREITEMSTRUCT> measured;
  return measured;
}

LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    Measured().push_back(*mis);
    mis->itemHeight = mis->itemID == static_cast<UINT>(-1) ? 24 : 18;
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    Drawn().push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(ComboBoxTest, OwnerDrawnFieldAndListReachTheParentAsTheCombos) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProcFromFunction(OwnerProc);
  wc.lpszClassName = u"ComboOwner";
  RegisterClassExW(&wc);
  HWND owner = CreateWindowExW(0, u"ComboOwner", nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                               nullptr, nullptr, nullptr);
  Measured().clear();
  HWND combo = CreateWindowExW(0, u"ComboBox", nullptr, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                               10, 10, 120, 150, owner, reinterpret_cast<HMENU>(5), nullptr, nullptr);
  ASSERT_EQ(Measured().size(), 2u);  // the list's items, then the field
  EXPECT_EQ(Measured()[0].CtlType, ODT_COMBOBOX);
  EXPECT_EQ(Measured()[0].CtlID, 5u);
  EXPECT_EQ(Measured()[0].itemID, 0u);
  EXPECT_EQ(Measured()[1].itemID, static_cast<UINT>(-1));
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 24);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), 18);
  SendMessageW(combo, CB_ADDSTRING, 0, 0x51);
  SendMessageW(combo, CB_ADDSTRING, 0, 0x52);
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  Drawn().clear();
  UpdateWindow(combo);
  ASSERT_EQ(Drawn().size(), 1u);
  EXPECT_EQ(Drawn()[0].CtlType, ODT_COMBOBOX);
  EXPECT_EQ(Drawn()[0].hwndItem, combo);
  EXPECT_EQ(Drawn()[0].itemID, 1u);
  EXPECT_EQ(Drawn()[0].itemData, 0x52u);
  EXPECT_EQ(Drawn()[0].itemState & ODS_COMBOBOXEDIT, ODS_COMBOBOXEDIT);
  Drawn().clear();
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  UpdateWindow(Info(combo).hwndList);
  ASSERT_EQ(Drawn().size(), 2u);
  EXPECT_EQ(Drawn()[1].CtlType, ODT_COMBOBOX);
  EXPECT_EQ(Drawn()[1].CtlID, 5u);
  EXPECT_EQ(Drawn()[1].hwndItem, combo);
  EXPECT_EQ(Drawn()[1].itemState & ODS_SELECTED, ODS_SELECTED);
  EXPECT_EQ(Drawn()[1].itemState & ODS_COMBOBOXEDIT, 0u);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  DestroyWindow(owner);
  UnregisterClassW(u"ComboOwner", nullptr);
}

// A part of the screen.
platform::DibImage Crop(const platform::DibImage& image, RECT r) {
  platform::DibImage out;
  out.format = image.format;
  out.format.width = r.right - r.left;
  out.format.height = r.bottom - r.top;
  out.bits.resize(out.format.ImageSize());
  const int bytes = image.format.bitsPerPixel / 8;
  for (int y = 0; y < out.format.height; ++y) {
    const int from = image.format.topDown ? r.top + y : image.format.height - 1 - (r.top + y);
    const int to = out.format.topDown ? y : out.format.height - 1 - y;
    std::memcpy(out.bits.data() + static_cast<std::size_t>(to) * out.format.Stride(),
                image.bits.data() + static_cast<std::size_t>(from) * image.format.Stride() + r.left * bytes,
                static_cast<std::size_t>(out.format.width * bytes));
  }
  return out;
}

TEST_F(ComboBoxTest, GoldenEachStyleClosedAndDropped) {
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  HWND simple = Make(CBS_SIMPLE, 4, 10, 10);
  SendMessageW(simple, CB_SETCURSEL, 1, 0);
  HWND dropDown = Make(CBS_DROPDOWN, 4, 140, 10);
  SetWindowTextW(dropDown, u"Typed");
  HWND dropList = Make(CBS_DROPDOWNLIST, 12, 270, 10);
  SendMessageW(dropList, CB_SETCURSEL, 2, 0);
  Make(CBS_DROPDOWNLIST | WS_DISABLED, 2, 270, 60);
  InvalidateRect(parent, nullptr, TRUE);
  Pump();
  RECT window{};
  GetWindowRect(parent, &window);
  ASSERT_EQ(headless::ScreenImage().format.bitsPerPixel, 32);
  EXPECT_TRUE(MatchesGolden(Crop(headless::ScreenImage(), window), "user/combobox_closed", GoldenTolerance{48, 200}));
  // One list is dropped at a time: dropping another takes the capture
  // and closes the first.
  SetFocus(dropList);
  SendMessageW(dropList, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  EXPECT_TRUE(
      MatchesGolden(Crop(headless::ScreenImage(), window), "user/combobox_dropped_list", GoldenTolerance{48, 200}));
  SendMessageW(dropDown, CB_SHOWDROPDOWN, TRUE, 0);
  SendMessageW(dropDown, CB_SETCURSEL, 3, 0);
  Pump();
  EXPECT_FALSE(SendMessageW(dropList, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_TRUE(
      MatchesGolden(Crop(headless::ScreenImage(), window), "user/combobox_dropped_edit", GoldenTolerance{48, 200}));
}

class ComboBoxLeakTest : public UserTest {};

TEST_F(ComboBoxLeakTest, CreateDropScrollDestroyLeavesHandleCountsUnchanged) {
  auto once = [](int round) {
    HWND top = CreateWindowExW(0, MessageRecorder::WideClass(), u"Leak", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               200, nullptr, nullptr, nullptr, nullptr);
    const DWORD styles[] = {CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST};
    HWND combo = CreateWindowExW(0, u"ComboBox", nullptr, WS_CHILD | WS_VISIBLE | styles[round % 3], 0, 0, 150, 120,
                                 top, nullptr, nullptr, nullptr);
    for (int i = 0; i < 20; ++i) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"line"));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    SendMessageW(info.hwndList, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, round % 10), 0);
    UpdateWindow(top);
    if (round % 2 == 0) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);  // half go while dropped
    DestroyWindow(top);
  };
  once(0);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  const auto before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t thunks = platform::LiveThunkCount();
  for (int round = 0; round < 200; ++round) once(round);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  const auto after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveThunkCount(), thunks);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

}  // namespace
}  // namespace brellis::test

