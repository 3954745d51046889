// TCustomForm and TForm: a top-level window owned by the application window,
// read from the form resource of its class, with the frame its border style
// asks for.
#include "toolkit/Forms.h"

#include "toolkit/Application.h"
#include "toolkit/Menus.h"
#include "toolkit/Reader.h"

namespace {

void FormWindowStyles(TFormBorderStyle border, TFormStyle formStyle, DWORD& style, DWORD& exStyle) {
  style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  exStyle = 0;
  switch (border) {
    case TFormBorderStyle::bsNone: style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX; break;
    case TFormBorderStyle::bsSizeable: style |= WS_OVERLAPPEDWINDOW; break;
    case TFormBorderStyle::bsDialog:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      style |= WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (formStyle == TFormStyle::fsStayOnTop) exStyle |= WS_EX_TOPMOST;
}

}  // namespace

const TEnumInfo& FormBorderStyleType() {
  static const TEnumInfo type("TFormBorderStyle",
                              {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  return type;
}

const TEnumInfo& PositionType() {
  static const TEnumInfo type("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                            "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                                            "poOwnerFormCenter"});
  return type;
}

const TEnumInfo& FormStyleType() {
  static const TEnumInfo type("TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
  return type;
}

const TEnumInfo& WindowStateType() {
  static const TEnumInfo type("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
  return type;
}

const TEnumInfo& CloseActionType() {
  static const TEnumInfo type("TCloseAction", {"caNone", "caHide", "caFree", "caMinimize"});
  return type;
}

T_CLASS_INFO(TCustomForm, TScrollingWinControl, [](TClassInfo& c) {
  using namespace published;
  using F = TCustomForm;
  c.AddProperty(Enumeration<F, TFormBorderStyle>("BorderStyle", FormBorderStyleType(), &F::BorderStyle,
                                                 &F::SetBorderStyle));
  c.AddProperty(Enumeration<F, TPosition>("Position", PositionType(), &F::Position, &F::SetPosition));
  c.AddProperty(Enumeration<F, TFormStyle>("FormStyle", FormStyleType(), &F::FormStyle, &F::SetFormStyle));
  c.AddProperty(Enumeration<F, TWindowState>("WindowState", WindowStateType(), &F::WindowState, &F::SetWindowState));
  c.AddProperty(Object<F, TIcon>("Icon", &F::Icon, &F::SetIcon));
  c.AddProperty(Integer<F>("ClientWidth", &F::FormClientWidth, &F::SetFormClientWidth));
  c.AddProperty(Integer<F>("ClientHeight", &F::FormClientHeight, &F::SetFormClientHeight));
  c.AddProperty(Boolean<F>("KeyPreview", &F::KeyPreview, &F::SetKeyPreview));
  c.AddProperty(Object<F, TComponent>("Menu", &F::Menu, &F::SetMenu));
  c.AddProperty(Method<F>("OnCreate", &F::OnCreate));
  c.AddProperty(Method<F>("OnDestroy", &F::OnDestroy));
  c.AddProperty(Method<F>("OnShow", &F::OnShow));
  c.AddProperty(Method<F>("OnHide", &F::OnHide));
  c.AddProperty(Method<F>("OnActivate", &F::OnActivate));
  c.AddProperty(Method<F>("OnDeactivate", &F::OnDeactivate));
  c.AddProperty(Method<F>("OnClose", &F::OnClose));
  c.AddProperty(Method<F>("OnCloseQuery", &F::OnCloseQuery));
  // Form resources of the designer carry these; the toolkit has nothing to do with them.
  c.AddProperty(Integer<F>("PixelsPerInch", &F::PixelsPerInch, &F::SetPixelsPerInch));
  c.AddProperty(Integer<F>("TextHeight", &F::TextHeight, &F::SetTextHeight));
  c.AddProperty(Boolean<F>("OldCreateOrder", &F::OldCreateOrder, &F::SetOldCreateOrder));
})

T_CLASS_INFO(TForm, TCustomForm, [](TClassInfo& c) { c.Factory = &CreateInstance<TForm>; })

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner), icon_(std::make_unique<TIcon>()) {
  RegisterStandardControls();
  SetBounds(0, 0, 320, 240);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetVisible(false);
  Screen->AddForm(this);
  icon_->OnChange = [this](TObject*) { UpdateIcon(); };
}

TCustomForm::~TCustomForm() {
  MarkDestroying();
  Screen->RemoveForm(this);
  if (OnDestroy) OnDestroy(this);
  DestroyHandle();
  icon_->OnChange = nullptr;
}

void TCustomForm::AfterConstruction() {
  InitInheritedComponent(this);
  if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  if (HandleAllocated()) {
    SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TCustomForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (!HandleAllocated() || !Visible()) return;
  ShowWindow(Handle(), state == TWindowState::wsMinimized   ? SW_MINIMIZE
                       : state == TWindowState::wsMaximized ? SW_MAXIMIZE
                                                            : SW_RESTORE);
}

void TCustomForm::SetMenu(TComponent* menu) {
  menu_ = menu;
  // Through the window, so that a window procedure put in front of the
  // form's sees the change.
  if (HandleAllocated()) SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  FormWindowStyles(borderStyle_, formStyle_, params.Style, params.ExStyle);
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.WndParent = ParentWindow() != nullptr ? ParentWindow() : Application->Handle();
  MdiCreateParams(params);
}

void TCustomForm::CreateWnd() {
  TScrollingWinControl::CreateWnd();
  AttachFormMenu(this);
  CreateMdiClient();
  if (!icon_->Empty() || !Application->Icon()->Empty()) UpdateIcon();
}

void TCustomForm::UpdateIcon() {
  if (!HandleAllocated()) return;
  const TIcon* icon = icon_->Empty() ? Application->Icon() : icon_.get();
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon->Handle()));
}

SIZE TCustomForm::FrameSize() {
  DWORD style = 0, exStyle = 0;
  FormWindowStyles(borderStyle_, formStyle_, style, exStyle);
  RECT r{0, 0, 0, 0};
  // A main menu with items takes a row of the frame.
  const auto* menu = As<TMainMenu>(menu_);
  AdjustWindowRectEx(&r, style, menu != nullptr && menu->Items()->Count() > 0, exStyle);
  return SIZE{RectWidth(r), RectHeight(r)};
}

TRect TCustomForm::ClientRect() {
  if (HandleAllocated()) return TWinControl::ClientRect();
  const SIZE frame = FrameSize();
  return Rect(0, 0, std::max(0, Width() - frame.cx), std::max(0, Height() - frame.cy));
}

void TCustomForm::SetFormClientWidth(int value) {
  if (Loading()) {
    pendingClientWidth_ = value;
  } else {
    SetClientWidth(value);
  }
}

void TCustomForm::SetFormClientHeight(int value) {
  if (Loading()) {
    pendingClientHeight_ = value;
  } else {
    SetClientHeight(value);
  }
}

void TCustomForm::Loaded() {
  // The border style is known now, and with it the frame around the client.
  if (pendingClientWidth_ >= 0) SetClientWidth(pendingClientWidth_);
  if (pendingClientHeight_ >= 0) SetClientHeight(pendingClientHeight_);
  pendingClientWidth_ = pendingClientHeight_ = -1;
  TWinControl::Loaded();
  if (Visible()) ShowingChanged();
}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}
