// What the caption buttons of a skinned window do, caption double clicks,
// and the system commands the window keeps track of: the messages posted
// and sent, and the show state that results.
#include <gtest/gtest.h>

#include "caption_skin_helpers.h"
#include "platform/display/headless/headless.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;

using CaptionActions = SkinnedWindowTest;

constexpr DWORD kFramed = WS_OVERLAPPEDWINDOW;
const std::set<UINT> kCommands{WM_SYSCOMMAND, WM_CLOSE, SKM_CAPTIONBUTTON};

TEST_F(CaptionActions, TheCloseButtonPostsSCClose) {
  MakeWindow(kFramed);
  TWinSysButton& close = *Button(kCloseAction);
  const LPARAM at = ScreenParam(Centre(close));
  SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, at);
  EXPECT_EQ(SendMessageW(window_, WM_NCLBUTTONUP, HTCAPTION, at), 0);
  EXPECT_FALSE(form_->FHoverTimer->Enabled());
  Pump();
  EXPECT_EQ(Recorded(kCommands), "WM_SYSCOMMAND posted w=f060\nWM_CLOSE sent w=0\n");
  EXPECT_FALSE(IsWindow(window_));
}

TEST_F(CaptionActions, CloseNeedsTheSystemMenusCloseExceptOnNT4And9x) {
  MakeWindow(kFramed);
  TWinSysButton& close = *Button(kCloseAction);
  form_->FSystemMenu = nullptr;
  form_->FHotObject = &close;
  form_->DoButtonAction(0, 0);
  Pump();
  EXPECT_EQ(Recorded(kCommands), "");

  for (const DWORD version : {0x00000004u, 0x80000A04u}) {
    platform::OverrideVersion(version);
    SkinManager->InstallHooks();
    form_->FHotObject = &close;
    form_->DoButtonAction(0, 0);
    MSG msg{};
    EXPECT_TRUE(PeekMessageW(&msg, window_, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) << std::hex << version;
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SC_CLOSE));
  }
}

TEST_F(CaptionActions, MaximiseAndRestoreButtonsPostTheirCommands) {
  MakeWindow(kFramed);
  TWinSysButton& maximise = *Button(1, 2);
  form_->FHotObject = &maximise;
  form_->DoButtonAction(0, 0);
  EXPECT_EQ(form_->FShowState, kShowMaximized);
  EXPECT_EQ(form_->FHotObject, nullptr);
  Pump();
  EXPECT_TRUE(IsZoomed(window_));
  PaintFrame();
  TWinSysButton& restore = *Button(1, 1);
  EXPECT_TRUE(restore.FVisible);
  EXPECT_FALSE(maximise.FVisible);

  // The restore button shares the action: on a maximised window it restores.
  form_->FHotObject = &restore;
  form_->DoButtonAction(0, 0);
  EXPECT_EQ(form_->FShowState, kShowNormal);
  Pump();
  EXPECT_FALSE(IsZoomed(window_));
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND posted w=f030\nWM_SYSCOMMAND posted w=f120\n");
}

