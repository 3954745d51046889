// Pictures: JPEG images, icons, the picture holder and their form-resource data.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/canvas.h"
#include "support/golden.h"
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Reader.h"

namespace {

using brellis::test::Canvas;

// A component with a picture and a glyph, as images and speed buttons have.
class TPictureHolder : public TComponent {
  T_CLASS(TPictureHolder, TComponent)

 public:
  using TComponent::TComponent;
  TPicture* Picture() { return &picture_; }
  void SetPicture(TPicture* picture) { picture_.Assign(picture); }
  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(TBitmap* glyph) { glyph_.Assign(glyph); }
  TFont* Font() { return &font_; }
  void SetFont(TFont* font) { font_.Assign(font); }
  int Color() const { return color_; }
  void SetColor(int color) { color_ = color; }

 private:
  TPicture picture_;
  TBitmap glyph_;
  TFont font_;
  int color_ = clWindow;
};

T_CLASS_INFO(TPictureHolder, TComponent, [](TClassInfo& c) {
  c.AddProperty(published::Object<TPictureHolder, TPicture>("Picture", &TPictureHolder::Picture, &TPictureHolder::SetPicture));
  c.AddProperty(published::Object<TPictureHolder, TBitmap>("Glyph", &TPictureHolder::Glyph, &TPictureHolder::SetGlyph));
  c.AddProperty(published::Object<TPictureHolder, TFont>("Font", &TPictureHolder::Font, &TPictureHolder::SetFont));
  c.AddProperty(published::IntegerIdent<TPictureHolder>("Color", ColorIdents(), &TPictureHolder::Color,
                                                        &TPictureHolder::SetColor));
})

void PaintQuarters(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(clRed);
  bitmap.Canvas()->FillRect(Rect(0, 0, width / 2, height));
  bitmap.Canvas()->Brush()->SetColor(clBlue);
  bitmap.Canvas()->FillRect(Rect(width / 2, 0, width, height));
}

std::vector<std::uint8_t> StreamBytes(const std::function<void(TStream&)>& write) {
  TMemoryStream stream;
  write(stream);
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

AnsiString Hex(const std::vector<std::uint8_t>& bytes) {
  AnsiString text;
  char pair[3];
  for (std::uint8_t b : bytes) {
    std::snprintf(pair, sizeof(pair), "%02X", b);
    text += pair;
  }
  return text;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(GraphicsJpeg, CompressesBitmapsAndDecodesWhatItLoads) {
  TBitmap bitmap;
  PaintQuarters(bitmap, 32, 16);
  TJPEGImage jpeg;
  jpeg.SetCompressionQuality(95);
  jpeg.Assign(&bitmap);
  EXPECT_EQ(jpeg.Width(), 32);
  EXPECT_EQ(jpeg.Height(), 16);
  const std::vector<std::uint8_t> file = StreamBytes([&](TStream& s) { jpeg.SaveToStream(s); });
  ASSERT_GT(file.size(), 2u);
  EXPECT_EQ(file[0], 0xFF);
  EXPECT_EQ(file[1], 0xD8);

  TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
  stream.SetPosition(0);
  TJPEGImage loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.Bitmap()->PixelFormat(), TPixelFormat::pf24bit);
  // The bytes go out again as they came in.
  EXPECT_EQ(StreamBytes([&](TStream& s) { loaded.SaveToStream(s); }), file);
  TBitmap decoded;
  decoded.Assign(&loaded);
  EXPECT_TRUE(Near(ColorToRGB(decoded.Canvas()->Pixels(4, 8)), RGB(255, 0, 0), 8));
  EXPECT_TRUE(Near(ColorToRGB(decoded.Canvas()->Pixels(28, 8)), RGB(0, 0, 255), 8));
  EXPECT_THROW(loaded.SetWidth(3), EInvalidGraphicOperation);
}

TEST(GraphicsJpeg, BadDataRaisesAndDrawingStretches) {
  TMemoryStream garbage;
  garbage.WriteBuffer("\xFF\xD8 broken", 9);
  garbage.SetPosition(0);
  TJPEGImage jpeg;
  EXPECT_THROW(jpeg.LoadFromStream(garbage), EInvalidGraphic);
  EXPECT_TRUE(jpeg.Empty());

  TBitmap bitmap;
  PaintQuarters(bitmap, 8, 8);
  jpeg.Assign(&bitmap);
  Canvas target(16, 8);
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.StretchDraw(Rect(0, 0, 16, 8), &jpeg);
  canvas.SetHandle(nullptr);
  EXPECT_TRUE(Near(target.At(2, 4), RGB(255, 0, 0), 16));
  EXPECT_TRUE(Near(target.At(14, 4), RGB(0, 0, 255), 16));
}

// An icon of `size` pixels: a red square with a transparent border.
HICON MakeIcon(int size) {
  TBitmap colour;
  colour.SetSize(size, size);
  colour.Canvas()->Brush()->SetColor(clBlack);
  colour.Canvas()->FillRect(Rect(0, 0, size, size));
  colour.Canvas()->Brush()->SetColor(clRed);
  colour.Canvas()->FillRect(Rect(2, 2, size - 2, size - 2));
  TBitmap mask;
  mask.SetPixelFormat(TPixelFormat::pf1bit);
  mask.SetSize(size, size);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(2, 2, size - 2, size - 2));
  ICONINFO info{TRUE, 0, 0, mask.Handle(), colour.Handle()};
  return CreateIconIndirect(&info);
}

TEST(GraphicsIcon, IconFilesRoundTripWithTheirMask) {
  TIcon icon;
  EXPECT_TRUE(icon.Transparent());
  icon.SetHandle(MakeIcon(16));
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  EXPECT_THROW(icon.SetWidth(8), EInvalidGraphicOperation);
  const std::vector<std::uint8_t> file = StreamBytes([&](TStream& s) { icon.SaveToStream(s); });
  TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
  stream.SetPosition(0);
  TIcon loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.Width(), 16);
  Canvas target(16, 16, RGB(0, 128, 0));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.Draw(0, 0, &loaded);
  canvas.SetHandle(nullptr);
  EXPECT_EQ(target.At(0, 0), RGB(0, 128, 0));
  EXPECT_EQ(target.At(8, 8), RGB(255, 0, 0));
}

