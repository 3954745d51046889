// The colour table, the colour sections, colour texts and the frame colour.
#include <cctype>

#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"

const char* const SkinColourKeys[SkinColourCount] = {
    "WindowText",    "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText",
    "ButtonHilight", "Buttonlight",     "ButtonShadow",      "ButtonDkShadow", "",
    "",              "HilightText",     "Hilight",           "Menubar",    "MenuBarText",
    "MenuText",      "Menu",            "",                  "Scrollbar"};

TColor TSkinData::ParseColour(const AnsiString& text) {
  if (text.empty()) return 0;
  const AnsiString trimmed = Trim(text);
  int components[3] = {0, 0, 0};
  int stored = 0;
  AnsiString pending;
  for (const char c : trimmed) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      pending += c;
      continue;
    }
    int value = 0;
    // A number too large for an integer stays pending and takes the digits
    // that follow. Only three components exist: further numbers are ignored.
    if (!pending.empty() && TryStrToInt(pending, value)) {
      if (stored < 3) components[stored++] = value;
      pending.clear();
    }
  }
  int value = 0;
  if (stored == 2 && !pending.empty() && TryStrToInt(pending, value)) components[stored++] = value;
  return static_cast<TColor>(RGB(components[0] % 256, components[1] % 256, components[2] % 256));
}

TColor TSkinData::ReadColourText(const AnsiString& section, const AnsiString& key) const {
  const AnsiString text = FIni->ReadString(section, key, "");
  return text.empty() ? Colours[scButtonText] : ParseColour(text);
}

void TSkinData::ReadColours() {
  // Read in this order: "Menubar" defaults to the "ButtonFace" just read.
  static constexpr TSkinColourIndex order[] = {
      scWindowText,  scButtonFace,    scScrollbar,   scHilightText,    scHilight,       scMenubar,
      scMenu,        scMenuText,      scButtonText,  scButtonHilight,  scButtonlight,   scButtonShadow,
      scButtonDkShadow, scMenuBarText, scTitleTextActive, scTitleTextNoActive};
  for (const TSkinColourIndex index : order) {
    const AnsiString text = FIni->ReadString("Colours", SkinColourKeys[index], "");
    ColourGiven[index] = !text.empty();
    if (!text.empty()) {
      Colours[index] = ParseColour(text);
      continue;
    }
    switch (index) {
      case scWindowText: Colours[index] = clWindowText; break;
      case scTitleTextActive: Colours[index] = clCaptionText; break;
      case scTitleTextNoActive: Colours[index] = clInactiveCaptionText; break;
      case scButtonFace: Colours[index] = clBtnFace; break;
      case scButtonText: Colours[index] = clBtnText; break;
      case scButtonHilight:
      case scButtonlight: Colours[index] = clBtnHighlight; break;
      case scButtonShadow: Colours[index] = clBtnShadow; break;
      case scButtonDkShadow: Colours[index] = cl3DDkShadow; break;
      case scHilightText: Colours[index] = clHighlightText; break;
      case scHilight: Colours[index] = clHighlight; break;
      case scMenubar: Colours[index] = Colours[scButtonFace]; break;
      case scMenuBarText:
      case scMenuText: Colours[index] = clMenuText; break;
      case scMenu: Colours[index] = clMenu; break;
      case scScrollbar: Colours[index] = clScrollBar; break;
      case scFrame: break;
    }
  }

  ColourSections.clear();
  for (int i = 0; i < FSections.Count(); ++i) {
    const AnsiString upper = UpperCase(FSections[i]);
    if (upper.rfind("COLOUR", 0) != 0 || upper == "COLOURS") continue;
    const AnsiString text = FIni->ReadString(FSections[i], "color", "");
    ColourSections.push_back(text.empty() ? clWindowText : ParseColour(text));
  }
}

TColor TSkinData::FrameColour() {
  TBitmap* picture = Top->Picture.get();
  if (picture->Empty()) return Colours[scButtonFace];
  // A frame count below 1 counts as 1, so the pixel lies inside the picture.
  const int frames = Top->Frame < 1 ? 1 : Top->Frame;
  return picture->Canvas()->Pixels(picture->Width() / 3, picture->Height() / frames / 3);
}
