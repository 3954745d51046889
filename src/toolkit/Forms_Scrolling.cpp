// Scrolling containers: the window's own bars follow the content's extent
// (AutoScroll takes it from the children), and scrolling moves the children.
#include <algorithm>

#include "toolkit/Forms.h"

T_CLASS_INFO(TControlScrollBar, TPersistent, [](TClassInfo& c) {
  using namespace published;
  using B = TControlScrollBar;
  c.AddProperty(Integer<B>("Increment", &B::Increment, &B::SetIncrement));
  c.AddProperty(Integer<B>("Margin", &B::Margin, &B::SetMargin));
  c.AddProperty(Integer<B>("Range", &B::Range, &B::SetRange));
  c.AddProperty(Integer<B>("Position", &B::Position, &B::SetPosition));
  c.AddProperty(Boolean<B>("Tracking", &B::Tracking, &B::SetTracking));
  c.AddProperty(Boolean<B>("Visible", &B::Visible, &B::SetVisible));
})

T_CLASS_INFO(TScrollingWinControl, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using S = TScrollingWinControl;
  c.AddProperty(Boolean<S>("AutoScroll", &S::AutoScroll, &S::SetAutoScroll));
  c.AddProperty(Object<S, TControlScrollBar>("HorzScrollBar", &S::HorzScrollBar, &S::SetHorzScrollBar));
  c.AddProperty(Object<S, TControlScrollBar>("VertScrollBar", &S::VertScrollBar, &S::SetVertScrollBar));
})

T_CLASS_INFO(TScrollBox, TScrollingWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TScrollBox>;
  c.AddProperty(Enumeration<TScrollBox, TBorderStyle>("BorderStyle", BorderStyleType(), &TScrollBox::BorderStyle,
                                                      &TScrollBox::SetBorderStyle));
})

// ---------------------------------------------------------------------------
// TControlScrollBar

TControlScrollBar::TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind)
    : control_(control), kind_(kind) {}

void TControlScrollBar::Assign(TPersistent* source) {
  auto* other = As<TControlScrollBar>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  increment_ = other->increment_;
  margin_ = other->margin_;
  tracking_ = other->tracking_;
  visible_ = other->visible_;
  range_ = other->range_;
  SetPosition(other->position_);
  Update();
}

int TControlScrollBar::ClientSize() const {
  if (!control_->HandleAllocated()) {
    return kind_ == TScrollBarKind::sbHorizontal ? control_->ClientWidth() : control_->ClientHeight();
  }
  RECT client{};
  GetClientRect(control_->Handle(), &client);
  return kind_ == TScrollBarKind::sbHorizontal ? client.right : client.bottom;
}

int TControlScrollBar::ScrollRange() const { return visible_ ? std::max(0, range_ - ClientSize()) : 0; }

void TControlScrollBar::SetRange(int value) {
  value = std::max(0, value);
  if (value == range_) return;
  range_ = value;
  Update();
}

void TControlScrollBar::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Update();
}

void TControlScrollBar::SetPosition(int value) {
  value = std::clamp(value, 0, ScrollRange());
  if (value == position_) return;
  const int delta = position_ - value;
  position_ = value;
  if (kind_ == TScrollBarKind::sbHorizontal) {
    control_->ScrollBy(delta, 0);
  } else {
    control_->ScrollBy(0, delta);
  }
  if (control_->HandleAllocated()) {
    SetScrollPos(control_->Handle(), kind_ == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT, position_, TRUE);
  }
}

void TControlScrollBar::Update() {
  if (!control_->HandleAllocated()) return;
  // The page is one more than the client size, so that a range that just
  // fits leaves nothing to scroll and the bar goes away.
  const int size = ClientSize();
  const int scrollRange = ScrollRange();
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, scrollRange > 0 ? range_ : 0, static_cast<UINT>(size + 1),
                  position_, 0};
  SetScrollInfo(control_->Handle(), kind_ == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT, &info, TRUE);
  SetPosition(position_);
}

void TControlScrollBar::ScrollMessage(WPARAM wParam) {
  const int page = ClientSize();
  int target = position_;
  switch (LOWORD(wParam)) {
    case SB_LINEUP: target -= increment_; break;
    case SB_LINEDOWN: target += increment_; break;
    case SB_PAGEUP: target -= page; break;
    case SB_PAGEDOWN: target += page; break;
    case SB_THUMBTRACK:
      if (!tracking_) return;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      const int bar = kind_ == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT;
      target = GetScrollInfo(control_->Handle(), bar, &info) ? info.nTrackPos : HIWORD(wParam);
      break;
    }
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = ScrollRange(); break;
    default: return;
  }
  SetPosition(target);
}

