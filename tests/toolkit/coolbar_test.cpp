// TCoolBar and TCoolBand: read from a form resource (bands as a collection,
// their controls as references resolved after loading), their properties
// by name, the window's bands made from the bands, the height following
// the rows, the user's drags read back, the classic look, and no leaks.
#include "platform/controls/controls.h"
#include "support/golden.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

using CoolBarTest = ToolkitTest;

constexpr const char* kForm = R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 360
  ClientHeight = 160
  BorderStyle = bsNone
  object Cool: TCoolBar
    AutoSize = True
    Bands = <
      item
        Control = Tools
        Width = 220
        Color = clInfoBk
      end
      item
        Text = 'Links'
        Break = False
        MinHeight = 22
      end
      item
        Control = Address
        Text = 'Address'
        Color = 16770250
      end>
    object Tools: TToolBar
      Width = 150
      Height = 22
      Flat = True
      ShowCaptions = True
      List = True
      Transparent = True
      ButtonHeight = 22
      object Back: TToolButton
        Caption = 'Back'
      end
      object Next: TToolButton
        Caption = 'Next'
      end
    end
    object Address: TEdit
      Width = 120
      Height = 21
      Text = 'http://example'
    end
  end
end
)";

COLORREF BandBack(HWND bar, int index) {
  REBARBANDINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_COLORS;
  SendMessageA(bar, RB_GETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  return info.clrBack;
}

UINT BandStyle(HWND bar, int index) {
  REBARBANDINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_STYLE;
  SendMessageA(bar, RB_GETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  return info.fStyle;
}

RECT BandRect(HWND bar, int index) {
  RECT r{};
  SendMessageA(bar, RB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

TEST_F(CoolBarTest, ReadFromAFormResourceIntoTheWindowsBands) {
  TForm* form = ReadShownForm(kForm);
  auto* cool = As<TCoolBar>(form->FindComponent("Cool"));
  ASSERT_NE(cool, nullptr);
  auto* tools = As<TToolBar>(form->FindComponent("Tools"));
  auto* address = As<TEdit>(form->FindComponent("Address"));
  ASSERT_EQ(cool->Bands()->Count(), 3);
  EXPECT_EQ(cool->Band(0)->Control(), tools);  // the reference resolved after loading
  EXPECT_EQ(cool->Band(2)->Control(), address);
  EXPECT_EQ(cool->Band(1)->Control(), nullptr);
  EXPECT_EQ(cool->BandOf(address), cool->Band(2));
  HWND h = cool->Handle();
  EXPECT_EQ(SendMessageA(h, RB_GETBANDCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(h, RB_GETROWCOUNT, 0, 0), 2);
  EXPECT_NE(GetWindowLongA(h, GWL_STYLE) & RBS_BANDBORDERS, 0);  // BandBorderStyle bsSingle
  // The controls' windows stand in their bands, and the toolkit knows where.
  EXPECT_EQ(GetParent(address->Handle()), h);
  const RECT addressBand = BandRect(h, 2);
  EXPECT_GE(address->Left(), addressBand.left);
  EXPECT_LE(address->Left() + address->Width(), addressBand.right);
  EXPECT_GE(address->Top(), addressBand.top);
  EXPECT_EQ(address->Height(), 25);  // stretched to the band's least height
  EXPECT_EQ(BandRect(h, 0).right, 220);
  EXPECT_EQ(tools->Top(), 0);
  // Band colours: their own, or the bar's when they follow it.
  EXPECT_EQ(BandBack(h, 0), ColorToRGB(clInfoBk));
  EXPECT_EQ(BandBack(h, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(BandBack(h, 2), RGB(0xCA, 0xE4, 0xFF));
  // AutoSize: the bar is as tall as its rows and the border between them.
  EXPECT_EQ(cool->Height(), SendMessageA(h, RB_GETBARHEIGHT, 0, 0));
  EXPECT_EQ(cool->Height(), 25 + 2 + 25);
  EXPECT_EQ(cool->Width(), 360);  // aligned to the top of the form
  form->Release();
}

TEST_F(CoolBarTest, PropertiesByNameReachTheWindow) {
  TForm* form = ReadShownForm(kForm);
  auto* cool = As<TCoolBar>(form->FindComponent("Cool"));
  ASSERT_NE(cool, nullptr);
  HWND h = cool->Handle();
  EXPECT_EQ(GetEnumProp(cool, "AutoSize"), "True");
  EXPECT_EQ(GetEnumProp(cool, "BandBorderStyle"), "bsSingle");
  EXPECT_EQ(GetObjectProp(cool, "Bands"), cool->Bands());
  TCoolBand* links = cool->Band(1);
  EXPECT_EQ(GetStrProp(links, "Text"), "Links");
  EXPECT_EQ(GetEnumProp(links, "Break"), "False");
  EXPECT_EQ(GetEnumProp(links, "ParentColor"), "True");
  EXPECT_EQ(GetOrdProp(links, "MinHeight"), 22);
  EXPECT_EQ(GetObjectProp(cool->Band(0), "Control"), form->FindComponent("Tools"));
  // A colour of its own ends following the bar's.
  SetOrdProp(links, "Color", static_cast<long long>(clYellow));
  EXPECT_EQ(GetEnumProp(links, "ParentColor"), "False");
  EXPECT_EQ(BandBack(h, 1), ColorToRGB(clYellow));
  // The bar's colour reaches the bands that follow it.
  SetEnumProp(links, "ParentColor", "True");
  cool->SetColor(clAqua);
  EXPECT_EQ(BandBack(h, 1), ColorToRGB(clAqua));
  EXPECT_EQ(BandBack(h, 0), ColorToRGB(clInfoBk));
  SetEnumProp(links, "FixedSize", "True");
  EXPECT_NE(BandStyle(h, 1) & RBBS_FIXEDSIZE, 0u);
  // A hidden band gives its row back; the bar's height follows.
  SetEnumProp(cool->Band(2), "Visible", "False");
  EXPECT_NE(BandStyle(h, 2) & RBBS_HIDDEN, 0u);
  EXPECT_EQ(SendMessageA(h, RB_GETROWCOUNT, 0, 0), 1);
  EXPECT_EQ(cool->Height(), 25);
  // A band without a control is as tall as its title (MinHeight sizes controls).
  SetEnumProp(links, "Break", "True");
  EXPECT_EQ(SendMessageA(h, RB_GETROWCOUNT, 0, 0), 2);
  const LRESULT titleRow = SendMessageA(h, RB_GETROWHEIGHT, 1, 0);
  EXPECT_LT(titleRow, 22);
  EXPECT_EQ(cool->Height(), 25 + 2 + titleRow);
  SetEnumProp(cool, "BandBorderStyle", "bsNone");
  EXPECT_EQ(GetWindowLongA(h, GWL_STYLE) & RBS_BANDBORDERS, 0);
  EXPECT_EQ(cool->Height(), 25 + titleRow);
  SetEnumProp(cool, "AutoSize", "False");
  SetOrdProp(cool, "Height", 90);
  cool->AddBand()->SetText("More");
  EXPECT_EQ(cool->Height(), 90);  // without AutoSize the bar keeps its height
  EXPECT_EQ(SendMessageA(h, RB_GETBANDCOUNT, 0, 0), 4);
  cool->Bands()->Delete(0);
  EXPECT_EQ(SendMessageA(h, RB_GETBANDCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(h, RB_IDTOINDEX, cool->Band(0)->Id(), 0), 0);
  // Images: a band's image widens its header by the image and a gap.
  auto* images = NewComponent<TImageList>(form);
  images->SetWidth(16);
  images->SetHeight(16);
  RECT before{};
  SendMessageA(h, RB_GETBANDBORDERS, 0, reinterpret_cast<LPARAM>(&before));
  SetObjectProp(cool, "Images", images);
  SetOrdProp(cool->Band(0), "ImageIndex", 0);
  RECT after{};
  SendMessageA(h, RB_GETBANDBORDERS, 0, reinterpret_cast<LPARAM>(&after));
  EXPECT_EQ(after.left, before.left + 16 + 2);
  delete images;
  EXPECT_EQ(cool->Images(), nullptr);
  form->Release();
}

TEST_F(CoolBarTest, AHiddenControlHidesItsBand) {
  TForm* form = ReadShownForm(kForm);
  auto* cool = As<TCoolBar>(form->FindComponent("Cool"));
  ASSERT_NE(cool, nullptr);
  auto* address = As<TEdit>(form->FindComponent("Address"));
  address->SetVisible(false);
  EXPECT_NE(BandStyle(cool->Handle(), 2) & RBBS_HIDDEN, 0u);
  EXPECT_EQ(SendMessageA(cool->Handle(), RB_GETROWCOUNT, 0, 0), 1);
  EXPECT_EQ(cool->Height(), 25);
  address->SetVisible(true);
  EXPECT_EQ(BandStyle(cool->Handle(), 2) & RBBS_HIDDEN, 0u);
  EXPECT_TRUE(IsWindowVisible(address->Handle()));
  EXPECT_EQ(cool->Height(), 25 + 2 + 25);
  form->Release();
}

TEST_F(CoolBarTest, TheUsersDragIsReadBackAndTold) {
  TForm* form = ReadShownForm(kForm);
  auto* cool = As<TCoolBar>(form->FindComponent("Cool"));
  ASSERT_NE(cool, nullptr);
  int changes = 0;
  cool->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, cool);
    ++changes;
  };
  HWND h = cool->Handle();
  const RECT links = BandRect(h, 1);
  // The "Links" gripper dragged 60 pixels left: the first band gives width.
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(links.left + 3, 5));
  SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(links.left - 57, 5));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(links.left - 57, 5));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(cool->Band(0)->Width(), 160);  // 222 - 60, less the border between the bands
  EXPECT_EQ(cool->Band(1)->Width(), BandRect(h, 1).right - BandRect(h, 1).left);
  // Dragged below its row, the "Links" band starts a row of its own.
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(BandRect(h, 1).left + 3, 5));
  SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(BandRect(h, 1).left + 3, cool->Height() + 5));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(BandRect(h, 1).left + 3, cool->Height() + 5));
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(SendMessageA(h, RB_GETROWCOUNT, 0, 0), 3);
  EXPECT_EQ(cool->Height(), SendMessageA(h, RB_GETBARHEIGHT, 0, 0));
  EXPECT_TRUE(cool->Band(1)->Break());
  form->Release();
}

