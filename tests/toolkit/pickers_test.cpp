// TMonthCalendar and TDateTimePicker: read from a form resource with
// TDateTime values as doubles, their properties by name, their windows set
// up from them, the reflected notifications firing their events, and no
// handle left behind.
#include "platform/controls/controls.h"
#include "support/handle_leaks.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

class PickersTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    OverrideClock([] { return EncodeDateTime({2026, 12, 10, 12, 0, 0}); });
  }
  void TearDown() override {
    OverrideClock({});
    ToolkitTest::TearDown();
  }
};

// 46366 is 2026-12-10; 46447 2027-03-01; .75 is 18:00.
constexpr const char* kForm = R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 420
  ClientHeight = 240
  BorderStyle = bsNone
  object Calendar: TMonthCalendar
    Left = 8
    Top = 8
    Date = 46370
    MinDate = 46366
    MaxDate = 46447.5
  end
  object DatePicker: TDateTimePicker
    Left = 210
    Top = 8
    Date = 46366
    Time = 0.75
    DateFormat = dfLong
  end
  object TimePicker: TDateTimePicker
    Left = 210
    Top = 40
    DateTime = 46366.5
    Kind = dtkTime
    ShowCheckbox = True
    Checked = False
  end
  object SpinPicker: TDateTimePicker
    Left = 210
    Top = 72
    DateTime = 46400
    MinDate = 46388
    MaxDate = 46447
    DateMode = dmUpDown
  end
end
)";

SYSTEMTIME WindowTime(TWinControl* picker, LRESULT expect = GDT_VALID) {
  SYSTEMTIME st{};
  EXPECT_EQ(SendMessageA(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), expect);
  return st;
}

TEST_F(PickersTest, ReadFromAFormResourceWithTheirWindowsSetUp) {
  TForm* form = ReadShownForm(kForm);
  auto* calendar = As<TMonthCalendar>(form->FindComponent("Calendar"));
  auto* date = As<TDateTimePicker>(form->FindComponent("DatePicker"));
  auto* time = As<TDateTimePicker>(form->FindComponent("TimePicker"));
  auto* spin = As<TDateTimePicker>(form->FindComponent("SpinPicker"));
  ASSERT_TRUE(calendar && date && time && spin);
  EXPECT_EQ(calendar->ClassName(), "TMonthCalendar");
  EXPECT_EQ(GetFloatProp(calendar, "Date"), 46370);
  EXPECT_EQ(GetPropValue(calendar, "maxdate"), "46447.5");
  SYSTEMTIME st{};
  SendMessageA(calendar->Handle(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
  EXPECT_EQ(st.wDay, 14);
  SYSTEMTIME limits[2]{};
  EXPECT_EQ(SendMessageA(calendar->Handle(), MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)), GDTR_MIN | GDTR_MAX);
  EXPECT_EQ(limits[1].wMonth, 3);

  EXPECT_EQ(date->DateTime(), 46366.75);
  st = WindowTime(date);
  EXPECT_EQ(st.wHour, 18);
  EXPECT_EQ(StyleOf(date) & 0xF, DTS_LONGDATEFORMAT);
  EXPECT_EQ(GetEnumProp(date, "DateMode"), "dmComboBox");
  char text[64]{};
  GetWindowTextA(date->Handle(), text, 64);
  EXPECT_STREQ(text, "Thursday, December 10, 2026");

  EXPECT_EQ(StyleOf(time) & (DTS_TIMEFORMAT | DTS_SHOWNONE), DTS_TIMEFORMAT | DTS_SHOWNONE);
  WindowTime(time, GDT_NONE);
  EXPECT_EQ(GetEnumProp(time, "Checked"), "False");
  EXPECT_EQ(GetFloatProp(time, "Time"), 0.5);

  EXPECT_TRUE(StyleOf(spin) & DTS_UPDOWN);
  EXPECT_NE(FindWindowExW(spin->Handle(), nullptr, UPDOWN_CLASSW, nullptr), nullptr);
  // Values by name are held to the limits.
  SetPropValue(spin, "Date", "46500");
  EXPECT_EQ(spin->Date(), 46447);
  EXPECT_EQ(WindowTime(spin).wMonth, 3);
  EXPECT_THROW(SetPropValue(spin, "Date", "soon"), EConvertError);
  SetFloatProp(spin, "DateTime", 46390.25);
  EXPECT_EQ(WindowTime(spin).wHour, 6);
  // A new kind is a new window with the value kept.
  SetEnumProp(spin, "Kind", "dtkTime");
  EXPECT_EQ(StyleOf(spin) & DTS_TIMEFORMAT, DTS_TIMEFORMAT);
  EXPECT_EQ(WindowTime(spin).wHour, 6);
  form->Free();
}

TEST_F(PickersTest, NotificationsFireTheEvents) {
  TForm* form = ReadShownForm(kForm);
  auto* calendar = As<TMonthCalendar>(form->FindComponent("Calendar"));
  auto* date = As<TDateTimePicker>(form->FindComponent("DatePicker"));
  auto* time = As<TDateTimePicker>(form->FindComponent("TimePicker"));
  std::vector<std::string> events;
  calendar->OnChange = [&](TObject*) { events.push_back("calendar change"); };
  calendar->OnClick = [&](TObject*) { events.push_back("calendar click"); };
  date->OnChange = [&](TObject*) { events.push_back("date change"); };
  date->OnDropDown = [&](TObject*) { events.push_back(date->DroppedDown() ? "drop down" : "?"); };
  date->OnCloseUp = [&](TObject*) { events.push_back("close up"); };
  time->OnChange = [&](TObject*) { events.push_back("time change"); };

  SendMessageA(calendar->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(calendar->Date(), 46371);
  SendMessageA(calendar->Handle(), WM_KEYDOWN, VK_NEXT, 0);  // past MaxDate's month: held to it
  SendMessageA(calendar->Handle(), WM_KEYDOWN, VK_NEXT, 0);
  SendMessageA(calendar->Handle(), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(calendar->Date(), 46447);

  // The date picker's calendar opens on a posted click pair at its button
  // and its choice is the new date; the time of day stays.
  RECT c{};
  GetClientRect(date->Handle(), &c);
  PostMessageA(date->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.right - 8, c.bottom / 2));
  PostMessageA(date->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.right - 8, c.bottom / 2));
  Pump();
  auto popup = reinterpret_cast<HWND>(SendMessageA(date->Handle(), DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(popup, nullptr);
  SendMessageA(date->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(date->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(date->DroppedDown());
  EXPECT_EQ(date->DateTime(), 46373.75);

  // Checking the time picker's box gives it its value back.
  SendMessageA(time->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(time->Checked());
  EXPECT_EQ(events, (std::vector<std::string>{"calendar change", "calendar change", "calendar change",
                                              "calendar change", "drop down", "date change", "close up", "time change"}));
  form->Free();
}

TEST_F(PickersTest, TwoHundredFormsWithThePickersLeaveNothingBehind) {
  auto round = [] {
    TForm* form = ReadShownForm(kForm);
    auto* date = As<TDateTimePicker>(form->FindComponent("DatePicker"));
    RECT c{};
    GetClientRect(date->Handle(), &c);
    PostMessageA(date->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.right - 8, c.bottom / 2));
    PostMessageA(date->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.right - 8, c.bottom / 2));
    Application->ProcessMessages();
    SetEnumProp(date, "DateMode", "dmUpDown");  // a new window while the calendar is open
    form->Free();
    Application->ProcessMessages();
  };
  ExpectRoundsLeaveEveryCount(round);
}

}  // namespace
}  // namespace brellis::test
