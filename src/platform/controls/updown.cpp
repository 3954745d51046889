// The "msctls_updown32" class: two arrows that move a position through a
// range, with a buddy window beside them that can show the position as
// text (UDS_SETBUDDYINT) and pass its arrow keys on (UDS_ARROWKEYS). A
// press moves once, then repeats while held, faster as the acceleration
// table says; every move asks the parent first (UDN_DELTAPOS) and tells it
// after (WM_VSCROLL or WM_HSCROLL).
#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatDelay = 500;
constexpr UINT kRepeatDelay = 50;
// The buddy's distance from the arrows when they are aligned beside it:
// the arrows cover its border.
constexpr int kBuddyBorder = 2;

// Properties on the buddy window while the up-down passes its arrow keys on.
constexpr const char16_t* kBuddyPreviousProc = u"UpDownBuddyPreviousProc";
constexpr const char16_t* kBuddyOwner = u"UpDownBuddyOwner";

struct UpDownData {
  int lower = 100;  // the defaults run from 100 down to 0, as on Windows
  int upper = 0;
  int position = 0;
  HWND buddy = nullptr;
  std::vector<UDACCEL> accel{{0, 1}, {2, 5}, {5, 20}};
  UpDownPart pressed = UpDownPart::None;
  bool overPressed = false;  // the pointer is over the held arrow
  bool keyPressed = false;   // held by an arrow key, not the mouse
  bool firstRepeat = false;
  DWORD pressedAt = 0;
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }

bool InBounds(const UpDownData& data, long long value) {
  return value >= std::min(data.lower, data.upper) && value <= std::max(data.lower, data.upper);
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

bool IsEdit(HWND hwnd) {
  WCHAR name[16]{};
  GetClassNameW(hwnd, name, 16);
  std::u16string text(name);
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; });
  return text == u"edit";
}

std::u16string FormatInteger(int value, bool thousands) {
  const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
  std::u16string text = value < 0 ? u"-" : u"";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (thousands && i > 0 && (digits.size() - i) % 3 == 0) text += u',';
    text += static_cast<char16_t>(digits[i]);
  }
  return text;
}

// The buddy's text as an integer (thousands separators allowed); nothing
// when it is not one.
bool ParseInteger(const std::u16string& text, long long& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  bool any = false;
  value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] == u',') continue;
    if (text[i] < u'0' || text[i] > u'9') break;
    value = value * 10 + (text[i] - u'0');
    if (value > 0x7FFFFFFFLL) return false;
    any = true;
  }
  while (i < text.size() && text[i] == u' ') ++i;
  if (negative) value = -value;
  return any && i == text.size();
}

bool HasBuddyInt(HWND hwnd, const UpDownData& data) {
  return data.buddy != nullptr && IsWindow(data.buddy) && (Style(hwnd) & UDS_SETBUDDYINT);
}

void ShowInBuddy(HWND hwnd, const UpDownData& data) {
  if (!HasBuddyInt(hwnd, data)) return;
  const std::u16string text = FormatInteger(data.position, !(Style(hwnd) & UDS_NOTHOUSANDS));
  SetWindowTextW(data.buddy, text.c_str());
}

// Takes the position from the buddy's text; false when it is no integer in
// the range.
bool ReadBuddy(HWND hwnd, UpDownData& data) {
  if (!HasBuddyInt(hwnd, data)) return false;
  long long value = 0;
  if (!ParseInteger(WindowText(data.buddy), value) || !InBounds(data, value)) return false;
  data.position = static_cast<int>(value);
  return true;
}

int ClampToRange(const UpDownData& data, int value) {
  return std::clamp(value, std::min(data.lower, data.upper), std::max(data.lower, data.upper));
}

// Moves by `delta`; past an end it stops there, or with UDS_WRAP goes on
// from the other end. Answers whether the position changed.
bool Offset(HWND hwnd, UpDownData& data, int delta) {
  const long long target = static_cast<long long>(data.position) + delta;
  if (InBounds(data, target)) {
    data.position = static_cast<int>(target);
    return delta != 0;
  }
  const int low = std::min(data.lower, data.upper);
  const int high = std::max(data.lower, data.upper);
  const int previous = data.position;
  if (Style(hwnd) & UDS_WRAP) {
    const long long span = static_cast<long long>(high) - low + 1;
    data.position = static_cast<int>(low + (((target - low) % span) + span) % span);
  } else {
    data.position = target > high ? high : low;
  }
  return data.position != previous;
}

