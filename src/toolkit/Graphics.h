// The toolkit's graphics: colours, fonts, pens and brushes, the canvas that
// draws with them on a device context, and the pictures (bitmaps, icons and,
// in Jpeg.h, JPEG images) with the picture holder that form resources stream.
// Everything draws through the platform's GDI calls; every handle a graphics
// object makes is its own and is freed with it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/gdi.h"
#include "toolkit/Persistent.h"
#include "toolkit/TypInfo.h"

using TNotifyEvent = std::function<void(TObject* sender)>;

// ---------------------------------------------------------------------------
// Geometry

using TRect = RECT;
using TPoint = POINT;

inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return TRect{left, top, left + width, top + height};
}
inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline int RectWidth(const TRect& r) { return r.right - r.left; }
inline int RectHeight(const TRect& r) { return r.bottom - r.top; }

// ---------------------------------------------------------------------------
// Colours. A TColor is an RGB value (red in the low byte) or, with the top bit
// set, a system colour whose index is the low byte.

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }

constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = SystemColor(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = SystemColor(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = SystemColor(COLOR_MENU);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = SystemColor(COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = SystemColor(COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = SystemColor(COLOR_APPWORKSPACE);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = SystemColor(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);
constexpr TColor clHotLight = SystemColor(COLOR_HOTLIGHT);
constexpr TColor clGradientActiveCaption = SystemColor(COLOR_GRADIENTACTIVECAPTION);
constexpr TColor clGradientInactiveCaption = SystemColor(COLOR_GRADIENTINACTIVECAPTION);
constexpr TColor clMenuHighlight = SystemColor(COLOR_MENUHILIGHT);
constexpr TColor clMenuBar = SystemColor(COLOR_MENUBAR);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour: system colours are looked up, others answered as
// they are.
COLORREF ColorToRGB(TColor color);

// The colour identifiers ("clBtnFace", "clWindowText", "clRed" …) that form
// resources may write for colour properties.
const TIdentMap& ColorIdents();
bool ColorToIdent(long long color, AnsiString& ident);
bool IdentToColor(std::string_view ident, long long& color);
// An identifier when there is one, else "$00BBGGRR".
AnsiString ColorToString(TColor color);
// An identifier or a number; raises EConvertError for anything else.
TColor StringToColor(std::string_view text);

// The character-set identifiers of font properties ("GB2312_CHARSET" …).
const TIdentMap& CharsetIdents();

// ---------------------------------------------------------------------------
// Errors

class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
// A graphics call that cannot be done now, such as drawing on a canvas
// without a device context ("Canvas does not allow drawing").
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

// ---------------------------------------------------------------------------
// Fonts, pens and brushes. Each makes its GDI object on demand and makes a
// new one after any change, telling its owner through OnChange.

class TGraphicsObject : public TPersistent {
  T_CLASS(TGraphicsObject, TPersistent)

 public:
  TNotifyEvent OnChange;

 protected:
  virtual void Changed();
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
  T_CLASS(TFont, TGraphicsObject)

 public:
  // Screen resolution that converts between Size (points) and Height (pixels).
  static constexpr int PixelsPerInch = 96;

  TFont();
  ~TFont() override;

  void Assign(TPersistent* source) override;

  const AnsiString& Name() const { return name_; }
  void SetName(const AnsiString& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);

  // The font object, made on first use; owned by the font.
  HFONT Handle();
  // Takes the font's description from a font object (which stays the caller's).
  void SetHandle(HFONT font);

 private:
  void Change();
  void FreeHandle();

  AnsiString name_;
  int height_;
  int charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  TFontStyles style_;
  TFontPitch pitch_ = TFontPitch::fpDefault;
  HFONT handle_ = nullptr;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmXor };

class TPen : public TGraphicsObject {
  T_CLASS(TPen, TGraphicsObject)

 public:
  TPen() = default;
  ~TPen() override;

  void Assign(TPersistent* source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  // The mix mode the canvas sets with the pen (SetROP2).
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);

  HPEN Handle();

 private:
  void Change();

  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
  TPenMode mode_ = TPenMode::pmCopy;
  HPEN handle_ = nullptr;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBitmap;

class TBrush : public TGraphicsObject {
  T_CLASS(TBrush, TGraphicsObject)

 public:
  TBrush() = default;
  ~TBrush() override;

  void Assign(TPersistent* source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // A pattern bitmap (not owned; it must outlive its use by the brush). While
  // one is set the brush paints with it and Color and Style are ignored.
  TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* bitmap);

  HBRUSH Handle();

 private:
  void Change();

  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  TBitmap* bitmap_ = nullptr;
  HBRUSH handle_ = nullptr;
};

// ---------------------------------------------------------------------------
// The canvas: drawing with a font, a pen and a brush on a device context. The
// context may be given from outside (a paint DC); the canvas then selects its
// objects into it while it draws and puts the context's own objects back when
// it lets the context go.

class TGraphic;

constexpr DWORD cmSrcCopy = SRCCOPY;

class TCanvas : public TPersistent {
  T_CLASS(TCanvas, TPersistent)

 public:
  TCanvas();
  ~TCanvas() override;

  // The device context; setting another one lets the previous one go first.
  HDC Handle();
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return handle_ != nullptr; }

  // The canvas may be shared by several painters of the one GUI thread; a
  // painter locks it while it has pointed it at a context of its own.
  void Lock() { ++lockCount_; }
  void Unlock() { --lockCount_; }
  bool TryLock();
  int LockCount() const { return lockCount_; }

  TFont* Font() { return font_.get(); }
  void SetFont(TFont* font) { font_->Assign(font); }
  TPen* Pen() { return pen_.get(); }
  void SetPen(TPen* pen) { pen_->Assign(pen); }
  TBrush* Brush() { return brush_.get(); }
  void SetBrush(TBrush* brush) { brush_->Assign(brush); }
  // The raster operation of Draw of opaque graphics and of CopyRect.
  DWORD CopyMode() const { return copyMode_; }
  void SetCopyMode(DWORD rop) { copyMode_ = rop; }

  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void DrawFocusRect(const TRect& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
  void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& rect) { Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
  void Polygon(std::span<const TPoint> points);
  void Polyline(std::span<const TPoint> points);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos();
  void SetPenPos(TPoint position) { MoveTo(position.x, position.y); }

  // Text in the program's 8-bit code page. TextOut moves the pen position to
  // the end of the text; TextRect clips the text to `rect`.
  void TextOut(int x, int y, const AnsiString& text);
  void TextRect(const TRect& rect, int x, int y, const AnsiString& text);
  SIZE TextExtent(const AnsiString& text);
  int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
  int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }
  // Wide text, as windows keep it.
  void TextOutW(int x, int y, const WideString& text);
  SIZE TextExtentW(const WideString& text);

  // A graphic at its own size, or stretched into a rectangle.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies (stretching when the sizes differ) part of another canvas.
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);
  // The part of the context drawing may reach, in logical coordinates.
  TRect ClipRect();

  // Lets the objects go and selects them again before the next drawing.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Makes a context when the canvas has none (bitmap canvases do); the base
  // canvas cannot.
  virtual void CreateHandle() {}
  HDC CurrentHandle() const { return handle_; }
  // The device context with the canvas's objects selected; raises
  // EInvalidGraphicOperation when there is none.
  HDC RequireHandle();
  HDC RequireFontHandle();
  void Changing();
  void Changed();

 private:
  void SelectObjects();
  void SelectFont();
  void DeselectHandles();

  HDC handle_ = nullptr;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  DWORD copyMode_ = cmSrcCopy;
  int lockCount_ = 0;
  bool objectsSelected_ = false;
  bool fontSelected_ = false;
  // The context's own objects, put back when the canvas lets it go.
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
};

// ---------------------------------------------------------------------------
// Graphics: pictures that know their size, draw themselves on a canvas and
// travel through streams.

class TGraphic : public TPersistent {
  T_CLASS(TGraphic, TPersistent)

 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual int Height() const = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);
  bool Modified() const { return modified_; }
  void SetModified(bool modified);

  // The picture's file format: the rest of `stream` (LoadFromStream) and the
  // whole picture (SaveToStream). Raise EInvalidGraphic on bytes that are not
  // a valid picture, leaving the graphic as it was.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path);

  // The streamed-only property "Data" (as in "Glyph.Data"): ReadData/WriteData.
  void DefineProperties(TFiler& filer) override;

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  friend class TPicture;

  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  // The graphic inside form-resource data; by default its file format.
  virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream& stream) { SaveToStream(stream); }
  virtual void Changed();

 private:
  bool transparent_ = false;
  bool modified_ = false;
};

// Makes an empty graphic of a registered class ("TBitmap", "TJPEGImage",
// "TIcon"), or null for a name no graphic class has.
std::unique_ptr<TGraphic> CreateGraphic(std::string_view className);

// The size-prefixed picture bytes of form-resource data: a 32-bit little-endian
// count, then that many bytes. Raises EReadError when the stream is shorter.
std::vector<std::uint8_t> ReadSizedData(TStream& stream);
void WriteSizedData(TStream& stream, std::span<const std::uint8_t> bytes);
// The rest of a stream.
std::vector<std::uint8_t> ReadRemaining(TStream& stream);

// ---------------------------------------------------------------------------
// Bitmaps: device-independent pictures with row access.

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmapCanvas;

class TBitmap : public TGraphic {
  T_CLASS(TBitmap, TGraphic)

 public:
  TBitmap();
  ~TBitmap() override;

  void Assign(TPersistent* source) override;

  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  void SetWidth(int width) override { SetSize(width, height_); }
  int Height() const override { return height_; }
  void SetHeight(int height) override { SetSize(width_, height); }
  // Keeps the pixels of the common part; new pixels take the canvas brush
  // colour (white unless the canvas says otherwise).
  void SetSize(int width, int height);

  // pfDevice is the screen's layout (32 bits per pixel). Changing the format
  // converts the pixels; palette formats take the nearest colours.
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat format);
  bool Monochrome() const { return pixelFormat_ == TPixelFormat::pf1bit; }
  void SetMonochrome(bool monochrome);

  // The bytes of row `row` (0 = top) in the pixel format's layout: 3 bytes
  // blue, green, red per pixel for pf24bit, 4 for pf32bit and pfDevice.
  // Raises EInvalidGraphic for a row outside the picture.
  std::uint8_t* ScanLine(int row);

  TCanvas* Canvas();

  // The transparent colour: with tmAuto the bottom-left pixel (white for a
  // monochrome picture), with tmFixed the colour set. Setting a colour makes
  // the mode tmFixed; clDefault makes it tmAuto.
  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // Monochrome masks: 1 where the picture has the colour, 0 elsewhere.
  // Mask(colour) keeps such a mask as the bitmap's MaskHandle; MaskHandle
  // makes one from the transparent colour when there is none.
  void Mask(TColor transparentColor);
  HBITMAP MaskHandle();
  HBITMAP ReleaseMaskHandle();

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // A picture from the program's embedded resources of type "BITMAP"; raises
  // EInvalidGraphic when there is none or it is not a valid bitmap.
  void LoadFromResourceName(std::string_view name);
  // Drops the picture: width and height become 0.
  void Clear();

  // The DIB section holding the pixels (null while empty); owned by the
  // bitmap. SetHandle takes ownership of any bitmap handle.
  HBITMAP Handle() const { return handle_; }
  void SetHandle(HBITMAP bitmap);
  // Hands the handle to the caller; the bitmap is left empty.
  HBITMAP ReleaseHandle();

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;
  void Changed() override;

 private:
  friend class TBitmapCanvas;
  void Install(HBITMAP bitmap, TPixelFormat format);
  void LoadFromBytes(std::span<const std::uint8_t> bytes);
  void FreeMask();
  HDC CanvasDc();

  HBITMAP handle_ = nullptr;
  std::uint8_t* bits_ = nullptr;
  int stride_ = 0;
  bool topDown_ = false;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat pixelFormat_ = TPixelFormat::pfDevice;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
  TColor transparentColor_ = clDefault;
  HBITMAP maskHandle_ = nullptr;
  std::unique_ptr<TBitmapCanvas> canvas_;
};

