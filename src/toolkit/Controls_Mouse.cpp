// The mouse of windowless controls: their parent window receives it and hands
// it on in the child's coordinates, keeps it on the child that was pressed
// until release, and tells controls when the mouse enters and leaves them.
#include "toolkit/Controls.h"
#include "toolkit/Controls_Hint.h"

namespace {

TControl* g_mouseControl = nullptr;
// The windowless control that was pressed: it gets the mouse until release.
TControl* g_captureControl = nullptr;

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

}  // namespace

TControl* MouseControl() { return g_mouseControl; }

void SetMouseControl(TControl* control) {
  if (control == g_mouseControl) return;
  TControl* previous = g_mouseControl;
  g_mouseControl = control;
  HintMouseEntered(control);
  if (previous != nullptr) previous->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(previous));
  if (control != nullptr && g_mouseControl == control) {
    control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
  }
}

void TWinControl::RouteMouseToControls(TMessage& message, bool& handled) {
  // The pressed control keeps the mouse only while this window holds the
  // capture: a handler that released it (to drag the window) ends that.
  if (g_captureControl != nullptr && (g_captureControl->Parent() != this || GetCapture() != handle_)) {
    g_captureControl = nullptr;
  }
  if (IsButtonDown(message.Msg)) CancelHint();
  const TPoint point = Point(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
  TControl* target = g_captureControl != nullptr ? g_captureControl : ControlAtPos(point, false);
  if (message.Msg == WM_MOUSEMOVE) {
    SetMouseControl(target != nullptr ? target : this);
    // WM_MOUSELEAVE tells when the mouse leaves the window.
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = handle_;
    TrackMouseEvent(&track);
  }
  if (target == nullptr) {
    // The window itself: hold the mouse while a button is down.
    if (defWndProc_ == nullptr && ControlStyle().Contains(TControlStyleItem::csCaptureMouse)) {
      if (IsButtonDown(message.Msg)) SetCapture(handle_);
      if (IsButtonUp(message.Msg) && GetCapture() == handle_) {
        TControl::WndProc(message);
        if (handle_ != nullptr && GetCapture() == handle_) ReleaseCapture();
        handled = true;
      }
    }
    return;
  }
  if (IsButtonDown(message.Msg) && target->ControlStyle().Contains(TControlStyleItem::csCaptureMouse)) {
    g_captureControl = target;
    SetCapture(handle_);
  }
  const TRect r = target->BoundsRect();
  const LPARAM local = MAKELPARAM(static_cast<WORD>(point.x - r.left), static_cast<WORD>(point.y - r.top));
  if (IsButtonUp(message.Msg) && target == g_captureControl) {
    g_captureControl = nullptr;
    if (handle_ != nullptr && GetCapture() == handle_) ReleaseCapture();
  }
  message.Result = target->Perform(message.Msg, message.WParam, local);
  handled = true;
}

void ForgetMouseControl(TControl* control) {
  if (g_mouseControl == control) g_mouseControl = nullptr;
  if (g_captureControl == control) g_captureControl = nullptr;
}
