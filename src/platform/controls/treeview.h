// The tree view class ("SysTreeView32"): styles, messages, notifications
// and structures as commctrl.h defines them.
#pragma once

#include "platform/controls/notify.h"

constexpr const char16_t* WC_TREEVIEWW = u"SysTreeView32";

struct HTREEITEM__;
using HTREEITEM = HTREEITEM__*;

constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_EDITLABELS = 0x0008;
constexpr DWORD TVS_DISABLEDRAGDROP = 0x0010;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;
constexpr DWORD TVS_NOTOOLTIPS = 0x0080;
constexpr DWORD TVS_CHECKBOXES = 0x0100;
constexpr DWORD TVS_TRACKSELECT = 0x0200;
constexpr DWORD TVS_SINGLEEXPAND = 0x0400;
constexpr DWORD TVS_FULLROWSELECT = 0x1000;
constexpr DWORD TVS_NOSCROLL = 0x2000;
constexpr DWORD TVS_NOHSCROLL = 0x8000;

constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
constexpr UINT TVIF_CHILDREN = 0x0040;

constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_CUT = 0x0004;
constexpr UINT TVIS_DROPHILITED = 0x0008;
constexpr UINT TVIS_BOLD = 0x0010;
constexpr UINT TVIS_EXPANDED = 0x0020;
constexpr UINT TVIS_EXPANDEDONCE = 0x0040;
constexpr UINT TVIS_OVERLAYMASK = 0x0F00;
constexpr UINT TVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT TVIS_USERMASK = 0xF000;

constexpr int I_CHILDRENCALLBACK = -1;

inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFE));
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFD));

constexpr UINT TV_FIRST = 0x1100;
constexpr UINT TVM_INSERTITEMA = TV_FIRST + 0;
constexpr UINT TVM_DELETEITEM = TV_FIRST + 1;
constexpr UINT TVM_EXPAND = TV_FIRST + 2;
constexpr UINT TVM_GETITEMRECT = TV_FIRST + 4;
constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;
constexpr UINT TVM_GETINDENT = TV_FIRST + 6;
constexpr UINT TVM_SETINDENT = TV_FIRST + 7;
constexpr UINT TVM_GETIMAGELIST = TV_FIRST + 8;
constexpr UINT TVM_SETIMAGELIST = TV_FIRST + 9;
constexpr UINT TVM_GETNEXTITEM = TV_FIRST + 10;
constexpr UINT TVM_SELECTITEM = TV_FIRST + 11;
constexpr UINT TVM_GETITEMA = TV_FIRST + 12;
constexpr UINT TVM_SETITEMA = TV_FIRST + 13;
constexpr UINT TVM_GETVISIBLECOUNT = TV_FIRST + 16;
constexpr UINT TVM_HITTEST = TV_FIRST + 17;
constexpr UINT TVM_ENSUREVISIBLE = TV_FIRST + 20;
constexpr UINT TVM_GETITEMHEIGHT = TV_FIRST + 28;
constexpr UINT TVM_INSERTITEMW = TV_FIRST + 50;
constexpr UINT TVM_GETITEMW = TV_FIRST + 62;
constexpr UINT TVM_SETITEMW = TV_FIRST + 63;

constexpr WPARAM TVE_COLLAPSE = 0x0001;
constexpr WPARAM TVE_EXPAND = 0x0002;
constexpr WPARAM TVE_TOGGLE = 0x0003;
constexpr WPARAM TVE_COLLAPSERESET = 0x8000;

constexpr WPARAM TVSIL_NORMAL = 0;
constexpr WPARAM TVSIL_STATE = 2;

constexpr WPARAM TVGN_ROOT = 0x0000;
constexpr WPARAM TVGN_NEXT = 0x0001;
constexpr WPARAM TVGN_PREVIOUS = 0x0002;
constexpr WPARAM TVGN_PARENT = 0x0003;
constexpr WPARAM TVGN_CHILD = 0x0004;
constexpr WPARAM TVGN_FIRSTVISIBLE = 0x0005;
constexpr WPARAM TVGN_NEXTVISIBLE = 0x0006;
constexpr WPARAM TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr WPARAM TVGN_DROPHILITE = 0x0008;
constexpr WPARAM TVGN_CARET = 0x0009;
constexpr WPARAM TVGN_LASTVISIBLE = 0x000A;

constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEMSTATEICON = 0x0040;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
constexpr UINT TVHT_ABOVE = 0x0100;
constexpr UINT TVHT_BELOW = 0x0200;
constexpr UINT TVHT_TORIGHT = 0x0400;
constexpr UINT TVHT_TOLEFT = 0x0800;

constexpr UINT TVC_UNKNOWN = 0x0000;
constexpr UINT TVC_BYMOUSE = 0x0001;
constexpr UINT TVC_BYKEYBOARD = 0x0002;

constexpr UINT TVN_FIRST = 0u - 400u;
constexpr UINT TVN_SELCHANGINGA = TVN_FIRST - 1;
constexpr UINT TVN_SELCHANGEDA = TVN_FIRST - 2;
constexpr UINT TVN_ITEMEXPANDINGA = TVN_FIRST - 5;
constexpr UINT TVN_ITEMEXPANDEDA = TVN_FIRST - 6;
constexpr UINT TVN_DELETEITEMA = TVN_FIRST - 9;
constexpr UINT TVN_SELCHANGINGW = TVN_FIRST - 50;
constexpr UINT TVN_SELCHANGEDW = TVN_FIRST - 51;
constexpr UINT TVN_ITEMEXPANDINGW = TVN_FIRST - 54;
constexpr UINT TVN_ITEMEXPANDEDW = TVN_FIRST - 55;
constexpr UINT TVN_DELETEITEMW = TVN_FIRST - 58;

struct TVITEMA {
  UINT mask;
  HTREEITEM hItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  LPARAM lParam;
};
struct TVITEMW {
  UINT mask;
  HTREEITEM hItem;
  UINT state;
  UINT stateMask;
  LPWSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  LPARAM lParam;
};
using LPTVITEMA = TVITEMA*;
using LPTVITEMW = TVITEMW*;

struct TVINSERTSTRUCTA {
  HTREEITEM hParent;
  HTREEITEM hInsertAfter;
  TVITEMA item;
};
struct TVINSERTSTRUCTW {
  HTREEITEM hParent;
  HTREEITEM hInsertAfter;
  TVITEMW item;
};
using LPTVINSERTSTRUCTA = TVINSERTSTRUCTA*;
using LPTVINSERTSTRUCTW = TVINSERTSTRUCTW*;

struct TVHITTESTINFO {
  POINT pt;
  UINT flags;
  HTREEITEM hItem;
};
using LPTVHITTESTINFO = TVHITTESTINFO*;

// The A and W notifications carry the same fields: the tree never puts
// text into them.
struct NMTREEVIEWW {
  NMHDR hdr;
  UINT action;
  TVITEMW itemOld;
  TVITEMW itemNew;
  POINT ptDrag;
};
struct NMTREEVIEWA {
  NMHDR hdr;
  UINT action;
  TVITEMA itemOld;
  TVITEMA itemNew;
  POINT ptDrag;
};
using LPNMTREEVIEWW = NMTREEVIEWW*;
using LPNMTREEVIEWA = NMTREEVIEWA*;

struct NMTVCUSTOMDRAW {
  NMCUSTOMDRAW nmcd;
  COLORREF clrText;
  COLORREF clrTextBk;
  int iLevel;
};
using LPNMTVCUSTOMDRAW = NMTVCUSTOMDRAW*;
