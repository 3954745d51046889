// The clipboard: opening rules, ownership, text conversions between the ANSI
// and wide formats, rendering on request, and text shared with the display.
#include <cstring>

#include "platform/display/display.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

HGLOBAL Block(const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  return memory;
}

std::u16string WideOf(HANDLE memory) {
  const auto* text = static_cast<const char16_t*>(GlobalLock(memory));
  std::u16string result = text ? text : u"";
  GlobalUnlock(memory);
  return result;
}

std::string NarrowOf(HANDLE memory) {
  const auto* text = static_cast<const char*>(GlobalLock(memory));
  std::string result = text ? text : "";
  GlobalUnlock(memory);
  return result;
}

class ClipboardTest : public UserTest {
 protected:
  void TearDown() override {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
    EXPECT_EQ(platform::LiveGlobalMemoryCount(), 0u);
    UserTest::TearDown();
  }
};

TEST(GlobalMemoryTest, BlocksAreCheckedHandles) {
  HGLOBAL memory = GlobalAlloc(GHND, 10);
  ASSERT_NE(memory, nullptr);
  EXPECT_EQ(GlobalSize(memory), 10u);
  auto* bytes = static_cast<unsigned char*>(GlobalLock(memory));
  EXPECT_EQ(bytes[9], 0);
  EXPECT_TRUE(GlobalUnlock(memory) == FALSE);  // no longer locked
  EXPECT_EQ(GlobalFree(memory), nullptr);
  // A freed block is refused, not touched.
  EXPECT_EQ(GlobalLock(memory), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GlobalFree(memory), memory);
  EXPECT_EQ(GlobalSize(memory), 0u);
}

TEST_F(ClipboardTest, OpeningEmptyingAndOwnership) {
  HWND first = CreateTop();
  HWND second = CreateTop();
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, nullptr), nullptr);  // not open
  EXPECT_EQ(GetLastError(), ERROR_CLIPBOARD_NOT_OPEN);
  ASSERT_TRUE(OpenClipboard(first));
  EXPECT_FALSE(OpenClipboard(second));  // another window has it open
  EXPECT_EQ(GetOpenClipboardWindow(), first);
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_EQ(GetClipboardOwner(), first);
  EXPECT_TRUE(CloseClipboard());
  EXPECT_FALSE(CloseClipboard());

  // The next owner's EmptyClipboard tells the previous one.
  recorder->Clear();
  ASSERT_TRUE(OpenClipboard(second));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(GetClipboardOwner(), second);
  int destroyed = 0;
  for (const RecordedMessage& m : recorder->Log()) destroyed += m.hwnd == first && m.message == WM_DESTROYCLIPBOARD;
  EXPECT_EQ(destroyed, 1);
  DestroyWindow(second);
  EXPECT_EQ(GetClipboardOwner(), nullptr);
}

TEST_F(ClipboardTest, TextFormatsConvertIntoEachOther) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::u16string wide = u"宋体 text";
  SetClipboardData(CF_UNICODETEXT, Block(wide.c_str(), (wide.size() + 1) * 2));
  EXPECT_EQ(CountClipboardFormats(), 3);  // the wide text and the two narrow ones made from it
  EXPECT_EQ(EnumClipboardFormats(0), CF_UNICODETEXT);
  EXPECT_EQ(NarrowOf(GetClipboardData(CF_TEXT)), platform::WideToAnsiString(wide));
  EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
  CloseClipboard();

  // ANSI text (code page 936) set by one window reads as wide text.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::string narrow = platform::WideToAnsiString(u"中文 abc");
  SetClipboardData(CF_TEXT, Block(narrow.c_str(), narrow.size() + 1));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(WideOf(GetClipboardData(CF_UNICODETEXT)), u"中文 abc");
  // The wide text made from it is kept: asked twice, the same block.
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), GetClipboardData(CF_UNICODETEXT));
  CloseClipboard();
  EXPECT_EQ(platform::display::Current().ClipboardText(), std::optional<std::u16string>(u"中文 abc"));
}

TEST_F(ClipboardTest, DelayedFormatsAreRenderedByTheOwner) {
  HWND owner = CreateTop();
  auto render = [](HWND, UINT message, WPARAM format, LPARAM) -> LRESULT {
    if (message == WM_RENDERFORMAT && format == CF_UNICODETEXT) {
      SetClipboardData(CF_UNICODETEXT, Block(u"late", 10));
    }
    return 0;
  };
  WNDPROC previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MakeWndProcThunk(render))));
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, nullptr);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(WideOf(GetClipboardData(CF_UNICODETEXT)), u"late");
  CloseClipboard();
  FreeWndProcThunk(reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous))));
}

TEST_F(ClipboardTest, AnotherProgramsTextReplacesTheContents) {
  HWND owner = CreateTop();
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, Block(u"ours", 10));
  CloseClipboard();
  platform::display::Current().SetClipboardText(u"their\nlines");
  EXPECT_EQ(GetClipboardOwner(), owner);  // not looked at until asked for data
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardOwner(), nullptr);
  EXPECT_EQ(WideOf(GetClipboardData(CF_UNICODETEXT)), u"their\r\nlines");
  EXPECT_EQ(NarrowOf(GetClipboardData(CF_TEXT)), "their\r\nlines");
  CloseClipboard();
}

}  // namespace
}  // namespace brellis::test
