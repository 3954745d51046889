// The "ToolbarWindow32" class: a row of buttons with images from image
// lists and optional captions (under the image, or beside it with
// TBSTYLE_LIST), separators, check buttons and check groups, and drop-down
// buttons that ask the parent with TBN_DROPDOWN. A click tells the parent
// with WM_COMMAND; flat bars track the button under the mouse. Painting
// asks the parent through NM_CUSTOMDRAW, the bar first, then each button.
// Unless CCS_NORESIZE is set the bar spans its parent's width at the top
// (or bottom) whenever it is sized or asked to TB_AUTOSIZE.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/controls/bar_placement.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kArrowWidth = 11;  // the separate drop-down arrow part
constexpr int kWholeArrowWidth = 9;
constexpr int kDivider = 2;      // the etched line above the bar, in the non-client area
constexpr int kTopMargin = 2;    // above the buttons of a raised bar
constexpr int kBottomMargin = 2;
constexpr int kPaddingX = 8;     // around the image of a default 24 x 22 button
constexpr int kPaddingY = 7;
constexpr int kListGap = 4;      // between image and caption with TBSTYLE_LIST

struct Button {
  TBBUTTON info{};
  std::u16string caption;
  RECT rect{};
};

struct ToolBarData {
  std::vector<Button> buttons;
  UINT structSize = sizeof(TBBUTTON);
  HIMAGELIST images = nullptr;
  HIMAGELIST hotImages = nullptr;
  HIMAGELIST disabledImages = nullptr;
  SIZE bitmap{16, 15};
  SIZE buttonMinimum{0, 0};  // TB_SETBUTTONSIZE
  SIZE button{24, 22};       // computed
  DWORD extended = 0;
  HFONT font = nullptr;
  int hot = -1;      // index
  int pressed = -1;  // index of the button held with the mouse
  bool pressedArrow = false;
  bool tracking = false;
  bool placing = false;
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }

bool IsSeparator(const Button& b) { return (b.info.fsStyle & BTNS_SEP) != 0; }
bool IsHidden(const Button& b) { return (b.info.fsState & TBSTATE_HIDDEN) != 0; }
bool IsEnabled(const Button& b) { return (b.info.fsState & TBSTATE_ENABLED) != 0; }
bool HotTracks(HWND hwnd) { return (Style(hwnd) & (TBSTYLE_FLAT | TBSTYLE_LIST)) != 0; }

// The separate arrow part of a drop-down button (TBSTYLE_EX_DRAWDDARROWS).
bool HasArrowPart(const ToolBarData& data, const Button& b) {
  return (b.info.fsStyle & BTNS_DROPDOWN) && (data.extended & TBSTYLE_EX_DRAWDDARROWS) &&
         !(b.info.fsStyle & BTNS_WHOLEDROPDOWN);
}

int ArrowExtra(const ToolBarData& data, const Button& b) {
  if (HasArrowPart(data, b)) return kArrowWidth;
  if (b.info.fsStyle & BTNS_WHOLEDROPDOWN) return kWholeArrowWidth;
  return 0;
}

HFONT Font(const ToolBarData& data) { return data.font != nullptr ? data.font : DefaultControlFont(); }

SIZE TextSize(HWND hwnd, const ToolBarData& data, const std::u16string& text) {
  SIZE size{0, 0};
  if (text.empty()) return size;
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, Font(data));
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return size;
}

int TextHeight(HWND hwnd, const ToolBarData& data) { return TextSize(hwnd, data, u"Ag").cy; }

bool AnyCaption(const ToolBarData& data) {
  return std::any_of(data.buttons.begin(), data.buttons.end(),
                     [](const Button& b) { return !IsSeparator(b) && !b.caption.empty(); });
}

// The width a button's content needs (image and caption), without arrow.
int ContentWidth(HWND hwnd, const ToolBarData& data, const Button& b) {
  const int text = TextSize(hwnd, data, b.caption).cx;
  if (Style(hwnd) & TBSTYLE_LIST) return data.bitmap.cx + (text > 0 ? kListGap + text : 0) + kPaddingX;
  return std::max(data.bitmap.cx, text) + kPaddingX;
}

