// TMediaPlayer's device operations: each one runs on the stand-in device,
// sets Error and ErrorMessage, tells OnNotify how it ended when Notify is
// set, and with AutoEnable enables the buttons that make sense in the mode
// it left the device in.
#include <algorithm>

#include "toolkit/MPlayer.h"
#include "toolkit/MPlayer_Device.h"

namespace {

constexpr UINT_PTR kPlayTimer = 1;
constexpr UINT kPlayTimerInterval = 50;

using B = TMPBtnType;

TButtonSet ButtonsForMode(TMPModes mode) {
  switch (mode) {
    case TMPModes::mpStopped:
      return {B::btPlay, B::btNext, B::btPrev, B::btStep, B::btBack, B::btRecord, B::btEject};
    case TMPModes::mpPlaying:
      return {B::btPause, B::btStop, B::btNext, B::btPrev, B::btStep, B::btBack, B::btEject};
    case TMPModes::mpRecording: return {B::btPause, B::btStop};
    case TMPModes::mpPaused:
      return {B::btPlay, B::btPause, B::btStop, B::btNext, B::btPrev, B::btStep, B::btBack, B::btEject};
    case TMPModes::mpSeeking: return {B::btStop};
    case TMPModes::mpOpen: return {B::btEject};
    case TMPModes::mpNotReady: return {};
  }
  return {};
}

}  // namespace

void TMediaPlayer::UpdateAutoEnable() { SetEnabledButtons(ButtonsForMode(device_->Mode())); }

void TMediaPlayer::UpdateTimer() {
  if (!HandleAllocated()) return;
  if (device_->Mode() == TMPModes::mpPlaying) {
    SetTimer(Handle(), kPlayTimer, kPlayTimerInterval, nullptr);
  } else {
    KillTimer(Handle(), kPlayTimer);
  }
}

void TMediaPlayer::DeviceFinished() {
  UpdateTimer();
  if (!device_->TakeFinished()) return;
  if (autoEnable_) UpdateAutoEnable();
  if (playNotifyPending_) {
    playNotifyPending_ = false;
    notifyValue_ = TMPNotifyValues::nvSuccessful;
    if (OnNotify) OnNotify(this);
  }
}

void TMediaPlayer::BeforeOperation(TMPNotifyValues endOfPlay) {
  // A play that ended by itself is told first; one still running ends now.
  DeviceFinished();
  if (!playNotifyPending_) return;
  playNotifyPending_ = false;
  notifyValue_ = endOfPlay;
  if (OnNotify) OnNotify(this);
}

void TMediaPlayer::AfterOperation(int error, bool playing) {
  error_ = error;
  errorMessage_ = MCIErrorText(error);
  if (autoEnable_) UpdateAutoEnable();
  UpdateTimer();
  if (!notify_) return;
  if (playing && error == 0) {
    playNotifyPending_ = true;
    DeviceFinished();  // a medium already at its end
    return;
  }
  notifyValue_ = error == 0 ? TMPNotifyValues::nvSuccessful : TMPNotifyValues::nvFailure;
  if (OnNotify) OnNotify(this);
}

void TMediaPlayer::Open() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  AfterOperation(device_->Open(deviceType_, fileName_, shareable_), false);
}

void TMediaPlayer::Close() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  device_->Close();
  AfterOperation(0, false);
}

void TMediaPlayer::Play() {
  BeforeOperation(TMPNotifyValues::nvSuperseded);
  AfterOperation(device_->Play(), true);
}

void TMediaPlayer::Pause() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  const int error = device_->Pause();
  AfterOperation(error, device_->Mode() == TMPModes::mpPlaying);
}

void TMediaPlayer::Stop() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  AfterOperation(device_->Stop(), false);
}

void TMediaPlayer::Next() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  const int error = device_->Seek(device_->Length());
  AfterOperation(error, device_->Mode() == TMPModes::mpPlaying);
}

void TMediaPlayer::Previous() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  const int error = device_->Seek(0);
  AfterOperation(error, device_->Mode() == TMPModes::mpPlaying);
}

void TMediaPlayer::Step() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  AfterOperation(device_->Step(Frames()), false);
}

void TMediaPlayer::Back() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  AfterOperation(device_->Step(-Frames()), false);
}

void TMediaPlayer::StartRecording() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  AfterOperation(device_->StartRecording(), false);
}

void TMediaPlayer::Eject() {
  BeforeOperation(TMPNotifyValues::nvAborted);
  AfterOperation(device_->Eject(), false);
}

void TMediaPlayer::SetPosition(int value) {
  BeforeOperation(TMPNotifyValues::nvAborted);
  const int error = device_->Seek(value);
  AfterOperation(error, device_->Mode() == TMPModes::mpPlaying);
}

TMPModes TMediaPlayer::Mode() const { return device_->Mode(); }
int TMediaPlayer::Position() const { return device_->Position(); }
int TMediaPlayer::Length() const { return device_->Length(); }
bool TMediaPlayer::DeviceOpen() const { return device_->IsOpen(); }

int TMediaPlayer::Frames() const {
  if (frames_ > 0) return frames_;
  return std::max(1, device_->Length() / 10);
}

void TMediaPlayer::SetFrames(int value) { frames_ = std::max(0, value); }
