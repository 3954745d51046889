// The toolkit's media player: its button sets by name and from form
// resources, clicks and keys performing the buttons' actions, the stand-in
// device's modes and errors, AutoEnable, its glyph resources, its look and
// its handle counts.
#include <cstdio>
#include <fstream>
#include <string>

#include "support/golden.h"
#include "toolkit/MPlayer.h"
#include "toolkit/MPlayer_Device.h"
#include "toolkit/Reader.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;
using B = TMPBtnType;

using MediaPlayerTest = ToolkitTest;

// A medium for the stand-in device: `bytes` long, so as many milliseconds.
class MediumFile {
 public:
  explicit MediumFile(int bytes, const char* name = "medium.wav")
      : path_(std::string(::testing::TempDir()) + name) {
    std::ofstream(path_, std::ios::binary) << std::string(static_cast<std::size_t>(bytes), 'm');
  }
  ~MediumFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

TMediaPlayer* NewPlayer(TForm* form, int top = 8) {
  auto* player = NewComponent<TMediaPlayer>(form);
  player->SetBounds(8, top, 253, 30);
  player->SetParent(form);
  return player;
}

LPARAM At(TMediaPlayer* player, B button) {
  const TRect r = player->ButtonRect(button);
  return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void Press(TMediaPlayer* player, B button) {
  SendMessageA(player->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(player, button));
}
void Release(TMediaPlayer* player, B button) { SendMessageA(player->Handle(), WM_LBUTTONUP, 0, At(player, button)); }

TEST_F(MediaPlayerTest, ButtonSetsAreReadAndWrittenByNameAsSetText) {
  TForm* form = NewShownForm(300, 100);
  TMediaPlayer* player = NewPlayer(form);
  EXPECT_EQ(GetSetProp(player, "VisibleButtons"),
            "btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord,btEject");
  SetSetProp(player, "VisibleButtons", "[btPlay, btStop,btEject]");
  EXPECT_EQ(player->VisibleButtons(), (TButtonSet{B::btPlay, B::btStop, B::btEject}));
  EXPECT_EQ(GetSetProp(player, "VisibleButtons", true), "[btPlay,btStop,btEject]");
  SetPropValue(player, "EnabledButtons", "btPause,btRecord");
  EXPECT_EQ(GetPropValue(player, "EnabledButtons"), "btPause,btRecord");
  SetSetProp(player, "ColoredButtons", "[]");
  EXPECT_EQ(GetSetProp(player, "ColoredButtons", true), "[]");
  EXPECT_THROW(SetSetProp(player, "ColoredButtons", "[btPlay,btRewind]"), EPropertyConvertError);
  EXPECT_EQ(GetSetProp(player, "ColoredButtons", true), "[]");  // a refused text changes nothing
  // The cells follow the visible buttons in their order, none for hidden ones.
  EXPECT_EQ(player->ButtonRect(B::btPlay), Rect(0, 0, 84, 30));
  EXPECT_EQ(player->ButtonRect(B::btStop), Rect(84, 0, 168, 30));
  EXPECT_EQ(player->ButtonRect(B::btPause), TRect{});
  EXPECT_EQ(player->ButtonAt(100, 5), static_cast<int>(B::btStop));
  EXPECT_EQ(player->ButtonAt(252, 5), -1);  // past the last whole cell
  SetSetProp(player, "VisibleButtons", "");
  EXPECT_EQ(player->ButtonAt(10, 5), -1);
  EXPECT_EQ(GetEnumProp(player, "DeviceType"), "dtAutoSelect");
  EXPECT_EQ(player->ClassName(), "TMediaPlayer");
  char className[32] = {};
  GetClassNameA(player->Handle(), className, sizeof(className));
  EXPECT_STREQ(className, "TMediaPlayer");
}

// A form whose resource binds the player's events to its handlers.
class TPlayerForm : public TForm {
  T_CLASS(TPlayerForm, TForm)

 public:
  using TForm::TForm;
  TMediaPlayer* Player = nullptr;
  std::string log;

  void PlayerClick(TObject*, TMPBtnType button, bool& doDefault) {
    log += "click " + MPBtnTypeType().NameOf(static_cast<int>(button)) + "; ";
    doDefault = button != TMPBtnType::btEject;
  }
  void PlayerPostClick(TObject*, TMPBtnType button) {
    log += "post " + MPBtnTypeType().NameOf(static_cast<int>(button)) + "; ";
  }
};
T_CLASS_INFO(TPlayerForm, TForm, [](TClassInfo& c) {
  using namespace published;
  c.AddField(Field<TPlayerForm>("Player", &TPlayerForm::Player));
  c.AddMethod(Handler<TPlayerForm>("PlayerClick", &TPlayerForm::PlayerClick));
  c.AddMethod(Handler<TPlayerForm>("PlayerPostClick", &TPlayerForm::PlayerPostClick));
})

TEST_F(MediaPlayerTest, FormResourceSetsTheButtonsAndOpensWithAutoOpen) {
  MediumFile medium(4000);
  RegisterStandardControls();
  const std::string text = "object F: TPlayerForm\n  Width = 320\n  Height = 120\n"
                           "  object Player: TMediaPlayer\n    Left = 8\n    Top = 8\n"
                           "    VisibleButtons = [btPlay, btPause, btStop, btEject]\n"
                           "    EnabledButtons = [btPlay, btStop]\n    ColoredButtons = [btPlay]\n"
                           "    DeviceType = dtWaveAudio\n    FileName = '" + medium.Path() + "'\n"
                           "    Shareable = True\n    AutoOpen = True\n    AutoEnable = False\n"
                           "    OnClick = PlayerClick\n    OnPostClick = PlayerPostClick\n  end\nend\n";
  auto* form = NewComponent<TPlayerForm>(Application);
  ReadComponentResource(form, text);
  form->Show();
  Pump();
  TMediaPlayer* player = form->Player;
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->VisibleButtons(), (TButtonSet{B::btPlay, B::btPause, B::btStop, B::btEject}));
  EXPECT_EQ(player->EnabledButtons(), (TButtonSet{B::btPlay, B::btStop}));
  EXPECT_EQ(player->ColoredButtons(), TButtonSet{B::btPlay});
  EXPECT_EQ(player->DeviceType(), TMPDeviceTypes::dtWaveAudio);
  EXPECT_TRUE(player->Shareable());
  EXPECT_FALSE(player->AutoEnable());
  EXPECT_TRUE(player->DeviceOpen());
  EXPECT_EQ(player->Error(), 0);
  EXPECT_EQ(player->Mode(), TMPModes::mpStopped);
  EXPECT_EQ(player->Length(), 4000);
  EXPECT_EQ(player->Width(), 253);  // the default size where the resource names none
  player->ClickButton(B::btPlay);
  player->ClickButton(B::btEject);  // vetoed by the handler
  EXPECT_EQ(form->log, "click btPlay; post btPlay; click btEject; post btEject; ");
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
  EXPECT_THROW(ReadComponentResource(NewComponent<TForm>(Application),
                                     "object F: TForm\n object P: TMediaPlayer\n VisibleButtons = [btFly]\n end\nend\n"),
               Exception);
}

TEST_F(MediaPlayerTest, AReleaseOverThePressedButtonPerformsItsActionAndOneElsewhereDoesNot) {
  MediumFile medium(5000);
  TForm* form = NewShownForm(300, 100);
  TMediaPlayer* player = NewPlayer(form);
  player->SetFileName(medium.Path());
  player->Open();
  ASSERT_EQ(player->Error(), 0);
  player->SetAutoEnable(false);
  Press(player, B::btPlay);
  EXPECT_EQ(GetCapture(), player->Handle());  // the press holds the mouse
  EXPECT_EQ(player->Mode(), TMPModes::mpStopped);  // nothing happens before the release
  Release(player, B::btPlay);
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
  EXPECT_EQ(GetCapture(), nullptr);
  // Pressed on stop, released on pause: neither acts.
  Press(player, B::btStop);
  Release(player, B::btPause);
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
  // Released outside the strip: nothing either.
  Press(player, B::btStop);
  SendMessageA(player->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(120, 200));
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
  // A disabled button does not go down at all.
  player->SetEnabledButtons({B::btPlay});
  Press(player, B::btStop);
  Release(player, B::btStop);
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
  // Through the screen: a real click on stop.
  player->SetEnabledButtons(kAllMPButtons);
  const TPoint stop = player->ClientToScreen(Point(player->ButtonRect(B::btStop).left + 10, 10));
  headless::Click(stop.x, stop.y);
  Pump();
  EXPECT_EQ(player->Mode(), TMPModes::mpStopped);
  // Dragged off the button and back before the release: it acts.
  Press(player, B::btPlay);
  SendMessageA(player->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 200));
  SendMessageA(player->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(player, B::btPlay));
  Release(player, B::btPlay);
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
  player->Stop();
  // A disabled player takes no press, even one sent to its window.
  player->SetEnabled(false);
  Press(player, B::btPlay);
  Release(player, B::btPlay);
  EXPECT_EQ(player->Mode(), TMPModes::mpStopped);
  player->SetEnabled(true);
  // The skin's overlay takes the capture after forwarding the press; the
  // forwarded release still acts.
  Press(player, B::btPlay);
  ReleaseCapture();
  Release(player, B::btPlay);
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
}

