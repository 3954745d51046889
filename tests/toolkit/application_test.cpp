// The application object: forms made from their embedded resource, the
// message loop and its end, message boxes owned by the active window, the
// default error box, timers.
#include <string>
#include <vector>

#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class TTestMainForm;
TTestMainForm* TestMainForm = nullptr;

class TTestMainForm : public TForm {
  T_CLASS(TTestMainForm, TForm)

 public:
  using TForm::TForm;
  TPanel* Panel1 = nullptr;
  TSpeedButton* SpeedButton1 = nullptr;
  TEdit* Edit1 = nullptr;
  TTimer* Timer1 = nullptr;
  bool referenceSetInOnCreate = false;
  int ticks = 0;
  int clicks = 0;

  void FormCreate(TObject*) { referenceSetInOnCreate = TestMainForm == this && Edit1 != nullptr; }
  void Timer1Timer(TObject*) {
    if (++ticks == 3) Close();
  }
  void SpeedButton1Click(TObject*) { ++clicks; }
};
T_CLASS_INFO(TTestMainForm, TForm, [](TClassInfo& c) {
  using namespace published;
  c.AddField(Field<TTestMainForm>("Panel1", &TTestMainForm::Panel1));
  c.AddField(Field<TTestMainForm>("SpeedButton1", &TTestMainForm::SpeedButton1));
  c.AddField(Field<TTestMainForm>("Edit1", &TTestMainForm::Edit1));
  c.AddField(Field<TTestMainForm>("Timer1", &TTestMainForm::Timer1));
  c.AddMethod(Handler<TTestMainForm>("FormCreate", &TTestMainForm::FormCreate));
  c.AddMethod(Handler<TTestMainForm>("Timer1Timer", &TTestMainForm::Timer1Timer));
  c.AddMethod(Handler<TTestMainForm>("SpeedButton1Click", &TTestMainForm::SpeedButton1Click));
})

struct ShownBox {
  HWND owner;
  AnsiString text;
  AnsiString caption;
  UINT type;
};

// Answers message boxes without showing them, remembering what was asked.
std::vector<ShownBox>& CaptureBoxes(int answer) {
  static std::vector<ShownBox> boxes;
  boxes.clear();
  platform::SetMessageBoxHandler([answer](HWND owner, const WideString& text, const WideString& caption, UINT type) {
    boxes.push_back({owner, platform::WideToAnsiString(text), platform::WideToAnsiString(caption), type});
    return answer;
  });
  return boxes;
}

using ApplicationTest = ToolkitTest;

TEST_F(ApplicationTest, CreateFormReadsTheClassResourceAndRunEndsWithTheMainForm) {
  Application->Initialize();
  Application->SetTitle("Brellis");
  Application->CreateForm(TestMainForm);
  ASSERT_NE(TestMainForm, nullptr);
  EXPECT_EQ(Application->MainForm(), TestMainForm);
  EXPECT_TRUE(TestMainForm->referenceSetInOnCreate);
  EXPECT_EQ(TestMainForm->Edit1->Text(), "http://localhost/mobile/help_pc.html");
  EXPECT_FALSE(TestMainForm->SpeedButton1->Visible());
  EXPECT_FALSE(TestMainForm->Visible());

  // The timer closes the main form on its third tick; closing it ends Run.
  TestMainForm->Timer1->SetEnabled(true);
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(TestMainForm->ticks, 3);
  EXPECT_EQ(GetWindow(TestMainForm->Handle(), GW_OWNER), Application->Handle());
  char title[32] = "";
  GetWindowTextA(Application->Handle(), title, sizeof(title));
  EXPECT_STREQ(title, "Brellis");

  TestMainForm->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
  TestMainForm = nullptr;
}

TEST_F(ApplicationTest, MessageBoxIsOwnedByTheActiveWindow) {
  TForm* form = NewShownForm(100, 100);
  Application->SetTitle("Brellis");
  auto& boxes = CaptureBoxes(IDYES);
  EXPECT_EQ(Application->MessageBox("text", "caption", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(Application->MessageBox("text", "", MB_OK), IDYES);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].owner, form->Handle());
  EXPECT_EQ(boxes[0].caption, "caption");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(36));
  EXPECT_EQ(boxes[1].caption, "Brellis");
}

TEST_F(ApplicationTest, AnErrorInAnEventShowsTheErrorBoxAndTheProgramGoesOn) {
  TForm* form = NewShownForm(100, 100);
  auto* image = NewComponent<TImage>(form);
  image->SetBounds(0, 0, 50, 50);
  image->SetParent(form);
  int clicks = 0;
  image->OnClick = [&](TObject*) {
    if (++clicks == 1) throw EConvertError("'abc' is not a valid integer value");
  };
  auto& boxes = CaptureBoxes(IDOK);
  headless::Click(100 + 10, 100 + 10);
  Pump();
  headless::Click(100 + 10, 100 + 10);
  Pump();
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'abc' is not a valid integer value.");
  EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONSTOP);
}

TEST_F(ApplicationTest, MinimizeAndRestoreTheMainForm) {
  Application->CreateForm(TestMainForm);
  TestMainForm->Show();
  Pump();
  Application->Minimize();
  EXPECT_TRUE(IsIconic(TestMainForm->Handle()));
  Application->Restore();
  EXPECT_FALSE(IsIconic(TestMainForm->Handle()));
  TestMainForm->Free();
  TestMainForm = nullptr;
}

TEST_F(ApplicationTest, TimersTickOnlyWhileEnabled) {
  auto* timer = NewComponent<TTimer>(Application);
  int ticks = 0;
  timer->SetInterval(50);
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  headless::AdvanceClock(120);
  Pump();
  EXPECT_GE(ticks, 1);
  timer->SetEnabled(false);
  const int stopped = ticks;
  headless::AdvanceClock(200);
  Pump();
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
}  // namespace brellis::test
