// The tree view's item messages: insert, get and set items (A text in code
// page 936, W text as it is), walk the tree, select, and item rectangles.
// Every handle is checked; a stale one answers 0 / FALSE.
#include <algorithm>
#include <cstring>

#include "platform/controls/treeview_internal.h"

namespace platform {
namespace {

// Text items and notifications hand out: LPSTR_TEXTCALLBACK is not kept.
bool RealText(const void* text) { return text != nullptr && text != reinterpret_cast<const void*>(-1); }

// Case-insensitive order of Latin letters; other characters by code.
int CompareNoCase(const std::u16string& a, const std::u16string& b) {
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
  const std::size_t count = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// TVI_SORT: after the last child whose text does not sort after `text`.
HTREEITEM SortedPlace(const TreeItems& items, TreeNode* parent, const std::u16string& text) {
  TreeNode* after = nullptr;
  for (TreeNode* n = parent != nullptr ? parent->first : items.FirstRoot(); n != nullptr; n = n->next) {
    if (CompareNoCase(n->text, text) > 0) break;
    after = n;
  }
  return after != nullptr ? after->handle : TVI_FIRST;
}

}  // namespace

LRESULT TreeView::InsertItem(const TVINSERTSTRUCTW& insert, const char* ansiText) {
  TreeNode* parent = nullptr;
  if (insert.hParent != nullptr && insert.hParent != TVI_ROOT) {
    parent = items_.Find(insert.hParent);
    if (parent == nullptr) return 0;
  }
  const TVITEMW& item = insert.item;
  std::u16string text;
  if ((item.mask & TVIF_TEXT) != 0) {
    if (ansiText != nullptr && RealText(ansiText)) {
      text = AnsiToWideString(ansiText);
    } else if (ansiText == nullptr && RealText(item.pszText)) {
      text = item.pszText;
    }
  }
  const HTREEITEM after = insert.hInsertAfter == TVI_SORT ? SortedPlace(items_, parent, text) : insert.hInsertAfter;
  TreeNode* node = items_.Insert(parent, after);
  if (node == nullptr) return 0;
  node->text = std::move(text);
  if (item.mask & TVIF_IMAGE) node->image = item.iImage;
  if (item.mask & TVIF_SELECTEDIMAGE) node->selectedImage = item.iSelectedImage;
  if (item.mask & TVIF_PARAM) node->param = item.lParam;
  if (item.mask & TVIF_CHILDREN) node->children = item.cChildren;
  if (item.mask & TVIF_STATE) {
    const UINT settable = item.stateMask & ~TVIS_SELECTED;
    node->state = (node->state & ~settable) | (item.state & settable);
  }
  if (parent == nullptr || Row(parent) >= 0) Relayout();
  return reinterpret_cast<LRESULT>(node->handle);
}

LRESULT TreeView::GetItem(TVITEMW& item, char* ansiText) {
  TreeNode* node = items_.Find(item.hItem);
  if (node == nullptr) return FALSE;
  if (item.mask & TVIF_TEXT) {
    if (ansiText != nullptr && item.cchTextMax > 0) {
      const std::string text = WideToAnsiString(node->text);
      const std::size_t count = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
      std::memcpy(ansiText, text.data(), count);
      ansiText[count] = '\0';
    } else if (ansiText == nullptr && item.pszText != nullptr && item.cchTextMax > 0) {
      const std::size_t count = std::min(node->text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
      std::copy_n(node->text.begin(), count, item.pszText);
      item.pszText[count] = u'\0';
    }
  }
  if (item.mask & TVIF_IMAGE) item.iImage = node->image;
  if (item.mask & TVIF_SELECTEDIMAGE) item.iSelectedImage = node->selectedImage;
  if (item.mask & TVIF_PARAM) item.lParam = node->param;
  if (item.mask & TVIF_STATE) item.state = node->state & item.stateMask;
  if (item.mask & TVIF_CHILDREN) {
    item.cChildren = node->children == I_CHILDRENCALLBACK ? I_CHILDRENCALLBACK : node->HasChildren() ? 1 : 0;
  }
  return TRUE;
}

LRESULT TreeView::SetItem(const TVITEMW& item, const char* ansiText) {
  TreeNode* node = items_.Find(item.hItem);
  if (node == nullptr) return FALSE;
  if (item.mask & TVIF_TEXT) {
    if (ansiText != nullptr) {
      node->text = RealText(ansiText) ? AnsiToWideString(ansiText) : std::u16string();
    } else {
      node->text = RealText(item.pszText) ? std::u16string(item.pszText) : std::u16string();
    }
    node->width = -1;
  }
  if (item.mask & TVIF_IMAGE) node->image = item.iImage;
  if (item.mask & TVIF_SELECTEDIMAGE) node->selectedImage = item.iSelectedImage;
  if (item.mask & TVIF_PARAM) node->param = item.lParam;
  if (item.mask & TVIF_CHILDREN) node->children = item.cChildren;
  if (item.mask & TVIF_STATE) {
    // The selection changes only through TVM_SELECTITEM.
    const UINT settable = item.stateMask & ~TVIS_SELECTED;
    node->state = (node->state & ~settable) | (item.state & settable);
  }
  Relayout();
  return TRUE;
}

LRESULT TreeView::NextItem(WPARAM code, HTREEITEM handle) const {
  auto answer = [](const TreeNode* node) { return node != nullptr ? reinterpret_cast<LRESULT>(node->handle) : 0; };
  switch (code) {
    case TVGN_ROOT: return answer(items_.FirstRoot());
    case TVGN_CARET: return answer(selected_);
    case TVGN_DROPHILITE: return answer(dropTarget_);
    case TVGN_FIRSTVISIBLE:
      return top_ < static_cast<int>(rows_.size()) ? answer(rows_[static_cast<std::size_t>(top_)]) : 0;
    case TVGN_LASTVISIBLE: return rows_.empty() ? 0 : answer(rows_.back());
    default: break;
  }
  if (handle == TVI_ROOT && code == TVGN_CHILD) return answer(items_.FirstRoot());
  const TreeNode* node = items_.Find(handle);
  if (node == nullptr) return 0;
  switch (code) {
    case TVGN_NEXT: return answer(node->next);
    case TVGN_PREVIOUS: return answer(node->previous);
    case TVGN_PARENT: return answer(node->parent);
    case TVGN_CHILD: return answer(node->first);
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
      const int row = Row(node);
      if (row < 0) return 0;
      const int other = row + (code == TVGN_NEXTVISIBLE ? 1 : -1);
      if (other < 0 || other >= static_cast<int>(rows_.size())) return 0;
      return answer(rows_[static_cast<std::size_t>(other)]);
    }
    default: return 0;
  }
}

LRESULT TreeView::SelectItem(WPARAM code, HTREEITEM handle) {
  TreeNode* node = handle != nullptr ? items_.Find(handle) : nullptr;
  if (handle != nullptr && node == nullptr) return FALSE;
  switch (code) {
    case TVGN_CARET: return Select(node, TVC_UNKNOWN) ? TRUE : FALSE;
    case TVGN_DROPHILITE:
      if (dropTarget_ != nullptr) dropTarget_->state &= ~TVIS_DROPHILITED;
      dropTarget_ = node;
      if (node != nullptr) node->state |= TVIS_DROPHILITED;
      Invalidate();
      return TRUE;
    case TVGN_FIRSTVISIBLE:
      if (node == nullptr) return FALSE;
      EnsureVisible(node);
      ScrollTo(Row(node), scrollX_);
      return TRUE;
    default: return FALSE;
  }
}

// The item's handle comes in the rectangle's first bytes.
LRESULT TreeView::ItemRect(BOOL labelOnly, RECT* rect) const {
  if (rect == nullptr) return FALSE;
  HTREEITEM handle = nullptr;
  std::memcpy(&handle, rect, sizeof handle);
  const TreeNode* node = items_.Find(handle);
  if (node == nullptr) return FALSE;
  const int row = Row(node);
  if (row < 0) return FALSE;
  *rect = labelOnly ? LabelRect(*node, row) : RowRect(row);
  return TRUE;
}

}  // namespace platform
