// A small form on the real screen for the integration test: a caption
// panel that drags the window (0xF012), labels, a button and a browser pane
// showing a local page. It reports on stdout what the test needs to drive it
// and what happened, one line each:
//   button X Y / panel X Y      screen points to click and drag
//   frame                       the form's first frame reached the screen
//   loaded                      the page finished loading
//   clicked                     the button was clicked
//   moved L T                   a system move ended at window position L,T
//   pane L T R B                the pane's screen rectangle (after each move)
#include <cstdio>
#include <string>

#include "platform/controls/controls.h"
#include "platform/display/browser/browser_window.h"
#include "platform/display/gtk/gtk_backend.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace {

HWND g_form = nullptr;
HWND g_pane = nullptr;

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void SayPoint(const char* what, HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  Say(std::string(what) + " " + std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2));
}

void SayPane() {
  RECT r{};
  GetWindowRect(g_pane, &r);
  Say("pane " + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
      std::to_string(r.bottom));
}

// The caption panel: pressing it drags the whole form, as a skinned title
// bar does.
LRESULT PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      ReleaseCapture();
      SendMessageW(GetParent(hwnd), WM_SYSCOMMAND, 0xF012, 0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = BeginPaint(hwnd, &ps);
      RECT client{};
      GetClientRect(hwnd, &client);
      HBRUSH brush = CreateSolidBrush(RGB(40, 60, 140));
      FillRect(dc, &client, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) Say("clicked");
      return 0;
    case WM_EXITSIZEMOVE: {
      RECT r{};
      GetWindowRect(hwnd, &r);
      Say("moved " + std::to_string(r.left) + " " + std::to_string(r.top));
      SayPane();
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// The pane, subclassed to hear when its page finished loading.
WNDPROC g_paneProc = nullptr;

LRESULT PaneProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == platform::BRN_LOADFINISHED) Say("loaded");
  return CallWindowProcW(g_paneProc, hwnd, message, wParam, lParam);
}

void RegisterClassOf(const char16_t* name, PlainWindowProcedure proc, COLORREF background) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProcFromFunction(proc);
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(background);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PAGE-ADDRESS\n", argv[0]);
    return 2;
  }
  platform::display::gtk::SetFrameObserver([](HWND window) {
    static bool seen = false;
    if (window == g_form && !seen) {
      seen = true;
      Say("frame");
    }
  });
  platform::RegisterBrowserClass();
  RegisterClassOf(u"TestForm", FormProc, RGB(212, 208, 200));
  RegisterClassOf(u"TestPanel", PanelProc, RGB(40, 60, 140));

  g_form = CreateWindowExW(0, u"TestForm", u"Brellis test form", WS_POPUP | WS_CLIPCHILDREN, 100, 80, 640, 440,
                           nullptr, nullptr, nullptr, nullptr);
  HWND panel = CreateWindowExW(0, u"TestPanel", u"", WS_CHILD | WS_VISIBLE, 0, 0, 640, 32, g_form, nullptr,
                               nullptr, nullptr);
  CreateWindowExW(0, u"Static", u"Brellis pane test", WS_CHILD | WS_VISIBLE, 12, 44, 200, 16, g_form, nullptr,
                  nullptr, nullptr);
  CreateWindowExW(0, u"Static", u"Local page below", WS_CHILD | WS_VISIBLE, 220, 44, 200, 16, g_form, nullptr,
                  nullptr, nullptr);
  HWND button = CreateWindowExW(0, u"Button", u"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 520, 40, 100, 26,
                                g_form, reinterpret_cast<HMENU>(1), nullptr, nullptr);
  g_pane = CreateWindowExW(0, platform::kBrowserClassName, u"", WS_CHILD | WS_VISIBLE, 12, 76, 616, 352, g_form,
                           nullptr, nullptr, nullptr);
  g_paneProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(g_pane, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WndProcFromFunction(PaneProc))));
  ShowWindow(g_form, SW_SHOW);
  UpdateWindow(g_form);

  const std::string page = argv[1];
  platform::BrowserNavigate(g_pane, std::u16string(page.begin(), page.end()));
  SayPoint("button", button);
  SayPoint("panel", panel);
  SayPane();

  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
