// Owner-drawn menu entries in the skin's look: the part of the menu window's
// background under the entry, the menu-item picture (normal or selected
// frame, the separator frame), the glyph column with images, check and
// radio marks, the caption, the shortcut and the sub-menu arrow.
#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "skin/forms/WinSkinMenu_Entry.h"
#include "toolkit/ImgList.h"
#include "toolkit/Menus.h"

namespace {

// Frames of the menu-item picture.
constexpr int kItemFrames = 5;
constexpr int kFrameNormal = 1;
constexpr int kFrameSeparator = 2;
constexpr int kFrameSelected = 4;
// The glyph box when the menu has no images, and the least a check needs.
constexpr int kGlyphSize = 16;
// The shortcut ends this far from the right; the arrow lives in that column.
constexpr int kShortcutEnd = 11;

TDataSkinObject* ItemObject(TSkinData* skin) {
  TDataSkinObject* object = skin != nullptr ? skin->MenuItem.get() : nullptr;
  return object != nullptr && object->Picture != nullptr && !object->Picture->Empty() ? object : nullptr;
}

int LeftMargin(TSkinData* skin) {
  return skin != nullptr && skin->MenuItem != nullptr ? skin->MenuItem->LeftWidth : 0;
}

TColor SkinColour(TSkinData* skin, int index) { return static_cast<TColor>(ColorToRGB(skin->Colours[index])); }

// The background under an entry: the part of its window's background
// picture, else the Menu colour.
void FillEntryBackground(TSkinData* skin, TBitmap& target, HMENU menu, const TRect& rect) {
  TBitmap* background = SkinManager != nullptr ? SkinManager->MenuBackground(menu) : nullptr;
  TCanvas* canvas = target.Canvas();
  if (background != nullptr && !background->Empty()) {
    BitBlt(canvas->Handle(), 0, 0, target.Width(), target.Height(), background->Canvas()->Handle(),
           rect.left + kMenuClientInset, rect.top + kMenuClientInset, SRCCOPY);
    return;
  }
  canvas->Brush()->SetColor(SkinColour(skin, scMenu));
  canvas->FillRect(Rect(0, 0, target.Width(), target.Height()));
}

// The composing bitmap of an entry, with the menu font.
void PrepareEntryBitmap(TBitmap& bitmap, const TRect& rect) {
  bitmap.SetSize(RectWidth(rect), RectHeight(rect));
  UseMenuFont(bitmap.Canvas(), false);
}

void CopyToEntry(TCanvas* canvas, const TRect& rect, TBitmap& bitmap) {
  BitBlt(canvas->Handle(), rect.left, rect.top, bitmap.Width(), bitmap.Height(), bitmap.Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

// The separator frame drawn over the entry: its bottom rows when the
// picture is taller than the entry, left cap, stretched middle, right cap.
void DrawSeparatorFrame(const TDataSkinObject& object, TCanvas* canvas, const TRect& rect) {
  TBitmap* picture = object.Picture.get();
  const int frameWidth = picture->Width() / kItemFrames;
  const int w = RectWidth(rect), h = RectHeight(rect);
  if (frameWidth <= 0 || w <= 0 || h <= 0) return;
  const int sourceHeight = std::min(picture->Height(), h);
  const int sourceTop = picture->Height() - sourceHeight;
  const int frameLeft = (kFrameSeparator - 1) * frameWidth;
  int left = std::clamp(object.LeftWidth, 0, frameWidth);
  int right = std::clamp(object.RightWidth, 0, frameWidth - left);
  if (left + right > w) left = right = 0;
  TBitmap strip;
  strip.SetSize(w, h);
  HDC dc = strip.Canvas()->Handle();
  HDC source = picture->Canvas()->Handle();
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  // Rows the picture does not cover stay transparent.
  strip.Canvas()->Brush()->SetColor(kSkinKeyColour);
  strip.Canvas()->FillRect(Rect(0, 0, w, h));
  const int top = (h - sourceHeight) / 2;
  if (left > 0) StretchBlt(dc, 0, top, left, sourceHeight, source, frameLeft, sourceTop, left, sourceHeight, SRCCOPY);
  const int middle = frameWidth - left - right;
  if (middle > 0) {
    StretchBlt(dc, left, top, w - left - right, sourceHeight, source, frameLeft + left, sourceTop, middle, sourceHeight,
               SRCCOPY);
  }
  if (right > 0) {
    StretchBlt(dc, w - right, top, right, sourceHeight, source, frameLeft + frameWidth - right, sourceTop, right,
               sourceHeight, SRCCOPY);
  }
  SetStretchBltMode(dc, oldMode);
  DrawMasked(canvas->Handle(), rect, &strip, kSkinKeyColour);
}

// The classic check mark (7 by 7) and radio bullet, in `colour`, centred in
// the glyph box horizontally and in the entry vertically.
void DrawMark(HDC dc, const TRect& box, const TRect& entry, bool radio, TColor colour) {
  const int size = 7;
  const int x = box.left + (RectWidth(box) - size) / 2 + 1;
  const int y = entry.top + (RectHeight(entry) - size) / 2 + 1;
  const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(colour));
  HBRUSH brush = CreateSolidBrush(rgb);
  if (radio) {
    HPEN pen = CreatePen(PS_SOLID, 1, rgb);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Ellipse(dc, x + 1, y + 1, x + size - 1, y + size - 1);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  } else {
    // Three rows of the stroke: down from the left, then up to the right.
    for (int i = 0; i < 3; ++i) {
      for (int column = 0; column < size; ++column) {
        const int row = column < 2 ? column + 2 : 6 - column;
        RECT dot{x + column, y + row + i, x + column + 1, y + row + i + 1};
        FillRect(dc, &dot, brush);
      }
    }
  }
  DeleteObject(brush);
}

// A small triangle pointing into the sub-menu, in the shortcut's end column.
void DrawSubMenuArrow(HDC dc, const TRect& entry, bool rightToLeft, TColor colour) {
  const int height = 7;
  const int top = entry.top + (RectHeight(entry) - height) / 2;
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour)));
  for (int row = 0; row < height; ++row) {
    const int length = row < 4 ? row + 1 : height - row;
    RECT line = rightToLeft ? RECT{entry.left + 8 - length, top + row, entry.left + 8, top + row + 1}
                            : RECT{entry.right - 8, top + row, entry.right - 8 + length, top + row + 1};
    FillRect(dc, &line, brush);
  }
  DeleteObject(brush);
}

