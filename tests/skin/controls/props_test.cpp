// The property helpers on real toolkit controls and on a class that has the
// names with other kinds, or not at all: documented defaults, never an error.
#include <gtest/gtest.h>

#include "skin/controls/WinSubClass.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TypInfo.h"

namespace {

// A control whose "Color" is text and whose "Caption" is an integer: the
// helpers must answer by kind, not by name.
class TOddControl : public TComponent {
  T_CLASS(TOddControl, TComponent)

 public:
  explicit TOddControl(TComponent* owner) : TComponent(owner) {}
  AnsiString ColorText() const { return colour_; }
  void SetColorText(const AnsiString& value) { colour_ = value; }
  int Number() const { return number_; }
  void SetNumber(int value) { number_ = value; }
  WideString Wide() const { return wide_; }
  void SetWide(const WideString& value) { wide_ = value; }

 private:
  AnsiString colour_ = "red";
  int number_ = 7;
  WideString wide_ = u"宽";
};

T_CLASS_INFO(TOddControl, TComponent, [](TClassInfo& c) {
  c.AddProperty(published::String<TOddControl>("Color", &TOddControl::ColorText, &TOddControl::SetColorText));
  c.AddProperty(published::Integer<TOddControl>("Caption", &TOddControl::Number, &TOddControl::SetNumber));
  c.AddProperty(published::WideStr<TOddControl>("WideCaption", &TOddControl::Wide, &TOddControl::SetWide));
})

TEST(PropertyHelpers, ReadEveryKindOfARealControlByName) {
  auto* panel = new TPanel(nullptr);
  panel->SetCaption("Panel one");
  panel->SetColor(clRed);
  panel->SetParentBackground(true);
  EXPECT_EQ(GetOrdPropByName(panel, "Color"), clRed);
  EXPECT_EQ(GetOrdPropByName(panel, "color"), clRed) << "names are found in any case";
  EXPECT_EQ(GetColorPropByName(panel, "Color", clBlue), clRed);
  EXPECT_EQ(GetEnumPropByName(panel, "ParentBackground"), "True");
  EXPECT_TRUE(GetBoolPropByName(panel, "ParentBackground", false));
  EXPECT_EQ(GetTextPropByName(panel, "Caption"), u"Panel one");
  EXPECT_EQ(GetTextPropByName(panel, "Align"), u"alNone") << "an enumeration reads as its identifier";
  EXPECT_EQ(GetFontPropByName(panel, "Font"), panel->Font());
  EXPECT_EQ(GetObjectPropByName(panel, "Font", TBitmap::ClassInfo()), nullptr) << "of another class";
  EXPECT_TRUE(HasPropByName(panel, "Caption"));
  panel->Free();
}

TEST(PropertyHelpers, WriteByTextForTheKindsThatTakeText) {
  auto* panel = new TPanel(nullptr);
  SetPropByName(panel, "ParentBackground", "False");
  EXPECT_FALSE(panel->ParentBackground());
  SetPropByName(panel, "ParentBackground", "True");
  EXPECT_TRUE(panel->ParentBackground());
  SetPropByName(panel, "Color", "255");
  EXPECT_EQ(panel->Color(), 255);
  SetPropByName(panel, "Color", "not a number");
  EXPECT_EQ(panel->Color(), 255) << "text an integer does not take changes nothing";
  SetPropByName(panel, "Caption", "Two");
  EXPECT_EQ(panel->Caption(), "Two");
  SetPropByName(panel, "Font", "Arial");  // an object: nothing
  SetPropByName(panel, "NoSuchProperty", "1");
  panel->Free();
}

TEST(PropertyHelpers, MissingOrMistypedPropertiesGiveTheDefaults) {
  auto* odd = new TOddControl(nullptr);
  EXPECT_EQ(GetOrdPropByName(odd, "Color"), -1) << "text is not of integer kind";
  EXPECT_EQ(GetColorPropByName(odd, "Color", clBlue), clBlue);
  EXPECT_EQ(GetOrdPropByName(odd, "Caption"), 7);
  EXPECT_EQ(GetTextPropByName(odd, "Caption"), u"") << "an integer is not text";
  EXPECT_EQ(GetTextPropByName(odd, "Color"), u"red");
  EXPECT_EQ(GetTextPropByName(odd, "WideCaption"), u"宽");
  EXPECT_EQ(GetEnumPropByName(odd, "Color"), "");
  EXPECT_TRUE(GetBoolPropByName(odd, "Transparent", true));
  EXPECT_EQ(GetObjectPropByName(odd, "Font", nullptr), nullptr);
  EXPECT_EQ(GetBitmapPropByName(odd, "Glyph"), nullptr);
  EXPECT_EQ(GetSetPropByName(odd, "VisibleButtons"), "");
  SetPropByName(odd, "WideCaption", "abc");
  EXPECT_EQ(odd->Wide(), u"abc");
  for (TObject* nothing : {static_cast<TObject*>(nullptr)}) {
    EXPECT_EQ(GetOrdPropByName(nothing, "Tag"), -1);
    EXPECT_EQ(GetTextPropByName(nothing, "Caption"), u"");
    EXPECT_FALSE(HasPropByName(nothing, "Caption"));
    SetPropByName(nothing, "Caption", "x");
  }
  odd->Free();
}

}  // namespace
