// Values that travel between the program and the service database: what a
// parameter holds and what a result column gives, with the conversions the
// client layer makes to the declared type.
#pragma once

#include <cstdint>

#include "platform/base/datetime.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"

namespace services::db {

// Every failure of the database client layer: a connection that cannot be
// made, a procedure the server rejects, a value that does not fit its type, a
// parameter or field that does not exist. The message says what happened; for
// failures the server or the provider reports, it carries their text.
class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

// The declared type of a parameter or a result column.
enum class DataType {
  Unknown,
  String,      // varchar
  FixedChar,   // char
  WideString,  // nvarchar, nchar
  Memo,        // text, ntext
  TinyInt,     // 0..255
  SmallInt,
  Integer,
  LargeInt,
  Boolean,
  Float,
  Currency,
  Decimal,
  DateTime,
  Bytes,
};

bool IsTextType(DataType type);
bool IsIntegerType(DataType type);
bool IsFloatType(DataType type);
// The type for an SQL Server type name ("varchar", "int"); Unknown for others.
DataType DataTypeFromSqlName(const AnsiString& typeName);

// A value as the client layer holds it. Text is the program's 8-bit text
// (code page 936); bytes of binary columns are held as text too.
class Value {
 public:
  enum class Kind { Null, Integer, Float, Text, DateTime };

  Value() = default;
  static Value Integer(std::int64_t value);
  static Value Float(double value);
  static Value Text(AnsiString value);
  static Value DateTime(TDateTime value);

  Kind GetKind() const { return kind_; }
  bool IsNull() const { return kind_ == Kind::Null; }
  std::int64_t AsInteger() const;  // raises for NULL and for text that is not a whole number
  double AsFloat() const;          // raises for NULL and for text that is not a number
  // NULL gives the empty text; numbers are written in decimal, dates by the
  // process-wide date and time format.
  AnsiString AsString() const;

  friend bool operator==(const Value&, const Value&) = default;

 private:
  Value(Kind kind, std::int64_t integer, double real, AnsiString text);

  Kind kind_ = Kind::Null;
  std::int64_t integer_ = 0;
  double float_ = 0;
  AnsiString text_;
};

// The value converted to what a parameter or column of `type` holds: text to
// numbers and dates, numbers to text, and whole numbers checked against the
// type's range. NULL stays NULL. Raises EDatabaseError naming `what` (such as
// "parameter '@snFirsID'") when the value does not fit.
Value ConvertToType(const Value& value, DataType type, const AnsiString& what);

}  // namespace services::db
