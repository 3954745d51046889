#include "platform/display/browser/browser_window.h"

#include <map>
#include <memory>

#include "platform/display/display.h"
#include "platform/gdi/gdi.h"

namespace platform {
namespace {

struct BrowserState {
  std::unique_ptr<display::BrowserView> view;
  std::vector<std::u16string> navigations;
  int loadsFinished = 0;
};

std::map<HWND, BrowserState>& Browsers() {
  static std::map<HWND, BrowserState> browsers;
  return browsers;
}

BrowserState* StateOf(HWND hwnd) {
  auto found = Browsers().find(hwnd);
  return found == Browsers().end() ? nullptr : &found->second;
}

// The page view covers the window wherever its top-level window shows it
// (a minimised top-level window takes its page views off the screen).
void PlaceView(HWND hwnd, BrowserState& state) {
  if (!state.view) return;
  HWND top = GetAncestor(hwnd, GA_ROOT);
  RECT window{};
  RECT topWindow{};
  GetWindowRect(hwnd, &window);
  GetWindowRect(top, &topWindow);
  const RECT inTop{window.left - topWindow.left, window.top - topWindow.top, window.right - topWindow.left,
                   window.bottom - topWindow.top};
  state.view->Place(top, inTop, IsWindowVisible(hwnd) != FALSE);
}

// Without a page view: a white pane with the address, so pictures of the
// headless screen show what would be there.
void PaintPlaceholder(HWND hwnd, HDC dc, const BrowserState& state) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (state.view || state.navigations.empty()) return;
  const std::u16string& address = state.navigations.back();
  RECT text = client;
  InflateRect(&text, -8, -8);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(64, 64, 64));
  HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc, address.c_str(), static_cast<int>(address.size()), &text, DT_CENTER | DT_WORDBREAK);
  SelectObject(dc, font);
}

void CreateView(HWND hwnd, BrowserState& state) {
  state.view = display::Current().CreateBrowserView();
  if (!state.view) return;
  state.view->OnLoadFinished([hwnd](const std::u16string&) {
    BrowserState* current = StateOf(hwnd);
    if (current == nullptr) return;
    ++current->loadsFinished;
    PostMessageW(hwnd, BRN_LOADFINISHED, 0, 0);
  });
  PlaceView(hwnd, state);
}

LRESULT BrowserProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      // The page view comes with the window; the backend starts its engine
      // when the view is first shown or given an address.
      CreateView(hwnd, Browsers()[hwnd]);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = BeginPaint(hwnd, &ps);
      if (BrowserState* state = StateOf(hwnd)) {
        // A parent shown or moved repaints its children; the view follows.
        PlaceView(hwnd, *state);
        PaintPlaceholder(hwnd, dc, *state);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      Browsers().erase(hwnd);
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterBrowserClass() {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(nullptr, kBrowserClassName, &existing)) return;
  // A view follows its window and every ancestor of it: a panel hidden or
  // moved takes its page views along.
  static const bool observing = [] {
    AddWindowPlacementObserver([](HWND changed) {
      for (auto& [browser, state] : Browsers()) {
        if (browser == changed || IsChild(changed, browser)) PlaceView(browser, state);
      }
    });
    return true;
  }();
  (void)observing;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_GLOBALCLASS;
  wc.lpfnWndProc = WndProcFromFunction(BrowserProc);
  wc.hInstance = SystemModule();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kBrowserClassName;
  RegisterClassExW(&wc);
}

bool BrowserNavigate(HWND browser, const std::u16string& address) {
  BrowserState* state = StateOf(browser);
  if (state == nullptr || !IsWindow(browser)) return false;
  state->navigations.push_back(address);
  if (state->view) {
    state->view->Navigate(address);
  } else {
    InvalidateRect(browser, nullptr, TRUE);
  }
  return true;
}

std::u16string BrowserLocation(HWND browser) {
  const BrowserState* state = StateOf(browser);
  return state && !state->navigations.empty() ? state->navigations.back() : std::u16string();
}

std::vector<std::u16string> BrowserNavigations(HWND browser) {
  const BrowserState* state = StateOf(browser);
  return state ? state->navigations : std::vector<std::u16string>{};
}

int BrowserLoadsFinished(HWND browser) {
  const BrowserState* state = StateOf(browser);
  return state ? state->loadsFinished : 0;
}

}  // namespace platform
