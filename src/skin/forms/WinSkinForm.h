// The skinning of top-level windows, and the skin picture painters that every
// window and control skin draws with.
#pragma once

#include <memory>
#include <vector>

#include "platform/gdi/gdi.h"
#include "toolkit/Controls.h"
#include "toolkit/Graphics.h"

// ---------------------------------------------------------------------------
// Skin picture painters
//
// A skin picture holds `frameCount` equal frames side by side (frame width =
// picture width ÷ frameCount) or, with the vertical flag, stacked (frame
// height = picture height ÷ frameCount); frames are numbered from 1. Margins
// and caps are pixel counts measured inward from a frame's edges, held in a
// rectangle's left, top, right and bottom. Magenta (0xFF00FF) is the key
// colour of transparent drawing. Stretching drops or repeats pixels
// (COLORONCOLOR).
//
// A destination rectangle with right < left or bottom < top draws nothing, and
// so does a missing or empty picture or a frame count below 1. The painters
// draw the result a composing memory bitmap would give: where the parts tile
// the destination exactly they are drawn straight onto it, else composed in
// a bitmap and transferred in one operation.

// The key colour of transparent skin pictures.
constexpr TColor kSkinKeyColour = 0xFF00FF;

// Nine-part scaling of one frame into a new bitmap of the destination's size
// (only the size of `dest` is used): the corners keep their size, the edges
// stretch along their length, the centre is stretched or tiled. Margins that do
// not fit the destination count as 0 in that direction. The caller owns the
// result; null when nothing can be drawn.
std::unique_ptr<TBitmap> BuildSkinPicture(const TRect& dest, TBitmap* picture, const TRect& margins, bool vertical,
                                          bool tile, int frameCount, int frame);

// BuildSkinPicture drawn at `dest`, magenta-transparent or opaque.
void PaintSkinPicture(HDC dc, const TRect& dest, TBitmap* picture, bool vertical, bool tile, bool transparent,
                      int frameCount, int frame, const TRect& margins);

// The `source` part of the picture repeated unscaled over `dest`, row by row
// from the top-left; the last row and column may run past `dest`.
void TilePicture(TCanvas* canvas, const TRect& dest, TBitmap* picture, const TRect& source);

// Three-part horizontal strip: the left cap, the middle part repeated (each
// copy stretched to the full height) and the right cap. A frame whose caps
// leave no middle part draws only the caps.
void PaintSkinStrip(TCanvas* canvas, const TRect& dest, TBitmap* picture, bool vertical, bool transparent,
                    int frameCount, int frame, const TRect& caps);

// The whole frame stretched into `dest`.
void PaintFrameCell(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame);

// The frame at its own size, centred in `dest`.
void PaintFrameCentered(HDC dc, const TRect& dest, TBitmap* picture, bool transparent, int frameCount, int frame);

// Straight onto the DC, every part stretched to the rectangle's height: the
// whole frame when the rectangle is narrower than it, else the left cap, the
// stretched middle and the right cap.
void PaintSkinBar(HDC dc, const TRect& dest, TBitmap* picture, bool vertical, int frameCount, int frame,
                  const TRect& caps);

// The top-left part of the bitmap of `dest`'s size (no stretching) drawn at
// `dest` so that pixels of the key colour leave the destination unchanged:
// with MaskBlt on the NT family, with three blits on the 9x family.
void DrawMasked(HDC dc, const TRect& dest, TBitmap* bitmap, TColor key);

// The region of the bitmap's opaque pixels, moved by the offsets. A pixel is
// transparent when each of its channels lies between the key colour's value
// and that value plus the channel's tolerance (capped at 255). The bitmap is
// switched to 32 bits per pixel. The caller owns the region; every pixel
// transparent gives an empty region, a null bitmap no region.
HRGN RegionFromBitmap(TBitmap* bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, TColor key);

// -- Parent background and tool bars (the control skins draw with these) ----
class TToolBar;
class TToolButton;
class TWinSkinForm;
enum class TCustomDrawStateItem;

// Paints the control's parent under the control into `dc` (whose origin is
// the control's top-left): the parent erases and paints itself into the DC,
// moved and clipped to the control's bounds. Nothing for a control without
// a parent.
void PaintParentBackground(TControl* control, HDC dc);
// A tool bar's background: the skin's tool-bar picture stretched over `rect`
// of the tool bar's canvas, unless the skin has none or its options ask for
// the tool bar's own background.
void PaintToolbarBackground(TWinSkinForm* form, TToolBar* toolbar, const TRect& rect);
// A tool button in the skin's button frames: pressed when selected, hot when
// focused or hot, normal when only default; other states draw nothing.
void PaintToolbarButton(TWinSkinForm* form, TToolBar* toolbar, TToolButton* button,
                        TSet<TCustomDrawStateItem> state);

// ---------------------------------------------------------------------------
// Form skinning
//
// A TWinSkinForm is the skinning object of one top-level window: a form of
// the program, a message form, a system dialog or an MDI child. It subclasses
// the window, claims the skin's frame sizes in WM_NCCALCSIZE, paints the whole
// non-client area itself and clips the window to a region cut from the frame
// pictures. Non-client rectangles are held in frame coordinates: origin at
// the window's top-left corner.

