// The skinned menu bar: its items read from the window's menu, laid out in
// rows that fit the window's width, painted from the skin's menu-bar picture
// and colours, and one item repainted as the mouse makes it hot or pressed.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinForm_MenuBarTracking.h"
#include "toolkit/ActnList.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

namespace {

constexpr int kTextBuffer = 80;
constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The system menu font, as the non-client metrics give it.
HFONT CreateMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    return reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return CreateFontIndirectA(&metrics.lfMenuFont);
}

// The platforms whose bar is read from the form's menu object rather than
// from the menu handle: NT below 5, and any 4.0.
bool ItemsFromMenuObject() {
  const DWORD version = SkinPlatformVersion();
  const bool nt = (version & 0x80000000u) == 0;
  const int major = static_cast<int>(version & 0xFF);
  const int minor = static_cast<int>((version >> 8) & 0xFF);
  return (nt && major < 5) || (major == 4 && minor == 0);
}

// The menu-bar picture of the skin, or null when the skin has none.
TDataSkinObject* BarPicture(TSkinData* skin) {
  TDataSkinObject* bar = skin->MenuBar.get();
  return bar != nullptr && !bar->Picture->Empty() ? bar : nullptr;
}

}  // namespace

TMenu* FormMainMenu(TControl* formControl) {
  auto* form = As<TCustomForm>(formControl);
  return form != nullptr ? As<TMenu>(form->Menu()) : nullptr;
}

// -- The bar ---------------------------------------------------------------------

TMenuBar::TMenuBar(TWinSkinForm* form)
    : FSkin(form->FSkin), FForm(form), FBackground(std::make_unique<TBitmap>()), FFont(CreateMenuFont()) {}

TMenuBar::~TMenuBar() {
  MenuBarTrackingGone(FForm);
  FreeItems();
  if (FFont != nullptr) DeleteObject(FFont);
}

int TMenuBar::RowHeight() { return GetSystemMetrics(SM_CYMENU); }

void TMenuBar::FreeItems() {
  if (Owns(FForm->FHotObject)) FForm->FHotObject = nullptr;
  FItems.clear();
  FCount = 0;
}

bool TMenuBar::Owns(const TNCObject* item) const {
  if (item == nullptr) return false;
  for (const auto& own : FItems) {
    if (own.get() == item) return true;
  }
  return false;
}

void TMenuBar::BuildItems() {
  if (HMENU menu = GetMenu(FForm->FHandle); menu != nullptr) FMenuHandle = menu;
  if (FMenuHandle == nullptr) return;
  // A form object without a main menu of its own still shows the menu its
  // window was given: the items then come from the handle alone.
  FMenu = FForm->FFormControl != nullptr ? FormMainMenu(FForm->FFormControl) : nullptr;
  FreeItems();
  if (ItemsFromMenuObject() && FMenu != nullptr) {
    TMenuItem* root = FMenu->Items();
    for (int i = 0; i < root->Count(); ++i) {
      auto item = std::make_unique<TMenuBtn>(FForm, this, i);
      TakeFormItem(*item, root->Items(i));
      item->FVisible = root->Items(i)->Visible();
      item->FCommand = root->Items(i)->Command();
      FItems.push_back(std::move(item));
    }
  } else {
    const int n = GetMenuItemCount(FMenuHandle);
    if (n <= 0) return;
    for (int i = 0; i < n; ++i) {
      auto item = std::make_unique<TMenuBtn>(FForm, this, i);
      ReadPosition(FMenuHandle, i, *item, false);
      FItems.push_back(std::move(item));
    }
  }
  FCount = static_cast<int>(FItems.size());
  MeasureItems();
  SetMenu(FForm->FHandle, nullptr);
}

void TMenuBar::ReadPosition(HMENU menu, int position, TMenuBtn& item, bool formItemsForEmptyTextOnly) {
  char text[kTextBuffer + 1] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
  info.dwTypeData = text;
  info.cch = kTextBuffer;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) text[0] = '\0';
  item.FSubMenu = info.hSubMenu;
  item.FItemEnabled = (info.fState & (MF_GRAYED | MF_DISABLED)) == 0;
  item.FVisible = true;
  item.FCommand = info.wID;
  item.FCaption = AnsiToWide(text);
  if (FMenu == nullptr || (formItemsForEmptyTextOnly && !item.FCaption.empty())) return;
  if (TMenuItem* found = FMenu->FindItem(info.wID, TFindItemKind::fkCommand)) {
    TakeFormItem(item, found);
    if (formItemsForEmptyTextOnly) item.FCommand = found->Command();
  }
}