LRESULT NotifyScroll(HWND hwnd, const UpDownData& data, WORD code) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return 0;
  return SendMessageW(parent, (Style(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL,
                      MAKEWPARAM(code, static_cast<WORD>(data.position)), reinterpret_cast<LPARAM>(hwnd));
}

// One step of `amount` towards the arrow `part`: the parent may change the
// step or refuse it (a non-zero answer to UDN_DELTAPOS); it hears of the
// position in any case.
void Step(HWND hwnd, UpDownPart part, int amount) {
  UpDownData* data = ControlData<UpDownData>(hwnd);
  if (data == nullptr) return;
  ReadBuddy(hwnd, *data);
  // Towards the upper limit, which may be the smaller number.
  const int sign = (part == UpDownPart::Increment ? 1 : -1) * (data->upper < data->lower ? -1 : 1);
  NMUPDOWN change{};
  change.iPos = data->position;
  change.iDelta = amount * sign;
  const LRESULT refused = SendNotify(hwnd, UDN_DELTAPOS, change.hdr);
  if ((data = ControlData<UpDownData>(hwnd)) == nullptr) return;
  if (refused == 0 && Offset(hwnd, *data, change.iDelta)) ShowInBuddy(hwnd, *data);
  NotifyScroll(hwnd, *data, SB_THUMBPOSITION);
}

// The increment a held arrow adds now, from the acceleration table and
// how long it has been held.
int CurrentIncrement(const UpDownData& data) {
  const DWORD held = GetTickCount() - data.pressedAt;
  int increment = data.accel.empty() ? 1 : static_cast<int>(data.accel.front().nInc);
  for (const UDACCEL& a : data.accel) {
    if (static_cast<DWORD>(a.nSec) * 1000 <= held) increment = static_cast<int>(a.nInc);
  }
  return increment;
}

// Aligned beside an edit buddy, the arrows carry on its border.
UpDownBuddyBorder BuddyBorder(HWND hwnd, const UpDownData& data) {
  const DWORD style = Style(hwnd);
  if (!(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)) || data.buddy == nullptr || !IsEdit(data.buddy)) {
    return UpDownBuddyBorder::None;
  }
  return (style & UDS_ALIGNLEFT) ? UpDownBuddyBorder::Left : UpDownBuddyBorder::Right;
}

RECT ArrowArea(HWND hwnd, const UpDownData& data) {
  RECT area{};
  GetClientRect(hwnd, &area);
  const UpDownBuddyBorder border = BuddyBorder(hwnd, data);
  if (border == UpDownBuddyBorder::None) return area;
  if (border == UpDownBuddyBorder::Left) area.left += kBuddyBorder;
  if (border == UpDownBuddyBorder::Right) area.right -= kBuddyBorder;
  InflateRect(&area, 0, -kBuddyBorder);
  return area;
}

UpDownPart PartAt(HWND hwnd, const UpDownData& data, POINT p) {
  const RECT area = ArrowArea(hwnd, data);
  if (!PtInRect(&area, p)) return UpDownPart::None;
  if (Style(hwnd) & UDS_HORZ) {
    return p.x >= (area.left + area.right) / 2 ? UpDownPart::Increment : UpDownPart::Decrement;
  }
  return p.y < (area.top + area.bottom) / 2 ? UpDownPart::Increment : UpDownPart::Decrement;
}

