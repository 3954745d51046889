// Published properties of the controls by name, as form resources and the
// skin engine read and write them.
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using ControlPropertiesTest = ToolkitTest;

TEST_F(ControlPropertiesTest, CommonControlPropertiesRoundTripByText) {
  TForm* form = NewComponent<TForm>(Application);
  auto* label = NewComponent<TLabel>(form);
  label->SetParent(form);
  const std::pair<const char*, const char*> values[] = {
      {"Caption", "abc"},         {"Color", "clRed"},          {"Visible", "False"},
      {"Enabled", "False"},       {"Align", "alClient"},       {"Anchors", "akLeft,akRight"},
      {"Cursor", "crHandPoint"},  {"Hint", "tip"},             {"ShowHint", "True"},
      {"Transparent", "True"},    {"AutoSize", "False"},       {"Alignment", "taCenter"},
      {"BiDiMode", "bdRightToLeft"}, {"ParentColor", "False"}, {"Tag", "99"},
  };
  for (const auto& [name, text] : values) {
    SetPropValue(label, name, text);
    AnsiString read = GetPropValue(label, name);
    if (std::string_view(name) == "Color") read = ColorToString(static_cast<TColor>(GetOrdProp(label, name)));
    if (std::string_view(name) == "Cursor") EXPECT_EQ(GetOrdProp(label, name), crHandPoint);
    else EXPECT_EQ(read, text) << name;
  }
  EXPECT_EQ(GetObjectProp(label, "font"), label->Font());  // names are case-insensitive
}

TEST_F(ControlPropertiesTest, ClassSpecificPropertiesAreThereAndUnknownOnesAreNot) {
  TForm* form = NewComponent<TForm>(Application);
  auto* speed = NewComponent<TSpeedButton>(form);
  auto* button = NewComponent<TButton>(form);
  auto* edit = NewComponent<TEdit>(form);
  auto* panel = NewComponent<TPanel>(form);

  SetPropValue(speed, "GroupIndex", "2");
  SetPropValue(speed, "Down", "True");
  SetPropValue(speed, "Flat", "True");
  SetPropValue(speed, "Layout", "blGlyphTop");
  EXPECT_TRUE(speed->Down());
  EXPECT_EQ(GetEnumProp(speed, "Layout"), "blGlyphTop");
  EXPECT_EQ(GetOrdProp(speed, "NumGlyphs"), 1);
  EXPECT_EQ(GetOrdProp(speed, "Margin"), -1);
  EXPECT_EQ(GetOrdProp(speed, "Spacing"), 4);
  EXPECT_EQ(GetObjectProp(speed, "Glyph"), speed->Glyph());
  EXPECT_EQ(GetEnumProp(button, "Default"), "False");
  EXPECT_EQ(GetEnumProp(edit, "BorderStyle"), "bsSingle");
  EXPECT_EQ(GetEnumProp(form, "BorderStyle"), "bsSizeable");
  SetPropValue(form, "BorderStyle", "bsNone");
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsNone);
  SetPropValue(form, "AutoScroll", "False");
  EXPECT_FALSE(form->AutoScroll());
  SetPropValue(panel, "ParentBackground", "True");
  EXPECT_TRUE(panel->ParentBackground());
  EXPECT_EQ(GetEnumProp(panel, "BevelOuter"), "bvRaised");

  // Events are method properties holding the handler.
  int clicks = 0;
  SetMethodProp(panel, "OnClick", TNotifyEvent([&](TObject*) { ++clicks; }));
  panel->Click();
  EXPECT_EQ(clicks, 1);

  EXPECT_FALSE(IsPublishedProp(edit, "Glyph"));
  EXPECT_EQ(GetPropInfo(panel, "NoSuchProperty"), nullptr);
  EXPECT_THROW(GetOrdProp(button, "NoSuchProperty"), EPropertyError);
  EXPECT_THROW(GetStrProp(button, "Default"), EPropertyConvertError);
}

TEST_F(ControlPropertiesTest, ControlsMadeInCodeShowTheirName) {
  TForm* form = NewComponent<TForm>(Application);
  auto* panel = NewComponent<TPanel>(form);
  panel->SetName("Panel1");
  EXPECT_EQ(panel->Caption(), "Panel1");
  panel->SetCaption("x");
  panel->SetName("Panel2");
  EXPECT_EQ(panel->Caption(), "x");
  auto* edit = NewComponent<TEdit>(form);
  edit->SetName("Edit1");
  EXPECT_EQ(edit->Text(), "");
}

}  // namespace
}  // namespace brellis::test
