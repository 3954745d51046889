// CreateMessageDialog: the message form's parts and where they go. Margins,
// spacing and button sizes are dialog units of the form's font (a quarter
// of its average character width across, an eighth of its height down),
// turned into pixels with MulDiv, so the form grows with its font.
#include <algorithm>
#include <array>

#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

namespace {

// In dialog units.
constexpr int kMargin = 8;
constexpr int kSpacing = 10;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
constexpr int kIconSize = 32;

struct ButtonKind {
  TMsgDlgBtn button;
  const char* name;
  const char* caption;
  TModalResult result;
};

// In the order the buttons are laid out.
constexpr std::array<ButtonKind, 11> kButtons{{
    {TMsgDlgBtn::mbYes, "Yes", "&Yes", mrYes},
    {TMsgDlgBtn::mbNo, "No", "&No", mrNo},
    {TMsgDlgBtn::mbOK, "OK", "OK", mrOk},
    {TMsgDlgBtn::mbCancel, "Cancel", "Cancel", mrCancel},
    {TMsgDlgBtn::mbAbort, "Abort", "&Abort", mrAbort},
    {TMsgDlgBtn::mbRetry, "Retry", "&Retry", mrRetry},
    {TMsgDlgBtn::mbIgnore, "Ignore", "&Ignore", mrIgnore},
    {TMsgDlgBtn::mbAll, "All", "&All", mrAll},
    {TMsgDlgBtn::mbNoToAll, "NoToAll", "N&o to All", mrNoToAll},
    {TMsgDlgBtn::mbYesToAll, "YesToAll", "Yes to &All", mrYesToAll},
    {TMsgDlgBtn::mbHelp, "Help", "&Help", mrNone},
}};

const char* CaptionOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    case TMsgDlgType::mtCustom: break;
  }
  return nullptr;
}

LPCWSTR IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return IDI_WARNING;
    case TMsgDlgType::mtError: return IDI_ERROR;
    case TMsgDlgType::mtInformation: return IDI_INFORMATION;
    case TMsgDlgType::mtConfirmation: return IDI_QUESTION;
    case TMsgDlgType::mtCustom: break;
  }
  return nullptr;
}

TMsgDlgBtn DefaultOf(TMsgDlgButtons buttons) {
  if (buttons.Contains(TMsgDlgBtn::mbOK)) return TMsgDlgBtn::mbOK;
  if (buttons.Contains(TMsgDlgBtn::mbYes)) return TMsgDlgBtn::mbYes;
  return TMsgDlgBtn::mbRetry;
}

TMsgDlgBtn CancelOf(TMsgDlgButtons buttons) {
  if (buttons.Contains(TMsgDlgBtn::mbCancel)) return TMsgDlgBtn::mbCancel;
  if (buttons.Contains(TMsgDlgBtn::mbNo)) return TMsgDlgBtn::mbNo;
  return TMsgDlgBtn::mbOK;
}

// Measures with the font on a screen-compatible context.
class Measurer {
 public:
  explicit Measurer(HFONT font) : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, font)) {}
  ~Measurer() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  Measurer(const Measurer&) = delete;
  Measurer& operator=(const Measurer&) = delete;

  // The dialog base units of the font: its average character width (as
  // Windows computes it from the 52 Latin letters) and its height.
  SIZE BaseUnits() const {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{0, 0};
    GetTextExtentPoint32A(dc_, kLetters, 52, &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return SIZE{std::max<LONG>(1, (extent.cx / 26 + 1) / 2), std::max<LONG>(1, metrics.tmHeight)};
  }

  SIZE Text(const AnsiString& text, int wrapWidth, UINT flags) const {
    RECT r{0, 0, wrapWidth, 0};
    DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

TForm* CreateMessageDialog(const AnsiString& message, TMsgDlgType type, TMsgDlgButtons buttons) {
  if (buttons.Empty()) buttons.Include(TMsgDlgBtn::mbOK);
  auto* form = NewComponent<TMessageForm>(Application);
  try {
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    const char* caption = CaptionOf(type);
    form->SetCaption(caption != nullptr ? AnsiString(caption) : Application->Title());

    const Measurer measure(form->Font()->Handle());
    const SIZE units = measure.BaseUnits();
    const auto across = [&](int dlu) { return MulDiv(dlu, units.cx, 4); };
    const auto down = [&](int dlu) { return MulDiv(dlu, units.cy, 8); };
    const int margin = across(kMargin), marginDown = down(kMargin);
    const int spacing = across(kSpacing), spacingDown = down(kSpacing);
    const int buttonHeight = down(kButtonHeight);
    const int buttonGap = across(kButtonGap);

    // Every button is as wide as the widest caption needs, at least the standard width.
    int buttonWidth = across(kButtonWidth);
    int buttonCount = 0;
    for (const ButtonKind& kind : kButtons) {
      if (!buttons.Contains(kind.button)) continue;
      ++buttonCount;
      buttonWidth = std::max<int>(buttonWidth, measure.Text(kind.caption, 0, DT_SINGLELINE).cx + 8);
    }
    const int buttonsWidth = buttonWidth * buttonCount + buttonGap * (buttonCount - 1);

    // The text wraps at half the screen's width.
    const UINT textFlags = DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
    const SIZE text = measure.Text(message, Screen->Width() / 2, textFlags);
    const LPCWSTR iconId = IconOf(type);
    const int iconSize = iconId != nullptr ? kIconSize : 0;
    const int textLeft = margin + (iconId != nullptr ? iconSize + spacing : 0);
    const int contentHeight = std::max<int>(iconSize, text.cy);

    form->SetClientWidth(std::max<int>(textLeft + text.cx + margin, buttonsWidth + 2 * margin));
    form->SetClientHeight(marginDown + contentHeight + spacingDown + buttonHeight + marginDown);
    form->SetPosition(TPosition::poScreenCenter);

    if (iconId != nullptr) {
      auto* image = new TImage(form);
      image->SetName("Image");
      image->SetParent(form);
      image->Picture()->Icon()->SetHandle(CopyIcon(LoadIconW(nullptr, iconId)));
      image->SetBounds(margin, marginDown, iconSize, iconSize);
    }
    auto* label = new TLabel(form);
    label->SetName("Message");
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetShowAccelChar(false);
    label->SetCaption(message);
    // A short text stands beside the middle of the icon.
    label->SetBounds(textLeft, marginDown + (contentHeight - text.cy) / 2, text.cx, text.cy);

    const TMsgDlgBtn defaultKind = DefaultOf(buttons);
    const TMsgDlgBtn cancelKind = CancelOf(buttons);
    const int buttonTop = marginDown + contentHeight + spacingDown;
    int x = (form->ClientWidth() - buttonsWidth) / 2;
    for (const ButtonKind& kind : kButtons) {
      if (!buttons.Contains(kind.button)) continue;
      auto* button = new TButton(form);
      button->SetName(kind.name);
      button->SetParent(form);
      button->SetCaption(kind.caption);
      button->SetModalResult(kind.result);
      if (kind.button == defaultKind) {
        button->SetDefault(true);
        form->SetActiveButton(button);
      }
      if (kind.button == cancelKind) button->SetCancel(true);
      if (kind.button == TMsgDlgBtn::mbHelp) {
        button->OnClick = [form](TObject* sender) { form->HelpButtonClick(sender); };
      }
      if (form->ActiveButton() == nullptr && kind.button != TMsgDlgBtn::mbHelp) form->SetActiveButton(button);
      button->SetBounds(x, buttonTop, buttonWidth, buttonHeight);
      x += buttonWidth + buttonGap;
    }
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}
