// The skin component: its published switches and their defaults, the stored
// package streamed with the form, loading a skin file at run time, and the
// requests it makes of the skin manager.
#include <filesystem>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/TypInfo.h"

const TEnumInfo& SkinControlTypeInfo() {
  static const TEnumInfo info("TSkinControlType",
                              {"xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo",
                               "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton",
                               "xcBitBtn", "xcSpeedButton", "xcSpin", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab",
                               "xcTrackBar", "xcSystemMenu", "xcFastReport"});
  return info;
}

const TEnumInfo& SkinOptionInfo() {
  static const TEnumInfo info("TSkinOption", {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview",
                                              "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton",
                                              "xoMDIChildBorder", "xoMenuBG", "xoFormScrollbar"});
  return info;
}

const TEnumInfo& SkinFormTypeInfo() {
  static const TEnumInfo info("TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"});
  return info;
}

T_CLASS_INFO(TSkinData, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TSkinData>;
  c.AddProperty(Boolean<TSkinData>("Active", &TSkinData::Active, &TSkinData::SetActive));
  c.AddProperty(Integer<TSkinData>("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag));
  c.AddProperty(Set<TSkinData, TSkinControlType>("SkinControls", SkinControlTypeInfo(), &TSkinData::SkinControls,
                                                 &TSkinData::SetSkinControls));
  c.AddProperty(
      Set<TSkinData, TSkinOption>("Options", SkinOptionInfo(), &TSkinData::Options, &TSkinData::SetOptions));
  c.AddProperty(Object<TSkinData, TStrings>("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd));
  c.AddProperty(String<TSkinData>("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile));
  c.AddProperty(String<TSkinData>("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore));
  c.AddProperty(Enumeration<TSkinData, TSkinFormType>("SkinFormtype", SkinFormTypeInfo(), &TSkinData::SkinFormtype,
                                                      &TSkinData::SetSkinFormtype));
  c.AddProperty(String<TSkinData>("Version", &TSkinData::Version, &TSkinData::SetVersion));
  c.AddProperty(Boolean<TSkinData>("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate));
  c.AddProperty(Boolean<TSkinData>("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge));
  c.AddProperty(Method<TSkinData>("OnFormSkin", &TSkinData::OnFormSkin));
  c.AddProperty(Method<TSkinData>("OnSkinChanged", &TSkinData::OnSkinChanged));
  c.AddProperty(Method<TSkinData>("OnSkinControl", &TSkinData::OnSkinControl));
  c.AddProperty(Method<TSkinData>("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm));
  c.AddProperty(Method<TSkinData>("OnAfterSkinForm", &TSkinData::OnAfterSkinForm));
})

namespace {

// Foreign control classes and the engine's kind for each, by default.
constexpr const char* kDefaultSkin3rd[] = {
    "TCategoryButtons=scrollbar", "TVirtualStringTree=scrollbar", "TVirtualDrawTree=scrollbar",
    "TAdvPanelGroup=scrollbar", "THTMLViewer=scrollbar", "TDBCtrlGrid=scrollbar", "TImageEnMView=scrollbar",
    "TImageEnView=scrollbar", "TAdvMemo=scrollbar", "TDBAdvMemo=scrollbar",
    "TPngSpeedbutton=pngspeedbutton", "TPngBitBtn=pngbitbtn",
    "TTBXDockablePanel=Panel", "TControlBar=Panel", "TTBDock=Panel", "TTBToolbar=Panel", "TRzGroup=Panel",
    "TLMDCalculator=panel", "TLMDGROUPBOX=panel", "TLMDSIMPLEPANEL=panel", "TLMDDBCalendar=panel",
    "TLMDButtonPanel=panel", "TLMDLMDCalculator=panel", "TLMDHeaderPanel=panel", "TLMDTechnicalLine=panel",
    "TLMDLMDClock=panel", "TLMDTrackbar=panel",
    "TComboboxex=combobox", "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox", "TcxDBDateEdit=combobox",
    "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox", "TcxDBBlobEdit=combobox", "TcxDBPopupEdit=combobox",
    "TcxDBFontNameComboBox=combobox", "TcxDBShellComboBox=combobox", "TRxLookupEdit=combobox",
    "TRxDBLookupCombo=combobox", "TRzDateTimeEdit=combobox", "TRzColorEdit=combobox",
    "TRzDateTimePicker=combobox", "TRzDBDateTimeEdit=combobox", "TRzDbColorEdit=combobox",
    "TRzDBDateTimePicker=combobox", "TLMDListCombobox=Combobox", "TLMDCheckListCombobox=Combobox",
    "TLMDHeaderListCombobox=Combobox", "TLMDImageCombobox=Combobox", "TLMDColorCombobox=Combobox",
    "TLMDFontCombobox=Combobox", "TLMDFontSizeCombobox=Combobox", "TLMDFontSizeCombobox=Combobox",
    "TLMDPrinterCombobox=Combobox", "TLMDDriveCombobox=Combobox", "TLMDCalculatorComboBox=Combobox",
    "TLMDTrackBarComboBox=Combobox", "TLMDCalendarComboBox=Combobox", "TLMDTreeComboBox=Combobox",
    "TDBLookupCombobox=Combobox", "TWWDBCombobox=Combobox", "TWWDBCombobox=Combobox",
    "TWWDBLookupCombo=Combobox", "TWWKeyCombo=Combobox", "TWWTempKeyCombo=Combobox",
    "TWWDBDateTimePicker=Combobox",
    "TRxSpeedButton=speedbutton", "TfrSpeedButton=speedbutton", "TfrTBButton=speedbutton",
    "TRzButton=button",
    "TRzBitbtn=bitbtn", "TLMDButton=bitbtn", "TcxButton=bitbtn",
    "TRzMenuButton=menubtn",
    "TRzCheckGroup=CheckGroup", "TLMDCheckGroup=CheckGroup", "TLMDDBCheckGroup=CheckGroup",
    "TRzRadioGroup=Radiogroup", "TRzDBRadioGroup=Radiogroup", "TLMDRADIOGROUP=radiogroup",
    "TLMDDBRADIOGROUP=radiogroup", "TWWRADIOGROUP=radiogroup", "TcxDBRadioGroup=radiogroup",
    "TcxRadioGroup=radiogroup",
    "TRzButtonEdit=Edit", "TLMDCalculatorEdit=Edit", "TLMDEDIT=Edit", "TLMDMASKEDIT=Edit", "TLMDBROWSEEDIT=Edit",
    "TLMDEXTSPINEDIT=Edit", "TLMDCALENDAREDIT=Edit", "TLMDFILEOPENEDIT=Edit", "TLMDFILESAVEEDIT=Edit",
    "TLMDCOLOREDIT=Edit", "TLMDDBEDIT=Edit", "TLMDDBMASKEDIT=Edit", "TLMDDBEXTSPINEDIT=Edit",
    "TLMDDBSPINEDIT=Edit", "TLMDDBEDITDBLookup=Edit", "TLMDEDITDBLookup=Edit", "TWWDBEDIT=edit",
    "TOVCPICTUREFIELD=edit", "TOVCDBPICTUREFIELD=edit", "TOVCSLIDEREDIT=edit", "TOVCDBSLIDEREDIT=edit",
    "TOVCSIMPLEFIELD=edit", "TOVCDBSIMPLEFIELD=edit", "TO32DBFLEXEDIT=edit", "TOVCNUMERICFIELD=edit",
    "TOVCDBNUMERICFIELD=edit",
    "TRzDBRadioButton=Radiobutton", "TLMDRadiobutton=Radiobutton",
    "TLMDGroupBox=Groupbox", "TcxGroupbox=groupbox",
    "TDBCheckboxEh=Checkbox", "TDBCheckboxEh=Checkbox", "TLMDCHECKBOX=Checkbox", "TLMDDBCHECKBOX=Checkbox",
};
static_assert(std::size(kDefaultSkin3rd) == 118);

constexpr std::uint64_t kDefaultSkinControls = 0x001FFFFB;  // all but xcMenuItem and xcFastReport
constexpr std::uint64_t kDefaultOptions = 0x0048;           // xoPreview, xoToolbarBK

bool Running(const TComponent& c) { return !c.Designing(); }

// Form resources may name the component.
const bool kRegistered = [] {
  RegisterClass(TSkinData::ClassInfo());
  return true;
}();

}  // namespace

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      Left(std::make_unique<TDataSkinBorder>()),
      Right(std::make_unique<TDataSkinBorder>()),
      Top(std::make_unique<TDataSkinBorder>()),
      Bottom(std::make_unique<TDataSkinBorder>()),
      Title(std::make_unique<TDataSkinTitle>()),
      Buttons(std::make_unique<TDataSkinButton>()),
      FSkinControls(TSkinControlTypes::FromBits(kDefaultSkinControls)),
      FOptions(TSkinOptions::FromBits(kDefaultOptions)),
      FSkin3rd(std::make_unique<TStrings>()),
      FMenuImages(std::make_unique<TImageList>(nullptr)) {
  Left->Name = "Left";
  Right->Name = "Right";
  Top->Name = "Top";
  Bottom->Name = "Bottom";
  Buttons->Name = "Buttons";
  for (const char* line : kDefaultSkin3rd) FSkin3rd->Add(line);
  // Four 16-pixel glyphs on white: restore, maximise, minimise, close.
  TBitmap strip;
  strip.LoadFromResourceName("ORVANELMENU");
  FMenuImages->SetWidth(16);
  FMenuImages->SetHeight(16);
  if (!strip.Empty()) FMenuImages->AddMasked(&strip, clWhite);
}

TSkinData::~TSkinData() {
  if (SkinManager != nullptr) {
    SkinManager->UnregisterSkin(this);
    // The manager lives as long as skins do: with the last one it takes the
    // skin off every window and removes its hook.
    if (SkinManager->FSkins.empty()) DestroySkinManager();
  }
  if (FSkinBrush) DeleteObject(FSkinBrush);
}

void TSkinData::SetSkin3rd(TStrings* lines) {
  if (lines != nullptr) FSkin3rd->Assign(lines);
}

AnsiString TSkinData::SkinStore() const {
  return Designing() && !FSkinStream.empty() ? "(Good)" : "(none)";
}

void TSkinData::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "SkinStream", [this](TStream& stream) { ReadSkinStream(stream); },
      [this](TStream& stream) { WriteSkinStream(stream); }, true);
}

void TSkinData::ReadSkinStream(TStream& stream) {
  std::int32_t length = 0;
  stream.ReadBuffer(&length, sizeof(length));
  if (length <= 0) return;
  std::vector<std::uint8_t> package(static_cast<std::size_t>(length));
  stream.ReadBuffer(package.data(), length);
  FSkinStream = std::move(package);
  if (Running(*this)) LoadSkin();
}

void TSkinData::WriteSkinStream(TStream& stream) const {
  const auto length = static_cast<std::int32_t>(FSkinStream.size());
  stream.WriteBuffer(&length, sizeof(length));
  if (length > 0) stream.WriteBuffer(FSkinStream.data(), length);
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  if (!HasGetScrollBarInfo()) FSkinControls.Exclude(TSkinControlType::xcScrollbar);
  TSkinManage* manager = EnsureSkinManager();
  manager->RegisterSkin(this);
  if (FSkinFormtype == TSkinFormType::sfMainform) {
    manager->InstallHooks();
    if (FActive) {
      if (FNoSkin) {
        FActive = false;
      } else {
        manager->ScheduleAction(kActionSkinOn, 250);
      }
    }
    if (FSkinControls.Contains(TSkinControlType::xcMainMenu)) {
      FSkinControls.Exclude(TSkinControlType::xcMenuItem);
    } else {
      FSkinControls.Exclude(TSkinControlType::xcSystemMenu);
    }
    BuildIconPicture();
    return;
  }
  manager->FActive = true;
  manager->FStarted += 1;
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form != nullptr && FActive) manager->AttachWindow(form->Handle());
}

void TSkinData::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (Designing() || Loading() || SkinManager == nullptr) return;
  switch (FSkinFormtype) {
    case TSkinFormType::sfMainform:
      if (value) {
        if (FNoSkin) return;
        SkinManager->FActionSkin = this;
        SkinManager->ScheduleAction(kActionSkinOn, 250);
        SkinManager->FStarted = 1;
      } else {
        SkinManager->FActionSkin = this;
        SkinManager->ScheduleAction(kActionSkinOff, 250);
      }
      break;
    case TSkinFormType::sfOnlyThisForm:
      SkinManager->FActionSkin = this;
      if (value && FNoSkin) return;
      SkinManager->ScheduleAction(value ? kActionSkinOn : kActionSkinOff, 250);
      break;
    case TSkinFormType::sfDialog:
    case TSkinFormType::sfDLL:
      break;
  }
}

void TSkinData::SetSkinFile(const AnsiString& name) {
  FNoSkin = true;
  FSkinFile = name;
  if (Designing()) {
    if (!name.empty() && !FSkinStream.empty()) FSkinStream.clear();
    return;
  }
  std::error_code error;
  if (name.empty() || !std::filesystem::is_regular_file(name, error)) return;
  if (!LoadSkinFile(name)) return;
  ApplySkinChange();
}

void TSkinData::ApplySkinChange() {
  if (Designing() || Loading()) return;
  if (SkinManager == nullptr) Loaded();
  SkinManager->FActionSkin = this;
  SkinManager->ReleaseCaptionButtons();
  if (SkinManager->FStarted == 1) SkinManager->ScheduleAction(kActionSkinChanged, 250);
}

void TSkinData::BuildIconPicture() {
  HWND app = Application != nullptr ? Application->Handle() : nullptr;
  if (app == nullptr) return;
  auto icon = reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_BIG, 0));
  if (icon == nullptr) return;
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  auto picture = std::make_unique<TBitmap>();
  picture->SetWidth(cx);
  picture->SetHeight(cy);
  picture->Canvas()->Brush()->SetColor(static_cast<TColor>(0xFF00FF));
  picture->Canvas()->FillRect(Rect(0, 0, cx, cy));
  auto copy = reinterpret_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  if (copy != nullptr) {
    DrawIconEx(picture->Canvas()->Handle(), 0, 0, copy, cx, cy, 0, nullptr, DI_NORMAL);
    DestroyIcon(copy);
  }
  picture->SetTransparentColor(static_cast<TColor>(0xFF00FF));
  picture->SetTransparent(true);
  FIconPicture = std::move(picture);
}