class TSkinData;
class TDataSkinSysButton;
class TWinSkinForm;
class TControl;
class TPopupMenu;
class TMenuItem;
class TMenuBar;
class TMenuBtn;
class TTimer;
class TFont;
class TSkinControl;
struct TMessage;

// The hot objects of the non-client area: caption buttons (and menu-bar
// items). Mouse states: 1 normal, 2 pressed, 3 hot.
class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm* form) : FForm(form) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm* FForm;
  TRect FRect{};
  bool FVisible = false;
  int FMouseState = 1;
  bool FEnabled = true;
};

// One caption button, drawn from its model button.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm* form, TDataSkinSysButton* model) : TNCObject(form), FModel(model) {}
  void Paint() override;

  TDataSkinSysButton* FModel;
};

#include "skin/forms/WinSkinForm_MenuBar.h"

// Window kinds, border styles, show states and object states.
constexpr int kKindPlain = 0;
constexpr int kKindMDIFrame = 1;
constexpr int kKindMDIChild = 2;

constexpr int kBorderSizeable = 0;
constexpr int kBorderSingle = 1;
constexpr int kBorderNone = 2;
constexpr int kBorderDialog = 3;

constexpr int kIconMaximize = 1;
constexpr int kIconMinimize = 2;
constexpr int kIconHelp = 4;
constexpr int kIconSystemMenu = 8;
constexpr int kIconKeepSysMenuStyle = 0x10;

constexpr int kShowNormal = 0;
constexpr int kShowMaximized = 1;
constexpr int kShowMinimized = 2;

constexpr int kStateAttached = 0;
constexpr int kStateReady = 1;
constexpr int kStateReapplying = 3;
constexpr int kStateDetaching = 4;
constexpr int kStateInitialResize = 5;
constexpr int kStateDead = 6;

class TWinSkinForm {
 public:
  // `formControl` is the form object that owns the window, or null.
  explicit TWinSkinForm(TControl* formControl);
  ~TWinSkinForm();
  TWinSkinForm(const TWinSkinForm&) = delete;
  TWinSkinForm& operator=(const TWinSkinForm&) = delete;

  // -- Attaching and detaching (core) ---------------------------------------
  void BindForm(TSkinData* skin, TControl* form);
  void SkinWindow(TSkinData* skin);
  void FinishAttach();
  void ResizeToClient(bool keepCurrent);
  void ReapplySkin();
  void AfterSkin();
  void Detach();
  void DetachLight();
  void DetachUnskinned();
  void ReadShowState();
  bool Subclassed() const { return FNewWndProc != nullptr; }
  // The control attach pass over the window's controls (the control skins
  // install it); null runs nothing.
  static void (*ControlAttachPass)(TWinSkinForm* form);
  // Hands a size grip created under this window to the control skins; null
  // leaves it alone.
  static void (*SizeGripHandOver)(TWinSkinForm* form, HWND grip);

  // -- Window procedures ----------------------------------------------------
  LRESULT SkinWndProc(UINT message, WPARAM wParam, LPARAM lParam);
  void FormWindowProc(TMessage& message);
  LRESULT MDIClientWndProc(HWND client, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);
  void HoverTimerTick();
  // A screen point in frame coordinates.
  TPoint ScreenToFrame(TPoint screen) const;
  TPoint ScreenToFrame(LPARAM packedScreenPoint) const;

  // -- Frame painting and region --------------------------------------------
  void BuildFrame();
  void SetSysMenuStyle(bool remove);
  LRESULT NCPaintEntry(WPARAM wParam, LPARAM lParam);
  void PaintNonClient(HDC dc);
  void PaintFrameSide(int index, const TRect& rect, HDC dc);
  void PaintCaption(HDC dc);
  void DrawCaptionText(TCanvas* canvas, const TRect& titleRect);
  void UpdateRegion();
  void ClearRegion();

  // -- Caption buttons, system menu, hit testing -----------------------------
  void BuildButtons();
  void FreeButtons();
  void BuildIconPicture();
  void LayoutButtons();
  bool IsButtonVisible(TWinSysButton& button);
  void PaintButtons(HDC dc);
  TWinSysButton* ButtonAt(TPoint framePoint) const;
  void DoButtonAction(int x, int y);
  void DoMaximize();
  void DoMinimize();
  void DoRestore();
  void ShowSystemMenu(TPoint screen);
  void BuildSystemMenu();
  LRESULT NCHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT NCMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT SysCommand(WPARAM wParam, LPARAM lParam);
  LRESULT CommandAsSysCommand(WPARAM wParam, LPARAM lParam);
  // The window is maximised / minimised / an MDI child.
  bool Maximized() const { return FShowState == kShowMaximized; }
  bool Minimized() const { return FShowState == kShowMinimized; }

