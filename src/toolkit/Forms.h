// Forms: top-level windows described by their own form resource, and the
// screen object that knows every form of the program.
#pragma once

#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/Forms_Scrolling.h"

class TMenuItem;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                       poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrAll = mrNo + 1;
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;

class TCustomForm : public TScrollingWinControl {
  T_CLASS(TCustomForm, TScrollingWinControl)

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Reads the form resource named by the class, then fires OnCreate.
  void AfterConstruction() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);
  TIcon* Icon() const { return icon_.get(); }
  void SetIcon(TIcon* icon) { icon_->Assign(icon); }
  // Gives the window its icon, or the program's while it has none of its own.
  void UpdateIcon();
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  TComponent* Menu() const { return menu_; }
  void SetMenu(TComponent* menu);

  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int value) { textHeight_ = value; }
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }

  TRect ClientRect() override;
  // While the form is read, the client size waits for the border style.
  int FormClientWidth() { return ClientWidth(); }
  int FormClientHeight() { return ClientHeight(); }
  void SetFormClientWidth(int value);
  void SetFormClientHeight(int value);

  void Show();
  // Shows the form modally: other windows are disabled until ModalResult is set.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  bool Modal() const { return modal_; }
  // Asks OnCloseQuery, then OnClose decides what happens (hide by default).
  void Close();
  bool CloseQuery();
  bool Active() const;
  // Moves the focus to the next (or previous) control in tab order.
  void SelectNext(bool forward);
  // Frees the form after the message being handled (safe inside its own events).
  void Release();

  void WndProc(TMessage& message) override;

  // MDI: an fsMDIForm holds its fsMDIChild forms in the "MDIClient" window
  // ClientHandle; WindowMenu lists them. The arrangements act on the client.
  HWND ClientHandle() const { return clientHandle_; }
  int MDIChildCount() const;
  TCustomForm* MDIChildren(int index) const;
  TCustomForm* ActiveMDIChild() const;
  TMenuItem* WindowMenu() const { return windowMenu_; }
  void SetWindowMenu(TMenuItem* item);
  void Cascade();
  void Tile(bool horizontal = false);
  void ArrangeIcons();
  void Next();
  void Previous();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Loaded() override;
  void DefaultHandler(TMessage& message) override;

 private:
  void ShowingChanged();
  void PlaceOnScreen();
  bool DialogKey(WPARAM key, LPARAM shift);
  // MDI: the styles and parent of an fsMDIChild's window, the client of an
  // fsMDIForm, and the MDI form children are created in.
  void MdiCreateParams(TCreateParams& params);
  void CreateMdiClient();
  static TCustomForm* MdiMainForm();
  // The non-client size the window will have, for client sizes without a window.
  SIZE FrameSize();

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TPosition position_ = TPosition::poDesigned;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TWindowState windowState_ = TWindowState::wsNormal;
  std::unique_ptr<TIcon> icon_;
  bool keyPreview_ = false;
  TComponent* menu_ = nullptr;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool shownOnce_ = false;
  int pendingClientWidth_ = -1;
  int pendingClientHeight_ = -1;
  int pixelsPerInch_ = 96;
  int textHeight_ = 12;
  bool oldCreateOrder_ = false;
  HWND clientHandle_ = nullptr;
  TMenuItem* windowMenu_ = nullptr;
};

class TForm : public TCustomForm {
  T_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* owner);
};

// Every form of the program, newest last, and the one that is active.
class TScreen : public TComponent {
  T_CLASS(TScreen, TComponent)

 public:
  explicit TScreen(TComponent* owner);

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
  // The form whose window is active (or owns the active window), or null.
  TCustomForm* ActiveForm() const;
  HCURSOR Cursors(TCursor cursor) const { return CursorHandle(cursor); }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  int Width() const;
  int Height() const;

  void AddForm(TCustomForm* form) { forms_.push_back(form); }
  void RemoveForm(TCustomForm* form);

 private:
  std::vector<TCustomForm*> forms_;
  TCursor cursor_ = crDefault;
};

extern TScreen* const Screen;

const TEnumInfo& FormBorderStyleType();
const TEnumInfo& PositionType();
const TEnumInfo& FormStyleType();
const TEnumInfo& WindowStateType();
const TEnumInfo& CloseActionType();

// The form a control lies on, or null.
TCustomForm* GetParentForm(TControl* control);
// Offers a dialog key (Tab, Return, Escape, arrows) that the focused control
// does not take to its form as CM_DIALOGKEY; true when the form used it.
bool OfferDialogKey(const MSG& msg);

// Ctrl+F4, Ctrl+F6 and Ctrl+Tab in a window of the MDI form close and
// cycle its child forms; true when the key was one of them.
bool TranslateMdiKey(MSG& msg);
// Makes the toolkit's standard control classes known to form resources.
void RegisterStandardControls();
