// The program's calling convention for stored procedures, written over the
// client layer the way the program's dictionary and login routines use it,
// so that tests run the same sequence against both backends.
#pragma once

#include "services/db/connection.h"
#include "services/db/stored_proc.h"

namespace dbtest {

// Close, command text, refresh, inputs, open; false on any failure.
bool LookUpDict(services::db::StoredProc& proc, const AnsiString& first);
bool LookUpDictEx(services::db::StoredProc& proc, const AnsiString& first, const AnsiString& second);

// Steps 3 to 5 of the login: the eight parameters in order, then open.
// Raises what the client layer raises.
void CallLogin(services::db::StoredProc& proc, const AnsiString& account, const AnsiString& cipherPassword,
               const AnsiString& localIP = "192.0.2.10", const AnsiString& wanIP = "127.0.0.1",
               const AnsiString& adapter = "00-1A-2B-3C-4D-5E", const AnsiString& computer = "TESTHOST");

// "Provider=SQLOLEDB.1;Password=...;...;Data Source=<source>", as the program assembles it.
AnsiString ProgramConnectionString(const AnsiString& password, const AnsiString& user, const AnsiString& catalog,
                                   const AnsiString& source);

}  // namespace dbtest
