// Controls: ownership and destruction, layout, WindowProc replacement, the
// control atom, and windowless controls painted and fed by their parent.
#include <string>
#include <vector>

#include "platform/controls/controls.h"
#include "platform/gdi/dib_format.h"
#include "support/handle_leaks.h"
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

// Records the components it was told are going away, in order.
class TFreeWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  void Watch(TComponent* c) { c->FreeNotification(this); }
  std::vector<AnsiString> freed;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) freed.push_back(component->Name());
  }
};

// A windowless control that fills itself with one colour.
class TSwatch : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  TColor fill = clRed;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(fill);
    Canvas()->FillRect(ClientRect());
  }
};

using ControlsTest = ToolkitTest;

TEST_F(ControlsTest, ParentFreesItsControlsAndOwnerFreesTheRest) {
  TFreeWatcher watcher(nullptr);
  TForm* form = NewComponent<TForm>(Application);
  auto* panel = NewComponent<TPanel>(form);
  panel->SetName("Panel1");
  panel->SetParent(form);
  auto* edit = NewComponent<TEdit>(form);
  edit->SetName("Edit1");
  edit->SetParent(panel);
  auto* label = NewComponent<TLabel>(form);
  label->SetName("Label1");
  label->SetParent(panel);
  auto* timer = NewComponent<TTimer>(form);
  timer->SetName("Timer1");
  for (TComponent* c : {static_cast<TComponent*>(panel), static_cast<TComponent*>(edit),
                        static_cast<TComponent*>(label), static_cast<TComponent*>(timer)}) {
    watcher.Watch(c);
  }
  form->Show();
  HWND editWindow = edit->Handle();
  ASSERT_TRUE(IsWindow(editWindow));
  EXPECT_EQ(GetParent(editWindow), panel->Handle());

  // The panel takes its children with it, the last first; the form no
  // longer owns them.
  panel->Free();
  EXPECT_EQ(watcher.freed, (std::vector<AnsiString>{"Label1", "Edit1", "Panel1"}));
  EXPECT_FALSE(IsWindow(editWindow));
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->ControlCount(), 0);

  HWND formWindow = form->Handle();
  form->Free();
  EXPECT_EQ(watcher.freed.back(), "Timer1");
  EXPECT_FALSE(IsWindow(formWindow));
  EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(ControlsTest, AlignmentTakesEdgesInTheToolkitsOrder) {
  TForm* form = NewComponent<TForm>(Application);
  auto* host = NewComponent<TPanel>(form);
  host->SetBevelOuter(TBevelCut::bvNone);
  host->SetParent(form);
  host->SetBounds(0, 0, 300, 200);
  auto make = [&](TAlign align, int w, int h, int top = 0) {
    auto* c = NewComponent<TPanel>(form);
    c->SetBounds(0, top, w, h);
    c->SetParent(host);
    c->SetAlign(align);
    return c;
  };
  // Made in an order unlike the layout order.
  TPanel* client = make(TAlign::alClient, 1, 1);
  TPanel* right = make(TAlign::alRight, 40, 1);
  TPanel* bottom = make(TAlign::alBottom, 1, 20);
  TPanel* left = make(TAlign::alLeft, 30, 1);
  TPanel* top2 = make(TAlign::alTop, 1, 15, 50);
  TPanel* top1 = make(TAlign::alTop, 1, 10, 0);
  TPanel* hidden = make(TAlign::alTop, 1, 99, 0);
  hidden->Hide();

  auto bounds = [](TControl* c) { return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()}; };
  EXPECT_EQ(bounds(top1), (std::vector<int>{0, 0, 300, 10}));
  EXPECT_EQ(bounds(top2), (std::vector<int>{0, 10, 300, 15}));
  EXPECT_EQ(bounds(bottom), (std::vector<int>{0, 180, 300, 20}));
  EXPECT_EQ(bounds(left), (std::vector<int>{0, 25, 30, 155}));
  EXPECT_EQ(bounds(right), (std::vector<int>{260, 25, 40, 155}));
  EXPECT_EQ(bounds(client), (std::vector<int>{30, 25, 230, 155}));

  // Bevels narrow what aligned children share.
  host->SetBevelOuter(TBevelCut::bvRaised);
  EXPECT_EQ(bounds(top1), (std::vector<int>{1, 1, 298, 10}));

  // A parent that grows carries the layout and the anchored controls along.
  host->SetBevelOuter(TBevelCut::bvNone);
  auto* fixed = NewComponent<TPanel>(form);
  fixed->SetBounds(100, 100, 20, 20);
  fixed->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
  fixed->SetParent(host);
  auto* stretched = NewComponent<TPanel>(form);
  stretched->SetBounds(50, 60, 100, 20);
  stretched->SetAnchors({TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight});
  stretched->SetParent(host);
  host->SetBounds(0, 0, 350, 230);
  EXPECT_EQ(bounds(client), (std::vector<int>{30, 25, 280, 185}));
  EXPECT_EQ(bounds(fixed), (std::vector<int>{150, 130, 20, 20}));
  EXPECT_EQ(bounds(stretched), (std::vector<int>{50, 60, 150, 20}));
}

