// TAction, TActionList and the links that tie clients to actions: a change of
// an action reaches every linked client, freeing an action or a client
// unlinks them, and the idle step updates the linked actions.
#include "toolkit/ActnList.h"

#include <algorithm>

#include "toolkit/ImgList.h"

namespace {

// Every action list alive, for the idle step.
std::vector<TActionList*>& LiveActionLists() {
  static std::vector<TActionList*> lists;
  return lists;
}

}  // namespace

// --- TActionLink -----------------------------------------------------------

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TAction* action) {
  if (action == action_) return;
  if (action_ != nullptr) std::erase(action_->clients_, this);
  action_ = action;
  if (action_ != nullptr) action_->clients_.push_back(this);
}

bool TActionLink::Execute() { return action_ != nullptr && action_->Execute(); }

bool TActionLink::Update() { return action_ != nullptr && action_->Update(); }

// --- TAction ---------------------------------------------------------------

T_CLASS_INFO(TAction, TComponent, [](TClassInfo& c) {
  using namespace published;
  using A = TAction;
  c.Factory = &CreateInstance<TAction>;
  c.AddProperty(String<A>("Caption", &A::Caption, &A::SetCaption));
  c.AddProperty(Boolean<A>("Enabled", &A::Enabled, &A::SetEnabled));
  c.AddProperty(Boolean<A>("Checked", &A::Checked, &A::SetChecked));
  c.AddProperty(Boolean<A>("Visible", &A::Visible, &A::SetVisible));
  c.AddProperty(String<A>("Hint", &A::Hint, &A::SetHint));
  c.AddProperty(Integer<A>("ImageIndex", &A::ImageIndex, &A::SetImageIndex));
  c.AddProperty(Integer<A>("ShortCut", &A::GetShortCut, &A::SetShortCut));
  c.AddProperty(String<A>("Category", &A::Category, &A::SetCategory));
  c.AddProperty(Method<A>("OnExecute", &A::OnExecute));
  c.AddProperty(Method<A>("OnUpdate", &A::OnUpdate));
})

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() {
  MarkDestroying();
  // Each client lets go; a client's link no longer points here first, so
  // its destruction does not come back to this list.
  while (!clients_.empty()) {
    TActionLink* link = clients_.back();
    clients_.pop_back();
    link->action_ = nullptr;
    link->ActionFreed();
  }
  SetActionList(nullptr);
}

template <class F>
void TAction::TellClients(F&& tell) {
  // Copy: a client may unlink itself while told.
  const std::vector<TActionLink*> clients = clients_;
  for (TActionLink* link : clients) {
    if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) tell(*link);
  }
}

void TAction::SetCaption(const AnsiString& value) {
  if (value == caption_) return;
  TellClients([&](TActionLink& link) { link.SetCaption(value); });
  caption_ = value;
}

void TAction::SetEnabled(bool value) {
  if (value == enabled_) return;
  TellClients([&](TActionLink& link) { link.SetEnabled(value); });
  enabled_ = value;
}

void TAction::SetChecked(bool value) {
  if (value == checked_) return;
  TellClients([&](TActionLink& link) { link.SetChecked(value); });
  checked_ = value;
}

void TAction::SetVisible(bool value) {
  if (value == visible_) return;
  TellClients([&](TActionLink& link) { link.SetVisible(value); });
  visible_ = value;
}

void TAction::SetHint(const AnsiString& value) {
  if (value == hint_) return;
  TellClients([&](TActionLink& link) { link.SetHint(value); });
  hint_ = value;
}

void TAction::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  TellClients([&](TActionLink& link) { link.SetImageIndex(value); });
  imageIndex_ = value;
}

void TAction::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  TellClients([&](TActionLink& link) { link.SetShortCut(value); });
  shortCut_ = value;
}

void TAction::SetActionList(TActionList* list) {
  if (list == actionList_) return;
  if (actionList_ != nullptr) actionList_->RemoveAction(this);
  if (list != nullptr) list->AddAction(this);
}

int TAction::Index() const {
  if (actionList_ == nullptr) return -1;
  const auto& actions = actionList_->actions_;
  const auto found = std::find(actions.begin(), actions.end(), this);
  return found == actions.end() ? -1 : static_cast<int>(found - actions.begin());
}

bool TAction::Update() {
  if (actionList_ != nullptr && actionList_->OnUpdate) {
    bool handled = false;
    actionList_->OnUpdate(this, handled);
    if (handled) return true;
  }
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

bool TAction::Execute() {
  Update();
  if (!enabled_) return false;
  if (actionList_ != nullptr && actionList_->OnExecute) {
    bool handled = false;
    actionList_->OnExecute(this, handled);
    if (handled) return true;
  }
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TAction::SetParentComponent(TComponent* parent) {
  auto* list = As<TActionList>(parent);
  if (list == nullptr) throw EComponentError("Action " + Name() + " has no action list");
  SetActionList(list);
}

// --- TActionList -----------------------------------------------------------

T_CLASS_INFO(TActionList, TComponent, [](TClassInfo& c) {
  using namespace published;
  using L = TActionList;
  c.Factory = &CreateInstance<TActionList>;
  c.AddProperty(Object<L, TImageList>("Images", &L::Images, &L::SetImages));
  c.AddProperty(Method<L>("OnExecute", &L::OnExecute));
  c.AddProperty(Method<L>("OnUpdate", &L::OnUpdate));
})

TActionList::TActionList(TComponent* owner) : TComponent(owner) { LiveActionLists().push_back(this); }

TActionList::~TActionList() {
  MarkDestroying();
  std::erase(LiveActionLists(), this);
  while (!actions_.empty()) actions_.back()->Free();
}

void TActionList::AddAction(TAction* action) {
  actions_.push_back(action);
  action->actionList_ = this;
}

void TActionList::RemoveAction(TAction* action) {
  std::erase(actions_, action);
  action->actionList_ = nullptr;
}

void TActionList::SetImages(TImageList* images) {
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = images;
  if (images_ != nullptr) images_->FreeNotification(this);
}

void TActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TActionList::UpdateActions() {
  // Copy: an OnUpdate may free actions.
  const std::vector<TAction*> actions = actions_;
  for (TAction* action : actions) {
    if (std::find(actions_.begin(), actions_.end(), action) != actions_.end() && action->HasClients()) {
      action->Update();
    }
  }
}

bool TActionList::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  for (TAction* action : actions_) {
    // A disabled action (or one nothing handles) leaves the key to others.
    if (action->GetShortCut() == shortCut) return action->Execute();
  }
  return false;
}

bool IsActionShortCut(TComponent* owner, TShortCut shortCut) {
  for (int i = 0; owner != nullptr && i < owner->ComponentCount(); ++i) {
    if (auto* list = As<TActionList>(owner->Components(i)); list != nullptr && list->IsShortCut(shortCut)) return true;
  }
  return false;
}

void UpdateActionsOnIdle() {
  const std::vector<TActionList*> lists = LiveActionLists();
  for (TActionList* list : lists) {
    if (std::find(LiveActionLists().begin(), LiveActionLists().end(), list) != LiveActionLists().end()) {
      list->UpdateActions();
    }
  }
}
