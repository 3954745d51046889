// Database components: a connection and a stored-procedure call, as components
// a data module owns and a form resource describes. They hand the work to the
// database client layer and keep its behaviour: Close has no effect when
// closed, Open blocks and raises EDatabaseError with the provider's message.
#pragma once

#include "services/db/connection.h"
#include "services/db/stored_proc.h"
#include "toolkit/Component.h"

using services::db::EDatabaseError;

class TADOConnection : public TComponent {
  T_CLASS(TADOConnection, TComponent)

 public:
  explicit TADOConnection(TComponent* owner);

  AnsiString ConnectionString() const { return connection_.ConnectionString(); }
  void SetConnectionString(const AnsiString& text) { connection_.SetConnectionString(text); }
  // The client layer never prompts; the property is kept for form resources.
  bool LoginPrompt() const { return loginPrompt_; }
  void SetLoginPrompt(bool prompt) { loginPrompt_ = prompt; }
  int ConnectionTimeout() const { return connection_.ConnectionTimeout(); }
  void SetConnectionTimeout(int seconds) { connection_.SetConnectionTimeout(seconds); }
  int CommandTimeout() const { return connection_.CommandTimeout(); }
  void SetCommandTimeout(int seconds) { connection_.SetCommandTimeout(seconds); }

  bool Connected() const { return connection_.Connected(); }
  void Open() { connection_.Open(); }
  void Close() { connection_.Close(); }

  services::db::Connection& Native() { return connection_; }

 private:
  services::db::Connection connection_;
  bool loginPrompt_ = true;
};

class TADOStoredProc : public TComponent {
  T_CLASS(TADOStoredProc, TComponent)

 public:
  explicit TADOStoredProc(TComponent* owner);
  ~TADOStoredProc() override;

  TADOConnection* Connection() const { return connection_; }
  void SetConnection(TADOConnection* connection);
  AnsiString ProcedureName() const { return proc_.ProcedureName(); }
  void SetProcedureName(const AnsiString& name) { proc_.SetProcedureName(name); }

  services::db::Parameters& Parameters() { return proc_.GetParameters(); }
  services::db::Parameter& ParamByName(const AnsiString& name) { return proc_.ParamByName(name); }
  void RefreshParameters() { proc_.RefreshParameters(); }

  void Open() { proc_.Open(); }
  void Close() { proc_.Close(); }
  bool Active() const { return proc_.Active(); }
  int RecordCount() const { return proc_.RecordCount(); }
  int FieldCount() const { return proc_.FieldCount(); }
  const services::db::Field& Fields(int index) const { return proc_.Fields(index); }
  const services::db::Field& FieldByName(const AnsiString& name) const { return proc_.FieldByName(name); }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TADOConnection* connection_ = nullptr;
  services::db::StoredProc proc_;
};
