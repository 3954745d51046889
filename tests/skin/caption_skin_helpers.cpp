#include "caption_skin_helpers.h"

#include <sstream>

#include "platform/display/headless/headless.h"
#include "skin_data_helpers.h"

namespace skintest {
namespace {

class HeadlessEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(58, 110, 165)}); }
};

const ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new HeadlessEnvironment);

// Frame sides: 4-pixel sides and bottom, a 24-pixel title strip, two frames
// each (active, inactive), no transparency. The title text starts 60 pixels
// into the strip. Buttons: 16 × 16 cells at y 4; the MDI strip makes three
// four-frame buttons of 16 × 16.
const char kIni[] =
    "[Personality]\n"
    "Left=side.bmp\nLeftFrame=2\nLeftTrans=0\n"
    "Right=side.bmp\nRightFrame=2\nRightTrans=0\n"
    "Top=top.bmp\nTopFrame=2\nTopTrans=0\n"
    "Bottom=bottom.bmp\nBottomFrame=2\nBottomTrans=0\n"
    "TextShift=60\n"
    "[ButtonClose]\nAction=0\nAlign=1\nXcoord=22\nYcoord=4\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonMaximize]\nAction=1\nAlign=1\nXcoord=40\nYcoord=4\nVisibility=2\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonRestore]\nAction=1\nAlign=1\nXcoord=40\nYcoord=4\nVisibility=1\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonMinimize]\nAction=2\nAlign=1\nXcoord=58\nYcoord=4\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonIcon]\nAction=3\nAlign=0\nXcoord=4\nYcoord=4\n"
    "[ButtonApp]\nAction=50\nAlign=0\nXcoord=24\nYcoord=4\nButtonImage=three.bmp\nframe=3\n"
    "[ButtonBeforeText]\nAction=51\nAlign=2\nXcoord=2\nYcoord=4\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonAfterText]\nAction=52\nAlign=3\nXcoord=2\nYcoord=4\nButtonImage=four.bmp\nframe=4\n"
    "[ButtonAsk]\nAction=53\nAlign=0\nXcoord=170\nYcoord=4\nVisibility=1000\nButtonImage=four.bmp\nframe=4\n"
    "[MDICONTROLS]\nImage=mdi.bmp\n";

void PaintFrames(TBitmap& picture, int frames) {
  const int w = picture.Width() / frames;
  for (int i = 0; i < frames; ++i) {
    picture.Canvas()->Brush()->SetColor(static_cast<TColor>(kButtonFrameColours[i]));
    picture.Canvas()->FillRect(Rect(i * w, 0, (i + 1) * w, picture.Height()));
  }
}

}  // namespace

std::unique_ptr<TSkinData> MiniCaptionSkin() {
  auto skin = std::make_unique<TSkinData>();
  const bool loaded = skin->LoadSkin(PackageOf(kIni, {{"side.bmp", 8, 40, RGB(90, 90, 90)},
                                                      {"top.bmp", 40, 48, kTitleColour},
                                                      {"bottom.bmp", 40, 8, RGB(60, 60, 60)},
                                                      {"four.bmp", 64, 16},
                                                      {"three.bmp", 48, 16},
                                                      {"mdi.bmp", 192, 16}}));
  EXPECT_TRUE(loaded);
  for (const auto& button : skin->SysButtons) {
    if (!button->Picture->Empty()) PaintFrames(*button->Picture, button->Frame);
  }
  return skin;
}

void SkinnedWindowTest::SetUp() {
  skin_ = MakeSkin();
  recorder_ = std::make_unique<brellis::test::MessageRecorder>();
  platform::OverrideVersion(0);
  TSkinManage* manager = EnsureSkinManager();
  manager->RegisterSkin(skin_.get());
  manager->InstallHooks();
  manager->FActive = true;
}

void SkinnedWindowTest::TearDown() {
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  Pump();
  recorder_.reset();
  // The manager keeps the version it found at installing its hook.
  platform::OverrideVersion(0);
  if (SkinManager != nullptr) SkinManager->InstallHooks();
  DestroySkinManager();
  skin_.reset();
}

void SkinnedWindowTest::MakeWindow(DWORD style, DWORD exStyle, const std::function<void(HWND)>& beforeAttach) {
  window_ = CreateWindowExW(exStyle, brellis::test::MessageRecorder::WideClass(), u"Cap", style, 100, 100, 300,
                            200, nullptr, nullptr, platform::ProgramModule(), nullptr);
  ASSERT_NE(window_, nullptr);
  if (beforeAttach) beforeAttach(window_);
  ShowWindow(window_, SW_SHOW);
  SetActiveWindow(window_);
  ASSERT_TRUE(SkinManager->AttachWindow(window_) || SkinManager->FindSkinForm(window_) != nullptr);
  form_ = SkinManager->FindSkinForm(window_);
  ASSERT_NE(form_, nullptr);
  Pump();
  ASSERT_EQ(form_->FState, kStateReady);
  PaintFrame();
  recorder_->SetMainWindow(window_);
  recorder_->Clear();
}

void SkinnedWindowTest::Pump() { recorder_->Pump(); }

TWinSysButton* SkinnedWindowTest::Button(int action, int visibility) const {
  for (const auto& button : form_->FButtons) {
    if (button->FModel->Action == action && (visibility < 0 || button->FModel->Visibility == visibility)) {
      return button.get();
    }
  }
  return nullptr;
}

POINT SkinnedWindowTest::ToScreen(POINT frame) const {
  RECT r{};
  GetWindowRect(window_, &r);
  return POINT{r.left + frame.x, r.top + frame.y};
}

LPARAM SkinnedWindowTest::ScreenParam(POINT frame) const {
  const POINT p = ToScreen(frame);
  return MAKELPARAM(p.x, p.y);
}

POINT SkinnedWindowTest::Centre(const TNCObject& object) const {
  return POINT{(object.FRect.left + object.FRect.right) / 2, (object.FRect.top + object.FRect.bottom) / 2};
}

COLORREF SkinnedWindowTest::PixelAt(POINT frame) const {
  HDC dc = GetWindowDC(window_);
  const COLORREF colour = GetPixel(dc, frame.x, frame.y);
  ReleaseDC(window_, dc);
  return colour;
}

void SkinnedWindowTest::PaintFrame() {
  SendMessageW(window_, SKM_PAINTFRAME, 0, 0);
}

std::string SkinnedWindowTest::Recorded(const std::set<UINT>& messages) const {
  std::ostringstream out;
  for (const brellis::test::RecordedMessage& m : recorder_->Log()) {
    if (!(m.flags & brellis::test::kHook) && messages.count(m.message) == 0) continue;
    if ((m.flags & brellis::test::kHook) && messages.count(HookCode(static_cast<int>(m.message))) == 0) continue;
    out << brellis::test::MessageName(m.message, (m.flags & brellis::test::kHook) != 0)
        << ((m.flags & brellis::test::kPosted) ? " posted" : " sent");
    if (!(m.flags & brellis::test::kHook)) out << " w=" << std::hex << m.wParam << std::dec;
    if (!m.detail.empty()) out << " " << m.detail;
    out << "\n";
  }
  return out.str();
}

}  // namespace skintest
