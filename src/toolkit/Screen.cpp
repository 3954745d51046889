// The screen object: the program's forms and the active one, the screen's
// size and cursors.
#include <algorithm>

#include "toolkit/Forms.h"

T_CLASS_INFO(TScreen, TComponent, [](TClassInfo&) {})

TScreen* const Screen = new TScreen(nullptr);

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

void TScreen::RemoveForm(TCustomForm* form) { std::erase(forms_, form); }

TCustomForm* TScreen::ActiveForm() const {
  HWND active = GetActiveWindow();
  for (HWND w = active; w != nullptr; w = GetWindow(w, GW_OWNER)) {
    for (TCustomForm* form : forms_) {
      if (form->HandleAllocated() && form->Handle() == w) return form;
    }
  }
  return nullptr;
}

void TScreen::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  ::SetCursor(CursorHandle(cursor == crDefault ? crArrow : cursor));
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
