// Switching the skin on and off, and from one package to another, leaves
// every handle count where it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "platform/base/handles.h"
#include "platform/display/headless/headless.h"
#include "skin/engine/engine_fixture.h"
#include "skin_data_helpers.h"
#include "support/handle_leaks.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;
using brellis::test::DescribeCountChanges;

// Runs `rounds` once, then `count` times more, and expects every count where
// it was after the first.
void ExpectRoundsLeaveEveryCount(int count, const std::function<void()>& round) {
  round();
  const auto before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t thunks = platform::LiveThunkCount();
  const std::size_t timers = platform::LiveTimerCount();
  for (int i = 0; i < count; ++i) round();
  EXPECT_EQ(DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
  EXPECT_EQ(platform::LiveThunkCount(), thunks);
  EXPECT_EQ(platform::LiveTimerCount(), timers);
}

std::function<void()>* g_insideBox = nullptr;

void RunInsideTheBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  (*g_insideBox)();
  headless::Key(VK_ESCAPE);
}

using EngineLeakTest = EngineTest;

TEST_F(EngineLeakTest, SkinOnAndOffOverAFormADialogAndAMessageBox) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable, 300, 200);
  ShowForm(TFormBorderStyle::bsDialog, 200, 100);
  std::size_t attached = 0;
  std::function<void()> cycles = [&] {
    attached = SkinManager->FForms.size();
    ExpectRoundsLeaveEveryCount(1000, [&] {
      skin->SetActive(false);
      Settle(300);
      skin->SetActive(true);
      Settle(300);
    });
  };
  g_insideBox = &cycles;
  SetTimer(nullptr, 0, 10, &RunInsideTheBox);
  MessageBoxW(form->Handle(), u"Go on?", u"Brellis", MB_YESNO);
  g_insideBox = nullptr;
  EXPECT_EQ(attached, 3u) << "the form, the dialog and the box were skinned";
  EXPECT_EQ(SkinManager->FForms.size(), 2u) << "the sweep attaches the forms again";
}

TEST_F(EngineLeakTest, SwitchingBetweenTwoPackages) {
  LoadMainSkin();
  ShowForm(TFormBorderStyle::bsSizeable, 300, 200);
  const std::string other = ::testing::TempDir() + "leak_other.skn";
  const std::string embedded = ::testing::TempDir() + "leak_embedded.skn";
  const auto write = [](const std::string& path, std::span<const std::uint8_t> bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  };
  write(embedded, EmbeddedSkin());
  write(other, PackageOf("[Personality]\nTop=t.bmp\nTopFrame=2\nLeft=l.bmp\nLeftFrame=2\n[Colours]\nButtonFace=9 9 9\n",
                         {{"t.bmp", 40, 40, RGB(0, 0, 200)}, {"l.bmp", 8, 40, RGB(0, 200, 0)}}));
  ExpectRoundsLeaveEveryCount(200, [&] {
    skin->SetSkinFile(other);
    Settle(300);
    skin->SetSkinFile(embedded);
    Settle(300);
  });
  EXPECT_EQ(SkinFormOf(Screen->Forms(0)->Handle())->FTitleHeight, skin->Top->Picture->Height() / 2);
  std::remove(other.c_str());
  std::remove(embedded.c_str());
}

}  // namespace
}  // namespace skintest
