// The form with every button, bar, tab and picker control on the real screen
// for the integration test. It reports on stdout what the test needs to
// drive it and what happened, one line each (screen points and rectangles):
//   check X Y / checkbox L T R B    where to click the check box, and its window
//   thumb X Y                       the track bar's thumb, to drag
//   tab X Y                         the second page's tab
//   details X Y                     a point of the second page's white panel
//   frame                           the form's first frame reached the screen
//   state S                         the check box was clicked and is now S
//   released POSITION X Y           a drag of the thumb ended: position, thumb centre
//   page N                          the user chose page N
#include <cstdio>
#include <string>

#include "platform/base/resources.h"
#include "platform/controls/controls.h"
#include "platform/display/gtk/gtk_backend.h"
#include "toolkit/Application.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"

namespace {

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string PointText(HWND hwnd, POINT p) {
  ClientToScreen(hwnd, &p);
  return std::to_string(p.x) + " " + std::to_string(p.y);
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::string ThumbCentre(TTrackBar* track) {
  RECT thumb{};
  SendMessageA(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  return PointText(track->Handle(), Centre(thumb));
}

}  // namespace

int main() {
  static HWND formWindow = nullptr;
  platform::display::gtk::SetFrameObserver([](HWND window) {
    static bool seen = false;
    if (window == formWindow && !seen) {
      seen = true;
      Say("frame");
    }
  });
  Application->Initialize();
  RegisterStandardControls();
  const auto resource = platform::FindResourceBytes(platform::kResourceForm, "EVERYCONTROL");
  if (resource.empty()) {
    std::fprintf(stderr, "every_control_app: the form resource is missing\n");
    return 1;
  }
  auto* form = new TForm(Application);
  ReadComponentResource(form, std::string_view(reinterpret_cast<const char*>(resource.data()), resource.size()));
  auto* check = As<TCheckBox>(form->FindComponent("CheckBox1"));
  auto* track = As<TTrackBar>(form->FindComponent("TrackBar1"));
  auto* pages = As<TPageControl>(form->FindComponent("PageControl1"));
  auto* details = As<TControl>(form->FindComponent("DetailsPanel"));

  check->OnClick = [check](TObject*) { Say("state " + GetEnumProp(check, "State")); };
  pages->OnChange = [pages](TObject*) { Say("page " + std::to_string(pages->ActivePageIndex())); };
  TWndMethod trackProc = track->WindowProc;
  track->WindowProc = [trackProc, track](TMessage& message) {
    trackProc(message);
    if (message.Msg == CN_HSCROLL && LOWORD(message.WParam) == TB_ENDTRACK) {
      Say("released " + std::to_string(track->Position()) + " " + ThumbCentre(track));
    }
  };

  formWindow = form->Handle();
  form->Show();
  RECT box{};
  GetWindowRect(check->Handle(), &box);
  Say("check " + PointText(check->Handle(), {8, check->Height() / 2}));
  Say("checkbox " + std::to_string(box.left) + " " + std::to_string(box.top) + " " + std::to_string(box.right) + " " +
      std::to_string(box.bottom));
  Say("thumb " + ThumbCentre(track));
  RECT tab{};
  SendMessageA(pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  Say("tab " + PointText(pages->Handle(), Centre(tab)));
  const TRect display = pages->DisplayRect();
  Say("details " + PointText(pages->Handle(), {display.left + details->Left() + 10, display.top + details->Top() + 10}));
  while (!Application->Terminated()) Application->HandleMessage();
  return 0;
}
