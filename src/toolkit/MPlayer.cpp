// TMediaPlayer's strip: its published properties, its look (through the
// platform painter, with the glyph bitmaps of the application's resources),
// the mouse and the keyboard.
#include "toolkit/MPlayer.h"

#include "platform/controls/classic_look.h"
#include "toolkit/MPlayer_Device.h"

namespace {

constexpr const char* kGlyphNames[kMPButtonCount] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                                      "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
constexpr const char* kGlyphStates[3] = {"EN", "DI", "CL"};
enum GlyphState { kEnabledGlyph, kDisabledGlyph, kColouredGlyph };

TMPBtnType ButtonOf(int index) { return static_cast<TMPBtnType>(index); }

}  // namespace

const TEnumInfo& MPBtnTypeType() {
  static const TEnumInfo type(
      "TMPBtnType", {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"});
  return type;
}

const TEnumInfo& MPDeviceTypesType() {
  static const TEnumInfo type("TMPDeviceTypes",
                              {"dtAutoSelect", "dtAVIVideo", "dtCDAudio", "dtDAT", "dtDigitalVideo", "dtMMMovie",
                               "dtOther", "dtOverlay", "dtScanner", "dtSequencer", "dtVCR", "dtVideodisc",
                               "dtWaveAudio"});
  return type;
}

AnsiString MPGlyphResourceName(TMPBtnType button, int state) {
  return AnsiString(kGlyphStates[state]) + "_" + kGlyphNames[static_cast<int>(button)];
}

T_CLASS_INFO(TMediaPlayer, TCustomControl, [](TClassInfo& c) {
  using namespace published;
  using M = TMediaPlayer;
  c.Factory = &CreateInstance<TMediaPlayer>;
  c.AddProperty(Set<M, TMPBtnType>("VisibleButtons", MPBtnTypeType(), &M::VisibleButtons, &M::SetVisibleButtons));
  c.AddProperty(Set<M, TMPBtnType>("EnabledButtons", MPBtnTypeType(), &M::EnabledButtons, &M::SetEnabledButtons));
  c.AddProperty(Set<M, TMPBtnType>("ColoredButtons", MPBtnTypeType(), &M::ColoredButtons, &M::SetColoredButtons));
  c.AddProperty(Boolean<M>("AutoEnable", &M::AutoEnable, &M::SetAutoEnable));
  c.AddProperty(Boolean<M>("AutoOpen", &M::AutoOpen, &M::SetAutoOpen));
  c.AddProperty(
      Enumeration<M, TMPDeviceTypes>("DeviceType", MPDeviceTypesType(), &M::DeviceType, &M::SetDeviceType));
  c.AddProperty(String<M>("FileName", &M::FileName, &M::SetFileName));
  c.AddProperty(Boolean<M>("Shareable", &M::Shareable, &M::SetShareable));
  c.AddProperty(Boolean<M>("Notify", &M::Notify, &M::SetNotify));
  c.AddProperty(Method<M>("OnClick", &M::OnClick));
  c.AddProperty(Method<M>("OnPostClick", &M::OnPostClick));
  c.AddProperty(Method<M>("OnNotify", &M::OnNotify));
})

TMediaPlayer::TMediaPlayer(TComponent* owner)
    : TCustomControl(owner), device_(std::make_unique<TMPStandInDevice>()) {
  controlStyle_.Include(TControlStyleItem::csCaptureMouse);
  controlStyle_.Include(TControlStyleItem::csOpaque);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  SetBounds(0, 0, 253, 30);
  SetTabStop(true);
  LoadGlyphs();
}

TMediaPlayer::~TMediaPlayer() { FreeGlyphs(); }

void TMediaPlayer::LoadGlyphs() {
  for (int i = 0; i < kMPButtonCount; ++i) {
    for (int state = 0; state < 3; ++state) {
      glyphs_[i][state] = LoadBitmapA(platform::ProgramModule(), MPGlyphResourceName(ButtonOf(i), state).c_str());
    }
  }
}

void TMediaPlayer::FreeGlyphs() {
  for (auto& button : glyphs_) {
    for (HBITMAP& glyph : button) {
      if (glyph != nullptr) DeleteObject(glyph);
      glyph = nullptr;
    }
  }
}

void TMediaPlayer::SetVisibleButtons(TButtonSet value) {
  visibleButtons_ = TButtonSet::FromBits(value.Bits() & kAllMPButtons.Bits());
  if (!visibleButtons_.Contains(focusButton_)) MoveFocusButton(1);
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet value) {
  enabledButtons_ = TButtonSet::FromBits(value.Bits() & kAllMPButtons.Bits());
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet value) {
  coloredButtons_ = TButtonSet::FromBits(value.Bits() & kAllMPButtons.Bits());
  Invalidate();
}

void TMediaPlayer::SetAutoEnable(bool value) {
  autoEnable_ = value;
  if (value && device_->IsOpen()) UpdateAutoEnable();
}

void TMediaPlayer::Loaded() {
  TCustomControl::Loaded();
  if (autoOpen_) Open();
}

// ---- layout ----

int TMediaPlayer::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < kMPButtonCount; ++i) count += visibleButtons_.Contains(ButtonOf(i)) ? 1 : 0;
  return count;
}

int TMediaPlayer::ButtonWidth() {
  const int count = VisibleCount();
  return count == 0 ? 0 : ClientWidth() / count;
}

TRect TMediaPlayer::ButtonRect(TMPBtnType button) {
  if (!visibleButtons_.Contains(button)) return TRect{};
  const int width = ButtonWidth();
  int left = 0;
  for (int i = 0; i < static_cast<int>(button); ++i) left += visibleButtons_.Contains(ButtonOf(i)) ? width : 0;
  return Rect(left, 0, left + width, ClientHeight());
}

