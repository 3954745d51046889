// Speed buttons: windowless buttons with a glyph and a caption, flat ones
// showing their edge only under the mouse, grouped ones staying down.
#pragma once

#include "toolkit/Controls.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
  T_CLASS(TSpeedButton, TGraphicControl)

 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* glyph) { glyph_->Assign(glyph); }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool MouseInControl() const { return mouseInControl_; }
  TButtonState State() const { return state_; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Other buttons of the group come up when this one goes down.
  void UpdateExclusive();
  void GlyphChanged();

  std::unique_ptr<TBitmap> glyph_;
  bool allowAllUp_ = false;
  bool down_ = false;
  bool flat_ = false;
  int groupIndex_ = 0;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int numGlyphs_ = 1;
  int spacing_ = 4;
  bool transparent_ = true;
  bool mouseInControl_ = false;
  bool dragging_ = false;
  TButtonState state_ = TButtonState::bsUp;
};

const TEnumInfo& ButtonLayoutType();

// Where a button's glyph and caption go: the glyph's side, its distance
// from that edge (-1 centres both), the gap between them, and the number
// of cells in the glyph strip (up, disabled, pressed, down).
struct TButtonGlyphLayout {
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  int NumGlyphs = 1;
};
// Draws cell `cell` of the glyph (transparent; a one-cell glyph embossed
// when disabled) and the caption (embossed when disabled) inside `area`.
void DrawButtonGlyph(TCanvas* canvas, const TRect& area, const AnsiString& caption, TFont* font, TBitmap* glyph,
                     const TButtonGlyphLayout& layout, int cell, bool enabled);

// Bit buttons build on the layout above.
#include "toolkit/Buttons_BitBtn.h"
