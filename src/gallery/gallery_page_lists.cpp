// The "Lists" page: list boxes, a list view in report style, a tree view,
// a string grid and a draw grid.
#include "gallery/gallery_pages.h"
#include "platform/base/strings.h"
#include "toolkit/Grids.h"
#include "toolkit/StdCtrls.h"

namespace gallery {

void FillListsPage(TTabSheet* page) {
  auto* list = Place<TListBox>(page, 12, 12, 150, 120);
  for (int i = 1; i <= 12; ++i) list->Items()->Add("List item " + std::to_string(i));
  list->SetItemIndex(2);
  auto* multi = Place<TListBox>(page, 12, 140, 150, 130);
  multi->SetMultiSelect(true);
  for (const char* item : {"North", "East", "South", "West"}) multi->Items()->Add(item);
  multi->SetSelected(0, true);
  multi->SetSelected(2, true);

  auto* view = Place<TListView>(page, 172, 12, 260, 120);
  view->SetViewStyle(TViewStyle::vsReport);
  view->SetRowSelect(true);
  view->AddColumn(u"Name", 110);
  view->AddColumn(u"Size", 60);
  view->AddColumn(u"Kind", 80);
  static const char16_t* const kRows[][3] = {
      {u"frame.bmp", u"12 KB", u"Picture"}, {u"skin.ini", u"4 KB", u"Text"},
      {u"buttons.bmp", u"9 KB", u"Picture"}, {u"readme.md", u"2 KB", u"Text"}};
  for (const auto& row : kRows) {
    TListItem* item = view->AddItem(row[0]);
    item->SubItems()->Add(platform::WideToAnsiString(row[1]));
    item->SubItems()->Add(platform::WideToAnsiString(row[2]));
  }
  view->Item(1)->SetSelected(true);

  auto* tree = Place<TTreeView>(page, 172, 140, 260, 130);
  TTreeNode* skins = tree->Items()->Add(nullptr, "Skins");
  for (const char* name : {"tesmera-metallic", "umbra", "pebble"}) {
    TTreeNode* skin = tree->Items()->AddChild(skins, name);
    tree->Items()->AddChild(skin, "Frame");
    tree->Items()->AddChild(skin, "Controls");
  }
  tree->Items()->Add(skins, "Windows");
  skins->SetExpanded(true);

  auto* grid = Place<TStringGrid>(page, 442, 12, 300, 150);
  grid->SetColCount(4);
  grid->SetRowCount(8);
  grid->SetDefaultColWidth(70);
  grid->SetDefaultRowHeight(20);
  static const char* const kHeads[] = {"", "Width", "Height", "Frames"};
  for (int c = 1; c < 4; ++c) grid->SetCells(c, 0, kHeads[c]);
  for (int r = 1; r < 8; ++r) {
    grid->SetCells(0, r, "Part " + std::to_string(r));
    grid->SetCells(1, r, std::to_string(16 * r));
    grid->SetCells(2, r, std::to_string(20 + r));
    grid->SetCells(3, r, std::to_string(1 + r % 5));
  }
  auto* draw = Place<TDrawGrid>(page, 442, 170, 300, 100);
  draw->SetColCount(6);
  draw->SetRowCount(4);
  draw->SetDefaultColWidth(46);
}

}  // namespace gallery
