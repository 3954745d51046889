// Tree views filled, expanded, selected, painted and destroyed leave every
// handle and thunk count as it was.
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

class TreeViewLeakTest : public UserTest {};

void Exercise(int index) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"Tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                              200, nullptr, nullptr, nullptr, nullptr);
  HWND tree = CreateWindowExW(0, WC_TREEVIEWW, nullptr,
                              WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 0, 0, 200, 150,
                              form, nullptr, nullptr, nullptr);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
  HTREEITEM parentItem = TVI_ROOT;
  for (int i = 0; i < 30; ++i) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = i % 5 == 0 ? TVI_ROOT : parentItem;
    insert.hInsertAfter = i % 3 == 0 ? TVI_SORT : TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPWSTR>(u"node");
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (i % 5 == 0) parentItem = item;
  }
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parentItem));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(parentItem));
  SetFocus(tree);
  SendMessageW(tree, WM_KEYDOWN, 0x6A, 0);
  UpdateWindow(form);
  if (index % 2 == 0) SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(parentItem));
  DestroyWindow(form);
  ImageList_Destroy(images);
}

TEST_F(TreeViewLeakTest, TwoHundredRoundsLeaveEveryCountWhereItWas) {
  Exercise(0);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 1; i <= 200; ++i) Exercise(i);
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveThunkCount(), 0u);
}

}  // namespace
}  // namespace brellis::test
