// Thread hooks: WH_CBT and WH_MSGFILTER chains (and the other ids kept as
// chains), newest first, called at Windows' moments by the rest of the window
// manager. CallNextHookEx continues the chain being called, whatever handle
// it is given, as on Windows NT.
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/user/window_object.h"

namespace platform {
namespace {

struct HookRecord {
  int id = 0;
  HOOKPROC proc = nullptr;
  bool unicode = true;
  bool alive = true;
  HHOOK handle = nullptr;
};

class HookObject : public HandleObject {
 public:
  HookObject() : HandleObject(HandleKind::Hook) {}
  std::shared_ptr<HookRecord> record;
};

struct Frame {
  std::shared_ptr<HookRecord> hook;
  bool unicodeParams = true;  // charset of a CBT_CREATEWND being passed
};

struct Hooks {
  std::map<int, std::vector<std::shared_ptr<HookRecord>>> chains;
  std::vector<Frame> calling;
};

Hooks& State() {
  static Hooks hooks;
  return hooks;
}

bool ValidId(int id) { return id >= WH_MSGFILTER && id <= 14; }

// Calls one hook, converting a CBT_CREATEWND to the hook's charset.
LRESULT CallOne(const std::shared_ptr<HookRecord>& hook, int code, WPARAM wParam, LPARAM lParam, bool unicodeParams) {
  if (hook->id != WH_CBT || code != HCBT_CREATEWND || hook->unicode == unicodeParams || lParam == 0) {
    return hook->proc(code, wParam, lParam);
  }
  if (unicodeParams) {
    auto* wide = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
    CREATESTRUCTA cs{};
    std::memcpy(&cs, wide->lpcs, sizeof(cs));
    AnsiString name, className;
    if (wide->lpcs->lpszName && !IS_INTRESOURCE(wide->lpcs->lpszName)) {
      name = WideToAnsiString(wide->lpcs->lpszName);
      cs.lpszName = name.c_str();
    }
    if (wide->lpcs->lpszClass && !IS_INTRESOURCE(wide->lpcs->lpszClass)) {
      className = WideToAnsiString(wide->lpcs->lpszClass);
      cs.lpszClass = className.c_str();
    }
    CBT_CREATEWNDA ansi{&cs, wide->hwndInsertAfter};
    const LRESULT result = hook->proc(code, wParam, reinterpret_cast<LPARAM>(&ansi));
    // What the hook changed goes back to the creation.
    wide->lpcs->x = cs.x;
    wide->lpcs->y = cs.y;
    wide->lpcs->cx = cs.cx;
    wide->lpcs->cy = cs.cy;
    wide->hwndInsertAfter = ansi.hwndInsertAfter;
    return result;
  }
  auto* ansi = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
  CREATESTRUCTW cs{};
  std::memcpy(&cs, ansi->lpcs, sizeof(cs));
  WideString name, className;
  if (ansi->lpcs->lpszName && !IS_INTRESOURCE(ansi->lpcs->lpszName)) {
    name = AnsiToWideString(ansi->lpcs->lpszName);
    cs.lpszName = name.c_str();
  }
  if (ansi->lpcs->lpszClass && !IS_INTRESOURCE(ansi->lpcs->lpszClass)) {
    className = AnsiToWideString(ansi->lpcs->lpszClass);
    cs.lpszClass = className.c_str();
  }
  CBT_CREATEWNDW wide{&cs, ansi->hwndInsertAfter};
  const LRESULT result = hook->proc(code, wParam, reinterpret_cast<LPARAM>(&wide));
  ansi->lpcs->x = cs.x;
  ansi->lpcs->y = cs.y;
  ansi->lpcs->cx = cs.cx;
  ansi->lpcs->cy = cs.cy;
  ansi->hwndInsertAfter = wide.hwndInsertAfter;
  return result;
}

// Calls the first live hook of `id` after `after` (null: from the start).
LRESULT CallChainFrom(int id, const HookRecord* after, int code, WPARAM wParam, LPARAM lParam, bool unicodeParams) {
  Hooks& hooks = State();
  auto chainIt = hooks.chains.find(id);
  if (chainIt == hooks.chains.end()) return 0;
  const std::vector<std::shared_ptr<HookRecord>> chain = chainIt->second;
  auto it = chain.begin();
  if (after != nullptr) {
    it = std::find_if(chain.begin(), chain.end(), [&](const auto& h) { return h.get() == after; });
    if (it == chain.end()) return 0;
    ++it;
  }
  for (; it != chain.end(); ++it) {
    if (!(*it)->alive) continue;
    hooks.calling.push_back(Frame{*it, unicodeParams});
    const LRESULT result = CallOne(*it, code, wParam, lParam, unicodeParams);
    State().calling.pop_back();
    return result;
  }
  return 0;
}

HHOOK Install(int id, HOOKPROC proc, bool unicode) {
  if (!ValidId(id) || proc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto record = std::make_shared<HookRecord>();
  record->id = id;
  record->proc = proc;
  record->unicode = unicode;
  auto object = std::make_unique<HookObject>();
  object->record = record;
  record->handle = static_cast<HHOOK>(HandleTable::Instance().Insert(std::move(object)));
  auto& chain = State().chains[id];
  chain.insert(chain.begin(), record);
  return record->handle;
}

}  // namespace

LRESULT CallHooks(int id, int code, WPARAM wParam, LPARAM lParam) {
  return CallChainFrom(id, nullptr, code, wParam, lParam, true);
}

bool HasHooks(int id) {
  auto found = State().chains.find(id);
  return found != State().chains.end() && !found->second.empty();
}

LRESULT CallCbtCreateHook(HWND hwnd, CREATESTRUCTW& cs, HWND& insertAfter) {
  if (!HasHooks(WH_CBT)) return 0;
  CBT_CREATEWNDW cbt{&cs, insertAfter};
  const LRESULT result = CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt));
  insertAfter = cbt.hwndInsertAfter;
  return result;
}

}  // namespace platform

