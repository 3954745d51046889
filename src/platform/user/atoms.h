// Case-insensitive names and the global atom table, shared by classes,
// atoms and window properties.
#pragma once

#include <string_view>

#include "platform/base/strings.h"

namespace platform {

// Names compare without regard to ASCII case, as Win32's class and atom names.
WideString FoldName(std::u16string_view name);
bool SameName(std::u16string_view a, std::u16string_view b);

// The global atom table: string atoms from 0xC000 with reference counts;
// "#n" and values below 0xC000 are integer atoms.
ATOM AddAtom(std::u16string_view name);
ATOM FindAtom(std::u16string_view name);
bool DeleteAtom(ATOM atom);
bool AtomName(ATOM atom, WideString& name);

}  // namespace platform
