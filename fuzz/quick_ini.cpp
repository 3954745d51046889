// INI text from any bytes: loading, the section list, and lookups of every
// section with keys taken from the text itself (and an empty and a missing
// key), as strings and as integers.
#include <cstdint>

#include "skin/WinSkinIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<std::int64_t>(size));
  stream.SetPosition(0);
  TQuickIni ini;
  ini.LoadFromStream(&stream);

  TStringList sections;
  ini.ReadSections(&sections);
  sections.Add("");
  TStringList lines;
  lines.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
  for (int s = 0; s < sections.Count() && s < 16; ++s) {
    ini.ReadString(sections[s], "", "default");
    ini.ReadString(sections[s], "missing", "default");
    for (int i = 0; i < lines.Count() && i < 64; ++i) {
      const AnsiString key = lines[i].substr(0, lines[i].find('='));
      ini.ReadString(sections[s], key, "default");
      ini.ReadInteger(sections[s], key, -1);
    }
  }
  return 0;
}