TEST_F(ControlsTest, WindowProcIsReplacedAndPutBack) {
  TForm* form = NewShownForm(200, 100);
  auto* edit = NewComponent<TEdit>(form);
  edit->SetParent(form);
  auto* label = NewComponent<TLabel>(form);
  label->SetParent(form);

  std::vector<UINT> seen;
  for (TControl* c : {static_cast<TControl*>(edit), static_cast<TControl*>(label)}) {
    TWndMethod saved = c->WindowProc;
    c->WindowProc = [&seen, saved](TMessage& m) {
      if (m.Msg == CM_ENABLEDCHANGED || m.Msg == WM_USER + 7 || m.Msg == WM_USER + 8) seen.push_back(m.Msg);
      saved(m);
    };
    c->SetEnabled(false);  // CM_ENABLEDCHANGED through the replacement
    if (c == edit) SendMessageA(edit->Handle(), WM_USER + 7, 0, 0);
    EXPECT_EQ(c->Perform(WM_USER + 8), 0);
    c->WindowProc = saved;
    c->SetEnabled(true);
  }
  EXPECT_EQ(seen, (std::vector<UINT>{CM_ENABLEDCHANGED, WM_USER + 7, WM_USER + 8, CM_ENABLEDCHANGED, WM_USER + 8}));
  EXPECT_TRUE(IsWindowEnabled(edit->Handle()));
  EXPECT_TRUE(label->Enabled());
}

TEST_F(ControlsTest, ControlAtomFindsTheControlOfABareWindow) {
  const AnsiString& atomName = ControlAtomString();
  ASSERT_EQ(atomName.size(), 26u);
  EXPECT_EQ(atomName.substr(0, 10), "ControlOfs");

  TForm* form = NewShownForm(200, 100);
  auto* edit = NewComponent<TEdit>(form);
  edit->SetParent(form);
  HWND window = edit->Handle();
  EXPECT_EQ(FindControl(window), edit);
  EXPECT_EQ(GetPropA(window, atomName.c_str()), static_cast<HANDLE>(static_cast<TWinControl*>(edit)));
  EXPECT_EQ(FindControl(form->Handle()), form);

  char className[32] = "";
  GetClassNameA(window, className, sizeof(className));
  EXPECT_STREQ(className, "TEdit");
  EXPECT_FALSE(IsWindowUnicode(window));

  // A window that is not the toolkit's has no control; nor has a dead one.
  HWND other = CreateWindowExW(0, u"Static", u"x", WS_CHILD, 0, 0, 5, 5, form->Handle(), nullptr, nullptr, nullptr);
  EXPECT_EQ(FindControl(other), nullptr);
  edit->RecreateWnd();
  EXPECT_NE(edit->Handle(), window);
  EXPECT_EQ(FindControl(window), nullptr);
  EXPECT_EQ(FindControl(edit->Handle()), edit);
}