TEST_F(CoolBarTest, AFreedControlLeavesItsBandEmpty) {
  TForm* form = ReadShownForm(kForm);
  auto* cool = As<TCoolBar>(form->FindComponent("Cool"));
  ASSERT_NE(cool, nullptr);
  delete form->FindComponent("Address");
  EXPECT_EQ(cool->Band(2)->Control(), nullptr);
  REBARBANDINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_CHILD;
  SendMessageA(cool->Handle(), RB_GETBANDINFOA, 2, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.hwndChild, nullptr);
  // A control given to a second band leaves the first.
  auto* tools = As<TToolBar>(form->FindComponent("Tools"));
  cool->Band(1)->SetControl(tools);
  EXPECT_EQ(cool->Band(0)->Control(), nullptr);
  EXPECT_EQ(cool->BandOf(tools), cool->Band(1));
  Pump();
  form->Release();
}

TEST_F(CoolBarTest, AReferenceToAMissingControlIsAReadError) {
  TForm* form = NewComponent<TForm>(Application);
  EXPECT_THROW(ReadComponentResource(form, "object F: TForm\n object C: TCoolBar\n Bands = <\n item\n"
                                           " Control = Nowhere\n end>\n end\nend\n"),
               EReadError);
  form->Free();
}

TEST_F(CoolBarTest, GoldenTwoRowsWithAToolBarAnEditAndBandColours) {
  TForm* form = ReadShownForm(kForm);
  headless::MoveMouse(900, 900);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(form->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/coolbar", GoldenTolerance{48, 60}));
  form->Release();
}

TEST_F(CoolBarTest, TwoHundredFormsLeaveNothingBehind) {
  auto round = [] {
    TForm* form = ReadShownForm(kForm);
    auto* cool = As<TCoolBar>(form->FindComponent("Cool"));
    HWND h = cool->Handle();
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(BandRect(h, 1).left + 3, 5));
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(BandRect(h, 1).left + 3, 70));
    SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(BandRect(h, 1).left + 3, 70));
    cool->Bands()->Delete(1);
    Application->ProcessMessages();
    form->Free();
    Application->ProcessMessages();
  };
  ExpectRoundsLeaveEveryCount(round);
}

}  // namespace
}  // namespace brellis::test
