// The drawing points of the standard controls. Controls never draw their
// look themselves: they call the painter. Every drawing point's own
// implementation is the classic look (one file per concern,
// classic_look_<concern>.cpp); another painter overrides what it draws
// differently.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/bar_looks.h"
#include "platform/controls/picker_looks.h"
#include "platform/controls/controls.h"
#include "platform/controls/list_looks.h"
#include "platform/controls/edit_look.h"
#include "platform/controls/tree_look.h"
#include "platform/controls/toolbar_look.h"
#include "platform/controls/rebar_look.h"
#include "platform/user/scrollbar_layout.h"
#include "platform/controls/tab_looks.h"
#include "platform/controls/comboex_look.h"
#include "platform/controls/mplayer_look.h"

namespace platform {

// What a "Button" window looks like now: its state, its styles as drawing
// choices, and its label (text, or the image of BS_BITMAP / BS_ICON).
struct ButtonLook {
  bool pressed = false;
  bool isDefault = false;
  bool focused = false;
  bool enabled = true;
  LRESULT check = BST_UNCHECKED;
  bool radio = false;     // check boxes: a round box
  bool leftText = false;  // check boxes: the box right of the text
  bool flat = false;
  std::u16string text;
  HFONT font = nullptr;
  UINT textFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;  // from the alignment and multi-line styles
  HBITMAP bitmap = nullptr;  // drawn instead of the text when set
  HICON icon = nullptr;
  HBRUSH background = nullptr;  // what the parent answered to WM_CTLCOLOR*
};

struct EditLook {
  std::u16string text;       // as shown (password characters already applied)
  int selectionStart = 0;    // in characters of `text`
  int selectionEnd = 0;
  int scrollX = 0;           // pixels scrolled off to the left
  int margin = 1;            // left margin in pixels
  bool focused = false;
  bool enabled = true;
  bool readOnly = false;
  bool showSelection = false;
  UINT align = DT_LEFT;
};

// One entry of a popup menu or the menu bar as it is to be drawn.
struct MenuItemLook {
  std::u16string text;      // with "&" mnemonics
  std::u16string shortcut;  // the text after a tab, drawn in its own column
  int shortcutX = 0;        // where that column starts, from the item's left
  HFONT font = nullptr;
  bool separator = false;
  bool selected = false;
  bool disabled = false;
  bool checked = false;
  bool radio = false;       // a checked item shows a dot instead of a tick
  bool subMenu = false;     // an arrow at the right end
  bool isDefault = false;   // drawn bold (the font is already bold)
  bool pressed = false;     // a menu-bar item whose drop-down is open
  HBITMAP bitmap = nullptr; // MFT_BITMAP or hbmpItem: a bitmap or an HBMMENU_ glyph
  int bitmapColumn = 0;     // popups: width of the bitmap column after the check marks
};

// One item of a list box or of a combo box's list or field, as the classic
// look shows items that are not owner drawn.
struct ListItemLook {
  std::u16string text;
  HFONT font = nullptr;
  bool selected = false;
  bool focused = false;  // the caret's item while the list has the focus
  bool enabled = true;
};

class ControlPainter {
 public:
  virtual ~ControlPainter() = default;

  // "Button": push buttons, push boxes and push-like check boxes and radio
  // buttons; check boxes and radio buttons; group boxes; user buttons. The
  // DC's text colour and background mode are what the parent chose.
  virtual void PushButton(HDC dc, const RECT& rect, const ButtonLook& look);
  virtual void CheckButton(HDC dc, const RECT& rect, const ButtonLook& look);
  virtual void GroupBox(HDC dc, const RECT& rect, const ButtonLook& look);
  virtual void UserButton(HDC dc, const RECT& rect, const ButtonLook& look);
  // Static text in the DC's colours and background mode.
  virtual void StaticText(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, UINT format,
                          bool enabled);
  // The single-line edit's text, selection and caret position (answered in
  // pixels from the client's left edge, for the caret).
  virtual void EditLine(HDC dc, const RECT& client, HFONT font, const EditLook& look);
  // "Edit" with ES_MULTILINE: its visible lines and their selection, in the
  // DC's text colour over the background already filled.
  virtual void EditLines(HDC dc, const RECT& client, HFONT font, const EditLinesLook& look);

