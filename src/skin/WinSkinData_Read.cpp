// ReadSkin and the readers of the skin objects, in the order the loader runs
// them: later steps use what earlier ones read.
#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"
#include "skin/controls/imgutil.h"

void TSkinData::ReadSkin() {
  FSections.Clear();
  FIni->ReadSections(&FSections);
  SkinName = FIni->ReadString("TitlebarSkin", "SkinName", "");
  ReadFrameSides();
  ReadColours();
  ReadCaptionButtons();
  ReadButtons();
  ReadTitle("Personality");
  ReadBar(Progress, "Progress");
  ReadObject(ProgressChunk, "Progress.Chunk");
  ReadMenuBar("Personality");
  ReadObject(GroupBoxEdge, "GroupBoxEdge");
  ReadBoxLabel(GroupBox, "GroupBox");
  ReadObjectEx(Tabs, "Tabs", "Border");
  ReadObject(StatusBarEdges, "StatusBarEdges");
  ReadObject(TabPane, "Tab.Pane");
  if (TabPane) {
    for (int* margin : {&TabPane->LeftWidth, &TabPane->TopHeight, &TabPane->RightWidth, &TabPane->BottomHeight}) {
      *margin = std::min(*margin, 4);
    }
  }
  ReadObject(ToolBars, "ToolBars");
  // No skin has the key "****": the combo button's second picture is derived.
  ReadObjectEx(ComboButton, "ComboButton", "****");
  ReadObject(SunkEdge, "SunkEdge");
  if (ComboButton && !ComboButton->Picture->Empty()) {
    ComboButton->Picture2->Assign(ComboButton->Picture.get());
    ComboButton->Picture2->SetPixelFormat(TPixelFormat::pf24bit);
    MirrorPicture(ComboButton->Picture2.get());
  }
  const std::pair<std::unique_ptr<TDataSkinObject>*, const char*> objects[] = {
      {&ExtraImages, "ExtraImages"},
      {&Headerbar, "Headerbar"},
      {&MenuItem, "MenuItem"},
      {&MenuBackground, "MenuBackground"},
      {&Scrollbar, "Scrollbar"},
      {&HorzScroll, "HorzScroll"},
      {&VertScroll, "VertScroll"},
      {&HorzScrollThumb, "HorzScrollThumb"},
      {&VertScrollThumb, "VertScrollThumb"},
      {&ThumbHorz, "Trackbar.ThumbHorz"},
      {&ThumbVert, "Trackbar.ThumbVert"},
      {&ThumbLeft, "Trackbar.ThumbLeft"},
      {&ThumbRight, "Trackbar.ThumbRight"},
      {&ThumbUp, "Trackbar.ThumbUp"},
      {&ThumbDown, "Trackbar.ThumbDown"},
  };
  for (const auto& [member, section] : objects) ReadObject(*member, section);
  ReadObjectEx(UpDownHorz, "UpDown.Horz", "GlyphImage");
  ReadObjectEx(UpDownVert, "UpDown.Vert", "GlyphImage");

  ReadObject(Track, "Track");
  ReadObject(TrackVert, "TRACKVERT");
  // Skins without a track get the program's own pictures.
  for (const auto& [member, name] : {std::pair{&Track, "TRACK"}, std::pair{&TrackVert, "TRACKVERT"}}) {
    if (*member) continue;
    auto builtIn = std::make_unique<TDataSkinObject>();
    builtIn->Name = name;
    builtIn->Picture->LoadFromResourceName(name);
    builtIn->LeftWidth = builtIn->TopHeight = builtIn->RightWidth = builtIn->BottomHeight = 3;
    builtIn->Tile = 0;
    builtIn->Frame = 1;
    *member = std::move(builtIn);
  }

  SetFrameCounts();
  BuildComboPictures();
  BuildComboArrow();
  BuildToolbarPicture();
  Colours[scFrame] = FrameColour();
  if (FSkinBrush) DeleteObject(FSkinBrush);
  FSkinBrush = CreateSolidBrush(ColorToRGB(Colours[scButtonFace]));
  FSections.Clear();
  FNoSkin = false;
}

