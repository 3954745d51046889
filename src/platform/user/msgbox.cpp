// Message boxes: by default a modal "#32770" dialog with an icon, the text
// and push buttons, owned by the active window, activated like any other
// window (so the CBT hook sees it). The handler stays replaceable.
#include "platform/user/msgbox.h"

#include <algorithm>
#include <vector>

#include "platform/controls/controls.h"
#include "platform/gdi/gdi.h"
#include "platform/user/dialog.h"
#include "platform/user/window_object.h"

namespace {

// Identifiers Windows gives the message box's statics.
constexpr int kIconId = 0x14;
constexpr int kTextId = 0xFFFF;
constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

struct ButtonChoice {
  int id;
  const char* text;  // UTF-8
};

std::vector<ButtonChoice> ButtonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "确定"}, {IDCANCEL, "取消"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "中止(&A)"}, {IDRETRY, "重试(&R)"}, {IDIGNORE, "忽略(&I)"}};
    case MB_YESNOCANCEL: return {{IDYES, "是(&Y)"}, {IDNO, "否(&N)"}, {IDCANCEL, "取消"}};
    case MB_YESNO: return {{IDYES, "是(&Y)"}, {IDNO, "否(&N)"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "重试(&R)"}, {IDCANCEL, "取消"}};
    default: return {{IDOK, "确定"}};
  }
}

LPCWSTR IconFor(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return nullptr;
  }
}

// What closing the box (close box, Alt+F4, Escape) answers: Cancel where
// there is one, else OK for an OK box, else No. A box without Cancel is
// closable here, unlike on Windows, because the frame offers a close box.
int CloseResult(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
      return IDCANCEL;
    case MB_YESNO:
      return IDNO;
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    default:
      return IDOK;
  }
}

struct BoxState {
  UINT type = 0;
  int defaultId = IDOK;
};

INT_PTR MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* state = reinterpret_cast<const BoxState*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, static_cast<LONG_PTR>(state->type));
      SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(state->defaultId), 0);
      if (HWND button = GetDlgItem(dialog, state->defaultId)) SetFocus(button);
      return FALSE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const UINT type = static_cast<UINT>(GetWindowLongPtrW(dialog, DWLP_USER));
      if (id == IDCANCEL && GetDlgItem(dialog, IDCANCEL) == nullptr) {
        EndDialog(dialog, CloseResult(type));
        return TRUE;
      }
      if (GetDlgItem(dialog, id) != nullptr && id >= IDOK && id <= IDNO) EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

HFONT MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

int ShowDialog(HWND owner, const WideString& text, const WideString& caption, UINT type) {
  if (owner == nullptr || !IsWindow(owner)) owner = GetActiveWindow();
  HFONT font = MessageFont();
  HICON icon = IconFor(type) ? LoadIconW(nullptr, IconFor(type)) : nullptr;
  const std::vector<ButtonChoice> buttons = ButtonsFor(type);

  // Measure the text within three quarters of the screen's width.
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  RECT textRect{0, 0, screenWidth * 3 / 4, 0};
  DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  SelectObject(screen, previous);
  DeleteDC(screen);
  const int textWidth = textRect.right - textRect.left;
  const int textHeight = std::max<int>(textRect.bottom - textRect.top, 12);

  const int iconSize = GetSystemMetrics(SM_CXICON);
  const int textLeft = kMargin + (icon ? iconSize + kMargin : 0);
  const int contentHeight = std::max(icon ? iconSize : 0, textHeight);
  const int textTop = kMargin + (contentHeight - textHeight) / 2;
  const int buttonsWidth = static_cast<int>(buttons.size()) * kButtonWidth +
                           (static_cast<int>(buttons.size()) - 1) * kButtonGap;
  const int clientWidth = std::max(textLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin);
  const int buttonTop = kMargin + contentHeight + kMargin + 4;
  const int clientHeight = buttonTop + kButtonHeight + kMargin;

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPSIBLINGS;
  const DWORD exStyle = WS_EX_DLGMODALFRAME;
  RECT window{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&window, style, FALSE, exStyle);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  // Centred on the owner, or on the screen.
  RECT around{0, 0, screenWidth, screenHeight};
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
  int x = around.left + ((around.right - around.left) - width) / 2;
  int y = around.top + ((around.bottom - around.top) - height) / 2;
  x = std::clamp(x, 0, std::max(0, screenWidth - width));
  y = std::clamp(y, 0, std::max(0, screenHeight - height));

  HWND dialog = platform::CreateDialogWindow(exStyle, style, RECT{x, y, x + width, y + height}, owner,
                                             caption.c_str(), MessageBoxProc, platform::SystemModule());
  if (dialog == nullptr) {
    DeleteObject(font);
    return 0;
  }
  SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (icon != nullptr) {
    HWND iconStatic = CreateWindowExW(0, u"Static", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, kMargin, kMargin,
                                      iconSize, iconSize, dialog, reinterpret_cast<HMENU>(kIconId),
                                      platform::SystemModule(), nullptr);
    SendMessageW(iconStatic, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }
  HWND textStatic = CreateWindowExW(0, u"Static", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                    textLeft, textTop, textWidth + 2, textHeight, dialog,
                                    reinterpret_cast<HMENU>(kTextId), platform::SystemModule(), nullptr);
  SendMessageW(textStatic, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  int defaultIndex = static_cast<int>((type & MB_DEFMASK) >> 8);
  if (defaultIndex >= static_cast<int>(buttons.size())) defaultIndex = 0;
  int buttonX = (clientWidth - buttonsWidth) / 2;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    buttonStyle |= static_cast<int>(i) == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (i == 0) buttonStyle |= WS_GROUP;
    const WideString label = platform::Utf8ToWideString(buttons[i].text);
    HWND button = CreateWindowExW(0, u"Button", label.c_str(), buttonStyle, buttonX, buttonTop, kButtonWidth,
                                  kButtonHeight, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttons[i].id)),
                                  platform::SystemModule(), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    buttonX += kButtonWidth + kButtonGap;
  }
  MessageBeep(type & MB_ICONMASK);
  BoxState state{type, buttons[static_cast<std::size_t>(defaultIndex)].id};
  const INT_PTR result = platform::RunDialog(dialog, owner, reinterpret_cast<LPARAM>(&state));
  DeleteObject(font);
  return static_cast<int>(result);
}

platform::MessageBoxHandler& Handler() {
  static platform::MessageBoxHandler handler;
  return handler;
}

}  // namespace

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  const WideString body = text ? WideString(text) : WideString();
  const WideString title = caption ? WideString(caption) : WideString(u"Error");
  return Handler() ? Handler()(owner, body, title, type) : ShowDialog(owner, body, title, type);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  const WideString body = text ? platform::AnsiToWideString(text) : WideString();
  const WideString title = caption ? platform::AnsiToWideString(caption) : WideString(u"Error");
  return MessageBoxW(owner, body.c_str(), title.c_str(), type);
}

namespace platform {

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

}  // namespace platform
