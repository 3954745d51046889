#include "skin/engine/skin_popup_helpers.h"

#include <string_view>

#include "skin/WinSkinData.h"

namespace skintest {
namespace {

std::function<bool()> g_step;

void StepTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (OpenMenus().empty()) return;
  if (!g_step || g_step()) KillTimer(nullptr, id);
}

BOOL Collect(HWND window, LPARAM list) {
  char name[16] = {};
  if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) > 0 && std::string_view(name) == "#32768") {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

void Solid(TBitmap& bitmap, const TRect& rect, COLORREF colour) {
  bitmap.Canvas()->Brush()->SetColor(static_cast<TColor>(colour));
  bitmap.Canvas()->FillRect(rect);
}

}  // namespace

void UseMiniMenuPictures(TSkinData* skin, bool transparentNormal) {
  for (TDataSkinObject* object : {skin->MenuItem.get(), skin->MenuBackground.get()}) {
    ASSERT_NE(object, nullptr);
    object->LeftWidth = object->TopHeight = object->RightWidth = object->BottomHeight = 0;
    object->Tile = 0;
    object->Trans = 0;
  }
  TBitmap& item = *skin->MenuItem->Picture;
  item.SetSize(50, 20);
  for (int i = 0; i < 5; ++i) Solid(item, Rect(i * 10, 0, i * 10 + 10, 20), kItemFrameColours[i]);
  if (transparentNormal) {
    Solid(item, Rect(0, 0, 10, 20), RGB(255, 0, 255));
    skin->MenuItem->Trans = 1;
  }
  TBitmap& background = *skin->MenuBackground->Picture;
  background.SetSize(20, 20);
  Solid(background, Rect(0, 0, 20, 20), kMenuBackgroundColour);
}

int CountColour(TBitmap& bitmap, const TRect& rect, COLORREF colour) {
  int count = 0;
  HDC dc = bitmap.Canvas()->Handle();
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) count += GetPixel(dc, x, y) == colour ? 1 : 0;
  }
  return count;
}

void WhileMenuOpen(const std::function<bool()>& step) {
  g_step = step;
  SetTimer(nullptr, 0, 10, &StepTimer);
}

std::vector<HWND> OpenMenus() {
  std::vector<HWND> windows;
  EnumWindows(&Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace skintest
