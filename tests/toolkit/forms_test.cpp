// Forms read from form resources: components made with owner and parent,
// pictures, streamed-only data, events bound to the form's methods, Loaded
// order; showing, placing and closing forms.
#include <string>
#include <vector>

#include "platform/controls/controls.h"
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

std::vector<AnsiString>& LoadedOrder() {
  static std::vector<AnsiString> order;
  return order;
}

class TOrderPanel : public TPanel {
  T_CLASS(TOrderPanel, TPanel)

 public:
  using TPanel::TPanel;
  void Loaded() override {
    TPanel::Loaded();
    LoadedOrder().push_back(Name());
  }
};
T_CLASS_INFO(TOrderPanel, TPanel, [](TClassInfo& c) { c.Factory = &CreateInstance<TOrderPanel>; })

// Keeps a package of bytes that only the stream knows: a 32-bit length and
// the bytes, as the skin component stores its skin.
class TBlobHolder : public TComponent {
  T_CLASS(TBlobHolder, TComponent)

 public:
  using TComponent::TComponent;
  std::string payload;
  bool payloadBeforeLoaded = false;

  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Payload",
        [this](TStream& s) {
          std::uint32_t length = 0;
          s.ReadBuffer(&length, 4);
          payload.resize(length);
          s.ReadBuffer(payload.data(), length);
        },
        [this](TStream& s) {
          const auto length = static_cast<std::uint32_t>(payload.size());
          s.WriteBuffer(&length, 4);
          s.WriteBuffer(payload.data(), length);
        },
        !payload.empty());
  }
  void Loaded() override {
    TComponent::Loaded();
    payloadBeforeLoaded = !payload.empty();
    LoadedOrder().push_back(Name());
  }
};
T_CLASS_INFO(TBlobHolder, TComponent, [](TClassInfo& c) { c.Factory = &CreateInstance<TBlobHolder>; })

class TTestForm : public TForm {
  T_CLASS(TTestForm, TForm)

 public:
  using TForm::TForm;
  TOrderPanel* Panel1 = nullptr;
  TOrderPanel* Panel2 = nullptr;
  TImage* Image1 = nullptr;
  TImage* Hot = nullptr;
  TLabel* Label1 = nullptr;
  TBlobHolder* Blob1 = nullptr;
  std::vector<std::string> events;
  bool visibleInOnShow = true;

  void FormCreate(TObject*) { events.push_back(Panel1 != nullptr ? "create with fields" : "create"); }
  void FormShow(TObject*) {
    events.push_back("show");
    visibleInOnShow = IsWindowVisible(Handle()) != 0;
  }
  void HotClick(TObject* sender) { events.push_back("click " + As<TComponent>(sender)->Name()); }
  void Image1MouseDown(TObject*, TMouseButton button, TShiftState, int x, int y) {
    events.push_back("down " + std::to_string(static_cast<int>(button)) + " " + std::to_string(x) + "," +
                     std::to_string(y));
  }
  void Loaded() override {
    TForm::Loaded();
    LoadedOrder().insert(LoadedOrder().begin(), Name());
  }
};
T_CLASS_INFO(TTestForm, TForm, [](TClassInfo& c) {
  using namespace published;
  c.AddField(Field<TTestForm>("Panel1", &TTestForm::Panel1));
  c.AddField(Field<TTestForm>("Panel2", &TTestForm::Panel2));
  c.AddField(Field<TTestForm>("Image1", &TTestForm::Image1));
  c.AddField(Field<TTestForm>("Hot", &TTestForm::Hot));
  c.AddField(Field<TTestForm>("Label1", &TTestForm::Label1));
  c.AddField(Field<TTestForm>("Blob1", &TTestForm::Blob1));
  c.AddMethod(Handler<TTestForm>("FormCreate", &TTestForm::FormCreate));
  c.AddMethod(Handler<TTestForm>("FormShow", &TTestForm::FormShow));
  c.AddMethod(Handler<TTestForm>("HotClick", &TTestForm::HotClick));
  c.AddMethod(Handler<TTestForm>("Image1MouseDown", &TTestForm::Image1MouseDown));
})

