// TMemo: the lines kept in step with the window's text, and the styles made
// from the memo's properties (changing one re-creates the window, which keeps
// its text through the lines).
#include "toolkit/StdCtrls_Memo.h"

#include "platform/controls/controls.h"

const TEnumInfo& ScrollStyleType() {
  static const TEnumInfo type("TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
  return type;
}

T_CLASS_INFO(TMemo, TCustomEdit, [](TClassInfo& c) {
  using namespace published;
  using M = TMemo;
  c.Factory = &CreateInstance<TMemo>;
  c.AddProperty(Enumeration<M, TBorderStyle>("BorderStyle", BorderStyleType(), &M::BorderStyle, &M::SetBorderStyle));
  c.AddProperty(Object<M, TStrings>("Lines", &M::Lines, &M::SetLines));
  c.AddProperty(Enumeration<M, TScrollStyle>("ScrollBars", ScrollStyleType(), &M::ScrollBars, &M::SetScrollBars));
  c.AddProperty(Boolean<M>("WordWrap", &M::WordWrap, &M::SetWordWrap));
  c.AddProperty(Boolean<M>("ReadOnly", &M::ReadOnly, &M::SetReadOnly));
  c.AddProperty(Boolean<M>("WantReturns", &M::WantReturns, &M::SetWantReturns));
  c.AddProperty(Boolean<M>("WantTabs", &M::WantTabs, &M::SetWantTabs));
  c.AddProperty(Enumeration<M, TAlignment>("Alignment", AlignmentType(), &M::Alignment, &M::SetAlignment));
  c.AddProperty(Integer<M>("MaxLength", &M::MaxLength, &M::SetMaxLength));
  c.AddProperty(Method<M, TNotifyEvent>("OnChange", &M::OnChange));
})

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 185, 89);
  lines_->OnChange = [this](TObject*) {
    if (!syncing_ && HandleAllocated()) SetText(LinesText());
  };
}

TMemo::~TMemo() { lines_->OnChange = nullptr; }

AnsiString TMemo::LinesText() const {
  AnsiString text = lines_->Text();
  if (text.size() >= 2) text.resize(text.size() - 2);
  return text;
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.Style |= WS_HSCROLL;
  // Without word wrap the lines scroll sideways instead.
  if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
  if (wantReturns_) params.Style |= ES_WANTRETURN;
  if (alignment_ == TAlignment::taRightJustify) params.Style |= ES_RIGHT;
  if (alignment_ == TAlignment::taCenter) params.Style |= ES_CENTER;
}

void TMemo::CreateWnd() {
  TCustomEdit::CreateWnd();
  creating_ = true;
  SetText(LinesText());
  creating_ = false;
  RestoreWindowState();
}

void TMemo::StyleChanged() {
  if (HandleAllocated()) RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  StyleChanged();
}

void TMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  StyleChanged();
}

void TMemo::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  StyleChanged();
}

void TMemo::Change() {
  // Typing changed the window's text: the lines follow it.
  syncing_ = true;
  lines_->SetText(GetText());
  syncing_ = false;
  TCustomEdit::Change();
}

void TMemo::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    TCustomEdit::WndProc(message);
    // The form takes Return (the default button) and Tab (the next control)
    // unless the memo wants them.
    if (wantTabs_) message.Result |= DLGC_WANTTAB;
    else message.Result &= ~DLGC_WANTTAB;
    if (!wantReturns_) message.Result &= ~DLGC_WANTALLKEYS;
    return;
  }
  if (message.Msg == WM_CHAR && message.WParam == VK_RETURN && !wantReturns_) return;
  TCustomEdit::WndProc(message);
}
