#include "skin_members.h"

#include "skinpack.h"

namespace skinpack {

namespace {

SkinMember Member(const std::string& name, TDataSkinObject* object, bool stacked = false) {
  SkinMember member{name, "TDataSkinObject", object, {}};
  if (object == nullptr) return member;
  member.pictures.push_back({"Picture", object->Picture.get(), object->Frame, stacked});
  if (auto* border = dynamic_cast<TDataSkinBorder*>(object)) {
    member.className = "TDataSkinBorder";
    // "Border" of "Tabs" is one picture; the other second pictures share the frames.
    member.pictures.push_back({"Picture2", border->Picture2.get(), name == "Tabs" ? 1 : object->Frame, stacked});
  } else if (auto* buttons = dynamic_cast<TDataSkinButton*>(object)) {
    member.className = "TDataSkinButton";
    member.pictures.push_back({"CheckPicture", buttons->CheckPicture.get(), buttons->CheckButtonFrame, false});
    member.pictures.push_back({"RadioPicture", buttons->RadioPicture.get(), buttons->RadioButtonFrame, false});
  } else if (dynamic_cast<TDataSkinTitle*>(object)) {
    member.className = "TDataSkinTitle";
  } else if (dynamic_cast<TDataSkinSysButton*>(object)) {
    member.className = "TDataSkinSysButton";
  } else if (dynamic_cast<TDataSkinBoxLabel*>(object)) {
    member.className = "TDataSkinBoxLabel";
  }
  return member;
}

}  // namespace

std::vector<SkinMember> SkinMembers(TSkinData& skin) {
  std::vector<SkinMember> members = {
      Member("Left", skin.Left.get()),
      Member("Right", skin.Right.get()),
      Member("Top", skin.Top.get(), true),
      Member("Bottom", skin.Bottom.get(), true),
      Member("Title", skin.Title.get(), true),
      Member("Buttons", skin.Buttons.get()),
      Member("Progress", skin.Progress.get()),
      Member("Progress.Chunk", skin.ProgressChunk.get()),
      Member("MenuBar", skin.MenuBar.get(), true),
      Member("GroupBoxEdge", skin.GroupBoxEdge.get()),
      Member("GroupBox", skin.GroupBox.get()),
      Member("Tabs", skin.Tabs.get()),
      Member("StatusBarEdges", skin.StatusBarEdges.get()),
      Member("Tab.Pane", skin.TabPane.get()),
      Member("ToolBars", skin.ToolBars.get()),
      Member("ComboButton", skin.ComboButton.get()),
      Member("SunkEdge", skin.SunkEdge.get()),
      Member("ExtraImages", skin.ExtraImages.get()),
      Member("Headerbar", skin.Headerbar.get()),
      Member("MenuItem", skin.MenuItem.get()),
      Member("MenuBackground", skin.MenuBackground.get()),
      Member("Scrollbar", skin.Scrollbar.get()),
      Member("HorzScroll", skin.HorzScroll.get()),
      Member("VertScroll", skin.VertScroll.get()),
      Member("HorzScrollThumb", skin.HorzScrollThumb.get()),
      Member("VertScrollThumb", skin.VertScrollThumb.get()),
      Member("Trackbar.ThumbHorz", skin.ThumbHorz.get()),
      Member("Trackbar.ThumbVert", skin.ThumbVert.get()),
      Member("Trackbar.ThumbLeft", skin.ThumbLeft.get()),
      Member("Trackbar.ThumbRight", skin.ThumbRight.get()),
      Member("Trackbar.ThumbUp", skin.ThumbUp.get()),
      Member("Trackbar.ThumbDown", skin.ThumbDown.get()),
      Member("UpDown.Horz", skin.UpDownHorz.get()),
      Member("UpDown.Vert", skin.UpDownVert.get()),
      Member("Track", skin.Track.get()),
      Member("TRACKVERT", skin.TrackVert.get()),
      Member("ComboxArrow", skin.ComboxArrow.get()),
      Member("Toolbar", skin.Toolbar.get(), true),
  };
  for (const auto& button : skin.SysButtons) {
    const std::string name = button->Name.empty() ? "MDI button " + std::to_string(button->Action) : button->Name;
    members.push_back(Member(name, button.get()));
  }
  return members;
}

void LoadSkinPackage(const std::string& path, LoadedSkin& loaded) {
  LoadPackageFile(path, loaded.reader);
  TMemoryStream text;
  loaded.reader.FindFile(".ini", text);
  loaded.ini.LoadFromStream(&text);
  if (!loaded.skin.LoadSkinFile(path)) throw ToolError(path + ": the skin loader refused the package");
}

}  // namespace skinpack
