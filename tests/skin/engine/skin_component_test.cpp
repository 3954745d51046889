// The skin component: its published switches and their defaults, the stored
// package streamed with a form, and how loading adjusts the switches.
#include <gtest/gtest.h>

#include "skin/engine/engine_fixture.h"
#include "skin_data_helpers.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/ImgList.h"
#include "toolkit/Reader.h"
#include "toolkit/TypInfo.h"

namespace skintest {
namespace {

using ComponentTest = EngineTest;

TEST_F(ComponentTest, PublishedDefaults) {
  TSkinData data(nullptr);
  EXPECT_EQ(GetPropValue(&data, "Active"), "False");
  EXPECT_EQ(GetOrdProp(&data, "DisableTag"), 99);
  EXPECT_EQ(GetOrdProp(&data, "SkinControls"), 0x001FFFFB);
  EXPECT_EQ(GetOrdProp(&data, "Options"), 0x0048);
  EXPECT_EQ(GetSetProp(&data, "Options"), "xoPreview,xoToolbarBK");
  EXPECT_EQ(GetEnumProp(&data, "SkinFormtype"), "sfMainform");
  EXPECT_EQ(GetStrProp(&data, "Version"), "5.03.07.12");
  EXPECT_EQ(GetStrProp(&data, "SkinStore"), "(none)");
  EXPECT_EQ(GetPropValue(&data, "MenuUpdate"), "True");
  EXPECT_EQ(GetPropValue(&data, "MenuMerge"), "False");
  SetStrProp(&data, "Version", "1.0");
  SetStrProp(&data, "SkinStore", "(Good)");
  EXPECT_EQ(GetStrProp(&data, "Version"), "5.03.07.12");
  EXPECT_EQ(GetStrProp(&data, "SkinStore"), "(none)");
  for (const char* event : {"OnFormSkin", "OnSkinChanged", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"}) {
    EXPECT_TRUE(IsPublishedProp(&data, event)) << event;
  }
  // The foreign classes and their kinds, duplicates kept.
  TStrings* lines = data.Skin3rd();
  ASSERT_EQ(lines->Count(), 118);
  EXPECT_EQ((*lines)[0], "TCategoryButtons=scrollbar");
  EXPECT_EQ((*lines)[117], "TLMDDBCHECKBOX=Checkbox");
  int fontSize = 0;
  for (int i = 0; i < lines->Count(); ++i) fontSize += (*lines)[i] == "TLMDFontSizeCombobox=Combobox";
  EXPECT_EQ(fontSize, 2);
  EXPECT_EQ(data.MenuImages()->Count(), 4);
}

TEST_F(ComponentTest, LoadingAdjustsTheSwitches) {
  LoadMainSkin();
  EXPECT_FALSE(skin->SkinControls().Contains(TSkinControlType::xcMenuItem)) << "the main menu kind wins";
  EXPECT_TRUE(skin->SkinControls().Contains(TSkinControlType::xcSystemMenu));
  EXPECT_TRUE(skin->SkinControls().Contains(TSkinControlType::xcScrollbar));
  EXPECT_EQ(SkinManager->FDefaultSkin, skin);
  EXPECT_NE(SkinManager->CbtHook(), nullptr);
}

TEST_F(ComponentTest, WithoutScrollBarInfoTheScrollBarKindIsDropped) {
  platform::HideEntryPoint("GetScrollBarInfo", true);
  LookUpSkinEntryPoints();
  LoadMainSkin();
  platform::HideEntryPoint("GetScrollBarInfo", false);
  LookUpSkinEntryPoints();
  EXPECT_FALSE(skin->SkinControls().Contains(TSkinControlType::xcScrollbar));
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(HasGetScrollBarInfo());
}

TEST_F(ComponentTest, MissingEntryPointsMakeTheHelpersDoNothing) {
  for (const char* name : {"GetScrollBarInfo", "TrackMouseEvent", "GetComboBoxInfo"}) {
    platform::HideEntryPoint(name, true);
  }
  LookUpSkinEntryPoints();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(GetScrollBarInfoSafe(form->Handle(), OBJID_VSCROLL, &info));
  TrackMouseLeave(form->Handle());
  TRACKMOUSEEVENT query;
  query.dwFlags = TME_QUERY;
  TrackMouseEvent(&query);
  EXPECT_EQ(query.hwndTrack, nullptr) << "no leave tracking was asked for";
  for (const char* name : {"GetScrollBarInfo", "TrackMouseEvent", "GetComboBoxInfo"}) {
    platform::HideEntryPoint(name, false);
  }
  LookUpSkinEntryPoints();
  EXPECT_TRUE(GetScrollBarInfoSafe(form->Handle(), OBJID_VSCROLL, &info));
  EXPECT_EQ(ControlFromWindow(form->Handle()), form);
  EXPECT_EQ(ControlFromWindow(nullptr), nullptr);
}

TEST_F(ComponentTest, ARejectedPackageLeavesSkinningOff) {
  skin = new TSkinData(nullptr);
  skin->SetSkinStream(std::vector<std::uint8_t>{1, 2, 3});
  EXPECT_FALSE(skin->LoadSkin());
  skin->SetActive(true);
  skin->Loaded();
  EXPECT_FALSE(skin->Active());
  skin->SetActive(true);
  EXPECT_FALSE(SkinManager->FActive) << "no skin is loaded, so nothing switches on";
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable);
  EXPECT_EQ(SkinFormOf(form->Handle()), nullptr);
}

TEST_F(ComponentTest, DialogSkinsIgnoreActiveAtRunTime) {
  LoadMainSkin(false);
  auto* dialogSkin = new TSkinData(nullptr);
  dialogSkin->SetSkinFormtype(TSkinFormType::sfDialog);
  dialogSkin->SetSkinStream(EmbeddedSkin());
  dialogSkin->LoadSkin();
  dialogSkin->Loaded();
  EXPECT_TRUE(SkinManager->FActive) << "a skin of another form type switches attaching on";
  const int started = SkinManager->FStarted;
  dialogSkin->SetActive(true);
  dialogSkin->SetActive(false);
  EXPECT_EQ(SkinManager->FStarted, started);
  EXPECT_FALSE(SkinManager->FTimer->Enabled());
  EXPECT_EQ(SkinManager->SelectSkin(CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                    nullptr, nullptr)),
            dialogSkin);
  dialogSkin->Free();
}

TEST_F(ComponentTest, TheStoredPackageStreamsWithTheForm) {
  const auto package = EmbeddedSkin();
  std::string hex;
  char digits[3];
  const auto size = static_cast<std::uint32_t>(package.size());
  for (int i = 0; i < 4; ++i) {
    std::snprintf(digits, sizeof(digits), "%02X", (size >> (8 * i)) & 0xFF);
    hex += digits;
  }
  for (std::uint8_t b : package) {
    std::snprintf(digits, sizeof(digits), "%02X", b);
    hex += digits;
  }
  const std::string resource =
      "object Skinned: TForm\n  Caption = 'Skinned'\n  object Engine: TSkinData\n    Active = True\n"
      "    Options = [xoPreview]\n    Skin3rd.Strings = (\n      'TXhDateTimePicker=Combobox')\n"
      "    SkinStream = {" + hex + "}\n  end\nend\n";
  TForm* form = NewComponent<TForm>(Application);
  ReadComponentResource(form, resource);
  auto* engine = dynamic_cast<TSkinData*>(form->FindComponent("Engine"));
  ASSERT_NE(engine, nullptr);
  EXPECT_FALSE(engine->NoSkin()) << "the model is built while the form is read";
  EXPECT_TRUE(engine->Active());
  EXPECT_EQ(engine->Skin3rd()->Count(), 1);
  EXPECT_EQ(engine->SkinStream().size(), package.size());
  ASSERT_NE(SkinManager, nullptr);
  EXPECT_EQ(SkinManager->FDefaultSkin, engine);

  TMemoryStream written;
  engine->WriteSkinStream(written);
  written.SetPosition(0);
  TSkinData copy(nullptr);
  copy.ReadSkinStream(written);
  EXPECT_EQ(copy.SkinStream(), engine->SkinStream());
  EXPECT_FALSE(copy.NoSkin());
  // A length of 0 or less keeps what is stored.
  TMemoryStream empty;
  const std::int32_t none = 0;
  empty.WriteBuffer(&none, 4);
  empty.SetPosition(0);
  copy.ReadSkinStream(empty);
  EXPECT_EQ(copy.SkinStream().size(), package.size());
  form->Free();
}

TEST_F(ComponentTest, AMissingSkinFileLeavesNoSkinLoaded) {
  LoadMainSkin();
  skin->SetSkinFile("/no/such/file.skn");
  EXPECT_TRUE(skin->NoSkin());
  EXPECT_EQ(skin->SkinFile(), "/no/such/file.skn");
  skin->SetActive(false);
  skin->SetActive(true);
  EXPECT_FALSE(SkinManager->FTimer->Enabled() && SkinManager->FAction == kActionSkinOn);
}

}  // namespace
}  // namespace skintest
