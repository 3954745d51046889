// What the loader fixes and derives after reading: the frame counts, the
// combo box strips, the combo arrow and the tool bar gradient.
#include <algorithm>

#include "platform/user/user.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"
#include "skin/controls/imgutil.h"
#include "skin/forms/WinSkinForm.h"

namespace {

// Frames of a check box or radio button strip when the skin does not say:
// cells of 13 pixels for small strips, else 16, and at least 4 frames.
int StripFrames(const TBitmap& strip) {
  const int cell = strip.Height() < 16 ? 13 : 16;
  return std::max(strip.Width() / cell, 4);
}

// A 24-bit picture of the given size filled with the key colour.
std::unique_ptr<TBitmap> KeyColouredPicture(int width, int height) {
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(TPixelFormat::pf24bit);
  picture->SetSize(width, height);
  picture->Canvas()->Brush()->SetColor(kSkinKeyColour);
  picture->Canvas()->FillRect(Rect(0, 0, width, height));
  return picture;
}

}  // namespace

void TSkinData::SetFrameCounts() {
  Buttons->Frame = 5;
  if (Buttons->RadioButtonFrame == 0) Buttons->RadioButtonFrame = StripFrames(*Buttons->RadioPicture);
  if (Buttons->CheckButtonFrame == 0) Buttons->CheckButtonFrame = StripFrames(*Buttons->CheckPicture);

  Title->Frame = 2;
  if (Progress) Progress->Frame = Progress->Style != 0 ? 1 : 2;
  const std::pair<TDataSkinObject*, int> fixed[] = {
      {MenuBar.get(), 2},        {GroupBoxEdge.get(), 2}, {Toolbar.get(), 1},        {ToolBars.get(), 5},
      {Tabs.get(), 5},           {TabPane.get(), 1},      {StatusBarEdges.get(), 3}, {GroupBox.get(), 1},
      {ComboButton.get(), 4},    {SunkEdge.get(), 4},     {ExtraImages.get(), 5},    {MenuItem.get(), 5},
      {MenuBackground.get(), 1}, {Scrollbar.get(), 23},   {HorzScroll.get(), 4},     {VertScroll.get(), 4},
      {UpDownVert.get(), 8},     {UpDownHorz.get(), 8},   {ThumbHorz.get(), 5},      {ThumbVert.get(), 5},
      {ThumbLeft.get(), 5},      {ThumbRight.get(), 5},   {ThumbUp.get(), 5},        {ThumbDown.get(), 5},
  };
  for (const auto& [object, frames] : fixed) {
    if (object) object->Frame = frames;
  }
  if (Headerbar && Headerbar->Frame == 0) Headerbar->Frame = 5;
  if (HorzScrollThumb) HorzScrollThumb->Frame = FIni->ReadInteger("HorzScrollThumb", "FrameCount", 3);
  if (VertScrollThumb) VertScrollThumb->Frame = FIni->ReadInteger("VertScrollThumb", "FrameCount", 3);
}

void TSkinData::BuildComboPictures() {
  if (!SunkEdge || !ComboButton) return;
  constexpr int cellWidth = 50;
  constexpr int cellHeight = 21;
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;  // the button part
  const int n = SunkEdge->Frame;
  const TRect button = Rect(cellWidth - b, 0, cellWidth, cellHeight);

  std::unique_ptr<TBitmap> strip = KeyColouredPicture(cellWidth * n, cellHeight);
  for (int i = 1; i <= n; ++i) {
    std::unique_ptr<TBitmap> cell = KeyColouredPicture(cellWidth, cellHeight);
    HDC dc = cell->Canvas()->Handle();
    PaintSkinPicture(dc, Rect(0, 0, cellWidth, cellHeight), SunkEdge->Picture.get(), false, false, SunkEdge->Trans != 0,
                     n, i, SunkEdge->Margins());
    PaintSkinPicture(dc, button, ComboButton->Picture.get(), false, false, true, ComboButton->Frame, i,
                     ComboButton->Margins());
    if (ExtraImages) PaintFrameCentered(dc, button, ExtraImages->Picture.get(), true, ExtraImages->Frame, i);
    // The text area stays transparent.
    cell->Canvas()->FillRect(Rect(2, 2, cellWidth - 1 - b, cellHeight - 3));
    strip->Canvas()->Draw(cellWidth * (i - 1), 0, cell.get());
  }

  ComboButton->Style = 2;
  ComboButton->LeftWidth = 2;
  ComboButton->TopHeight = SunkEdge->TopHeight;
  ComboButton->RightWidth = b + 2;
  ComboButton->BottomHeight = SunkEdge->BottomHeight;
  ComboButton->Picture->Assign(strip.get());

  // The mirrored strip serves right-to-left layouts.
  MirrorPicture(strip.get());
  SunkEdge->Picture = std::move(strip);
  SunkEdge->LeftWidth = b + 2;
  SunkEdge->RightWidth = 2;
}

void TSkinData::BuildComboArrow() {
  if (!ComboxArrow) {
    ComboxArrow = std::make_unique<TDataSkinObject>();
    ComboxArrow->Name = "ComboxArrow";
  }
  // Rebuilt from nothing at every load.
  ComboxArrow->Picture->Clear();
  ComboxArrow->Frame = 0;

  if (!SunkEdge) {
    if (!ComboButton) return;
    ComboxArrow->Picture->Assign(ComboButton->Picture.get());
    ReplaceKeyColour(ComboxArrow->Picture.get(), static_cast<TColor>(ColorToRGB(Colours[scButtonFace])));
    ComboxArrow->Frame = ComboButton->Frame;
    return;
  }
  if (!ComboButton || ComboButton->Style != 2) return;
  const int n = SunkEdge->Frame;
  if (n < 1) return;
  const int w = ComboButton->Picture->Width() / n;
  TBitmap& arrow = *ComboxArrow->Picture;
  arrow.SetPixelFormat(TPixelFormat::pf24bit);
  arrow.SetSize(17 * n, 17);
  for (int i = 1; i <= n; ++i) {
    arrow.Canvas()->CopyRect(Rect(17 * (i - 1), 0, 17 * i, 17), ComboButton->Picture->Canvas(),
                             Rect(i * w - 19, 2, i * w - 2, 19));
  }
  ComboxArrow->Frame = n;
}

void TSkinData::BuildToolbarPicture() {
  const TColor top = MixColors(Colours[scButtonFace], clWhite, 150);
  const TColor frame = FrameColour();
  const int s = ColorSaturation(frame);
  const TColor bottom = s > 110 ? MixColors(frame, clWhite, (225 - s) * 25 / 140 + 50)
                                : MixColors(static_cast<TColor>(0x808080), frame, 150);
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(TPixelFormat::pf24bit);
  picture->SetSize(10, 40);
  FillGradient(picture->Canvas()->Handle(), Rect(0, 0, 10, 40), top, true, bottom);

  if (!Toolbar) {
    Toolbar = std::make_unique<TDataSkinObject>();
    Toolbar->Name = "Toolbar";
  }
  Toolbar->Picture = std::move(picture);
  Toolbar->Frame = 1;
}
