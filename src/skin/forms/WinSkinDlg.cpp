// The skin manager's registries, the attach decision and its filter, the
// choice of skin, and the deferred skin-on / skin-off / skin-changed actions.
#include "skin/forms/WinSkinDlg.h"

#include <algorithm>

#include "platform/base/sysutils.h"
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"

namespace {

bool Contains(const AnsiString& text, const char* part) { return text.find(part) != AnsiString::npos; }

// The first registered skin of that form type.
TSkinData* FirstOfType(const std::vector<TSkinData*>& skins, TSkinFormType type) {
  for (TSkinData* skin : skins) {
    if (skin->SkinFormtype() == type) return skin;
  }
  return nullptr;
}

HWND OwnerWindowOf(const TSkinData* skin) {
  auto* form = dynamic_cast<TCustomForm*>(skin->Owner());
  return form != nullptr && form->HandleAllocated() ? form->Handle() : nullptr;
}

}  // namespace

TSkinManage::TSkinManage() : FTimer(std::make_unique<TTimer>(nullptr)) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(100);
  FTimer->SetOnTimer([this](TObject*) { RunPendingAction(); });
}

TSkinManage::~TSkinManage() {
  FStarted = 4;
  FActive = false;
  FTimer.reset();
  if (!FForms.empty()) DetachAll();
  // An open menu window keeps working: its procedure goes back first.
  for (TWinSkinPopMenu* popup : FPopupMenus) {
    popup->Unsubclass();
    delete popup;
  }
  FPopupMenus.clear();
  FSkins.clear();
  if (FHook != nullptr) UnhookWindowsHookEx(FHook);
  FHook = nullptr;
}

void TSkinManage::RegisterSkin(TSkinData* skin) {
  FSkins.push_back(skin);
  if (FDefaultSkin == nullptr && skin->SkinFormtype() == TSkinFormType::sfMainform) FDefaultSkin = skin;
}

void TSkinManage::UnregisterSkin(TSkinData* skin) {
  std::erase(FSkins, skin);
  if (FDefaultSkin == skin) FDefaultSkin = nullptr;
  if (FActionSkin == skin) FActionSkin = nullptr;
}

TWinSkinForm* TSkinManage::FindSkinForm(HWND window) const {
  for (TWinSkinForm* form : FForms) {
    if (form->FHandle == window) return form;
  }
  return nullptr;
}

TControl* TSkinManage::FindFormControl(HWND window) const {
  if (Screen != nullptr) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* form = Screen->Forms(i);
      if (form->HandleAllocated() && form->Handle() == window) return form;
    }
  }
  return ControlFromWindow(window);
}

void TSkinManage::UnregisterForm(TWinSkinForm* form) {
  if (FStarted == 4) return;
  auto found = std::find(FForms.begin(), FForms.end(), form);
  if (found != FForms.end()) FForms.erase(found);
}

void TSkinManage::PurgeForms() {
  if (FStarted == 4) return;
  for (std::size_t i = FForms.size(); i-- > 0;) {
    TWinSkinForm* form = FForms[i];
    if (form->FState == kStateDead) {
      FForms.erase(FForms.begin() + static_cast<std::ptrdiff_t>(i));
      delete form;
    }
  }
}

bool TSkinManage::AttachForm(TCustomForm* form) {
  if (form == nullptr || !form->Visible() || !form->HandleAllocated()) return false;
  if (GetWindowLongA(form->Handle(), GWL_STYLE) & WS_CHILD) return false;
  return AttachWindow(form->Handle());
}

