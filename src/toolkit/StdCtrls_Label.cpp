// TLabel: windowless text in the control's font, on its colour or on what
// lies behind it (Transparent), sized to the text when AutoSize; a disabled
// label draws its text embossed.
#include "toolkit/StdCtrls.h"

const TEnumInfo& TextLayoutType() {
  static const TEnumInfo type("TTextLayout", {"tlTop", "tlCenter", "tlBottom"});
  return type;
}

T_CLASS_INFO(TLabel, TGraphicControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TLabel>;
  c.AddProperty(Boolean<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize));
  c.AddProperty(Boolean<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent));
  c.AddProperty(
      Enumeration<TLabel, TAlignment>("Alignment", AlignmentType(), &TLabel::Alignment, &TLabel::SetAlignment));
  c.AddProperty(Enumeration<TLabel, TTextLayout>("Layout", TextLayoutType(), &TLabel::Layout, &TLabel::SetLayout));
  c.AddProperty(Boolean<TLabel>("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap));
  c.AddProperty(Boolean<TLabel>("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar));
})

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  controlStyle_.Include(TControlStyleItem::csOpaque);
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  if (value) {
    controlStyle_.Exclude(TControlStyleItem::csOpaque);
  } else {
    controlStyle_.Include(TControlStyleItem::csOpaque);
  }
  Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

UINT TLabel::DrawFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  return flags;
}

void TLabel::DrawLabelText(HDC dc, RECT& rect, UINT flags) {
  AnsiString text = Caption();
  // An empty caption still has the height of a line.
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  HGDIOBJ previous = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  if (!Enabled() && !(flags & DT_CALCRECT)) {
    OffsetRect(&rect, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    OffsetRect(&rect, -1, -1);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
  } else {
    SetTextColor(dc, ColorToRGB(Font()->Color()));
  }
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  SelectObject(dc, previous);
}

void TLabel::Paint() {
  HDC dc = Canvas()->Handle();
  RECT rect = ClientRect();
  if (!transparent_) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas()->FillRect(rect);
  }
  const UINT flags = DrawFlags();
  if (layout_ != TTextLayout::tlTop) {
    RECT measured = rect;
    DrawLabelText(dc, measured, flags | DT_CALCRECT);
    const int offset = RectHeight(rect) - RectHeight(measured);
    rect.top += layout_ == TTextLayout::tlBottom ? offset : offset / 2;
  }
  DrawLabelText(dc, rect, flags);
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || Loading()) return;
  HDC dc = GetDC(nullptr);
  RECT rect = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
  DrawLabelText(dc, rect, DrawFlags() | DT_CALCRECT);
  ReleaseDC(nullptr, dc);
  int left = Left();
  if (alignment_ == TAlignment::taRightJustify) left += Width() - rect.right;
  if (alignment_ == TAlignment::taCenter) left += (Width() - rect.right) / 2;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::WndProc(TMessage& message) {
  TGraphicControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}
