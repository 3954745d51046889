// Skinned menu entries drawn with a mini menu skin: which frame of the
// menu-item picture each kind of entry shows, the background handed over
// from the entry's window, marks, images, arrows and the disabled colour;
// which menus the engine switches to owner-drawn and which it leaves alone;
// raw HMENU entries drawn from their text.
#include <gtest/gtest.h>

#include "skin/engine/skin_popup_helpers.h"
#include "skin/forms/WinSkinMenu_Entry.h"
#include "toolkit/ImgList.h"

namespace skintest {
namespace {

constexpr TRect kEntry{0, 0, 160, 20};

class PopupItemsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    LoadMainSkin();
    UseMiniMenuPictures(skin);
    target.SetSize(RectWidth(kEntry), RectHeight(kEntry));
  }

  // A form with a popup menu, shown and attached (its popup switched then).
  TPopupMenu* ShownFormWithPopup(int tag = 0) {
    form = NewComponent<TForm>(Application);
    form->SetBounds(100, 100, 320, 240);
    popup = NewComponent<TPopupMenu>(form);
    popup->SetTag(tag);
    Add(popup->Items(), "&Open");
    form->Show();
    Settle(300);
    return popup;
  }
  TMenuItem* Add(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  void Draw(TMenuItem* item, bool selected = false) {
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(kEntry);
    item->DrawItem(target.Canvas(), kEntry, selected);
  }
  COLORREF At(int x, int y) { return GetPixel(target.Canvas()->Handle(), x, y); }
  COLORREF SkinRgb(int index) { return static_cast<COLORREF>(ColorToRGB(skin->Colours[index])); }

  TForm* form = nullptr;
  TPopupMenu* popup = nullptr;
  TBitmap target;
};

TEST_F(PopupItemsTest, EachEntryKindShowsItsFrameAndMarks) {
  ShownFormWithPopup();
  TMenuItem* open = popup->Items()->Items(0);
  TMenuItem* line = Add(popup->Items(), "-");
  TMenuItem* checked = Add(popup->Items(), "Checked");
  TMenuItem* radio = Add(popup->Items(), "Radio");
  TMenuItem* sub = Add(popup->Items(), "Arrange");
  Add(sub, "By name");
  // Entries added after the attach get the engine's events from a new switch.
  SetPopupMenusOwnerDraw(skin, form, true);
  checked->SetChecked(true);
  radio->SetRadioItem(true);
  radio->SetChecked(true);
  ASSERT_TRUE(popup->OwnerDraw());
  ASSERT_TRUE(HasSkinnedDrawEvent(open) && HasSkinnedMeasureEvent(open));

  // Normal frame 1, selected frame 4, at the entry's empty right end.
  Draw(open);
  EXPECT_EQ(At(150, 2), kItemFrameColours[0]);
  Draw(open, true);
  EXPECT_EQ(At(150, 2), kItemFrameColours[3]);
  // Selected text in HilightText.
  EXPECT_GT(CountColour(target, Rect(20, 0, 100, 20), SkinRgb(scHilightText)), 10);

  // The separator: frame 2 over the background.
  Draw(line);
  EXPECT_EQ(At(80, 10), kItemFrameColours[1]);

  // Check mark and radio bullet in clBtnText inside the glyph box; no arrow.
  const COLORREF mark = static_cast<COLORREF>(ColorToRGB(clBtnText));
  Draw(checked);
  EXPECT_GE(CountColour(target, Rect(1, 1, 17, 19), mark), 15);
  Draw(radio);
  const int bullet = CountColour(target, Rect(1, 1, 17, 19), mark);
  EXPECT_GE(bullet, 9);
  EXPECT_EQ(CountColour(target, Rect(148, 0, 160, 20), SkinRgb(scMenuText)), 0);
  // The sub-menu entry has its arrow in the last column.
  Draw(sub);
  EXPECT_GE(CountColour(target, Rect(148, 0, 160, 20), SkinRgb(scMenuText)), 10);
}

TEST_F(PopupItemsTest, BackgroundComesFromTheEntrysWindowAndImagesAreDrawn) {
  UseMiniMenuPictures(skin, true);
  ShownFormWithPopup();
  auto* images = NewComponent<TImageList>(form);
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(10, 220, 40)));
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  images->SetWidth(16);
  images->SetHeight(16);
  images->Add(&glyph, nullptr);
  popup->SetImages(images);
  TMenuItem* open = popup->Items()->Items(0);
  open->SetImageIndex(0);
  HMENU menu = popup->Handle();

  // No window tied to the menu: the Menu colour shows through frame 1.
  Draw(open);
  EXPECT_EQ(At(150, 2), SkinRgb(scMenu));
  EXPECT_GE(CountColour(target, Rect(0, 0, 30, 20), RGB(10, 220, 40)), 200);

  // The newest window without a menu takes the entry's; its background,
  // offset by the client inset, is under the entry.
  TWinSkinPopMenu older, newer;
  for (TWinSkinPopMenu* window : {&older, &newer}) {
    window->FBackground->SetSize(200, 40);
    window->FBackground->Canvas()->Brush()->SetColor(static_cast<TColor>(kMenuBackgroundColour));
    window->FBackground->Canvas()->FillRect(Rect(0, 0, 200, 40));
    SkinManager->FPopupMenus.push_back(window);
  }
  Draw(open);
  SkinManager->FPopupMenus.clear();
  EXPECT_EQ(newer.FMenuHandle, menu);
  EXPECT_EQ(older.FMenuHandle, nullptr);
  EXPECT_EQ(At(150, 2), kMenuBackgroundColour);
}