TEST(GraphicsIcon, FileWithSeveralImagesGivesTheOneNearestThirtyTwo) {
  // Two single-image files joined into one directory: 16 and 32 pixels.
  const std::vector<std::uint8_t> small = [] {
    TIcon icon;
    icon.SetHandle(MakeIcon(16));
    return StreamBytes([&](TStream& s) { icon.SaveToStream(s); });
  }();
  const std::vector<std::uint8_t> large = [] {
    TIcon icon;
    icon.SetHandle(MakeIcon(32));
    return StreamBytes([&](TStream& s) { icon.SaveToStream(s); });
  }();
  std::vector<std::uint8_t> file = {0, 0, 1, 0, 2, 0};
  const std::size_t firstImage = 6 + 2 * 16;
  const auto entry = [&](const std::vector<std::uint8_t>& single, std::size_t offset) {
    std::vector<std::uint8_t> e(single.begin() + 6, single.begin() + 22);
    for (int i = 0; i < 4; ++i) e[12 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
    return e;
  };
  const std::vector<std::uint8_t> e1 = entry(small, firstImage);
  const std::vector<std::uint8_t> e2 = entry(large, firstImage + small.size() - 22);
  file.insert(file.end(), e1.begin(), e1.end());
  file.insert(file.end(), e2.begin(), e2.end());
  file.insert(file.end(), small.begin() + 22, small.end());
  file.insert(file.end(), large.begin() + 22, large.end());
  HICON icon = ReadIconFile(file);
  ASSERT_NE(icon, nullptr);
  TIcon holder;
  holder.SetHandle(icon);
  EXPECT_EQ(holder.Width(), 32);
}

TEST(GraphicsIcon, MalformedFilesAreRefusedWithAReason) {
  std::string error;
  EXPECT_EQ(ReadIconFile(std::vector<std::uint8_t>{0, 0, 1}, &error), nullptr);
  EXPECT_FALSE(error.empty());
  // One entry whose image lies past the end of the file.
  std::vector<std::uint8_t> file = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 0xFF, 0, 0, 0, 22, 0, 0, 0};
  EXPECT_EQ(ReadIconFile(file, &error), nullptr);
  EXPECT_EQ(error, "image outside the file");
  TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
  stream.SetPosition(0);
  TIcon icon;
  EXPECT_THROW(icon.LoadFromStream(stream), EInvalidGraphic);
}

