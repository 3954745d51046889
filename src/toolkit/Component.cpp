#include "toolkit/Component.h"

#include <algorithm>

namespace {

bool IsValidIdent(std::string_view s) {
  if (s.empty()) return false;
  const auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(s[0])) return false;
  return std::all_of(s.begin() + 1, s.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

}  // namespace

T_CLASS_INFO(TComponent, TPersistent, [](TClassInfo& c) {
  c.AddProperty(published::String<TComponent>("Name", &TComponent::Name, &TComponent::SetName));
  c.AddProperty(published::Integer<TComponent>("Tag", &TComponent::Tag, &TComponent::SetTag));
})

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  MarkDestroying();
  // Tell everyone who asked that this component goes away.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::Free() {
  MarkDestroying();
  delete this;
}

void TComponent::AfterConstruction() {}

void TComponent::MarkDestroying() {
  if (Destroying()) return;
  state_.Include(TComponentStateItem::csDestroying);
  for (TComponent* c : components_) c->MarkDestroying();
}

void TComponent::ValidateName(const AnsiString& name) const {
  if (!name.empty() && !IsValidIdent(name)) {
    throw EComponentError("'" + name + "' is not a valid component name");
  }
  if (owner_ != nullptr && !name.empty()) {
    TComponent* existing = owner_->FindComponent(name);
    if (existing != nullptr && existing != this) {
      throw EComponentError("A component named " + name + " already exists");
    }
  }
}

void TComponent::SetName(const AnsiString& name) {
  if (name == name_) return;
  ValidateName(name);
  name_ = name;
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  const auto& siblings = owner_->components_;
  const auto it = std::find(siblings.begin(), siblings.end(), this);
  return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (SameText(c->name_, name)) return c;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
  component->ValidateName(component->name_);
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, TOperation::opRemove);
  std::erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  // Last first, as owned components may refer to earlier ones.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    last->Free();
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  std::erase(freeNotifies_, component);
  if (component != nullptr) std::erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component != nullptr) RemoveFreeNotification(component);
  // Copy: a notified component may free others.
  const std::vector<TComponent*> owned = components_;
  for (TComponent* c : owned) {
    if (std::find(components_.begin(), components_.end(), c) != components_.end()) {
      c->Notification(component, operation);
    }
  }
}

void TComponent::Loaded() { state_.Exclude(TComponentStateItem::csLoading); }

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::BeginLoading() {
  state_.Include(TComponentStateItem::csLoading);
  state_.Include(TComponentStateItem::csReading);
}

void TComponent::EndReading() { state_.Exclude(TComponentStateItem::csReading); }
