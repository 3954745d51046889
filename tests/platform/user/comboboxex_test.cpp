// The "ComboBoxEx32" class: its parts (the owner-drawn combo box as first
// child, the edit over its field), items in A and W text with their
// masks, CBEN_INSERTITEM / CBEN_DELETEITEM, the CB_* messages it answers or
// passes on, CBEN_BEGINEDIT / CBEN_ENDEDIT in wide and ANSI form with a
// refusal, images setting the item height, the classic look closed and
// dropped, and a leak check.
#include <cstring>

#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

constexpr int kId = 12;

// What the owner window was told.
struct Told {
  UINT code = 0;
  int item = 0;
  std::u16string text;
  int image = 0;
  int indent = 0;
  LPARAM param = 0;
  BOOL changed = FALSE;
  int why = 0;
};
std::vector<Told> g_told;
std::vector<WORD> g_commands;
LRESULT g_endEditAnswer = 0;

std::u16string FromAnsi(const char* text) {
  char16_t wide[300] = {};
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 300);
  return wide;
}

void Tell(UINT code, LPARAM lParam, bool wide) {
  Told t;
  t.code = code;
  if (code == CBEN_INSERTITEM || code == CBEN_DELETEITEM) {
    const auto& item = reinterpret_cast<const NMCOMBOBOXEXW*>(lParam)->ceItem;
    t.item = static_cast<int>(item.iItem);
    t.text = wide ? std::u16string(item.pszText)
                  : FromAnsi(reinterpret_cast<const NMCOMBOBOXEXA*>(lParam)->ceItem.pszText);
    t.image = item.iImage;
    t.indent = item.iIndent;
    t.param = item.lParam;
  } else if (code == CBEN_ENDEDITW) {
    const auto* nm = reinterpret_cast<const NMCBEENDEDITW*>(lParam);
    t = Told{code, nm->iNewSelection, nm->szText, 0, 0, 0, nm->fChanged, nm->iWhy};
  } else if (code == CBEN_ENDEDITA) {
    const auto* nm = reinterpret_cast<const NMCBEENDEDITA*>(lParam);
    t = Told{code, nm->iNewSelection, FromAnsi(nm->szText), 0, 0, 0, nm->fChanged, nm->iWhy};
  }
  g_told.push_back(t);
}

LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool wide = IsWindowUnicode(hwnd) != FALSE;
  if (message == WM_NOTIFY) {
    const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
    Tell(code, lParam, wide);
    return code == CBEN_ENDEDITA || code == CBEN_ENDEDITW ? g_endEditAnswer : 0;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == kId) g_commands.push_back(HIWORD(wParam));
  return wide ? DefWindowProcW(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

HIMAGELIST MakeImages(int size) {
  HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32, 3, 0);
  for (COLORREF colour : {RGB(220, 60, 40), RGB(40, 160, 60), RGB(40, 90, 220)}) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, size, size};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_Add(images, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  return images;
}

class ComboBoxExTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    g_told.clear();
    g_commands.clear();
    g_endEditAnswer = 0;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProcFromFunction(OwnerProc);
    wc.lpszClassName = u"ComboExOwner";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    RegisterClassExW(&wc);
    WNDCLASSEXA wca{};
    wca.cbSize = sizeof(wca);
    wca.lpfnWndProc = WndProcFromFunction(OwnerProc);
    wca.lpszClassName = "ComboExOwnerA";
    RegisterClassExA(&wca);
    owner = CreateWindowExW(0, u"ComboExOwner", u"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                            nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyAllWindows();
    UnregisterClassW(u"ComboExOwner", nullptr);
    UnregisterClassA("ComboExOwnerA", nullptr);
    UserTest::TearDown();
  }

  HWND Make(DWORD style, HWND parent = nullptr, int x = 10, int y = 10) {
    return CreateWindowExW(0, WC_COMBOBOXEXW, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, 140, 160,
                           parent ? parent : owner, reinterpret_cast<HMENU>(kId), nullptr, nullptr);
  }

  static LRESULT Insert(HWND combo, const char16_t* text, int image = -1, int indent = 0, INT_PTR at = -1,
                        LPARAM param = 0) {
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = at;
    item.pszText = const_cast<LPWSTR>(text);
    item.iImage = image;
    item.iSelectedImage = image;
    item.iIndent = indent;
    item.lParam = param;
    return SendMessageW(combo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }

  static HWND Edit(HWND combo) { return reinterpret_cast<HWND>(SendMessageW(combo, CBEM_GETEDITCONTROL, 0, 0)); }
  static HWND Inner(HWND combo) { return reinterpret_cast<HWND>(SendMessageW(combo, CBEM_GETCOMBOCONTROL, 0, 0)); }

  static void Type(HWND edit, const char16_t* text) {
    for (const char16_t* p = text; *p; ++p) SendMessageW(edit, WM_CHAR, *p, 0);
  }

  static std::u16string Text(HWND hwnd) {
    char16_t buffer[64] = {};
    GetWindowTextW(hwnd, buffer, 64);
    return buffer;
  }

  HWND owner = nullptr;
};

