// The object model: class identity, published properties by name, ownership.
#include <gtest/gtest.h>

#include "toolkit/Component.h"
#include "toolkit/TypInfo.h"

namespace {

enum class TFruit { fApple, fPear, fPlum };
const TEnumInfo& FruitType() {
  static const TEnumInfo info("TFruit", {"fApple", "fPear", "fPlum"});
  return info;
}

const TIdentMap& ColourIdents() {
  static const TIdentMap map = {{0xFF0000, "clBlue"}, {0x000000FF, "clRed"}};
  return map;
}

class TSample : public TComponent {
  T_CLASS(TSample, TComponent)

 public:
  using TComponent::TComponent;
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  TFruit Fruit() const { return fruit_; }
  void SetFruit(TFruit v) { fruit_ = v; }
  bool Ripe() const { return ripe_; }
  void SetRipe(bool v) { ripe_ = v; }
  TSet<TFruit> Basket() const { return basket_; }
  void SetBasket(TSet<TFruit> v) { basket_ = v; }
  AnsiString Caption() const { return caption_; }
  void SetCaption(const AnsiString& v) { caption_ = v; }
  WideString Title() const { return title_; }
  void SetTitle(const WideString& v) { title_ = v; }
  TSample* Buddy() const { return buddy_; }
  void SetBuddy(TSample* v) { buddy_ = v; }
  int Colour() const { return colour_; }
  void SetColour(int v) { colour_ = v; }
  int ReadOnly() const { return 7; }

  std::function<void(TObject*)> OnPing;

 private:
  int count_ = 0;
  TFruit fruit_ = TFruit::fApple;
  bool ripe_ = false;
  TSet<TFruit> basket_;
  AnsiString caption_;
  WideString title_;
  TSample* buddy_ = nullptr;
  int colour_ = 0;
};

T_CLASS_INFO(TSample, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.AddProperty(Integer<TSample>("Count", &TSample::Count, &TSample::SetCount));
  c.AddProperty(Enumeration<TSample, TFruit>("Fruit", FruitType(), &TSample::Fruit, &TSample::SetFruit));
  c.AddProperty(Boolean<TSample>("Ripe", &TSample::Ripe, &TSample::SetRipe));
  c.AddProperty(Set<TSample, TFruit>("Basket", FruitType(), &TSample::Basket, &TSample::SetBasket));
  c.AddProperty(String<TSample>("Caption", &TSample::Caption, &TSample::SetCaption));
  c.AddProperty(WideStr<TSample>("Title", &TSample::Title, &TSample::SetTitle));
  c.AddProperty(Object<TSample, TSample>("Buddy", &TSample::Buddy, &TSample::SetBuddy));
  c.AddProperty(IntegerIdent<TSample>("Colour", ColourIdents(), &TSample::Colour, &TSample::SetColour));
  c.AddProperty(Integer<TSample>("ReadOnly", &TSample::ReadOnly, nullptr));
  c.AddProperty(Method<TSample>("OnPing", &TSample::OnPing));
})

class TSpecialSample : public TSample {
  T_CLASS(TSpecialSample, TSample)

 public:
  using TSample::TSample;
};
T_CLASS_INFO(TSpecialSample, TSample, [](TClassInfo&) {})

TEST(ObjectModel, ClassIdentityAndMembership) {
  TSpecialSample special(nullptr);
  EXPECT_EQ(special.ClassName(), "TSpecialSample");
  EXPECT_TRUE(special.Is<TSample>());
  EXPECT_TRUE(special.Is<TComponent>());
  EXPECT_TRUE(special.InheritsFrom(TObject::ClassInfo()));
  TSample plain(nullptr);
  EXPECT_FALSE(plain.Is<TSpecialSample>());
  EXPECT_EQ(As<TSpecialSample>(&plain), nullptr);
  EXPECT_EQ(As<TSample>(&special), &special);
  RegisterClass(TSpecialSample::ClassInfo());
  EXPECT_EQ(FindClass("tspecialsample"), TSpecialSample::ClassInfo());
  EXPECT_EQ(FindClass("TNothing"), nullptr);
}

