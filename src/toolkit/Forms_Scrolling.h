// Scrolling containers: a windowed control whose children may reach beyond
// its client area, scrolled with the window's own scroll bars. Forms and
// scroll boxes are such containers; with AutoScroll the bars' ranges follow
// the children.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/StdCtrls_ScrollBar.h"

class TScrollingWinControl;

// One of the two bars of a scrolling container (HorzScrollBar, VertScrollBar).
class TControlScrollBar : public TPersistent {
  T_CLASS(TControlScrollBar, TPersistent)

 public:
  TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind);

  TScrollBarKind Kind() const { return kind_; }
  // The extent of the content along the bar, in pixels.
  int Range() const { return range_; }
  void SetRange(int value);
  // How far the content is scrolled, 0 .. Range less the client size.
  int Position() const { return position_; }
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value > 0 ? value : increment_; }
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value < 0 ? 0 : value; }
  bool Tracking() const { return tracking_; }
  void SetTracking(bool value) { tracking_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // The largest position: Range less the client size, never below 0.
  int ScrollRange() const;
  // Shows, hides and sets the window's bar from Range and Position.
  void Update();
  // A WM_HSCROLL / WM_VSCROLL of the window's own bar.
  void ScrollMessage(WPARAM wParam);
  // The range the children need: AutoScroll's rule.
  int AutoRange() const;

  void Assign(TPersistent* source) override;

 private:
  int ClientSize() const;

  TScrollingWinControl* control_;
  TScrollBarKind kind_;
  int range_ = 0;
  int position_ = 0;
  int increment_ = 8;
  int margin_ = 0;
  bool tracking_ = false;
  bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
  T_CLASS(TScrollingWinControl, TWinControl)

 public:
  explicit TScrollingWinControl(TComponent* owner);
  ~TScrollingWinControl() override;

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
  void SetHorzScrollBar(TControlScrollBar* bar) { horz_->Assign(bar); }
  TControlScrollBar* VertScrollBar() const { return vert_.get(); }
  void SetVertScrollBar(TControlScrollBar* bar) { vert_->Assign(bar); }

  // Moves every child by (dx, dy), and the window's pixels with them.
  void ScrollBy(int dx, int dy);
  // Scrolls so that `control` (a child) is wholly visible where it can be.
  void ScrollInView(TControl* control);
  // Recomputes the automatic ranges and sets both bars.
  void UpdateScrollBars();

  void WndProc(TMessage& message) override;

 protected:
  void CreateWnd() override;
  void AlignControls(TControl* control, TRect& rect) override;

 private:
  std::unique_ptr<TControlScrollBar> horz_;
  std::unique_ptr<TControlScrollBar> vert_;
  bool autoScroll_ = true;
  bool updating_ = false;
};

// A bordered scrolling container for other controls.
class TScrollBox : public TScrollingWinControl {
  T_CLASS(TScrollBox, TScrollingWinControl)

 public:
  explicit TScrollBox(TComponent* owner);

  TBorderStyle BorderStyle() const { return TWinControl::BorderStyle(); }
  void SetBorderStyle(TBorderStyle style) { SetBorderStyleValue(style); }
};
