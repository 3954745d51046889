// Registration of the standard classes and what they share.
#include "platform/controls/controls.h"

#include "platform/controls/control_data.h"

namespace platform {

std::u16string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
  return text;
}

void RegisterControlClass(LPCWSTR name, PlainWindowProcedure proc, UINT style, LPCWSTR cursor) {
  WNDCLASSEXW wc{};
  wc.style = style | CS_GLOBALCLASS;
  wc.lpfnWndProc = WndProcFromFunction(proc);
  wc.cbWndExtra = kControlDataBytes;
  wc.hInstance = SystemModule();
  wc.hCursor = LoadCursorW(nullptr, cursor);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

void RegisterStandardControls() {
  RegisterButtonClass();
  RegisterStaticClass();
  RegisterEditClass();
  RegisterScrollBarClass();
  RegisterProgressClass();
  RegisterUpDownClass();
  RegisterTrackBarClass();
  RegisterTabControlClass();
  RegisterStatusBarClass();
  RegisterListBoxClass();
  RegisterComboBoxClass();
  RegisterComboBoxExClass();
  RegisterHeaderClass();
  RegisterListViewClass();
  RegisterTreeViewClass();
  RegisterMonthCalClass();
  RegisterDateTimePickClass();
  RegisterToolBarClass();
  RegisterRebarClass();
}

}  // namespace platform
