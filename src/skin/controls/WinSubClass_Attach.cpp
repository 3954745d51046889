// The control attach pass: the walk over a form's controls, the exclusions
// that come before the rules, the form skinning object's control list, the
// re-attach of re-created scrolling controls, and the hooks the form
// skinning object calls.
#include <algorithm>

#include "skin/controls/WinSubClass.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/ExtCtrls.h"

TSkinAttachPass::TSkinAttachPass(TWinSkinForm* form) : FForm(form), FSkin(form->FSkin) {}

bool TSkinAttachPass::Has(TSkinControlType type) const { return FSkin->SkinControls().Contains(type); }

bool TSkinAttachPass::IsSkinned(TControl* control) const {
  if (auto* windowed = As<TWinControl>(control); windowed != nullptr && windowed->HandleAllocated()) {
    if (SendMessageA(windowed->Handle(), SKM_ISSKINNED, 0, 0) == 1) return true;
  }
  return std::any_of(FForm->FControls.begin(), FForm->FControls.end(),
                     [control](TSkinControl* object) { return object->FControl == control; });
}

TSkinControl* TSkinAttachPass::Attach(TSkinClass cls, TControl* control, bool changeColor, int mode, int variant,
                                      const AnsiString& glyphProperty) {
  TSkinAttachRequest request;
  request.Class = cls;
  request.Form = FForm;
  request.Skin = FSkin;
  request.Canvas = FForm->FControlCanvas.get();
  request.Control = control;
  request.ChangeColor = changeColor;
  request.Mode = mode;
  request.Variant = variant;
  request.GlyphProperty = glyphProperty;
  return CreateControlSkin(request);
}

TSkinControl* TSkinAttachPass::AttachBare(TSkinClass cls, HWND window) {
  TSkinAttachRequest request;
  request.Class = cls;
  request.Form = FForm;
  request.Skin = FSkin;
  request.Canvas = FForm->FControlCanvas.get();
  request.Window = window;
  return CreateControlSkin(request);
}

void TSkinAttachPass::SkinAllControls(TControl* formControl) {
  FForm->FreeDeadControls();
  SkinComponents(formControl);
  auto* windowedForm = As<TWinControl>(formControl);
  if (windowedForm == nullptr) return;
  std::vector<TWinControl*> tabOrder;
  windowedForm->GetTabOrderList(tabOrder);
  for (TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->Tag() == FSkin->DisableTag()) continue;
    if (SendMessageA(control->Handle(), SKM_ISSKINNED, 0, 0) == 1) continue;
    if (FForm->FindWindowSkin(control->Handle()) != nullptr) continue;
    SkinControl(control, formControl);
  }
}

void TSkinAttachPass::SkinChildWindows(HWND window) {
  // A snapshot: attaching may move or re-order the children.
  std::vector<HWND> children;
  for (HWND child = GetTopWindow(window); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  for (HWND child : children) {
    if (IsWindow(child) && (static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)) & WS_CHILD)) {
      SkinWindowControl(child);
    }
  }
}

void TSkinAttachPass::SkinComponents(TComponent* component) {
  if (component == nullptr) return;
  // A copy: skin objects join the controls' own components as they attach.
  std::vector<TControl*> controls;
  for (int i = 0; i < component->ComponentCount(); ++i) {
    if (auto* control = As<TControl>(component->Components(i))) controls.push_back(control);
  }
  for (TControl* control : controls) SkinControl(control, As<TControl>(component));
  // FIXME: popup menus owned by the component are not yet switched to
  // owner-drawn here; that needs the popup menu skinning's owner-draw switch.
}

void TSkinAttachPass::SkinChildControls(TControl* container) {
  auto* windowed = As<TWinControl>(container);
  if (windowed == nullptr) return;
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) SkinControl(child, container);
}