int TMediaPlayer::ButtonAt(int x, int y) {
  if (y < 0 || y >= ClientHeight()) return -1;
  for (int i = 0; i < kMPButtonCount; ++i) {
    const TRect r = ButtonRect(ButtonOf(i));
    if (r.right > r.left && x >= r.left && x < r.right) return i;
  }
  return -1;
}

// ---- look ----

void TMediaPlayer::Paint() {
  HDC target = Canvas()->Handle();
  const TRect client = ClientRect();
  const int width = RectWidth(client), height = RectHeight(client);
  if (width <= 0 || height <= 0) return;
  // Composed off screen and copied once.
  HDC dc = CreateCompatibleDC(target);
  HBITMAP buffer = CreateCompatibleBitmap(target, width, height);
  HGDIOBJ previous = SelectObject(dc, buffer);
  platform::ControlPainter& painter = platform::CurrentPainter();
  painter.MediaPlayerBackground(dc, client);
  const bool focused = Focused();
  for (int i = 0; i < kMPButtonCount; ++i) {
    const TMPBtnType button = ButtonOf(i);
    if (!visibleButtons_.Contains(button)) continue;
    const bool enabled = Enabled() && enabledButtons_.Contains(button);
    platform::MediaPlayerButtonLook look;
    look.rect = ButtonRect(button);
    look.pressed = enabled && pressed_ == i && pressedShown_;
    look.focused = focused && focusButton_ == button;
    look.glyph = glyphs_[i][!enabled ? kDisabledGlyph : coloredButtons_.Contains(button) ? kColouredGlyph
                                                                                          : kEnabledGlyph];
    painter.MediaPlayerButton(dc, look);
  }
  BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(dc, previous);
  DeleteObject(buffer);
  DeleteDC(dc);
}

void TMediaPlayer::SetPressed(int button, bool shown) {
  if (button == pressed_ && shown == pressedShown_) return;
  pressed_ = button;
  pressedShown_ = shown;
  Invalidate();
}

// ---- mouse and keyboard ----

void TMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  const int hit = ButtonAt(x, y);
  keyPressed_ = false;
  if (hit < 0 || !Enabled() || !enabledButtons_.Contains(ButtonOf(hit))) {
    SetPressed(-1, false);
    return;
  }
  focusButton_ = ButtonOf(hit);
  if (TabStop() && CanFocus() && !Focused()) SetFocus();
  SetPressed(hit, true);
}

void TMediaPlayer::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (pressed_ >= 0 && !keyPressed_) SetPressed(pressed_, ButtonAt(x, y) == pressed_);
}

void TMediaPlayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft || pressed_ < 0 || keyPressed_) return;
  const int pressed = pressed_;
  SetPressed(-1, false);
  // Only a release over the button that went down performs its action.
  if (ButtonAt(x, y) == pressed) ClickButton(ButtonOf(pressed));
}

void TMediaPlayer::MoveFocusButton(int step) {
  int index = static_cast<int>(focusButton_);
  for (int tries = 0; tries < kMPButtonCount; ++tries) {
    index = (index + step + kMPButtonCount) % kMPButtonCount;
    if (visibleButtons_.Contains(ButtonOf(index))) {
      focusButton_ = ButtonOf(index);
      break;
    }
  }
  Invalidate();
}

void TMediaPlayer::HandleKey(TMessage& message) {
  const bool down = message.Msg == WM_KEYDOWN;
  switch (message.WParam) {
    case VK_LEFT:
    case VK_UP:
      if (down) MoveFocusButton(-1);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (down) MoveFocusButton(1);
      break;
    case VK_SPACE:
      if (down) {
        if (pressed_ < 0 && Enabled() && visibleButtons_.Contains(focusButton_) &&
            enabledButtons_.Contains(focusButton_)) {
          keyPressed_ = true;
          SetPressed(static_cast<int>(focusButton_), true);
        }
      } else if (keyPressed_) {
        keyPressed_ = false;
        const int pressed = pressed_;
        SetPressed(-1, false);
        if (pressed >= 0) ClickButton(ButtonOf(pressed));
      }
      break;
    default:
      break;
  }
  message.Result = 0;
}

void TMediaPlayer::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      return HandleKey(message);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (message.Msg == WM_KILLFOCUS && keyPressed_) {
        keyPressed_ = false;
        SetPressed(-1, false);
      }
      Invalidate();
      break;
    case WM_CAPTURECHANGED:
      // The press stays armed: a release over the button still performs it
      // (the skin's overlay takes the capture and forwards the release).
      if (!keyPressed_ && pressed_ >= 0) SetPressed(pressed_, false);
      break;
    case WM_TIMER:
      if (message.WParam == 1) {
        DeviceFinished();
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

// ---- buttons' actions ----

void TMediaPlayer::ClickButton(TMPBtnType button) {
  bool doDefault = true;
  if (OnClick) OnClick(this, button, doDefault);
  if (doDefault) {
    switch (button) {
      case TMPBtnType::btPlay: Play(); break;
      case TMPBtnType::btPause: Pause(); break;
      case TMPBtnType::btStop: Stop(); break;
      case TMPBtnType::btNext: Next(); break;
      case TMPBtnType::btPrev: Previous(); break;
      case TMPBtnType::btStep: Step(); break;
      case TMPBtnType::btBack: Back(); break;
      case TMPBtnType::btRecord: StartRecording(); break;
      case TMPBtnType::btEject: Eject(); break;
    }
  }
  if (OnPostClick) OnPostClick(this, button);
}
