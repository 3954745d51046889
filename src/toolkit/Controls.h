// Controls: the visual components. A TControl has bounds inside its parent,
// text, colour, font, cursor and mouse events; a TWinControl owns a window
// (made on demand from a toolkit window class) and holds child controls; a
// TGraphicControl has no window: its parent paints it and hands it the mouse.
// Every message a control handles passes through its WindowProc, which any
// code may replace and restore.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Graphics.h"
#include "toolkit/Messages.h"

class TWinControl;

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};
// A window the toolkit asked the platform for could not be made.
class EOSError : public Exception {
 public:
  using Exception::Exception;
};

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBorderStyle { bsNone, bsSingle };

// Cursors are numbers: 0 the default, negative ones the standard cursors.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
const TIdentMap& CursorIdents();

// What kind of control a class is (fixed by the class).
enum class TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
  csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
  csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csParentBackground
};
using TControlStyle = TSet<TControlStyleItem>;
// What a control is doing now.
enum class TControlStateItem { csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
                               csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking };
using TControlState = TSet<TControlStateItem>;

using TWndMethod = std::function<void(TMessage&)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// Window creation values a windowed control fills in CreateParams.
struct TCreateParams {
  AnsiString Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  AnsiString WinClassName;    // the toolkit class registered for the control
  AnsiString SubClassOf;      // a standard class the toolkit class is made from ("Edit")
  UINT ClassStyle = CS_DBLCLKS;
  HBRUSH Background = nullptr;
};

class TControl : public TComponent {
  T_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // A control made in code whose text is its name takes the new name as text.
  void SetName(const AnsiString& name) override;
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.left, r.top, RectWidth(r), RectHeight(r)); }
  virtual TRect ClientRect();
  int ClientWidth() { return RectWidth(ClientRect()); }
  int ClientHeight() { return RectHeight(ClientRect()); }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  // Where this control's client area lies in its parent's client area.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(TPoint point);
  TPoint ScreenToClient(TPoint point);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors) { anchors_ = anchors; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and every parent visible (for windowed controls: the window shows).
  bool IsShowing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  AnsiString Caption() { return GetText(); }
  void SetCaption(const AnsiString& text) { SetText(text); }
  AnsiString Text() { return GetText(); }
  void SetTextProperty(const AnsiString& text) { SetText(text); }
  virtual AnsiString GetText();
  virtual void SetText(const AnsiString& text);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* font) { font_->Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  const AnsiString& Hint() const { return hint_; }
  void SetHint(const AnsiString& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode) { biDiMode_ = mode; }
  // The popup menu a right click (WM_CONTEXTMENU) shows when it AutoPopups.
  TComponent* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* menu) { popupMenu_ = menu; }
  bool UseRightToLeftReading() const { return biDiMode_ != TBiDiMode::bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return biDiMode_ == TBiDiMode::bdRightToLeft; }

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
  TControlState ControlState() const { return controlState_; }

  // Every message goes through WindowProc; it starts as WndProc and may be
  // replaced (and put back) by anyone who wants to see the messages first.
  TWndMethod WindowProc;
  LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  // The handling after WndProc: for windowed controls the window's own procedure.
  virtual void DefaultHandler(TMessage& message);

  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  void Loaded() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;

 protected:
  friend class TWinControl;

  virtual void Resize();
  virtual void VisibleChanging() {}
  // Parent colour and font follow the parent while ParentColor/ParentFont.
  void ParentColorChanged();
  void ParentFontChanged();
  void ParentShowHintChanged();
  void RequestAlign();
  void MarkClicked() { controlState_.Include(TControlStateItem::csClicked); }
  TShiftState ShiftFromKeys(WPARAM keys) const;
  virtual void FontChanged();

  TControlStyle controlStyle_;
  TControlState controlState_;
  AnsiString text_;

 private:
  void HandleMouse(TMessage& message);
  void SetBoundsWithoutAlign(int left, int top, int width, int height);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TCursor cursor_ = crDefault;
  AnsiString hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
  TComponent* popupMenu_ = nullptr;
  bool applyingParentFont_ = false;
};

