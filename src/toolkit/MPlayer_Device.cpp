// The stand-in media device: modes, position and length on the clock, and
// which files are held by which devices (a file held by one device is
// shared only when both devices allow it).
#include "toolkit/MPlayer_Device.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>

namespace {

struct Holders {
  int count = 0;
  bool shareable = true;
};

std::map<std::string, Holders>& HeldFiles() {
  static std::map<std::string, Holders> files;
  return files;
}

}  // namespace

AnsiString MCIErrorText(int error) {
  switch (error) {
    case 0: return "";
    case MCIERR_INVALID_DEVICE_ID: return "The media device is not open.";
    case MCIERR_DEVICE_NOT_READY: return "The media device is not ready: its door is open.";
    case MCIERR_FILE_NOT_FOUND: return "The media file cannot be found.";
    case MCIERR_OUTOFRANGE: return "The position lies outside the medium.";
    case MCIERR_DEVICE_TYPE_REQUIRED: return "A device type or a file name is required to open a media device.";
    case MCIERR_MUST_USE_SHAREABLE: return "The media file is in use; open it as shareable.";
    default: return "Media device error " + std::to_string(error) + ".";
  }
}

TMPStandInDevice::~TMPStandInDevice() { Close(); }

int TMPStandInDevice::Open(TMPDeviceTypes type, const AnsiString& fileName, bool shareable) {
  Close();
  int length = 0;
  std::string key;
  if (fileName.empty()) {
    if (type == TMPDeviceTypes::dtAutoSelect) return MCIERR_DEVICE_TYPE_REQUIRED;
  } else {
    struct stat info{};
    if (stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return MCIERR_FILE_NOT_FOUND;
    length = static_cast<int>(std::min<long long>(info.st_size, INT_MAX));
    char* real = realpath(fileName.c_str(), nullptr);
    key = real != nullptr ? real : fileName;
    free(real);
    Holders& holders = HeldFiles()[key];
    if (holders.count > 0 && (!holders.shareable || !shareable)) return MCIERR_MUST_USE_SHAREABLE;
    ++holders.count;
    holders.shareable = holders.shareable && shareable;
  }
  sharedKey_ = key;
  open_ = true;
  mode_ = TMPModes::mpStopped;
  position_ = 0;
  length_ = length;
  finished_ = false;
  return 0;
}

void TMPStandInDevice::Close() {
  if (!open_) return;
  if (!sharedKey_.empty()) {
    auto it = HeldFiles().find(sharedKey_);
    if (it != HeldFiles().end() && --it->second.count <= 0) HeldFiles().erase(it);
    sharedKey_.clear();
  }
  open_ = false;
  mode_ = TMPModes::mpNotReady;
  position_ = length_ = 0;
  finished_ = false;
}

void TMPStandInDevice::Advance() {
  const DWORD now = GetTickCount();
  const long long passed = static_cast<DWORD>(now - since_);
  since_ = now;
  if (mode_ == TMPModes::mpPlaying) {
    position_ = static_cast<int>(std::min<long long>(position_ + passed, length_));
    if (position_ >= length_) {
      mode_ = TMPModes::mpStopped;
      finished_ = true;
    }
  } else if (mode_ == TMPModes::mpRecording) {
    position_ = static_cast<int>(std::min<long long>(position_ + passed, INT_MAX));
    length_ = std::max(length_, position_);
  }
}

int TMPStandInDevice::Ready() const {
  if (!open_) return MCIERR_INVALID_DEVICE_ID;
  if (mode_ == TMPModes::mpOpen) return MCIERR_DEVICE_NOT_READY;
  return 0;
}

int TMPStandInDevice::Play() {
  Advance();
  if (const int error = Ready()) return error;
  mode_ = TMPModes::mpPlaying;
  finished_ = false;
  Advance();  // a medium already at its end finishes at once
  return 0;
}

int TMPStandInDevice::Pause() {
  Advance();
  if (const int error = Ready()) return error;
  if (mode_ == TMPModes::mpPaused) {
    mode_ = resumeMode_;
  } else if (mode_ == TMPModes::mpPlaying || mode_ == TMPModes::mpRecording) {
    resumeMode_ = mode_;
    mode_ = TMPModes::mpPaused;
  }
  return 0;
}

int TMPStandInDevice::Stop() {
  Advance();
  if (const int error = Ready()) return error;
  mode_ = TMPModes::mpStopped;
  return 0;
}

int TMPStandInDevice::Seek(int position) {
  Advance();
  if (const int error = Ready()) return error;
  if (position < 0 || position > length_) return MCIERR_OUTOFRANGE;
  position_ = position;
  // Seeking a playing medium plays on from the new place.
  if (mode_ == TMPModes::mpPlaying) Advance();
  return 0;
}

int TMPStandInDevice::Step(int frames) {
  Advance();
  if (const int error = Ready()) return error;
  // Stepping stops play and recording, as a frame-by-frame look does.
  if (mode_ == TMPModes::mpPlaying || mode_ == TMPModes::mpRecording) mode_ = TMPModes::mpPaused;
  position_ = static_cast<int>(std::clamp<long long>(static_cast<long long>(position_) + frames, 0, length_));
  return 0;
}

int TMPStandInDevice::StartRecording() {
  Advance();
  if (const int error = Ready()) return error;
  mode_ = TMPModes::mpRecording;
  return 0;
}

int TMPStandInDevice::Eject() {
  Advance();
  if (!open_) return MCIERR_INVALID_DEVICE_ID;
  mode_ = mode_ == TMPModes::mpOpen ? TMPModes::mpStopped : TMPModes::mpOpen;
  return 0;
}

TMPModes TMPStandInDevice::Mode() {
  Advance();
  return mode_;
}

int TMPStandInDevice::Position() {
  Advance();
  return position_;
}

int TMPStandInDevice::Length() {
  Advance();
  return length_;
}

bool TMPStandInDevice::TakeFinished() {
  Advance();
  const bool finished = finished_;
  finished_ = false;
  return finished;
}
