// One form with every button, bar, tab and picker control of the toolkit,
// read from its form resource: each control with its properties read back
// by name and its window set up from them, real keys and clicks reaching
// the control they belong to anywhere on the form, the whole form's look,
// and its handle counts over many rounds of creating, showing and
// destroying it.
#include <string>

#include "platform/base/resources.h"
#include "platform/controls/controls.h"
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

// 46366 is 2026-12-10, the day the calendar marks as today.
class EveryControlTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    RegisterStandardControls();
    OverrideClock([] { return EncodeDateTime({2026, 12, 10, 12, 0, 0}); });
  }
  void TearDown() override {
    OverrideClock({});
    ToolkitTest::TearDown();
  }
};

std::string_view EveryControlForm() {
  const auto bytes = platform::FindResourceBytes(platform::kResourceForm, "EVERYCONTROL");
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

template <class T>
T* Find(TForm* form, const char* name) {
  T* found = As<T>(form->FindComponent(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

TEST_F(EveryControlTest, EveryControlIsReadWithItsPropertiesAndItsWindow) {
  ASSERT_FALSE(EveryControlForm().empty());
  TForm* form = ReadShownForm(EveryControlForm());
  EXPECT_EQ(form->Name(), "EveryControl");
  EXPECT_EQ(form->ClientWidth(), 640);
  EXPECT_EQ(form->ClientHeight(), 480);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));

  // Buttons: default and cancel push buttons, a bit button of a kind, a
  // speed button held down in its group.
  auto* ok = Find<TButton>(form, "OkButton");
  auto* cancel = Find<TButton>(form, "CancelButton");
  auto* bit = Find<TBitBtn>(form, "BitBtn1");
  auto* speed = Find<TSpeedButton>(form, "SpeedButton1");
  ASSERT_TRUE(ok && cancel && bit && speed);
  EXPECT_EQ(GetEnumProp(ok, "Default"), "True");
  EXPECT_EQ(GetEnumProp(cancel, "Cancel"), "True");
  EXPECT_EQ(GetEnumProp(cancel, "Default"), "False");
  EXPECT_EQ(StyleOf(ok) & 0xF, static_cast<DWORD>(BS_DEFPUSHBUTTON));
  EXPECT_EQ(StyleOf(cancel) & 0xF, static_cast<DWORD>(BS_PUSHBUTTON));
  EXPECT_EQ(GetEnumProp(bit, "Kind"), "bkRetry");
  EXPECT_EQ(GetStrProp(bit, "Caption"), "&Retry");
  EXPECT_EQ(GetOrdProp(bit, "ModalResult"), 4);
  EXPECT_FALSE(bit->Glyph()->Empty());
  EXPECT_EQ(GetEnumProp(speed, "Down"), "True");
  EXPECT_EQ(GetOrdProp(speed, "GroupIndex"), 1);
  EXPECT_EQ(GetEnumProp(speed, "AllowAllUp"), "True");

  // Check boxes, radio buttons in a group box, a radio group.
  auto* checked = Find<TCheckBox>(form, "CheckBox1");
  auto* grayed = Find<TCheckBox>(form, "CheckBox2");
  auto* radio1 = Find<TRadioButton>(form, "RadioButton1");
  auto* radio2 = Find<TRadioButton>(form, "RadioButton2");
  auto* group = Find<TRadioGroup>(form, "RadioGroup1");
  ASSERT_TRUE(checked && grayed && radio1 && radio2 && group);
  EXPECT_EQ(GetEnumProp(checked, "State"), "cbChecked");
  EXPECT_EQ(SendMessageA(checked->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(GetEnumProp(grayed, "AllowGrayed"), "True");
  EXPECT_EQ(GetEnumProp(grayed, "State"), "cbGrayed");
  EXPECT_EQ(SendMessageA(grayed->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(radio1->Parent(), Find<TGroupBox>(form, "GroupBox1"));
  EXPECT_EQ(GetEnumProp(radio1, "Checked"), "True");
  EXPECT_EQ(GetEnumProp(radio2, "Checked"), "False");
  EXPECT_EQ(SendMessageA(radio1->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(GetOrdProp(group, "ItemIndex"), 1);
  EXPECT_EQ(GetOrdProp(group, "Columns"), 2);
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->Buttons(2)->Caption(), "Large");
  EXPECT_EQ(SendMessageA(group->Buttons(1)->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

  // Graphic controls.
  EXPECT_EQ(GetEnumProp(Find<TBevel>(form, "Bevel1"), "Shape"), "bsTopLine");
  auto* shape = Find<TShape>(form, "Shape1");
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(GetEnumProp(shape, "Shape"), "stRoundRect");
  EXPECT_EQ(shape->Brush()->Color(), clYellow);
  EXPECT_EQ(GetStrProp(Find<TLabel>(form, "Label1"), "Caption"), "&Name of the form:");
  auto* panel = Find<TPanel>(form, "Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(GetEnumProp(panel, "BevelInner"), "bvLowered");
  EXPECT_EQ(GetEnumProp(panel, "BevelOuter"), "bvRaised");

  // Track bar with ticks and a selection, progress bar, up-down with its buddy.
  auto* track = Find<TTrackBar>(form, "TrackBar1");
  auto* progress = Find<TProgressBar>(form, "ProgressBar1");
  auto* edit = Find<TEdit>(form, "Edit1");
  auto* spin = Find<TUpDown>(form, "UpDown1");
  ASSERT_TRUE(track && progress && edit && spin);
  // The bar's background is its parent's face, as the other button-like controls'.
  EXPECT_EQ(GetEnumProp(track, "ParentColor"), "True");
  EXPECT_EQ(track->Color(), form->Color());
  EXPECT_EQ(GetOrdProp(track, "Position"), 5);
  EXPECT_EQ(GetOrdProp(track, "Frequency"), 2);
  EXPECT_EQ(GetEnumProp(track, "TickMarks"), "tmBoth");
  EXPECT_EQ(GetOrdProp(track, "SelEnd"), 12);
  EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETSELSTART, 0, 0), 4);
  EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETNUMTICS, 0, 0), 11);  // 2, 4, ... 18 and the ends
  EXPECT_EQ(StyleOf(track) & (TBS_BOTH | TBS_AUTOTICKS | TBS_ENABLESELRANGE),
            static_cast<DWORD>(TBS_BOTH | TBS_AUTOTICKS | TBS_ENABLESELRANGE));
  EXPECT_EQ(GetOrdProp(progress, "Position"), 40);
  EXPECT_EQ(SendMessageA(progress->Handle(), PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(GetObjectProp(spin, "Associate"), edit);
  EXPECT_EQ(SendMessageA(spin->Handle(), UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(edit->Handle()));
  EXPECT_EQ(GetOrdProp(spin, "Position"), 12);
  EXPECT_EQ(edit->GetText(), "12");

  // Pages and tabs.
  auto* pages = Find<TPageControl>(form, "PageControl1");
  auto* tabs = Find<TTabControl>(form, "TabControl1");
  ASSERT_TRUE(pages && tabs);
  EXPECT_EQ(GetOrdProp(pages, "PageCount"), 3);
  EXPECT_EQ(GetOrdProp(pages, "ActivePageIndex"), 0);
  EXPECT_EQ(GetObjectProp(pages, "ActivePage"), Find<TTabSheet>(form, "GeneralSheet"));
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_TRUE(IsWindowVisible(Find<TTabSheet>(form, "GeneralSheet")->Handle()));
  EXPECT_FALSE(Find<TTabSheet>(form, "DetailsSheet")->Visible());
  EXPECT_EQ(Find<TPanel>(form, "DetailsPanel")->Parent(), Find<TTabSheet>(form, "DetailsSheet"));
  EXPECT_EQ(GetStrProp(Find<TTabSheet>(form, "MoreSheet"), "Caption"), "More");
  EXPECT_EQ(tabs->Tabs()->Count(), 3);
  EXPECT_EQ(GetOrdProp(tabs, "TabIndex"), 0);
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);

  // The status bar's panels and grip, at the bottom.
  auto* status = Find<TStatusBar>(form, "StatusBar1");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(GetEnumProp(status, "SizeGrip"), "True");
  EXPECT_TRUE(StyleOf(status) & SBARS_SIZEGRIP);
  ASSERT_EQ(status->Panels()->Count(), 3);
  EXPECT_EQ(GetStrProp(status->Panel(1), "Text"), "Every control");
  EXPECT_EQ(GetEnumProp(status->Panel(2), "Alignment"), "taRightJustify");
  int edges[3]{};
  EXPECT_EQ(SendMessageW(status->Handle(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[1], 360);
  EXPECT_EQ(status->Top() + status->Height(), form->ClientHeight());

  // The tool bar along the top, one of its buttons dropping a menu down.
  auto* bar = Find<TToolBar>(form, "ToolBar1");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Top(), 0);
  EXPECT_EQ(bar->Width(), 640);
  ASSERT_EQ(bar->ButtonCount(), 4);
  EXPECT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 4);
  auto* menuButton = Find<TToolButton>(form, "MenuButton");
  ASSERT_NE(menuButton, nullptr);
  EXPECT_EQ(GetEnumProp(menuButton, "Style"), "tbsDropDown");
  EXPECT_EQ(GetObjectProp(menuButton, "DropdownMenu"), Find<TPopupMenu>(form, "ToolMenu"));
  EXPECT_EQ(GetEnumProp(Find<TToolButton>(form, "BoldButton"), "Down"), "True");
  TBBUTTON b{};
  SendMessageA(bar->Handle(), TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&b));
  EXPECT_EQ(b.fsStyle, BTNS_DROPDOWN);

  // The pickers.
  auto* picker = Find<TDateTimePicker>(form, "DateTimePicker1");
  auto* calendar = Find<TMonthCalendar>(form, "MonthCalendar1");
  ASSERT_TRUE(picker && calendar);
  EXPECT_EQ(GetFloatProp(picker, "Date"), 46366);
  EXPECT_EQ(GetEnumProp(picker, "Kind"), "dtkDate");
  EXPECT_EQ(GetEnumProp(picker, "TabStop"), "True");
  EXPECT_EQ(GetEnumProp(calendar, "TabStop"), "True");
  SYSTEMTIME st{};
  EXPECT_EQ(SendMessageA(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_VALID);
  EXPECT_EQ(st.wDay, 10);
  EXPECT_EQ(GetFloatProp(calendar, "Date"), 46366);
  SendMessageA(calendar->Handle(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
  EXPECT_EQ(st.wMonth, 12);
  form->Free();
}

TEST_F(EveryControlTest, TheKeyboardReachesEveryControlAndTheFormsButtonsButNotPastAnOpenCalendar) {
  TForm* form = ReadShownForm(EveryControlForm());
  auto* ok = Find<TButton>(form, "OkButton");
  auto* cancel = Find<TButton>(form, "CancelButton");
  std::vector<std::string> pressed;
  ok->OnClick = [&](TObject*) { pressed.push_back("ok"); };
  cancel->OnClick = [&](TObject*) { pressed.push_back("cancel"); };

  // Tab goes round every control that takes the focus in tab order (the
  // edit's is 0), each once, then back to the first: into the group boxes,
  // to the chosen radio button only, past the pages behind the active one.
  Find<TEdit>(form, "Edit1")->SetFocus();
  const HWND first = GetFocus();
  std::vector<std::string> visited;
  for (int i = 0; i < 40; ++i) {
    TWinControl* focused = FindControl(GetFocus());
    ASSERT_NE(focused, nullptr);
    visited.push_back(focused->Name().empty() ? focused->Parent()->Name() + "." + focused->Caption() : focused->Name());
    headless::Key(VK_TAB);
    Pump();
    if (GetFocus() == first) break;
  }
  EXPECT_EQ(GetFocus(), first);
  EXPECT_EQ(visited, (std::vector<std::string>{"Edit1", "CheckBox1", "CheckBox2", "RadioButton1",
                                               "RadioGroup1.Medium", "OkButton", "CancelButton", "BitBtn1",
                                               "TrackBar1", "DateTimePicker1", "MonthCalendar1", "PageControl1",
                                               "TabControl1", "CoolEdit", "MediaPlayer1"}));
  // Shift+Tab goes back, round the start.
  headless::KeyDown(VK_SHIFT);
  headless::Key(VK_TAB);
  headless::Key(VK_TAB);
  headless::KeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(GetFocus(), Find<TEdit>(form, "CoolEdit")->Handle());

  // Return presses the default button and Escape the cancel button, from a
  // control that leaves those keys to its form.
  Find<TCheckBox>(form, "CheckBox1")->SetFocus();
  headless::Key(VK_RETURN);
  headless::Key(VK_ESCAPE);
  Pump();
  EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "cancel"}));

  // While the date picker's calendar is open, Escape closes it and Return
  // takes its day: neither reaches the form's buttons.
  auto* picker = Find<TDateTimePicker>(form, "DateTimePicker1");
  auto dropDown = [&] {
    RECT c{};
    GetClientRect(picker->Handle(), &c);
    PostMessageA(picker->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.right - 8, c.bottom / 2));
    PostMessageA(picker->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.right - 8, c.bottom / 2));
    Pump();
    return picker->DroppedDown();
  };
  ASSERT_TRUE(dropDown());
  headless::Key(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), 46366);
  ASSERT_TRUE(dropDown());
  headless::Key(VK_RIGHT);
  headless::Key(VK_RETURN);
  Pump();
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), 46367);
  EXPECT_EQ(pressed.size(), 2u);
  form->Free();
}

TEST_F(EveryControlTest, ArrowKeysThroughTheMessageLoopMoveTheFocusedControl) {
  TForm* form = ReadShownForm(EveryControlForm());
  auto press = [](TWinControl* control, UINT key) {
    control->SetFocus();
    headless::Key(key);
    Pump();
  };
  auto* edit = Find<TEdit>(form, "Edit1");
  press(edit, VK_UP);
  EXPECT_EQ(edit->GetText(), "13");  // through the up-down
  EXPECT_EQ(Find<TUpDown>(form, "UpDown1")->Position(), 13);
  auto* track = Find<TTrackBar>(form, "TrackBar1");
  int changes = 0;
  track->OnChange = [&](TObject*) { ++changes; };
  press(track, VK_RIGHT);
  EXPECT_EQ(track->Position(), 6);
  EXPECT_EQ(changes, 1);
  auto* pages = Find<TPageControl>(form, "PageControl1");
  press(pages, VK_RIGHT);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  EXPECT_TRUE(Find<TTabSheet>(form, "DetailsSheet")->Visible());
  auto* tabs = Find<TTabControl>(form, "TabControl1");
  press(tabs, VK_RIGHT);
  EXPECT_EQ(tabs->TabIndex(), 1);
  auto* first = Find<TRadioButton>(form, "RadioButton1");
  press(first, VK_DOWN);
  EXPECT_TRUE(Find<TRadioButton>(form, "RadioButton2")->Checked());
  EXPECT_FALSE(first->Checked());
  auto* calendar = Find<TMonthCalendar>(form, "MonthCalendar1");
  press(calendar, VK_DOWN);
  EXPECT_EQ(calendar->Date(), 46366 + 7);
  auto* picker = Find<TDateTimePicker>(form, "DateTimePicker1");
  press(picker, VK_UP);  // the month field comes first and rolls over on its own
  EXPECT_EQ(picker->Date(), EncodeDateTime({2026, 1, 10, 0, 0, 0}));
  form->Free();
}

// The screen point of a control's client point.
POINT OnScreen(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen(Point(x, y));
  return {p.x, p.y};
}

void ClickAt(POINT p) {
  headless::Click(p.x, p.y);
  Application->ProcessMessages();
}

TEST_F(EveryControlTest, MouseClicksReachTheControlUnderThemAnywhereOnTheForm) {
  TForm* form = ReadShownForm(EveryControlForm());
  // The grayed box goes on to checked, the second radio button of the group
  // box takes the choice from the first, a radio group's button is its index.
  auto* grayed = Find<TCheckBox>(form, "CheckBox2");
  ClickAt(OnScreen(grayed, 6, grayed->Height() / 2));
  EXPECT_EQ(grayed->State(), TCheckBoxState::cbChecked);
  auto* radio2 = Find<TRadioButton>(form, "RadioButton2");
  ClickAt(OnScreen(radio2, 6, radio2->Height() / 2));
  EXPECT_TRUE(radio2->Checked());
  EXPECT_FALSE(Find<TRadioButton>(form, "RadioButton1")->Checked());
  auto* group = Find<TRadioGroup>(form, "RadioGroup1");
  ClickAt(OnScreen(group->Buttons(2), 6, group->Buttons(2)->Height() / 2));
  EXPECT_EQ(group->ItemIndex(), 2);
  // A speed button that may be all up comes up when clicked down.
  auto* speed = Find<TSpeedButton>(form, "SpeedButton1");
  int speedClicks = 0;
  speed->OnClick = [&](TObject*) { ++speedClicks; };
  ClickAt(OnScreen(speed, speed->Width() / 2, speed->Height() / 2));
  EXPECT_FALSE(speed->Down());
  EXPECT_EQ(speedClicks, 1);
  // The up-down's upper arrow counts up in its buddy.
  auto* spin = Find<TUpDown>(form, "UpDown1");
  ClickAt(OnScreen(spin, spin->Width() / 2, 3));
  EXPECT_EQ(Find<TEdit>(form, "Edit1")->GetText(), "13");
  // A day of the calendar becomes its date.
  auto* calendar = Find<TMonthCalendar>(form, "MonthCalendar1");
  POINT day{-1, -1};
  for (int y = 0; y < calendar->Height() && day.x < 0; y += 2) {
    for (int x = 0; x < calendar->Width(); x += 2) {
      MCHITTESTINFO hit{sizeof(MCHITTESTINFO), {x, y}, 0, {}};
      SendMessageA(calendar->Handle(), MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.uHit == MCHT_CALENDARDATE && hit.st.wMonth == 12 && hit.st.wDay == 17) {
        day = {x + 3, y + 3};
        break;
      }
    }
  }
  ASSERT_GE(day.x, 0);
  ClickAt(OnScreen(calendar, day.x, day.y));
  EXPECT_EQ(calendar->Date(), 46366 + 7);
  // The third tab of each tab control.
  auto* pages = Find<TPageControl>(form, "PageControl1");
  RECT tab{};
  SendMessageA(pages->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&tab));
  ClickAt(OnScreen(pages, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
  EXPECT_EQ(pages->ActivePage(), Find<TTabSheet>(form, "MoreSheet"));
  auto* tabs = Find<TTabControl>(form, "TabControl1");
  SendMessageA(tabs->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&tab));
  ClickAt(OnScreen(tabs, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
  EXPECT_EQ(tabs->TabIndex(), 2);
  form->Free();
}

TEST_F(EveryControlTest, TheDropDownToolButtonsArrowOpensItsMenuAndItsFaceClicksIt) {
  TForm* form = ReadShownForm(EveryControlForm());
  auto* bar = Find<TToolBar>(form, "ToolBar1");
  auto* menu = Find<TPopupMenu>(form, "ToolMenu");
  std::vector<std::string> events;
  menu->OnPopup = [&](TObject*) { events.push_back("popup"); };
  Find<TMenuItem>(form, "ToolMenuSecond")->OnClick = [&](TObject*) { events.push_back("second"); };
  Find<TToolButton>(form, "MenuButton")->OnClick = [&](TObject*) { events.push_back("button"); };
  RECT r{};
  SendMessageA(bar->Handle(), TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r));
  POINT arrow{r.right - 4, (r.top + r.bottom) / 2};
  POINT face{r.left + 8, (r.top + r.bottom) / 2};
  ClientToScreen(bar->Handle(), &arrow);
  ClientToScreen(bar->Handle(), &face);
  headless::Click(arrow.x, arrow.y);
  headless::Key(VK_DOWN);
  headless::Key(VK_DOWN);
  headless::Key(VK_RETURN);
  Pump();
  headless::Click(face.x, face.y);
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"popup", "second", "button"}));
  EXPECT_EQ(menu->PopupComponent(), Find<TToolButton>(form, "MenuButton"));
  EXPECT_EQ(FindWindowExW(nullptr, nullptr, u"#32768", nullptr), nullptr);
  form->Free();
}

TEST_F(EveryControlTest, GoldenPictureOfTheWholeForm) {
  TForm* form = ReadShownForm(EveryControlForm());
  Find<TCheckBox>(form, "CheckBox1")->SetFocus();
  headless::MoveMouse(1200, 1000);
  Pump();
  const auto picture = headless::WindowImage(form->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/every_control", GoldenTolerance{48, 120}));
  form->Free();
}

TEST_F(EveryControlTest, TwoHundredFormsCreatedShownAndDestroyedLeaveEveryCount) {
  ExpectRoundsLeaveEveryCount([] {
    TForm* form = ReadShownForm(EveryControlForm());
    // The hidden pages' windows are made when they are first shown.
    As<TPageControl>(form->FindComponent("PageControl1"))->SetActivePageIndex(1);
    SendMessageA(As<TCheckBox>(form->FindComponent("CheckBox1"))->Handle(), BM_CLICK, 0, 0);
    Application->ProcessMessages();
    form->Free();
    Application->ProcessMessages();
  });
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

}  // namespace
}  // namespace brellis::test
