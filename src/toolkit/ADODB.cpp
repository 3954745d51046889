#include "toolkit/ADODB.h"

T_CLASS_INFO(TADOConnection, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TADOConnection>;
  c.AddProperty(String<TADOConnection>("ConnectionString", &TADOConnection::ConnectionString,
                                       &TADOConnection::SetConnectionString));
  c.AddProperty(Boolean<TADOConnection>("LoginPrompt", &TADOConnection::LoginPrompt, &TADOConnection::SetLoginPrompt));
  c.AddProperty(Integer<TADOConnection>("ConnectionTimeout", &TADOConnection::ConnectionTimeout,
                                        &TADOConnection::SetConnectionTimeout));
  c.AddProperty(Integer<TADOConnection>("CommandTimeout", &TADOConnection::CommandTimeout,
                                        &TADOConnection::SetCommandTimeout));
})

TADOConnection::TADOConnection(TComponent* owner) : TComponent(owner) {}

T_CLASS_INFO(TADOStoredProc, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TADOStoredProc>;
  c.AddProperty(Object<TADOStoredProc, TADOConnection>("Connection", &TADOStoredProc::Connection,
                                                      &TADOStoredProc::SetConnection));
  c.AddProperty(String<TADOStoredProc>("ProcedureName", &TADOStoredProc::ProcedureName,
                                       &TADOStoredProc::SetProcedureName));
})

TADOStoredProc::TADOStoredProc(TComponent* owner) : TComponent(owner) {}

TADOStoredProc::~TADOStoredProc() { SetConnection(nullptr); }

void TADOStoredProc::SetConnection(TADOConnection* connection) {
  if (connection == connection_) return;
  if (connection_ != nullptr) RemoveFreeNotification(connection_);
  connection_ = connection;
  proc_.SetConnection(connection != nullptr ? &connection->Native() : nullptr);
  if (connection != nullptr) FreeNotification(connection);
}

void TADOStoredProc::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == connection_) {
    connection_ = nullptr;
    proc_.SetConnection(nullptr);
  }
}
