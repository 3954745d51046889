// Input: raw mouse and keyboard events become window messages when the
// program reads its queue. The window under the cursor is found by hit
// testing (WM_NCHITTEST), capture redirects the mouse, double clicks are
// made for classes that ask, the mouse activates windows (WM_MOUSEACTIVATE)
// and sets the cursor (WM_SETCURSOR), and mouse-leave tracking posts
// WM_MOUSELEAVE. Key messages go to the focus window.
#include <algorithm>
#include <cstdlib>

#include "platform/gdi/region.h"
#include "platform/user/input_internal.h"
#include "platform/user/queue_internal.h"

namespace platform {
namespace {

struct ClickRecord {
  UINT message = 0;  // client button-down message of the last click
  HWND hwnd = nullptr;
  DWORD time = 0;
  POINT point{};
};

struct Tracking {
  HWND hwnd = nullptr;
  DWORD flags = 0;          // TME_LEAVE, TME_HOVER, TME_NONCLIENT
  DWORD hoverTime = 0;
  DWORD hoverStart = 0;
  POINT hoverPoint{};
};

struct InputState {
  HWND capture = nullptr;
  BYTE syncKeys[256]{};
  BYTE asyncKeys[256]{};
  ClickRecord lastClick;
  Tracking tracking;
  HCURSOR cursor = nullptr;
};

InputState& State() {
  static InputState state;
  return state;
}

bool ContainsPoint(const WindowObject& w, POINT screen) {
  const RECT r = ScreenWindowRect(w);
  if (screen.x < r.left || screen.x >= r.right || screen.y < r.top || screen.y >= r.bottom) return false;
  return w.shape == nullptr || w.shape->Contains(screen.x - r.left, screen.y - r.top);
}

bool InClient(const WindowObject& w, POINT screen) {
  const RECT r = ScreenClientRect(w);
  return screen.x >= r.left && screen.x < r.right && screen.y >= r.top && screen.y < r.bottom;
}

// The deepest enabled, visible child of `parent` under the point, or null.
HWND ChildUnder(HWND parent, POINT screen, bool hitTest, LRESULT& hit, HWND skipUntil);

// Resolves the window under a point among `siblings` (topmost first),
// honouring HTTRANSPARENT by going on with the windows below.
HWND SearchSiblings(const std::vector<HWND>& siblings, POINT screen, bool hitTest, LRESULT& hit) {
  for (HWND candidate : siblings) {
    WindowObject* w = PeekWindowObject(candidate);
    if (w == nullptr || !(w->style & WS_VISIBLE) || !ContainsPoint(*w, screen)) continue;
    if (w->style & WS_DISABLED) {
      if (!w->IsChild()) {
        hit = HTERROR;
        return candidate;
      }
      continue;  // clicks on a disabled child reach its parent
    }
    HWND found = candidate;
    if (!(w->style & WS_MINIMIZE) && InClient(*w, screen) && !w->children.empty()) {
      LRESULT childHit = HTNOWHERE;
      HWND child = ChildUnder(candidate, screen, hitTest, childHit, nullptr);
      if (child != nullptr) {
        hit = childHit;
        return child;
      }
    }
    if (!hitTest) {
      hit = HTCLIENT;
      return found;
    }
    hit = SendMessageW(found, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    if (hit != HTTRANSPARENT) return found;
  }
  return nullptr;
}

HWND ChildUnder(HWND parent, POINT screen, bool hitTest, LRESULT& hit, HWND) {
  WindowObject* p = PeekWindowObject(parent);
  if (p == nullptr) return nullptr;
  const std::vector<HWND> children = p->children;
  return SearchSiblings(children, screen, hitTest, hit);
}

WPARAM MouseKeyFlags(const BYTE* keys) {
  WPARAM flags = 0;
  if (keys[VK_LBUTTON] & 0x80) flags |= MK_LBUTTON;
  if (keys[VK_RBUTTON] & 0x80) flags |= MK_RBUTTON;
  if (keys[VK_MBUTTON] & 0x80) flags |= MK_MBUTTON;
  if (keys[VK_SHIFT] & 0x80) flags |= MK_SHIFT;
  if (keys[VK_CONTROL] & 0x80) flags |= MK_CONTROL;
  return flags;
}

int ButtonKey(std::uint8_t button) {
  switch (button) {
    case display::InputEvent::Right: return VK_RBUTTON;
    case display::InputEvent::Middle: return VK_MBUTTON;
    default: return VK_LBUTTON;
  }
}

UINT ButtonDownMessage(std::uint8_t button) {
  switch (button) {
    case display::InputEvent::Right: return WM_RBUTTONDOWN;
    case display::InputEvent::Middle: return WM_MBUTTONDOWN;
    default: return WM_LBUTTONDOWN;
  }
}

void SetKey(BYTE* keys, int vk, bool down) {
  if (down) {
    if (!(keys[vk] & 0x80)) keys[vk] ^= 0x01;  // toggles on each press
    keys[vk] |= 0x80;
  } else {
    keys[vk] &= static_cast<BYTE>(~0x80);
  }
}

void ApplyKeyEvent(BYTE* keys, const display::InputEvent& event) {
  using Kind = display::InputEvent::Kind;
  switch (event.kind) {
    case Kind::ButtonDown:
    case Kind::ButtonUp:
      SetKey(keys, ButtonKey(event.button), event.kind == Kind::ButtonDown);
      break;
    case Kind::KeyDown:
    case Kind::KeyUp: {
      const bool down = event.kind == Kind::KeyDown;
      const int vk = static_cast<int>(event.virtualKey & 0xFF);
      SetKey(keys, vk, down);
      // The generic and the sided keys move together.
      if (vk == VK_LSHIFT || vk == VK_RSHIFT) SetKey(keys, VK_SHIFT, down);
      if (vk == VK_LCONTROL || vk == VK_RCONTROL) SetKey(keys, VK_CONTROL, down);
      if (vk == VK_LMENU || vk == VK_RMENU) SetKey(keys, VK_MENU, down);
      if (vk == VK_SHIFT) SetKey(keys, VK_LSHIFT, down);
      if (vk == VK_CONTROL) SetKey(keys, VK_LCONTROL, down);
      if (vk == VK_MENU) SetKey(keys, VK_LMENU, down);
      break;
    }
    default:
      break;
  }
}

// Posts WM_MOUSELEAVE/WM_NCMOUSELEAVE when the cursor left the tracked
// window (or moved between its client and non-client parts).
void CheckMouseLeave(HWND hwnd, LRESULT hit) {
  Tracking& track = State().tracking;
  if (track.hwnd == nullptr || !(track.flags & TME_LEAVE)) return;
  const bool nonClient = (track.flags & TME_NONCLIENT) != 0;
  const bool inside = hwnd == track.hwnd && ((hit == HTCLIENT) != nonClient);
  if (inside) return;
  PostMessageW(track.hwnd, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
  track = Tracking{};
}

// Builds the message for a raw mouse event; false when the event makes none.
bool MouseMessage(const display::InputEvent& event, MSG& msg, LRESULT& hit) {
  using Kind = display::InputEvent::Kind;
  InputState& state = State();
  HWND target = nullptr;
  hit = HTCLIENT;
  if (event.kind == Kind::Wheel) {
    target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (target == nullptr) return false;
    BYTE keys[256];
    std::copy(std::begin(state.syncKeys), std::end(state.syncKeys), keys);
    msg = MSG{target, WM_MOUSEWHEEL,
              MAKEWPARAM(static_cast<WORD>(MouseKeyFlags(keys)), static_cast<WORD>(static_cast<SHORT>(event.wheelDelta))),
              MAKELPARAM(static_cast<WORD>(event.point.x), static_cast<WORD>(event.point.y)), event.time, event.point};
    return true;
  }
  if (state.capture != nullptr && PeekWindowObject(state.capture)) {
    target = state.capture;
  } else {
    target = SearchSiblings(DesktopObject().children, event.point, true, hit);
  }
  if (target == nullptr) return false;

  UINT message = WM_MOUSEMOVE;
  if (event.kind == Kind::ButtonDown) message = ButtonDownMessage(event.button);
  if (event.kind == Kind::ButtonUp) message = ButtonDownMessage(event.button) + 1;

  BYTE keys[256];
  std::copy(std::begin(state.syncKeys), std::end(state.syncKeys), keys);
  ApplyKeyEvent(keys, event);

  msg = MSG{target, message, 0, 0, event.time, event.point};
  if (event.kind == Kind::ButtonDown) {
    WindowObject* w = PeekWindowObject(target);
    const bool wantsDouble = hit != HTCLIENT || (w && (w->cls->style & CS_DBLCLKS));
    const ClickRecord& last = state.lastClick;
    if (wantsDouble && last.message == message && last.hwnd == target &&
        event.time - last.time < GetDoubleClickTime() &&
        std::abs(event.point.x - last.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
        std::abs(event.point.y - last.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2) {
      msg.message = message + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN);
    }
  }
  if (hit == HTCLIENT) {
    WindowObject* w = PeekWindowObject(target);
    const POINT origin = ClientOrigin(*w);
    msg.wParam = MouseKeyFlags(keys);
    msg.lParam = MAKELPARAM(static_cast<WORD>(event.point.x - origin.x), static_cast<WORD>(event.point.y - origin.y));
  } else {
    msg.message += WM_NCMOUSEMOVE - WM_MOUSEMOVE;
    msg.wParam = static_cast<WPARAM>(hit);
    msg.lParam = MAKELPARAM(static_cast<WORD>(event.point.x), static_cast<WORD>(event.point.y));
  }
  return true;
}

bool IsButtonDown(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

// The client form of a mouse message, as WM_SETCURSOR and WM_MOUSEACTIVATE
// carry it.
UINT RawMouseMessage(UINT message) {
  if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) return message - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
  return message;
}

// Mouse activation and WM_SETCURSOR for a removed mouse message; false when
// the message is eaten.
bool ProcessMouseMessage(const MSG& msg, LRESULT hit) {
  const UINT raw = RawMouseMessage(msg.message);
  if (hit == HTERROR || hit == HTNOWHERE) {
    SendMessageW(msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(msg.hwnd),
                 MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(raw)));
    return false;
  }
  bool eat = false;
  if (IsButtonDown(msg.message) && msg.hwnd != GetActiveWindow()) {
    const HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    WindowObject* t = PeekWindowObject(top);
    if (t != nullptr && !t->IsChild()) {
      const LRESULT answer = SendMessageW(msg.hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                          MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(raw)));
      switch (answer) {
        case MA_NOACTIVATEANDEAT:
          eat = true;
          break;
        case MA_NOACTIVATE:
          break;
        case MA_ACTIVATEANDEAT:
          eat = true;
          [[fallthrough]];
        default:
          if (PeekWindowObject(top) && !SetActiveWindowInternal(top, true, true)) eat = true;
          break;
      }
    }
  }
  if (!PeekWindowObject(msg.hwnd)) return false;
  SendMessageW(msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(msg.hwnd),
               MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(raw)));
  return !eat && PeekWindowObject(msg.hwnd) != nullptr;
}

bool KeyMessage(const display::InputEvent& event, MSG& msg) {
  using Kind = display::InputEvent::Kind;
  InputState& state = State();
  HWND target = GetFocus();
  bool system = false;
  if (target == nullptr) {
    target = GetActiveWindow();
    system = true;  // keys without a focus window are system keys
  }
  if (target == nullptr) return false;
  if (event.kind == Kind::Char) {
    msg = MSG{target, WM_CHAR, event.character, 1, event.time, event.point};
    return true;
  }
  const bool down = event.kind == Kind::KeyDown;
  const UINT vk = event.virtualKey & 0xFF;
  const bool alt = (state.syncKeys[VK_MENU] & 0x80) || vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU;
  const bool ctrl = (state.syncKeys[VK_CONTROL] & 0x80) != 0;
  const bool altNow = down ? alt : ((state.syncKeys[VK_MENU] & 0x80) != 0);
  if ((altNow && !ctrl) || vk == VK_F10) system = true;
  if (!down && (vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU)) system = true;
  LPARAM lParam = 1 | (static_cast<LPARAM>(event.scanCode & 0xFF) << 16);
  if (altNow && !ctrl) lParam |= KF_ALTDOWN_BIT;
  if (state.syncKeys[vk] & 0x80) lParam |= KF_REPEAT_BIT;  // was down before
  if (!down) lParam |= static_cast<LPARAM>(1u << 31) | KF_REPEAT_BIT;
  msg = MSG{target, (down ? WM_KEYDOWN : WM_KEYUP) + (system ? (WM_SYSKEYDOWN - WM_KEYDOWN) : 0),
            vk, lParam, event.time, event.point};
  return true;
}

}  // namespace

bool NextInputMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove) {
  using Kind = display::InputEvent::Kind;
  QueueState& queue = Queue();
  InputState& state = State();
  while (!queue.input.empty()) {
    const display::InputEvent event = queue.input.front();
    // Moves that another move follows are dropped, as Windows coalesces them.
    if (event.kind == Kind::MouseMove && queue.input.size() > 1 && queue.input[1].kind == Kind::MouseMove) {
      queue.input.pop_front();
      continue;
    }
    const bool isMouse = event.kind == Kind::MouseMove || event.kind == Kind::ButtonDown ||
                         event.kind == Kind::ButtonUp || event.kind == Kind::Wheel;
    LRESULT hit = HTCLIENT;
    const bool made = isMouse ? MouseMessage(event, msg, hit) : KeyMessage(event, msg);
    if (!made) {
      // Nobody to receive it: the key state still changes, and a tracked
      // window learns that the cursor left it for the bare desktop.
      queue.input.pop_front();
      ApplyKeyEvent(state.syncKeys, event);
      if (isMouse) CheckMouseLeave(nullptr, HTNOWHERE);
      continue;
    }
    if (!MatchesFilter(msg.hwnd, msg.message, filter, first, last)) return false;
    if (!remove) return true;

    queue.input.pop_front();
    ApplyKeyEvent(state.syncKeys, event);
    if (!isMouse || event.kind == Kind::Wheel) return true;

    if (event.kind == Kind::ButtonDown) {
      const UINT clientDown = ButtonDownMessage(event.button);
      if (RawMouseMessage(msg.message) == clientDown) {
        state.lastClick = ClickRecord{clientDown, msg.hwnd, event.time, event.point};
      } else {
        state.lastClick = ClickRecord{};  // a double click starts a new pair
      }
    }
    CheckMouseLeave(msg.hwnd, hit);
    if (state.tracking.hwnd == msg.hwnd && (state.tracking.flags & TME_HOVER) && event.kind == Kind::MouseMove) {
      const POINT& p = state.tracking.hoverPoint;
      if (std::abs(event.point.x - p.x) > 2 || std::abs(event.point.y - p.y) > 2) {
        state.tracking.hoverPoint = event.point;
        state.tracking.hoverStart = event.time;
      }
    }
    if (ProcessMouseMessage(msg, hit)) return true;
  }
  return false;
}

