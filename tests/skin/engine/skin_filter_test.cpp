// The attach decision row by row: which windows the manager skins and which
// it leaves alone.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "skin/engine/engine_fixture.h"
#include "support/message_recorder.h"

namespace skintest {
namespace {

LRESULT SkinnedAlready(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == SKM_ISSKINNED) return 1;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A hidden top-level window of a class registered for it (so that no
// activation attaches it before the test asks).
HWND WindowOfClass(const char* cls, DWORD style, DWORD exStyle = 0, HINSTANCE module = platform::ProgramModule(),
                   HWND parent = nullptr, int width = 200, int height = 120,
                   PlainWindowProcedure proc = &DefWindowProcA) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProcFromFunction(proc);
  wc.hInstance = module;
  wc.lpszClassName = cls;
  RegisterClassExA(&wc);
  return CreateWindowExA(exStyle, cls, "Brellis", style, 50, 50, width, height, parent, nullptr, module, nullptr);
}

struct FilterRow {
  const char* name;
  const char* cls;
  DWORD style;
  DWORD exStyle;
  bool otherModule;
  bool zeroSize;
  bool expected;
};

constexpr DWORD kFrame = WS_OVERLAPPEDWINDOW;

const FilterRow kRows[] = {
    {"a window of the program", "FilterPlain", kFrame, 0, false, false, true},
    {"another module's window", "FilterForeign", kFrame, 0, true, false, false},
    {"another module's dialog", "#32770", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, true, false, true},
    {"a dialog that sets itself foreground", "#32770", WS_POPUP | WS_CAPTION | DS_SETFOREGROUND, 0, false, false,
     false},
    {"a zero-sized window", "FilterZero", WS_POPUP, 0, false, true, false},
    {"the application window", "TApplication", kFrame, 0, false, false, false},
    {"an editor's popup window", "TcxPopupEditPopupWindowX", kFrame, 0, false, false, false},
    {"a render window", "MyTTERenderWindow", kFrame, 0, false, false, false},
    {"a preview (without xoPreview)", "TFormPreview", kFrame, 0, false, false, false},
    {"a data tree popup", "TPopupDbTreeView", kFrame, 0, false, false, false},
    {"a month calendar", "SysMonthCal32", kFrame, 0, false, false, false},
    {"a report class without xcFastReport", "TfrDesigner", kFrame, 0, false, false, true},
};

class FilterTest : public EngineTest, public ::testing::WithParamInterface<FilterRow> {};

TEST_P(FilterTest, AttachDecision) {
  const FilterRow& row = GetParam();
  LoadMainSkin();
  skin->SetOptions(TSkinOptions{TSkinOption::xoToolbarBK});
  const HINSTANCE module = row.otherModule ? platform::OtherModule(0) : platform::ProgramModule();
  HWND window = std::string(row.cls) == "#32770"
                    ? CreateWindowExA(row.exStyle, "#32770", "Brellis", row.style, 50, 50, 200, 120, nullptr, nullptr,
                                      module, nullptr)
                    : WindowOfClass(row.cls, row.style, row.exStyle, module, nullptr, row.zeroSize ? 0 : 200,
                                    row.zeroSize ? 0 : 120);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SkinManager->AttachWindow(window), row.expected) << row.name;
  EXPECT_EQ(SkinFormOf(window) != nullptr, row.expected) << row.name;
  DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(EveryRule, FilterTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<FilterRow>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c) name += std::isalnum(*c) ? *c : '_';
                           return name;
                         });

using FilterRules = EngineTest;

