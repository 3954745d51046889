// Routines that describe the machine the program runs on.
#pragma once

#include <cstdint>

#include "platform/base/strings.h"

// The text between the first start marker and the next end marker, searched
// from the second character after the start marker; empty when either is
// missing.
AnsiString GetMidStr(const AnsiString& source, const AnsiString& startMarker, const AnsiString& endMarker);

// Two upper-case hex digits.
AnsiString ByteToHex(std::uint8_t value);

// The MD5 digest of the text's bytes as 32 upper-case hex digits.
AnsiString GetMD5Str(const AnsiString& text);
