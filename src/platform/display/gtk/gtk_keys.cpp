#include "platform/display/gtk/gtk_keys.h"

#include <gdk/gdkkeysyms.h>

#include <iterator>

namespace platform::display::gtk {
namespace {

struct KeyPair {
  unsigned keyval;
  UINT vk;
};

// Win32 virtual-key numbers by GDK key value (the names in comments).
constexpr KeyPair kKeys[] = {
    {GDK_KEY_BackSpace, 0x08 /* VK_BACK */},       {GDK_KEY_Tab, 0x09 /* VK_TAB */},
    {GDK_KEY_ISO_Left_Tab, 0x09 /* VK_TAB */},     {GDK_KEY_Clear, 0x0C /* VK_CLEAR */},
    {GDK_KEY_Return, 0x0D /* VK_RETURN */},        {GDK_KEY_KP_Enter, 0x0D /* VK_RETURN */},
    {GDK_KEY_Shift_L, 0x10 /* VK_SHIFT */},        {GDK_KEY_Shift_R, 0x10 /* VK_SHIFT */},
    {GDK_KEY_Control_L, 0x11 /* VK_CONTROL */},    {GDK_KEY_Control_R, 0x11 /* VK_CONTROL */},
    {GDK_KEY_Alt_L, 0x12 /* VK_MENU */},           {GDK_KEY_Alt_R, 0x12 /* VK_MENU */},
    {GDK_KEY_Meta_L, 0x12 /* VK_MENU */},          {GDK_KEY_ISO_Level3_Shift, 0x12 /* VK_MENU */},
    {GDK_KEY_Pause, 0x13 /* VK_PAUSE */},          {GDK_KEY_Caps_Lock, 0x14 /* VK_CAPITAL */},
    {GDK_KEY_Escape, 0x1B /* VK_ESCAPE */},        {GDK_KEY_space, 0x20 /* VK_SPACE */},
    {GDK_KEY_Page_Up, 0x21 /* VK_PRIOR */},        {GDK_KEY_Page_Down, 0x22 /* VK_NEXT */},
    {GDK_KEY_End, 0x23 /* VK_END */},              {GDK_KEY_Home, 0x24 /* VK_HOME */},
    {GDK_KEY_Left, 0x25 /* VK_LEFT */},            {GDK_KEY_Up, 0x26 /* VK_UP */},
    {GDK_KEY_Right, 0x27 /* VK_RIGHT */},          {GDK_KEY_Down, 0x28 /* VK_DOWN */},
    {GDK_KEY_Print, 0x2C /* VK_SNAPSHOT */},       {GDK_KEY_Insert, 0x2D /* VK_INSERT */},
    {GDK_KEY_Delete, 0x2E /* VK_DELETE */},        {GDK_KEY_Help, 0x2F /* VK_HELP */},
    {GDK_KEY_Super_L, 0x5B /* VK_LWIN */},         {GDK_KEY_Super_R, 0x5C /* VK_RWIN */},
    {GDK_KEY_Menu, 0x5D /* VK_APPS */},            {GDK_KEY_KP_Multiply, 0x6A /* VK_MULTIPLY */},
    {GDK_KEY_KP_Add, 0x6B /* VK_ADD */},           {GDK_KEY_KP_Subtract, 0x6D /* VK_SUBTRACT */},
    {GDK_KEY_KP_Decimal, 0x6E /* VK_DECIMAL */},   {GDK_KEY_KP_Divide, 0x6F /* VK_DIVIDE */},
    {GDK_KEY_Num_Lock, 0x90 /* VK_NUMLOCK */},     {GDK_KEY_Scroll_Lock, 0x91 /* VK_SCROLL */},
    {GDK_KEY_semicolon, 0xBA /* VK_OEM_1 */},      {GDK_KEY_colon, 0xBA /* VK_OEM_1 */},
    {GDK_KEY_equal, 0xBB /* VK_OEM_PLUS */},       {GDK_KEY_plus, 0xBB /* VK_OEM_PLUS */},
    {GDK_KEY_comma, 0xBC /* VK_OEM_COMMA */},      {GDK_KEY_less, 0xBC /* VK_OEM_COMMA */},
    {GDK_KEY_minus, 0xBD /* VK_OEM_MINUS */},      {GDK_KEY_underscore, 0xBD /* VK_OEM_MINUS */},
    {GDK_KEY_period, 0xBE /* VK_OEM_PERIOD */},    {GDK_KEY_greater, 0xBE /* VK_OEM_PERIOD */},
    {GDK_KEY_slash, 0xBF /* VK_OEM_2 */},          {GDK_KEY_question, 0xBF /* VK_OEM_2 */},
    {GDK_KEY_grave, 0xC0 /* VK_OEM_3 */},          {GDK_KEY_asciitilde, 0xC0 /* VK_OEM_3 */},
    {GDK_KEY_bracketleft, 0xDB /* VK_OEM_4 */},    {GDK_KEY_braceleft, 0xDB /* VK_OEM_4 */},
    {GDK_KEY_backslash, 0xDC /* VK_OEM_5 */},      {GDK_KEY_bar, 0xDC /* VK_OEM_5 */},
    {GDK_KEY_bracketright, 0xDD /* VK_OEM_6 */},   {GDK_KEY_braceright, 0xDD /* VK_OEM_6 */},
    {GDK_KEY_apostrophe, 0xDE /* VK_OEM_7 */},     {GDK_KEY_quotedbl, 0xDE /* VK_OEM_7 */},
};

// Shifted digits of the US layout, so that Shift+1 stays the key '1'.
constexpr KeyPair kShiftedDigits[] = {
    {GDK_KEY_parenright, '0'}, {GDK_KEY_exclam, '1'},      {GDK_KEY_at, '2'},
    {GDK_KEY_numbersign, '3'}, {GDK_KEY_dollar, '4'},      {GDK_KEY_percent, '5'},
    {GDK_KEY_asciicircum, '6'}, {GDK_KEY_ampersand, '7'},  {GDK_KEY_asterisk, '8'},
    {GDK_KEY_parenleft, '9'},
};

}  // namespace

UINT VirtualKeyOf(unsigned keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return 'A' + (keyval - GDK_KEY_a);
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return 'A' + (keyval - GDK_KEY_A);
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return '0' + (keyval - GDK_KEY_0);
  if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9) return 0x60 /* VK_NUMPAD0 */ + (keyval - GDK_KEY_KP_0);
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return 0x70 /* VK_F1 */ + (keyval - GDK_KEY_F1);
  for (const KeyPair& pair : kKeys) {
    if (pair.keyval == keyval) return pair.vk;
  }
  for (const KeyPair& pair : kShiftedDigits) {
    if (pair.keyval == keyval) return pair.vk;
  }
  return 0;
}

bool PlatformTypesCharacter(UINT vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return true;
  switch (vk) {
    case 0x08: case 0x09: case 0x0D: case 0x1B: case 0x20:
    case 0xBA: case 0xBB: case 0xBC: case 0xBD: case 0xBE: case 0xBF: case 0xC0:
    case 0xDB: case 0xDC: case 0xDD: case 0xDE:
      return true;
    default:
      return false;
  }
}

}  // namespace platform::display::gtk
