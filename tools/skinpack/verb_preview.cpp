// preview PKG OUT.png: a labelled sheet of the loaded skin for skin authors
// and reviewers: the colour table, then one card per member picture with its
// frames drawn apart and numbered (transparent pictures over a checkerboard,
// so the magenta key shows as transparency).
#include <algorithm>
#include <cstdio>

#include "platform/gdi/codecs.h"
#include "skin_members.h"
#include "skinpack.h"

namespace skinpack {

namespace {

constexpr int kSheetWidth = 1120;
constexpr int kMargin = 16;
constexpr int kGap = 6;
constexpr int kLabelHeight = 16;
constexpr int kCardGap = 14;
constexpr COLORREF kPaper = RGB(246, 246, 248);
constexpr COLORREF kInk = RGB(40, 44, 52);
constexpr COLORREF kFaint = RGB(120, 124, 132);

// One frame cut from a picture, at the zoom the card uses.
struct FrameCut {
  TRect source;
  int width;
  int height;
};

struct Card {
  std::string label;
  MemberPicture picture;
  int zoom;
  std::vector<FrameCut> frames;
  int width;
  int height;
};

void SetFont(TCanvas& canvas) {
  canvas.Font()->SetName("DejaVu Sans");
  canvas.Font()->SetHeight(-11);
}

int TextWidth(TCanvas& canvas, const std::string& utf8) {
  const WideString text = platform::Utf8ToWideString(utf8);
  SIZE size{};
  GetTextExtentPoint32W(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

Card MakeCard(TCanvas& measure, const SkinMember& member, const MemberPicture& picture) {
  Card card{member.name + (picture.key == "Picture" ? "" : " · " + picture.key), picture, 1, {}, 0, 0};
  const int frames = std::max(picture.frames, 1);
  const int w = picture.bitmap->Width();
  const int h = picture.bitmap->Height();
  const int fw = picture.stacked ? w : w / frames;
  const int fh = picture.stacked ? h / frames : h;
  card.zoom = std::max(fw, fh) <= 48 ? 3 : (std::max(fw, fh) <= 120 ? 2 : 1);
  for (int i = 0; i < frames; ++i) {
    const TRect source = picture.stacked ? Rect(0, i * fh, fw, (i + 1) * fh) : Rect(i * fw, 0, (i + 1) * fw, fh);
    card.frames.push_back({source, fw * card.zoom, fh * card.zoom});
  }
  card.label += "  " + std::to_string(w) + "×" + std::to_string(h) + ", " + std::to_string(frames) +
                (frames == 1 ? " frame" : " frames");
  // Frames in rows no wider than the sheet.
  int x = 0;
  int rowHeight = 0;
  card.height = kLabelHeight;
  for (const FrameCut& frame : card.frames) {
    if (x > 0 && x + frame.width > kSheetWidth - 2 * kMargin) {
      card.height += rowHeight + kLabelHeight;
      x = 0;
      rowHeight = 0;
    }
    x += frame.width + kGap;
    rowHeight = std::max(rowHeight, frame.height);
    card.width = std::max(card.width, x - kGap);
  }
  card.height += rowHeight + kLabelHeight;
  card.width = std::max(card.width, TextWidth(measure, card.label));
  return card;
}

void Checkerboard(HDC dc, const TRect& area) {
  HBRUSH light = CreateSolidBrush(RGB(255, 255, 255));
  HBRUSH dark = CreateSolidBrush(RGB(214, 216, 222));
  for (int y = area.top; y < area.bottom; y += 6) {
    for (int x = area.left; x < area.right; x += 6) {
      const RECT cell = {x, y, std::min(x + 6, static_cast<int>(area.right)),
                         std::min(y + 6, static_cast<int>(area.bottom))};
      FillRect(dc, &cell, ((x - area.left) / 6 + (y - area.top) / 6) % 2 ? dark : light);
    }
  }
  DeleteObject(light);
  DeleteObject(dark);
}

void Text(TCanvas& canvas, int x, int y, const std::string& utf8, COLORREF colour) {
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  canvas.Font()->SetColor(static_cast<TColor>(colour));
  canvas.TextOutW(x, y, platform::Utf8ToWideString(utf8));
}

void DrawCard(TCanvas& canvas, const Card& card, int left, int top) {
  HDC dc = canvas.Handle();
  Text(canvas, left, top, card.label, kInk);
  HDC source = card.picture.bitmap->Canvas()->Handle();
  int x = left;
  int y = top + kLabelHeight;
  int rowHeight = 0;
  for (std::size_t i = 0; i < card.frames.size(); ++i) {
    const FrameCut& frame = card.frames[i];
    if (x > left && x + frame.width > kSheetWidth - kMargin) {
      y += rowHeight + kLabelHeight;
      x = left;
      rowHeight = 0;
    }
    const TRect cell = Bounds(x, y, frame.width, frame.height);
    const int sw = RectWidth(frame.source);
    const int sh = RectHeight(frame.source);
    // The key colour shows as transparency even where the member is drawn
    // opaque: painters such as the caption's cut it out themselves.
    Checkerboard(dc, cell);
    TransparentBlt(dc, x, y, frame.width, frame.height, source, frame.source.left, frame.source.top, sw, sh,
                   RGB(255, 0, 255));
    if (card.frames.size() > 1) Text(canvas, x, y + frame.height + 1, std::to_string(i + 1), kFaint);
    x += frame.width + kGap;
    rowHeight = std::max(rowHeight, frame.height);
  }
}

constexpr int kSwatch = 28;
constexpr int kColourColumns = 7;
// The height of the colour table's block.
constexpr int kColoursHeight =
    kLabelHeight + 4 + (SkinColourCount + kColourColumns - 1) / kColourColumns * (kSwatch + 2 * kLabelHeight);

// The colour table as swatches with their keys.
void DrawColours(TCanvas& canvas, TSkinData& skin, int top) {
  Text(canvas, kMargin, top, "Colours (given by the skin: solid outline; default: dotted)", kInk);
  const int pitch = (kSheetWidth - 2 * kMargin) / kColourColumns;
  for (int i = 0; i < SkinColourCount; ++i) {
    const int x = kMargin + (i % kColourColumns) * pitch;
    const int y = top + kLabelHeight + 4 + (i / kColourColumns) * (kSwatch + 2 * kLabelHeight);
    const std::size_t at = static_cast<std::size_t>(i);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(skin.Colours[at]);
    canvas.Pen()->SetColor(static_cast<TColor>(kInk));
    canvas.Pen()->SetStyle(skin.ColourGiven[at] ? TPenStyle::psSolid : TPenStyle::psDot);
    canvas.Rectangle(x, y, x + kSwatch, y + kSwatch);
    const std::string key = *SkinColourKeys[i] ? SkinColourKeys[i] : (i == scFrame ? "(frame)" : "(unused)");
    Text(canvas, x, y + kSwatch + 2, std::to_string(i) + " " + key, kFaint);
  }
  canvas.Pen()->SetStyle(TPenStyle::psSolid);
}

}  // namespace

int Preview(const Arguments& args) {
  if (args.size() != 2) return 2;
  LoadedSkin loaded;
  LoadSkinPackage(args[0], loaded);

  TBitmap measure;
  measure.SetSize(1, 1);
  SetFont(*measure.Canvas());
  std::vector<Card> cards;
  const std::vector<SkinMember> members = SkinMembers(loaded.skin);
  for (const SkinMember& member : members) {
    if (member.object == nullptr) continue;
    for (const MemberPicture& picture : member.pictures) {
      if (!picture.bitmap->Empty()) cards.push_back(MakeCard(*measure.Canvas(), member, picture));
    }
  }

  // Cards flow left to right in rows.
  struct Placed {
    const Card* card;
    int x, y;
  };
  std::vector<Placed> placed;
  const int coloursTop = kMargin + 2 * kLabelHeight;
  const int cardsTop = coloursTop + kColoursHeight + kCardGap;
  int x = kMargin;
  int y = cardsTop;
  int rowHeight = 0;
  for (const Card& card : cards) {
    if (x > kMargin && x + card.width > kSheetWidth - kMargin) {
      x = kMargin;
      y += rowHeight + kCardGap;
      rowHeight = 0;
    }
    placed.push_back({&card, x, y});
    x += card.width + 2 * kCardGap;
    rowHeight = std::max(rowHeight, card.height);
  }
  const int sheetHeight = y + rowHeight + kMargin;

  TBitmap sheet;
  sheet.SetPixelFormat(TPixelFormat::pf24bit);
  sheet.SetSize(kSheetWidth, sheetHeight);
  TCanvas& canvas = *sheet.Canvas();
  canvas.Brush()->SetColor(static_cast<TColor>(kPaper));
  canvas.FillRect(Rect(0, 0, kSheetWidth, sheetHeight));
  SetFont(canvas);
  SetBkMode(canvas.Handle(), TRANSPARENT);
  Text(canvas, kMargin, kMargin,
       "Skin \"" + NameForTerminal(loaded.skin.SkinName) + "\" — every member's frames, numbered from 1", kInk);
  DrawColours(canvas, loaded.skin, coloursTop);
  for (const Placed& p : placed) DrawCard(canvas, *p.card, p.x, p.y);

  const std::optional<platform::DibImage> image = platform::ImageFromBitmap(sheet.Handle());
  if (!image || !platform::WriteFileBytes(args[1], platform::WritePng(*image))) {
    throw ToolError(args[1] + ": cannot write the picture");
  }
  std::printf("wrote %s (%d × %d, %zu pictures)\n", args[1].c_str(), kSheetWidth, sheetHeight, cards.size());
  return 0;
}

}  // namespace skinpack
