// TComboBoxEx: read from a form resource (ItemsEx with captions, images
// and indents, Images, ItemIndex, Style), its properties by name, items
// kept in step with the window, and the events of a choice by the user and
// of typing.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/TypInfo.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using ComboBoxExTest = ToolkitTest;

constexpr const char* kFormText = R"(object ExForm: TForm
  Left = 100
  Top = 100
  ClientWidth = 360
  ClientHeight = 200
  object Images1: TImageList
    Width = 16
    Height = 16
  end
  object Places: TComboBoxEx
    Left = 8
    Top = 8
    Width = 160
    Height = 22
    Style = csExDropDownList
    Images = Images1
    ItemIndex = 1
    DropDownCount = 3
    ItemsEx = <
      item
        Caption = 'Computer'
        ImageIndex = 0
      end
      item
        Caption = 'Drive C:'
        ImageIndex = 1
        SelectedImageIndex = 2
        Indent = 1
      end
      item
        Caption = 'Documents'
        ImageIndex = 2
        Indent = 2
      end
      item
        Caption = 'Network'
        ImageIndex = 1
      end>
  end
  object Typed: TComboBoxEx
    Left = 180
    Top = 8
    Width = 160
    Height = 22
    Text = 'hello'
    ItemsEx = <
      item
        Caption = 'alpha'
      end>
  end
end
)";

COMBOBOXEXITEMA ItemOf(HWND combo, int index, char* text) {
  COMBOBOXEXITEMA item{};
  item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
  item.iItem = index;
  item.pszText = text;
  item.cchTextMax = 64;
  EXPECT_TRUE(SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  return item;
}

TEST_F(ComboBoxExTest, FormResourceFillsTheWindowAndPropertiesReadByName) {
  RegisterStandardControls();
  TForm* form = ReadShownForm(kFormText);
  auto* places = As<TComboBoxEx>(form->FindComponent("Places"));
  auto* typed = As<TComboBoxEx>(form->FindComponent("Typed"));
  auto* images = As<TImageList>(form->FindComponent("Images1"));
  ASSERT_TRUE(places && typed && images);
  EXPECT_EQ(places->ClassName(), "TComboBoxEx");
  HWND hwnd = places->Handle();
  char name[32] = {};
  GetClassNameA(hwnd, name, 32);
  EXPECT_EQ(std::string(name), "TComboBoxEx");
  HWND inner = reinterpret_cast<HWND>(SendMessageA(hwnd, CBEM_GETCOMBOCONTROL, 0, 0));
  EXPECT_EQ(GetWindow(hwnd, GW_CHILD), inner);
  EXPECT_EQ(SendMessageA(hwnd, CBEM_GETEDITCONTROL, 0, 0), 0);  // a drop-down list
  EXPECT_NE(SendMessageA(typed->Handle(), CBEM_GETEDITCONTROL, 0, 0), 0);
  EXPECT_EQ(SendMessageA(hwnd, CBEM_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(images->Handle()));
  ASSERT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 4);
  char text[64] = {};
  const COMBOBOXEXITEMA drive = ItemOf(hwnd, 1, text);
  EXPECT_EQ(std::string(text), "Drive C:");
  EXPECT_EQ(drive.iImage, 1);
  EXPECT_EQ(drive.iSelectedImage, 2);
  EXPECT_EQ(drive.iIndent, 1);
  EXPECT_EQ(ItemOf(hwnd, 0, text).iSelectedImage, 0);  // no selected image: the image
  EXPECT_EQ(places->ItemIndex(), 1);
  EXPECT_EQ(places->Text(), "Drive C:");
  EXPECT_EQ(typed->Text(), "hello");
  // DropDownCount items drop.
  places->SetDroppedDown(true);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(inner, &info));
  RECT client{};
  GetClientRect(info.hwndList, &client);
  EXPECT_EQ(client.bottom, 3 * SendMessageA(hwnd, CB_GETITEMHEIGHT, 0, 0));
  places->SetDroppedDown(false);

  EXPECT_EQ(GetEnumProp(places, "Style"), "csExDropDownList");
  EXPECT_EQ(GetOrdProp(places, "ItemIndex"), 1);
  EXPECT_EQ(GetObjectProp(places, "Images"), images);
  auto* items = As<TCollection>(GetObjectProp(places, "ItemsEx"));
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(GetStrProp(items->Item(2), "Caption"), "Documents");
  EXPECT_EQ(GetOrdProp(items->Item(2), "Indent"), 2);
  SetPropValue(places, "ItemIndex", "3");
  EXPECT_EQ(places->Text(), "Network");
  EXPECT_EQ(GetStrProp(places, "Text"), "Network");
  delete form;
}

TEST_F(ComboBoxExTest, ItemChangesReachTheWindowKeepingTheChoice) {
  RegisterStandardControls();
  TForm* form = ReadShownForm(kFormText);
  auto* places = As<TComboBoxEx>(form->FindComponent("Places"));
  HWND hwnd = places->Handle();
  places->Item(1)->SetCaption("Drive D:");
  char text[64] = {};
  ItemOf(hwnd, 1, text);
  EXPECT_EQ(std::string(text), "Drive D:");
  EXPECT_EQ(places->Text(), "Drive D:");
  places->AddItem("Printers", 0, -1, 1);
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(ItemOf(hwnd, 4, text).iIndent, 1);
  places->ItemsEx()->Delete(0);
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 4);
  ItemOf(hwnd, 0, text);
  EXPECT_EQ(std::string(text), "Drive D:");
  EXPECT_EQ(places->ItemIndex(), 1);
  // A new style is a new window with the same items and choice.
  places->SetStyle(TComboBoxExStyle::csExDropDown);
  EXPECT_NE(SendMessageA(places->Handle(), CBEM_GETEDITCONTROL, 0, 0), 0);
  EXPECT_EQ(SendMessageA(places->Handle(), CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(places->ItemIndex(), 1);
  EXPECT_EQ(places->Text(), "Documents");
  delete form;
}

TEST_F(ComboBoxExTest, ChoosingAndTypingFireTheEvents) {
  RegisterStandardControls();
  TForm* form = ReadShownForm(kFormText);
  auto* places = As<TComboBoxEx>(form->FindComponent("Places"));
  auto* typed = As<TComboBoxEx>(form->FindComponent("Typed"));
  int selects = 0, changes = 0, clicks = 0, typedChanges = 0;
  places->OnSelect = [&](TObject*) { ++selects; };
  places->OnChange = [&](TObject*) { ++changes; };
  places->OnClick = [&](TObject*) { ++clicks; };
  typed->OnChange = [&](TObject*) { ++typedChanges; };
  places->SetFocus();
  SendMessageA(GetFocus(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(places->ItemIndex(), 2);
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 0);  // OnSelect took it
  places->OnSelect = nullptr;
  SendMessageA(GetFocus(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(changes, 1);
  places->SetItemIndex(0);  // not the user's
  EXPECT_EQ(changes, 1);

  typed->SetText("set");  // not the user's
  EXPECT_EQ(typedChanges, 0);
  typed->SetFocus();
  HWND edit = GetFocus();
  EXPECT_EQ(edit, reinterpret_cast<HWND>(SendMessageA(typed->Handle(), CBEM_GETEDITCONTROL, 0, 0)));
  SendMessageA(edit, WM_CHAR, 'x', 0);
  EXPECT_EQ(typedChanges, 1);
  EXPECT_EQ(typed->Text(), "x");  // focusing selected the whole text
  delete form;
}

}  // namespace
}  // namespace brellis::test
