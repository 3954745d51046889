// The "msctls_progress32" class: a bar that fills from its low limit to its
// position, in blocks or smoothly, left to right or (PBS_VERTICAL) bottom
// to top. Messages answer what they answer on Windows: the previous
// position, range, step or colour.
#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

struct ProgressData {
  int low = 0;
  int high = 100;
  int position = 0;
  int step = 10;
  COLORREF bar = CLR_DEFAULT;
  COLORREF background = CLR_DEFAULT;
};

int Clamp(int value, int low, int high) {
  if (value > high) value = high;
  if (value < low) value = low;
  return value;
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

// Moves to `position` (held inside the range); answers the previous one.
LRESULT MoveTo(HWND hwnd, ProgressData& data, int position) {
  const int previous = data.position;
  data.position = Clamp(position, data.low, data.high);
  if (data.position != previous) Redraw(hwnd);
  return previous;
}

// Answers the previous limits as two 16-bit halves, as both range messages do.
LRESULT SetRange(HWND hwnd, ProgressData& data, int low, int high) {
  const LRESULT previous = MAKELONG(static_cast<WORD>(data.low), static_cast<WORD>(data.high));
  if (low == data.low && high == data.high) return previous;
  data.low = low;
  data.high = high;
  data.position = Clamp(data.position, low, high);
  Redraw(hwnd);
  return previous;
}

// Past the high limit the bar starts over from the low one.
LRESULT StepIt(HWND hwnd, ProgressData& data) {
  const int previous = data.position;
  const long long span = static_cast<long long>(data.high) - data.low;
  long long next = static_cast<long long>(data.position) + data.step;
  if (span <= 0) {
    next = data.low;
  } else if (next > data.high) {
    next = (next - data.low) % span + data.low;
  } else if (next < data.low) {
    next = (next - data.low) % span + data.high;
  }
  data.position = static_cast<int>(next);
  if (data.position != previous) Redraw(hwnd);
  return previous;
}

LRESULT ProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new ProgressData);
    // Like Windows, the bar frames itself with a static edge.
    SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | static_cast<LONG>(WS_EX_STATICEDGE));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ProgressData* data = ControlData<ProgressData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<ProgressData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) {
        RECT client{};
        GetClientRect(hwnd, &client);
        const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
        ProgressLook look;
        look.low = data->low;
        look.high = data->high;
        look.position = data->position;
        look.vertical = (style & PBS_VERTICAL) != 0;
        look.smooth = (style & PBS_SMOOTH) != 0;
        look.bar = data->bar;
        look.background = data->background;
        CurrentPainter().ProgressBar(dc, client, look);
      });
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole client area
    case PBM_SETRANGE:
      return SetRange(hwnd, *data, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32:
      return SetRange(hwnd, *data, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
      if (lParam != 0) {
        auto* range = reinterpret_cast<PBRANGE*>(lParam);
        range->iLow = data->low;
        range->iHigh = data->high;
      }
      return wParam ? data->low : data->high;
    case PBM_SETPOS:
      return MoveTo(hwnd, *data, static_cast<int>(wParam));
    case PBM_GETPOS:
      return data->position;
    case PBM_DELTAPOS:
      return MoveTo(hwnd, *data, data->position + static_cast<int>(wParam));
    case PBM_SETSTEP: {
      const int previous = data->step;
      data->step = static_cast<int>(wParam);
      return previous;
    }
    case PBM_STEPIT:
      return StepIt(hwnd, *data);
    case PBM_SETBARCOLOR:
    case PBM_SETBKCOLOR: {
      COLORREF& colour = message == PBM_SETBARCOLOR ? data->bar : data->background;
      const COLORREF previous = colour;
      colour = static_cast<COLORREF>(lParam);
      Redraw(hwnd);
      return static_cast<LRESULT>(previous);
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterProgressClass() {
  RegisterControlClass(PROGRESS_CLASSW, ProgressProc, CS_VREDRAW | CS_HREDRAW, IDC_ARROW);
}

}  // namespace platform