// Text rules shared by the caption and the shortcut.
void DrawEntryText(HDC dc, const AnsiString& text, RECT area, UINT alignment) {
  AnsiString measured = text;
  if (measured.empty() || measured == "&") measured += " ";
  RECT calc = area;
  DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &calc,
            DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | alignment);
  const int height = calc.bottom - calc.top;
  area.top += (area.bottom - area.top - height) / 2;
  area.bottom = area.top + height;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_EXPANDTABS | DT_SINGLELINE | alignment);
}

int TextWidth(HDC dc, const AnsiString& text) {
  AnsiString measured = text;
  if (measured.empty() || measured == "&") measured += " ";
  RECT calc{0, 0, 0, 0};
  DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &calc,
            DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
  return calc.right - calc.left;
}

TColor TextColour(TSkinData* skin, const TMenuItem& item, bool selected) {
  if (!item.Enabled()) {
    const TColor shadow = SkinColour(skin, scButtonShadow);
    return shadow == SkinColour(skin, scMenuText) ? static_cast<TColor>(ColorToRGB(clBtnShadow)) : shadow;
  }
  return SkinColour(skin, selected ? scHilightText : scMenuText);
}

void FillChecker(HDC dc, const TRect& box) {
  const COLORREF face = static_cast<COLORREF>(ColorToRGB(clBtnFace));
  const COLORREF light = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) SetPixel(dc, x, y, ((x + y) & 1) ? light : face);
  }
}

}  // namespace

