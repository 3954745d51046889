// The loader on small hand-made packages: one edge case of the INI vocabulary
// each, the defaults of a bare skin, refused packages and a second load.
#include <gtest/gtest.h>

#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"
#include "skin_data_helpers.h"

namespace {

using skintest::PackageOf;
using skintest::Picture;
using skintest::PixelOf;

TEST(ParseColour, ComponentsSeparatorsAndOverflow) {
  EXPECT_EQ(TSkinData::ParseColour("224 223 227"), static_cast<TColor>(RGB(224, 223, 227)));
  EXPECT_EQ(TSkinData::ParseColour("1,2,3"), static_cast<TColor>(RGB(1, 2, 3)));
  // A number still pending at the end is taken only after two others.
  EXPECT_EQ(TSkinData::ParseColour("1 2"), static_cast<TColor>(RGB(1, 0, 0)));
  EXPECT_EQ(TSkinData::ParseColour("300 0 0"), static_cast<TColor>(RGB(44, 0, 0)));
  EXPECT_EQ(TSkinData::ParseColour("  7;8;9  "), static_cast<TColor>(RGB(7, 8, 9)));
  EXPECT_EQ(TSkinData::ParseColour(""), 0);
  EXPECT_EQ(TSkinData::ParseColour("red"), 0);
  // Only three components exist: further numbers are ignored.
  EXPECT_EQ(TSkinData::ParseColour("1,2,3,4,5,6,"), static_cast<TColor>(RGB(1, 2, 3)));
  // A number too large stays pending and swallows the digits after it.
  EXPECT_EQ(TSkinData::ParseColour("1 99999999999,2 3"), static_cast<TColor>(RGB(1, 0, 0)));
}

TEST(SkinLoading, BareSkinTakesTheDefaults) {
  TSkinData skin;
  ASSERT_TRUE(skin.NoSkin());
  ASSERT_TRUE(skin.LoadSkin(PackageOf("[Colours]\nButtonFace=1 2\n")));
  EXPECT_FALSE(skin.NoSkin());
  // Two numbers: red only. "Menubar" takes the "ButtonFace" just read.
  EXPECT_EQ(skin.Colours[scButtonFace], static_cast<TColor>(RGB(1, 0, 0)));
  EXPECT_TRUE(skin.ColourGiven[scButtonFace]);
  EXPECT_EQ(skin.Colours[scMenubar], static_cast<TColor>(RGB(1, 0, 0)));
  EXPECT_FALSE(skin.ColourGiven[scMenubar]);
  EXPECT_EQ(skin.Colours[scWindowText], clWindowText);
  EXPECT_EQ(skin.Colours[scButtonlight], clBtnHighlight);
  EXPECT_EQ(skin.Colours[scButtonDkShadow], cl3DDkShadow);
  EXPECT_EQ(skin.Colours[scScrollbar], clScrollBar);
  // No "Top" picture: the frame colour is "ButtonFace".
  EXPECT_EQ(skin.Colours[scFrame], static_cast<TColor>(RGB(1, 0, 0)));
  EXPECT_EQ(skin.Title->FontHeight, 14);
  EXPECT_EQ(skin.Title->ActiveText, clNone);
  EXPECT_EQ(skin.Left->Frame, 1);
  EXPECT_EQ(skin.Left->Tile, 1);
  EXPECT_EQ(skin.Left->Trans, 1);
  EXPECT_EQ(skin.Buttons->Frame, 5);
  EXPECT_EQ(skin.Buttons->RadioButtonFrame, 4);  // no strip: at least 4
  EXPECT_EQ(skin.Buttons->NormalColour, -1);
  EXPECT_FALSE(skin.Buttons->HasNormalColour2);
  EXPECT_EQ(skin.Buttons->NormalColour2, clBtnText);
  for (const TDataSkinObject* absent :
       {static_cast<TDataSkinObject*>(skin.Progress.get()), skin.MenuBar.get(), skin.TabPane.get(),
        static_cast<TDataSkinObject*>(skin.ComboButton.get()), skin.SunkEdge.get(), skin.Scrollbar.get()}) {
    EXPECT_EQ(absent, nullptr);
  }
  // Only the three MDI buttons, without pictures.
  ASSERT_EQ(skin.SysButtons.size(), 3u);
  EXPECT_TRUE(skin.SysButtons[0]->Picture->Empty());
  EXPECT_TRUE(skin.ComboxArrow->Picture->Empty());
  EXPECT_EQ(skin.Toolbar->Picture->Height(), 40);
}

TEST(SkinLoading, NoTrackUsesTheBuiltInPictures) {
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(PackageOf("[Colours]\n")));
  ASSERT_NE(skin.Track, nullptr);
  EXPECT_EQ(skin.Track->Name, "TRACK");
  EXPECT_EQ(skin.Track->Picture->Width(), 16);
  EXPECT_EQ(skin.Track->Picture->Height(), 4);
  EXPECT_EQ(skin.Track->Margins().left, 3);
  EXPECT_EQ(skin.Track->Margins().bottom, 3);
  EXPECT_EQ(skin.Track->Frame, 1);
  EXPECT_EQ(skin.TrackVert->Name, "TRACKVERT");
  EXPECT_EQ(skin.TrackVert->Picture->Width(), 4);
  EXPECT_EQ(skin.TrackVert->Picture->Height(), 16);
}

