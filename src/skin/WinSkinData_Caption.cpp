// The caption buttons: the "Button…" sections that pass the filter, then the
// three buttons of a maximised MDI child with their pictures from
// "MDICONTROLS".
#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"

bool IsCaptionButtonSection(const AnsiString& section) {
  const AnsiString upper = UpperCase(section);
  return upper.rfind("BUTTON", 0) == 0 && upper != "BUTTON" && upper != "BUTTONS" && upper != "BUTTON.RADIO" &&
         upper != "BUTTON.CHECKBOX";
}

void TSkinData::ReadCaptionButtons() {
  SysButtons.clear();

  std::vector<AnsiString> kept;
  for (int i = 0; i < FSections.Count(); ++i) {
    const AnsiString& section = FSections[i];
    if (!IsCaptionButtonSection(section)) continue;
    // A button for the application to show (Action -1) needs "Visibility" 0.
    if (FIni->ReadInteger(section, "Action", 0) == -1 && FIni->ReadInteger(section, "Visibility", -1) != 0) continue;
    kept.push_back(section);
  }
  SysButtons.reserve(kept.size() + 3);

  // Where the maximise button sits; a help button (Action 4) takes its place.
  // A help button before any maximise button gets (0, 0).
  int maximiseX = 0;
  int maximiseY = 0;
  for (const AnsiString& section : kept) {
    auto button = std::make_unique<TDataSkinSysButton>();
    button->Name = UpperCase(section);
    button->Action = FIni->ReadInteger(section, "Action", 0);
    button->Align = FIni->ReadInteger(section, "Align", 0);
    button->Xcoord = FIni->ReadInteger(section, "Xcoord", 0);
    button->Ycoord = FIni->ReadInteger(section, "Ycoord", 0);
    button->Visibility = FIni->ReadInteger(section, "Visibility", 0);
    button->Visibility1 = FIni->ReadInteger(section, "Visibility1", button->Action == -1 ? -1 : 0);
    if (button->Action == 1 && button->Visibility == 2) {
      maximiseX = button->Xcoord;
      maximiseY = button->Ycoord;
    } else if (button->Action == 4) {
      button->Xcoord = maximiseX;
      button->Ycoord = maximiseY;
    }
    button->CombineOp = FIni->ReadInteger(section, "CombineOp", -1);
    button->Frame = FIni->ReadInteger(section, "frame", 0);
    LoadPicture(button->Picture.get(), FIni->ReadString(section, "ButtonImage", ""));
    if (button->Frame == 0) {
      button->Frame = 6;
      TBitmap& picture = *button->Picture;
      if (!picture.Empty()) {
        button->Frame = static_cast<double>(picture.Width()) / picture.Height() <= 3.8 ? 3 : 6;
      }
      if (button->Action < 0) button->Frame = 6;
    }
    // The system-menu button shows the window icon, never a picture.
    if (button->Action == 3 || button->Action == 11) button->Picture->Clear();
    SysButtons.push_back(std::move(button));
  }

  for (const int action : {7, 8, 9}) {
    auto button = std::make_unique<TDataSkinSysButton>();
    button->Action = action;
    button->Align = button->Visibility = button->Visibility1 = 100;
    button->Frame = 4;
    SysButtons.push_back(std::move(button));
  }
  ReadMDIButtons();
}

void TSkinData::ReadMDIButtons() {
  TBitmap strip;
  LoadPicture(&strip, FIni->ReadString("MDICONTROLS", "Image", ""));
  if (strip.Empty()) return;
  // Three buttons of four frames each: minimise, restore, close.
  const int a = strip.Width() / 12;
  const int h = strip.Height();
  const std::size_t first = SysButtons.size() - 3;
  for (int k = 0; k < 3; ++k) {
    TDataSkinSysButton& button = *SysButtons[first + static_cast<std::size_t>(k)];
    button.Xcoord = (a + 4) * (3 - k);
    if (a == 0) continue;  // too narrow for a frame: the picture stays empty
    button.Picture->SetPixelFormat(strip.PixelFormat());
    button.Picture->SetSize(4 * a, h);
    button.Picture->Canvas()->CopyRect(Rect(0, 0, 4 * a, h), strip.Canvas(), Rect(4 * a * k, 0, 4 * a * (k + 1), h));
  }
}
