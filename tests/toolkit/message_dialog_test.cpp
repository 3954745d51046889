// The toolkit's message dialog: its parts and sizes, the modal answers from
// keys and clicks, what a CBT hook sees of it, and that it keeps working
// after its window is widened and its children moved, as a skin does.
#include <algorithm>
#include <string>
#include <vector>

#include "support/golden.h"
#include "support/message_recorder.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

std::function<void(TMessageForm*)>& PendingAction() {
  static std::function<void(TMessageForm*)> action;
  return action;
}

void RunPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto action = std::move(PendingAction());
  PendingAction() = nullptr;
  if (action) action(As<TMessageForm>(Screen->ActiveForm()));
}

// Runs `action` with the active message form once the modal loop of the
// next dialog has started.
void WhileModal(std::function<void(TMessageForm*)> action) {
  PendingAction() = std::move(action);
  SetTimer(nullptr, 0, 10, RunPendingAction);
}

POINT CentreOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TButton* ButtonNamed(TForm* form, const char* name) { return As<TButton>(form->FindComponent(name)); }

std::vector<TButton*> ButtonsOf(TForm* form) {
  std::vector<TButton*> buttons;
  for (int i = 0; i < form->ControlCount(); ++i) {
    if (auto* b = As<TButton>(form->Controls(i))) buttons.push_back(b);
  }
  return buttons;
}

class MessageDialogTest : public ToolkitTest {
 protected:
  void TearDown() override {
    PendingAction() = nullptr;
    ToolkitTest::TearDown();
  }
};

TEST_F(MessageDialogTest, IsADialogFormOfClassTMessageFormWithCaptionIconTextAndButtons) {
  Application->SetTitle("Brellis");
  struct Kind {
    TMsgDlgType type;
    const char* caption;
    bool icon;
  };
  for (const Kind& kind : {Kind{TMsgDlgType::mtWarning, "Warning", true}, Kind{TMsgDlgType::mtError, "Error", true},
                           Kind{TMsgDlgType::mtInformation, "Information", true},
                           Kind{TMsgDlgType::mtConfirmation, "Confirm", true},
                           Kind{TMsgDlgType::mtCustom, "Brellis", false}}) {
    TForm* form = CreateMessageDialog("Save the changes?", kind.type, mbYesNo);
    EXPECT_EQ(form->ClassName(), "TMessageForm");
    EXPECT_TRUE(form->Is<TForm>());
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsDialog);
    EXPECT_EQ(form->Caption(), kind.caption);
    EXPECT_FALSE(form->Visible());
    auto* image = As<TImage>(form->FindComponent("Image"));
    EXPECT_EQ(image != nullptr, kind.icon) << kind.caption;
    if (image != nullptr) {
      EXPECT_FALSE(image->Picture()->Icon()->Empty());
      EXPECT_EQ(image->Width(), 32);
    }
    auto* label = As<TLabel>(form->FindComponent("Message"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Save the changes?");
    EXPECT_TRUE(label->WordWrap());
    char cls[64] = "";
    GetClassNameA(form->Handle(), cls, sizeof(cls));
    EXPECT_STREQ(cls, "TMessageForm");
    EXPECT_EQ(GetWindowLongA(form->Handle(), GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_CAPTION));
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    form->Free();
  }
}

TEST_F(MessageDialogTest, ButtonsHaveTheirCaptionsResultsOrderAndDefaultAndCancelChoices) {
  const TMsgDlgButtons every{TMsgDlgBtn::mbYes,   TMsgDlgBtn::mbNo,    TMsgDlgBtn::mbOK,      TMsgDlgBtn::mbCancel,
                             TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore,  TMsgDlgBtn::mbAll,
                             TMsgDlgBtn::mbNoToAll, TMsgDlgBtn::mbYesToAll, TMsgDlgBtn::mbHelp};
  TForm* form = CreateMessageDialog("All of them", TMsgDlgType::mtInformation, every);
  struct Expected {
    const char* caption;
    TModalResult result;
  };
  const std::vector<Expected> expected{{"&Yes", mrYes},       {"&No", mrNo},         {"OK", mrOk},
                                       {"Cancel", mrCancel},  {"&Abort", mrAbort},   {"&Retry", mrRetry},
                                       {"&Ignore", mrIgnore}, {"&All", mrAll},       {"N&o to All", mrNoToAll},
                                       {"Yes to &All", mrYesToAll}, {"&Help", mrNone}};
  const std::vector<TButton*> buttons = ButtonsOf(form);
  ASSERT_EQ(buttons.size(), expected.size());
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i]->Caption(), expected[i].caption);
    EXPECT_EQ(buttons[i]->ModalResult(), expected[i].result) << expected[i].caption;
    EXPECT_EQ(buttons[i]->Width(), buttons[0]->Width());
    EXPECT_EQ(buttons[i]->Top(), buttons[0]->Top());
    if (i > 0) {
      EXPECT_GT(buttons[i]->Left(), buttons[i - 1]->Left() + buttons[i - 1]->Width());
    }
  }
  // OK is the default whenever present; Cancel answers Escape.
  EXPECT_TRUE(buttons[2]->Default());
  EXPECT_TRUE(buttons[3]->Cancel());
  // The row is centred and fits inside the client area.
  const int left = buttons.front()->Left();
  const int right = form->ClientWidth() - (buttons.back()->Left() + buttons.back()->Width());
  EXPECT_LE(std::abs(left - right), 1);
  EXPECT_GT(left, 0);
  form->Free();

  struct Choice {
    TMsgDlgButtons buttons;
    const char* defaultName;
    const char* cancelName;
  };
  for (const Choice& choice : {Choice{mbYesNo, "Yes", "No"}, Choice{mbOKCancel, "OK", "Cancel"},
                               Choice{mbYesNoCancel, "Yes", "Cancel"}, Choice{mbAbortRetryIgnore, "Retry", nullptr},
                               Choice{TMsgDlgButtons{TMsgDlgBtn::mbOK}, "OK", "OK"}, Choice{{}, "OK", "OK"}}) {
    TForm* f = CreateMessageDialog("Choose", TMsgDlgType::mtConfirmation, choice.buttons);
    for (TButton* b : ButtonsOf(f)) {
      EXPECT_EQ(b->Default(), b->Name() == choice.defaultName) << b->Name();
      EXPECT_EQ(b->Cancel(), choice.cancelName != nullptr && b->Name() == choice.cancelName) << b->Name();
    }
    f->Free();
  }
}

