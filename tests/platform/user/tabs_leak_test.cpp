// Tab controls (with their scrollers and images) and status bars, painted,
// clicked and destroyed, leave every handle, timer and thunk count as it was.
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

class TabsLeakTest : public UserTest {};

void Exercise(int index, HIMAGELIST images) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"Tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                              200, nullptr, nullptr, nullptr, nullptr);
  const DWORD styles[4] = {0, TCS_BOTTOM, TCS_VERTICAL | (index % 8 ? 0 : TCS_RIGHT), TCS_BUTTONS | TCS_HOTTRACK};
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, nullptr, WS_CHILD | WS_VISIBLE | styles[index % 4], 0, 0, 160, 120,
                              form, nullptr, nullptr, nullptr);
  SendMessageW(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  for (int i = 0; i < 6; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<LPWSTR>(u"标签 tab");
    item.iImage = i % 2;
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index % 6), 0);
  SendMessageW(tabs, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, u"Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, form,
                             nullptr, nullptr, nullptr);
  const int parts[3] = {60, 120, -1};
  SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  SendMessageW(bar, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(u"\t中"));
  SendMessageW(bar, SB_SETTEXTW, 2 | SBT_OWNERDRAW, index);
  SendMessageW(bar, SB_SIMPLE, index % 3 == 0, 0);
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  if (index % 2) SendMessageW(tabs, TCM_DELETEALLITEMS, 0, 0);
  DestroyWindow(form);
}

TEST_F(TabsLeakTest, TwoHundredRoundsLeaveEveryCountWhereItWas) {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
  Exercise(0, images);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 1; i <= 200; ++i) Exercise(i, images);
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
  EXPECT_EQ(platform::LiveThunkCount(), 0u);
  ImageList_Destroy(images);
}

}  // namespace
}  // namespace brellis::test
