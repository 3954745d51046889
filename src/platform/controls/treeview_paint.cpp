// Painting the tree view: the background and the rows in view, through
// the painter, with custom draw (NM_CUSTOMDRAW with NMTVCUSTOMDRAW) around
// the whole paint and, when the parent asks, around each item.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/treeview_internal.h"

namespace platform {
namespace {

LRESULT CustomDraw(HWND hwnd, NMTVCUSTOMDRAW& draw, DWORD stage) {
  draw.nmcd.dwDrawStage = stage;
  return SendNotify(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
}

}  // namespace

void TreeView::Paint(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const DWORD style = Style();
  NMTVCUSTOMDRAW draw{};
  draw.nmcd.hdc = dc;
  draw.nmcd.rc = client;
  const LRESULT global = CustomDraw(hwnd_, draw, CDDS_PREPAINT);
  if (global & CDRF_SKIPDEFAULT) return;
  CurrentPainter().TreeBackground(dc, client, CLR_DEFAULT);
  const int last = std::min<int>(static_cast<int>(rows_.size()), top_ + VisibleCount() + 1);
  for (int row = top_; row < last; ++row) {
    TreeNode& node = *rows_[static_cast<std::size_t>(row)];
    TreeRowLook look;
    look.row = RowRect(row);
    look.label = LabelRect(node, row);
    look.indent = indent_;
    look.columns = Columns(node);
    look.originX = -scrollX_;
    const int depth = TreeItems::Depth(node);
    look.continues.assign(static_cast<std::size_t>(std::max(0, look.columns)), false);
    int column = look.columns - 2;
    for (const TreeNode* p = node.parent; p != nullptr && column >= 0; p = p->parent, --column) {
      look.continues[static_cast<std::size_t>(column)] = p->next != nullptr;  // the ancestor's own column
    }
    look.lines = (style & TVS_HASLINES) != 0;
    look.buttons = (style & TVS_HASBUTTONS) != 0;
    look.hasChildren = node.HasChildren();
    look.expanded = node.Expanded();
    look.hasPrevious = node.previous != nullptr || node.parent != nullptr;
    look.hasNext = node.next != nullptr;
    look.images = images_;
    look.image = &node == selected_ ? node.selectedImage : node.image;
    look.imageX = ItemLeft(node);
    look.text = node.text;
    look.font = font_ != nullptr ? font_ : DefaultControlFont();
    look.selected = &node == selected_;
    look.highlighted = look.selected && focused_;
    look.inactive = look.selected && !focused_ && (style & TVS_SHOWSELALWAYS) != 0;
    look.focused = look.selected && focused_;
    look.fullRow = (style & TVS_FULLROWSELECT) != 0 && (style & TVS_HASLINES) == 0;
    LRESULT answer = CDRF_DODEFAULT;
    if (global & CDRF_NOTIFYITEMDRAW) {
      draw.nmcd.rc = look.row;
      draw.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(node.handle);
      draw.nmcd.uItemState = (look.selected ? CDIS_SELECTED : 0) | (look.focused ? CDIS_FOCUS : 0);
      draw.nmcd.lItemlParam = node.param;
      draw.iLevel = depth;
      draw.clrText = look.highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT);
      draw.clrTextBk = look.highlighted ? GetSysColor(COLOR_HIGHLIGHT) : GetSysColor(COLOR_WINDOW);
      const COLORREF text = draw.clrText;
      const COLORREF back = draw.clrTextBk;
      answer = CustomDraw(hwnd_, draw, CDDS_ITEMPREPAINT);
      // Colours the parent changed win over the selection's.
      if (draw.clrText != text || draw.clrTextBk != back) {
        look.highlighted = false;
        look.inactive = false;
        look.textColour = draw.clrText;
        look.backColour = draw.clrTextBk;
      }
    }
    if ((answer & CDRF_SKIPDEFAULT) == 0) CurrentPainter().TreeRow(dc, look);
    if (answer & CDRF_NOTIFYPOSTPAINT) CustomDraw(hwnd_, draw, CDDS_ITEMPOSTPAINT);
  }
  if (global & CDRF_NOTIFYPOSTPAINT) {
    draw.nmcd.rc = client;
    draw.nmcd.dwItemSpec = 0;
    CustomDraw(hwnd_, draw, CDDS_POSTPAINT);
  }
}

}  // namespace platform
