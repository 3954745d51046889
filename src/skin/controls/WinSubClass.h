// The control skinning framework: the base of every control skin, the
// helpers they share, the registry that tells the attach pass which skin
// class serves which kind of control, and the attach pass itself.
//
// A control skin (a TSkinControl descendant) takes over the messages of one
// control: a toolkit control through its WindowProc, a bare window through
// its window procedure. It lets the control paint itself and then draws the
// skin over the whole window. It gives everything back when it is destroyed,
// whichever of the control, the skin component and the form skinning object
// goes first.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/user/user.h"
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "toolkit/Component.h"
#include "toolkit/Controls.h"
#include "toolkit/Graphics.h"

class TSkinData;
class TWinSkinForm;
class TFont;
class TPicture;

// ---------------------------------------------------------------------------
// Object states and mouse bits.

constexpr int kSkinControlAttached = 1;
constexpr int kSkinControlDead = 6;

constexpr std::uint8_t kMouseHot = 0x01;      // the pointer is over the control
constexpr std::uint8_t kMousePressed = 0x02;  // left button or space held

// ---------------------------------------------------------------------------
// The skin classes the attach pass creates. Each is registered with a factory
// by the file that implements it (see RegisterControlSkin); a class without a
// factory is skipped by the attach pass.

enum class TSkinClass {
  None,
  Tab,          // TSkinTab
  TabBtn,       // TSkinTabBtn
  Tab31,        // TSkinTab31
  TabSheet,     // TSkinTabSheet
  AdvPage,      // TSkinAdvPage
  Header,       // TSkinHeader
  CheckBox,     // TSkinCheckBox
  RadioButton,  // TSkinRadioButton
  ObjImage,     // TSkinObjImage
  TrackBar,     // TSkinTrackBar
  Progress,     // TSkinProgress
  UpDown,       // TSkinUpDown
  MediaPlayer,  // TSkinMP
  GroupBox,     // TSkinGroupBox
  Box,          // TSkinBox
  BoxH,         // TSkinBoxH
  StatusBar,    // TSkinStatusBar
  ScControl,    // TSkinScControl
  Scrollbar,    // TSkinScrollbar
  ListView,     // TSkinListView
  ComBox,       // TSkinComBox
  Edit,         // TSkinEdit
  DateTime,     // TSkinDateTime
  Button,       // TSkinButton
  BitButton,    // TSkinBitButton
  SpeedButton,  // TSkinSpeedButton
  MenuButton,   // TSkinMenuButton
  Sizer,        // TSkinSizer
};
constexpr int kSkinClassCount = static_cast<int>(TSkinClass::Sizer) + 1;

// The class name ("TSkinButton"), "" for None.
const char* SkinClassName(TSkinClass cls);

// ---------------------------------------------------------------------------
// TSkinControl: the base of every control skin.

class TSkinControl : public TComponent {
  T_CLASS(TSkinControl, TComponent)

 public:
  // `owner` is the control this object skins (it frees the object with
  // itself), or null for an object that skins a bare window (the form
  // skinning object frees those).
  explicit TSkinControl(TComponent* owner);
  // Gives back the control's WindowProc and the window's procedure and
  // leaves the form's control list. Does not call Detach.
  ~TSkinControl() override;

  // -- Virtual operations -------------------------------------------------
  // Takes over the owner control. Does nothing when already attached.
  virtual void AttachControl(TWinSkinForm* form, TSkinData* skin, TCanvas* canvas, bool changeColor);
  // Takes over a bare window by replacing its window procedure.
  virtual void AttachWindow(HWND handle, TSkinData* skin, TCanvas* canvas, TWinSkinForm* form);
  // Undoes what attaching changed on the control (colour, ParentBackground).
  virtual void Detach();
  // Runs before the previous procedure: true passes the message on (and
  // AfterMessage runs afterwards), false means the skin handled it.
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  // Draws the skin over the whole window; a null DC uses the window DC.
  virtual void PaintFrame(HDC dc);
  // Draws the skin into `dc`; `rect` is the window rectangle moved to 0,0.
  virtual void Draw(HDC dc, const TRect& rect);
  // The skin changed: the face colour again, then Refresh.
  virtual void SkinChanged();