TEST_F(CaptionActions, MinimisingGivesTheSystemMenuStyleBackFirst) {
  MakeWindow(kFramed);
  ASSERT_FALSE(GetWindowLongW(window_, GWL_STYLE) & WS_SYSMENU);
  form_->FHotObject = Button(2);
  form_->DoButtonAction(0, 0);
  EXPECT_TRUE(GetWindowLongW(window_, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(form_->FShowState, kShowMinimized);
  Pump();
  EXPECT_TRUE(IsIconic(window_));
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND posted w=f020\n");
}

TEST_F(CaptionActions, DisabledBoxesDoNothingHelpAndApplicationButtonsPost) {
  MakeWindow(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
  ASSERT_FALSE(Button(1, 2)->FEnabled);
  form_->FHotObject = Button(1, 2);
  form_->DoButtonAction(0, 0);
  form_->FHotObject = Button(2);
  form_->DoButtonAction(0, 0);
  Pump();
  EXPECT_EQ(Recorded(kCommands), "");

  TWinSysButton& app = *Button(kAppAction);
  app.FModel->Action = 4;
  form_->FHotObject = &app;
  form_->DoButtonAction(0, 0);
  app.FModel->Action = 1000;
  form_->DoButtonAction(0, 0);
  Pump();
  EXPECT_EQ(Recorded(kCommands), "WM_SYSCOMMAND posted w=f180\n0x3514 posted w=3e8\n");
}

TEST_F(CaptionActions, CaptionDoubleClicksMaximiseAndRestore) {
  MakeWindow(kFramed);
  const LPARAM caption = ScreenParam({150, 12});
  EXPECT_EQ(SendMessageW(window_, WM_NCLBUTTONDBLCLK, HTCAPTION, caption), 0);
  Pump();
  EXPECT_TRUE(IsZoomed(window_));
  // A press on a maximised window's caption cannot drag it: the platform
  // takes it for a click on a menu bar the window has none of.
  SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, caption);
  SendMessageW(window_, WM_NCLBUTTONDBLCLK, HTCAPTION, caption);
  Pump();
  EXPECT_FALSE(IsZoomed(window_));
  EXPECT_EQ(Recorded({WM_SYSCOMMAND, WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}),
            "WM_SYSCOMMAND posted w=f030\nWM_NCLBUTTONDOWN sent w=5\nWM_SYSCOMMAND sent w=f090\n"
            "WM_SYSCOMMAND posted w=f120\n");
}

TEST_F(CaptionActions, AnInjectedDoubleClickOnTheCaptionMaximises) {
  MakeWindow(kFramed);
  const POINT caption = ToScreen({150, 12});
  headless::DoubleClick(caption.x, caption.y);
  Pump();
  EXPECT_TRUE(IsZoomed(window_));
}

TEST_F(CaptionActions, DoubleClicksWithoutMaximiseBoxGoOnAndOnTheIconClose) {
  MakeWindow(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
  SendMessageW(window_, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenParam({150, 12}));
  // Over a button that is not the icon: nothing, and not passed on.
  SendMessageW(window_, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenParam(Centre(*Button(kAppAction))));
  Pump();
  EXPECT_FALSE(IsZoomed(window_));
  EXPECT_EQ(Recorded({WM_SYSCOMMAND, WM_NCLBUTTONDBLCLK}), "WM_NCLBUTTONDBLCLK sent w=2\n");
  recorder_->Clear();

  SendMessageW(window_, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenParam(Centre(*Button(3))));
  EXPECT_FALSE(form_->FHoverTimer->Enabled());
  Pump();
  EXPECT_EQ(Recorded({WM_SYSCOMMAND, WM_NCLBUTTONDBLCLK}), "WM_SYSCOMMAND posted w=f060\n");
}

TEST_F(CaptionActions, SystemCommandsKeepTheShowStateAndAltAloneEndsAtTheSkin) {
  MakeWindow(kFramed);
  SendMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_EQ(form_->FShowState, kShowMaximized);
  SendMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(form_->FShowState, kShowNormal);
  recorder_->Clear();

  // Alt alone is the menu bar's; with a key the platform has it.
  EXPECT_EQ(SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, 'x');
  SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, '-');
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND sent w=f100\nWM_SYSCOMMAND sent w=f100\n");
}

TEST_F(CaptionActions, MenuCommandsWithSystemCommandIdsArriveAsSystemCommands) {
  MakeWindow(kFramed);
  for (const WORD id : {SC_SIZE, SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_NEXTWINDOW, SC_PREVWINDOW, SC_CLOSE,
                        SC_RESTORE}) {
    EXPECT_EQ(SendMessageW(window_, WM_COMMAND, id, 0), 0);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, window_, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) << std::hex << id;
    EXPECT_EQ(msg.wParam, id);
  }
  SendMessageW(window_, WM_COMMAND, 1001, 0);
  EXPECT_EQ(Recorded({WM_COMMAND, WM_SYSCOMMAND}), "WM_COMMAND sent w=3e9\n");
}

// An MDI frame (the recorder's class) with its client and one document.
class CaptionMDIActions : public SkinnedWindowTest {
 protected:
  static LRESULT ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcW(hwnd, message, wParam, lParam);
  }

  void MakeFrame() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProcFromFunction(ChildProc);
    wc.hInstance = platform::ProgramModule();
    wc.lpszClassName = u"CaptionTestDocument";
    RegisterClassExW(&wc);
    MakeWindow(kFramed | WS_CLIPCHILDREN, 0, [this](HWND frame) {
      CLIENTCREATESTRUCT ccs{nullptr, 1000};
      client_ = CreateWindowExW(0, u"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 200, 100,
                                frame, nullptr, platform::ProgramModule(), &ccs);
    });
    ASSERT_EQ(form_->FKind, kKindMDIFrame);
    MDICREATESTRUCTW cs{u"CaptionTestDocument", u"Doc", platform::ProgramModule(), 0, 0, 120, 80, WS_VISIBLE, 0};
    child_ = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&cs)));
    ASSERT_NE(child_, nullptr);
    Pump();
    recorder_->Watch(child_);
    recorder_->Clear();
  }

  void TearDown() override {
    SkinnedWindowTest::TearDown();
    UnregisterClassW(u"CaptionTestDocument", platform::ProgramModule());
  }

  void Act(int action) {
    form_->FHotObject = Button(action);
    form_->DoButtonAction(0, 0);
  }

  HWND client_ = nullptr;
  HWND child_ = nullptr;
};

