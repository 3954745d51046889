// TScrollBar: the scroll bar control's range, page and position, kept in the
// window with SetScrollInfo, and its requests turned into positions.
#include <algorithm>

#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

const TEnumInfo& ScrollBarKindType() {
  static const TEnumInfo type("TScrollBarKind", {"sbHorizontal", "sbVertical"});
  return type;
}

const TEnumInfo& ScrollCodeType() {
  static const TEnumInfo type("TScrollCode", {"scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition",
                                              "scTrack", "scTop", "scBottom", "scEndScroll"});
  return type;
}

T_CLASS_INFO(TScrollBar, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TScrollBar>;
  c.AddProperty(Enumeration<TScrollBar, TScrollBarKind>("Kind", ScrollBarKindType(), &TScrollBar::Kind,
                                                        &TScrollBar::SetKind));
  // Max before Min and Position, so that a stored range is accepted whole.
  c.AddProperty(Integer<TScrollBar>("Max", &TScrollBar::Max, &TScrollBar::SetMax));
  c.AddProperty(Integer<TScrollBar>("Min", &TScrollBar::Min, &TScrollBar::SetMin));
  c.AddProperty(Integer<TScrollBar>("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize));
  c.AddProperty(Integer<TScrollBar>("Position", &TScrollBar::Position, &TScrollBar::SetPosition));
  c.AddProperty(Integer<TScrollBar>("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange));
  c.AddProperty(Integer<TScrollBar>("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange));
  c.AddProperty(Method<TScrollBar>("OnChange", &TScrollBar::OnChange));
  c.AddProperty(Method<TScrollBar>("OnScroll", &TScrollBar::OnScroll));
})

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  controlStyle_.Include(TControlStyleItem::csOpaque);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "ScrollBar";
  params.Style |= kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateBar();
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  // A bar turned round keeps its place and swaps width and height.
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) RecreateWnd();
}

int TScrollBar::LastPosition() const { return std::max(min_, max_ - std::max(pageSize_ - 1, 0)); }

void TScrollBar::SetParams(int position, int min, int max) {
  max = std::max(max, min);
  const bool rangeChanged = min != min_ || max != max_;
  min_ = min;
  max_ = max;
  pageSize_ = std::clamp(pageSize_, 0, max_ - min_ + 1);
  position = std::clamp(position, min_, LastPosition());
  const bool moved = position != position_;
  position_ = position;
  if (rangeChanged || moved) UpdateBar();
  if (moved) Change();
}

void TScrollBar::SetPageSize(int value) {
  value = std::clamp(value, 0, max_ - min_ + 1);
  if (value == pageSize_) return;
  pageSize_ = value;
  SetParams(position_, min_, max_);
  UpdateBar();
}

void TScrollBar::UpdateBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::Change() {
  if (OnChange && !Loading()) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int& scrollPos) {
  if (OnScroll) OnScroll(this, code, scrollPos);
}

void TScrollBar::DoScroll(TMessage& message) {
  const auto code = static_cast<TScrollCode>(std::min<WORD>(LOWORD(message.WParam), SB_ENDSCROLL));
  int scrollPos = position_;
  switch (code) {
    case TScrollCode::scLineUp: scrollPos -= smallChange_; break;
    case TScrollCode::scLineDown: scrollPos += smallChange_; break;
    case TScrollCode::scPageUp: scrollPos -= largeChange_; break;
    case TScrollCode::scPageDown: scrollPos += largeChange_; break;
    case TScrollCode::scPosition:
    case TScrollCode::scTrack: {
      // The 32-bit track position, not the 16 bits of the message.
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      scrollPos = GetScrollInfo(Handle(), SB_CTL, &info) ? info.nTrackPos : HIWORD(message.WParam);
      break;
    }
    case TScrollCode::scTop: scrollPos = min_; break;
    case TScrollCode::scBottom: scrollPos = max_; break;
    case TScrollCode::scEndScroll: break;
  }
  scrollPos = std::clamp(scrollPos, min_, LastPosition());
  Scroll(code, scrollPos);
  SetPosition(scrollPos);
  message.Result = 0;
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    DoScroll(message);
    return;
  }
  TWinControl::WndProc(message);
}