  // -- Operations ---------------------------------------------------------
  // Every message of the skinned control or window enters here.
  void ControlWndProc(TMessage& message);
  // The control's own handling: the saved WindowProc, or the previous window
  // procedure (ANSI call) for a bare window.
  void CallDefault(TMessage& message);
  // Repaints the paint target, or the window at once.
  void Refresh();
  void FillFace(HDC dc, const TRect& rect);
  void FillParentColor(HDC dc, const TRect& rect);
  // The parent's published "Color" when it has one of integer kind, else
  // `defaultColor`.
  TColor ParentColor(TColor defaultColor);
  // A focus rectangle around the caption as `flags` lay it out in `rect`.
  void DrawTextFocus(HDC dc, const TRect& rect, UINT flags);
  // Calls the control's MouseDown with the left button for a button-down
  // message.
  void ForwardMouseDown(TMessage& message);
  // Switches the control's published "ParentBackground" off (On) or back on.
  void ApplyParentBackground(bool on);
  // Whether the object is in state Dead (its window was destroyed).
  bool Dead() const { return FState == kSkinControlDead; }

  // -- Fields -------------------------------------------------------------
  std::uint8_t FMouseState = 0;
  TCanvas* FCanvas = nullptr;
  bool FEnabled = false;
  bool FFocused = false;
  WideString FCaption;
  WNDPROC FThunk = nullptr;         // installed by AttachWindow
  WNDPROC FPrevWndProc = nullptr;   // the procedure the thunk replaced
  bool FSkinEnabled = true;         // SKM_ENABLE; false after WM_NCDESTROY
  bool FUnicode = false;            // IsWindowUnicode at attach
  TSkinData* FSkin = nullptr;
  HWND FHandle = nullptr;
  TWndMethod FSavedWindowProc;      // the control's WindowProc before attach
  TControl* FControl = nullptr;     // null when attached by handle
  TRect FWindowRect{};              // screen rectangle of the last PaintFrame
  TControl* FPaintTarget = nullptr; // Refresh invalidates it instead of the window
  bool FChangeColor = false;
  TColor FSavedColor = 0;
  bool FAttached = false;
  int FState = 0;
  TWinSkinForm* FForm = nullptr;
  int Mode = 0;
  bool FParentBackgroundWasTrue = false;
  // The class the attach pass made this object as (for the re-attach).
  TSkinClass FSkinClass = TSkinClass::None;
  // The control's window is being made again (CM_RECREATEWND): the object
  // stays attached and follows the new window.
  bool FRecreating = false;

 private:
  void RestoreControlWindowProc();
  void FollowNewWindow();
};

// ---------------------------------------------------------------------------
// Free helpers shared by the control skins.

void FillColor(HDC dc, const TRect& rect, TColor colour);
// A popup window (WS_POPUP).
bool IsPopupWindow(HWND handle);
// `dest` takes the size and pixel format of `source`, then its picture.
void CopyBitmap(TBitmap* source, TBitmap* dest);
// The window's text as wide text (wide calls on the NT family, WM_GETTEXT
// into 1000 characters otherwise).
WideString GetWindowCaption(HWND handle);
// The window has scroll bars of its own (WS_HSCROLL or WS_VSCROLL).
bool HasScrollBars(TControl* control);
// Puts an overlay window (a sibling of `target`) directly above `target` in
// the z-order, at (x, y) of their parent's client area with the given size:
// insert-after the window above the target, so that the overlay covers the
// target and nothing above it.
void PlaceOverlayAbove(HWND overlay, HWND target, int x, int y, int width, int height);

// ---------------------------------------------------------------------------
// Published properties by name. Any class with a property of the name is
// served the same; a null instance, a missing property or one of another
// kind gives the documented default and never raises.

bool HasPropByName(TObject* instance, std::string_view name);
// Integer kind: the value; -1 otherwise.
long long GetOrdPropByName(TObject* instance, std::string_view name);
// Enumeration kind (booleans "True"/"False" among them): the identifier of
// the value; empty otherwise.
AnsiString GetEnumPropByName(TObject* instance, std::string_view name);
// Wide text: a wide string as it is, an 8-bit string converted, an
// enumeration's identifier; empty otherwise.
WideString GetTextPropByName(TObject* instance, std::string_view name);
// Set kind: the members as "a,b" (no brackets); empty otherwise.
AnsiString GetSetPropByName(TObject* instance, std::string_view name);
// An enumeration read as a boolean: "True" (any case) is true; a missing
// property gives `defaultValue`.
bool GetBoolPropByName(TObject* instance, std::string_view name, bool defaultValue);
// An integer property read as a colour; `defaultColour` when missing.
TColor GetColorPropByName(TObject* instance, std::string_view name, TColor defaultColour);
// The object of an object property when it is of class `cls` (or derived);
// null otherwise.
TObject* GetObjectPropByName(TObject* instance, std::string_view name, TClass cls);
TFont* GetFontPropByName(TObject* instance, std::string_view name);
// A picture property: a TPicture's bitmap, or a TBitmap property itself.
TBitmap* GetBitmapPropByName(TObject* instance, std::string_view name);
// Writes by text: integer kind from decimal, enumeration by identifier,
// string kinds as they are, a set from "a,b"; anything else nothing.
void SetPropByName(TObject* instance, std::string_view name, const AnsiString& text);
// Object kind: assigns `value` (the property copies it); anything else nothing.
void SetObjectPropByName(TObject* instance, std::string_view name, TObject* value);

