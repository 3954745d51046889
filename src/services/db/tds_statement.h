// Empty values through db-lib: dbrpcparam sends an argument of no bytes as
// NULL, yet a procedure must see an empty text as '' (a NOT NULL column or a
// test for '' tells the two apart). A call that passes an empty text or empty
// bytes therefore runs as a parameterised statement through sp_executesql:
// the empty values are literals of the statement, every other argument
// travels as a parameter of its own, output parameters come back as before.
#pragma once

#include <vector>

#include "services/db/procedure_name.h"
#include "services/db/tds_values.h"

namespace services::db {

// The statement's output parameter that carries the procedure's return status.
inline constexpr char kStatementReturnStatus[] = "@Brellis_ReturnStatus";

// True when one of the arguments is an empty value that db-lib would send as NULL.
bool NeedsStatement(const std::vector<RpcArgument>& arguments);

// The arguments of sp_executesql (@stmt, @params, then the values that travel
// as parameters) that call `procedure` with `arguments`.
std::vector<RpcArgument> StatementArguments(const ProcedureName& procedure, const std::vector<RpcArgument>& arguments);

}  // namespace services::db
