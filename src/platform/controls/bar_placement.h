// Where a bar that places itself by the CCS_* styles (tool bar, band bar)
// goes in its parent's client area.
#pragma once

#include "platform/base/types.h"

namespace platform {

// The bar's top-left corner: across the top (CCS_TOP) or the bottom
// (CCS_BOTTOM) of `parentClient`; CCS_NOMOVEY keeps its y, CCS_NOPARENTALIGN
// its x and y. CCS_NOMOVEY shares its bit with CCS_BOTTOM: the two low bits
// say which.
POINT BarOrigin(DWORD style, POINT current, const RECT& parentClient, int height);

}  // namespace platform