// ---------------------------------------------------------------------------
// The registry of skin classes.

// What the attach pass asks a factory to make and attach.
struct TSkinAttachRequest {
  TSkinClass Class = TSkinClass::None;
  TWinSkinForm* Form = nullptr;
  TSkinData* Skin = nullptr;
  TCanvas* Canvas = nullptr;
  TControl* Control = nullptr;  // the control; null for a bare window
  HWND Window = nullptr;        // the bare window (null for a control)
  bool ChangeColor = false;     // the rule's "colour"
  int Mode = 0;                 // set before attaching (TSkinTab 2, TSkinScrollbar 1)
  // A class's own variant: the picture kind of TSkinObjImage (1 to 3), 4 for
  // TSkinAdvPage, 1 for TSkinComBox of an extended combo.
  int Variant = 0;
  AnsiString GlyphProperty;     // "PngImage" for the png button kinds, else empty
};

// Makes the object (owned by the control, or unowned for a bare window),
// attaches it the way its class attaches, and answers it; null when it
// declines.
using TControlSkinFactory = std::function<TSkinControl*(const TSkinAttachRequest& request)>;

// Installs the factory of a class and answers the one it replaces (empty
// when none); an empty factory removes the class.
TControlSkinFactory RegisterControlSkin(TSkinClass cls, TControlSkinFactory factory);
const TControlSkinFactory& ControlSkinFactory(TSkinClass cls);
// Makes and attaches through the class's factory, recording the class on the
// object; null when the class has no factory or the factory declined.
TSkinControl* CreateControlSkin(const TSkinAttachRequest& request);

// The common factory: `new T(control)`, Mode set, AttachControl; or, for a
// bare window, `new T(nullptr)` and AttachWindow.
template <class T>
TSkinControl* AttachStandard(const TSkinAttachRequest& request) {
  if (request.Control != nullptr) {
    auto* object = new T(request.Control);
    object->Mode = request.Mode;
    object->AttachControl(request.Form, request.Skin, request.Canvas, request.ChangeColor);
    return object;
  }
  auto* object = new T(nullptr);
  object->AttachWindow(request.Window, request.Skin, request.Canvas, request.Form);
  return object;
}

// Registers the factories of every skin class the engine has (one line per
// class in WinSubClass_Factories.cpp).
void RegisterBuiltinControlSkins();

// ---------------------------------------------------------------------------
// The attach pass: walks a form's controls (or a window's child windows) and
// gives each control it recognises its skin object.

class TSkinAttachPass {
 public:
  explicit TSkinAttachPass(TWinSkinForm* form);

  // The whole pass over a form object: dead objects freed, owned controls,
  // then the windowed descendants in tab order.
  void SkinAllControls(TControl* formControl);
  // Every child window (WS_CHILD) of `window` in z-order.
  void SkinChildWindows(HWND window);
  // One bare window by its class name and style.
  void SkinWindowControl(HWND window);
  // Every control owned by `component`.
  void SkinComponents(TComponent* component);
  // Every child control of `container`, in child order.
  void SkinChildControls(TControl* container);
  // One control: tag, event, Skin3rd map, then the built-in rules.
  void SkinControl(TControl* control, TControl* parent);
  // The Skin3rd map: true when a line names the class (whatever its kind).
  bool SkinThirdParty(const AnsiString& className, TControl* control);

 private:
  TSkinControl* Attach(TSkinClass cls, TControl* control, bool changeColor = false, int mode = 0, int variant = 0,
                       const AnsiString& glyphProperty = AnsiString());
  TSkinControl* AttachBare(TSkinClass cls, HWND window);
  bool Has(TSkinControlType type) const;
  bool IsSkinned(TControl* control) const;
  bool RuleTable(const AnsiString& className, TControl* control);
  void ApplyKind(const AnsiString& key, const AnsiString& kind, const AnsiString& className, TControl* control);
  void SkinToolBar(TControl* control);
  void SkinEmbeddedScrollbars(TControl* control);
  void SkinGroupChildren(TControl* control, TSkinClass childClass, int objImageKind, bool rzChildren);

  TWinSkinForm* FForm;
  TSkinData* FSkin;
};

// The pass as the form skinning object runs it at the end of its attach
// (TWinSkinForm::ControlAttachPass), and the size-grip hand-over.
void RunControlAttachPass(TWinSkinForm* form);
void HandOverSizeGrip(TWinSkinForm* form, HWND grip);
// Installs both hooks and the built-in skin classes; the engine calls it when
// it starts.
void InstallControlSkinning();
