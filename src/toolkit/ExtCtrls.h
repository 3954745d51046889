// Panels (bevelled containers), images (a picture on the parent's surface)
// and timers.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/ExtCtrls_RadioGroup.h"
#include "toolkit/ExtCtrls_Shapes.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
  T_CLASS(TPanel, TCustomControl)

 public:
  explicit TPanel(TComponent* owner);

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBorderStyle BorderStyle() const { return TWinControl::BorderStyle(); }
  void SetBorderStyle(TBorderStyle style) { SetBorderStyleValue(style); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) override;

 private:
  int BevelSize() const;

  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TAlignment alignment_ = TAlignment::taCenter;
  bool transparent_ = false;
};

class TImage : public TGraphicControl {
  T_CLASS(TImage, TGraphicControl)

 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* picture) { picture_->Assign(picture); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  // Where the picture is drawn in the control.
  TRect DestRect();

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

// Calls OnTimer every Interval milliseconds while Enabled, from a hidden
// window's WM_TIMER.
class TTimer : public TComponent {
  T_CLASS(TTimer, TComponent)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int Interval() const { return interval_; }
  void SetInterval(int value);
  void SetOnTimer(TNotifyEvent event);

  void Loaded() override;

  TNotifyEvent OnTimer;

 private:
  static LRESULT TimerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();

  bool enabled_ = true;
  int interval_ = 1000;
  HWND window_ = nullptr;
};

const TEnumInfo& BevelCutType();
