// The window region of a skinned window: cut from the transparent pixels of
// the frame side pictures, rebuilt only when the window's size changes.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinForm.h"

namespace {

// The region of one side: from its picture when the side is transparent and
// large enough to scan, else its whole rectangle.
HRGN SideRegion(TWinSkinForm& form, int index, const TRect& rect, bool fromPicture) {
  if (!fromPicture) return CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
  TBitmap side;
  side.SetSize(RectWidth(rect), RectHeight(rect));
  form.PaintFrameSide(index, Rect(0, 0, RectWidth(rect), RectHeight(rect)), side.Canvas()->Handle());
  HRGN region = RegionFromBitmap(&side, rect.left, rect.top, 1, 1, 1, kSkinKeyColour);
  return region != nullptr ? region : CreateRectRgn(0, 0, 0, 0);
}

HRGN Union(HRGN a, HRGN b) {
  CombineRgn(a, a, b, RGN_OR);
  DeleteObject(b);
  return a;
}

}  // namespace

void TWinSkinForm::UpdateRegion() {
  if (FState == kStateDead || !FFrameSkinned) return;
  RECT r{};
  if (!GetWindowRect(FHandle, &r)) return;
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w * h == 0) return;
  if (FKind == kKindMDIChild && FShowState != kShowNormal) return;
  if (w == FRegionWidth && h == FRegionHeight && FKind != kKindMDIChild && FState != kStateReapplying) return;

  FRegion = nullptr;
  FRegionSet = false;

  HRGN region = nullptr;
  if (FSkin->Left->Trans + FSkin->Right->Trans + FSkin->Top->Trans + FSkin->Bottom->Trans == 0) {
    region = CreateRectRgn(0, 0, w, h);
  } else {
    FRegionWidth = w;
    FRegionHeight = h;
    region = CreateRectRgn(FBorderLeft, FTitleHeight, w - FBorderRight, h - FBorderBottom);
    if (FBorderStyle != kBorderNone) {
      HRGN left = SideRegion(*this, 1, Rect(0, 0, FBorderLeft, h), FSkin->Left->Trans == 1 && h > 1);
      HRGN right = SideRegion(*this, 2, Rect(w - FBorderRight, 0, w, h), FSkin->Right->Trans == 1 && h > 1);
      HRGN bottom = SideRegion(*this, 4, Rect(FBorderLeft, h - FBorderBottom, w - FBorderRight, h),
                               FSkin->Bottom->Trans == 1 && FBorderBottom > 1);
      HRGN top = SideRegion(*this, 3, Rect(FBorderLeft, 0, w - FBorderRight, FTitleHeight),
                            FSkin->Top->Trans == 1 && FTitleHeight > 1 && w - FBorderLeft - FBorderRight > 0);
      region = Union(Union(region, Union(left, right)), Union(top, bottom));
    }
  }
  // The system owns the region once it is set: the handle is never deleted
  // here.
  SetWindowRgn(FHandle, region, TRUE);
  FRegion = region;
  FRegionSet = true;
}

void TWinSkinForm::ClearRegion() {
  if (!FRegionSet) return;
  SetWindowRgn(FHandle, nullptr, FKind == kKindMDIChild);
  FRegion = nullptr;
  FRegionSet = false;
}
