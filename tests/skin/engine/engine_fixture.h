// The fixture of the skin engine's tests: a headless screen, the embedded
// skin loaded into a skin component that drives the skin manager, and
// helpers that make and settle the windows the engine attaches to.
#pragma once

#include <string>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/toolkit_fixture.h"

namespace skintest {

class EngineTest : public brellis::test::ToolkitTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A main-form skin holding the embedded package, loaded as a form loads
  // it (Loaded registers it, installs the hook and switches skinning on).
  TSkinData* LoadMainSkin(bool active = true);
  // A shown toolkit form of that border style and client size.
  TForm* ShowForm(TFormBorderStyle style, int clientWidth = 300, int clientHeight = 200);
  // A shown top-level window of the program's module (a recorder window).
  HWND ShowWindowOf(DWORD style, DWORD exStyle = 0, RECT bounds = RECT{100, 100, 420, 340});
  // Runs the queue and the timers due within `ms` milliseconds of the clock.
  void Settle(int ms = 0);

  static TWinSkinForm* SkinFormOf(HWND window) {
    return SkinManager != nullptr ? SkinManager->FindSkinForm(window) : nullptr;
  }
  TSkinData* skin = nullptr;
};

RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);

}  // namespace skintest