TEST_F(MediaPlayerTest, OnClickComesFirstAndMayVetoTheActionOnPostClickComesAfter) {
  MediumFile medium(5000);
  TForm* form = NewShownForm(300, 100);
  TMediaPlayer* player = NewPlayer(form);
  player->SetFileName(medium.Path());
  player->Open();
  std::string log;
  bool veto = false;
  player->OnClick = [&](TObject* sender, TMPBtnType button, bool& doDefault) {
    EXPECT_EQ(sender, player);
    EXPECT_TRUE(doDefault);
    log += "click " + MPBtnTypeType().NameOf(static_cast<int>(button)) + " in mode " +
           std::to_string(static_cast<int>(player->Mode())) + "; ";
    if (veto) doDefault = false;
  };
  player->OnPostClick = [&](TObject*, TMPBtnType button) {
    log += "post " + MPBtnTypeType().NameOf(static_cast<int>(button)) + " in mode " +
           std::to_string(static_cast<int>(player->Mode())) + "; ";
  };
  Press(player, B::btPlay);
  Release(player, B::btPlay);
  EXPECT_EQ(log, "click btPlay in mode 1; post btPlay in mode 2; ");
  log.clear();
  veto = true;
  Press(player, B::btStop);
  Release(player, B::btStop);
  EXPECT_EQ(log, "click btStop in mode 2; post btStop in mode 2; ");
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
}

