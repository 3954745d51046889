// TCollection and TCollectionItem.
#include "toolkit/Classes_Collection.h"

#include <algorithm>

T_CLASS_INFO(TCollectionItem, TPersistent, [](TClassInfo&) {})
T_CLASS_INFO(TCollection, TPersistent, [](TClassInfo&) {})

int TCollectionItem::Index() const { return collection_ != nullptr ? collection_->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (collection_ != nullptr) collection_->Changed(this);
}

TCollectionItem* TCollection::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_(this));
  Changed(nullptr);
  return items_.back().get();
}

void TCollection::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  Changed(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && changedWhileUpdating_) {
    changedWhileUpdating_ = false;
    Changed(nullptr);
  }
}

void TCollection::Changed(TCollectionItem* item) {
  if (updateCount_ > 0) {
    changedWhileUpdating_ = true;
    return;
  }
  if (OnUpdate) OnUpdate(this, item);
}