// Lays the buttons out in one row: all non-separators share the widest
// width unless they size themselves (BTNS_AUTOSIZE).
void Layout(HWND hwnd, ToolBarData& data) {
  const DWORD style = Style(hwnd);
  const bool captions = AnyCaption(data);
  const int textHeight = captions ? TextHeight(hwnd, data) : 0;
  int height = data.bitmap.cy + kPaddingY;
  if (captions) height = (style & TBSTYLE_LIST) ? std::max(data.bitmap.cy, textHeight) + kPaddingY
                                                : data.bitmap.cy + textHeight + kPaddingY;
  int width = data.bitmap.cx + kPaddingX;
  for (const Button& b : data.buttons) {
    if (!IsSeparator(b) && !(b.info.fsStyle & BTNS_AUTOSIZE)) width = std::max(width, ContentWidth(hwnd, data, b));
  }
  data.button = SIZE{std::max<LONG>(width, data.buttonMinimum.cx), std::max<LONG>(height, data.buttonMinimum.cy)};
  int x = 0;
  const int top = (style & TBSTYLE_FLAT) ? 0 : kTopMargin;
  for (Button& b : data.buttons) {
    if (IsHidden(b)) {
      b.rect = RECT{x, top, x, top};
      continue;
    }
    int w = data.button.cx;
    if (IsSeparator(b)) {
      w = b.info.iBitmap > 0 ? b.info.iBitmap : kSeparatorWidth;
    } else {
      if (b.info.fsStyle & BTNS_AUTOSIZE) w = std::max<LONG>(ContentWidth(hwnd, data, b), data.buttonMinimum.cx);
      w += ArrowExtra(data, b);
    }
    b.rect = RECT{x, top, x + w, top + data.button.cy};
    x += w;
  }
}

// The height the bar takes in its parent: the buttons and their margins,
// and the divider line.
int BarHeight(HWND hwnd, const ToolBarData& data) {
  const DWORD style = Style(hwnd);
  const int margins = ((style & TBSTYLE_FLAT) ? 0 : kTopMargin) + kBottomMargin;
  return data.button.cy + margins + ((style & CCS_NODIVIDER) ? 0 : kDivider);
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void Relayout(HWND hwnd, ToolBarData& data) {
  Layout(hwnd, data);
  Redraw(hwnd);
}

// Spans the parent's client width at its top or bottom (CCS_TOP, CCS_BOTTOM)
// unless CCS_NORESIZE, placed as BarOrigin says.
void Place(HWND hwnd, ToolBarData& data) {
  const DWORD style = Style(hwnd);
  HWND parent = GetParent(hwnd);
  if ((style & CCS_NORESIZE) || parent == nullptr || data.placing) return;
  Layout(hwnd, data);
  RECT client{};
  GetClientRect(parent, &client);
  RECT window{};
  GetWindowRect(hwnd, &window);
  POINT at{window.left, window.top};
  ScreenToClient(parent, &at);
  const int height = BarHeight(hwnd, data);
  const POINT origin = platform::BarOrigin(style, at, client, height);
  data.placing = true;
  SetWindowPos(hwnd, nullptr, origin.x, origin.y, client.right - origin.x, height, SWP_NOZORDER | SWP_NOACTIVATE);
  data.placing = false;
}

int IndexOfCommand(const ToolBarData& data, WPARAM command) {
  for (std::size_t i = 0; i < data.buttons.size(); ++i) {
    if (data.buttons[i].info.idCommand == static_cast<int>(command)) return static_cast<int>(i);
  }
  return -1;
}

Button* ByCommand(ToolBarData& data, WPARAM command) {
  const int index = IndexOfCommand(data, command);
  return index < 0 ? nullptr : &data.buttons[static_cast<std::size_t>(index)];
}

std::u16string CaptionOf(const TBBUTTON& button, bool wide) {
  // A small number is an index into a string pool this bar does not keep.
  if (button.iString == 0 || (static_cast<UINT_PTR>(button.iString) >> 16) == 0) return {};
  if (wide) return reinterpret_cast<const char16_t*>(button.iString);
  const char* text = reinterpret_cast<const char*>(button.iString);
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 1) return {};
  std::u16string caption(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, caption.data(), length);
  caption.resize(static_cast<std::size_t>(length - 1));
  return caption;
}

