// Grids: TDrawGrid, a custom control showing cells in columns and rows with
// fixed (non-scrolling) ones at the top and left, its own window scroll
// bars, keyboard and mouse selection; and TStringGrid, which keeps a text
// for every cell and draws it.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "toolkit/Classes_Strings.h"
#include "toolkit/Controls.h"

enum class TGridOption {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goRowSizing,
  goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption>;
enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;
enum class TGridScrollBars { ssNone, ssHorizontal, ssVertical, ssBoth };

struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

using TDrawCellEvent = std::function<void(TObject* sender, int col, int row, TRect rect, TGridDrawState state)>;
using TSelectCellEvent = std::function<void(TObject* sender, int col, int row, bool& canSelect)>;

class TDrawGrid : public TCustomControl {
  T_CLASS(TDrawGrid, TCustomControl)

 public:
  explicit TDrawGrid(TComponent* owner);

  int ColCount() const { return colCount_; }
  void SetColCount(int value);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int value);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int value);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value);
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int value);
  int ColWidths(int col) const;
  void SetColWidths(int col, int value);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int value);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value);
  TGridScrollBars ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TGridScrollBars value);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value);
  // The focused cell; moving it asks OnSelectCell first.
  int Col() const { return col_; }
  void SetCol(int value) { MoveTo(value, row_, false); }
  int Row() const { return row_; }
  void SetRow(int value) { MoveTo(col_, value, false); }
  TGridRect Selection() const;
  // The first scrolled row and column shown.
  int TopRow() const { return topRow_; }
  void SetTopRow(int value);
  int LeftCol() const { return leftCol_; }
  void SetLeftCol(int value);
  int VisibleRowCount() const;
  int VisibleColCount() const;
  // The cell's rectangle in client coordinates (empty when not in view).
  TRect CellRect(int col, int row) const;
  // The cell under a client point; -1, -1 outside every cell.
  void MouseToCell(int x, int y, int& col, int& row) const;

  void WndProc(TMessage& message) override;

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Draws one cell's content: OnDrawCell, or what the class draws itself.
  virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);
  virtual bool SelectCell(int col, int row);
  virtual void KeyPressed(WPARAM key, bool shift);
  virtual void CharTyped(char) {}
  void InvalidateCell(int col, int row);

 private:
  void SizeChanged();
  void UpdateScrollBars();
  void Scroll(int bar, WORD code);
  void MoveTo(int col, int row, bool extend);
  void ScrollInView(int col, int row);
  int MaxTopRow() const;
  int MaxLeftCol() const;
  int ColLeft(int col) const;  // client x of a shown column's left edge
  int RowTop(int row) const;
  bool ColShown(int col) const { return col < fixedCols_ || (col >= leftCol_ && col < colCount_); }
  bool RowShown(int row) const { return row < fixedRows_ || (row >= topRow_ && row < rowCount_); }
  TRect Client() const;

  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  TColor fixedColor_;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  int gridLineWidth_ = 1;
  TGridScrollBars scrollBars_ = TGridScrollBars::ssBoth;
  TGridOptions options_;
  int col_ = 1;
  int row_ = 1;
  int anchorCol_ = 1;
  int anchorRow_ = 1;
  int topRow_ = 1;
  int leftCol_ = 1;
  bool selecting_ = false;
};

class TStringGrid : public TDrawGrid {
  T_CLASS(TStringGrid, TDrawGrid)

 public:
  explicit TStringGrid(TComponent* owner);

  // Cells[col][row]; empty for cells never set or outside the grid.
  AnsiString Cells(int col, int row) const;
  void SetCells(int col, int row, const AnsiString& value);
  // A column's or a row's texts, and setting them from a list.
  void GetCols(int col, TStrings* into) const;
  void SetCols(int col, TStrings* from);
  void GetRows(int row, TStrings* into) const;
  void SetRows(int row, TStrings* from);

 protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
  void KeyPressed(WPARAM key, bool shift) override;
  void CharTyped(char c) override;

 private:
  std::map<std::pair<int, int>, AnsiString> cells_;
  bool editing_ = false;
};

const TEnumInfo& GridOptionType();
const TEnumInfo& GridScrollBarsType();