TEST(PublishedProperties, EveryKindRoundTripsByName) {
  TSample s(nullptr);
  SetOrdProp(&s, "count", 42);
  EXPECT_EQ(s.Count(), 42);
  EXPECT_EQ(GetPropValue(&s, "COUNT"), "42");
  SetPropValue(&s, "Count", "$10");
  EXPECT_EQ(s.Count(), 16);
  SetPropValue(&s, "Colour", "clred");
  EXPECT_EQ(s.Colour(), 0xFF);

  SetEnumProp(&s, "Fruit", "fpear");
  EXPECT_EQ(s.Fruit(), TFruit::fPear);
  EXPECT_EQ(GetEnumProp(&s, "fruit"), "fPear");
  SetPropValue(&s, "Ripe", "true");
  EXPECT_TRUE(s.Ripe());
  EXPECT_EQ(GetEnumProp(&s, "Ripe"), "True");

  SetSetProp(&s, "Basket", "[fApple, fPlum]");
  EXPECT_TRUE(s.Basket().Contains(TFruit::fPlum));
  EXPECT_FALSE(s.Basket().Contains(TFruit::fPear));
  EXPECT_EQ(GetSetProp(&s, "Basket"), "fApple,fPlum");
  EXPECT_EQ(GetSetProp(&s, "Basket", true), "[fApple,fPlum]");
  SetPropValue(&s, "Basket", "");
  EXPECT_TRUE(s.Basket().Empty());

  // 8-bit and wide strings convert into each other.
  SetStrProp(&s, "Caption", u8"提示信息"_ansi);
  EXPECT_EQ(GetWideStrProp(&s, "Caption"), u"提示信息");
  SetWideStrProp(&s, "Title", u"主界面");
  EXPECT_EQ(GetStrProp(&s, "Title"), u8"主界面"_ansi);

  TSample other(nullptr);
  SetObjectProp(&s, "Buddy", &other);
  EXPECT_EQ(GetObjectProp(&s, "Buddy"), &other);
  EXPECT_EQ(GetObjectProp(&s, "Buddy", TSpecialSample::ClassInfo()), nullptr);

  int pings = 0;
  SetMethodProp(&s, "OnPing", std::function<void(TObject*)>([&](TObject*) { ++pings; }));
  s.OnPing(&s);
  EXPECT_EQ(pings, 1);
  EXPECT_THROW(SetMethodProp(&s, "OnPing", std::function<void()>()), EPropertyConvertError);
}

TEST(PublishedProperties, UnknownNamesWrongKindsAndReadOnlyAreReported) {
  TSample s(nullptr);
  EXPECT_EQ(GetPropInfo(&s, "Missing"), nullptr);
  EXPECT_EQ(GetPropInfo(nullptr, "Count"), nullptr);
  EXPECT_FALSE(IsPublishedProp(&s, "Missing"));
  EXPECT_TRUE(IsPublishedProp(&s, "tag"));  // inherited from TComponent
  EXPECT_THROW(GetOrdProp(&s, "Missing"), EPropertyError);
  EXPECT_THROW(GetOrdProp(&s, "Caption"), EPropertyConvertError);
  EXPECT_THROW(SetEnumProp(&s, "Fruit", "fBanana"), EPropertyConvertError);
  EXPECT_THROW(SetSetProp(&s, "Basket", "fApple,fKiwi"), EPropertyConvertError);
  EXPECT_THROW(SetPropValue(&s, "Count", "12x"), EConvertError);
  EXPECT_THROW(SetOrdProp(&s, "ReadOnly", 1), EPropertyError);
  EXPECT_EQ(GetOrdProp(&s, "ReadOnly"), 7);
}

TEST(Components, OwnerFreesOwnedComponentsLastFirstAndNotifiesOthers) {
  std::vector<AnsiString> log;
  struct TLogged : TComponent {
    TLogged(TComponent* owner, std::vector<AnsiString>* log) : TComponent(owner), log_(log) {}
    ~TLogged() override { log_->push_back(Name()); }
    void Notification(TComponent* c, TOperation op) override {
      if (op == TOperation::opRemove && c == watched) watched = nullptr;
      TComponent::Notification(c, op);
    }
    std::vector<AnsiString>* log_;
    TComponent* watched = nullptr;
  };
  auto* owner = new TLogged(nullptr, &log);
  owner->SetName("Owner");
  auto* a = new TLogged(owner, &log);
  a->SetName("A");
  auto* b = new TLogged(owner, &log);
  b->SetName("b");
  TLogged outsider(nullptr, &log);
  outsider.SetName("Outsider");
  outsider.watched = b;
  outsider.FreeNotification(b);

  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), b);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_THROW(b->SetName("a"), EComponentError);
  EXPECT_THROW(b->SetName("1x"), EComponentError);

  a->Free();  // freeing one component alone takes it out of its owner
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner->Free();  // its own destructor body runs before it frees what it owns
  EXPECT_EQ(log, (std::vector<AnsiString>{"A", "Owner", "b"}));
  EXPECT_EQ(outsider.watched, nullptr);
}

}  // namespace
