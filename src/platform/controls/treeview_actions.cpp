// What changes a tree view's selection, expansion and items, with the
// notifications Windows sends around each change: TVN_SELCHANGING (the
// parent may refuse) before TVN_SELCHANGED, TVN_ITEMEXPANDING (refusable)
// before TVN_ITEMEXPANDED, TVN_DELETEITEM for each item, children first.
#include "platform/controls/treeview_internal.h"

namespace platform {
namespace {

void Describe(TVITEMW& item, const TreeNode* node) {
  if (node == nullptr) return;
  item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
  item.hItem = node->handle;
  item.state = node->state;
  item.stateMask = 0xFFFF;
  item.lParam = node->param;
}

}  // namespace

// An ANSI parent gets the A codes; the structures are the same, since no
// text travels in them.
UINT TreeView::Code(UINT wideCode) const {
  if (!ansiParent_) return wideCode;
  if (wideCode == TVN_SELCHANGINGW) return TVN_SELCHANGINGA;
  if (wideCode == TVN_SELCHANGEDW) return TVN_SELCHANGEDA;
  if (wideCode == TVN_ITEMEXPANDINGW) return TVN_ITEMEXPANDINGA;
  if (wideCode == TVN_ITEMEXPANDEDW) return TVN_ITEMEXPANDEDA;
  if (wideCode == TVN_DELETEITEMW) return TVN_DELETEITEMA;
  return wideCode;
}

LRESULT TreeView::NotifyTree(UINT wideCode, UINT action, const TreeNode* oldItem, const TreeNode* newItem) {
  NMTREEVIEWW info{};
  info.action = action;
  Describe(info.itemOld, oldItem);
  Describe(info.itemNew, newItem);
  return SendNotify(hwnd_, Code(wideCode), info.hdr);
}

bool TreeView::Select(TreeNode* node, UINT action) {
  if (node == selected_) {
    if (node != nullptr) EnsureVisible(node);
    return true;
  }
  if (NotifyTree(TVN_SELCHANGINGW, action, selected_, node) != 0) return false;
  // The parent may have deleted either item while it was asked.
  if (node != nullptr && items_.Find(node->handle) != node) return false;
  TreeNode* previous = selected_;
  if (previous != nullptr) previous->state &= ~TVIS_SELECTED;
  selected_ = node;
  if (node != nullptr) {
    node->state |= TVIS_SELECTED;
    EnsureVisible(node);
  }
  Invalidate();
  NotifyTree(TVN_SELCHANGEDW, action, previous, node);
  return true;
}

bool TreeView::Expand(TreeNode* node, WPARAM how, bool byUser) {
  const WPARAM what = how & TVE_TOGGLE;
  const bool expand = what == TVE_TOGGLE ? !node->Expanded() : what == TVE_EXPAND;
  if (what == 0) return false;
  if (expand && node->Expanded()) return true;
  if (!expand && !node->Expanded()) return false;
  if (expand && !node->HasChildren()) return false;
  // TVM_EXPAND tells the parent only until the item has been expanded once.
  const bool notify = byUser || (node->state & TVIS_EXPANDEDONCE) == 0;
  const HTREEITEM handle = node->handle;
  if (notify && NotifyTree(TVN_ITEMEXPANDINGW, expand ? TVE_EXPAND : TVE_COLLAPSE, nullptr, node) != 0) return false;
  if (items_.Find(handle) != node) return false;
  if (expand) {
    node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  } else {
    node->state &= ~TVIS_EXPANDED;
    if (how & TVE_COLLAPSERESET) {
      node->state &= ~TVIS_EXPANDEDONCE;
      while (node->first != nullptr) Delete(node->first);
    }
  }
  Relayout();
  // A selection inside a collapsed item moves up to it.
  if (!expand && TreeItems::Inside(selected_, node)) Select(node, TVC_UNKNOWN);
  if (notify && items_.Find(handle) == node) {
    NotifyTree(TVN_ITEMEXPANDEDW, expand ? TVE_EXPAND : TVE_COLLAPSE, nullptr, node);
  }
  return true;
}

void TreeView::ExpandAll(TreeNode* node) {
  const HTREEITEM handle = node->handle;
  Expand(node, TVE_EXPAND, true);
  if (items_.Find(handle) != node) return;
  for (TreeNode* child = node->first; child != nullptr; child = child->next) ExpandAll(child);
}

void TreeView::Delete(TreeNode* node) {
  TreeNode* next = nullptr;
  if (selected_ == node || TreeItems::Inside(selected_, node)) {
    next = node->next != nullptr ? node->next : node->parent != nullptr ? node->parent : node->previous;
    selected_ = nullptr;
  }
  if (TreeItems::Inside(dropTarget_, node) || dropTarget_ == node) dropTarget_ = nullptr;
  TreeNode* parent = node->parent;
  items_.Remove(node, [&](TreeNode& gone) { NotifyTree(TVN_DELETEITEMW, TVC_UNKNOWN, &gone, nullptr); });
  if (parent != nullptr && parent->first == nullptr && parent->children == 0) parent->state &= ~TVIS_EXPANDED;
  Relayout();
  if (next != nullptr) Select(next, TVC_UNKNOWN);
}

void TreeView::DeleteAll() {
  selected_ = nullptr;
  dropTarget_ = nullptr;
  while (items_.FirstRoot() != nullptr) {
    items_.Remove(items_.FirstRoot(), [&](TreeNode& gone) { NotifyTree(TVN_DELETEITEMW, TVC_UNKNOWN, &gone, nullptr); });
  }
  top_ = 0;
  scrollX_ = 0;
  Relayout();
}

}  // namespace platform
