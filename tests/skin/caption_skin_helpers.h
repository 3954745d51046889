// A mini skin for the caption-button tests and a skinned window to try it on:
// solid frame sides (4-pixel sides, a 24-pixel title strip) and caption
// buttons whose picture frames each have one colour, so that the frame a
// button shows can be read from its pixels.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "support/message_recorder.h"
#include "toolkit/ExtCtrls.h"

namespace skintest {

// Colours of the frames of every caption button picture, frame 1 first.
constexpr COLORREF kButtonFrameColours[4] = {RGB(250, 0, 0), RGB(0, 250, 0), RGB(250, 250, 0), RGB(0, 250, 250)};
constexpr COLORREF kTitleColour = RGB(0, 0, 160);

// The button models of the mini skin, by Action.
constexpr int kCloseAction = 0;
constexpr int kAppAction = 50;         // Align 0, three frames
constexpr int kBeforeTextAction = 51;  // Align 2
constexpr int kAfterTextAction = 52;   // Align 3
constexpr int kAskAction = 53;         // Visibility 1000

// A CBT hook code among the messages Recorded looks for.
constexpr UINT HookCode(int code) { return 0x10000u + static_cast<UINT>(code); }

// The mini skin, loaded from a package made with the package writer; every
// button picture repainted with one colour per frame.
std::unique_ptr<TSkinData> MiniCaptionSkin();

// A skinned top-level window of the recorder's class: the manager made with
// the mini skin, the window created, attached and its attach finished.
class SkinnedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The skin the manager is made with: the mini caption skin unless a test
  // needs other pictures.
  virtual std::unique_ptr<TSkinData> MakeSkin() { return MiniCaptionSkin(); }

  // Creates and attaches a window of that style; `beforeAttach` may subclass
  // it first.
  void MakeWindow(DWORD style, DWORD exStyle = 0, const std::function<void(HWND)>& beforeAttach = {});
  // Reads and dispatches everything queued.
  void Pump();
  // The first button of that Action (the close button: the first Action 0).
  TWinSysButton* Button(int action, int visibility = -1) const;
  // A frame point (window coordinates) as a screen point, packed for lParam.
  POINT ToScreen(POINT frame) const;
  LPARAM ScreenParam(POINT frame) const;
  POINT Centre(const TNCObject& object) const;
  // The pixel of the window at a frame point.
  COLORREF PixelAt(POINT frame) const;
  // Repaints the non-client area (the title strip with its buttons).
  void PaintFrame();
  // The recorded messages among `messages` (CBT hook calls as HookCode),
  // one "NAME posted|sent w=…" per line.
  std::string Recorded(const std::set<UINT>& messages) const;

  std::unique_ptr<TSkinData> skin_;
  std::unique_ptr<brellis::test::MessageRecorder> recorder_;
  HWND window_ = nullptr;
  TWinSkinForm* form_ = nullptr;
};

}  // namespace skintest