void CheckMouseHover(DWORD now) {
  Tracking& track = State().tracking;
  if (track.hwnd == nullptr || !(track.flags & TME_HOVER)) return;
  if (now - track.hoverStart < track.hoverTime) return;
  WindowObject* w = PeekWindowObject(track.hwnd);
  if (w == nullptr) {
    track = Tracking{};
    return;
  }
  const POINT cursor = display::Current().CursorPosition();
  const bool nonClient = (track.flags & TME_NONCLIENT) != 0;
  if (nonClient) {
    PostMessageW(track.hwnd, WM_NCMOUSEHOVER, HTCLIENT, MAKELPARAM(static_cast<WORD>(cursor.x), static_cast<WORD>(cursor.y)));
  } else {
    const POINT origin = ClientOrigin(*w);
    PostMessageW(track.hwnd, WM_MOUSEHOVER, MouseKeyFlags(State().syncKeys),
                 MAKELPARAM(static_cast<WORD>(cursor.x - origin.x), static_cast<WORD>(cursor.y - origin.y)));
  }
  track.flags &= ~TME_HOVER;
  if (!(track.flags & TME_LEAVE)) track = Tracking{};
}

void UpdateAsyncKeyState(const display::InputEvent& event) { ApplyKeyEvent(State().asyncKeys, event); }