TEST_F(CaptionMDIActions, TheMenuBarButtonsCommandTheActiveDocument) {
  MakeFrame();
  Act(7);
  Act(8);
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND sent w=f020\nWM_SYSCOMMAND sent w=f120\n");
  recorder_->Clear();
  Act(9);
  Pump();
  EXPECT_FALSE(IsWindow(child_));
  // No active document: nothing is sent anywhere.
  Act(7);
  Pump();
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND sent w=f060\n");
}

TEST_F(CaptionMDIActions, TheMenuBarButtonsShowOnlyWhileTheDocumentIsMaximised) {
  MakeFrame();
  TWinSysButton& minimise = *Button(7);
  // The strip a skinned menu bar takes below the title.
  form_->FMenuBarHeight = 19;
  SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  PaintFrame();
  EXPECT_FALSE(minimise.FVisible);
  EXPECT_EQ(form_->ButtonAt(TPoint{form_->FWindowWidth - 60, 30}), nullptr);

  SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child_), 0);
  PaintFrame();
  const int w = form_->FWindowWidth;
  ASSERT_TRUE(minimise.FVisible);
  EXPECT_EQ(minimise.FRect, Rect(w - 60 - 4, 24 + 1, w - 48, 24 + 17));
  EXPECT_EQ(Button(8)->FRect.left, w - 40 - 4);
  EXPECT_EQ(Button(9)->FRect.left, w - 20 - 4);
  // The menu bar paints them; hovered, they show their fourth frame.
  minimise.MouseMove();
  EXPECT_EQ(PixelAt(Centre(minimise)), kButtonFrameColours[3]);

  recorder_->Clear();
  const LPARAM at = ScreenParam(Centre(minimise));
  SendMessageW(window_, WM_NCLBUTTONDOWN, HTMENU, at);
  SendMessageW(window_, WM_NCLBUTTONUP, HTMENU, at);
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND sent w=f020\n");
}

TEST_F(CaptionActions, TheMDIButtonsOfAWindowThatIsNoFrameDoNothing) {
  MakeWindow(kFramed);
  for (const int action : {7, 8, 9}) {
    form_->FHotObject = Button(action);
    form_->DoButtonAction(0, 0);
  }
  Pump();
  EXPECT_EQ(Recorded(kCommands), "");
}

}  // namespace
}  // namespace skintest
