// The standard control classes form resources may name.
#include "toolkit/ActnList.h"
#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Grids.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/Menus.h"
#include "toolkit/MPlayer.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_Memo.h"

void RegisterStandardControls() {
  static const bool done = [] {
    for (TClass cls : {TForm::ClassInfo(), TPanel::ClassInfo(), TImage::ClassInfo(), TLabel::ClassInfo(),
                       TEdit::ClassInfo(), TButton::ClassInfo(), TSpeedButton::ClassInfo(), TTimer::ClassInfo(),
                       TImageList::ClassInfo(), TMainMenu::ClassInfo(), TPopupMenu::ClassInfo(),
                       TMenuItem::ClassInfo()}) {
      RegisterClass(cls);
    }
    for (TClass cls : {TCheckBox::ClassInfo(), TRadioButton::ClassInfo(), TGroupBox::ClassInfo(),
                       TRadioGroup::ClassInfo(), TBitBtn::ClassInfo(), TBevel::ClassInfo(), TShape::ClassInfo()}) {
      RegisterClass(cls);
    }
    for (TClass cls : {TScrollBar::ClassInfo(), TScrollBox::ClassInfo()}) RegisterClass(cls);
    RegisterClass(TMemo::ClassInfo());
    for (TClass cls : {TActionList::ClassInfo(), TAction::ClassInfo()}) RegisterClass(cls);
    for (TClass cls : {TTrackBar::ClassInfo(), TProgressBar::ClassInfo(), TUpDown::ClassInfo()}) RegisterClass(cls);
    for (TClass cls : {TTabControl::ClassInfo(), TPageControl::ClassInfo(), TTabSheet::ClassInfo(),
                       TStatusBar::ClassInfo()}) {
      RegisterClass(cls);
    }
    for (TClass cls : {TListBox::ClassInfo(), TComboBox::ClassInfo()}) RegisterClass(cls);
    for (TClass cls : {THeaderControl::ClassInfo(), TListView::ClassInfo()}) RegisterClass(cls);
    RegisterClass(TTreeView::ClassInfo());
    RegisterClass(TComboBoxEx::ClassInfo());
    for (TClass cls : {TDrawGrid::ClassInfo(), TStringGrid::ClassInfo()}) RegisterClass(cls);
    for (TClass cls : {TMonthCalendar::ClassInfo(), TDateTimePicker::ClassInfo()}) RegisterClass(cls);
    for (TClass cls : {TToolBar::ClassInfo(), TToolButton::ClassInfo()}) RegisterClass(cls);
    RegisterClass(TCoolBar::ClassInfo());
    RegisterClass(TMediaPlayer::ClassInfo());
    return true;
  }();
  (void)done;
}
