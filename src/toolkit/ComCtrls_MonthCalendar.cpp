// TMonthCalendar: the toolkit class "TMonthCalendar" made from the standard
// "SysMonthCal32" window. The reflected MCN_SELCHANGE keeps Date and fires
// OnChange; MCN_SELECT, the user settling on a day, fires OnClick.
#include <algorithm>
#include <cmath>

#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

SYSTEMTIME DateTimeToSystemTime(TDateTime value) {
  const TDateTimeParts p = DecodeDateTime(std::isfinite(value) ? value : 0);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(std::clamp(p.Year, 1601, 9999));
  st.wMonth = static_cast<WORD>(p.Month);
  st.wDay = static_cast<WORD>(p.Day);
  st.wHour = static_cast<WORD>(p.Hour);
  st.wMinute = static_cast<WORD>(p.Minute);
  st.wSecond = static_cast<WORD>(p.Second);
  st.wMilliseconds = static_cast<WORD>(p.Millisecond);
  // Day 0, 1899-12-30, was a Saturday.
  const long long day = static_cast<long long>(std::floor(EncodeDateTime({st.wYear, st.wMonth, st.wDay})));
  st.wDayOfWeek = static_cast<WORD>(((day + 6) % 7 + 7) % 7);
  return st;
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& st) {
  return EncodeDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}

T_CLASS_INFO(TMonthCalendar, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TMonthCalendar>;
  c.AddProperty(Float<TMonthCalendar>("Date", &TMonthCalendar::Date, &TMonthCalendar::SetDate));
  c.AddProperty(Float<TMonthCalendar>("MinDate", &TMonthCalendar::MinDate, &TMonthCalendar::SetMinDate));
  c.AddProperty(Float<TMonthCalendar>("MaxDate", &TMonthCalendar::MaxDate, &TMonthCalendar::SetMaxDate));
  c.AddProperty(Method<TMonthCalendar>("OnChange", &TMonthCalendar::OnChange));
})

TMonthCalendar::TMonthCalendar(TComponent* owner) : TWinControl(owner) {
  date_ = ::Date();
  SetBounds(0, 0, 191, 154);
  SetTabStop(true);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TMonthCalendar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "SysMonthCal32";
}

void TMonthCalendar::CreateWnd() {
  TWinControl::CreateWnd();
  SendRange();
  SendDate();
}

void TMonthCalendar::SendRange() {
  if (!HandleAllocated()) return;
  SYSTEMTIME limits[2] = {DateTimeToSystemTime(minDate_), DateTimeToSystemTime(maxDate_)};
  const DWORD which = (minDate_ != 0 ? GDTR_MIN : 0) | (maxDate_ != 0 ? GDTR_MAX : 0);
  SendMessageA(Handle(), MCM_SETRANGE, which, reinterpret_cast<LPARAM>(limits));
}

void TMonthCalendar::SendDate() {
  if (!HandleAllocated()) return;
  const SYSTEMTIME st = DateTimeToSystemTime(date_);
  SendMessageA(Handle(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
}

// A date outside the limits is held to them.
void TMonthCalendar::SetDate(TDateTime value) {
  value = std::floor(value);
  if (minDate_ != 0) value = std::max(value, std::floor(minDate_));
  if (maxDate_ != 0) value = std::min(value, std::floor(maxDate_));
  date_ = value;
  SendDate();
}

void TMonthCalendar::SetMinDate(TDateTime value) {
  minDate_ = value;
  if (!Loading()) SetDate(date_);
  SendRange();
}

void TMonthCalendar::SetMaxDate(TDateTime value) {
  maxDate_ = value;
  if (!Loading()) SetDate(date_);
  SendRange();
}

void TMonthCalendar::Change() {
  if (OnChange) OnChange(this);
}

void TMonthCalendar::WndProc(TMessage& message) {
  // The skin engine's own query shares CN_NOTIFY's number with a small
  // lParam that is no header.
  if (message.Msg == CN_NOTIFY && !IS_INTRESOURCE(reinterpret_cast<const void*>(message.LParam))) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header->code == MCN_SELCHANGE || header->code == MCN_SELECT) {
      date_ = std::floor(SystemTimeToDateTime(reinterpret_cast<const NMSELCHANGE*>(header)->stSelStart));
      message.Result = 0;
      header->code == MCN_SELCHANGE ? Change() : Click();
      return;
    }
  }
  TWinControl::WndProc(message);
}
