// Conversions between the client layer's values and db-lib's data: result
// columns and returned parameters in, remote-procedure-call arguments out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "services/db/parameters.h"

struct tds_dblib_dbprocess;

namespace services::db {

// The client layer's type for a db-lib data type (SYBINT4, SYBCHAR ...).
DataType DataTypeFromTds(int tdsType);

// The value of `length` bytes of db-lib data of `tdsType`; a null pointer
// is NULL. Text arrives in the client character set, UTF-8.
Value ValueFromTds(tds_dblib_dbprocess* dbproc, int tdsType, const std::uint8_t* data, int length);

// One argument of a remote procedure call, laid out as dbrpcparam takes it.
struct RpcArgument {
  std::string name;  // UTF-8, with "@"
  bool output = false;
  int tdsType = 0;
  int maxLength = -1;
  bool isNull = false;
  std::vector<std::uint8_t> data;
};

// The argument for a parameter and its current value.
RpcArgument RpcArgumentFor(tds_dblib_dbprocess* dbproc, const Parameter& parameter);

}  // namespace services::db
