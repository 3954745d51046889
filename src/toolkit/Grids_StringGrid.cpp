// TStringGrid: a draw grid that keeps a text for every cell, draws it, and
// with goEditing takes typed characters into the focused cell.
#include "toolkit/Grids.h"

T_CLASS_INFO(TStringGrid, TDrawGrid, [](TClassInfo& c) { c.Factory = &CreateInstance<TStringGrid>; })

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {}

AnsiString TStringGrid::Cells(int col, int row) const {
  auto found = cells_.find({col, row});
  return found == cells_.end() ? AnsiString() : found->second;
}

void TStringGrid::SetCells(int col, int row, const AnsiString& value) {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
  if (value.empty()) {
    cells_.erase({col, row});
  } else {
    cells_[{col, row}] = value;
  }
  InvalidateCell(col, row);
}

void TStringGrid::GetCols(int col, TStrings* into) const {
  if (into == nullptr) return;
  into->Clear();
  for (int row = 0; row < RowCount(); ++row) into->Add(Cells(col, row));
}

void TStringGrid::SetCols(int col, TStrings* from) {
  if (from == nullptr) return;
  for (int row = 0; row < RowCount(); ++row) SetCells(col, row, row < from->Count() ? from->Strings(row) : AnsiString());
}

void TStringGrid::GetRows(int row, TStrings* into) const {
  if (into == nullptr) return;
  into->Clear();
  for (int col = 0; col < ColCount(); ++col) into->Add(Cells(col, row));
}

void TStringGrid::SetRows(int row, TStrings* from) {
  if (from == nullptr) return;
  for (int col = 0; col < ColCount(); ++col) SetCells(col, row, col < from->Count() ? from->Strings(col) : AnsiString());
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  if (OnDrawCell) {
    TDrawGrid::DrawCell(col, row, rect, state);
    return;
  }
  auto found = cells_.find({col, row});
  if (found != cells_.end()) Canvas()->TextRect(rect, rect.left + 2, rect.top + 2, found->second);
}

void TStringGrid::KeyPressed(WPARAM key, bool shift) {
  editing_ = false;  // moving ends the edit
  TDrawGrid::KeyPressed(key, shift);
}

// The first character typed replaces the cell's text, the next ones add
// to it; Backspace takes the last one away, Enter and Escape end the edit.
void TStringGrid::CharTyped(char c) {
  if (!Options().Contains(TGridOption::goEditing)) return;
  const unsigned char u = static_cast<unsigned char>(c);
  if (c == '\r' || c == 27) {
    editing_ = false;
    return;
  }
  AnsiString text = editing_ ? Cells(Col(), Row()) : AnsiString();
  if (c == '\b') {
    text = Cells(Col(), Row());
    if (!text.empty()) text.pop_back();
  } else if (u >= 0x20) {
    text += c;
  } else {
    return;
  }
  editing_ = true;
  SetCells(Col(), Row(), text);
}
