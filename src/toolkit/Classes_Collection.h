// TCollection: a published list of items of one class that a component
// offers as a property ("Panels"); form resources fill it with
// "Panels = <item ... end item ... end>". Items publish their own
// properties; whoever owns the collection hears of every change.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
  T_CLASS(TCollectionItem, TPersistent)

 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  TCollection* Collection() const { return collection_; }
  // Its position in the collection.
  int Index() const;

 protected:
  // Tells the collection that this item changed.
  void Changed();

 private:
  TCollection* collection_;
};

class TCollection : public TPersistent {
  T_CLASS(TCollection, TPersistent)

 public:
  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
  explicit TCollection(ItemFactory factory) : factory_(std::move(factory)) {}

  int Count() const { return static_cast<int>(items_.size()); }
  // Null when `index` is out of range.
  TCollectionItem* Item(int index) const;
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  int IndexOf(const TCollectionItem* item) const;

  // Changes between BeginUpdate and the matching EndUpdate are told once.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  // `item` is the one that changed, or null when the list itself did.
  std::function<void(TCollection* sender, TCollectionItem* item)> OnUpdate;

 protected:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item);

 private:
  ItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
  bool changedWhileUpdating_ = false;
};