TEST_F(FilterRules, OptionsAndEventsChangeTheVerdict) {
  LoadMainSkin();
  HWND preview = WindowOfClass("TFormPreview", kFrame);
  skin->SetOptions(TSkinOptions{TSkinOption::xoPreview});
  EXPECT_TRUE(SkinManager->AcceptWindow(preview, "TFormPreview"));
  skin->SetOptions(TSkinOptions{});
  EXPECT_FALSE(SkinManager->AcceptWindow(preview, "TFormPreview"));

  skin->SetSkinControls(skin->SkinControls().Include(TSkinControlType::xcFastReport));
  EXPECT_FALSE(SkinManager->AcceptWindow(preview, "TfrDesigner"));

  // The program's filter replaces the calendar and report rules.
  std::vector<std::string> asked;
  skin->OnFormSkin = [&](TObject* sender, const AnsiString& name, bool& doSkin) {
    EXPECT_EQ(sender, skin);
    asked.push_back(name);
    doSkin = name != "TVetoed";
  };
  EXPECT_TRUE(SkinManager->AcceptWindow(preview, "SysMonthCal32"));
  EXPECT_TRUE(SkinManager->AcceptWindow(preview, "TfrDesigner"));
  EXPECT_FALSE(SkinManager->AcceptWindow(preview, "TVetoed"));
  EXPECT_EQ(asked, (std::vector<std::string>{"SysMonthCal32", "TfrDesigner", "TVetoed"}));
  DestroyWindow(preview);
}

TEST_F(FilterRules, ChildrenTagsAndSkinnedWindows) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable);
  HWND child = WindowOfClass("FilterChild", WS_CHILD | WS_VISIBLE, 0, platform::ProgramModule(), form->Handle());
  EXPECT_FALSE(SkinManager->AttachWindow(child)) << "a child of a normal form";
  SkinManager->FSweeping = true;
  EXPECT_TRUE(SkinManager->AttachWindow(child)) << "the sweep lifts the child rule";
  SkinManager->FSweeping = false;

  HWND answering = WindowOfClass("FilterSkinned", kFrame, 0, platform::ProgramModule(), nullptr, 200, 120,
                                 &SkinnedAlready);
  EXPECT_FALSE(SkinManager->AttachWindow(answering)) << "skinned by another engine";
  EXPECT_FALSE(SkinManager->AttachWindow(form->Handle())) << "attached once only";

  // A form tagged 99 is never skinned, whatever the disable tag says.
  skin->SetDisableTag(5);
  TForm* tagged = NewComponent<TForm>(Application);
  tagged->SetTag(99);
  tagged->SetCaption("Tagged");
  tagged->Show();
  Settle();
  EXPECT_EQ(SkinFormOf(tagged->Handle()), nullptr);
  DestroyWindow(answering);
}

TEST_F(FilterRules, NothingIsAttachedWhileSkinningIsOff) {
  LoadMainSkin(false);
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable);
  EXPECT_EQ(SkinFormOf(form->Handle()), nullptr);
  EXPECT_FALSE(SkinManager->AttachWindow(form->Handle()));
}

TEST_F(FilterRules, MDIChildrenAreAttachedAtCreation) {
  LoadMainSkin();
  TForm* frame = NewComponent<TForm>(Application);
  frame->SetFormStyle(TFormStyle::fsMDIForm);
  frame->SetBounds(50, 50, 500, 400);
  frame->Show();
  Settle();
  TForm* child = NewComponent<TForm>(Application);
  child->SetFormStyle(TFormStyle::fsMDIChild);
  child->SetCaption("Child");
  child->Show();
  Settle();
  TWinSkinForm* skinnedFrame = SkinFormOf(frame->Handle());
  ASSERT_NE(skinnedFrame, nullptr);
  EXPECT_EQ(skinnedFrame->FKind, kKindMDIFrame);
  EXPECT_EQ(SkinManager->FMDIClient, frame->ClientHandle());
  TWinSkinForm* skinnedChild = SkinFormOf(child->Handle());
  ASSERT_NE(skinnedChild, nullptr);
  EXPECT_EQ(skinnedChild->FKind, kKindMDIChild);
  // The child's top is at least the standard caption and frame.
  EXPECT_GE(skinnedChild->FTitleHeight + skinnedChild->FMenuBarHeight,
            GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME));
}

}  // namespace
}  // namespace skintest
