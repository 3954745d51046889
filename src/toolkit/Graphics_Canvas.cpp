// The canvas: the font, pen and brush selected into a device context on
// demand, and the drawing calls over them.
#include "toolkit/Graphics.h"

T_CLASS_INFO(TCanvas, TPersistent, [](TClassInfo&) {})

TCanvas::TCanvas() : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  // A changed object is selected again before the next drawing.
  font_->OnChange = [this](TObject*) { fontSelected_ = false; };
  pen_->OnChange = [this](TObject*) { objectsSelected_ = false; };
  brush_->OnChange = [this](TObject*) { objectsSelected_ = false; };
}

TCanvas::~TCanvas() { DeselectHandles(); }

HDC TCanvas::Handle() {
  if (handle_ == nullptr) CreateHandle();
  return handle_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == handle_) return;
  DeselectHandles();
  handle_ = dc;
}

bool TCanvas::TryLock() {
  if (lockCount_ != 0) return false;
  Lock();
  return true;
}

HDC TCanvas::RequireHandle() {
  if (Handle() == nullptr) throw EInvalidGraphicOperation("Canvas does not allow drawing");
  if (!objectsSelected_) SelectObjects();
  return handle_;
}

HDC TCanvas::RequireFontHandle() {
  RequireHandle();
  if (!fontSelected_) SelectFont();
  return handle_;
}

void TCanvas::SelectObjects() {
  HGDIOBJ previousPen = SelectObject(handle_, pen_->Handle());
  HGDIOBJ previousBrush = SelectObject(handle_, brush_->Handle());
  if (originalPen_ == nullptr) originalPen_ = previousPen;
  if (originalBrush_ == nullptr) originalBrush_ = previousBrush;
  // Pen modes follow R2_* in pmBlack … order: black, white, nop, not, copy, xor.
  static constexpr int kRop2[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_XORPEN};
  SetROP2(handle_, kRop2[static_cast<int>(pen_->Mode())]);
  // Text and hatches are backed with the brush colour when the brush is solid.
  SetBkColor(handle_, ColorToRGB(brush_->Color()));
  SetBkMode(handle_, brush_->Style() == TBrushStyle::bsSolid ? OPAQUE : TRANSPARENT);
  objectsSelected_ = true;
}

void TCanvas::SelectFont() {
  HGDIOBJ previous = SelectObject(handle_, font_->Handle());
  if (originalFont_ == nullptr) originalFont_ = previous;
  SetTextColor(handle_, ColorToRGB(font_->Color()));
  fontSelected_ = true;
}

void TCanvas::DeselectHandles() {
  if (handle_ != nullptr) {
    if (originalPen_ != nullptr) SelectObject(handle_, originalPen_);
    if (originalBrush_ != nullptr) SelectObject(handle_, originalBrush_);
    if (originalFont_ != nullptr) SelectObject(handle_, originalFont_);
  }
  originalPen_ = originalBrush_ = originalFont_ = nullptr;
  objectsSelected_ = fontSelected_ = false;
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

void TCanvas::FillRect(const TRect& rect) {
  Changing();
  ::FillRect(RequireHandle(), &rect, brush_->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  Changing();
  ::FrameRect(RequireHandle(), &rect, brush_->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  Changing();
  ::DrawFocusRect(RequireHandle(), &rect);
  Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Changing();
  ::Rectangle(RequireHandle(), left, top, right, bottom);
  Changed();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  Changing();
  ::RoundRect(RequireHandle(), left, top, right, bottom, ellipseWidth, ellipseHeight);
  Changed();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  Changing();
  ::Ellipse(RequireHandle(), left, top, right, bottom);
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  Changing();
  ::Polygon(RequireHandle(), points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  Changing();
  ::Polyline(RequireHandle(), points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(RequireHandle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  Changing();
  ::LineTo(RequireHandle(), x, y);
  Changed();
}

TPoint TCanvas::PenPos() {
  TPoint position{};
  GetCurrentPositionEx(RequireHandle(), &position);
  return position;
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
  Changing();
  HDC dc = RequireFontHandle();
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
  MoveToEx(dc, x + TextExtent(text).cx, y, nullptr);
  Changed();
}

void TCanvas::TextOutW(int x, int y, const WideString& text) {
  Changing();
  HDC dc = RequireFontHandle();
  ::TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
  MoveToEx(dc, x + TextExtentW(text).cx, y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const AnsiString& text) {
  Changing();
  HDC dc = RequireFontHandle();
  UINT options = ETO_CLIPPED;
  if (brush_->Style() != TBrushStyle::bsClear) options |= ETO_OPAQUE;
  const WideString wide = platform::AnsiToWideString(text);
  ExtTextOutW(dc, x, y, options, &rect, wide.data(), static_cast<UINT>(wide.size()), nullptr);
  Changed();
}

SIZE TCanvas::TextExtent(const AnsiString& text) {
  SIZE size{};
  GetTextExtentPoint32A(RequireFontHandle(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}

SIZE TCanvas::TextExtentW(const WideString& text) {
  SIZE size{};
  GetTextExtentPoint32W(RequireFontHandle(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  Changing();
  RequireHandle();
  graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  Changing();
  RequireHandle();
  graphic->Draw(this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  if (source == nullptr) return;
  Changing();
  HDC sourceDc = source->RequireHandle();
  StretchBlt(RequireHandle(), dest.left, dest.top, RectWidth(dest), RectHeight(dest), sourceDc, sourceRect.left,
             sourceRect.top, RectWidth(sourceRect), RectHeight(sourceRect), copyMode_);
  Changed();
}

TColor TCanvas::Pixels(int x, int y) { return static_cast<TColor>(GetPixel(RequireHandle(), x, y)); }

void TCanvas::SetPixels(int x, int y, TColor color) {
  Changing();
  SetPixelV(RequireHandle(), x, y, ColorToRGB(color));
  Changed();
}

TRect TCanvas::ClipRect() {
  TRect rect{};
  GetClipBox(RequireHandle(), &rect);
  return rect;
}
