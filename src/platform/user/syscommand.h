// System commands and the default handling of non-client mouse presses.
#pragma once

#include "platform/user/window_object.h"

namespace platform {

// The message-filter code of the loop that holds a caption button pressed.
constexpr int MSGF_MAX_CAPTION = 8;

LRESULT HandleSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT HandleNcLButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam);
LRESULT HandleNcLButtonDblClk(HWND hwnd, WPARAM hit, LPARAM lParam);

}  // namespace platform
