// Which skin class a control gets: the built-in rules by class (in their
// order, the first that applies decides), the kinds of the Skin3rd map, and
// the rows for bare windows by window class and style.
#include "skin/controls/WinSubClass.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/Buttons.h"
#include "toolkit/Buttons_BitBtn.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/ExtCtrls_RadioGroup.h"
#include "toolkit/Forms.h"
#include "toolkit/Forms_Scrolling.h"
#include "toolkit/Grids.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_Lists.h"
#include "toolkit/StdCtrls_Memo.h"
#include "toolkit/StdCtrls_ScrollBar.h"

using enum TSkinControlType;

namespace {

template <class T>
bool IsA(TControl* control) {
  return As<T>(control) != nullptr;
}

bool IsNamed(const AnsiString& className, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (className == name) return true;
  }
  return false;
}

// The scrolling controls of rules 35 and 36, and those rule 37 takes as
// scrolling whatever their styles say.
bool IsFirstScrollingClass(TControl* control) { return IsA<TListBox>(control); }
bool IsSecondScrollingClass(TControl* control) { return IsA<TTreeView>(control); }
bool IsScrollingClass(TControl* control) {
  return IsA<TMemo>(control) || IsA<TDrawGrid>(control) || IsA<TScrollBox>(control);
}

}  // namespace

