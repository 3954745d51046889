// Form resources: parsing, reading into components, Loaded order, errors.
#include <gtest/gtest.h>

#include "toolkit/Reader.h"
#include "toolkit/TypInfo.h"

namespace {

std::vector<AnsiString>& LoadedOrder() {
  static std::vector<AnsiString> order;
  return order;
}

// A component with a nested object property, a container role and a
// streamed-only binary property.
class TFont_ : public TPersistent {
  T_CLASS(TFont_, TPersistent)

 public:
  AnsiString Name() const { return name_; }
  void SetName(const AnsiString& v) { name_ = v; }
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; }

 private:
  AnsiString name_;
  int size_ = 8;
};
T_CLASS_INFO(TFont_, TPersistent, [](TClassInfo& c) {
  c.AddProperty(published::String<TFont_>("Name", &TFont_::Name, &TFont_::SetName));
  c.AddProperty(published::Integer<TFont_>("Size", &TFont_::Size, &TFont_::SetSize));
})

class TBox : public TComponent {
  T_CLASS(TBox, TComponent)

 public:
  using TComponent::TComponent;
  static TComponent* Create(TComponent* owner) { return new TBox(owner); }

  TFont_* Font() const { return font_.get(); }
  WideString Caption() const { return caption_; }
  void SetCaption(const WideString& v) { caption_ = v; }
  TBox* Partner() const { return partner_; }
  void SetPartner(TBox* v) { partner_ = v; }
  TComponent* ParentBox() const { return parent_; }
  const std::vector<std::uint8_t>& Blob() const { return blob_; }
  bool LoadingDuringRead() const { return loadingDuringRead_; }

  std::function<void(TObject*)> OnClick;

  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  void Loaded() override {
    TComponent::Loaded();
    LoadedOrder().push_back(Name());
  }
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Blob",
        [this](TStream& s) {
          loadingDuringRead_ = Loading();
          blob_.resize(static_cast<std::size_t>(s.Size()));
          s.ReadBuffer(blob_.data(), s.Size());
        },
        [this](TStream& s) { s.WriteBuffer(blob_.data(), static_cast<std::int64_t>(blob_.size())); },
        !blob_.empty());
  }

 private:
  std::unique_ptr<TFont_> font_ = std::make_unique<TFont_>();
  WideString caption_;
  TBox* partner_ = nullptr;
  TComponent* parent_ = nullptr;
  std::vector<std::uint8_t> blob_;
  bool loadingDuringRead_ = false;
};
T_CLASS_INFO(TBox, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &TBox::Create;
  c.AddProperty(Object<TBox, TFont_>("Font", &TBox::Font, nullptr));
  c.AddProperty(WideStr<TBox>("Caption", &TBox::Caption, &TBox::SetCaption));
  c.AddProperty(Object<TBox, TBox>("Partner", &TBox::Partner, &TBox::SetPartner));
  c.AddProperty(Method<TBox>("OnClick", &TBox::OnClick));
})

class TFm_Test : public TBox {
  T_CLASS(TFm_Test, TBox)

 public:
  using TBox::TBox;
  TBox* Inner = nullptr;
  TBox* Deep = nullptr;
  int clicks = 0;
  void InnerClick(TObject*) { ++clicks; }
};
T_CLASS_INFO(TFm_Test, TBox, [](TClassInfo& c) {
  c.AddField(published::Field<TFm_Test>("Inner", &TFm_Test::Inner));
  c.AddField(published::Field<TFm_Test>("Deep", &TFm_Test::Deep));
  c.AddMethod(published::Handler<TFm_Test>("InnerClick", &TFm_Test::InnerClick));
})

constexpr const char* kForm = R"(object Fm_Test: TFm_Test
  Caption = '主界面 ' + 'it''s'#13#10'x'
  Font.Name = '宋体'
  Font.Size = 12
  Tag = $10
  object Inner: TBox
    Caption = 'inner'
    OnClick = InnerClick
    Partner = Deep
    Blob = {
      0A0B
      0c}
    object Deep: TBox
      Tag = -3
    end
  end
  object Loose: TBox
  end
end
)";

class FormReader : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClass(TBox::ClassInfo());
    LoadedOrder().clear();
  }
};

