// The base of every GDI object in the handle table, and the lookups that
// validate a handle and set Win32's error code on a bad one.
#pragma once

#include <memory>

#include "platform/base/handles.h"
#include "platform/gdi/gdi.h"

namespace platform {

class GdiObject : public HandleObject {
 public:
  using HandleObject::HandleObject;

  // How many device-context states (current or saved) have this object
  // selected. A pen, brush or font deleted while selected goes on living until
  // the last of them lets it go; a selected bitmap cannot be deleted.
  int selections = 0;
  bool deletePending = false;
};

// The object behind a handle when it is of `kind`; otherwise sets
// ERROR_INVALID_HANDLE and answers null.
template <class T>
T* FindGdi(const void* handle, HandleKind kind) {
  T* object = HandleTable::Instance().FindAs<T>(handle, kind);
  if (object == nullptr) SetLastError(ERROR_INVALID_HANDLE);
  return object;
}

template <class Handle>
Handle InsertGdi(std::unique_ptr<GdiObject> object, bool permanent = false) {
  return static_cast<Handle>(HandleTable::Instance().Insert(std::move(object), permanent));
}

// Selection bookkeeping used by the DC: Retain when a state starts to hold
// the object, Release when it stops (which completes a pending delete).
void RetainSelection(HGDIOBJ handle);
void ReleaseSelection(HGDIOBJ handle);

}  // namespace platform
