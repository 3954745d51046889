// TControl: bounds, text, colour and font (following the parent's while asked
// to), visibility and enabled state, and the mouse events every control has.
#include "toolkit/Controls.h"

#include <algorithm>

#include "toolkit/Menus.h"

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  controlStyle_ = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                   TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks};
  font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  MarkDestroying();
  // Whoever replaced WindowProc gives it back before the control goes.
  Perform(CM_CONTROLREMOVING);
  ForgetMouseControl(this);
  if (parent_ != nullptr) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) {
    parent->InsertControl(this);
    if (parentColor_) ParentColorChanged();
    if (parentFont_) ParentFontChanged();
    if (parentShowHint_) ParentShowHintChanged();
  }
}

void TControl::SetName(const AnsiString& name) {
  auto* ownerComponent = Owner();
  const bool ownerLoading = ownerComponent != nullptr && ownerComponent->Loading();
  const bool changeText =
      controlStyle_.Contains(TControlStyleItem::csSetCaption) && !Loading() && !ownerLoading && Name() == GetText();
  TComponent::SetName(name);
  if (changeText) SetText(name);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* control = As<TWinControl>(parent)) SetParent(control);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  SetBoundsWithoutAlign(left, top, width, height);
  Invalidate();
  RequestAlign();
}

void TControl::SetBoundsWithoutAlign(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  if (resized && !Loading()) Resize();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

TRect TControl::ClientRect() { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int value) { SetWidth(width_ - ClientWidth() + value); }

void TControl::SetClientHeight(int value) { SetHeight(height_ - ClientHeight() + value); }

TPoint TControl::ClientOrigin() {
  if (parent_ == nullptr) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  const TPoint origin = parent_->ClientOrigin();
  return Point(origin.x + left_, origin.y + top_);
}

TPoint TControl::ClientToScreen(TPoint point) {
  const TPoint origin = ClientOrigin();
  return Point(point.x + origin.x, point.y + origin.y);
}

TPoint TControl::ScreenToClient(TPoint point) {
  const TPoint origin = ClientOrigin();
  return Point(point.x - origin.x, point.y - origin.y);
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ != nullptr && !Loading()) parent_->AlignControl(this);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  VisibleChanging();
  Invalidate();
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  RequestAlign();
  Invalidate();
}

bool TControl::IsShowing() const {
  for (const TControl* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

AnsiString TControl::GetText() { return text_; }

void TControl::SetText(const AnsiString& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    Perform(CM_COLORCHANGED);
    Invalidate();
  }
  parentColor_ = false;
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value && parent_ != nullptr) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (parent_ == nullptr) return;
  SetColor(parent_->Color());
  parentColor_ = true;
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_ != nullptr) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (parent_ == nullptr) return;
  applyingParentFont_ = true;
  font_->Assign(parent_->Font());
  applyingParentFont_ = false;
  parentFont_ = true;
}

void TControl::FontChanged() {
  if (!applyingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
  Invalidate();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  parentShowHint_ = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  parentShowHint_ = value;
  if (value && parent_ != nullptr) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
  if (parent_ == nullptr) return;
  showHint_ = parent_->ShowHint();
  parentShowHint_ = true;
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage m{message, wParam, lParam, 0};
  if (WindowProc) {
    WindowProc(m);
  } else {
    WndProc(m);
  }
  return m.Result;
}

TShiftState TControl::ShiftFromKeys(WPARAM keys) const {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(TShiftStateItem::ssShift);
  if (keys & MK_CONTROL) shift.Include(TShiftStateItem::ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(TShiftStateItem::ssLeft);
  if (keys & MK_RBUTTON) shift.Include(TShiftStateItem::ssRight);
  if (keys & MK_MBUTTON) shift.Include(TShiftStateItem::ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateItem::ssAlt);
  return shift;
}

void TControl::WndProc(TMessage& message) {
  if (message.Msg == WM_CONTEXTMENU && ShowContextMenu(this, message.LParam)) return;
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) HandleMouse(message);
  switch (message.Msg) {
    case CM_PARENTCOLORCHANGED:
      if (parentColor_) ParentColorChanged();
      return;
    case CM_PARENTFONTCHANGED:
      if (parentFont_) ParentFontChanged();
      return;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_CONTROLREMOVING:
      return;
    default:
      DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::HandleMouse(TMessage& message) {
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  const TShiftState shift = ShiftFromKeys(message.WParam);
  auto down = [&](TMouseButton button, bool doubleClick) {
    if (button == TMouseButton::mbLeft && controlStyle_.Contains(TControlStyleItem::csCaptureMouse)) {
      controlState_.Include(TControlStateItem::csLButtonDown);
      if (doubleClick && controlStyle_.Contains(TControlStyleItem::csDoubleClicks)) DblClick();
    }
    TShiftState s = shift;
    if (doubleClick) s.Include(TShiftStateItem::ssDouble);
    MouseDown(button, s, x, y);
  };
  auto up = [&](TMouseButton button) {
    if (button == TMouseButton::mbLeft && controlState_.Contains(TControlStateItem::csLButtonDown)) {
      controlState_.Exclude(TControlStateItem::csLButtonDown);
      const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
      if (inside && controlStyle_.Contains(TControlStyleItem::csClickEvents)) Click();
    }
    MouseUp(button, shift, x, y);
  };
  switch (message.Msg) {
    case WM_LBUTTONDOWN: return down(TMouseButton::mbLeft, false);
    case WM_LBUTTONDBLCLK: return down(TMouseButton::mbLeft, true);
    case WM_RBUTTONDOWN: return down(TMouseButton::mbRight, false);
    case WM_RBUTTONDBLCLK: return down(TMouseButton::mbRight, true);
    case WM_MBUTTONDOWN: return down(TMouseButton::mbMiddle, false);
    case WM_MBUTTONDBLCLK: return down(TMouseButton::mbMiddle, true);
    case WM_LBUTTONUP: return up(TMouseButton::mbLeft);
    case WM_RBUTTONUP: return up(TMouseButton::mbRight);
    case WM_MBUTTONUP: return up(TMouseButton::mbMiddle);
    case WM_MOUSEMOVE: return MouseMove(shift, x, y);
    default: return;
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Invalidate() {
  if (parent_ == nullptr || !visible_ || !parent_->HandleAllocated()) return;
  const TRect r = BoundsRect();
  const bool opaque = controlStyle_.Contains(TControlStyleItem::csOpaque);
  InvalidateRect(parent_->Handle(), &r, opaque ? FALSE : TRUE);
}

void TControl::Update() {
  if (parent_ != nullptr) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (parent_ == nullptr) return;
  TWinControl* parent = parent_;
  auto& list = parent->controls_;
  list.erase(std::find(list.begin(), list.end(), this));
  list.push_back(this);
  Invalidate();
}

void TControl::SendToBack() {
  if (parent_ == nullptr) return;
  auto& list = parent_->controls_;
  list.erase(std::find(list.begin(), list.end(), this));
  list.insert(list.begin(), this);
  Invalidate();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_ != nullptr) {
    if (parentColor_) ParentColorChanged();
    if (parentFont_) ParentFontChanged();
    if (parentShowHint_) ParentShowHintChanged();
  }
  RequestAlign();
}
