// The skin model: the skin objects (pictures with their slicing margins,
// frame counts and flags), the caption button descriptions and the colour
// table that every skinned window and control draws from, and the loader that
// builds them from a skin package. TSkinData holds the model; the skin
// component that streams the package and drives the skin manager builds on it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/controls/controls.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"
#include "toolkit/Classes_Strings.h"
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"
#include "toolkit/StringList.h"

class TQuickIni;
class TSkinReader;
class TControl;
class TImageList;

// ---------------------------------------------------------------------------
// Skin objects. Every object owns its pictures; a picture the skin lacks is an
// empty bitmap, never null.

class TDataSkinObject {
 public:
  TDataSkinObject();
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  // The nine-part margins as the painters take them (left, top, right, bottom).
  TRect Margins() const { return Rect(LeftWidth, TopHeight, RightWidth, BottomHeight); }

  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
  std::unique_ptr<TBitmap> Picture;  // frames side by side (stacked where a painter says so)
  int Trans = 0;                     // 1: magenta pixels are transparent
  int Tile = 0;                      // centre tiled rather than stretched; "Stretch" for frame sides
  AnsiString Name;
  int Frame = 0;
  int Style = 0;
  int NormalColour = 0;  // text colours, -1 when the skin gives none
  int MouseOverColour = 0;
  int PressedColour = 0;
  TColor NormalColour2 = 0;  // second colour set, default the skin's "ButtonText"
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

// An object with a second picture: "Border" of "Tabs", the glyphs of the
// up-down buttons, the mirrored strip of "ComboButton".
class TDataSkinBorder : public TDataSkinObject {
 public:
  TDataSkinBorder();
  std::unique_ptr<TBitmap> Picture2;
};

// "Buttons": push buttons plus the check box and radio button strips.
class TDataSkinButton : public TDataSkinObject {
 public:
  TDataSkinButton();
  std::unique_ptr<TBitmap> CheckPicture;
  std::unique_ptr<TBitmap> RadioPicture;
  int RadioButtonFrame = 0;
  int CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// The caption: the base fields hold its layout (LeftWidth "TextShift",
// TopHeight "TextShiftVert", RightWidth "TextRightClip", Picture "TextBack").
class TDataSkinTitle : public TDataSkinObject {
 public:
  int TextAlignment = 0;
  int Textbackground = 0;
  int FontHeight = 0;
  int TXTBackleft = 0;
  int TXTBackRight = 0;
  TColor ActiveText = 0;  // clNone when the skin gives none
  TColor InActiveText = 0;
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  int Action = 0;
  int Align = 0;
  int Xcoord = 0;
  int Ycoord = 0;
  int CombineOp = 0;
  int Visibility = 0;
  int Visibility1 = 0;
};

// "GroupBox": the caption plate of group boxes.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  int BackgroundLeftShift = 0;
  int BackgroundRightShift = 0;
  int BackgroundAlignment = 0;
};

// ---------------------------------------------------------------------------
// The colour table: 19 entries keyed by the names of the skin's "Colours"
// section. Entries 9 and 10 are never set; entry 17 is the frame colour.

enum TSkinColourIndex {
  scWindowText = 0,
  scTitleTextActive = 1,
  scTitleTextNoActive = 2,
  scButtonFace = 3,
  scButtonText = 4,
  scButtonHilight = 5,
  scButtonlight = 6,
  scButtonShadow = 7,
  scButtonDkShadow = 8,
  scHilightText = 11,
  scHilight = 12,
  scMenubar = 13,
  scMenuBarText = 14,
  scMenuText = 15,
  scMenu = 16,
  scFrame = 17,
  scScrollbar = 18,
};
constexpr int SkinColourCount = 19;

// The key of each entry in "Colours" (empty for 9, 10 and 17).
extern const char* const SkinColourKeys[SkinColourCount];

// ---------------------------------------------------------------------------
// The skin component's switches.

enum class TSkinControlType {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
  xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
  xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};
using TSkinControlTypes = TSet<TSkinControlType>;

enum class TSkinOption {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
  xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoFormScrollbar
};
using TSkinOptions = TSet<TSkinOption>;

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

const TEnumInfo& SkinControlTypeInfo();
const TEnumInfo& SkinOptionInfo();
const TEnumInfo& SkinFormTypeInfo();

class TSkinData;
// Asked for each window class before a window is skinned; DoSkin in/out.
using TFormSkinEvent = std::function<void(TObject* Sender, const AnsiString& aName, bool& DoSkin)>;
// Before and after a form is skinned.
using TSkinFormEvent = std::function<void(TObject* Sender, HWND ahwnd, const AnsiString& aName)>;
// Lets the program supply or refuse the skin object of a control.
using TSkinControlEvent = std::function<void(TComponent* Sender, TSkinData* aSkin, TControl* aForm,
                                             TControl* aControl, const AnsiString& aClassName,
                                             TComponent*& aSkinObject)>;

constexpr char kSkinEngineVersion[] = "5.03.07.12";

// ---------------------------------------------------------------------------
// The skin component: holds the model, streams the package with its form,
// and drives the skin manager.

class TSkinData : public TComponent {
  T_CLASS(TSkinData, TComponent)

