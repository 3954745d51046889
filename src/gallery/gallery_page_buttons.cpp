// The "Buttons" page: push, bit and speed buttons, check boxes, radio
// buttons and a radio group, each in its usual states.
#include "gallery/gallery_pages.h"
#include "toolkit/Buttons.h"
#include "toolkit/Buttons_BitBtn.h"
#include "toolkit/ExtCtrls_RadioGroup.h"
#include "toolkit/StdCtrls.h"

namespace gallery {

void FillButtonsPage(TTabSheet* page) {
  Place<TLabel>(page, 12, 10, 200, 16, "Push buttons");
  Place<TButton>(page, 12, 30, 90, 26, "Default")->SetDefault(true);
  Place<TButton>(page, 110, 30, 90, 26, "Normal");
  Place<TButton>(page, 208, 30, 90, 26, "Disabled")->SetEnabled(false);

  Place<TLabel>(page, 12, 68, 200, 16, "Bit buttons");
  Place<TBitBtn>(page, 12, 88, 90, 28)->SetKind(TBitBtnKind::bkOK);
  Place<TBitBtn>(page, 110, 88, 90, 28)->SetKind(TBitBtnKind::bkCancel);
  Place<TBitBtn>(page, 208, 88, 90, 28)->SetKind(TBitBtnKind::bkHelp);

  Place<TLabel>(page, 12, 128, 200, 16, "Speed buttons");
  for (int i = 0; i < 3; ++i) {
    static const char* const kCaptions[] = {"Left", "Centre", "Right"};
    auto* speed = Place<TSpeedButton>(page, 12 + i * 62, 148, 60, 26, kCaptions[i]);
    speed->SetGroupIndex(1);
    speed->SetDown(i == 0);
  }
  Place<TSpeedButton>(page, 208, 148, 90, 26, "Flat")->SetFlat(true);

  Place<TCheckBox>(page, 330, 30, 160, 20, "Checked")->SetChecked(true);
  Place<TCheckBox>(page, 330, 54, 160, 20, "Unchecked");
  auto* grayed = Place<TCheckBox>(page, 330, 78, 160, 20, "Grayed");
  grayed->SetAllowGrayed(true);
  grayed->SetState(TCheckBoxState::cbGrayed);
  Place<TCheckBox>(page, 330, 102, 160, 20, "Disabled")->SetEnabled(false);

  Place<TRadioButton>(page, 330, 136, 160, 20, "First choice")->SetChecked(true);
  Place<TRadioButton>(page, 330, 160, 160, 20, "Second choice");

  auto* group = Place<TRadioGroup>(page, 12, 190, 286, 84, "Radio group");
  group->SetColumns(2);
  for (const char* item : {"Small", "Medium", "Large", "Huge"}) group->Items()->Add(item);
  group->SetItemIndex(1);
}

}  // namespace gallery
