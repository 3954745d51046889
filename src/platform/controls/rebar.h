// The band bar class ("ReBarWindow32"): bands in rows, each holding a child
// window behind a header (gripper, image, text); its styles, band styles,
// messages, notifications and structures as commctrl.h defines them.
#pragma once

#include <cstddef>

#include "platform/controls/notify.h"
#include "platform/gdi/gdi.h"

constexpr const char16_t* REBARCLASSNAMEW = u"ReBarWindow32";
constexpr const char* REBARCLASSNAMEA = "ReBarWindow32";

// Window styles.
constexpr DWORD RBS_TOOLTIPS = 0x0100;
constexpr DWORD RBS_VARHEIGHT = 0x0200;
constexpr DWORD RBS_BANDBORDERS = 0x0400;
constexpr DWORD RBS_FIXEDORDER = 0x0800;
constexpr DWORD RBS_REGISTERDROP = 0x1000;
constexpr DWORD RBS_AUTOSIZE = 0x2000;
constexpr DWORD RBS_VERTICALGRIPPER = 0x4000;
constexpr DWORD RBS_DBLCLKTOGGLE = 0x8000;

// The bar's own information (RB_SETBARINFO): its image list.
constexpr UINT RBIM_IMAGELIST = 0x00000001;

struct REBARINFO {
  UINT cbSize;
  UINT fMask;
  HIMAGELIST himl;
};
using LPREBARINFO = REBARINFO*;

// Band styles.
constexpr UINT RBBS_BREAK = 0x00000001;
constexpr UINT RBBS_FIXEDSIZE = 0x00000002;
constexpr UINT RBBS_CHILDEDGE = 0x00000004;
constexpr UINT RBBS_HIDDEN = 0x00000008;
constexpr UINT RBBS_NOVERT = 0x00000010;
constexpr UINT RBBS_FIXEDBMP = 0x00000020;
constexpr UINT RBBS_VARIABLEHEIGHT = 0x00000040;
constexpr UINT RBBS_GRIPPERALWAYS = 0x00000080;
constexpr UINT RBBS_NOGRIPPER = 0x00000100;
constexpr UINT RBBS_USECHEVRON = 0x00000200;
constexpr UINT RBBS_HIDETITLE = 0x00000400;
constexpr UINT RBBS_TOPALIGN = 0x00000800;

// Which members of a REBARBANDINFO are valid.
constexpr UINT RBBIM_STYLE = 0x00000001;
constexpr UINT RBBIM_COLORS = 0x00000002;
constexpr UINT RBBIM_TEXT = 0x00000004;
constexpr UINT RBBIM_IMAGE = 0x00000008;
constexpr UINT RBBIM_CHILD = 0x00000010;
constexpr UINT RBBIM_CHILDSIZE = 0x00000020;
constexpr UINT RBBIM_SIZE = 0x00000040;
constexpr UINT RBBIM_BACKGROUND = 0x00000080;
constexpr UINT RBBIM_ID = 0x00000100;
constexpr UINT RBBIM_IDEALSIZE = 0x00000200;
constexpr UINT RBBIM_LPARAM = 0x00000400;
constexpr UINT RBBIM_HEADERSIZE = 0x00000800;

struct REBARBANDINFOA {
  UINT cbSize;
  UINT fMask;
  UINT fStyle;
  COLORREF clrFore;
  COLORREF clrBack;
  LPSTR lpText;
  UINT cch;
  int iImage;
  HWND hwndChild;
  UINT cxMinChild;
  UINT cyMinChild;
  UINT cx;
  HBITMAP hbmBack;
  UINT wID;
  UINT cyChild;
  UINT cyMaxChild;
  UINT cyIntegral;
  UINT cxIdeal;
  LPARAM lParam;
  UINT cxHeader;
};
using LPREBARBANDINFOA = REBARBANDINFOA*;

struct REBARBANDINFOW {
  UINT cbSize;
  UINT fMask;
  UINT fStyle;
  COLORREF clrFore;
  COLORREF clrBack;
  LPWSTR lpText;
  UINT cch;
  int iImage;
  HWND hwndChild;
  UINT cxMinChild;
  UINT cyMinChild;
  UINT cx;
  HBITMAP hbmBack;
  UINT wID;
  UINT cyChild;
  UINT cyMaxChild;
  UINT cyIntegral;
  UINT cxIdeal;
  LPARAM lParam;
  UINT cxHeader;
};
using LPREBARBANDINFOW = REBARBANDINFOW*;

// The sizes older programs set: up to wID (the first version), and up to
// cxHeader (the size of the structure above).
constexpr UINT REBARBANDINFOA_V3_SIZE = offsetof(REBARBANDINFOA, wID) + sizeof(UINT);
constexpr UINT REBARBANDINFOW_V3_SIZE = offsetof(REBARBANDINFOW, wID) + sizeof(UINT);
constexpr UINT REBARBANDINFOA_V6_SIZE = offsetof(REBARBANDINFOA, cxHeader) + sizeof(UINT);
constexpr UINT REBARBANDINFOW_V6_SIZE = offsetof(REBARBANDINFOW, cxHeader) + sizeof(UINT);

