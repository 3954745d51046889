// The "Button" class against Windows' answers: the BM_* messages, dialog
// codes, click sequences, three-state cycling, radio groups and the keys
// that move in them, notifications, owner drawing, the colours asked of
// the parent, WM_PRINT, and handle counts over many buttons.
#include <algorithm>

#include "support/canvas.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

// The parent's subclass: keeps what owner-drawn buttons sent and which
// colour messages arrived, and answers WM_CTLCOLORSTATIC with `staticBrush`.
struct ParentLog {
  std::vector<DRAWITEMSTRUCT> drawn;
  std::vector<std::pair<UINT, HWND>> colours;
  HBRUSH staticBrush = nullptr;
  WNDPROC previous = nullptr;
};
ParentLog* gParent = nullptr;

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) gParent->drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  if (message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC) {
    gParent->colours.emplace_back(message, reinterpret_cast<HWND>(lParam));
    if (message == WM_CTLCOLORSTATIC && gParent->staticBrush != nullptr) {
      CallWindowProcW(gParent->previous, hwnd, message, wParam, lParam);
      return reinterpret_cast<LRESULT>(gParent->staticBrush);
    }
  }
  return CallWindowProcW(gParent->previous, hwnd, message, wParam, lParam);
}

class ButtonTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 400, 300});
    Pump();
    recorder->SetMainWindow(parent);
    gParent = &log;
    log.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WndProcFromFunction(ParentProc))));
  }
  void TearDown() override {
    SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(log.previous));
    gParent = nullptr;
    UserTest::TearDown();
  }
  HWND Button(LPCWSTR text, DWORD style, RECT r = RECT{10, 10, 110, 35}, int id = 100, HWND owner = nullptr) {
    return CreateWindowExW(0, u"Button", text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, owner ? owner : parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  // The WM_COMMAND notifications the parent received, as (id, code).
  std::vector<std::pair<int, int>> Commands(HWND to = nullptr) const {
    std::vector<std::pair<int, int>> commands;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.hwnd == (to ? to : parent) && m.message == WM_COMMAND) {
        commands.emplace_back(LOWORD(m.wParam), HIWORD(m.wParam));
      }
    }
    return commands;
  }
  static LRESULT Check(HWND h) { return SendMessageW(h, BM_GETCHECK, 0, 0); }

  HWND parent = nullptr;
  ParentLog log;
};

using Notes = std::vector<std::pair<int, int>>;

