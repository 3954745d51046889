// The attach pass: which skin class each control of a form gets, by the
// rule table, the Skin3rd map, the switches, the tag and the program's
// event; bare windows by class and style; the re-attach after re-creation.
#include <gtest/gtest.h>

#include "platform/display/headless/headless.h"
#include "skin/controls/controls_fixture.h"
#include "support/message_recorder.h"
#include "toolkit/Buttons.h"
#include "toolkit/Buttons_BitBtn.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/ExtCtrls_RadioGroup.h"
#include "toolkit/Forms_Scrolling.h"
#include "toolkit/Grids.h"
#include "toolkit/MPlayer.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_Lists.h"
#include "toolkit/StdCtrls_Memo.h"
#include "toolkit/StdCtrls_ScrollBar.h"

namespace skintest {
namespace {

using AttachPassTest = ControlsTest;

struct Expected {
  TControl* control;
  TSkinClass cls;
  int mode;
};

template <class T>
T* Add(TWinControl* parent, int y) {
  auto* control = NewComponent<T>(parent->Owner() != nullptr && As<TForm>(parent) == nullptr ? parent->Owner()
                                                                                              : parent);
  control->SetParent(parent);
  control->SetBounds(4, y, 80, 20);
  return control;
}

TEST_F(AttachPassTest, EveryClassOfTheRuleTableGetsTheSkinClassItsRuleNames) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  ASSERT_NE(skin->Tabs, nullptr) << "the embedded skin has tabs";
  TForm* form = NewForm();
  int y = 0;
  auto* tabControl = Add<TTabControl>(form, y += 2);
  auto* pageControl = Add<TPageControl>(form, y += 2);
  auto* header = Add<THeaderControl>(form, y += 2);
  auto* check = Add<TCheckBox>(form, y += 2);
  auto* track = Add<TTrackBar>(form, y += 2);
  auto* upDown = Add<TUpDown>(form, y += 2);
  auto* player = Add<TMediaPlayer>(form, y += 2);
  auto* radioGroup = Add<TRadioGroup>(form, y += 2);
  radioGroup->Items()->Add("one");
  auto* groupBox = Add<TGroupBox>(form, y += 2);
  auto* inGroup = Add<TButton>(groupBox, 2);
  auto* radio = Add<TRadioButton>(form, y += 2);
  auto* toolBar = Add<TToolBar>(form, y += 2);
  auto* statusBar = Add<TStatusBar>(form, y += 2);
  auto* progress = Add<TProgressBar>(form, y += 2);
  auto* scrollBar = Add<TScrollBar>(form, y += 2);
  auto* combo = Add<TComboBox>(form, y += 2);
  auto* picker = Add<TDateTimePicker>(form, y += 2);
  auto* timePicker = Add<TDateTimePicker>(form, y += 2);
  timePicker->SetKind(TDateTimeKind::dtkTime);
  auto* bitBtn = Add<TBitBtn>(form, y += 2);
  auto* speed = Add<TSpeedButton>(form, y += 2);
  auto* panel = Add<TPanel>(form, y += 2);
  auto* inPanel = Add<TEdit>(panel, 2);
  auto* listView = Add<TListView>(form, y += 2);
  auto* listBox = Add<TListBox>(form, y += 2);
  auto* tree = Add<TTreeView>(form, y += 2);
  auto* memo = Add<TMemo>(form, y += 2);
  auto* grid = Add<TStringGrid>(form, y += 2);
  auto* button = Add<TButton>(form, y += 2);
  auto* edit = Add<TEdit>(form, y += 2);
  auto* label = Add<TLabel>(form, y += 2);
  TWinSkinForm* skinned = ShowAndAttach(form);
  ASSERT_NE(skinned, nullptr);

