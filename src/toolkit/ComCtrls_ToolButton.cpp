// TToolButton: one button of a TToolBar. It is windowless; the bar's
// window shows it, and the bar places it where the window lays it out.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

const TEnumInfo& ToolButtonStyleType() {
  static const TEnumInfo type("TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"});
  return type;
}

T_CLASS_INFO(TToolButton, TGraphicControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TToolButton>;
  c.AddProperty(Enumeration<TToolButton, TToolButtonStyle>("Style", ToolButtonStyleType(), &TToolButton::Style,
                                                           &TToolButton::SetStyle));
  c.AddProperty(Boolean<TToolButton>("Down", &TToolButton::Down, &TToolButton::SetDown));
  c.AddProperty(Boolean<TToolButton>("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped));
  c.AddProperty(Integer<TToolButton>("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex));
  c.AddProperty(
      Object<TToolButton, TPopupMenu>("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu));
  c.AddProperty(Object<TToolButton, TMenuItem>("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem));
})

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton() { SetParent(nullptr); }

TToolBar* TToolButton::ToolBar() const { return ::As<TToolBar>(Parent()); }

int TToolButton::Index() const {
  TToolBar* bar = ToolBar();
  if (bar == nullptr) return -1;
  const auto it = std::find(bar->buttons_.begin(), bar->buttons_.end(), this);
  return it == bar->buttons_.end() ? -1 : static_cast<int>(it - bar->buttons_.begin());
}

void TToolButton::SetParent(TWinControl* parent) {
  TToolBar* previous = ToolBar();
  if (previous != nullptr && parent != previous) std::erase(previous->buttons_, this);
  TGraphicControl::SetParent(parent);
  if (previous != nullptr && parent != previous) previous->ButtonsChanged();
  if (TToolBar* bar = ToolBar(); bar != nullptr && bar != previous) {
    bar->buttons_.push_back(this);
    bar->ButtonsChanged();
  }
}

void TToolButton::Changed() {
  if (TToolBar* bar = ToolBar()) bar->ButtonsChanged();
}

void TToolButton::SetText(const AnsiString& text) {
  TGraphicControl::SetText(text);
  Changed();
}

void TToolButton::SetStyle(TToolButtonStyle value) {
  style_ = value;
  Changed();
}

// Down only sticks on a check button; a grouped one releases its group.
void TToolButton::SetDown(bool value) {
  if (value == down_) return;
  down_ = value;
  TToolBar* bar = ToolBar();
  if (bar != nullptr && value && grouped_ && style_ == TToolButtonStyle::tbsCheck) {
    for (TToolButton* other : bar->buttons_) {
      if (other != this && other->grouped_) other->down_ = false;
    }
  }
  Changed();
}

void TToolButton::SetGrouped(bool value) {
  grouped_ = value;
  Changed();
}

void TToolButton::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed();
}

void TToolButton::SetDropdownMenu(TPopupMenu* value) {
  if (dropdownMenu_ != nullptr) RemoveFreeNotification(dropdownMenu_);
  dropdownMenu_ = value;
  if (value != nullptr) FreeNotification(value);
}

void TToolButton::SetMenuItem(TMenuItem* value) {
  if (menuItem_ != nullptr) RemoveFreeNotification(menuItem_);
  menuItem_ = value;
  if (value != nullptr) {
    FreeNotification(value);
    if (Caption().empty()) SetCaption(value->Caption());
  }
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == dropdownMenu_) dropdownMenu_ = nullptr;
  if (component == menuItem_) menuItem_ = nullptr;
}

// The window has already checked or unchecked a check button.
void TToolButton::Click() {
  TToolBar* bar = ToolBar();
  if (bar != nullptr) bar->ReadDownStates();
  if (menuItem_ != nullptr) {
    menuItem_->Click();
    return;
  }
  TGraphicControl::Click();
}
