// The standard glyphs of the bit-button kinds: small drawings on an olive
// background, which the glyph takes as its transparent colour.
#include "toolkit/Buttons.h"

namespace {

constexpr int kSize = 18;

void Stroke(TCanvas* canvas, TColor colour, int width, std::initializer_list<TPoint> points) {
  canvas->Pen()->SetColor(colour);
  canvas->Pen()->SetWidth(width);
  const std::vector<TPoint> line(points);
  canvas->Polyline(line);
}

void Mark(TCanvas* canvas, TColor colour, int dx) {
  Stroke(canvas, colour, 3, {Point(3 + dx, 9), Point(7 + dx, 13), Point(14 + dx, 4)});
}

void Cross(TCanvas* canvas, TColor colour) {
  Stroke(canvas, colour, 3, {Point(4, 4), Point(14, 14)});
  Stroke(canvas, colour, 3, {Point(14, 4), Point(4, 14)});
}

}  // namespace

void LoadKindGlyph(TBitBtnKind kind, TBitmap* glyph) {
  if (kind == TBitBtnKind::bkCustom) {
    glyph->SetSize(0, 0);
    return;
  }
  TBitmap drawing;
  drawing.SetSize(kSize, kSize);
  TCanvas* canvas = drawing.Canvas();
  canvas->Brush()->SetColor(clOlive);
  canvas->FillRect(Rect(0, 0, kSize, kSize));
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes:
      Mark(canvas, clGreen, 0);
      break;
    case TBitBtnKind::bkAll:
      Mark(canvas, clGreen, -2);
      Mark(canvas, clGreen, 2);
      break;
    case TBitBtnKind::bkCancel:
    case TBitBtnKind::bkAbort:
      Cross(canvas, clRed);
      break;
    case TBitBtnKind::bkNo:
      canvas->Pen()->SetColor(clRed);
      canvas->Pen()->SetWidth(2);
      canvas->Ellipse(3, 3, 16, 16);
      Stroke(canvas, clRed, 2, {Point(5, 13), Point(13, 5)});
      break;
    case TBitBtnKind::bkHelp:
      Stroke(canvas, clNavy, 2, {Point(5, 6), Point(7, 3), Point(11, 3), Point(13, 6), Point(9, 9), Point(9, 12)});
      Stroke(canvas, clNavy, 2, {Point(9, 14), Point(9, 16)});
      break;
    case TBitBtnKind::bkClose:
      // A door standing open.
      canvas->Pen()->SetColor(clBlack);
      canvas->Pen()->SetWidth(1);
      canvas->Rectangle(4, 2, 14, 17);
      Stroke(canvas, clMaroon, 3, {Point(6, 4), Point(6, 15)});
      break;
    case TBitBtnKind::bkRetry:
      canvas->Pen()->SetColor(clGreen);
      canvas->Pen()->SetWidth(2);
      canvas->Ellipse(3, 3, 15, 15);
      Stroke(canvas, clOlive, 4, {Point(12, 2), Point(16, 6)});
      Stroke(canvas, clGreen, 2, {Point(10, 5), Point(14, 5), Point(14, 1)});
      break;
    case TBitBtnKind::bkIgnore:
      Stroke(canvas, clNavy, 3, {Point(3, 9), Point(15, 9)});
      break;
    case TBitBtnKind::bkCustom:
      break;
  }
  glyph->Assign(&drawing);
}
