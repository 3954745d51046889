// The "Edits" page: edits, a memo, the combo box in every style, the
// extended combo box, up-down buttons on their own and on an edit, date
// and time pickers and a month calendar.
#include "gallery/gallery_pages.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_Memo.h"

namespace gallery {
namespace {

void FillCombo(TComboBox* combo, TComboBoxStyle style) {
  combo->SetStyle(style);
  for (const char* item : {"Apple", "Banana", "Cherry", "Damson", "Elderberry"}) combo->Items()->Add(item);
  combo->SetItemIndex(1);
}

}  // namespace

void FillEditsPage(TTabSheet* page) {
  Place<TLabel>(page, 12, 10, 120, 16, "Edits");
  Place<TEdit>(page, 12, 30, 180, 22, "Some text");
  Place<TEdit>(page, 12, 58, 180, 22, "Read only")->SetReadOnly(true);
  Place<TEdit>(page, 12, 86, 180, 22, "Disabled")->SetEnabled(false);

  auto* memo = Place<TMemo>(page, 12, 116, 180, 100);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  for (int i = 1; i <= 12; ++i) memo->Lines()->Add("Memo line " + std::to_string(i));

  Place<TLabel>(page, 210, 10, 160, 16, "Combo boxes");
  FillCombo(Place<TComboBox>(page, 210, 30, 160, 22), TComboBoxStyle::csDropDown);
  FillCombo(Place<TComboBox>(page, 210, 58, 160, 22), TComboBoxStyle::csDropDownList);
  FillCombo(Place<TComboBox>(page, 210, 86, 160, 22), TComboBoxStyle::csOwnerDrawFixed);
  FillCombo(Place<TComboBox>(page, 210, 114, 160, 22), TComboBoxStyle::csOwnerDrawVariable);
  FillCombo(Place<TComboBox>(page, 210, 142, 160, 74), TComboBoxStyle::csSimple);
  auto* extended = Place<TComboBoxEx>(page, 210, 224, 160, 22);
  for (const char* item : {"Extended", "Combo", "Box"}) {
    auto* entry = static_cast<TComboExItem*>(extended->ItemsEx()->Add());
    entry->SetCaption(item);
  }
  extended->SetItemIndex(0);

  Place<TLabel>(page, 390, 10, 160, 16, "Up-down buttons");
  auto* buddy = Place<TEdit>(page, 390, 30, 80, 22, "0");
  auto* updown = Place<TUpDown>(page, 470, 30, 16, 22);
  updown->SetAssociate(buddy);
  updown->SetPosition(5);
  auto* horizontal = Place<TUpDown>(page, 500, 30, 36, 18);
  horizontal->SetOrientation(TUDOrientation::udHorizontal);

  Place<TLabel>(page, 390, 66, 160, 16, "Date and time pickers");
  auto* date = Place<TDateTimePicker>(page, 390, 86, 160, 22);
  date->SetDateTime(EncodeDateTime({2026, 12, 10, 9, 30, 0}));
  auto* time = Place<TDateTimePicker>(page, 390, 114, 160, 22);
  time->SetKind(TDateTimeKind::dtkTime);
  time->SetDateTime(EncodeDateTime({2026, 12, 10, 9, 30, 0}));
  auto* checked = Place<TDateTimePicker>(page, 390, 142, 160, 22);
  checked->SetShowCheckbox(true);
  checked->SetDateFormat(TDTDateFormat::dfLong);
  checked->SetDateTime(EncodeDateTime({2026, 12, 10, 9, 30, 0}));

  Place<TMonthCalendar>(page, 560, 30, 190, 160)->SetDate(EncodeDateTime({2026, 12, 10, 0, 0, 0}));
}

}  // namespace gallery