 public:
  explicit TSkinData(TComponent* owner = nullptr);
  ~TSkinData() override;
  TSkinData(const TSkinData&) = delete;
  TSkinData& operator=(const TSkinData&) = delete;

  // -- Published switches ---------------------------------------------------
  bool Active() const { return FActive; }
  void SetActive(bool value);
  int DisableTag() const { return FDisableTag; }
  void SetDisableTag(int value) { FDisableTag = value; }
  TSkinControlTypes SkinControls() const { return FSkinControls; }
  void SetSkinControls(TSkinControlTypes value) { FSkinControls = value; }
  TSkinOptions Options() const { return FOptions; }
  void SetOptions(TSkinOptions value) { FOptions = value; }
  TStrings* Skin3rd() const { return FSkin3rd.get(); }
  void SetSkin3rd(TStrings* lines);
  const AnsiString& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const AnsiString& name);
  AnsiString SkinStore() const;
  void SetSkinStore(const AnsiString&) {}
  TSkinFormType SkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType value) { FSkinFormtype = value; }
  AnsiString Version() const { return kSkinEngineVersion; }
  void SetVersion(const AnsiString&) {}
  bool MenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool value) { FMenuUpdate = value; }
  bool MenuMerge() const { return FMenuMerge; }
  void SetMenuMerge(bool value) { FMenuMerge = value; }

  TFormSkinEvent OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TSkinControlEvent OnSkinControl;
  TSkinFormEvent OnBeforeSkinForm;
  TSkinFormEvent OnAfterSkinForm;

  // -- Streaming and life -----------------------------------------------------
  void DefineProperties(TFiler& filer) override;
  void ReadSkinStream(TStream& stream);
  void WriteSkinStream(TStream& stream) const;
  void Loaded() override;
  // Tells the skin manager that a new skin was read.
  void ApplySkinChange();

  // The application's small icon on magenta (magenta transparent), for the
  // caption buttons; empty without an icon.
  TBitmap* IconPicture() const { return FIconPicture.get(); }
  // The system menu glyphs: restore, maximise, minimise, close.
  TImageList* MenuImages() const { return FMenuImages.get(); }
  // Whether WM_NCPAINT is painted (off around a menu change).
  bool NCPaintEnabled() const { return FNCPaintEnabled; }
  void SetNCPaintEnabled(bool value) { FNCPaintEnabled = value; }

  // The stored package: the compressed skin package the model is built from.
  const std::vector<std::uint8_t>& SkinStream() const { return FSkinStream; }
  void SetSkinStream(std::span<const std::uint8_t> package);

  // Builds the model from the stored package. False when the package is
  // refused; the model then keeps what it held and no skin counts as loaded.
  // An error while reading (a picture that is not a valid bitmap) reaches the
  // caller, the package's working objects freed.
  bool LoadSkin();
  // Stores the package bytes, then LoadSkin.
  bool LoadSkin(std::span<const std::uint8_t> package);
  // Stores the bytes of a package file, then LoadSkin; false without loading
  // when the file cannot be read.
  bool LoadSkinFile(const std::string& path);

  // Whether a skin is loaded: cleared at the start of every load, set at the
  // end of a successful one.
  bool NoSkin() const { return FNoSkin; }

  // Fills `bitmap` from the package entry named by the file-name part of
  // `value`, or empties it. Only names ending exactly in ".bmp" qualify.
  // Valid only while a load runs.
  void LoadPicture(TBitmap* bitmap, const AnsiString& value);
  // Three decimal numbers separated by anything else, red first.
  static TColor ParseColour(const AnsiString& text);

  // -- The model ------------------------------------------------------------
  AnsiString SkinName;

  // Always present.
  std::unique_ptr<TDataSkinBorder> Left, Right, Top, Bottom;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;

  // The caption buttons in file order, then the three buttons of a maximised
  // MDI child (Action 7, 8, 9).
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  // Null when the skin lacks them.
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;  // "menuBar" of "Personality"
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> ThumbHorz;  // "Trackbar.ThumbHorz" and its five siblings
  std::unique_ptr<TDataSkinObject> ThumbVert;
  std::unique_ptr<TDataSkinObject> ThumbLeft;
  std::unique_ptr<TDataSkinObject> ThumbRight;
  std::unique_ptr<TDataSkinObject> ThumbUp;
  std::unique_ptr<TDataSkinObject> ThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;

  // Present once a skin was loaded: from the skin or built in.
  std::unique_ptr<TDataSkinObject> Track;
  std::unique_ptr<TDataSkinObject> TrackVert;
  // Derived by the loader.
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  std::unique_ptr<TDataSkinObject> Toolbar;

  std::array<TColor, SkinColourCount> Colours{};
  std::array<bool, SkinColourCount> ColourGiven{};
  // One colour per section "Colour…" (not "Colours"), in file order.
  std::vector<TColor> ColourSections;
  // A solid brush of the "ButtonFace" colour (null before the first load).
  HBRUSH SkinBrush() const { return FSkinBrush; }

  // The colour the frame is drawn in: a pixel of the "Top" picture, or
  // "ButtonFace" without one.
  TColor FrameColour();

 private:
  void ReadSkin();
  void ReadFrameSides();
  void ReadColours();
  void ReadCaptionButtons();
  void ReadMDIButtons();
  void ReadButtons();
  void ReadTitle(const AnsiString& section);
  void ReadBar(std::unique_ptr<TDataSkinBorder>& member, const AnsiString& section);
  void ReadObject(std::unique_ptr<TDataSkinObject>& member, const AnsiString& section);
  void ReadObjectEx(std::unique_ptr<TDataSkinBorder>& member, const AnsiString& section, const AnsiString& secondKey);
  void ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& member, const AnsiString& section);
  void ReadMenuBar(const AnsiString& section);
  void SetFrameCounts();
  void BuildComboPictures();
  void BuildComboArrow();
  void BuildToolbarPicture();

  // The fields ReadObject, ReadObjectEx and ReadBoxLabel share.
  void ReadObjectFields(TDataSkinObject& object, const AnsiString& section, bool readFrame);
  // A colour key of `section`: ParseColour of its text, or "ButtonText" when empty.
  TColor ReadColourText(const AnsiString& section, const AnsiString& key) const;

  void BuildIconPicture();

  std::vector<std::uint8_t> FSkinStream;
  bool FNoSkin = true;
  HBRUSH FSkinBrush = nullptr;

  bool FActive = false;
  int FDisableTag = 99;
  TSkinControlTypes FSkinControls;
  TSkinOptions FOptions;
  std::unique_ptr<TStrings> FSkin3rd;
  AnsiString FSkinFile;
  TSkinFormType FSkinFormtype = TSkinFormType::sfMainform;
  bool FMenuUpdate = true;
  bool FMenuMerge = false;
  bool FNCPaintEnabled = true;
  std::unique_ptr<TBitmap> FIconPicture;
  std::unique_ptr<TImageList> FMenuImages;

  // Alive only while a load runs.
  const TSkinReader* FReader = nullptr;
  const TQuickIni* FIni = nullptr;
  TStringList FSections;
};

