// The service database as the TDS responder plays it in tests: the catalog
// procedure sp_sproc_columns and the program's three procedures over small
// in-memory tables, with the program's own password cipher.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "services/tds_responder.h"

namespace tdstest {

class FakeService {
 public:
  struct Account {
    std::string phone;
    std::string password;
    int userCode;
    std::string userName;
    std::string roleName;
  };

  FakeService();

  RpcReply operator()(const RpcCall& call) const;

  std::map<std::pair<int, int>, std::string> dictionary;  // (first, second) → value, UTF-8
  std::vector<Account> accounts;
  // Answers "vcUserPassword" with text that is not cipher text.
  bool malformedPasswordColumn = false;
  // Accepts a login but answers no account row.
  bool acceptWithoutRow = false;

 private:
  RpcReply Catalog(const RpcCall& call) const;
  RpcReply Dictionary(const RpcCall& call, bool withSecondId) const;
  RpcReply Login(const RpcCall& call) const;
};

}  // namespace tdstest