void UseMenuFont(TCanvas* canvas, bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  canvas->Font()->SetHandle(font);
  DeleteObject(font);
  TFontStyles style = canvas->Font()->Style();
  if (bold) {
    style.Include(TFontStyle::fsBold);
  } else {
    style.Exclude(TFontStyle::fsBold);
  }
  canvas->Font()->SetStyle(style);
}

void DrawEntryContent(TSkinData* skin, const TMenuEntry& entry, TCanvas* canvas, bool selected, const TRect& rect) {
  TMenuItem& item = *entry.item;
  const AnsiString caption = item.Caption();
  TMenu* menu = item.GetParentMenu() != nullptr ? item.GetParentMenu() : entry.barMenu;
  TImageList* images = menu != nullptr ? menu->Images() : nullptr;
  int glyph = images != nullptr ? images->Width() : kGlyphSize;
  if (item.Checked()) glyph = std::max(glyph, kGlyphSize);
  const bool rightToLeft = menu != nullptr && menu->RightToLeft();
  const bool line = caption == "-";
  const int margin = LeftMargin(skin);

  TRect box = rightToLeft ? Rect(rect.right - 1 - margin - glyph, rect.top + 1, rect.right - 1 - margin,
                                 rect.top + 1 + glyph)
                          : Rect(rect.left + 1 + margin, rect.top + 1, rect.left + 1 + margin + glyph,
                                 rect.top + 1 + glyph);
  HDC dc = canvas->Handle();
  const int entryHeight = RectHeight(rect);
  if (line) {
    box = Rect(0, rect.top + 1, 0, rect.top + 1);
  } else if (images != nullptr && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count()) {
    if (item.Checked()) {
      box.top = rect.top + (entryHeight - kGlyphSize) / 2;
      box.bottom = box.top + glyph;
      FillChecker(dc, box);
      RECT edge = box;
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    } else {
      box.top = rect.top + (entryHeight - images->Height()) / 2;
      box.bottom = box.top + glyph;
    }
    images->Draw(canvas, box.left, box.top, item.ImageIndex(), item.Enabled());
  } else if (item.Checked()) {
    DrawMark(dc, box, rect, item.RadioItem(), clBtnText);
  }

  SelectObject(dc, canvas->Font()->Handle());
  if (line) {
    RECT etched{box.right + 3, rect.top + 4, rect.right - 1, rect.top + 6};
    DrawEdge(dc, &etched, EDGE_ETCHED, BF_TOP);
    return;
  }
  if (item.Default()) {
    TFontStyles style = canvas->Font()->Style();
    style.Include(TFontStyle::fsBold);
    canvas->Font()->SetStyle(style);
    SelectObject(dc, canvas->Font()->Handle());
  }
  const TColor colour = TextColour(skin, item, selected);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(colour)));
  const AnsiString shortcut = item.GetShortCut() != scNone ? ShortCutToText(item.GetShortCut()) : AnsiString();
  if (rightToLeft) {
    const RECT text{rect.left + 1, rect.top, box.left - 3, rect.bottom};
    DrawEntryText(dc, caption, text, DT_RIGHT | DT_RTLREADING);
    if (!shortcut.empty()) {
      const RECT keys{rect.left + kShortcutEnd, rect.top, text.right - TextWidth(dc, caption), rect.bottom};
      DrawEntryText(dc, shortcut, keys, DT_LEFT);
    }
  } else {
    const RECT text{box.right + 3, rect.top, rect.right - 1, rect.bottom};
    DrawEntryText(dc, caption, text, DT_LEFT);
    if (!shortcut.empty()) {
      const RECT keys{text.left + TextWidth(dc, caption), rect.top, rect.right - kShortcutEnd, rect.bottom};
      DrawEntryText(dc, shortcut, keys, DT_RIGHT);
    }
  }
  if (entry.subMenu) DrawSubMenuArrow(dc, rect, rightToLeft, colour);
}

