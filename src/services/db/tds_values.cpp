#include "services/db/tds_values.h"

#include <algorithm>
#include <cstring>

#include "services/db/tds_dblib.h"

namespace services::db {

namespace {

// The longest text a varchar argument of TDS 7 carries.
constexpr int kMaxVarcharBytes = 8000;

template <typename T>
std::vector<std::uint8_t> BytesOf(T value) {
  std::vector<std::uint8_t> bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

std::vector<std::uint8_t> BytesOf(const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); }

Value DateTimeFromTds(DBPROCESS* dbproc, int tdsType, const BYTE* data, int length) {
  DBDATETIME converted{};
  if (dbconvert(dbproc, tdsType, data, length, SYBDATETIME, reinterpret_cast<BYTE*>(&converted), sizeof converted) <= 0) {
    return Value();
  }
  DBDATEREC parts{};
  if (dbdatecrack(dbproc, &parts, &converted) != SUCCEED) return Value();
  return Value::DateTime(EncodeDateTime({parts.dateyear, parts.datemonth + 1, parts.datedmonth, parts.datehour,
                                         parts.dateminute, parts.datesecond, parts.datemsecond}));
}

}  // namespace

DataType DataTypeFromTds(int tdsType) {
  switch (tdsType) {
    case SYBCHAR:
    case SYBVARCHAR: return DataType::String;
    case SYBNVARCHAR: return DataType::WideString;
    case SYBTEXT:
    case SYBNTEXT: return DataType::Memo;
    case SYBINT1: return DataType::TinyInt;
    case SYBINT2: return DataType::SmallInt;
    case SYBINT4:
    case SYBINTN: return DataType::Integer;
    case SYBINT8: return DataType::LargeInt;
    case SYBBIT:
    case SYBBITN: return DataType::Boolean;
    case SYBFLT8:
    case SYBREAL:
    case SYBFLTN: return DataType::Float;
    case SYBMONEY:
    case SYBMONEY4:
    case SYBMONEYN: return DataType::Currency;
    case SYBDECIMAL:
    case SYBNUMERIC: return DataType::Decimal;
    case SYBDATETIME:
    case SYBDATETIME4:
    case SYBDATETIMN:
    case SYBMSDATE:
    case SYBMSDATETIME2: return DataType::DateTime;
    case SYBBINARY:
    case SYBVARBINARY:
    case SYBIMAGE: return DataType::Bytes;
    default: return DataType::Unknown;
  }
}

Value ValueFromTds(DBPROCESS* dbproc, int tdsType, const std::uint8_t* data, int length) {
  if (data == nullptr || length < 0) return Value();
  const DataType type = DataTypeFromTds(tdsType);
  if (IsTextType(type)) {
    return Value::Text(platform::Utf8ToAnsiString(
        std::string_view(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length))));
  }
  if (type == DataType::Bytes) {
    return Value::Text(AnsiString(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length)));
  }
  if (IsIntegerType(type)) {
    DBBIGINT number = 0;
    if (dbconvert(dbproc, tdsType, data, length, SYBINT8, reinterpret_cast<BYTE*>(&number), sizeof number) <= 0) {
      return Value();
    }
    return Value::Integer(number);
  }
  if (IsFloatType(type)) {
    DBFLT8 number = 0;
    if (dbconvert(dbproc, tdsType, data, length, SYBFLT8, reinterpret_cast<BYTE*>(&number), sizeof number) <= 0) {
      return Value();
    }
    return Value::Float(number);
  }
  if (type == DataType::DateTime) return DateTimeFromTds(dbproc, tdsType, data, length);
  // Anything else (unique identifiers, times, ...) as the text db-lib makes of it.
  std::vector<char> text(static_cast<std::size_t>(length) * 2 + 64);
  const DBINT written = dbconvert(dbproc, tdsType, data, length, SYBCHAR, reinterpret_cast<BYTE*>(text.data()),
                                  static_cast<DBINT>(text.size()));
  if (written < 0) return Value();
  return Value::Text(platform::Utf8ToAnsiString(std::string_view(text.data(), static_cast<std::size_t>(written))));
}

RpcArgument RpcArgumentFor(DBPROCESS* dbproc, const Parameter& parameter) {
  RpcArgument argument;
  argument.name = platform::AnsiToUtf8String(parameter.Name());
  argument.output = parameter.IsReturned();
  const Value& value = parameter.GetValue();
  argument.isNull = value.IsNull();
  switch (parameter.Type()) {
    case DataType::Boolean: argument.tdsType = SYBBIT; break;
    case DataType::TinyInt: argument.tdsType = SYBINT1; break;
    case DataType::SmallInt: argument.tdsType = SYBINT2; break;
    case DataType::Integer: argument.tdsType = SYBINT4; break;
    case DataType::LargeInt: argument.tdsType = SYBINT8; break;
    case DataType::Float:
    case DataType::Currency:
    case DataType::Decimal: argument.tdsType = SYBFLT8; break;
    case DataType::DateTime: argument.tdsType = SYBDATETIME; break;
    case DataType::Bytes: argument.tdsType = SYBVARBINARY; break;
    default: argument.tdsType = SYBVARCHAR; break;
  }
  if (argument.tdsType == SYBVARCHAR || argument.tdsType == SYBVARBINARY) {
    // Output texts get room for the declared size in UTF-8.
    const int declared = parameter.Size() > 0 ? parameter.Size() * 3 : kMaxVarcharBytes;
    argument.maxLength = argument.output ? std::min(declared, kMaxVarcharBytes) : -1;
  }
  if (argument.isNull) return argument;

  switch (argument.tdsType) {
    case SYBBIT:
    case SYBINT1: argument.data = BytesOf(static_cast<std::uint8_t>(value.AsInteger())); break;
    case SYBINT2: argument.data = BytesOf(static_cast<std::int16_t>(value.AsInteger())); break;
    case SYBINT4: argument.data = BytesOf(static_cast<std::int32_t>(value.AsInteger())); break;
    case SYBINT8: argument.data = BytesOf(static_cast<std::int64_t>(value.AsInteger())); break;
    case SYBFLT8: argument.data = BytesOf(value.AsFloat()); break;
    case SYBDATETIME: {
      const std::string text = FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", value.AsFloat());
      DBDATETIME converted{};
      if (dbconvert(dbproc, SYBCHAR, reinterpret_cast<const BYTE*>(text.data()), static_cast<DBINT>(text.size()),
                    SYBDATETIME, reinterpret_cast<BYTE*>(&converted), sizeof converted) <= 0) {
        throw EDatabaseError("The value of parameter '" + parameter.Name() + "' is not a valid date");
      }
      argument.data = BytesOf(converted);
      break;
    }
    case SYBVARBINARY: argument.data = BytesOf(value.AsString()); break;
    default: argument.data = BytesOf(platform::AnsiToUtf8String(value.AsString())); break;
  }
  if (argument.output && argument.maxLength >= 0 && static_cast<int>(argument.data.size()) > argument.maxLength) {
    argument.maxLength = static_cast<int>(argument.data.size());
  }
  return argument;
}

}  // namespace services::db
