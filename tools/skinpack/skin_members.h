// The loaded skin model seen member by member, for the verbs that inspect it
// (check, dump, preview).
#pragma once

#include <string>
#include <vector>

#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"

namespace skinpack {

// One picture of a member with the frame count it is cut into.
struct MemberPicture {
  std::string key;  // "Picture", "Picture2", "CheckPicture", "RadioPicture"
  TBitmap* bitmap;
  int frames;
  bool stacked;  // frames one above the other rather than side by side
};

struct SkinMember {
  std::string name;         // the INI section it comes from, or what it is
  std::string className;    // TDataSkinObject or a descendant
  TDataSkinObject* object;  // null when the skin lacks it
  std::vector<MemberPicture> pictures;
};

// Every member of the model in the model's order, caption buttons last.
std::vector<SkinMember> SkinMembers(TSkinData& skin);

// A package file loaded with the real loader, with its INI text kept for the
// verbs that look at what the skin wrote.
struct LoadedSkin {
  TSkinData skin;
  TQuickIni ini;
  TSkinReader reader;
};
// Raises ToolError when the package is refused or cannot be read.
void LoadSkinPackage(const std::string& path, LoadedSkin& loaded);

}  // namespace skinpack
