// The skinned menu bar of a skinned window: the window's top-level menu items
// drawn by the skin between the title strip and the client area, in as many
// rows as the window's width needs, each item a hot object like the caption
// buttons. An item opens its drop-down with TrackPopupMenu; while one is
// open a message-filter hook lets the arrow keys and the mouse move along
// the bar. Included by WinSkinForm.h.
#pragma once

#include <memory>
#include <vector>

#include "skin/forms/WinSkinForm.h"

class TMenu;
class TMenuItem;
class TMenuBar;

// One top-level position of the window's menu.
class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm* form, TMenuBar* bar, int index) : TNCObject(form), FBar(bar), FIndex(index) {}
  // The item over its column of the bar's background: a ButtonHilight frame
  // when pressed or hot, the caption in the bar's text colour.
  void Paint() override;

  TMenuBar* FBar;
  TMenuItem* FMenuItem = nullptr;
  int FIndex;
  WideString FCaption;  // "&" marks the accelerator
  bool FItemEnabled = true;
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
  int FTextWidth = 0;  // the caption measured in the menu font
};

class TMenuBar {
 public:
  explicit TMenuBar(TWinSkinForm* form);
  ~TMenuBar();
  TMenuBar(const TMenuBar&) = delete;
  TMenuBar& operator=(const TMenuBar&) = delete;

  // Items from the window's menu (the toolkit's main menu when a form object
  // is bound); the window gives up its own bar. A menu without items stays
  // on the window.
  void BuildItems();
  // Items after WM_MDISETMENU: the frame's new menu, the form's items only
  // for positions without text.
  void RebuildItems();
  // Paints the bar into `rect` (window coordinates) of `dc`.
  void PaintBar(HDC dc, const TRect& rect);
  // The item rectangles for the form's current width, without painting.
  void LayoutItems();
  // The number of rows the items take in a bar `width` pixels wide (at
  // least one), and the bar's height for that width.
  int RowsFor(int width) const;
  int HeightFor(int width) const { return RowsFor(width) * RowHeight(); }
  static int RowHeight();
  // The first item with a caption whose rectangle holds the frame point.
  TMenuBtn* ItemAt(TPoint framePoint) const;
  // Whether `item` is one of this bar's items.
  bool Owns(const TNCObject* item) const;
  HFONT Font() const { return FFont; }
  // Gives the entries the bar made owner-drawn their own drawing back.
  void RestoreOwnerDraw();

  std::vector<std::unique_ptr<TMenuBtn>> FItems;
  TMenu* FMenu = nullptr;
  TRect FBarRect{};
  TSkinData* FSkin;
  TWinSkinForm* FForm;
  std::unique_ptr<TBitmap> FBackground;
  int FCount = 0;
  HMENU FMenuHandle = nullptr;

 private:
  void FreeItems();
  void ReadPosition(HMENU menu, int position, TMenuBtn& item, bool formItemsForEmptyTextOnly);
  void TakeFormItem(TMenuBtn& item, TMenuItem* menuItem);
  void MeasureItems();
  // Where the first item of a row starts in a bar of width `w`.
  int StartOffset(int w) const;
  // Lays the visible items into rows of a bar `w` wide; `place` gets each
  // item with its bar-relative cell. Answers the row count.
  template <typename Place>
  int Flow(int w, int rightStart, Place place) const;
  void PaintBackground(HDC dc, int w, int h);
  // The maximised MDI child's buttons the bar shows at its end, and the
  // left edge of the leftmost of them in bar coordinates.
  void PaintMDIButtons(HDC dc);
  int MDIButtonsLeft() const;
  // Every entry of `menu` and its sub-menus becomes owner-drawn; the
  // entries changed are remembered.
  void MakeOwnerDrawn(HMENU menu, int depth);

  friend class TWinSkinForm;
  std::vector<std::pair<HMENU, UINT>> FOwnerDrawn;

  HFONT FFont = nullptr;
};