TEST(GraphicsPicture, HolderSwitchesGraphicClassesAndCopiesOnSet) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(picture.Graphic(), nullptr);
  PaintQuarters(*picture.Bitmap(), 4, 2);
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_GT(changes, 1);  // the bitmap's own changes reach the picture's listener
  TJPEGImage jpeg;
  jpeg.Assign(picture.Bitmap());
  picture.SetGraphic(&jpeg);
  ASSERT_NE(As<TJPEGImage>(picture.Graphic()), nullptr);
  EXPECT_NE(picture.Graphic(), &jpeg);
  picture.Icon();
  EXPECT_TRUE(picture.Graphic()->Empty());
  picture.Assign(nullptr);
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST(GraphicsPicture, DataCarriesTheClassNameThenTheGraphic) {
  TPicture picture;
  PaintQuarters(*picture.Bitmap(), 4, 2);
  const std::vector<std::uint8_t> data = StreamBytes([&](TStream& s) { picture.WriteData(s); });
  ASSERT_GT(data.size(), 12u);
  EXPECT_EQ(data[0], 7);
  EXPECT_EQ(std::string(data.begin() + 1, data.begin() + 8), "TBitmap");
  // The bitmap's own data is a 32-bit size and a BMP file.
  EXPECT_EQ(data[8] | (data[9] << 8), static_cast<int>(data.size() - 12));
  EXPECT_EQ(data[12], 'B');

  TMemoryStream stream;
  stream.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
  stream.SetPosition(0);
  TPicture copy;
  copy.ReadData(stream);
  EXPECT_EQ(copy.Bitmap()->Canvas()->Pixels(3, 1), clBlue);

  // An unknown class and a size that runs past the data are refused.
  const auto fails = [](std::vector<std::uint8_t> bytes) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    s.SetPosition(0);
    TPicture target;
    try {
      target.ReadData(s);
    } catch (const Exception&) {
      return true;
    }
    return false;
  };
  EXPECT_TRUE(fails({9, 'T', 'M', 'e', 't', 'a', 'f', 'i', 'l', 'e', 0, 0, 0, 0}));
  EXPECT_TRUE(fails({7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 0xFF, 0xFF, 0, 0, 'B', 'M'}));
  EXPECT_TRUE(fails({7, 'T', 'B', 'i', 't'}));
}

