#include "user/user_test.h"

namespace brellis::test {
namespace {

// Every test program of the window manager runs on a headless screen whose
// clock moves only when the program waits or a test advances it.
class HeadlessEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(58, 110, 165)}); }
};

const ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new HeadlessEnvironment);

}  // namespace

void DestroyAllWindows() {
  for (;;) {
    HWND top = GetTopWindow(nullptr);
    if (top == nullptr) break;
    DestroyWindow(top);
  }
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void UserTest::SetUp() {
  DestroyAllWindows();
  recorder = std::make_unique<MessageRecorder>();
}

void UserTest::TearDown() {
  recorder.reset();
  DestroyAllWindows();
  ReleaseCapture();
  EXPECT_EQ(GetTopWindow(nullptr), nullptr);
}

HWND UserTest::CreateTop(DWORD style, RECT rect, DWORD exStyle, HWND owner) {
  return CreateWindowExW(exStyle, MessageRecorder::WideClass(), u"Test", style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, nullptr, nullptr);
}

HWND UserTest::CreateChild(HWND parent, RECT rect, DWORD style, int id) {
  return CreateWindowExW(0, MessageRecorder::WideClass(), u"Child", style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

}  // namespace brellis::test