void TMenuBar::TakeFormItem(TMenuBtn& item, TMenuItem* menuItem) {
  if (TAction* action = menuItem->Action()) action->Update();
  item.FCaption = AnsiToWide(menuItem->Caption());
  item.FItemEnabled = menuItem->Enabled();
  item.FMenuItem = menuItem;
  item.FSubMenu = menuItem->Count() > 0 ? menuItem->Handle() : nullptr;
}

void TMenuBar::MeasureItems() {
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, FFont);
  for (const auto& item : FItems) {
    RECT r{0, 0, 0, 0};
    SkinDrawText(dc, item->FCaption, &r, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    const int tw = r.right - r.left;
    item->FTextWidth = tw > 0 ? tw + 10 : tw;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
}

// -- Layout ----------------------------------------------------------------------

int TMenuBar::StartOffset(int w) const {
  const TDataSkinObject* bar = BarPicture(FSkin);
  if (bar == nullptr) return 6;
  const int start = FForm->FRightToLeft ? bar->RightWidth + 8 : bar->LeftWidth + 4;
  return start > w ? 12 : start;
}

template <typename Place>
int TMenuBar::Flow(int w, int rightStart, Place place) const {
  const int rowHeight = RowHeight();
  const int start = StartOffset(w);
  const bool rtl = FForm->FRightToLeft;
  const int firstRight = rightStart >= 0 ? rightStart : w - start;
  int rows = 1;
  int inRow = 0;
  int x = rtl ? firstRight : start;
  for (const auto& item : FItems) {
    if (!item->FVisible) {
      place(*item, TRect{});
      continue;
    }
    const int width = item->FTextWidth;
    // An item that does not fit the rest of the row starts the next one.
    const bool overflows = rtl ? x - width < 0 : x + width > w;
    if (width > 0 && inRow > 0 && overflows) {
      ++rows;
      inRow = 0;
      x = rtl ? w - start : start;
    }
    const int top = (rows - 1) * rowHeight;
    const TRect cell = rtl ? Rect(x - width, top, x, top + rowHeight - 1) : Rect(x, top, x + width, top + rowHeight - 1);
    place(*item, cell);
    x += rtl ? -width : width;
    if (width > 0) ++inRow;
  }
  return rows;
}

int TMenuBar::RowsFor(int width) const {
  return Flow(width, -1, [](TMenuBtn&, const TRect&) {});
}

void TMenuBar::LayoutItems() {
  RECT window{};
  if (!GetWindowRect(FForm->FHandle, &window)) return;
  const TRect bar = Rect(FForm->FBorderLeft, FForm->FTitleHeight, (window.right - window.left) - FForm->FBorderRight,
                         FForm->FTitleHeight + FForm->FMenuBarHeight);
  if (IsRectEmpty(&bar)) return;
  Flow(RectWidth(bar), -1, [&](TMenuBtn& item, const TRect& cell) {
    item.FRect = cell;
    if (item.FVisible) OffsetRect(&item.FRect, bar.left, bar.top);
  });
}

TMenuBtn* TMenuBar::ItemAt(TPoint framePoint) const {
  for (const auto& item : FItems) {
    if (item->FVisible && !item->FCaption.empty() && PtInRect(&item->FRect, framePoint)) return item.get();
  }
  return nullptr;
}

// -- Painting --------------------------------------------------------------------

void TMenuBar::PaintBackground(HDC dc, int w, int h) {
  TDataSkinObject* bar = BarPicture(FSkin);
  if (bar == nullptr) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(FSkin->Colours[scMenubar]));
    const RECT all{0, 0, w, h};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    return;
  }
  const int frame = FForm->FActive ? 1 : 2;
  const int rowHeight = std::max(RowHeight(), 1);
  // Every row of the bar gets the picture at the height it was drawn for.
  for (int top = 0; top < h; top += rowHeight) {
    const TRect row = Rect(0, top, w, std::min(top + rowHeight, h));
    if (bar->Tile == 1) {
      PaintSkinPicture(dc, row, bar->Picture.get(), true, false, false, 2, frame, bar->Margins());
    } else {
      PaintSkinStrip(SkinScratchBitmap()->Canvas(), row, bar->Picture.get(), true, false, 2, frame,
                     Rect(bar->LeftWidth, 0, bar->RightWidth, 0));
    }
  }
}

