// TRadioButton: the toolkit class "TRadioButton" made from a "Button"
// radio window. Radio buttons with the same parent form one group: one is
// checked, and it is the group's tab stop.
#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

T_CLASS_INFO(TRadioButton, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using R = TRadioButton;
  c.Factory = &CreateInstance<TRadioButton>;
  c.AddProperty(Enumeration<R, TAlignment>("Alignment", AlignmentType(), &R::Alignment, &R::SetAlignment));
  c.AddProperty(Boolean<R>("Checked", &R::Checked, &R::SetChecked));
})

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 113, 17);
  SetParentColor(true);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Include(TControlStyleItem::csDoubleClicks);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "Button";
  params.Style |= BS_RADIOBUTTON;
  if (alignment_ == TAlignment::taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetAlignment(TAlignment value) {
  if (value == TAlignment::taCenter) value = TAlignment::taRightJustify;
  if (value == alignment_) return;
  alignment_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  SetTabStop(value);
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = As<TRadioButton>(parent->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!Loading()) Click();
}

bool TRadioButton::FocusNeighbour(bool forward) {
  TWinControl* parent = Parent();
  if (parent == nullptr) return false;
  std::vector<TRadioButton*> group;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    if (auto* r = As<TRadioButton>(parent->Controls(i)); r != nullptr && (r == this || r->CanFocus())) group.push_back(r);
  }
  std::sort(group.begin(), group.end(), [](TRadioButton* a, TRadioButton* b) { return a->TabOrder() < b->TabOrder(); });
  const auto at = std::find(group.begin(), group.end(), this);
  if (group.size() < 2 || at == group.end()) return false;
  const auto count = static_cast<std::ptrdiff_t>(group.size());
  const std::ptrdiff_t index = ((at - group.begin()) + (forward ? 1 : -1) + count) % count;
  group[static_cast<std::size_t>(index)]->SetFocus();
  return true;
}

void TRadioButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) {
        SetChecked(true);
        return;
      }
      if (HIWORD(message.WParam) == BN_DOUBLECLICKED) {
        DblClick();
        return;
      }
      break;
    case WM_KEYDOWN:
      if ((message.WParam == VK_LEFT || message.WParam == VK_UP || message.WParam == VK_RIGHT ||
           message.WParam == VK_DOWN) &&
          FocusNeighbour(message.WParam == VK_RIGHT || message.WParam == VK_DOWN)) {
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
