// The notifications the toolkit sends as the focus moves and as the form is
// offered dialog keys: what every control of the form sees, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using FocusNotifyTest = ToolkitTest;

// Records the toolkit notifications a control's WindowProc sees.
void Watch(TControl* control, std::vector<std::string>& log) {
  TWndMethod own = control->WindowProc;
  control->WindowProc = [own, control, &log](TMessage& message) {
    const std::string name = control->Name();
    if (message.Msg == CM_FOCUSCHANGED) log.push_back(name + " focus changed");
    if (message.Msg == CM_EXIT) log.push_back(name + " exit");
    if (message.Msg == CM_DIALOGKEYSEEN) log.push_back(name + " dialog key " + std::to_string(message.WParam));
    own(message);
  };
}

TEST_F(FocusNotifyTest, MovingTheFocusTellsTheLoserThenEveryControl) {
  TForm* form = NewShownForm(300, 200);
  auto* first = NewComponent<TEdit>(form);
  first->SetName("First");
  first->SetParent(form);
  auto* second = NewComponent<TButton>(form);
  second->SetName("Second");
  second->SetParent(form);
  second->SetTop(40);
  first->SetFocus();
  Pump();
  std::vector<std::string> log;
  Watch(first, log);
  Watch(second, log);
  second->SetFocus();
  Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"First exit", "First focus changed", "Second focus changed"}));
}

TEST_F(FocusNotifyTest, ADialogKeyOfferedToTheFormReachesItsControls) {
  TForm* form = NewShownForm(300, 200);
  auto* edit = NewComponent<TEdit>(form);
  edit->SetName("Edit");
  edit->SetParent(form);
  auto* button = NewComponent<TButton>(form);
  button->SetName("Button");
  button->SetParent(form);
  button->SetTop(40);
  edit->SetFocus();
  Pump();
  std::vector<std::string> log;
  Watch(edit, log);
  Watch(button, log);
  MSG msg{};
  msg.hwnd = edit->Handle();
  msg.message = WM_KEYDOWN;
  msg.wParam = VK_ESCAPE;
  OfferDialogKey(msg);
  EXPECT_EQ(log, (std::vector<std::string>{"Edit dialog key 27", "Button dialog key 27"}));
}

}  // namespace
}  // namespace brellis::test
