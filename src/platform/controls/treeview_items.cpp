// The tree view's item store.
#include "platform/controls/treeview_items.h"

namespace platform {

TreeNode* TreeItems::Find(HTREEITEM handle) const {
  auto found = nodes_.find(handle);
  return found == nodes_.end() ? nullptr : found->second.get();
}

TreeNode* TreeItems::Insert(TreeNode* parent, HTREEITEM after) {
  TreeNode* last = parent != nullptr ? parent->last : lastRoot_;
  TreeNode* previous = nullptr;
  if (after == TVI_FIRST) {
    previous = nullptr;
  } else if (after == TVI_LAST || after == TVI_SORT || after == nullptr) {
    previous = last;
  } else {
    previous = Find(after);
    if (previous == nullptr || previous->parent != parent) return nullptr;
  }
  auto node = std::make_unique<TreeNode>();
  // Handles count up and are never handed out again.
  node->handle = reinterpret_cast<HTREEITEM>(nextHandle_++ * 16);
  TreeNode* raw = node.get();
  nodes_.emplace(raw->handle, std::move(node));
  Link(raw, parent, previous);
  return raw;
}

void TreeItems::Link(TreeNode* node, TreeNode* parent, TreeNode* after) {
  TreeNode*& first = parent != nullptr ? parent->first : firstRoot_;
  TreeNode*& last = parent != nullptr ? parent->last : lastRoot_;
  node->parent = parent;
  node->previous = after;
  node->next = after != nullptr ? after->next : first;
  if (node->previous != nullptr) {
    node->previous->next = node;
  } else {
    first = node;
  }
  if (node->next != nullptr) {
    node->next->previous = node;
  } else {
    last = node;
  }
}

void TreeItems::Unlink(TreeNode* node) {
  TreeNode*& first = node->parent != nullptr ? node->parent->first : firstRoot_;
  TreeNode*& last = node->parent != nullptr ? node->parent->last : lastRoot_;
  if (node->previous != nullptr) {
    node->previous->next = node->next;
  } else {
    first = node->next;
  }
  if (node->next != nullptr) {
    node->next->previous = node->previous;
  } else {
    last = node->previous;
  }
}

void TreeItems::Remove(TreeNode* node, const std::function<void(TreeNode&)>& removed) {
  while (node->first != nullptr) Remove(node->first, removed);
  removed(*node);
  Unlink(node);
  nodes_.erase(node->handle);
}

int TreeItems::Depth(const TreeNode& node) {
  int depth = 0;
  for (const TreeNode* p = node.parent; p != nullptr; p = p->parent) ++depth;
  return depth;
}

bool TreeItems::Inside(const TreeNode* node, const TreeNode* ancestor) {
  for (const TreeNode* p = node != nullptr ? node->parent : nullptr; p != nullptr; p = p->parent) {
    if (p == ancestor) return true;
  }
  return false;
}

}  // namespace platform
