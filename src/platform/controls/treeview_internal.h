// The state of one "SysTreeView32" window, shared by the files that lay it
// out, paint it, and answer its messages.
#pragma once

#include <vector>

#include "platform/controls/treeview_items.h"

namespace platform {

class TreeView {
 public:
  explicit TreeView(HWND hwnd) : hwnd_(hwnd) {}

  // treeview.cpp: messages.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)); }

  // treeview_layout.cpp: rows, geometry, scrolling and hit testing.
  void Relayout();
  void MeasureItemHeight();
  int Row(const TreeNode* node) const;  // index in rows_, -1 when hidden
  int VisibleCount() const;
  int Columns(const TreeNode& node) const;
  int ItemLeft(const TreeNode& node) const;
  int ImageWidth() const;
  RECT RowRect(int row) const;
  RECT LabelRect(const TreeNode& node, int row) const;
  void UpdateScrollBars();
  void ScrollTo(int top, int scrollX);
  void Scroll(int bar, WORD code);
  bool EnsureVisible(TreeNode* node);
  TreeNode* HitTest(POINT pt, UINT& flags) const;

  // treeview_paint.cpp
  void Paint(HDC dc);

  // treeview_actions.cpp: what the user and the messages change, with the
  // notifications Windows sends.
  UINT Code(UINT wideCode) const;
  LRESULT NotifyTree(UINT wideCode, UINT action, const TreeNode* oldItem, const TreeNode* newItem);
  bool Select(TreeNode* node, UINT action);
  bool Expand(TreeNode* node, WPARAM how, bool byUser);
  void ExpandAll(TreeNode* node);
  void Delete(TreeNode* node);
  void DeleteAll();
  void Invalidate() { InvalidateRect(hwnd_, nullptr, TRUE); }

  // treeview_items_api.cpp: the item messages.
  LRESULT InsertItem(const TVINSERTSTRUCTW& insert, const char* ansiText);
  LRESULT GetItem(TVITEMW& item, char* ansiText);
  LRESULT SetItem(const TVITEMW& item, const char* ansiText);
  LRESULT NextItem(WPARAM code, HTREEITEM handle) const;
  LRESULT SelectItem(WPARAM code, HTREEITEM handle);
  LRESULT ItemRect(BOOL labelOnly, RECT* rect) const;
  void KeyDown(int key);

  HWND hwnd_;
  TreeItems items_;
  std::vector<TreeNode*> rows_;  // the items shown, top to bottom (scrolled off ones too)
  TreeNode* selected_ = nullptr;
  TreeNode* dropTarget_ = nullptr;
  HIMAGELIST images_ = nullptr;
  HIMAGELIST stateImages_ = nullptr;
  HFONT font_ = nullptr;
  int indent_ = 19;
  int itemHeight_ = 16;
  int top_ = 0;       // first row shown
  int scrollX_ = 0;   // pixels scrolled off to the left
  int contentWidth_ = 0;
  bool focused_ = false;
  bool ansiParent_ = false;  // notifications go out with the A codes
  bool inLayout_ = false;
};

}  // namespace platform
