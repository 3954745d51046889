// The parameters of a stored procedure as the server describes them, with the
// values the program sets and the values output parameters bring back.
#pragma once

#include <vector>

#include "services/db/value.h"

namespace services::db {

// ADO's numbering: 1 input, 2 output, 3 input and output, 4 return value.
enum class ParameterDirection { Unknown = 0, Input = 1, Output = 2, InputOutput = 3, ReturnValue = 4 };

class Parameter {
 public:
  // `size` is the length in characters of text types and in bytes of binary
  // types; `precision` and `scale` describe decimals.
  Parameter(AnsiString name, DataType type, ParameterDirection direction, int size, int precision = 0,
            int scale = 0);

  const AnsiString& Name() const { return name_; }
  DataType Type() const { return type_; }
  ParameterDirection Direction() const { return direction_; }
  int Size() const { return size_; }
  int Precision() const { return precision_; }
  int NumericScale() const { return scale_; }
  // True for the directions whose value the server sends back.
  bool IsReturned() const;

  const Value& GetValue() const { return value_; }
  // Stores the value converted to the declared type; raises EDatabaseError
  // when it does not fit (see ConvertToType).
  void SetValue(const Value& value);
  void SetText(const AnsiString& text) { SetValue(Value::Text(text)); }
  void SetInteger(std::int64_t number) { SetValue(Value::Integer(number)); }
  void Clear() { value_ = Value(); }

  AnsiString AsString() const { return value_.AsString(); }
  std::int64_t AsInteger() const { return value_.AsInteger(); }

 private:
  AnsiString name_;
  DataType type_;
  ParameterDirection direction_;
  int size_;
  int precision_;
  int scale_;
  Value value_;
};

// A procedure's parameter list; names are matched without regard to case.
class Parameters {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  Parameter& operator[](int index);
  const Parameter& operator[](int index) const;
  Parameter* Find(const AnsiString& name);
  const Parameter* Find(const AnsiString& name) const;
  // Raises EDatabaseError "Parameter '<name>' not found" when absent.
  Parameter& ParamByName(const AnsiString& name);
  const Parameter& ParamByName(const AnsiString& name) const;

  void Add(Parameter parameter) { items_.push_back(std::move(parameter)); }
  void Clear() { items_.clear(); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<Parameter> items_;
};

}  // namespace services::db
