// The skin manager: the one object that ties the skin engine to the windows
// of the process. A thread CBT hook shows it every window the GUI thread
// creates, activates or destroys; it decides which windows get a skin, keeps
// one form skinning object per skinned top-level window and one popup object
// per skinned menu window, and runs the skin components' requests (on, off,
// changed) a short fixed delay after they are made, only the last of them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/user/user.h"

class TSkinData;
class TWinSkinForm;
class TWinSkinPopMenu;
class TControl;
class TCustomForm;
class TTimer;
class TBitmap;

// The system's own caption-drawing message of themed frames; a skinned
// frame answers it without drawing.
constexpr UINT WM_NCUAHDRAWCAPTION = 0x00AE;

// Private messages of the engine's protocol.
constexpr UINT SKM_REAPPLY = 0x3401;
constexpr UINT SKM_PAINTFRAME = 0x3502;
constexpr UINT SKM_FINISHATTACH = 0x3503;
constexpr UINT SKM_ENABLE = 0x3506;
constexpr UINT SKM_CANCLOSEPAGE = 0x3507;
constexpr UINT SKM_CAPTIONBUTTON = 0x3514;
constexpr UINT SKM_BUTTONVISIBLE = 0x3515;
constexpr UINT SKM_REDRAWMDI = 0x3516;
constexpr UINT SKM_REATTACHSCROLL = 0x3517;
constexpr UINT SKM_OPENMENUITEM = 0x3518;
constexpr UINT SKM_ISSKINNED = 0x3523;
constexpr UINT SKM_PAINTINTODC = 0xBC4B;
constexpr UINT SKM_QUERYPAINT = 0xBC4D;
constexpr UINT SKM_SKINNED = 0xBC4E;
constexpr LPARAM SKM_MAGIC = 0x41A2;
// lParam of the posted finish-attach message.
constexpr LPARAM SKM_FINISHATTACH_TAG = 1000;

// The kinds of popup menu the manager expects next (FMenuKind).
constexpr int kMenuKindContext = 0;
constexpr int kMenuKindMenuBar = 1;
constexpr int kMenuKindSystem = 2;

// Deferred actions.
constexpr int kActionSkinOn = 1;
constexpr int kActionSkinOff = 2;
constexpr int kActionSkinChanged = 3;

class TSkinManage {
 public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void InstallHooks();
  void RegisterSkin(TSkinData* skin);
  void UnregisterSkin(TSkinData* skin);

  bool AttachWindow(HWND window);
  bool AttachForm(TCustomForm* form);
  TWinSkinForm* FindSkinForm(HWND window) const;
  TControl* FindFormControl(HWND window) const;
  void UnregisterForm(TWinSkinForm* form);
  void PurgeForms();

  void AttachPopupMenu(HWND window);
  bool ReleasePopupMenu(HWND window);
  bool IsPopupMenuSkinned(HWND window) const;
  // The background hand-over to owner-drawn entries: the newest popup window
  // without a menu is tied to `menu` (unless one already is), and the
  // background last painted in the window tied to a menu, or null.
  void AssignMenuHandle(HMENU menu);
  TBitmap* MenuBackground(HMENU menu) const;

  void SetMDIChildMaximized(bool maximized);
  void ScheduleAction(int action, int delay);
  void RunPendingAction();
  void ReleaseCaptionButtons();

  // The window filter and the skin a window gets.
  bool AcceptWindow(HWND window, const AnsiString& className) const;
  TSkinData* SelectSkin(HWND window) const;

  // Every registered form detached lightly and freed (teardown).
  void DetachAll();

  HHOOK CbtHook() const { return FHook; }

  // -- Fields --------------------------------------------------------------
  std::unique_ptr<TTimer> FTimer;  // the one-shot deferral timer
  std::vector<TWinSkinForm*> FForms;
  std::vector<TWinSkinPopMenu*> FPopupMenus;
  std::vector<TSkinData*> FSkins;
  bool FActive = false;
  bool FSweeping = false;
  int FStarted = 0;
  int FMenuKind = kMenuKindContext;
  bool FMDIChildMaximized = false;
  HWND FMDIClient = nullptr;
  TControl* FMDIForm = nullptr;
  int FAction = 0;
  TSkinData* FActionSkin = nullptr;
  TSkinData* FDefaultSkin = nullptr;

 private:
  void RunOnlyThisForm(TSkinData* skin);
  void RunForAllForms(TSkinData* skin);
  void DetachAndFree(TWinSkinForm* form);

  HHOOK FHook = nullptr;
};

// The process-wide manager; null until the first skin component loads.
extern TSkinManage* SkinManager;
// Creates SkinManager when it does not exist yet.
TSkinManage* EnsureSkinManager();
// Destroys SkinManager (module end, and tests).
void DestroySkinManager();

// Module state read by the form skinning and menus.
bool SkinHookInert();
// The version word stored when the hook was installed (top bit: 9x family).
DWORD SkinPlatformVersion();
// Whether window text is fetched wide (the NT family).
bool SkinWideWindowText();
// The class name of a window, at most 100 characters.
AnsiString SkinWindowClassName(HWND window);