int TControlScrollBar::AutoRange() const {
  const bool horizontal = kind_ == TScrollBarKind::sbHorizontal;
  int extent = 0;
  int alignedMargin = 0;
  for (int i = 0; i < control_->ControlCount(); ++i) {
    TControl* child = control_->Controls(i);
    if (!child->Visible()) continue;
    const TAlign align = child->Align();
    const TAnchors anchors = child->Anchors();
    // Children that stick to the far side, or follow the size, give no extent.
    if (horizontal) {
      if (align == TAlign::alRight) alignedMargin += child->Width();
      const bool leftOnly = anchors.Contains(TAnchorKind::akLeft) && !anchors.Contains(TAnchorKind::akRight);
      if (align == TAlign::alLeft || (align == TAlign::alNone && leftOnly)) {
        extent = std::max(extent, position_ + child->Left() + child->Width());
      }
    } else {
      if (align == TAlign::alBottom) alignedMargin += child->Height();
      const bool topOnly = anchors.Contains(TAnchorKind::akTop) && !anchors.Contains(TAnchorKind::akBottom);
      if (align == TAlign::alTop || (align == TAlign::alNone && topOnly)) {
        extent = std::max(extent, position_ + child->Top() + child->Height());
      }
    }
  }
  return extent + alignedMargin + margin_;
}

// ---------------------------------------------------------------------------
// TScrollingWinControl

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      horz_(std::make_unique<TControlScrollBar>(this, TScrollBarKind::sbHorizontal)),
      vert_(std::make_unique<TControlScrollBar>(this, TScrollBarKind::sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool value) {
  if (value == autoScroll_) return;
  autoScroll_ = value;
  if (!value) {
    horz_->SetRange(0);
    vert_->SetRange(0);
  }
  UpdateScrollBars();
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* control, TRect& rect) {
  TWinControl::AlignControls(control, rect);
  UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (updating_ || Loading() || Destroying()) return;
  updating_ = true;
  if (autoScroll_) {
    horz_->SetRange(horz_->AutoRange());
    vert_->SetRange(vert_->AutoRange());
  }
  // Each bar shown narrows the client area along the other: the vertical
  // bar is settled again once the horizontal one is.
  vert_->Update();
  horz_->Update();
  vert_->Update();
  updating_ = false;
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  DisableAlign();
  const bool windowed = HandleAllocated();
  // The window's pixels and child windows move together; windowless
  // children (and every child before the window exists) are moved here.
  if (windowed) ScrollWindow(Handle(), dx, dy, nullptr, nullptr);
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    auto* childWindow = As<TWinControl>(child);
    if (windowed && childWindow != nullptr && childWindow->HandleAllocated()) continue;
    child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
  }
  updating_ = true;  // the children moved with the position: the ranges stand
  EnableAlign();
  updating_ = false;
}

void TScrollingWinControl::ScrollInView(TControl* control) {
  if (control == nullptr || control->Parent() != this) return;
  const int width = ClientWidth(), height = ClientHeight();
  if (control->Left() < 0) {
    horz_->SetPosition(horz_->Position() + control->Left());
  } else if (control->Left() + control->Width() > width) {
    horz_->SetPosition(horz_->Position() + std::min(control->Left(), control->Left() + control->Width() - width));
  }
  if (control->Top() < 0) {
    vert_->SetPosition(vert_->Position() + control->Top());
  } else if (control->Top() + control->Height() > height) {
    vert_->SetPosition(vert_->Position() + std::min(control->Top(), control->Top() + control->Height() - height));
  }
}

void TScrollingWinControl::WndProc(TMessage& message) {
  // The window's own bars (lParam 0); a scroll bar child's requests are
  // reflected to it by the base.
  if ((message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) && message.LParam == 0) {
    (message.Msg == WM_HSCROLL ? horz_ : vert_)->ScrollMessage(message.WParam);
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

// ---------------------------------------------------------------------------
// TScrollBox

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  SetBounds(0, 0, 185, 41);
  controlStyle_.Include(TControlStyleItem::csAcceptsControls);
  SetBorderStyleValue(TBorderStyle::bsSingle);
}
