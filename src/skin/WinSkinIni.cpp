#include "skin/WinSkinIni.h"

#include "platform/base/sysutils.h"

namespace {

bool IsHeader(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// Upper case for the letters whose two cases both exist in the program's code
// page: Latin (ASCII, Latin-1 and full-width), Greek, Cyrillic and the Roman
// numerals.
char16_t UpperChar(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if (c >= 0x2170 && c <= 0x217F) return c - 0x10;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;
  return c;
}

// The text folded to upper case after conversion from the code page, so
// headers compare without regard to case in any script the code page holds.
WideString Folded(std::string_view ansi) {
  WideString wide = platform::AnsiToWideString(ansi);
  for (char16_t& c : wide) c = UpperChar(c);
  return wide;
}

}  // namespace

void TQuickIni::LoadFromStream(TStream* stream) {
  if (stream == nullptr) return;
  AnsiString text;
  const std::int64_t remaining = stream->Size() - stream->Position();
  if (remaining > 0) {
    text.resize(static_cast<std::size_t>(remaining));
    text.resize(static_cast<std::size_t>(stream->Read(text.data(), remaining)));
  }
  const std::size_t zero = text.find('\0');
  if (zero != AnsiString::npos) text.resize(zero);

  FLines.clear();
  FSections.clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == AnsiString::npos) end = text.size();
    const AnsiString line = Trim(std::string_view(text).substr(start, end - start));
    // CR LF is one break; CR and LF alone are one each (so LF CR is two).
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
    if (line.empty() || line[0] == ';') continue;

    TIniLine entry;
    if (IsHeader(line)) {
      entry.Header = true;
      FSections.push_back({line, Folded(line), static_cast<int>(FLines.size())});
    } else {
      const std::size_t equals = line.find('=');
      if (equals != AnsiString::npos) {
        entry.Key = LowerCase(Trim(std::string_view(line).substr(0, equals)));
        entry.Value = Trim(std::string_view(line).substr(equals + 1));
      }
    }
    FLines.push_back(std::move(entry));
  }
}

AnsiString TQuickIni::ReadString(const AnsiString& section, const AnsiString& key,
                                 const AnsiString& defaultValue) const {
  if (FLines.empty()) return defaultValue;
  const WideString wantedHeader = Folded("[" + section + "]");
  const TIniSection* found = nullptr;
  for (const TIniSection& s : FSections) {
    if (s.FoldedText == wantedHeader) {
      found = &s;
      break;
    }
  }
  if (found == nullptr) return defaultValue;

  const AnsiString wantedKey = LowerCase(key);
  for (std::size_t i = static_cast<std::size_t>(found->Line) + 1; i < FLines.size() && !FLines[i].Header; ++i) {
    if (FLines[i].Key == wantedKey) return FLines[i].Value.empty() ? defaultValue : FLines[i].Value;
  }
  return defaultValue;
}

int TQuickIni::ReadInteger(const AnsiString& section, const AnsiString& key, int defaultValue) const {
  AnsiString text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  int value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

void TQuickIni::ReadSections(TStringList* strings) const {
  Assert(strings != nullptr, "The parameter Strings is unassigned!", "Winskinini.pas", 318);
  strings->Clear();
  for (const TIniSection& s : FSections) {
    const AnsiString trimmed = Trim(s.Text);
    strings->Add(Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2)));
  }
}
