// The rectangle helpers. An empty rectangle is one with no area.
#include <algorithm>

#include "platform/gdi/gdi.h"

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(LPRECT target, const RECT* source) {
  if (target == nullptr || source == nullptr) return FALSE;
  *target = *source;
  return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) { return rect == nullptr || rect->left >= rect->right || rect->top >= rect->bottom; }

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left -= dx;
  rect->right += dx;
  rect->top -= dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL IntersectRect(LPRECT target, const RECT* a, const RECT* b) {
  if (target == nullptr || a == nullptr || b == nullptr) return FALSE;
  const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
               std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(a) || IsRectEmpty(b) || IsRectEmpty(&r)) {
    SetRectEmpty(target);
    return FALSE;
  }
  *target = r;
  return TRUE;
}

BOOL UnionRect(LPRECT target, const RECT* a, const RECT* b) {
  if (target == nullptr || a == nullptr || b == nullptr) return FALSE;
  if (IsRectEmpty(a)) {
    if (IsRectEmpty(b)) {
      SetRectEmpty(target);
      return FALSE;
    }
    *target = *b;
    return TRUE;
  }
  if (IsRectEmpty(b)) {
    *target = *a;
    return TRUE;
  }
  *target = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                 std::max(a->bottom, b->bottom)};
  return TRUE;
}

BOOL SubtractRect(LPRECT target, const RECT* a, const RECT* b) {
  if (target == nullptr || a == nullptr || b == nullptr) return FALSE;
  RECT result = *a;
  RECT overlap;
  // Only a subtraction that leaves a rectangle changes the result.
  if (IntersectRect(&overlap, a, b)) {
    if (overlap.top == a->top && overlap.bottom == a->bottom) {
      if (overlap.left == a->left) result.left = overlap.right;
      else if (overlap.right == a->right) result.right = overlap.left;
    } else if (overlap.left == a->left && overlap.right == a->right) {
      if (overlap.top == a->top) result.top = overlap.bottom;
      else if (overlap.bottom == a->bottom) result.bottom = overlap.top;
    }
  }
  *target = result;
  return !IsRectEmpty(&result);
}

BOOL EqualRect(const RECT* a, const RECT* b) { return a != nullptr && b != nullptr && *a == *b; }

BOOL PtInRect(const RECT* rect, POINT point) {
  return rect != nullptr && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
         point.y < rect->bottom;
}