BOOL Insert(HWND hwnd, ToolBarData& data, int index, UINT count, const void* source, bool wide) {
  if (source == nullptr) return FALSE;
  const auto* bytes = static_cast<const BYTE*>(source);
  const std::size_t stride = std::max<std::size_t>(data.structSize, sizeof(int) * 2 + 2);
  if (index < 0 || index > static_cast<int>(data.buttons.size())) index = static_cast<int>(data.buttons.size());
  std::vector<Button> added;
  for (UINT i = 0; i < count; ++i) {
    Button b;
    std::memcpy(&b.info, bytes + i * stride, std::min<std::size_t>(sizeof(TBBUTTON), data.structSize));
    b.caption = CaptionOf(b.info, wide);
    b.info.iString = 0;
    added.push_back(std::move(b));
  }
  data.buttons.insert(data.buttons.begin() + index, added.begin(), added.end());
  data.hot = -1;
  data.pressed = -1;
  Relayout(hwnd, data);
  return TRUE;
}

// Checks a button of a check group and clears the others of its group:
// the run of neighbouring group buttons it stands in.
void CheckInGroup(ToolBarData& data, std::size_t index) {
  auto inGroup = [&](std::size_t i) {
    const BYTE style = data.buttons[i].info.fsStyle;
    return (style & BTNS_GROUP) && !(style & BTNS_SEP);
  };
  for (std::size_t i = index; i-- > 0 && inGroup(i);) data.buttons[i].info.fsState &= ~TBSTATE_CHECKED;
  for (std::size_t i = index + 1; i < data.buttons.size() && inGroup(i); ++i) {
    data.buttons[i].info.fsState &= ~TBSTATE_CHECKED;
  }
  data.buttons[index].info.fsState |= TBSTATE_CHECKED;
}

int HitTest(const ToolBarData& data, POINT p) {
  for (std::size_t i = 0; i < data.buttons.size(); ++i) {
    const Button& b = data.buttons[i];
    if (IsHidden(b) || !PtInRect(&b.rect, p)) continue;
    return IsSeparator(b) ? -static_cast<int>(i) : static_cast<int>(i);
  }
  return -1;
}

RECT ArrowRect(const Button& b) { return RECT{b.rect.right - kArrowWidth, b.rect.top, b.rect.right, b.rect.bottom}; }

UINT ItemState(const ToolBarData& data, const Button& b, int index) {
  UINT state = 0;
  if (b.info.fsState & TBSTATE_PRESSED) state |= CDIS_SELECTED;
  if (b.info.fsState & TBSTATE_CHECKED) state |= CDIS_CHECKED;
  if (!IsEnabled(b)) state |= CDIS_DISABLED;
  if (b.info.fsState & TBSTATE_INDETERMINATE) state |= CDIS_INDETERMINATE;
  if (b.info.fsState & TBSTATE_MARKED) state |= CDIS_MARKED;
  if (index == data.hot) state |= CDIS_HOT;
  return state;
}

