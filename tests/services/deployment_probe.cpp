// Prints the connection string the program assembles from the built-in
// values: the deployment test compares it with the settings and searches this
// binary for the plain values, which must not be there.
#include <cstdio>

#include "app/Unit_Public.h"
#include "brellis/deployment.h"
#include "platform/base/sysutils.h"

int main() {
  const AnsiString password = DecryptStr(Trim(deployment::kDatabasePassword));
  const AnsiString user = DecryptStr(Trim(deployment::kDatabaseUserId));
  const AnsiString catalog = DecryptStr(Trim(deployment::kDatabaseCatalog));
  const AnsiString source = DecryptStr(Trim(deployment::kDatabaseDataSource));
  const AnsiString text = "Provider=SQLOLEDB.1;Password=" + password + ";Persist Security Info=True;" + "User ID=" +
                          user + ";Initial Catalog=" + catalog + ";Data Source=" + source;
  std::printf("%s\n", platform::AnsiToUtf8String(text).c_str());
  return 0;
}
