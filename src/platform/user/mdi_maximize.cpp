// A maximised MDI child lends its frame what its own hidden frame showed:
// its system-menu icon at the left of the frame's menu bar, its minimise,
// restore and close buttons at the right, and its title in the frame's
// caption ("Frame - [Child]").
#include "platform/user/mdi_internal.h"

namespace platform {
namespace {

bool IsMdiBarBitmap(HBITMAP bitmap) {
  return bitmap == HBMMENU_SYSTEM || bitmap == HBMMENU_MBAR_RESTORE || bitmap == HBMMENU_MBAR_MINIMIZE ||
         bitmap == HBMMENU_MBAR_CLOSE || bitmap == HBMMENU_MBAR_CLOSE_D || bitmap == HBMMENU_MBAR_MINIMIZE_D;
}

// Takes every entry a maximised child added out of a frame menu; the
// system menu stays the child's.
void RemoveChildEntries(HMENU menu) {
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_BITMAP;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if ((info.fType & MFT_BITMAP) && IsMdiBarBitmap(info.hbmpItem)) RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  }
}

}  // namespace

void ShowMdiMaximizedChild(HWND client, HWND child) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr || !IsWindow(child)) return;
  if (state->maximized != nullptr && state->maximized != child) HideMdiMaximizedChild(client, state->maximized);
  if ((state = MdiClientOf(client)) == nullptr) return;
  const HMENU menu = GetMenu(state->frame);
  if (state->maximized != child && menu != nullptr) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
    RemoveChildEntries(menu);
    if (style & WS_SYSMENU) {
      InsertMenuW(menu, 0, MF_BYPOSITION | MF_BITMAP | MF_POPUP, reinterpret_cast<UINT_PTR>(GetSystemMenu(child, FALSE)),
                  reinterpret_cast<LPCWSTR>(HBMMENU_SYSTEM));
      // The entry draws the child's small icon.
      MENUITEMINFOW data{};
      data.cbSize = sizeof(data);
      data.fMask = MIIM_DATA;
      data.dwItemData = reinterpret_cast<ULONG_PTR>(child);
      SetMenuItemInfoW(menu, 0, TRUE, &data);
    }
    if (style & WS_MINIMIZEBOX) {
      AppendMenuW(menu, MF_BITMAP | MF_RIGHTJUSTIFY, SC_MINIMIZE, reinterpret_cast<LPCWSTR>(HBMMENU_MBAR_MINIMIZE));
    }
    AppendMenuW(menu, MF_BITMAP | ((style & WS_MINIMIZEBOX) ? 0 : MF_RIGHTJUSTIFY), SC_RESTORE,
                reinterpret_cast<LPCWSTR>(HBMMENU_MBAR_RESTORE));
    AppendMenuW(menu, MF_BITMAP, SC_CLOSE, reinterpret_cast<LPCWSTR>(HBMMENU_MBAR_CLOSE));
    DrawMenuBar(state->frame);
  }
  state->maximized = child;
  UpdateMdiFrameText(client);
  UpdateMdiScrollBars(client);
}

void HideMdiMaximizedChild(HWND client, HWND child) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr || state->maximized != child) return;
  state->maximized = nullptr;
  if (const HMENU menu = GetMenu(state->frame)) {
    RemoveChildEntries(menu);
    DrawMenuBar(state->frame);
  }
  UpdateMdiFrameText(client);
}

void UpdateMdiFrameText(HWND client) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr || !IsWindow(state->frame)) return;
  WideString text = state->frameTitle;
  if (state->maximized != nullptr && IsWindow(state->maximized)) {
    WCHAR title[256];
    if (GetWindowTextW(state->maximized, title, 256) > 0) {
      text += text.empty() ? u"[" : u" - [";
      text += title;
      text += u"]";
    }
  }
  // Straight to the default procedure: the frame's own title stays.
  DefWindowProcW(state->frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace platform
