// Message-sequence tests: a recorder logs every message the watched windows
// receive (sent, posted, from inside the default procedure) and every CBT
// hook call, and compares the log with an expected table; a mismatch prints
// both sequences side by side.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/user/user.h"

namespace brellis::test {

enum MessageFlags : unsigned {
  kSent = 0x1,         // sent to the window (SendMessage or the system)
  kPosted = 0x2,       // taken from the queue by DispatchMessage
  kHook = 0x4,         // a WH_CBT hook call; `message` holds the HCBT_* code
  kDefWinProc = 0x8,   // arrived while the window was in DefWindowProc
  kOptional = 0x10,    // may be missing
  kWParam = 0x20,      // wParam must match
  kLParam = 0x40,      // lParam must match
  kOtherWindow = 0x80, // received by a watched window other than the first
};

struct ExpectedMessage {
  UINT message;
  unsigned flags;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

struct RecordedMessage {
  HWND hwnd;
  UINT message;
  unsigned flags;
  WPARAM wParam;
  LPARAM lParam;
  std::string detail;  // class name of HCBT_CREATEWND, and the like
};

class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  static MessageRecorder* Current();

  // The class "RecorderWindow" (wide, CS_DBLCLKS) whose procedure records
  // and calls DefWindowProcW; and its ANSI twin "RecorderWindowA".
  static const char16_t* WideClass();
  static const char* AnsiClass();

  // Records messages of `hwnd` by subclassing it (for windows of other
  // classes); Unwatch puts the previous procedure back.
  void Watch(HWND hwnd);
  void Unwatch(HWND hwnd);

  // Installs a WH_CBT hook that records every call.
  void HookCbt();
  void UnhookCbt();

  // Messages that are never recorded (WM_GETICON, WM_GETTEXT … by default).
  void Ignore(UINT message) { ignored_.insert(message); }
  void Unignore(UINT message) { ignored_.erase(message); }

  // The first watched window; messages of other windows carry kOtherWindow.
  void SetMainWindow(HWND hwnd) { main_ = hwnd; }

  void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void RecordHook(int code, WPARAM wParam, LPARAM lParam);
  void Clear() { log_.clear(); }
  const std::vector<RecordedMessage>& Log() const { return log_; }

  // Procedures of recording windows call this around DefWindowProc.
  LRESULT CallDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode);

  // Reads and dispatches everything queued now (posted, input, paint,
  // timers that are due), marking messages dispatched to watched windows as
  // posted.
  void Pump();

  ::testing::AssertionResult Matches(const std::vector<ExpectedMessage>& expected) const;

  // The recorded sequence as text, one message per line.
  std::string Describe() const;

 private:
  std::vector<RecordedMessage> log_;
  std::set<UINT> ignored_;
  std::set<HWND> watched_;
  HWND main_ = nullptr;
  HHOOK cbtHook_ = nullptr;
  int defaultDepth_ = 0;
  const MSG* dispatching_ = nullptr;
  std::vector<std::pair<HWND, WNDPROC>> subclassed_;
};

// The name of a message number ("WM_NCPAINT"), or its hex value.
std::string MessageName(UINT message, bool hook = false);

}  // namespace brellis::test