  // Scroll bars: a window's own bars and the "ScrollBar" control. `rect` is
  // the whole bar; the size box lies between a window's two bars, the size
  // grip (`grip`) is the control's SBS_SIZEGRIP look.
  virtual void ScrollBar(HDC dc, const RECT& rect, const ScrollBarLook& look);
  virtual void SizeBox(HDC dc, const RECT& rect, bool grip);
  // Track bars, progress bars and up-down controls. The track bar's parts
  // are separate points because custom draw may skip each of them.
  virtual void ProgressBar(HDC dc, const RECT& client, const ProgressLook& look);
  virtual void UpDownArrows(HDC dc, const RECT& client, const UpDownLook& look);
  virtual void TrackBarChannel(HDC dc, const TrackBarLook& look);
  virtual void TrackBarTics(HDC dc, const TrackBarLook& look);
  virtual void TrackBarThumb(HDC dc, const TrackBarLook& look);
  virtual void TrackBarFocus(HDC dc, const TrackBarLook& look);
  // Menus: the "#32768" popup window (its frame in window coordinates, the
  // client background, one entry) and the menu bar of a window (its strip
  // and one top-level entry).
  virtual void MenuFrame(HDC dc, const RECT& window);
  virtual void MenuBackground(HDC dc, const RECT& client);
  virtual void MenuEntry(HDC dc, const RECT& rect, const MenuItemLook& look);
  // The line between two columns of a popup (MFT_MENUBARBREAK), 2 pixels wide.
  virtual void MenuColumnBreak(HDC dc, const RECT& line);
  virtual void MenuBarBackground(HDC dc, const RECT& bar);
  virtual void MenuBarEntry(HDC dc, const RECT& rect, const MenuItemLook& look);

  // Menu item bitmaps (MFT_BITMAP items, MIIM_BITMAP's hbmpItem, the
  // predefined HBMMENU_ caption glyphs): `look.bitmap` centred in its cell
  // of a popup entry (the bitmap column) or of a bar entry; a bitmap is
  // inverted while its popup entry is selected, a glyph takes the entry's
  // text colour.
  virtual void MenuItemBitmap(HDC dc, const RECT& cell, const MenuItemLook& look);

  // Tab controls: the strip behind the tabs, then each tab (the selected
  // one last, over its neighbours); status bars: the background, each part
  // (the control sends WM_DRAWITEM for owner-drawn ones after their
  // border) and the size grip.
  virtual void TabStrip(HDC dc, const TabStripLook& look);
  virtual void TabItem(HDC dc, const TabItemLook& look);
  virtual void StatusBarBackground(HDC dc, const RECT& client);
  virtual void StatusBarPart(HDC dc, const StatusPartLook& look);
  virtual void StatusBarGrip(HDC dc, const RECT& grip);

  // "ListBox", "ComboLBox" and "ComboBox": an item (in the DC's colours
  // when not selected), the combo box's frame round its field, and its
  // drop-down button.
  virtual void ListItem(HDC dc, const RECT& rect, const ListItemLook& look);
  virtual void ComboFrame(HDC dc, const RECT& rect);
  virtual void ComboButton(HDC dc, const RECT& rect, bool pressed, bool enabled);

  // Headers and list views. `HeaderRest` is the strip right of the last
  // item; `HeaderTrackLine` the line that follows a dragged divider when
  // the header does not resize while dragging (drawn twice, it is gone).
  // A list view cell is the item's label or one sub-item; grid lines are
  // drawn over the cells of report view.
  virtual void HeaderItem(HDC dc, const HeaderItemLook& look);
  virtual void HeaderRest(HDC dc, const RECT& rect, bool buttons);
  virtual void HeaderTrackLine(HDC dc, const RECT& line);
  virtual void ListViewBackground(HDC dc, const RECT& rect, COLORREF colour);
  virtual void ListViewCell(HDC dc, const ListViewCellLook& look);
  virtual void ListViewFocus(HDC dc, const RECT& rect);
  virtual void ListViewGridLine(HDC dc, const RECT& line);