TEST_F(MediaPlayerTest, AutoEnableFollowsTheModeAndNotifyTellsHowPlayEnded) {
  MediumFile medium(1000);
  TForm* form = NewShownForm(300, 100);
  TMediaPlayer* player = NewPlayer(form);
  std::vector<TMPNotifyValues> notes;
  player->OnNotify = [&](TObject*) { notes.push_back(player->NotifyValue()); };
  player->SetFileName(medium.Path());
  player->SetNotify(true);
  player->Open();
  EXPECT_EQ(player->EnabledButtons(),
            (TButtonSet{B::btPlay, B::btNext, B::btPrev, B::btStep, B::btBack, B::btRecord, B::btEject}));
  player->Play();
  EXPECT_EQ(player->EnabledButtons(),
            (TButtonSet{B::btPause, B::btStop, B::btNext, B::btPrev, B::btStep, B::btBack, B::btEject}));
  headless::AdvanceClock(400);
  EXPECT_EQ(player->Position(), 400);
  player->Pause();
  EXPECT_EQ(player->Mode(), TMPModes::mpPaused);
  headless::AdvanceClock(400);
  EXPECT_EQ(player->Position(), 400);  // time does not count while paused
  player->Pause();                     // resumes
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
  headless::AdvanceClock(700);
  Pump();  // the player's timer sees the end of the medium
  EXPECT_EQ(player->Mode(), TMPModes::mpStopped);
  EXPECT_EQ(player->Position(), 1000);
  EXPECT_TRUE(player->EnabledButtons().Contains(B::btPlay));
  EXPECT_FALSE(player->EnabledButtons().Contains(B::btStop));
  // Open succeeded; Pause aborted the play and succeeded; the resumed play
  // reached the end.
  EXPECT_EQ(notes, (std::vector<TMPNotifyValues>{TMPNotifyValues::nvSuccessful, TMPNotifyValues::nvAborted,
                                                 TMPNotifyValues::nvSuccessful, TMPNotifyValues::nvSuccessful}));
  player->Previous();
  player->Play();
  player->Play();  // a second play supersedes the first
  EXPECT_EQ(notes.back(), TMPNotifyValues::nvSuperseded);
  player->Eject();
  EXPECT_EQ(player->Mode(), TMPModes::mpOpen);
  EXPECT_EQ(player->EnabledButtons(), TButtonSet{B::btEject});
  player->Play();  // the door is open
  EXPECT_EQ(player->Error(), MCIERR_DEVICE_NOT_READY);
  EXPECT_EQ(notes.back(), TMPNotifyValues::nvFailure);
  player->Close();
  EXPECT_EQ(player->EnabledButtons(), TButtonSet{});
}

