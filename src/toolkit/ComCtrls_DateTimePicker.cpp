// TDateTimePicker: the toolkit class "TDateTimePicker" made from the
// standard "SysDateTimePick32" window: a date (short or long format, with
// the drop-down calendar or an up-down) or a time, optionally with a check
// box. The reflected DTN_DATETIMECHANGE keeps DateTime and Checked and
// fires OnChange; DTN_DROPDOWN and DTN_CLOSEUP fire OnDropDown and OnCloseUp.
#include <algorithm>
#include <cmath>

#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

const TEnumInfo& DateTimeKindType() {
  static const TEnumInfo type("TDateTimeKind", {"dtkDate", "dtkTime"});
  return type;
}

const TEnumInfo& DTDateFormatType() {
  static const TEnumInfo type("TDTDateFormat", {"dfShort", "dfLong"});
  return type;
}

const TEnumInfo& DTDateModeType() {
  static const TEnumInfo type("TDTDateMode", {"dmComboBox", "dmUpDown"});
  return type;
}

T_CLASS_INFO(TDateTimePicker, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using P = TDateTimePicker;
  c.Factory = &CreateInstance<P>;
  c.AddProperty(Float<P>("Date", &P::Date, &P::SetDate));
  c.AddProperty(Float<P>("Time", &P::Time, &P::SetTime));
  c.AddProperty(Float<P>("DateTime", &P::DateTime, &P::SetDateTime));
  c.AddProperty(Float<P>("MinDate", &P::MinDate, &P::SetMinDate));
  c.AddProperty(Float<P>("MaxDate", &P::MaxDate, &P::SetMaxDate));
  c.AddProperty(Enumeration<P, TDateTimeKind>("Kind", DateTimeKindType(), &P::Kind, &P::SetKind));
  c.AddProperty(Enumeration<P, TDTDateFormat>("DateFormat", DTDateFormatType(), &P::DateFormat, &P::SetDateFormat));
  c.AddProperty(Enumeration<P, TDTDateMode>("DateMode", DTDateModeType(), &P::DateMode, &P::SetDateMode));
  c.AddProperty(Boolean<P>("ShowCheckbox", &P::ShowCheckbox, &P::SetShowCheckbox));
  c.AddProperty(Boolean<P>("Checked", &P::Checked, &P::SetChecked));
  c.AddProperty(Method<P>("OnChange", &P::OnChange));
  c.AddProperty(Method<P>("OnCloseUp", &P::OnCloseUp));
  c.AddProperty(Method<P>("OnDropDown", &P::OnDropDown));
})

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  dateTime_ = Now();
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "SysDateTimePick32";
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (kind_ == TDateTimeKind::dtkTime) {
    params.Style |= DTS_TIMEFORMAT;
  } else {
    if (dateFormat_ == TDTDateFormat::dfLong) params.Style |= DTS_LONGDATEFORMAT;
    if (dateMode_ == TDTDateMode::dmUpDown) params.Style |= DTS_UPDOWN;
  }
  if (showCheckbox_) params.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  SendRange();
  SendValue();
}

void TDateTimePicker::SendRange() {
  if (!HandleAllocated()) return;
  SYSTEMTIME limits[2] = {DateTimeToSystemTime(minDate_), DateTimeToSystemTime(maxDate_)};
  const DWORD which = (minDate_ != 0 ? GDTR_MIN : 0) | (maxDate_ != 0 ? GDTR_MAX : 0);
  SendMessageA(Handle(), DTM_SETRANGE, which, reinterpret_cast<LPARAM>(limits));
}

void TDateTimePicker::SendValue() {
  if (!HandleAllocated()) return;
  const SYSTEMTIME st = DateTimeToSystemTime(dateTime_);
  SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  if (showCheckbox_ && !checked_) SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

void TDateTimePicker::Recreate() {
  if (HandleAllocated()) RecreateWnd();
}

// A value outside the limits is held to them (the window does the same).
void TDateTimePicker::SetDateTime(TDateTime value) {
  if (!std::isfinite(value)) return;
  if (minDate_ != 0) value = std::max(value, minDate_);
  if (maxDate_ != 0) value = std::min(value, maxDate_);
  dateTime_ = value;
  SendValue();
}

TDateTime TDateTimePicker::Date() const { return std::floor(dateTime_); }

void TDateTimePicker::SetDate(TDateTime value) {
  if (!std::isfinite(value)) return;
  SetDateTime(std::floor(value) + (dateTime_ - std::floor(dateTime_)));
}

TDateTime TDateTimePicker::Time() const { return dateTime_ - std::floor(dateTime_); }

void TDateTimePicker::SetTime(TDateTime value) {
  if (!std::isfinite(value)) return;
  SetDateTime(std::floor(dateTime_) + (value - std::floor(value)));
}

void TDateTimePicker::SetMinDate(TDateTime value) {
  minDate_ = value;
  SendRange();
  if (!Loading()) SetDateTime(dateTime_);
}

void TDateTimePicker::SetMaxDate(TDateTime value) {
  maxDate_ = value;
  SendRange();
  if (!Loading()) SetDateTime(dateTime_);
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  kind_ = value;
  Recreate();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value) {
  dateFormat_ = value;
  Recreate();
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
  dateMode_ = value;
  Recreate();
}

void TDateTimePicker::SetShowCheckbox(bool value) {
  showCheckbox_ = value;
  Recreate();
}

void TDateTimePicker::SetChecked(bool value) {
  checked_ = value;
  SendValue();
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::WndProc(TMessage& message) {
  // The skin engine's own query shares CN_NOTIFY's number with a small
  // lParam that is no header.
  if (message.Msg == CN_NOTIFY && !IS_INTRESOURCE(reinterpret_cast<const void*>(message.LParam))) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    switch (header->code) {
      case DTN_DATETIMECHANGE: {
        const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(header);
        checked_ = change->dwFlags == GDT_VALID;
        if (checked_) dateTime_ = SystemTimeToDateTime(change->st);
        message.Result = 0;
        Change();
        return;
      }
      case DTN_DROPDOWN:
        droppedDown_ = true;
        message.Result = 0;
        if (OnDropDown) OnDropDown(this);
        return;
      case DTN_CLOSEUP:
        droppedDown_ = false;
        message.Result = 0;
        if (OnCloseUp) OnCloseUp(this);
        return;
      default:
        break;
    }
  }
  TWinControl::WndProc(message);
}
