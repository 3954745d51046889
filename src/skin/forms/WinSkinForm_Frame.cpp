// Frame painting: the frame sizes from the skin's side pictures, the four
// sides, the double-buffered title strip with the caption text, and the
// system-menu style bit the frame hides from the platform.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"

namespace {

constexpr int kLeftSide = 1;
constexpr int kRightSide = 2;
constexpr int kTopSide = 3;
constexpr int kBottomSide = 4;

int FrameWidth(const TDataSkinObject& side) {
  return side.Frame > 0 ? side.Picture->Width() / side.Frame : 0;
}
int FrameHeight(const TDataSkinObject& side) {
  return side.Frame > 0 ? side.Picture->Height() / side.Frame : 0;
}

// Whether the Top side, painted opaquely into a title rectangle this wide,
// sets every pixel of it: the painters cover their whole rectangle whenever
// the picture has a frame to cut.
bool TopSideCovers(const TDataSkinBorder& top, int width) {
  return width >= 0 && top.Picture != nullptr && !top.Picture->Empty() && top.Frame >= 1;
}

// The window text as wide text: GetWindowTextW on the NT family for wide
// windows, else WM_GETTEXT with a 1000-byte buffer.
WideString WindowText(HWND window, bool unicode) {
  if (unicode && SkinWideWindowText()) {
    WCHAR text[1000] = {};
    GetWindowTextW(window, text, 1000);
    return text;
  }
  if (unicode) {
    WCHAR text[500] = {};
    SendMessageW(window, WM_GETTEXT, 500, reinterpret_cast<LPARAM>(text));
    return text;
  }
  char text[1000] = {};
  SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
  return AnsiToWide(text);
}

}  // namespace

void TWinSkinForm::BuildFrame() {
  if (FSkin == nullptr || FSkin->NoSkin()) return;
  if (FBorderStyle == kBorderNone) {
    FBorderLeft = FTitleHeight = FBorderRight = FBorderBottom = 0;
    FMenuBarHeight = 0;
  } else {
    FTitleHeight = FrameHeight(*FSkin->Top);
    FBorderLeft = FrameWidth(*FSkin->Left);
    FBorderRight = FrameWidth(*FSkin->Right);
    FBorderBottom = FrameHeight(*FSkin->Bottom);
  }
  BuildButtons();
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
  if (FBorderIcons & kIconKeepSysMenuStyle) return;
  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  if (remove) {
    FStyle &= ~static_cast<DWORD>(WS_SYSMENU);
  } else if (FSystemMenu != nullptr) {
    FStyle |= WS_SYSMENU;
  }
  SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(FStyle));
}

LRESULT TWinSkinForm::NCPaintEntry(WPARAM wParam, LPARAM lParam) {
  SetSysMenuStyle(true);
  if (FSkin->NCPaintEnabled()) {
    if ((FKind == kKindMDIChild && Maximized()) || FBorderStyle == kBorderNone) {
      PassOn(WM_NCPAINT, wParam, lParam);
    } else {
      PaintNonClient(nullptr);
    }
  }
  return 0;
}

void TWinSkinForm::PaintNonClient(HDC given) {
  if (SkinScratchBitmap() == nullptr) return;
  if (FState != kStateReady && FState != kStateReapplying) return;
  if (FBorderStyle == kBorderNone || (FKind == kKindMDIChild && Maximized())) return;
  HDC dc = given != nullptr ? given : GetWindowDC(FHandle);
  if (dc == nullptr) return;
  try {
    RECT r{};
    if (GetWindowRect(FHandle, &r)) {
      FWindowRect = r;
      const int w = r.right - r.left;
      const int h = r.bottom - r.top;
      FWindowWidth = w;
      FWindowHeight = h;
      if (!Minimized()) {
        PaintFrameSide(kLeftSide, Rect(0, 0, FBorderLeft, h), dc);
        PaintFrameSide(kRightSide, Rect(w - FBorderRight, 0, w, h), dc);
        PaintFrameSide(kBottomSide, Rect(FBorderLeft, h - FBorderBottom, w - FBorderRight, h), dc);
      }
      PaintCaption(dc);
      if (!Minimized() && FMenuBarHeight > 0) {
        const RECT bar = Rect(FBorderLeft, FTitleHeight, w - FBorderRight, FTitleHeight + FMenuBarHeight);
        if (FMenuBar) {
          FMenuBar->PaintBar(dc, bar);
        } else {
          FillRect(dc, &bar, FSkin->SkinBrush());
        }
      }
    }
  } catch (...) {
    // A frame that cannot be painted stays as it is; the window keeps working.
  }
  if (given == nullptr) ReleaseDC(FHandle, dc);
  FHotObject = nullptr;
}

void TWinSkinForm::PaintFrameSide(int index, const TRect& rect, HDC dc) {
  if (RectWidth(rect) < 0 || RectHeight(rect) < 0) return;
  TDataSkinBorder* side = index == kLeftSide    ? FSkin->Left.get()
                          : index == kRightSide ? FSkin->Right.get()
                          : index == kTopSide   ? FSkin->Top.get()
                                                : FSkin->Bottom.get();
  const bool stacked = index == kTopSide || index == kBottomSide;
  const int frame = FActive || side->Frame <= 1 ? 1 : 2;
  // Opaque: the painter draws the parts straight onto the context where they
  // tile it exactly, which is what composing and copying would give.
  PaintSkinPicture(dc, rect, side->Picture.get(), stacked, side->Tile != 1, false, side->Frame, frame,
                   side->Margins());
}

