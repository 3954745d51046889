// The process-wide handle table. Every Win32-shaped handle (windows, DCs, GDI
// objects, menus, hooks, image lists) is an opaque value that names a slot in
// this table; a stale or foreign value is found to be invalid instead of being
// dereferenced. The table counts live objects per kind so that leak tests can
// compare counts before and after.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

enum class HandleKind : std::uint8_t {
  Window,
  DeviceContext,
  Bitmap,
  Brush,
  Pen,
  Font,
  Region,
  Palette,
  Icon,
  Menu,
  Hook,
  ImageList,
  Count
};

const char* HandleKindName(HandleKind kind);

// Base of every object that a handle names.
class HandleObject {
 public:
  explicit HandleObject(HandleKind kind) : kind_(kind) {}
  virtual ~HandleObject() = default;
  HandleObject(const HandleObject&) = delete;
  HandleObject& operator=(const HandleObject&) = delete;

  HandleKind Kind() const { return kind_; }

 private:
  HandleKind kind_;
};

class HandleTable {
 public:
  static HandleTable& Instance();

  // Takes ownership and answers the new handle value (never null). Permanent
  // objects (stock objects, system bitmaps) are not counted as live: they are
  // created once on first use and never freed.
  void* Insert(std::unique_ptr<HandleObject> object, bool permanent = false);

  // The object a handle names, or null when the handle is null, stale or foreign.
  HandleObject* Find(const void* handle) const;

  // The object when it is of the given kind, else null.
  template <class T>
  T* FindAs(const void* handle, HandleKind kind) const {
    HandleObject* object = Find(handle);
    return object != nullptr && object->Kind() == kind ? static_cast<T*>(object) : nullptr;
  }

  bool IsPermanent(const void* handle) const;

  // Removes the slot and hands the object back (null for an invalid handle).
  // The slot's generation changes, so the old value never becomes valid again
  // by reuse of the slot.
  std::unique_ptr<HandleObject> Remove(const void* handle);

  // Objects alive now, not counting permanent ones.
  std::size_t LiveCount(HandleKind kind) const;

  using Counts = std::array<std::size_t, static_cast<std::size_t>(HandleKind::Count)>;
  Counts LiveCounts() const;

 private:
  struct Slot {
    std::unique_ptr<HandleObject> object;
    std::uint16_t generation = 1;
    bool permanent = false;
  };

  const Slot* SlotFor(const void* handle) const;

  std::vector<Slot> slots_;
  std::vector<std::size_t> free_;
  Counts live_{};
};


}  // namespace platform
