// The standard icons and cursors (LoadIcon/LoadCursor with no instance).
// They are drawn once, in the classic look, and live as long as the process,
// like GDI's stock objects.
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>

#include "platform/gdi/gdi.h"
#include "platform/gdi/icon.h"
#include "platform/user/input_internal.h"

namespace platform {
namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

struct Images {
  std::map<ULONG_PTR, HICON> icons;
  std::map<ULONG_PTR, HCURSOR> cursors;
  std::map<HCURSOR, display::CursorShape> shapes;
};

Images& State() {
  static Images images;
  return images;
}

// Draws a picture on the key colour and turns it into a permanent icon
// whose mask is the key colour.
HICON MakeImage(int size, bool isIcon, POINT hotspot, const std::function<void(HDC)>& paint) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  HBRUSH key = CreateSolidBrush(kKey);
  const RECT all{0, 0, size, size};
  FillRect(dc, &all, key);
  DeleteObject(key);
  paint(dc);
  GdiFlush();

  auto icon = std::make_unique<IconObject>();
  icon->width = size;
  icon->height = size;
  icon->isIcon = isIcon;
  icon->hotspotX = static_cast<DWORD>(hotspot.x);
  icon->hotspotY = static_cast<DWORD>(hotspot.y);
  icon->shared = true;
  icon->colour.resize(static_cast<std::size_t>(size) * size);
  icon->mask.resize(icon->colour.size());
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  const std::uint32_t keyPixel = 0x00FF00FF;
  for (std::size_t i = 0; i < icon->colour.size(); ++i) {
    const std::uint32_t p = pixels[i] & 0x00FFFFFF;
    const bool transparent = p == keyPixel;
    icon->mask[i] = transparent ? 1 : 0;
    icon->colour[i] = transparent ? 0 : p;
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return static_cast<HICON>(HandleTable::Instance().Insert(std::move(icon), true));
}

void WithPenAndBrush(HDC dc, COLORREF pen, COLORREF fill, const std::function<void()>& draw) {
  HPEN p = CreatePen(PS_SOLID, 1, pen);
  HBRUSH b = CreateSolidBrush(fill);
  HGDIOBJ oldPen = SelectObject(dc, p);
  HGDIOBJ oldBrush = SelectObject(dc, b);
  draw();
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(p);
  DeleteObject(b);
}

void CentredGlyph(HDC dc, const char16_t* text, RECT rect, COLORREF colour, int height) {
  HFONT font = CreateFontW(-height, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

// A white speech bubble with a tail at the lower left.
void SpeechBubble(HDC dc) {
  WithPenAndBrush(dc, RGB(0, 0, 0), RGB(255, 255, 255), [&] {
    Ellipse(dc, 1, 1, 31, 25);
    const POINT tail[] = {{7, 20}, {4, 30}, {14, 23}};
    Polygon(dc, tail, 3);
  });
  // The bubble's outline runs on over the tail's join.
  WithPenAndBrush(dc, RGB(255, 255, 255), RGB(255, 255, 255), [&] {
    const POINT join[] = {{8, 21}, {7, 24}, {12, 22}};
    Polygon(dc, join, 3);
  });
}

void PaintQuestion(HDC dc) {
  SpeechBubble(dc);
  CentredGlyph(dc, u"?", RECT{1, 1, 31, 25}, RGB(0, 0, 255), 20);
}

void PaintInformation(HDC dc) {
  SpeechBubble(dc);
  CentredGlyph(dc, u"i", RECT{1, 1, 31, 25}, RGB(0, 0, 255), 20);
}

void PaintWarning(HDC dc) {
  WithPenAndBrush(dc, RGB(0, 0, 0), RGB(255, 255, 0), [&] {
    const POINT triangle[] = {{15, 2}, {30, 29}, {1, 29}};
    Polygon(dc, triangle, 3);
  });
  CentredGlyph(dc, u"!", RECT{1, 9, 31, 29}, RGB(0, 0, 0), 18);
}

void PaintError(HDC dc) {
  WithPenAndBrush(dc, RGB(128, 0, 0), RGB(255, 0, 0), [&] { Ellipse(dc, 1, 1, 31, 31); });
  HPEN pen = CreatePen(PS_SOLID, 3, RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, 10, 10, nullptr);
  LineTo(dc, 21, 21);
  MoveToEx(dc, 21, 10, nullptr);
  LineTo(dc, 10, 21);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void PaintApplication(HDC dc) {
  WithPenAndBrush(dc, RGB(0, 0, 0), RGB(255, 255, 255), [&] { Rectangle(dc, 2, 4, 30, 28); });
  WithPenAndBrush(dc, RGB(0, 0, 128), RGB(0, 0, 128), [&] { Rectangle(dc, 3, 5, 29, 10); });
}

// The standard cursors share the arrow's picture; the screen shows each
// cursor's own shape (see CursorShapeOf).
void PaintArrow(HDC dc) {
  WithPenAndBrush(dc, RGB(0, 0, 0), RGB(255, 255, 255), [&] {
    const POINT arrow[] = {{0, 0}, {0, 16}, {4, 12}, {7, 19}, {9, 18}, {6, 11}, {11, 11}};
    Polygon(dc, arrow, 7);
  });
}

ULONG_PTR IdOf(LPCWSTR name) { return reinterpret_cast<ULONG_PTR>(name); }

display::CursorShape ShapeFor(ULONG_PTR id) {
  using Shape = display::CursorShape;
  switch (id) {
    case 32513: return Shape::IBeam;
    case 32514: return Shape::Wait;
    case 32515: return Shape::Cross;
    case 32516: return Shape::UpArrow;
    case 32642: return Shape::SizeNWSE;
    case 32643: return Shape::SizeNESW;
    case 32644: return Shape::SizeWE;
    case 32645: return Shape::SizeNS;
    case 32646: return Shape::SizeAll;
    case 32648: return Shape::No;
    case 32649: return Shape::Hand;
    case 32650: return Shape::AppStarting;
    case 32651: return Shape::Help;
    default: return Shape::Arrow;
  }
}

}  // namespace

display::CursorShape CursorShapeOf(HCURSOR cursor) {
  if (cursor == nullptr) return display::CursorShape::Arrow;
  auto found = State().shapes.find(cursor);
  return found == State().shapes.end() ? display::CursorShape::Custom : found->second;
}

}  // namespace platform

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
  if (instance != nullptr || name == nullptr || !IS_INTRESOURCE(name)) {
    SetLastError(1813);  // ERROR_RESOURCE_TYPE_NOT_FOUND
    return nullptr;
  }
  platform::Images& images = platform::State();
  const ULONG_PTR id = platform::IdOf(name);
  auto found = images.icons.find(id);
  if (found != images.icons.end()) return found->second;
  std::function<void(HDC)> painter;
  switch (id) {
    case 32512:
    case 32517: painter = platform::PaintApplication; break;
    case 32513: painter = platform::PaintError; break;
    case 32514: painter = platform::PaintQuestion; break;
    case 32515: painter = platform::PaintWarning; break;
    case 32516: painter = platform::PaintInformation; break;
    default:
      SetLastError(1814);  // ERROR_RESOURCE_NAME_NOT_FOUND
      return nullptr;
  }
  HICON icon = platform::MakeImage(32, true, POINT{16, 16}, painter);
  images.icons.emplace(id, icon);
  return icon;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
  if (name != nullptr && !IS_INTRESOURCE(name)) return LoadIconW(instance, nullptr);
  return LoadIconW(instance, reinterpret_cast<LPCWSTR>(name));
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
  if (instance != nullptr || name == nullptr || !IS_INTRESOURCE(name)) {
    SetLastError(1813);
    return nullptr;
  }
  const ULONG_PTR id = platform::IdOf(name);
  if (id < 32512 || id > 32651) {
    SetLastError(1814);
    return nullptr;
  }
  platform::Images& images = platform::State();
  auto found = images.cursors.find(id);
  if (found != images.cursors.end()) return found->second;
  HCURSOR cursor = platform::MakeImage(32, false, POINT{0, 0}, platform::PaintArrow);
  images.cursors.emplace(id, cursor);
  images.shapes.emplace(cursor, platform::ShapeFor(id));
  return cursor;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
  if (name != nullptr && !IS_INTRESOURCE(name)) return LoadCursorW(instance, nullptr);
  return LoadCursorW(instance, reinterpret_cast<LPCWSTR>(name));
}
