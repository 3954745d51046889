#include "skin/engine/engine_fixture.h"

#include "platform/display/headless/headless.h"
#include "skin_data_helpers.h"
#include "support/message_recorder.h"

namespace skintest {

void EngineTest::SetUp() {
  ToolkitTest::SetUp();
  static brellis::test::MessageRecorder classes;  // registers the recorder window classes once
}

void EngineTest::TearDown() {
  if (skin != nullptr) skin->Free();  // the last skin takes the manager with it
  skin = nullptr;
  ToolkitTest::TearDown();
  EXPECT_EQ(SkinManager, nullptr);
}

TSkinData* EngineTest::LoadMainSkin(bool active) {
  skin = new TSkinData(nullptr);
  skin->SetSkinStream(EmbeddedSkin());
  EXPECT_TRUE(skin->LoadSkin());
  skin->SetActive(active);
  skin->Loaded();
  return skin;
}

TForm* EngineTest::ShowForm(TFormBorderStyle style, int clientWidth, int clientHeight) {
  TForm* form = NewComponent<TForm>(Application);
  form->SetBorderStyle(style);
  form->SetLeft(100);
  form->SetTop(100);
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);
  form->SetCaption("Brellis");
  form->Show();
  Settle();
  return form;
}

HWND EngineTest::ShowWindowOf(DWORD style, DWORD exStyle, RECT bounds) {
  HWND window = CreateWindowExW(exStyle, brellis::test::MessageRecorder::WideClass(), u"Brellis", style,
                                bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                nullptr, nullptr, platform::ProgramModule(), nullptr);
  ShowWindow(window, SW_SHOW);
  Settle();
  return window;
}

void EngineTest::Settle(int ms) {
  Pump();
  if (ms > 0) {
    platform::display::headless::AdvanceClock(static_cast<DWORD>(ms));
    Pump();
  }
}

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT ClientRectOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

}  // namespace skintest