void TSkinData::ReadFrameSides() {
  for (TDataSkinBorder* side : {Left.get(), Right.get(), Top.get(), Bottom.get()}) {
    const AnsiString& n = side->Name;
    const int first = FIni->ReadInteger("Personality", n + "TopHeight", 0);
    const int last = FIni->ReadInteger("Personality", n + "BotHeight", 0);
    if (side == Left.get() || side == Right.get()) {
      side->TopHeight = first;
      side->BottomHeight = last;
      side->LeftWidth = side->RightWidth = 0;
    } else {
      // Horizontal sides: the unscaled lengths at the left and right ends.
      side->LeftWidth = first;
      side->RightWidth = last;
      side->TopHeight = side->BottomHeight = 0;
    }
    side->Frame = FIni->ReadInteger("Personality", n + "Frame", 1);
    side->Tile = FIni->ReadInteger("Personality", n + "Stretch", 1);
    side->Trans = FIni->ReadInteger("Personality", n + "Trans", 1);
    LoadPicture(side->Picture.get(), FIni->ReadString("Personality", n, ""));
    if (side->Tile > 1) side->Tile = 1;
  }
}

void TSkinData::ReadTitle(const AnsiString& section) {
  TDataSkinTitle& title = *Title;
  LoadPicture(title.Picture.get(), FIni->ReadString(section, "TextBack", ""));
  title.LeftWidth = FIni->ReadInteger(section, "TextShift", 0);
  title.TopHeight = FIni->ReadInteger(section, "TextShiftVert", 0);
  title.RightWidth = FIni->ReadInteger(section, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = FIni->ReadInteger(section, "TextAlignment", 0);
  title.Textbackground = FIni->ReadInteger(section, "Textbackground", 0);
  title.FontHeight = FIni->ReadInteger("Fonts", "FontHeight", 14);
  title.TXTBackleft = FIni->ReadInteger(section, "TXTBackleft", 0);
  title.TXTBackRight = FIni->ReadInteger(section, "TXTBackRight", 0);
  // A text colour counts only when all three of its numbers are given.
  const auto textColour = [&](const AnsiString& key) {
    const int r = FIni->ReadInteger(section, key + "R", -1);
    const int g = FIni->ReadInteger(section, key + "G", -1);
    const int b = FIni->ReadInteger(section, key + "B", -1);
    return r >= 0 && g >= 0 && b >= 0 ? static_cast<TColor>(RGB(r, g, b)) : clNone;
  };
  title.ActiveText = textColour("ActiveText");
  title.InActiveText = textColour("InActiveText");
}

void TSkinData::ReadButtons() {
  TDataSkinButton& buttons = *Buttons;
  const AnsiString section = "Buttons";
  buttons.LeftWidth = FIni->ReadInteger(section, "LeftWidth", 0);
  buttons.RightWidth = FIni->ReadInteger(section, "RightWidth", 0);
  buttons.TopHeight = FIni->ReadInteger(section, "TopHeight", 0);
  buttons.BottomHeight = FIni->ReadInteger(section, "BottomHeight", 0);
  buttons.Trans = FIni->ReadInteger(section, "Trans", 0);
  LoadPicture(buttons.Picture.get(), FIni->ReadString(section, "Bitmap", ""));
  buttons.Tile = FIni->ReadInteger(section, "Tile", 0);
  LoadPicture(buttons.CheckPicture.get(), FIni->ReadString(section, "CheckButton", ""));
  LoadPicture(buttons.RadioPicture.get(), FIni->ReadString(section, "RadioButton", ""));
  buttons.NormalColour = FIni->ReadInteger(section, "NormalColour", -1);
  buttons.MouseOverColour = FIni->ReadInteger(section, "MouseOverColour", -1);
  buttons.PressedColour = FIni->ReadInteger(section, "PressedColour", -1);
  buttons.RadioButtonFrame = FIni->ReadInteger(section, "RadioButtonFrame", 0);
  buttons.CheckButtonFrame = FIni->ReadInteger(section, "CheckButtonFrame", 0);
  if (buttons.Tile > 1) buttons.Tile = 0;
  buttons.HasNormalColour2 = !FIni->ReadString(section, "NormalColour2", "").empty();
  buttons.HasMouseOverColour2 = !FIni->ReadString(section, "MouseOverColour2", "").empty();
  buttons.HasPressedColour2 = !FIni->ReadString(section, "PressedColour2", "").empty();
  buttons.NormalColour2 = ReadColourText(section, "NormalColour2");
  buttons.MouseOverColour2 = ReadColourText(section, "MouseOverColour2");
  buttons.PressedColour2 = ReadColourText(section, "PressedColour2");
}

void TSkinData::ReadObjectFields(TDataSkinObject& object, const AnsiString& section, bool readFrame) {
  object.Style = FIni->ReadInteger(section, "Style", 0);
  object.LeftWidth = FIni->ReadInteger(section, "LeftWidth", 0);
  object.RightWidth = FIni->ReadInteger(section, "RightWidth", 0);
  object.TopHeight = FIni->ReadInteger(section, "TopHeight", 0);
  object.BottomHeight = FIni->ReadInteger(section, "BottomHeight", 0);
  if (readFrame) object.Frame = FIni->ReadInteger(section, "Frame", 0);
  object.Trans = FIni->ReadInteger(section, "Trans", 0);
  object.Tile = FIni->ReadInteger(section, "Tile", 0);
  object.NormalColour = FIni->ReadInteger(section, "NormalColour", -1);
  object.MouseOverColour = FIni->ReadInteger(section, "MouseOverColour", -1);
  object.PressedColour = FIni->ReadInteger(section, "PressedColour", -1);
  object.NormalColour2 = ReadColourText(section, "NormalColour2");
  object.MouseOverColour2 = ReadColourText(section, "MouseOverColour2");
  object.PressedColour2 = ReadColourText(section, "PressedColour2");
  if (object.Tile > 1) object.Tile = 0;
}

void TSkinData::ReadObject(std::unique_ptr<TDataSkinObject>& member, const AnsiString& section) {
  member.reset();
  const AnsiString image = FIni->ReadString(section, "Image", "");
  if (image.empty()) return;
  auto object = std::make_unique<TDataSkinObject>();
  object->Name = section;
  LoadPicture(object->Picture.get(), image);
  ReadObjectFields(*object, section, true);
  member = std::move(object);
}

void TSkinData::ReadObjectEx(std::unique_ptr<TDataSkinBorder>& member, const AnsiString& section,
                             const AnsiString& secondKey) {
  member.reset();
  const AnsiString image = FIni->ReadString(section, "Image", "");
  if (image.empty()) return;
  auto object = std::make_unique<TDataSkinBorder>();
  object->Name = section;
  LoadPicture(object->Picture.get(), image);
  const AnsiString second = FIni->ReadString(section, secondKey, "");
  if (!second.empty()) LoadPicture(object->Picture2.get(), second);
  ReadObjectFields(*object, section, false);
  member = std::move(object);
}

void TSkinData::ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& member, const AnsiString& section) {
  member.reset();
  const AnsiString image = FIni->ReadString(section, "Image", "");
  if (image.empty()) return;
  auto object = std::make_unique<TDataSkinBoxLabel>();
  object->Name = section;
  LoadPicture(object->Picture.get(), image);
  ReadObjectFields(*object, section, false);
  object->BackgroundAlignment = FIni->ReadInteger(section, "BackgroundAlignment", 0);
  object->BackgroundLeftShift = FIni->ReadInteger(section, "BackgroundLeftShift", 0);
  object->BackgroundRightShift = FIni->ReadInteger(section, "BackgroundRightShift", 0);
  member = std::move(object);
}

