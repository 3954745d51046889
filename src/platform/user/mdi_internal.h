// What the MDI files share: the state of each "MDIClient" window and the
// steps the client, the frame's and the children's default procedures take.
// Only platform/user includes this header.
#pragma once

#include <vector>

#include "platform/base/strings.h"
#include "platform/user/menu_object.h"
#include "platform/user/user.h"

namespace platform {

struct MdiClientState {
  HWND frame = nullptr;
  HMENU windowMenu = nullptr;  // the frame's menu that lists the children
  UINT idFirstChild = 0;
  HWND active = nullptr;
  HWND maximized = nullptr;    // the child whose buttons are on the frame's bar
  std::vector<HWND> children;  // creation order: the window menu's order
  WideString frameTitle;       // the frame's own caption, without the child's
  HMENU listedIn = nullptr;    // the menu that carries the list now
  UINT listed = 0;             // entries of the list there
};

void RegisterMdiClientClass();
// The state of a client window; null for any other window.
MdiClientState* MdiClientOf(HWND client);
// The client of an MDI child (its parent when that is a client).
HWND MdiClientOfChild(HWND child);

// Activation inside a client: the previous child hears it is deactivated,
// the new one that it is activated (WM_MDIACTIVATE at both ends).
void ActivateMdiChild(HWND client, HWND child);
// A child joining the list (once), with its id and its window-menu entry.
void AdoptMdiChild(HWND client, HWND child);
// A child going away: it leaves the list, its buttons leave the frame and
// the next child becomes active (maximised when it was).
void ForgetMdiChild(HWND client, HWND child);
// The child that follows (or precedes) `from` in z-order, skipping hidden
// and disabled ones; null when there is none other.
HWND NextMdiChild(HWND client, HWND from, bool previous);
// The window menu's list of children, rebuilt.
void RefreshMdiWindowMenu(HWND client);
// Children's positions: the client's arrangements and its scroll bars.
void TileMdiChildren(HWND client, UINT how);
void CascadeMdiChildren(HWND client);
void UpdateMdiScrollBars(HWND client);
void ScrollMdiClient(HWND client, int bar, WPARAM code);

// A maximised child's presence on the frame: the system-menu icon and the
// minimise/restore/close buttons on the bar, the child's title in the
// frame's caption.
void ShowMdiMaximizedChild(HWND client, HWND child);
void HideMdiMaximizedChild(HWND client, HWND child);
// The frame's caption: its own title, with " - [child]" while maximised.
void UpdateMdiFrameText(HWND client);

// The menu bar's entries that stand for a maximised child (HBMMENU_ bitmaps).
bool IsMdiBarEntry(const MenuItem& item);
int MdiBarEntryWidth(const MenuItem& item);
void PaintMdiBarEntry(HDC dc, const MenuItem& item, bool pressed);

}  // namespace platform
