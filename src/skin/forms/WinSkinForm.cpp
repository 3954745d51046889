// The form skinning object's life: creation with the caption font and the
// drawing surfaces, destruction, the show state and frame coordinates.
#include "skin/forms/WinSkinForm.h"

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Menus.h"

void (*TWinSkinForm::ControlAttachPass)(TWinSkinForm* form) = nullptr;
void (*TWinSkinForm::SizeGripHandOver)(TWinSkinForm* form, HWND grip) = nullptr;

namespace {

// The system caption font, as the non-client metrics give it.
std::unique_ptr<TFont> ReadCaptionFont() {
  auto font = std::make_unique<TFont>();
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    HFONT caption = CreateFontIndirectA(&metrics.lfCaptionFont);
    font->SetHandle(caption);  // takes the font's description, not the handle
    DeleteObject(caption);
  }
  return font;
}

}  // namespace

TBitmap* SkinScratchBitmap() {
  static TBitmap* scratch = [] {
    auto* bitmap = new TBitmap();
    SetStretchBltMode(bitmap->Canvas()->Handle(), COLORONCOLOR);
    return bitmap;
  }();
  return scratch;
}

TWinSkinForm::TWinSkinForm(TControl* formControl)
    : FCaptionFont(ReadCaptionFont()),
      FCaptionPrefix(u"  "),
      FCaptionSuffix(u" "),
      FDoubleClickTime(GetDoubleClickTime()),
      FFormControl(formControl),
      FCanvas(std::make_unique<TCanvas>()),
      FControlCanvas(std::make_unique<TCanvas>()),
      FIconBitmap(std::make_unique<TBitmap>()),
      FCaptionBitmap(std::make_unique<TBitmap>()) {}

TWinSkinForm::~TWinSkinForm() {
  FreeControls();
  FreeButtons();
  if (Subclassed()) RestoreWindowProc();
  UnhookMDIClient();
  if (SkinManager != nullptr) SkinManager->UnregisterForm(this);
}

void TWinSkinForm::ReadShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(FHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      FShowState = kShowMinimized;
      break;
    case SW_SHOWMAXIMIZED:
      FShowState = kShowMaximized;
      break;
    default:
      FShowState = kShowNormal;
      break;
  }
}

TPoint TWinSkinForm::ScreenToFrame(TPoint screen) const {
  POINT p{screen.x, screen.y};
  ScreenToClient(FHandle, &p);
  if (!(FKind == kKindMDIChild && Minimized())) {
    p.x += FBorderLeft;
    p.y += FTitleHeight + FMenuBarHeight;
  }
  return TPoint{p.x, p.y};
}

TPoint TWinSkinForm::ScreenToFrame(LPARAM packedScreenPoint) const {
  const auto x = static_cast<std::int16_t>(LOWORD(packedScreenPoint));
  const auto y = static_cast<std::int16_t>(HIWORD(packedScreenPoint));
  return ScreenToFrame(TPoint{x, y});
}

LRESULT TWinSkinForm::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
  return FUnicode ? CallWindowProcW(FOldWndProc, FHandle, message, wParam, lParam)
                  : CallWindowProcA(FOldWndProc, FHandle, message, wParam, lParam);
}
