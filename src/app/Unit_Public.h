// The program's shared routines: the text cipher and the daily log.
#pragma once

#include "platform/base/strings.h"

// Enciphers 8-bit text into upper-case hexadecimal: a random seed pair, then
// one pair per character. Never fails.
AnsiString EncryptStr(const AnsiString& plain);

// Deciphers what EncryptStr made. Raises EConvertError for a pair that is not
// hexadecimal, including an empty text and a bare two-digit seed.
AnsiString DecryptStr(const AnsiString& cipher);

// Appends "date time: message" to log/YYYYMMDD<suffix>.txt beside the
// executable. Every failure is swallowed.
void WriteLog(const AnsiString& suffix, const AnsiString& message);
