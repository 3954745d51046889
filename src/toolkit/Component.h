// Components: named objects owned by other components. An owner frees what it
// owns, finds it by name, and tells every interested component when one goes
// away, so that no component keeps a pointer to a freed one.
#pragma once

#include <vector>

#include "toolkit/Persistent.h"
#include "toolkit/TypInfo.h"

enum class TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateItem>;

enum class TOperation { opInsert, opRemove };

class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

class TComponent : public TPersistent {
  T_CLASS(TComponent, TPersistent)

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  // Frees the component: marks it and everything it owns as being destroyed,
  // then deletes it. Prefer this to a bare delete.
  void Free();

  // Runs once the constructor has finished, when the object knows its final
  // class: forms and data modules read their form resource here.
  virtual void AfterConstruction();

  TComponent* Owner() const { return owner_; }
  const AnsiString& Name() const { return name_; }
  // Raises EComponentError for a name that is not an identifier or that
  // another component of the same owner already has.
  virtual void SetName(const AnsiString& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  int ComponentIndex() const;
  // The owned component of that name (case-insensitive), or null.
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return state_; }
  bool Loading() const { return state_.Contains(TComponentStateItem::csLoading); }
  bool Destroying() const { return state_.Contains(TComponentStateItem::csDestroying); }
  bool Designing() const { return state_.Contains(TComponentStateItem::csDesigning); }

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();

  // Asks to be told (Notification with opRemove) when `component` is freed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Called once after a form resource has set every property of every
  // component it read; clears the loading state.
  virtual void Loaded();
  // Form resources: the component that contains this one (a control's parent).
  virtual void SetParentComponent(TComponent* parent);
  // Form resources: the component is being read (loading until Loaded).
  void BeginLoading();
  void EndReading();

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  void MarkDestroying();

 private:
  void ValidateName(const AnsiString& name) const;

  TComponent* owner_ = nullptr;
  AnsiString name_;
  int tag_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
};

// Makes a component as the toolkit does: constructs it, then lets it finish
// (AfterConstruction). A failure while finishing frees the component again.
template <class T>
T* NewComponent(TComponent* owner) {
  T* component = new T(owner);
  try {
    component->AfterConstruction();
  } catch (...) {
    component->Free();
    throw;
  }
  return component;
}

// The factory a component class registers so form resources can create it.
template <class T>
TComponent* CreateInstance(TComponent* owner) {
  return NewComponent<T>(owner);
}
