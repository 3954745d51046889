// The band bar's bands as callers see them: REBARBANDINFO in either
// character set and of either size Windows knows (the members after wID
// only from programs that pass the longer size), inserted, changed, read
// and deleted; a band's child window becomes the bar's child while it is
// in the band.
#include <algorithm>

#include "platform/controls/rebar_internal.h"

namespace platform::rebar {
namespace {

template <class Info>
constexpr UINT kShortSize = std::is_same_v<Info, REBARBANDINFOW> ? REBARBANDINFOW_V3_SIZE : REBARBANDINFOA_V3_SIZE;
template <class Info>
constexpr UINT kLongSize = std::is_same_v<Info, REBARBANDINFOW> ? REBARBANDINFOW_V6_SIZE : REBARBANDINFOA_V6_SIZE;

template <class Info>
const Info* Valid(LPARAM info) {
  const auto* given = reinterpret_cast<const Info*>(info);
  return given != nullptr && given->cbSize >= kShortSize<Info> ? given : nullptr;
}

void AdoptChild(HWND hwnd, Band& band, HWND child) {
  if (child == band.child) return;
  ReleaseChild(hwnd, band);
  band.child = child;
  if (child == nullptr) return;
  band.childOldParent = SetParent(child, hwnd);
  ShowChild(band);
}

template <class Info>
bool Apply(HWND hwnd, Band& band, const Info& info, bool wide) {
  if ((info.fMask & RBBIM_CHILD) && info.hwndChild != nullptr && !IsWindow(info.hwndChild)) return false;
  const bool longForm = info.cbSize >= kLongSize<Info>;
  const UINT mask = info.fMask;
  if (mask & RBBIM_STYLE) {
    const bool wasHidden = IsHidden(band);
    band.style = info.fStyle;
    if (wasHidden != IsHidden(band)) ShowChild(band);
  }
  if (mask & RBBIM_COLORS) {
    band.fore = info.clrFore;
    band.back = info.clrBack;
  }
  if (mask & RBBIM_TEXT) band.text = ItemTextOf(info.lpText, wide);
  if (mask & RBBIM_IMAGE) band.image = info.iImage;
  if (mask & RBBIM_CHILD) AdoptChild(hwnd, band, info.hwndChild);
  if (mask & RBBIM_CHILDSIZE) {
    band.cxMinChild = info.cxMinChild;
    band.cyMinChild = info.cyMinChild;
    if (longForm) {
      band.cyChild = info.cyChild;
      band.cyMaxChild = info.cyMaxChild;
      band.cyIntegral = info.cyIntegral;
    }
  }
  if (mask & RBBIM_SIZE) band.cx = info.cx;
  if (mask & RBBIM_BACKGROUND) band.background = info.hbmBack;
  if (mask & RBBIM_ID) band.id = info.wID;
  if (longForm) {
    if (mask & RBBIM_IDEALSIZE) band.cxIdeal = info.cxIdeal;
    if (mask & RBBIM_LPARAM) band.lParam = info.lParam;
    if (mask & RBBIM_HEADERSIZE) {
      band.cxHeader = info.cxHeader;
      band.headerGiven = true;
    }
  }
  return true;
}

template <class Info>
LRESULT Insert(HWND hwnd, RebarData& data, WPARAM index, LPARAM info, bool wide) {
  const Info* given = Valid<Info>(info);
  if (given == nullptr) return FALSE;
  Band band;
  if (!Apply(hwnd, band, *given, wide)) return FALSE;
  const std::size_t at = std::min<std::size_t>(static_cast<std::size_t>(static_cast<int>(index) < 0 ? data.bands.size() : index),
                                               data.bands.size());
  data.bands.insert(data.bands.begin() + static_cast<std::ptrdiff_t>(at), band);
  if (data.drag.band >= static_cast<int>(at)) ++data.drag.band;
  Layout(hwnd, data);
  return TRUE;
}

template <class Info>
LRESULT Set(HWND hwnd, RebarData& data, WPARAM index, LPARAM info, bool wide) {
  const Info* given = Valid<Info>(info);
  if (given == nullptr || index >= data.bands.size()) return FALSE;
  if (!Apply(hwnd, data.bands[index], *given, wide)) return FALSE;
  Layout(hwnd, data);
  return TRUE;
}

template <class Info>
LRESULT Get(const RebarData& data, WPARAM index, LPARAM info, bool wide) {
  auto* asked = reinterpret_cast<Info*>(info);
  if (asked == nullptr || asked->cbSize < kShortSize<Info> || index >= data.bands.size()) return FALSE;
  const Band& band = data.bands[index];
  const bool longForm = asked->cbSize >= kLongSize<Info>;
  const UINT mask = asked->fMask;
  if (mask & RBBIM_STYLE) asked->fStyle = band.style;
  if (mask & RBBIM_COLORS) {
    asked->clrFore = band.fore;
    asked->clrBack = band.back;
  }
  if ((mask & RBBIM_TEXT) && asked->lpText != nullptr) {
    CopyItemText(band.text, asked->lpText, static_cast<int>(asked->cch), wide);
  }
  if (mask & RBBIM_IMAGE) asked->iImage = band.image;
  if (mask & RBBIM_CHILD) asked->hwndChild = band.child;
  if (mask & RBBIM_CHILDSIZE) {
    asked->cxMinChild = band.cxMinChild;
    asked->cyMinChild = band.cyMinChild;
    if (longForm) {
      asked->cyChild = band.cyChild;
      asked->cyMaxChild = band.cyMaxChild;
      asked->cyIntegral = band.cyIntegral;
    }
  }
  // The width the band has now (what it asked for while it is hidden).
  if (mask & RBBIM_SIZE) asked->cx = band.row >= 0 ? static_cast<UINT>(Width(band.rect)) : band.cx;
  if (mask & RBBIM_BACKGROUND) asked->hbmBack = band.background;
  if (mask & RBBIM_ID) asked->wID = band.id;
  if (longForm) {
    if (mask & RBBIM_IDEALSIZE) asked->cxIdeal = band.cxIdeal;
    if (mask & RBBIM_LPARAM) asked->lParam = band.lParam;
    if (mask & RBBIM_HEADERSIZE) asked->cxHeader = static_cast<UINT>(band.header);
  }
  return TRUE;
}

}  // namespace

LRESULT Notify(HWND hwnd, const RebarData& data, UINT code, NMHDR& header) {
  header.hwndFrom = hwnd;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  header.code = code;
  HWND target = data.notify != nullptr && IsWindow(data.notify) ? data.notify : GetParent(hwnd);
  if (target == nullptr) return 0;
  return SendMessageW(target, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

LRESULT NotifyBand(HWND hwnd, const RebarData& data, UINT code, std::size_t index) {
  NMREBAR notice{};
  notice.uBand = static_cast<UINT>(index);
  if (index < data.bands.size()) {
    const Band& band = data.bands[index];
    notice.dwMask = RBNM_ID | RBNM_STYLE | RBNM_LPARAM;
    notice.fStyle = band.style;
    notice.wID = band.id;
    notice.lParam = band.lParam;
  }
  return Notify(hwnd, data, code, notice.hdr);
}

void ShowChild(const Band& band) {
  if (band.child != nullptr && IsWindow(band.child)) {
    ShowWindow(band.child, IsHidden(band) ? SW_HIDE : SW_SHOWNOACTIVATE);
  }
}

void ReleaseChild(HWND hwnd, Band& band) {
  HWND child = band.child;
  band.child = nullptr;
  if (child == nullptr || !IsWindow(child) || GetParent(child) != hwnd) return;
  ShowWindow(child, SW_HIDE);
  if (band.childOldParent != nullptr && IsWindow(band.childOldParent)) SetParent(child, band.childOldParent);
  band.childOldParent = nullptr;
}

LRESULT InsertBand(HWND hwnd, RebarData& data, WPARAM index, LPARAM info, bool wide) {
  return wide ? Insert<REBARBANDINFOW>(hwnd, data, index, info, true)
              : Insert<REBARBANDINFOA>(hwnd, data, index, info, false);
}

LRESULT SetBandInfo(HWND hwnd, RebarData& data, WPARAM index, LPARAM info, bool wide) {
  return wide ? Set<REBARBANDINFOW>(hwnd, data, index, info, true) : Set<REBARBANDINFOA>(hwnd, data, index, info, false);
}

LRESULT GetBandInfo(const RebarData& data, WPARAM index, LPARAM info, bool wide) {
  return wide ? Get<REBARBANDINFOW>(data, index, info, true) : Get<REBARBANDINFOA>(data, index, info, false);
}

LRESULT DeleteBand(HWND hwnd, RebarData& data, WPARAM index) {
  if (index >= data.bands.size()) return FALSE;
  if (data.drag.band >= 0) EndDrag(hwnd, data);
  NotifyBand(hwnd, data, RBN_DELETINGBAND, index);
  if (Alive(hwnd, &data) == nullptr || index >= data.bands.size()) return FALSE;
  Band band = data.bands[index];
  data.bands.erase(data.bands.begin() + static_cast<std::ptrdiff_t>(index));
  ReleaseChild(hwnd, band);
  NMREBAR notice{};
  notice.uBand = static_cast<UINT>(index);
  notice.dwMask = RBNM_ID | RBNM_STYLE | RBNM_LPARAM;
  notice.fStyle = band.style;
  notice.wID = band.id;
  notice.lParam = band.lParam;
  Notify(hwnd, data, RBN_DELETEDBAND, notice.hdr);
  if (Alive(hwnd, &data) == nullptr) return TRUE;
  Layout(hwnd, data);
  return TRUE;
}

}  // namespace platform::rebar