TEST_F(ComboBoxExTest, FrameHoldsAnOwnerDrawnComboAndAnEditOverItsField) {
  for (DWORD style : {CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
    SCOPED_TRACE(style);
    HWND combo = Make(style);
    ASSERT_NE(combo, nullptr);
    HWND inner = Inner(combo);
    EXPECT_EQ(GetWindow(combo, GW_CHILD), inner);  // the first child is the combo box
    char16_t name[32] = {};
    GetClassNameW(inner, name, 32);
    EXPECT_EQ(std::u16string(name), u"ComboBox");
    const auto innerStyle = static_cast<DWORD>(GetWindowLongW(inner, GWL_STYLE));
    EXPECT_NE(innerStyle & CBS_OWNERDRAWFIXED, 0u);
    EXPECT_EQ(innerStyle & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
    EXPECT_EQ(GetDlgCtrlID(inner), kId);
    RECT frame{}, box{};
    GetWindowRect(combo, &frame);
    GetWindowRect(inner, &box);
    EXPECT_TRUE(EqualRect(&frame, &box));  // the frame is as tall as the closed combo box
    if (style == CBS_DROPDOWN) {
      HWND edit = Edit(combo);
      ASSERT_NE(edit, nullptr);
      EXPECT_EQ(GetParent(edit), inner);
      COMBOBOXINFO info{};
      info.cbSize = sizeof(info);
      ASSERT_TRUE(GetComboBoxInfo(inner, &info));
      RECT editRect{};
      GetWindowRect(edit, &editRect);
      MapWindowPoints(nullptr, inner, reinterpret_cast<POINT*>(&editRect), 2);
      EXPECT_EQ(editRect.top, info.rcItem.top);
      EXPECT_EQ(editRect.right, info.rcItem.right);
    } else {
      EXPECT_EQ(Edit(combo), nullptr);
    }
    // The list still drops as far as the height asked at creation.
    Insert(combo, u"a");
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.top, frame.bottom);
    DestroyWindow(combo);
  }
}

TEST_F(ComboBoxExTest, ItemsKeepTheirMaskedFieldsInWideAndAnsiText) {
  HWND combo = Make(CBS_DROPDOWNLIST);
  EXPECT_EQ(Insert(combo, u"Alpha", 0, 0, -1, 100), 0);
  EXPECT_EQ(Insert(combo, u"Gamma", 2, 2, -1, 300), 1);
  EXPECT_EQ(Insert(combo, u"Beta", 1, 1, 1, 200), 1);  // between the two
  EXPECT_EQ(Insert(combo, u"Out", 0, 0, 7), -1);
  EXPECT_EQ(SendMessageW(combo, CBEM_INSERTITEMW, 0, 0), -1);
  COMBOBOXEXITEMA ansi{};
  ansi.mask = CBEIF_TEXT | CBEIF_IMAGE;
  ansi.iItem = -1;
  std::string gbk = "\xd6\xd0\xce\xc4";  // two Chinese characters in code page 936
  ansi.pszText = gbk.data();
  ansi.iImage = 1;
  EXPECT_EQ(SendMessageW(combo, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ansi)), 3);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(Inner(combo), CB_GETCOUNT, 0, 0), 4);

  ASSERT_EQ(g_told.size(), 4u);
  EXPECT_EQ(g_told[2].code, CBEN_INSERTITEM);
  EXPECT_EQ(g_told[2].item, 1);
  EXPECT_EQ(g_told[2].text, u"Beta");
  EXPECT_EQ(g_told[2].indent, 1);
  EXPECT_EQ(g_told[2].param, 200);

  char16_t text[8] = {};
  COMBOBOXEXITEMW got{};
  got.mask = CBEIF_TEXT | CBEIF_INDENT | CBEIF_LPARAM;
  got.iItem = 2;
  got.pszText = text;
  got.cchTextMax = 3;  // cut to the buffer
  got.iImage = 55;     // not asked for: left alone
  ASSERT_TRUE(SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(std::u16string(text), u"Ga");
  EXPECT_EQ(got.iIndent, 2);
  EXPECT_EQ(got.lParam, 300);
  EXPECT_EQ(got.iImage, 55);
  char back[16] = {};
  COMBOBOXEXITEMA gotA{};
  gotA.mask = CBEIF_TEXT | CBEIF_IMAGE;
  gotA.iItem = 3;
  gotA.pszText = back;
  gotA.cchTextMax = 16;
  ASSERT_TRUE(SendMessageW(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&gotA)));
  EXPECT_EQ(std::string(back), gbk);
  EXPECT_EQ(gotA.iImage, 1);
  got.iItem = 9;
  EXPECT_FALSE(SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&got)));

  COMBOBOXEXITEMW set{};
  set.mask = CBEIF_TEXT | CBEIF_IMAGE;
  set.iItem = 0;
  set.pszText = const_cast<LPWSTR>(u"First");
  set.iImage = 2;
  EXPECT_TRUE(SendMessageW(combo, CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&set)));
  set.iItem = 4;
  EXPECT_FALSE(SendMessageW(combo, CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&set)));
  char16_t line[16] = {};
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(line)), 5);
  EXPECT_EQ(std::u16string(line), u"First");
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 1, 0), 200);
  EXPECT_EQ(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"beta")), 1);
  EXPECT_EQ(SendMessageW(combo, CB_FINDSTRING, 1, reinterpret_cast<LPARAM>(u"F")), 0);  // wraps round

  g_told.clear();
  EXPECT_EQ(SendMessageW(combo, CBEM_DELETEITEM, 1, 0), 3);  // the count left
  EXPECT_EQ(SendMessageW(combo, CBEM_DELETEITEM, 5, 0), CB_ERR);
  ASSERT_EQ(g_told.size(), 1u);
  EXPECT_EQ(g_told[0].code, CBEN_DELETEITEM);
  EXPECT_EQ(g_told[0].text, u"Beta");
  EXPECT_EQ(g_told[0].param, 200);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(g_told.size(), 4u);  // every item is told as it goes
}

