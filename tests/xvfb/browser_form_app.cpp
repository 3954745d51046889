// A toolkit form on the real screen for the integration test: a caption
// panel that drags the window (0xF012), labels, a button and a browser pane
// showing a local page. It reports on stdout what the test needs to drive it
// and what happened, one line each:
//   button X Y / panel X Y      screen points to click and drag
//   pane L T R B                the pane's screen rectangle (again after a move)
//   frame                       the form's first frame reached the screen
//   loaded                      the page finished loading
//   clicked                     the button was clicked
//   moved L T                   a system move ended at window position L,T
#include <cstdio>
#include <string>

#include "platform/display/gtk/gtk_backend.h"
#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/WebBrowser.h"

namespace {

constexpr const char* kForm = R"(object TestForm: TForm
  Left = 100
  Top = 80
  BorderStyle = bsNone
  Caption = 'Brellis test form'
  ClientHeight = 440
  ClientWidth = 640
  Color = clBtnFace
  object Caption: TPanel
    Left = 0
    Top = 0
    Width = 640
    Height = 32
    BevelOuter = bvNone
    Color = $008C3C28
  end
  object Title: TLabel
    Left = 12
    Top = 44
    Width = 200
    Height = 16
    Caption = 'Brellis pane test'
  end
  object Hint: TLabel
    Left = 220
    Top = 44
    Width = 200
    Height = 16
    Caption = 'Local page below'
  end
  object Press: TButton
    Left = 520
    Top = 40
    Width = 100
    Height = 26
    Caption = 'Press'
  end
  object Pane: TWebBrowser
    Left = 12
    Top = 76
    Width = 616
    Height = 352
  end
end
)";

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string RectText(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
         std::to_string(r.bottom);
}

void SayCentre(const char* what, HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  Say(std::string(what) + " " + std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PAGE-ADDRESS\n", argv[0]);
    return 2;
  }
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
  RegisterWebBrowser();
  auto* form = new TForm(Application);
  ReadComponentResource(form, kForm);
  auto* caption = As<TPanel>(form->FindComponent("Caption"));
  auto* press = As<TButton>(form->FindComponent("Press"));
  auto* pane = As<TWebBrowser>(form->FindComponent("Pane"));

  // The caption panel drags the whole form, as a skinned title bar does.
  caption->OnMouseDown = [form](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button != TMouseButton::mbLeft) return;
    ReleaseCapture();
    form->Perform(WM_SYSCOMMAND, 0xF012, 0);
  };
  press->OnClick = [](TObject*) { Say("clicked"); };
  pane->OnDocumentComplete = [](TObject*) { Say("loaded"); };
  TWndMethod formProc = form->WindowProc;
  form->WindowProc = [formProc, form, pane](TMessage& message) {
    formProc(message);
    if (message.Msg == WM_EXITSIZEMOVE) {
      RECT r{};
      GetWindowRect(form->Handle(), &r);
      Say("moved " + std::to_string(r.left) + " " + std::to_string(r.top));
      Say("pane " + RectText(pane->Handle()));
    }
  };

  formWindow = form->Handle();
  form->Show();
  pane->Navigate(WideString(argv[1], argv[1] + std::string(argv[1]).size()));
  SayCentre("button", press->Handle());
  SayCentre("panel", caption->Handle());
  Say("pane " + RectText(pane->Handle()));
  while (!Application->Terminated()) Application->HandleMessage();
  return 0;
}
