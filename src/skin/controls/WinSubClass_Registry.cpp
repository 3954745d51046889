// The registry of skin classes: which factory makes the skin object of each
// class the attach pass names.
#include <array>

#include "skin/controls/WinSubClass.h"

namespace {

constexpr std::array<const char*, kSkinClassCount> kSkinClassNames = {
    "",
    "TSkinTab",
    "TSkinTabBtn",
    "TSkinTab31",
    "TSkinTabSheet",
    "TSkinAdvPage",
    "TSkinHeader",
    "TSkinCheckBox",
    "TSkinRadioButton",
    "TSkinObjImage",
    "TSkinTrackBar",
    "TSkinProgress",
    "TSkinUpDown",
    "TSkinMP",
    "TSkinGroupBox",
    "TSkinBox",
    "TSkinBoxH",
    "TSkinStatusBar",
    "TSkinScControl",
    "TSkinScrollbar",
    "TSkinListView",
    "TSkinComBox",
    "TSkinEdit",
    "TSkinDateTime",
    "TSkinButton",
    "TSkinBitButton",
    "TSkinSpeedButton",
    "TSkinMenuButton",
    "TSkinSizer",
};

std::array<TControlSkinFactory, kSkinClassCount>& Factories() {
  static std::array<TControlSkinFactory, kSkinClassCount> factories;
  return factories;
}

bool Valid(TSkinClass cls) {
  const int index = static_cast<int>(cls);
  return index > 0 && index < kSkinClassCount;
}

}  // namespace

const char* SkinClassName(TSkinClass cls) {
  return Valid(cls) ? kSkinClassNames[static_cast<std::size_t>(cls)] : "";
}

TControlSkinFactory RegisterControlSkin(TSkinClass cls, TControlSkinFactory factory) {
  if (!Valid(cls)) return TControlSkinFactory();
  TControlSkinFactory previous = std::move(Factories()[static_cast<std::size_t>(cls)]);
  Factories()[static_cast<std::size_t>(cls)] = std::move(factory);
  return previous;
}

const TControlSkinFactory& ControlSkinFactory(TSkinClass cls) {
  static const TControlSkinFactory none;
  return Valid(cls) ? Factories()[static_cast<std::size_t>(cls)] : none;
}

TSkinControl* CreateControlSkin(const TSkinAttachRequest& request) {
  const TControlSkinFactory& factory = ControlSkinFactory(request.Class);
  if (!factory) return nullptr;
  TSkinControl* object = factory(request);
  if (object != nullptr) object->FSkinClass = request.Class;
  return object;
}