bool TSkinAttachPass::RuleTable(const AnsiString& className, TControl* control) {
  const bool tabs = Has(xcTab) && FSkin->Tabs != nullptr;
  const TColor face = FSkin->Colours[scButtonFace];

  if (auto* tab = As<TCustomTabControl>(control); tab != nullptr && tabs) {  // 1
    if (IsA<TTabControl>(control)) {
      Attach(tab->Style() == TTabStyle::tsTabs ? TSkinClass::Tab : TSkinClass::TabBtn, control);
    } else {
      Attach(TSkinClass::Tab, control, false, 2);
    }
    return true;
  }
  if (IsA<TToolButton>(control) && FForm->FFrameSkinned) {  // 2
    // FIXME: the drop-down menu is not yet switched to owner-drawn items;
    // that needs the popup menu skinning's owner-draw switch.
    return true;
  }
  if (auto* coolBar = As<TCoolBar>(control); coolBar != nullptr && Has(xcToolbar)) {  // 3
    for (int i = 0; i < coolBar->Bands()->Count(); ++i) {
      if (auto* band = As<TCoolBand>(coolBar->Bands()->Item(i))) {
        band->SetColor(face);
        band->SetParentColor(false);
      }
    }
    return true;
  }
  if (className == "TTABSET" && tabs) return Attach(TSkinClass::Tab31, control), true;          // 4
  if (IsA<TTabSheet>(control) && tabs) return Attach(TSkinClass::TabSheet, control), true;      // 5
  if (className == "TTABBEDNOTEBOOK" && tabs) return Attach(TSkinClass::Tab, control), true;    // 6
  if (className == "TMVCPANEL") return SkinChildControls(control), true;                        // 7
  // 8: the toolkit has no second tab-control class.
  if (IsA<THeaderControl>(control) && Has(xcPanel)) return Attach(TSkinClass::Header, control), true;  // 9
  if (IsA<TCheckBox>(control) && Has(xcCheckBox)) return Attach(TSkinClass::CheckBox, control), true;  // 10
  if (IsA<TTrackBar>(control) && Has(xcTrackBar)) return Attach(TSkinClass::TrackBar, control), true;  // 11
  if (IsNamed(className, {"TUPDOWN", "TSPINBUTTON"}) && Has(xcSpin)) {                                // 12
    return Attach(TSkinClass::UpDown, control), true;
  }
  if (className == "TMEDIAPLAYER" && Has(xcButton)) return Attach(TSkinClass::MediaPlayer, control), true;  // 13
  if (IsA<TRadioGroup>(control) && Has(xcRadioButton)) {                                                   // 14
    SkinGroupChildren(control, TSkinClass::RadioButton, 0, false);
    Attach(TSkinClass::GroupBox, control, true);
    return true;
  }
  if (className == "TDBNAVIGATOR" && Has(xcPanel)) {  // 15
    Attach(TSkinClass::Box, control, true);
    if (auto* windowed = As<TWinControl>(control)) {
      for (int i = 0; i < windowed->ControlCount(); ++i) SkinControl(windowed->Controls(i), nullptr);
    }
    return true;
  }
  if (IsNamed(className, {"TRZDBCHECKBOX", "TRZCHECKBOX"}) && Has(xcCheckBox)) {  // 16
    return Attach(TSkinClass::ObjImage, control, true, 0, 1), true;
  }
  if (IsNamed(className, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && Has(xcRadioButton)) {  // 17
    return Attach(TSkinClass::ObjImage, control, true, 0, 2), true;
  }
  if (IsNamed(className, {"TCXDBCHECKBOX", "TCXCHECKBOX"}) && Has(xcCheckBox)) {  // 18
    return Attach(TSkinClass::ObjImage, control, true, 0, 3), true;
  }
  if (IsA<TGroupBox>(control) && Has(xcPanel)) {  // 19
    SkinChildControls(control);
    Attach(TSkinClass::GroupBox, control);
    return true;
  }
  if (IsA<TRadioButton>(control) && Has(xcRadioButton)) return Attach(TSkinClass::RadioButton, control), true;  // 20
  if (IsA<TToolBar>(control) && Has(xcToolbar)) return SkinToolBar(control), true;                           // 21
  if (IsA<TStatusBar>(control) && Has(xcStatusBar)) return Attach(TSkinClass::StatusBar, control), true;     // 22
  if (IsA<TProgressBar>(control) && Has(xcProgress)) return Attach(TSkinClass::Progress, control), true;     // 23
  if (IsA<TScrollBar>(control) && Has(xcScrollbar)) return Attach(TSkinClass::ScControl, control), true;     // 24
  if (className == "TTNTCOMBOBOX" && Has(xcCombo)) return Attach(TSkinClass::ComBox, control), true;        // 25
  if (IsA<TComboBox>(control) && Has(xcCombo)) return Attach(TSkinClass::ComBox, control), true;            // 26
  if (auto* picker = As<TDateTimePicker>(control); picker != nullptr && Has(xcEdit)) {                      // 27
    const bool upDown = picker->DateMode() == TDTDateMode::dmUpDown || picker->Kind() == TDateTimeKind::dtkTime;
    Attach(upDown ? TSkinClass::Edit : TSkinClass::DateTime, control);
    return true;
  }
  if (Has(xcScrollbar) && className == "TRICHEDIT") return Attach(TSkinClass::Scrollbar, control), true;  // 28
  if (Has(xcScrollbar) && IsNamed(className, {"TWWDBRICHEDIT", "TDXDBMEMO"})) {                           // 29
    return Attach(TSkinClass::Scrollbar, control), true;
  }
  if (IsA<TBitBtn>(control)) {  // 30
    if (Has(xcBitBtn)) Attach(TSkinClass::BitButton, control);
    return true;
  }
  if (IsA<TSpeedButton>(control) && Has(xcSpeedButton)) return Attach(TSkinClass::SpeedButton, control), true;  // 31
  if (IsA<TPanel>(control) && Has(xcPanel)) {                                                                // 32
    SkinChildControls(control);
    Attach(TSkinClass::Box, control, true);
    return true;
  }
  if (IsNamed(className, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && Has(xcScrollbar)) {  // 33
    return Attach(TSkinClass::Scrollbar, control), true;
  }
  if (IsA<TListView>(control) && Has(xcScrollbar)) return Attach(TSkinClass::ListView, control), true;  // 34
  if ((IsFirstScrollingClass(control) || IsSecondScrollingClass(control)) && Has(xcScrollbar)) {      // 35, 36
    return Attach(TSkinClass::Scrollbar, control), true;
  }
  if (Has(xcScrollbar) && (HasScrollBars(control) || IsScrollingClass(control))) {  // 37
    return Attach(TSkinClass::Scrollbar, control), true;
  }
  if (IsA<TButton>(control) && Has(xcButton)) return Attach(TSkinClass::Button, control), true;  // 38
  if (IsA<TCustomEdit>(control) && Has(xcEdit)) return Attach(TSkinClass::Edit, control), true;  // 39
  if (IsNamed(className, {"TDCEDIT", "TDCDBEDIT"})) {                                            // 40
    const long long buttons = GetOrdPropByName(control, "NumButtons");
    if (buttons == 1 && Has(xcCombo)) {
      Attach(TSkinClass::ComBox, control);
    } else if (buttons == 0 && Has(xcEdit)) {
      if (auto* windowed = As<TWinControl>(control)) AttachBare(TSkinClass::Edit, windowed->Handle());
    }
    return true;
  }
  // 41: the toolkit has no frame class.
  if (IsA<TCustomForm>(control)) {  // 42
    Attach(TSkinClass::Box, control, true);
    SkinComponents(control);
    return true;
  }
  return false;
}

void TSkinAttachPass::SkinToolBar(TControl* control) {
  auto* toolBar = As<TToolBar>(control);
  SetPropByName(control, "Flat", "True");
  // The events outlive the form object (a skin switch frees it while the
  // tool bar stays), so they find the window's current one at each paint and
  // leave the tool bar's own drawing alone while it has none.
  const HWND window = FForm->FHandle;
  const auto skinForm = [window] { return SkinManager != nullptr ? SkinManager->FindSkinForm(window) : nullptr; };
  if (!toolBar->OnCustomDraw) {
    toolBar->OnCustomDraw = [skinForm](TToolBar* sender, const TRect& rect, bool&) {
      if (TWinSkinForm* form = skinForm()) PaintToolbarBackground(form, sender, rect);
    };
  }
  if (!toolBar->OnCustomDrawButton) {
    toolBar->OnCustomDrawButton = [skinForm](TToolBar* sender, TToolButton* button, TCustomDrawState state, bool&) {
      if (TWinSkinForm* form = skinForm()) PaintToolbarButton(form, sender, button, state);
    };
  }
  Attach(TSkinClass::Box, control);
  // FIXME: the items of the tool bar's menu are not yet switched to
  // owner-drawn; that needs the popup menu skinning's owner-draw switch.
}

void TSkinAttachPass::SkinGroupChildren(TControl* control, TSkinClass childClass, int objImageKind,
                                        bool rzChildren) {
  auto* windowed = As<TWinControl>(control);
  if (windowed == nullptr) return;
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) {
    if (rzChildren) {
      Attach(TSkinClass::ObjImage, child, true, 0, objImageKind);
    } else {
      Attach(childClass, child);
    }
  }
}

void TSkinAttachPass::SkinEmbeddedScrollbars(TControl* control) {
  auto* windowed = As<TWinControl>(control);
  if (windowed == nullptr) return;
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) {
    if (IsA<TScrollBar>(child)) {
      Attach(TSkinClass::ScControl, child);
    } else if (HasScrollBars(child)) {
      Attach(TSkinClass::Scrollbar, child);
    }
  }
}

