// A toolkit form with a main menu and a popup menu on the real screen, for
// the menu integration test. "New" is linked to an action. It reports on
// stdout, one line each:
//   bar N X Y              the screen centre of bar item N
//   client X Y             a point of the client area (for the context menu)
//   frame                  the form's first frame reached the screen
//   open NAME L T R B      a menu window opened (NAME: the menu's first item)
//   entry NAME X Y         the screen centre of an entry of the open menu
//   select NAME            the selection moved to that entry (WM_MENUSELECT)
//   clicked NAME           an item's OnClick ran
//   executed NAME          an action's OnExecute ran
#include <cstdio>
#include <string>

#include "platform/display/gtk/gtk_backend.h"
#include "toolkit/ActnList.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/Reader.h"

namespace {

constexpr const char* kForm = R"(object MenuForm: TForm
  Left = 100
  Top = 80
  Caption = 'Brellis menu test'
  ClientHeight = 240
  ClientWidth = 400
  Color = clBtnFace
  Menu = MainMenu1
  PopupMenu = PopupMenu1
  object Actions: TActionList
    object NewAction: TAction
      Caption = '&New'
      ShortCut = 16462
    end
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object New1: TMenuItem
        Action = NewAction
      end
      object Open1: TMenuItem
        Caption = '&Open'
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object About1: TMenuItem
        Caption = '&About'
      end
    end
  end
  object PopupMenu1: TPopupMenu
    object Copy1: TMenuItem
      Caption = '&Copy'
    end
    object Paste1: TMenuItem
      Caption = '&Paste'
    end
  end
end
)";

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string Numbers(std::initializer_list<LONG> values) {
  std::string text;
  for (LONG v : values) text += " " + std::to_string(v);
  return text;
}

std::string EntryName(HMENU menu, int position) {
  char text[80] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
  return StripHotkey(std::string(text).substr(0, std::string(text).find('\t')));
}

// Reports each menu window once when it shows: its rectangle and the
// centres of its entries. Runs from a timer, which keeps running in the
// menu loop.
void ReportOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  static HWND reported = nullptr;
  HWND window = FindWindowExW(nullptr, nullptr, u"#32768", nullptr);
  if (window == nullptr || !IsWindowVisible(window)) {
    reported = nullptr;
    return;
  }
  if (window == reported) return;
  reported = window;
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  RECT r{};
  GetWindowRect(window, &r);
  Say("open " + EntryName(menu, 0) + Numbers({r.left, r.top, r.right, r.bottom}));
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) continue;
    RECT item{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item);
    Say("entry " + EntryName(menu, i) + Numbers({(item.left + item.right) / 2, (item.top + item.bottom) / 2}));
  }
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
  auto* form = new TForm(Application);
  ReadComponentResource(form, kForm);
  auto* menu = As<TMainMenu>(form->FindComponent("MainMenu1"));
  auto* newAction = As<TAction>(form->FindComponent("NewAction"));

  newAction->OnExecute = [](TObject* sender) { Say("executed " + As<TComponent>(sender)->Name()); };
  for (const char* name : {"Open1", "Exit1", "About1", "Copy1", "Paste1", "New1"}) {
    auto* item = As<TMenuItem>(form->FindComponent(name));
    item->OnClick = [item](TObject*) { Say("clicked " + StripHotkey(item->Caption())); };
  }
  TWndMethod formProc = form->WindowProc;
  form->WindowProc = [formProc](TMessage& message) {
    formProc(message);
    if (message.Msg == WM_MENUSELECT && HIWORD(message.WParam) != 0xFFFF) {
      const auto held = reinterpret_cast<HMENU>(message.LParam);
      const UINT flags = HIWORD(message.WParam);
      const UINT item = LOWORD(message.WParam);
      char text[80] = {};
      GetMenuStringA(held, item, text, sizeof(text), (flags & MF_POPUP) ? MF_BYPOSITION : MF_BYCOMMAND);
      Say("select " + StripHotkey(std::string(text).substr(0, std::string(text).find('\t'))));
    }
  };

  formWindow = form->Handle();
  form->Show();
  SetTimer(formWindow, 1, 50, ReportOpenMenu);
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    RECT r{};
    GetMenuItemRect(formWindow, GetMenu(formWindow), static_cast<UINT>(i), &r);
    Say("bar " + std::to_string(i) + Numbers({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
  }
  RECT client{};
  GetClientRect(formWindow, &client);
  POINT middle{client.right / 2, client.bottom / 2};
  ClientToScreen(formWindow, &middle);
  Say("client" + Numbers({middle.x, middle.y}));
  while (!Application->Terminated()) Application->HandleMessage();
  return 0;
}