void TWinSkinForm::PaintCaption(HDC dc) {
  const int w = FWindowWidth;
  const int h = FWindowHeight;
  TBitmap& buffer = *FCaptionBitmap;
  TRect title{};
  if (Minimized()) {
    buffer.SetSize(w, h);
    buffer.Canvas()->Brush()->SetColor(FSkin->Colours[scButtonFace]);
    buffer.Canvas()->FillRect(Rect(0, 0, w, h));
    title = Rect(0, 0, w, FTitleHeight);
  } else {
    buffer.SetSize(w, FTitleHeight);
    title = Rect(FBorderLeft, 0, w - FBorderRight, FTitleHeight);
    // The buffer starts as the window's pixels. Where the Top side paints
    // every pixel of the title, only the corners beside it are copied.
    HDC to = buffer.Canvas()->Handle();
    if (TopSideCovers(*FSkin->Top, RectWidth(title))) {
      BitBlt(to, 0, 0, FBorderLeft, FTitleHeight, dc, 0, 0, SRCCOPY);
      BitBlt(to, title.right, 0, w - title.right, FTitleHeight, dc, title.right, 0, SRCCOPY);
    } else {
      BitBlt(to, 0, 0, w, FTitleHeight, dc, 0, 0, SRCCOPY);
    }
  }
  HDC bufferDc = buffer.Canvas()->Handle();
  PaintFrameSide(kTopSide, title, bufferDc);
  DrawCaptionText(buffer.Canvas(), title);
  LayoutButtons();
  PaintButtons(bufferDc);
  BitBlt(dc, 0, 0, buffer.Width(), buffer.Height(), bufferDc, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawCaptionText(TCanvas* canvas, const TRect& r) {
  const TDataSkinTitle& t = *FSkin->Title;
  const WideString text = FCaptionPrefix + WindowText(FHandle, FUnicode) + FCaptionSuffix;

  FRightExtent = 0;
  for (const auto& button : FButtons) {
    const TDataSkinSysButton& model = *button->FModel;
    if (model.Align == 1 && !model.Picture->Empty() && button->FVisible) {
      FRightExtent = std::max(FRightExtent, model.Xcoord);
    }
  }

  HDC dc = canvas->Handle();
  const HGDIOBJ oldFont = SelectObject(dc, FCaptionFont->Handle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, FActive ? FSkin->Colours[scTitleTextActive] : FSkin->Colours[scTitleTextNoActive]);

  RECT measured = r;
  SkinDrawText(dc, text, &measured, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  measured.right += t.TXTBackleft + t.TXTBackRight;
  const int tw = measured.right - measured.left;
  const int rw = RectWidth(r);
  int dx = 0;
  if (!FRightToLeft) {
    switch (t.TextAlignment) {
      case 0: dx = t.LeftWidth; break;
      case 1: dx = (rw - tw) / 2; break;
      case 2: dx = rw - t.RightWidth - tw; break;
      default: dx = 0; break;
    }
  } else {
    switch (t.TextAlignment) {
      case 0: dx = rw - FRightExtent - tw; break;
      case 1: dx = (rw - tw - FRightExtent) / 2; break;
      case 2: dx = t.LeftWidth; break;
      default: break;
    }
  }
  const int dy = (RectHeight(r) - (measured.bottom - measured.top)) / 2 + t.TopHeight / 2;
  OffsetRect(&measured, dx, dy);
  if (FRightToLeft && dx <= 0) measured.left = t.LeftWidth;

  if (!(FStyle & WS_POPUP)) {
    if (FRightToLeft) {
      OffsetRect(&measured, 10, 0);
    } else if (measured.right > r.right - t.RightWidth) {
      measured.right = r.right - t.RightWidth;
    }
  } else if (FRightToLeft) {
    OffsetRect(&measured, 10, 0);
  } else if (FRightExtent > 5 && r.right - FRightExtent - 5 < measured.right) {
    measured.right = r.right - FRightExtent - 5;
  }
  if (FBorderStyle == kBorderDialog && t.TextAlignment == 0) measured.left -= 16;
  FTitleTextRect = measured;

  if (!t.Picture->Empty()) {
    const TRect back = Rect(measured.left, r.top, measured.right, r.bottom);
    // A text background whose caps leave no middle part would never end
    // tiling; the strip painter then draws only the caps.
    PaintSkinStrip(canvas, back, t.Picture.get(), true, true, 2, FActive ? 1 : 2,
                   Rect(t.TXTBackleft, 0, t.TXTBackRight, 0));
  }
  measured.left += t.TXTBackleft;
  measured.right -= t.TXTBackRight;
  UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (FRightToLeft) format |= DT_RIGHT | DT_RTLREADING;
  SkinDrawText(dc, text, &measured, format);

  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}