TEST_F(ComboBoxExTest, SelectionIsTheTextOfEitherStyle) {
  HWND list = Make(CBS_DROPDOWNLIST);
  HWND drop = Make(CBS_DROPDOWN, nullptr, 160, 10);
  for (HWND combo : {list, drop}) {
    Insert(combo, u"One", 0);
    Insert(combo, u"Two", 1);
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Text(combo), u"Two");
    EXPECT_EQ(GetWindowTextLengthW(combo), 3);
  }
  EXPECT_EQ(Text(Edit(drop)), u"Two");
  EXPECT_FALSE(SendMessageW(drop, CBEM_HASEDITCHANGED, 0, 0));
  // The edit's item (-1) is what the field shows.
  SetWindowTextW(drop, u"Typed");
  char16_t text[16] = {};
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT | CBEIF_IMAGE;
  item.iItem = -1;
  item.pszText = text;
  item.cchTextMax = 16;
  ASSERT_TRUE(SendMessageW(drop, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::u16string(text), u"Typed");
  EXPECT_EQ(item.iImage, 1);
  // A drop-down list's text can only name an item.
  EXPECT_EQ(SendMessageW(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"one")), TRUE);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageW(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"none")), CB_ERR);
  // Choosing in the list reports CBN_SELCHANGE as the frame's, with the frame's handle.
  g_commands.clear();
  SetFocus(list);
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
  EXPECT_NE(std::find(g_commands.begin(), g_commands.end(), CBN_SELCHANGE), g_commands.end());
}

