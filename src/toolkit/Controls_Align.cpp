// Layout of children: aligned controls take the edges of the client area in
// the order top, bottom, left, right, then client; the others keep their
// distance to the edges they are anchored to as the parent changes size.
#include <algorithm>

#include "toolkit/Controls.h"

namespace {

// The edge an aligned control's position is compared by, so that controls of
// one alignment stack in the order they are placed.
int SortKey(const TControl* c, TAlign align) {
  switch (align) {
    case TAlign::alTop: return c->Top();
    case TAlign::alBottom: return -(c->Top() + c->Height());
    case TAlign::alLeft: return c->Left();
    case TAlign::alRight: return -(c->Left() + c->Width());
    default: return 0;
  }
}

}  // namespace

void TWinControl::AlignControl(TControl* control) {
  if (alignDisabled_ > 0 || aligning_ || Loading() || Destroying()) return;
  aligning_ = true;
  TRect rect = ClientRect();
  const SIZE client{RectWidth(rect), RectHeight(rect)};
  if (lastClient_.cx >= 0 && (lastClient_.cx != client.cx || lastClient_.cy != client.cy)) {
    AnchorControls(lastClient_, client);
  }
  lastClient_ = client;
  AdjustClientRect(rect);
  AlignControls(control, rect);
  aligning_ = false;
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  constexpr TAlign kOrder[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
  for (TAlign align : kOrder) {
    std::vector<TControl*> list;
    for (TControl* c : controls_) {
      if (c->Align() == align && c->Visible()) list.push_back(c);
    }
    // The control that asked for the layout goes first among equals.
    std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) {
      const int ka = SortKey(a, align), kb = SortKey(b, align);
      if (ka != kb) return ka < kb;
      return a == control && b != control;
    });
    for (TControl* c : list) {
      const int w = std::max(0, RectWidth(rect));
      const int h = std::max(0, RectHeight(rect));
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(rect.left, rect.top, w, c->Height());
          rect.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(rect.left, rect.bottom - c->Height(), w, c->Height());
          rect.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(rect.left, rect.top, c->Width(), h);
          rect.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), h);
          rect.right -= c->Width();
          break;
        default:
          c->SetBounds(rect.left, rect.top, w, h);
          break;
      }
    }
  }
}

void TWinControl::AnchorControls(SIZE oldClient, SIZE newClient) {
  const int dx = newClient.cx - oldClient.cx;
  const int dy = newClient.cy - oldClient.cy;
  for (TControl* c : controls_) {
    if (c->Align() != TAlign::alNone) continue;
    const TAnchors a = c->Anchors();
    int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
    if (a.Contains(TAnchorKind::akRight)) {
      if (a.Contains(TAnchorKind::akLeft)) {
        width += dx;
      } else {
        left += dx;
      }
    } else if (!a.Contains(TAnchorKind::akLeft)) {
      left += dx / 2;  // anchored to neither side: keeps its place relative to the centre
    }
    if (a.Contains(TAnchorKind::akBottom)) {
      if (a.Contains(TAnchorKind::akTop)) {
        height += dy;
      } else {
        top += dy;
      }
    } else if (!a.Contains(TAnchorKind::akTop)) {
      top += dy / 2;
    }
    c->SetBounds(left, top, width, height);
  }
}
