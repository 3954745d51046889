// Painting a grid: every cell in view (the fixed ones raised, in
// FixedColor; the selection highlighted), the grid lines the options ask
// for, and each cell's content through DrawCell.
#include "toolkit/Grids.h"

void TDrawGrid::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = Client();
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  const TGridRect selection = Selection();
  const bool focused = HandleAllocated() && GetFocus() == Handle();
  const bool rowSelect = options_.Contains(TGridOption::goRowSelect);
  const bool drawFocused = options_.Contains(TGridOption::goDrawFocusSelected) || rowSelect;
  const TColor textColour = Font()->Color();
  auto strip = [&](const TRect& r, TColor colour) {
    canvas->Brush()->SetColor(colour);
    canvas->FillRect(r);
  };
  auto each = [&](int fixed, int first, int count, int limit, auto size, auto body) {
    int position = 0;
    for (int i = 0; i < count && position < limit; i = (i + 1 == fixed ? first : i + 1)) {
      if (i >= fixed && i < first) i = first;
      if (i >= count) break;
      body(i, position);
      position += size(i) + gridLineWidth_;
    }
  };
  each(fixedRows_, topRow_, rowCount_, client.bottom, [this](int r) { return RowHeights(r); }, [&](int row, int y) {
    each(fixedCols_, leftCol_, colCount_, client.right, [this](int c) { return ColWidths(c); }, [&](int col, int x) {
      const TRect rect{x, y, x + ColWidths(col), y + RowHeights(row)};
      const bool fixed = col < fixedCols_ || row < fixedRows_;
      TGridDrawState state;
      if (fixed) state.Include(TGridDrawStateItem::gdFixed);
      const bool isFocusCell = col == col_ && row == row_;
      if (!fixed && isFocusCell && focused) state.Include(TGridDrawStateItem::gdFocused);
      const bool inside = !fixed && col >= selection.Left && col <= selection.Right && row >= selection.Top &&
                          row <= selection.Bottom;
      if (inside) state.Include(TGridDrawStateItem::gdSelected);
      const bool highlighted = inside && (!isFocusCell || drawFocused || !focused);
      strip(rect, fixed ? fixedColor_ : highlighted ? clHighlight : Color());
      if (gridLineWidth_ > 0) {
        const bool vertical = options_.Contains(fixed ? TGridOption::goFixedVertLine : TGridOption::goVertLine);
        const bool horizontal = options_.Contains(fixed ? TGridOption::goFixedHorzLine : TGridOption::goHorzLine);
        const TColor line = fixed ? clBlack : clSilver;
        if (vertical) strip(TRect{rect.right, rect.top, rect.right + gridLineWidth_, rect.bottom + gridLineWidth_}, line);
        if (horizontal) strip(TRect{rect.left, rect.bottom, rect.right + gridLineWidth_, rect.bottom + gridLineWidth_}, line);
      }
      if (fixed) {
        TRect edge = rect;
        DrawEdge(canvas->Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
      }
      canvas->Font()->SetColor(highlighted ? clHighlightText : textColour);
      canvas->Brush()->SetColor(fixed ? fixedColor_ : highlighted ? clHighlight : Color());
      DrawCell(col, row, rect, state);
      if (state.Contains(TGridDrawStateItem::gdFocused) && !rowSelect) canvas->DrawFocusRect(rect);
    });
  });
  canvas->Font()->SetColor(textColour);
}