TEST(SkinLoading, CaptionButtonFilterFramesAndPositions) {
  const std::string ini =
      "[Button.App]\nAction=-1\nButtonImage=app.bmp\n"
      "[Button.Shown]\nAction=-1\nVisibility=0\nButtonImage=app.bmp\n"
      "[Button.Help]\nAction=4\nXcoord=9\nButtonImage=narrow.bmp\n"
      "[Button.Max]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=3\nButtonImage=wide.bmp\n"
      "[Button.Help2]\nAction=4\nButtonImage=wide.bmp\n"
      "[Button.Icon]\nAction=3\nButtonImage=wide.bmp\n"
      "[Buttons]\n[Button]\n[Button.Radio]\n[Button.CheckBox]\n";
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(PackageOf(ini, {{"app.bmp", 120, 30}, {"wide.bmp", 120, 30}, {"narrow.bmp", 114, 30}})));
  ASSERT_EQ(skin.SysButtons.size(), 5u + 3u);
  const TDataSkinSysButton& shown = *skin.SysButtons[0];
  EXPECT_EQ(shown.Name, "BUTTON.SHOWN");
  EXPECT_EQ(shown.Visibility1, -1);
  EXPECT_EQ(shown.Frame, 6);  // Action -1
  // A help button before any maximise button sits at (0, 0).
  const TDataSkinSysButton& help = *skin.SysButtons[1];
  EXPECT_EQ(help.Xcoord, 0);
  EXPECT_EQ(help.Frame, 3);  // 114 × 30: ratio exactly 3.8
  const TDataSkinSysButton& maximise = *skin.SysButtons[2];
  EXPECT_EQ(maximise.Frame, 6);  // 120 × 30: ratio 4.0
  const TDataSkinSysButton& help2 = *skin.SysButtons[3];
  EXPECT_EQ(help2.Xcoord, 40);
  EXPECT_EQ(help2.Ycoord, 3);
  const TDataSkinSysButton& icon = *skin.SysButtons[4];
  EXPECT_EQ(icon.Name, "BUTTON.ICON");
  EXPECT_TRUE(icon.Picture->Empty());
}

TEST(SkinLoading, PictureNamesMarginsAndFrameFixes) {
  const std::string ini =
      "[Tab.Pane]\nImage=folder\\pane.bmp\nTopHeight=9\nLeftWidth=2\nRightWidth=5\nBottomHeight=4\n"
      "[StatusBarEdges]\nImage=CAPS.BMP\nFrame=7\n"
      "[Headerbar]\nImage=pane.bmp\n"
      "[MenuItem]\nImage=pane.bmp\nTile=3\n"
      "[HorzScrollThumb]\nImage=pane.bmp\nFrameCount=2\n"
      "[Progress]\nBitmap=pane.bmp\nTile=4\n"
      "[Personality]\nTop=pane.bmp\nTopFrame=0\nmenuBar=pane.bmp\n"
      "[Buttons]\nCheckButton=pane.bmp\n"
      "[Colour.Link]\ncolor=10 20 30\n[Colours]\n[ColourEmpty]\n";
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(PackageOf(ini, {{"pane.bmp", 64, 18, RGB(10, 200, 30)}, {"caps.bmp", 8, 8}})));
  const TRect pane = skin.TabPane->Margins();
  EXPECT_EQ(pane.top, 4);
  EXPECT_EQ(pane.left, 2);
  EXPECT_EQ(pane.right, 4);
  EXPECT_EQ(pane.bottom, 4);
  EXPECT_FALSE(skin.TabPane->Picture->Empty());  // the folder part is dropped
  // ".BMP" in capitals does not qualify, even though the entry exists.
  ASSERT_NE(skin.StatusBarEdges, nullptr);
  EXPECT_TRUE(skin.StatusBarEdges->Picture->Empty());
  EXPECT_EQ(skin.StatusBarEdges->Frame, 3);
  EXPECT_EQ(skin.Headerbar->Frame, 5);  // 0 from the skin
  EXPECT_EQ(skin.MenuItem->Tile, 0);
  EXPECT_EQ(skin.HorzScrollThumb->Frame, 2);
  EXPECT_EQ(skin.Progress->Tile, 1);
  EXPECT_EQ(skin.Progress->Frame, 2);  // Style 0
  EXPECT_EQ(skin.MenuBar->Name, "Personality");
  EXPECT_EQ(skin.MenuBar->LeftWidth, 1);
  // 64 × 18 strip without a count: 18 high gives cells of 16, 4 frames.
  EXPECT_EQ(skin.Buttons->CheckButtonFrame, 4);
  // "TopFrame" 0 counts as one frame for the frame colour.
  EXPECT_EQ(skin.Colours[scFrame], static_cast<TColor>(RGB(10, 200, 30)));
  ASSERT_EQ(skin.ColourSections.size(), 2u);
  EXPECT_EQ(skin.ColourSections[0], static_cast<TColor>(RGB(10, 20, 30)));
  EXPECT_EQ(skin.ColourSections[1], clWindowText);
}