// Messages.
constexpr UINT RB_INSERTBANDA = WM_USER + 1;
constexpr UINT RB_DELETEBAND = WM_USER + 2;
constexpr UINT RB_GETBARINFO = WM_USER + 3;
constexpr UINT RB_SETBARINFO = WM_USER + 4;
constexpr UINT RB_SETBANDINFOA = WM_USER + 6;
constexpr UINT RB_SETPARENT = WM_USER + 7;
constexpr UINT RB_HITTEST = WM_USER + 8;
constexpr UINT RB_GETRECT = WM_USER + 9;
constexpr UINT RB_INSERTBANDW = WM_USER + 10;
constexpr UINT RB_SETBANDINFOW = WM_USER + 11;
constexpr UINT RB_GETBANDCOUNT = WM_USER + 12;
constexpr UINT RB_GETROWCOUNT = WM_USER + 13;
constexpr UINT RB_GETROWHEIGHT = WM_USER + 14;
constexpr UINT RB_IDTOINDEX = WM_USER + 16;
constexpr UINT RB_SETBKCOLOR = WM_USER + 19;
constexpr UINT RB_GETBKCOLOR = WM_USER + 20;
constexpr UINT RB_SETTEXTCOLOR = WM_USER + 21;
constexpr UINT RB_GETTEXTCOLOR = WM_USER + 22;
constexpr UINT RB_SIZETORECT = WM_USER + 23;
constexpr UINT RB_BEGINDRAG = WM_USER + 24;
constexpr UINT RB_ENDDRAG = WM_USER + 25;
constexpr UINT RB_DRAGMOVE = WM_USER + 26;
constexpr UINT RB_GETBARHEIGHT = WM_USER + 27;
constexpr UINT RB_GETBANDINFOW = WM_USER + 28;
constexpr UINT RB_GETBANDINFOA = WM_USER + 29;
constexpr UINT RB_MINIMIZEBAND = WM_USER + 30;
constexpr UINT RB_MAXIMIZEBAND = WM_USER + 31;
constexpr UINT RB_GETBANDBORDERS = WM_USER + 34;
constexpr UINT RB_SHOWBAND = WM_USER + 35;
constexpr UINT RB_MOVEBAND = WM_USER + 39;

// RB_HITTEST.
constexpr UINT RBHT_NOWHERE = 0x0001;
constexpr UINT RBHT_CAPTION = 0x0002;
constexpr UINT RBHT_CLIENT = 0x0003;
constexpr UINT RBHT_GRABBER = 0x0004;
constexpr UINT RBHT_CHEVRON = 0x0008;

struct RBHITTESTINFO {
  POINT pt;
  UINT flags;
  int iBand;
};
using LPRBHITTESTINFO = RBHITTESTINFO*;

// Notifications.
constexpr UINT RBN_FIRST = 0u - 831u;
constexpr UINT RBN_HEIGHTCHANGE = RBN_FIRST - 0;
constexpr UINT RBN_GETOBJECT = RBN_FIRST - 1;
constexpr UINT RBN_LAYOUTCHANGED = RBN_FIRST - 2;
constexpr UINT RBN_AUTOSIZE = RBN_FIRST - 3;
constexpr UINT RBN_BEGINDRAG = RBN_FIRST - 4;
constexpr UINT RBN_ENDDRAG = RBN_FIRST - 5;
constexpr UINT RBN_DELETINGBAND = RBN_FIRST - 6;
constexpr UINT RBN_DELETEDBAND = RBN_FIRST - 7;
constexpr UINT RBN_CHILDSIZE = RBN_FIRST - 8;

// Which members of an NMREBAR are valid.
constexpr DWORD RBNM_ID = 0x00000001;
constexpr DWORD RBNM_STYLE = 0x00000002;
constexpr DWORD RBNM_LPARAM = 0x00000004;

struct NMREBAR {
  NMHDR hdr;
  DWORD dwMask;
  UINT uBand;
  UINT fStyle;
  UINT wID;
  LPARAM lParam;
};
using LPNMREBAR = NMREBAR*;

struct NMREBARCHILDSIZE {
  NMHDR hdr;
  UINT uBand;
  UINT wID;
  RECT rcChild;
  RECT rcBand;
};
using LPNMREBARCHILDSIZE = NMREBARCHILDSIZE*;

struct NMRBAUTOSIZE {
  NMHDR hdr;
  BOOL fChanged;
  RECT rcTarget;
  RECT rcActual;
};
using LPNMRBAUTOSIZE = NMRBAUTOSIZE*;
