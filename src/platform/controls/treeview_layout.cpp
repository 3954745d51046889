// The tree view's layout: which items are shown as rows, where each part of
// a row lies, the window scroll bars (rows vertically, pixels
// horizontally), and hit testing.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/treeview_internal.h"

namespace platform {
namespace {

constexpr int kImageGap = 1;
constexpr int kLabelPadding = 4;

void AddRows(TreeNode* first, std::vector<TreeNode*>& rows) {
  for (TreeNode* node = first; node != nullptr; node = node->next) {
    rows.push_back(node);
    if (node->Expanded()) AddRows(node->first, rows);
  }
}

RECT Client(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

}  // namespace

void TreeView::MeasureItemHeight() {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ previous = SelectObject(dc, font_ != nullptr ? font_ : DefaultControlFont());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  int height = metrics.tmHeight + 3;
  if (images_ != nullptr) {
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(images_, &cx, &cy);
    height = std::max(height, cy);
  }
  itemHeight_ = std::max(1, height);
}

void TreeView::Relayout() {
  rows_.clear();
  AddRows(items_.FirstRoot(), rows_);
  HDC dc = GetDC(hwnd_);
  HGDIOBJ previous = SelectObject(dc, font_ != nullptr ? font_ : DefaultControlFont());
  contentWidth_ = 0;
  for (TreeNode* node : rows_) {
    if (node->width < 0) {
      SIZE size{};
      GetTextExtentPoint32W(dc, node->text.c_str(), static_cast<int>(node->text.size()), &size);
      node->width = size.cx;
    }
    contentWidth_ = std::max(contentWidth_, Columns(*node) * indent_ + ImageWidth() + node->width + kLabelPadding);
  }
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  UpdateScrollBars();
  Invalidate();
}

int TreeView::Row(const TreeNode* node) const {
  auto found = std::find(rows_.begin(), rows_.end(), node);
  return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

int TreeView::VisibleCount() const {
  const RECT client = Client(hwnd_);
  return std::max<int>(0, (client.bottom - client.top) / itemHeight_);
}

int TreeView::Columns(const TreeNode& node) const {
  const bool rootColumn = (Style() & TVS_LINESATROOT) != 0 && (Style() & (TVS_HASLINES | TVS_HASBUTTONS)) != 0;
  return TreeItems::Depth(node) + (rootColumn ? 1 : 0);
}

int TreeView::ItemLeft(const TreeNode& node) const { return Columns(node) * indent_ - scrollX_; }

int TreeView::ImageWidth() const {
  if (images_ == nullptr) return 0;
  int cx = 0;
  int cy = 0;
  ImageList_GetIconSize(images_, &cx, &cy);
  return cx + kImageGap;
}

RECT TreeView::RowRect(int row) const {
  const RECT client = Client(hwnd_);
  const int top = (row - top_) * itemHeight_;
  return RECT{0, top, client.right, top + itemHeight_};
}

RECT TreeView::LabelRect(const TreeNode& node, int row) const {
  const RECT r = RowRect(row);
  const int left = ItemLeft(node) + ImageWidth();
  return RECT{left, r.top, left + std::max(0, node.width) + kLabelPadding, r.bottom};
}

void TreeView::UpdateScrollBars() {
  if (inLayout_) return;  // showing a bar resizes the client area and comes back here
  inLayout_ = true;
  const DWORD style = Style();
  for (int pass = 0; pass < 2; ++pass) {
    const RECT client = Client(hwnd_);
    const int rows = static_cast<int>(rows_.size());
    const int visible = VisibleCount();
    top_ = std::clamp(top_, 0, std::max(0, rows - std::max(1, visible)));
    scrollX_ = std::clamp(scrollX_, 0, std::max(0, contentWidth_ - static_cast<int>(client.right)));
    if ((style & TVS_NOSCROLL) != 0) break;
    SCROLLINFO vertical{sizeof(SCROLLINFO), SIF_ALL, 0, std::max(0, rows - 1), static_cast<UINT>(visible), top_, 0};
    SetScrollInfo(hwnd_, SB_VERT, &vertical, TRUE);
    if ((style & TVS_NOHSCROLL) == 0) {
      SCROLLINFO horizontal{sizeof(SCROLLINFO), SIF_ALL, 0, std::max(0, contentWidth_ - 1),
                            static_cast<UINT>(client.right), scrollX_, 0};
      SetScrollInfo(hwnd_, SB_HORZ, &horizontal, TRUE);
    }
  }
  inLayout_ = false;
}

void TreeView::ScrollTo(int top, int scrollX) {
  const RECT client = Client(hwnd_);
  const int rows = static_cast<int>(rows_.size());
  top = std::clamp(top, 0, std::max(0, rows - std::max(1, VisibleCount())));
  scrollX = std::clamp(scrollX, 0, std::max(0, contentWidth_ - static_cast<int>(client.right)));
  if (top == top_ && scrollX == scrollX_) return;
  top_ = top;
  scrollX_ = scrollX;
  UpdateScrollBars();
  Invalidate();
}

void TreeView::Scroll(int bar, WORD code) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd_, bar, &info);
  const bool vertical = bar == SB_VERT;
  const int line = vertical ? 1 : std::max(1, indent_);
  const int page = std::max<int>(1, static_cast<int>(info.nPage) - (vertical ? 1 : 0));
  int position = vertical ? top_ : scrollX_;
  switch (code) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  if (vertical) {
    ScrollTo(position, scrollX_);
  } else {
    ScrollTo(top_, position);
  }
}

bool TreeView::EnsureVisible(TreeNode* node) {
  for (TreeNode* p = node->parent; p != nullptr; p = p->parent) {
    if (!p->Expanded()) Expand(p, TVE_EXPAND, false);
  }
  const int row = Row(node);
  if (row < 0) return false;
  const int visible = std::max(1, VisibleCount());
  if (row < top_) {
    ScrollTo(row, scrollX_);
    return true;
  }
  if (row >= top_ + visible) {
    ScrollTo(row - visible + 1, scrollX_);
    return true;
  }
  return false;
}

TreeNode* TreeView::HitTest(POINT pt, UINT& flags) const {
  const RECT client = Client(hwnd_);
  flags = 0;
  if (pt.x < client.left) flags |= TVHT_TOLEFT;
  if (pt.x >= client.right) flags |= TVHT_TORIGHT;
  if (pt.y < client.top) flags |= TVHT_ABOVE;
  if (pt.y >= client.bottom) flags |= TVHT_BELOW;
  if (flags != 0) return nullptr;
  const int row = top_ + pt.y / itemHeight_;
  if (row >= static_cast<int>(rows_.size())) {
    flags = TVHT_NOWHERE;
    return nullptr;
  }
  TreeNode* node = rows_[static_cast<std::size_t>(row)];
  const int left = ItemLeft(*node);
  const RECT label = LabelRect(*node, row);
  if (pt.x < left) {
    const bool onButton = pt.x >= left - indent_ && (Style() & TVS_HASBUTTONS) != 0 && node->HasChildren() &&
                          Columns(*node) > 0;
    flags = onButton ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
  } else if (pt.x < label.left) {
    flags = TVHT_ONITEMICON;
  } else if (pt.x < label.right) {
    flags = TVHT_ONITEMLABEL;
  } else {
    flags = TVHT_ONITEMRIGHT;
  }
  return node;
}

}  // namespace platform
