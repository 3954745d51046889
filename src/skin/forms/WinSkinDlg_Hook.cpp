// The thread CBT hook that shows the skin manager every window the GUI thread
// creates, activates or destroys, and the module state it keeps.
#include "skin/WinSkinData.h"
#include "skin/controls/WinSubClass.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"

TSkinManage* SkinManager = nullptr;

namespace {

bool hookInert = false;
DWORD platformVersion = 0;

LRESULT CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = SkinManager;
  if (hookInert || code < 0 || manager == nullptr) return CallNextHookEx(nullptr, code, wParam, lParam);
  const auto window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND: {
      const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
      const AnsiString cls = SkinWindowClassName(window);
      if (cls == "ScrollBar" && (cs->style & SBS_SIZEGRIP)) {
        if (TWinSkinForm* parent = manager->FindSkinForm(cs->hwndParent);
            parent != nullptr && TWinSkinForm::SizeGripHandOver != nullptr) {
          TWinSkinForm::SizeGripHandOver(parent, window);
        }
      }
      if (!(cs->style & WS_CHILD) && cls == "#32768") manager->AttachPopupMenu(window);
      if (cs->dwExStyle & WS_EX_MDICHILD) manager->AttachWindow(window);
      break;
    }
    case HCBT_DESTROYWND:
      manager->ReleasePopupMenu(window);
      break;
    case HCBT_ACTIVATE:
      if (manager->FStarted == 0) manager->FStarted = 1;
      manager->AttachWindow(window);
      break;
    default:
      break;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void TSkinManage::InstallHooks() {
  platformVersion = GetVersion();
  if (FHook == nullptr) {
    FHook = SetWindowsHookExA(WH_CBT, &CbtHookProc, nullptr, GetCurrentThreadId());
  }
}

TSkinManage* EnsureSkinManager() {
  if (SkinManager == nullptr) {
    hookInert = false;
    InstallControlSkinning();
    SkinManager = new TSkinManage();
  }
  return SkinManager;
}

void DestroySkinManager() {
  TSkinManage* manager = SkinManager;
  if (manager == nullptr) return;
  delete manager;
  SkinManager = nullptr;
  hookInert = true;
}

bool SkinHookInert() { return hookInert; }

DWORD SkinPlatformVersion() { return platformVersion != 0 ? platformVersion : GetVersion(); }

bool SkinWideWindowText() { return (SkinPlatformVersion() & 0x80000000u) == 0; }

AnsiString SkinWindowClassName(HWND window) {
  char name[101] = {};
  if (window == nullptr || GetClassNameA(window, name, sizeof(name)) == 0) return {};
  return name;
}