bool TSkinManage::AttachWindow(HWND window) {
  if (!FActive) return false;
  PurgeForms();
  if (SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1) return false;
  if (FindSkinForm(window) != nullptr) return false;
  TControl* form = FindFormControl(window);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  if (!FSweeping && (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD) &&
      LowerCase(SkinWindowClassName(GetParent(window))) != "mdiclient") {
    return false;
  }
  const AnsiString cls = SkinWindowClassName(window);
  if (form == nullptr && reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)) !=
                             platform::ProgramModule() && cls != "#32770") {
    return false;
  }
  RECT r{};
  GetWindowRect(window, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0 && !(exStyle & WS_EX_MDICHILD)) return false;
  if (form != nullptr && form->Tag() == 99) return false;
  if (Contains(cls, "TcxPopupEditPopupWindow") || Contains(cls, "TTERenderWindow") || cls == "TApplication") {
    return false;
  }
  if (!AcceptWindow(window, cls)) return false;
  TSkinData* skin = SelectSkin(window);
  if (skin == nullptr || skin->NoSkin()) return false;

  auto* skinForm = new TWinSkinForm(form);
  skinForm->FHandle = window;
  skinForm->FManagerClassName = cls;
  if (form != nullptr) {
    skinForm->BindForm(skin, form);
  } else {
    skinForm->SkinWindow(skin);
  }
  FForms.push_back(skinForm);
  PostMessageA(window, SKM_FINISHATTACH, 0, SKM_FINISHATTACH_TAG);
  return true;
}

bool TSkinManage::AcceptWindow(HWND window, const AnsiString& className) const {
  bool verdict = true;
  if (FDefaultSkin == nullptr) return verdict;
  const AnsiString lower = LowerCase(className);
  if (!FDefaultSkin->Options().Contains(TSkinOption::xoPreview) && Contains(lower, "preview")) return false;
  if (className == "#32770" && (GetWindowLongA(window, GWL_STYLE) & DS_SETFOREGROUND)) return false;
  if (lower == "tpopupdbtreeview") return false;
  if (FDefaultSkin->OnFormSkin) {
    FDefaultSkin->OnFormSkin(FDefaultSkin, className, verdict);
  } else if (className == "SysMonthCal32") {
    verdict = false;
  } else if (FDefaultSkin->SkinControls().Contains(TSkinControlType::xcFastReport) &&
             className.rfind("Tfr", 0) == 0) {
    verdict = false;
  }
  return verdict;
}

TSkinData* TSkinManage::SelectSkin(HWND window) const {
  for (TSkinData* skin : FSkins) {
    if (skin->SkinFormtype() == TSkinFormType::sfOnlyThisForm && OwnerWindowOf(skin) == window) return skin;
  }
  const AnsiString lower = LowerCase(SkinWindowClassName(window));
  if (lower == "tmessageform" || lower == "#32770") {
    if (TSkinData* dialog = FirstOfType(FSkins, TSkinFormType::sfDialog)) return dialog;
  }
  if (TSkinData* main = FirstOfType(FSkins, TSkinFormType::sfMainform)) return main;
  return FSkins.empty() ? nullptr : FSkins.front();
}

void TSkinManage::AttachPopupMenu(HWND window) {
  if (!FActive || SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1 || IsPopupMenuSkinned(window)) return;
  TSkinData* skin = SelectSkin(window);
  if (skin == nullptr || skin->NoSkin()) return;
  const TSkinControlTypes kinds = skin->SkinControls();
  const bool allowed = FMenuKind == kMenuKindContext   ? kinds.Contains(TSkinControlType::xcPopupMenu)
                       : FMenuKind == kMenuKindMenuBar ? kinds.Contains(TSkinControlType::xcMainMenu) ||
                                                             kinds.Contains(TSkinControlType::xcMenuItem)
                       : FMenuKind == kMenuKindSystem  ? kinds.Contains(TSkinControlType::xcSystemMenu)
                                                       : false;
  if (!allowed) return;
  auto* popup = new TWinSkinPopMenu();
  popup->Subclass(window, skin);
  FPopupMenus.push_back(popup);
}

bool TSkinManage::ReleasePopupMenu(HWND window) {
  auto found = std::find_if(FPopupMenus.begin(), FPopupMenus.end(),
                            [window](const TWinSkinPopMenu* p) { return p->Handle() == window; });
  if (found == FPopupMenus.end()) return false;
  (*found)->Unsubclass();
  delete *found;
  FPopupMenus.erase(found);
  if (FPopupMenus.empty()) FMenuKind = kMenuKindContext;
  return true;
}

