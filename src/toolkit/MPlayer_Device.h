// The stand-in media device behind TMediaPlayer. It has no codec and makes
// no sound: a medium is a file whose length in bytes is its length in
// milliseconds (device types that take no file open an empty medium), and
// playing or recording moves the position with the application's clock
// (GetTickCount). Errors are the MCI error numbers Windows uses.
#pragma once

#include <string>

#include "toolkit/MPlayer.h"

constexpr int MCIERR_INVALID_DEVICE_ID = 257;
constexpr int MCIERR_DEVICE_NOT_READY = 276;
constexpr int MCIERR_FILE_NOT_FOUND = 275;
constexpr int MCIERR_OUTOFRANGE = 282;
constexpr int MCIERR_DEVICE_TYPE_REQUIRED = 287;
constexpr int MCIERR_MUST_USE_SHAREABLE = 291;

// The text of an MCI error number ("" for 0).
AnsiString MCIErrorText(int error);

class TMPStandInDevice {
 public:
  ~TMPStandInDevice();

  // Each operation answers 0 or an MCIERR_ number.
  int Open(TMPDeviceTypes type, const AnsiString& fileName, bool shareable);
  void Close();
  bool IsOpen() const { return open_; }
  int Play();
  int Pause();
  int Stop();
  int Seek(int position);
  int Step(int frames);
  int StartRecording();
  int Eject();

  TMPModes Mode();
  int Position();
  int Length();
  // True once after play reached the end of the medium by itself.
  bool TakeFinished();

 private:
  // Moves the position on by the time passed while playing or recording.
  void Advance();
  int Ready() const;

  bool open_ = false;
  TMPModes mode_ = TMPModes::mpNotReady;
  TMPModes resumeMode_ = TMPModes::mpPlaying;  // what a paused device goes back to
  int position_ = 0;
  int length_ = 0;
  DWORD since_ = 0;
  bool finished_ = false;
  std::string sharedKey_;  // the file while this device holds it
};
