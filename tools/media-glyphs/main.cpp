// media-glyphs OUTDIR: draws the 27 glyphs of the media player's buttons
// with GDI and writes them as 24-bit BMP files named "EN_MPPLAY.bmp" …: for
// each button an enabled (black), a disabled (grey, embossed) and a coloured
// variant, on olive (0x008080), which the player leaves unpainted. The build
// embeds them as bitmap resources of the same names.
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/gdi/codecs.h"
#include "platform/gdi/gdi.h"

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 12;
constexpr COLORREF kOlive = 0x008080;

// One filled shape of a glyph, in glyph pixels.
struct Shape {
  enum Kind { kPolygon, kRectangle, kEllipse } kind;
  std::vector<POINT> points;  // the polygon's corners, or the two corners of a rectangle or ellipse
};

struct Glyph {
  const char* name;
  COLORREF colour;  // of the coloured variant
  std::vector<Shape> shapes;
};

Shape Triangle(POINT a, POINT b, POINT c) { return {Shape::kPolygon, {a, b, c}}; }
Shape Box(int left, int top, int right, int bottom) { return {Shape::kRectangle, {{left, top}, {right, bottom}}}; }
Shape Disc(int left, int top, int right, int bottom) { return {Shape::kEllipse, {{left, top}, {right, bottom}}}; }

// The glyphs in the order of the player's buttons. Previous and back are
// next and step mirrored.
std::vector<Glyph> Glyphs() {
  const COLORREF green = RGB(0, 168, 0), yellow = RGB(255, 216, 0), red = RGB(224, 0, 0);
  const COLORREF blue = RGB(0, 96, 232), purple = RGB(136, 0, 176);
  return {
      {"MPPLAY", green, {Triangle({5, 0}, {10, 5}, {5, 10})}},
      {"MPPAUSE", yellow, {Box(4, 1, 7, 10), Box(9, 1, 12, 10)}},
      {"MPSTOP", red, {Box(3, 1, 12, 10)}},
      {"MPNEXT", blue, {Triangle({1, 1}, {5, 5}, {1, 9}), Triangle({6, 1}, {10, 5}, {6, 9}), Box(11, 1, 13, 10)}},
      {"MPPREV", blue, {Box(2, 1, 4, 10), Triangle({9, 1}, {5, 5}, {9, 9}), Triangle({14, 1}, {10, 5}, {14, 9})}},
      {"MPSTEP", blue, {Triangle({4, 1}, {8, 5}, {4, 9}), Box(9, 1, 11, 10)}},
      {"MPBACK", blue, {Box(4, 1, 6, 10), Triangle({10, 1}, {6, 5}, {10, 9})}},
      {"MPRECORD", red, {Disc(3, 1, 12, 10)}},
      {"MPEJECT", purple, {Triangle({7, 1}, {12, 6}, {2, 6}), Box(2, 8, 13, 10)}},
  };
}

// Draws every shape of `glyph` moved by (dx, dy), outlined in `pen` and filled with `fill`.
void DrawShapes(HDC dc, const Glyph& glyph, COLORREF pen, COLORREF fill, int dx, int dy) {
  HPEN outline = CreatePen(PS_SOLID, 1, pen);
  HBRUSH brush = CreateSolidBrush(fill);
  HGDIOBJ oldPen = SelectObject(dc, outline);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  for (const Shape& shape : glyph.shapes) {
    std::vector<POINT> p = shape.points;
    for (POINT& point : p) {
      point.x += dx;
      point.y += dy;
    }
    switch (shape.kind) {
      case Shape::kPolygon: Polygon(dc, p.data(), static_cast<int>(p.size())); break;
      case Shape::kRectangle: Rectangle(dc, p[0].x, p[0].y, p[1].x, p[1].y); break;
      case Shape::kEllipse: Ellipse(dc, p[0].x, p[0].y, p[1].x, p[1].y); break;
    }
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(outline);
  DeleteObject(brush);
}

enum class Variant { kEnabled, kDisabled, kColoured };

bool WriteGlyph(const std::string& path, const Glyph& glyph, Variant variant) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  if (bitmap == nullptr || dc == nullptr) return false;
  HGDIOBJ previous = SelectObject(dc, bitmap);
  HBRUSH olive = CreateSolidBrush(kOlive);
  const RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, olive);
  DeleteObject(olive);
  switch (variant) {
    case Variant::kEnabled: DrawShapes(dc, glyph, RGB(0, 0, 0), RGB(0, 0, 0), 0, 0); break;
    case Variant::kColoured: DrawShapes(dc, glyph, RGB(0, 0, 0), glyph.colour, 0, 0); break;
    case Variant::kDisabled:
      // Disabled glyphs look cut into the face: a white copy under the grey one.
      DrawShapes(dc, glyph, RGB(255, 255, 255), RGB(255, 255, 255), 1, 1);
      DrawShapes(dc, glyph, RGB(128, 128, 128), RGB(128, 128, 128), 0, 0);
      break;
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  const std::optional<platform::DibImage> image = platform::ImageFromBitmap(bitmap);
  DeleteObject(bitmap);
  return image && platform::WriteFileBytes(path, platform::WriteBmp(*image));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: media-glyphs OUTDIR\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (const Glyph& glyph : Glyphs()) {
    for (auto [prefix, variant] : {std::pair{"EN", Variant::kEnabled}, std::pair{"DI", Variant::kDisabled},
                                   std::pair{"CL", Variant::kColoured}}) {
      const std::string path = folder + "/" + prefix + "_" + glyph.name + ".bmp";
      if (!WriteGlyph(path, glyph, variant)) {
        std::fprintf(stderr, "media-glyphs: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  }
  return 0;
}
