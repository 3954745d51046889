// TGroupBox: a frame with a caption around the controls it holds, drawn
// with the platform's group-box drawing point so that it looks like the
// standard group box.
#include "platform/controls/classic_look.h"
#include "toolkit/StdCtrls.h"

T_CLASS_INFO(TGroupBox, TCustomControl, [](TClassInfo& c) { c.Factory = &CreateInstance<TGroupBox>; })

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 105);
  SetParentColor(true);
  controlStyle_.Include(TControlStyleItem::csAcceptsControls);
  controlStyle_.Include(TControlStyleItem::csSetCaption);
  controlStyle_.Include(TControlStyleItem::csDoubleClicks);
}

void TGroupBox::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, Font()->Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  rect.top += metrics.tmHeight;
  InflateRect(&rect, -2, -2);
}

void TGroupBox::Paint() {
  HDC dc = Canvas()->Handle();
  const TRect client = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas()->FillRect(client);
  platform::ButtonLook look;
  look.text = platform::AnsiToWideString(Caption());
  look.font = Font()->Handle();
  look.enabled = Enabled();
  look.textFormat = UseRightToLeftAlignment() ? DT_RIGHT | DT_SINGLELINE : DT_LEFT | DT_SINGLELINE;
  look.background = Canvas()->Brush()->Handle();
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkMode(dc, TRANSPARENT);
  platform::CurrentPainter().GroupBox(dc, client, look);
}

void TGroupBox::WndProc(TMessage& message) {
  TCustomControl::WndProc(message);
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      Realign();
      break;
    default:
      break;
  }
}
