#include "user/picker_test.h"

namespace brellis::test {
namespace {

std::string CodeName(UINT code) {
  switch (code) {
    case MCN_SELCHANGE: return "MCN_SELCHANGE";
    case MCN_SELECT: return "MCN_SELECT";
    case DTN_DATETIMECHANGE: return "DTN_DATETIMECHANGE";
    case DTN_DROPDOWN: return "DTN_DROPDOWN";
    case DTN_CLOSEUP: return "DTN_CLOSEUP";
    case NM_RELEASEDCAPTURE: return "NM_RELEASEDCAPTURE";
    case UDN_DELTAPOS: return "UDN_DELTAPOS";
    default: return std::to_string(static_cast<int>(code));
  }
}

}  // namespace

void PickerTest::SetUp() {
  UserTest::SetUp();
  OverrideClock([] { return EncodeDateTime({2026, 12, 10, 12, 34, 56}); });
  parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 440, 340});
  recorder->SetMainWindow(parent);
  LogNotifications(parent, "parent");
}

void PickerTest::TearDown() {
  for (auto it = hooked_.rbegin(); it != hooked_.rend(); ++it) {
    if (IsWindow(it->first)) SetWindowLongPtrW(it->first, GWLP_WNDPROC, it->second.second);
    FreeWndProcThunk(it->second.first);
  }
  OverrideClock({});
  UserTest::TearDown();
}

void PickerTest::LogNotifications(HWND hwnd, const std::string& who) {
  LONG_PTR* previous = &previous_.emplace_back(0);
  WNDPROC thunk = MakeWndProcThunk([this, who, previous](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(l);
      if (header->code != UDN_DELTAPOS) log.push_back(who + ":" + CodeName(header->code));
      if (header->code == DTN_DROPDOWN) {
        // The calendar exists (hidden) when the parent hears of it.
        auto calendar = reinterpret_cast<HWND>(SendMessageW(header->hwndFrom, DTM_GETMONTHCAL, 0, 0));
        log.push_back(calendar == nullptr ? "no calendar" : IsWindowVisible(calendar) ? "calendar shown" : "calendar hidden");
      }
      if (header->code == MCN_SELCHANGE || header->code == MCN_SELECT) {
        dates.push_back(reinterpret_cast<const NMSELCHANGE*>(l)->stSelStart);
      }
      if (header->code == DTN_DATETIMECHANGE) dates.push_back(reinterpret_cast<const NMDATETIMECHANGE*>(l)->st);
    }
    return CallWindowProcW(reinterpret_cast<WNDPROC>(*previous), h, m, w, l);
  });
  *previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  hooked_.push_back({hwnd, {thunk, *previous}});
}

}  // namespace brellis::test