  // -- Menu bar (WinSkinForm_MenuBar*.cpp) -----------------------------------
  // The first enabled, visible item whose caption has `key` as accelerator.
  TMenuBtn* AcceleratorItem(WCHAR key) const;
  // Opens the item's drop-down (after posting its command); false when it
  // has none.
  bool OpenItem(TMenuBtn* item);
  // Posts the click on `item` that closes an open drop-down and opens its.
  void SwitchToItem(TMenuBtn* item);
  // Message 0x3518: opens the bar item under a screen point.
  LRESULT OpenItemAtPoint(LPARAM screenPoint);
  // CM_DIALOGKEY: Alt with an item's accelerator switches to that item.
  void MenuDialogKey(TMessage& message);
  // The bar's items again from the window's (new) menu, laid out and shown.
  void MenuBarChanged(bool afterMDISetMenu);
  // Creates the bar for the window's menu at attach; frees it at detach,
  // handing the window its menu back when `restoreMenu`.
  void CreateMenuBar();
  void FreeMenuBar(bool restoreMenu);

  // -- Fields (read and written by the engine's units) -----------------------
  TWndMethod FOldWindowProc;
  WNDPROC FOldWndProc = nullptr;
  WNDPROC FNewWndProc = nullptr;
  WNDPROC FOldClientProc = nullptr;
  WNDPROC FNewClientProc = nullptr;
  std::unique_ptr<TFont> FCaptionFont;
  std::unique_ptr<TTimer> FHoverTimer;
  WideString FCaptionPrefix;
  WideString FCaptionSuffix;
  AnsiString FClassName;
  bool FSavedMenuUpdate = false;
  bool FFrameSkinned = false;
  TRect FClientRect{};
  DWORD FLastIconClick = 0;
  DWORD FDoubleClickTime = 0;
  int FCaptionTextWidth = 0;
  HWND FOwnerWindow = nullptr;
  HICON FIcon = nullptr;
  int FIconSize = 0;
  WideString FCaptionText;
  int FBorderLeft = 0;
  int FTitleHeight = 0;
  int FBorderRight = 0;
  int FBorderBottom = 0;
  TRect FWindowRect{};
  TRect FTitleTextRect{};
  TRect FInitialNCSize{};
  int FMenuBarHeight = 0;
  int FButtonCount = 0;
  bool FMenuTracking = false;
  bool FRightToLeft = false;
  bool FThickFrame = false;
  bool FUnicode = false;
  bool FDialogClass = false;
  bool FIsChild = false;
  std::unique_ptr<TPopupMenu> FSysMenuPopup;
  HWND FMDIClientWindow = nullptr;
  HMENU FMenuHandle = nullptr;
  HMENU FSystemMenu = nullptr;
  HMENU FOpenSubMenu = nullptr;
  TColor FSavedColor = 0;
  DWORD FStyle = 0;
  int FRightExtent = 0;
  TNCObject* FHotObject = nullptr;
  bool FRegionSet = false;
  HRGN FRegion = nullptr;
  TControl* FFormControl = nullptr;
  HWND FHandle = nullptr;
  std::unique_ptr<TCanvas> FCanvas;
  std::unique_ptr<TCanvas> FControlCanvas;
  TSkinData* FSkin = nullptr;
  std::unique_ptr<TMenuBar> FMenuBar;
  std::vector<std::unique_ptr<TWinSysButton>> FButtons;
  std::unique_ptr<TBitmap> FIconBitmap;
  std::unique_ptr<TBitmap> FCaptionBitmap;
  int FWindowWidth = 0;
  int FWindowHeight = 0;
  int FRegionWidth = 0;
  int FRegionHeight = 0;
  bool FActive = true;
  int FKind = kKindPlain;
  int FBorderStyle = kBorderSizeable;
  int FBorderIcons = 0;
  int FShowState = kShowNormal;
  int FState = kStateAttached;
  AnsiString FManagerClassName;

  // -- Control skins (TSkinControl, skin/controls/WinSubClass.h) -------------
  // The control skinning objects of this window, in attach order; the list
  // holds references, and frees entries when it purges or releases them.
  std::vector<TSkinControl*> FControls;
  // True when `object` is listed already; otherwise it is appended.
  bool RegisterControl(TSkinControl* object);
  // Removes the last occurrence of `object`.
  void UnregisterControl(TSkinControl* object);
  TSkinControl* FindWindowSkin(HWND window) const;
  // Frees every object whose window was destroyed, last first.
  void FreeDeadControls();
  // Detaches (unless dead) and frees every object, first first.
  void FreeControls();
  // A scrolling control's window was re-created: its skin object is made
  // again for the new window.
  void ReattachScrolling(HWND window);

 private:
  void Subclass();
  void RestoreWindowProc();
  // What both detaches do first: the system menu and the hover timer go, the
  // form object and the window get their procedures back. False when the
  // window was not subclassed.
  bool ReleaseHooks();
  void HookMDIClient();
  void UnhookMDIClient();
  void ReadBorderStyle();
  void OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNCCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNCActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnMenuChanged(UINT message, WPARAM wParam, LPARAM lParam);
  void RestoreFrameSize();
  void SetFormColor(TColor color);
  bool ActiveChildMaximized() const;
  friend class TMenuBar;
};

// The shared scratch bitmap of the window skinning (the menu bar's buffer);
// non-client painting does nothing while it does not exist.
TBitmap* SkinScratchBitmap();
