// The "SysTreeView32" class: a tree of items with optional lines, buttons
// and images, expanded and collapsed by the mouse and the keyboard, in the
// window's own scroll bars.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"
#include "platform/controls/treeview_internal.h"

namespace platform {
namespace {

// Keypad keys the tree answers (winuser.h's VK_MULTIPLY, VK_ADD, VK_SUBTRACT).
constexpr int kKeyMultiply = 0x6A;
constexpr int kKeyAdd = 0x6B;
constexpr int kKeySubtract = 0x6D;
// Narrower than this leaves no room for a button.
constexpr int kMinimumIndent = 4;

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

void TreeView::KeyDown(int key) {
  if (rows_.empty()) return;
  const int rows = static_cast<int>(rows_.size());
  const int row = selected_ != nullptr ? Row(selected_) : -1;
  auto go = [&](int target) { Select(rows_[static_cast<std::size_t>(std::clamp(target, 0, rows - 1))], TVC_BYKEYBOARD); };
  const int page = std::max(1, VisibleCount() - 1);
  switch (key) {
    case VK_UP: go(row < 0 ? 0 : row - 1); break;
    case VK_DOWN: go(row + 1); break;
    case VK_HOME: go(0); break;
    case VK_END: go(rows - 1); break;
    case VK_PRIOR: go(row < 0 ? 0 : row - page); break;
    case VK_NEXT: go(row < 0 ? 0 : row + page); break;
    case VK_LEFT:
      if (selected_ == nullptr) break;
      if (selected_->Expanded()) {
        Expand(selected_, TVE_COLLAPSE, true);
      } else if (selected_->parent != nullptr) {
        Select(selected_->parent, TVC_BYKEYBOARD);
      }
      break;
    case VK_RIGHT:
      if (selected_ == nullptr || !selected_->HasChildren()) break;
      if (!selected_->Expanded()) {
        Expand(selected_, TVE_EXPAND, true);
      } else if (selected_->first != nullptr) {
        Select(selected_->first, TVC_BYKEYBOARD);
      }
      break;
    case kKeyAdd:
      if (selected_ != nullptr) Expand(selected_, TVE_EXPAND, true);
      break;
    case kKeySubtract:
      if (selected_ != nullptr) Expand(selected_, TVE_COLLAPSE, true);
      break;
    case kKeyMultiply:
      if (selected_ != nullptr) ExpandAll(selected_);
      break;
    default: break;
  }
}

LRESULT TreeView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      HWND parent = GetParent(hwnd_);
      ansiParent_ = parent != nullptr && !IsWindowUnicode(parent);
      MeasureItemHeight();
      Relayout();
      return 0;
    }
    case WM_DESTROY:
      DeleteAll();
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd_, wParam, [&](HDC dc) { Paint(dc); });
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole client area
    case WM_SIZE:
    case WM_STYLECHANGED:
      Relayout();
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      items_.ForEach([](TreeNode& node) { node.width = -1; });  // measured again in the new font
      MeasureItemHeight();
      Relayout();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = message == WM_SETFOCUS;
      Invalidate();
      SendSimpleNotify(hwnd_, focused_ ? NM_SETFOCUS : NM_KILLFOCUS);
      return 0;
    case WM_KEYDOWN:
      KeyDown(static_cast<int>(wParam));
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
      Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL: {
      const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
      ScrollTo(top_ - notches * 3, scrollX_);
      return 0;
    }
    case WM_LBUTTONDOWN: {
      SetFocus(hwnd_);
      UINT flags = 0;
      TreeNode* node = HitTest(PointOf(lParam), flags);
      if (node != nullptr && flags == TVHT_ONITEMBUTTON) {
        Expand(node, TVE_TOGGLE, true);
        return 0;
      }
      const HTREEITEM handle = node != nullptr ? node->handle : nullptr;
      if (SendSimpleNotify(hwnd_, NM_CLICK) != 0) return 0;
      const bool onItem = (flags & TVHT_ONITEM) != 0 || ((Style() & TVS_FULLROWSELECT) != 0 && node != nullptr);
      if (onItem && items_.Find(handle) == node) Select(node, TVC_BYMOUSE);
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      UINT flags = 0;
      TreeNode* node = HitTest(PointOf(lParam), flags);
      const HTREEITEM handle = node != nullptr ? node->handle : nullptr;
      if (node != nullptr && flags == TVHT_ONITEMBUTTON) {
        Expand(node, TVE_TOGGLE, true);
        return 0;
      }
      if (SendSimpleNotify(hwnd_, NM_DBLCLK) != 0) return 0;
      if ((flags & TVHT_ONITEM) != 0 && items_.Find(handle) == node) Expand(node, TVE_TOGGLE, true);
      return 0;
    }
    case WM_RBUTTONDOWN:
      SendSimpleNotify(hwnd_, NM_RCLICK);
      return 0;
    case TVM_INSERTITEMW:
    case TVM_INSERTITEMA: {
      if (lParam == 0) return 0;
      // The A and W structures differ only in the text pointer's type.
      const auto& insert = *reinterpret_cast<const TVINSERTSTRUCTW*>(lParam);
      const char* ansi = message == TVM_INSERTITEMA ? reinterpret_cast<const TVINSERTSTRUCTA*>(lParam)->item.pszText : nullptr;
      if (message == TVM_INSERTITEMA && ansi == nullptr) ansi = "";
      return InsertItem(insert, ansi);
    }
    case TVM_GETITEMW:
    case TVM_GETITEMA: {
      if (lParam == 0) return FALSE;
      auto& item = *reinterpret_cast<TVITEMW*>(lParam);
      char* ansi = message == TVM_GETITEMA ? reinterpret_cast<TVITEMA*>(lParam)->pszText : nullptr;
      if (message == TVM_GETITEMA && ansi == nullptr && (item.mask & TVIF_TEXT) != 0) return FALSE;
      return GetItem(item, ansi);
    }
    case TVM_SETITEMW:
    case TVM_SETITEMA: {
      if (lParam == 0) return FALSE;
      const auto& item = *reinterpret_cast<const TVITEMW*>(lParam);
      const char* ansi = message == TVM_SETITEMA ? reinterpret_cast<const TVITEMA*>(lParam)->pszText : nullptr;
      if (message == TVM_SETITEMA && ansi == nullptr) ansi = "";
      return SetItem(item, ansi);
    }
    case TVM_DELETEITEM: {
      const auto handle = reinterpret_cast<HTREEITEM>(lParam);
      if (handle == TVI_ROOT || handle == nullptr) {
        DeleteAll();
        return TRUE;
      }
      TreeNode* node = items_.Find(handle);
      if (node == nullptr) return FALSE;
      Delete(node);
      return TRUE;
    }
    case TVM_EXPAND: {
      TreeNode* node = items_.Find(reinterpret_cast<HTREEITEM>(lParam));
      return node != nullptr && Expand(node, wParam, false) ? TRUE : FALSE;
    }
    case TVM_GETNEXTITEM:
      return NextItem(wParam, reinterpret_cast<HTREEITEM>(lParam));
    case TVM_SELECTITEM:
      return SelectItem(wParam, reinterpret_cast<HTREEITEM>(lParam));
    case TVM_GETCOUNT:
      return static_cast<LRESULT>(items_.Count());
    case TVM_GETITEMRECT:
      return ItemRect(static_cast<BOOL>(wParam), reinterpret_cast<RECT*>(lParam));
    case TVM_HITTEST: {
      if (lParam == 0) return 0;
      auto& info = *reinterpret_cast<TVHITTESTINFO*>(lParam);
      TreeNode* node = HitTest(info.pt, info.flags);
      info.hItem = node != nullptr ? node->handle : nullptr;
      return reinterpret_cast<LRESULT>(info.hItem);
    }
    case TVM_ENSUREVISIBLE: {
      TreeNode* node = items_.Find(reinterpret_cast<HTREEITEM>(lParam));
      return node != nullptr && EnsureVisible(node) ? TRUE : FALSE;
    }
    case TVM_SETIMAGELIST: {
      HIMAGELIST& slot = wParam == TVSIL_STATE ? stateImages_ : images_;
      if (wParam != TVSIL_NORMAL && wParam != TVSIL_STATE) return 0;
      HIMAGELIST previous = slot;
      slot = reinterpret_cast<HIMAGELIST>(lParam);
      MeasureItemHeight();
      Relayout();
      return reinterpret_cast<LRESULT>(previous);
    }
    case TVM_GETIMAGELIST:
      if (wParam == TVSIL_STATE) return reinterpret_cast<LRESULT>(stateImages_);
      return wParam == TVSIL_NORMAL ? reinterpret_cast<LRESULT>(images_) : 0;
    case TVM_GETINDENT:
      return indent_;
    case TVM_SETINDENT:
      indent_ = std::max(static_cast<int>(wParam), kMinimumIndent);
      Relayout();
      return 0;
    case TVM_GETVISIBLECOUNT:
      return VisibleCount();
    case TVM_GETITEMHEIGHT:
      return itemHeight_;
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

namespace {

LRESULT TreeViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new TreeView(hwnd));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  TreeView* tree = ControlData<TreeView>(hwnd);
  if (tree == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    delete DetachControlData<TreeView>(hwnd);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return tree->Handle(message, wParam, lParam);
}

}  // namespace

void RegisterTreeViewClass() { RegisterControlClass(WC_TREEVIEWW, TreeViewProc, CS_DBLCLKS, IDC_ARROW); }

}  // namespace platform