void EndPress(HWND hwnd, UpDownData& data) {
  if (data.pressed == UpDownPart::None) return;
  data.pressed = UpDownPart::None;
  data.keyPressed = false;
  KillSystemTimer(hwnd, kRepeatTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  Redraw(hwnd);
}

// The buddy's own procedure while the up-down takes its arrow keys. It is
// installed in the buddy's own character set (`Wide`), so that the buddy
// stays the ANSI or wide window it was.
template <bool Wide>
LRESULT BuddyProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropW(buddy, kBuddyPreviousProc));
  auto owner = reinterpret_cast<HWND>(GetPropW(buddy, kBuddyOwner));
  if ((message == WM_KEYDOWN || message == WM_KEYUP) && (wParam == VK_UP || wParam == VK_DOWN) && IsWindow(owner)) {
    SendMessageW(owner, message, wParam, lParam);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    RemovePropW(buddy, kBuddyPreviousProc);
    RemovePropW(buddy, kBuddyOwner);
    if (previous != nullptr) {
      Wide ? SetWindowLongPtrW(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous))
           : SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
  }
  if (previous == nullptr) {
    return Wide ? DefWindowProcW(buddy, message, wParam, lParam) : DefWindowProcA(buddy, message, wParam, lParam);
  }
  return Wide ? CallWindowProcW(previous, buddy, message, wParam, lParam)
              : CallWindowProcA(previous, buddy, message, wParam, lParam);
}

WNDPROC BuddyProcFor(bool wide) { return WndProcFromFunction(wide ? BuddyProc<true> : BuddyProc<false>); }

LONG_PTR BuddyProcedure(HWND buddy, bool wide) {
  return wide ? GetWindowLongPtrW(buddy, GWLP_WNDPROC) : GetWindowLongPtrA(buddy, GWLP_WNDPROC);
}

LONG_PTR SetBuddyProcedure(HWND buddy, bool wide, LONG_PTR proc) {
  return wide ? SetWindowLongPtrW(buddy, GWLP_WNDPROC, proc) : SetWindowLongPtrA(buddy, GWLP_WNDPROC, proc);
}

void TakeBuddyKeys(HWND hwnd, HWND buddy) {
  if (GetPropW(buddy, kBuddyPreviousProc) == nullptr) {
    const bool wide = IsWindowUnicode(buddy) != FALSE;
    const LONG_PTR previous = SetBuddyProcedure(buddy, wide, reinterpret_cast<LONG_PTR>(BuddyProcFor(wide)));
    SetPropW(buddy, kBuddyPreviousProc, reinterpret_cast<HANDLE>(previous));
  }
  SetPropW(buddy, kBuddyOwner, reinterpret_cast<HANDLE>(hwnd));
}

// Gives the buddy its procedure back; if another procedure was put over
// ours since, ours stays in the chain and only passes messages on.
void ReleaseBuddyKeys(HWND hwnd, HWND buddy) {
  if (!IsWindow(buddy) || reinterpret_cast<HWND>(GetPropW(buddy, kBuddyOwner)) != hwnd) return;
  RemovePropW(buddy, kBuddyOwner);
  const bool wide = IsWindowUnicode(buddy) != FALSE;
  if (BuddyProcedure(buddy, wide) == reinterpret_cast<LONG_PTR>(BuddyProcFor(wide))) {
    SetBuddyProcedure(buddy, wide, reinterpret_cast<LONG_PTR>(RemovePropW(buddy, kBuddyPreviousProc)));
  }
}

// Puts the arrows beside the buddy (UDS_ALIGNLEFT / UDS_ALIGNRIGHT), over
// its border, and narrows the buddy so that both together take the place
// the buddy had.
void AlignWithBuddy(HWND hwnd, HWND buddy) {
  const DWORD style = Style(hwnd);
  if (!(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT))) return;
  RECT own{};
  GetWindowRect(hwnd, &own);
  RECT r{};
  GetWindowRect(buddy, &r);
  MapWindowPoints(nullptr, GetParent(buddy), reinterpret_cast<POINT*>(&r), 2);
  const int width = own.right - own.left;
  int x = 0;
  if (style & UDS_ALIGNLEFT) {
    x = r.left;
    r.left += width - kBuddyBorder;
  } else {
    r.right -= width - kBuddyBorder;
    x = r.right - kBuddyBorder;
  }
  SetWindowPos(buddy, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE | SWP_NOZORDER);
  POINT at{x, r.top};
  MapWindowPoints(GetParent(buddy), GetParent(hwnd), &at, 1);
  SetWindowPos(hwnd, nullptr, at.x, at.y, width, r.bottom - r.top, SWP_NOACTIVATE | SWP_NOZORDER);
}

