// TStringGrid and TDrawGrid: read from a form resource by name, cells kept
// and drawn, selection by keys and mouse (OnSelectCell may refuse), range
// and row selection, scrolling by keys and by the window's bars, the
// rectangles OnDrawCell gets, the look, and nothing left behind.
#include "toolkit/Grids.h"

#include "platform/controls/controls.h"
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "toolkit/Reader.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;
using GridsTest = ToolkitTest;

constexpr const char* kForm = R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 320
  ClientHeight = 240
  object Grid: TStringGrid
    Left = 10
    Top = 10
    Width = 300
    Height = 200
    ColCount = 8
    RowCount = 30
    FixedCols = 1
    FixedRows = 1
    FixedColor = 15780518
    DefaultColWidth = 50
    DefaultRowHeight = 18
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
  end
end
)";

TStringGrid* GridOf(TForm* form) { return As<TStringGrid>(form->FindComponent("Grid")); }

void Key(TStringGrid* grid, WPARAM key) { SendMessageA(grid->Handle(), WM_KEYDOWN, key, 0); }

void Fill(TStringGrid* grid) {
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, 0, "Col " + std::to_string(c));
  for (int r = 1; r < grid->RowCount(); ++r) {
    grid->SetCells(0, r, std::to_string(r));
    for (int c = 1; c < grid->ColCount(); ++c) grid->SetCells(c, r, std::to_string(c * 100 + r));
  }
}

TEST_F(GridsTest, ReadByNameWithCellsColsAndRows) {
  TForm* form = ReadShownForm(kForm);
  TStringGrid* grid = GridOf(form);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->ClassName(), "TStringGrid");
  EXPECT_TRUE(grid->InheritsFrom(TDrawGrid::ClassInfo()));
  EXPECT_EQ(GetOrdProp(grid, "ColCount"), 8);
  EXPECT_EQ(GetOrdProp(grid, "FixedColor"), 15780518);
  EXPECT_TRUE(grid->Options().Contains(TGridOption::goEditing));
  EXPECT_FALSE(grid->Options().Contains(TGridOption::goRowSelect));
  EXPECT_EQ(GetEnumProp(grid, "ScrollBars"), "ssBoth");
  const DWORD style = static_cast<DWORD>(GetWindowLongA(grid->Handle(), GWL_STYLE));
  EXPECT_EQ(style & WS_VSCROLL, static_cast<DWORD>(WS_VSCROLL));
  grid->SetCells(3, 4, "x");
  EXPECT_EQ(grid->Cells(3, 4), "x");
  EXPECT_EQ(grid->Cells(4, 3), "");
  grid->SetCells(99, 1, "outside");  // ignored, not stored
  EXPECT_EQ(grid->Cells(99, 1), "");
  TStrings strings;
  TStrings* list = &strings;
  grid->GetCols(3, list);
  EXPECT_EQ(list->Count(), 30);
  EXPECT_EQ(list->Strings(4), "x");
  list->Clear();
  list->Add("a");
  list->Add("b");
  grid->SetRows(2, list);
  EXPECT_EQ(grid->Cells(0, 2), "a");
  EXPECT_EQ(grid->Cells(1, 2), "b");
  EXPECT_EQ(grid->Cells(2, 2), "");
  // Widths and heights of single columns and rows; bad indexes answer 0.
  grid->SetColWidths(2, 80);
  EXPECT_EQ(grid->ColWidths(2), 80);
  EXPECT_EQ(grid->ColWidths(3), 50);
  EXPECT_EQ(grid->ColWidths(-1), 0);
  EXPECT_EQ(grid->CellRect(3, 1).left, 51 + 51 + 81);
  // Fewer rows keep the focused cell inside.
  grid->SetRow(20);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->Row(), 9);
}

TEST_F(GridsTest, KeysAndMouseMoveTheSelectionWhichSelectCellMayRefuse) {
  TForm* form = ReadShownForm(kForm);
  TStringGrid* grid = GridOf(form);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
  Key(grid, VK_RIGHT);
  Key(grid, VK_DOWN);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  Key(grid, VK_LEFT);
  Key(grid, VK_LEFT);
  Key(grid, VK_UP);
  Key(grid, VK_UP);  // the fixed cells cannot be reached
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
  Key(grid, VK_END);
  EXPECT_EQ(grid->Col(), 7);
  Key(grid, VK_HOME);
  EXPECT_EQ(grid->Col(), 1);
  std::vector<std::pair<int, int>> asked;
  grid->OnSelectCell = [&](TObject*, int col, int row, bool& canSelect) {
    asked.emplace_back(col, row);
    canSelect = row != 3;
  };
  const TRect target = grid->CellRect(2, 3);
  SendMessageA(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(target.left + 5, target.top + 5));
  SendMessageA(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(target.left + 5, target.top + 5));
  EXPECT_EQ(grid->Row(), 1);  // refused
  const TRect other = grid->CellRect(3, 4);
  SendMessageA(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(other.left + 5, other.top + 5));
  SendMessageA(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(other.left + 5, other.top + 5));
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 3}, {3, 4}}));
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 3, 4}));
  // Shift-click extends the range from the anchor.
  const TRect far = grid->CellRect(5, 6);
  SendMessageA(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(far.left + 5, far.top + 5));
  SendMessageA(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(far.left + 5, far.top + 5));
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 5, 6}));
  // Rows selected whole.
  grid->SetOptions(grid->Options().Include(TGridOption::goRowSelect));
  Key(grid, VK_DOWN);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 7, 7, 7}));
  // Clicks on fixed cells select nothing.
  SendMessageA(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(grid->Row(), 7);
}

