// The program's shared routines that use the data module and the application
// object: message boxes, the dictionary lookups and the start-up connection.
#pragma once

#include "toolkit/ADODB.h"

// An information box (OK, information icon). Caption first.
void MsgInfo(const AnsiString& caption, const AnsiString& text);
// A question box (Yes and No, question icon); true only for Yes.
bool MsgAsk(const AnsiString& caption, const AnsiString& text);

// Runs dbo.[P_Get_Bas_Dict] with "@snFirsID" = first on `proc`; true when its
// result set is open. Every failure gives false silently. The caller reads
// the second column of the current row.
bool GetDict(TADOStoredProc* proc, const AnsiString& first);
// The same with dbo.[P_Get_Bas_DictEx] and "@snSecoID" = second.
bool GetDictEx(TADOStoredProc* proc, const AnsiString& first, const AnsiString& second);

// Refuses a second running copy, then opens Fm_Data->ADOConMain with the
// built-in connection values. A failure is logged, never shown; the answer
// says whether the main window may be created.
bool ConnectServer();