  // "SysTreeView32": the background, then each row (its lines, button,
  // image, and text with selection and focus).
  virtual void TreeBackground(HDC dc, const RECT& rect, COLORREF colour);
  virtual void TreeRow(HDC dc, const TreeRowLook& look);

  // Month calendars ("SysMonthCal32") and date-time pickers
  // ("SysDateTimePick32"): the whole calendar; the picker's text with its
  // selected field, its check box (DTS_SHOWNONE) and its drop-down button.
  virtual void MonthCalendar(HDC dc, const MonthCalLook& look);
  virtual void DateTimeText(HDC dc, const DateTimeLook& look);
  virtual void DateTimeCheckBox(HDC dc, const RECT& box, bool checked, bool enabled);
  virtual void DateTimeDropButton(HDC dc, const RECT& button, bool pressed, bool enabled);
  // MDI: what a maximised child puts on its frame's menu bar — its small
  // icon, which opens its system menu, and its minimise, restore and close
  // buttons (`kind` is the entry's HBMMENU_MBAR_* bitmap value).
  virtual void MdiChildIcon(HDC dc, const RECT& rect, HICON icon);
  virtual void MdiChildButton(HDC dc, const RECT& rect, HBITMAP kind, bool pressed);
  // "ToolbarWindow32": the bar's background (unless TBSTYLE_TRANSPARENT), the
  // divider line above it, a separator, and one button with its frame,
  // image, caption and drop-down arrow.
  virtual void ToolBarBackground(HDC dc, const RECT& client);
  virtual void ToolBarDivider(HDC dc, const RECT& line);
  virtual void ToolBarSeparator(HDC dc, const RECT& rect, bool flat);
  virtual void ToolBarButton(HDC dc, const ToolBarButtonLook& look);
  // "ComboBoxEx32": one item in its list or in its selection field, over
  // the item's background.
  virtual void ComboExItem(HDC dc, const ComboExItemLook& look);
  // "ReBarWindow32": the bar's background where no band lies, the divider
  // line above it, a band's background (its colour or bitmap; drawn when
  // the bar is erased, so that transparent children show it), an etched
  // border between two bands (`vertical`) or two rows (RBS_BANDBORDERS),
  // and a band's header (gripper, image and title).
  virtual void RebarBackground(HDC dc, const RECT& client, COLORREF colour);
  virtual void RebarDivider(HDC dc, const RECT& line);
  virtual void RebarBandBackground(HDC dc, const RebarBandLook& look);
  virtual void RebarBandBorder(HDC dc, const RECT& line, bool vertical);
  virtual void RebarBandHeader(HDC dc, const RebarBandLook& look);

  // Media players (the toolkit's TMediaPlayer): the face under and beside
  // the strip, and one button with its raised or pressed face, its glyph
  // centred (olive left unpainted, a pixel down and right while pressed) and
  // the focus mark.
  virtual void MediaPlayerBackground(HDC dc, const RECT& client);
  virtual void MediaPlayerButton(HDC dc, const MediaPlayerButtonLook& look);
};

ControlPainter& CurrentPainter();
// Replaces the painter; null restores the classic look. Answers the previous.
std::unique_ptr<ControlPainter> SetPainter(std::unique_ptr<ControlPainter> painter);

// The font controls use until they are given one (WM_SETFONT).
HFONT DefaultControlFont();

// Text measuring shared by controls: pixel width of the first `count`
// characters of `text` in `font`.
int TextWidth(HDC dc, HFONT font, const std::u16string& text, int count);

}  // namespace platform
