// The "Boxes" page: panels of each bevel, group boxes, a bevel, a shape and
// a scroll box whose contents are larger than itself.
#include "gallery/gallery_pages.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/ExtCtrls_Shapes.h"
#include "toolkit/Forms_Scrolling.h"
#include "toolkit/StdCtrls.h"

namespace gallery {

void FillBoxesPage(TTabSheet* page) {
  Place<TPanel>(page, 12, 12, 140, 40, "Raised panel");
  auto* lowered = Place<TPanel>(page, 160, 12, 140, 40, "Lowered panel");
  lowered->SetBevelOuter(TBevelCut::bvLowered);
  auto* framed = Place<TPanel>(page, 12, 60, 288, 40, "Panel with a bevel inside");
  framed->SetBevelInner(TBevelCut::bvLowered);
  framed->SetBevelWidth(2);

  auto* group = Place<TGroupBox>(page, 12, 112, 288, 90, "Group box");
  Place<TLabel>(group, 12, 24, 120, 16, "A label in a group");
  Place<TCheckBox>(group, 12, 48, 160, 20, "A check box in it")->SetChecked(true);
  auto* inner = Place<TGroupBox>(page, 12, 210, 288, 64, "Another group");
  Place<TButton>(inner, 12, 24, 90, 26, "Inside");

  Place<TBevel>(page, 320, 12, 260, 2);
  auto* shape = Place<TShape>(page, 320, 24, 80, 50);
  shape->SetShape(TShapeType::stRoundRect);

  auto* scroll = Place<TScrollBox>(page, 320, 90, 260, 184);
  for (int i = 0; i < 8; ++i) {
    const AnsiString caption = "Button " + std::to_string(i + 1) + " in the scroll box";
    Place<TButton>(scroll, 8, 8 + i * 40, 320, 28, caption.c_str());
  }
}

}  // namespace gallery