// Picture data around files that an outside tool (ImageMagick) wrote; the
// fuzz target's seeds are these.
TEST(GraphicsPicture, DataAroundFilesOfAnOutsideToolReads) {
  const auto read = [](const char* name, TPicture& picture) {
    TMemoryStream stream;
    stream.LoadFromFile(brellis::test::SourcePath(std::string("fuzz/corpus/fuzz_picture_data/") + name));
    picture.ReadData(stream);
  };
  TPicture bitmap, palette, jpeg, icon;
  read("rgb24_bmp.bin", bitmap);
  EXPECT_EQ(bitmap.Width(), 5);
  EXPECT_EQ(bitmap.Bitmap()->Canvas()->Pixels(1, 1), clBlue);
  EXPECT_EQ(bitmap.Bitmap()->Canvas()->Pixels(4, 2), clRed);
  read("pal_bmp.bin", palette);
  EXPECT_EQ(palette.Bitmap()->Canvas()->Pixels(1, 1), clBlack);
  EXPECT_EQ(palette.Bitmap()->Canvas()->Pixels(0, 0), clWhite);
  read("small_jpg.bin", jpeg);
  ASSERT_NE(As<TJPEGImage>(jpeg.Graphic()), nullptr);
  EXPECT_EQ(jpeg.Width(), 8);
  read("icon_ico.bin", icon);
  ASSERT_NE(As<TIcon>(icon.Graphic()), nullptr);
  EXPECT_EQ(icon.Width(), 16);
  Canvas target(16, 16, RGB(0, 128, 0));
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.Draw(0, 0, icon.Graphic());
  canvas.SetHandle(nullptr);
  EXPECT_EQ(target.At(0, 0), RGB(0, 128, 0));
  EXPECT_EQ(target.At(8, 8), RGB(255, 0, 0));
}

TEST(GraphicsPicture, FormResourcesFillPicturesGlyphsFontsAndColours) {
  TPicture picture;
  TJPEGImage jpeg;
  TBitmap source;
  PaintQuarters(source, 16, 8);
  jpeg.Assign(&source);
  picture.SetGraphic(&jpeg);
  TBitmap glyph;
  PaintQuarters(glyph, 4, 4);
  const AnsiString pictureData = Hex(StreamBytes([&](TStream& s) { picture.WriteData(s); }));
  const AnsiString glyphData = Hex(StreamBytes([&](TStream& s) {
    TMemoryStream file;
    glyph.SaveToStream(file);
    WriteSizedData(s, std::span<const std::uint8_t>(file.Memory(), static_cast<std::size_t>(file.Size())));
  }));
  const AnsiString text = "object Holder: TPictureHolder\n  Color = clBtnFace\n  Font.Charset = GB2312_CHARSET\n"
                          "  Font.Color = clWindowText\n  Font.Height = -14\n  Font.Name = '宋体'\n"
                          "  Font.Style = [fsBold]\n  Picture.Data = {" +
                          pictureData + "}\n  Glyph.Data = {" + glyphData + "}\nend\n";
  TPictureHolder holder(nullptr);
  ReadComponentResource(&holder, text);
  ASSERT_NE(As<TJPEGImage>(holder.Picture()->Graphic()), nullptr);
  EXPECT_EQ(holder.Picture()->Width(), 16);
  EXPECT_EQ(holder.Glyph()->Width(), 4);
  EXPECT_EQ(holder.Glyph()->Canvas()->Pixels(3, 3), clBlue);
  EXPECT_EQ(holder.Color(), clBtnFace);
  EXPECT_EQ(holder.Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(holder.Font()->Color(), clWindowText);
  EXPECT_EQ(holder.Font()->Height(), -14);
  EXPECT_EQ(holder.Font()->Name(), u8"宋体"_ansi);
  EXPECT_TRUE(holder.Font()->Style().Contains(TFontStyle::fsBold));

  const AnsiString broken = "object Holder: TPictureHolder\n  Picture.Data = {0454426974}\nend\n";
  TPictureHolder other(nullptr);
  EXPECT_THROW(ReadComponentResource(&other, broken), EReadError);
}

TEST(GraphicsPicture, LoadFromFileChoosesTheClassByExtension) {
  TPicture picture;
  EXPECT_THROW(picture.LoadFromFile("/tmp/picture.gif"), EInvalidGraphic);
  TBitmap bitmap;
  PaintQuarters(bitmap, 6, 6);
  const std::string path = testing::TempDir() + "graphics_picture_test.bmp";
  bitmap.SaveToFile(path);
  picture.LoadFromFile(path);
  ASSERT_NE(As<TBitmap>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 6);
  std::remove(path.c_str());
}

}  // namespace
