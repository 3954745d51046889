// The "msctls_statusbar32" class: a strip of parts along the bottom of its
// parent, each with text (tabs align its pieces) or drawn by the parent
// (SBT_OWNERDRAW, WM_DRAWITEM), or one simple-mode part over all of them.
// WM_SIZE puts it back at the parent's bottom across its width. With
// SBARS_SIZEGRIP the bottom-right corner is a grip that sizes the top-level
// window the bar stands in.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/base/strings.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

constexpr int kMaxParts = 256;
constexpr int kVerticalBorder = 2;
constexpr int kPartGap = 2;

struct StatusPart {
  int right = -1;  // -1: to the right edge
  std::u16string text;
  WORD type = 0;
  LPARAM ownerData = 0;  // what SB_SETTEXT gave an owner-drawn part
};

struct StatusData {
  std::vector<StatusPart> parts{StatusPart{}};
  StatusPart simplePart;
  bool simple = false;
  int minHeight = 0;
  HFONT font = nullptr;
  bool placing = false;  // moving itself: the WM_SIZE that follows is its own
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
HFONT FontOf(const StatusData& data) { return data.font != nullptr ? data.font : DefaultControlFont(); }

int BarHeight(HWND hwnd, const StatusData& data) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(dc, FontOf(data));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  const int margin = metrics.tmInternalLeading != 0 ? metrics.tmInternalLeading : 2;
  const int text = metrics.tmHeight + margin + 2 * GetSystemMetrics(SM_CYBORDER);
  const int least = data.minHeight > 0 ? data.minHeight : GetSystemMetrics(SM_CYSIZE);
  return std::max(text, least) + kVerticalBorder;
}

// Across the parent's client area, at its bottom (or top with CCS_TOP).
void Place(HWND hwnd, StatusData& data) {
  const DWORD style = Style(hwnd);
  HWND parent = GetParent(hwnd);
  if ((style & CCS_NORESIZE) || parent == nullptr || data.placing) return;
  RECT area{};
  GetClientRect(parent, &area);
  RECT now{};
  GetWindowRect(hwnd, &now);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
  const int height = BarHeight(hwnd, data);
  int y = (style & CCS_BOTTOM) == CCS_TOP ? 0 : area.bottom - height;
  if (style & CCS_NOPARENTALIGN) y = now.top;
  data.placing = true;
  SetWindowPos(hwnd, nullptr, 0, y, area.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
  data.placing = false;
}

RECT PartRect(HWND hwnd, const StatusData& data, std::size_t index) {
  RECT client{};
  GetClientRect(hwnd, &client);
  RECT r{0, client.top + kVerticalBorder, client.right, client.bottom};
  if (data.simple) return r;
  for (std::size_t i = 0; i <= index; ++i) {
    if (i > 0) r.left = r.right + kPartGap;
    r.right = data.parts[i].right == -1 ? client.right : data.parts[i].right;
  }
  return r;
}

RECT GripRect(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const int size = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.bottom);
  return RECT{client.right - size, client.bottom - size, client.right, client.bottom};
}

// The grip sizes the window only while it can be sized.
bool GripActive(HWND hwnd) {
  if (!(Style(hwnd) & SBARS_SIZEGRIP)) return false;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  return root != nullptr && (GetWindowLongW(root, GWL_STYLE) & WS_THICKFRAME) && !IsZoomed(root);
}

void DrawOwnerPart(HWND hwnd, std::size_t index, const StatusPart& part, HDC dc, const RECT& rect) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  DRAWITEMSTRUCT draw{};
  draw.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  draw.itemID = static_cast<UINT>(index);
  draw.hwndItem = hwnd;
  draw.hDC = dc;
  draw.rcItem = rect;
  draw.itemData = static_cast<ULONG_PTR>(part.ownerData);
  SendMessageW(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

void Paint(HWND hwnd, StatusData& data, HDC dc) {
  ControlPainter& painter = CurrentPainter();
  RECT client{};
  GetClientRect(hwnd, &client);
  painter.StatusBarBackground(dc, client);
  const bool grip = (Style(hwnd) & SBARS_SIZEGRIP) != 0;
  const RECT gripRect = GripRect(hwnd);
  auto draw = [&](std::size_t index, const StatusPart& part, const RECT& rect) {
    StatusPartLook look;
    look.rect = rect;
    // A part that reaches the grip ends where the grip begins.
    if (grip && look.rect.right > gripRect.left) look.rect.right = std::max(look.rect.left, gripRect.left);
    look.text = part.text;
    look.type = part.type;
    look.ownerDrawn = (part.type & SBT_OWNERDRAW) != 0;
    look.font = FontOf(data);
    painter.StatusBarPart(dc, look);
    if (look.ownerDrawn) DrawOwnerPart(hwnd, index, part, dc, look.rect);
  };
  if (data.simple) {
    draw(SB_SIMPLEID, data.simplePart, PartRect(hwnd, data, 0));
  } else {
    for (std::size_t i = 0; i < data.parts.size(); ++i) draw(i, data.parts[i], PartRect(hwnd, data, i));
  }
  if (grip) painter.StatusBarGrip(dc, gripRect);
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

// The part SB_SETTEXT addresses: SB_SIMPLEID the simple part, any other
// index a part, whatever the mode. SB_GETTEXT reads the simple part while
// the bar is in simple mode.
StatusPart* Addressed(StatusData& data, WPARAM index) {
  if (index == SB_SIMPLEID) return &data.simplePart;
  if (index >= data.parts.size()) return nullptr;
  return &data.parts[index];
}

LRESULT SetText(HWND hwnd, StatusData& data, WPARAM wParam, LPARAM lParam, bool wide) {
  StatusPart* part = Addressed(data, wParam & 0xFF);
  if (part == nullptr) return FALSE;
  part->type = static_cast<WORD>(wParam & 0xFF00);
  part->text.clear();
  part->ownerData = 0;
  if (part->type & SBT_OWNERDRAW) {
    part->ownerData = lParam;
  } else if (lParam != 0) {
    part->text = wide ? std::u16string(reinterpret_cast<LPCWSTR>(lParam))
                      : AnsiToWideString(reinterpret_cast<LPCSTR>(lParam));
  }
  Redraw(hwnd);
  return TRUE;
}

LRESULT GetText(StatusData& data, WPARAM index, LPARAM buffer, bool wide, bool lengthOnly) {
  StatusPart* part = data.simple ? &data.simplePart : Addressed(data, index);
  if (part == nullptr) return 0;
  if (part->type & SBT_OWNERDRAW) return lengthOnly ? MAKELONG(0, part->type) : part->ownerData;
  std::size_t length = part->text.size();
  if (wide) {
    if (!lengthOnly && buffer != 0) {
      auto* target = reinterpret_cast<LPWSTR>(buffer);
      std::copy(part->text.begin(), part->text.end(), target);
      target[length] = u'\0';
    }
  } else {
    const AnsiString text = WideToAnsiString(part->text);
    length = text.size();
    if (!lengthOnly && buffer != 0) {
      std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), length + 1);
    }
  }
  return MAKELONG(static_cast<WORD>(length), part->type);
}

