// Painting: a windowed control paints itself, then its windowless children on
// the same DC, each with the origin moved to the child and the drawing
// clipped to it. Windowless and custom controls paint on a canvas that points
// at that DC for the duration.
#include "toolkit/Controls.h"

namespace {

// Points `canvas` at `dc` with the control's font for one paint.
class CanvasOnDc {
 public:
  CanvasOnDc(TCanvas* canvas, HDC dc, TFont* font) : canvas_(canvas) {
    canvas_->Lock();
    canvas_->SetHandle(dc);
    canvas_->SetFont(font);
  }
  ~CanvasOnDc() {
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
  }
  CanvasOnDc(const CanvasOnDc&) = delete;
  CanvasOnDc& operator=(const CanvasOnDc&) = delete;

 private:
  TCanvas* canvas_;
};

}  // namespace

void TWinControl::PaintHandler(TMessage& message) {
  const bool hasWindowless = std::any_of(controls_.begin(), controls_.end(),
                                         [](TControl* c) { return !c->Is<TWinControl>() && c->Visible(); });
  // A standard window without windowless children paints itself.
  if (defWndProc_ != nullptr && !hasWindowless) return DefaultHandler(message);
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (dc == nullptr) dc = BeginPaint(handle_, &ps);
  const int saved = SaveDC(dc);
  PaintWindow(dc);
  RestoreDC(dc, saved);
  PaintControls(dc, nullptr);
  if (message.WParam == 0) EndPaint(handle_, &ps);
  message.Result = 0;
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  if (defWndProc_ != nullptr) DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto it = controls_.begin();
  if (first != nullptr) it = std::find(controls_.begin(), controls_.end(), first);
  RECT clip{};
  GetClipBox(dc, &clip);
  for (; it != controls_.end(); ++it) {
    TControl* c = *it;
    if (c->Is<TWinControl>() || !c->Visible()) continue;
    const TRect r = c->BoundsRect();
    RECT common{};
    if (!IntersectRect(&common, &clip, &r)) continue;
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    IntersectClipRect(dc, 0, 0, RectWidth(r), RectHeight(r));
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) InvalidateRect(handle_, nullptr, ControlStyle().Contains(TControlStyleItem::csOpaque) ? 0 : 1);
}

void TWinControl::Update() {
  if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  if (handle_ == nullptr) return;
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

T_CLASS_INFO(TGraphicControl, TControl, [](TClassInfo&) {})

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam != 0) {
    CanvasOnDc on(canvas_.get(), reinterpret_cast<HDC>(message.WParam), Font());
    Paint();
    return;
  }
  TControl::WndProc(message);
}

T_CLASS_INFO(TCustomControl, TWinControl, [](TClassInfo&) {})

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  CanvasOnDc on(canvas_.get(), dc, Font());
  Paint();
}
