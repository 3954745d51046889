// The embedded service: the service database kept in one SQLite file, with
// the tables, the procedure catalog and the procedures the program calls.
// A connection whose data source names a database file reaches it.
#pragma once

#include <functional>

#include "platform/base/strings.h"

namespace services::db {

// How the service enciphers and deciphers account passwords. The rule is the
// program's text cipher, which lives above this layer; the program's data
// layer installs it before the first login, tests install the program's own
// functions. Until a rule is installed the login procedure fails with an
// error saying so. `decipher` raises for text that is not valid cipher text.
struct PasswordCipher {
  std::function<AnsiString(const AnsiString&)> encipher;
  std::function<AnsiString(const AnsiString&)> decipher;
};

void SetEmbeddedPasswordCipher(PasswordCipher cipher);
const PasswordCipher& EmbeddedPasswordCipher();

}  // namespace services::db