TEST(SkinLoading, NegativeTopFrameStillReadsInsideThePicture) {
  TSkinData skin;
  ASSERT_TRUE(
      skin.LoadSkin(PackageOf("[Personality]\nTop=top.bmp\nTopFrame=-3\n", {{"top.bmp", 30, 30, RGB(1, 2, 3)}})));
  EXPECT_EQ(skin.Colours[scFrame], static_cast<TColor>(RGB(1, 2, 3)));
}

TEST(SkinLoading, SunkEdgeWithoutComboButtonHasNoArrow) {
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(PackageOf("[SunkEdge]\nImage=edge.bmp\n", {{"edge.bmp", 80, 21}})));
  ASSERT_NE(skin.SunkEdge, nullptr);
  EXPECT_EQ(skin.SunkEdge->Frame, 4);
  EXPECT_EQ(skin.SunkEdge->Picture->Width(), 80);  // no combo strip built
  EXPECT_TRUE(skin.ComboxArrow->Picture->Empty());
}

TEST(SkinLoading, ComboButtonWithoutSunkEdgeGivesTheButtonAsArrow) {
  const std::string ini = "[Colours]\nButtonFace=9 8 7\n[ComboButton]\nImage=combo.bmp\n";
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(PackageOf(ini, {{"combo.bmp", 72, 21, RGB(255, 0, 255)}})));
  EXPECT_EQ(skin.ComboButton->Picture2->Width(), 72);
  EXPECT_EQ(skin.ComboxArrow->Frame, 4);
  ASSERT_EQ(skin.ComboxArrow->Picture->Width(), 72);
  EXPECT_EQ(PixelOf(*skin.ComboxArrow->Picture, 5, 5), RGB(9, 8, 7));
}

TEST(SkinLoading, NarrowMdiStripLeavesTheButtonsEmpty) {
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(PackageOf("[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", 11, 14}})));
  ASSERT_EQ(skin.SysButtons.size(), 3u);
  for (const auto& button : skin.SysButtons) EXPECT_TRUE(button->Picture->Empty());
  EXPECT_EQ(skin.SysButtons[0]->Xcoord, 12);
}

TEST(SkinLoading, RefusedPackageKeepsTheModelButCountsAsNoSkin) {
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(PackageOf("[Progress]\nBitmap=bar.bmp\n", {{"bar.bmp", 10, 10}})));
  const std::uint8_t junk[] = {1, 2, 3};
  EXPECT_FALSE(skin.LoadSkin(junk));
  EXPECT_TRUE(skin.NoSkin());
  EXPECT_NE(skin.Progress, nullptr);
  EXPECT_FALSE(skin.LoadSkinFile("/nonexistent/skin.skn"));
}

TEST(SkinLoading, SecondLoadReplacesEveryOptionalMember) {
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(skintest::EmbeddedSkin()));
  ASSERT_NE(skin.Progress, nullptr);
  ASSERT_TRUE(skin.LoadSkin(PackageOf("[Colours]\nButtonFace=5 6 7\n")));
  EXPECT_EQ(skin.Progress, nullptr);
  EXPECT_EQ(skin.ComboButton, nullptr);
  EXPECT_EQ(skin.Track->Name, "TRACK");
  EXPECT_EQ(skin.SysButtons.size(), 3u);
  EXPECT_TRUE(skin.ComboxArrow->Picture->Empty());
  EXPECT_TRUE(skin.Top->Picture->Empty());  // always-present members are overwritten
  EXPECT_EQ(skin.Colours[scButtonFace], static_cast<TColor>(RGB(5, 6, 7)));
  EXPECT_EQ(skin.SkinName, "");
}

TEST(SkinLoading, DamagedBitmapReachesTheCallerAndTheNextLoadWorks) {
  std::vector<TSkinEntry> entries;
  const std::string ini = "[Progress]\nBitmap=bad.bmp\n";
  entries.push_back({"skin.ini", skintest::Bytes(ini.begin(), ini.end())});
  entries.push_back({"bad.bmp", skintest::Bytes{'B', 'M', 0, 1, 2}});
  TMemoryStream package;
  WriteSkinPackage(entries, package);
  TSkinData skin;
  EXPECT_THROW(skin.LoadSkin(skintest::Bytes(package.Memory(), package.Memory() + package.Size())), Exception);
  EXPECT_TRUE(skin.NoSkin());
  EXPECT_TRUE(skin.LoadSkin(skintest::EmbeddedSkin()));
}

}  // namespace
