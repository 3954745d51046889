// The tool bar class ("ToolbarWindow32"): the common control styles, the
// tool bar's styles, button states, messages, notifications and structures
// as commctrl.h defines them.
#pragma once

#include "platform/controls/notify.h"
#include "platform/gdi/gdi.h"

constexpr const char16_t* TOOLBARCLASSNAMEW = u"ToolbarWindow32";

// Window styles.
constexpr DWORD TBSTYLE_TOOLTIPS = 0x0100;
constexpr DWORD TBSTYLE_WRAPABLE = 0x0200;
constexpr DWORD TBSTYLE_ALTDRAG = 0x0400;
constexpr DWORD TBSTYLE_FLAT = 0x0800;
constexpr DWORD TBSTYLE_LIST = 0x1000;
constexpr DWORD TBSTYLE_CUSTOMERASE = 0x2000;
constexpr DWORD TBSTYLE_REGISTERDROP = 0x4000;
constexpr DWORD TBSTYLE_TRANSPARENT = 0x8000;

// Extended styles (TB_SETEXTENDEDSTYLE).
constexpr DWORD TBSTYLE_EX_DRAWDDARROWS = 0x0001;
constexpr DWORD TBSTYLE_EX_MIXEDBUTTONS = 0x0008;
constexpr DWORD TBSTYLE_EX_HIDECLIPPEDBUTTONS = 0x0010;
constexpr DWORD TBSTYLE_EX_DOUBLEBUFFER = 0x0080;

// Button styles.
constexpr BYTE TBSTYLE_BUTTON = 0x00;
constexpr BYTE TBSTYLE_SEP = 0x01;
constexpr BYTE TBSTYLE_CHECK = 0x02;
constexpr BYTE TBSTYLE_GROUP = 0x04;
constexpr BYTE TBSTYLE_CHECKGROUP = TBSTYLE_GROUP | TBSTYLE_CHECK;
constexpr BYTE TBSTYLE_DROPDOWN = 0x08;
constexpr BYTE TBSTYLE_AUTOSIZE = 0x10;
constexpr BYTE TBSTYLE_NOPREFIX = 0x20;
constexpr BYTE BTNS_BUTTON = TBSTYLE_BUTTON;
constexpr BYTE BTNS_SEP = TBSTYLE_SEP;
constexpr BYTE BTNS_CHECK = TBSTYLE_CHECK;
constexpr BYTE BTNS_GROUP = TBSTYLE_GROUP;
constexpr BYTE BTNS_CHECKGROUP = TBSTYLE_CHECKGROUP;
constexpr BYTE BTNS_DROPDOWN = TBSTYLE_DROPDOWN;
constexpr BYTE BTNS_AUTOSIZE = TBSTYLE_AUTOSIZE;
constexpr BYTE BTNS_NOPREFIX = TBSTYLE_NOPREFIX;
constexpr BYTE BTNS_SHOWTEXT = 0x40;
constexpr BYTE BTNS_WHOLEDROPDOWN = 0x80;

// Button states.
constexpr BYTE TBSTATE_CHECKED = 0x01;
constexpr BYTE TBSTATE_PRESSED = 0x02;
constexpr BYTE TBSTATE_ENABLED = 0x04;
constexpr BYTE TBSTATE_HIDDEN = 0x08;
constexpr BYTE TBSTATE_INDETERMINATE = 0x10;
constexpr BYTE TBSTATE_WRAP = 0x20;
constexpr BYTE TBSTATE_ELLIPSES = 0x40;
constexpr BYTE TBSTATE_MARKED = 0x80;

