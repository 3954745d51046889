// Painting a control's parent under the control, so that a transparent
// control skin shows what lies behind it.
#include <algorithm>
#include <vector>

#include "skin/forms/WinSkinForm.h"
#include "toolkit/Controls.h"

namespace {

// The controls whose parent is being painted under them now. The parent
// paints its windowless children too, among them perhaps this control,
// whose skin would ask for the parent again without end.
std::vector<TControl*>& ControlsInProgress() {
  static std::vector<TControl*> controls;
  return controls;
}

class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(dc_, saved_); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

class TInProgress {
 public:
  explicit TInProgress(TControl* control) : control_(control) { ControlsInProgress().push_back(control); }
  ~TInProgress() {
    auto& controls = ControlsInProgress();
    controls.erase(std::find(controls.begin(), controls.end(), control_));
  }
  TInProgress(const TInProgress&) = delete;
  TInProgress& operator=(const TInProgress&) = delete;

 private:
  TControl* control_;
};

}  // namespace

void PaintParentBackground(TControl* control, HDC dc) {
  if (control == nullptr || dc == nullptr || control->Parent() == nullptr) return;
  TWinControl* parent = control->Parent();
  auto& inProgress = ControlsInProgress();
  if (std::find(inProgress.begin(), inProgress.end(), control) != inProgress.end()) return;
  if (!parent->HandleAllocated()) return;
  TInProgress guard(control);
  TSavedDC saved(dc);
  OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
  IntersectClipRect(dc, control->Left(), control->Top(), control->Left() + control->Width(),
                    control->Top() + control->Height());
  const auto wParam = reinterpret_cast<WPARAM>(dc);
  SendMessageA(parent->Handle(), WM_ERASEBKGND, wParam, 0);
  SendMessageA(parent->Handle(), WM_PAINT, wParam, 0);
}
