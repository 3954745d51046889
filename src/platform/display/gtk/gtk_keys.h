// Keys of the screen's keyboard as the platform's virtual keys.
#pragma once

#include "platform/base/types.h"

namespace platform::display::gtk {

// The Win32 virtual key of a GDK key value; 0 for keys with none.
UINT VirtualKeyOf(unsigned keyval);

// True when the platform makes the key's character itself (US layout of the
// virtual key); otherwise the backend delivers the character it was given.
bool PlatformTypesCharacter(UINT virtualKey);

}  // namespace platform::display::gtk