void TMenuBar::PaintBar(HDC dc, const TRect& rect) {
  const int w = RectWidth(rect);
  const int h = RectHeight(rect);
  TBitmap* scratch = SkinScratchBitmap();
  if (scratch == nullptr || w <= 0 || h <= 0) return;
  scratch->SetSize(w, h);
  HDC buffer = scratch->Canvas()->Handle();
  PaintBackground(buffer, w, h);

  FBarRect = rect;
  FBackground->SetSize(w, h);
  BitBlt(FBackground->Canvas()->Handle(), 0, 0, w, h, buffer, 0, 0, SRCCOPY);

  const HGDIOBJ oldFont = SelectObject(buffer, FFont);
  const int oldMode = SetBkMode(buffer, TRANSPARENT);
  const bool mdiButtons = FForm->ActiveChildMaximized();
  Flow(w, mdiButtons && FForm->FRightToLeft ? MDIButtonsLeft() - 5 : -1, [&](TMenuBtn& item, const TRect& cell) {
    if (!item.FVisible) {
      item.FRect = TRect{};
      return;
    }
    RECT text = cell;
    SetTextColor(buffer, ColorToRGB(FSkin->Colours[item.FItemEnabled ? scMenuBarText : scButtonShadow]));
    SkinDrawText(buffer, item.FCaption, &text, kCaptionFormat);
    item.FRect = cell;
    OffsetRect(&item.FRect, rect.left, rect.top);
  });
  SetBkMode(buffer, oldMode);
  SelectObject(buffer, oldFont);
  if (mdiButtons) PaintMDIButtons(buffer);
  BitBlt(dc, rect.left, rect.top, w, h, buffer, 0, 0, SRCCOPY);
}

void TMenuBtn::Paint() {
  const TRect& bar = FBar->FBarRect;
  if (FBar->FBackground->Empty() || IsRectEmpty(&FRect)) return;
  HDC dc = GetWindowDC(FForm->FHandle);
  if (dc == nullptr) return;
  TSkinData* skin = FBar->FSkin;
  const int rowHeight = std::max(TMenuBar::RowHeight(), 1);
  const int rowTop = bar.top + (FRect.top - bar.top) / rowHeight * rowHeight;
  const int rowBottom = std::min<int>(rowTop + rowHeight, bar.bottom);
  BitBlt(dc, FRect.left, rowTop, RectWidth(FRect), rowBottom - rowTop, FBar->FBackground->Canvas()->Handle(),
         FRect.left - bar.left, rowTop - bar.top, SRCCOPY);
  if (FMouseState == 2 || FMouseState == 3) {
    HBRUSH hilight = CreateSolidBrush(ColorToRGB(skin->Colours[scButtonHilight]));
    FrameRect(dc, &FRect, hilight);
    DeleteObject(hilight);
  }
  const HGDIOBJ oldFont = SelectObject(dc, FBar->Font());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(skin->Colours[FItemEnabled ? scMenuBarText : scButtonShadow]));
  RECT text = FRect;
  SkinDrawText(dc, FCaption, &text, kCaptionFormat);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  ReleaseDC(FForm->FHandle, dc);
}

// -- The form's side -----------------------------------------------------------

void TWinSkinForm::CreateMenuBar() {
  FMenuHandle = GetMenu(FHandle);
  if (FMenuHandle == nullptr || FKind == kKindMDIChild) return;
  FMenuBar = std::make_unique<TMenuBar>(this);
  FMenuBarHeight = TMenuBar::RowHeight();
  FMenuBar->BuildItems();
}

void TWinSkinForm::FreeMenuBar(bool restoreMenu) {
  if (!FMenuBar) return;
  const HMENU menu = FMenuBar->FMenuHandle;
  if (restoreMenu) FMenuBar->RestoreOwnerDraw();
  FMenuBar.reset();
  if (restoreMenu && menu != nullptr && IsMenu(menu)) SetMenu(FHandle, menu);
}

void TWinSkinForm::MenuBarChanged(bool afterMDISetMenu) {
  if (!FMenuBar) return;
  if (afterMDISetMenu) {
    FMenuBar->RebuildItems();
  } else {
    FMenuBar->BuildItems();
  }
  // The frame is measured again: the new items may take another number of
  // rows; the bar is painted anew with the frame.
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  FMenuBar->LayoutItems();
}
