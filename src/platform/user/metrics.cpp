// System metrics, non-client metrics, the version word and module
// instances: the classic 96-DPI values in one table.
#include <array>
#include <cstring>

#include "platform/display/display.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

// Metrics that do not depend on the screen size. Index → value.
constexpr std::array<std::pair<int, int>, 62> kMetrics{{
    {SM_CXVSCROLL, 16},     {SM_CYHSCROLL, 16},     {SM_CYCAPTION, 18},      {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},       {SM_CXDLGFRAME, 3},     {SM_CYDLGFRAME, 3},      {SM_CYVTHUMB, 16},
    {SM_CXHTHUMB, 16},      {SM_CXICON, 32},        {SM_CYICON, 32},         {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},      {SM_CYMENU, 19},        {SM_CYKANJIWINDOW, 0},   {SM_MOUSEPRESENT, 1},
    {SM_CYVSCROLL, 16},     {SM_CXHSCROLL, 16},     {SM_DEBUG, 0},           {SM_SWAPBUTTON, 0},
    {SM_CXMIN, 112},        {SM_CYMIN, 27},         {SM_CXSIZE, 18},         {SM_CYSIZE, 18},
    {SM_CXFRAME, 4},        {SM_CYFRAME, 4},        {SM_CXMINTRACK, 112},    {SM_CYMINTRACK, 27},
    {SM_CXDOUBLECLK, 4},    {SM_CYDOUBLECLK, 4},    {SM_CXICONSPACING, 75},  {SM_CYICONSPACING, 75},
    {SM_MENUDROPALIGNMENT, 0}, {SM_DBCSENABLED, 1}, {SM_CMOUSEBUTTONS, 3},   {SM_CXEDGE, 2},
    {SM_CYEDGE, 2},         {SM_CXMINSPACING, 160}, {SM_CYMINSPACING, 24},   {SM_CXSMICON, 16},
    {SM_CYSMICON, 16},      {SM_CYSMCAPTION, 15},   {SM_CXSMSIZE, 12},       {SM_CYSMSIZE, 15},
    {SM_CXMENUSIZE, 18},    {SM_CYMENUSIZE, 18},    {SM_ARRANGE, 8},         {SM_CXMINIMIZED, 160},
    {SM_CYMINIMIZED, 24},   {SM_NETWORK, 3},        {SM_CLEANBOOT, 0},       {SM_CXDRAG, 4},
    {SM_CYDRAG, 4},         {SM_SHOWSOUNDS, 0},     {SM_CXMENUCHECK, 13},    {SM_CYMENUCHECK, 13},
    {SM_MIDEASTENABLED, 0}, {SM_MOUSEWHEELPRESENT, 1}, {SM_XVIRTUALSCREEN, 0}, {SM_YVIRTUALSCREEN, 0},
    {SM_CMONITORS, 1},      {SM_SAMEDISPLAYFORMAT, 1},
}};

constexpr DWORD kNt51 = 0x0A280105;  // build 2600, NT 5.1

DWORD& VersionOverride() {
  static DWORD version = 0;
  return version;
}

// Module instances are distinct values that are never handles of any kind.
HINSTANCE ModuleValue(int index) { return reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(0x00400000 + index * 0x01000000)); }

template <class LogFont, class Char>
void FillFont(LogFont& font, int weight) {
  std::memset(&font, 0, sizeof(font));
  font.lfHeight = -12;
  font.lfWeight = weight;
  font.lfCharSet = 134;  // GB2312_CHARSET
  const WideString face = Utf8ToWideString("宋体");
  if constexpr (sizeof(Char) == 1) {
    const AnsiString ansi = WideToAnsiString(face);
    std::memcpy(font.lfFaceName, ansi.data(), std::min<std::size_t>(ansi.size(), 31));
  } else {
    std::memcpy(font.lfFaceName, face.data(), std::min<std::size_t>(face.size(), 31) * sizeof(WCHAR));
  }
}

template <class Metrics, class Char>
bool FillNonClientMetrics(Metrics& ncm) {
  const UINT size = ncm.cbSize;
  std::memset(&ncm, 0, sizeof(ncm));
  ncm.cbSize = size;
  ncm.iBorderWidth = 1;
  ncm.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  ncm.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  ncm.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
  ncm.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
  FillFont<decltype(ncm.lfCaptionFont), Char>(ncm.lfCaptionFont, 700);
  ncm.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
  ncm.iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
  FillFont<decltype(ncm.lfSmCaptionFont), Char>(ncm.lfSmCaptionFont, 700);
  ncm.iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
  ncm.iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
  FillFont<decltype(ncm.lfMenuFont), Char>(ncm.lfMenuFont, 400);
  FillFont<decltype(ncm.lfStatusFont), Char>(ncm.lfStatusFont, 400);
  FillFont<decltype(ncm.lfMessageFont), Char>(ncm.lfMessageFont, 400);
  return true;
}