TEST_F(ControlsTest, TextOfAWindowedControlLivesInItsWindow) {
  TForm* form = NewShownForm(200, 100);
  auto* edit = NewComponent<TEdit>(form);
  edit->SetText(u8"地址"_ansi);
  edit->SetParent(form);
  EXPECT_EQ(edit->Text(), u8"地址"_ansi);
  SetWindowTextA(edit->Handle(), "typed");
  EXPECT_EQ(edit->Text(), "typed");
  EXPECT_EQ(GetStrProp(edit, "Text"), "typed");
}

TEST_F(ControlsTest, ParentPaintsWindowlessChildrenAtTheirPlace) {
  TForm* form = NewShownForm(120, 80);
  form->SetColor(clWhite);
  auto* swatch = new TSwatch(form);
  swatch->SetBounds(10, 20, 30, 15);
  swatch->SetParent(form);
  auto* covered = new TSwatch(form);
  covered->fill = clBlue;
  covered->SetBounds(35, 20, 30, 15);  // above the first, overlapping 5 pixels
  covered->SetParent(form);
  auto* hidden = new TSwatch(form);
  hidden->fill = clLime;
  hidden->SetBounds(0, 0, 10, 10);
  hidden->SetParent(form);
  hidden->Hide();
  Pump();

  const auto image = headless::WindowImage(form->Handle());
  ASSERT_TRUE(image.has_value());
  auto at = [&](int x, int y) { return platform::ColorRefFromPixel(image->PixelAt(x, y)); };
  EXPECT_EQ(at(10, 20), RGB(255, 0, 0));
  EXPECT_EQ(at(34, 34), RGB(255, 0, 0));
  EXPECT_EQ(at(35, 20), RGB(0, 0, 255));  // the later control is on top
  EXPECT_EQ(at(9, 20), RGB(255, 255, 255));
  EXPECT_EQ(at(10, 35), RGB(255, 255, 255));
  EXPECT_EQ(at(2, 2), RGB(255, 255, 255));
}

TEST_F(ControlsTest, ParentHandsTheMouseToWindowlessChildren) {
  TForm* form = NewShownForm(200, 100);
  auto* image = NewComponent<TImage>(form);
  image->SetBounds(50, 40, 30, 20);
  image->SetParent(form);
  std::vector<std::string> events;
  image->OnMouseDown = [&](TObject* sender, TMouseButton button, TShiftState, int x, int y) {
    EXPECT_EQ(sender, image);
    events.push_back("down " + std::to_string(static_cast<int>(button)) + " " + std::to_string(x) + "," +
                     std::to_string(y));
  };
  image->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  image->OnClick = [&](TObject*) { events.push_back("click"); };
  form->OnClick = [&](TObject*) { events.push_back("form click"); };

  headless::Click(100 + 55, 100 + 43);
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"down 0 5,3", "click", "up 5,3"}));

  // Pressed on the image, released outside: the image keeps the mouse, no click.
  events.clear();
  headless::MoveMouse(100 + 60, 100 + 50);
  headless::Press();
  headless::MoveMouse(100 + 150, 100 + 90);
  headless::Release();
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"down 0 10,10", "up 100,50"}));

  // Disabled and hidden controls let the mouse through to the parent.
  events.clear();
  image->SetEnabled(false);
  headless::Click(100 + 55, 100 + 43);
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"form click"}));
}