HHOOK SetWindowsHookExW(int id, HOOKPROC proc, HINSTANCE, DWORD) { return platform::Install(id, proc, true); }

HHOOK SetWindowsHookExA(int id, HOOKPROC proc, HINSTANCE, DWORD) { return platform::Install(id, proc, false); }

BOOL UnhookWindowsHookEx(HHOOK hook) {
  auto* object = platform::HandleTable::Instance().FindAs<platform::HookObject>(hook, platform::HandleKind::Hook);
  if (object == nullptr) {
    SetLastError(1404);  // ERROR_INVALID_HOOK_HANDLE
    return FALSE;
  }
  std::shared_ptr<platform::HookRecord> record = object->record;
  record->alive = false;
  auto& chain = platform::State().chains[record->id];
  chain.erase(std::remove(chain.begin(), chain.end(), record), chain.end());
  platform::HandleTable::Instance().Remove(hook);
  return TRUE;
}

LRESULT CallNextHookEx(HHOOK, int code, WPARAM wParam, LPARAM lParam) {
  platform::Hooks& hooks = platform::State();
  if (hooks.calling.empty()) return 0;
  const platform::Frame frame = hooks.calling.back();
  // Parameters move on in the charset of the hook that passes them.
  const bool unicodeParams = frame.hook->unicode;
  return platform::CallChainFrom(frame.hook->id, frame.hook.get(), code, wParam, lParam, unicodeParams);
}

BOOL CallMsgFilterW(LPMSG msg, int code) {
  if (msg == nullptr) return FALSE;
  return platform::CallHooks(WH_MSGFILTER, code, 0, reinterpret_cast<LPARAM>(msg)) != 0;
}

BOOL CallMsgFilterA(LPMSG msg, int code) { return CallMsgFilterW(msg, code); }
