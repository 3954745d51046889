// The custom drawing of tool bars that the attach pass gives a tool bar
// without drawing handlers of its own: the background and the buttons from
// the skin's pictures.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/ComCtrls.h"

void PaintToolbarBackground(TWinSkinForm* form, TToolBar* toolbar, const TRect& rect) {
  if (form == nullptr || form->FSkin == nullptr || toolbar == nullptr) return;
  TSkinData* skin = form->FSkin;
  TDataSkinObject* object = skin->Toolbar.get();
  if (object == nullptr || object->Picture == nullptr || object->Picture->Empty()) return;
  if (skin->Options().Contains(TSkinOption::xoToolbarBK)) return;
  HDC dc = toolbar->Canvas()->Handle();
  TBitmap* picture = object->Picture.get();
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), picture->Canvas()->Handle(), 0, 0,
             picture->Width(), picture->Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void PaintToolbarButton(TWinSkinForm* form, TToolBar* toolbar, TToolButton* button, TCustomDrawState state) {
  if (form == nullptr || form->FSkin == nullptr || toolbar == nullptr || button == nullptr) return;
  TSkinData* skin = form->FSkin;
  TDataSkinButton* object = skin->Buttons.get();
  if (object == nullptr || object->Picture == nullptr || object->Picture->Empty()) return;
  if (form->FState != kStateReady || skin->Options().Contains(TSkinOption::xoToolbarButton)) return;
  using enum TCustomDrawStateItem;
  int frame = 0;
  int textColour = -1;
  if (state.Contains(cdsSelected)) {
    frame = 2;
    textColour = object->PressedColour;
  } else if (state.Contains(cdsFocused) || state.Contains(cdsHot)) {
    frame = 4;
    textColour = object->MouseOverColour;
  } else if (!state.Contains(cdsGrayed) && !state.Contains(cdsDisabled) && state.Contains(cdsDefault)) {
    frame = 1;
    textColour = object->NormalColour;
  }
  if (frame == 0) return;
  if (textColour != -1) toolbar->Canvas()->Font()->SetColor(static_cast<TColor>(textColour));
  TRect bounds = button->BoundsRect();
  InflateRect(&bounds, -1, -1);
  PaintSkinPicture(toolbar->Canvas()->Handle(), bounds, object->Picture.get(), false, false, object->Trans != 0,
                   5, frame, object->Margins());
}
