// The frame's window menu: below a separator, one entry per MDI child
// ("&1 Title", ids from idFirstChild on), the active one checked. Choosing an
// entry reaches the frame as WM_COMMAND and activates that child.
#include <string>

#include "platform/user/mdi_internal.h"

namespace platform {
namespace {

// Takes the list out of the menu that carries it.
void RemoveList(MdiClientState& state) {
  if (state.listedIn == nullptr || !IsMenu(state.listedIn)) {
    state.listedIn = nullptr;
    state.listed = 0;
    return;
  }
  for (UINT i = 0; i < state.listed; ++i) DeleteMenu(state.listedIn, state.idFirstChild + i, MF_BYCOMMAND);
  const int count = GetMenuItemCount(state.listedIn);
  if (state.listed > 0 && count > 0 && (GetMenuState(state.listedIn, static_cast<UINT>(count - 1), MF_BYPOSITION) & MF_SEPARATOR)) {
    DeleteMenu(state.listedIn, static_cast<UINT>(count - 1), MF_BYPOSITION);
  }
  state.listedIn = nullptr;
  state.listed = 0;
}

WideString EntryText(std::size_t index, HWND child) {
  WCHAR title[256];
  GetWindowTextW(child, title, 256);
  WideString text = u"&";
  for (char c : std::to_string(index + 1)) text += static_cast<char16_t>(c);
  text += u' ';
  return text + title;
}

}  // namespace

void RefreshMdiWindowMenu(HWND client) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr) return;
  RemoveList(*state);
  // Children that went away without telling leave the list; ids stay
  // contiguous from idFirstChild, as the entries are.
  std::erase_if(state->children, [](HWND h) { return !IsWindow(h); });
  for (std::size_t i = 0; i < state->children.size(); ++i) {
    SetWindowLongPtrW(state->children[i], GWLP_ID, static_cast<LONG_PTR>(state->idFirstChild + i));
  }
  if (state->windowMenu == nullptr || !IsMenu(state->windowMenu) || state->children.empty()) return;
  AppendMenuW(state->windowMenu, MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < state->children.size(); ++i) {
    const HWND child = state->children[i];
    const UINT flags = MF_STRING | (child == state->active ? MF_CHECKED : MF_UNCHECKED);
    AppendMenuW(state->windowMenu, flags, state->idFirstChild + i, EntryText(i, child).c_str());
  }
  state->listedIn = state->windowMenu;
  state->listed = static_cast<UINT>(state->children.size());
}

}  // namespace platform
