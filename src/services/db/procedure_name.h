// Procedure names as the program writes them ("dbo.[P_Get_Bas_DictEx]"): up to
// three parts separated by ".", each plain or enclosed in brackets or double
// quotes.
#pragma once

#include "platform/base/strings.h"

namespace services::db {

struct ProcedureName {
  AnsiString catalog;  // empty when not given
  AnsiString schema;   // empty when not given
  AnsiString name;
};

// Raises EDatabaseError for an empty name, an empty part, an unclosed bracket
// or quote, or more than three parts.
ProcedureName ParseProcedureName(const AnsiString& text);

}  // namespace services::db
