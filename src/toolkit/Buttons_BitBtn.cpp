// TBitBtn: an owner-drawn push button that draws a push-button frame, one
// cell of its glyph and its caption, laid out like a speed button's.
#include "platform/controls/controls.h"
#include "toolkit/Buttons.h"
#include "toolkit/Forms.h"

namespace {

struct KindDefaults {
  const char* caption;
  int modalResult;
};

// Captions and modal results of the kinds, in the order of TBitBtnKind.
constexpr KindDefaults kKinds[] = {{"", 0},        {"OK", 1},         {"Cancel", 2}, {"&Help", 0},
                                   {"&Yes", 6},    {"&No", 7},        {"&Close", 0}, {"Abort", 3},
                                   {"&Retry", 4},  {"&Ignore", 5},    {"&All", 8}};

}  // namespace

const TEnumInfo& BitBtnKindType() {
  static const TEnumInfo type("TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                              "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
  return type;
}

T_CLASS_INFO(TBitBtn, TButton, [](TClassInfo& c) {
  using namespace published;
  using B = TBitBtn;
  c.Factory = &CreateInstance<TBitBtn>;
  c.AddProperty(Object<B, TBitmap>("Glyph", &B::Glyph, &B::SetGlyph));
  c.AddProperty(Enumeration<B, TBitBtnKind>("Kind", BitBtnKindType(), &B::Kind, &B::SetKind));
  c.AddProperty(Enumeration<B, TButtonLayout>("Layout", ButtonLayoutType(), &B::Layout, &B::SetLayout));
  c.AddProperty(Integer<B>("Margin", &B::Margin, &B::SetMargin));
  c.AddProperty(Integer<B>("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs));
  c.AddProperty(Integer<B>("Spacing", &B::Spacing, &B::SetSpacing));
})

TBitBtn::TBitBtn(TComponent* owner)
    : TButton(owner), glyph_(std::make_unique<TBitmap>()), canvas_(std::make_unique<TCanvas>()) {
  glyph_->OnChange = [this](TObject*) { GlyphChanged(); };
}

TBitBtn::~TBitBtn() { glyph_->OnChange = nullptr; }

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TBitBtn::GlyphChanged() {
  if (!glyph_->Empty()) {
    glyph_->SetTransparent(true);
    // A strip of square cells tells how many glyphs it holds.
    if (glyph_->Height() > 0 && glyph_->Width() % glyph_->Height() == 0) {
      const int cells = glyph_->Width() / glyph_->Height();
      if (cells >= 1 && cells <= 4) numGlyphs_ = cells;
    }
  }
  if (!settingKind_) kind_ = TBitBtnKind::bkCustom;
  Invalidate();
}

void TBitBtn::SetGlyph(TBitmap* glyph) { glyph_->Assign(glyph); }

void TBitBtn::SetKind(TBitBtnKind value) {
  const auto index = static_cast<std::size_t>(value);
  if (index >= std::size(kKinds)) return;
  if (value != TBitBtnKind::bkCustom) {
    SetDefault(value == TBitBtnKind::bkOK || value == TBitBtnKind::bkYes);
    SetCancel(value == TBitBtnKind::bkCancel || value == TBitBtnKind::bkNo);
    // A caption read from a form resource stays; otherwise the kind names the button.
    if (!Loading() || Caption().empty() || Caption() == Name()) SetCaption(kKinds[index].caption);
    SetModalResult(kKinds[index].modalResult);
    settingKind_ = true;
    LoadKindGlyph(value, glyph_.get());
    settingKind_ = false;
  }
  kind_ = value;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TBitBtn::SetMargin(int value) {
  margin_ = std::max(-1, value);
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 4);
  Invalidate();
}

void TBitBtn::SetSpacing(int value) {
  spacing_ = value;
  Invalidate();
}

void TBitBtn::Click() {
  if (kind_ == TBitBtnKind::bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      form->Close();
      return;
    }
  }
  TButton::Click();
}

bool TBitBtn::ShowsAsDefault() const {
  TWinControl* focused = FindControl(GetFocus());
  if (focused == this) return true;
  return Default() && (focused == nullptr || !focused->Is<TButton>());
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button would only announce the double click: this one takes it as a press.
      message.Msg = WM_LBUTTONDOWN;
      break;
    case CM_FOCUSCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      TButton::WndProc(message);
      Invalidate();
      return;
    default:
      break;
  }
  TButton::WndProc(message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  const bool framed = ShowsAsDefault();
  RECT r = item.rcItem;
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  FillRect(dc, &r, face);
  if (framed || focused) {
    HBRUSH black = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
    FrameRect(dc, &r, black);
    DeleteObject(black);
    InflateRect(&r, -1, -1);
  }
  if (pushed) {
    HBRUSH shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    FrameRect(dc, &r, shadow);
    DeleteObject(shadow);
    InflateRect(&r, -1, -1);
  } else {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (enabled ? 0 : DFCS_INACTIVE));
  }
  if (pushed) OffsetRect(&r, 1, 1);
  int cell = 0;
  if (!enabled && numGlyphs_ > 1) cell = 1;
  if (pushed && numGlyphs_ > 2) cell = 2;
  canvas_->SetHandle(dc);
  DrawButtonGlyph(canvas_.get(), r, Caption(), Font(), glyph_.get(), {layout_, margin_, spacing_, numGlyphs_}, cell,
                  enabled);
  canvas_->SetHandle(nullptr);
  if (focused) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWFRAME));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    DrawFocusRect(dc, &focus);
  }
}
