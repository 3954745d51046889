#include "services/db/stored_proc.h"

#include "services/db/connection.h"

namespace services::db {

namespace {

const Value& NullValue() {
  static const Value null;
  return null;
}

}  // namespace

const AnsiString& Field::FieldName() const { return owner_->result_.columns[static_cast<std::size_t>(index_)].name; }

DataType Field::Type() const { return owner_->result_.columns[static_cast<std::size_t>(index_)].type; }

const Value& Field::GetValue() const {
  const StoredProc& proc = *owner_;
  if (!proc.active_ || proc.result_.rows.empty()) return NullValue();
  return proc.result_.rows[static_cast<std::size_t>(proc.row_)][static_cast<std::size_t>(index_)];
}

bool Field::IsNull() const { return GetValue().IsNull(); }

AnsiString Field::AsString() const {
  const Value& value = GetValue();
  if (Type() == DataType::Boolean && !value.IsNull()) return value.AsInteger() != 0 ? "True" : "False";
  return value.AsString();
}

std::int64_t Field::AsInteger() const {
  const Value& value = GetValue();
  if (value.IsNull()) throw EDatabaseError("Field '" + FieldName() + "' is NULL");
  return value.AsInteger();
}

StoredProc::StoredProc(Connection* connection) : connection_(connection) {}

void StoredProc::SetConnection(Connection* connection) {
  Close();
  connection_ = connection;
}

void StoredProc::SetProcedureName(const AnsiString& name) {
  if (active_) throw EDatabaseError("Cannot perform this operation on an open procedure");
  procedureName_ = name;
}

Session& StoredProc::ActiveSession() const {
  if (connection_ == nullptr) throw EDatabaseError("Missing connection");
  return connection_->ActiveSession();
}

void StoredProc::RefreshParameters() {
  Session& session = ActiveSession();
  std::vector<Parameter> described = session.DescribeProcedure(procedureName_, connection_->CommandTimeout());
  parameters_.Clear();
  for (Parameter& parameter : described) parameters_.Add(std::move(parameter));
}

void StoredProc::Open() {
  if (active_) return;
  Session& session = ActiveSession();
  result_ = session.ExecuteProcedure(procedureName_, parameters_, connection_->CommandTimeout());
  fields_.clear();
  for (int i = 0; i < static_cast<int>(result_.columns.size()); ++i) fields_.emplace_back(*this, i);
  active_ = true;
  First();
}

void StoredProc::Close() {
  active_ = false;
  fields_.clear();
  result_ = ResultSet();
  First();
}

void StoredProc::CheckActive() const {
  if (!active_) throw EDatabaseError("Cannot perform this operation on a closed procedure");
}

int StoredProc::RecordCount() const {
  CheckActive();
  return static_cast<int>(result_.rows.size());
}

bool StoredProc::Eof() const { return !active_ || atEnd_ || result_.rows.empty(); }

bool StoredProc::Bof() const { return !active_ || atStart_ || result_.rows.empty(); }

void StoredProc::First() {
  row_ = 0;
  atStart_ = true;
  atEnd_ = false;
}

void StoredProc::Next() {
  CheckActive();
  if (row_ + 1 < static_cast<int>(result_.rows.size())) {
    ++row_;
    atStart_ = false;
  } else {
    atEnd_ = true;  // the last row stays current, as a data set keeps it
  }
}

const Field& StoredProc::Fields(int index) const {
  if (index < 0 || index >= FieldCount()) throw EDatabaseError("List index out of bounds (" + IntToStr(index) + ")");
  return fields_[static_cast<std::size_t>(index)];
}

const Field* StoredProc::FindField(const AnsiString& name) const {
  for (const Field& field : fields_) {
    if (SameText(field.FieldName(), name)) return &field;
  }
  return nullptr;
}

const Field& StoredProc::FieldByName(const AnsiString& name) const {
  const Field* field = FindField(name);
  if (field == nullptr) throw EDatabaseError("Field '" + name + "' not found");
  return *field;
}

}  // namespace services::db