bool TSkinManage::IsPopupMenuSkinned(HWND window) const {
  return std::any_of(FPopupMenus.begin(), FPopupMenus.end(),
                     [window](const TWinSkinPopMenu* p) { return p->Handle() == window; });
}

void TSkinManage::ScheduleAction(int action, int delay) {
  FAction = action;
  FTimer->SetInterval(delay);
  if (FStarted != 0) {
    FTimer->SetEnabled(true);
  } else if (action == kActionSkinOn || action == kActionSkinOff) {
    FActive = action == kActionSkinOn;
  }
}

void TSkinManage::DetachAndFree(TWinSkinForm* form) {
  form->Detach();
  const HWND window = form->FHandle;
  std::erase(FForms, form);
  delete form;
  if (IsWindow(window)) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
}

void TSkinManage::RunPendingAction() {
  FTimer->SetEnabled(false);
  TSkinData* skin = FActionSkin;
  if (skin == nullptr) return;
  if (skin->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
    RunOnlyThisForm(skin);
  } else {
    RunForAllForms(skin);
  }
  if (skin->OnSkinChanged) skin->OnSkinChanged(skin);
  FActionSkin = nullptr;
}

void TSkinManage::RunOnlyThisForm(TSkinData* skin) {
  switch (FAction) {
    case kActionSkinOn:
      FActive = true;
      FSweeping = true;
      for (int i = Screen->FormCount(); i-- > 0;) {
        if (Screen->Forms(i) == skin->Owner()) AttachForm(Screen->Forms(i));
      }
      FSweeping = false;
      break;
    case kActionSkinOff: {
      FActive = false;
      PurgeForms();
      for (std::size_t i = FForms.size(); i-- > 0;) {
        if (FForms[i]->FSkin == skin) {
          DetachAndFree(FForms[i]);
          break;
        }
      }
      break;
    }
    case kActionSkinChanged:
      PurgeForms();
      for (TWinSkinForm* form : FForms) {
        if (form->FSkin != skin) continue;
        form->FreeButtons();
        form->BuildFrame();
        form->ReapplySkin();
        break;
      }
      break;
  }
}

void TSkinManage::RunForAllForms(TSkinData* skin) {
  switch (FAction) {
    case kActionSkinOn:
      FActive = true;
      FSweeping = true;
      PurgeForms();
      for (int i = Screen->FormCount(); i-- > 0;) AttachForm(Screen->Forms(i));
      FSweeping = false;
      break;
    case kActionSkinOff:
      FActive = false;
      PurgeForms();
      while (!FForms.empty()) DetachAndFree(FForms.front());
      break;
    case kActionSkinChanged:
      PurgeForms();
      for (TWinSkinForm* form : FForms) {
        if (form->FSkin != skin) continue;
        form->FreeButtons();
        form->BuildFrame();
      }
      for (TWinSkinForm* form : FForms) {
        if (form->FSkin == skin) form->ReapplySkin();
      }
      break;
  }
}

void TSkinManage::ReleaseCaptionButtons() {
  for (TWinSkinForm* form : FForms) {
    if (form->FSkin == FActionSkin) form->FreeButtons();
  }
}

void TSkinManage::DetachAll() {
  FActive = false;
  const std::vector<TWinSkinForm*> forms = std::move(FForms);
  FForms.clear();
  for (TWinSkinForm* form : forms) {
    form->DetachLight();
    delete form;
  }
}

void TSkinManage::SetMDIChildMaximized(bool maximized) {
  if (maximized == FMDIChildMaximized) return;
  FMDIChildMaximized = maximized;
  if (FDefaultSkin != nullptr && FDefaultSkin->Options().Contains(TSkinOption::xoMDIChildBorder)) return;
  for (TWinSkinForm* form : FForms) {
    if (form->FKind != kKindMDIChild) continue;
    if (maximized) {
      form->ClearRegion();
    } else if (!form->Minimized()) {
      form->FShowState = kShowNormal;
      form->UpdateRegion();
      if (!form->FRegionSet) {
        SetWindowPos(form->FHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      }
    }
  }
}