  const std::vector<Expected> table = {
      {tabControl, TSkinClass::Tab, 0},        {pageControl, TSkinClass::Tab, 2},
      {header, TSkinClass::Header, 0},         {check, TSkinClass::CheckBox, 0},
      {track, TSkinClass::TrackBar, 0},        {upDown, TSkinClass::UpDown, 0},
      {player, TSkinClass::MediaPlayer, 0},    {radioGroup, TSkinClass::GroupBox, 0},
      {groupBox, TSkinClass::GroupBox, 0},     {inGroup, TSkinClass::Button, 0},
      {radio, TSkinClass::RadioButton, 0},     {toolBar, TSkinClass::Box, 0},
      {statusBar, TSkinClass::StatusBar, 0},   {progress, TSkinClass::Progress, 0},
      {scrollBar, TSkinClass::ScControl, 0},   {combo, TSkinClass::ComBox, 0},
      {picker, TSkinClass::DateTime, 0},       {timePicker, TSkinClass::Edit, 0},
      {bitBtn, TSkinClass::BitButton, 0},      {speed, TSkinClass::SpeedButton, 0},
      {panel, TSkinClass::Box, 0},             {inPanel, TSkinClass::Edit, 0},
      {listView, TSkinClass::ListView, 0},     {listBox, TSkinClass::Scrollbar, 0},
      {tree, TSkinClass::Scrollbar, 0},        {memo, TSkinClass::Scrollbar, 0},
      {grid, TSkinClass::Scrollbar, 0},        {button, TSkinClass::Button, 0},
      {edit, TSkinClass::Edit, 0},
  };
  for (const Expected& row : table) {
    TSkinControl* object = SkinOf(skinned, row.control);
    ASSERT_NE(object, nullptr) << row.control->ClassName();
    EXPECT_EQ(object->FSkinClass, row.cls) << row.control->ClassName() << " got " << SkinClassName(object->FSkinClass);
    EXPECT_EQ(static_cast<TRecordingSkin*>(object)->FRequest.Mode, row.mode) << row.control->ClassName();
  }
  EXPECT_EQ(SkinOf(skinned, label), nullptr);
  // The radio group's own buttons, then the group with the face colour.
  ASSERT_GT(radioGroup->ControlCount(), 0);
  ASSERT_NE(SkinOf(skinned, radioGroup->Controls(0)), nullptr);
  EXPECT_EQ(SkinOf(skinned, radioGroup->Controls(0))->FSkinClass, TSkinClass::RadioButton);
  EXPECT_TRUE(static_cast<TRecordingSkin*>(SkinOf(skinned, radioGroup))->FRequest.ChangeColor);
  EXPECT_TRUE(toolBar->Flat());
  EXPECT_TRUE(static_cast<bool>(toolBar->OnCustomDraw));
  // Every object is listed once.
  for (TSkinControl* object : skinned->FControls) {
    EXPECT_EQ(std::count(skinned->FControls.begin(), skinned->FControls.end(), object), 1);
  }
}

TEST_F(AttachPassTest, SwitchesTagsAndMissingClassesLeaveControlsUnskinned) {
  RecordingSkinClasses classes;
  classes.Remove(TSkinClass::Edit);
  LoadMainSkin();
  TSkinControlTypes kinds = skin->SkinControls();
  skin->SetSkinControls(kinds.Exclude(TSkinControlType::xcBitBtn).Exclude(TSkinControlType::xcCheckBox));
  TForm* form = NewForm();
  auto* bitBtn = Add<TBitBtn>(form, 0);
  auto* check = Add<TCheckBox>(form, 30);
  auto* edit = Add<TEdit>(form, 60);
  auto* tagged = Add<TButton>(form, 90);
  tagged->SetTag(skin->DisableTag());
  auto* button = Add<TButton>(form, 120);
  TWinSkinForm* skinned = ShowAndAttach(form);
  ASSERT_NE(skinned, nullptr);
  EXPECT_EQ(SkinOf(skinned, bitBtn), nullptr) << "no fall-back to the push-button rule";
  EXPECT_EQ(SkinOf(skinned, check), nullptr);
  EXPECT_EQ(SkinOf(skinned, edit), nullptr) << "a class without a factory is skipped";
  EXPECT_EQ(SkinOf(skinned, tagged), nullptr);
  ASSERT_NE(SkinOf(skinned, button), nullptr);
  EXPECT_EQ(SendMessageA(edit->Handle(), SKM_ISSKINNED, 0, 0), 0);
}

TEST_F(AttachPassTest, Skin3rdLinesMapTheirClassByKindAndTheFirstLineCounts) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  skin->Skin3rd()->Clear();
  skin->Skin3rd()->Add("TPanel=nil");
  skin->Skin3rd()->Add("TPanel=Panel");
  skin->Skin3rd()->Add("TGroupBox=unknownkind");
  skin->Skin3rd()->Add("TButton=Panel");
  skin->Skin3rd()->Add("TEdit=ComboBoxEx");
  TForm* form = NewForm();
  auto* panel = Add<TPanel>(form, 0);
  auto* groupBox = Add<TGroupBox>(form, 30);
  auto* button = Add<TButton>(form, 60);
  auto* edit = Add<TEdit>(form, 90);
  TWinSkinForm* skinned = ShowAndAttach(form);
  EXPECT_EQ(SkinOf(skinned, panel), nullptr) << "nil keeps it unskinned";
  EXPECT_EQ(SkinOf(skinned, groupBox), nullptr) << "an unknown kind still stops the rules";
  ASSERT_NE(SkinOf(skinned, button), nullptr);
  EXPECT_EQ(SkinOf(skinned, button)->FSkinClass, TSkinClass::Box);
  ASSERT_NE(SkinOf(skinned, edit), nullptr);
  EXPECT_EQ(static_cast<TRecordingSkin*>(SkinOf(skinned, edit))->FRequest.Variant, 1) << "extended combo";
}