ToolBarButtonLook LookOf(HWND hwnd, const ToolBarData& data, const Button& b, int index, const NMTBCUSTOMDRAW& draw,
                         LRESULT answer) {
  const DWORD style = Style(hwnd);
  ToolBarButtonLook look;
  look.rect = b.rect;
  if (HasArrowPart(data, b)) look.arrow = ArrowRect(b);
  look.flat = (style & TBSTYLE_FLAT) != 0;
  look.hot = index == data.hot;
  look.pressed = (b.info.fsState & TBSTATE_PRESSED) != 0;
  look.checked = (b.info.fsState & TBSTATE_CHECKED) != 0;
  look.enabled = IsEnabled(b);
  look.indeterminate = (b.info.fsState & TBSTATE_INDETERMINATE) != 0;
  look.edges = !(answer & TBCDRF_NOEDGES);
  look.offset = !(answer & TBCDRF_NOOFFSET);
  look.wholeDropDown = (b.info.fsStyle & BTNS_WHOLEDROPDOWN) != 0;
  look.images = data.images;
  if (!look.enabled && data.disabledImages != nullptr) {
    look.images = data.disabledImages;
    look.imageIsDisabledList = true;
  } else if (look.hot && data.hotImages != nullptr) {
    look.images = data.hotImages;
  }
  look.imageIndex = b.info.iBitmap;
  RECT body = b.rect;
  body.right -= ArrowExtra(data, b);
  look.caption = b.caption;
  look.font = Font(data);
  look.textColour = draw.clrText;
  const int textHeight = b.caption.empty() ? 0 : TextHeight(hwnd, data);
  if (style & TBSTYLE_LIST) {
    const int y = (body.top + body.bottom - data.bitmap.cy) / 2;
    const int x = body.left + kPaddingX / 2;
    look.image = RECT{x, y, x + data.bitmap.cx, y + data.bitmap.cy};
    look.text = RECT{look.image.right + kListGap, body.top, body.right - kPaddingX / 2, body.bottom};
    look.textFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
  } else {
    const int contentHeight = data.bitmap.cy + textHeight;
    const int y = body.top + (body.bottom - body.top - contentHeight) / 2;
    const int x = (body.left + body.right - data.bitmap.cx) / 2;
    look.image = RECT{x, y, x + data.bitmap.cx, y + data.bitmap.cy};
    look.text = RECT{body.left + 1, look.image.bottom, body.right - 1, look.image.bottom + textHeight};
    look.textFormat = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS;
  }
  return look;
}

