// Window procedures as handles to callables, and calling them with the text
// parameters converted between the caller's charset and the procedure's.
//
// A procedure installed with a W function receives wide text, one installed
// with an A function 8-bit text. When an A caller asks for the procedure of a
// wide window (or the other way round) it receives an alias: a handle that
// remembers the charset, so that installing it again, or calling it with
// CallWindowProc, treats the procedure as what it is. This is how subclass
// chains of mixed A and W code restore in reverse order without garbling text.
#include <cstring>
#include <map>
#include <unordered_map>

#include "platform/user/window_object.h"

namespace platform {
namespace {

struct ProcEntry {
  WindowProcedure function;  // empty for an alias
  WNDPROC target = nullptr;  // the procedure an alias stands for
  bool aliasUnicode = false;
};

struct ProcTable {
  std::vector<std::shared_ptr<ProcEntry>> entries;
  std::unordered_map<PlainWindowProcedure, WNDPROC> functions;
  std::map<std::pair<WNDPROC, bool>, WNDPROC> aliases;
  std::size_t liveThunks = 0;
};

ProcTable& Table() {
  static ProcTable table;
  return table;
}

constexpr std::uintptr_t kTag = 0x9;

WNDPROC Encode(std::size_t index) { return reinterpret_cast<WNDPROC>(((index + 1) << 4) | kTag); }

std::shared_ptr<ProcEntry> Lookup(WNDPROC proc) {
  const auto value = reinterpret_cast<std::uintptr_t>(proc);
  if ((value & 0xF) != kTag) return nullptr;
  const std::size_t index = (value >> 4) - 1;
  ProcTable& table = Table();
  return index < table.entries.size() ? table.entries[index] : nullptr;
}

WNDPROC Insert(std::shared_ptr<ProcEntry> entry) {
  ProcTable& table = Table();
  table.entries.push_back(std::move(entry));
  return Encode(table.entries.size() - 1);
}

WNDPROC AliasFor(WNDPROC proc, bool unicode) {
  ProcTable& table = Table();
  auto found = table.aliases.find({proc, unicode});
  if (found != table.aliases.end()) return found->second;
  auto entry = std::make_shared<ProcEntry>();
  entry->target = proc;
  entry->aliasUnicode = unicode;
  WNDPROC alias = Insert(std::move(entry));
  table.aliases.emplace(std::make_pair(proc, unicode), alias);
  return alias;
}

// Pending lead bytes of double-byte characters sent as two WM_CHAR messages
// to a wide procedure.
BYTE& PendingLeadByte() {
  static BYTE lead = 0;
  return lead;
}

bool IsLeadByte(BYTE b) { return b >= 0x81 && b <= 0xFE; }

bool IsCharMessage(UINT message) {
  return message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR || message == WM_SYSDEADCHAR;
}

// Copies `text` into a caller's buffer of `size` units with the terminating
// zero, cutting as needed; answers the units copied without the zero.
template <class Char>
LRESULT CopyOut(const std::basic_string<Char>& text, Char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return 0;
  std::size_t count = std::min(text.size(), size - 1);
  if constexpr (sizeof(Char) == 1) {
    // Never leave half of a double-byte character at the end.
    std::size_t i = 0;
    while (i < count) {
      const std::size_t step = IsLeadByte(static_cast<BYTE>(text[i])) ? 2 : 1;
      if (i + step > count) break;
      i += step;
    }
    count = i;
  }
  std::memcpy(buffer, text.data(), count * sizeof(Char));
  buffer[count] = 0;
  return static_cast<LRESULT>(count);
}

LRESULT Invoke(const ProcEntry& entry, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return entry.function ? entry.function(hwnd, message, wParam, lParam) : 0;
}

// Calls a wide procedure on behalf of an ANSI caller.
LRESULT CallWideFromAnsi(const ProcEntry& entry, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
    case 0x00C2: {  // EM_REPLACESEL
      if (lParam == 0) break;
      const WideString wide = AnsiToWideString(reinterpret_cast<LPCSTR>(lParam));
      return Invoke(entry, hwnd, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    case WM_GETTEXT: {
      if (lParam == 0 || wParam == 0) break;
      std::u16string wide(wParam, u'\0');
      const LRESULT got = Invoke(entry, hwnd, message, wParam, reinterpret_cast<LPARAM>(wide.data()));
      wide.resize(static_cast<std::size_t>(std::max<LRESULT>(0, std::min<LRESULT>(got, wParam))));
      wide.resize(std::char_traits<char16_t>::length(wide.c_str()));
      return CopyOut(WideToAnsiString(wide), reinterpret_cast<char*>(lParam), wParam);
    }
    case WM_GETTEXTLENGTH: {
      const LRESULT length = Invoke(entry, hwnd, message, wParam, lParam);
      if (length <= 0) return length;
      std::u16string wide(static_cast<std::size_t>(length) + 1, u'\0');
      const LRESULT got = Invoke(entry, hwnd, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
      wide.resize(static_cast<std::size_t>(std::max<LRESULT>(0, got)));
      return static_cast<LRESULT>(WideToAnsiString(wide).size());
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      if (lParam == 0) break;
      const auto* ansi = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      CREATESTRUCTW wide{};
      std::memcpy(&wide, ansi, sizeof(wide));
      WideString name, className;
      if (ansi->lpszName && !IS_INTRESOURCE(ansi->lpszName)) {
        name = AnsiToWideString(ansi->lpszName);
        wide.lpszName = name.c_str();
      }
      if (ansi->lpszClass && !IS_INTRESOURCE(ansi->lpszClass)) {
        className = AnsiToWideString(ansi->lpszClass);
        wide.lpszClass = className.c_str();
      } else {
        wide.lpszClass = reinterpret_cast<LPCWSTR>(ansi->lpszClass);
      }
      return Invoke(entry, hwnd, message, wParam, reinterpret_cast<LPARAM>(&wide));
    }
    default:
      if (IsCharMessage(message)) {
        const BYTE byte = static_cast<BYTE>(wParam & 0xFF);
        BYTE& lead = PendingLeadByte();
        char bytes[2];
        int count = 0;
        if (lead != 0) {
          bytes[0] = static_cast<char>(lead);
          bytes[1] = static_cast<char>(byte);
          count = 2;
          lead = 0;
        } else if (IsLeadByte(byte) && wParam <= 0xFF) {
          lead = byte;
          return 0;
        } else if (wParam > 0xFF) {
          // Both bytes in one message (lead byte in the low byte).
          bytes[0] = static_cast<char>(wParam & 0xFF);
          bytes[1] = static_cast<char>((wParam >> 8) & 0xFF);
          count = 2;
        } else {
          bytes[0] = static_cast<char>(byte);
          count = 1;
        }
        const WideString wide = AnsiToWideString(std::string_view(bytes, static_cast<std::size_t>(count)));
        return wide.empty() ? 0 : Invoke(entry, hwnd, message, wide[0], lParam);
      }
      break;
  }
  return Invoke(entry, hwnd, message, wParam, lParam);
}

// Calls an ANSI procedure on behalf of a wide caller.
LRESULT CallAnsiFromWide(const ProcEntry& entry, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
    case 0x00C2: {  // EM_REPLACESEL
      if (lParam == 0) break;
      const AnsiString ansi = WideToAnsiString(reinterpret_cast<LPCWSTR>(lParam));
      return Invoke(entry, hwnd, message, wParam, reinterpret_cast<LPARAM>(ansi.c_str()));
    }
    case WM_GETTEXT: {
      if (lParam == 0 || wParam == 0) break;
      // Room for every character to take two bytes.
      std::string ansi(wParam * 2 + 1, '\0');
      const LRESULT got = Invoke(entry, hwnd, message, ansi.size(), reinterpret_cast<LPARAM>(ansi.data()));
      ansi.resize(static_cast<std::size_t>(std::max<LRESULT>(0, std::min<LRESULT>(got, ansi.size()))));
      ansi.resize(std::strlen(ansi.c_str()));
      return CopyOut(AnsiToWideString(ansi), reinterpret_cast<char16_t*>(lParam), wParam);
    }
    case WM_GETTEXTLENGTH: {
      const LRESULT length = Invoke(entry, hwnd, message, wParam, lParam);
      if (length <= 0) return length;
      std::string ansi(static_cast<std::size_t>(length) + 1, '\0');
      const LRESULT got = Invoke(entry, hwnd, WM_GETTEXT, ansi.size(), reinterpret_cast<LPARAM>(ansi.data()));
      ansi.resize(static_cast<std::size_t>(std::max<LRESULT>(0, got)));
      return static_cast<LRESULT>(AnsiToWideString(ansi).size());
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      if (lParam == 0) break;
      const auto* wide = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      CREATESTRUCTA ansi{};
      std::memcpy(&ansi, wide, sizeof(ansi));
      AnsiString name, className;
      if (wide->lpszName && !IS_INTRESOURCE(wide->lpszName)) {
        name = WideToAnsiString(wide->lpszName);
        ansi.lpszName = name.c_str();
      }
      if (wide->lpszClass && !IS_INTRESOURCE(wide->lpszClass)) {
        className = WideToAnsiString(wide->lpszClass);
        ansi.lpszClass = className.c_str();
      } else {
        ansi.lpszClass = reinterpret_cast<LPCSTR>(wide->lpszClass);
      }
      return Invoke(entry, hwnd, message, wParam, reinterpret_cast<LPARAM>(&ansi));
    }
    default:
      if (IsCharMessage(message) && wParam >= 0x80) {
        const char16_t ch = static_cast<char16_t>(wParam);
        const AnsiString ansi = WideToAnsiString(std::u16string_view(&ch, 1));
        LRESULT result = 0;
        // A double-byte character arrives as two messages, lead byte first.
        for (char byte : ansi) result = Invoke(entry, hwnd, message, static_cast<BYTE>(byte), lParam);
        return result;
      }
      break;
  }
  return Invoke(entry, hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT CallProcedure(WNDPROC proc, bool procUnicode, bool callerUnicode, HWND hwnd, UINT message,
                      WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<ProcEntry> entry = Lookup(proc);
  // An alias names the procedure and the charset it really takes.
  for (int depth = 0; entry && !entry->function && depth < 4; ++depth) {
    procUnicode = entry->aliasUnicode;
    entry = Lookup(entry->target);
  }
  if (!entry || !entry->function) return 0;
  // The shared pointer keeps the callable alive while it runs, even when it
  // frees its own thunk (a subclass restoring itself on WM_NCDESTROY).
  if (procUnicode == callerUnicode) return entry->function(hwnd, message, wParam, lParam);
  return procUnicode ? CallWideFromAnsi(*entry, hwnd, message, wParam, lParam)
                     : CallAnsiFromWide(*entry, hwnd, message, wParam, lParam);
}

WNDPROC ProcedureForCaller(WNDPROC proc, bool procUnicode, bool callerUnicode) {
  if (proc == nullptr || procUnicode == callerUnicode) return proc;
  std::shared_ptr<ProcEntry> entry = Lookup(proc);
  if (entry && !entry->function) return proc;  // already an alias
  return AliasFor(proc, procUnicode);
}

WNDPROC ResolveInstalledProcedure(WNDPROC proc, bool installerUnicode, bool& unicode) {
  unicode = installerUnicode;
  std::shared_ptr<ProcEntry> entry = Lookup(proc);
  if (entry && !entry->function && entry->target) {
    unicode = entry->aliasUnicode;
    return entry->target;
  }
  return proc;
}

std::size_t LiveThunkCount() { return Table().liveThunks; }

LRESULT SendMessageFrom(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool callerUnicode) {
  if (hwnd == HWND_BROADCAST) {
    const std::vector<HWND> tops = DesktopObject().children;
    for (HWND top : tops) {
      if (PeekWindowObject(top)) SendMessageFrom(top, message, wParam, lParam, callerUnicode);
    }
    return 1;
  }
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return 0;
  return CallProcedure(w->proc, w->unicode, callerUnicode, hwnd, message, wParam, lParam);
}

}  // namespace platform

using platform::CallProcedure;

WNDPROC MakeWndProcThunk(WindowProcedure procedure) {
  if (!procedure) return nullptr;
  auto entry = std::make_shared<platform::ProcEntry>();
  entry->function = std::move(procedure);
  ++platform::Table().liveThunks;
  return platform::Insert(std::move(entry));
}

void FreeWndProcThunk(WNDPROC procedure) {
  const auto value = reinterpret_cast<std::uintptr_t>(procedure);
  if ((value & 0xF) != platform::kTag) return;
  const std::size_t index = (value >> 4) - 1;
  platform::ProcTable& table = platform::Table();
  if (index >= table.entries.size() || !table.entries[index] || !table.entries[index]->function) return;
  // Plain functions' procedures are permanent.
  for (const auto& [function, proc] : table.functions) {
    if (proc == procedure) return;
  }
  table.entries[index].reset();
  --table.liveThunks;
}

WNDPROC WndProcFromFunction(PlainWindowProcedure function) {
  if (function == nullptr) return nullptr;
  platform::ProcTable& table = platform::Table();
  auto found = table.functions.find(function);
  if (found != table.functions.end()) return found->second;
  auto entry = std::make_shared<platform::ProcEntry>();
  entry->function = function;
  WNDPROC proc = platform::Insert(std::move(entry));
  table.functions.emplace(function, proc);
  return proc;
}

LRESULT CallWindowProcW(WNDPROC procedure, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallProcedure(procedure, true, true, hwnd, message, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallProcedure(procedure, false, false, hwnd, message, wParam, lParam);
}

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::SendMessageFrom(hwnd, message, wParam, lParam, true);
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::SendMessageFrom(hwnd, message, wParam, lParam, false);
}

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::DefWindowProcImpl(hwnd, message, wParam, lParam, true);
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::DefWindowProcImpl(hwnd, message, wParam, lParam, false);
}

BOOL InSendMessage() { return FALSE; }

DWORD InSendMessageEx(LPVOID) { return ISMEX_NOSEND; }