// ---------------------------------------------------------------------------
// Icons: a colour picture with a transparency mask, read from and written as
// icon files.

class TIcon : public TGraphic {
  T_CLASS(TIcon, TGraphic)

 public:
  TIcon();
  ~TIcon() override;

  void Assign(TPersistent* source) override;

  bool Empty() const override { return handle_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // An icon's size comes from its picture; these raise EInvalidGraphicOperation
  // ("Cannot change the size of an icon") unless the icon is empty.
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  // Icon files: the image closest to 32 × 32 pixels (the deepest of equals) is
  // taken. Raises EInvalidGraphic ("Icon image is not valid") on anything
  // malformed.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // An icon file from the program's embedded resources of type "ICON"; false
  // (the icon unchanged) when there is none or it is not a valid icon.
  bool LoadFromResourceName(std::string_view name);

  // The icon (owned by the TIcon; SetHandle takes ownership).
  HICON Handle() const { return handle_; }
  void SetHandle(HICON icon);
  HICON ReleaseHandle();

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;

 private:
  void Install(HICON icon);

  HICON handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// Parses an icon file into an icon handle (the caller's); null with `error`
// set for bytes that are not a valid icon file.
HICON ReadIconFile(std::span<const std::uint8_t> data, std::string* error = nullptr);
// An icon file holding one image of the icon (32-bit colour with its mask).
std::vector<std::uint8_t> WriteIconFile(HICON icon);

// ---------------------------------------------------------------------------
// The picture holder: owns one graphic of any class. Form resources stream it
// as "Picture.Data": the graphic's class name as a short string (one length
// byte, then the name), followed by the graphic's data.

class TPicture : public TPersistent {
  T_CLASS(TPicture, TPersistent)

 public:
  TPicture();
  ~TPicture() override;

  void Assign(TPersistent* source) override;

  // The graphic, or null while the picture is empty.
  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds a copy of `graphic` (null empties the picture).
  void SetGraphic(TGraphic* graphic);
  // The graphic as a bitmap, replacing any other graphic by an empty bitmap.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* bitmap) { SetGraphic(bitmap); }
  // The graphic as an icon, replacing any other graphic by an empty icon.
  TIcon* Icon();

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // By file extension: .bmp, .jpg/.jpeg, .ico (raises EInvalidGraphic for
  // others, "Unknown picture file extension (.xyz)").
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path);

  void DefineProperties(TFiler& filer) override;
  // The "Data" bytes, as form resources hold them.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* dest) override;

 private:
  void Adopt(std::unique_ptr<TGraphic> graphic);
  void Changed(TObject* sender);

  std::unique_ptr<TGraphic> graphic_;
};

// ---------------------------------------------------------------------------
// Disabled pictures: the embossed look of a disabled glyph. The shape is the
// picture's inked pixels (neither the transparent colour nor light, that is
// with some channel below 0xC0); it is drawn in the highlight colour one pixel
// right and down, then in the shadow colour at the origin, leaving the rest of
// the destination alone.

// The shape of `width` × `height` pixels of `source` at (x, y): a monochrome
// bitmap (the caller's) with 1 for the shape and 0 elsewhere. CLR_NONE as
// `transparent` means the picture has no transparent colour.
HBITMAP CreateDisabledMask(HDC source, int x, int y, int width, int height, COLORREF transparent);
// Draws a shape mask embossed at (x, y) of `dc`.
void DrawEmbossed(HDC dc, int x, int y, int width, int height, HBITMAP mask);
// The embossed rendering of part of a bitmap (its transparent colour skipped).
void DrawDisabledBitmap(TCanvas* canvas, int x, int y, TBitmap* bitmap, const TRect& source);