LRESULT CustomDraw(HWND hwnd, NMTBCUSTOMDRAW& draw, DWORD stage) {
  draw.nmcd.dwDrawStage = stage;
  return SendNotify(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
}

void Paint(HWND hwnd, HDC dc, ToolBarData& data) {
  Layout(hwnd, data);
  NMTBCUSTOMDRAW draw{};
  draw.nmcd.hdc = dc;
  GetClientRect(hwnd, &draw.nmcd.rc);
  draw.clrText = GetSysColor(COLOR_BTNTEXT);
  draw.clrBtnFace = GetSysColor(COLOR_3DFACE);
  draw.clrBtnHighlight = GetSysColor(COLOR_3DHILIGHT);
  draw.clrTextHighlight = GetSysColor(COLOR_HIGHLIGHTTEXT);
  draw.clrHighlightHotTrack = GetSysColor(COLOR_HIGHLIGHT);
  draw.nStringBkMode = TRANSPARENT;
  draw.nHLStringBkMode = OPAQUE;
  draw.iListGap = kListGap;
  const LRESULT global = CustomDraw(hwnd, draw, CDDS_PREPAINT);
  if (global & CDRF_SKIPDEFAULT) return;
  ControlPainter& painter = CurrentPainter();
  const bool flat = (Style(hwnd) & TBSTYLE_FLAT) != 0;
  for (std::size_t i = 0; i < data.buttons.size(); ++i) {
    const Button& b = data.buttons[i];
    if (IsHidden(b)) continue;
    if (IsSeparator(b)) {
      painter.ToolBarSeparator(dc, b.rect, flat);
      continue;
    }
    LRESULT answer = CDRF_DODEFAULT;
    NMTBCUSTOMDRAW item = draw;
    item.nmcd.rc = b.rect;
    item.nmcd.dwItemSpec = static_cast<DWORD_PTR>(b.info.idCommand);
    item.nmcd.uItemState = ItemState(data, b, static_cast<int>(i));
    item.nmcd.lItemlParam = static_cast<LPARAM>(b.info.dwData);
    if (global & CDRF_NOTIFYITEMDRAW) {
      answer = CustomDraw(hwnd, item, CDDS_ITEMPREPAINT);
      // The parent may have changed the bar under the notification.
      if (ControlData<ToolBarData>(hwnd) != &data || i >= data.buttons.size()) return;
    }
    if (answer & CDRF_SKIPDEFAULT) continue;
    painter.ToolBarButton(dc, LookOf(hwnd, data, data.buttons[i], static_cast<int>(i), item, answer));
    if (answer & CDRF_NOTIFYPOSTPAINT) CustomDraw(hwnd, item, CDDS_ITEMPOSTPAINT);
  }
  if (global & CDRF_NOTIFYPOSTPAINT) CustomDraw(hwnd, draw, CDDS_POSTPAINT);
}

// The background: the parent's with TBSTYLE_TRANSPARENT (it erases under
// the bar, moved to the bar's origin), else the face colour.
LRESULT EraseBackground(HWND hwnd, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  HWND parent = GetParent(hwnd);
  if ((Style(hwnd) & TBSTYLE_TRANSPARENT) && parent != nullptr) {
    POINT origin{0, 0};
    MapWindowPoints(hwnd, parent, &origin, 1);
    POINT previous{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    return 1;
  }
  CurrentPainter().ToolBarBackground(dc, client);
  return 1;
}

void NcPaint(HWND hwnd) {
  if (Style(hwnd) & CCS_NODIVIDER) return;
  RECT window{};
  GetWindowRect(hwnd, &window);
  HDC dc = GetWindowDC(hwnd);
  CurrentPainter().ToolBarDivider(dc, RECT{0, 0, window.right - window.left, kDivider});
  ReleaseDC(hwnd, dc);
}

void SetHot(HWND hwnd, ToolBarData& data, int index, DWORD flags) {
  if (index == data.hot) return;
  NMTBHOTITEM notice{};
  notice.idOld = data.hot >= 0 ? data.buttons[static_cast<std::size_t>(data.hot)].info.idCommand : 0;
  notice.idNew = index >= 0 ? data.buttons[static_cast<std::size_t>(index)].info.idCommand : 0;
  notice.dwFlags = flags | (index < 0 ? HICF_LEAVING : 0);
  if (SendNotify(hwnd, TBN_HOTITEMCHANGE, notice.hdr) != 0) return;  // the parent refuses
  ToolBarData* now = ControlData<ToolBarData>(hwnd);
  if (now == nullptr || index >= static_cast<int>(now->buttons.size())) return;
  now->hot = index;
  Redraw(hwnd);
}

void MouseMove(HWND hwnd, ToolBarData& data, POINT p) {
  const int index = HitTest(data, p);
  const bool onButton = index >= 0 && IsEnabled(data.buttons[static_cast<std::size_t>(index)]);
  if (data.pressed >= 0) {
    // While held the button shows pressed only with the mouse over it.
    Button& held = data.buttons[static_cast<std::size_t>(data.pressed)];
    const bool over = index == data.pressed;
    const bool shown = (held.info.fsState & TBSTATE_PRESSED) != 0;
    if (over != shown) {
      held.info.fsState ^= TBSTATE_PRESSED;
      Redraw(hwnd);
    }
    return;
  }
  if (!HotTracks(hwnd)) return;
  if (!data.tracking) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    data.tracking = true;
  }
  SetHot(hwnd, data, onButton ? index : -1, HICF_MOUSE);
}

// A drop-down asks the parent; it answers whether the button also acts as
// a plain button (TBDDRET_TREATPRESSED).
bool DropDown(HWND hwnd, ToolBarData& data, std::size_t index) {
  Button& b = data.buttons[index];
  NMTOOLBARW notice{};
  notice.iItem = b.info.idCommand;
  notice.tbButton = b.info;
  notice.rcButton = b.rect;
  const LRESULT answer = SendNotify(hwnd, TBN_DROPDOWN, notice.hdr);
  return answer == TBDDRET_TREATPRESSED;
}

void LButtonDown(HWND hwnd, ToolBarData& data, POINT p) {
  const int index = HitTest(data, p);
  if (index < 0) return;
  const auto at = static_cast<std::size_t>(index);
  Button& b = data.buttons[at];
  if (!IsEnabled(b)) return;
  const RECT arrow = ArrowRect(b);
  const bool arrowPart = HasArrowPart(data, b) && PtInRect(&arrow, p);
  const bool wholeDropDown = (b.info.fsStyle & BTNS_DROPDOWN) && !HasArrowPart(data, b);
  if (arrowPart || wholeDropDown) {
    // Pressed while the parent shows its menu.
    b.info.fsState |= TBSTATE_PRESSED;
    Redraw(hwnd);
    UpdateWindow(hwnd);
    const bool treatPressed = DropDown(hwnd, data, at);
    ToolBarData* now = ControlData<ToolBarData>(hwnd);
    if (now == nullptr || at >= now->buttons.size()) return;
    if (!treatPressed) {
      now->buttons[at].info.fsState &= ~TBSTATE_PRESSED;
      Redraw(hwnd);
      return;
    }
  }
  data.buttons[at].info.fsState |= TBSTATE_PRESSED;
  data.pressed = index;
  SetCapture(hwnd);
  Redraw(hwnd);
}

void LButtonUp(HWND hwnd, ToolBarData& data, POINT p) {
  if (data.pressed < 0) return;
  const auto at = static_cast<std::size_t>(data.pressed);
  data.pressed = -1;
  if (GetCapture() == hwnd) ReleaseCapture();
  Button& b = data.buttons[at];
  b.info.fsState &= ~TBSTATE_PRESSED;
  if (HitTest(data, p) != static_cast<int>(at) || !IsEnabled(b)) {
    Redraw(hwnd);
    return;
  }
  if (b.info.fsStyle & BTNS_CHECK) {
    if (b.info.fsStyle & BTNS_GROUP) {
      CheckInGroup(data, at);
    } else {
      b.info.fsState ^= TBSTATE_CHECKED;
    }
  }
  Redraw(hwnd);
  HWND parent = GetParent(hwnd);
  if (parent != nullptr) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(b.info.idCommand), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
  }
}

