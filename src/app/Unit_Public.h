// The program's shared routines: the text cipher, the daily log and the
// single-instance test.
#pragma once

#include "platform/base/strings.h"

// Enciphers 8-bit text into upper-case hexadecimal: a random seed pair, then
// one pair per character. Never fails.
AnsiString EncryptStr(const AnsiString& plain);

// EncryptStr with the seed given (its low byte), as the service enciphers
// the account password it answers.
AnsiString EncryptStrWithSeed(const AnsiString& plain, int seed);

// Deciphers what EncryptStr made. Raises EConvertError for a pair that is not
// hexadecimal, including an empty text and a bare two-digit seed.
AnsiString DecryptStr(const AnsiString& cipher);

// Appends "date time: message" to log/YYYYMMDD<suffix>.txt beside the
// executable. Every failure is swallowed.
void WriteLog(const AnsiString& suffix, const AnsiString& message);

// True when more than one running process carries the executable file name
// `name` (compared without regard to case, against the file-name part of
// each process's executable and then against its whole text). The calling
// process counts too, so a second copy sees two.
bool CheckAppRunning(const AnsiString& name);