TEST_F(MessageDialogTest, SizesFollowTheTextInDialogUnitsAndLongTextWraps) {
  TForm* shortOne = CreateMessageDialog("Hi", TMsgDlgType::mtInformation, TMsgDlgButtons{TMsgDlgBtn::mbOK});
  auto* label = As<TLabel>(shortOne->FindComponent("Message"));
  auto* image = As<TImage>(shortOne->FindComponent("Image"));
  TButton* ok = ButtonNamed(shortOne, "OK");
  ASSERT_TRUE(label && image && ok);
  // Dialog units of the 12-pixel font: 6 pixels across per 4 units, 12 down per 8.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, shortOne->Font()->Handle());
  SIZE letters{};
  GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  const int baseX = (letters.cx / 26 + 1) / 2, baseY = tm.tmHeight;
  EXPECT_EQ(image->Left(), MulDiv(8, baseX, 4));
  EXPECT_EQ(image->Top(), MulDiv(8, baseY, 8));
  EXPECT_EQ(label->Left(), image->Left() + 32 + MulDiv(10, baseX, 4));
  EXPECT_EQ(ok->Width(), MulDiv(50, baseX, 4));
  EXPECT_EQ(ok->Height(), MulDiv(14, baseY, 8));
  EXPECT_EQ(ok->Top(), MulDiv(8, baseY, 8) + 32 + MulDiv(10, baseY, 8));
  EXPECT_EQ(shortOne->ClientHeight(), ok->Top() + ok->Height() + MulDiv(8, baseY, 8));
  // The text stands beside the middle of the icon.
  EXPECT_EQ(label->Top() + label->Height() / 2, image->Top() + 16);

  std::string text;
  for (int i = 0; i < 60; ++i) text += "word" + std::to_string(i) + " ";
  TForm* longOne = CreateMessageDialog(text, TMsgDlgType::mtWarning, mbOKCancel);
  auto* longLabel = As<TLabel>(longOne->FindComponent("Message"));
  EXPECT_LE(longLabel->Width(), Screen->Width() / 2);
  EXPECT_GE(longLabel->Height(), 3 * baseY);
  EXPECT_GE(longOne->ClientWidth(), longLabel->Left() + longLabel->Width());
  EXPECT_GT(longOne->ClientHeight(), shortOne->ClientHeight());
  longOne->Free();
  shortOne->Free();
}

