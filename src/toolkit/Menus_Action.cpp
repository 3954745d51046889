// A menu item linked to an action: the item shows the action's caption,
// state, shortcut, hint and image, and follows a later change of each as
// long as it still shows the action's old value (a value the program set on
// the item itself stays).
#include "toolkit/ActnList.h"
#include "toolkit/Menus.h"

namespace {

class TMenuActionLink : public TActionLink {
 public:
  explicit TMenuActionLink(TMenuItem* client) : client_(client) {}

  void SetCaption(const AnsiString& value) override {
    if (client_->Caption() == Action()->Caption()) client_->SetCaption(value);
  }
  void SetEnabled(bool value) override {
    if (client_->Enabled() == Action()->Enabled()) client_->SetEnabled(value);
  }
  void SetChecked(bool value) override {
    if (client_->Checked() == Action()->Checked()) client_->SetChecked(value);
  }
  void SetVisible(bool value) override {
    if (client_->Visible() == Action()->Visible()) client_->SetVisible(value);
  }
  void SetHint(const AnsiString& value) override {
    if (client_->Hint() == Action()->Hint()) client_->SetHint(value);
  }
  void SetImageIndex(int value) override {
    if (client_->ImageIndex() == Action()->ImageIndex()) client_->SetImageIndex(value);
  }
  void SetShortCut(TShortCut value) override {
    if (client_->GetShortCut() == Action()->GetShortCut()) client_->SetShortCut(value);
  }

 protected:
  // Deletes this link.
  void ActionFreed() override { client_->SetAction(nullptr); }

 private:
  TMenuItem* client_;
};

}  // namespace

TAction* TMenuItem::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TMenuItem::SetAction(TAction* action) {
  if (action == nullptr) {
    actionLink_.reset();
    return;
  }
  if (!actionLink_) actionLink_ = std::make_unique<TMenuActionLink>(this);
  actionLink_->SetAction(action);
  ActionChange(action, Loading());
}

void TMenuItem::ActionChange(TAction* action, bool checkDefaults) {
  if (!checkDefaults || caption_.empty()) SetCaption(action->Caption());
  if (!checkDefaults || !checked_) SetChecked(action->Checked());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
  if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!checkDefaults || shortCut_ == scNone) SetShortCut(action->GetShortCut());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
}

void TMenuItem::InitiateActions() {
  // Copy: an OnUpdate may change the items.
  const std::vector<TMenuItem*> items = items_;
  for (TMenuItem* item : items) {
    if (IndexOf(item) >= 0 && item->actionLink_) item->actionLink_->Update();
  }
}