LRESULT SetParts(HWND hwnd, StatusData& data, WPARAM count, LPARAM edges) {
  if (count == 0 || count > kMaxParts || edges == 0) return FALSE;
  const int* rights = reinterpret_cast<const int*>(edges);
  data.parts.resize(count);
  for (std::size_t i = 0; i < count; ++i) data.parts[i].right = rights[i];
  Redraw(hwnd);
  return TRUE;
}

LRESULT StatusProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new StatusData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  StatusData* data = ControlData<StatusData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (create != nullptr && create->lpszName != nullptr) data->parts[0].text = create->lpszName;
      Place(hwnd, *data);
      return 0;
    }
    case WM_NCDESTROY:
      delete DetachControlData<StatusData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, *data, dc); });
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole client area
    case WM_SIZE:
      // The parent passes its own WM_SIZE on; the bar follows the parent.
      Place(hwnd, *data);
      return 0;
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_SETTEXT:
      SetText(hwnd, *data, 0, lParam, true);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_NCHITTEST: {
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(hwnd, &point);
      const RECT grip = GripRect(hwnd);
      if (GripActive(hwnd) && PtInRect(&grip, point)) return HTBOTTOMRIGHT;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_NCLBUTTONDOWN:
      // A press on the grip sizes the top-level window by its corner.
      if (wParam == static_cast<WPARAM>(HTBOTTOMRIGHT) && GripActive(hwnd)) {
        SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, lParam);
        return 0;
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case SB_SETTEXTA:
    case SB_SETTEXTW:
      return SetText(hwnd, *data, wParam, lParam, message == SB_SETTEXTW);
    case SB_GETTEXTA:
    case SB_GETTEXTW:
      return GetText(*data, wParam, lParam, message == SB_GETTEXTW, false);
    case SB_GETTEXTLENGTHA:
    case SB_GETTEXTLENGTHW:
      return GetText(*data, wParam, 0, message == SB_GETTEXTLENGTHW, true);
    case SB_SETPARTS:
      return SetParts(hwnd, *data, wParam, lParam);
    case SB_GETPARTS: {
      auto* edges = reinterpret_cast<int*>(lParam);
      for (std::size_t i = 0; edges != nullptr && i < std::min<std::size_t>(wParam, data->parts.size()); ++i)
        edges[i] = data->parts[i].right;
      return static_cast<LRESULT>(data->parts.size());
    }
    case SB_GETBORDERS: {
      auto* borders = reinterpret_cast<int*>(lParam);
      if (borders == nullptr) return FALSE;
      borders[0] = 0;
      borders[1] = kVerticalBorder;
      borders[2] = kPartGap;
      return TRUE;
    }
    case SB_SETMINHEIGHT:
      // Takes effect at the next WM_SIZE, as on Windows.
      data->minHeight = static_cast<int>(wParam);
      return 0;
    case SB_SIMPLE:
      if ((wParam != 0) != data->simple) {
        data->simple = wParam != 0;
        Redraw(hwnd);
        SendSimpleNotify(hwnd, SBN_SIMPLEMODECHANGE);
      }
      return 0;
    case SB_ISSIMPLE:
      return data->simple;
    case SB_GETRECT:
      if (!data->simple && wParam >= data->parts.size()) return FALSE;
      if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = PartRect(hwnd, *data, data->simple ? 0 : wParam);
      return TRUE;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterStatusBarClass() {
  RegisterControlClass(STATUSCLASSNAMEW, StatusProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
}

}  // namespace platform