TEST_F(AttachPassTest, OnSkinControlCanRefuseOrSupplyTheSkinObject) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  auto* refused = Add<TButton>(form, 0);
  auto* supplied = Add<TButton>(form, 30);
  auto* ordinary = Add<TButton>(form, 60);
  TRecordingSkin* own = nullptr;
  std::vector<AnsiString> names;
  skin->OnSkinControl = [&](TComponent*, TSkinData*, TControl*, TControl* control, const AnsiString& className,
                            TComponent*& result) {
    names.push_back(className);
    if (control == refused) result = refused;  // any other object vetoes
    if (control == supplied) result = own = new TRecordingSkin(supplied);
  };
  TWinSkinForm* skinned = ShowAndAttach(form);
  EXPECT_EQ(SkinOf(skinned, refused), nullptr);
  EXPECT_EQ(SkinOf(skinned, supplied), own);
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(own->FAttached);
  ASSERT_NE(SkinOf(skinned, ordinary), nullptr);
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), "TBUTTON");
}

TEST_F(AttachPassTest, BareWindowsAreSkinnedByClassAndButtonStyle) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  HWND dialog = CreateWindowExW(0, brellis::test::MessageRecorder::WideClass(), u"Dialog", WS_OVERLAPPEDWINDOW,
                                100, 100, 300, 300, nullptr, nullptr, platform::ProgramModule(), nullptr);
  struct Row {
    const char16_t* cls;
    DWORD style;
    TSkinClass expected;
  };
  const std::vector<Row> rows = {
      {u"Button", BS_PUSHBUTTON, TSkinClass::Button},
      {u"Button", BS_DEFPUSHBUTTON, TSkinClass::Button},
      {u"Button", BS_AUTOCHECKBOX, TSkinClass::CheckBox},
      {u"Button", BS_3STATE, TSkinClass::CheckBox},
      {u"Button", BS_PUSHBOX, TSkinClass::CheckBox},
      {u"Button", BS_AUTORADIOBUTTON, TSkinClass::RadioButton},
      {u"Button", BS_RADIOBUTTON, TSkinClass::RadioButton},
      {u"Button", BS_GROUPBOX, TSkinClass::None},
      {u"Button", BS_OWNERDRAW, TSkinClass::None},
      {u"Button", BS_PUSHBUTTON | BS_BITMAP, TSkinClass::None},
      {u"Edit", WS_BORDER, TSkinClass::Edit},
      {u"ComboBox", CBS_DROPDOWNLIST, TSkinClass::ComBox},
      {u"ComboBox", CBS_SIMPLE, TSkinClass::None},
      {u"Static", 0, TSkinClass::None},
  };
  std::vector<HWND> windows;
  for (const Row& row : rows) {
    windows.push_back(CreateWindowExW(0, row.cls, u"x", WS_CHILD | WS_VISIBLE | row.style, 4,
                                      4 + 18 * static_cast<int>(windows.size()), 80, 16, dialog, nullptr, nullptr,
                                      nullptr));
  }
  ShowWindow(dialog, SW_SHOW);
  Settle();
  TWinSkinForm* skinned = SkinFormOf(dialog);
  ASSERT_NE(skinned, nullptr);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    TSkinControl* object = skinned->FindWindowSkin(windows[i]);
    const TSkinClass got = object != nullptr ? object->FSkinClass : TSkinClass::None;
    EXPECT_EQ(got, rows[i].expected) << "row " << i << " style 0x" << std::hex << rows[i].style;
  }
  DestroyWindow(dialog);
}