void TSkinData::ReadBar(std::unique_ptr<TDataSkinBorder>& member, const AnsiString& section) {
  member.reset();
  const AnsiString bitmap = FIni->ReadString(section, "Bitmap", "");
  if (bitmap.empty()) return;
  auto bar = std::make_unique<TDataSkinBorder>();
  bar->Name = section;
  LoadPicture(bar->Picture.get(), bitmap);
  bar->Style = FIni->ReadInteger(section, "Style", 0);
  bar->LeftWidth = FIni->ReadInteger(section, "LeftWidth", 0);
  bar->RightWidth = FIni->ReadInteger(section, "RightWidth", 0);
  bar->TopHeight = FIni->ReadInteger(section, "TopHeight", 0);
  bar->BottomHeight = FIni->ReadInteger(section, "BottomHeight", 0);
  bar->Trans = FIni->ReadInteger(section, "Trans", 0);
  bar->Tile = FIni->ReadInteger(section, "Tile", 0);
  if (bar->Tile > 1) bar->Tile = 1;
  member = std::move(bar);
}

void TSkinData::ReadMenuBar(const AnsiString& section) {
  MenuBar.reset();
  const AnsiString picture = FIni->ReadString(section, "menuBar", "");
  if (picture.empty()) return;
  auto bar = std::make_unique<TDataSkinObject>();
  bar->Name = section;
  LoadPicture(bar->Picture.get(), picture);
  bar->TopHeight = 0;
  bar->BottomHeight = 0;
  bar->Tile = FIni->ReadInteger(section, "TileMenu", 1);
  bar->LeftWidth = FIni->ReadInteger(section, "TileLeftMenu", 1);
  bar->RightWidth = FIni->ReadInteger(section, "TileRightMenu", 1);
  if (bar->Tile > 1) bar->Tile = 1;
  MenuBar = std::move(bar);
}
