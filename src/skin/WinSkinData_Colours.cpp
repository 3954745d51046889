// The colour table, the colour sections, colour texts and the frame colour.
#include <cctype>
#include <utility>

#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"

const char* const SkinColourKeys[SkinColourCount] = {
    "WindowText",  "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText", "ButtonHilight",
    "Buttonlight", "ButtonShadow",    "ButtonDkShadow",    "",           "",           "HilightText",
    "Hilight",     "Menubar",         "MenuBarText",       "MenuText",   "Menu",       "",
    "Scrollbar"};

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
  // The entries in the order they are read, with their defaults. "Menubar"
  // (clDefault here) defaults to the "ButtonFace" just read.
  static constexpr std::pair<TSkinColourIndex, TColor> entries[] = {
      {scWindowText, clWindowText},
      {scButtonFace, clBtnFace},
      {scScrollbar, clScrollBar},
      {scHilightText, clHighlightText},
      {scHilight, clHighlight},
      {scMenubar, clDefault},
      {scMenu, clMenu},
      {scMenuText, clMenuText},
      {scButtonText, clBtnText},
      {scButtonHilight, clBtnHighlight},
      {scButtonlight, clBtnHighlight},  // not the 3-D light colour
      {scButtonShadow, clBtnShadow},
      {scButtonDkShadow, cl3DDkShadow},
      {scMenuBarText, clMenuText},
      {scTitleTextActive, clCaptionText},
      {scTitleTextNoActive, clInactiveCaptionText},
  };
  for (const auto& [index, fallback] : entries) {
    const AnsiString text = FIni->ReadString("Colours", SkinColourKeys[index], "");
    ColourGiven[index] = !text.empty();
    if (!text.empty()) {
      Colours[index] = ParseColour(text);
    } else {
      Colours[index] = fallback == clDefault ? Colours[scButtonFace] : fallback;
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