void CancelPress(HWND hwnd, ToolBarData& data) {
  if (data.pressed < 0) return;
  data.buttons[static_cast<std::size_t>(data.pressed)].info.fsState &= ~TBSTATE_PRESSED;
  data.pressed = -1;
  Redraw(hwnd);
}

// Sets or clears one state bit of the button with a command.
LRESULT ChangeState(HWND hwnd, ToolBarData& data, WPARAM command, BYTE bit, bool on) {
  const int index = IndexOfCommand(data, command);
  if (index < 0) return FALSE;
  Button& b = data.buttons[static_cast<std::size_t>(index)];
  if (bit == TBSTATE_CHECKED && on && (b.info.fsStyle & BTNS_GROUP)) {
    CheckInGroup(data, static_cast<std::size_t>(index));
  } else if (on) {
    b.info.fsState |= bit;
  } else {
    b.info.fsState &= static_cast<BYTE>(~bit);
  }
  if (bit == TBSTATE_ENABLED && !on && data.pressed == index) CancelPress(hwnd, data);
  if (bit == TBSTATE_HIDDEN) Layout(hwnd, data);
  Redraw(hwnd);
  return TRUE;
}

LRESULT StateBit(const ToolBarData& data, WPARAM command, BYTE bit) {
  const int index = IndexOfCommand(data, command);
  if (index < 0) return -1;
  return (data.buttons[static_cast<std::size_t>(index)].info.fsState & bit) ? TRUE : FALSE;
}