TEST_F(PopupItemsTest, DisabledEntriesUseButtonShadowUnlessItIsTheMenuText) {
  ShownFormWithPopup();
  TMenuItem* paste = popup->Items()->Items(0);
  paste->SetEnabled(false);
  skin->Colours[scButtonShadow] = static_cast<TColor>(RGB(150, 20, 20));
  Draw(paste);
  EXPECT_GT(CountColour(target, Rect(20, 0, 100, 20), RGB(150, 20, 20)), 10);
  skin->Colours[scButtonShadow] = skin->Colours[scMenuText];
  Draw(paste);
  EXPECT_GT(CountColour(target, Rect(20, 0, 100, 20), static_cast<COLORREF>(ColorToRGB(clBtnShadow))), 10);
}

TEST_F(PopupItemsTest, TheProgramsOwnEventsWinAndSurviveSwitchingOff) {
  form = NewComponent<TForm>(Application);
  popup = NewComponent<TPopupMenu>(form);
  TMenuItem* own = Add(popup->Items(), "Own");
  TMenuItem* plain = Add(popup->Items(), "Plain");
  int drawn = 0;
  own->OnDrawItem = [&drawn](TObject*, TCanvas*, TRect, bool) { ++drawn; };
  form->Show();
  Settle(300);
  EXPECT_FALSE(HasSkinnedDrawEvent(own));
  EXPECT_TRUE(HasSkinnedMeasureEvent(own));
  EXPECT_TRUE(HasSkinnedDrawEvent(plain));
  Draw(own);
  EXPECT_EQ(drawn, 1);

  SetPopupMenusOwnerDraw(skin, form, false);
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_TRUE(own->OnDrawItem);
  EXPECT_FALSE(own->OnMeasureItem);
  EXPECT_FALSE(plain->OnDrawItem);
  EXPECT_FALSE(plain->OnMeasureItem);
}

TEST_F(PopupItemsTest, DisableTagAndMenuItemsOffLeaveMenusClassic) {
  ShownFormWithPopup(skin->DisableTag());
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(popup->Items()->Items(0)->OnDrawItem);

  auto* bar = NewComponent<TMainMenu>(form);
  TMenuItem* file = Add(bar->Items(), "&File");
  TMenuItem* exit = Add(file, "E&xit");
  ASSERT_FALSE(skin->SkinControls().Contains(TSkinControlType::xcMenuItem));
  SetMainMenusOwnerDraw(skin, form, true);
  EXPECT_FALSE(bar->OwnerDraw());
  EXPECT_FALSE(exit->OnDrawItem);

  TSkinControlTypes kinds = skin->SkinControls();
  kinds.Include(TSkinControlType::xcMenuItem);
  skin->SetSkinControls(kinds);
  SetMainMenusOwnerDraw(skin, form, true);
  EXPECT_TRUE(bar->OwnerDraw());
  EXPECT_FALSE(file->OnDrawItem);  // the bar's own entries are the menu bar's
  EXPECT_TRUE(HasSkinnedDrawEvent(exit));
  SetMainMenusOwnerDraw(skin, form, false);
  EXPECT_FALSE(exit->OnDrawItem);
  EXPECT_FALSE(bar->OwnerDraw());
}

TEST_F(PopupItemsTest, RawEntriesAreMeasuredAndDrawnFromTheirText) {
  HWND window = ShowWindowOf(WS_OVERLAPPEDWINDOW);
  Settle(300);
  TWinSkinForm* skinned = SkinFormOf(window);
  ASSERT_NE(skinned, nullptr);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 0x2001, u"Raw entry");
  skinned->FMenuHandle = menu;
  skinned->FOpenSubMenu = menu;

  MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0x2001, 0, 0, 0};
  LRESULT result = 0;
  ASSERT_TRUE(SkinMenuOwnerMessage(*skinned, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
  TCanvas probe;
  probe.SetHandle(target.Canvas()->Handle());
  UseMenuFont(&probe, false);
  EXPECT_EQ(static_cast<int>(measure.itemWidth), probe.TextWidth("Raw entry") + 26 + skin->MenuItem->LeftWidth);
  probe.SetHandle(nullptr);

  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(kEntry);
  DRAWITEMSTRUCT draw{ODT_MENU, 0, 0x2001, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(menu),
                      target.Canvas()->Handle(), RECT{0, 0, 160, 20}, 0};
  ASSERT_TRUE(SkinMenuOwnerMessage(*skinned, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), result));
  EXPECT_EQ(result, TRUE);
  EXPECT_EQ(At(150, 2), kItemFrameColours[0]);
  EXPECT_GT(CountColour(target, Rect(20, 0, 120, 20), SkinRgb(scMenuText)), 20);
  skinned->FMenuHandle = nullptr;
  skinned->FOpenSubMenu = nullptr;
  DestroyMenu(menu);
  DestroyWindow(window);
}

}  // namespace
}  // namespace skintest