static void DrawEntry(TSkinData* skin, const TMenuEntry& entry, HMENU menu, TCanvas* canvas, const TRect& rect,
               bool selected, bool separatorFrame) {
  TDataSkinObject* object = ItemObject(skin);
  if (object == nullptr) {
    DrawPlainItem(skin, entry.item, canvas, rect, selected, entry.barMenu);
    return;
  }
  if (RectWidth(rect) <= 0 || RectHeight(rect) <= 0) return;
  TBitmap bitmap;
  PrepareEntryBitmap(bitmap, rect);
  FillEntryBackground(skin, bitmap, menu, rect);
  if (separatorFrame && entry.item->IsLine()) {
    CopyToEntry(canvas, rect, bitmap);
    DrawSeparatorFrame(*object, canvas, rect);
    return;
  }
  const TRect local = Rect(0, 0, RectWidth(rect), RectHeight(rect));
  if (!entry.item->IsLine()) {
    PaintSkinPicture(bitmap.Canvas()->Handle(), local, object->Picture.get(), false, object->Tile != 0,
                     object->Trans != 0, kItemFrames, selected ? kFrameSelected : kFrameNormal, object->Margins());
  }
  DrawEntryContent(skin, entry, bitmap.Canvas(), selected, local);
  CopyToEntry(canvas, rect, bitmap);
}

void DrawSkinnedItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected,
                     TMenu* barMenu) {
  if (item == nullptr || canvas == nullptr) return;
  HMENU menu = item->Parent() != nullptr ? item->Parent()->BuiltHandle() : nullptr;
  if (menu != nullptr && SkinManager != nullptr) SkinManager->AssignMenuHandle(menu);
  DrawEntry(skin, TMenuEntry{item, barMenu, item->Count() > 0}, menu, canvas, rect, selected, true);
}

void DrawRawItem(TSkinData* skin, HMENU menu, TMenuItem* item, bool selected, const TRect& rect, TCanvas* canvas,
                 TMenu* barMenu, bool subMenu) {
  if (item == nullptr || canvas == nullptr) return;
  DrawEntry(skin, TMenuEntry{item, barMenu, subMenu}, menu, canvas, rect, selected, false);
}

void DrawPlainItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected,
                   TMenu* barMenu) {
  if (item == nullptr || canvas == nullptr || RectWidth(rect) <= 0 || RectHeight(rect) <= 0) return;
  TBitmap bitmap;
  PrepareEntryBitmap(bitmap, rect);
  bitmap.Canvas()->Brush()->SetColor(SkinColour(skin, selected ? scHilight : scMenu));
  const TRect local = Rect(0, 0, RectWidth(rect), RectHeight(rect));
  bitmap.Canvas()->FillRect(local);
  DrawEntryContent(skin, TMenuEntry{item, barMenu, item->Count() > 0}, bitmap.Canvas(), selected, local);
  CopyToEntry(canvas, rect, bitmap);
}

void DrawItemContent(TSkinData* skin, TMenuItem* item, TCanvas* canvas, bool selected, const TRect& rect,
                     TMenu* barMenu) {
  if (item == nullptr || canvas == nullptr) return;
  DrawEntryContent(skin, TMenuEntry{item, barMenu, item->Count() > 0}, canvas, selected, rect);
}

// -- Measuring -------------------------------------------------------------------

namespace {

void MeasureInMenuFont(TMenuItem* item, TCanvas* canvas, int& width, int& height) {
  UseMenuFont(canvas, item->Default());
  item->DefaultMeasureItem(canvas, width, height);
}

bool HasImages(const TMenuItem* item) {
  const TMenu* menu = item->GetParentMenu();
  return menu != nullptr && menu->Images() != nullptr;
}

}  // namespace

void MeasureMainItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, int& width, int& height) {
  if (item == nullptr || canvas == nullptr) return;
  MeasureInMenuFont(item, canvas, width, height);
  width += LeftMargin(skin) + 10;
  if (!HasImages(item)) width += 25;
}

void MeasurePopupItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, int& width, int& height) {
  if (item == nullptr || canvas == nullptr) return;
  MeasureInMenuFont(item, canvas, width, height);
  width += LeftMargin(skin) + 12;
  if (!HasImages(item)) width += 23;
}