LRESULT SetBuddy(HWND hwnd, UpDownData& data, HWND buddy) {
  HWND previous = data.buddy;
  if (previous != nullptr) ReleaseBuddyKeys(hwnd, previous);
  data.buddy = IsWindow(buddy) ? buddy : nullptr;
  if (data.buddy != nullptr) {
    if (Style(hwnd) & UDS_ARROWKEYS) TakeBuddyKeys(hwnd, data.buddy);
    AlignWithBuddy(hwnd, data.buddy);
  }
  Redraw(hwnd);
  return reinterpret_cast<LRESULT>(previous);
}

LRESULT SetPosition(HWND hwnd, UpDownData& data, int position) {
  const int previous = data.position;
  data.position = ClampToRange(data, position);
  ShowInBuddy(hwnd, data);
  return previous;
}

// UDM_GETPOS and UDM_GETPOS32: the position and whether it is in error
// (the buddy's text is no integer in the range).
int Position(HWND hwnd, UpDownData& data, bool& error) {
  error = HasBuddyInt(hwnd, data) && !ReadBuddy(hwnd, data);
  if (!InBounds(data, data.position)) {
    error = true;
    return ClampToRange(data, data.position);
  }
  return data.position;
}

void Paint(HWND hwnd, HDC dc, const UpDownData& data) {
  RECT client{};
  GetClientRect(hwnd, &client);
  UpDownLook look;
  look.horizontal = (Style(hwnd) & UDS_HORZ) != 0;
  look.pressed = data.overPressed || data.keyPressed ? data.pressed : UpDownPart::None;
  look.enabled = IsWindowEnabled(hwnd) != FALSE;
  look.buddyBorder = BuddyBorder(hwnd, data);
  look.arrows = ArrowArea(hwnd, data);
  CurrentPainter().UpDownArrows(dc, client, look);
}

void Press(HWND hwnd, UpDownData& data, UpDownPart part, bool byKey) {
  data.pressed = part;
  data.overPressed = !byKey;
  data.keyPressed = byKey;
  Redraw(hwnd);
  Step(hwnd, part, data.accel.empty() ? 1 : static_cast<int>(data.accel.front().nInc));
}

