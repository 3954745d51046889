#include "services/db/parameters.h"

namespace services::db {

Parameter::Parameter(AnsiString name, DataType type, ParameterDirection direction, int size, int precision,
                     int scale)
    : name_(std::move(name)),
      type_(type),
      direction_(direction),
      size_(size),
      precision_(precision),
      scale_(scale) {}

bool Parameter::IsReturned() const {
  return direction_ == ParameterDirection::Output || direction_ == ParameterDirection::InputOutput ||
         direction_ == ParameterDirection::ReturnValue;
}

void Parameter::SetValue(const Value& value) { value_ = ConvertToType(value, type_, "parameter '" + name_ + "'"); }

Parameter& Parameters::operator[](int index) {
  return const_cast<Parameter&>(static_cast<const Parameters&>(*this)[index]);
}

const Parameter& Parameters::operator[](int index) const {
  if (index < 0 || index >= Count()) throw EDatabaseError("Parameter index out of bounds (" + IntToStr(index) + ")");
  return items_[static_cast<std::size_t>(index)];
}

Parameter* Parameters::Find(const AnsiString& name) {
  return const_cast<Parameter*>(static_cast<const Parameters&>(*this).Find(name));
}

const Parameter* Parameters::Find(const AnsiString& name) const {
  for (const Parameter& item : items_) {
    if (SameText(item.Name(), name)) return &item;
  }
  return nullptr;
}

Parameter& Parameters::ParamByName(const AnsiString& name) {
  return const_cast<Parameter&>(static_cast<const Parameters&>(*this).ParamByName(name));
}

const Parameter& Parameters::ParamByName(const AnsiString& name) const {
  const Parameter* found = Find(name);
  if (found == nullptr) throw EDatabaseError("Parameter '" + name + "' not found");
  return *found;
}

}  // namespace services::db