class TWinControl : public TControl {
  T_CLASS(TWinControl, TControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The control's window, made (with its parent's) when first asked for.
  // Raises EOSError when the window cannot be made.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (after CM_RECREATEWND) and makes a new one (and
  // its children's) in its place, keeping the focus; each control keeps
  // its own state (text, items, selection, scroll position) across it.
  void RecreateWnd();
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(TControl* control) const;
  // The visible child at a client point, topmost first; windowed children
  // only when `includeWindowed`.
  TControl* ControlAtPos(TPoint point, bool allowDisabled, bool includeWindowed = false);

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  // Every windowed descendant in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  bool Focused();
  virtual void SetFocus();
  bool CanFocus() const;

  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }

  void SetBounds(int left, int top, int width, int height) override;
  TRect ClientRect() override;
  TPoint ClientOrigin() override;
  AnsiString GetText() override;
  void SetText(const AnsiString& text) override;
  void SetEnabled(bool enabled) override;

  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  // Paints the visible windowless children into `dc` (whose origin is this
  // control's client origin); `first` limits it to that child and those above.
  void PaintControls(HDC dc, TControl* first);

  void Realign() { AlignControl(nullptr); }
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  virtual void DestroyHandle();
  // Runs once the window exists: children's windows are made here.
  virtual void CreateHandle();
  virtual void AlignControls(TControl* control, TRect& rect);
  // The part of the client area that aligned children share (inside borders).
  virtual void AdjustClientRect(TRect& rect) { (void)rect; }
  virtual void PaintWindow(HDC dc);
  virtual void PaintHandler(TMessage& message);
  void SetBorderStyleValue(TBorderStyle style);
  void UpdateShowing();
  // Sends a message to every child control.
  void NotifyControls(UINT message);

  bool showing_ = false;

 private:
  friend class TControl;
  void MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  static LRESULT InitWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void AttachWindow(HWND hwnd);
  void DetachWindow();
  void RouteMouseToControls(TMessage& message, bool& handled);
  void ReflectNotification(TMessage& message, bool& handled);
  bool SetCursorFromControls(TMessage& message);
  void AnchorControls(SIZE oldClient, SIZE newClient);
  // The brush of the control's colour (background, reflected WM_CTLCOLOR).
  HBRUSH ColorBrush();
  // Lays out the children; `control` (the one that asked) goes first among equals.
  void AlignControl(TControl* control);
  void UpdateBounds();

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC objectInstance_ = nullptr;  // the window procedure that reaches this control
  WNDPROC defWndProc_ = nullptr;      // the class's own procedure (DefWindowProc or the standard class's)
  std::vector<TControl*> controls_;     // windowless and windowed children, in z-order (bottom first)
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  bool parentBackground_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsNone;
  int alignDisabled_ = 0;
  bool aligning_ = false;
  SIZE lastClient_{-1, -1};
  HBRUSH brush_ = nullptr;
  COLORREF brushColor_ = 0;
};

// A windowless control: painted by its parent on the parent's DC.
class TGraphicControl : public TControl {
  T_CLASS(TGraphicControl, TControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  TCanvas* Canvas() { return canvas_.get(); }
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};

// A windowed control that paints itself on its own canvas.
class TCustomControl : public TWinControl {
  T_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  TCanvas* Canvas() { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  std::unique_ptr<TCanvas> canvas_;
};

// The window property naming the control object of a toolkit window:
// "ControlOfs" followed by the module instance and the thread id in hex.
ATOM ControlAtom();
const AnsiString& ControlAtomString();
// The toolkit control of a window, or null for any other window.
TWinControl* FindControl(HWND hwnd);
// The toolkit control under a screen point (windowless ones included).
TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled);
// The control the mouse is over now (null when none); CM_MOUSEENTER and
// CM_MOUSELEAVE are sent as it changes.
TControl* MouseControl();
// Called by windows as the mouse moves: the mouse is now over `control`.
void SetMouseControl(TControl* control);
// A control going away is no longer the mouse or capture control.
void ForgetMouseControl(TControl* control);
// Focus notifications: a control that gained the focus tells every control
// of its top-level parent (CM_FOCUSCHANGED, lParam the control); one that
// lost it gets CM_EXIT.
void NotifyFocusMoved(TWinControl* control, bool gained);
// Sends `message` to `root` and every control below it, parents first.
void BroadcastToControls(TControl* root, UINT message, WPARAM wParam, LPARAM lParam);

// Cursor numbers and the platform cursors they stand for.
TCursor StringToCursor(std::string_view text);
HCURSOR CursorHandle(TCursor cursor);

// The standard enumeration types the controls publish.
const TEnumInfo& AlignType();
const TEnumInfo& AnchorKindType();
const TEnumInfo& BiDiModeType();
const TEnumInfo& AlignmentType();
const TEnumInfo& BorderStyleType();
const TEnumInfo& MouseButtonType();
