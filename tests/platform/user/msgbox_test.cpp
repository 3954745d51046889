// Message boxes: a real modal "#32770" dialog that the CBT hook sees being
// created and activated, answered by mouse and keyboard.
#include <optional>
#include <string>
#include <vector>

#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

struct Seen {
  std::vector<std::string> events;  // "create:#32770", "activate:#32770" …
  HWND dialog = nullptr;
  DWORD dialogStyle = 0;
  HWND dialogOwner = nullptr;
  std::vector<std::pair<int, DWORD>> buttons;  // id, style
};

Seen* g_seen = nullptr;

std::string ClassOf(HWND hwnd) {
  char name[64] = "";
  GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

LRESULT WatchBox(int code, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = reinterpret_cast<HWND>(wParam);
  if (g_seen != nullptr && code == HCBT_CREATEWND) g_seen->events.push_back("create:" + ClassOf(hwnd));
  if (g_seen != nullptr && code == HCBT_ACTIVATE) {
    g_seen->events.push_back("activate:" + ClassOf(hwnd));
    if (ClassOf(hwnd) == "#32770") {
      g_seen->dialog = hwnd;
      g_seen->dialogStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
      g_seen->dialogOwner = GetWindow(hwnd, GW_OWNER);
      for (HWND child = GetTopWindow(hwnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button") {
          g_seen->buttons.emplace_back(GetDlgCtrlID(child), static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)));
        }
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class MessageBoxTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    owner = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{200, 200, 700, 600});
    Pump();
  }
  int Ask(UINT type = MB_YESNO | MB_ICONQUESTION) {
    return MessageBoxW(owner, u"Close the program?", u"Brellis", type);
  }
  HWND owner = nullptr;
};

TEST_F(MessageBoxTest, CbtHookSeesTheDialogAndItsButtonsCreatedThenActivated) {
  Seen seen;
  g_seen = &seen;
  HHOOK hook = SetWindowsHookExA(WH_CBT, WatchBox, nullptr, GetCurrentThreadId());
  headless::Key(VK_RETURN);  // answers with the default button
  EXPECT_EQ(Ask(), IDYES);
  UnhookWindowsHookEx(hook);
  g_seen = nullptr;

  const std::vector<std::string> expectedStart{"create:#32770", "create:Static", "create:Static", "create:Button",
                                               "create:Button", "activate:#32770"};
  ASSERT_GE(seen.events.size(), expectedStart.size());
  EXPECT_EQ(std::vector<std::string>(seen.events.begin(), seen.events.begin() + 6), expectedStart);
  // The owner gets activation back when the box goes.
  EXPECT_EQ(seen.events.back(), "activate:RecorderWindow");
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_TRUE(IsWindowEnabled(owner));

  EXPECT_EQ(seen.dialogOwner, owner);
  EXPECT_EQ(seen.dialogStyle & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(seen.dialogStyle & WS_SYSMENU);
  EXPECT_TRUE(seen.dialogStyle & DS_MODALFRAME);
  EXPECT_FALSE(seen.dialogStyle & DS_SETFOREGROUND);
  ASSERT_EQ(seen.buttons.size(), 2u);
  EXPECT_EQ(seen.buttons[0].first, IDYES);
  EXPECT_EQ(seen.buttons[0].second & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(seen.buttons[1].first, IDNO);
  EXPECT_EQ(seen.buttons[1].second & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_FALSE(IsWindow(seen.dialog));
}

TEST_F(MessageBoxTest, KeyboardAnswers) {
  headless::Key(VK_TAB);
  headless::Key(VK_RETURN);
  EXPECT_EQ(Ask(), IDNO);  // Tab moved to No

  headless::Key(VK_ESCAPE);
  EXPECT_EQ(Ask(), IDNO);  // no Cancel: closing answers No
  headless::Key(VK_ESCAPE);
  EXPECT_EQ(Ask(MB_OKCANCEL), IDCANCEL);
  headless::Key(VK_ESCAPE);
  EXPECT_EQ(Ask(MB_OK | MB_ICONINFORMATION), IDOK);

  headless::KeyDown(VK_MENU);
  headless::Key(VK_F4);
  headless::KeyUp(VK_MENU);
  EXPECT_EQ(Ask(), IDNO);

  headless::TypeChar(u'n');  // the mnemonic of "否(&N)"
  EXPECT_EQ(Ask(), IDNO);

  headless::Key(VK_SPACE);  // Space on the focused default button
  EXPECT_EQ(Ask(), IDYES);
}

// Clicks at a point of the box once it is on the screen (its position is
// known only then), from a timer that runs inside the modal loop.
POINT g_clickOffset{};
bool g_fromRight = false;

void ClickInBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND box = GetActiveWindow();
  RECT rect{};
  GetWindowRect(box, &rect);
  const int x = g_fromRight ? rect.right - g_clickOffset.x : rect.left + g_clickOffset.x;
  headless::Click(x, rect.top + g_clickOffset.y);
}

TEST_F(MessageBoxTest, MouseAnswersAndTheCloseBoxWorks) {
  // The close box: 2 pixels in from the caption's right end, 16 × 14.
  g_fromRight = true;
  g_clickOffset = POINT{3 + 2 + 8, 3 + 2 + 7};
  SetTimer(nullptr, 0, 50, ClickInBox);
  EXPECT_EQ(Ask(), IDNO);

  // The No button: the second of two centred 75-pixel buttons.
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND box = GetActiveWindow();
    HWND no = GetDlgItem(box, IDNO);
    RECT rect{};
    GetWindowRect(no, &rect);
    headless::Click((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  });
  EXPECT_EQ(Ask(), IDNO);
}

TEST_F(MessageBoxTest, GoldenYesNoWithQuestionIcon) {
  static std::optional<platform::DibImage> picture;
  picture.reset();
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND box = GetActiveWindow();
    picture = headless::WindowImage(box);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
  });
  EXPECT_EQ(MessageBoxW(owner, u"确定要退出系统吗？", u"提示信息", MB_YESNO | MB_ICONQUESTION), IDNO);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/message_box_yes_no", GoldenTolerance{48, 40}));
}

TEST_F(MessageBoxTest, ReplaceableHandlerStillWins) {
  platform::SetMessageBoxHandler([](HWND, const WideString& text, const WideString&, UINT) {
    return text == u"Close the program?" ? IDNO : IDYES;
  });
  EXPECT_EQ(Ask(), IDNO);
  platform::SetMessageBoxHandler(nullptr);
}

}  // namespace
}  // namespace brellis::test