TEST_F(MediaPlayerTest, ADeviceThatIsNotOpenAnswersWithAnErrorInsteadOfFailing) {
  TForm* form = NewShownForm(300, 100);
  TMediaPlayer* player = NewPlayer(form);
  player->SetAutoEnable(false);
  for (B button : {B::btPlay, B::btPause, B::btStop, B::btNext, B::btPrev, B::btStep, B::btBack, B::btRecord,
                   B::btEject}) {
    player->ClickButton(button);
    EXPECT_EQ(player->Error(), MCIERR_INVALID_DEVICE_ID);
    EXPECT_FALSE(player->ErrorMessage().empty());
  }
  EXPECT_EQ(player->Mode(), TMPModes::mpNotReady);
  EXPECT_EQ(player->EnabledButtons(), kAllMPButtons);  // AutoEnable off: left as they were
  player->Open();  // no file and no device type
  EXPECT_EQ(player->Error(), MCIERR_DEVICE_TYPE_REQUIRED);
  player->SetFileName("/nonexistent/medium.wav");
  player->Open();
  EXPECT_EQ(player->Error(), MCIERR_FILE_NOT_FOUND);
  EXPECT_FALSE(player->DeviceOpen());
  // A device type that takes no file opens an empty medium; recording fills it.
  player->SetFileName("");
  player->SetDeviceType(TMPDeviceTypes::dtWaveAudio);
  player->Open();
  EXPECT_EQ(player->Error(), 0);
  EXPECT_EQ(player->ErrorMessage(), "");
  player->StartRecording();
  headless::AdvanceClock(300);
  player->Stop();
  EXPECT_EQ(player->Length(), 300);
  player->SetPosition(301);
  EXPECT_EQ(player->Error(), MCIERR_OUTOFRANGE);
  player->SetPosition(100);
  EXPECT_EQ(player->Position(), 100);
  player->Step();  // a tenth of the medium
  EXPECT_EQ(player->Position(), 130);
  player->SetFrames(200);
  player->Back();
  EXPECT_EQ(player->Position(), 0);
  player->Next();
  EXPECT_EQ(player->Position(), 300);
}

TEST_F(MediaPlayerTest, AFileHeldByOnePlayerIsSharedOnlyWhenBothAllowIt) {
  MediumFile medium(100);
  TForm* form = NewShownForm(300, 100);
  TMediaPlayer* first = NewPlayer(form);
  TMediaPlayer* second = NewPlayer(form, 50);
  first->SetFileName(medium.Path());
  second->SetFileName(medium.Path());
  first->Open();
  second->Open();
  EXPECT_EQ(second->Error(), MCIERR_MUST_USE_SHAREABLE);
  first->Close();
  second->Open();
  EXPECT_EQ(second->Error(), 0);
  second->SetShareable(true);
  second->Open();  // reopened, now shareable
  first->SetShareable(true);
  first->Open();
  EXPECT_EQ(first->Error(), 0);
  second->Free();  // a freed player lets go of the file
  first->SetShareable(false);
  first->Open();
  EXPECT_EQ(first->Error(), 0);
}