// Messages.
constexpr UINT TB_ENABLEBUTTON = WM_USER + 1;
constexpr UINT TB_CHECKBUTTON = WM_USER + 2;
constexpr UINT TB_PRESSBUTTON = WM_USER + 3;
constexpr UINT TB_HIDEBUTTON = WM_USER + 4;
constexpr UINT TB_INDETERMINATE = WM_USER + 5;
constexpr UINT TB_ISBUTTONENABLED = WM_USER + 9;
constexpr UINT TB_ISBUTTONCHECKED = WM_USER + 10;
constexpr UINT TB_ISBUTTONPRESSED = WM_USER + 11;
constexpr UINT TB_ISBUTTONHIDDEN = WM_USER + 12;
constexpr UINT TB_SETSTATE = WM_USER + 17;
constexpr UINT TB_GETSTATE = WM_USER + 18;
constexpr UINT TB_ADDBUTTONSA = WM_USER + 20;
constexpr UINT TB_INSERTBUTTONA = WM_USER + 21;
constexpr UINT TB_DELETEBUTTON = WM_USER + 22;
constexpr UINT TB_GETBUTTON = WM_USER + 23;
constexpr UINT TB_BUTTONCOUNT = WM_USER + 24;
constexpr UINT TB_COMMANDTOINDEX = WM_USER + 25;
constexpr UINT TB_GETITEMRECT = WM_USER + 29;
constexpr UINT TB_BUTTONSTRUCTSIZE = WM_USER + 30;
constexpr UINT TB_SETBUTTONSIZE = WM_USER + 31;
constexpr UINT TB_SETBITMAPSIZE = WM_USER + 32;
constexpr UINT TB_AUTOSIZE = WM_USER + 33;
constexpr UINT TB_SETIMAGELIST = WM_USER + 48;
constexpr UINT TB_GETIMAGELIST = WM_USER + 49;
constexpr UINT TB_GETRECT = WM_USER + 51;
constexpr UINT TB_SETHOTIMAGELIST = WM_USER + 52;
constexpr UINT TB_GETHOTIMAGELIST = WM_USER + 53;
constexpr UINT TB_SETDISABLEDIMAGELIST = WM_USER + 54;
constexpr UINT TB_GETDISABLEDIMAGELIST = WM_USER + 55;
constexpr UINT TB_GETBUTTONSIZE = WM_USER + 58;
constexpr UINT TB_INSERTBUTTONW = WM_USER + 67;
constexpr UINT TB_ADDBUTTONSW = WM_USER + 68;
constexpr UINT TB_HITTEST = WM_USER + 69;
constexpr UINT TB_GETHOTITEM = WM_USER + 71;
constexpr UINT TB_SETHOTITEM = WM_USER + 72;
constexpr UINT TB_SETEXTENDEDSTYLE = WM_USER + 84;
constexpr UINT TB_GETEXTENDEDSTYLE = WM_USER + 85;

struct TBBUTTON {
  int iBitmap;
  int idCommand;
  BYTE fsState;
  BYTE fsStyle;
  BYTE bReserved[6];
  DWORD_PTR dwData;
  INT_PTR iString;  // the button's text when it is a pointer
};
using LPTBBUTTON = TBBUTTON*;

// Notifications.
constexpr UINT TBN_FIRST = 0u - 700u;
constexpr UINT TBN_DROPDOWN = TBN_FIRST - 10;
constexpr UINT TBN_HOTITEMCHANGE = TBN_FIRST - 13;

// Answers to TBN_DROPDOWN.
constexpr LRESULT TBDDRET_DEFAULT = 0;
constexpr LRESULT TBDDRET_NODEFAULT = 1;
constexpr LRESULT TBDDRET_TREATPRESSED = 2;

struct NMTOOLBARW {
  NMHDR hdr;
  int iItem;
  TBBUTTON tbButton;
  int cchText;
  LPWSTR pszText;
  RECT rcButton;
};
using LPNMTOOLBARW = NMTOOLBARW*;

constexpr DWORD HICF_MOUSE = 0x0001;
constexpr DWORD HICF_LEAVING = 0x0020;

struct NMTBHOTITEM {
  NMHDR hdr;
  int idOld;
  int idNew;
  DWORD dwFlags;
};

// Custom draw of a tool bar: the parent may change colours and drop parts.
struct NMTBCUSTOMDRAW {
  NMCUSTOMDRAW nmcd;
  HBRUSH hbrMonoDither;
  HBRUSH hbrLines;
  HPEN hpenLines;
  COLORREF clrText;
  COLORREF clrMark;
  COLORREF clrTextHighlight;
  COLORREF clrBtnFace;
  COLORREF clrBtnHighlight;
  COLORREF clrHighlightHotTrack;
  RECT rcText;
  int nStringBkMode;
  int nHLStringBkMode;
  int iListGap;
};
using LPNMTBCUSTOMDRAW = NMTBCUSTOMDRAW*;

constexpr LRESULT TBCDRF_NOEDGES = 0x00010000;
constexpr LRESULT TBCDRF_HILITEHOTTRACK = 0x00020000;
constexpr LRESULT TBCDRF_NOOFFSET = 0x00040000;
constexpr LRESULT TBCDRF_NOMARK = 0x00080000;
constexpr LRESULT TBCDRF_NOETCHEDEFFECT = 0x00100000;
constexpr LRESULT TBCDRF_BLENDICON = 0x00200000;
constexpr LRESULT TBCDRF_NOBACKGROUND = 0x00400000;
