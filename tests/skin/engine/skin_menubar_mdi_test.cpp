// The menu bar of an MDI frame: a maximised child's minimise, restore and
// close buttons show at the bar's end (and only then), painted into the
// bar; WM_MDISETMENU gives the bar the frame's new menu.
#include <gtest/gtest.h>

#include "skin/engine/skin_menubar_helpers.h"
#include "toolkit/Menus.h"

namespace skintest {
namespace {


class MDIFrame : public MenuBarTest {
 protected:
  void MakeFrame() {
    frame_ = NewComponent<TForm>(Application);
    frame_->SetFormStyle(TFormStyle::fsMDIForm);
    frame_->SetBounds(50, 50, 500, 400);
    auto* menu = NewComponent<TMainMenu>(frame_);
    auto* file = new TMenuItem(frame_);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    auto* open = new TMenuItem(frame_);
    open->SetCaption("&Open");
    file->Add(open);
    frame_->SetMenu(menu);
    frame_->Show();
    Settle(300);
    child_ = NewComponent<TForm>(Application);
    child_->SetFormStyle(TFormStyle::fsMDIChild);
    child_->SetCaption("Child");
    child_->Show();
    Settle(300);
  }
  std::vector<TWinSysButton*> BarButtons() const {
    std::vector<TWinSysButton*> buttons;
    for (const auto& b : SkinFormOf(frame_->Handle())->FButtons) {
      if (b->FModel->Visibility == 100 && !b->FModel->Picture->Empty()) buttons.push_back(b.get());
    }
    return buttons;
  }
  TForm* frame_ = nullptr;
  TForm* child_ = nullptr;
};

TEST_F(MDIFrame, AMaximisedChildsButtonsShowAtTheEndOfTheBar) {
  MakeFrame();
  TWinSkinForm* frame = SkinFormOf(frame_->Handle());
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(frame->FMenuBar, nullptr);
  const auto buttons = BarButtons();
  ASSERT_EQ(buttons.size(), 3u);
  SendMessageW(frame->FHandle, SKM_PAINTFRAME, 0, 0);
  for (TWinSysButton* b : buttons) EXPECT_FALSE(b->FVisible) << "no child is maximised";

  ShowWindow(child_->Handle(), SW_MAXIMIZE);
  Settle(300);
  SendMessageW(frame->FHandle, SKM_PAINTFRAME, 0, 0);
  const int width = WindowRectOf(frame->FHandle).right - WindowRectOf(frame->FHandle).left;
  for (TWinSysButton* b : buttons) {
    EXPECT_TRUE(b->FVisible);
    EXPECT_GE(b->FRect.top, frame->FTitleHeight);
    EXPECT_LE(b->FRect.bottom, frame->FTitleHeight + frame->FMenuBarHeight);
    EXPECT_GT(b->FRect.left, frame->FMenuBar->FItems[0]->FRect.right);
    EXPECT_LE(b->FRect.right, width);
    // Painted into the bar: the bar's pixels there are the picture's.
    HDC dc = GetWindowDC(frame->FHandle);
    const COLORREF shown = GetPixel(dc, (b->FRect.left + b->FRect.right) / 2, (b->FRect.top + b->FRect.bottom) / 2);
    ReleaseDC(frame->FHandle, dc);
    const int cw = b->FModel->Picture->Width() / b->FModel->Frame;
    const COLORREF drawn = b->FModel->Picture->Canvas()->Pixels(cw / 2, b->FModel->Picture->Height() / 2);
    if (drawn != 0xFF00FF) {
      EXPECT_EQ(shown, drawn);
    }
  }
  EXPECT_TRUE(SkinManager->FMDIChildMaximized);
}

TEST_F(MDIFrame, MDISetMenuGivesTheBarTheFramesNewMenu) {
  MakeFrame();
  TWinSkinForm* frame = SkinFormOf(frame_->Handle());
  ASSERT_NE(frame->FMenuBar, nullptr);
  HMENU menu = CreateMenu();
  HMENU window = CreatePopupMenu();
  AppendMenuW(window, MF_STRING, 77, u"&Cascade");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(window), u"&Window");
  AppendMenuW(menu, MF_STRING, 78, u"&Tools");
  SendMessageW(frame->FMDIClientWindow, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
  Settle();
  EXPECT_EQ(GetMenu(frame->FHandle), nullptr);
  ASSERT_EQ(frame->FMenuBar->FItems.size(), 2u);
  EXPECT_EQ(frame->FMenuBar->FItems[0]->FCaption, u"&Window");
  EXPECT_EQ(frame->FMenuBar->FItems[0]->FSubMenu, window);
  EXPECT_EQ(frame->FMenuBar->FItems[1]->FCommand, 78u);
  EXPECT_GT(frame->FMenuBar->FItems[1]->FRect.left, frame->FMenuBar->FItems[0]->FRect.left);
}

}  // namespace
}  // namespace skintest