TEST_F(MessageDialogTest, EnterEscapeTabSpaceAndTheCloseBoxGiveTheirAnswers) {
  // Keys queued before the call reach the dialog once it has the focus.
  headless::Key(VK_RETURN);
  EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), mrYes);
  headless::Key(VK_ESCAPE);
  EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), mrNo);
  headless::Key(VK_ESCAPE);
  EXPECT_EQ(MessageDlg("Stop?", TMsgDlgType::mtWarning, mbYesNoCancel, 0), mrCancel);
  // Tab moves the focus to No; Return then clicks the focused button.
  headless::Key(VK_TAB);
  headless::Key(VK_RETURN);
  EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), mrNo);
  headless::Key(VK_TAB);
  headless::Key(VK_SPACE);
  EXPECT_EQ(MessageDlg("Retry?", TMsgDlgType::mtError, mbAbortRetryIgnore, 0), mrIgnore);
  WhileModal([](TMessageForm* form) {
    ASSERT_NE(form, nullptr);
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), mrCancel);
  EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(MessageDialogTest, ClicksAnswerAndHelpAsksTheApplicationWithoutClosing) {
  WhileModal([](TMessageForm* form) {
    ASSERT_NE(form, nullptr);
    const POINT p = CentreOf(ButtonNamed(form, "No")->Handle());
    headless::Click(p.x, p.y);
  });
  EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), mrNo);

  std::vector<int> asked;
  Application->OnHelp = [&](int context) {
    asked.push_back(context);
    return true;
  };
  WhileModal([](TMessageForm* form) {
    ASSERT_NE(form, nullptr);
    const POINT help = CentreOf(ButtonNamed(form, "Help")->Handle());
    const POINT ok = CentreOf(ButtonNamed(form, "OK")->Handle());
    headless::Click(help.x, help.y);
    headless::Click(ok.x, ok.y);
  });
  EXPECT_EQ(MessageDlg("Help?", TMsgDlgType::mtInformation, TMsgDlgButtons{TMsgDlgBtn::mbOK, TMsgDlgBtn::mbHelp}, 42),
            mrOk);
  Application->OnHelp = nullptr;
  EXPECT_EQ(asked, std::vector<int>{42});
}

TEST_F(MessageDialogTest, MessageDlgPosPlacesTheDialogAndDlgCentresIt) {
  RECT placed{}, centred{};
  WhileModal([&](TMessageForm* form) {
    GetWindowRect(form->Handle(), &placed);
    form->SetModalResult(mrOk);
  });
  MessageDlgPos("Here", TMsgDlgType::mtInformation, TMsgDlgButtons{TMsgDlgBtn::mbOK}, 0, 40, 30);
  EXPECT_EQ(placed.left, 40);
  EXPECT_EQ(placed.top, 30);
  WhileModal([&](TMessageForm* form) {
    GetWindowRect(form->Handle(), &centred);
    form->SetModalResult(mrOk);
  });
  MessageDlg("Here", TMsgDlgType::mtInformation, TMsgDlgButtons{TMsgDlgBtn::mbOK}, 0);
  EXPECT_LE(std::abs((centred.left + centred.right) / 2 - Screen->Width() / 2), 1);
  EXPECT_LE(std::abs((centred.top + centred.bottom) / 2 - Screen->Height() / 2), 1);
}

