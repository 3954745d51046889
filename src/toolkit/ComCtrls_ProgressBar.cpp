// TProgressBar: the toolkit class "TProgressBar" made from the standard
// "msctls_progress32" window.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

const TEnumInfo& ProgressBarOrientationType() {
  static const TEnumInfo type("TProgressBarOrientation", {"pbHorizontal", "pbVertical"});
  return type;
}

T_CLASS_INFO(TProgressBar, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TProgressBar>;
  c.AddProperty(Integer<TProgressBar>("Min", &TProgressBar::Min, &TProgressBar::SetMin));
  c.AddProperty(Integer<TProgressBar>("Max", &TProgressBar::Max, &TProgressBar::SetMax));
  c.AddProperty(Integer<TProgressBar>("Position", &TProgressBar::Position, &TProgressBar::SetPosition));
  c.AddProperty(Integer<TProgressBar>("Step", &TProgressBar::Step, &TProgressBar::SetStep));
  c.AddProperty(Enumeration<TProgressBar, TProgressBarOrientation>(
      "Orientation", ProgressBarOrientationType(), &TProgressBar::Orientation, &TProgressBar::SetOrientation));
  c.AddProperty(Boolean<TProgressBar>("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth));
})

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 16);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "msctls_progress32";
  if (orientation_ == TProgressBarOrientation::pbVertical) params.Style |= PBS_VERTICAL;
  if (smooth_) params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageA(Handle(), PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
  SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetMin(int value) {
  min_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TProgressBar::SetMax(int value) {
  max_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TProgressBar::Position() {
  if (HandleAllocated()) position_ = static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0));
  return position_;
}

void TProgressBar::SetPosition(int value) {
  position_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void TProgressBar::SetStep(int value) {
  step_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETSTEP, static_cast<WPARAM>(value), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  Position();  // kept across the new window
  if (HandleAllocated()) RecreateWnd();
}

void TProgressBar::SetSmooth(bool value) {
  if (value == smooth_) return;
  smooth_ = value;
  Position();
  if (HandleAllocated()) RecreateWnd();
}

void TProgressBar::StepIt() { SendMessageA(Handle(), PBM_STEPIT, 0, 0); }

void TProgressBar::StepBy(int delta) { SendMessageA(Handle(), PBM_DELTAPOS, static_cast<WPARAM>(delta), 0); }