TEST_F(GridsTest, TypingEditsTheFocusedCell) {
  TForm* form = ReadShownForm(kForm);
  TStringGrid* grid = GridOf(form);
  grid->SetCells(1, 1, "old");
  for (char c : std::string("new")) SendMessageA(grid->Handle(), WM_CHAR, static_cast<WPARAM>(c), 0);
  SendMessageA(grid->Handle(), WM_CHAR, '\b', 0);
  EXPECT_EQ(grid->Cells(1, 1), "ne");
  Key(grid, VK_RIGHT);
  SendMessageA(grid->Handle(), WM_CHAR, 'z', 0);
  EXPECT_EQ(grid->Cells(2, 1), "z");
  grid->SetOptions(grid->Options().Exclude(TGridOption::goEditing));
  SendMessageA(grid->Handle(), WM_CHAR, 'q', 0);
  EXPECT_EQ(grid->Cells(2, 1), "z");
}

TEST_F(GridsTest, ScrollsByKeysAndByTheWindowBars) {
  TForm* form = ReadShownForm(kForm);
  TStringGrid* grid = GridOf(form);
  const int rows = grid->VisibleRowCount();
  EXPECT_GT(rows, 5);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_VERT, &info));
  EXPECT_EQ(info.nMax, 28);  // 29 scrolling rows
  EXPECT_EQ(info.nPos, 0);
  for (int i = 0; i < rows; ++i) Key(grid, VK_DOWN);
  EXPECT_EQ(grid->Row(), 1 + rows);
  EXPECT_EQ(grid->TopRow(), 2);  // the focused row came into view at the bottom
  SendMessageA(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid->TopRow(), 3);
  SendMessageA(grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(grid->TopRow(), 3 + rows);
  SendMessageA(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount(), 30);  // the last row at the bottom
  GetScrollInfo(grid->Handle(), SB_VERT, &info);
  EXPECT_EQ(info.nPos, grid->TopRow() - 1);
  SendMessageA(grid->Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(grid->TopRow(), 1);
  Key(grid, VK_NEXT);
  EXPECT_EQ(grid->Row(), 1 + rows + rows);
  SendMessageA(grid->Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid->LeftCol(), 2);
  EXPECT_EQ(grid->CellRect(1, 1).right, 0);  // scrolled off: empty
  EXPECT_EQ(grid->CellRect(0, 0).right, 50);  // fixed: always in view
  EXPECT_EQ(grid->CellRect(2, 0).left, 51);
  int col = 0;
  int row = 0;
  grid->MouseToCell(60, 20, col, row);
  EXPECT_EQ(col, 2);
  EXPECT_EQ(row, grid->TopRow());
}

TEST_F(GridsTest, DrawCellGetsEveryShownCellWithItsRectangleAndState) {
  TForm* form = ReadShownForm(kForm);
  TStringGrid* grid = GridOf(form);
  grid->SetTopRow(5);
  struct Drawn {
    int col, row;
    TRect rect;
    TGridDrawState state;
  };
  std::vector<Drawn> drawn;
  grid->OnDrawCell = [&](TObject*, int col, int row, TRect rect, TGridDrawState state) {
    drawn.push_back({col, row, rect, state});
  };
  RedrawWindow(grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_FALSE(drawn.empty());
  int fixedCount = 0;
  for (const Drawn& d : drawn) {
    const TRect expected = grid->CellRect(d.col, d.row);
    EXPECT_EQ(d.rect.left, expected.left);
    EXPECT_EQ(d.rect.top, expected.top);
    EXPECT_EQ(d.rect.right - d.rect.left, 50);
    EXPECT_EQ(d.rect.bottom - d.rect.top, 18);
    EXPECT_EQ(d.state.Contains(TGridDrawStateItem::gdFixed), d.col == 0 || d.row == 0);
    fixedCount += d.state.Contains(TGridDrawStateItem::gdFixed) ? 1 : 0;
    EXPECT_TRUE(d.row == 0 || d.row >= 5);
  }
  EXPECT_EQ(drawn.front().col, 0);
  EXPECT_EQ(drawn.front().row, 0);
  EXPECT_EQ(drawn[1].rect.left, 51);
  EXPECT_GT(fixedCount, 8);
}

TEST_F(GridsTest, GoldenStringGridWithFixedRowsAndColumnsScrolled) {
  TForm* form = ReadShownForm(kForm);
  TStringGrid* grid = GridOf(form);
  Fill(grid);
  grid->SetCol(3);
  grid->SetRow(6);
  grid->SetTopRow(4);
  grid->SetLeftCol(2);
  SendMessageA(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(grid->CellRect(4, 8).left + 3, grid->CellRect(4, 8).top + 3));
  SendMessageA(grid->Handle(), WM_LBUTTONUP, 0, 0);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(form->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/string_grid", GoldenTolerance{48, 60}));
}

TEST_F(GridsTest, TwoHundredFormsWithGridsLeaveNothingBehind) {
  auto round = [] {
    TForm* form = ReadShownForm(kForm);
    TStringGrid* grid = GridOf(form);
    Fill(grid);
    Key(grid, VK_NEXT);
    SetPropValue(grid, "ScrollBars", "ssVertical");  // a new window
    Application->ProcessMessages();
    form->Free();
    Application->ProcessMessages();
  };
  ExpectRoundsLeaveEveryCount(round);
}

}  // namespace
}  // namespace brellis::test