TEST_F(MessageDialogTest, ACbtHookSeesTheFormAndItsButtonsCreatedAndTheFormActivated) {
  MessageRecorder recorder;
  recorder.HookCbt();
  std::vector<HWND> children;
  WhileModal([&](TMessageForm* form) {
    ASSERT_NE(form, nullptr);
    for (HWND c = GetTopWindow(form->Handle()); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    headless::Key(VK_RETURN);
  });
  EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), mrYes);
  recorder.UnhookCbt();
  std::vector<std::string> seen;
  HWND form = nullptr;
  for (const RecordedMessage& r : recorder.Log()) {
    if (!(r.flags & kHook)) continue;
    const bool child = std::find(children.begin(), children.end(), r.hwnd) != children.end();
    if (r.message == HCBT_CREATEWND) {
      if (r.detail == "TMessageForm") form = r.hwnd;
      seen.push_back("create " + r.detail + (child ? " child" : ""));
    }
    if (r.message == HCBT_ACTIVATE) seen.push_back("activate " + r.detail + (r.hwnd == form ? " form" : ""));
  }
  // The application window may be made first, when nothing needed it before.
  if (!seen.empty() && seen.front() == "create TApplication") seen.erase(seen.begin());
  EXPECT_EQ(seen, (std::vector<std::string>{"create TMessageForm", "create TButton child", "create TButton child",
                                            "activate TMessageForm form"}));
}

// What a skin does to a dialog: widen it for its caption and move every
// child right by half the growth, without SWP_NOZORDER.
void WidenAndMoveChildren(TMessageForm* form, int growth) {
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  std::vector<HWND> children;
  for (HWND c = GetTopWindow(form->Handle()); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  for (HWND c : children) {
    RECT r{};
    GetWindowRect(c, &r);
    POINT p{r.left, r.top};
    ScreenToClient(form->Handle(), &p);
    SetWindowPos(c, nullptr, p.x + growth / 2, p.y, 0, 0, SWP_NOSIZE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
  }
  SetWindowPos(form->Handle(), nullptr, 0, 0, window.right - window.left + growth, window.bottom - window.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TEST_F(MessageDialogTest, AWidenedDialogWithMovedChildrenKeepsAnsweringKeysAndClicks) {
  int noLeftBefore = 0, noLeftAfter = 0;
  WhileModal([&](TMessageForm* form) {
    ASSERT_NE(form, nullptr);
    TButton* no = ButtonNamed(form, "No");
    noLeftBefore = no->Left();
    WidenAndMoveChildren(form, 120);
    noLeftAfter = no->Left();
    const POINT p = CentreOf(no->Handle());
    headless::Click(p.x, p.y);
  });
  EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), mrNo);
  EXPECT_EQ(noLeftAfter, noLeftBefore + 60);

  for (const auto& [key, answer] : {std::pair{VK_RETURN, mrYes}, std::pair{VK_ESCAPE, mrNo}}) {
    WhileModal([key = key](TMessageForm* form) {
      ASSERT_NE(form, nullptr);
      WidenAndMoveChildren(form, 80);
      headless::Key(key);
    });
    EXPECT_EQ(MessageDlg("Proceed?", TMsgDlgType::mtConfirmation, mbYesNo, 0), answer);
  }
}

TEST_F(MessageDialogTest, ShowingAndAnsweringTwoHundredDialogsLeavesEveryCount) {
  ExpectRoundsLeaveEveryCount([] {
    headless::Key(VK_ESCAPE);
    EXPECT_EQ(MessageDlg("Again?", TMsgDlgType::mtWarning, mbYesNoCancel, 0), mrCancel);
  });
}

TEST_F(MessageDialogTest, GoldenConfirmationWithYesNoAndErrorWithOK) {
  struct Case {
    const char* text;
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    const char* golden;
  };
  for (const Case& c : {Case{"Save the changes to the tile map?", TMsgDlgType::mtConfirmation, mbYesNo,
                             "toolkit/message_dialog_confirm"},
                        Case{"The service could not be reached.", TMsgDlgType::mtError,
                             TMsgDlgButtons{TMsgDlgBtn::mbOK}, "toolkit/message_dialog_error"}}) {
    TForm* form = CreateMessageDialog(c.text, c.type, c.buttons);
    form->Show();
    headless::MoveMouse(1200, 1000);
    Pump();
    const auto picture = headless::WindowImage(form->Handle());
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(MatchesGolden(*picture, c.golden, GoldenTolerance{48, 60}));
    form->Free();
    Pump();
  }
}

}  // namespace
}  // namespace brellis::test
