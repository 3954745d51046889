#include "platform/base/handles.h"

namespace platform {

namespace {

// A handle value is ((slot + 1) << 16) | generation: never null, never one of
// Win32's small sentinel values (HWND_BOTTOM, HWND_TOPMOST, 0xFFFF …).
constexpr std::uintptr_t kGenerationBits = 16;
constexpr std::uintptr_t kGenerationMask = (std::uintptr_t{1} << kGenerationBits) - 1;

void* Encode(std::size_t slot, std::uint16_t generation) {
  return reinterpret_cast<void*>(((std::uintptr_t{slot} + 1) << kGenerationBits) | generation);
}

}  // namespace

const char* HandleKindName(HandleKind kind) {
  static constexpr const char* kNames[] = {"Window", "DeviceContext", "Bitmap", "Brush",
                                           "Pen",    "Font",          "Region", "Palette",
                                           "Icon",   "Menu",          "Hook",   "ImageList"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(HandleKind::Count));
  const auto index = static_cast<std::size_t>(kind);
  return index < std::size(kNames) ? kNames[index] : "?";
}

HandleTable& HandleTable::Instance() {
  static HandleTable table;
  return table;
}

const HandleTable::Slot* HandleTable::SlotFor(const void* handle) const {
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  const std::uintptr_t index = (value >> kGenerationBits);
  if (index == 0 || index > slots_.size()) return nullptr;
  const Slot& slot = slots_[index - 1];
  if (!slot.object || slot.generation != (value & kGenerationMask)) return nullptr;
  return &slot;
}

void* HandleTable::Insert(std::unique_ptr<HandleObject> object, bool permanent) {
  std::size_t index;
  if (!free_.empty()) {
    index = free_.back();
    free_.pop_back();
  } else {
    index = slots_.size();
    slots_.emplace_back();
  }
  Slot& slot = slots_[index];
  if (!permanent) ++live_[static_cast<std::size_t>(object->Kind())];
  slot.object = std::move(object);
  slot.permanent = permanent;
  return Encode(index, slot.generation);
}

HandleObject* HandleTable::Find(const void* handle) const {
  const Slot* slot = SlotFor(handle);
  return slot ? slot->object.get() : nullptr;
}

bool HandleTable::IsPermanent(const void* handle) const {
  const Slot* slot = SlotFor(handle);
  return slot != nullptr && slot->permanent;
}

std::unique_ptr<HandleObject> HandleTable::Remove(const void* handle) {
  if (SlotFor(handle) == nullptr) return nullptr;
  const std::size_t index = (reinterpret_cast<std::uintptr_t>(handle) >> kGenerationBits) - 1;
  Slot& slot = slots_[index];
  std::unique_ptr<HandleObject> object = std::move(slot.object);
  if (!slot.permanent) --live_[static_cast<std::size_t>(object->Kind())];
  slot.permanent = false;
  // Generation 0 is skipped so that a handle value never has a zero low word.
  slot.generation = static_cast<std::uint16_t>(slot.generation == 0xFFFF ? 1 : slot.generation + 1);
  free_.push_back(index);
  return object;
}

std::size_t HandleTable::LiveCount(HandleKind kind) const {
  return live_[static_cast<std::size_t>(kind)];
}

HandleTable::Counts HandleTable::LiveCounts() const { return live_; }

}  // namespace platform
