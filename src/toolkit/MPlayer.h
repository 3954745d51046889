// TMediaPlayer: a strip of nine buttons (play, pause, stop, next, previous,
// step, back, record, eject) that drive a media device. The device behind
// it is a stand-in (TMPStandInDevice): it plays, records and seeks through
// time on the application's clock without producing any sound or picture.
#pragma once

#include <array>
#include <memory>

#include "toolkit/Controls.h"

enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
using TButtonSet = TSet<TMPBtnType>;
constexpr int kMPButtonCount = 9;
constexpr TButtonSet kAllMPButtons = TButtonSet::FromBits((1u << kMPButtonCount) - 1);

enum class TMPDeviceTypes {
  dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie, dtOther, dtOverlay, dtScanner,
  dtSequencer, dtVCR, dtVideodisc, dtWaveAudio
};
enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
enum class TMPNotifyValues { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

// OnClick: before a button's action; clearing doDefault skips the action.
using TMPBtnEvent = std::function<void(TObject* sender, TMPBtnType button, bool& doDefault)>;
// OnPostClick: after a button's action (or after OnClick skipped it).
using TMPPostEvent = std::function<void(TObject* sender, TMPBtnType button)>;

class TMPStandInDevice;

class TMediaPlayer : public TCustomControl {
  T_CLASS(TMediaPlayer, TCustomControl)

 public:
  explicit TMediaPlayer(TComponent* owner);
  ~TMediaPlayer() override;

  TButtonSet VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(TButtonSet value);
  TButtonSet EnabledButtons() const { return enabledButtons_; }
  void SetEnabledButtons(TButtonSet value);
  TButtonSet ColoredButtons() const { return coloredButtons_; }
  void SetColoredButtons(TButtonSet value);
  // With AutoEnable the enabled buttons follow the device's mode after
  // every operation; AutoOpen opens the device when the form is read.
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool value);
  bool AutoOpen() const { return autoOpen_; }
  void SetAutoOpen(bool value) { autoOpen_ = value; }
  TMPDeviceTypes DeviceType() const { return deviceType_; }
  void SetDeviceType(TMPDeviceTypes value) { deviceType_ = value; }
  const AnsiString& FileName() const { return fileName_; }
  void SetFileName(const AnsiString& value) { fileName_ = value; }
  bool Shareable() const { return shareable_; }
  void SetShareable(bool value) { shareable_ = value; }
  // When set, OnNotify tells how each device operation ended (NotifyValue).
  bool Notify() const { return notify_; }
  void SetNotify(bool value) { notify_ = value; }
  TMPNotifyValues NotifyValue() const { return notifyValue_; }

  // The device. Every operation sets Error (0 when it worked) and
  // ErrorMessage instead of raising; one on a device that is not open fails
  // with MCIERR_INVALID_DEVICE_ID.
  void Open();
  void Close();
  void Play();
  // Pauses playing or recording; a paused device resumes.
  void Pause();
  void Stop();
  void Next();
  void Previous();
  void Step();
  void Back();
  void StartRecording();
  // Opens the stand-in device's door (mode mpOpen); a second Eject shuts it.
  void Eject();
  TMPModes Mode() const;
  // In milliseconds (the stand-in's only time format).
  int Position() const;
  void SetPosition(int value);
  int Length() const;
  // How far Step and Back move (0 or less: a tenth of the medium).
  int Frames() const;
  void SetFrames(int value);
  bool DeviceOpen() const;
  int Error() const { return error_; }
  const AnsiString& ErrorMessage() const { return errorMessage_; }

  // Performs a button's action as a click on it does: OnClick, the action
  // unless vetoed, OnPostClick.
  void ClickButton(TMPBtnType button);
  // The button under a client point, or -1 (between buttons, past the last).
  int ButtonAt(int x, int y);
  // The cell of a visible button in client coordinates (empty when hidden).
  TRect ButtonRect(TMPBtnType button);
  // The button the keyboard acts on.
  TMPBtnType FocusButton() const { return focusButton_; }

  void WndProc(TMessage& message) override;
  void Loaded() override;

  TMPBtnEvent OnClick;
  TMPPostEvent OnPostClick;
  TNotifyEvent OnNotify;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Around every device operation: a running play's notification ends
  // with `endOfPlay`; then the operation's error, notification and buttons.
  void BeforeOperation(TMPNotifyValues endOfPlay);
  void AfterOperation(int error, bool playing);
  void UpdateAutoEnable();
  void UpdateTimer();
  void DeviceFinished();
  void LoadGlyphs();
  void FreeGlyphs();
  void HandleKey(TMessage& message);
  void MoveFocusButton(int step);
  void SetPressed(int button, bool shown);
  int VisibleCount() const;
  int ButtonWidth();

  TButtonSet visibleButtons_ = kAllMPButtons;
  TButtonSet enabledButtons_ = kAllMPButtons;
  TButtonSet coloredButtons_ = kAllMPButtons;
  bool autoEnable_ = true;
  bool autoOpen_ = false;
  TMPDeviceTypes deviceType_ = TMPDeviceTypes::dtAutoSelect;
  AnsiString fileName_;
  bool shareable_ = false;
  bool notify_ = false;
  TMPNotifyValues notifyValue_ = TMPNotifyValues::nvSuccessful;
  int error_ = 0;
  AnsiString errorMessage_;
  std::unique_ptr<TMPStandInDevice> device_;
  // Enabled, disabled and coloured glyph of each button (null when missing).
  std::array<std::array<HBITMAP, 3>, kMPButtonCount> glyphs_{};
  int pressed_ = -1;          // the button the mouse or the space bar went down on
  bool pressedShown_ = false; // drawn down: the mouse is over it, or the key is held
  bool keyPressed_ = false;
  TMPBtnType focusButton_ = TMPBtnType::btPlay;
  bool playNotifyPending_ = false;  // OnNotify is owed when the running play ends
  int frames_ = 0;                  // 0: a tenth of the medium
};

const TEnumInfo& MPBtnTypeType();
const TEnumInfo& MPDeviceTypesType();
// The identifier of a button ("btPlay"), the state prefix and the resource
// name of its glyphs ("EN", "MPPLAY").
AnsiString MPGlyphResourceName(TMPBtnType button, int state);