// ---------------------------------------------------------------------------
// The Skin3rd map.

bool TSkinAttachPass::SkinThirdParty(const AnsiString& className, TControl* control) {
  const AnsiString key = LowerCase(className) + "=";
  TStrings* lines = FSkin->Skin3rd();
  if (lines == nullptr) return false;
  for (int i = 0; i < lines->Count(); ++i) {
    const AnsiString line = LowerCase(lines->Strings(i));
    if (line.compare(0, key.size(), key) != 0) continue;
    const AnsiString kind = line.substr(line.find('=') + 1, 50);
    ApplyKind(key, kind, className, control);
    return true;
  }
  return false;
}

void TSkinAttachPass::ApplyKind(const AnsiString& key, const AnsiString& kind, const AnsiString& className,
                                TControl* control) {
  if (kind == "nil") return;
  if (kind == "combobox" && Has(xcCombo)) return void(Attach(TSkinClass::ComBox, control));
  if (kind == "comboboxex" && Has(xcCombo)) return void(Attach(TSkinClass::ComBox, control, false, 0, 1));
  if (kind == "edit" && Has(xcEdit)) {
    // Only an edit with a border: its window and client rectangles differ.
    if (auto* windowed = As<TWinControl>(control)) {
      RECT window{};
      RECT client{};
      GetWindowRect(windowed->Handle(), &window);
      GetClientRect(windowed->Handle(), &client);
      if (window.right - window.left != client.right || window.bottom - window.top != client.bottom) {
        Attach(TSkinClass::Edit, control);
      }
    }
    return;
  }
  if (kind == "radiobutton" && Has(xcRadioButton)) return void(Attach(TSkinClass::RadioButton, control));
  if (kind == "panel" && Has(xcPanel)) {
    SetPropByName(control, "Transparent", "True");
    return void(Attach(TSkinClass::Box, control, true));
  }
  if (kind == "trackbar" && Has(xcButton)) {
    SetPropByName(control, "Transparent", "True");
    return void(Attach(TSkinClass::TrackBar, control));
  }
  if (kind == "button" && Has(xcButton)) return void(Attach(TSkinClass::Button, control));
  if (kind == "datetimepicker" && Has(xcCombo)) return void(Attach(TSkinClass::DateTime, control));
  if (kind == "mediaplayer" && Has(xcButton)) return void(Attach(TSkinClass::MediaPlayer, control));
  if (kind == "bitbtn" && Has(xcButton)) {
    const bool dropDown = key == "tcxbutton=" && GetEnumPropByName(control, "Kind") == "cxbkDropDownButton";
    return void(Attach(dropDown ? TSkinClass::MenuButton : TSkinClass::BitButton, control));
  }
  if (kind == "pngbitbtn" && Has(xcButton)) return void(Attach(TSkinClass::BitButton, control, false, 0, 0, "PngImage"));
  if (kind == "pngspeedbutton" && Has(xcButton)) {
    return void(Attach(TSkinClass::SpeedButton, control, false, 0, 0, "PngImage"));
  }
  if (kind == "menubtn" && Has(xcButton)) return void(Attach(TSkinClass::MenuButton, control));
  if (kind == "speedbutton" && Has(xcSpeedButton)) return void(Attach(TSkinClass::SpeedButton, control));
  if (kind == "tab" && Has(xcTab) && FSkin->Tabs != nullptr) return void(Attach(TSkinClass::Tab, control));
  if (kind == "progress" && Has(xcProgress)) return void(Attach(TSkinClass::Progress, control));
  if (kind == "scrollbar" && Has(xcScrollbar)) {
    Attach(TSkinClass::Scrollbar, control);
    return SkinChildControls(control);
  }
  if (kind == "singlescrollbar" && Has(xcScrollbar)) return void(Attach(TSkinClass::Scrollbar, control, false, 1));
  if (kind == "embedscrollbar" && Has(xcScrollbar)) return SkinEmbeddedScrollbars(control);
  if (kind == "container") return SkinChildControls(control);
  if (kind == "groupbox" && Has(xcGroupBox)) return void(Attach(TSkinClass::GroupBox, control, true));
  if (kind == "advpagecontrol" && Has(xcTab)) return void(Attach(TSkinClass::AdvPage, control, true, 0, 4));
  const bool rz = className.find("TRZ") != AnsiString::npos;
  if (kind == "radiogroup" && Has(xcGroupBox)) {
    if (Has(xcRadioButton)) SkinGroupChildren(control, TSkinClass::RadioButton, 2, rz);
    return void(Attach(TSkinClass::GroupBox, control, true));
  }
  if (kind == "checkgroup" && Has(xcPanel)) {
    if (Has(xcRadioButton)) SkinGroupChildren(control, TSkinClass::CheckBox, 1, rz);
    if (Has(xcGroupBox)) Attach(TSkinClass::GroupBox, control, true);
    return;
  }
  if (kind == "checkbox" && Has(xcCheckBox)) Attach(TSkinClass::CheckBox, control);
}