template <bool Wide>
BOOL SystemParameters(UINT action, UINT param, LPVOID data) {
  const SIZE screen = display::Current().ScreenSize();
  switch (action) {
    case SPI_GETNONCLIENTMETRICS: {
      if (data == nullptr) return FALSE;
      if constexpr (Wide) {
        auto* ncm = static_cast<NONCLIENTMETRICSW*>(data);
        if (ncm->cbSize != sizeof(NONCLIENTMETRICSW) || (param != 0 && param != sizeof(NONCLIENTMETRICSW))) {
          SetLastError(ERROR_INVALID_PARAMETER);
          return FALSE;
        }
        return FillNonClientMetrics<NONCLIENTMETRICSW, WCHAR>(*ncm);
      } else {
        auto* ncm = static_cast<NONCLIENTMETRICSA*>(data);
        if (ncm->cbSize != sizeof(NONCLIENTMETRICSA) || (param != 0 && param != sizeof(NONCLIENTMETRICSA))) {
          SetLastError(ERROR_INVALID_PARAMETER);
          return FALSE;
        }
        return FillNonClientMetrics<NONCLIENTMETRICSA, char>(*ncm);
      }
    }
    case SPI_GETWORKAREA:
      if (data == nullptr) return FALSE;
      *static_cast<RECT*>(data) = RECT{0, 0, screen.cx, screen.cy};
      return TRUE;
    case SPI_GETBORDER:
      if (data == nullptr) return FALSE;
      *static_cast<int*>(data) = 1;
      return TRUE;
    case SPI_GETDRAGFULLWINDOWS:
      if (data == nullptr) return FALSE;
      *static_cast<BOOL*>(data) = TRUE;
      return TRUE;
    case SPI_GETWHEELSCROLLLINES:
      if (data == nullptr) return FALSE;
      *static_cast<UINT*>(data) = 3;
      return TRUE;
    case SPI_GETMOUSEHOVERTIME:
      if (data == nullptr) return FALSE;
      *static_cast<UINT*>(data) = 400;
      return TRUE;
    case SPI_GETICONTITLELOGFONT:
      if (data == nullptr) return FALSE;
      if constexpr (Wide) {
        FillFont<LOGFONTW, WCHAR>(*static_cast<LOGFONTW*>(data), 400);
      } else {
        FillFont<LOGFONTA, char>(*static_cast<LOGFONTA*>(data), 400);
      }
      return TRUE;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
}

}  // namespace

void OverrideVersion(DWORD version) { VersionOverride() = version; }

HINSTANCE ProgramModule() { return ModuleValue(0); }
HINSTANCE SystemModule() { return reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(0x77D40000)); }
HINSTANCE OtherModule(int index) { return ModuleValue(index + 1); }

}  // namespace platform

int GetSystemMetrics(int index) {
  const SIZE screen = platform::display::Current().ScreenSize();
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
      return screen.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
      return screen.cy;
    case SM_CXFULLSCREEN:
      return screen.cx;
    case SM_CYFULLSCREEN:
      return screen.cy - 18;  // the work area less a caption
    case SM_CXMAXTRACK:
      return screen.cx + 12;
    case SM_CYMAXTRACK:
      return screen.cy + 12;
    case SM_CXMAXIMIZED:
      return screen.cx + 8;
    case SM_CYMAXIMIZED:
      return screen.cy + 8;
    default:
      break;
  }
  for (const auto& [metric, value] : platform::kMetrics) {
    if (metric == index) return value;
  }
  return 0;
}

BOOL SystemParametersInfoW(UINT action, UINT param, LPVOID data, UINT) {
  return platform::SystemParameters<true>(action, param, data);
}

BOOL SystemParametersInfoA(UINT action, UINT param, LPVOID data, UINT) {
  return platform::SystemParameters<false>(action, param, data);
}

DWORD GetVersion() {
  const DWORD version = platform::VersionOverride();
  return version != 0 ? version : platform::kNt51;
}

HMODULE GetModuleHandleW(LPCWSTR name) {
  if (name == nullptr) return platform::ProgramModule();
  const WideString folded = platform::Utf8ToWideString("user32");
  std::u16string_view given(name);
  if (given.size() >= 6) {
    WideString lower(given.substr(0, 6));
    for (auto& c : lower) {
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    if (lower == folded) return platform::SystemModule();
  }
  SetLastError(126);  // ERROR_MOD_NOT_FOUND
  return nullptr;
}

HMODULE GetModuleHandleA(LPCSTR name) {
  if (name == nullptr) return platform::ProgramModule();
  return GetModuleHandleW(platform::AnsiToWideString(name).c_str());
}