TEST_F(FormReader, BuildsTheTreeWithOwnersParentsFieldsAndValues) {
  TFm_Test form(nullptr);
  ReadComponentResource(&form, kForm);
  EXPECT_EQ(form.Name(), "Fm_Test");
  EXPECT_EQ(form.Caption(), u"主界面 it's\r\nx");
  EXPECT_EQ(form.Font()->Name(), u8"宋体"_ansi);
  EXPECT_EQ(form.Font()->Size(), 12);
  EXPECT_EQ(form.Tag(), 16);
  ASSERT_EQ(form.ComponentCount(), 3);  // every component is owned by the root
  ASSERT_NE(form.Inner, nullptr);
  ASSERT_NE(form.Deep, nullptr);
  EXPECT_EQ(form.Inner->ParentBox(), &form);
  EXPECT_EQ(form.Deep->ParentBox(), form.Inner);
  EXPECT_EQ(form.Deep->Owner(), &form);
  EXPECT_EQ(form.Deep->Tag(), -3);
  EXPECT_EQ(form.Inner->Partner(), form.Deep);  // resolved after Deep was read
  EXPECT_EQ(form.Inner->Blob(), (std::vector<std::uint8_t>{0x0A, 0x0B, 0x0C}));
  EXPECT_TRUE(form.Inner->LoadingDuringRead());
  form.Inner->OnClick(form.Inner);
  EXPECT_EQ(form.clicks, 1);
}

TEST_F(FormReader, CallsLoadedOnceForEveryComponentRootFirstAfterAllPropertiesAreRead) {
  TFm_Test form(nullptr);
  ReadComponentResource(&form, kForm);
  EXPECT_EQ(LoadedOrder(), (std::vector<AnsiString>{"Fm_Test", "Inner", "Deep", "Loose"}));
  EXPECT_FALSE(form.Loading());
  EXPECT_FALSE(form.Deep->Loading());
  EXPECT_FALSE(form.ComponentState().Contains(TComponentStateItem::csReading));
}

TEST_F(FormReader, ReportsWhatDoesNotFitWithTheComponentAndProperty) {
  const auto error = [](const char* text) -> AnsiString {
    TFm_Test form(nullptr);
    try {
      ReadComponentResource(&form, text);
    } catch (const Exception& e) {
      return e.Message();
    }
    return "no error";
  };
  EXPECT_EQ(error("object F: TFm_Test\n  Nothing = 1\nend"), "Error reading F.Nothing: Property Nothing does not exist");
  EXPECT_EQ(error("object F: TFm_Test\n  Tag = 'x'\nend"), "Error reading F.Tag: Invalid property value");
  EXPECT_EQ(error("object F: TFm_Test\n  object X: TUnknown\n  end\nend"), "Error reading X: Class TUnknown not found");
  EXPECT_EQ(error("object F: TFm_Test\n  OnClick = Missing\nend"),
            "Error reading F.OnClick: Method Missing not found in TFm_Test");
  EXPECT_EQ(error("object F: TFm_Test\n  Partner = Nobody\nend"), "Error reading F.Partner: Invalid property value Nobody");
  EXPECT_EQ(error("object F: TBox\nend"), "Error reading F: the resource describes TBox, not TFm_Test");
  EXPECT_EQ(error("object F: TFm_Test\n  Tag = ]\nend"), "Line 2: value expected");
  EXPECT_EQ(error("object F: TFm_Test\n  Caption = 'open\nend"), "Line 2: unterminated string");
  EXPECT_EQ(error("object F: TFm_Test\n  Blob = {ABC}\nend"), "Line 2: odd number of hexadecimal digits");
}

TEST(FormParser, ReadsEveryValueKind) {
  const TFormObject tree = ParseFormResource(R"(object A: TA
  I = -12
  H = $FF
  F = 1.5
  S = 'x'
  E = alClient
  Set = [akLeft, akTop]
  Empty = []
  L = ('a' 'b' 3)
  B = {00FF}
  C = <
    item
      Text = 'one'
    end
    item
    end>
  object B: TB
  end
end)");
  ASSERT_EQ(tree.Properties.size(), 10u);
  EXPECT_EQ(tree.Properties[0].Value.Integer, -12);
  EXPECT_EQ(tree.Properties[1].Value.Integer, 255);
  EXPECT_DOUBLE_EQ(tree.Properties[2].Value.Float, 1.5);
  EXPECT_EQ(tree.Properties[4].Value.Identifier, "alClient");
  EXPECT_EQ(tree.Properties[5].Value.Set, (std::vector<AnsiString>{"akLeft", "akTop"}));
  EXPECT_TRUE(tree.Properties[6].Value.Set.empty());
  EXPECT_EQ(tree.Properties[7].Value.List.size(), 3u);
  EXPECT_EQ(tree.Properties[8].Value.Binary, (std::vector<std::uint8_t>{0x00, 0xFF}));
  ASSERT_EQ(tree.Properties[9].Value.Items.size(), 2u);
  EXPECT_EQ(tree.Properties[9].Value.Items[0][0].Value.String, u"one");
  ASSERT_EQ(tree.Children.size(), 1u);
  EXPECT_EQ(tree.Children[0].ClassName, "TB");
}

TEST(FormParser, RefusesDeepNesting) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "object A: TA\n";
  for (int i = 0; i < 200; ++i) text += "end\n";
  EXPECT_THROW(ParseFormResource(text), EParserError);
  std::string lists = "object A: TA\n X = " + std::string(500, '(') + std::string(500, ')') + "\nend";
  EXPECT_THROW(ParseFormResource(lists), EParserError);
}

}  // namespace
