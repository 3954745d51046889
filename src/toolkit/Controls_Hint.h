// Hints: the small info-coloured window that shows a control's Hint after
// the mouse rests on it for Application's HintPause, and goes away when the
// mouse leaves, a button is pressed, or HintHidePause has passed.
#pragma once

#include <memory>

#include "toolkit/Controls.h"
#include "toolkit/Graphics.h"

class THintWindow : public TWinControl {
  T_CLASS(THintWindow, TWinControl)

 public:
  explicit THintWindow(TComponent* owner);
  ~THintWindow() override;

  // Shows `text` with its top-left corner at the screen point `at`.
  void ActivateHint(TPoint at, const AnsiString& text);
  void HideHint();
  bool Showing() const { return showing_; }

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void Paint(HDC dc);

  std::unique_ptr<TCanvas> canvas_;
  AnsiString text_;
  bool showing_ = false;
};

// The mouse now rests on `control` (null: on none); starts the pause when it
// has a hint to show.
void HintMouseEntered(TControl* control);
// A click or key hides the hint and stops a pending one.
void CancelHint();
// The hint window of the program (null until a hint was wanted).
THintWindow* CurrentHintWindow();