TEST_F(ButtonTest, DialogCodesOfEveryType) {
  const std::pair<DWORD, LRESULT> table[] = {
      {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON}, {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
      {BS_CHECKBOX, DLGC_BUTTON},         {BS_AUTOCHECKBOX, DLGC_BUTTON},
      {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON}, {BS_3STATE, DLGC_BUTTON},
      {BS_AUTO3STATE, DLGC_BUTTON},       {BS_GROUPBOX, DLGC_STATIC},
      {BS_USERBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON}, {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_PUSHBOX, DLGC_BUTTON},          {BS_OWNERDRAW, DLGC_BUTTON}};
  for (const auto& [type, code] : table) {
    HWND b = Button(u"x", type);
    EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), code) << "type " << type;
    DestroyWindow(b);
  }
  // BM_SETSTYLE changes the type (and so the code) and nothing else of the style.
  HWND b = Button(u"x", BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP);
  SendMessageW(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(b, GWL_STYLE)) & (BS_TYPEMASK | BS_NOTIFY | WS_TABSTOP),
            BS_DEFPUSHBUTTON | BS_NOTIFY | WS_TABSTOP);
  EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, CheckAndStateMessagesAnswerAsWindows) {
  // BM_SETCHECK clamps to what the type can show.
  const std::pair<DWORD, LRESULT> highest[] = {{BS_PUSHBUTTON, 0}, {BS_CHECKBOX, 1}, {BS_AUTOCHECKBOX, 1},
                                               {BS_RADIOBUTTON, 1}, {BS_3STATE, 2},   {BS_AUTO3STATE, 2},
                                               {BS_GROUPBOX, 0},    {BS_OWNERDRAW, 0}};
  for (const auto& [type, most] : highest) {
    HWND b = Button(u"x", type);
    EXPECT_EQ(SendMessageW(b, BM_SETCHECK, BST_INDETERMINATE, 0), 0);
    EXPECT_EQ(Check(b), most) << "type " << type;
    SendMessageW(b, BM_SETCHECK, 7, 0);
    EXPECT_EQ(Check(b), most) << "type " << type;
    SendMessageW(b, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(Check(b), BST_UNCHECKED);
    DestroyWindow(b);
  }
  HWND check = Button(u"x", BS_AUTOCHECKBOX);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(check, BM_GETSTATE, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(check, BM_SETSTATE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(check, BM_GETSTATE, 0, 0), BST_CHECKED | BST_PUSHED);
  SetFocus(check);
  EXPECT_EQ(SendMessageW(check, BM_GETSTATE, 0, 0), BST_CHECKED | BST_PUSHED | BST_FOCUS);
  SendMessageW(check, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(SendMessageW(check, BM_GETSTATE, 0, 0), BST_CHECKED | BST_FOCUS);
  EXPECT_EQ(Check(check), BST_CHECKED);  // the pushed and focus bits are not the check
  // The checked radio button of a group is its tab stop.
  HWND radio = Button(u"r", BS_RADIOBUTTON | WS_TABSTOP, RECT{10, 40, 110, 60}, 101);
  SendMessageW(radio, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_FALSE(GetWindowLongW(radio, GWL_STYLE) & WS_TABSTOP);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(GetWindowLongW(radio, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, ImagesAreKeptAndGivenBack) {
  HWND b = Button(u"x", BS_PUSHBUTTON | BS_BITMAP);
  HBITMAP first = CreateBitmap(8, 8, 1, 32, nullptr);
  HBITMAP second = CreateBitmap(8, 8, 1, 32, nullptr);
  EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(first)), 0);
  EXPECT_EQ(SendMessageW(b, BM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(first));
  EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(second)),
            reinterpret_cast<LRESULT>(first));
  // An unknown image type is refused and changes nothing.
  EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, 5, reinterpret_cast<LPARAM>(first)), 0);
  EXPECT_EQ(SendMessageW(b, BM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(second));
  // The button does not own the image: destroying it leaves the bitmap alive.
  DestroyWindow(b);
  EXPECT_TRUE(DeleteObject(first));
  EXPECT_TRUE(DeleteObject(second));
  // A stale or made-up image draws nothing instead of failing.
  for (LPARAM bad : {reinterpret_cast<LPARAM>(first), LPARAM{0x1234}}) {
    for (auto [style, type] : {std::pair{BS_BITMAP, IMAGE_BITMAP}, std::pair{BS_ICON, IMAGE_ICON}}) {
      HWND shown = Button(u"x", BS_PUSHBUTTON | style | WS_DISABLED);
      SendMessageW(shown, BM_SETIMAGE, type, bad);
      Canvas canvas(100, 25);
      SendMessageW(shown, WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
      EXPECT_EQ(canvas.At(50, 12), GetSysColor(COLOR_BTNFACE));
      DestroyWindow(shown);
    }
  }
}

TEST_F(ButtonTest, ClickSequenceAsWindowsSendsIt) {
  HWND b = Button(u"OK", BS_PUSHBUTTON, RECT{10, 10, 85, 33}, IDOK);
  SetFocus(b);
  Pump();
  recorder->Watch(b);
  recorder->SetMainWindow(b);
  recorder->Ignore(WM_CTLCOLORBTN);
  recorder->Clear();
  SendMessageW(b, BM_CLICK, 0, 0);
  EXPECT_TRUE(recorder->Matches({{BM_CLICK, S},
                                 {WM_LBUTTONDOWN, S},
                                 {BM_SETSTATE, S | W, TRUE},
                                 {WM_LBUTTONUP, S},
                                 {BM_SETSTATE, S | W, FALSE},
                                 {WM_CAPTURECHANGED, S},
                                 {WM_COMMAND, S | W | X, MAKEWPARAM(IDOK, BN_CLICKED)}}))
      << recorder->Describe();
  recorder->Unwatch(b);
}

TEST_F(ButtonTest, AutomaticTypesChangeBeforeTheClickIsAnnounced) {
  HWND three = Button(u"3", BS_AUTO3STATE, RECT{10, 10, 110, 30}, 1);
  std::vector<LRESULT> seen;
  for (int i = 0; i < 4; ++i) {
    SendMessageW(three, BM_CLICK, 0, 0);
    seen.push_back(Check(three));
  }
  EXPECT_EQ(seen, (std::vector<LRESULT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}));
  // The manual kinds only announce: their parent decides.
  HWND manual = Button(u"m", BS_3STATE, RECT{10, 40, 110, 60}, 2);
  HWND plainCheck = Button(u"c", BS_CHECKBOX, RECT{10, 70, 110, 90}, 3);
  recorder->Clear();
  SendMessageW(manual, BM_CLICK, 0, 0);
  SendMessageW(plainCheck, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(manual), BST_UNCHECKED);
  EXPECT_EQ(Check(plainCheck), BST_UNCHECKED);
  EXPECT_EQ(Commands(), (Notes{{2, BN_CLICKED}, {3, BN_CLICKED}}));
  // Space clicks like the mouse: pressed while held, the click on release.
  SetFocus(three);
  recorder->Clear();
  SendMessageW(three, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(SendMessageW(three, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(GetCapture(), three);
  SendMessageW(three, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(Check(three), BST_INDETERMINATE);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Commands(), (Notes{{1, BN_CLICKED}}));
  // Losing the focus while Space is held lets the button up without a click.
  SendMessageW(three, WM_KEYDOWN, VK_SPACE, 0);
  SetFocus(parent);
  SendMessageW(three, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(SendMessageW(three, BM_GETSTATE, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(Commands(), (Notes{{1, BN_CLICKED}}));
}

TEST_F(ButtonTest, AutomaticRadioButtonsKeepOneCheckedPerGroup) {
  HWND a1 = Button(u"a1", BS_AUTORADIOBUTTON | WS_GROUP, RECT{10, 10, 100, 30}, 1);
  HWND a2 = Button(u"a2", BS_AUTORADIOBUTTON, RECT{10, 30, 100, 50}, 2);
  HWND a3 = Button(u"a3", BS_AUTORADIOBUTTON, RECT{10, 50, 100, 70}, 3);
  HWND b1 = Button(u"b1", BS_AUTORADIOBUTTON | WS_GROUP, RECT{10, 80, 100, 100}, 4);
  HWND b2 = Button(u"b2", BS_AUTORADIOBUTTON, RECT{10, 100, 100, 120}, 5);
  SendMessageW(b1, BM_CLICK, 0, 0);
  SendMessageW(a1, BM_CLICK, 0, 0);
  SendMessageW(a3, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(a1), BST_UNCHECKED);
  EXPECT_EQ(Check(a2), BST_UNCHECKED);
  EXPECT_EQ(Check(a3), BST_CHECKED);
  EXPECT_EQ(Check(b1), BST_CHECKED);  // another group
  EXPECT_EQ(Check(b2), BST_UNCHECKED);
  // BM_SETCHECK alone does the same for automatic radio buttons.
  SendMessageW(a2, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Check(a3), BST_UNCHECKED);
  EXPECT_EQ(Check(a2), BST_CHECKED);
  // A plain radio button in the group is left to its parent.
  HWND manual = Button(u"m", BS_RADIOBUTTON, RECT{10, 70, 100, 80}, 6);
  SetWindowPos(manual, a3, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(manual, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(a1, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(manual), BST_CHECKED);
  EXPECT_EQ(Check(a2), BST_UNCHECKED);
}

TEST_F(ButtonTest, ArrowKeysMoveAndChooseInsideTheGroupOfADialog) {
  HWND dialog = platform::CreateDialogWindow(0, WS_POPUP | WS_CAPTION | WS_VISIBLE, RECT{50, 50, 300, 250}, nullptr,
                                             u"Radio", nullptr, nullptr);
  ShowWindow(dialog, SW_SHOW);
  recorder->Watch(dialog);
  HWND a1 = Button(u"a1", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, RECT{10, 10, 100, 30}, 1, dialog);
  HWND a2 = Button(u"a2", BS_AUTORADIOBUTTON, RECT{10, 30, 100, 50}, 2, dialog);
  HWND a3 = Button(u"a3", BS_AUTORADIOBUTTON, RECT{10, 50, 100, 70}, 3, dialog);
  HWND b1 = Button(u"b1", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, RECT{10, 80, 100, 100}, 4, dialog);
  HWND next = Button(u"&Next", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, RECT{10, 110, 100, 130}, 5, dialog);
  SendMessageW(a1, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(b1, BM_SETCHECK, BST_CHECKED, 0);
  SetFocus(a1);
  recorder->Clear();
  auto key = [&](WPARAM vk) {
    MSG msg{GetFocus(), WM_KEYDOWN, vk, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &msg));
  };
  key(VK_DOWN);
  EXPECT_EQ(GetFocus(), a2);
  EXPECT_EQ(Check(a2), BST_CHECKED);
  EXPECT_EQ(Check(a1), BST_UNCHECKED);
  key(VK_RIGHT);
  key(VK_DOWN);  // round to the first of the group, not into the next group
  EXPECT_EQ(GetFocus(), a1);
  EXPECT_EQ(Check(a1), BST_CHECKED);
  key(VK_UP);
  EXPECT_EQ(GetFocus(), a3);
  EXPECT_EQ(Check(a3), BST_CHECKED);
  EXPECT_EQ(Check(b1), BST_CHECKED);
  EXPECT_EQ(Commands(dialog), (Notes{{2, BN_CLICKED}, {3, BN_CLICKED}, {1, BN_CLICKED}, {3, BN_CLICKED}}));
  // The mnemonic of a check box clicks it.
  MSG ch{a3, WM_CHAR, u'n', 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(dialog, &ch));
  EXPECT_EQ(Check(next), BST_CHECKED);
  EXPECT_EQ(GetFocus(), next);
  recorder->Unwatch(dialog);
  DestroyWindow(dialog);
}

TEST_F(ButtonTest, DoubleClicksAndFocusAreAnnouncedOnlyWithNotify) {
  HWND plain = Button(u"p", BS_PUSHBUTTON, RECT{10, 10, 80, 30}, 1);
  HWND notify = Button(u"n", BS_PUSHBUTTON | BS_NOTIFY, RECT{10, 40, 80, 60}, 2);
  HWND radio = Button(u"r", BS_RADIOBUTTON, RECT{10, 70, 80, 90}, 3);
  HWND check = Button(u"c", BS_AUTOCHECKBOX, RECT{10, 100, 80, 120}, 4);
  SetFocus(parent);
  recorder->Clear();
  for (HWND b : {plain, notify, radio, check}) {
    SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(b, WM_LBUTTONUP, 0, 0);
    SendMessageW(b, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    SendMessageW(b, WM_LBUTTONUP, 0, 0);
  }
  // The plain push button and the check box take the double click as a second click.
  const Notes expected{{1, BN_CLICKED}, {1, BN_CLICKED},
                       {2, BN_SETFOCUS}, {2, BN_CLICKED}, {2, BN_DOUBLECLICKED},
                       {2, BN_KILLFOCUS}, {3, BN_CLICKED}, {3, BN_DOUBLECLICKED},
                       {4, BN_CLICKED}, {4, BN_CLICKED}};
  EXPECT_EQ(Commands(), expected);
  EXPECT_EQ(Check(check), BST_UNCHECKED);
}

TEST_F(ButtonTest, GroupBoxesLetTheMouseThroughAndHaveTheirParentRepaintUnderANewCaption) {
  HWND group = Button(u"Group", BS_GROUPBOX, RECT{10, 10, 210, 110}, 8);
  HWND inside = Button(u"In", BS_AUTOCHECKBOX, RECT{20, 30, 100, 50}, 9);
  UpdateWindow(parent);
  POINT middle{150, 80};
  ClientToScreen(parent, &middle);
  EXPECT_EQ(WindowFromPoint(middle), parent);
  POINT onCheck{30, 40};
  ClientToScreen(parent, &onCheck);
  EXPECT_EQ(WindowFromPoint(onCheck), inside);
  SendMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_NE(GetCapture(), group);  // a group box is never pressed
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(parent, &update, FALSE));
  SetWindowTextW(group, u"A longer caption");
  ASSERT_TRUE(GetUpdateRect(parent, &update, FALSE));
  EXPECT_EQ(update, (RECT{10, 10, 210, 110}));
}

TEST_F(ButtonTest, UserButtonsTellTheirParentWhatTheyDraw) {
  HWND b = Button(u"u", BS_USERBUTTON, RECT{10, 10, 80, 30}, 9);
  UpdateWindow(parent);
  recorder->Clear();
  InvalidateRect(b, nullptr, TRUE);
  UpdateWindow(b);
  SetFocus(b);
  SendMessageW(b, BM_SETSTATE, TRUE, 0);
  SendMessageW(b, BM_SETSTATE, FALSE, 0);
  SetFocus(parent);
  EnableWindow(b, FALSE);
  EXPECT_EQ(Commands(), (Notes{{9, BN_PAINT}, {9, BN_SETFOCUS}, {9, BN_HILITE}, {9, BN_UNHILITE}, {9, BN_KILLFOCUS},
                               {9, BN_DISABLE}}));
}

TEST_F(ButtonTest, OwnerDrawnButtonsAreDrawnByTheirParent) {
  HWND b = Button(u"od", BS_OWNERDRAW, RECT{20, 30, 100, 55}, 77);
  UpdateWindow(parent);
  Pump();
  log.drawn.clear();
  InvalidateRect(b, nullptr, TRUE);
  UpdateWindow(b);
  ASSERT_EQ(log.drawn.size(), 1u);
  const DRAWITEMSTRUCT whole = log.drawn[0];
  EXPECT_EQ(whole.CtlType, ODT_BUTTON);
  EXPECT_EQ(whole.CtlID, 77u);
  EXPECT_EQ(whole.itemID, 0u);
  EXPECT_EQ(whole.itemAction, ODA_DRAWENTIRE);
  EXPECT_EQ(whole.itemState, 0u);
  EXPECT_EQ(whole.hwndItem, b);
  EXPECT_NE(whole.hDC, nullptr);
  EXPECT_EQ(whole.rcItem, (RECT{0, 0, 80, 25}));
  log.drawn.clear();
  SetFocus(b);
  SendMessageW(b, BM_SETSTATE, TRUE, 0);
  SendMessageW(b, BM_SETSTATE, TRUE, 0);  // no change, no drawing
  SendMessageW(b, BM_SETSTATE, FALSE, 0);
  SetFocus(parent);
  std::vector<std::pair<UINT, UINT>> steps;
  for (const DRAWITEMSTRUCT& d : log.drawn) steps.emplace_back(d.itemAction, d.itemState);
  EXPECT_EQ(steps, (std::vector<std::pair<UINT, UINT>>{{ODA_FOCUS, ODS_FOCUS},
                                                      {ODA_SELECT, ODS_FOCUS | ODS_SELECTED},
                                                      {ODA_SELECT, ODS_FOCUS},
                                                      {ODA_FOCUS, 0}}));
  log.drawn.clear();
  EnableWindow(b, FALSE);
  UpdateWindow(b);
  ASSERT_FALSE(log.drawn.empty());
  EXPECT_EQ(log.drawn.back().itemState, ODS_DISABLED);
  // Double clicks of owner-drawn buttons are always announced.
  EnableWindow(b, TRUE);
  recorder->Clear();
  SendMessageW(b, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  EXPECT_EQ(Commands(), (Notes{{77, BN_DOUBLECLICKED}}));
  // Without a parent there is nobody to draw or notify: the button paints nothing and clicks quietly.
  for (DWORD type : {BS_OWNERDRAW, BS_AUTOCHECKBOX, BS_PUSHBUTTON}) {
    HWND alone = CreateWindowExW(0, u"Button", u"alone", WS_POPUP | WS_VISIBLE | type, 300, 300, 80, 25, nullptr,
                                 nullptr, nullptr, nullptr);
    UpdateWindow(alone);
    SendMessageW(alone, BM_CLICK, 0, 0);
    DestroyWindow(alone);
  }
}

TEST_F(ButtonTest, ColoursAreAskedOfTheParentAsWindowsAsks) {
  const std::pair<DWORD, UINT> table[] = {
      {BS_PUSHBUTTON, WM_CTLCOLORBTN},     {BS_DEFPUSHBUTTON, WM_CTLCOLORBTN},
      {BS_USERBUTTON, WM_CTLCOLORBTN},     {BS_OWNERDRAW, WM_CTLCOLORBTN},
      {BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC}, {BS_AUTORADIOBUTTON, WM_CTLCOLORSTATIC},
      {BS_3STATE, WM_CTLCOLORSTATIC},      {BS_GROUPBOX, WM_CTLCOLORSTATIC},
      {BS_AUTOCHECKBOX | BS_PUSHLIKE, WM_CTLCOLORBTN}};
  for (const auto& [style, message] : table) {
    HWND b = Button(u"x", style);
    UpdateWindow(b);
    log.colours.clear();
    Canvas canvas(100, 25);
    SendMessageW(b, WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    EXPECT_EQ(log.colours, (std::vector<std::pair<UINT, HWND>>{{message, b}})) << "style " << style;
    DestroyWindow(b);
  }
  // A check box paints on the brush its parent answers.
  HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
  log.staticBrush = green;
  HWND check = Button(u"", BS_AUTOCHECKBOX);
  Canvas canvas(100, 25);
  SendMessageW(check, WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
  EXPECT_EQ(canvas.At(60, 12), RGB(0, 128, 0));
  EXPECT_EQ(canvas.At(6, 12), GetSysColor(COLOR_WINDOW));  // inside the box
  log.staticBrush = nullptr;
  DestroyWindow(check);
  DeleteObject(green);
}

TEST_F(ButtonTest, PrintDrawsWhatPaintDraws) {
  HBITMAP image = CreateBitmap(12, 12, 1, 32, nullptr);
  const DWORD styles[] = {BS_PUSHBUTTON, BS_DEFPUSHBUTTON | BS_FLAT, BS_AUTOCHECKBOX | BS_LEFTTEXT, BS_AUTO3STATE,
                          BS_AUTORADIOBUTTON | BS_RIGHT, BS_GROUPBOX, BS_AUTOCHECKBOX | BS_PUSHLIKE,
                          BS_PUSHBUTTON | BS_BITMAP | WS_DISABLED, BS_USERBUTTON, BS_PUSHBUTTON | BS_MULTILINE | BS_TOP};
  for (DWORD style : styles) {
    HWND b = Button(u"&Print me twice over", style, RECT{10, 10, 110, 50});
    SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    SendMessageW(b, BM_SETCHECK, BST_INDETERMINATE, 0);
    SetFocus(b);
    Canvas painted(100, 40, RGB(1, 2, 3));
    Canvas printed(100, 40, RGB(1, 2, 3));
    SendMessageW(b, WM_PAINT, reinterpret_cast<WPARAM>(painted.Dc()), 0);
    SendMessageW(b, WM_PRINT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    int differences = 0;
    int drawn = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 100; ++x) {
        differences += painted.At(x, y) != printed.At(x, y);
        drawn += painted.At(x, y) != RGB(1, 2, 3);
      }
    }
    EXPECT_EQ(differences, 0) << "style " << std::hex << style;
    EXPECT_GT(drawn, 100) << "style " << std::hex << style;
    DestroyWindow(b);
  }
  DeleteObject(image);
}

TEST_F(ButtonTest, TwoHundredButtonsLeaveEveryCountWhereItWas) {
  HFONT font = CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 134, 0, 0, 0, 0, u"宋体");
  HBITMAP image = CreateBitmap(12, 12, 1, 32, nullptr);
  auto exercise = [&](int i) {
    const DWORD types[] = {BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX, BS_AUTO3STATE, BS_AUTORADIOBUTTON,
                           BS_GROUPBOX, BS_OWNERDRAW, BS_USERBUTTON, BS_PUSHBUTTON | BS_BITMAP | WS_DISABLED,
                           BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_FLAT};
    HWND b = Button(u"&Leak", types[i % 10], RECT{10, 10, 110, 40}, i);
    SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    SendMessageW(b, BM_CLICK, 0, 0);
    SendMessageW(b, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(b, WM_KEYUP, VK_SPACE, 0);
    UpdateWindow(parent);
    DestroyWindow(b);
  };
  exercise(0);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 1; i <= 200; ++i) exercise(i);
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  DeleteObject(image);
  DeleteObject(font);
}

}  // namespace
}  // namespace brellis::test
