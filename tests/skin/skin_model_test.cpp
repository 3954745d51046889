// The embedded skin "tesmera-metallic" loaded into the model: colours, frame
// counts, caption buttons, the MDI buttons and the pictures the loader derives.
#include <gtest/gtest.h>

#include "skin/WinSkinData.h"
#include "skin/controls/imgutil.h"
#include "skin_data_helpers.h"

namespace {

using skintest::PixelOf;

class EmbeddedSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(skintest::EmbeddedSkin().empty());
    ASSERT_TRUE(skin.LoadSkin(skintest::EmbeddedSkin()));
  }
  TSkinData skin;
};

TEST_F(EmbeddedSkin, ColoursNameAndState) {
  EXPECT_FALSE(skin.NoSkin());
  EXPECT_EQ(skin.SkinName, "tesmera-metallic");
  EXPECT_EQ(skin.Colours[scButtonFace], static_cast<TColor>(RGB(224, 223, 227)));
  EXPECT_EQ(skin.Colours[scHilight], static_cast<TColor>(RGB(66, 112, 176)));
  for (const int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 18}) {
    EXPECT_TRUE(skin.ColourGiven[static_cast<std::size_t>(index)]) << SkinColourKeys[index];
  }
  EXPECT_EQ(skin.Colours[9], 0);
  EXPECT_EQ(skin.Colours[10], 0);
  EXPECT_TRUE(skin.ColourSections.empty());
  // The frame colour is the pixel a third into the active frame of "Top".
  EXPECT_EQ(skin.Colours[scFrame], skin.Top->Picture->Canvas()->Pixels(64 / 3, 52 / 2 / 3));
  EXPECT_EQ(skin.Title->ActiveText, static_cast<TColor>(RGB(30, 34, 42)));
  EXPECT_EQ(skin.Title->FontHeight, 12);
  EXPECT_NE(skin.SkinBrush(), nullptr);
}

TEST_F(EmbeddedSkin, FrameCounts) {
  EXPECT_EQ(skin.Buttons->Frame, 5);
  EXPECT_EQ(skin.Buttons->CheckButtonFrame, 12);
  EXPECT_EQ(skin.Buttons->RadioButtonFrame, 8);
  EXPECT_TRUE(skin.Buttons->HasNormalColour2);
  EXPECT_EQ(skin.Buttons->MouseOverColour2, static_cast<TColor>(RGB(22, 52, 100)));
  EXPECT_EQ(skin.Top->Frame, 2);
  EXPECT_EQ(skin.Left->TopHeight, 26);
  EXPECT_EQ(skin.Top->LeftWidth, 8);
  EXPECT_EQ(skin.Title->Frame, 2);
  EXPECT_EQ(skin.Progress->Frame, 1);  // Style 1
  EXPECT_EQ(skin.MenuBar->Frame, 2);
  EXPECT_EQ(skin.MenuBar->LeftWidth, 4);
  EXPECT_EQ(skin.Tabs->Frame, 5);
  EXPECT_FALSE(skin.Tabs->Picture2->Empty());
  EXPECT_EQ(skin.StatusBarEdges->Frame, 3);
  EXPECT_EQ(skin.Headerbar->Frame, 2);
  EXPECT_EQ(skin.Scrollbar->Frame, 23);
  EXPECT_EQ(skin.HorzScrollThumb->Frame, 3);
  EXPECT_EQ(skin.UpDownVert->Frame, 8);
  EXPECT_EQ(skin.UpDownVert->Picture2->Width(), 56);
  EXPECT_EQ(skin.ThumbDown->Frame, 5);
  EXPECT_EQ(skin.GroupBox->BackgroundLeftShift, 6);
  EXPECT_EQ(skin.Track->Picture->Width(), 24);  // the skin's own, not the built-in one
  EXPECT_EQ(skin.TrackVert->Picture->Height(), 24);
  EXPECT_EQ(skin.Toolbar->Frame, 1);
}

TEST_F(EmbeddedSkin, CaptionButtonsInFileOrderThenTheMdiButtons) {
  const struct {
    const char* name;
    int action, x, frame;
    bool picture;
  } expected[] = {
      {"BUTTON.CLOSE", 0, 27, 4, true},    {"BUTTON.MAXIMIZE", 1, 50, 4, true}, {"BUTTON.RESTORE", 1, 50, 4, true},
      {"BUTTON.MINIMIZE", 2, 73, 4, true}, {"BUTTON.HELP", 4, 50, 4, true},     {"BUTTON.SYSMENU", 3, 6, 6, false},
  };
  ASSERT_EQ(skin.SysButtons.size(), std::size(expected) + 3);
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const TDataSkinSysButton& button = *skin.SysButtons[i];
    EXPECT_EQ(button.Name, expected[i].name);
    EXPECT_EQ(button.Action, expected[i].action) << expected[i].name;
    EXPECT_EQ(button.Xcoord, expected[i].x) << expected[i].name;
    EXPECT_EQ(button.Frame, expected[i].frame) << expected[i].name;
    EXPECT_EQ(!button.Picture->Empty(), expected[i].picture) << expected[i].name;
    EXPECT_EQ(button.CombineOp, -1);
  }
  // The MDI strip is 192 × 14: three buttons of four 16-pixel frames.
  for (int k = 0; k < 3; ++k) {
    const TDataSkinSysButton& button = *skin.SysButtons[std::size(expected) + static_cast<std::size_t>(k)];
    EXPECT_EQ(button.Action, 7 + k);
    EXPECT_EQ(button.Align, 100);
    EXPECT_EQ(button.Visibility, 100);
    EXPECT_EQ(button.Visibility1, 100);
    EXPECT_EQ(button.Frame, 4);
    EXPECT_EQ(button.Xcoord, 20 * (3 - k));
    EXPECT_EQ(button.Picture->Width(), 64);
    EXPECT_EQ(button.Picture->Height(), 14);
  }
}

