// "Edit": the styles, messages and notifications of the multi-line edit and
// its scrolling, beside the single-line ones in controls.h.
#pragma once

#include "platform/base/types.h"

constexpr DWORD ES_AUTOVSCROLL = 0x40;
constexpr DWORD ES_OEMCONVERT = 0x400;
constexpr DWORD ES_WANTRETURN = 0x1000;

constexpr UINT EM_GETRECT = 0x00B2;
constexpr UINT EM_SCROLL = 0x00B5;
constexpr UINT EM_LINESCROLL = 0x00B6;
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_LINEINDEX = 0x00BB;
constexpr UINT EM_GETLINE = 0x00C4;
constexpr UINT EM_LINEFROMCHAR = 0x00C9;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;

constexpr WORD EN_ERRSPACE = 0x0500;
constexpr WORD EN_HSCROLL = 0x0601;
constexpr WORD EN_VSCROLL = 0x0602;
