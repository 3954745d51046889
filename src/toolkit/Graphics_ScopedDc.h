// A memory device context that holds a bitmap for the length of a scope, for
// the graphics classes' short-lived copies and conversions.
#pragma once

#include "platform/gdi/gdi.h"

class TScopedBitmapDc {
 public:
  explicit TScopedBitmapDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, bitmap)) {}
  ~TScopedBitmapDc() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  TScopedBitmapDc(const TScopedBitmapDc&) = delete;
  TScopedBitmapDc& operator=(const TScopedBitmapDc&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