void TSkinAttachPass::SkinControl(TControl* control, TControl* parent) {
  if (control == nullptr) return;
  if (control->Tag() == FSkin->DisableTag()) {
    // An excluded check or radio group protects its children too.
    auto* windowed = As<TWinControl>(control);
    const AnsiString lower = LowerCase(control->ClassName());
    if (windowed != nullptr && windowed->ControlCount() > 0 &&
        (lower.find("radiogroup") != AnsiString::npos || lower.find("checkgroup") != AnsiString::npos)) {
      for (int i = 0; i < windowed->ControlCount(); ++i) windowed->Controls(i)->SetTag(FSkin->DisableTag());
    }
    return;
  }
  if (control->Parent() == nullptr) return;
  if (IsSkinned(control)) return;
  const AnsiString className = UpperCase(control->ClassName());
  if (auto* windowed = As<TWinControl>(control); windowed != nullptr && !windowed->HandleAllocated()) {
    try {
      windowed->HandleNeeded();
    } catch (const Exception&) {
      return;
    }
    if (!windowed->HandleAllocated()) return;
  }
  if (FSkin->OnSkinControl) {
    TComponent* result = nullptr;
    FSkin->OnSkinControl(FForm->FFormControl, FSkin, parent, control, className, result);
    if (result != nullptr) {
      if (auto* object = As<TSkinControl>(result); object != nullptr && !FForm->RegisterControl(object)) {
        object->AttachControl(FForm, FSkin, FForm->FControlCanvas.get(), object->FChangeColor);
        if (As<TPanel>(control) != nullptr) SkinChildControls(control);
      }
      return;
    }
  }
  if (SkinThirdParty(className, control)) return;
  if (className == "TDBCOMBOBOXEH" || className == "TFRDESIGNERPAGE" || className == "TFRPBOX") return;
  RuleTable(className, control);
}

// ---------------------------------------------------------------------------
// The form skinning object's control list.

bool TWinSkinForm::RegisterControl(TSkinControl* object) {
  if (std::find(FControls.begin(), FControls.end(), object) != FControls.end()) return true;
  FControls.push_back(object);
  return false;
}

void TWinSkinForm::UnregisterControl(TSkinControl* object) {
  const auto last = std::find(FControls.rbegin(), FControls.rend(), object);
  if (last != FControls.rend()) FControls.erase(std::next(last).base());
}

TSkinControl* TWinSkinForm::FindWindowSkin(HWND window) const {
  const auto found = std::find_if(FControls.begin(), FControls.end(),
                                  [window](TSkinControl* object) { return object->FHandle == window; });
  return found != FControls.end() ? *found : nullptr;
}

void TWinSkinForm::FreeDeadControls() {
  for (std::size_t i = FControls.size(); i-- > 0;) {
    if (i >= FControls.size()) continue;
    TSkinControl* object = FControls[i];
    if (!object->Dead()) continue;
    FControls.erase(FControls.begin() + static_cast<std::ptrdiff_t>(i));
    object->FForm = nullptr;
    object->Free();
  }
}

void TWinSkinForm::FreeControls() {
  while (!FControls.empty()) {
    TSkinControl* object = FControls.front();
    if (!object->Dead()) object->Detach();
    // Detach may have freed or unlisted it already.
    if (FControls.empty() || FControls.front() != object) continue;
    FControls.erase(FControls.begin());
    object->FForm = nullptr;
    object->Free();
  }
}

void TWinSkinForm::ReattachScrolling(HWND window) {
  const auto found = std::find_if(FControls.rbegin(), FControls.rend(),
                                  [window](TSkinControl* object) { return object->FHandle == window; });
  if (found == FControls.rend()) return;
  TSkinControl* old = *found;
  TControl* control = old->FControl;
  const TSkinClass cls = old->FSkinClass == TSkinClass::ListView ? TSkinClass::ListView : TSkinClass::Scrollbar;
  FControls.erase(std::next(found).base());
  old->FForm = nullptr;
  old->Free();
  if (control == nullptr || FSkin == nullptr) return;
  TSkinAttachRequest request;
  request.Class = cls;
  request.Form = this;
  request.Skin = FSkin;
  request.Canvas = FControlCanvas.get();
  request.Control = control;
  CreateControlSkin(request);
}

// ---------------------------------------------------------------------------
// The hooks.

void RunControlAttachPass(TWinSkinForm* form) {
  if (form == nullptr || form->FSkin == nullptr) return;
  TSkinAttachPass pass(form);
  if (form->FFormControl != nullptr) {
    pass.SkinAllControls(form->FFormControl);
  } else {
    pass.SkinChildWindows(form->FHandle);
  }
}

void HandOverSizeGrip(TWinSkinForm* form, HWND grip) {
  if (form == nullptr || form->FSkin == nullptr) return;
  TSkinAttachPass(form).SkinWindowControl(grip);
}

void InstallControlSkinning() {
  TWinSkinForm::ControlAttachPass = &RunControlAttachPass;
  TWinSkinForm::SizeGripHandOver = &HandOverSizeGrip;
  // Once: a class registered in its place later (a test's) stays.
  static const bool registered = [] {
    RegisterBuiltinControlSkins();
    return true;
  }();
  (void)registered;
}
