#include "services/db/tds_messages.h"

#include <mutex>

#include "services/db/tds_dblib.h"

namespace services::db {

namespace {

thread_local TdsMessageScope* currentScope = nullptr;

// Server messages of severity 10 and below are information ("changed
// database context"); above it they are errors.
constexpr int kInformationSeverity = 10;

int HandleError(DBPROCESS* /*dbproc*/, int /*severity*/, int dberr, int oserr, char* dberrstr, char* oserrstr) {
  if (currentScope == nullptr) return INT_CANCEL;
  if (dberr == SYBETIME) {
    currentScope->AddText(dberrstr != nullptr ? dberrstr : "timeout");
    return currentScope->HandleTimeout();
  }
  // "General SQL Server error: Check messages from the SQL Server": the
  // server's own message has been collected already.
  if (dberr == SYBESMSG) return INT_CANCEL;
  std::string text = dberrstr != nullptr ? dberrstr : "";
  if (oserr != DBNOERR && oserr != 0 && oserrstr != nullptr && *oserrstr != '\0') text += std::string(" (") + oserrstr + ")";
  currentScope->AddText(text);
  return INT_CANCEL;
}

int HandleMessage(DBPROCESS* /*dbproc*/, DBINT /*msgno*/, int /*msgstate*/, int severity, char* msgtext,
                  char* /*srvname*/, char* /*procname*/, int /*line*/) {
  if (currentScope != nullptr && severity > kInformationSeverity && msgtext != nullptr) {
    currentScope->AddText(msgtext);
  }
  return 0;
}

}  // namespace

void InitialiseDbLib() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (dbinit() == FAIL) throw EDatabaseError("The TDS client library could not be initialised");
    dberrhandle(HandleError);
    dbmsghandle(HandleMessage);
  });
}

TdsMessageScope::TdsMessageScope(Phase phase) : phase_(phase), outer_(currentScope) { currentScope = this; }

TdsMessageScope::~TdsMessageScope() { currentScope = outer_; }

void TdsMessageScope::AddText(const std::string& text) {
  if (text.empty() || (!texts_.empty() && texts_.back() == text)) return;
  texts_.push_back(text);
}

// A command that times out is cancelled and the connection kept (the server
// acknowledges the cancel); when the cancel itself goes unanswered, or while
// logging in, the connection is dropped.
int TdsMessageScope::HandleTimeout() {
  ++timeouts_;
  return phase_ == Phase::Command && timeouts_ == 1 ? INT_TIMEOUT : INT_CANCEL;
}

void TdsMessageScope::Raise(const std::string& fallback) const {
  std::string message;
  for (const std::string& text : texts_) message += (message.empty() ? "" : "; ") + text;
  if (message.empty()) message = fallback;
  throw EDatabaseError(platform::Utf8ToAnsiString(message));
}

}  // namespace services::db