TEST_F(ComboBoxExTest, EndEditTellsWhyWhatAndWhichItemAndMayBeRefused) {
  HWND combo = Make(CBS_DROPDOWN);
  Insert(combo, u"Red", 0);
  Insert(combo, u"Green", 1);
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  HWND edit = Edit(combo);
  SetFocus(combo);
  EXPECT_EQ(GetFocus(), edit);
  ASSERT_FALSE(g_told.empty());
  EXPECT_EQ(g_told.back().code, CBEN_BEGINEDIT);

  // Return with a text naming an item selects it.
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Type(edit, u"green");
  EXPECT_TRUE(SendMessageW(combo, CBEM_HASEDITCHANGED, 0, 0));
  g_told.clear();
  g_commands.clear();
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_EQ(g_told.size(), 1u);
  EXPECT_EQ(g_told[0].code, CBEN_ENDEDITW);
  EXPECT_EQ(g_told[0].why, CBENF_RETURN);
  EXPECT_TRUE(g_told[0].changed);
  EXPECT_EQ(g_told[0].item, 1);
  EXPECT_EQ(g_told[0].text, u"green");
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(edit), u"Green");
  EXPECT_EQ(g_commands, std::vector<WORD>{CBN_SELCHANGE});
  EXPECT_FALSE(SendMessageW(combo, CBEM_HASEDITCHANGED, 0, 0));

  // Escape puts the selection's text back.
  Type(edit, u"x");
  g_told.clear();
  SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_EQ(g_told.size(), 1u);
  EXPECT_EQ(g_told[0].why, CBENF_ESCAPE);
  EXPECT_EQ(g_told[0].item, CB_ERR);
  EXPECT_EQ(Text(edit), u"Green");

  // A refused text goes back too; losing the focus ends a changed edit.
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Type(edit, u"Red");
  g_endEditAnswer = TRUE;
  g_told.clear();
  SetFocus(owner);
  ASSERT_FALSE(g_told.empty());
  EXPECT_EQ(g_told[0].why, CBENF_KILLFOCUS);
  EXPECT_EQ(g_told[0].item, 0);
  EXPECT_EQ(Text(edit), u"Green");
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);

  // Dropping the list after typing ends the edit first.
  g_endEditAnswer = 0;
  SetFocus(edit);
  Type(edit, u"z");
  g_told.clear();
  SendMessageW(edit, WM_KEYDOWN, VK_F4, 0);
  EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  ASSERT_FALSE(g_told.empty());
  EXPECT_EQ(g_told[0].why, CBENF_DROPDOWN);
  SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);  // closes the list, not an end of editing
  EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboBoxExTest, AnsiOwnerIsToldInAnsi) {
  HWND ansiOwner = CreateWindowExA(0, "ComboExOwnerA", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
  HWND combo = Make(CBS_DROPDOWN, ansiOwner);
  Insert(combo, u"\u4e2d\u6587");
  ASSERT_EQ(g_told.size(), 1u);
  EXPECT_EQ(g_told[0].text, u"\u4e2d\u6587");  // read back from code page 936
  SetFocus(Edit(combo));
  SetWindowTextW(Edit(combo), u"\u4e2d\u6587");
  SendMessageW(Edit(combo), WM_CHAR, u'!', 0);
  g_told.clear();
  SendMessageW(Edit(combo), WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_EQ(g_told.size(), 1u);
  EXPECT_EQ(g_told[0].code, CBEN_ENDEDITA);
  EXPECT_EQ(g_told[0].text.size(), 3u);
}

TEST_F(ComboBoxExTest, ImagesSetTheItemHeightAndMoveTheEdit) {
  HWND combo = Make(CBS_DROPDOWN);
  HWND inner = Inner(combo);
  const LRESULT textHeight = SendMessageW(inner, CB_GETITEMHEIGHT, 0, 0);
  RECT before{};
  GetWindowRect(Edit(combo), &before);
  HIMAGELIST images = MakeImages(24);
  EXPECT_EQ(SendMessageW(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)), 0);
  EXPECT_EQ(SendMessageW(combo, CBEM_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(images));
  EXPECT_GT(24, textHeight);
  EXPECT_EQ(SendMessageW(inner, CB_GETITEMHEIGHT, 0, 0), 24);
  EXPECT_EQ(SendMessageW(inner, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 24);
  RECT frame{}, box{}, after{};
  GetWindowRect(combo, &frame);
  GetWindowRect(inner, &box);
  EXPECT_EQ(frame.bottom - frame.top, box.bottom - box.top);
  EXPECT_EQ(frame.bottom - frame.top, 24 + 6);
  GetWindowRect(Edit(combo), &after);
  EXPECT_EQ(after.left - before.left, 24 + 4);  // right of the image
  SendMessageW(combo, CBEM_SETEXTENDEDSTYLE, CBES_EX_NOEDITIMAGEINDENT, CBES_EX_NOEDITIMAGEINDENT);
  EXPECT_EQ(SendMessageW(combo, CBEM_GETEXTENDEDSTYLE, 0, 0), static_cast<LRESULT>(CBES_EX_NOEDITIMAGEINDENT));
  GetWindowRect(Edit(combo), &after);
  EXPECT_EQ(after.left, before.left);
  DestroyWindow(combo);
  ImageList_Destroy(images);
}

// A part of the screen.
platform::DibImage Crop(const platform::DibImage& image, RECT r) {
  platform::DibImage out;
  out.format = image.format;
  out.format.width = r.right - r.left;
  out.format.height = r.bottom - r.top;
  out.bits.resize(out.format.ImageSize());
  const int bytes = image.format.bitsPerPixel / 8;
  for (int y = 0; y < out.format.height; ++y) {
    const int from = image.format.topDown ? r.top + y : image.format.height - 1 - (r.top + y);
    const int to = out.format.topDown ? y : out.format.height - 1 - y;
    std::memcpy(out.bits.data() + static_cast<std::size_t>(to) * out.format.Stride(),
                image.bits.data() + static_cast<std::size_t>(from) * image.format.Stride() + r.left * bytes,
                static_cast<std::size_t>(out.format.width * bytes));
  }
  return out;
}

TEST_F(ComboBoxExTest, GoldenClosedAndDropped) {
  HIMAGELIST images = MakeImages(16);
  HWND list = Make(CBS_DROPDOWNLIST, nullptr, 10, 10);
  HWND drop = Make(CBS_DROPDOWN, nullptr, 170, 10);
  for (HWND combo : {list, drop}) {
    SendMessageW(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    Insert(combo, u"Computer", 0, 0);
    Insert(combo, u"Drive C:", 1, 1);
    Insert(combo, u"Documents", 2, 2);
    Insert(combo, u"Network", 1, 0);
  }
  SendMessageW(list, CB_SETCURSEL, 1, 0);
  SendMessageW(drop, CB_SETCURSEL, 2, 0);
  InvalidateRect(owner, nullptr, TRUE);
  Pump();
  RECT window{};
  GetWindowRect(owner, &window);
  EXPECT_TRUE(MatchesGolden(Crop(headless::ScreenImage(), window), "user/comboboxex_closed", GoldenTolerance{48, 200}));
  SetFocus(list);
  SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  EXPECT_TRUE(MatchesGolden(Crop(headless::ScreenImage(), window), "user/comboboxex_dropped", GoldenTolerance{48, 200}));
  SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
  DestroyWindow(list);
  DestroyWindow(drop);
  ImageList_Destroy(images);
}

class ComboBoxExLeakTest : public UserTest {};

TEST_F(ComboBoxExLeakTest, CreateFillDropDestroyLeavesHandleCountsUnchanged) {
  HIMAGELIST images = MakeImages(16);
  auto once = [images](int round) {
    HWND top = CreateWindowExW(0, MessageRecorder::WideClass(), u"Leak", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               200, nullptr, nullptr, nullptr, nullptr);
    HWND combo = CreateWindowExW(0, WC_COMBOBOXEXW, nullptr,
                                 WS_CHILD | WS_VISIBLE | (round % 2 ? CBS_DROPDOWN : CBS_DROPDOWNLIST), 0, 0, 150, 120,
                                 top, nullptr, nullptr, nullptr);
    SendMessageW(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    for (int i = 0; i < 10; ++i) {
      COMBOBOXEXITEMW item{CBEIF_TEXT | CBEIF_IMAGE, -1, const_cast<LPWSTR>(u"line"), 0, i % 3, 0, 0, 0, 0};
      SendMessageW(combo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    UpdateWindow(top);
    if (round % 3 == 0) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    DestroyWindow(top);
  };
  once(0);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  const auto before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t thunks = platform::LiveThunkCount();
  for (int round = 0; round < 100; ++round) once(round);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  const auto after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveThunkCount(), thunks);
  ImageList_Destroy(images);
}

}  // namespace
}  // namespace brellis::test