TEST_F(AttachPassTest, AReattachRequestReplacesTheScrollingSkinOfTheWindow) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  auto* listView = Add<TListView>(form, 0);
  auto* memo = Add<TMemo>(form, 100);
  TWinSkinForm* skinned = ShowAndAttach(form);
  TSkinControl* oldList = SkinOf(skinned, listView);
  TSkinControl* oldMemo = SkinOf(skinned, memo);
  ASSERT_NE(oldList, nullptr);
  ASSERT_NE(oldMemo, nullptr);
  PostMessageA(form->Handle(), SKM_REATTACHSCROLL, reinterpret_cast<WPARAM>(listView->Handle()), 0);
  PostMessageA(form->Handle(), SKM_REATTACHSCROLL, reinterpret_cast<WPARAM>(memo->Handle()), 0);
  PostMessageA(form->Handle(), SKM_REATTACHSCROLL, 0, 0);  // no entry: nothing
  Settle();
  TSkinControl* newList = SkinOf(skinned, listView);
  ASSERT_NE(newList, nullptr);
  EXPECT_EQ(newList->FSkinClass, TSkinClass::ListView);
  ASSERT_NE(SkinOf(skinned, memo), nullptr);
  EXPECT_EQ(SkinOf(skinned, memo)->FSkinClass, TSkinClass::Scrollbar);
  EXPECT_EQ(std::count_if(skinned->FControls.begin(), skinned->FControls.end(),
                          [&](TSkinControl* o) { return o->FControl == listView; }),
            1);
}

TEST_F(AttachPassTest, ToolBarEventsOutliveTheFormObjectAndFollowTheNextOne) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  auto* toolBar = Add<TToolBar>(form, 0);
  NewComponent<TToolButton>(form)->SetParent(toolBar);
  ASSERT_NE(ShowAndAttach(form), nullptr);
  ASSERT_TRUE(toolBar->OnCustomDraw);

  // Skinning off frees the form object; the tool bar paints on unharmed.
  skin->SetActive(false);
  Settle(300);
  ASSERT_EQ(SkinFormOf(form->Handle()), nullptr);
  toolBar->Repaint();
  Application->ProcessMessages();

  skin->SetActive(true);
  Settle(300);
  ASSERT_NE(SkinFormOf(form->Handle()), nullptr);
  toolBar->Repaint();
  Application->ProcessMessages();
}

TEST_F(AttachPassTest, AttachingAndDetachingAFormOfManyControlsLeavesNoHandle) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  for (int i = 0; i < 8; ++i) {
    Add<TButton>(form, i * 22);
    Add<TPanel>(form, i * 22)->SetLeft(100);
    Add<TEdit>(form, i * 22)->SetLeft(200);
  }
  TWinSkinForm* skinned = ShowAndAttach(form);
  ASSERT_NE(skinned, nullptr);
  ASSERT_EQ(skinned->FControls.size(), 24u);
  brellis::test::ExpectRoundsLeaveEveryCount([&] {
    TWinSkinForm* attached = SkinFormOf(form->Handle());
    attached->FreeControls();
    RunControlAttachPass(attached);
    ASSERT_EQ(attached->FControls.size(), 24u);
  });
}

}  // namespace
}  // namespace skintest
