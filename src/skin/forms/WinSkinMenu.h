// Skinned menus: the popup-menu windows ("#32768") the manager attaches, the
// owner-drawn entries painted from the skin's menu-item picture over the
// background of the window they sit in, and the switching of the program's
// menus to and from owner-drawn entries.
#pragma once

#include <memory>

#include "platform/user/user.h"
#include "toolkit/Graphics.h"

class TSkinData;
class TComponent;
class TMenu;
class TMenuItem;
class TObject;
class TWinSkinForm;

// Entry rectangles are in the menu window's client coordinates; the client
// area starts this many pixels inside the window rectangle on each side.
constexpr int kMenuClientInset = 3;

// The skinning object of one popup-menu window: while subclassed it paints
// the window's frame and background from the skin's menu background picture
// and keeps that picture, so that the entries drawn in the window can take
// the part under them. FMenuHandle is learned from the first entry drawn.
class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu();
  // Frees the background; does not unsubclass.
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void Subclass(HWND window, TSkinData* skin);
  // Gives the window its procedure back and empties the background; nothing
  // when not subclassed.
  void Unsubclass();
  bool Subclassed() const { return FNewWndProc != nullptr; }

  HWND Handle() const { return FHandle; }
  TSkinData* Skin() const { return FSkin; }

  // -- Fields ----------------------------------------------------------------
  WNDPROC FOldWndProc = nullptr;
  WNDPROC FNewWndProc = nullptr;
  HWND FHandle = nullptr;
  TSkinData* FSkin = nullptr;
  std::unique_ptr<TBitmap> FBackground;
  HMENU FMenuHandle = nullptr;

 private:
  LRESULT PopupWndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);
  // Whether the skin has a background picture to paint the window with.
  bool HasBackgroundPicture() const;
  // FBackground rebuilt at the window's size.
  void BuildBackground();
  LRESULT PaintBackground(WPARAM wParam, LPARAM lParam);
  LRESULT PrintMenu(WPARAM wParam, LPARAM lParam);
};

// ---------------------------------------------------------------------------
// Entries
//
// Toolkit items are drawn through their draw events (the engine's events
// installed by the switching below, unless the program gave an item its
// own); entries of menus the toolkit does not know (raw HMENU entries) are
// drawn from what the menu functions tell. Every entry is composed in a
// bitmap and copied once.

// Measuring: the toolkit's own size, widened for the skin's glyph column.
void MeasureMainItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, int& width, int& height);
void MeasurePopupItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, int& width, int& height);

// A toolkit entry over the background of its menu window with the skin's
// menu-item picture; `barMenu` is the menu the owner window's bar shows
// (for items that have no menu of their own), or null.
void DrawSkinnedItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected,
                     TMenu* barMenu = nullptr);
// A raw entry of `menu`, described by a temporary item; `subMenu` when the
// entry opens one.
void DrawRawItem(TSkinData* skin, HMENU menu, TMenuItem* item, bool selected, const TRect& rect, TCanvas* canvas,
                 TMenu* barMenu = nullptr, bool subMenu = false);
// Without a menu-item picture: the Menu colour, Hilight when selected.
void DrawPlainItem(TSkinData* skin, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected,
                   TMenu* barMenu = nullptr);
// Glyph or check mark, caption and shortcut of an entry, onto `canvas`.
void DrawItemContent(TSkinData* skin, TMenuItem* item, TCanvas* canvas, bool selected, const TRect& rect,
                     TMenu* barMenu = nullptr);

// The events the engine gives items: a skin that is no longer loaded draws
// and measures the toolkit's own look.
struct TSkinnedItemDrawEvent {
  TSkinData* FSkin;
  void operator()(TObject* sender, TCanvas* canvas, TRect rect, bool selected) const;
};
struct TPopupItemMeasureEvent {
  TSkinData* FSkin;
  void operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const;
};
struct TMainItemMeasureEvent {
  TSkinData* FSkin;
  void operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const;
};

// Whether the item's events are the engine's (not the program's own).
bool HasSkinnedDrawEvent(const TMenuItem* item);
bool HasSkinnedMeasureEvent(const TMenuItem* item);

// ---------------------------------------------------------------------------
// Switching the program's menus to and from owner-drawn entries. Switching
// off clears only the events the engine installed: an event of the
// program's own stays.

// The popup menus among the container's components (forms searched
// recursively), unless their Tag is the skin's DisableTag or the skin does
// not skin popup menus.
void SetPopupMenusOwnerDraw(TSkinData* skin, TComponent* container, bool on);
// The main menus among the container's components (only when the skin
// skins menu items): on gives the entries below the bar the engine's events.
void SetMainMenusOwnerDraw(TSkinData* skin, TComponent* container, bool on);
// The item and all its descendants.
void SetItemsOwnerDraw(TSkinData* skin, TMenuItem* item, bool on);
// Both kinds switched off (the detaches).
void ReleaseMenusOwnerDraw(TSkinData* skin, TComponent* container);

// WM_MEASUREITEM and WM_DRAWITEM of menu entries at a skinned owner window.
// Answers whether the message was handled (its result in `result`).
bool SkinMenuOwnerMessage(TWinSkinForm& form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