// Whether an INI section describes a caption button: its upper-cased name
// begins with "BUTTON" but is none of "BUTTON", "BUTTONS", "BUTTON.RADIO" and
// "BUTTON.CHECKBOX".
bool IsCaptionButtonSection(const AnsiString& section);
// The file-name part of a picture value (folders separated by backslashes,
// "/" or ":").
AnsiString SkinFileNamePart(const AnsiString& value);
// Whether a file name ends exactly in ".bmp" (".BMP" does not qualify).
bool IsSkinBitmapName(const AnsiString& name);

// ---------------------------------------------------------------------------
// Platform helpers of the engine. GetScrollBarInfo, TrackMouseEvent,
// GetComboBoxInfo and DisableProcessWindowsGhosting are looked up by name in
// "user32.dll" when the engine starts; each may be missing.

// The toolkit control of a window (its ControlAtom property); null for a null
// window or one without the property.
TControl* ControlFromWindow(HWND window);
// GetScrollBarInfo when the system has it, else false.
bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO* info);
// Asks for WM_MOUSELEAVE (TrackMouseEvent, TME_LEAVE) when the system has it.
void TrackMouseLeave(HWND window);
// GetComboBoxInfo when the system has it, else false.
bool GetComboBoxInfoSafe(HWND combo, COMBOBOXINFO* info);
// Whether the system has GetScrollBarInfo (read when the engine started).
bool HasGetScrollBarInfo();
// Looks the entry points up again (tests hide some with the platform's
// module switch first).
void LookUpSkinEntryPoints();

// ---------------------------------------------------------------------------
// Text helpers of the painters.

// Draws wide text: DrawTextW with its length on the NT family, else the ANSI
// conversion with DrawTextA. Answers the call's result.
int SkinDrawText(HDC dc, const WideString& text, RECT* rect, UINT format);
// 8-bit text in the system ANSI code page to wide text.
WideString AnsiToWide(const AnsiString& text);
// The text at `text` (zero-terminated) when count is -1, else its first
// `count` characters.
WideString WideLeft(const WCHAR* text, int count);
