// TTrackBar: the toolkit class "TTrackBar" made from the standard
// "msctls_trackbar32" window. Its scroll reports come back reflected from
// the parent (CN_HSCROLL / CN_VSCROLL) and fire OnChange; its custom draw
// arrives as CN_NOTIFY, where whoever replaced WindowProc can answer it.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

const TEnumInfo& TrackBarOrientationType() {
  static const TEnumInfo type("TTrackBarOrientation", {"trHorizontal", "trVertical"});
  return type;
}

const TEnumInfo& TickStyleType() {
  static const TEnumInfo type("TTickStyle", {"tsNone", "tsAuto", "tsManual"});
  return type;
}

const TEnumInfo& TickMarkType() {
  static const TEnumInfo type("TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"});
  return type;
}

T_CLASS_INFO(TTrackBar, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TTrackBar>;
  c.AddProperty(Enumeration<TTrackBar, TTrackBarOrientation>("Orientation", TrackBarOrientationType(),
                                                             &TTrackBar::Orientation, &TTrackBar::SetOrientation));
  c.AddProperty(Integer<TTrackBar>("Min", &TTrackBar::Min, &TTrackBar::SetMin));
  c.AddProperty(Integer<TTrackBar>("Max", &TTrackBar::Max, &TTrackBar::SetMax));
  c.AddProperty(Integer<TTrackBar>("Position", &TTrackBar::Position, &TTrackBar::SetPosition));
  c.AddProperty(Integer<TTrackBar>("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency));
  c.AddProperty(Integer<TTrackBar>("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize));
  c.AddProperty(Integer<TTrackBar>("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize));
  c.AddProperty(Enumeration<TTrackBar, TTickStyle>("TickStyle", TickStyleType(), &TTrackBar::TickStyle,
                                                   &TTrackBar::SetTickStyle));
  c.AddProperty(
      Enumeration<TTrackBar, TTickMark>("TickMarks", TickMarkType(), &TTrackBar::TickMarks, &TTrackBar::SetTickMarks));
  c.AddProperty(Integer<TTrackBar>("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart));
  c.AddProperty(Integer<TTrackBar>("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd));
  c.AddProperty(Integer<TTrackBar>("ThumbLength", &TTrackBar::ThumbLength, &TTrackBar::SetThumbLength));
  c.AddProperty(Boolean<TTrackBar>("SliderVisible", &TTrackBar::SliderVisible, &TTrackBar::SetSliderVisible));
  c.AddProperty(Boolean<TTrackBar>("Transparent", &TTrackBar::Transparent, &TTrackBar::SetTransparent));
  c.AddProperty(Method<TTrackBar>("OnChange", &TTrackBar::OnChange));
})

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
  SetParentColor(true);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "msctls_trackbar32";
  params.Style |= TBS_ENABLESELRANGE | TBS_FIXEDLENGTH;
  if (orientation_ == TTrackBarOrientation::trVertical) params.Style |= TBS_VERT;
  if (tickStyle_ == TTickStyle::tsNone) params.Style |= TBS_NOTICKS;
  if (tickStyle_ == TTickStyle::tsAuto) params.Style |= TBS_AUTOTICKS;
  if (tickMarks_ == TTickMark::tmTopLeft) params.Style |= TBS_TOP;
  if (tickMarks_ == TTickMark::tmBoth) params.Style |= TBS_BOTH;
  if (!sliderVisible_) params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  HWND h = Handle();
  SendMessageA(h, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(thumbLength_), 0);
  SendMessageA(h, TBM_SETLINESIZE, 0, lineSize_);
  SendMessageA(h, TBM_SETPAGESIZE, 0, pageSize_);
  SendMessageA(h, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageA(h, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageA(h, TBM_SETPOS, TRUE, position_);
  SendMessageA(h, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendSelection();
}

void TTrackBar::SendSelection() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), TBM_SETSELSTART, FALSE, selStart_);
  SendMessageA(Handle(), TBM_SETSELEND, TRUE, selEnd_);
}

// Min never passes Max: the one set last wins, the other follows.
void TTrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (HandleAllocated()) {
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max_);
  }
  if (!Loading()) SetPosition(std::clamp(position_, min_, max_));
}

void TTrackBar::SetMin(int value) { SetRange(value, std::max(value, max_)); }
void TTrackBar::SetMax(int value) { SetRange(std::min(value, min_), value); }

void TTrackBar::SetPosition(int value) {
  if (!Loading()) value = std::clamp(value, min_, max_);
  if (value == position_) return;
  position_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPOS, TRUE, value);
  Changed();
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(value), 0);
}

void TTrackBar::SetLineSize(int value) {
  lineSize_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETLINESIZE, 0, value);
}

void TTrackBar::SetPageSize(int value) {
  pageSize_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPAGESIZE, 0, value);
}

void TTrackBar::SetSelStart(int value) {
  selStart_ = value;
  SendSelection();
}

void TTrackBar::SetSelEnd(int value) {
  selEnd_ = value;
  SendSelection();
}

void TTrackBar::SetThumbLength(int value) {
  thumbLength_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(value), 0);
}

void TTrackBar::SetTick(int value) {
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETTIC, 0, value);
}

// Turning the bar swaps its width and height.
void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  tickStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
  tickMarks_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetSliderVisible(bool value) {
  sliderVisible_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TTrackBar::Changed() {
  if (OnChange && !Loading()) OnChange(this);
}

void TTrackBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    message.Result = 0;
    const int position = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
    if (position != position_) {
      position_ = position;
      Changed();
    }
    return;
  }
  // The window fills its background with the brush it is given.
  if (message.Msg == CN_CTLCOLORSTATIC && transparent_) {
    message.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return;
  }
  TWinControl::WndProc(message);
}