std::string TestFormText() {
  const std::string jpeg = ReadSourceFile("resources/art/main/status.jpg");
  return R"(object TestForm: TTestForm
  Left = 0
  Top = 0
  ClientHeight = 200
  ClientWidth = 300
  BorderStyle = bsNone
  Caption = '主界面'
  Color = clBtnFace
  Font.Charset = GB2312_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 12
  object Panel1: TOrderPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 60
    Align = alTop
    BevelOuter = bvNone
    object Image1: TImage
      Left = 0
      Top = 0
      Width = 300
      Height = 60
      Align = alClient
      Picture.Data = {)" +
         PictureDataHex("TJPEGImage", jpeg) + R"(}
      OnMouseDown = Image1MouseDown
    end
    object Panel2: TOrderPanel
      Left = 10
      Top = 10
      Width = 50
      Height = 30
      object Label1: TLabel
        Left = 2
        Top = 3
        Caption = '软件版本'
        Enabled = False
        Transparent = True
      end
    end
    object Hot: TImage
      Left = 200
      Top = 0
      Width = 40
      Height = 30
      Cursor = crHandPoint
      Transparent = True
      OnClick = HotClick
    end
  end
  object Blob1: TBlobHolder
    Payload = {0400000041424344}
  end
end
)";
}

TTestForm* ReadTestForm() {
  RegisterClass(TOrderPanel::ClassInfo());
  RegisterClass(TBlobHolder::ClassInfo());
  LoadedOrder().clear();
  auto* form = new TTestForm(Application);
  ReadComponentResource(form, TestFormText());
  return form;
}

using FormsTest = ToolkitTest;

TEST_F(FormsTest, ReadsNestedControlsPicturesAndStreamedDataThenLoadedInOrder) {
  TTestForm* form = ReadTestForm();
  ASSERT_NE(form->Panel1, nullptr);
  ASSERT_NE(form->Panel2, nullptr);
  ASSERT_NE(form->Label1, nullptr);
  EXPECT_EQ(form->Panel1->Parent(), form);
  EXPECT_EQ(form->Image1->Parent(), form->Panel1);
  EXPECT_EQ(form->Panel2->Parent(), form->Panel1);
  EXPECT_EQ(form->Label1->Parent(), form->Panel2);
  EXPECT_EQ(form->Label1->Owner(), form);
  EXPECT_EQ(form->ComponentCount(), 6);

  auto* jpeg = As<TJPEGImage>(form->Image1->Picture()->Graphic());
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(jpeg->Width(), 803);
  EXPECT_EQ(jpeg->Height(), 25);

  EXPECT_FALSE(form->Label1->Enabled());
  EXPECT_TRUE(form->Label1->Transparent());
  EXPECT_EQ(form->Label1->Caption(), u8"软件版本"_ansi);
  EXPECT_EQ(form->Hot->Cursor(), crHandPoint);
  EXPECT_EQ(form->Font()->Charset(), 134);
  EXPECT_EQ(form->Caption(), u8"主界面"_ansi);

  EXPECT_EQ(form->Blob1->payload, "ABCD");
  EXPECT_TRUE(form->Blob1->payloadBeforeLoaded);
  EXPECT_EQ(LoadedOrder(), (std::vector<AnsiString>{"TestForm", "Panel1", "Panel2", "Blob1"}));
  for (int i = 0; i < form->ComponentCount(); ++i) EXPECT_FALSE(form->Components(i)->Loading());

  // Alignment ran once loading was done: the image fills its panel.
  EXPECT_EQ(form->Image1->Width(), 300);
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
}

