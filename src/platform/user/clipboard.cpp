// The clipboard's formats, its owner and its text on the display. The
// clipboard keeps the formats that were set; a text format that was not set
// but can be made from one that was is made on the first request and kept
// until the clipboard is emptied, as Windows does. When the display's text
// differs from the last text this process put there, another program copied
// something: its text replaces the clipboard's contents.
#include "platform/user/clipboard.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/strings.h"
#include "platform/display/display.h"
#include "platform/user/user.h"

namespace {

struct Entry {
  UINT format = 0;
  HGLOBAL memory = nullptr;  // null: rendered on request
  bool synthesised = false;
};

struct ClipboardState {
  bool open = false;
  HWND opener = nullptr;
  HWND owner = nullptr;
  bool changed = false;    // emptied or set since it was opened
  bool rendering = false;  // the owner answers WM_RENDERFORMAT
  std::vector<Entry> entries;
  std::optional<std::u16string> shownText;  // what this process last put on the display
};

ClipboardState& State() {
  static ClipboardState state;
  return state;
}

bool IsText(UINT format) { return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT; }

Entry* FindEntry(UINT format) {
  for (Entry& e : State().entries) {
    if (e.format == format) return &e;
  }
  return nullptr;
}

void FreeEntries() {
  for (Entry& e : State().entries) {
    if (e.memory) GlobalFree(e.memory);
  }
  State().entries.clear();
}

HGLOBAL CopyToGlobal(const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (size > 0) {
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
  }
  return memory;
}

// The text of a text block up to its terminator (or its end, for a block
// that has none).
std::u16string WideText(HGLOBAL memory) {
  const auto* chars = static_cast<const char16_t*>(GlobalLock(memory));
  const std::size_t most = GlobalSize(memory) / sizeof(char16_t);
  std::u16string text;
  if (chars) text.assign(chars, std::find(chars, chars + most, u'\0'));
  GlobalUnlock(memory);
  return text;
}

std::string NarrowText(HGLOBAL memory) {
  const auto* chars = static_cast<const char*>(GlobalLock(memory));
  const std::size_t most = GlobalSize(memory);
  std::string text;
  if (chars) text.assign(chars, std::find(chars, chars + most, '\0'));
  GlobalUnlock(memory);
  return text;
}

HGLOBAL WideBlock(const std::u16string& text) { return CopyToGlobal(text.c_str(), (text.size() + 1) * sizeof(char16_t)); }
HGLOBAL NarrowBlock(const std::string& text) { return CopyToGlobal(text.c_str(), text.size() + 1); }

// Asks the owner to render a format it announced with a null handle.
void Render(Entry& entry) {
  ClipboardState& s = State();
  if (entry.memory || s.owner == nullptr || !IsWindow(s.owner) || s.rendering) return;
  s.rendering = true;
  SendMessageW(s.owner, WM_RENDERFORMAT, entry.format, 0);
  s.rendering = false;
}

// The clipboard's text as UTF-16, from whichever text format it holds.
std::optional<std::u16string> TextOfEntries() {
  for (UINT format : {CF_UNICODETEXT, CF_TEXT, CF_OEMTEXT}) {
    Entry* e = FindEntry(format);
    if (e == nullptr || e->synthesised) continue;
    Render(*e);
    if ((e = FindEntry(format)) == nullptr || e->memory == nullptr) continue;
    return format == CF_UNICODETEXT ? WideText(e->memory) : platform::AnsiToWideString(NarrowText(e->memory));
  }
  return std::nullopt;
}

// The display's programs end lines with "\n", the clipboard's text with
// "\r\n".
std::u16string ToDisplay(std::u16string text) {
  for (std::size_t at = text.find(u"\r\n"); at != std::u16string::npos; at = text.find(u"\r\n", at)) text.erase(at, 1);
  return text;
}

std::u16string FromDisplay(const std::u16string& text) {
  std::u16string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) result += u'\r';
    result += text[i];
  }
  return result;
}

// Takes another program's text when the display's text changed behind this
// process's back.
void FollowDisplay() {
  ClipboardState& s = State();
  std::optional<std::u16string> shown = platform::display::Current().ClipboardText();
  if (shown == s.shownText) return;
  FreeEntries();
  s.owner = nullptr;
  s.shownText = shown;
  if (shown) s.entries.push_back(Entry{CF_UNICODETEXT, WideBlock(FromDisplay(*shown)), false});
}

