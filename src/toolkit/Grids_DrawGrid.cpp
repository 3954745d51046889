// TDrawGrid: layout of cells in columns and rows, the fixed ones always in
// view; the window scroll bars count scrolled rows and columns; arrows,
// Home/End and Page keys and the mouse move the focused cell, which
// OnSelectCell may refuse; each cell is drawn by DrawCell.
#include <algorithm>

#include "toolkit/Grids.h"

const TEnumInfo& GridOptionType() {
  static const TEnumInfo type("TGridOption",
                              {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                               "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
                               "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"});
  return type;
}

const TEnumInfo& GridScrollBarsType() {
  static const TEnumInfo type("TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
  return type;
}

T_CLASS_INFO(TDrawGrid, TCustomControl, [](TClassInfo& c) {
  using namespace published;
  using G = TDrawGrid;
  c.Factory = &CreateInstance<TDrawGrid>;
  c.AddProperty(Integer<G>("ColCount", &G::ColCount, &G::SetColCount));
  c.AddProperty(Integer<G>("RowCount", &G::RowCount, &G::SetRowCount));
  c.AddProperty(Integer<G>("FixedCols", &G::FixedCols, &G::SetFixedCols));
  c.AddProperty(Integer<G>("FixedRows", &G::FixedRows, &G::SetFixedRows));
  c.AddProperty(Integer<G>("FixedColor", &G::FixedColor, &G::SetFixedColor));
  c.AddProperty(Integer<G>("DefaultColWidth", &G::DefaultColWidth, &G::SetDefaultColWidth));
  c.AddProperty(Integer<G>("DefaultRowHeight", &G::DefaultRowHeight, &G::SetDefaultRowHeight));
  c.AddProperty(Integer<G>("GridLineWidth", &G::GridLineWidth, &G::SetGridLineWidth));
  c.AddProperty(
      Enumeration<G, TGridScrollBars>("ScrollBars", GridScrollBarsType(), &G::ScrollBars, &G::SetScrollBars));
  c.AddProperty(Set<G, TGridOption>("Options", GridOptionType(), &G::Options, &G::SetOptions));
  c.AddProperty(Method<G>("OnDrawCell", &G::OnDrawCell));
  c.AddProperty(Method<G>("OnSelectCell", &G::OnSelectCell));
})

TDrawGrid::TDrawGrid(TComponent* owner) : TCustomControl(owner), fixedColor_(clBtnFace) {
  SetBounds(0, 0, 320, 120);
  SetTabStop(true);
  SetColor(clWindow);
  options_ = {TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine,
              TGridOption::goHorzLine, TGridOption::goRangeSelect};
}

void TDrawGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (scrollBars_ == TGridScrollBars::ssVertical || scrollBars_ == TGridScrollBars::ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == TGridScrollBars::ssHorizontal || scrollBars_ == TGridScrollBars::ssBoth) params.Style |= WS_HSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDrawGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

TRect TDrawGrid::Client() const {
  TRect r{0, 0, 0, 0};
  if (HandleAllocated()) GetClientRect(const_cast<TDrawGrid*>(this)->Handle(), &r);
  return r;
}

int TDrawGrid::ColWidths(int col) const {
  if (col < 0 || col >= colCount_) return 0;
  return static_cast<std::size_t>(col) < colWidths_.size() ? colWidths_[static_cast<std::size_t>(col)] : defaultColWidth_;
}

int TDrawGrid::RowHeights(int row) const {
  if (row < 0 || row >= rowCount_) return 0;
  return static_cast<std::size_t>(row) < rowHeights_.size() ? rowHeights_[static_cast<std::size_t>(row)]
                                                              : defaultRowHeight_;
}

void TDrawGrid::SetColWidths(int col, int value) {
  if (col < 0 || col >= colCount_) return;
  if (colWidths_.size() <= static_cast<std::size_t>(col)) colWidths_.resize(static_cast<std::size_t>(colCount_), defaultColWidth_);
  colWidths_[static_cast<std::size_t>(col)] = std::max(0, value);
  SizeChanged();
}

void TDrawGrid::SetRowHeights(int row, int value) {
  if (row < 0 || row >= rowCount_) return;
  if (rowHeights_.size() <= static_cast<std::size_t>(row)) rowHeights_.resize(static_cast<std::size_t>(rowCount_), defaultRowHeight_);
  rowHeights_[static_cast<std::size_t>(row)] = std::max(0, value);
  SizeChanged();
}

// Counts and fixed counts keep at least one scrolling row and column, and
// the focused cell, the anchor and the first shown cell inside them.
void TDrawGrid::SizeChanged() {
  colCount_ = std::max(1, colCount_);
  rowCount_ = std::max(1, rowCount_);
  fixedCols_ = std::clamp(fixedCols_, 0, colCount_ - 1);
  fixedRows_ = std::clamp(fixedRows_, 0, rowCount_ - 1);
  if (colWidths_.size() > static_cast<std::size_t>(colCount_)) colWidths_.resize(static_cast<std::size_t>(colCount_));
  if (rowHeights_.size() > static_cast<std::size_t>(rowCount_)) rowHeights_.resize(static_cast<std::size_t>(rowCount_));
  col_ = std::clamp(col_, fixedCols_, colCount_ - 1);
  row_ = std::clamp(row_, fixedRows_, rowCount_ - 1);
  anchorCol_ = std::clamp(anchorCol_, fixedCols_, colCount_ - 1);
  anchorRow_ = std::clamp(anchorRow_, fixedRows_, rowCount_ - 1);
  topRow_ = std::clamp(topRow_, fixedRows_, MaxTopRow());
  leftCol_ = std::clamp(leftCol_, fixedCols_, MaxLeftCol());
  UpdateScrollBars();
  Invalidate();
}

void TDrawGrid::SetColCount(int value) { colCount_ = value; SizeChanged(); }
void TDrawGrid::SetRowCount(int value) { rowCount_ = value; SizeChanged(); }
void TDrawGrid::SetFixedCols(int value) { fixedCols_ = value; SizeChanged(); }
void TDrawGrid::SetFixedRows(int value) { fixedRows_ = value; SizeChanged(); }
void TDrawGrid::SetFixedColor(TColor value) { fixedColor_ = value; Invalidate(); }
void TDrawGrid::SetDefaultColWidth(int value) { defaultColWidth_ = std::max(0, value); colWidths_.clear(); SizeChanged(); }
void TDrawGrid::SetDefaultRowHeight(int value) { defaultRowHeight_ = std::max(0, value); rowHeights_.clear(); SizeChanged(); }
void TDrawGrid::SetGridLineWidth(int value) { gridLineWidth_ = std::max(0, value); SizeChanged(); }
void TDrawGrid::SetOptions(TGridOptions value) { options_ = value; Invalidate(); }

void TDrawGrid::SetScrollBars(TGridScrollBars value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  if (HandleAllocated()) RecreateWnd();
}

TGridRect TDrawGrid::Selection() const {
  TGridRect r{std::min(col_, anchorCol_), std::min(row_, anchorRow_), std::max(col_, anchorCol_),
              std::max(row_, anchorRow_)};
  if (options_.Contains(TGridOption::goRowSelect)) {
    r.Left = fixedCols_;
    r.Right = colCount_ - 1;
  }
  return r;
}

int TDrawGrid::ColLeft(int col) const {
  int x = 0;
  for (int c = 0; c < fixedCols_ && c < col; ++c) x += ColWidths(c) + gridLineWidth_;
  for (int c = leftCol_; c < col; ++c) x += ColWidths(c) + gridLineWidth_;
  return x;
}

int TDrawGrid::RowTop(int row) const {
  int y = 0;
  for (int r = 0; r < fixedRows_ && r < row; ++r) y += RowHeights(r) + gridLineWidth_;
  for (int r = topRow_; r < row; ++r) y += RowHeights(r) + gridLineWidth_;
  return y;
}

TRect TDrawGrid::CellRect(int col, int row) const {
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_ || !ColShown(col) || !RowShown(row)) {
    return TRect{0, 0, 0, 0};
  }
  const int x = ColLeft(col);
  const int y = RowTop(row);
  return TRect{x, y, x + ColWidths(col), y + RowHeights(row)};
}

void TDrawGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = -1;
  row = -1;
  auto find = [&](int position, int fixed, int first, int count, auto size) {
    int edge = 0;
    for (int i = 0; i < fixed; ++i) {
      edge += size(i) + gridLineWidth_;
      if (position < edge) return i;
    }
    for (int i = first; i < count; ++i) {
      edge += size(i) + gridLineWidth_;
      if (position < edge) return i;
    }
    return -1;
  };
  if (x < 0 || y < 0) return;
  const int c = find(x, fixedCols_, leftCol_, colCount_, [this](int i) { return ColWidths(i); });
  const int r = find(y, fixedRows_, topRow_, rowCount_, [this](int i) { return RowHeights(i); });
  if (c < 0 || r < 0) return;
  col = c;
  row = r;
}

int TDrawGrid::VisibleRowCount() const {
  const int height = Client().bottom - RowTop(topRow_);
  int used = 0;
  int count = 0;
  for (int r = topRow_; r < rowCount_; ++r) {
    used += RowHeights(r) + gridLineWidth_;
    if (used > height + gridLineWidth_) break;
    ++count;
  }
  return count;
}

int TDrawGrid::VisibleColCount() const {
  const int width = Client().right - ColLeft(leftCol_);
  int used = 0;
  int count = 0;
  for (int c = leftCol_; c < colCount_; ++c) {
    used += ColWidths(c) + gridLineWidth_;
    if (used > width + gridLineWidth_) break;
    ++count;
  }
  return count;
}

