#include "services/db/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace services::db {

namespace {

bool ParseWholeNumber(std::string_view text, std::int64_t& value) {
  const AnsiString trimmed = Trim(text);
  std::string_view digits = trimmed;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  if (digits.empty()) return false;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc() && end == digits.data() + digits.size();
}

bool ParseNumber(std::string_view text, double& value) {
  const AnsiString trimmed = Trim(text);
  std::string_view digits = trimmed;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  if (digits.empty()) return false;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc() && end == digits.data() + digits.size() && std::isfinite(value);
}

// "yyyy-mm-dd", optionally followed by a blank or "T" and "hh:nn", ":ss" and ".zzz".
bool ParseDateTime(std::string_view text, TDateTime& value) {
  const AnsiString trimmed = Trim(text);
  TDateTimeParts parts;
  char separator = 0;
  int consumed = 0;
  const int fields = std::sscanf(trimmed.c_str(), "%4d-%2d-%2d%n%c%2d:%2d%n:%2d%n.%3d%n", &parts.Year, &parts.Month,
                                 &parts.Day, &consumed, &separator, &parts.Hour, &parts.Minute, &consumed,
                                 &parts.Second, &consumed, &parts.Millisecond, &consumed);
  if (fields < 3 || static_cast<std::size_t>(consumed) != trimmed.size()) return false;
  if (fields > 3 && separator != ' ' && separator != 'T') return false;
  if (parts.Month < 1 || parts.Month > 12 || parts.Day < 1 || parts.Day > 31 || parts.Hour > 23 ||
      parts.Minute > 59 || parts.Second > 59 || parts.Hour < 0 || parts.Minute < 0 || parts.Second < 0 ||
      parts.Millisecond < 0) {
    return false;
  }
  value = EncodeDateTime(parts);
  return DecodeDateTime(value).Day == parts.Day;  // rejects 02-30 and the like
}

AnsiString FloatText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

[[noreturn]] void RaiseMismatch(const Value& value, const char* typeName, const AnsiString& what) {
  throw EDatabaseError("The value '" + value.AsString() + "' of " + what + " cannot be converted to " + typeName);
}

struct IntegerRange {
  std::int64_t low;
  std::int64_t high;
  const char* name;
};

IntegerRange RangeOf(DataType type) {
  switch (type) {
    case DataType::TinyInt: return {0, 255, "tinyint"};
    case DataType::SmallInt: return {-32768, 32767, "smallint"};
    case DataType::Integer: return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), "int"};
    case DataType::Boolean: return {0, 1, "bit"};
    default: return {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(), "bigint"};
  }
}

Value ToInteger(const Value& value, DataType type, const AnsiString& what) {
  const IntegerRange range = RangeOf(type);
  std::int64_t number = 0;
  switch (value.GetKind()) {
    case Value::Kind::Integer:
      number = value.AsInteger();
      break;
    case Value::Kind::Float:
    case Value::Kind::DateTime: {
      const double rounded = std::nearbyint(value.AsFloat());
      if (!(rounded >= -9.2e18 && rounded <= 9.2e18)) RaiseMismatch(value, range.name, what);
      number = static_cast<std::int64_t>(rounded);
      break;
    }
    default: {
      const AnsiString text = value.AsString();
      if (type == DataType::Boolean && SameText(Trim(text), "true")) return Value::Integer(1);
      if (type == DataType::Boolean && SameText(Trim(text), "false")) return Value::Integer(0);
      if (!ParseWholeNumber(text, number)) RaiseMismatch(value, range.name, what);
    }
  }
  if (type == DataType::Boolean) return Value::Integer(number != 0 ? 1 : 0);
  if (number < range.low || number > range.high) RaiseMismatch(value, range.name, what);
  return Value::Integer(number);
}

}  // namespace

bool IsTextType(DataType type) {
  return type == DataType::String || type == DataType::FixedChar || type == DataType::WideString ||
         type == DataType::Memo;
}

bool IsIntegerType(DataType type) {
  return type == DataType::TinyInt || type == DataType::SmallInt || type == DataType::Integer ||
         type == DataType::LargeInt || type == DataType::Boolean;
}

