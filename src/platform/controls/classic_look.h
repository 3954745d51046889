// The drawing points of the standard controls. Controls never draw their
// look themselves: they call the painter. Every drawing point's own
// implementation is the classic look (one file per concern,
// classic_look_<concern>.cpp); another painter overrides what it draws
// differently.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/bar_looks.h"
#include "platform/controls/controls.h"
#include "platform/controls/toolbar_look.h"
#include "platform/user/scrollbar_layout.h"

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
  // "ToolbarWindow32": the bar's background (unless TBSTYLE_TRANSPARENT), the
  // divider line above it, a separator, and one button with its frame,
  // image, caption and drop-down arrow.
  virtual void ToolBarBackground(HDC dc, const RECT& client);
  virtual void ToolBarDivider(HDC dc, const RECT& line);
  virtual void ToolBarSeparator(HDC dc, const RECT& rect, bool flat);
  virtual void ToolBarButton(HDC dc, const ToolBarButtonLook& look);
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
