#include "toolkit/toolkit_fixture.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/golden.h"
#include "support/handle_leaks.h"
#include "toolkit/Reader.h"

namespace brellis::test {
namespace {

class HeadlessEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(58, 110, 165)}); }
};

const ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new HeadlessEnvironment);

}  // namespace

TForm* ReadShownForm(std::string_view resource) {
  TForm* form = NewComponent<TForm>(Application);
  ReadComponentResource(form, resource);
  form->Show();
  Application->ProcessMessages();
  return form;
}

DWORD StyleOf(TWinControl* control) { return static_cast<DWORD>(GetWindowLongA(control->Handle(), GWL_STYLE)); }

void ExpectRoundsLeaveEveryCount(const std::function<void()>& round) {
  round();
  const auto before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t thunks = platform::LiveThunkCount();
  for (int i = 0; i < 200; ++i) round();
  EXPECT_EQ(DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
  EXPECT_EQ(platform::LiveThunkCount(), thunks);
}

void DestroyAllToolkitWindows() {
  for (;;) {
    HWND top = GetTopWindow(nullptr);
    if (top == nullptr) break;
    DestroyWindow(top);
  }
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void ToolkitTest::SetUp() { DestroyAllToolkitWindows(); }

void ToolkitTest::TearDown() {
  while (Screen->FormCount() > 0) Screen->Forms(Screen->FormCount() - 1)->Free();
  Application->DestroyComponents();
  DestroyAllToolkitWindows();
  ReleaseCapture();
  platform::SetMessageBoxHandler(nullptr);
  Application->Initialize();
  EXPECT_EQ(GetTopWindow(nullptr), nullptr);
}

TForm* ToolkitTest::NewShownForm(int clientWidth, int clientHeight) {
  TForm* form = NewComponent<TForm>(Application);
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  form->SetBounds(100, 100, clientWidth, clientHeight);
  form->Show();
  Pump();
  return form;
}

std::string SizedDataHex(const std::string& bytes) {
  std::string raw;
  const auto size = static_cast<std::uint32_t>(bytes.size());
  for (int i = 0; i < 4; ++i) raw += static_cast<char>((size >> (8 * i)) & 0xFF);
  raw += bytes;
  std::string hex;
  char digits[3];
  for (unsigned char c : raw) {
    std::snprintf(digits, sizeof(digits), "%02X", c);
    hex += digits;
  }
  return hex;
}

std::string PictureDataHex(const std::string& graphicClass, const std::string& bytes) {
  std::string prefix;
  char digits[3];
  std::snprintf(digits, sizeof(digits), "%02X", static_cast<unsigned>(graphicClass.size()));
  prefix += digits;
  for (unsigned char c : graphicClass) {
    std::snprintf(digits, sizeof(digits), "%02X", c);
    prefix += digits;
  }
  return prefix + SizedDataHex(bytes);
}

std::string ReadSourceFile(const std::string& relative) {
  std::ifstream in(SourcePath(relative), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace brellis::test
