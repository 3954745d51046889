// The items of a tree view: a tree of nodes addressed by HTREEITEM handles
// that are never reused, so a deleted item's handle is refused instead of
// reaching freed memory.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/controls/treeview.h"

namespace platform {

struct TreeNode {
  HTREEITEM handle = nullptr;
  TreeNode* parent = nullptr;  // null for root items
  TreeNode* first = nullptr;
  TreeNode* last = nullptr;
  TreeNode* next = nullptr;
  TreeNode* previous = nullptr;
  std::u16string text;
  int image = 0;
  int selectedImage = 0;
  int children = 0;  // cChildren as set; the real children count too
  UINT state = 0;
  LPARAM param = 0;
  int width = -1;  // the label's measured width; -1 until measured

  bool HasChildren() const { return first != nullptr || children != 0; }
  bool Expanded() const { return (state & TVIS_EXPANDED) != 0; }
};

class TreeItems {
 public:
  // Null for handles that are not live items of this tree (TVI_ROOT too).
  TreeNode* Find(HTREEITEM handle) const;
  TreeNode* FirstRoot() const { return firstRoot_; }
  TreeNode* LastRoot() const { return lastRoot_; }
  std::size_t Count() const { return nodes_.size(); }

  // Inserts under `parent` (null: at the root) after `after`, or at the
  // front, back or in text order for TVI_FIRST, TVI_LAST, TVI_SORT.
  // Null when `after` is neither one of those nor a child of `parent`.
  TreeNode* Insert(TreeNode* parent, HTREEITEM after);
  // Removes `node` and its descendants, children first; `removed` is called
  // for each just before it is freed.
  void Remove(TreeNode* node, const std::function<void(TreeNode&)>& removed);

  // Every item, in no particular order.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const auto& [handle, node] : nodes_) visit(*node);
  }

  static int Depth(const TreeNode& node);
  // Whether `node` lies below `ancestor`.
  static bool Inside(const TreeNode* node, const TreeNode* ancestor);

 private:
  void Link(TreeNode* node, TreeNode* parent, TreeNode* after);
  void Unlink(TreeNode* node);

  std::unordered_map<HTREEITEM, std::unique_ptr<TreeNode>> nodes_;
  TreeNode* firstRoot_ = nullptr;
  TreeNode* lastRoot_ = nullptr;
  ULONG_PTR nextHandle_ = 1;
};

}  // namespace platform