TEST_F(EmbeddedSkin, ComboPicturesAreFiftyByTwentyOneCells) {
  TDataSkinBorder& button = *skin.ComboButton;
  TDataSkinObject& edge = *skin.SunkEdge;
  ASSERT_EQ(button.Picture->Width(), 200);
  ASSERT_EQ(button.Picture->Height(), 21);
  EXPECT_EQ(button.Style, 2);
  EXPECT_EQ(button.Frame, 4);
  const int b = 16 + 2;  // SM_CXHSCROLL + 2
  EXPECT_EQ(button.Margins().left, 2);
  EXPECT_EQ(button.Margins().right, b + 2);
  EXPECT_EQ(button.TopHeight, edge.TopHeight);
  EXPECT_EQ(edge.LeftWidth, b + 2);
  EXPECT_EQ(edge.RightWidth, 2);
  // The mirrored original strip.
  EXPECT_EQ(button.Picture2->Width(), 72);
  EXPECT_EQ(button.Picture2->PixelFormat(), TPixelFormat::pf24bit);

  TBitmap mirrored;
  mirrored.Assign(edge.Picture.get());
  MirrorPicture(&mirrored);
  for (int cell = 0; cell < 4; ++cell) {
    const int x = 50 * cell;
    // The text area is transparent, the border and button are drawn.
    EXPECT_EQ(PixelOf(*button.Picture, x + 10, 10), RGB(255, 0, 255)) << cell;
    EXPECT_NE(PixelOf(*button.Picture, x + 50 - b / 2, 10), RGB(255, 0, 255)) << cell;
    EXPECT_NE(PixelOf(*button.Picture, x + 10, 0), RGB(255, 0, 255)) << cell;
    // "SunkEdge" holds the same strip mirrored left to right.
    EXPECT_EQ(PixelOf(mirrored, x + 10, 0), PixelOf(*button.Picture, x + 10, 0)) << cell;
    EXPECT_EQ(PixelOf(mirrored, x + 45, 10), PixelOf(*button.Picture, x + 45, 10)) << cell;
  }
}

TEST_F(EmbeddedSkin, ComboArrowIsCutFromTheComboStrip) {
  TDataSkinObject& arrow = *skin.ComboxArrow;
  ASSERT_EQ(arrow.Picture->Width(), 4 * 17);
  ASSERT_EQ(arrow.Picture->Height(), 17);
  EXPECT_EQ(arrow.Frame, 4);
  for (int i = 1; i <= 4; ++i) {
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{8, 8}, std::pair{16, 16}}) {
      EXPECT_EQ(PixelOf(*arrow.Picture, 17 * (i - 1) + x, y),
                PixelOf(*skin.ComboButton->Picture, 50 * i - 19 + x, 2 + y));
    }
  }
}

TEST_F(EmbeddedSkin, ToolbarGradientRunsFromLightFaceToFrameTone) {
  TBitmap& picture = *skin.Toolbar->Picture;
  ASSERT_EQ(picture.Width(), 10);
  ASSERT_EQ(picture.Height(), 40);
  const TColor top = MixColors(skin.Colours[scButtonFace], clWhite, 150);
  const TColor frame = skin.Colours[scFrame];
  const int s = ColorSaturation(frame);
  const TColor bottom =
      s > 110 ? MixColors(frame, clWhite, (225 - s) * 25 / 140 + 50) : MixColors(0x808080, frame, 150);
  const std::vector<TColor>& bands = GradientColors(GetGradient(40, top, bottom));
  ASSERT_EQ(bands.size(), 40u);
  for (const int y : {0, 13, 39}) {
    EXPECT_EQ(PixelOf(picture, 0, y), ColorToRGB(bands[static_cast<std::size_t>(y)])) << y;
    EXPECT_EQ(PixelOf(picture, 9, y), ColorToRGB(bands[static_cast<std::size_t>(y)])) << y;
  }
  EXPECT_NE(PixelOf(picture, 0, 0), PixelOf(picture, 0, 39));
}

}  // namespace
