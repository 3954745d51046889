// The standard control classes form resources may name.
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/StdCtrls.h"

void RegisterStandardControls() {
  static const bool done = [] {
    for (TClass cls : {TForm::ClassInfo(), TPanel::ClassInfo(), TImage::ClassInfo(), TLabel::ClassInfo(),
                       TEdit::ClassInfo(), TButton::ClassInfo(), TSpeedButton::ClassInfo(), TTimer::ClassInfo(),
                       TImageList::ClassInfo(), TScrollBar::ClassInfo(), TScrollBox::ClassInfo(),
                       TCheckBox::ClassInfo(), TRadioButton::ClassInfo(),
                       TGroupBox::ClassInfo(), TRadioGroup::ClassInfo(), TBitBtn::ClassInfo(),
                       TBevel::ClassInfo(), TShape::ClassInfo(),
                       TListBox::ClassInfo(), TComboBox::ClassInfo()}) {
      RegisterClass(cls);
    }
    return true;
  }();
  (void)done;
}
