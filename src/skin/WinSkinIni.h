// TQuickIni: the small read-only INI reader for the text inside a skin
// package. The text is 8-bit; lines are kept trimmed, comments and empty lines
// dropped, and section headers remembered with their line so lookups only
// walk one section.
#pragma once

#include <vector>

#include "platform/base/strings.h"
#include "toolkit/Streams.h"
#include "toolkit/StringList.h"

class TQuickIni {
 public:
  // Replaces the content with the text from the stream's position to its end.
  // A zero byte ends the text. A null stream changes nothing.
  void LoadFromStream(TStream* stream);

  // The value of the first line with `key` in `section`; the default when the
  // section or key is missing or the first such line has an empty value.
  AnsiString ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& defaultValue) const;
  // ReadString converted strictly to an integer ("0x" is read as "$"); the
  // default when there is no value or it is not a number.
  int ReadInteger(const AnsiString& section, const AnsiString& key, int defaultValue) const;
  // Fills `strings` with the section names in file order, without brackets.
  // Raises EAssertionFailed when `strings` is null.
  void ReadSections(TStringList* strings) const;

 private:
  struct TIniLine {
    bool Header = false;
    AnsiString Key;    // trimmed and lower-cased; empty without "="
    AnsiString Value;  // trimmed
  };
  struct TIniSection {
    AnsiString Text;        // the header line as written, brackets included
    WideString FoldedText;  // the same for comparing without regard to case
    int Line = 0;
  };

  std::vector<TIniLine> FLines;
  std::vector<TIniSection> FSections;
};