// ---------------------------------------------------------------------------
// Bare windows.

void TSkinAttachPass::SkinWindowControl(HWND window) {
  if (window == nullptr || !IsWindow(window) || FForm->FindWindowSkin(window) != nullptr) return;
  char name[101] = {};
  GetClassNameA(window, name, sizeof(name));
  const AnsiString cls = LowerCase(name);
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const TColor face = FSkin->Colours[scButtonFace];

  if (cls == "button") {
    if ((style & 0xB) == 0xB) return;  // owner-drawn
    if ((style & 7) == 7 || (style & BS_BITMAP)) return;
    if ((style & 3) == 3 || (style & 2) || (style & 5) == 5) {
      if (Has(xcCheckBox)) AttachBare(TSkinClass::CheckBox, window);
    } else if ((style & 9) == 9 || (style & 4)) {
      if (Has(xcRadioButton)) AttachBare(TSkinClass::RadioButton, window);
    } else if (Has(xcButton)) {
      AttachBare(TSkinClass::Button, window);
    }
    return;
  }
  if (cls == "combobox" && Has(xcCombo) && (style & 3) != CBS_SIMPLE) return void(AttachBare(TSkinClass::ComBox, window));
  if (cls == "comboboxex32" && Has(xcCombo)) {
    if (HWND child = GetWindow(window, GW_CHILD)) return void(AttachBare(TSkinClass::ComBox, child));
  }
  if (cls == "scrollbar" && !(style & WS_TABSTOP)) return void(AttachBare(TSkinClass::Sizer, window));
  if (cls == "systreeview32") return;
  if (cls == "#32770" && !(style & WS_TABSTOP)) {
    SkinChildWindows(window);
    return void(AttachBare(TSkinClass::BoxH, window));
  }
  if (cls == "tpanel" || cls == "ttntpanel.unicodeclass" || cls == "ttntsilentpaintpanel.unicodeclass") {
    SkinChildWindows(window);
    if (TControl* control = ControlFromWindow(window)) control->SetColor(face);
    return;
  }
  if (cls == "tcheckbox" && Has(xcCheckBox)) return void(AttachBare(TSkinClass::CheckBox, window));
  if (cls == "tcombobox" && Has(xcCombo)) return void(AttachBare(TSkinClass::ComBox, window));
  if (cls == "tbutton" && Has(xcButton)) return void(AttachBare(TSkinClass::Button, window));
  if (cls == "tprogressbar") return void(AttachBare(TSkinClass::Progress, window));
  if (cls == "tsilentpaintpanel") {
    if (TControl* control = ControlFromWindow(window)) control->SetColor(face);
    return;
  }
  if (cls == "systabcontrol32" && Has(xcTab) && !(style & TCS_OWNERDRAWFIXED)) return void(AttachBare(TSkinClass::Tab, window));
  if (cls == "toolbarwindow32") return void(AttachBare(TSkinClass::BoxH, window));
  if (cls == "edit" && Has(xcEdit)) AttachBare(TSkinClass::Edit, window);
}