// The largest first row that still fills the client area from the bottom.
int TDrawGrid::MaxTopRow() const {
  int fixedHeight = 0;
  for (int r = 0; r < fixedRows_; ++r) fixedHeight += RowHeights(r) + gridLineWidth_;
  const int room = Client().bottom - fixedHeight;
  int used = 0;
  int top = rowCount_ - 1;
  while (top > fixedRows_) {
    used += RowHeights(top) + gridLineWidth_;
    if (used + RowHeights(top - 1) + gridLineWidth_ > room + gridLineWidth_) break;
    --top;
  }
  return std::max(fixedRows_, top);
}

int TDrawGrid::MaxLeftCol() const {
  int fixedWidth = 0;
  for (int c = 0; c < fixedCols_; ++c) fixedWidth += ColWidths(c) + gridLineWidth_;
  const int room = Client().right - fixedWidth;
  int used = 0;
  int left = colCount_ - 1;
  while (left > fixedCols_) {
    used += ColWidths(left) + gridLineWidth_;
    if (used + ColWidths(left - 1) + gridLineWidth_ > room + gridLineWidth_) break;
    --left;
  }
  return std::max(fixedCols_, left);
}

void TDrawGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  auto set = [&](int bar, int first, int count, int position, int last) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, count - first - 1,
                    static_cast<UINT>(std::max(1, count - first - (last - first))), position - first, 0};
    if (last <= first) info.nPage = static_cast<UINT>(count - first);  // everything fits: the bar goes
    SetScrollInfo(h, bar, &info, TRUE);
  };
  const DWORD style = static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
  if (scrollBars_ == TGridScrollBars::ssVertical || scrollBars_ == TGridScrollBars::ssBoth || (style & WS_VSCROLL)) {
    set(SB_VERT, fixedRows_, rowCount_, topRow_, MaxTopRow());
  }
  if (scrollBars_ == TGridScrollBars::ssHorizontal || scrollBars_ == TGridScrollBars::ssBoth || (style & WS_HSCROLL)) {
    set(SB_HORZ, fixedCols_, colCount_, leftCol_, MaxLeftCol());
  }
}

void TDrawGrid::SetTopRow(int value) {
  value = std::clamp(value, fixedRows_, MaxTopRow());
  if (value == topRow_) return;
  topRow_ = value;
  UpdateScrollBars();
  Invalidate();
}

void TDrawGrid::SetLeftCol(int value) {
  value = std::clamp(value, fixedCols_, MaxLeftCol());
  if (value == leftCol_) return;
  leftCol_ = value;
  UpdateScrollBars();
  Invalidate();
}