// Makes a text format from another text format the clipboard holds.
Entry* Synthesise(UINT format) {
  if (!IsText(format)) return nullptr;
  std::optional<std::u16string> text = TextOfEntries();
  if (!text) return nullptr;
  HGLOBAL memory = format == CF_UNICODETEXT ? WideBlock(*text) : NarrowBlock(platform::WideToAnsiString(*text));
  State().entries.push_back(Entry{format, memory, true});
  return &State().entries.back();
}

bool CanSynthesise(UINT format) {
  if (!IsText(format)) return false;
  return std::any_of(State().entries.begin(), State().entries.end(), [](const Entry& e) { return IsText(e.format); });
}

// The formats available: those set, then the text formats that can be made.
std::vector<UINT> Formats() {
  std::vector<UINT> formats;
  for (const Entry& e : State().entries) formats.push_back(e.format);
  for (UINT format : {CF_TEXT, CF_OEMTEXT, CF_UNICODETEXT}) {
    if (std::find(formats.begin(), formats.end(), format) == formats.end() && CanSynthesise(format)) {
      formats.push_back(format);
    }
  }
  return formats;
}

bool RequireOpen() {
  if (State().open) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

}  // namespace

BOOL OpenClipboard(HWND newOwner) {
  ClipboardState& s = State();
  if (newOwner != nullptr && !IsWindow(newOwner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (s.open && s.opener != newOwner) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (!s.open) FollowDisplay();
  s.open = true;
  s.opener = newOwner;
  s.changed = false;
  return TRUE;
}

BOOL CloseClipboard() {
  ClipboardState& s = State();
  if (!RequireOpen()) return FALSE;
  s.open = false;
  s.opener = nullptr;
  if (s.changed) {
    s.shownText = TextOfEntries();
    if (s.shownText) s.shownText = ToDisplay(*s.shownText);
    platform::display::Current().SetClipboardText(s.shownText);
  }
  return TRUE;
}

BOOL EmptyClipboard() {
  ClipboardState& s = State();
  if (!RequireOpen()) return FALSE;
  if (s.owner != nullptr && IsWindow(s.owner)) SendMessageW(s.owner, WM_DESTROYCLIPBOARD, 0, 0);
  FreeEntries();
  s.owner = s.opener;
  s.changed = true;
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE memory) {
  // The owner also sets data while it answers WM_RENDERFORMAT.
  if (!State().rendering && !RequireOpen()) return nullptr;
  if (format == 0 || (memory != nullptr && !platform::IsGlobalMemory(memory))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // A new format replaces the one made from it and anything set before.
  std::vector<Entry>& entries = State().entries;
  for (auto it = entries.begin(); it != entries.end();) {
    if (it->format == format || (IsText(format) && it->synthesised)) {
      if (it->memory) GlobalFree(it->memory);
      it = entries.erase(it);
    } else {
      ++it;
    }
  }
  entries.push_back(Entry{format, memory, false});
  State().changed = true;
  return memory;
}

HANDLE GetClipboardData(UINT format) {
  if (!RequireOpen()) return nullptr;
  Entry* e = FindEntry(format);
  if (e != nullptr) {
    Render(*e);
    e = FindEntry(format);
  }
  if (e == nullptr) e = Synthesise(format);
  return e ? e->memory : nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  if (!State().open) FollowDisplay();
  const std::vector<UINT> formats = Formats();
  return std::find(formats.begin(), formats.end(), format) != formats.end();
}

int CountClipboardFormats() {
  if (!State().open) FollowDisplay();
  return static_cast<int>(Formats().size());
}

UINT EnumClipboardFormats(UINT format) {
  if (!RequireOpen()) return 0;
  const std::vector<UINT> formats = Formats();
  if (format == 0) return formats.empty() ? 0 : formats.front();
  const auto it = std::find(formats.begin(), formats.end(), format);
  SetLastError(ERROR_SUCCESS);
  return (it == formats.end() || it + 1 == formats.end()) ? 0 : *(it + 1);
}

HWND GetClipboardOwner() {
  HWND owner = State().owner;
  return owner != nullptr && IsWindow(owner) ? owner : nullptr;
}

HWND GetOpenClipboardWindow() { return State().open ? State().opener : nullptr; }
