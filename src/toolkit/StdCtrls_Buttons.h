// Check boxes and radio buttons (toolkit classes made from the standard
// "Button" window) and group boxes (a captioned frame that holds controls).
#pragma once

#include "toolkit/Controls.h"

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
  T_CLASS(TCheckBox, TWinControl)

 public:
  explicit TCheckBox(TComponent* owner);

  // taRightJustify (the default) puts the text right of the box.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  // A change of state is a click (OnClick fires), except while loading.
  void SetState(TCheckBoxState value);
  // The next state a click gives: unchecked, checked (or grayed first when
  // AllowGrayed), back to unchecked.
  void Toggle();

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  TAlignment alignment_ = TAlignment::taRightJustify;
  bool allowGrayed_ = false;
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
};

class TRadioButton : public TWinControl {
  T_CLASS(TRadioButton, TWinControl)

 public:
  explicit TRadioButton(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool Checked() const { return checked_; }
  // Checking one radio button unchecks the others of the same parent and
  // is a click (OnClick fires), except while loading.
  void SetChecked(bool value);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  // The arrow keys move the focus (and so the choice) to the next or
  // previous radio button of the same parent.
  bool FocusNeighbour(bool forward);

  TAlignment alignment_ = TAlignment::taRightJustify;
  bool checked_ = false;
};

class TGroupBox : public TCustomControl {
  T_CLASS(TGroupBox, TCustomControl)

 public:
  explicit TGroupBox(TComponent* owner);

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) override;
};

const TEnumInfo& CheckBoxStateType();