TEST_F(MediaPlayerTest, ArrowKeysMoveTheFocusButtonAndSpacePressesIt) {
  MediumFile medium(5000);
  TForm* form = NewShownForm(300, 100);
  TMediaPlayer* player = NewPlayer(form);
  player->SetVisibleButtons({B::btPlay, B::btStop, B::btEject});
  player->SetFileName(medium.Path());
  player->Open();
  player->SetAutoEnable(false);
  player->SetFocus();
  Pump();
  EXPECT_EQ(player->FocusButton(), B::btPlay);
  headless::Key(VK_LEFT);  // wraps to the last visible button
  Pump();
  EXPECT_EQ(player->FocusButton(), B::btEject);
  headless::Key(VK_RIGHT);
  headless::Key(VK_RIGHT);
  Pump();
  EXPECT_EQ(player->FocusButton(), B::btStop);
  headless::Key(VK_LEFT);
  headless::KeyDown(VK_SPACE);
  Pump();
  EXPECT_EQ(player->Mode(), TMPModes::mpStopped);  // acts on the release
  headless::KeyUp(VK_SPACE);
  Pump();
  EXPECT_EQ(player->Mode(), TMPModes::mpPlaying);
}

TEST_F(MediaPlayerTest, TheGlyphsAreNamedBitmapResourcesOnOlive) {
  for (int state = 0; state < 3; ++state) {
    for (int i = 0; i < kMPButtonCount; ++i) {
      const AnsiString name = MPGlyphResourceName(static_cast<B>(i), state);
      HBITMAP glyph = LoadBitmapA(platform::ProgramModule(), name.c_str());
      ASSERT_NE(glyph, nullptr) << name;
      BITMAP info{};
      GetObjectW(glyph, sizeof(info), &info);
      EXPECT_EQ(info.bmWidth, 16) << name;
      EXPECT_EQ(info.bmHeight, 12) << name;
      const auto image = platform::ImageFromBitmap(glyph);
      ASSERT_TRUE(image.has_value());
      EXPECT_EQ(platform::ColorRefFromPixel(image->PixelAt(0, 0)), 0x008080u) << name;
      DeleteObject(glyph);
    }
  }
  EXPECT_EQ(MPGlyphResourceName(B::btPlay, 0), "EN_MPPLAY");
  EXPECT_EQ(MPGlyphResourceName(B::btEject, 2), "CL_MPEJECT");
  SetLastError(0);
  EXPECT_EQ(LoadBitmapA(platform::ProgramModule(), "EN_MPFLY"), nullptr);
  EXPECT_EQ(GetLastError(), 1814u);
  EXPECT_EQ(LoadBitmapA(nullptr, "EN_MPPLAY"), nullptr);  // a null instance names system bitmaps only
}

TEST_F(MediaPlayerTest, GoldenStripsPlainDisabledColouredAndPressed) {
  TForm* form = NewShownForm(270, 172);
  TMediaPlayer* plain = NewPlayer(form, 8);
  plain->SetColoredButtons({});
  TMediaPlayer* disabled = NewPlayer(form, 48);
  disabled->SetColoredButtons({});
  disabled->SetEnabledButtons({B::btPlay, B::btNext, B::btPrev, B::btEject});
  TMediaPlayer* coloured = NewPlayer(form, 88);
  coloured->SetEnabledButtons(
      {B::btPlay, B::btPause, B::btStop, B::btNext, B::btPrev, B::btStep, B::btBack, B::btEject});
  TMediaPlayer* pressed = NewPlayer(form, 128);
  pressed->SetVisibleButtons({B::btPlay, B::btPause, B::btStop, B::btRecord});
  pressed->SetEnabledButtons({B::btPlay, B::btPause, B::btStop});
  headless::MoveMouse(900, 900);
  Pump();
  // Held down: a press shows only while the mouse stays over the button.
  Press(pressed, B::btStop);
  Pump();
  const auto picture = headless::WindowImage(form->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/media_player"));
  Release(pressed, B::btStop);
}

TEST_F(MediaPlayerTest, TwoHundredPlayersLeaveEveryCountWhereItWas) {
  MediumFile medium(50);
  ExpectRoundsLeaveEveryCount([&] {
    TForm* form = NewShownForm(300, 100);
    TMediaPlayer* player = NewPlayer(form);
    player->SetFileName(medium.Path());
    player->Open();
    Press(player, B::btPlay);
    Release(player, B::btPlay);
    Pump();
    headless::AdvanceClock(100);
    Pump();
    form->Free();
    Pump();
  });
}

}  // namespace
}  // namespace brellis::test