TEST_F(FormsTest, ShownBorderlessAtTheScreenCentreWithEventsBound) {
  TTestForm* form = ReadTestForm();
  form->Show();
  Pump();
  EXPECT_EQ(form->events, (std::vector<std::string>{"show"}));
  EXPECT_FALSE(form->visibleInOnShow);  // OnShow comes before the window appears
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
  RECT window{}, client{};
  GetWindowRect(form->Handle(), &window);
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(window.left, (1280 - 300) / 2);
  EXPECT_EQ(window.top, (1024 - 200) / 2);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  EXPECT_EQ(GetParent(form->Panel1->Handle()), form->Handle());
  EXPECT_EQ(Screen->ActiveForm(), form);

  const int x = window.left, y = window.top;
  headless::Click(x + 210, y + 5);  // the transparent hot spot above the picture
  headless::Click(x + 100, y + 40, platform::display::InputEvent::Right);
  Pump();
  EXPECT_EQ(form->events, (std::vector<std::string>{"show", "click Hot", "down 1 100,40"}));
  headless::MoveMouse(x + 220, y + 10);
  Pump();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(FormsTest, CloseAsksFirstThenHidesOrFrees) {
  TForm* form = NewShownForm(100, 80);
  std::vector<std::string> events;
  bool allow = false;
  form->OnCloseQuery = [&](TObject*, bool& canClose) {
    events.push_back("query");
    canClose = allow;
  };
  TCloseAction next = TCloseAction::caHide;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    events.push_back("close");
    action = next;
  };
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form->Visible());
  allow = true;
  form->Close();
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(events, (std::vector<std::string>{"query", "query", "close"}));

  form->Show();
  next = TCloseAction::caFree;
  const int before = Screen->FormCount();
  form->Close();
  EXPECT_EQ(Screen->FormCount(), before);  // freed once the message is done
  Pump();
  EXPECT_EQ(Screen->FormCount(), before - 1);
}

TEST_F(FormsTest, ShowModalRunsUntilAButtonSetsTheResult) {
  TForm* owner = NewShownForm(200, 200);
  TForm* dialog = NewComponent<TForm>(Application);
  dialog->SetBorderStyle(TFormBorderStyle::bsDialog);
  auto* ok = NewComponent<TButton>(dialog);
  ok->SetModalResult(mrOk);
  ok->SetParent(dialog);
  dialog->HandleNeeded();
  PostMessageA(ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));

  PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(FormsTest, DialogKeysTheFocusedControlDoesNotTakeGoToTheForm) {
  TForm* form = NewShownForm(300, 100);
  auto* edit = NewComponent<TEdit>(form);
  edit->SetParent(form);
  auto* ok = NewComponent<TButton>(form);
  ok->SetDefault(true);
  ok->SetBounds(100, 0, 75, 25);
  ok->SetParent(form);
  auto* cancel = NewComponent<TButton>(form);
  cancel->SetCancel(true);
  cancel->SetBounds(200, 0, 75, 25);
  cancel->SetParent(form);
  std::vector<std::string> events;
  ok->OnClick = [&](TObject*) { events.push_back("ok"); };
  cancel->OnClick = [&](TObject*) { events.push_back("cancel"); };
  std::vector<WPARAM> offered;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_DIALOGKEY) offered.push_back(m.WParam);
    saved(m);
  };
  edit->SetFocus();
  headless::Key(VK_RETURN);
  headless::Key(VK_ESCAPE);
  headless::Key(VK_LEFT);  // the edit takes arrows itself
  headless::Key(VK_TAB);
  Pump();
  form->WindowProc = saved;
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_EQ(offered, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE, VK_TAB}));
  EXPECT_EQ(GetFocus(), ok->Handle());
}

std::string BitmapFileBytes(int width, int height) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(clFuchsia);
  bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
  bitmap.Canvas()->Brush()->SetColor(clNavy);
  bitmap.Canvas()->FillRect(Rect(2, 2, width / 2 - 2, height - 2));
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

TEST_F(FormsTest, ReadsBitmapPicturesAndGlyphs) {
  const std::string text = "object F: TForm\n  object S: TSpeedButton\n    Glyph.Data = {" +
                           SizedDataHex(BitmapFileBytes(32, 16)) +
                           "}\n  end\n  object I: TImage\n    Picture.Data = {" +
                           PictureDataHex("TBitmap", BitmapFileBytes(20, 10)) + "}\n  end\nend\n";
  TForm* form = NewComponent<TForm>(Application);
  ReadComponentResource(form, text);
  auto* button = As<TSpeedButton>(form->FindComponent("S"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Glyph()->Width(), 32);
  EXPECT_EQ(button->NumGlyphs(), 2);  // two square cells
  auto* image = As<TImage>(form->FindComponent("I"));
  ASSERT_NE(image, nullptr);
  ASSERT_NE(As<TBitmap>(image->Picture()->Graphic()), nullptr);
  EXPECT_EQ(image->Picture()->Width(), 20);
}

}  // namespace
}  // namespace brellis::test
