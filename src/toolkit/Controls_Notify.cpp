// The notifications the toolkit broadcasts as the focus moves.
#include <vector>

#include "toolkit/Controls.h"

void BroadcastToControls(TControl* root, UINT message, WPARAM wParam, LPARAM lParam) {
  if (root == nullptr) return;
  root->Perform(message, wParam, lParam);
  auto* windowed = As<TWinControl>(root);
  if (windowed == nullptr) return;
  // A copy: a handler may add or remove controls.
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) BroadcastToControls(child, message, wParam, lParam);
}

void NotifyFocusMoved(TWinControl* control, bool gained) {
  if (control == nullptr || control->Destroying()) return;
  if (!gained) {
    control->Perform(CM_EXIT);
    return;
  }
  TControl* top = control;
  while (top->Parent() != nullptr) top = top->Parent();
  BroadcastToControls(top, CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}
