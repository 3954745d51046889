// check PKG: loads the package with the skin loader and warns about what a
// skin author most likely did not mean: missing sections, pictures that are
// not ".bmp" or not in the package, frame counts that do not divide a
// picture, caption buttons the filter drops. Exit 0 whenever the skin loads.
#include <cstdio>
#include <set>

#include "skin_members.h"
#include "skinpack.h"

namespace skinpack {

namespace {

// The sections the loader reads, and the keys of each that name pictures.
struct SectionKeys {
  const char* section;
  std::vector<const char*> pictureKeys;
};

const std::vector<SectionKeys>& Vocabulary() {
  static const std::vector<SectionKeys> sections = {
      {"TitlebarSkin", {}},
      {"Personality", {"Left", "Right", "Top", "Bottom", "TextBack", "menuBar"}},
      {"Colours", {}},
      {"Fonts", {}},
      {"MDICONTROLS", {"Image"}},
      {"Buttons", {"Bitmap", "CheckButton", "RadioButton"}},
      {"Progress", {"Bitmap"}},
      {"Progress.Chunk", {"Image"}},
      {"GroupBoxEdge", {"Image"}},
      {"GroupBox", {"Image"}},
      {"Tabs", {"Image", "Border"}},
      {"StatusBarEdges", {"Image"}},
      {"Tab.Pane", {"Image"}},
      {"ToolBars", {"Image"}},
      {"ComboButton", {"Image"}},
      {"SunkEdge", {"Image"}},
      {"ExtraImages", {"Image"}},
      {"Headerbar", {"Image"}},
      {"MenuItem", {"Image"}},
      {"MenuBackground", {"Image"}},
      {"Scrollbar", {"Image"}},
      {"HorzScroll", {"Image"}},
      {"VertScroll", {"Image"}},
      {"HorzScrollThumb", {"Image"}},
      {"VertScrollThumb", {"Image"}},
      {"Trackbar.ThumbHorz", {"Image"}},
      {"Trackbar.ThumbVert", {"Image"}},
      {"Trackbar.ThumbLeft", {"Image"}},
      {"Trackbar.ThumbRight", {"Image"}},
      {"Trackbar.ThumbUp", {"Image"}},
      {"Trackbar.ThumbDown", {"Image"}},
      {"UpDown.Horz", {"Image", "GlyphImage"}},
      {"UpDown.Vert", {"Image", "GlyphImage"}},
      {"Track", {"Image"}},
      {"TRACKVERT", {"Image"}},
  };
  return sections;
}

class Report {
 public:
  void Warn(const std::string& text) {
    std::printf("warning: %s\n", text.c_str());
    ++count_;
  }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

// A picture value that the loader would not load, and why.
void CheckPictureValue(const LoadedSkin& loaded, const std::string& where, const AnsiString& value, Report& report) {
  if (value.empty()) return;
  const AnsiString name = SkinFileNamePart(value);
  if (!IsSkinBitmapName(name)) {
    report.Warn(where + ": \"" + NameForTerminal(value) +
                "\" is not a \".bmp\" name (the extension is compared exactly)");
    return;
  }
  if (loaded.reader.Names().IndexOf(LowerCase(name)) < 0) {
    report.Warn(where + ": \"" + NameForTerminal(name) + "\" is not in the package");
  }
}

void CheckSections(const LoadedSkin& loaded, const TStringList& sections, Report& report) {
  std::set<AnsiString> present;
  for (int i = 0; i < sections.Count(); ++i) present.insert(UpperCase(sections[i]));
  for (const SectionKeys& entry : Vocabulary()) {
    const AnsiString upper = UpperCase(entry.section);
    if (!present.count(upper)) {
      const bool builtIn = upper == "TRACK" || upper == "TRACKVERT";
      report.Warn(std::string("section [") + entry.section + "] is missing" +
                  (builtIn ? " (the program's built-in picture serves)" : ""));
      continue;
    }
    for (const char* key : entry.pictureKeys) {
      CheckPictureValue(loaded, std::string("[") + entry.section + "] " + key,
                        loaded.ini.ReadString(entry.section, key, ""), report);
    }
  }
  for (int i = 0; i < sections.Count(); ++i) {
    if (!IsCaptionButtonSection(sections[i])) continue;
    CheckPictureValue(loaded, "[" + NameForTerminal(sections[i]) + "] ButtonImage",
                      loaded.ini.ReadString(sections[i], "ButtonImage", ""), report);
  }
}

void CheckCaptionButtons(LoadedSkin& loaded, const TStringList& sections, Report& report) {
  std::set<AnsiString> kept;
  for (const auto& button : loaded.skin.SysButtons) kept.insert(button->Name);
  for (int i = 0; i < sections.Count(); ++i) {
    const AnsiString upper = UpperCase(sections[i]);
    if (!IsCaptionButtonSection(upper) || kept.count(upper)) continue;
    report.Warn("caption button [" + NameForTerminal(sections[i]) +
                "] is dropped: Action -1 needs \"Visibility=0\" to stay in the list");
  }
}

void CheckFrames(LoadedSkin& loaded, Report& report) {
  for (const SkinMember& member : SkinMembers(loaded.skin)) {
    for (const MemberPicture& picture : member.pictures) {
      if (picture.bitmap->Empty()) continue;
      const int length = picture.stacked ? picture.bitmap->Height() : picture.bitmap->Width();
      if (picture.frames < 1 || length % picture.frames != 0) {
        report.Warn(member.name + " " + picture.key + ": " + std::to_string(picture.frames) +
                    " frames do not divide the " + (picture.stacked ? "height " : "width ") + std::to_string(length));
      }
    }
  }
}

}  // namespace

int Check(const Arguments& args) {
  if (args.size() != 1) return 2;
  LoadedSkin loaded;
  LoadSkinPackage(args[0], loaded);
  TStringList sections;
  loaded.ini.ReadSections(&sections);
  Report report;
  CheckSections(loaded, sections, report);
  CheckCaptionButtons(loaded, sections, report);
  CheckFrames(loaded, report);
  std::printf("%s: loads; %d warning%s\n", args[0].c_str(), report.Count(), report.Count() == 1 ? "" : "s");
  return 0;
}

}  // namespace skinpack
