// The "Bars" page: track bars, progress bars, scroll bars, a tab control in
// tab and button styles, a header control, a cool bar and the media player.
#include "gallery/gallery_pages.h"
#include "toolkit/MPlayer.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_ScrollBar.h"

namespace gallery {
namespace {

void AddTabs(TTabControl* tabs, TTabStyle style) {
  tabs->SetStyle(style);
  for (const char* tab : {"First", "Second", "Third"}) tabs->Tabs()->Add(tab);
  tabs->SetTabIndex(0);
}

}  // namespace

void FillBarsPage(TTabSheet* page) {
  auto* track = Place<TTrackBar>(page, 12, 12, 200, 32);
  track->SetPosition(4);
  auto* both = Place<TTrackBar>(page, 12, 48, 200, 40);
  both->SetTickMarks(TTickMark::tmBoth);
  both->SetMax(20);
  both->SetPosition(14);
  auto* vertical = Place<TTrackBar>(page, 220, 12, 32, 120);
  vertical->SetOrientation(TTrackBarOrientation::trVertical);
  vertical->SetPosition(7);

  Place<TProgressBar>(page, 12, 96, 200, 18)->SetPosition(35);
  auto* smooth = Place<TProgressBar>(page, 12, 120, 200, 18);
  smooth->SetSmooth(true);
  smooth->SetPosition(70);
  auto* upright = Place<TProgressBar>(page, 260, 12, 18, 120);
  upright->SetOrientation(TProgressBarOrientation::pbVertical);
  upright->SetPosition(60);

  Place<TScrollBar>(page, 12, 146, 200, 17)->SetPosition(30);
  auto* vbar = Place<TScrollBar>(page, 286, 12, 17, 120);
  vbar->SetKind(TScrollBarKind::sbVertical);

  auto* tabs = Place<TTabControl>(page, 320, 12, 200, 80);
  AddTabs(tabs, TTabStyle::tsTabs);
  Place<TLabel>(tabs, 12, 36, 160, 16, "Inside the tab control");
  AddTabs(Place<TTabControl>(page, 530, 12, 210, 80), TTabStyle::tsButtons);

  auto* header = Place<THeaderControl>(page, 320, 104, 420, 20);
  header->AddSection(u"Name", 160);
  header->AddSection(u"Size", 100);
  header->AddSection(u"Modified", 160);

  auto* cool = Place<TCoolBar>(page, 320, 136, 420, 34);
  TCoolBand* band = cool->AddBand();
  band->SetText("Band");
  band->SetControl(Place<TEdit>(cool, 0, 0, 160, 22, "An edit on a band"));

  Place<TLabel>(page, 12, 180, 200, 16, "Media player");
  Place<TMediaPlayer>(page, 12, 200, 253, 30);
}

}  // namespace gallery
