// The program's message boxes: shown through the application object, owned
// by the active window, answered by real clicks on the box.
#include <gtest/gtest.h>

#include "app/Unit_Public_Data.h"
#include "platform/controls/controls.h"
#include "platform/display/headless/headless.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

namespace {

namespace headless = platform::display::headless;

class HeadlessEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { headless::Install({SIZE{1280, 1024}, true, RGB(58, 110, 165)}); }
};

const ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new HeadlessEnvironment);

struct SeenBox {
  HWND owner = nullptr;
  AnsiString caption;
};
SeenBox g_seen;

// Clicks the centre of the box's button `id`, or (id 0) its close box, once
// the box is up: from a timer that runs inside the box's modal loop.
template <int id>
void ClickInBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND box = GetActiveWindow();
  g_seen.owner = GetWindow(box, GW_OWNER);
  char caption[64] = "";
  GetWindowTextA(box, caption, sizeof(caption));
  g_seen.caption = caption;
  RECT rect{};
  if (id == 0) {
    GetWindowRect(box, &rect);
    headless::Click(rect.right - (3 + 2 + 8), rect.top + 3 + 2 + 7);
    return;
  }
  GetWindowRect(GetDlgItem(box, id), &rect);
  headless::Click((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

class MsgBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = NewComponent<TForm>(Application);
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    Application->ProcessMessages();
  }
  void TearDown() override {
    form->Free();
    platform::SetMessageBoxHandler(nullptr);
  }
  TForm* form = nullptr;
};

TEST_F(MsgBoxTest, AskAnswersYesOnlyForYes) {
  const AnsiString caption = u8"提示信息"_ansi;
  const AnsiString text = u8"您确认要退出些系统？"_ansi;
  SetTimer(nullptr, 0, 50, ClickInBox<IDYES>);
  EXPECT_TRUE(MsgAsk(caption, text));
  EXPECT_EQ(g_seen.owner, form->Handle());
  EXPECT_EQ(g_seen.caption, caption);

  SetTimer(nullptr, 0, 50, ClickInBox<IDNO>);
  EXPECT_FALSE(MsgAsk(caption, text));
  SetTimer(nullptr, 0, 50, ClickInBox<0>);
  EXPECT_FALSE(MsgAsk(caption, text));
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST_F(MsgBoxTest, FlagsAreInformationAndQuestion) {
  std::vector<UINT> flags;
  platform::SetMessageBoxHandler([&](HWND, const WideString&, const WideString&, UINT type) {
    flags.push_back(type);
    return IDOK;
  });
  MsgInfo("c", "t");
  EXPECT_FALSE(MsgAsk("c", "t"));
  EXPECT_EQ(flags, (std::vector<UINT>{64, 36}));
}

}  // namespace
