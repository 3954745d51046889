// What the band bar's files share: a band as the bar keeps it, the bar's
// data, and the steps of its layout, painting, band information and drags.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform::rebar {

// Spacing of a band, in pixels.
constexpr int kPreGripper = 2;    // before the gripper
constexpr int kGripperWidth = 3;
constexpr int kAlwaysSpace = 4;   // after the gripper, or before a title without one
constexpr int kPostImage = 2;
constexpr int kPostText = 4;
constexpr int kPostChild = 4;     // right of the child window
constexpr int kChildEdge = 2;     // above and below the child with RBBS_CHILDEDGE
constexpr int kNoChildHeight = 4;
constexpr int kSeparator = 2;     // a band border (RBS_BANDBORDERS)
constexpr int kDivider = 2;       // the etched line above the bar

struct Band {
  UINT style = 0;
  COLORREF fore = CLR_DEFAULT;  // CLR_DEFAULT: the bar's text colour
  COLORREF back = CLR_DEFAULT;  // CLR_DEFAULT: the bar's background colour
  std::u16string text;
  int image = -1;
  HWND child = nullptr;
  HWND childOldParent = nullptr;  // given back when the child leaves the band
  UINT cxMinChild = 0;
  UINT cyMinChild = 0;
  UINT cx = 0;
  HBITMAP background = nullptr;
  UINT id = 0;
  UINT cyChild = 0;
  UINT cyMaxChild = 0;
  UINT cyIntegral = 0;
  UINT cxIdeal = 0;
  LPARAM lParam = 0;
  UINT cxHeader = 0;
  bool headerGiven = false;  // RBBIM_HEADERSIZE replaced the measured header

  // Laid out.
  int header = 0;     // width of gripper, image and title
  int minWidth = 0;   // header, least child width and the space after it
  int minHeight = 0;
  bool gripper = false;
  RECT rect{};
  RECT childRect{};
  int row = -1;
  RECT imageRect{};
  RECT textRect{};
  RECT gripperRect{};
};

// A band held by its gripper or title. A press becomes a drag once the
// mouse moved far enough and the parent allowed it (RBN_BEGINDRAG); a
// press released without that is a click, which toggles the band between
// its widest and narrowest.
struct Drag {
  int band = -1;       // -1: nothing held
  POINT start{};
  int grabOffset = 0;  // from the band's left edge to where it was taken
  bool dragging = false;
  bool byMouse = false;
};

struct RebarData {
  std::vector<Band> bands;
  HIMAGELIST images = nullptr;
  SIZE imageSize{0, 0};
  COLORREF back = CLR_NONE;  // RB_SETBKCOLOR; CLR_NONE: the face colour
  COLORREF text = CLR_NONE;  // RB_SETTEXTCOLOR; CLR_NONE: the button text colour
  HFONT font = nullptr;
  HWND notify = nullptr;     // RB_SETPARENT; null: the parent
  int rowCount = 0;
  int height = 0;            // of the bands and their borders
  Drag drag;
  bool placing = false;      // moving itself: its own WM_SIZE follows
  bool laying = false;
  bool layoutAgain = false;  // asked for while a layout was telling the parent
};

inline DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
inline bool IsHidden(const Band& b) { return (b.style & RBBS_HIDDEN) != 0; }
inline HFONT FontOf(const RebarData& data) { return data.font != nullptr ? data.font : DefaultControlFont(); }
inline int Width(const RECT& r) { return r.right - r.left; }

// The bar's data, or null once `hwnd` is gone or has other data (after a
// notification the parent may have destroyed the bar).
inline RebarData* Alive(HWND hwnd, const RebarData* data) {
  RebarData* now = IsWindow(hwnd) ? ControlData<RebarData>(hwnd) : nullptr;
  return now == data ? now : nullptr;
}

// Sends a notification to the parent (or the window RB_SETPARENT named).
LRESULT Notify(HWND hwnd, const RebarData& data, UINT code, NMHDR& header);
// A band notification (NMREBAR) about band `index`.
LRESULT NotifyBand(HWND hwnd, const RebarData& data, UINT code, std::size_t index);

// Measures every band, breaks them into rows, sizes the rows to the bar's
// width, moves the child windows into their bands, places the bar in its
// parent and tells the parent when its height changed (RBN_HEIGHTCHANGE).
void Layout(HWND hwnd, RebarData& data);
// Spans the parent at its top or bottom unless CCS_NORESIZE.
void Place(HWND hwnd, RebarData& data);
// Band `index` made as wide as its row allows (or its ideal width), or as
// narrow as it can be, its neighbours taking the rest.
void MaximizeBand(HWND hwnd, RebarData& data, std::size_t index, bool ideal);
void MinimizeBand(HWND hwnd, RebarData& data, std::size_t index);
// The indexes of the visible bands of row `row`, left to right.
std::vector<std::size_t> RowBands(const RebarData& data, int row);

void Paint(HDC dc, const RebarData& data);
void EraseBackground(HWND hwnd, HDC dc, const RebarData& data);
void NcPaint(HWND hwnd);

// RB_INSERTBAND, RB_SETBANDINFO and RB_GETBANDINFO in either character set.
LRESULT InsertBand(HWND hwnd, RebarData& data, WPARAM index, LPARAM info, bool wide);
LRESULT SetBandInfo(HWND hwnd, RebarData& data, WPARAM index, LPARAM info, bool wide);
LRESULT GetBandInfo(const RebarData& data, WPARAM index, LPARAM info, bool wide);
LRESULT DeleteBand(HWND hwnd, RebarData& data, WPARAM index);
// The band's child window leaves it: hidden and given back to its old parent.
void ReleaseChild(HWND hwnd, Band& band);
// Shows or hides a band's child with the band.
void ShowChild(const Band& band);

// Which band and which part of it lie under a client point.
int HitTest(const RebarData& data, POINT point, UINT* flags);

// Dragging a band: across its row it takes width from its left neighbour
// or gives it; up or down it moves into another row or a new one. The
// programmatic drag (RB_BEGINDRAG, RB_DRAGMOVE, RB_ENDDRAG) tells nothing.
void BeginDrag(HWND hwnd, RebarData& data, std::size_t index, POINT at);
void DragTo(HWND hwnd, RebarData& data, POINT at);
void EndDrag(HWND hwnd, RebarData& data);
// The mouse: presses on a gripper or title, moves while held, releases.
void MouseDown(HWND hwnd, RebarData& data, POINT at, bool doubleClick);
void MouseMove(HWND hwnd, RebarData& data, POINT at);
void MouseUp(HWND hwnd, RebarData& data);

}  // namespace platform::rebar
