// TToolBar and TToolButton: read from a form resource with their properties
// by name, the window's buttons made from the tool buttons, clicks and check
// groups reaching the buttons, and the custom-draw events.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using ToolBarToolkitTest = ToolkitTest;

constexpr const char* kForm = R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 320
  ClientHeight = 200
  BorderStyle = bsNone
  object Bar: TToolBar
    Flat = True
    ShowCaptions = True
    ButtonWidth = 40
    ButtonHeight = 36
    object Open: TToolButton
      Caption = 'Open'
      ImageIndex = 0
    end
    object Sep: TToolButton
      Style = tbsSeparator
    end
    object Left: TToolButton
      Caption = 'Left'
      Style = tbsCheck
      Grouped = True
      Down = True
    end
    object Right: TToolButton
      Caption = 'Right'
      Style = tbsCheck
      Grouped = True
    end
    object More: TToolButton
      Style = tbsDropDown
    end
  end
end
)";

TEST_F(ToolBarToolkitTest, ReadFromAFormResourceIntoTheWindowsButtons) {
  TForm* form = ReadShownForm(kForm);
  auto* bar = As<TToolBar>(form->FindComponent("Bar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetEnumProp(bar, "Flat"), "True");
  EXPECT_EQ(GetOrdProp(bar, "ButtonWidth"), 40);
  EXPECT_EQ(GetEnumProp(bar->Buttons(1), "Style"), "tbsSeparator");
  EXPECT_EQ(GetEnumProp(bar->Buttons(2), "Down"), "True");
  HWND h = bar->Handle();
  EXPECT_EQ(SendMessageA(h, TB_BUTTONCOUNT, 0, 0), 5);
  EXPECT_NE(GetWindowLongA(h, GWL_STYLE) & TBSTYLE_FLAT, 0);
  TBBUTTON b{};
  SendMessageA(h, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&b));
  EXPECT_EQ(b.fsStyle, BTNS_CHECK | BTNS_GROUP);
  EXPECT_EQ(b.fsState, TBSTATE_ENABLED | TBSTATE_CHECKED);
  SendMessageA(h, TB_GETBUTTON, 4, reinterpret_cast<LPARAM>(&b));
  EXPECT_EQ(b.fsStyle, BTNS_DROPDOWN);
  // The tool buttons stand where the window shows them.
  RECT r{};
  SendMessageA(h, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(bar->Buttons(2)->Left(), r.left);
  EXPECT_EQ(bar->Buttons(2)->Width(), r.right - r.left);
  EXPECT_EQ(r.bottom - r.top, 36);
  EXPECT_EQ(bar->Width(), 320);  // aligned to the top of the form
  form->Release();
}

TEST_F(ToolBarToolkitTest, ClicksReachTheButtonsAndCheckGroupsFollow) {
  TForm* form = ReadShownForm(kForm);
  auto* bar = As<TToolBar>(form->FindComponent("Bar"));
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> clicked;
  for (int i = 0; i < bar->ButtonCount(); ++i) {
    TToolButton* button = bar->Buttons(i);
    button->OnClick = [&clicked, button](TObject*) { clicked.push_back(button->Name()); };
  }
  auto click = [&](int index) {
    RECT r{};
    SendMessageA(bar->Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    SendMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 3, r.top + 3));
    SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(r.left + 3, r.top + 3));
  };
  click(0);
  click(3);
  EXPECT_EQ(clicked, (std::vector<std::string>{"Open", "Right"}));
  EXPECT_TRUE(bar->Buttons(3)->Down());
  EXPECT_FALSE(bar->Buttons(2)->Down());
  form->Release();
}

TEST_F(ToolBarToolkitTest, CustomDrawEventsPaintOnTheCanvasAndMaySkip) {
  TForm* form = ReadShownForm(kForm);
  auto* bar = As<TToolBar>(form->FindComponent("Bar"));
  ASSERT_NE(bar, nullptr);
  int backgrounds = 0;
  std::vector<std::string> drawn;
  bar->OnCustomDraw = [&](TToolBar* sender, const TRect&, bool& defaultDraw) {
    ++backgrounds;
    EXPECT_TRUE(sender->Canvas()->HandleAllocated());
    defaultDraw = true;
  };
  bar->OnCustomDrawButton = [&](TToolBar*, TToolButton* button, TCustomDrawState state, bool& defaultDraw) {
    drawn.push_back(button->Name() + (state.Contains(TCustomDrawStateItem::cdsChecked) ? "+" : ""));
    defaultDraw = button->Name() != "Open";
  };
  bar->Invalidate();
  UpdateWindow(bar->Handle());
  EXPECT_EQ(backgrounds, 1);
  EXPECT_EQ(drawn, (std::vector<std::string>{"Open", "Left+", "Right", "More"}));
  form->Release();
}

}  // namespace
}  // namespace brellis::test