LRESULT UpDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new UpDownData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  UpDownData* data = ControlData<UpDownData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      // The window made just before becomes the buddy.
      if (Style(hwnd) & UDS_AUTOBUDDY) SetBuddy(hwnd, *data, GetWindow(hwnd, GW_HWNDPREV));
      return 0;
    case WM_DESTROY:
      EndPress(hwnd, *data);
      if (data->buddy != nullptr) ReleaseBuddyKeys(hwnd, data->buddy);
      data->buddy = nullptr;
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<UpDownData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *data); });
    case WM_ERASEBKGND:
      return 1;  // the arrows cover the whole client area
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_ENABLE:
      if (!wParam) EndPress(hwnd, *data);
      Redraw(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const UpDownPart part = PartAt(hwnd, *data, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (part == UpDownPart::None || !IsWindowEnabled(hwnd) || data->pressed != UpDownPart::None) return 0;
      if (data->buddy != nullptr && IsWindow(data->buddy)) SetFocus(data->buddy);
      if ((data = ControlData<UpDownData>(hwnd)) == nullptr) return 0;
      SetCapture(hwnd);
      data->pressedAt = GetTickCount();
      data->firstRepeat = true;
      SetSystemTimer(hwnd, kRepeatTimer, kFirstRepeatDelay);
      Press(hwnd, *data, part, false);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd && data->pressed != UpDownPart::None && !data->keyPressed) {
        const bool over = PartAt(hwnd, *data, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) == data->pressed;
        if (over != data->overPressed) {
          data->overPressed = over;
          Redraw(hwnd);
        }
      }
      return 0;
    case WM_SYSTIMER:
      if (wParam != kRepeatTimer) return 0;
      if (data->pressed == UpDownPart::None || data->keyPressed) {
        KillSystemTimer(hwnd, kRepeatTimer);
        return 0;
      }
      if (data->firstRepeat) {
        data->firstRepeat = false;
        SetSystemTimer(hwnd, kRepeatTimer, kRepeatDelay);
      }
      // A held arrow repeats only while the pointer is over it.
      if (data->overPressed) Step(hwnd, data->pressed, CurrentIncrement(*data));
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() != hwnd || data->pressed == UpDownPart::None || data->keyPressed) return 0;
      NotifyScroll(hwnd, *data, SB_ENDSCROLL);
      if ((data = ControlData<UpDownData>(hwnd)) == nullptr) return 0;
      if (data->buddy != nullptr && IsEdit(data->buddy)) SendMessageW(data->buddy, EM_SETSEL, 0, -1);
      if ((data = ControlData<UpDownData>(hwnd)) != nullptr) EndPress(hwnd, *data);
      return 0;
    case WM_CAPTURECHANGED:
      if (!data->keyPressed) EndPress(hwnd, *data);
      return 0;
    case WM_KEYDOWN:
      if ((Style(hwnd) & UDS_ARROWKEYS) && (wParam == VK_UP || wParam == VK_DOWN) && IsWindowEnabled(hwnd) &&
          (data->pressed == UpDownPart::None || data->keyPressed)) {
        Press(hwnd, *data, wParam == VK_UP ? UpDownPart::Increment : UpDownPart::Decrement, true);
      }
      return 0;
    case WM_KEYUP:
      if (data->keyPressed && (wParam == VK_UP || wParam == VK_DOWN)) EndPress(hwnd, *data);
      return 0;
    case UDM_SETRANGE:
      data->upper = static_cast<short>(LOWORD(lParam));
      data->lower = static_cast<short>(HIWORD(lParam));
      return 0;
    case UDM_GETRANGE:
      return MAKELONG(static_cast<WORD>(data->upper), static_cast<WORD>(data->lower));
    case UDM_SETRANGE32:
      data->lower = static_cast<int>(wParam);
      data->upper = static_cast<int>(lParam);
      return 0;
    case UDM_GETRANGE32:
      if (wParam != 0) *reinterpret_cast<int*>(wParam) = data->lower;
      if (lParam != 0) *reinterpret_cast<int*>(lParam) = data->upper;
      return 0;
    case UDM_SETPOS:
      return SetPosition(hwnd, *data, static_cast<short>(LOWORD(lParam)));
    case UDM_SETPOS32:
      return SetPosition(hwnd, *data, static_cast<int>(lParam));
    case UDM_GETPOS: {
      bool error = false;
      const int position = Position(hwnd, *data, error);
      return MAKELONG(static_cast<WORD>(position), error ? 1 : 0);
    }
    case UDM_GETPOS32: {
      bool error = false;
      const int position = Position(hwnd, *data, error);
      if (lParam != 0) *reinterpret_cast<BOOL*>(lParam) = error ? TRUE : FALSE;
      return position;
    }
    case UDM_SETBUDDY:
      return SetBuddy(hwnd, *data, reinterpret_cast<HWND>(wParam));
    case UDM_GETBUDDY:
      return reinterpret_cast<LRESULT>(data->buddy);
    case UDM_SETACCEL: {
      if (wParam == 0 || lParam == 0) return FALSE;
      const auto* table = reinterpret_cast<const UDACCEL*>(lParam);
      data->accel.assign(table, table + wParam);
      return TRUE;
    }
    case UDM_GETACCEL: {
      if (wParam == 0 && lParam == 0) return static_cast<LRESULT>(data->accel.size());
      if (wParam == 0 || lParam == 0) return 0;
      const std::size_t count = std::min<std::size_t>(wParam, data->accel.size());
      std::copy_n(data->accel.begin(), count, reinterpret_cast<UDACCEL*>(lParam));
      return static_cast<LRESULT>(count);
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterUpDownClass() { RegisterControlClass(UPDOWN_CLASSW, UpDownProc, CS_HREDRAW | CS_VREDRAW, IDC_ARROW); }

}  // namespace platform