bool IsFloatType(DataType type) {
  return type == DataType::Float || type == DataType::Currency || type == DataType::Decimal;
}

DataType DataTypeFromSqlName(const AnsiString& typeName) {
  struct Entry {
    const char* name;
    DataType type;
  };
  static constexpr Entry kTypes[] = {
      {"varchar", DataType::String},     {"char", DataType::FixedChar},     {"nvarchar", DataType::WideString},
      {"nchar", DataType::WideString},   {"text", DataType::Memo},          {"ntext", DataType::Memo},
      {"sysname", DataType::WideString}, {"tinyint", DataType::TinyInt},    {"smallint", DataType::SmallInt},
      {"int", DataType::Integer},        {"integer", DataType::Integer},    {"bigint", DataType::LargeInt},
      {"bit", DataType::Boolean},        {"float", DataType::Float},        {"real", DataType::Float},
      {"money", DataType::Currency},     {"smallmoney", DataType::Currency}, {"decimal", DataType::Decimal},
      {"numeric", DataType::Decimal},    {"datetime", DataType::DateTime},  {"smalldatetime", DataType::DateTime},
      {"date", DataType::DateTime},      {"datetime2", DataType::DateTime}, {"binary", DataType::Bytes},
      {"varbinary", DataType::Bytes},    {"image", DataType::Bytes},
  };
  for (const Entry& entry : kTypes) {
    if (SameText(typeName, entry.name)) return entry.type;
  }
  return DataType::Unknown;
}

Value::Value(Kind kind, std::int64_t integer, double real, AnsiString text)
    : kind_(kind), integer_(integer), float_(real), text_(std::move(text)) {}

Value Value::Integer(std::int64_t value) { return Value(Kind::Integer, value, 0, AnsiString()); }

Value Value::Float(double value) { return Value(Kind::Float, 0, value, AnsiString()); }

Value Value::Text(AnsiString value) { return Value(Kind::Text, 0, 0, std::move(value)); }

Value Value::DateTime(TDateTime value) { return Value(Kind::DateTime, 0, value, AnsiString()); }

std::int64_t Value::AsInteger() const {
  if (kind_ == Kind::Integer) return integer_;
  if (kind_ == Kind::Null) throw EDatabaseError("NULL cannot be converted to a number");
  return ToInteger(*this, DataType::LargeInt, "a value").integer_;
}

double Value::AsFloat() const {
  switch (kind_) {
    case Kind::Integer: return static_cast<double>(integer_);
    case Kind::Float:
    case Kind::DateTime: return float_;
    case Kind::Null: throw EDatabaseError("NULL cannot be converted to a number");
    case Kind::Text: break;
  }
  double number = 0;
  if (!ParseNumber(text_, number)) RaiseMismatch(*this, "float", "a value");
  return number;
}

AnsiString Value::AsString() const {
  switch (kind_) {
    case Kind::Null: return AnsiString();
    case Kind::Integer: return IntToStr(integer_);
    case Kind::Float: return FloatText(float_);
    case Kind::DateTime: return DateTimeToStr(float_);
    case Kind::Text: break;
  }
  return text_;
}

Value ConvertToType(const Value& value, DataType type, const AnsiString& what) {
  if (value.IsNull()) return value;
  if (IsIntegerType(type)) return ToInteger(value, type, what);
  if (IsFloatType(type)) {
    if (value.GetKind() == Value::Kind::Text) {
      double number = 0;
      if (!ParseNumber(value.AsString(), number)) RaiseMismatch(value, "float", what);
      return Value::Float(number);
    }
    return Value::Float(value.AsFloat());
  }
  if (type == DataType::DateTime) {
    if (value.GetKind() != Value::Kind::Text) return Value::DateTime(value.AsFloat());
    TDateTime date = 0;
    if (!ParseDateTime(value.AsString(), date)) RaiseMismatch(value, "datetime", what);
    return Value::DateTime(date);
  }
  if (value.GetKind() == Value::Kind::Text) return value;
  return Value::Text(value.AsString());
}

}  // namespace services::db
