// THeaderControl and TListView: read from a form resource with their
// collections and properties by name, their windows filled from them, and
// the reflected notifications firing their events.
#include "platform/controls/controls.h"
#include "toolkit/Classes_Strings.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using ListViewComponentTest = ToolkitTest;

constexpr const char* kForm = R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 320
  ClientHeight = 240
  BorderStyle = bsNone
  object Head: THeaderControl
    Left = 0
    Top = 0
    Width = 320
    Height = 18
    Sections = <
      item
        Text = 'One'
        Width = 80
      end
      item
        Text = 'Two'
        Width = 120
        Alignment = taRightJustify
      end>
  end
  object List: TListView
    Left = 10
    Top = 30
    Width = 300
    Height = 180
    ViewStyle = vsReport
    RowSelect = True
    GridLines = True
    ReadOnly = True
    Columns = <
      item
        Caption = 'Name'
        Width = 100
      end
      item
        Caption = 'Size'
        Width = 60
      end>
    Items = <
      item
        Caption = 'first'
        SubItems = ('1 KB')
      end
      item
        Caption = 'second'
        ImageIndex = 2
        SubItems = ('2 KB' 'extra')
      end>
  end
end
)";

std::u16string ItemText(HWND list, int index, int subItem) {
  WCHAR buffer[64] = {};
  LVITEMW item{};
  item.iSubItem = subItem;
  item.pszText = buffer;
  item.cchTextMax = 64;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

TEST_F(ListViewComponentTest, ReadFromAFormResourceWithTheirWindowsFilled) {
  TForm* form = ReadShownForm(kForm);
  auto* head = As<THeaderControl>(form->FindComponent("Head"));
  auto* list = As<TListView>(form->FindComponent("List"));
  ASSERT_TRUE(head && list);
  EXPECT_EQ(head->ClassName(), "THeaderControl");
  ASSERT_EQ(head->SectionCount(), 2);
  EXPECT_EQ(head->Section(1)->Alignment(), THeaderSectionAlignment::taRightJustify);
  EXPECT_EQ(SendMessageW(head->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
  HDITEMW item{};
  item.mask = HDI_WIDTH | HDI_FORMAT;
  SendMessageW(head->Handle(), HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cxy, 120);
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);

  EXPECT_EQ(GetEnumProp(list, "ViewStyle"), "vsReport");
  EXPECT_EQ(GetEnumProp(list, "RowSelect"), "True");
  HWND h = list->Handle();
  EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & LVS_TYPEMASK, static_cast<LONG>(LVS_REPORT));
  EXPECT_EQ(SendMessageW(h, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  EXPECT_EQ(SendMessageW(h, LVM_GETCOLUMNWIDTH, 0, 0), 100);
  EXPECT_EQ(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(ItemText(h, 1, 0), u"second");
  EXPECT_EQ(ItemText(h, 1, 2), u"extra");
  EXPECT_EQ(list->Item(1)->ImageIndex(), 2);

  // Changes reach the window; a new view style keeps the items.
  list->Item(0)->SubItems()->Set(0, "9 KB");
  EXPECT_EQ(ItemText(h, 0, 1), u"9 KB");
  list->AddItem(u"third");
  SetPropValue(list, "ViewStyle", "vsList");
  EXPECT_EQ(GetWindowLongW(list->Handle(), GWL_STYLE) & LVS_TYPEMASK, static_cast<LONG>(LVS_LIST));
  EXPECT_EQ(ItemText(list->Handle(), 2, 0), u"third");
}

TEST_F(ListViewComponentTest, NotificationsFireTheEvents) {
  TForm* form = ReadShownForm(kForm);
  auto* head = As<THeaderControl>(form->FindComponent("Head"));
  auto* list = As<TListView>(form->FindComponent("List"));
  std::vector<std::string> events;
  head->OnSectionClick = [&](THeaderControl*, THeaderSection* s) { events.push_back("section " + std::to_string(s->Index())); };
  head->OnSectionResize = [&](THeaderControl*, THeaderSection* s) { events.push_back("resize " + std::to_string(s->Width())); };
  list->OnSelectItem = [&](TObject*, TListItem* i, bool selected) {
    events.push_back("select " + std::to_string(i->Index()) + (selected ? " on" : " off"));
  };
  list->OnClick = [&](TObject*) { events.push_back("click"); };
  list->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
  list->OnColumnClick = [&](TObject*, TListColumn* c) { events.push_back("column " + std::to_string(c->Index())); };

  SendMessageW(head->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 5));
  SendMessageW(head->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(120, 5));
  SendMessageW(head->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 5));
  SendMessageW(head->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 5));
  SendMessageW(head->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(90, 5));

  HWND h = list->Handle();
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageW(h, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(130, row.top + 2));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(130, row.top + 2));
  EXPECT_EQ(list->Selected(), list->Item(1));
  SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(130, row.top + 2));
  list->SetSelected(list->Item(0));
  HWND header = reinterpret_cast<HWND>(SendMessageW(h, LVM_GETHEADER, 0, 0));
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(130, 5));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(130, 5));
  EXPECT_EQ(events, (std::vector<std::string>{"section 1", "resize 90", "select 1 on", "click", "dblclick",
                                              "select 1 off", "select 0 on", "column 1"}));
}

TEST_F(ListViewComponentTest, BadCollectionsAreRefusedWithAClearError) {
  const char* wrongProperty = R"(object F: TForm
  object List: TListView
    Columns = <
      item
        Colour = 3
      end>
  end
end
)";
  EXPECT_THROW(ReadShownForm(wrongProperty), Exception);
  const char* notACollection = R"(object F: TForm
  object Head: THeaderControl
    Sections = 'One'
  end
end
)";
  EXPECT_THROW(ReadShownForm(notACollection), Exception);
}

}  // namespace
}  // namespace brellis::test
