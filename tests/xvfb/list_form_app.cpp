// A toolkit form with lists on the real screen for the integration test: a
// list box of many items, a vertical scroll bar control and a drop-down
// list combo box, read from a form resource. It reports on stdout what the
// test needs to drive it and what happened, one line each:
//   listthumb X Y TRACK THUMB RANGE  the list's thumb centre, its bar's track
//                                    and thumb lengths, and its top-index range
//   barthumb X Y TRACK THUMB RANGE   the same for the scroll bar control
//   combo X Y                        the combo box's centre
//   shown                            the form is on the screen
//   top N                            the list's first shown item changed to N
//   bar N                            the scroll bar's position changed to N
//   item I X Y                       item I of the dropped list, at X,Y
//   chosen I TEXT                    the combo box's choice, and its text
#include <cstdio>
#include <string>

#include "platform/controls/controls.h"
#include "platform/display/gtk/gtk_backend.h"
#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_ScrollBar.h"

namespace {

constexpr const char* kForm = R"(object ListForm: TForm
  Left = 100
  Top = 80
  BorderStyle = bsNone
  Caption = 'Brellis list test'
  ClientHeight = 300
  ClientWidth = 420
  Color = clBtnFace
  object Lines: TListBox
    Left = 10
    Top = 10
    Width = 160
    Height = 260
  end
  object Bar: TScrollBar
    Left = 190
    Top = 10
    Width = 17
    Height = 260
    Kind = sbVertical
    Max = 100
    PageSize = 10
    LargeChange = 10
  end
  object Choice: TComboBox
    Left = 230
    Top = 10
    Width = 170
    Height = 21
    Style = csDropDownList
    DropDownCount = 12
  end
  object Watch: TTimer
    Interval = 50
  end
end
)";

constexpr int kThumbIndex = 7;  // the combo item the test is told about

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string N(long v) { return std::to_string(v); }

// The thumb's centre on the screen, the track and thumb lengths.
void SayThumb(const char* what, HWND hwnd, LONG object, int range) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(hwnd, object, &info);
  const RECT& bar = info.rcScrollBar;
  const int arrow = bar.right - bar.left;  // square arrows on a vertical bar
  const int x = (bar.left + bar.right) / 2;
  const int y = bar.top + (info.xyThumbTop + info.xyThumbBottom) / 2;
  const int track = (bar.bottom - bar.top) - 2 * arrow;
  Say(std::string(what) + " " + N(x) + " " + N(y) + " " + N(track) + " " +
      N(info.xyThumbBottom - info.xyThumbTop) + " " + N(range));
}

}  // namespace

int main() {
  static HWND formWindow = nullptr;
  platform::display::gtk::SetFrameObserver([](HWND window) {
    static bool seen = false;
    if (window == formWindow && !seen) {
      seen = true;
      Say("shown");
    }
  });
  Application->Initialize();
  RegisterStandardControls();
  auto* form = new TForm(Application);
  ReadComponentResource(form, kForm);
  auto* lines = As<TListBox>(form->FindComponent("Lines"));
  auto* bar = As<TScrollBar>(form->FindComponent("Bar"));
  auto* choice = As<TComboBox>(form->FindComponent("Choice"));
  auto* watch = As<TTimer>(form->FindComponent("Watch"));
  for (int i = 0; i < 500; ++i) lines->Items()->Add("Line " + std::to_string(i));
  for (int i = 0; i < 20; ++i) choice->Items()->Add("Choice " + std::to_string(i));

  bar->OnChange = [bar](TObject*) { Say("bar " + N(bar->Position())); };
  choice->OnDropDown = [choice](TObject*) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(choice->Handle(), &info);
    RECT item{};
    SendMessageW(info.hwndList, LB_GETITEMRECT, kThumbIndex, reinterpret_cast<LPARAM>(&item));
    // The list is placed once CBN_DROPDOWN has been told: ask where it will be.
    RECT dropped{};
    SendMessageW(choice->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const int x = dropped.left + 1 + (item.left + item.right) / 2;
    const int y = dropped.top + 1 + (item.top + item.bottom) / 2;
    Say("item " + N(kThumbIndex) + " " + N(x) + " " + N(y));
  };
  choice->OnChange = [choice](TObject*) { Say("chosen " + N(choice->ItemIndex()) + " " + choice->Text()); };
  static int lastTop = 0;
  watch->SetOnTimer([lines](TObject*) {
    const auto top = static_cast<int>(SendMessageW(lines->Handle(), LB_GETTOPINDEX, 0, 0));
    if (top == lastTop) return;
    lastTop = top;
    Say("top " + N(top));
  });

  formWindow = form->Handle();
  form->Show();
  const auto visible = static_cast<int>(lines->ClientRect().bottom /
                                        SendMessageW(lines->Handle(), LB_GETITEMHEIGHT, 0, 0));
  SayThumb("listthumb", lines->Handle(), OBJID_VSCROLL, lines->Items()->Count() - visible);
  SayThumb("barthumb", bar->Handle(), OBJID_CLIENT, bar->Max() - bar->PageSize() + 1 - bar->Min());
  RECT combo{};
  GetWindowRect(choice->Handle(), &combo);
  Say("combo " + N((combo.left + combo.right) / 2) + " " + N((combo.top + combo.bottom) / 2));
  while (!Application->Terminated()) Application->HandleMessage();
  return 0;
}
