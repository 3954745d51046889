// TStatusBar and its panels, made from the standard "msctls_statusbar32"
// window. Panels become the window's parts (the last one reaching the right
// edge), their alignment tabs in the part's text and their bevel its border
// type; owner-drawn panels reach OnDrawPanel through the reflected
// WM_DRAWITEM with the canvas on the part's DC. The toolkit lays the bar out
// (aligned to the bottom), so the window does not place itself.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

const TEnumInfo& StatusPanelStyleType() {
  static const TEnumInfo type("TStatusPanelStyle", {"psText", "psOwnerDraw"});
  return type;
}

const TEnumInfo& StatusPanelBevelType() {
  static const TEnumInfo type("TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"});
  return type;
}

T_CLASS_INFO(TStatusPanel, TCollectionItem, [](TClassInfo& c) {
  using namespace published;
  using P = TStatusPanel;
  c.AddProperty(Integer<P>("Width", &P::Width, &P::SetWidth));
  c.AddProperty(String<P>("Text", &P::Text, &P::SetText));
  c.AddProperty(Enumeration<P, TStatusPanelStyle>("Style", StatusPanelStyleType(), &P::Style, &P::SetStyle));
  c.AddProperty(Enumeration<P, TAlignment>("Alignment", AlignmentType(), &P::Alignment, &P::SetAlignment));
  c.AddProperty(Enumeration<P, TStatusPanelBevel>("Bevel", StatusPanelBevelType(), &P::Bevel, &P::SetBevel));
})

void TStatusPanel::SetWidth(int value) {
  width_ = std::max(0, value);
  Changed();
}

void TStatusPanel::SetText(const AnsiString& value) {
  text_ = value;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  style_ = value;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  bevel_ = value;
  Changed();
}

T_CLASS_INFO(TStatusBar, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using S = TStatusBar;
  c.Factory = &CreateInstance<TStatusBar>;
  c.AddProperty(Object<S, TCollection>("Panels", &S::Panels, nullptr));
  c.AddProperty(Boolean<S>("SimplePanel", &S::SimplePanel, &S::SetSimplePanel));
  c.AddProperty(String<S>("SimpleText", &S::SimpleText, &S::SetSimpleText));
  c.AddProperty(Boolean<S>("SizeGrip", &S::SizeGrip, &S::SetSizeGrip));
  c.AddProperty(Method<S>("OnDrawPanel", &S::OnDrawPanel));
})

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner),
      panels_(std::make_unique<TCollection>(
          [](TCollection* collection) { return std::make_unique<TStatusPanel>(collection); })),
      canvas_(std::make_unique<TCanvas>()) {
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  SetBounds(0, 0, 0, 19);
  SetAlign(TAlign::alBottom);
  SetColor(clBtnFace);
  // A panel's width moves the parts after it: every change sends them all.
  panels_->OnUpdate = [this](TCollection*, TCollectionItem*) { SendPanels(); };
}

TStatusBar::~TStatusBar() { panels_->OnUpdate = nullptr; }

TStatusPanel* TStatusBar::Panel(int index) const { return static_cast<TStatusPanel*>(panels_->Item(index)); }

TStatusPanel* TStatusBar::AddPanel() { return static_cast<TStatusPanel*>(panels_->Add()); }

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "msctls_statusbar32";
  params.Style |= CCS_NORESIZE | CCS_NOPARENTALIGN;
  if (sizeGrip_) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendPanels();
  if (simplePanel_) SendMessageA(Handle(), SB_SIMPLE, TRUE, 0);
  SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
}

void TStatusBar::SendPanels() {
  if (!HandleAllocated()) return;
  const int count = panels_->Count();
  std::vector<int> edges;
  int edge = 0;
  for (int i = 0; i < count; ++i) {
    edge += Panel(i)->Width();
    edges.push_back(i + 1 == count ? -1 : edge);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < count; ++i) SendPanelText(i);
  if (count == 0) SendMessageA(Handle(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
}

void TStatusBar::SendPanelText(int index) {
  TStatusPanel* panel = Panel(index);
  if (!HandleAllocated() || panel == nullptr) return;
  WPARAM type = static_cast<WPARAM>(index);
  if (panel->Bevel() == TStatusPanelBevel::pbNone) type |= SBT_NOBORDERS;
  if (panel->Bevel() == TStatusPanelBevel::pbRaised) type |= SBT_POPOUT;
  if (panel->Style() == TStatusPanelStyle::psOwnerDraw) {
    SendMessageA(Handle(), SB_SETTEXTA, type | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(panel));
    return;
  }
  AnsiString text = panel->Text();
  if (panel->Alignment() == TAlignment::taCenter) text = "\t" + text;
  if (panel->Alignment() == TAlignment::taRightJustify) text = "\t\t" + text;
  SendMessageA(Handle(), SB_SETTEXTA, type, reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::SetSimplePanel(bool value) {
  simplePanel_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), SB_SIMPLE, value, 0);
}

void TStatusBar::SetSimpleText(const AnsiString& value) {
  simpleText_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(value.c_str()));
}

void TStatusBar::SetSizeGrip(bool value) {
  sizeGrip_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TStatusBar::DrawPanel(TStatusPanel* panel, const TRect& rect) {
  if (OnDrawPanel) OnDrawPanel(this, panel, rect);
}

void TStatusBar::WndProc(TMessage& message) {
  if (message.Msg == CN_DRAWITEM && message.LParam != 0) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    message.Result = TRUE;
    TStatusPanel* panel = Panel(static_cast<int>(draw->itemID));
    if (panel == nullptr) return;
    const int saved = SaveDC(draw->hDC);
    canvas_->SetHandle(draw->hDC);
    DrawPanel(panel, draw->rcItem);
    canvas_->SetHandle(nullptr);
    RestoreDC(draw->hDC, saved);
    return;
  }
  TWinControl::WndProc(message);
}
