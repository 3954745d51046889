// TBitBtn: a push button with a glyph beside its caption. Its kind gives
// it a standard caption, glyph and modal result (OK, Cancel, Yes …); it is
// an owner-drawn "Button" that draws itself when its parent reflects
// WM_DRAWITEM to it.
#pragma once

#include <memory>

#include "toolkit/StdCtrls.h"

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButton {
  T_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitmap* Glyph() const { return glyph_.get(); }
  // A glyph of one's own makes the button a custom one.
  void SetGlyph(TBitmap* glyph);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // Pixels from the edge the glyph is laid against; -1 centres glyph and caption.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  // Cells in the glyph: up, disabled, pressed, down.
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  // The focused button, or the default one while no button has the focus,
  // wears the black frame.
  bool ShowsAsDefault() const;
  void GlyphChanged();

  std::unique_ptr<TBitmap> glyph_;
  std::unique_ptr<TCanvas> canvas_;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int numGlyphs_ = 1;
  int spacing_ = 4;
  bool settingKind_ = false;
};

const TEnumInfo& BitBtnKindType();
// Draws the standard glyph of a kind into `glyph` (emptied for bkCustom).
void LoadKindGlyph(TBitBtnKind kind, TBitmap* glyph);