void TDrawGrid::Scroll(int bar, WORD code) {
  const bool vertical = bar == SB_VERT;
  const int position = vertical ? topRow_ : leftCol_;
  const int page = std::max(1, vertical ? VisibleRowCount() : VisibleColCount());
  int target = position;
  switch (code) {
    case SB_LINEUP: target = position - 1; break;
    case SB_LINEDOWN: target = position + 1; break;
    case SB_PAGEUP: target = position - page; break;
    case SB_PAGEDOWN: target = position + page; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = vertical ? rowCount_ : colCount_; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), bar, &info);
      target = info.nTrackPos + (vertical ? fixedRows_ : fixedCols_);
      break;
    }
    default: return;
  }
  if (vertical) {
    SetTopRow(target);
  } else {
    SetLeftCol(target);
  }
}

void TDrawGrid::ScrollInView(int col, int row) {
  if (row >= fixedRows_ && row < topRow_) SetTopRow(row);
  while (row >= fixedRows_ && row >= topRow_ + std::max(1, VisibleRowCount()) && topRow_ < MaxTopRow()) {
    SetTopRow(topRow_ + 1);
  }
  if (col >= fixedCols_ && col < leftCol_) SetLeftCol(col);
  while (col >= fixedCols_ && col >= leftCol_ + std::max(1, VisibleColCount()) && leftCol_ < MaxLeftCol()) {
    SetLeftCol(leftCol_ + 1);
  }
}

bool TDrawGrid::SelectCell(int col, int row) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
  return canSelect;
}

void TDrawGrid::MoveTo(int col, int row, bool extend) {
  col = std::clamp(col, fixedCols_, colCount_ - 1);
  row = std::clamp(row, fixedRows_, rowCount_ - 1);
  if (col == col_ && row == row_ && (extend || (anchorCol_ == col && anchorRow_ == row))) return;
  if (!SelectCell(col, row)) return;
  col_ = col;
  row_ = row;
  if (!extend || !options_.Contains(TGridOption::goRangeSelect)) {
    anchorCol_ = col;
    anchorRow_ = row;
  }
  ScrollInView(col, row);
  Invalidate();
}

void TDrawGrid::InvalidateCell(int col, int row) {
  if (!HandleAllocated()) return;
  const TRect r = CellRect(col, row);
  InvalidateRect(Handle(), &r, FALSE);
}

void TDrawGrid::KeyPressed(WPARAM key, bool shift) {
  const int rows = std::max(1, VisibleRowCount());
  switch (key) {
    case VK_UP: MoveTo(col_, row_ - 1, shift); break;
    case VK_DOWN: MoveTo(col_, row_ + 1, shift); break;
    case VK_LEFT: MoveTo(col_ - 1, row_, shift); break;
    case VK_RIGHT: MoveTo(col_ + 1, row_, shift); break;
    case VK_HOME: MoveTo(fixedCols_, row_, shift); break;
    case VK_END: MoveTo(colCount_ - 1, row_, shift); break;
    case VK_PRIOR: MoveTo(col_, row_ - rows, shift); break;
    case VK_NEXT: MoveTo(col_, row_ + rows, shift); break;
    default: break;
  }
}

void TDrawGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  if (HandleAllocated()) ::SetFocus(Handle());
  int col = -1;
  int row = -1;
  MouseToCell(x, y, col, row);
  if (col < fixedCols_ || row < fixedRows_) return;
  MoveTo(col, row, shift.Contains(TShiftStateItem::ssShift));
  selecting_ = options_.Contains(TGridOption::goRangeSelect);
}

void TDrawGrid::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!selecting_) return;
  int col = -1;
  int row = -1;
  MouseToCell(x, y, col, row);
  if (col >= fixedCols_ && row >= fixedRows_) MoveTo(col, row, true);
}

void TDrawGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  selecting_ = false;
  TCustomControl::MouseUp(button, shift, x, y);
}

void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(this, col, row, rect, state);
}

void TDrawGrid::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_KEYDOWN:
      KeyPressed(message.WParam, GetKeyState(VK_SHIFT) < 0);
      message.Result = 0;
      return;
    case WM_CHAR:
      CharTyped(static_cast<char>(message.WParam));
      message.Result = 0;
      return;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (message.LParam == 0) {  // the window's own bars
        Scroll(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(message.WParam));
        message.Result = 0;
        return;
      }
      break;
    case WM_MOUSEWHEEL:
      SetTopRow(topRow_ - static_cast<short>(HIWORD(message.WParam)) / WHEEL_DELTA * 3);
      message.Result = 0;
      return;
    case WM_SIZE:
      TCustomControl::WndProc(message);
      SizeChanged();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}