TEST_F(ControlsTest, MouseEnterAndLeaveReachWindowlessControls) {
  TForm* form = NewShownForm(200, 100);
  auto* button = NewComponent<TSpeedButton>(form);
  button->SetFlat(true);
  button->SetBounds(20, 20, 40, 30);
  button->SetParent(form);
  auto* image = NewComponent<TImage>(form);
  image->SetBounds(100, 20, 40, 30);
  image->SetCursor(crHandPoint);
  image->SetParent(form);
  std::vector<std::string> seen;
  for (TControl* c : {static_cast<TControl*>(button), static_cast<TControl*>(image)}) {
    TWndMethod saved = c->WindowProc;
    c->WindowProc = [&seen, saved, c](TMessage& m) {
      if (m.Msg == CM_MOUSEENTER) seen.push_back("enter " + c->ClassName());
      if (m.Msg == CM_MOUSELEAVE) seen.push_back("leave " + c->ClassName());
      saved(m);
    };
  }
  headless::MoveMouse(100 + 5, 100 + 5);
  Pump();
  headless::MoveMouse(100 + 30, 100 + 30);
  Pump();
  EXPECT_TRUE(button->MouseInControl());
  headless::MoveMouse(100 + 110, 100 + 30);
  Pump();
  EXPECT_FALSE(button->MouseInControl());
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  headless::MoveMouse(600, 600);  // off the form
  Pump();
  EXPECT_EQ(seen, (std::vector<std::string>{"enter TSpeedButton", "leave TSpeedButton", "enter TImage",
                                            "leave TImage"}));
  EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(ControlsTest, ButtonClicksComeBackReflected) {
  TForm* form = NewShownForm(200, 100);
  auto* button = NewComponent<TButton>(form);
  button->SetCaption("OK");
  button->SetBounds(10, 10, 75, 25);
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Pump();
  headless::Click(100 + 40, 100 + 20);
  Pump();
  EXPECT_EQ(clicks, 1);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, GroupedSpeedButtonsStayDownOneAtATime) {
  TForm* form = NewShownForm(200, 100);
  auto* a = NewComponent<TSpeedButton>(form);
  auto* b = NewComponent<TSpeedButton>(form);
  auto* plain = NewComponent<TSpeedButton>(form);
  for (auto* s : {a, b}) s->SetGroupIndex(1);
  a->SetBounds(0, 0, 20, 20);
  b->SetBounds(30, 0, 20, 20);
  plain->SetBounds(60, 0, 20, 20);
  for (auto* s : {a, b, plain}) s->SetParent(form);
  int clicks = 0;
  plain->OnClick = [&](TObject*) { ++clicks; };

  headless::Click(100 + 5, 100 + 5);
  Pump();
  EXPECT_TRUE(a->Down());
  headless::Click(100 + 35, 100 + 5);
  Pump();
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  b->SetDown(false);  // not without AllowAllUp
  EXPECT_TRUE(b->Down());

  headless::Click(100 + 65, 100 + 5);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(plain->Down());
}

TEST_F(ControlsTest, AHandlerThatReleasesTheMouseEndsTheCaptureOfItsControl) {
  // As the main window's header does: pressing it drags the window.
  TForm* form = NewShownForm(200, 100);
  auto* header = NewComponent<TImage>(form);
  header->SetBounds(0, 0, 200, 30);
  header->SetParent(form);
  auto* tile = NewComponent<TImage>(form);
  tile->SetBounds(0, 50, 50, 50);
  tile->SetParent(form);
  header->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { ReleaseCapture(); };
  int tileClicks = 0;
  tile->OnClick = [&](TObject*) { ++tileClicks; };
  headless::MoveMouse(100 + 10, 100 + 10);
  headless::Press();
  Pump();
  headless::MoveMouse(100 + 10, 100 + 60);
  headless::Release();
  headless::Click(100 + 10, 100 + 60);
  Pump();
  EXPECT_EQ(tileClicks, 1);
}

TEST_F(ControlsTest, AFormShownPaintedAndFreedLeavesNoHandlesBehind) {
  auto showAndFree = [] {
    TForm* form = NewShownForm(200, 120);
    auto* panel = NewComponent<TPanel>(form);
    panel->SetParent(form);
    auto* edit = NewComponent<TEdit>(form);
    edit->SetColor(clYellow);
    edit->SetParent(panel);
    auto* label = NewComponent<TLabel>(form);
    label->SetCaption("x");
    label->SetParent(panel);
    auto* speed = NewComponent<TSpeedButton>(form);
    speed->SetFlat(true);
    speed->SetParent(form);
    Pump();
    form->Free();
    Pump();
  };
  showAndFree();  // classes, atoms and the application window are made once
  const auto before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t thunks = platform::LiveThunkCount();
  showAndFree();
  EXPECT_EQ(DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
  EXPECT_EQ(platform::LiveThunkCount(), thunks);
}

}  // namespace
}  // namespace brellis::test