HIMAGELIST SwapList(HWND hwnd, ToolBarData& data, HIMAGELIST& list, LPARAM value) {
  HIMAGELIST previous = list;
  list = reinterpret_cast<HIMAGELIST>(value);
  if (&list == &data.images && list != nullptr) {
    int cx = 0;
    int cy = 0;
    if (ImageList_GetIconSize(list, &cx, &cy)) data.bitmap = SIZE{cx, cy};
  }
  Relayout(hwnd, data);
  return previous;
}

LRESULT Messages(HWND hwnd, ToolBarData& data, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case TB_BUTTONSTRUCTSIZE:
      data.structSize = static_cast<UINT>(wParam);
      return 0;
    case TB_ADDBUTTONSA:
    case TB_ADDBUTTONSW:
      return Insert(hwnd, data, -1, static_cast<UINT>(wParam), reinterpret_cast<const void*>(lParam),
                    message == TB_ADDBUTTONSW);
    case TB_INSERTBUTTONA:
    case TB_INSERTBUTTONW:
      return Insert(hwnd, data, static_cast<int>(wParam), 1, reinterpret_cast<const void*>(lParam),
                    message == TB_INSERTBUTTONW);
    case TB_DELETEBUTTON:
      if (wParam >= data.buttons.size()) return FALSE;
      if (data.pressed >= 0 && GetCapture() == hwnd) ReleaseCapture();
      data.buttons.erase(data.buttons.begin() + static_cast<std::ptrdiff_t>(wParam));
      data.hot = data.pressed = -1;
      Relayout(hwnd, data);
      return TRUE;
    case TB_BUTTONCOUNT:
      return static_cast<LRESULT>(data.buttons.size());
    case TB_GETBUTTON:
      if (wParam >= data.buttons.size() || lParam == 0) return FALSE;
      *reinterpret_cast<TBBUTTON*>(lParam) = data.buttons[wParam].info;
      return TRUE;
    case TB_COMMANDTOINDEX:
      return IndexOfCommand(data, wParam);
    case TB_SETIMAGELIST:
      return reinterpret_cast<LRESULT>(SwapList(hwnd, data, data.images, lParam));
    case TB_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(data.images);
    case TB_SETHOTIMAGELIST:
      return reinterpret_cast<LRESULT>(SwapList(hwnd, data, data.hotImages, lParam));
    case TB_GETHOTIMAGELIST:
      return reinterpret_cast<LRESULT>(data.hotImages);
    case TB_SETDISABLEDIMAGELIST:
      return reinterpret_cast<LRESULT>(SwapList(hwnd, data, data.disabledImages, lParam));
    case TB_GETDISABLEDIMAGELIST:
      return reinterpret_cast<LRESULT>(data.disabledImages);
    case TB_SETBUTTONSIZE:
      data.buttonMinimum = SIZE{std::max(0, static_cast<int>(LOWORD(lParam))), std::max(0, static_cast<int>(HIWORD(lParam)))};
      Relayout(hwnd, data);
      return TRUE;
    case TB_GETBUTTONSIZE:
      Layout(hwnd, data);
      return MAKELONG(data.button.cx, data.button.cy);
    case TB_SETBITMAPSIZE:
      data.bitmap = SIZE{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      data.bitmap.cx = std::max<LONG>(0, data.bitmap.cx);
      data.bitmap.cy = std::max<LONG>(0, data.bitmap.cy);
      Relayout(hwnd, data);
      return TRUE;
    case TB_GETITEMRECT:
    case TB_GETRECT: {
      const int index = message == TB_GETRECT ? IndexOfCommand(data, wParam) : static_cast<int>(wParam);
      if (index < 0 || index >= static_cast<int>(data.buttons.size()) || lParam == 0) return FALSE;
      Layout(hwnd, data);
      const Button& b = data.buttons[static_cast<std::size_t>(index)];
      if (message == TB_GETITEMRECT && IsHidden(b)) return FALSE;
      *reinterpret_cast<RECT*>(lParam) = b.rect;
      return TRUE;
    }
    case TB_CHECKBUTTON:
      return ChangeState(hwnd, data, wParam, TBSTATE_CHECKED, LOWORD(lParam) != 0);
    case TB_ENABLEBUTTON:
      return ChangeState(hwnd, data, wParam, TBSTATE_ENABLED, LOWORD(lParam) != 0);
    case TB_PRESSBUTTON:
      return ChangeState(hwnd, data, wParam, TBSTATE_PRESSED, LOWORD(lParam) != 0);
    case TB_HIDEBUTTON:
      return ChangeState(hwnd, data, wParam, TBSTATE_HIDDEN, LOWORD(lParam) != 0);
    case TB_INDETERMINATE:
      return ChangeState(hwnd, data, wParam, TBSTATE_INDETERMINATE, LOWORD(lParam) != 0);
    case TB_ISBUTTONCHECKED:
      return StateBit(data, wParam, TBSTATE_CHECKED);
    case TB_ISBUTTONENABLED:
      return StateBit(data, wParam, TBSTATE_ENABLED);
    case TB_ISBUTTONPRESSED:
      return StateBit(data, wParam, TBSTATE_PRESSED);
    case TB_ISBUTTONHIDDEN:
      return StateBit(data, wParam, TBSTATE_HIDDEN);
    case TB_SETSTATE: {
      Button* b = ByCommand(data, wParam);
      if (b == nullptr) return FALSE;
      b->info.fsState = static_cast<BYTE>(LOWORD(lParam));
      Relayout(hwnd, data);
      return TRUE;
    }
    case TB_GETSTATE: {
      const Button* b = ByCommand(data, wParam);
      return b == nullptr ? -1 : b->info.fsState;
    }
    case TB_AUTOSIZE:
      Place(hwnd, data);
      return 0;
    case TB_HITTEST:
      if (lParam == 0) return -1;
      Layout(hwnd, data);
      return HitTest(data, *reinterpret_cast<const POINT*>(lParam));
    case TB_GETHOTITEM:
      return data.hot;
    case TB_SETHOTITEM: {
      const int previous = data.hot;
      const int index = static_cast<int>(wParam);
      SetHot(hwnd, data, index >= 0 && index < static_cast<int>(data.buttons.size()) ? index : -1, 0);
      return previous;
    }
    case TB_SETEXTENDEDSTYLE: {
      const DWORD previous = data.extended;
      data.extended = static_cast<DWORD>(lParam);
      Relayout(hwnd, data);
      return static_cast<LRESULT>(previous);
    }
    case TB_GETEXTENDEDSTYLE:
      return static_cast<LRESULT>(data.extended);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT ToolBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new ToolBarData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ToolBarData* data = ControlData<ToolBarData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<ToolBarData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_NCCALCSIZE: {
      const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      if (!(Style(hwnd) & CCS_NODIVIDER) && lParam != 0) reinterpret_cast<RECT*>(lParam)->top += kDivider;
      return result;
    }
    case WM_NCPAINT:
      DefWindowProcW(hwnd, message, wParam, lParam);
      NcPaint(hwnd);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *data); });
    case WM_ERASEBKGND:
      return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      Layout(hwnd, *data);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_MOUSEMOVE:
      MouseMove(hwnd, *data, point);
      return 0;
    case WM_MOUSELEAVE:
      data->tracking = false;
      if (data->pressed < 0) SetHot(hwnd, *data, -1, HICF_MOUSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      LButtonDown(hwnd, *data, point);
      return 0;
    case WM_LBUTTONUP:
      LButtonUp(hwnd, *data, point);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) CancelPress(hwnd, *data);
      return 0;
    case WM_SIZE:
      Place(hwnd, *data);
      Redraw(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_STYLECHANGED:
      Relayout(hwnd, *data);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      return Messages(hwnd, *data, message, wParam, lParam);
  }
}

}  // namespace

void RegisterToolBarClass() { RegisterControlClass(TOOLBARCLASSNAMEW, ToolBarProc, CS_DBLCLKS, IDC_ARROW); }

}  // namespace platform