void ForgetWindowInInput(HWND hwnd) {
  InputState& state = State();
  if (state.capture == hwnd) state.capture = nullptr;
  if (state.tracking.hwnd == hwnd) state.tracking = Tracking{};
  if (state.lastClick.hwnd == hwnd) state.lastClick = ClickRecord{};
  DropQueuedMessages(hwnd);
}

HWND WindowFromPointInternal(POINT screen, bool hitTest, LRESULT& hit) {
  hit = HTNOWHERE;
  return SearchSiblings(DesktopObject().children, screen, hitTest, hit);
}

}  // namespace platform

using platform::PeekWindowObject;

HWND SetCapture(HWND hwnd) {
  platform::InputState& state = platform::State();
  const HWND previous = state.capture;
  if (hwnd != nullptr && !platform::FindWindowObject(hwnd)) return nullptr;
  if (previous == hwnd) return previous;
  state.capture = hwnd;
  if (previous != nullptr && PeekWindowObject(previous)) {
    SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  }
  return previous;
}

BOOL ReleaseCapture() {
  platform::InputState& state = platform::State();
  const HWND previous = state.capture;
  if (previous == nullptr) return TRUE;
  state.capture = nullptr;
  if (PeekWindowObject(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  const HWND capture = platform::State().capture;
  return PeekWindowObject(capture) ? capture : nullptr;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
  if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  platform::Tracking& current = platform::State().tracking;
  if (track->dwFlags & TME_QUERY) {
    track->dwFlags = current.flags;
    track->hwndTrack = current.hwnd;
    track->dwHoverTime = current.hoverTime;
    return TRUE;
  }
  if (!platform::FindWindowObject(track->hwndTrack)) return FALSE;
  if (track->dwFlags & TME_CANCEL) {
    if (current.hwnd == track->hwndTrack) {
      current.flags &= ~(track->dwFlags & (TME_LEAVE | TME_HOVER));
      if (!(current.flags & (TME_LEAVE | TME_HOVER))) current = platform::Tracking{};
    }
    return TRUE;
  }
  const POINT cursor = platform::display::Current().CursorPosition();
  LRESULT hit = HTNOWHERE;
  const HWND under = GetCapture() ? GetCapture() : platform::WindowFromPointInternal(cursor, true, hit);
  if (GetCapture()) hit = HTCLIENT;
  const bool nonClient = (track->dwFlags & TME_NONCLIENT) != 0;
  // Asking to track a window the cursor is not in posts the leave at once.
  if (under != track->hwndTrack || ((hit == HTCLIENT) == nonClient)) {
    if (track->dwFlags & TME_LEAVE) {
      PostMessageW(track->hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
    }
    return TRUE;
  }
  if (current.hwnd != track->hwndTrack) current = platform::Tracking{};
  current.hwnd = track->hwndTrack;
  current.flags = (current.flags & (TME_LEAVE | TME_HOVER)) | (track->dwFlags & (TME_LEAVE | TME_HOVER | TME_NONCLIENT));
  if (track->dwFlags & TME_HOVER) {
    UINT hoverTime = 400;
    current.hoverTime = track->dwHoverTime == HOVER_DEFAULT ? hoverTime : track->dwHoverTime;
    current.hoverStart = GetTickCount();
    current.hoverPoint = cursor;
  }
  return TRUE;
}

SHORT GetKeyState(int virtualKey) {
  const BYTE state = platform::State().syncKeys[virtualKey & 0xFF];
  return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

SHORT GetAsyncKeyState(int virtualKey) {
  const BYTE state = platform::State().asyncKeys[virtualKey & 0xFF];
  return static_cast<SHORT>((state & 0x80) ? 0x8000 : 0);
}

BOOL GetCursorPos(LPPOINT point) {
  if (point == nullptr) return FALSE;
  *point = platform::display::Current().CursorPosition();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  platform::display::Current().SetCursorPosition(POINT{x, y});
  return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
  platform::InputState& state = platform::State();
  const HCURSOR previous = state.cursor;
  state.cursor = cursor;
  if (cursor != previous) platform::display::Current().SetCursorShape(platform::CursorShapeOf(cursor));
  return previous;
}

HCURSOR GetCursor() { return platform::State().cursor; }

BOOL MessageBeep(UINT) {
  platform::display::Current().Beep();
  return TRUE;
}

namespace {

// The character a key makes on the US layout, 0 for none.
char16_t CharacterOf(UINT vk, bool shift, bool caps, bool ctrl) {
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return static_cast<char16_t>(vk - 'A' + 1);
    const bool upper = shift != caps;
    return static_cast<char16_t>(upper ? vk : vk - 'A' + 'a');
  }
  if (ctrl) return 0;
  if (vk >= '0' && vk <= '9') {
    static const char16_t shifted[] = u")!@#$%^&*(";
    return shift ? shifted[vk - '0'] : static_cast<char16_t>(vk);
  }
  switch (vk) {
    case VK_SPACE: return u' ';
    case VK_RETURN: return u'\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return 0x08;
    case VK_TAB: return u'\t';
    case 0xBA: return shift ? u':' : u';';
    case 0xBB: return shift ? u'+' : u'=';
    case 0xBC: return shift ? u'<' : u',';
    case 0xBD: return shift ? u'_' : u'-';
    case 0xBE: return shift ? u'>' : u'.';
    case 0xBF: return shift ? u'?' : u'/';
    case 0xC0: return shift ? u'~' : u'`';
    case 0xDB: return shift ? u'{' : u'[';
    case 0xDC: return shift ? u'|' : u'\\';
    case 0xDD: return shift ? u'}' : u']';
    case 0xDE: return shift ? u'"' : u'\'';
    default: return 0;
  }
}

}  // namespace

BOOL TranslateMessage(const MSG* msg) {
  if (msg == nullptr) return FALSE;
  if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) {
    return msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
  }
  const platform::InputState& state = platform::State();
  const bool shift = (state.syncKeys[VK_SHIFT] & 0x80) != 0;
  const bool caps = (state.syncKeys[VK_CAPITAL] & 0x01) != 0;
  const bool ctrl = (state.syncKeys[VK_CONTROL] & 0x80) != 0 && !(state.syncKeys[VK_MENU] & 0x80);
  const char16_t ch = CharacterOf(static_cast<UINT>(msg->wParam), shift, caps, ctrl);
  if (ch != 0) {
    const UINT charMessage = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    // The character is read before anything posted after the key.
    platform::Queue().posted.push_front(MSG{msg->hwnd, charMessage, ch, msg->lParam, msg->time, msg->pt});
  }
  return TRUE;
}

HWND WindowFromPoint(POINT point) {
  LRESULT hit = HTNOWHERE;
  return platform::WindowFromPointInternal(point, true, hit);
}
