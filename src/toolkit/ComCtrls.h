// Common controls of the toolkit, each made from the platform's standard
// window class of the same role.
#pragma once

#include "toolkit/Controls.h"

// ---------------------------------------------------------------------------
// Track bar, progress bar and up-down ("msctls_trackbar32",
// "msctls_progress32", "msctls_updown32").

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickStyle { tsNone, tsAuto, tsManual };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TProgressBarOrientation { pbHorizontal, pbVertical };
enum class TUDOrientation { udHorizontal, udVertical };
enum class TUDAlignButton { udLeft, udRight };
enum class TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TTrackBar : public TWinControl {
  T_CLASS(TTrackBar, TWinControl)

 public:
  explicit TTrackBar(TComponent* owner);

  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value);
  int SelStart() const { return selStart_; }
  void SetSelStart(int value);
  int SelEnd() const { return selEnd_; }
  void SetSelEnd(int value);
  int ThumbLength() const { return thumbLength_; }
  void SetThumbLength(int value);
  bool SliderVisible() const { return sliderVisible_; }
  void SetSliderVisible(bool value);
  // A transparent bar leaves its background to what lies under it.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // A tick at `value` (with the manual tick style).
  void SetTick(int value);

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Changed();

 private:
  void SetRange(int min, int max);
  void SendSelection();

  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int lineSize_ = 1;
  int pageSize_ = 2;
  TTickStyle tickStyle_ = TTickStyle::tsAuto;
  TTickMark tickMarks_ = TTickMark::tmBottomRight;
  int selStart_ = 0;
  int selEnd_ = 0;
  int thumbLength_ = 20;
  bool sliderVisible_ = true;
  bool transparent_ = false;
};

class TProgressBar : public TWinControl {
  T_CLASS(TProgressBar, TWinControl)

 public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The window's position once it exists.
  int Position();
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);
  // One step; past Max the bar starts over from Min.
  void StepIt();
  void StepBy(int delta);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};

class TUpDown : public TWinControl {
  T_CLASS(TUpDown, TWinControl)

 public:
  explicit TUpDown(TComponent* owner);

  // The buddy control that shows the position as text.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The window's position (taken from the buddy's text) once it exists.
  int Position();
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool value);

  void WndProc(TMessage& message) override;

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanChange();
  virtual void Click(TUDBtnType button);

 private:
  void SendRange();
  void SendAccel();
  void SendBuddy();

  TWinControl* associate_ = nullptr;
  TUDAlignButton alignButton_ = TUDAlignButton::udRight;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  bool wrap_ = false;
  bool arrowKeys_ = true;
  bool thousands_ = true;
};

const TEnumInfo& TrackBarOrientationType();
const TEnumInfo& TickStyleType();
const TEnumInfo& TickMarkType();
const TEnumInfo& ProgressBarOrientationType();
const TEnumInfo& UDOrientationType();
const TEnumInfo& UDAlignButtonType();

// End of track bar, progress bar and up-down.
// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
// Month calendar and date-time picker ("SysMonthCal32",
// "SysDateTimePick32"). Dates are TDateTime values; a limit of 0 means none.

#include "platform/base/datetime.h"
#include "platform/controls/pickers.h"

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateFormat { dfShort, dfLong };
enum class TDTDateMode { dmComboBox, dmUpDown };

// The window's date and back, to the millisecond.
SYSTEMTIME DateTimeToSystemTime(TDateTime value);
TDateTime SystemTimeToDateTime(const SYSTEMTIME& st);

class TMonthCalendar : public TWinControl {
  T_CLASS(TMonthCalendar, TWinControl)

 public:
  explicit TMonthCalendar(TComponent* owner);

  TDateTime Date() const { return date_; }
  void SetDate(TDateTime value);
  TDateTime MinDate() const { return minDate_; }
  void SetMinDate(TDateTime value);
  TDateTime MaxDate() const { return maxDate_; }
  void SetMaxDate(TDateTime value);

  void WndProc(TMessage& message) override;

  // The selection moved (keys, the title's buttons, a press on a day).
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();

 private:
  void SendRange();
  void SendDate();

  TDateTime date_ = 0;
  TDateTime minDate_ = 0;
  TDateTime maxDate_ = 0;
};

class TDateTimePicker : public TWinControl {
  T_CLASS(TDateTimePicker, TWinControl)

 public:
  explicit TDateTimePicker(TComponent* owner);

  TDateTime DateTime() const { return dateTime_; }
  void SetDateTime(TDateTime value);
  // The date part (the time of day kept) and the time part (the date kept).
  TDateTime Date() const;
  void SetDate(TDateTime value);
  TDateTime Time() const;
  void SetTime(TDateTime value);
  TDateTime MinDate() const { return minDate_; }
  void SetMinDate(TDateTime value);
  TDateTime MaxDate() const { return maxDate_; }
  void SetMaxDate(TDateTime value);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat value);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // The calendar is open.
  bool DroppedDown() const { return droppedDown_; }

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();

 private:
  void SendRange();
  void SendValue();
  void Recreate();

  TDateTime dateTime_ = 0;
  TDateTime minDate_ = 0;
  TDateTime maxDate_ = 0;
  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
  TDTDateFormat dateFormat_ = TDTDateFormat::dfShort;
  TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
  bool showCheckbox_ = false;
  bool checked_ = true;
  bool droppedDown_ = false;
};

const TEnumInfo& DateTimeKindType();
const TEnumInfo& DTDateFormatType();
const TEnumInfo& DTDateModeType();

// End of month calendar and date-time picker.
// ---------------------------------------------------------------------------
